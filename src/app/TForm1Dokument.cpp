// The main window's document dialogs: "Dokumenteigenschaften", the password
// dialogs and "Passwortgeschützt speichern unter...", the page ratio, the
// document font and the margins.

#include "app/TForm1.h"
#include "document/TDokEigenschaftenForm.h"
#include "document/TRaenderForm.h"
#include "document/TSchriftartForm.h"
#include "document/TSeitenverhaeltnisForm.h"
#include "learnview/Lernansicht.h"
#include "platform/TPasswortForm.h"

#include <QAction>
#include <QProgressDialog>

namespace kalumo {

void TForm1::DokumentdialogeBauen()
{
    m_bilderPasswortForm = new TPasswortForm(this);
    m_eigenschaftenForm = new TDokEigenschaftenForm(*m_meldungen, bilderPasswortabfrage(), this);
    m_seitenForm = new TSeitenverhaeltnisForm(this);
    m_schriftForm = new TSchriftartForm(this);
    m_raenderForm = new TRaenderForm(*m_meldungen, this);
    m_eigenschaftenForm->SeitenverhaeltnisZeigen = [this] { Seitenverhaeltnis1Click(); };
    m_eigenschaftenForm->FuerAlleUebernehmen = [this](const LogoFusszeile &werte) {
        QProgressDialog fortschritt(m_eigenschaftenForm);
        fortschritt.setWindowTitle(QStringLiteral("Kalumo"));
        fortschritt.setCancelButton(nullptr);
        fortschritt.setMinimumDuration(0);
        m_sitzung.LogoFuerAlleUebernehmen(werte, [&fortschritt](int n, int anzahl) {
            fortschritt.setMaximum(anzahl);
            fortschritt.setValue(n - 1);
            fortschritt.setLabelText(FuerAlleFortschrittText(n, anzahl).replace(QLatin1Char('|'), QLatin1Char('\n')));
        });
        // the dialog goes on with the document as it was read again
        m_eigenschaftenForm->Fuellen(m_sitzung.Dok().Kopf, m_sitzung.BibliothekOrdner());
        lernbildZeigen();
    };
    auto verbinden = [&](const char *name, auto methode) {
        connect(Aktion(QString::fromLatin1(name)), &QAction::triggered, this, methode);
    };
    verbinden("Dokumenteigenschaften1", &TForm1::Dokumenteigenschaften1Click);
    verbinden("Dokumenteigenschaften2", &TForm1::Dokumenteigenschaften1Click);
    verbinden("PasswortSpeichernUnter1", &TForm1::PasswortSpeichernUnter1Click);
    verbinden("Seitenverhaeltnis1", &TForm1::Seitenverhaeltnis1Click);
    verbinden("DokumentSchriftart1", &TForm1::DokumentSchriftart1Click);
}

Passwortabfrage &TForm1::dokPasswortabfrage()
{
    return m_passwortabfrage ? *m_passwortabfrage : *m_passwortForm;
}

Passwortabfrage &TForm1::bilderPasswortabfrage()
{
    return m_passwortabfrage ? *m_passwortabfrage : *m_bilderPasswortForm;
}

void TForm1::Dokumenteigenschaften1Click()
{
    HeaderDataTyp &kopf = m_sitzung.Dok().Kopf;
    if (!DokPasswortPruefen(kopf, dokPasswortabfrage(), *m_meldungen))
        return;
    m_eigenschaftenForm->MeldungenSetzen(*m_meldungen);
    m_eigenschaftenForm->BilderAbfrageSetzen(bilderPasswortabfrage());
    m_eigenschaftenForm->DateidialogeSetzen(m_dialoge);
    m_eigenschaftenForm->Fuellen(kopf, m_sitzung.BibliothekOrdner());
    if (m_eigenschaftenForm->exec() != QDialog::Accepted)
        return;
    const EigenschaftenFolgen folgen = EigenschaftenUebernehmen(m_sitzung.Dok().Kopf, m_eigenschaftenForm->Werte());
    if (folgen.Neunummerieren && m_sitzung.Ansicht().NummerierungsModus == numGeordnet)
        m_sitzung.Ansicht().AssignNumbers(numGeordnet, false);
    if (folgen.Neuzeichnen || folgen.Neunummerieren)
        lernbildZeigen();
    TitelAnzeigen();
    ZustandAnzeigen();
}

void TForm1::PasswortSpeichernUnter1Click()
{
    if (!DokPasswortNeuSetzen(m_sitzung.Dok().Kopf, dokPasswortabfrage(), *m_meldungen))
        return;
    m_sitzung.SpeichernUnter();
    TitelAnzeigen();
}

void TForm1::Seitenverhaeltnis1Click()
{
    EinstellungenTyp &einst = m_sitzung.Einstellungen();
    Dokument &dok = m_sitzung.Dok();
    m_seitenForm->Fuellen(dok.Kopf, einst.Seite, einst.NeuesBlattVollflaeche);
    if (m_seitenForm->exec() != QDialog::Accepted)
        return;
    const SeitenVorgaben aktuell = m_seitenForm->Aktuell();
    dok.Kopf.SeitenverhaeltnisArt = aktuell.SeitenverhaeltnisArt;
    dok.Kopf.SeitRatioBreite = aktuell.SeitRatioBreite;
    dok.Kopf.SeitRatioHoehe = aktuell.SeitRatioHoehe;
    einst.Seite = m_seitenForm->Vorgabe();
    einst.NeuesBlattVollflaeche = m_seitenForm->NeuesBlattVollflaeche();
    dok.Vorgaben = einst.Seite;
    LernansichtNeuaufbau neuaufbau(m_sitzung.Ansicht());
    SeiteAnwenden(dok, m_seitenForm->Transformieren(), &neuaufbau);
    lernbildZeigen();
    ZustandAnzeigen();
}

void TForm1::DokumentSchriftart1Click()
{
    QString schrift = m_sitzung.Schriftart();
    if (!m_schriftForm->SchriftartWaehlen(schrift))
        return;
    m_sitzung.SchriftartSetzen(schrift);
    m_sitzung.Dok().Kopf.Geaendert = true;
    if (m_sitzung.Modus() == modusLernansicht)
        lernbildZeigen();
}

bool TForm1::RaenderEinstellen()
{
    m_raenderForm->MeldungenSetzen(*m_meldungen);
    return m_raenderForm->RaenderEinstellen(m_sitzung.Dok().Kopf.EinrueckRand);
}

} // namespace kalumo
