#pragma once
// The control display of the teacher computer ("Netzwerk-Übung -
// Kontrollanzeige"), not modal: the participant page (one grid row per
// participant run, updated as the messages arrive) and the information
// page (NetzProtokoll as rich text), switched by two buttons; the check box
// "Anmeldung weiterer Teilnehmer zulassen" and the buttons of both pages.
// A thin window over NetzLehrer.

#include "network/NetzLehrer.h"
#include "platform/Dateidialoge.h"
#include "platform/Meldungen.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QPagedPaintDevice;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class QTextEdit;

namespace kalumo {

class TProtokollAnzeige;

class TMasterProtForm : public QDialog
{
    Q_OBJECT
public:
    enum class Seite { Teilnehmer = 0, Information = 1 };

    TMasterProtForm(NetzLehrer &lehrer, Meldungen &meldungen, Dateidialoge &dialoge, QWidget *parent = nullptr);

    // After an initiation: the columns, the rows, the information page and
    // the check box anew; the participant page in front; the caption
    // "… - Status: aktiv". Takes the teacher's row notifications.
    void Einrichten();
    // Shows the window (not modal) and brings it to the front.
    void Zeigen();

    Seite AktuelleSeite() const;
    void SeiteZeigen(Seite s);

    // The buttons.
    void ZwischenablageClick();
    void SpeichernClick();
    void DruckenClick();
    void KommentarClick();
    void BestenlisteClick();
    void AnmeldungClick(bool zulassen);
    void BeendenClick();

    // Hooks of the main window: the network best list ("Bestenliste..."),
    // and what follows the end of the exercise (UebArt 0, the menus).
    std::function<void()> BestenlisteZeigen;
    std::function<void()> NachDemBeenden;

    // Where "Drucken..." prints (the print dialog unless a test sets one;
    // nullptr means cancelled), and the comment dialog (nullopt cancelled).
    using Druckziel = std::function<std::unique_ptr<QPagedPaintDevice>(QWidget *, const QString &auftrag)>;
    void DruckzielSetzen(Druckziel ziel) { m_druckziel = std::move(ziel); }
    using Kommentardialog = std::function<std::optional<QString>(QWidget *)>;
    void KommentardialogSetzen(Kommentardialog d) { m_kommentar = std::move(d); }
    void OrdnerSetzen(const QString &ordner) { m_ordner = ordner; }

    QTableWidget *Tabelle() const { return m_tabelle; }
    QTextEdit *Information() const;
    QCheckBox *AnmeldungCheck() const { return m_anmeldung; }
    QPushButton *TeilnehmerKnopf() const { return m_teilnehmerKnopf; }
    QPushButton *InformationKnopf() const { return m_infoKnopf; }
    QPushButton *BeendenKnopf() const { return m_beenden; }

private:
    void zeileZeigen(int zeile);
    void breiteAnpassen(int spalte, const QString &text);
    void spaltenEinrichten();
    void informationZeigen();
    void titelSetzen();

    NetzLehrer &m_lehrer;
    Meldungen &m_meldungen;
    Dateidialoge &m_dialoge;
    QStackedWidget *m_seiten = nullptr;
    QTableWidget *m_tabelle = nullptr;
    TProtokollAnzeige *m_info = nullptr;
    QCheckBox *m_anmeldung = nullptr;
    QPushButton *m_teilnehmerKnopf = nullptr;
    QPushButton *m_infoKnopf = nullptr;
    QPushButton *m_beenden = nullptr;
    Druckziel m_druckziel;
    Kommentardialog m_kommentar;
    QString m_ordner;
};

} // namespace kalumo
