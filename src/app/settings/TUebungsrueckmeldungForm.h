#pragma once
// Dialog "Übungsrückmeldung": the feedback texts of a run (right, wrong,
// and the three short labels of multiple choice and find words) and the two
// sound files, each with "Durchsuchen...". "OK" takes the values over,
// "Abbrechen" keeps the old ones.

#include "app/settings/Einstellungen.h"
#include "platform/Dateidialoge.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace kalumo {

namespace rueckmeldungtext {
inline constexpr char Titel[] = "Übungsrückmeldung";
inline constexpr char TextGruppe[] = " Textrückmeldung (bis ca. 30 Zeichen, Größe skaliert)";
inline constexpr char TonGruppe[] = " Tondateien (WAV-Dateien) ";
inline constexpr char KurzGruppe[] =
    " Textrückmeldung (kurz) für Multiple-Choice (teilweise richtige Antwort) und für Übung \"Wörter finden\" ";
inline constexpr char TonWahlTitel[] = "Ton-Datei auswählen";
inline constexpr char TonFilter[] = "WAV-Tondatei (*.wav);;Alle Dateien (*)";
} // namespace rueckmeldungtext

class TUebungsrueckmeldungForm : public QDialog
{
    Q_OBJECT
public:
    // soundOrdner: where "Durchsuchen..." starts; a file chosen there is
    // kept by its name alone (names without folder are looked up there).
    TUebungsrueckmeldungForm(const UebungsrueckmeldungTyp &werte, Dateidialoge &dialoge, const QString &soundOrdner,
                             QWidget *parent = nullptr);

    // Shows the dialog; "OK" writes the values into werte.
    static bool Ausfuehren(QWidget *parent, UebungsrueckmeldungTyp &werte, Dateidialoge &dialoge,
                           const QString &soundOrdner);

    UebungsrueckmeldungTyp Werte() const;

    QLineEdit *RichtigText() const { return m_richtig; }
    QLineEdit *FalschText() const { return m_falsch; }
    QLineEdit *RichtigTon() const { return m_richtigTon; }
    QLineEdit *FalschTon() const { return m_falschTon; }
    QLineEdit *MCRichtig() const { return m_mcRichtig; }
    QLineEdit *MCFalsch() const { return m_mcFalsch; }
    QLineEdit *MCFehlend() const { return m_mcFehlend; }
    QPushButton *RichtigDurchsuchen() const { return m_richtigDurchsuchen; }
    QPushButton *FalschDurchsuchen() const { return m_falschDurchsuchen; }
    QPushButton *OkKnopf() const { return m_ok; }
    QPushButton *AbbrechenKnopf() const { return m_abbrechen; }

private:
    void durchsuchen(QLineEdit *feld);

    Dateidialoge &m_dialoge;
    QString m_soundOrdner;
    QLineEdit *m_richtig = nullptr;
    QLineEdit *m_falsch = nullptr;
    QLineEdit *m_richtigTon = nullptr;
    QLineEdit *m_falschTon = nullptr;
    QLineEdit *m_mcRichtig = nullptr;
    QLineEdit *m_mcFalsch = nullptr;
    QLineEdit *m_mcFehlend = nullptr;
    QPushButton *m_richtigDurchsuchen = nullptr;
    QPushButton *m_falschDurchsuchen = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_abbrechen = nullptr;
};

} // namespace kalumo
