#pragma once
// The exercise status panel UebStatusPan: "Name:", "Richtig gelöst:" with
// "von  " + the number of queries beside it, "Fehlversuche:", "Akt.
// Erfolgsquote:", "Gesamtleistung:" and the clock ("Verbleibende Zeit:" or
// "Benötigte Zeit:"; hidden without a clock). It shows Uebung::Status().

#include "exercise/Uebung.h"

#include <QFrame>

class QLabel;

namespace kalumo {

class TUebStatusPan : public QFrame
{
    Q_OBJECT
public:
    explicit TUebStatusPan(QWidget *parent = nullptr);

    void Anzeigen(const StatusAnzeige &s);

    QLabel *NameLabel() const { return m_name; }
    QLabel *RichtigLabel() const { return m_richtig; }
    QLabel *VonLabel() const { return m_von; }
    QLabel *FalschLabel() const { return m_falsch; }
    QLabel *QuoteLabel() const { return m_quote; }
    QLabel *LeistungLabel() const { return m_leistung; }
    QLabel *UhrBeschriftung() const { return m_uhrBeschriftung; }
    QLabel *UhrLabel() const { return m_uhr; }

private:
    QLabel *m_name = nullptr;
    QLabel *m_richtig = nullptr;
    QLabel *m_von = nullptr;
    QLabel *m_falsch = nullptr;
    QLabel *m_quote = nullptr;
    QLabel *m_leistung = nullptr;
    QLabel *m_uhrBeschriftung = nullptr;
    QLabel *m_uhr = nullptr;
};

} // namespace kalumo
