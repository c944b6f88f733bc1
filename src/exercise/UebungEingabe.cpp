// Mouse and keys on the exercise panel: dragging cards with the search for
// the target under them, the clicks of every type, clicks on the view, and
// the keyboard (Tab through the cards, arrows or Tab to a target, Enter to
// drop, Space to tick, Enter on "Weiter" to judge).
//
// Input that arrives during a feedback pause is dropped, never queued.

#include "exercise/Uebung.h"

#include "learnview/Objektarten.h"

#include <algorithm>

namespace kalumo {

namespace {

// Qt::Key values, so that this window-free code needs no Qt Widgets.
constexpr int kTab = 0x01000001, kBacktab = 0x01000002, kReturn = 0x01000004, kEnter = 0x01000005;
constexpr int kEscape = 0x01000000, kSpace = 0x20;
constexpr int kLinks = 0x01000012, kOben = 0x01000013, kRechts = 0x01000014, kUnten = 0x01000015;
constexpr int kShift = 0x02000000;

bool IstOeffenbar(const ObjDataTyp &o)
{
    return (artdetail::enthalten<2, 4, 5, 8, 33>(o.Typ) && o.Ebene == ebeneInfopunkte && o.PunktInUebung != 0)
           || o.Typ == 28 || o.Typ == 29;
}

} // namespace

bool Uebung::Eingabebereit() const
{
    return m_laeuft && m_daten.EndeGrund == endeLaeuft && !Pausiert();
}

// ------------------------------------------------------------------ mouse

bool Uebung::MausDruck(QPoint p, Maustaste taste)
{
    m_entscheidung = {};
    if (!Eingabebereit())
        return false;
    m_letzterPunkt = p;
    const int kennung = ElementBei(p);
    UebElement *e = ElementVon(kennung);
    if (!e)
        return KlickInAnsicht(p, taste);
    m_fokus = kennung;
    const int dokTyp = m_dok.Kopf.DokTyp;
    switch (e->Art) {
    case ElementArt::Karte:
        if (dokTyp == dokEinzelfragen) {
            if (taste == Maustaste::Rechts)
                return false;
            m_auswahl = AktuellesZiel();
            m_geklickt = kennung;
            return true;
        }
        if (!Ziehbar() || taste != Maustaste::Links)
            return false;
        e->Stapel = ++m_stapel;
        e->Ursprung = e->Rechteck.topLeft();
        m_zieht = kennung;
        m_zielwahl = false;
        Melden(aendElemente);
        return true;
    case ElementArt::Ankreuzfeld:
        if (taste != Maustaste::Links)
            return false;
        e->Text = e->Text.left(1) + (e->Angekreuzt() ? QLatin1Char('-') : QLatin1Char('+'));
        Melden(aendElemente);
        return true;
    case ElementArt::Weiter:
        if (taste == Maustaste::Rechts)
            return false;
        if (dokTyp == dokMultipleChoice) {
            m_auswahl = AktuellesZiel();
            if (Dienste.Oberflaeche)
                Dienste.Oberflaeche->InfofensterSchliessen();
        } else {
            m_auswahl = kAllesAuswerten;
        }
        m_geklickt = kennung;
        return true;
    case ElementArt::Kreuzflaeche: {
        if (taste == Maustaste::Rechts)
            return false;
        if (m_zweites >= 0 && (m_zweites % 2) != (e->Objekt % 2)) {
            e->Flaeche = elementfarbe::KreuzMarkiert;
            e->Text = QStringLiteral("X");
            m_auswahl = e->Objekt;
            m_geklickt = kennung;
        } else {
            for (UebElement &x : m_elemente) {
                x.Flaeche = elementfarbe::Karte;
                x.Text.clear();
            }
            e->Flaeche = elementfarbe::KreuzMarkiert;
            e->Text = QStringLiteral("X");
            m_zweites = e->Objekt;
        }
        Melden(aendElemente);
        return true;
    }
    case ElementArt::Eingabefeld:
        return FeldKlick(kennung);
    }
    return false;
}

bool Uebung::MausBewegung(QPoint p, bool linksGedrueckt)
{
    if (!Eingabebereit() || m_zieht < 0 || !linksGedrueckt) {
        m_letzterPunkt = p;
        return false;
    }
    UebElement *e = ElementVon(m_zieht);
    if (!e)
        return false;
    // the card follows the mouse, always inside the panel
    QRect r = e->Rechteck.translated(p - m_letzterPunkt);
    r.moveLeft(std::clamp(r.left(), 0, std::max(0, m_panel.width() - r.width())));
    r.moveTop(std::clamp(r.top(), 0, std::max(0, m_panel.height() - r.height())));
    e->Rechteck = r;
    m_letzterPunkt = p;
    const int altZiel = m_auswahl, altKorb = m_korb;
    m_korb = -1;
    m_auswahl = kKeineAuswahl;
    if (m_dok.Kopf.DokTyp == dokCluster)
        m_korb = KorbBei(Seitenbruch(r.center()));
    if (m_korb < 1)
        m_auswahl = ZielUnterKarte(r);
    unsigned was = aendElemente;
    if (altZiel != m_auswahl || altKorb != m_korb)
        was |= aendAuswahl;
    Melden(was);
    return true;
}

bool Uebung::MausLos(QPoint p, Maustaste taste)
{
    m_letzterPunkt = p;
    if (!Eingabebereit()) {
        m_zieht = -1;
        return false;
    }
    if (m_zieht >= 0) {
        const int karte = m_zieht;
        m_zieht = -1;
        const UebElement *e = Element(karte);
        const bool treffer = m_auswahl >= 0 || m_korb >= 1;
        if (taste == Maustaste::Rechts || !e || !e->Sichtbar || !treffer) {
            // nothing is judged; the card stays where it was dropped
            m_auswahl = kKeineAuswahl;
            m_korb = -1;
            Melden(aendAuswahl);
            return taste != Maustaste::Rechts;
        }
        Antwort(karte);
        return true;
    }
    if (m_geklickt >= 0) {
        const int karte = m_geklickt;
        m_geklickt = -1;
        if (taste == Maustaste::Rechts)
            return false;
        Antwort(karte);
        return true;
    }
    return false;
}

bool Uebung::KlickInAnsicht(QPoint p, Maustaste taste)
{
    if (taste != Maustaste::Links || p.x() >= m_daten.BildBreite)
        return false;
    const QPointF f = Seitenbruch(p);
    const auto &objekte = m_dok.Objekte;
    const bool woerter = m_dok.Kopf.DokTyp == dokWoerterFinden;
    for (int i = int(objekte.size()) - 1; i >= 0; --i) {
        const ObjDataTyp &o = objekte[size_t(i)];
        const bool stelle = woerter && (o.Typ == 70 || o.Typ == 71);
        if (!stelle && !IstOeffenbar(o))
            continue;
        const auto &r = o.KartRect;
        if (!(r[0] <= f.x() && f.x() < r[2] && r[1] <= f.y() && f.y() < r[3]))
            continue;
        if (stelle) {
            ObjDataTyp &s = m_dok.Objekte[size_t(i)];
            s.Abgedeckt = s.Abgedeckt == abgMarkiert ? abgAufgedeckt : abgMarkiert;
            m_fokusObjekt = i;
            ZielAktualisieren(i);
        } else {
            m_oeffnen = i;
            if (Dienste.Oberflaeche)
                Dienste.Oberflaeche->ObjektOeffnen(i);
        }
        return true;
    }
    return false;
}

Zeigerform Uebung::ZeigerFuer(QPoint p) const
{
    if (!m_laeuft)
        return Zeigerform::Standard;
    if (const UebElement *e = Element(ElementBei(p))) {
        const int dokTyp = m_dok.Kopf.DokTyp;
        if (e->Art == ElementArt::Weiter || dokTyp == dokEinzelfragen || dokTyp == dokMultipleChoice
            || dokTyp == dokKreuzZuordnung)
            return Zeigerform::Handpunkt;
        if (e->Art == ElementArt::Eingabefeld)
            return Zeigerform::Text;
        return Zeigerform::Hand;
    }
    if (p.x() >= m_daten.BildBreite)
        return Zeigerform::Standard;
    const QPointF f = Seitenbruch(p);
    for (const ObjDataTyp &o : m_dok.Objekte) {
        const bool stelle = m_dok.Kopf.DokTyp == dokWoerterFinden && (o.Typ == 70 || o.Typ == 71);
        if (!stelle && !IstOeffenbar(o))
            continue;
        const auto &r = o.KartRect;
        if (r[0] <= f.x() && f.x() < r[2] && r[1] <= f.y() && f.y() < r[3])
            return Zeigerform::Handpunkt;
    }
    return Zeigerform::Standard;
}

// ---------------------------------------------------------- input fields

bool Uebung::FeldKlick(int kennung)
{
    UebElement *e = ElementVon(kennung);
    if (!Eingabebereit() || !e || e->Art != ElementArt::Eingabefeld || !e->Sichtbar)
        return false;
    m_fokus = kennung;
    if (e->Hinweis || (e->Text.startsWith(QLatin1Char('<')) && e->Text.endsWith(QLatin1Char('>')))) {
        e->Text.clear();
        e->Hinweis = false;
        e->Textfarbe = elementfarbe::Feldtext;
        Melden(aendElemente);
    }
    return true;
}

bool Uebung::FeldText(int kennung, const QString &text)
{
    UebElement *e = ElementVon(kennung);
    if (!Eingabebereit() || !e || e->Art != ElementArt::Eingabefeld || !e->Sichtbar)
        return false;
    e->Text = text.left(kFeldMaxLaenge);
    e->Hinweis = false;
    e->Textfarbe = elementfarbe::Feldtext;
    Melden(aendElemente);
    return true;
}

// --------------------------------------------------------------- keyboard

bool Uebung::Fokussierbar(const UebElement &e) const
{
    if (!e.Sichtbar)
        return false;
    switch (e.Art) {
    case ElementArt::Karte: return Ziehbar() || m_dok.Kopf.DokTyp == dokEinzelfragen;
    default: return true;
    }
}

// Tab through the elements in the order the panel shows them: top to
// bottom, then left to right (and the find-words spots before "Weiter").
bool Uebung::FokusWeiter(int richtung)
{
    struct Halt
    {
        int Kennung = -1;
        int Objekt = -1;
        QPoint Ort;
    };
    std::vector<Halt> halte;
    for (const UebElement &e : m_elemente)
        if (Fokussierbar(e))
            halte.push_back({e.Kennung, -1, e.Rechteck.topLeft()});
    if (m_dok.Kopf.DokTyp == dokWoerterFinden)
        for (int i = 0; i < int(m_dok.Objekte.size()); ++i) {
            const ObjDataTyp &o = m_dok.Objekte[size_t(i)];
            if ((o.Typ == 70 || o.Typ == 71) && o.KartRect[0] >= 0)
                halte.push_back({-1, i, Ansichtspunkt(o.KartRect[0], o.KartRect[1]) - QPoint(0, 100000)});
        }
    if (halte.empty())
        return false;
    std::stable_sort(halte.begin(), halte.end(), [](const Halt &a, const Halt &b) {
        if (a.Ort.y() != b.Ort.y())
            return a.Ort.y() < b.Ort.y();
        return a.Ort.x() < b.Ort.x();
    });
    int jetzt = -1;
    for (int i = 0; i < int(halte.size()); ++i)
        if ((m_fokus >= 0 && halte[size_t(i)].Kennung == m_fokus)
            || (m_fokus < 0 && m_fokusObjekt >= 0 && halte[size_t(i)].Objekt == m_fokusObjekt))
            jetzt = i;
    const int n = int(halte.size());
    const int neu = jetzt < 0 ? (richtung > 0 ? 0 : n - 1) : ((jetzt + richtung) % n + n) % n;
    m_fokus = halte[size_t(neu)].Kennung;
    m_fokusObjekt = halte[size_t(neu)].Objekt;
    Melden(aendAuswahl);
    return true;
}

// Arrows or Tab while a card is chosen: the next target (cluster: basket).
bool Uebung::ZielWaehlen(int richtung)
{
    if (m_dok.Kopf.DokTyp == dokCluster) {
        const int n = int(Koerbe().size());
        if (n == 0)
            return false;
        m_korb = m_korb < 1 ? (richtung > 0 ? 1 : n) : ((m_korb - 1 + richtung) % n + n) % n + 1;
        m_auswahl = kKeineAuswahl;
    } else {
        const std::vector<int> ziele = Zielkandidaten();
        if (ziele.empty())
            return false;
        const auto pos = std::find(ziele.begin(), ziele.end(), m_auswahl);
        const int n = int(ziele.size());
        int i = pos == ziele.end() ? (richtung > 0 ? 0 : n - 1) : int(pos - ziele.begin()) + richtung;
        i = (i % n + n) % n;
        m_auswahl = ziele[size_t(i)];
    }
    m_zielwahl = true;
    Melden(aendAuswahl);
    return true;
}

bool Uebung::Eingabetaste()
{
    UebElement *e = ElementVon(m_fokus);
    if (!e)
        return false;
    const int kennung = e->Kennung;
    const QPoint mitte = e->Rechteck.center();
    switch (e->Art) {
    case ElementArt::Karte:
        if (m_dok.Kopf.DokTyp == dokEinzelfragen) {
            MausDruck(mitte, Maustaste::Links);
            return MausLos(mitte, Maustaste::Links);
        }
        if (!m_zielwahl || (m_auswahl < 0 && m_korb < 1))
            return ZielWaehlen(+1);
        Antwort(kennung);
        m_zielwahl = false;
        return true;
    case ElementArt::Weiter:
    case ElementArt::Kreuzflaeche:
        MausDruck(mitte, Maustaste::Links);
        MausLos(mitte, Maustaste::Links);
        return true;
    case ElementArt::Ankreuzfeld:
        return Leertaste();
    case ElementArt::Eingabefeld:
        return FokusWeiter(+1);
    }
    return false;
}

bool Uebung::Leertaste()
{
    if (m_fokus < 0 && m_fokusObjekt >= 0) {
        ObjDataTyp &s = m_dok.Objekte[size_t(m_fokusObjekt)];
        s.Abgedeckt = s.Abgedeckt == abgMarkiert ? abgAufgedeckt : abgMarkiert;
        ZielAktualisieren(m_fokusObjekt);
        return true;
    }
    UebElement *e = ElementVon(m_fokus);
    if (!e)
        return false;
    if (e->Art == ElementArt::Ankreuzfeld || e->Art == ElementArt::Kreuzflaeche) {
        const QPoint mitte = e->Rechteck.center();
        MausDruck(mitte, Maustaste::Links);
        MausLos(mitte, Maustaste::Links);
        return true;
    }
    return false;
}

bool Uebung::Taste(int key, int modifiers)
{
    m_entscheidung = {};
    if (!Eingabebereit())
        return false;
    const UebElement *fokus = Element(m_fokus);
    const bool karte = fokus && fokus->Art == ElementArt::Karte && Ziehbar();
    switch (key) {
    case kTab:
    case kBacktab: {
        const int richtung = (key == kBacktab || (modifiers & kShift)) ? -1 : +1;
        if (m_zielwahl && karte)
            return ZielWaehlen(richtung);
        return FokusWeiter(richtung);
    }
    case kLinks:
    case kOben:
        return karte && ZielWaehlen(-1);
    case kRechts:
    case kUnten:
        return karte && ZielWaehlen(+1);
    case kReturn:
    case kEnter:
        return Eingabetaste();
    case kSpace:
        return Leertaste();
    case kEscape:
        if (!m_zielwahl)
            return false;
        m_zielwahl = false;
        m_auswahl = kKeineAuswahl;
        m_korb = -1;
        Melden(aendAuswahl);
        return true;
    }
    return false;
}

} // namespace kalumo
