#pragma once
// The series status panel beside the exercise status while a series runs:
// the number of the running partial exercise (Position + 1) in large
// digits and "von  " + Anzahl below it.

#include <QFrame>

class QLabel;

namespace kalumo {

class TUebserieStatusPan : public QFrame
{
    Q_OBJECT
public:
    explicit TUebserieStatusPan(QWidget *parent = nullptr);

    // position from 0.
    void Anzeigen(int position, int anzahl);

    QLabel *NummerLabel() const { return m_nummer; }
    QLabel *VonLabel() const { return m_von; }

private:
    QLabel *m_titel = nullptr;
    QLabel *m_nummer = nullptr;
    QLabel *m_von = nullptr;
};

} // namespace kalumo
