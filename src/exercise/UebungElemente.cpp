// The elements of a run: which exist for each document type and query mode,
// where they stand, what they show; the single-query steps; the instruction
// line, the status panel and the search for the target under a card.

#include "exercise/Uebung.h"

#include "exercise/Normtext.h"
#include "learnview/FragenLayouts.h"
#include "learnview/Zeichenhilfen.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace kalumo {

namespace {

double Rand(double v)
{
    return std::isfinite(v) ? std::clamp(v, 0.0, 0.45) : 0.0;
}

bool IstBildkarte(int typ)
{
    return typ == objAbfrageBild || typ == 32 || typ == 43;
}

// Contains with the left and top edges, without the right and bottom ones.
bool Enthaelt(const std::array<double, 4> &r, QPointF p)
{
    return r[0] <= p.x() && p.x() < r[2] && r[1] <= p.y() && p.y() < r[3];
}

} // namespace

// ---------------------------------------------------------------- helpers

int Uebung::ElementHinzufuegen(UebElement e)
{
    e.Kennung = m_naechsteKennung++;
    e.Stapel = ++m_stapel;
    m_elemente.push_back(std::move(e));
    return m_elemente.back().Kennung;
}

UebElement *Uebung::ElementVon(int kennung)
{
    for (UebElement &e : m_elemente)
        if (e.Kennung == kennung)
            return &e;
    return nullptr;
}

const UebElement *Uebung::Element(int kennung) const
{
    for (const UebElement &e : m_elemente)
        if (e.Kennung == kennung)
            return &e;
    return nullptr;
}

int Uebung::ElementBei(QPoint p) const
{
    const UebElement *oben = nullptr;
    for (const UebElement &e : m_elemente)
        if (e.Sichtbar && e.Rechteck.contains(p) && (!oben || e.Stapel >= oben->Stapel))
            oben = &e;
    return oben ? oben->Kennung : -1;
}

void Uebung::ElementFreigeben(int kennung)
{
    m_elemente.erase(std::remove_if(m_elemente.begin(), m_elemente.end(),
                                    [kennung](const UebElement &e) { return e.Kennung == kennung; }),
                     m_elemente.end());
    if (m_fokus == kennung)
        m_fokus = -1;
}

void Uebung::AlleKartenVerstecken()
{
    for (UebElement &e : m_elemente)
        e.Sichtbar = false;
}

int Uebung::Bildbreite() const
{
    return std::max(1, m_ansicht.PageBitmap.width());
}

QPoint Uebung::Ansichtspunkt(double kx, double ky) const
{
    const QPointF p = m_ansicht.SeiteZuAnsicht(QPointF(kx, ky));
    return {Runden(p.x()), Runden(p.y())};
}

QPointF Uebung::Seitenbruch(QPoint panel) const
{
    return m_ansicht.AnsichtZuSeite(QPointF(panel));
}

int Uebung::AktuellesZiel() const
{
    const int a = m_daten.AktAbfrage;
    if (a < 0 || a >= int(m_liste.size()))
        return -1;
    return m_liste[size_t(a)].Ziel;
}

int Uebung::AktuelleFrage() const
{
    return m_ansicht.AktFrageNummer;
}

bool Uebung::Ziehbar() const
{
    return IstZuordnungstyp(m_dok.Kopf.DokTyp) && m_modus != abfTexteingabe;
}

void Uebung::PanelGroesseSetzen(QSize groesse)
{
    m_panel = QSize(std::max(kKartenspalte + 16, groesse.width()), std::max(120, groesse.height()));
    if (!m_laeuft)
        return;
    m_daten.BildBreite = std::max(1, m_panel.width() - kKartenspalte);
    m_ansicht.Ansichtsgroesse = QSize(m_daten.BildBreite, m_panel.height());
    m_ansicht.RebuildView();
    ElementeAnordnen();
    Melden(aendAlles);
}

// --------------------------------------------------------------- building

void Uebung::ElementeAufbauen()
{
    m_elemente.clear();
    const int dokTyp = m_dok.Kopf.DokTyp;
    const auto &objekte = m_dok.Objekte;
    auto karte = [&](int nummer, int objekt) {
        UebElement e;
        e.Art = ElementArt::Karte;
        e.Nummer = nummer;
        e.Objekt = objekt;
        e.Rechteck = QRect(0, 0, kKartenBreite, kKartenHoehe);
        const ObjDataTyp &o = objekte[size_t(objekt)];
        if (IstBildkarte(o.Typ)) {
            e.MitBild = true;
            const QImage &b = o.Bild;
            if (o.BildkarteAnpassen == 1 && b.width() > 0 && b.height() > kKartenHoehe - 4) {
                const int h = Runden(double(kKartenBreite - 44) * b.height() / b.width() + 4);
                e.Rechteck.setHeight(std::clamp(h, kKartenHoehe, 150));
            }
        } else {
            e.Text = normText(o.Cap);
        }
        return e;
    };
    auto weiter = [&](int objekt) {
        UebElement e;
        e.Art = ElementArt::Weiter;
        e.Nummer = objekt;
        e.Objekt = objekt;
        e.Text = QStringLiteral("Weiter");
        e.Rechteck = QRect(0, 0, kKartenBreite, kKartenHoehe);
        return e;
    };

    if (IstTexteingabe(dokTyp, m_modus)) {
        for (int i = 0; i < int(m_liste.size()); ++i) {
            const int ziel = m_liste[size_t(i)].Ziel;
            if (ziel < 0)
                continue;
            const ObjDataTyp &z = objekte[size_t(ziel)];
            UebElement e;
            e.Art = ElementArt::Eingabefeld;
            e.Nummer = i;
            e.Objekt = ziel;
            e.Sichtbar = z.Typ == objAbfrageBeschriftung || z.Typ == objAbfrageLuecke || z.Typ == objKreuzwortGitter;
            e.Flaeche = elementfarbe::Feld;
            e.Textfarbe = elementfarbe::Feldtext;
            if (m_einst.AnzZeichenVorgeben) {
                e.Text = QLatin1Char('<') + QString::number(z.Cap.size()) + QLatin1Char('>');
                e.Hinweis = true;
                e.Textfarbe = elementfarbe::Feldhinweis;
            }
            ElementHinzufuegen(e);
        }
        for (int i = 0; i < int(objekte.size()); ++i)
            if (objekte[size_t(i)].Typ == 26) {
                ElementHinzufuegen(weiter(i));
                break;
            }
    } else if (IstZuordnungstyp(dokTyp)) {
        for (int i = int(m_liste.size()) - 1; i >= 0; --i)
            ElementHinzufuegen(karte(i, m_liste[size_t(i)].Karte));
    } else if (dokTyp == dokEinzelfragen) {
        for (int i = 0; i < int(m_liste.size()); ++i) {
            UebElement e = karte(i, m_liste[size_t(i)].Karte);
            e.Sichtbar = false;
            ElementHinzufuegen(e);
        }
    } else if (dokTyp == dokMultipleChoice) {
        for (int i = 0; i < int(objekte.size()); ++i) {
            const ObjDataTyp &o = objekte[size_t(i)];
            if (o.Typ == 24) {
                UebElement e;
                e.Art = ElementArt::Ankreuzfeld;
                e.Nummer = i;
                e.Objekt = i;
                e.Text = o.Cap.left(1) + QLatin1Char('-');
                e.Sichtbar = false;
                ElementHinzufuegen(e);
            } else if (o.Typ == 26) {
                UebElement e = weiter(i);
                e.Sichtbar = false;
                ElementHinzufuegen(e);
            }
        }
    } else if (dokTyp == dokKreuzZuordnung) {
        for (int i = 0; i < int(m_liste.size()); ++i) {
            UebElement e;
            e.Art = ElementArt::Kreuzflaeche;
            e.Nummer = m_liste[size_t(i)].Ziel;
            e.Objekt = m_liste[size_t(i)].Ziel;
            e.Platz = i;
            e.Rechteck = QRect(0, 0, 40, 40);
            ElementHinzufuegen(e);
        }
    } else if (dokTyp == dokWoerterFinden) {
        for (int i = 0; i < int(objekte.size()); ++i)
            if (objekte[size_t(i)].Typ == 26)
                ElementHinzufuegen(weiter(i));
    }
    ElementeAnordnen();
}

// The input field on a target: its font from the target, its width from the
// caption, its place from the target's card point and alignment.
static QRect FeldRechteck(const ObjDataTyp &z, const HeaderDataTyp &kopf, QPoint punkt, double s, bool anzZeichen,
                          const QRect &bisher, int &schrifthoehe)
{
    schrifthoehe = std::max(1, BeschriftungsHoehe(z.Fsize, s));
    if (z.Typ == objAbfrageLuecke && kopf.TextSchriftHoehe != 0)
        schrifthoehe = std::max(1, std::abs(kopf.TextSchriftHoehe));
    const QFontMetrics fm(Schrift(QStringLiteral("Arial"), schrifthoehe));
    const QString cap = QString(z.Cap).replace(QLatin1String("\r\n"), QLatin1String(" "));
    int w = 0;
    if ((kopf.DokTyp == dokBildbeschriftung || kopf.DokTyp == dokKreuzwortraetsel) && !anzZeichen) {
        w = std::max(fm.horizontalAdvance(QStringLiteral(" X")), fm.horizontalAdvance(QLatin1Char(' ') + cap));
    } else {
        const int min = std::clamp(kopf.MinLuecke, 0, kMinLueckeMax);
        w = std::max({fm.horizontalAdvance(QStringLiteral(" XX")), fm.horizontalAdvance(QLatin1Char(' ') + cap),
                      fm.horizontalAdvance(QLatin1Char(' ') + QString(min, QLatin1Char('X')))});
    }
    w = std::max(8, w - 2);
    const int h = fm.height();
    const int x = punkt.x(), y = punkt.y();
    const int halb = (w + 1) / 2;
    if (z.Typ == objAbfrageLuecke)
        return QRect(x - halb, y - h - 4 - 2 * Runden(s), w, h);
    switch (z.KAusrAkt) {
    case 1: return QRect(x, y - Runden(h / 2.0), w, h);
    case 2: return QRect(x - halb, y - h - Runden(2 * s), w, h);
    case 3: return QRect(x - w, y - Runden(h / 2.0), w, h);
    case 4: return QRect(x - halb, y + Runden(2 * s), w, h);
    case 5: return QRect(x - halb, y - Runden(h / 2.0), w, h);
    default: return QRect(bisher.topLeft(), QSize(w, h));
    }
}

void Uebung::ElementeAnordnen()
{
    const int dokTyp = m_dok.Kopf.DokTyp;
    const int W = m_panel.width(), H = m_panel.height();
    const int iw = Bildbreite();
    const double s = iw / 870.0;
    auto &objekte = m_dok.Objekte;
    auto untenRechts = [&](UebElement &e) {
        e.Rechteck = QRect(W - 1 - kKartenBreite, H - 1 - kKartenHoehe, kKartenBreite, kKartenHoehe);
    };

    if (IstTexteingabe(dokTyp, m_modus)) {
        for (UebElement &e : m_elemente) {
            if (e.Art == ElementArt::Weiter) {
                untenRechts(e);
            } else if (e.Art == ElementArt::Eingabefeld) {
                const ObjDataTyp &z = objekte[size_t(e.Objekt)];
                e.Rechteck = FeldRechteck(z, m_dok.Kopf, Ansichtspunkt(z.Kx, z.Ky), s, m_einst.AnzZeichenVorgeben != 0,
                                          e.Rechteck, e.Schrifthoehe);
            }
        }
        return;
    }
    if (IstZuordnungstyp(dokTyp)) {
        const int x0 = W - kKartenBreite;
        if (m_modus == abfEinzelTexte) {
            for (UebElement &e : m_elemente) {
                e.Rechteck.moveTo(x0, (H - e.Rechteck.height()) / 2);
                e.Ursprung = e.Rechteck.topLeft();
            }
            return;
        }
        // piles from the bottom up, the last entry lowest
        std::vector<UebElement *> folge;
        for (UebElement &e : m_elemente)
            folge.push_back(&e);
        std::stable_sort(folge.begin(), folge.end(),
                         [](const UebElement *a, const UebElement *b) { return a->Nummer > b->Nummer; });
        int stapel = 0, unten = H, x = x0;
        bool erste = true;
        for (UebElement *e : folge) {
            const int h = e->Rechteck.height();
            int oben = unten - (h + 2);
            if (oben < 100 && !erste) {
                ++stapel;
                x = x0 - 12 * stapel;
                unten = H - 7 * stapel;
                oben = unten - (h + 2);
            }
            e->Rechteck.moveTo(x, oben);
            e->Ursprung = e->Rechteck.topLeft();
            unten = oben;
            erste = false;
        }
        return;
    }
    if (dokTyp == dokEinzelfragen) {
        const auto &r = m_dok.Kopf.EinrueckRand;
        const double l = Rand(r[0]), t = Rand(r[1]), rr = Rand(r[2]), b = Rand(r[3]);
        const int ih = std::max(1, m_ansicht.PageBitmap.height());
        const double rahmenB = (1 - l - rr) * iw, rahmenH = (1 - t - b) * ih;
        const int kb = std::max(150, Runden(rahmenB * 0.32));
        const int abstand = std::max(20, Runden(rahmenB * 0.02));
        const int kh = std::max(46, Runden(rahmenH * 0.1));
        const QPoint ecke = Ansichtspunkt(l, t + (1 - t - b) * 0.415 / 0.64);
        const int links = ecke.x() + 4, oben = ecke.y();
        for (UebElement &e : m_elemente) {
            if (e.Platz < 0)
                continue;
            const int spalte = e.Platz % 3, reihe = e.Platz / 3;
            e.Rechteck = QRect(links + spalte * (kb + abstand), oben + reihe * (kh + abstand), kb, kh);
        }
        return;
    }
    if (dokTyp == dokMultipleChoice) {
        const int seite = std::max(1, Runden(iw * 34.0 / 870));
        const auto &karte = m_ansicht.Antwortzuordnung;
        for (UebElement &e : m_elemente) {
            int platz = e.Objekt;
            if (size_t(e.Objekt) < karte.size() && karte[size_t(e.Objekt)] >= 0)
                platz = karte[size_t(e.Objekt)];
            const ObjDataTyp &p = objekte[size_t(platz)];
            const QPoint q = Ansichtspunkt(p.Kx, p.Ky);
            if (e.Art == ElementArt::Ankreuzfeld)
                e.Rechteck = QRect(q.x() + 10, q.y() - Runden(seite / 2.0), seite, seite);
            else
                e.Rechteck = QRect(q.x() + 10, q.y(), kKartenBreite, seite);
        }
        return;
    }
    if (dokTyp == dokKreuzZuordnung) {
        for (UebElement &e : m_elemente) {
            const ObjDataTyp &o = objekte[size_t(e.Objekt)];
            QPoint q = Ansichtspunkt(o.Kx, o.Ky);
            if (o.KAusr == 5) {
                double breite = o.KartRect[0] >= 0 ? (o.KartRect[2] - o.KartRect[0]) : o.KartBreite;
                breite = std::isfinite(breite) ? std::clamp(breite, 0.0, 1.0) : 0.0;
                q.rx() -= Runden(0.5 * breite * iw);
            }
            const int links = e.Platz % 2 == 0 ? q.x() + 9 : q.x() - 50;
            e.Rechteck = QRect(links, q.y() - 20, 40, 40);
        }
        return;
    }
    if (dokTyp == dokWoerterFinden)
        for (UebElement &e : m_elemente)
            untenRechts(e);
}

// ------------------------------------------------------ the current query

void Uebung::AktuellesZeigen()
{
    const int dokTyp = m_dok.Kopf.DokTyp;
    if (dokTyp == dokEinzelfragen) {
        FrageZeigen();
    } else if (dokTyp == dokMultipleChoice) {
        MCFrageZeigen();
    } else if (IstZuordnungstyp(dokTyp) && m_modus == abfEinzelTexte) {
        EinzelKarteZeigen();
    } else if (IstZuordnungstyp(dokTyp) && m_modus == abfEinzelPositionen) {
        EinzelPositionZeigen();
    }
}

void Uebung::EinzelKarteZeigen()
{
    const int a = m_daten.AktAbfrage;
    for (UebElement &e : m_elemente)
        e.Sichtbar = e.Nummer == a;
    if (a >= 0 && a < int(m_liste.size())) {
        ProtokollEintrag p = Eintrag(ProtokollArt::KarteGezeigt);
        p.Karte = m_liste[size_t(a)].Karte;
        // the text shown on the card, empty for an image card
        for (const UebElement &e : m_elemente)
            if (e.Nummer == a)
                p.KarteText = e.Text;
        Protokoll(p);
    }
    ElementeAnordnen();
    Melden(aendElemente | aendAnweisung);
}

void Uebung::EinzelPositionZeigen()
{
    const int ziel = AktuellesZiel();
    m_ansicht.AktAbfrageObjekt = ziel;
    ProtokollEintrag p = Eintrag(ProtokollArt::PositionGezeigt);
    p.Ziel = ziel;
    Protokoll(p);
    AnsichtNeu();
    Melden(aendAnweisung);
}

void Uebung::FrageZeigen()
{
    const int ziel = AktuellesZiel();
    if (ziel < 0)
        return;
    m_ansicht.AktFrageNummer = m_dok.Objekte[size_t(ziel)].FrageNummer;
    AlleKartenVerstecken();
    for (UebElement &e : m_elemente)
        e.Platz = -1;
    std::vector<UebElement *> gezeigt;
    QStringList texte;
    for (UebElement &e : m_elemente)
        if (e.Objekt == ziel) {
            e.Sichtbar = true;
            gezeigt.push_back(&e);
            texte << e.Text;
            break;
        }
    // up to five other answers, each text once
    const int n = int(m_elemente.size());
    for (int runde = 0; runde < 5 && n > 0; ++runde) {
        for (int versuch = 0; versuch < 100; ++versuch) {
            const int nummer = m_zufall.Random(int(m_liste.size()));
            UebElement *kandidat = nullptr;
            for (UebElement &e : m_elemente)
                if (e.Nummer == nummer)
                    kandidat = &e;
            if (kandidat && !kandidat->Sichtbar && !texte.contains(kandidat->Text)) {
                kandidat->Sichtbar = true;
                gezeigt.push_back(kandidat);
                texte << kandidat->Text;
                break;
            }
        }
    }
    const int plaetze = std::min(int(gezeigt.size()), 6);
    if (m_einst.Zuordnungstexte == 1) {
        std::vector<int> frei;
        for (int i = 0; i < plaetze; ++i)
            frei.push_back(i);
        for (UebElement *e : gezeigt) {
            const int k = m_zufall.Random(int(frei.size()));
            e->Platz = frei[size_t(k)];
            frei.erase(frei.begin() + k);
        }
    } else {
        std::vector<UebElement *> geordnet = gezeigt;
        std::sort(geordnet.begin(), geordnet.end(),
                  [](const UebElement *a, const UebElement *b) { return a->Nummer < b->Nummer; });
        for (int i = 0; i < int(geordnet.size()); ++i)
            geordnet[size_t(i)]->Platz = i;
    }
    ElementeAnordnen();

    ProtokollEintrag p = Eintrag(ProtokollArt::FrageGezeigt);
    p.Ziel = ziel;
    p.FrageNummer = m_ansicht.AktFrageNummer;
    for (const ObjDataTyp &o : m_dok.Objekte)
        if (o.Typ == objFrageText && o.FrageNummer == p.FrageNummer)
            p.Fragetext = normText(o.Cap);
    std::vector<UebElement *> nachPlatz = gezeigt;
    std::sort(nachPlatz.begin(), nachPlatz.end(),
              [](const UebElement *a, const UebElement *b) { return a->Platz < b->Platz; });
    for (const UebElement *e : nachPlatz) {
        p.Optionen << normText(e->Text);
        p.Loesungen.push_back(e->Objekt == ziel);
    }
    Protokoll(p);
    AnsichtNeu();
    Melden(aendElemente | aendAnweisung);
}

void Uebung::MCFrageZeigen()
{
    const int ziel = AktuellesZiel();
    if (ziel < 0)
        return;
    const int frage = m_dok.Objekte[size_t(ziel)].FrageNummer;
    m_ansicht.AktFrageNummer = frage;
    for (UebElement &e : m_elemente) {
        const ObjDataTyp &o = m_dok.Objekte[size_t(e.Objekt)];
        e.Sichtbar = o.FrageNummer == frage;
        if (e.Art == ElementArt::Ankreuzfeld)
            e.Text = o.Cap.left(1) + QLatin1Char('-');
        e.Flaeche = elementfarbe::Karte;
    }
    ElementeAnordnen();

    ProtokollEintrag p = Eintrag(ProtokollArt::FrageGezeigt);
    p.Ziel = ziel;
    p.FrageNummer = frage;
    const ObjDataTyp &q = m_dok.Objekte[size_t(ziel)];
    const QStringList felder = KommatextLesen(q.Cap);
    p.Fragetext = normText(felder.value(0));
    p.FrageMitBild = q.Typ == objMCFrageBild;
    // the options in the order the boxes stand
    std::vector<std::pair<int, int>> kaesten; // place, box
    const auto &karte = m_ansicht.Antwortzuordnung;
    for (int i = 0; i < int(m_dok.Objekte.size()); ++i)
        if (m_dok.Objekte[size_t(i)].Typ == 24 && m_dok.Objekte[size_t(i)].FrageNummer == frage)
            kaesten.emplace_back(size_t(i) < karte.size() ? karte[size_t(i)] : i, i);
    std::sort(kaesten.begin(), kaesten.end());
    for (const auto &[platz, kasten] : kaesten) {
        const int text = kasten + 1;
        p.Optionen << (text < int(m_dok.Objekte.size()) ? normText(m_dok.Objekte[size_t(text)].Cap) : QString());
        p.Loesungen.push_back(m_dok.Objekte[size_t(kasten)].Cap.startsWith(QLatin1Char('+')));
    }
    Protokoll(p);
    AnsichtNeu();
    Melden(aendElemente | aendAnweisung);
}

// ------------------------------------------------------------ the targets

std::vector<QRectF> Uebung::Koerbe() const
{
    std::vector<QRectF> koerbe;
    if (m_dok.Kopf.DokTyp != dokCluster)
        return koerbe;
    const auto &r = m_dok.Kopf.EinrueckRand;
    const double l = Rand(r[0]), t = Rand(r[1]), rr = Rand(r[2]), b = Rand(r[3]);
    const int spalten = std::clamp(m_dok.Kopf.LueckenTabelleSpalten, 1, kTabelleMaxSpalten);
    const double breite = (1 - l - rr) / spalten;
    for (int k = 0; k < spalten; ++k)
        koerbe.emplace_back(l + k * breite, t, breite, 1 - b - t);
    return koerbe;
}

std::optional<QPoint> Uebung::Zielmitte(int objekt) const
{
    if (objekt < 0 || objekt >= int(m_dok.Objekte.size()))
        return std::nullopt;
    const auto &r = m_dok.Objekte[size_t(objekt)].KartRect;
    if (r[0] < 0)
        return std::nullopt;
    const QPointF m = m_ansicht.SeiteZuAnsicht(QPointF((r[0] + r[2]) / 2, (r[1] + r[3]) / 2));
    return QPoint(int(std::floor(m.x())), int(std::floor(m.y())));
}

std::optional<QPoint> Uebung::Korbmitte(int korb) const
{
    const std::vector<QRectF> koerbe = Koerbe();
    if (korb < 1 || korb > int(koerbe.size()))
        return std::nullopt;
    const QPointF m = m_ansicht.SeiteZuAnsicht(koerbe[size_t(korb - 1)].center());
    return QPoint(int(std::floor(m.x())), int(std::floor(m.y())));
}

int Uebung::KorbBei(QPointF bruch) const
{
    const std::vector<QRectF> koerbe = Koerbe();
    for (size_t k = 0; k < koerbe.size(); ++k) {
        const QRectF &r = koerbe[k];
        if (r.left() <= bruch.x() && bruch.x() < r.right() && r.top() <= bruch.y() && bruch.y() < r.bottom())
            return int(k) + 1;
    }
    return -1;
}

bool Uebung::IstZielkandidat(int objekt) const
{
    if (objekt < 0 || objekt >= int(m_dok.Objekte.size()))
        return false;
    const ObjDataTyp &o = m_dok.Objekte[size_t(objekt)];
    static constexpr int arten[] = {0, 3, 6, 10, 24, 32, 34, 41, 43, 60};
    if (std::find(std::begin(arten), std::end(arten), o.Typ) == std::end(arten))
        return false;
    if (o.AnzeigeNummer < 0 || o.Abgedeckt != abgAusstehend)
        return false;
    if ((o.Typ == objFrageAntwort || o.Typ == 24) && o.FrageNummer != AktuelleFrage())
        return false;
    if (IstZuordnungstyp(m_dok.Kopf.DokTyp) && m_modus == abfEinzelPositionen && objekt != AktuellesZiel())
        return false;
    return true;
}

std::vector<int> Uebung::Zielkandidaten() const
{
    // in the order of their numbers: the order of the list
    std::vector<int> ziele;
    for (const AbfrageEintrag &e : m_liste)
        if (IstZielkandidat(e.Ziel) && std::find(ziele.begin(), ziele.end(), e.Ziel) == ziele.end())
            ziele.push_back(e.Ziel);
    return ziele;
}

int Uebung::ZielUnterKarte(const QRect &karte) const
{
    const QPointF lo = Seitenbruch(karte.topLeft());
    const QPointF ru = Seitenbruch(QPoint(karte.left() + karte.width(), karte.top() + karte.height()));
    const QPointF mitteLinks = Seitenbruch(QPoint(karte.left(), karte.top() + karte.height() / 2));
    const int n = int(m_dok.Objekte.size());
    for (int i = 0; i < n; ++i)
        if (IstZielkandidat(i) && m_dok.Objekte[size_t(i)].KartRect[0] >= 0
            && Enthaelt(m_dok.Objekte[size_t(i)].KartRect, mitteLinks))
            return i;
    for (int i = 0; i < n; ++i) {
        if (!IstZielkandidat(i))
            continue;
        const auto &r = m_dok.Objekte[size_t(i)].KartRect;
        if (r[0] >= 0 && lo.x() < r[2] && r[0] < ru.x() && lo.y() < r[3] && r[1] < ru.y())
            return i;
    }
    return -1;
}

QRect Uebung::ObjektRechteck(int objekt) const
{
    if (objekt < 0 || objekt >= int(m_dok.Objekte.size()))
        return {};
    const auto &r = m_dok.Objekte[size_t(objekt)].KartRect;
    if (r[0] < 0)
        return {};
    return QRect(Ansichtspunkt(r[0], r[1]), Ansichtspunkt(r[2], r[3]) - QPoint(1, 1));
}

QRect Uebung::Auswahlrahmen() const
{
    if (m_zieht < 0 && !m_zielwahl)
        return {};
    if (m_korb >= 1) {
        const std::vector<QRectF> koerbe = Koerbe();
        if (m_korb > int(koerbe.size()))
            return {};
        const QRectF &k = koerbe[size_t(m_korb - 1)];
        return QRect(Ansichtspunkt(k.left(), k.top()), Ansichtspunkt(k.right(), k.bottom()) - QPoint(1, 1));
    }
    if (m_auswahl < 0 || m_auswahl >= int(m_dok.Objekte.size()))
        return {};
    const auto &r = m_dok.Objekte[size_t(m_auswahl)].KartRect;
    if (r[0] < 0)
        return {};
    return QRect(Ansichtspunkt(r[0], r[1]), Ansichtspunkt(r[2], r[3]) - QPoint(1, 1)).adjusted(-4, -4, 4, 4);
}

// ---------------------------------------------------- instruction, status

QString Uebung::Anweisung() const
{
    if (!m_laeuft)
        return {};
    const int m = m_modus;
    switch (m_dok.Kopf.DokTyp) {
    case dokBildbeschriftung:
    case dokKreuzwortraetsel: {
        static const char *const t[] = {"Ziehe die Kärtchen an die jeweils richtige Position!",
                                        "Ziehe das Kärtchen an die richtige Position!",
                                        "Ziehe das richtige Kärtchen an die markierte Position!", ""};
        return QString::fromUtf8(t[std::clamp(m, 0, 3)]);
    }
    case dokLueckentext: {
        static const char *const t[] = {"Ziehe die Lückentexte an die jeweils richtige Position!",
                                        "Ziehe den Lückentext an die richtige Position!",
                                        "Ziehe den richtigen Lückentext an die markierte Position!",
                                        "Fülle die Textlücken richtig aus!"};
        return QString::fromUtf8(t[std::clamp(m, 0, 3)]);
    }
    case dokCluster: {
        static const char *const t[] = {"Ziehe die Kärtchen in den jeweils richtigen Korb!",
                                        "Ziehe das Kärtchen in den richtigen Korb!",
                                        "Ziehe ein passendes Kärtchen an die markierte Position!", ""};
        return QString::fromUtf8(t[std::clamp(m, 0, 3)]);
    }
    case dokEinzelfragen: return QStringLiteral("Klicke auf die richtige Antwort!");
    case dokMultipleChoice: return QStringLiteral("Markiere alle zutreffenden Antworten!");
    case dokKreuzZuordnung:
        return QStringLiteral("Klicke zusammen- gehörige Elemente nacheinander an, um diese mit einer Linie zu "
                              "verbinden!");
    case dokWoerterFinden: return QStringLiteral("Klicke die richtigen Textstellen an!");
    }
    return {};
}

StatusAnzeige Uebung::Status() const
{
    StatusAnzeige s;
    QString name = (m_daten.UebArt == uebNetzTeilnahme ? m_daten.NetzTeilnehmerName : m_daten.TeilnehmerName).trimmed();
    s.Name = name.isEmpty() ? QStringLiteral("-") : name;
    s.Von = QStringLiteral("von  ") + QString::number(m_daten.AnzAbfragen);
    const bool verborgen = (m_daten.RiFaRueckmeldung == 1 && m_daten.OffenePositionen > 0) || m_daten.ZuordnungFalsch == 2;
    s.Richtig = verborgen ? QStringLiteral("?") : m_daten.RichtigText;
    s.Falsch = verborgen ? QStringLiteral("?") : m_daten.FalschText;
    s.Quote = verborgen ? QStringLiteral("?") : m_daten.QuoteText;
    s.Leistung = verborgen ? QStringLiteral("?") : m_daten.LeistungText;
    s.UhrBeschriftung = m_daten.Zeitlimit == zlMitLimit ? QStringLiteral("Verbleibende Zeit:")
                                                         : QStringLiteral("Benötigte Zeit:");
    s.Uhr = m_uhrtext;
    s.UhrSichtbar = m_daten.Zeitlimit != zlOhneOhneUhr;
    return s;
}

} // namespace kalumo
