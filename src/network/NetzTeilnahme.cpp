#include "network/NetzTeilnahme.h"

#include "platform/Datumswert.h"
#include "platform/Rechner.h"

#include <algorithm>
#include <limits>

namespace kalumo {

// The pauses before TN-FERTIG and before TN-BESTLIST, so that the teacher
// computer takes the end after the last answer.
inline constexpr int kNetzMeldepauseMs = 200;

UebEinstTyp NetzUebEinstFuerLauf(const NetzUebEinstTyp &netz, const UebEinstTyp &eigene)
{
    UebEinstTyp e = eigene;
    e.RiFaRueckmeldung = netz.RiFaRueckmeldung;
    e.ZuordnungRichtig = netz.ZuordnungRichtig;
    e.ZuordnungFalsch = netz.ZuordnungFalsch;
    e.Zuordnungstexte = netz.Zuordnungstexte;
    e.Zuordnungsziele = netz.Zuordnungsziele;
    e.AbfrageModus = netz.AbfrageModus;
    e.Zeitlimit = netz.Zeitlimit;
    e.ZLimit = netz.ZLimit;
    if (netz.AnzZeichenVorgeben)
        e.AnzZeichenVorgeben = *netz.AnzZeichenVorgeben;
    return e;
}

int NetzGemeldetesObjekt(const Dokument &dok, const ProtokollEintrag &eintrag)
{
    if (eintrag.Art != ProtokollArt::Antwort)
        return -1;
    const int n = int(dok.Objekte.size());
    auto gueltig = [n](int i) { return i >= 0 && i < n ? i : -1; };
    if (dok.Kopf.DokTyp == dokKreuzZuordnung) {
        const int erstes = gueltig(eintrag.Karte);
        if (erstes >= 0 && dok.Objekte[size_t(erstes)].FrageNummer > 0)
            return gueltig(eintrag.Ziel);
        return erstes;
    }
    return gueltig(eintrag.Ziel);
}

TnAktionWerte NetzAktionWerte(const Uebung &u, int objekt, const QString &startzeit, int note)
{
    const UebDataTyp &d = u.Daten();
    const Dokument &dok = u.Dok();
    TnAktionWerte w;
    w.TeilnehmerKennung = d.TeilnehmerKennung;
    if (objekt >= 0 && objekt < int(dok.Objekte.size())) {
        const ObjDataTyp &o = dok.Objekte[size_t(objekt)];
        w.Objekt = objekt;
        w.Abgedeckt = o.Abgedeckt;
        w.Fehlversuche = o.Fehlversuche;
    }
    w.EndeGrund = d.EndeGrund;
    w.StartZeit = startzeit;
    w.AnzAbfragen = d.AnzAbfragen;
    w.Richtig = d.Richtig;
    w.Falsch = d.Falsch;
    w.MultipleChoice = dok.Kopf.DokTyp == dokMultipleChoice;
    w.OffenePositionen = d.OffenePositionen;
    w.Uhr = u.Uhrtext();
    w.Erfolgsquote = d.Erfolgsquote;
    w.Gesamtleistung = d.Gesamtleistung;
    w.Note = note;
    return w;
}

NetzTeilnahme::NetzTeilnahme(Uebung &u, Dokument &dok, DokumentDienste &dienste, Meldungen &meldungen,
                             const Millisekundenquelle &uhr, Pause pause)
    : Benutzer(Rechnerbenutzer()), Rechner(Rechnername()), m_uebung(u), m_dok(dok), m_dienste(dienste),
      m_meldungen(meldungen), m_uhr(uhr), m_pause(std::move(pause)), m_zufall(QRandomGenerator::global()->generate())
{
    m_weiter = u.Dienste.Protokoll;
    m_vorherNetz = u.Dienste.Netz;
    u.Dienste.Protokoll = this;
    u.Dienste.Netz = this;
}

NetzTeilnahme::~NetzTeilnahme()
{
    if (m_uebung.Dienste.Protokoll == this)
        m_uebung.Dienste.Protokoll = m_weiter;
    if (m_uebung.Dienste.Netz == this)
        m_uebung.Dienste.Netz = m_vorherNetz;
}

bool NetzTeilnahme::senden(const QStringList &zeilen)
{
    ++m_gesendet;
    if (Senden)
        return Senden(zeilen);
    return m_versand && m_versand->Senden(zeilen);
}

bool NetzTeilnahme::Beitreten(const NetzKomTyp &kom, const QString &name)
{
    // 1 to 3: the files of the channel, the document, the settings
    const NetzPfade p = NetzPfadeVon(kom.Ordner, kom.Kanal);
    NetzUebEinstTyp netz;
    if (DokumentLaden) {
        if (!NetzUebungsdateienVorhanden(p) || !DokumentLaden(p.Dokument()))
            return false;
        if (!NetzEinstellungsdateiLesen(p.Einstellungen(), netz)) {
            m_meldungen.Fehler(NetzEinlesefehlerText(p.Einstellungen()));
            return false;
        }
    } else if (!NetzBeitrittDateienLesen(p, m_dok, m_dienste, netz, m_meldungen)) {
        return false;
    }
    m_kom = kom;
    m_name = name;
    m_netz = netz;
    if (!m_eigeneGesichert) {
        // what the participant had before its first join comes back at the end
        m_eigeneSkala = m_uebung.Skala;
        m_eigeneGesichert = true;
    }
    m_uebung.EinstellungenVorgeben(NetzUebEinstFuerLauf(netz, m_uebung.UebEinst()));
    m_uebung.Skala = NetzNotenskala(netz, m_eigeneSkala);

    // 4: a new identifier, the name, the start time
    UebDataTyp &d = m_uebung.Daten();
    const QDateTime start = m_uebung.Jetzt();
    d.NetzKennung = netz.NetzKennung;
    d.TeilnehmerKennung = NetzTeilnehmerKennungErzeugen(m_zufall);
    d.NetzTeilnehmerName = name;
    d.StartZeit = TageSeit1899(start);
    m_startzeit = NetzZeitText(start.time());
    m_objekt = -1;
    m_endeGemeldet.clear();

    // 5, 6: the way to the teacher computer and the join message
    if (!Senden)
        m_versand = std::make_unique<NetzTeilnehmerVersand>(kom, netz.NetzKennung, Benutzer, Rechner, m_meldungen);
    senden(TnInitZeilen({d.TeilnehmerKennung, name, m_startzeit}));
    ++m_beitritte;

    // 7: the run
    m_nimmtTeil = true;
    if (!m_uebung.StarteUebung(false, wiedKomplett, uebNetzTeilnahme)) {
        m_nimmtTeil = false;
        eigeneEinstellungenZurueck();
        return false;
    }
    return true;
}

int NetzTeilnahme::note(const Uebung &u) const
{
    const UebDataTyp &d = u.Daten();
    if (u.Dienste.Note)
        return u.Dienste.Note->Note(d.Gesamtleistung, d);
    NotenskalaTyp skala;
    skala.NoteMinQuote = d.NoteMinQuote;
    skala.PunkteMinQuote = d.PunkteMinQuote;
    skala.BewertSkala = d.BewertSkala;
    return NoteBerechnen(d.Gesamtleistung, skala);
}

void NetzTeilnahme::Zeile(const ProtokollEintrag &eintrag)
{
    if (eintrag.Art == ProtokollArt::Antwort)
        m_objekt = NetzGemeldetesObjekt(m_dok, eintrag);
    if (m_weiter)
        m_weiter->Zeile(eintrag);
}

void NetzTeilnahme::Fortschritt(const Uebung &u)
{
    senden(TnAktionZeilen(NetzAktionWerte(u, m_objekt, m_startzeit, note(u))));
    m_objekt = -1;
}

// TeilnehmerFertigMelden: once per run, however often the run reports its
// end (a time limit ends it and then ends it again).
void NetzTeilnahme::Ende(const Uebung &u)
{
    const UebDataTyp &d = u.Daten();
    if (d.TeilnehmerKennung.isEmpty() || m_endeGemeldet == d.TeilnehmerKennung)
        return;
    m_endeGemeldet = d.TeilnehmerKennung;
    if (m_pause)
        m_pause(kNetzMeldepauseMs);
    senden(TnFertigZeilen({d.TeilnehmerKennung, d.EndeGrund, u.Uhrtext()}));
    if (d.EndeGrund != endeFertig && d.EndeGrund != endeZeitlimit)
        return;
    if (m_pause)
        m_pause(kNetzMeldepauseMs);
    const qint64 dauer = std::clamp<qint64>(m_uhr.Millisekunden() - d.StartTick, 0,
                                            std::numeric_limits<qint32>::max());
    senden(TnBestlistZeilen({d.TeilnehmerKennung, d.NetzTeilnehmerName, Rechner, d.StartZeit, qint32(dauer),
                             d.Gesamtleistung},
                            SystemDezimaltrenner()));
}

bool NetzTeilnahme::WiederholungErbitten()
{
    // a new join: new identifier, new row at the teacher computer; refused
    // (no message here, the run shows it) once registration is closed
    return Beitreten(m_kom, m_name);
}

void NetzTeilnahme::DokumentSchliessen()
{
    m_nimmtTeil = false;
    eigeneEinstellungenZurueck();
    if (BeimSchliessen)
        BeimSchliessen();
}

void NetzTeilnahme::eigeneEinstellungenZurueck()
{
    m_uebung.EinstellungenVorgeben({});
    if (m_eigeneGesichert) {
        m_uebung.Skala = m_eigeneSkala;
        m_eigeneGesichert = false;
    }
}

} // namespace kalumo
