// The session's library commands: the menu "&Themenauswahl" without its window.

#include "app/Sitzung.h"

#include "platform/Dateidialoge.h"
#include "platform/Meldungen.h"

#include <QFileInfo>

namespace kalumo {

namespace {

QString MitSchraegstrich(const QString &ordner)
{
    if (ordner.isEmpty() || ordner.endsWith(QLatin1Char('/')))
        return ordner;
    return ordner + QLatin1Char('/');
}

} // namespace

void Sitzung::bibliothekMelden()
{
    TitelAnzeigen();
    if (m_anzeige)
        m_anzeige->BibliothekGeaendert();
}

QString Sitzung::BibliothekOrdner() const
{
    return m_dok.Kopf.Dateiname.isEmpty() ? m_dok.Bibliotheksordner : QFileInfo(m_dok.Kopf.Dateiname).absolutePath();
}

void Sitzung::BibliothekEinlesen()
{
    m_dok.Bibliotheksindex = -1;
    m_dok.Bibliotheksindex = m_bibliothek.Setzen(BibliothekOrdnerLesen(BibliothekOrdner()), m_dok.Kopf.Dateiname);
    bibliothekMelden();
}

bool Sitzung::BibliotheksdokumentOeffnen(int index)
{
    if (index < 0 || index >= m_bibliothek.Anzahl())
        return false;
    if (!UebungAbbrechenErlaubt() || !AenderungenSpeichernFragen())
        return false;
    const QString datei = m_bibliothek.Liste()[size_t(index)].Datei;
    const bool ok = DokumentLesen(m_dok, *this, datei, true);
    if (m_dok.Kopf.Dateiname == datei)
        m_dok.Bibliotheksindex = index;
    m_bibliothek.SeiteAnzeigen(m_dok.Bibliotheksindex);
    bibliothekMelden();
    return ok;
}

void Sitzung::bibliothekSchritt(bool vor)
{
    if (Modus() != modusLernansicht)
        return;
    const int ziel = vor ? m_bibliothek.NaechstesZiel(m_dok.Bibliotheksindex)
                         : m_bibliothek.VorherigesZiel(m_dok.Bibliotheksindex);
    if (ziel != m_dok.Bibliotheksindex)
        BibliotheksdokumentOeffnen(ziel);
    m_bibliothek.SeiteAnzeigen(m_dok.Bibliotheksindex);
    bibliothekMelden();
}

void Sitzung::BibliothekBlaettern(bool vor)
{
    if (vor)
        m_bibliothek.SeiteVor();
    else
        m_bibliothek.SeiteZurueck();
    m_bibliothek.SeiteAnzeigen(-1);
    bibliothekMelden();
}

void Sitzung::OrdnerNeuEinlesen()
{
    BibliothekEinlesen();
    m_meldungen->Information(BibliothekEingelesenText(m_bibliothek.Anzahl()));
}

bool Sitzung::OrdnerWaehlen()
{
    if (!m_dialoge)
        return false;
    const QString ordner =
        m_dialoge->Ordner(QStringLiteral("Aktuellen Ordner wählen"), MitSchraegstrich(m_dok.Bibliotheksordner));
    if (ordner.isEmpty())
        return false;
    const QString vorher = m_dok.Bibliotheksordner;
    m_dok.Bibliotheksordner = MitSchraegstrich(ordner);
    // closing as "Schließen" does rebuilds the library from the new folder
    if (!Schliessen()) {
        m_dok.Bibliotheksordner = vorher;
        return false;
    }
    BibliothekEinlesen();
    m_meldungen->Information(BibliothekEingelesenText(m_bibliothek.Anzahl()));
    return true;
}

bool Sitzung::Startseite()
{
    if (!UebungAbbrechenErlaubt() || !AenderungenSpeichernFragen())
        return false;
    if (!m_startdokument.isEmpty()) {
        const bool ok = DokumentLesen(m_dok, *this, m_startdokument, true);
        BibliothekEinlesen();
        return ok;
    }
    m_dok.Bibliotheksordner = m_startordner;
    DokumentLeeren(m_dok, *this); // rebuilds the library from the start folder
    TitelAnzeigen();
    return true;
}

bool Sitzung::ZuvorAngezeigtesDokument()
{
    if (Modus() != modusLernansicht || m_dok.ZuvorAngezeigtesDokument.isEmpty())
        return false;
    if (!UebungAbbrechenErlaubt() || !AenderungenSpeichernFragen())
        return false;
    // reading the document makes the current one the previously shown: take the path first
    const QString datei = m_dok.ZuvorAngezeigtesDokument;
    const bool ok = DokumentLesen(m_dok, *this, datei, true);
    BibliothekEinlesen();
    return ok;
}

bool Sitzung::LogoFuerAlleUebernehmen(const LogoFusszeile &werte, const std::function<void(int, int)> &fortschritt)
{
    if (!Speichern())
        return false;
    const QString aktuell = m_dok.Kopf.Dateiname;
    const FuerAlleErgebnis e = kalumo::LogoFuerAlleUebernehmen(BibliothekOrdner(), werte, aktuell, fortschritt);
    // the current document as it is now on disk, with the new logo and footer
    if (!aktuell.isEmpty())
        DokumentLesen(m_dok, *this, aktuell, true);
    BibliothekEinlesen();
    const QString fehler = FuerAlleFehlerText(e);
    if (!fehler.isEmpty())
        m_meldungen->Fehler(fehler);
    return fehler.isEmpty();
}

} // namespace kalumo
