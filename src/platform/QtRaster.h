#pragma once
// The read-only grids of the program (best lists, the control display):
// whole rows selected, rows and header 19 pixels high, type small enough
// (8 points at most) for the fixed column widths.

#include <QAbstractItemView>
#include <QFont>
#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>

namespace kalumo {

inline void RasterEinrichten(QTableWidget *tabelle)
{
    tabelle->verticalHeader()->setVisible(false);
    tabelle->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabelle->verticalHeader()->setDefaultSectionSize(19);
    tabelle->horizontalHeader()->setFixedHeight(19);
    tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    QFont klein = tabelle->font();
    klein.setPointSizeF(std::min<qreal>(klein.pointSizeF(), 8.0));
    tabelle->setFont(klein);
    tabelle->horizontalHeader()->setFont(klein);
}

} // namespace kalumo
