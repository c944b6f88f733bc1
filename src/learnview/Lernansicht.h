#pragma once
// The learning view ("Lernansicht") without a window: it composes the page
// from the base image and the background, draws every object into the page
// raster and copies the visible window, at the chosen zoom, into the view.
//
// Coordinates come in three kinds: page fractions (0..1 of the page width and
// height, as stored in the objects), page pixels (of PageBitmap, the page at
// the current zoom) and view pixels (of ViewBitmap, the visible window).
//
// The owner sets the view size and the view state, then calls RebuildView;
// afterwards the buffers hold the result. Scrolling only copies windows of
// PageBitmap (PresentView); uncovering one field redraws only that object
// (ObjektAktualisieren).

#include "document/DokumentModell.h"
#include "learnview/LayoutHaken.h"

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <cstdint>
#include <random>
#include <unordered_map>
#include <vector>

class QPainter;

namespace kalumo {

// What a call of RenderObject draws for.
enum RenderPurpose : int {
    rpScreen = 0,    // learning view and exercise
    rpWorksheet = 1, // worksheet: answer boxes
    rpAnswers = 2,   // answer overlay: red answers only
    rpSolution = 3,  // solution sheet: boxes and red answers
};

// Numbering modes of the query fields.
enum NummerierungsModusWert : int {
    numFragezeichen = 0,
    numGeordnet = 1,
    numZufaellig = 2,
};

// The arguments of one RenderObject call.
struct RenderOptionen
{
    bool ZuerstLoeschen = false;       // erase the previous card area from BackdropBitmap first
    bool FesterDurchgang = false;      // building BackdropBitmap: no covers, query content as uncovered
    RenderPurpose Zweck = rpScreen;
    bool AnsichtAuffrischen = false;   // ask the owner to repaint at the end
    bool InAnsichtKopieren = false;    // copy the card into CleanBitmap, CleanViewBitmap, ViewBitmap
    bool LinieZeichnen = true;         // draw the leader line
    int Kastengroesse = 100;           // worksheet box size in percent (30..200)
    bool AntwortVorgeben = false;      // worksheet: the answer of kind 0 is pre-filled
};

// A seed for a random generator from the clock; calls in quick succession
// (two views made at once) still get different seeds.
std::uint32_t SaatAusDerUhr();

// The zoom factors of the levels 0..4.
constexpr std::array<double, 5> kZoomFaktoren{1.0, 1.25, 1.5, 1.75, 2.0};
// The page is never wider than this before zoom.
constexpr int kMaxSeitenbreite = 2000;

// A query field's number as the view shows it: digits, or with NumArt 1
// letters (A … Z, then A' … Z' and so on); "?" below 1.
QString NummerText(int nummer, int numArt);

class Lernansicht
{
public:
    explicit Lernansicht(Dokument &dok, QString schriftart = QStringLiteral("Arial"));

    Dokument &Dok() { return m_dok; }
    const Dokument &Dok() const { return m_dok; }

    // ---- view state, set by the owner ----
    QSize Ansichtsgroesse{1024, 700};  // size of the picture area LernKartPicImg
    QString Schriftart;                // document font ("Opt-Schriftart")
    int ZoomStufe = 0;                 // 0..4
    std::array<double, 4> ViewWindow{0, 0, 0, 0}; // visible window: left, top, right, bottom as page fractions
    bool Ebene0Check = true;           // " Basisbild "
    bool Ebene1Check = true;           // " Texte && Bilder "
    bool Ebene2Check = true;           // " Infopunkte "
    bool Ebene3Check = true;           // " Layout  "
    int NummerierungsModus = numFragezeichen;
    bool UebungLaeuft = false;         // an exercise runs: every layer counts as visible
    bool AbfrageEinzeln = false;       // exercise asks one field at a time
    bool AbfrageGeordnet = false;      // exercise shows the targets in order
    int AktAbfrageObjekt = -1;         // the field being asked in the one-at-a-time mode
    int AktFrageNummer = -1;           // current question of the question types
    // Multiple-choice exercise: the object whose card point an object takes
    // (answer texts, kinds 25 and 27, move with their shuffled tick boxes);
    // empty or -1 where nothing moves.
    std::vector<int> Antwortzuordnung;
    int GapFontOffset = 0;             // added to the font of gaps and tokens; set by the layouts
    bool GitterAnzeigen = false;       // object editor grid option
    int AusgewaehltesObjekt = -1;      // the object the object editor shows
    LayoutHaken *Haken = nullptr;      // the layouts of the text-centred types

    // ---- render buffers ----
    QImage PageBitmap;
    QImage BackgroundBitmap;
    QImage BackdropBitmap;
    QImage CleanBitmap;
    QImage ViewBitmap;
    QImage CleanViewBitmap;
    QImage OverlayBitmap;

    // The selection frame for the object editor in view pixels (empty when none).
    QRect AuswahlRahmen;
    // Set when a RenderObject call asked for a repaint of the view.
    bool NeuzeichnenAngefordert = false;
    // The drawing tools painted into ViewBitmap; Verschieben puts it back into PageBitmap.
    bool AnsichtGezeichnet = false;
    // Counts full rebuilds, redraws and single-object updates; a kept copy
    // of the view (undo of the drawing tools) is valid only while it stays.
    std::uint64_t Aufbauzaehler = 0;

    // ---- the renderer ----
    // Composes the page into ziel for the available size verfuegbar at the
    // zoom factor; returns the window of the page the target shows.
    std::array<double, 4> ComposePage(QImage &ziel, QSize verfuegbar, double zoom);
    void RebuildView();
    void RedrawObjects();
    void PresentView();

    // Zoom and scrolling; each ends in RebuildView or PresentView.
    void ZoomSetzen(int stufe);
    void Vergroessern();
    void Verkleinern();
    // Moves the window by view pixels: strokes of the drawing tools in
    // ViewBitmap go back into PageBitmap first.
    void Verschieben(int dxAnsicht, int dyAnsicht);
    // A new document: zoom level 0, window at the top-left corner, the first question.
    void NeuesDokumentAnzeigen();

    // Uncovers one query field and updates only its card (incremental update).
    void FeldAufdecken(int index);
    // Draws one object again with erase-first and copies its card to the view.
    void ObjektAktualisieren(int index);

    // ---- object drawing (Objektzeichnung.cpp) ----
    void RenderObject(QImage &ziel, int index, const RenderOptionen &optionen = {});
    // For worksheet canvases and other painters: no erase and no view copy.
    void RenderObject(QPainter &painter, QSize raster, int index, const RenderOptionen &optionen);

    // ---- numbering (Nummerierung.cpp) ----
    QString NumberText(int index) const;
    void AssignNumbers(int modus, bool neuAufbauen);
    // The random numbering draws from one generator that the view seeds once
    // from the clock; a test sets a seed of its own to get a fixed numbering.
    void Zufallssaat(std::uint32_t saat) { m_zufall.seed(saat); }

    // ---- queries ----
    bool EbeneSichtbar(const ObjDataTyp &o) const;
    // Kinds 50..53 are drawn only when a layout made them.
    bool Zeichenbar(const ObjDataTyp &o) const;
    bool Autorenmodus() const { return m_dok.ObjekteditorOffen; }
    // Indices in stacking order: ascending ZIndex, covered coverable objects last.
    std::vector<int> Stapelfolge() const;
    // The page raster before fitting (base image capped at 2000 plus margins).
    QSize SeitenRaster();
    // Scale of PageBitmap: its width / 870.
    double Massstab() const;
    QPoint SeiteZuPixel(QPointF bruch) const;
    QPointF AnsichtZuSeite(QPointF ansichtspixel) const;
    QPointF SeiteZuAnsicht(QPointF bruch) const;
    QPoint AnsichtsVersatz() const;
    // The card of an object in PageBitmap pixels from its KartRect (empty when never drawn).
    QRect KartenPixel(const ObjDataTyp &o) const;

private:
    struct Seitengeometrie
    {
        QSize Raster;        // page raster (capped base plus margins)
        QRect Basis;         // base image inside the page raster
    };
    Seitengeometrie Geometrie();
    const QImage &Arbeitskopie();
    // Fills ziel (already of its size) with the page window quelle (page raster pixels).
    void SeiteZeichnen(QImage &ziel, const QRectF &quelle);
    void Gitter(QImage &ziel);
    // Draws every object whose kind nimm accepts, in index order.
    void Durchgang(QImage &ziel, const RenderOptionen &opt, bool (*nimm)(int));
    void FesterDurchgang();
    // Steps 11 to 14 of RebuildView, shared with RedrawObjects.
    void ObjekteAufDieSeite();
    void ObjekteZeichnen();
    void AbfragenObenauf();
    void LayoutsNachObjekten();
    void KarteInAnsicht(const QRect &karte);
    struct Gezeichnet
    {
        QRect Karte;      // the card as drawn now, raster pixels
        QRect Geloescht;  // the area restored from BackdropBitmap
    };
    Gezeichnet ObjektZeichnen(QPainter &p, QImage *ziel, QSize raster, int index, const RenderOptionen &opt);
    QImage SkaliertesBild(const QImage &bild, QSize groesse, int deckkraft);

    Dokument &m_dok;
    std::mt19937 m_zufall{SaatAusDerUhr()};

    // the capped, opacity-blended base image and its scaled copy
    qint64 m_basisSchluessel = 0;
    int m_basisDeck = -1;
    QImage m_arbeitskopie;
    QRect m_skaliertZiel;
    QImage m_basisSkaliert;

    struct BildEintrag
    {
        qint64 Quelle = 0;
        QSize Groesse;
        int Deckkraft = 0;
        QImage Bild;
        int Generation = 0;
    };
    std::unordered_map<std::uint64_t, BildEintrag> m_bildCache;
    int m_generation = 0;
};

// Whether the card the object had at its last drawing holds the page point
// (page fractions; right and bottom edges exclusive). False for a card never drawn.
bool KarteEnthaelt(const ObjDataTyp &o, QPointF seite);

// Copies the area quelle of von into nach at zielpunkt, clipped to both
// rasters; both must be 32-bit rasters of the same format.
void RechteckKopieren(QImage &nach, QPoint zielpunkt, const QImage &von, QRect quelle);

// One window-free call for the main window and "kalumo-tool render": sets
// the view state, optionally uncovers all fields, numbers them, rebuilds and
// returns ViewBitmap.
QImage LernansichtRendern(Dokument &dok, QSize ansicht, int zoomstufe, bool aufdecken,
                          const QString &schriftart = QStringLiteral("Arial"),
                          int nummerierung = numFragezeichen);

// Reruns the layouts and redraws through a Lernansicht when the model asks
// for it: after a change of the page geometry the page is built anew and
// the layouts of the text-centred types run in their rebuilding mode, so
// that generated objects (crossword letters, cards) follow the new page.
class LernansichtNeuaufbau : public DokumentNeuaufbau
{
public:
    explicit LernansichtNeuaufbau(Lernansicht &ansicht) : m_ansicht(ansicht) {}
    void LayoutsNeuAufbauen(Dokument &) override; // TextLayouts
    void Neuzeichnen(Dokument &) override { m_ansicht.RebuildView(); }

private:
    Lernansicht &m_ansicht;
};

} // namespace kalumo
