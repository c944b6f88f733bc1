#include "app/Uebungsende.h"

#include "exercise/Uebung.h"
#include "platform/Rechner.h"

#include <QFileInfo>

namespace kalumo {

Uebungsende::Uebungsende() : Rechner([] { return Rechnername(); }) {}

void Uebungsende::Verarbeiten(Uebung &uebung, const EinstellungenTyp &einst, qint64 dauerMs, Meldungen &meldungen)
{
    UebDataTyp &d = uebung.Daten();
    const QString dokument = uebung.Dok().Kopf.Dateiname;
    m_protokoll = {};
    m_protokoll.Text = d.ProtokollKopf + d.ProtokollAblauf;
    m_protokoll.Serie = d.UebArt == uebSerie;
    m_protokoll.DokumentDatei = QFileInfo(dokument).fileName();
    if (NeuesProtokoll)
        NeuesProtokoll();
    m_gespeichert.clear();
    if (einst.AutoProtSpeichern && m_protokoll.Vorhanden()) {
        if (const std::optional<QString> pfad =
                ProtokollAutoSpeichern(m_protokoll.Text, einst.Ordner.Protokolle, Rechner(), Jetzt(), meldungen))
            m_gespeichert = *pfad;
    }

    m_lauf = {};
    m_lauf.Individual = d.UebArt == uebIndividual;
    m_lauf.Komplett = d.AnzAbfragen == d.GesamtAbfragen;
    m_lauf.TeilnehmerName = d.TeilnehmerName;
    m_lauf.StartZeit = d.StartZeit;
    m_lauf.DauerMs = std::max<qint64>(0, dauerMs);
    m_lauf.Gesamtleistung = d.Gesamtleistung;
    m_bestenlistePfad = BestenlistePfadIndividual(einst.Ordner.Bestenlisten, dokument);
    m_bestenliste = BestenlisteNachUebung(m_lauf, einst.ErgebBestListEintragen, m_bestenlistePfad, Rechner(),
                                          meldungen, BestenlistePause);
    d.InBestenliste = m_bestenliste.Eingetragen;
}

void Uebungsende::SerienprotokollUebernehmen(const QString &gesamtprotokoll)
{
    if (m_protokoll.Serie && m_protokoll.Text.startsWith(gesamtprotokoll))
        return;
    m_protokoll = {};
    m_protokoll.Text = gesamtprotokoll;
    m_protokoll.Serie = true;
    if (NeuesProtokoll)
        NeuesProtokoll();
}

bool Uebungsende::Eintragen(Uebung &uebung, Meldungen &meldungen)
{
    if (m_bestenliste.Eingetragen || !m_bestenliste.Anbieten)
        return false;
    if (!InBestenlisteEintragen(m_lauf, m_bestenlistePfad, Rechner(), meldungen, BestenlistePause))
        return false;
    m_bestenliste.Eingetragen = true;
    m_bestenliste.Anbieten = false;
    uebung.Daten().InBestenliste = true;
    return true;
}

} // namespace kalumo
