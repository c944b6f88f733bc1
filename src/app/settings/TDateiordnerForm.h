#pragma once
// Dialog "Dateiordner": the six working folders, each with "Durchsuchen...".
// "OK" checks the fields (DateiordnerPruefen) and closes only when every
// folder exists; the caller then applies Eingaben().

#include "app/settings/Einstellungsdialoge.h"
#include "platform/Meldungen.h"

#include <QDialog>

#include <array>
#include <functional>

class QLineEdit;
class QPushButton;

namespace kalumo {

class TDateiordnerForm : public QDialog
{
    Q_OBJECT
public:
    TDateiordnerForm(const OrdnerEingaben &ordner, Meldungen &meldungen, QWidget *parent = nullptr);

    // Shows the dialog for the folders of ordner and applies them on "OK".
    static bool Ausfuehren(QWidget *parent, OrdnerTyp &ordner, Meldungen &meldungen);

    // The folders as checked on "OK" (with trailing '/').
    const OrdnerEingaben &Eingaben() const { return m_eingaben; }

    QLineEdit *Feld(Ordnerfeld f) const { return m_felder[size_t(f)]; }
    QPushButton *DurchsuchenKnopf(Ordnerfeld f) const { return m_durchsuchen[size_t(f)]; }
    QPushButton *OkKnopf() const { return m_ok; }
    QPushButton *AbbrechenKnopf() const { return m_abbrechen; }

    // The folder chooser (title, start folder) -> chosen folder or empty;
    // QFileDialog unless a test installs its own.
    using Ordnerwahl = std::function<QString(QWidget *, const QString &titel, const QString &start)>;
    void OrdnerwahlSetzen(Ordnerwahl wahl) { m_ordnerwahl = std::move(wahl); }

    static QString Gruppentitel(Ordnerfeld f);
    static QString Waehlertitel(Ordnerfeld f);

    void OkClick();

private:
    void durchsuchen(Ordnerfeld f);

    Meldungen &m_meldungen;
    OrdnerEingaben m_eingaben;
    std::array<QLineEdit *, kOrdnerfeldAnzahl> m_felder{};
    std::array<QPushButton *, kOrdnerfeldAnzahl> m_durchsuchen{};
    QPushButton *m_ok = nullptr;
    QPushButton *m_abbrechen = nullptr;
    Ordnerwahl m_ordnerwahl;
};

} // namespace kalumo
