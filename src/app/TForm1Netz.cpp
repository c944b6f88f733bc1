// The main window's part of the network exercise: the teacher menu
// ("Lehrer&steuerung"), joining (F8 and the button "Netz-Übung
// teilnehmen"), the network best lists and "Netzwerk-&Kommunikation...".
// The logic is the session's (Netzsteuerung); this file adds the dialogs
// and the control display.

#include "app/TForm1.h"

#include "app/Netzsteuerung.h"

#include "exercise/Bestenliste.h"
#include "exercise/TBestListForm.h"
#include "exercise/TUebEinstDialoge.h"
#include "network/TKommVerzForm.h"
#include "network/TMasterProtForm.h"
#include "network/TNetzUebungTnStartForm.h"

#include <QAction>
#include <QToolButton>

namespace kalumo {

void TForm1::netzVerbinden()
{
    auto verbinden = [&](const char *name, auto methode) {
        connect(Aktion(QString::fromLatin1(name)), &QAction::triggered, this, methode);
    };
    verbinden("NetzUebungInitiieren1", &TForm1::NetzUebungInitiieren1Click);
    verbinden("NetzUebungBeenden1", &TForm1::NetzUebungBeenden1Click);
    verbinden("Kontrollanzeige1", &TForm1::Kontrollanzeige1Click);
    verbinden("LehrerBestenlisteNetz1", &TForm1::BestenlisteNetz1Click);
    verbinden("NetzUebungTeilnehmen1", &TForm1::NetzUebungTeilnehmen1Click);
    verbinden("BestenlisteNetz1", &TForm1::BestenlisteNetz1Click);
    verbinden("NetzKommunikation1", &TForm1::NetzKommunikation1Click);
    m_netzKnopf->setEnabled(true);
    connect(m_netzKnopf, &QToolButton::clicked, this, &TForm1::NetzUebungTeilnehmen1Click);
}

TMasterProtForm *TForm1::Kontrollanzeige()
{
    if (!m_kontrollanzeige) {
        Netzsteuerung &netz = m_sitzung.Netz();
        m_kontrollanzeige = new TMasterProtForm(netz.Lehrer(), *m_meldungen, *m_dialoge, this);
        m_kontrollanzeige->BestenlisteZeigen = [this] { BestenlisteNetz1Click(); };
        m_kontrollanzeige->NachDemBeenden = [this] {
            m_sitzung.UebArtSetzen(uebIndividual);
            ZustandAnzeigen();
        };
    }
    return m_kontrollanzeige;
}

TNetzUebungTnStartForm *TForm1::BeitrittForm()
{
    if (!m_beitrittForm)
        m_beitrittForm = new TNetzUebungTnStartForm(*m_meldungen, this);
    return m_beitrittForm;
}

void TForm1::NetzUebungInitiieren1Click()
{
    Netzsteuerung &netz = m_sitzung.Netz();
    const Netzsteuerung::Initiierung r = netz.Initiieren([this](int dokTyp) {
        return m_uebEinstDialoge && m_uebEinstDialoge->NetzwerkZeigen(dokTyp);
    });
    ZustandAnzeigen();
    if (r == Netzsteuerung::Initiierung::Gestartet) {
        Kontrollanzeige()->Einrichten();
        Kontrollanzeige()->Zeigen();
    } else if (r == Netzsteuerung::Initiierung::LaeuftSchon) {
        Kontrollanzeige()->Zeigen();
    }
}

void TForm1::NetzUebungBeenden1Click()
{
    if (m_sitzung.Netz().Beenden() && m_kontrollanzeige)
        m_kontrollanzeige->Einrichten();
    ZustandAnzeigen();
}

void TForm1::Kontrollanzeige1Click()
{
    Kontrollanzeige()->Zeigen();
}

void TForm1::BestenlisteNetz1Click()
{
    const NetzKomTyp kom = m_sitzung.Netz().Kom();
    BestenlisteOrt ort;
    ort.Art = BestenlisteArt::Netzwerk;
    ort.Pfad = BestenlistePfadNetz(kom.Ordner, kom.Kanal);
    ort.NetzTeilnahmeAktiv = m_sitzung.Netz().NimmtTeil();
    if (!m_netzBestListForm)
        m_netzBestListForm = new TBestListForm(*m_meldungen, *m_dialoge, this);
    m_netzBestListForm->Zeigen(ort);
}

void TForm1::NetzUebungTeilnehmen1Click()
{
    Netzsteuerung &netz = m_sitzung.Netz();
    if (!netz.BeitrittMoeglich()) {
        ZustandAnzeigen();
        return;
    }
    // the button shows pressed while the dialog is open
    m_netzKnopf->setChecked(true);
    const NetzKomTyp kom = netz.Kom();
    const QString name = BeitrittForm()->Ausfuehren(NetzPfadeVon(kom.Ordner, kom.Kanal));
    if (!name.isEmpty())
        netz.Beitreten(name);
    ZustandAnzeigen();
}

void TForm1::NetzKommunikation1Click()
{
    Netzsteuerung &netz = m_sitzung.Netz();
    if (!netz.KommunikationAenderbar())
        return;
    NetzKomTyp kom = netz.Kom();
    TKommVerzForm dialog(kom, *m_meldungen, *m_dialoge, this);
    if (!dialog.Ausfuehren(m_sitzung.Modus() == modusUebung, m_sitzung.UebArt()))
        return;
    EinstellungenTyp &e = m_sitzung.Einstellungen();
    e.Ordner.NetzKom = kom.Ordner;
    e.NetzKomKanal = kom.Kanal;
    e.NetzKomVerfahren = kom.Verfahren;
}

} // namespace kalumo
