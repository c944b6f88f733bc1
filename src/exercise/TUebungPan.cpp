#include "exercise/TUebungPan.h"

#include "exercise/TUebStatusPan.h"
#include "exercise/Uebungszeichnung.h"
#include "learnview/Lernansicht.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace kalumo {

namespace {

// The glide is drawn at the screen's pace; its path has one point per millisecond.
constexpr int kGleitBildMs = 15;

Maustaste Taste(Qt::MouseButton b)
{
    switch (b) {
    case Qt::RightButton: return Maustaste::Rechts;
    case Qt::MiddleButton: return Maustaste::Mitte;
    default: return Maustaste::Links;
    }
}

Qt::CursorShape Zeiger(Zeigerform z)
{
    switch (z) {
    case Zeigerform::Handpunkt: return Qt::PointingHandCursor;
    case Zeigerform::Hand: return Qt::OpenHandCursor;   // the drag pointer over cards
    case Zeigerform::Text: return Qt::IBeamCursor;
    case Zeigerform::Fadenkreuz:
    case Zeigerform::Kreuz: return Qt::CrossCursor;
    default: return Qt::ArrowCursor;
    }
}

} // namespace

TUebungPan::TUebungPan(Uebung &uebung, Lernansicht &ansicht, QWidget *parent)
    : QWidget(parent), m_uebung(uebung), m_ansicht(ansicht), m_eingabe(uebung)
{
    setObjectName(QStringLiteral("UebungPan"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_vorher = m_uebung.Dienste.Oberflaeche;
    m_uebung.Dienste.Oberflaeche = this;

    m_takt.setInterval(kTaktMs);
    connect(&m_takt, &QTimer::timeout, this, [this] {
        // each tick stops the timer, moves the clock and starts it again
        m_takt.stop();
        Beantworten(m_eingabe.Takt());
        if (m_uebung.Laeuft() && m_uebung.Daten().EndeGrund == endeLaeuft)
            m_takt.start();
    });
    m_pause.setSingleShot(true);
    connect(&m_pause, &QTimer::timeout, this, &TUebungPan::PauseVorbei);
    m_gleitTakt.setInterval(kGleitBildMs);
    connect(&m_gleitTakt, &QTimer::timeout, this, &TUebungPan::Gleitschritt);
}

TUebungPan::~TUebungPan()
{
    if (m_uebung.Dienste.Oberflaeche == this)
        m_uebung.Dienste.Oberflaeche = m_vorher;
}

void TUebungPan::WeiterleitungSetzen(std::function<Eingabemaschine &()> maschine,
                                     std::function<void(const Eingabereaktion &)> antwort)
{
    m_maschine = std::move(maschine);
    m_antwort = std::move(antwort);
    if (m_maschine)
        m_takt.stop();
}

void TUebungPan::StatusSetzen(TUebStatusPan *status)
{
    m_status = status;
    if (m_status && m_uebung.Laeuft())
        m_status->Anzeigen(m_uebung.Status());
}

// ------------------------------------------------------- the run's surface

void TUebungPan::UebungsmodusBetreten()
{
    if (m_haupt)
        m_haupt->UebungsmodusBetreten();
    m_uebung.PanelGroesseSetzen(size());
    setFocus();
    update();
}

void TUebungPan::LernansichtAktivieren()
{
    m_takt.stop();
    m_pause.stop();
    m_gleitTakt.stop();
    m_gleitElement = -1;
    if (m_haupt)
        m_haupt->LernansichtAktivieren();
    update();
}

void TUebungPan::IndividualKnopf(bool gedrueckt)
{
    if (m_haupt)
        m_haupt->IndividualKnopf(gedrueckt);
}

void TUebungPan::ZeitgeberSetzen(bool an)
{
    if (an && !m_maschine)
        m_takt.start();
    else
        m_takt.stop();
}

void TUebungPan::Aktualisieren(unsigned aenderung)
{
    if (m_status && (aenderung & (aendStatus | aendUhr)) && m_uebung.Laeuft())
        m_status->Anzeigen(m_uebung.Status());
    update();
}

bool TUebungPan::Pausieren(int ms)
{
    m_pause.start(std::max(0, ms));
    update();
    return true;
}

bool TUebungPan::Gleiten(int element, const std::vector<QPoint> &bahn)
{
    if (bahn.empty())
        return false;
    m_gleitElement = element;
    m_bahn = bahn;
    m_gleitOrt = bahn.front();
    m_gleitUhr.start();
    m_gleitTakt.start();
    update();
    return true;
}

void TUebungPan::ObjektOeffnen(int objekt)
{
    if (m_haupt)
        m_haupt->ObjektOeffnen(objekt);
}

void TUebungPan::InfofensterSchliessen()
{
    if (m_haupt)
        m_haupt->InfofensterSchliessen();
}

void TUebungPan::PauseVorbei()
{
    m_uebung.PauseBeendet();
    update();
}

void TUebungPan::Gleitschritt()
{
    // step i belongs to millisecond i of the glide
    const qint64 i = m_gleitUhr.elapsed();
    if (i >= qint64(m_bahn.size()) - 1) {
        m_gleitTakt.stop();
        m_gleitElement = -1;
        m_bahn.clear();
        PauseVorbei();
        return;
    }
    m_gleitOrt = m_bahn[size_t(i)];
    update();
}

// ------------------------------------------------------------- painting

void TUebungPan::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!m_uebung.Laeuft())
        return;
    UebungZeichnen(p, m_uebung, m_uebung.Dok(), m_ansicht.ViewBitmap, zeichAlles, m_gleitElement);
    if (const UebElement *e = m_uebung.Element(m_gleitElement)) {
        UebElement bild = *e;
        bild.Rechteck.moveTopLeft(m_gleitOrt);
        ElementZeichnen(p, bild, m_uebung.Dok(), false);
    }
}

void TUebungPan::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    if (m_uebung.Laeuft())
        m_uebung.PanelGroesseSetzen(size());
}

// ---------------------------------------------------------------- input

void TUebungPan::Beantworten(const UebEingabeAntwort &a)
{
    // an info point to open was handed on through ObjektOeffnen already
    if (a.Neuzeichnen)
        update();
}

void TUebungPan::Beantworten(const Eingabereaktion &r)
{
    if (r.Neuzeichnen)
        update();
    if (m_antwort)
        m_antwort(r);
}

void TUebungPan::Zeigerwahl(QPoint p)
{
    setCursor(Zeiger(m_maschine ? m_maschine().ZeigerFuer(p) : m_eingabe.ZeigerFuer(p)));
}

void TUebungPan::mousePressEvent(QMouseEvent *e)
{
    setFocus();
    const QPoint p = e->position().toPoint();
    if (m_maschine)
        Beantworten(m_maschine().MausDruck(p, Taste(e->button())));
    else
        Beantworten(m_eingabe.MausDruck(p, Taste(e->button())));
}

void TUebungPan::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint p = e->position().toPoint();
    const bool links = e->buttons() & Qt::LeftButton;
    const bool rechts = e->buttons() & Qt::RightButton;
    if (m_maschine)
        Beantworten(m_maschine().MausBewegung(p, links, rechts));
    else
        Beantworten(m_eingabe.MausBewegung(p, links, rechts));
    Zeigerwahl(p);
}

void TUebungPan::mouseReleaseEvent(QMouseEvent *e)
{
    const QPoint p = e->position().toPoint();
    if (m_maschine)
        Beantworten(m_maschine().MausLos(p, Taste(e->button())));
    else
        Beantworten(m_eingabe.MausLos(p, Taste(e->button())));
    Zeigerwahl(p);
}

void TUebungPan::leaveEvent(QEvent *e)
{
    QWidget::leaveEvent(e);
    if (m_maschine)
        Beantworten(m_maschine().MausWeg());
    else
        Beantworten(m_eingabe.MausWeg());
}

void TUebungPan::keyPressEvent(QKeyEvent *e)
{
    bool verbraucht = false;
    if (m_maschine) {
        const Eingabereaktion r = m_maschine().Taste(e->key(), int(e->modifiers()), e->text());
        verbraucht = r.Verbraucht;
        Beantworten(r);
    } else {
        const UebEingabeAntwort a = m_eingabe.Taste(e->key(), int(e->modifiers()), e->text());
        verbraucht = a.Verbraucht;
        Beantworten(a);
    }
    if (!verbraucht)
        QWidget::keyPressEvent(e);
}

bool TUebungPan::focusNextPrevChild(bool next)
{
    // Tab belongs to the run while it lasts
    return !m_uebung.Laeuft() && QWidget::focusNextPrevChild(next);
}

} // namespace kalumo
