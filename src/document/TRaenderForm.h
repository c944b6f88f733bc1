#pragma once
// The dialog "Ränder": the four text-frame margins of the current document
// in percent of the page width or height. "OK" checks top and bottom, then
// left and right, and stores nothing until both pairs pass.

#include "platform/Meldungen.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

namespace kalumo {

class TRaenderForm : public QDialog
{
    Q_OBJECT
public:
    enum Feldart { feldLinks = 0, feldOben = 1, feldRechts = 2, feldUnten = 3 }; // the order of EinrueckRand

    explicit TRaenderForm(Meldungen &meldungen, QWidget *parent = nullptr);
    void MeldungenSetzen(Meldungen &m) { m_meldungen = &m; }

    // Shows the dialog for these margins (fractions, order left, top, right,
    // bottom); true when confirmed, and then rand holds the new values.
    bool RaenderEinstellen(std::array<double, 4> &rand);

    // The fields from the margins, and "OK" (true when the values passed).
    void Fuellen(const std::array<double, 4> &rand);
    bool OkClick();
    QLineEdit *Feld(Feldart art) const { return m_felder[size_t(art)]; }
    QPushButton *OkKnopf() const { return m_ok; }

private:
    double wert(Feldart art) const;

    Meldungen *m_meldungen;
    std::array<QLineEdit *, 4> m_felder{};
    std::array<double, 4> m_ergebnis{};
    QPushButton *m_ok = nullptr;
};

} // namespace kalumo
