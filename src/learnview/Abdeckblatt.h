#pragma once
// The movable cover sheet ("Abdeckblatt") without a window: which of its
// eight grips a point hits and how dragging changes its rectangle.

#include <QPoint>
#include <QRect>

namespace kalumo {

// The grips are this wide along the edges and in the corners.
constexpr int kAbdeckGriff = 40;
// Smallest size the sheet can be dragged to.
constexpr int kAbdeckMinimum = 2 * kAbdeckGriff + 8;

// Bits of the sides a grip moves; 0 is the middle (the whole sheet moves).
enum AbdeckSeite : int {
    asMitte = 0,
    asLinks = 1,
    asOben = 2,
    asRechts = 4,
    asUnten = 8,
};

// The grip under p (relative to the sheet of size groesse).
int AbdeckGriff(QPoint p, QSize groesse);

// The sheet after dragging the grip by versatz from its rectangle start:
// the middle moves the sheet, a side grip moves that side (the opposite one
// stays), a corner the two sides that meet there. The sheet keeps at least
// kAbdeckMinimum in each direction.
QRect AbdeckblattZiehen(const QRect &start, int griff, QPoint versatz);

} // namespace kalumo
