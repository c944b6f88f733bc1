// The life of a run: the start sequence, the clock and the time limit, the
// next query, the end with its repetition loop and the abort.

#include "exercise/Uebung.h"


#include "exercise/Kreuzzuordnung.h"
#include "exercise/Normtext.h"
#include "learnview/FragenLayouts.h"
#include "learnview/Objektarten.h"
#include "platform/Rechner.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace kalumo {

double TageSeit1899(const QDateTime &zeit)
{
    static const QDate basis(1899, 12, 30);
    const QDate tag = zeit.date();
    const QTime uhr = zeit.time();
    return double(basis.daysTo(tag)) + uhr.msecsSinceStartOfDay() / 86400000.0;
}

QString Uhrtext(qint64 sekunden)
{
    sekunden = std::max<qint64>(0, sekunden);
    return QStringLiteral("%1:%2")
        .arg(sekunden / 60, 2, 10, QLatin1Char('0'))
        .arg(sekunden % 60, 2, 10, QLatin1Char('0'));
}

const char *ElementArtName(ElementArt art)
{
    switch (art) {
    case ElementArt::Karte:
    case ElementArt::Kreuzflaeche: return "card";
    case ElementArt::Eingabefeld: return "field";
    case ElementArt::Ankreuzfeld: return "tickbox";
    case ElementArt::Weiter: return "button";
    }
    return "card";
}

Uebung::Uebung(Dokument &dok, Lernansicht &ansicht, Meldungen &meldungen, Millisekundenquelle &uhr,
               UebDialogeTyp &dialoge)
    : m_dok(dok)
    , m_ansicht(ansicht)
    , m_meldungen(meldungen)
    , m_uhr(uhr)
    , m_dialoge(dialoge)
{
    Umgebung.Rechnername = Rechnername();
    Umgebung.Benutzer = Rechnerbenutzer();
}

void Uebung::Melden(unsigned aenderung)
{
    m_geaendert |= aenderung;
    if (Dienste.Oberflaeche)
        Dienste.Oberflaeche->Aktualisieren(aenderung);
}

qint64 Uebung::Laufzeit() const
{
    return m_uhr.Millisekunden() - m_daten.StartTick;
}

ProtokollEintrag Uebung::Eintrag(ProtokollArt art) const
{
    ProtokollEintrag e;
    e.Art = art;
    e.Laufzeit = Laufzeit();
    e.DokTyp = m_dok.Kopf.DokTyp;
    e.DokUnterTyp = m_dok.Kopf.DokUnterTyp;
    e.AbfrageModus = m_modus;
    return e;
}

void Uebung::Protokoll(ProtokollEintrag e)
{
    auto text = [this](int i) {
        return (i >= 0 && i < int(m_dok.Objekte.size())) ? normText(m_dok.Objekte[size_t(i)].Cap) : QString();
    };
    if (e.KarteText.isEmpty() && e.Art != ProtokollArt::KarteGezeigt)
        e.KarteText = text(e.Karte);
    if (e.ZielText.isEmpty())
        e.ZielText = text(e.Ziel);
    ProtokollEintragSchreiben(m_daten.ProtokollAblauf, e);
    if (Dienste.Protokoll)
        Dienste.Protokoll->Zeile(e);
}

ProtokollUmfeld Uebung::Umfeld() const
{
    ProtokollUmfeld u = Umgebung;
    u.Titel = m_dok.Kopf.titel;
    u.Datei = m_dok.Kopf.Dateiname;
    u.DokTyp = m_dok.Kopf.DokTyp;
    u.DokUnterTyp = m_dok.Kopf.DokUnterTyp;
    u.Modus = m_modus;
    if (m_daten.UebArt == uebSerie && Dienste.Serie) {
        const SerienVorgaben v = Dienste.Serie->Vorgaben();
        u.SerienNummer = v.Nummer;
        u.Gewichtung = v.Gewichtung;
    }
    return u;
}

// ---------------------------------------------------------------- commands

bool Uebung::UebungAbbrechenErlaubt()
{
    if (!m_laeuft || m_daten.EndeGrund != endeLaeuft)
        return true;
    return m_meldungen.Frage(QString::fromUtf8(uebtext::AbbrechenFrage)) == Antwort::Ja;
}

bool Uebung::IndividualUebung(bool puzzleLaeuft)
{
    if (m_laeuft || puzzleLaeuft) {
        m_meldungen.Information(QString::fromUtf8(uebtext::LaeuftNoch));
        return false;
    }
    return StarteUebung(m_dialoge.UebOptZeigen, wiedKomplett, uebIndividual);
}

bool Uebung::EinstellungenErlaubt()
{
    if (m_laeuft) {
        m_meldungen.Information(QString::fromUtf8(uebtext::EinstellungenWaehrendUebung));
        return false;
    }
    return true;
}

bool Uebung::StarteUebung(bool dialogZeigen, int wiederholung, int art)
{
    try {
        return Starten(dialogZeigen, wiederholung, art);
    } catch (const std::exception &e) {
        m_meldungen.Fehler(QString::fromUtf8(uebtext::FehlerAufgetreten) + QString::fromLocal8Bit(e.what())
                           + QLatin1Char(')'));
    }
    return false;
}

bool Uebung::Starten(bool dialogZeigen, int wiederholung, int art)
{
    HeaderDataTyp &kopf = m_dok.Kopf;
    UebungsOberflaeche *ui = Dienste.Oberflaeche;
    const bool serie = art == uebSerie;

    // 1. a network exercise on this computer
    if (m_daten.UebArt == uebNetzTeilnahme && art != uebNetzTeilnahme) {
        m_meldungen.Information(QString::fromUtf8(uebtext::NetzTeilnahmeLaeuft));
        return false;
    }
    if (m_daten.UebArt == uebNetzInitiiert && art != uebNetzInitiiert) {
        m_meldungen.Information(QString::fromUtf8(uebtext::NetzInitiiert));
        return false;
    }
    // 2. the document of the series entry
    if (serie && (!Dienste.Serie || !Dienste.Serie->EintragLaden()))
        return false;
    // the entry's document replaced the last one: the captions the last run
    // kept for its images belong to objects that are gone
    if (serie)
        m_bildCaps.clear();
    // 3. the abort guard and the object editor
    if (!UebungAbbrechenErlaubt())
        return false;
    if (m_dok.ObjekteditorOffen) {
        m_meldungen.Information(QString::fromUtf8(uebtext::EditorOffen));
        return false;
    }
    // 4. the settings dialog of the document type
    if (dialogZeigen && kopf.UebEinstSpeichern != 2 && Dienste.Dialog) {
        if (ui)
            ui->IndividualKnopf(true);
        if (!Dienste.Dialog->Zeigen(kopf.DokTyp)) {
            if (ui)
                ui->IndividualKnopf(false);
            return false;
        }
    }
    // 5. the settings of the run
    EinstellungenUebernehmen(art);

    // a new run: what the last one left behind goes
    ++m_laufNummer;
    m_schritte.clear();
    m_wartet = false;
    AuswahlLeeren();
    m_elemente.clear();
    m_zieht = m_geklickt = m_fokus = m_fokusObjekt = -1;
    m_zielwahl = false;
    m_entscheidung = {};
    m_rueckmeldung = {};

    // a refused start leaves the objects as they were
    std::vector<ObjDataTyp> vorher = m_dok.Objekte;
    std::vector<int> vorherZuordnung = m_ansicht.Antwortzuordnung;

    // 6. a check button for text input and find words
    if (IstTexteingabe(kopf.DokTyp, m_modus) || kopf.DokTyp == dokWoerterFinden)
        Kontrollknopf();
    // 7. the answer order of multiple choice
    AntwortReihenfolge();
    // 8. the asked objects
    AbfragenMarkieren(wiederholung);
    // 9. the queries
    const int anzahl = AbfragenZaehlen(m_dok, m_modus, true);
    if (anzahl == 0 && !serie) {
        m_meldungen.Information(QString::fromUtf8(uebtext::KeineAbfragen));
        if (ui)
            ui->IndividualKnopf(false);
        m_dok.Objekte = std::move(vorher);
        m_ansicht.Antwortzuordnung = std::move(vorherZuordnung);
        return false;
    }
    // 10. cross matching: the elements change rows
    if (kopf.DokTyp == dokKreuzZuordnung)
        KreuzElementePermutieren(m_dok, anzahl, m_zufall);
    // 11. the participant's name
    if (!serie)
        m_daten.TeilnehmerName.clear();
    if (art == uebIndividual && Optionen.Namenseingabe && Dienste.Name)
        m_daten.TeilnehmerName = Dienste.Name->NameErfragen().left(uebtext::NameMaxLaenge);
    // 12. exercise mode
    if (m_nummerierung < 0)
        m_nummerierung = m_ansicht.NummerierungsModus;
    m_laeuft = true;
    m_ansicht.UebungLaeuft = true;
    if (ui)
        ui->UebungsmodusBetreten();
    // 13. the counts
    m_daten.AnzAbfragen = anzahl;
    m_daten.GesamtAbfragen = wiederholung == wiedFehler ? AbfragenZaehlen(m_dok, m_modus, false) : anzahl;
    m_daten.AnzFalschwoerter = int(std::count_if(m_dok.Objekte.begin(), m_dok.Objekte.end(),
                                                 [](const ObjDataTyp &o) { return o.Typ == objFalschwort; }));
    // 14. the query list, the targets and their numbers
    m_liste.clear();
    if (kopf.DokTyp != dokWoerterFinden)
        ZieleVorbereiten();
    // 15. the panel and the view at 100 %
    m_daten.BildBreite = std::max(1, m_panel.width() - kKartenspalte);
    m_ansicht.ZoomStufe = 0;
    m_ansicht.Ansichtsgroesse = QSize(m_daten.BildBreite, std::max(1, m_panel.height()));
    // 16. the record
    m_daten.ProtokollAblauf.clear();
    m_daten.ProtokollKopf.clear();
    m_daten.UebArt = art;
    m_daten.Richtig = m_daten.Falsch = m_daten.Erfolgsquote = 0;
    m_daten.Gesamtleistung = 0;
    m_daten.Note = 0;
    m_daten.EndeGrund = endeLaeuft;
    if (kopf.DokTyp == dokKreuzZuordnung)
        m_daten.OffenePositionen = int(m_liste.size()) / 2;
    else if (kopf.DokTyp == dokWoerterFinden)
        m_daten.OffenePositionen = m_daten.GesamtAbfragen;
    else
        m_daten.OffenePositionen = AusstehendZaehlen();
    m_daten.StartTick = m_uhr.Millisekunden();
    if (art != uebNetzTeilnahme)
        m_daten.StartZeit = TageSeit1899(Jetzt());
    m_daten.RestZeit = m_daten.ZLimit;
    m_daten.AktAbfrage = 0;
    m_daten.InBestenliste = false;
    m_endeGemeldet = false;
    // 17. the first asked position when wrong words stand in the list; a
    // list without one ends the run below instead of searching forever
    bool ohneZiel = false;
    if (kopf.DokTyp == dokLueckentext && m_modus == abfEinzelPositionen) {
        m_daten.AktAbfrage = -1;
        ohneZiel = !Weiterschalten(int(m_liste.size()));
        if (ohneZiel)
            m_daten.AktAbfrage = 0;
    }
    // 18. the start line, the question, the view, the elements of the mode
    Protokoll(Eintrag(ProtokollArt::Start));
    if ((kopf.DokTyp == dokEinzelfragen || kopf.DokTyp == dokMultipleChoice) && !m_liste.empty()) {
        const int ziel = AktuellesZiel();
        if (ziel >= 0)
            m_ansicht.AktFrageNummer = m_dok.Objekte[size_t(ziel)].FrageNummer;
    }
    m_ansicht.AbfrageEinzeln = IstZuordnungstyp(kopf.DokTyp) && m_modus == abfEinzelPositionen;
    m_ansicht.AktAbfrageObjekt = m_ansicht.AbfrageEinzeln ? AktuellesZiel() : -1;
    m_ansicht.RebuildView();
    ElementeAufbauen();
    if (!ohneZiel && m_daten.OffenePositionen > 0)
        AktuellesZeigen();
    // 19. status, clock and timer
    StatistikAktualisieren();
    UhrAktualisieren();
    Melden(aendAlles);
    if (ui)
        ui->ZeitgeberSetzen(true);
    if (m_daten.OffenePositionen <= 0 || ohneZiel)
        UebungBeenden();
    return true;
}

// Start step 5.
void Uebung::EinstellungenUebernehmen(int art)
{
    if (m_vorgegeben) {
        m_einst = *m_vorgegeben;
    } else if (art != uebNetzTeilnahme) {
        m_einst = EinstellungenAusDialogen(m_dialoge, m_dok.Kopf.DokTyp, m_einst);
        if (art == uebSerie && Dienste.Serie)
            SerienVorgabenAnwenden(m_einst, m_dok.Kopf.DokTyp, Dienste.Serie->Vorgaben());
    }
    m_einst = UebEinstBereinigt(m_einst);
    m_modus = WirksamerAbfrageModus(m_dok.Kopf.DokTyp, m_einst.AbfrageModus);
    m_daten.RiFaRueckmeldung = m_einst.RiFaRueckmeldung;
    m_daten.ZuordnungRichtig = m_einst.ZuordnungRichtig;
    m_daten.ZuordnungFalsch = m_einst.ZuordnungFalsch;
    m_daten.Zuordnungstexte = m_einst.Zuordnungstexte;
    m_daten.Zuordnungsziele = m_einst.Zuordnungsziele;
    m_daten.AbfrageModus = m_einst.AbfrageModus;
    m_daten.Zeitlimit = m_einst.Zeitlimit;
    m_daten.ZLimit = m_einst.ZLimit;
    m_daten.AnzZeichenVorgeben = m_einst.AnzZeichenVorgeben;
    m_daten.NoteMinQuote = Skala.NoteMinQuote;
    m_daten.PunkteMinQuote = Skala.PunkteMinQuote;
    m_daten.BewertSkala = Skala.BewertSkala;
}

void Uebung::Kontrollknopf()
{
    for (const ObjDataTyp &o : m_dok.Objekte)
        if (o.Typ == 26)
            return;
    const int i = ObjektHinzufuegen(m_dok, 26, ebeneTexteUndBilder, QStringLiteral("OK"), 1, 1, 100.0, 100.0, -1);
    m_dok.Objekte[size_t(i)].Generiert = true;
}

void Uebung::AntwortReihenfolge()
{
    std::vector<int> &karte = m_ansicht.Antwortzuordnung;
    karte.assign(m_dok.Objekte.size(), -1);
    if (m_dok.Kopf.DokTyp != dokMultipleChoice)
        return;
    const int n = int(m_dok.Objekte.size());
    if (m_einst.Zuordnungstexte == 1) {
        for (int i = 0; i < n; ++i) {
            const ObjDataTyp &kasten = m_dok.Objekte[size_t(i)];
            if (kasten.Typ != 24)
                continue;
            // the boxes of this question that have no place yet
            int frei = 0;
            for (int j = 0; j < n; ++j)
                if (m_dok.Objekte[size_t(j)].Typ == 24 && m_dok.Objekte[size_t(j)].FrageNummer == kasten.FrageNummer
                    && karte[size_t(j)] < 0)
                    ++frei;
            if (frei == 0)
                continue;
            int r = m_zufall.Random(std::clamp(kasten.AntwortAnz, 0, kMaxAntworten));
            int j = i;
            for (;;) {
                const ObjDataTyp &o = m_dok.Objekte[size_t(j)];
                if (o.Typ == 24 && o.FrageNummer == kasten.FrageNummer && karte[size_t(j)] < 0) {
                    if (r == 0)
                        break;
                    --r;
                }
                j = (j + 1) % n;
            }
            karte[size_t(j)] = i;
            if (j + 1 < n && i + 1 < n)
                karte[size_t(j + 1)] = i + 1;
        }
    }
    for (int i = 0; i < n; ++i)
        if (karte[size_t(i)] < 0)
            karte[size_t(i)] = i;
}

void Uebung::AbfragenMarkieren(int wiederholung)
{
    const int dokTyp = m_dok.Kopf.DokTyp;
    std::vector<ObjDataTyp> &objekte = m_dok.Objekte;
    std::vector<bool> markiert(objekte.size(), false);
    for (size_t i = 0; i < objekte.size(); ++i) {
        const ObjDataTyp &o = objekte[i];
        if (!IstGefragt(dokTyp, m_modus, o.Typ))
            continue;
        if (wiederholung != wiedFehler || o.Fehlversuche > 0 || o.KartenFehlversuche > 0)
            markiert[i] = true;
    }
    // a pair is repeated when either of its elements failed
    if (dokTyp == dokKreuzZuordnung)
        for (size_t i = 0; i < objekte.size(); ++i) {
            const int partner = objekte[i].PartnerIndex;
            if (markiert[i] && partner >= 0 && partner < int(objekte.size())
                && IstGefragt(dokTyp, m_modus, objekte[size_t(partner)].Typ))
                markiert[size_t(partner)] = true;
        }
    for (size_t i = 0; i < objekte.size(); ++i) {
        ObjDataTyp &o = objekte[i];
        if (IstGefragt(dokTyp, m_modus, o.Typ)) {
            o.Abgedeckt = markiert[i] ? abgAusstehend : abgAufgedeckt;
            o.Fehlversuche = 0;
            o.KartenFehlversuche = 0;
        } else if (IstZuordnungstyp(dokTyp) && dokTyp != dokCluster
                   && (o.Typ == objAbfrageBeschriftung || o.Typ == objAbfrageLuecke || o.Typ == objAbfrageBild
                       || o.Typ == 32 || o.Typ == 34 || o.Typ == objKreuzwortGitter)) {
            o.Abgedeckt = abgAufgedeckt;   // text input asks only labels, gaps and grid letters
        } else if ((dokTyp == dokCluster || dokTyp == dokKreuzZuordnung || dokTyp == dokWoerterFinden)
                   && (o.Typ == objAbfrageBeschriftung || o.Typ == objAbfrageBild || o.Typ == 70 || o.Typ == 71)) {
            o.Abgedeckt = abgAufgedeckt;
        }
    }
    // find words: the spots start unmarked
    if (dokTyp == dokWoerterFinden)
        for (ObjDataTyp &o : objekte)
            if (o.Typ == 70 || o.Typ == 71) {
                o.Abgedeckt = abgAufgedeckt;
                o.HDeck = 0;
            }
    // cluster: a pending card's cell is free, a solved one keeps its card
    if (dokTyp == dokCluster)
        for (auto &zeile : m_dok.Kopf.LueckenTabelle)
            for (lueckentabellearrtyp &zelle : zeile) {
                const int k = zelle.KartenIndex;
                const bool offen = k < 0 || k >= int(objekte.size()) || objekte[size_t(k)].Abgedeckt == abgAusstehend;
                zelle.Belegt = offen ? -1 : k;
            }
}

void Uebung::ZieleVorbereiten()
{
    // the original captions of images come back when the run is left
    for (int i = 0; i < int(m_dok.Objekte.size()); ++i) {
        const ObjDataTyp &o = m_dok.Objekte[size_t(i)];
        if ((o.Typ == objAbfrageBild || o.Typ == 32 || o.Typ == 53) && !m_bildCaps.count(i))
            m_bildCaps[i] = o.Cap;
    }
    // cluster images without a key got a random one from the layout; the
    // run draws its own, so that a run with the same seed repeats itself
    // (the cell keeps the caption it is matched by)
    if (m_dok.Kopf.DokTyp == dokCluster)
        for (int i = 0; i < int(m_dok.Objekte.size()); ++i) {
            ObjDataTyp &o = m_dok.Objekte[size_t(i)];
            if (o.Typ != 43 || !o.BildKenn.trimmed().isEmpty() || o.KorbZeile < 0 || o.KorbSpalte < 0
                || o.KorbZeile >= kTabelleMaxZeilen || o.KorbSpalte >= kTabelleMaxSpalten)
                continue;
            lueckentabellearrtyp &zelle = m_dok.Kopf.LueckenTabelle[size_t(o.KorbZeile)][size_t(o.KorbSpalte)];
            if (zelle.KartenIndex != i)
                continue;
            ObjDataTyp bild = o;
            bild.Typ = objAbfrageBild;
            o.Cap = Bildkennung(bild, m_zufall);
            zelle.Text = o.Cap;
        }
    m_liste = AbfrageListeAufbauen(m_dok, m_einst, m_zufall);
    const bool kreuz = m_dok.Kopf.DokTyp == dokKreuzZuordnung;
    int nummer = 0;
    for (const AbfrageEintrag &e : m_liste) {
        if (e.Ziel < 0)
            continue;
        ObjDataTyp &z = m_dok.Objekte[size_t(e.Ziel)];
        z.Abgedeckt = kreuz ? abgVerbindbar : abgAusstehend;
        if (kreuz && z.Sline == 5)
            z.Sline = 0;
        z.Fehlversuche = 0;
        z.KartenFehlversuche = 0;
        z.AnzeigeNummer = m_einst.Zuordnungsziele == 2 ? 0 : ++nummer;
    }
}

// Moves AktAbfrage forward (cyclically, at most `schritte` entries) to the
// next entry the mode asks; false when there is none.
bool Uebung::Weiterschalten(int schritte)
{
    const int n = int(m_liste.size());
    if (n == 0)
        return false;
    const int dokTyp = m_dok.Kopf.DokTyp;
    auto zustand = [this](int objekt) {
        return (objekt >= 0 && objekt < int(m_dok.Objekte.size())) ? m_dok.Objekte[size_t(objekt)].Abgedeckt
                                                                    : abgAufgedeckt;
    };
    int a = m_daten.AktAbfrage;
    for (int i = 0; i < schritte; ++i) {
        a = ((a + 1) % n + n) % n;
        const AbfrageEintrag &e = m_liste[size_t(a)];
        bool passt = false;
        if (dokTyp == dokEinzelfragen || dokTyp == dokMultipleChoice)
            passt = zustand(e.Ziel) == abgAusstehend;
        else if (m_modus == abfEinzelTexte)
            passt = zustand(e.Karte) == abgAusstehend;
        else if (m_modus == abfEinzelPositionen)
            passt = e.Ziel >= 0 && zustand(e.Ziel) == abgAusstehend;
        if (passt) {
            m_daten.AktAbfrage = a;
            return true;
        }
    }
    return false;
}

void Uebung::NaechsteAbfrage()
{
    const int dokTyp = m_dok.Kopf.DokTyp;
    const bool einzeln = dokTyp == dokEinzelfragen || dokTyp == dokMultipleChoice
                         || (IstZuordnungstyp(dokTyp) && (m_modus == abfEinzelTexte || m_modus == abfEinzelPositionen));
    if (!einzeln)
        return;
    if (!Weiterschalten(int(m_liste.size()))) {
        // nothing is asked any more: the run is over
        UebungBeenden();
        return;
    }
    AktuellesZeigen();
}

// ------------------------------------------------------------------ clock

void Uebung::UhrAktualisieren()
{
    const qint64 ms = std::max<qint64>(0, Laufzeit());
    m_dauerMs = ms;
    qint64 anzeige = ms / 1000;
    if (m_daten.Zeitlimit == zlMitLimit) {
        m_daten.RestZeit = int(std::max<qint64>(0, qint64(std::trunc(m_daten.ZLimit - ms / 1000.0))));
        anzeige = m_daten.RestZeit;
    }
    const QString text = kalumo::Uhrtext(anzeige);
    if (text != m_uhrtext) {
        m_uhrtext = text;
        Melden(aendUhr);
    }
}

void Uebung::Tick()
{
    if (!m_laeuft || m_daten.EndeGrund != endeLaeuft)
        return;
    UhrAktualisieren();
    // during a feedback pause only the clock moves; the limit is checked by
    // the first tick after it
    if (Pausiert())
        return;
    if (m_daten.Zeitlimit == zlMitLimit && m_daten.RestZeit <= 0)
        ZeitlimitErreicht();
}

void Uebung::ZeitlimitErreicht()
{
    m_entscheidung = {};
    if (Dienste.Oberflaeche)
        Dienste.Oberflaeche->ZeitgeberSetzen(false);
    AuswahlLeeren();
    m_zieht = -1;
    m_daten.EndeGrund = endeZeitlimit;
    EndeMelden();
    Protokoll(Eintrag(ProtokollArt::Zeitlimit));
    m_meldungen.Information(QString::fromUtf8(uebtext::Zeitlimit));
    if (IstTexteingabe(m_dok.Kopf.DokTyp, m_modus))
        TexteingabeAuswerten();
    else
        UebungBeenden();
}

// -------------------------------------------------------------------- end

bool Uebung::WiederholungMoeglich() const
{
    return m_daten.UebArt == uebIndividual && m_daten.Falsch > 0 && m_dok.Kopf.DokTyp != dokWoerterFinden;
}

void Uebung::UebungBeenden()
{
    if (!m_laeuft)
        return;
    if (Dienste.Oberflaeche)
        Dienste.Oberflaeche->ZeitgeberSetzen(false);
    if (m_daten.EndeGrund == endeLaeuft)
        m_daten.EndeGrund = endeFertig;
    m_zieht = -1;
    AuswahlLeeren();
    // feedback only at the end: every asked object shows its outcome now
    if (m_daten.RiFaRueckmeldung == 1) {
        for (ObjDataTyp &o : m_dok.Objekte) {
            if (!IstGefragt(m_dok.Kopf.DokTyp, m_modus, o.Typ) || o.Abgedeckt == abgAufgedeckt)
                continue;
            if (o.Fehlversuche > 0)
                o.Abgedeckt = abgFehlversuch;
            else
                o.Abgedeckt = m_daten.ZuordnungRichtig == 1 ? abgGeloest : abgAufgedeckt;
        }
        AnsichtNeu();
    }
    StatistikAktualisieren();
    if (Dienste.Note) {
        m_daten.Note = Dienste.Note->Note(m_daten.Gesamtleistung, m_daten);
    } else {
        // the scale the run started with
        NotenskalaTyp skala;
        skala.NoteMinQuote = m_daten.NoteMinQuote;
        skala.PunkteMinQuote = m_daten.PunkteMinQuote;
        skala.BewertSkala = m_daten.BewertSkala;
        m_daten.Note = NoteBerechnen(m_daten.Gesamtleistung, skala);
    }
    m_daten.ProtokollKopf = ProtokollKopfText(m_daten, Umfeld(), m_uhrtext);
    EndeMelden();
    Melden(aendAlles);
    if (Dienste.BeimErgebnis)
        Dienste.BeimErgebnis(*this);

    if (m_daten.UebArt == uebSerie) {
        if (Dienste.Serie)
            Dienste.Serie->TeiluebungBeendet(*this);
        return;
    }
    const bool teilnehmer = m_daten.UebArt == uebNetzTeilnahme;
    const bool fensterZeigen = Dienste.Ergebnis && (Optionen.ErgebnisfensterAnzeigen || teilnehmer);
    if (!fensterZeigen)
        m_meldungen.Information(QString::fromUtf8(uebtext::Beendet));
    while (fensterZeigen) {
        const bool moeglich = WiederholungMoeglich();
        ErgebnisWahl wahl = Dienste.Ergebnis->Zeigen(*this, moeglich);
        if (!wahl.Wiederholen)
            break;
        if (!moeglich)
            wahl.Wiederholung = wiedKomplett;
        if (teilnehmer) {
            if (!Dienste.Netz || !Dienste.Netz->WiederholungErbitten()) {
                m_meldungen.Information(QString::fromUtf8(uebtext::WiederholungAbgelehnt));
                break;
            }
            return;
        }
        if (StarteUebung(m_dialoge.UebOptZeigen, wahl.Wiederholung, m_daten.UebArt))
            return;
        if (!m_laeuft)
            return;
    }
    if (teilnehmer && Dienste.Netz)
        Dienste.Netz->DokumentSchliessen();
    m_daten.UebArt = uebIndividual;
    ZurLernansicht();
}

BestenlisteLaufTyp Uebung::BestenlisteLauf() const
{
    BestenlisteLaufTyp l;
    l.Individual = m_daten.UebArt == uebIndividual;
    l.Komplett = m_daten.AnzAbfragen == m_daten.GesamtAbfragen;
    l.TeilnehmerName = m_daten.TeilnehmerName;
    l.StartZeit = m_daten.StartZeit;
    l.DauerMs = m_dauerMs;
    l.Gesamtleistung = m_daten.Gesamtleistung;
    return l;
}

// A participant reports the end of its run once: a time limit reports it at
// once, and the end of the run that follows must not report it again.
void Uebung::EndeMelden()
{
    if (m_daten.UebArt != uebNetzTeilnahme || !Dienste.Netz || m_endeGemeldet)
        return;
    m_endeGemeldet = true;
    Dienste.Netz->Ende(*this);
}

bool Uebung::UebungAbbrechen()
{
    if (!UebungAbbrechenErlaubt())
        return false;
    Verlassen();
    return true;
}

void Uebung::Verlassen()
{
    if (m_daten.UebArt == uebNetzTeilnahme && m_laeuft) {
        if (Dienste.Netz)
            Dienste.Netz->DokumentSchliessen();
        m_daten.EndeGrund = endeAbgebrochen;
        EndeMelden();
    }
    m_daten.UebArt = uebIndividual;
    ZurLernansicht();
}

// Everything the run changed goes back to the learning view's state.
void Uebung::ZurLernansicht()
{
    const bool warImModus = m_laeuft;
    if (Dienste.Oberflaeche)
        Dienste.Oberflaeche->ZeitgeberSetzen(false);
    ++m_laufNummer;
    m_schritte.clear();
    m_wartet = false;
    Aufraeumen();
    for (ObjDataTyp &o : m_dok.Objekte) {
        if (o.Abgedeckt != abgAbgedeckt && o.Abgedeckt != abgAufgedeckt)
            o.Abgedeckt = abgAufgedeckt;
        if (o.Typ == 70 || o.Typ == 71) {
            o.HDeck = 0;
            o.HFarbe = 0;
        }
    }
    // the images get their own captions back
    for (const auto &[index, cap] : m_bildCaps)
        if (index >= 0 && index < int(m_dok.Objekte.size()))
            m_dok.Objekte[size_t(index)].Cap = cap;
    m_bildCaps.clear();
    m_laeuft = false;
    m_ansicht.UebungLaeuft = false;
    m_ansicht.AbfrageEinzeln = false;
    m_ansicht.AktAbfrageObjekt = -1;
    m_ansicht.Antwortzuordnung.clear();
    if (warImModus) {
        m_ansicht.AktFrageNummer = m_dok.Kopf.AnzFrageNummern > 0 ? 1 : -1;
        if (m_dok.Kopf.DokTyp == dokKreuzZuordnung) {
            LayoutCrossMatching(m_ansicht, true);
            for (ObjDataTyp &o : m_dok.Objekte)
                if (IstKreuzElement(o.Typ))
                    o.Abgedeckt = abgAufgedeckt;
        }
    }
    m_ansicht.ZoomStufe = 0;
    m_ansicht.AssignNumbers(m_nummerierung >= 0 ? m_nummerierung : m_ansicht.NummerierungsModus, false);
    m_nummerierung = -1;
    if (Dienste.Oberflaeche)
        Dienste.Oberflaeche->LernansichtAktivieren();
    m_ansicht.RebuildView();
    Melden(aendAlles);
}

void Uebung::Aufraeumen()
{
    m_elemente.clear();
    m_liste.clear();
    m_zieht = m_geklickt = m_fokus = m_fokusObjekt = -1;
    m_zielwahl = false;
    AuswahlLeeren();
    m_rueckmeldung = {};
}

} // namespace kalumo
