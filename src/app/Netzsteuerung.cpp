#include "app/Netzsteuerung.h"

#include "app/Sitzung.h"
#include "exercise/Abfrageliste.h"
#include "exercise/Normtext.h"
#include "platform/Rechner.h"

#include <QFileInfo>
#include <QTimer>

namespace kalumo {

NetzUebEinstTyp NetzUebEinstAusUebEinst(const UebEinstTyp &e, const NotenskalaTyp &skala)
{
    NetzUebEinstTyp n;
    n.RiFaRueckmeldung = 0;   // a network exercise gives feedback at once
    n.ZuordnungRichtig = e.ZuordnungRichtig;
    n.ZuordnungFalsch = e.ZuordnungFalsch;
    n.Zuordnungstexte = e.Zuordnungstexte;
    n.Zuordnungsziele = e.Zuordnungsziele;
    n.AbfrageModus = e.AbfrageModus;
    n.Zeitlimit = e.Zeitlimit;
    n.ZLimit = e.ZLimit;
    return NetzUebEinstMitSkala(n, skala, e.AnzZeichenVorgeben);
}

Netzsteuerung::Netzsteuerung(Sitzung &s) : m_s(s), m_lehrer(s.Laufmeldungen()), m_dienste(s.Laufmeldungen()) {}

Netzsteuerung::~Netzsteuerung() = default;

NetzKomTyp Netzsteuerung::Kom() const
{
    const EinstellungenTyp &e = m_s.Einstellungen();
    NetzKomTyp k;
    k.Ordner = e.Ordner.NetzKom;
    if (!k.Ordner.isEmpty() && !k.Ordner.endsWith(QLatin1Char('/')))
        k.Ordner += QLatin1Char('/');
    k.Kanal = e.NetzKomKanal;
    k.Verfahren = NetzVerfahrenGueltig(e.NetzKomVerfahren);
    k.Basisport = e.NetzKomBasisport;
    return k;
}

Netzsteuerung::Initiierung Netzsteuerung::Initiieren(const std::function<bool(int dokTyp)> &einstellungsdialog)
{
    Meldungen &m = m_s.Meldung();
    if (m_lehrer.Aktiv())
        return Initiierung::LaeuftSchon;
    // 1. the abort guard, the object editor
    if (!m_s.UebungAbbrechenErlaubt())
        return Initiierung::Abgelehnt;
    if (m_s.Dok().ObjekteditorOffen) {
        m.Information(QString::fromUtf8(uebtext::EditorOffen));
        return Initiierung::Abgelehnt;
    }
    if (m_s.Modus() != modusLernansicht)
        m_s.LernansichtAktivieren();
    const NetzKomTyp kom = Kom();
    if (const QString f = KommKanalPruefen(kom.Kanal); !f.isEmpty()) {
        m.Fehler(f);
        return Initiierung::Abgelehnt;
    }
    if (!QFileInfo(kom.Ordner).isDir()) {
        m.Warnung(NetzKomOrdnerFehltText());
        return Initiierung::Abgelehnt;
    }
    // 2. the "Netzwerk-" settings dialog of the document type
    Dokument &dok = m_s.Dok();
    if (einstellungsdialog && !einstellungsdialog(dok.Kopf.DokTyp))
        return Initiierung::Abgebrochen;
    // 4. the settings of the dialogs, with the user's grade scale
    const EinstellungenTyp &e = m_s.Einstellungen();
    const UebEinstTyp ueb = EinstellungenAusDialogen(e, dok.Kopf.DokTyp);
    const NetzUebEinstTyp einst = NetzUebEinstAusUebEinst(ueb, e.Notenskala);
    // 8. question marks on the view: the query fields numbered in order first
    Lernansicht &ansicht = m_s.Ansicht();
    if (ansicht.NummerierungsModus == numFragezeichen) {
        ansicht.NummerierungsModus = numGeordnet;
        ansicht.AssignNumbers(numGeordnet, true);
    }
    const bool texteingabe = einst.AbfrageModus == kAbfrageModusTexteingabe;
    const int anzAbfragen = NetzHoechsteLoesungsnummer(NetzLoesungsnummern(dok, texteingabe));
    const NetzLehrerStart start = NetzLehrerStartAufbauen(dok, kom, Rechnername(), einst, anzAbfragen, {},
                                                          [](const QString &t) { return normText(t); });
    // 3 to 13: the files (the marker last) and receiving
    if (!m_lehrer.Initiieren(start, dok, m_dienste))
        return Initiierung::Abgelehnt;
    m_s.UebArtSetzen(uebNetzInitiiert);
    return Initiierung::Gestartet;
}

bool Netzsteuerung::Beenden(bool fragen)
{
    if (!m_lehrer.Aktiv()) {
        m_lehrer.Beenden();
        m_s.Meldung().Information(NetzKeineUebungText());
        return false;
    }
    if (fragen && m_s.Meldung().Frage(NetzBeendenFrageText(), FrageKnoepfe::JaNein) != Antwort::Ja)
        return false;
    m_lehrer.Beenden();
    m_s.UebArtSetzen(uebIndividual);
    return true;
}

bool Netzsteuerung::BeitrittMoeglich()
{
    Meldungen &m = m_s.Meldung();
    if (m_s.Modus() != modusLernansicht) {
        m.Information(NetzBeitrittImUebungsmodusText());
        return false;
    }
    if (m_lehrer.Aktiv()) {
        m.Information(NetzBeitrittAmLehrerPCText());
        return false;
    }
    if (m_s.Dok().ObjekteditorOffen) {
        m.Information(QString::fromUtf8(uebtext::EditorOffen));
        return false;
    }
    return true;
}

bool Netzsteuerung::Beitreten(const QString &name)
{
    if (!BeitrittMoeglich())
        return false;
    if (!m_teilnahme) {
        m_teilnahme = std::make_unique<NetzTeilnahme>(m_s.Uebungsobjekt(), m_s.Dok(), m_dienste, m_s.Laufmeldungen(),
                                                      m_s.Laufuhr());
        // the exercise document becomes the current one, as when it is opened
        m_teilnahme->DokumentLaden = [this](const QString &pfad) { return m_s.DokumentOeffnen(pfad); };
        // the document closes once the run has left the slot
        m_teilnahme->BeimSchliessen = [this] {
            m_schliessen = true;
            QTimer::singleShot(0, [this] { NachDemLauf(); });
        };
    }
    m_s.UebungVorbereiten();
    return m_teilnahme->Beitreten(Kom(), name);
}

void Netzsteuerung::NachDemLauf()
{
    if (!m_schliessen || m_s.Modus() != modusLernansicht || NimmtTeil())
        return;
    m_schliessen = false;
    m_s.Schliessen();
}

bool Netzsteuerung::KommunikationAenderbar()
{
    const int art = m_lehrer.Aktiv() ? int(uebNetzInitiiert) : m_s.UebArt();
    return KommEinstellungenAenderbar(m_s.Modus() == modusUebung, art, m_s.Meldung());
}

} // namespace kalumo
