#include "app/TLernbild.h"

#include "app/Mauszeiger.h"
#include "app/TAbdeckblatt.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace kalumo {

namespace {

QCursor Zeiger(MauszeigerArt art)
{
    const MauszeigerBild b = MauszeigerZeichnen(art);
    return QCursor(QPixmap::fromImage(b.Bild), b.Hotspot.x(), b.Hotspot.y());
}

Maustaste Taste(Qt::MouseButton knopf)
{
    switch (knopf) {
    case Qt::RightButton: return Maustaste::Rechts;
    case Qt::MiddleButton: return Maustaste::Mitte;
    default: return Maustaste::Links;
    }
}

} // namespace

TLernbild::TLernbild(Sitzung &sitzung, QWidget *parent)
    : QWidget(parent)
    , m_sitzung(sitzung)
{
    setObjectName(QStringLiteral("LernKartPicImg"));
    setMouseTracking(true);
    setMinimumSize(320, 240);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    setFocusPolicy(Qt::ClickFocus);

    m_zeiger[size_t(Zeigerform::Standard)] = Zeiger(MauszeigerArt::Ziehen);
    m_zeiger[size_t(Zeigerform::Handpunkt)] = QCursor(Qt::PointingHandCursor);
    m_zeiger[size_t(Zeigerform::Hand)] = Zeiger(MauszeigerArt::Hand);
    m_zeiger[size_t(Zeigerform::Stift)] = Zeiger(MauszeigerArt::Stift);
    m_zeiger[size_t(Zeigerform::Marker)] = Zeiger(MauszeigerArt::Marker);
    m_zeiger[size_t(Zeigerform::Radierer)] = Zeiger(MauszeigerArt::Radierer);
    m_zeiger[size_t(Zeigerform::Stempel)] = Zeiger(MauszeigerArt::Stempel);
    m_zeiger[size_t(Zeigerform::Kreuz)] = Zeiger(MauszeigerArt::Kreuz);
    m_zeiger[size_t(Zeigerform::Text)] = Zeiger(MauszeigerArt::Text);
    m_zeiger[size_t(Zeigerform::Fadenkreuz)] = m_zeiger[size_t(Zeigerform::Standard)];
    setCursor(m_zeiger[size_t(Zeigerform::Standard)]);

    m_textfeld = new QLineEdit(this);
    m_textfeld->setObjectName(QStringLiteral("TexteingabeEdit"));
    m_textfeld->setToolTip(QStringLiteral("Text übernehmen mit Enter, abbrechen mit ESC"));
    m_textfeld->setFrame(false);
    m_textfeld->hide();
    m_textfeld->installEventFilter(this);
    connect(m_textfeld, &QLineEdit::textChanged, this, [this] { TextfeldAnpassen(); });

    m_bereichInfo = new QLabel(this);
    m_bereichInfo->setObjectName(QStringLiteral("BereichInfoPan"));
    m_bereichInfo->setAutoFillBackground(true);
    m_bereichInfo->setCursor(Qt::SizeAllCursor);
    m_bereichInfo->hide();
    m_bereichInfo->installEventFilter(this);

    m_abdeckblatt = new TAbdeckblatt(this);
}

TLernbild::~TLernbild() = default;

QPoint TLernbild::Bildversatz() const
{
    const QSize b = m_sitzung.Ansicht().ViewBitmap.size();
    return QPoint(std::max(0, (width() - b.width()) / 2), std::max(0, (height() - b.height()) / 2));
}

bool TLernbild::WerkzeugSetzen(int werkzeug)
{
    if (!Logik().WerkzeugSetzen(werkzeug))
        return false;
    if (werkzeug != wzText)
        TextfeldSchliessen(false);
    BereichAnzeigen();
    ZeigerAnpassen(m_maus);
    update();
    emit WerkzeugGeaendert(Logik().Werkzeug());
    return true;
}

void TLernbild::Aktualisieren()
{
    BereichAnzeigen();
    update();
}

void TLernbild::EingabeGewechselt()
{
    TextfeldSchliessen(false);
    Aktualisieren();
    ZeigerAnpassen(m_maus);
}

void TLernbild::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QImage &bild = m_sitzung.Ansicht().ViewBitmap;
    const QPoint o = Bildversatz();
    if (!bild.isNull())
        p.drawImage(o, bild);
    p.translate(o);
    m_sitzung.Eingabe().Ueberzeichnen(p);
}

void TLernbild::Reagieren(const Eingabereaktion &r)
{
    if (r.Neuzeichnen) {
        BereichAnzeigen();
        update();
        emit AnsichtGeaendert();
    }
    if (r.TextfeldOeffnen)
        TextfeldOeffnen(r.Textposition);
    if (r.Aktivieren >= 0)
        emit ObjektAktivieren(r.Aktivieren);
    if (r.LaufEnde)
        emit LaufBeendet();
}

void TLernbild::Sicher(const std::function<Eingabereaktion()> &schritt)
{
    // an error while drawing (a picture too large for memory, say) is
    // reported; the view stays as it is and keeps working
    Eingabereaktion r;
    try {
        r = schritt();
    } catch (const std::exception &fehler) {
        r.Neuzeichnen = true;
        m_sitzung.Meldung().Information(QStringLiteral("Fehler aufgetreten (%1)").arg(QString::fromLocal8Bit(fehler.what())));
    }
    Reagieren(r);
}

void TLernbild::ZeigerAnpassen(QPoint ansichtspunkt)
{
    setCursor(m_zeiger[size_t(m_sitzung.Eingabe().ZeigerFuer(ansichtspunkt))]);
}

void TLernbild::mousePressEvent(QMouseEvent *e)
{
    emit MausGedrueckt();
    if (m_textfeld->isVisible() && e->button() == Qt::LeftButton && Logik().Werkzeug() == wzText)
        TextfeldSchliessen(false); // a new click places a new field
    const QPoint p = ZuAnsicht(e->position().toPoint());
    Sicher([&] { return m_sitzung.Eingabe().MausDruck(p, Taste(e->button())); });
    ZeigerAnpassen(p);
}

void TLernbild::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint p = ZuAnsicht(e->position().toPoint());
    m_maus = p;
    Sicher([&] { return m_sitzung.Eingabe().MausBewegung(p, e->buttons() & Qt::LeftButton, e->buttons() & Qt::RightButton); });
    ZeigerAnpassen(p);
}

void TLernbild::mouseReleaseEvent(QMouseEvent *e)
{
    const QPoint p = ZuAnsicht(e->position().toPoint());
    Sicher([&] { return m_sitzung.Eingabe().MausLos(p, Taste(e->button())); });
    ZeigerAnpassen(p);
}

void TLernbild::leaveEvent(QEvent *)
{
    Reagieren(m_sitzung.Eingabe().MausWeg());
    update();
}

void TLernbild::keyPressEvent(QKeyEvent *e)
{
    const Eingabereaktion r = m_sitzung.Eingabe().Taste(e->key(), int(e->modifiers()), e->text());
    Reagieren(r);
    if (!r.Verbraucht)
        QWidget::keyPressEvent(e);
}

void TLernbild::resizeEvent(QResizeEvent *)
{
    if (m_abdeckblatt->isVisible() && !m_abdeckblatt->Beruehrt())
        m_abdeckblatt->setGeometry(rect());
    emit GroesseGeaendert(size());
}

// ---- text tool ----

void TLernbild::TextfeldOeffnen(QPoint klick)
{
    m_textKlick = klick;
    m_textfeld->clear();
    m_textfeld->setFont(Logik().TextfeldSchrift());
    QPalette farben = m_textfeld->palette();
    farben.setColor(QPalette::Text, Logik().Zeichenfarbe());
    m_textfeld->setPalette(farben);
    TextfeldAnpassen();
    m_textfeld->show();
    m_textfeld->raise();
    m_textfeld->setFocus();
}

void TLernbild::TextfeldAnpassen()
{
    const QRect r = Logik().TextfeldRechteck(m_textKlick, m_textfeld->text());
    m_textfeld->setGeometry(r.translated(Bildversatz()));
}

void TLernbild::TextfeldSchliessen(bool uebernehmen)
{
    if (!m_textfeld->isVisible())
        return;
    if (uebernehmen) {
        // the text stands where the field stands, without the field's inner margin
        const QRect r = m_textfeld->geometry().translated(-Bildversatz());
        const QMargins rand = m_textfeld->textMargins();
        Logik().TextUebernehmen(r.topLeft() + QPoint(rand.left() + 2, rand.top()), m_textfeld->text());
        emit AnsichtGeaendert();
    }
    m_textfeld->clear();
    m_textfeld->hide();
    update();
}

// ---- area selection ----

void TLernbild::BereichAnzeigen()
{
    if (!Logik().BereichVorhanden()) {
        m_bereichInfo->hide();
        return;
    }
    m_bereichInfo->setText(Logik().BereichInfo());
    m_bereichInfo->adjustSize();
    const QRect b = Logik().Bereich().translated(Bildversatz());
    m_bereichInfo->move(b.left(), std::max(0, b.top() - m_bereichInfo->height() - 2));
    m_bereichInfo->show();
    m_bereichInfo->raise();
}

// ---- cover sheet ----

void TLernbild::AbdeckblattKnopf()
{
    if (m_abdeckblatt->isVisible() && !m_abdeckblatt->Beruehrt())
        AbdeckblattAusblenden();
    else
        AbdeckblattEinblenden();
}

void TLernbild::AbdeckblattEinblenden()
{
    m_abdeckblatt->Einblenden();
}

void TLernbild::AbdeckblattAusblenden()
{
    m_abdeckblatt->hide();
}

bool TLernbild::eventFilter(QObject *objekt, QEvent *e)
{
    if (objekt == m_textfeld && e->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(e)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            TextfeldSchliessen(true);
            return true;
        }
        if (taste == Qt::Key_Escape) {
            TextfeldSchliessen(false);
            return true;
        }
    }
    if (objekt == m_bereichInfo) {
        // dragging the info panel moves the whole selection
        auto *maus = static_cast<QMouseEvent *>(e);
        if (e->type() == QEvent::MouseButtonPress && maus->button() == Qt::LeftButton) {
            m_infoZiehen = maus->globalPosition().toPoint();
            return true;
        }
        if (e->type() == QEvent::MouseMove && m_infoZiehen.x() >= 0 && (maus->buttons() & Qt::LeftButton)) {
            const QPoint jetzt = maus->globalPosition().toPoint();
            Logik().BereichVerschieben(jetzt - m_infoZiehen);
            m_infoZiehen = jetzt;
            BereichAnzeigen();
            update();
            return true;
        }
        if (e->type() == QEvent::MouseButtonRelease) {
            m_infoZiehen = QPoint(-1, -1);
            return true;
        }
    }
    return QWidget::eventFilter(objekt, e);
}

} // namespace kalumo
