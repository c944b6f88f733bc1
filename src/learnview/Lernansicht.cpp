#include "learnview/Lernansicht.h"

#include "learnview/Objektarten.h"
#include "learnview/TextLayouts.h"
#include "learnview/Zeichenhilfen.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace kalumo {

namespace {

// A base image this large or larger is drawn straight from the working copy
// instead of being kept scaled.
constexpr qint64 kMaxZwischenbildPixel = 64LL * 1024 * 1024;

double RandWert(double v)
{
    if (!std::isfinite(v))
        return 0.0;
    // a page narrower than a fifth of its base image makes no sense
    return std::clamp(v, -0.4, kRandErwMax);
}

// Fits a page raster into the available size keeping its aspect ratio.
QSize Einpassen(QSize seite, QSize verfuegbar)
{
    const double pw = std::max(1, seite.width()), ph = std::max(1, seite.height());
    const double w = std::max(1, verfuegbar.width()), h = std::max(1, verfuegbar.height());
    if (ph / h > pw / w)
        return {std::max(1, Runden(h * pw / ph)), int(h)};
    return {int(w), std::max(1, Runden(w * ph / pw))};
}

// The page fitted into the available size and the part of it the view
// shows at a zoom: never larger than the available size.
struct Fenstermass
{
    QSize Eingepasst;
    QSize Sichtbar;
};

Fenstermass FensterMessen(QSize raster, QSize verfuegbar, double zoom)
{
    const QSize w(std::max(1, verfuegbar.width()), std::max(1, verfuegbar.height()));
    Fenstermass m;
    m.Eingepasst = Einpassen(raster, w);
    m.Sichtbar = QSize(std::max(1, std::min(Runden(m.Eingepasst.width() * zoom), w.width())),
                       std::max(1, std::min(Runden(m.Eingepasst.height() * zoom), w.height())));
    return m;
}

void GroesseSicherstellen(QImage &bild, QSize groesse, QImage::Format format = QImage::Format_ARGB32_Premultiplied)
{
    if (bild.size() != groesse || bild.format() != format)
        bild = QImage(std::max(1, groesse.width()), std::max(1, groesse.height()), format);
}

} // namespace

// Copies the area quelle of von into nach at zielpunkt, clipped to both
// rasters; both must be of the same 32-bit format.
void RechteckKopieren(QImage &nach, QPoint zielpunkt, const QImage &von, QRect quelle)
{
    if (nach.isNull() || von.isNull() || nach.depth() != 32 || von.depth() != 32)
        return;
    const QRect ganz = quelle;
    quelle &= von.rect();
    if (quelle.isEmpty())
        return;
    QRect ziel(zielpunkt + (quelle.topLeft() - ganz.topLeft()), quelle.size());
    // clip against the target and shift the source accordingly
    QRect geschnitten = ziel & nach.rect();
    if (geschnitten.isEmpty())
        return;
    quelle.translate(geschnitten.topLeft() - ziel.topLeft());
    quelle.setSize(geschnitten.size());
    const int bytes = geschnitten.width() * 4;
    for (int y = 0; y < geschnitten.height(); ++y) {
        const uchar *q = von.constScanLine(quelle.top() + y) + quelle.left() * 4;
        uchar *z = nach.scanLine(geschnitten.top() + y) + geschnitten.left() * 4;
        std::memcpy(z, q, size_t(bytes));
    }
}

Lernansicht::Lernansicht(Dokument &dok, QString schriftart)
    : Schriftart(std::move(schriftart))
    , m_dok(dok)
{
    if (Schriftart.isEmpty())
        Schriftart = QStringLiteral("Arial");
}

const QImage &Lernansicht::Arbeitskopie()
{
    const QImage &basis = m_dok.Basisbild;
    const int deck = std::clamp(m_dok.Kopf.BasisbildDeck, 0, 100);
    const qint64 schluessel = basis.isNull() ? 0 : basis.cacheKey();
    const Seitengeometrie g = Geometrie();
    if (schluessel == m_basisSchluessel && deck == m_basisDeck
        && (basis.isNull() || m_arbeitskopie.size() == g.Basis.size()))
        return m_arbeitskopie;
    m_basisSchluessel = schluessel;
    m_basisDeck = deck;
    m_skaliertZiel = {};
    m_basisSkaliert = {};
    if (basis.isNull()) {
        m_arbeitskopie = {};
        return m_arbeitskopie;
    }
    m_arbeitskopie = BildAufbereiten(basis, g.Basis.size(), deck);
    return m_arbeitskopie;
}

Lernansicht::Seitengeometrie Lernansicht::Geometrie()
{
    const HeaderDataTyp &k = m_dok.Kopf;
    const double l = RandWert(k.RandErw[0]), t = RandWert(k.RandErw[1]);
    const double r = RandWert(k.RandErw[2]), b = RandWert(k.RandErw[3]);
    // without a base image the page is an empty sheet of the usual ratio
    int bw = m_dok.Basisbild.isNull() ? 1000 : m_dok.Basisbild.width();
    int bh = m_dok.Basisbild.isNull() ? 700 : m_dok.Basisbild.height();
    const double breiteFaktor = std::max(0.2, l + 1 + r), hoeheFaktor = std::max(0.2, t + 1 + b);
    // the base image's share of the page width: capping the base at
    // share x 2000 keeps the whole page, margins included, within 2000
    const double anteil = 1.0 / breiteFaktor;
    if (bw / anteil > kMaxSeitenbreite) {
        const int neu = std::max(1, int(std::floor(anteil * kMaxSeitenbreite)));
        bh = std::max(1, Runden(double(bh) * neu / bw));
        bw = neu;
    }
    Seitengeometrie g;
    g.Raster = QSize(std::max(1, Runden(breiteFaktor * bw)), std::max(1, Runden(hoeheFaktor * bh)));
    g.Basis = QRect(Runden(bw * l), Runden(bh * t), bw, bh);
    return g;
}

QSize Lernansicht::SeitenRaster()
{
    return Geometrie().Raster;
}

void Lernansicht::SeiteZeichnen(QImage &ziel, const QRectF &quelle)
{
    const Seitengeometrie g = Geometrie();
    ziel.fill(Farbe(m_dok.Kopf.HtgdCol));
    const QImage &kopie = Arbeitskopie();
    if (kopie.isNull() || quelle.width() <= 0 || quelle.height() <= 0)
        return;
    const double fx = ziel.width() / quelle.width(), fy = ziel.height() / quelle.height();
    const int x0 = Runden((g.Basis.left() - quelle.left()) * fx);
    const int y0 = Runden((g.Basis.top() - quelle.top()) * fy);
    const int x1 = Runden((g.Basis.left() + g.Basis.width() - quelle.left()) * fx);
    const int y1 = Runden((g.Basis.top() + g.Basis.height() - quelle.top()) * fy);
    const QRect zielRechteck(x0, y0, std::max(1, x1 - x0), std::max(1, y1 - y0));
    QPainter p(&ziel);
    if (qint64(zielRechteck.width()) * zielRechteck.height() > kMaxZwischenbildPixel) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(zielRechteck, kopie);
        return;
    }
    if (m_skaliertZiel.size() != zielRechteck.size() || m_basisSkaliert.isNull()) {
        m_basisSkaliert = zielRechteck.size() == kopie.size()
                              ? kopie
                              : kopie.scaled(zielRechteck.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_skaliertZiel = zielRechteck;
    }
    p.drawImage(zielRechteck.topLeft(), m_basisSkaliert);
}

std::array<double, 4> Lernansicht::ComposePage(QImage &ziel, QSize verfuegbar, double zoom)
{
    const Seitengeometrie g = Geometrie();
    zoom = std::clamp(std::isfinite(zoom) ? zoom : 1.0, 0.1, 4.0);
    const Fenstermass m = FensterMessen(g.Raster, verfuegbar, zoom);
    const QSize eingepasst = m.Eingepasst;
    const int zb = m.Sichtbar.width(), zh = m.Sichtbar.height();
    const double qb = std::min(g.Raster.width() / zoom * zb / eingepasst.width(), double(g.Raster.width()));
    const double qh = std::min(g.Raster.height() / zoom * zh / eingepasst.height(), double(g.Raster.height()));
    GroesseSicherstellen(ziel, QSize(zb, zh));
    SeiteZeichnen(ziel, QRectF(0, 0, qb, qh));
    if (Haken)
        Haken->Hintergrund(*this, ziel);
    return {0.0, 0.0, qb / g.Raster.width(), qh / g.Raster.height()};
}

void Lernansicht::Gitter(QImage &ziel)
{
    const QColor farbe(208, 208, 208);
    const int w = ziel.width(), h = ziel.height();
    QPainter p(&ziel);
    p.setPen(QPen(farbe, 1, Qt::DotLine));
    for (int i = 0; i <= 20; ++i) {
        const int x = std::min(Runden(i * w / 20.0), w - 1);
        const int y = std::min(Runden(i * h / 20.0), h - 1);
        p.drawLine(x, 0, x, h - 1);
        p.drawLine(0, y, w - 1, y);
    }
    p.end();
    const QRgb punkt = farbe.rgba();
    for (int i = 0; i <= 100; ++i) {
        const int y = std::min(Runden(i * h / 100.0), h - 1);
        QRgb *zeile = reinterpret_cast<QRgb *>(ziel.scanLine(y));
        for (int j = 0; j <= 100; ++j)
            zeile[std::min(Runden(j * w / 100.0), w - 1)] = punkt;
    }
}

void Lernansicht::RebuildView()
{
    ++m_generation;
    ++Aufbauzaehler;
    const double zoom = kZoomFaktoren[size_t(std::clamp(ZoomStufe, 0, 4))];
    const Seitengeometrie g = Geometrie();

    // 2. the window the view shows at this zoom (only its size is needed)
    const Fenstermass m = FensterMessen(g.Raster, Ansichtsgroesse, zoom);
    const QSize eingepasst = m.Eingepasst;
    const int zb = m.Sichtbar.width(), zh = m.Sichtbar.height();
    const double ww = std::min(double(zb) / (eingepasst.width() * zoom), 1.0);
    const double wh = std::min(double(zh) / (eingepasst.height() * zoom), 1.0);

    // 3. re-centre the window on its old centre
    const double mx = (ViewWindow[0] + ViewWindow[2]) / 2.0, my = (ViewWindow[1] + ViewWindow[3]) / 2.0;
    const double links = std::clamp(mx - ww / 2.0, 0.0, 1.0 - ww);
    const double oben = std::clamp(my - wh / 2.0, 0.0, 1.0 - wh);
    ViewWindow = {links, oben, links + ww, oben + wh};

    // 4. view and overlay
    GroesseSicherstellen(ViewBitmap, QSize(zb, zh));
    GroesseSicherstellen(OverlayBitmap, QSize(zb, zh), QImage::Format_ARGB32);
    OverlayBitmap.fill(QColor(255, 255, 255, 0));

    // 5. the whole page at the zoomed resolution
    GroesseSicherstellen(PageBitmap,
                         QSize(std::max(1, Runden(eingepasst.width() * zoom)),
                               std::max(1, Runden(eingepasst.height() * zoom))));
    SeiteZeichnen(PageBitmap, QRectF(QPointF(0, 0), QSizeF(g.Raster)));
    if (Haken)
        Haken->Hintergrund(*this, PageBitmap);

    // 6. the base image layer switched off: a white page, margins included
    if (!Ebene0Check && !UebungLaeuft)
        PageBitmap.fill(Qt::white);

    // 7. question and multiple-choice pages, the editor grid
    GapFontOffset = 0;
    if (Haken)
        Haken->SeiteVorbereiten(*this);
    if (Autorenmodus() && GitterAnzeigen)
        Gitter(PageBitmap);

    // 8.
    BackgroundBitmap = PageBitmap;
    // 9. the layouts of the text-centred types
    LayoutsNachObjekten();
    // 10. the fixed objects under the query cards
    BackdropBitmap = PageBitmap;
    FesterDurchgang();
    // 11. to 14.
    ObjekteAufDieSeite();

    for (auto it = m_bildCache.begin(); it != m_bildCache.end();) {
        if (it->second.Generation < m_generation - 1)
            it = m_bildCache.erase(it);
        else
            ++it;
    }
}

void Lernansicht::LayoutsNachObjekten()
{
    if (Haken)
        Haken->SeiteSetzen(*this);
}

void Lernansicht::Durchgang(QImage &ziel, const RenderOptionen &opt, bool (*nimm)(int))
{
    QPainter p(&ziel);
    for (int i = 0; i < int(m_dok.Objekte.size()); ++i)
        if (nimm(m_dok.Objekte[size_t(i)].Typ))
            ObjektZeichnen(p, &ziel, ziel.size(), i, opt);
}

void Lernansicht::FesterDurchgang()
{
    RenderOptionen opt;
    opt.FesterDurchgang = true;
    Durchgang(BackdropBitmap, opt, IstFestesObjekt);
}

void Lernansicht::ObjekteAufDieSeite()
{
    // 11. everything in stacking order
    ObjekteZeichnen();
    // 12. what the layouts draw over the objects
    LayoutsNachObjekten();
    // 13. the query fields on top
    if (!Autorenmodus())
        AbfragenObenauf();
    // 14.
    CleanBitmap = PageBitmap;
    PresentView();
}

void Lernansicht::ObjekteZeichnen()
{
    const RenderOptionen opt;
    QPainter p(&PageBitmap);
    for (int i : Stapelfolge())
        ObjektZeichnen(p, &PageBitmap, PageBitmap.size(), i, opt);
}

void Lernansicht::AbfragenObenauf()
{
    RenderOptionen opt;
    opt.ZuerstLoeschen = true;
    Durchgang(PageBitmap, opt, IstAbfragefeld);
}

void Lernansicht::RedrawObjects()
{
    ++Aufbauzaehler;
    if (BackgroundBitmap.isNull() || BackgroundBitmap.size() != PageBitmap.size()) {
        RebuildView();
        return;
    }
    PageBitmap = BackgroundBitmap;
    ObjekteAufDieSeite();
}

QPoint Lernansicht::AnsichtsVersatz() const
{
    return {Runden(PageBitmap.width() * ViewWindow[0]), Runden(PageBitmap.height() * ViewWindow[1])};
}

void Lernansicht::PresentView()
{
    if (ViewBitmap.isNull())
        return;
    const QPoint versatz = AnsichtsVersatz();
    const QRect fenster(versatz, ViewBitmap.size());
    ViewBitmap.fill(Qt::white);
    RechteckKopieren(ViewBitmap, QPoint(0, 0), PageBitmap, fenster);
    GroesseSicherstellen(CleanViewBitmap, ViewBitmap.size());
    CleanViewBitmap.fill(Qt::white);
    RechteckKopieren(CleanViewBitmap, QPoint(0, 0), CleanBitmap, fenster);
    NeuzeichnenAngefordert = true;
}

void Lernansicht::ZoomSetzen(int stufe)
{
    ZoomStufe = std::clamp(stufe, 0, 4);
    RebuildView();
}

void Lernansicht::Vergroessern()
{
    if (ZoomStufe >= 4)
        return;
    ZoomSetzen(ZoomStufe + 2);
}

void Lernansicht::Verkleinern()
{
    if (ZoomStufe <= 0)
        return;
    ZoomSetzen(ZoomStufe - 2);
}

void Lernansicht::Verschieben(int dxAnsicht, int dyAnsicht)
{
    if (PageBitmap.isNull() || ViewBitmap.isNull())
        return;
    if (AnsichtGezeichnet) {
        RechteckKopieren(PageBitmap, AnsichtsVersatz(), ViewBitmap, ViewBitmap.rect());
        AnsichtGezeichnet = false;
    }
    const double ww = ViewWindow[2] - ViewWindow[0], wh = ViewWindow[3] - ViewWindow[1];
    const double links = std::clamp(ViewWindow[0] + double(dxAnsicht) / PageBitmap.width(), 0.0, 1.0 - ww);
    const double oben = std::clamp(ViewWindow[1] + double(dyAnsicht) / PageBitmap.height(), 0.0, 1.0 - wh);
    ViewWindow = {links, oben, links + ww, oben + wh};
    PresentView();
}

void Lernansicht::NeuesDokumentAnzeigen()
{
    ZoomStufe = 0;
    ViewWindow = {0, 0, 0, 0};
    // a document read from a file starts at its first question
    AktFrageNummer = m_dok.Kopf.AnzFrageNummern > 0 ? 1 : -1;
}

void Lernansicht::FeldAufdecken(int index)
{
    if (index < 0 || index >= int(m_dok.Objekte.size()))
        return;
    m_dok.Objekte[size_t(index)].Abgedeckt = abgAufgedeckt;
    ObjektAktualisieren(index);
}

void Lernansicht::ObjektAktualisieren(int index)
{
    ++Aufbauzaehler;
    RenderOptionen opt;
    opt.ZuerstLoeschen = true;
    opt.InAnsichtKopieren = true;
    opt.AnsichtAuffrischen = true;
    RenderObject(PageBitmap, index, opt);
}

void Lernansicht::KarteInAnsicht(const QRect &karte)
{
    const QRect k = karte & PageBitmap.rect();
    if (k.isEmpty())
        return;
    if (CleanBitmap.size() == PageBitmap.size())
        RechteckKopieren(CleanBitmap, k.topLeft(), PageBitmap, k);
    const QPoint versatz = AnsichtsVersatz();
    RechteckKopieren(CleanViewBitmap, k.topLeft() - versatz, PageBitmap, k);
    RechteckKopieren(ViewBitmap, k.topLeft() - versatz, PageBitmap, k);
}

bool Lernansicht::EbeneSichtbar(const ObjDataTyp &o) const
{
    if (UebungLaeuft)
        return true;
    switch (o.Ebene) {
    case ebeneBasisbild: return Ebene0Check;
    case ebeneTexteUndBilder: return Ebene1Check;
    case ebeneInfopunkte: return Ebene2Check;
    case ebeneLayout: return Ebene3Check;
    }
    return false; // a layer without a check box is never shown
}

bool Lernansicht::Zeichenbar(const ObjDataTyp &o) const
{
    return !IstKreuzElement(o.Typ) || o.Generiert;
}

std::vector<int> Lernansicht::Stapelfolge() const
{
    // ascending ZIndex over the values present, index order within one value;
    // covered coverable objects follow in the same order
    std::vector<int> folge(m_dok.Objekte.size());
    for (size_t i = 0; i < folge.size(); ++i)
        folge[i] = int(i);
    auto zuletzt = [this](int i) {
        const ObjDataTyp &o = m_dok.Objekte[size_t(i)];
        return IstAbdeckbar(o.Typ) && o.Abgedeckt == abgAbgedeckt;
    };
    std::stable_sort(folge.begin(), folge.end(), [&](int a, int b) {
        const bool za = zuletzt(a), zb = zuletzt(b);
        if (za != zb)
            return zb;
        return m_dok.Objekte[size_t(a)].ZIndex < m_dok.Objekte[size_t(b)].ZIndex;
    });
    return folge;
}

double Lernansicht::Massstab() const
{
    return PageBitmap.isNull() ? 1.0 : PageBitmap.width() / 870.0;
}

QPoint Lernansicht::SeiteZuPixel(QPointF bruch) const
{
    return {Runden(bruch.x() * PageBitmap.width()), Runden(bruch.y() * PageBitmap.height())};
}

QPointF Lernansicht::AnsichtZuSeite(QPointF px) const
{
    const double b = std::max(1, ViewBitmap.width()), h = std::max(1, ViewBitmap.height());
    const double fx = ViewWindow[0] + px.x() / b * (ViewWindow[2] - ViewWindow[0]);
    const double fy = ViewWindow[1] + px.y() / h * (ViewWindow[3] - ViewWindow[1]);
    return {std::clamp(fx, 0.0, 1.0), std::clamp(fy, 0.0, 1.0)};
}

QPointF Lernansicht::SeiteZuAnsicht(QPointF bruch) const
{
    const double ww = ViewWindow[2] - ViewWindow[0], wh = ViewWindow[3] - ViewWindow[1];
    if (ww <= 0 || wh <= 0)
        return {};
    return {(bruch.x() - ViewWindow[0]) / ww * ViewBitmap.width(),
            (bruch.y() - ViewWindow[1]) / wh * ViewBitmap.height()};
}

bool KarteEnthaelt(const ObjDataTyp &o, QPointF seite)
{
    const auto &k = o.KartRect;
    return k[0] >= 0 && k[0] <= seite.x() && seite.x() < k[2] && k[1] <= seite.y() && seite.y() < k[3];
}

QRect Lernansicht::KartenPixel(const ObjDataTyp &o) const
{
    if (o.KartRect[0] < 0 || PageBitmap.isNull())
        return {};
    const int w = PageBitmap.width(), h = PageBitmap.height();
    const int l = Runden(o.KartRect[0] * w), t = Runden(o.KartRect[1] * h);
    return QRect(QPoint(l, t), QPoint(Runden(o.KartRect[2] * w) - 1, Runden(o.KartRect[3] * h) - 1));
}

QImage LernansichtRendern(Dokument &dok, QSize ansicht, int zoomstufe, bool aufdecken, const QString &schriftart,
                          int nummerierung)
{
    Lernansicht lv(dok, schriftart);
    lv.Ansichtsgroesse = ansicht;
    lv.ZoomStufe = std::clamp(zoomstufe, 0, 4);
    // the pages generated from text are laid out here unless the reader did it
    lv.Haken = &StandardTextLayouts();
    if (TextLayoutsFehlen(dok))
        TextLayoutsNeuAufbauen(lv);
    if (aufdecken)
        for (ObjDataTyp &o : dok.Objekte)
            o.Abgedeckt = abgAufgedeckt;
    lv.AssignNumbers(nummerierung, false);
    lv.RebuildView();
    return lv.ViewBitmap;
}

} // namespace kalumo
