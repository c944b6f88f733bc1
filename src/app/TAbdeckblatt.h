#pragma once
// The movable cover sheet AbdeckPan over the picture area: a grey panel with
// a picture in its middle and eight grips along its edges and corners.

#include <QWidget>

namespace kalumo {

class TAbdeckblatt : public QWidget
{
    Q_OBJECT
public:
    explicit TAbdeckblatt(QWidget *parent = nullptr);

    // Set by any mouse-down on the sheet, cleared when it is shown again.
    bool Beruehrt() const { return m_beruehrt; }
    // Shows the sheet over the whole parent and clears the touched flag.
    void Einblenden();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    bool m_beruehrt = false;
    int m_griff = -1;
    QPoint m_start;      // mouse-down point in parent coordinates
    QRect m_startLage;
};

} // namespace kalumo
