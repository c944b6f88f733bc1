#include "exercise/TSchiebepuzzle.h"

#include "platform/Meldungen.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <chrono>

namespace kalumo {

TPuzzleTeil::TPuzzleTeil(int teil, TSchiebepuzzle &puzzle, QWidget *parent)
    : QWidget(parent), m_teil(teil), m_puzzle(puzzle)
{
    setObjectName(QStringLiteral("SPuzzlePan") + QString::number(teil));
    setProperty("Tag", teil);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPuzzleTeil::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, m_puzzle.Brett().TeilBild(m_teil));
}

void TPuzzleTeil::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        m_puzzle.TeilKlick(m_teil);
    e->accept();
}

TSchiebepuzzle::TSchiebepuzzle(Meldungen &meldungen, QWidget *parent) : QWidget(parent), m_meldungen(&meldungen)
{
    setObjectName(QStringLiteral("Schiebepuzzle"));
    setFocusPolicy(Qt::StrongFocus);
    m_uhr = [] {
        return qint64(std::chrono::duration_cast<std::chrono::milliseconds>(
                          std::chrono::steady_clock::now().time_since_epoch())
                          .count());
    };
}

TSchiebepuzzle::~TSchiebepuzzle() = default;

qint64 TSchiebepuzzle::jetzt() const
{
    return m_uhr ? m_uhr() : 0;
}

std::unique_ptr<Puzzlelauf> TSchiebepuzzle::LaufBauen(const QImage &bild, int n, bool nurNachbarn)
{
    Beenden();
    MtPuzzleZufall frisch;
    std::unique_ptr<Puzzlelauf> lauf =
        Puzzlelauf::Bauen(bild, n, nurNachbarn, size(), m_zufall ? *m_zufall : frisch, jetzt());
    if (!lauf)
        m_meldungen->Information(PuzzleOhneBildMeldung());
    return lauf;
}

void TSchiebepuzzle::Zeigen(Puzzlelauf &lauf)
{
    teileEntfernen();
    if (m_eigenerLauf.get() != &lauf)
        m_eigenerLauf.reset(); // a run of its own goes when another is shown
    m_lauf = &lauf;
    m_lauf->PanelGroesse(size());
    for (int teil = 0; teil < m_lauf->Brett().Teilanzahl(); ++teil)
        m_teile.push_back(new TPuzzleTeil(teil, *this, this));
    teileAnordnen();
    statusZeigen();
    update();
    setFocus(Qt::OtherFocusReason);
}

bool TSchiebepuzzle::Starten(const QImage &bild, int n, bool nurNachbarn)
{
    std::unique_ptr<Puzzlelauf> lauf = LaufBauen(bild, n, nurNachbarn);
    if (!lauf)
        return false;
    m_eigenerLauf = std::move(lauf);
    Zeigen(*m_eigenerLauf);
    return true;
}

void TSchiebepuzzle::Beenden()
{
    teileEntfernen();
    m_lauf = nullptr;
    m_eigenerLauf.reset();
    update();
}

const Schiebepuzzle &TSchiebepuzzle::Brett() const
{
    static const Schiebepuzzle leer;
    return m_lauf ? m_lauf->Brett() : leer;
}

void TSchiebepuzzle::teileEntfernen()
{
    // a tile may be the one whose click ended the puzzle: it goes once its event is done
    for (TPuzzleTeil *t : m_teile) {
        t->hide();
        t->deleteLater();
    }
    m_teile.clear();
}

TPuzzleTeil *TSchiebepuzzle::Teil(int teil) const
{
    if (teil < 0 || size_t(teil) >= m_teile.size())
        return nullptr;
    return m_teile[size_t(teil)];
}

void TSchiebepuzzle::teileAnordnen()
{
    for (TPuzzleTeil *t : m_teile) {
        const int teil = t->Tag();
        const QRect r = Brett().TeilRechteck(teil);
        t->setGeometry(r);
        t->setCursor(m_lauf && m_lauf->Eingabe().ZeigerFuer(r.center()) == Zeigerform::Handpunkt
                         ? Qt::PointingHandCursor
                         : Qt::ArrowCursor);
        // the hidden tile shows only when the picture is whole again
        t->setVisible(teil != Brett().LeerTeil || Brett().Geloest());
        t->update();
    }
}

void TSchiebepuzzle::statusZeigen()
{
    const QString text = m_lauf ? m_lauf->StatusText() : QString();
    if (text == m_statusText)
        return;
    m_statusText = text;
    if (m_statusPan)
        m_statusPan->setText(text);
}

void TSchiebepuzzle::UhrTick()
{
    if (m_lauf && m_lauf->Takt(jetzt()).Neuzeichnen)
        statusZeigen();
}

void TSchiebepuzzle::TeilKlick(int teil)
{
    // the tile panels overlap by their border line: the click is the tile's
    // whose panel took it, so it goes to the run at that tile's centre
    if (!m_lauf || !Brett().Aufgebaut())
        return;
    m_lauf->Takt(jetzt());
    reagieren(m_lauf->Eingabe().MausDruck(Brett().TeilRechteck(teil).center(), Maustaste::Links));
}

bool TSchiebepuzzle::PfeilTaste(int taste)
{
    if (!PfeilRichtung(taste))
        return false;
    if (m_lauf) {
        m_lauf->Takt(jetzt());
        reagieren(m_lauf->Eingabe().Taste(taste, Qt::NoModifier, QString()));
    }
    return true;
}

void TSchiebepuzzle::reagieren(const Eingabereaktion &r)
{
    if (!r.Neuzeichnen && !r.LaufEnde)
        return;
    teileAnordnen();
    statusZeigen();
    if (!r.LaufEnde)
        return;
    // the whole picture is on the screen before the message
    if (TPuzzleTeil *leer = Teil(Brett().LeerTeil))
        leer->repaint();
    if (ErfolgsTon)
        ErfolgsTon();
    m_meldungen->Information(PuzzleGeloestMeldung());
    emit PuzzleGeloest();
}

void TSchiebepuzzle::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor::fromRgb(kPuzzleHintergrund));
    if (!Brett().Aufgebaut())
        return;
    p.setPen(QColor::fromRgb(kPuzzleRahmenfarbe));
    p.setBrush(Qt::NoBrush);
    p.drawRect(Brett().BrettRechteck().adjusted(0, 0, -1, -1));
}

void TSchiebepuzzle::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    if (!m_lauf)
        return;
    m_lauf->PanelGroesse(size());
    teileAnordnen();
}

void TSchiebepuzzle::keyPressEvent(QKeyEvent *e)
{
    if (e->modifiers() == Qt::NoModifier || e->modifiers() == Qt::KeypadModifier) {
        if (PfeilTaste(e->key())) {
            e->accept();
            return;
        }
    }
    QWidget::keyPressEvent(e);
}

} // namespace kalumo
