// The main window at the end of an exercise run: the result window "Übung
// beendet" with its protocol, best list and entry, the protocol window of
// "&Protokoll der letzten Übung..." and the dialog "Übungsrückmeldung...".

#include "app/TForm1.h"

#include "app/Netzsteuerung.h"
#include "app/TBibliotheksmenue.h"
#include "peripheral/TThemenlisteForm.h"

#include "app/settings/TDateiordnerForm.h"
#include "app/TSerienteil.h"
#include "app/settings/TUebungsrueckmeldungForm.h"
#include "exercise/TBestListForm.h"
#include "exercise/TUebFertigForm.h"
#include "exercise/TUebProtokollForm.h"

#include <QAction>

namespace kalumo {

void TForm1::uebungsendeEinrichten()
{
    m_uebFertigForm = new TUebFertigForm(this);
    m_uebFertigForm->ProtokollZeigen = [this] { uebungsprotokollZeigen(true); };
    m_uebFertigForm->BestenlisteZeigen = [this] { ergebnisBestenlisteZeigen(); };
    m_uebFertigForm->BestenlisteStand = [this] { return m_sitzung.Ende().Bestenliste(); };
    m_uebFertigForm->InBestenlisteEintragen = [this] {
        if (m_sitzung.InBestenlisteEintragen())
            return true;
        // the list could not be written: the folders may be wrong (the
        // dialog over the result window, which stays on top)
        TDateiordnerForm::Ausfuehren(m_uebFertigForm, m_sitzung.Einstellungen().Ordner, *m_meldungen);
        return false;
    };
    m_sitzung.ErgebnisfensterSetzen(m_uebFertigForm);
    // the protocol window keeps the last finished protocol
    m_sitzung.Ende().NeuesProtokoll = [this] {
        if (m_uebProtokollForm)
            m_uebProtokollForm->Fuellen(m_sitzung.Ende().LetztesProtokoll());
    };
    // "Protokoll..." of the series' end dialog: the total protocol
    if (m_serienteil)
        m_serienteil->ProtokollfensterSetzen([this](const QString &gesamtprotokoll) {
            m_sitzung.Ende().SerienprotokollUebernehmen(gesamtprotokoll);
            uebungsprotokollZeigen(true);
        });
    connect(Aktion(QStringLiteral("ProtokollLetzteUebung1")), &QAction::triggered, this,
            &TForm1::ProtokollLetzteUebung1Click);
    connect(Aktion(QStringLiteral("Uebungsrueckmeldung1")), &QAction::triggered, this,
            &TForm1::Uebungsrueckmeldung1Click);
    connect(Aktion(QStringLiteral("BestenlisteIndividual1")), &QAction::triggered, this,
            &TForm1::BestenlisteIndividual1Click);
}

void TForm1::EMailProgrammSetzen(EMailProgramm *e)
{
    m_email = e ? e : &m_xdgEMail;
    if (m_uebProtokollForm)
        m_uebProtokollForm->EMailProgrammSetzen(*m_email);
    if (m_bibliotheksmenue)
        m_bibliotheksmenue->Themenliste()->EMailSetzen(m_email);
}

TUebProtokollForm *TForm1::UebProtokollForm()
{
    if (!m_uebProtokollForm)
        m_uebProtokollForm = new TUebProtokollForm(*m_meldungen, *m_dialoge, *m_email, this);
    m_uebProtokollForm->ProtokollOrdnerSetzen(m_sitzung.Einstellungen().Ordner.Protokolle);
    return m_uebProtokollForm;
}

void TForm1::uebungsprotokollZeigen(bool modal)
{
    UebungsprotokollTyp &protokoll = m_sitzung.Ende().LetztesProtokoll();
    if (!protokoll.Vorhanden())
        return;
    UebProtokollForm()->Zeigen(protokoll, modal);
}

void TForm1::ProtokollLetzteUebung1Click()
{
    uebungsprotokollZeigen(false);
}

void TForm1::ergebnisBestenlisteZeigen()
{
    const EinstellungenTyp &e = m_sitzung.Einstellungen();
    const Uebung &u = m_sitzung.Uebungsobjekt();
    BestenlisteOrt ort;
    if (u.Daten().UebArt == uebIndividual) {
        ort.Art = BestenlisteArt::Individual;
        ort.Pfad = BestenlistePfadIndividual(e.Ordner.Bestenlisten, u.Dok().Kopf.Dateiname);
        ort.DokumentGespeichert = !u.Dok().Kopf.Dateiname.isEmpty();
    } else {
        ort.Art = BestenlisteArt::Netzwerk;
        ort.Pfad = BestenlistePfadNetz(e.Ordner.NetzKom, e.NetzKomKanal);
    }
    // over the result window, which stays on top
    TBestListForm form(*m_meldungen, *m_dialoge, m_uebFertigForm);
    form.Zeigen(ort);
}

void TForm1::BestenlisteIndividual1Click()
{
    const QString datei = m_sitzung.Dok().Kopf.Dateiname;
    BestenlisteOrt ort;
    ort.Art = BestenlisteArt::Individual;
    ort.Pfad = BestenlistePfadIndividual(m_sitzung.Einstellungen().Ordner.Bestenlisten, datei);
    ort.DokumentGespeichert = !datei.isEmpty();
    ort.NetzTeilnahmeAktiv = m_sitzung.Netz().NimmtTeil();
    TBestListForm form(*m_meldungen, *m_dialoge, this);
    form.Zeigen(ort);
}

void TForm1::Uebungsrueckmeldung1Click()
{
    EinstellungenTyp &e = m_sitzung.Einstellungen();
    TUebungsrueckmeldungForm::Ausfuehren(this, e.Rueckmeldung, *m_dialoge, e.Ordner.Sound);
}

} // namespace kalumo
