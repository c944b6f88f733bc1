#include "learnview/Interaktion.h"

#include "learnview/Objektarten.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace kalumo {

namespace {

// Clickable in the learning view while the object editor is closed.
constexpr bool IstKlickbar(int t)
{
    return IstAbfragefeld(t) || IstNavKnopf(t)
           || artdetail::enthalten<objInfopunkt, objLinkExtern, objLinkIntern, objBildLink, objTabelleBildLink>(t);
}
// Clickable while the object editor is open.
constexpr bool IstImEditorKlickbar(int t)
{
    return (t >= objAbfrageBeschriftung && t <= objBildLink && t != objAbfrageLuecke) || t == objKreuzwortGitter;
}
// Clickable when they belong to the current question.
constexpr bool IstFrageKlickbar(int t) { return IstFrageabfrage(t) || t == objMCInfopunkt || t == objMCLink; }
// A click switches them between covered and uncovered.
constexpr bool IstUmschaltbar(int t) { return IstAbfragefeld(t) || IstFrageabfrage(t); }

} // namespace

Interaktion::Interaktion(Lernansicht &ansicht)
    : m_ansicht(ansicht)
{
}

// ---- tool state ----

bool Interaktion::WerkzeugSetzen(int werkzeug)
{
    werkzeug = std::clamp(werkzeug, int(wzZeiger), int(wzBereich));
    if (IstZeichenwerkzeug(werkzeug) && m_ansicht.Autorenmodus())
        return false;
    if (werkzeug != wzBereich || m_werkzeug == wzBereich)
        BereichEntfernen();
    if (werkzeug == wzStift || IstForm(werkzeug))
        m_stiftWahl = werkzeug;
    if (m_bandSichtbar) {
        FormInvertieren(m_ansicht.ViewBitmap, m_werkzeug, m_start, m_bandEnde);
        m_bandSichtbar = false;
    }
    m_werkzeug = werkzeug;
    m_start = m_letzter = kKeinPunkt;
    return true;
}

void Interaktion::GroesseSetzen(int groesse)
{
    m_groesse = std::clamp(groesse, 1, kGroessen);
    if (m_werkzeug == wzZeiger || m_werkzeug == wzHand)
        WerkzeugSetzen(m_stiftWahl);
}

void Interaktion::FarbeSetzen(int farbindex)
{
    if (!((farbindex >= 11 && farbindex <= 14) || (farbindex >= 21 && farbindex <= 30)))
        return;
    m_farbe = farbindex;
    if (m_werkzeug == wzZeiger || m_werkzeug == wzHand)
        WerkzeugSetzen(m_stiftWahl);
}

bool Interaktion::StempelSetzen(int nummer)
{
    if (!WerkzeugSetzen(wzStempel))
        return false;
    m_stempel = std::clamp(nummer, 1, kStempelAnzahl);
    return true;
}

// ---- mouse ----

int Interaktion::HitTest(QPoint ansicht) const
{
    const Dokument &dok = m_ansicht.Dok();
    if (m_ansicht.ViewBitmap.isNull() || dok.Objekte.empty())
        return -1;
    if (ansicht.x() < 0 || ansicht.y() < 0 || ansicht.x() >= m_ansicht.ViewBitmap.width()
        || ansicht.y() >= m_ansicht.ViewBitmap.height())
        return -1;
    const QPointF f = m_ansicht.AnsichtZuSeite(QPointF(ansicht));
    const bool editor = m_ansicht.Autorenmodus();
    // from the highest ZIndex down, within one value from the highest index down
    // (only the values present count, however wide ZIndexMin..ZIndexMax is)
    std::vector<int> folge(dok.Objekte.size());
    for (size_t i = 0; i < folge.size(); ++i)
        folge[i] = int(i);
    std::sort(folge.begin(), folge.end(), [&dok](int x, int y) {
        const int zx = dok.Objekte[size_t(x)].ZIndex, zy = dok.Objekte[size_t(y)].ZIndex;
        return zx != zy ? zx > zy : x > y;
    });
    for (int i : folge) {
        const ObjDataTyp &o = dok.Objekte[size_t(i)];
        if (!m_ansicht.EbeneSichtbar(o))
            continue;
        const bool kandidat = (!editor && IstKlickbar(o.Typ) && m_ansicht.Zeichenbar(o))
                              || (editor && IstImEditorKlickbar(o.Typ))
                              || (!editor && IstFrageKlickbar(o.Typ) && o.FrageNummer == m_ansicht.AktFrageNummer);
        if (kandidat && KarteEnthaelt(o, f))
            return i;
    }
    return -1;
}

void Interaktion::Klick(int index)
{
    if (index < 0 || index >= int(m_ansicht.Dok().Objekte.size()))
        return;
    ObjDataTyp &o = m_ansicht.Dok().Objekte[size_t(index)];
    if (IstUmschaltbar(o.Typ)) {
        o.Abgedeckt = o.Abgedeckt == abgAbgedeckt ? abgAufgedeckt : abgAbgedeckt;
        UndoVergessen();
        m_ansicht.ObjektAktualisieren(index);
        return;
    }
    FrageWechseln(o.Typ);
}

bool Interaktion::FrageWechseln(int knopfart)
{
    const int anzahl = m_ansicht.Dok().Kopf.AnzFrageNummern;
    if (knopfart < objNavZurueck || knopfart > objNavZufall || anzahl <= 0)
        return false;
    int &akt = m_ansicht.AktFrageNummer;
    switch (knopfart) {
    case objNavZurueck: akt = std::max(1, akt - 1); break;
    case objNavVor: akt = std::clamp(akt + 1, 1, anzahl); break;
    case objNavErste: akt = 1; break;
    case objNavLetzte: akt = anzahl; break;
    case objNavZufall:
        if (anzahl < 2) {
            akt = 1;
        } else {
            // one of the other questions, each equally likely
            int n = 1 + int(m_zufall.bounded(anzahl - 1));
            if (akt >= 1 && akt <= anzahl && n >= akt)
                ++n;
            akt = std::min(n, anzahl);
        }
        break;
    }
    UndoVergessen();
    m_ansicht.RedrawObjects();
    return true;
}

void Interaktion::VerschiebenBeginnen(QPoint p)
{
    // a shape being dragged is given up: its outline must not go into the page
    if (m_bandSichtbar) {
        FormInvertieren(m_ansicht.ViewBitmap, m_werkzeug, m_start, m_bandEnde);
        m_bandSichtbar = false;
    }
    m_start = m_letzter = kKeinPunkt;
    // keep the drawings: the view goes back into the page before it moves
    if (m_ansicht.AnsichtGezeichnet && !m_ansicht.PageBitmap.isNull()) {
        RechteckKopieren(m_ansicht.PageBitmap, m_ansicht.AnsichtsVersatz(), m_ansicht.ViewBitmap,
                         m_ansicht.ViewBitmap.rect());
        m_ansicht.AnsichtGezeichnet = false;
    }
    UndoVergessen();
    m_verschieben = true;
    m_panPunkt = p;
}

Eingabereaktion Interaktion::MausDruck(QPoint p, Maustaste taste)
{
    Eingabereaktion r;
    if (taste == Maustaste::Rechts || (taste == Maustaste::Links && m_werkzeug == wzHand)) {
        VerschiebenBeginnen(p);
        return r;
    }
    if (m_ansicht.Autorenmodus())
        return r; // dragging anchors and cards belongs to the object editor
    if (taste == Maustaste::Links && m_werkzeug == wzBereich) {
        const QRect v = m_ansicht.ViewBitmap.rect();
        const QPoint q(std::clamp(p.x(), 0, v.width()), std::clamp(p.y(), 0, v.height()));
        m_bereichA = m_bereichB = q;
        m_bereichZiehen = true;
        r.Neuzeichnen = true;
        return r;
    }
    if ((taste == Maustaste::Links && m_werkzeug == wzZeiger) || taste == Maustaste::Mitte) {
        const int index = HitTest(p);
        if (index < 0)
            return r;
        if (IstOeffenbar(m_ansicht.Dok().Objekte[size_t(index)].Typ)) {
            r.Aktivieren = index;
            return r;
        }
        Klick(index);
        r.Neuzeichnen = true;
        return r;
    }
    if (taste != Maustaste::Links || !IstZeichenwerkzeug(m_werkzeug) || m_ansicht.ViewBitmap.isNull())
        return r;
    SaveUndo();
    m_start = m_letzter = p;
    if (m_werkzeug == wzText) {
        r.TextfeldOeffnen = true;
        r.Textposition = p;
        return r;
    }
    if (!IstForm(m_werkzeug)) {
        StrichFortsetzen(p);
        r.Neuzeichnen = true;
    }
    return r;
}

void Interaktion::Gezeichnet()
{
    m_ansicht.AnsichtGezeichnet = true;
}

void Interaktion::StrichFortsetzen(QPoint p)
{
    Lernansicht &a = m_ansicht;
    const QColor farbe = Stiftfarbe(m_farbe);
    switch (m_werkzeug) {
    case wzStift:
        StiftSegment(a.ViewBitmap, a.OverlayBitmap, m_letzter, p, Stiftbreite(m_groesse), farbe,
                     IstTransparent(m_farbe));
        break;
    case wzMarkerGelb:
        MarkerSegment(a.ViewBitmap, m_letzter, p, QColor(255, 255, 0));
        break;
    case wzMarkerGruen:
        MarkerSegment(a.ViewBitmap, m_letzter, p, QColor(0, 255, 0));
        break;
    case wzRadierer:
        Radieren(a.ViewBitmap, a.CleanViewBitmap, p, Radiergroesse(m_groesse));
        break;
    case wzStempel: {
        if (m_einmalGesetzt)
            return;
        m_einmalGesetzt = true;
        const int n = m_stempel - 1;
        const QChar zeichen = n < Stempel.Zeichen.size() ? Stempel.Zeichen.at(n) : QChar(0xFC);
        ZeichenStempeln(a.ViewBitmap, zeichen, Stempel.Fontname[size_t(n)], PunkteZuPixel(Stempelpunkte(m_groesse)),
                        farbe, p + QPoint(5, 1));
        break;
    }
    case wzKreuz:
        if (m_einmalGesetzt)
            return;
        m_einmalGesetzt = true;
        ZeichenStempeln(a.ViewBitmap, QChar(0xFB), QStringLiteral("Wingdings"), PunkteZuPixel(32),
                        QColor(220, 0, 0), p + QPoint(1, 0));
        break;
    default:
        return;
    }
    m_letzter = p;
    Gezeichnet();
}

void Interaktion::FormBeenden(QPoint p)
{
    Lernansicht &a = m_ansicht;
    if (m_bandSichtbar) {
        FormInvertieren(a.ViewBitmap, m_werkzeug, m_start, m_bandEnde);
        m_bandSichtbar = false;
    }
    FormZeichnen(a.ViewBitmap, a.OverlayBitmap, m_werkzeug, m_start, p, Stiftbreite(m_groesse), Stiftfarbe(m_farbe),
                 IstTransparent(m_farbe));
    m_start = m_letzter = kKeinPunkt;
    Gezeichnet();
}

Eingabereaktion Interaktion::MausBewegung(QPoint p, bool links, bool rechts)
{
    Eingabereaktion r;
    m_maus = p;
    m_mausDrin = true;
    if (m_verschieben && (rechts || (links && m_werkzeug == wzHand))) {
        const QPoint d = m_panPunkt - p;
        m_panPunkt = p;
        if (!d.isNull()) {
            m_ansicht.Verschieben(d.x(), d.y());
            r.Neuzeichnen = true;
        }
        return r;
    }
    if (m_ansicht.Autorenmodus())
        return r;
    if (m_werkzeug == wzBereich) {
        if (links && m_bereichZiehen) {
            const QRect v = m_ansicht.ViewBitmap.rect();
            m_bereichB = QPoint(std::clamp(p.x(), 0, v.width()), std::clamp(p.y(), 0, v.height()));
        }
        r.Neuzeichnen = true; // the crosshair follows the mouse
        return r;
    }
    if (!IstZeichenwerkzeug(m_werkzeug) || m_start == kKeinPunkt || m_werkzeug == wzText)
        return r;
    if (IstForm(m_werkzeug)) {
        if (links) {
            if (m_bandSichtbar)
                FormInvertieren(m_ansicht.ViewBitmap, m_werkzeug, m_start, m_bandEnde);
            FormInvertieren(m_ansicht.ViewBitmap, m_werkzeug, m_start, p);
            m_bandSichtbar = true;
            m_bandEnde = p;
        } else {
            FormBeenden(p);
        }
        r.Neuzeichnen = true;
        return r;
    }
    if (links) {
        StrichFortsetzen(p);
        r.Neuzeichnen = true;
    }
    return r;
}

Eingabereaktion Interaktion::MausLos(QPoint p, Maustaste taste)
{
    m_einmalGesetzt = false;
    m_bereichZiehen = false;
    if (BereichVorhanden() && Bereich().isEmpty())
        BereichEntfernen();
    if (!IstForm(m_werkzeug))
        m_start = m_letzter = kKeinPunkt;
    const bool warVerschieben = m_verschieben;
    m_verschieben = false;
    Eingabereaktion r = MausBewegung(p, false, false);
    r.Neuzeichnen = r.Neuzeichnen || warVerschieben || m_werkzeug == wzBereich;
    return r;
}

Eingabereaktion Interaktion::MausWeg()
{
    m_mausDrin = false;
    Eingabereaktion r;
    r.Neuzeichnen = true; // the crosshair goes
    return r;
}

void Interaktion::Ueberzeichnen(QPainter &p) const
{
    const QImage &bild = m_ansicht.ViewBitmap;
    p.save();
    if (BereichVorhanden()) {
        // four thin black panels with a dotted line along the selection
        const QRect b = Bereich();
        p.setPen(QPen(Qt::black, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(b.adjusted(-2, -2, 1, 1));
        p.setPen(QPen(Qt::white, 1, Qt::DotLine));
        p.drawRect(b.adjusted(-2, -2, 1, 1));
    }
    if (m_werkzeug == wzBereich && m_mausDrin && !bild.isNull()) {
        // the crosshair ZFadenX / ZFadenY, inverting
        p.setCompositionMode(QPainter::CompositionMode_Difference);
        p.setPen(QPen(Qt::white, 1));
        p.drawLine(0, m_maus.y(), bild.width() - 1, m_maus.y());
        p.drawLine(m_maus.x(), 0, m_maus.x(), bild.height() - 1);
    }
    p.restore();
}

Zeigerform Interaktion::ZeigerFuer(QPoint p) const
{
    if (m_verschieben)
        return Zeigerform::Hand;
    switch (m_werkzeug) {
    case wzZeiger: return HitTest(p) >= 0 ? Zeigerform::Handpunkt : Zeigerform::Standard;
    case wzHand: return Zeigerform::Hand;
    case wzMarkerGelb:
    case wzMarkerGruen: return Zeigerform::Marker;
    case wzRadierer: return Zeigerform::Radierer;
    case wzStempel: return Zeigerform::Stempel;
    case wzKreuz: return Zeigerform::Kreuz;
    case wzText: return Zeigerform::Text;
    case wzBereich: return Zeigerform::Fadenkreuz;
    default: return Zeigerform::Stift;
    }
}

// ---- view commands ----

void Interaktion::Neuaufbau()
{
    UndoVergessen();
    BereichEntfernen();
    m_bandSichtbar = false;
    m_start = m_letzter = kKeinPunkt;
    m_ansicht.AnsichtGezeichnet = false;
    m_ansicht.RebuildView();
}

void Interaktion::AlleAbdecken()
{
    kalumo::AlleAbdecken(m_ansicht.Dok());
    Neuaufbau();
}

void Interaktion::AlleAufdecken()
{
    kalumo::AlleAufdecken(m_ansicht.Dok());
    Neuaufbau();
}

void Interaktion::NummerierungSetzen(int modus)
{
    m_ansicht.NummerierungsModus = std::clamp(modus, int(numFragezeichen), int(numZufaellig));
    m_ansicht.AssignNumbers(m_ansicht.NummerierungsModus, false);
    Neuaufbau();
}

void Interaktion::ZoomSetzen(int stufe)
{
    stufe = std::clamp(stufe, 0, 4);
    if (stufe == m_ansicht.ZoomStufe)
        return;
    m_ansicht.ZoomStufe = stufe;
    Neuaufbau();
}

void Interaktion::Vergroessern() { ZoomSetzen(m_ansicht.ZoomStufe + 2); }
void Interaktion::Verkleinern() { ZoomSetzen(m_ansicht.ZoomStufe - 2); }

void Interaktion::EbeneSetzen(int ebene, bool sichtbar)
{
    bool *schalter[] = {&m_ansicht.Ebene0Check, &m_ansicht.Ebene1Check, &m_ansicht.Ebene2Check,
                        &m_ansicht.Ebene3Check};
    if (ebene < 0 || ebene > 3)
        return;
    *schalter[ebene] = sichtbar;
    Neuaufbau();
}

// ---- drawings ----

void Interaktion::SaveUndo()
{
    m_undo = m_ansicht.ViewBitmap.copy();
    m_undoZoom = m_ansicht.ZoomStufe;
    m_undoAufbau = m_ansicht.Aufbauzaehler;
}

void Interaktion::UndoVergessen()
{
    m_undo = QImage();
}

bool Interaktion::UndoVorhanden() const
{
    // any rebuild or redraw since the copy was taken makes it stale
    return !m_undo.isNull() && m_undoAufbau == m_ansicht.Aufbauzaehler;
}

bool Interaktion::Rueckgaengig()
{
    if (!UndoVorhanden()) {
        UndoVergessen();
        return false;
    }
    QImage kopie = m_undo;
    UndoVergessen();
    if (m_undoZoom != m_ansicht.ZoomStufe) {
        m_ansicht.ZoomStufe = m_undoZoom;
        m_ansicht.RebuildView();
    }
    if (kopie.size() != m_ansicht.ViewBitmap.size())
        return false;
    m_bandSichtbar = false;
    m_ansicht.ViewBitmap = kopie;
    m_ansicht.AnsichtGezeichnet = true;
    return true;
}

void Interaktion::AlleZeichnungenEntfernen()
{
    SaveUndo();
    if (m_ansicht.CleanBitmap.size() == m_ansicht.PageBitmap.size())
        m_ansicht.PageBitmap = m_ansicht.CleanBitmap;
    m_ansicht.AnsichtGezeichnet = false;
    m_bandSichtbar = false;
    m_ansicht.PresentView();
}

// ---- text tool ----

QFont Interaktion::TextfeldSchrift() const
{
    return Textschrift(Tafelschriftart, m_groesse);
}

QRect Interaktion::TextfeldRechteck(QPoint klick, const QString &text) const
{
    const QFontMetrics fm(TextfeldSchrift());
    const QSize v = m_ansicht.ViewBitmap.size();
    const int breite = std::max(1, std::min(35 * m_groesse + fm.horizontalAdvance(text), v.width()));
    const int hoehe = fm.height();
    const int x = std::clamp(klick.x(), 0, std::max(0, v.width() - breite));
    const int y = std::clamp(klick.y(), 0, std::max(0, v.height() - hoehe));
    return QRect(x, y, breite, hoehe);
}

void Interaktion::TextUebernehmen(QPoint oben, const QString &text)
{
    if (text.isEmpty())
        return;
    TextZeichnen(m_ansicht.ViewBitmap, text, TextfeldSchrift(), Stiftfarbe(m_farbe), oben);
    Gezeichnet();
}

// ---- area selection ----

QRect Interaktion::Bereich() const
{
    if (!BereichVorhanden())
        return {};
    const int l = std::min(m_bereichA.x(), m_bereichB.x()), r = std::max(m_bereichA.x(), m_bereichB.x());
    const int o = std::min(m_bereichA.y(), m_bereichB.y()), u = std::max(m_bereichA.y(), m_bereichB.y());
    return QRect(QPoint(l, o), QPoint(r - 1, u - 1));
}

bool Interaktion::BereichGueltig() const
{
    const QRect b = Bereich();
    return BereichVorhanden() && !b.isEmpty() && b.left() >= 0 && b.top() >= 0 && b.right() + 1 >= 2;
}

QString Interaktion::BereichInfo() const
{
    if (!BereichVorhanden())
        return {};
    const QRect b = Bereich();
    const int x2 = b.left() + b.width(), y2 = b.top() + b.height();
    return QStringLiteral(" (") + QString::number(b.left()) + QStringLiteral(",") + QString::number(b.top())
           + QStringLiteral(") - (") + QString::number(x2 - 1) + QStringLiteral(",") + QString::number(y2 - 1)
           + QStringLiteral(")  ") + QStringLiteral("B") + QStringLiteral(":") + QString::number(b.width())
           + QStringLiteral(" H:") + QString::number(b.height());
}

void Interaktion::BereichVerschieben(QPoint versatz)
{
    if (!BereichVorhanden())
        return;
    const QRect b = Bereich();
    const QSize v = m_ansicht.ViewBitmap.size();
    const int dx = std::clamp(versatz.x(), -b.left(), std::max(0, v.width() - (b.left() + b.width())));
    const int dy = std::clamp(versatz.y(), -b.top(), std::max(0, v.height() - (b.top() + b.height())));
    m_bereichA += QPoint(dx, dy);
    m_bereichB += QPoint(dx, dy);
}

void Interaktion::BereichEntfernen()
{
    m_bereichA = m_bereichB = QPoint(-1, -1);
    m_bereichZiehen = false;
}

QImage Interaktion::CaptureView() const
{
    const QImage &v = m_ansicht.ViewBitmap;
    if (m_werkzeug == wzBereich && BereichGueltig()) {
        const QRect b = Bereich();
        QImage teil(b.size(), QImage::Format_ARGB32_Premultiplied);
        teil.fill(Qt::white);
        RechteckKopieren(teil, QPoint(0, 0), v, b);
        return teil;
    }
    return v.copy();
}

} // namespace kalumo
