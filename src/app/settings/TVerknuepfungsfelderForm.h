#pragma once
// Dialog "Verknüpfungsfelder": program, caption and hint of the link
// buttons V1 .. V3, program and hint of the on-screen keyboard button.
// "OK" checks the programs (VerknuepfungenPruefen) and closes only when all
// are valid; Werte() then holds the trimmed fields.

#include "app/settings/Einstellungsdialoge.h"
#include "platform/Meldungen.h"

#include <QDialog>

#include <array>
#include <functional>

class QLineEdit;
class QPushButton;

namespace kalumo {

class TVerknuepfungsfelderForm : public QDialog
{
    Q_OBJECT
public:
    TVerknuepfungsfelderForm(const VerknuepfungsfelderTyp &werte, Meldungen &meldungen, QWidget *parent = nullptr);

    // Shows the dialog for werte and applies the fields on "OK".
    static bool Ausfuehren(QWidget *parent, VerknuepfungsfelderTyp &werte, Meldungen &meldungen);

    // The fields as they stand (after "OK": trimmed).
    VerknuepfungsfelderTyp Werte() const;

    QLineEdit *ProgrammFeld(Verknuepfungsfeld f) const { return m_zeilen[size_t(f)].Programm; }
    QLineEdit *BeschriftungFeld(Verknuepfungsfeld f) const { return m_zeilen[size_t(f)].Beschriftung; }   // none for the keyboard
    QLineEdit *HinweisFeld(Verknuepfungsfeld f) const { return m_zeilen[size_t(f)].Hinweis; }
    QPushButton *DurchsuchenKnopf(Verknuepfungsfeld f) const { return m_zeilen[size_t(f)].Durchsuchen; }
    QPushButton *LoeschenKnopf(Verknuepfungsfeld f) const { return m_zeilen[size_t(f)].Loeschen; }
    QPushButton *OkKnopf() const { return m_ok; }
    QPushButton *AbbrechenKnopf() const { return m_abbrechen; }

    // The file chooser (title, start folder, filter) -> chosen file or empty;
    // QFileDialog unless a test installs its own.
    using Dateiwahl = std::function<QString(QWidget *, const QString &titel, const QString &start, const QString &filter)>;
    void DateiwahlSetzen(Dateiwahl wahl) { m_dateiwahl = std::move(wahl); }

    static QString Waehlertitel(Verknuepfungsfeld f);
    static QString Dateifilter();

    void OkClick();

private:
    struct Zeile
    {
        QLineEdit *Programm = nullptr;
        QLineEdit *Beschriftung = nullptr;
        QLineEdit *Hinweis = nullptr;
        QPushButton *Durchsuchen = nullptr;
        QPushButton *Loeschen = nullptr;
    };

    void anzeigen(const VerknuepfungsfelderTyp &werte);
    void durchsuchen(Verknuepfungsfeld f);
    void loeschen(Verknuepfungsfeld f);

    Meldungen &m_meldungen;
    std::array<Zeile, kVerknuepfungsAnzahl + 1> m_zeilen{};   // V1 .. V3, keyboard
    QPushButton *m_ok = nullptr;
    QPushButton *m_abbrechen = nullptr;
    Dateiwahl m_dateiwahl;
};

} // namespace kalumo
