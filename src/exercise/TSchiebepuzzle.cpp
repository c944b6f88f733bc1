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

bool TSchiebepuzzle::Starten(const QImage &bild, int n, bool nurNachbarn)
{
    Beenden();
    const std::optional<PuzzleMasse> masse = PuzzleMasseBerechnen(bild.size(), size(), n);
    MtPuzzleZufall frisch;
    PuzzleZufall &zufall = m_zufall ? *m_zufall : frisch;
    if (!masse || !m_brett.PuzzleAufbauen(n, nurNachbarn, bild, *masse, zufall)) {
        m_meldungen->Information(PuzzleOhneBildMeldung());
        return false;
    }
    m_brett.StartTick = jetzt();
    for (int teil = 0; teil < m_brett.Teilanzahl(); ++teil)
        m_teile.push_back(new TPuzzleTeil(teil, *this, this));
    m_laeuft = true;
    teileAnordnen();
    statusZeigen();
    update();
    setFocus(Qt::OtherFocusReason);
    return true;
}

void TSchiebepuzzle::Beenden()
{
    m_laeuft = false;
    teileEntfernen();
    m_brett = Schiebepuzzle{};
    update();
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
        t->setGeometry(m_brett.TeilRechteck(teil));
        t->setCursor(m_laeuft && m_brett.TeilAnklickbar(teil) ? Qt::PointingHandCursor : Qt::ArrowCursor);
        // the hidden tile shows only when the picture is whole again
        t->setVisible(teil != m_brett.LeerTeil || m_brett.Geloest());
        t->update();
    }
}

void TSchiebepuzzle::statusZeigen()
{
    const QString text = m_brett.StatusText(jetzt());
    if (text == m_statusText)
        return;
    m_statusText = text;
    if (m_statusPan)
        m_statusPan->setText(text);
}

void TSchiebepuzzle::UhrTick()
{
    if (m_laeuft)
        statusZeigen();
}

void TSchiebepuzzle::TeilKlick(int teil)
{
    if (m_laeuft)
        zugAuswerten(m_brett.TeilKlick(teil));
}

bool TSchiebepuzzle::PfeilTaste(int taste)
{
    PuzzleRichtung r;
    switch (taste) {
    case Qt::Key_Left: r = PuzzleRichtung::Links; break;
    case Qt::Key_Right: r = PuzzleRichtung::Rechts; break;
    case Qt::Key_Up: r = PuzzleRichtung::Hoch; break;
    case Qt::Key_Down: r = PuzzleRichtung::Runter; break;
    default: return false;
    }
    if (m_laeuft)
        zugAuswerten(m_brett.Schieben(r));
    return true;
}

void TSchiebepuzzle::zugAuswerten(ZugErgebnis z)
{
    if (z == ZugErgebnis::KeinZug)
        return;
    if (z == ZugErgebnis::Geloest)
        m_laeuft = false; // the clock stops with the last move
    teileAnordnen();
    statusZeigen();
    if (z != ZugErgebnis::Geloest)
        return;
    // the whole picture is on the screen before the message
    if (TPuzzleTeil *leer = Teil(m_brett.LeerTeil))
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
    if (!m_brett.Aufgebaut())
        return;
    p.setPen(QColor::fromRgb(kPuzzleRahmenfarbe));
    p.setBrush(Qt::NoBrush);
    p.drawRect(m_brett.BrettRechteck().adjusted(0, 0, -1, -1));
}

void TSchiebepuzzle::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    if (!m_brett.Aufgebaut())
        return;
    if (const std::optional<PuzzleMasse> masse = PuzzleMasseBerechnen(m_brett.QuellBild.size(), size(), m_brett.Spalten)) {
        m_brett.PuzzleNeuAnordnen(*masse);
        teileAnordnen();
    }
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
