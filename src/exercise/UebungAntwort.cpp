// Judging: the consequences of an answer for every document type (feedback,
// the target's new state, the counters, the protocol), text input and find
// words judged as a whole, the statistics, and the steps with their pauses.

#include "exercise/Uebung.h"

#include "exercise/Normtext.h"
#include "learnview/FragenLayouts.h"
#include "learnview/Zeichenhilfen.h"

#include <algorithm>

namespace kalumo {

namespace {

// Pauses of the feedback (milliseconds).
constexpr int kPauseRichtig = 750;
constexpr int kPauseFrageRichtig = 500;
constexpr int kPauseFalsch = 100;
constexpr int kPauseFalschLang = 900;
constexpr int kPauseHaekchen = 1900;

// The alternatives of a cloze gap, stored as "|first|second|...|".
bool IstAlternative(const QString &liste, const QString &eingabe)
{
    const QString n = normText(eingabe);
    for (const QString &a : liste.split(QLatin1Char('|'), Qt::SkipEmptyParts))
        if (normText(a) == n)
            return true;
    return false;
}

} // namespace

// ------------------------------------------------------------------ steps

void Uebung::Schritt(std::function<void()> tun)
{
    Ablaufschritt s;
    s.Tun = std::move(tun);
    m_schritte.push_back(std::move(s));
}

void Uebung::Pause(int ms)
{
    Ablaufschritt s;
    s.PauseMs = ms;
    m_schritte.push_back(std::move(s));
}

void Uebung::Ablaufen()
{
    if (m_laeuftAb || m_wartet)
        return;
    m_laeuftAb = true;
    const int lauf = m_laufNummer;
    while (!m_schritte.empty() && !m_wartet) {
        Ablaufschritt s = std::move(m_schritte.front());
        m_schritte.pop_front();
        // the steps a step adds come before those that were waiting
        std::deque<Ablaufschritt> rest;
        rest.swap(m_schritte);
        if (s.Tun)
            s.Tun();
        if (lauf != m_laufNummer)
            break;   // the run was left or started anew: what waited is void
        for (Ablaufschritt &r : rest)
            m_schritte.push_back(std::move(r));
        UebungsOberflaeche *ui = Dienste.Oberflaeche;
        if (!ui)
            continue;
        if (s.PauseMs > 0 && ui->Pausieren(s.PauseMs))
            m_wartet = true;
        else if (!s.Bahn.empty() && ui->Gleiten(s.GleitElement, s.Bahn))
            m_wartet = true;
    }
    m_laeuftAb = false;
}

void Uebung::PauseBeendet()
{
    if (!m_wartet)
        return;
    m_wartet = false;
    Ablaufen();
}

// --------------------------------------------------------------- helpers

int Uebung::AusstehendZaehlen() const
{
    return int(std::count_if(m_dok.Objekte.begin(), m_dok.Objekte.end(),
                             [](const ObjDataTyp &o) { return o.Abgedeckt == abgAusstehend; }));
}

void Uebung::ZielAktualisieren(int objekt)
{
    if (objekt < 0 || objekt >= int(m_dok.Objekte.size()))
        return;
    m_ansicht.ObjektAktualisieren(objekt);
    Melden(aendAnsicht);
}

void Uebung::AnsichtNeu()
{
    m_ansicht.RedrawObjects();
    Melden(aendAnsicht | aendAnweisung);
}

void Uebung::AuswahlLeeren()
{
    m_auswahl = kKeineAuswahl;
    m_korb = -1;
    m_zweites = -1;
    m_geklickt = -1;
    m_zielwahl = false;
}

void Uebung::RueckmeldungLeeren()
{
    m_rueckmeldung.Text.clear();
    m_rueckmeldung.StatistikSichtbar = false;
    Melden(aendRueckmeldung);
}

void Uebung::RichtigZeigen(UebElement *karte, const QString &tondatei)
{
    m_rueckmeldung.Text = Texte.Richtig;
    m_rueckmeldung.Farbe = elementfarbe::RueckmeldungRichtig;
    if (karte)
        karte->Flaeche = elementfarbe::Richtig;
    if (Dienste.Ton)
        Dienste.Ton->TonRichtig(tondatei);
    UhrAktualisieren();
    Melden(aendRueckmeldung | aendElemente);
}

void Uebung::FalschZeigen(UebElement *karte, int richtigeHaken, int falscheHaken, int fehlendeHaken, bool mc)
{
    if (karte && m_einst.ZuordnungRichtig != 2)
        karte->Flaeche = elementfarbe::Falsch;
    if (mc && richtigeHaken >= 1) {
        m_rueckmeldung.StatistikSichtbar = true;
        m_rueckmeldung.StatistikTitel = QStringLiteral("Antwort-Häkchen");
        m_rueckmeldung.Richtig = richtigeHaken;
        m_rueckmeldung.Falsch = falscheHaken;
        m_rueckmeldung.Fehlend = fehlendeHaken;
    } else {
        m_rueckmeldung.Text = Texte.Falsch;
        m_rueckmeldung.Farbe = elementfarbe::RueckmeldungFalsch;
    }
    if (Dienste.Ton)
        Dienste.Ton->TonFalsch();
    UhrAktualisieren();
    Melden(aendRueckmeldung | aendElemente);
}

// The card goes back to its origin in round(distance / 2) steps of one
// millisecond; a move too short for one step puts it there at once.
void Uebung::KarteZurueck(int kennung)
{
    UebElement *e = ElementVon(kennung);
    if (!e)
        return;
    const QPoint von = e->Rechteck.topLeft(), nach = e->Ursprung;
    const QPoint d = nach - von;
    const double abstand = std::sqrt(double(d.x()) * d.x() + double(d.y()) * d.y());
    const int n = Runden(abstand / 2.0);
    e->Rechteck.moveTo(nach);
    if (n <= 0)
        return;
    Ablaufschritt s;
    s.GleitElement = kennung;
    for (int i = 0; i <= n; ++i) {
        const double f = double(i) / n;
        s.Bahn.push_back(von + QPoint(Runden(d.x() * f), Runden(d.y() * f)));
    }
    m_schritte.push_back(std::move(s));
}

// --------------------------------------------------------------- judging

void Uebung::Antwort(int kennung)
{
    UebElement *karte = ElementVon(kennung);
    if (!karte || !karte->Sichtbar || karte->Art == ElementArt::Ankreuzfeld || Pausiert())
        return;
    if (m_auswahl == kKeineAuswahl && m_korb < 1)
        return;
    if (!m_laeuft || m_daten.EndeGrund != endeLaeuft)
        return;
    const int dokTyp = m_dok.Kopf.DokTyp;
    if (m_auswahl == kAllesAuswerten) {
        if (IstTexteingabe(dokTyp, m_modus))
            TexteingabeAuswerten();
        else if (dokTyp == dokWoerterFinden)
            WoerterAuswerten();
        return;
    }
    if (dokTyp == dokKreuzZuordnung)
        KreuzAntwort(kennung);
    else if (dokTyp == dokMultipleChoice)
        MCAntwort(kennung);
    else if (dokTyp == dokEinzelfragen)
        FrageAntwort(kennung);
    else if (IstZuordnungstyp(dokTyp))
        ZuordnungAntwort(kennung);
}

// Image labelling, cloze, cluster, crossword: a card onto a target or basket.
void Uebung::ZuordnungAntwort(int kennung)
{
    UebElement *k = ElementVon(kennung);
    const int karte = k->Objekt;
    ObjDataTyp &ko = m_dok.Objekte[size_t(karte)];
    const bool cluster = m_dok.Kopf.DokTyp == dokCluster;
    const QString kartentext = normText(ko.Cap);
    int ziel = m_auswahl;
    bool richtig = false;
    if (cluster) {
        // the basket's column of the table: the first free cell of the same text
        int spalte = m_korb - 1;
        if (spalte < 0 && ziel >= 0)
            spalte = m_dok.Objekte[size_t(ziel)].KorbSpalte;
        ziel = karte;
        const int zeilen = std::clamp(m_dok.Kopf.LueckenTabelleZeilen, 1, kTabelleMaxZeilen);
        if (spalte >= 0 && spalte < kTabelleMaxSpalten) {
            for (int z = 0; z < zeilen; ++z) {
                lueckentabellearrtyp &zelle = m_dok.Kopf.LueckenTabelle[size_t(z)][size_t(spalte)];
                if ((zelle.Art == 1 || zelle.Art == 3) && !zelle.Text.trimmed().isEmpty() && zelle.Belegt < 0
                    && normText(zelle.Text) == kartentext && zelle.KartenIndex >= 0
                    && zelle.KartenIndex < int(m_dok.Objekte.size())) {
                    zelle.Belegt = karte;
                    ziel = zelle.KartenIndex;
                    richtig = true;
                    break;
                }
            }
        }
    } else {
        richtig = kartentext == normText(m_dok.Objekte[size_t(ziel)].Cap);
    }
    m_entscheidung = {true, richtig};
    ProtokollEintrag p = Eintrag(ProtokollArt::Antwort);
    p.Richtig = richtig;
    p.Karte = karte;
    p.Ziel = ziel;
    Protokoll(p);

    const bool einzelTexte = m_modus == abfEinzelTexte;
    const int zr = m_einst.ZuordnungRichtig, zf = m_einst.ZuordnungFalsch;
    auto karteWeg = [this, kennung, einzelTexte] {
        // single queries keep their cards for the next round
        if (einzelTexte) {
            if (UebElement *e = ElementVon(kennung))
                e->Sichtbar = false;
        } else {
            ElementFreigeben(kennung);
        }
        Melden(aendElemente);
    };

    if (richtig) {
        if (m_einst.RiFaRueckmeldung == 1) {
            m_dok.Objekte[size_t(ziel)].Abgedeckt = abgOhneRueckmeldung;
        } else {
            if (zr != 2) {
                const QString ton = m_dok.Kopf.DokTyp == dokBildbeschriftung ? ko.Tondatei : QString();
                RichtigZeigen(k, ton);
                Pause(kPauseRichtig);
            }
            Schritt([this, kennung, ziel, zr, zf] {
                if (UebElement *e = ElementVon(kennung); e && zf != 2)
                    e->Flaeche = elementfarbe::Karte;
                m_dok.Objekte[size_t(ziel)].Abgedeckt =
                    zr == 1 ? abgGeloest : zr == 2 ? abgOhneRueckmeldung : abgAufgedeckt;
                RueckmeldungLeeren();
            });
        }
        Schritt([this, karteWeg, ziel] {
            karteWeg();
            ZielAktualisieren(ziel);
            m_daten.Richtig += 1;
        });
    } else {
        if (m_einst.RiFaRueckmeldung == 1) {
            Schritt([this, karteWeg, ziel] {
                karteWeg();
                m_dok.Objekte[size_t(ziel)].Abgedeckt = abgOhneRueckmeldung;
                ZielAktualisieren(ziel);
            });
        } else {
            // "no feedback" shows nothing at all
            if (zf != 2) {
                FalschZeigen(k, 0, 0, 0, false);
                Pause(kPauseFalsch);
            }
            Schritt([this, kennung, ziel, zf, einzelTexte, karteWeg] {
                if (!einzelTexte && zf != 2) {
                    if (UebElement *e = ElementVon(kennung))
                        e->Flaeche = elementfarbe::Karte;
                    KarteZurueck(kennung);
                    Melden(aendElemente);
                }
                if (einzelTexte) {
                    Pause(kPauseFalschLang);
                    Schritt([this, kennung] {
                        if (UebElement *e = ElementVon(kennung))
                            e->Sichtbar = false;
                        Melden(aendElemente);
                    });
                }
                Schritt([this, kennung, ziel, zf, karteWeg] {
                    if (zf == 1) {
                        m_dok.Objekte[size_t(ziel)].Abgedeckt = abgFehlversuch;
                        ZielAktualisieren(ziel);
                    } else if (zf == 2) {
                        m_dok.Objekte[size_t(ziel)].Abgedeckt = abgOhneRueckmeldung;
                        ZielAktualisieren(ziel);
                        if (UebElement *e = ElementVon(kennung))
                            e->Sichtbar = false;
                        Melden(aendElemente);
                    }
                    if (zf != 2) {
                        if (UebElement *e = ElementVon(kennung))
                            e->Flaeche = elementfarbe::Karte;
                        RueckmeldungLeeren();
                    }
                });
            });
        }
        Schritt([this, karte, ziel] {
            // a cluster counts on the card, every other type on the target
            m_dok.Objekte[size_t(ziel)].Fehlversuche += 1;
            m_dok.Objekte[size_t(karte)].KartenFehlversuche += 1;
            m_daten.Falsch += 1;
        });
    }
    Schritt([this] { Nachher(); });
    Ablaufen();
}

void Uebung::FrageAntwort(int kennung)
{
    UebElement *k = ElementVon(kennung);
    const int ziel = m_auswahl;
    if (ziel < 0 || ziel >= int(m_dok.Objekte.size()))
        return;
    const bool richtig = normText(m_dok.Objekte[size_t(k->Objekt)].Cap) == normText(m_dok.Objekte[size_t(ziel)].Cap);
    m_entscheidung = {true, richtig};
    ProtokollEintrag p = Eintrag(ProtokollArt::Antwort);
    p.Richtig = richtig;
    p.Karte = k->Objekt;
    p.Ziel = ziel;
    Protokoll(p);
    AntwortAuswerten(kennung, ziel, richtig, [this, k] { FalschZeigen(k, 0, 0, 0, false); }, kPauseFalschLang,
                     [this, ziel] {
                         m_dok.Objekte[size_t(ziel)].Fehlversuche += 1;
                         m_daten.Falsch += 1;
                     });
}

// The feedback and counting of a question answered by a card or by ticks:
// a right answer is shown and counted alike for both; a wrong one shows its
// own feedback, waits pauseFalsch and is counted by falschZaehlen.
void Uebung::AntwortAuswerten(int kennung, int ziel, bool richtig, const std::function<void()> &falschZeigen,
                              int pauseFalsch, std::function<void()> falschZaehlen)
{
    UebElement *k = ElementVon(kennung);
    const int zr = m_einst.ZuordnungRichtig, zf = m_einst.ZuordnungFalsch;

    if (richtig) {
        if (m_einst.RiFaRueckmeldung == 1) {
            m_dok.Objekte[size_t(ziel)].Abgedeckt = abgOhneRueckmeldung;
        } else {
            if (zr != 2) {
                RichtigZeigen(k, QString());
                Pause(kPauseRichtig);
            }
            if (zf != 2)
                Pause(kPauseFrageRichtig);
            Schritt([this, kennung, ziel, zr, zf] {
                AlleKartenVerstecken();
                if (UebElement *e = ElementVon(kennung); e && zf != 2)
                    e->Flaeche = elementfarbe::Karte;
                m_dok.Objekte[size_t(ziel)].Abgedeckt =
                    zr == 1 ? abgGeloest : zr == 2 ? abgOhneRueckmeldung : abgAufgedeckt;
                RueckmeldungLeeren();
                Melden(aendElemente);
            });
        }
        Schritt([this, ziel] {
            ZielAktualisieren(ziel);
            m_daten.Richtig += 1;
        });
    } else {
        if (m_einst.RiFaRueckmeldung == 1) {
            m_dok.Objekte[size_t(ziel)].Abgedeckt = abgOhneRueckmeldung;
        } else {
            if (zf != 2) {
                falschZeigen();
                Pause(kPauseFalsch);
            }
            Schritt([this, ziel, zf, pauseFalsch] {
                if (zf == 1 || zf == 2)
                    m_dok.Objekte[size_t(ziel)].Abgedeckt = abgFalschGeschlossen;
                if (zf != 2)
                    Pause(pauseFalsch);
                Schritt([this, zf] {
                    AlleKartenVerstecken();
                    for (UebElement &e : m_elemente)
                        e.Flaeche = elementfarbe::Karte;
                    if (zf != 2)
                        RueckmeldungLeeren();
                    Melden(aendElemente);
                });
            });
        }
        Schritt(std::move(falschZaehlen));
    }
    Schritt([this] { Nachher(); });
    Ablaufen();
}

void Uebung::MCAntwort(int kennung)
{
    UebElement *k = ElementVon(kennung);
    const int ziel = m_auswahl;
    if (ziel < 0 || ziel >= int(m_dok.Objekte.size()))
        return;
    const int frage = m_dok.Objekte[size_t(ziel)].FrageNummer;
    int n = 0, a = 0, b = 0;
    QStringList angekreuzt;
    for (const UebElement &e : m_elemente) {
        if (e.Art != ElementArt::Ankreuzfeld || m_dok.Objekte[size_t(e.Objekt)].FrageNummer != frage)
            continue;
        const bool korrekt = e.Text.startsWith(QLatin1Char('+'));
        const bool haken = e.Angekreuzt();
        n += korrekt ? 1 : 0;
        a += (korrekt && haken) ? 1 : 0;
        b += (!korrekt && haken) ? 1 : 0;
        if (haken && e.Objekt + 1 < int(m_dok.Objekte.size()))
            angekreuzt << normText(m_dok.Objekte[size_t(e.Objekt + 1)].Cap);
    }
    const int fehlend = n - a;
    const bool richtig = a == n && b == 0;
    m_entscheidung = {true, richtig};
    ProtokollEintrag p = Eintrag(ProtokollArt::Antwort);
    p.Richtig = richtig;
    p.Karte = k->Objekt;
    p.Ziel = ziel;
    p.FrageNummer = frage;
    p.Angekreuzt = angekreuzt;
    Protokoll(p);
    ProtokollEintrag h = Eintrag(ProtokollArt::Haekchen);
    h.Ziel = ziel;
    h.FrageNummer = frage;
    h.AnzRichtig = a;
    h.AnzFalsch = b;
    h.AnzFehlend = fehlend;
    Protokoll(h);
    AntwortAuswerten(kennung, ziel, richtig, [this, k, a, b, fehlend] { FalschZeigen(k, a, b, fehlend, true); },
                     a >= 1 ? kPauseHaekchen : kPauseFalschLang, [this, ziel, n, a, b] {
                         m_dok.Objekte[size_t(ziel)].Fehlversuche += 1;
                         // partial credit only when the answer closes the question: a
                         // question asked again earns at most 1 in the end
                         if (m_dok.Objekte[size_t(ziel)].Abgedeckt != abgAusstehend) {
                             const double c = n > 0 ? double(std::max(a - b, 0)) / n : 0.0;
                             m_daten.Richtig += c;
                             m_daten.Falsch += 1 - c;
                         } else {
                             m_daten.Falsch += 1;
                         }
                     });
}

void Uebung::KreuzAntwort(int kennung)
{
    UebElement *k = ElementVon(kennung);
    const int erstes = m_zweites, zweites = m_auswahl;
    if (erstes < 0 || zweites < 0 || erstes >= int(m_dok.Objekte.size()) || zweites >= int(m_dok.Objekte.size()))
        return;
    const bool richtig = m_dok.Objekte[size_t(erstes)].BildKenn == m_dok.Objekte[size_t(zweites)].BildKenn;
    m_entscheidung = {true, richtig};
    ProtokollEintrag p = Eintrag(ProtokollArt::Antwort);
    p.Richtig = richtig;
    p.Karte = erstes;
    p.Ziel = zweites;
    Protokoll(p);
    auto flaechenVerstecken = [this](int a, int b) {
        for (UebElement &e : m_elemente)
            if (e.Objekt == a || e.Objekt == b)
                e.Sichtbar = false;
        Melden(aendElemente);
    };
    auto alleDemarkieren = [this] {
        for (UebElement &e : m_elemente) {
            e.Flaeche = elementfarbe::Karte;
            e.Text.clear();
        }
        Melden(aendElemente);
    };

    if (richtig) {
        if (m_einst.RiFaRueckmeldung == 1) {
            // no feedback until the end, but the pair is done
            Schritt([this, erstes, zweites, flaechenVerstecken] {
                flaechenVerstecken(erstes, zweites);
                m_dok.Objekte[size_t(erstes)].Abgedeckt = abgOhneRueckmeldung;
                m_dok.Objekte[size_t(zweites)].Abgedeckt = abgOhneRueckmeldung;
                m_daten.OffenePositionen -= 1;
                AnsichtNeu();
            });
        } else {
            if (m_einst.ZuordnungRichtig != 2) {
                RichtigZeigen(k, QString());
                Pause(kPauseRichtig);
            }
            Schritt([this, erstes, zweites, flaechenVerstecken] {
                flaechenVerstecken(erstes, zweites);
                ObjDataTyp &a = m_dok.Objekte[size_t(erstes)], &b = m_dok.Objekte[size_t(zweites)];
                ObjDataTyp &rechts = a.Kx > b.Kx ? a : b;
                rechts.Sline = 5;
                a.Abgedeckt = abgAufgedeckt;
                b.Abgedeckt = abgAufgedeckt;
                m_daten.OffenePositionen -= 1;
                AnsichtNeu();
                RueckmeldungLeeren();
            });
        }
        Schritt([this] { m_daten.Richtig += 1; });
    } else {
        if (m_einst.RiFaRueckmeldung == 1) {
            Schritt([alleDemarkieren] { alleDemarkieren(); });
        } else {
            const int zf = m_einst.ZuordnungFalsch;
            if (zf != 2) {
                FalschZeigen(k, 0, 0, 0, false);
                Pause(kPauseFalsch);
            }
            Pause(kPauseFalschLang);
            Schritt([this, alleDemarkieren, zf] {
                alleDemarkieren();
                if (zf != 2)
                    RueckmeldungLeeren();
            });
        }
        Schritt([this, erstes, zweites] {
            for (int i : {erstes, zweites}) {
                m_dok.Objekte[size_t(i)].Fehlversuche += 1;
                m_dok.Objekte[size_t(i)].KartenFehlversuche += 1;
            }
            m_daten.Falsch += 1;
        });
    }
    Schritt([this] { Nachher(); });
    Ablaufen();
}

void Uebung::TexteingabeAuswerten()
{
    m_entscheidung = {true, std::nullopt};
    for (const AbfrageEintrag &eintrag : m_liste) {
        UebElement *feld = nullptr;
        for (UebElement &e : m_elemente)
            if (e.Art == ElementArt::Eingabefeld && e.Objekt == eintrag.Ziel && e.Sichtbar)
                feld = &e;
        if (!feld)
            continue;
        ObjDataTyp &z = m_dok.Objekte[size_t(eintrag.Ziel)];
        // an untouched hint is no answer
        const QString eingabe = feld->Hinweis ? QString() : feld->Text;
        ProtokollEintrag p = Eintrag(ProtokollArt::Texteingabe);
        p.Ziel = eintrag.Ziel;
        p.Eingabe = eingabe;
        if (normText(eingabe) == normText(z.Cap)) {
            p.Ergebnis = EingabeErgebnis::Richtig;
        } else if (z.Typ == objAbfrageLuecke && !normText(eingabe).isEmpty() && IstAlternative(z.BildKenn, eingabe)) {
            p.Ergebnis = EingabeErgebnis::Alternativ;
        } else {
            p.Ergebnis = EingabeErgebnis::Falsch;
        }
        p.Richtig = p.Ergebnis != EingabeErgebnis::Falsch;
        Protokoll(p);
        if (p.Richtig) {
            feld->Flaeche = elementfarbe::Richtig;
            m_daten.Richtig += 1;
        } else {
            feld->Flaeche = elementfarbe::Falsch;
            m_daten.Falsch += 1;
            z.Fehlversuche += 1;
        }
        z.Abgedeckt = abgAufgedeckt;
    }
    AnsichtNeu();
    Melden(aendElemente);
    if (m_daten.Falsch != 0) {
        if (Dienste.Ton)
            Dienste.Ton->TonFalsch();
        Pause(kPauseFalsch);
    } else {
        RichtigZeigen(nullptr, QString());
        Pause(kPauseRichtig);
    }
    Schritt([this] {
        RueckmeldungLeeren();
        Nachher();
    });
    Ablaufen();
}

void Uebung::WoerterAuswerten()
{
    m_entscheidung = {true, std::nullopt};
    int t = 0, r = 0, f = 0, m = 0;
    for (int i = 0; i < int(m_dok.Objekte.size()); ++i) {
        ObjDataTyp &o = m_dok.Objekte[size_t(i)];
        if (o.Typ != 70 && o.Typ != 71)
            continue;
        const bool markiert = o.Abgedeckt == abgMarkiert;
        ProtokollEintrag p = Eintrag(ProtokollArt::Textstelle);
        p.Ziel = i;
        if (o.Typ == 70) {
            ++t;
            if (markiert) {
                ++r;
                o.HFarbe = 0x00FF00;
                p.Ergebnis = EingabeErgebnis::Richtig;
            } else {
                ++m;
                o.HFarbe = 0x0080FF;
                p.Ergebnis = EingabeErgebnis::Fehlend;
            }
        } else if (markiert) {
            ++f;
            o.HFarbe = 0x0000FF;
            p.Ergebnis = EingabeErgebnis::Falsch;
        } else {
            continue;
        }
        o.HDeck = 40;
        p.Richtig = p.Ergebnis == EingabeErgebnis::Richtig;
        Protokoll(p);
    }
    ProtokollEintrag s = Eintrag(ProtokollArt::Textmarkierungen);
    s.AnzRichtig = r;
    s.AnzFalsch = f;
    s.AnzFehlend = m;
    Protokoll(s);
    AnsichtNeu();
    m_daten.OffenePositionen = 0;
    m_daten.Richtig = r;
    m_daten.Falsch = f;
    m_daten.Erfolgsquote = t > 0 ? double(std::max(r - f, 0)) / t : 0.0;
    m_rueckmeldung.StatistikSichtbar = true;
    m_rueckmeldung.StatistikTitel = QStringLiteral("Textmarkierungen");
    m_rueckmeldung.Richtig = r;
    m_rueckmeldung.Falsch = f;
    m_rueckmeldung.Fehlend = m;
    Melden(aendRueckmeldung);
    if (r == t) {
        if (Dienste.Ton)
            Dienste.Ton->TonRichtig(QString());
        Pause(kPauseRichtig);
    } else {
        if (Dienste.Ton)
            Dienste.Ton->TonFalsch();
        Pause(kPauseFalsch);
    }
    Schritt([this] { Nachher(); });
    Ablaufen();
}

// After every judging: the open positions, the statistics, the network,
// the selection, then the next query or the end.
void Uebung::Nachher()
{
    if (!m_laeuft)
        return;
    const int dokTyp = m_dok.Kopf.DokTyp;
    if (dokTyp != dokKreuzZuordnung && dokTyp != dokWoerterFinden)
        m_daten.OffenePositionen = AusstehendZaehlen();
    StatistikAktualisieren();
    if (m_daten.UebArt == uebNetzTeilnahme && Dienste.Netz)
        Dienste.Netz->Fortschritt(*this);
    AuswahlLeeren();
    Melden(aendStatus | aendAuswahl | aendElemente);
    if (m_daten.OffenePositionen > 0 && !Festgefahren()) {
        if (m_daten.EndeGrund == endeLaeuft)
            NaechsteAbfrage();
    } else {
        UebungBeenden();
    }
}

// Whether no card left can answer a pending position (cards hidden after a
// wrong answer without feedback): such a run ends instead of waiting forever.
bool Uebung::Festgefahren() const
{
    const int dokTyp = m_dok.Kopf.DokTyp;
    if (!IstZuordnungstyp(dokTyp) || m_modus == abfEinzelTexte || m_modus == abfTexteingabe)
        return false;
    std::vector<QString> karten;
    for (const UebElement &e : m_elemente)
        if (e.Art == ElementArt::Karte && e.Sichtbar)
            karten.push_back(normText(m_dok.Objekte[size_t(e.Objekt)].Cap));
    if (dokTyp == dokCluster)
        return karten.empty();
    for (const ObjDataTyp &o : m_dok.Objekte)
        if (o.Abgedeckt == abgAusstehend
            && std::find(karten.begin(), karten.end(), normText(o.Cap)) != karten.end())
            return false;
    return true;
}

void Uebung::StatistikAktualisieren()
{
    UebDataTyp &d = m_daten;
    if (m_dok.Kopf.DokTyp == dokWoerterFinden) {
        d.Gesamtleistung = d.Erfolgsquote;
    } else {
        const double versuche = d.Richtig + d.Falsch;
        d.Erfolgsquote = versuche > 0 ? d.Richtig / versuche : 0.0;
        const double alle = versuche + d.OffenePositionen;
        d.Gesamtleistung = alle > 0 ? d.Richtig / alle : 0.0;
    }
    const int stellen = m_dok.Kopf.DokTyp == dokMultipleChoice ? 2 : 0;
    d.RichtigText = QString::number(d.Richtig, 'f', stellen);
    d.FalschText = QString::number(d.Falsch, 'f', stellen);
    d.QuoteText = QString::number(d.Erfolgsquote * 100.0, 'f', 1) + QStringLiteral(" %");
    d.LeistungText = QString::number(d.Gesamtleistung * 100.0, 'f', 1) + QStringLiteral(" %");
    Melden(aendStatus);
}

} // namespace kalumo
