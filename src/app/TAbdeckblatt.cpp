#include "app/TAbdeckblatt.h"

#include "learnview/Abdeckblatt.h"

#include <QMouseEvent>
#include <QPainter>

namespace kalumo {

namespace {

Qt::CursorShape GriffZeiger(int griff)
{
    switch (griff) {
    case asLinks:
    case asRechts: return Qt::SizeHorCursor;
    case asOben:
    case asUnten: return Qt::SizeVerCursor;
    case asLinks | asOben:
    case asRechts | asUnten: return Qt::SizeFDiagCursor;
    case asRechts | asOben:
    case asLinks | asUnten: return Qt::SizeBDiagCursor;
    }
    return Qt::SizeAllCursor;
}

} // namespace

TAbdeckblatt::TAbdeckblatt(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("AbdeckPan"));
    setMouseTracking(true);
    hide();
}

void TAbdeckblatt::Einblenden()
{
    if (parentWidget())
        setGeometry(parentWidget()->rect());
    m_beruehrt = false;
    show();
    raise();
}

void TAbdeckblatt::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(199, 199, 184));
    // the grips: slightly darker bands along the edges
    const QColor griff(186, 186, 170);
    const int g = kAbdeckGriff;
    p.fillRect(QRect(0, 0, width(), g), griff);
    p.fillRect(QRect(0, height() - g, width(), g), griff);
    p.fillRect(QRect(0, 0, g, height()), griff);
    p.fillRect(QRect(width() - g, 0, g, height()), griff);
    // the picture in the middle: a sheet with a folded corner
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF m = QRectF(rect()).center();
    QPolygonF blatt;
    blatt << m + QPointF(-14, -18) << m + QPointF(6, -18) << m + QPointF(14, -10) << m + QPointF(14, 18)
          << m + QPointF(-14, 18);
    p.setPen(QPen(QColor(110, 110, 100), 1.5));
    p.setBrush(QColor(225, 225, 215));
    p.drawPolygon(blatt);
    p.drawLine(m + QPointF(6, -18), m + QPointF(6, -10));
    p.drawLine(m + QPointF(6, -10), m + QPointF(14, -10));
}

void TAbdeckblatt::mousePressEvent(QMouseEvent *e)
{
    m_beruehrt = true;
    if (e->button() != Qt::LeftButton)
        return;
    m_griff = AbdeckGriff(e->position().toPoint(), size());
    m_start = mapToParent(e->position().toPoint());
    m_startLage = geometry();
}

void TAbdeckblatt::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint p = e->position().toPoint();
    if (m_griff < 0 || !(e->buttons() & Qt::LeftButton)) {
        setCursor(GriffZeiger(AbdeckGriff(p, size())));
        return;
    }
    setGeometry(AbdeckblattZiehen(m_startLage, m_griff, mapToParent(p) - m_start));
}

void TAbdeckblatt::mouseReleaseEvent(QMouseEvent *)
{
    m_griff = -1;
}

} // namespace kalumo
