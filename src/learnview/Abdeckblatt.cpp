#include "learnview/Abdeckblatt.h"

#include <algorithm>

namespace kalumo {

int AbdeckGriff(QPoint p, QSize groesse)
{
    int griff = asMitte;
    if (p.x() < kAbdeckGriff)
        griff |= asLinks;
    else if (p.x() >= groesse.width() - kAbdeckGriff)
        griff |= asRechts;
    if (p.y() < kAbdeckGriff)
        griff |= asOben;
    else if (p.y() >= groesse.height() - kAbdeckGriff)
        griff |= asUnten;
    return griff;
}

QRect AbdeckblattZiehen(const QRect &start, int griff, QPoint versatz)
{
    if (griff == asMitte)
        return start.translated(versatz);
    int l = start.left(), o = start.top();
    int r = start.left() + start.width(), u = start.top() + start.height();
    if (griff & asLinks)
        l = std::min(l + versatz.x(), r - kAbdeckMinimum);
    if (griff & asRechts)
        r = std::max(r + versatz.x(), l + kAbdeckMinimum);
    if (griff & asOben)
        o = std::min(o + versatz.y(), u - kAbdeckMinimum);
    if (griff & asUnten)
        u = std::max(u + versatz.y(), o + kAbdeckMinimum);
    return QRect(l, o, r - l, u - o);
}

} // namespace kalumo
