#include "worksheet/Zeichenliste.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <QFontMetricsF>
#include <QTextItem>

#include <cmath>

namespace kalumo {

// Records every call of QPainter as commands of the list.
class Aufnahmemaschine : public QPaintEngine
{
public:
    explicit Aufnahmemaschine(Zeichenliste &liste)
        : QPaintEngine(QPaintEngine::AllFeatures), m_liste(liste)
    {
    }

    Blattteil Teil = Blattteil::Keiner;

    bool begin(QPaintDevice *) override
    {
        m_zustand = Zeichenzustand{};
        m_zustand.Stift = QPen(Qt::black, 1);
        m_zustand.Pinsel = Qt::NoBrush;
        m_index = -1;
        setActive(true);
        return true;
    }
    bool end() override
    {
        setActive(false);
        return true;
    }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &s) override
    {
        const QPaintEngine::DirtyFlags f = s.state();
        if (f & DirtyPen)
            m_zustand.Stift = s.pen();
        if (f & DirtyBrush)
            m_zustand.Pinsel = s.brush();
        if (f & DirtyTransform)
            m_zustand.Transformation = s.transform();
        if (f & DirtyHints)
            m_zustand.Kantenglaettung = s.renderHints().testFlag(QPainter::Antialiasing);
        if (f & (DirtyPen | DirtyBrush | DirtyTransform | DirtyHints))
            m_index = -1;
    }

    void drawLines(const QLineF *linien, int anzahl) override
    {
        Zeichenbefehl &b = neu(Befehlsart::Linien);
        for (int i = 0; i < anzahl; ++i)
            b.Linien << linien[i];
    }
    void drawLines(const QLine *linien, int anzahl) override
    {
        Zeichenbefehl &b = neu(Befehlsart::Linien);
        for (int i = 0; i < anzahl; ++i)
            b.Linien << QLineF(linien[i]);
    }
    void drawRects(const QRectF *r, int anzahl) override
    {
        Zeichenbefehl &b = neu(Befehlsart::Rechtecke);
        for (int i = 0; i < anzahl; ++i)
            b.Rechtecke << r[i];
    }
    void drawRects(const QRect *r, int anzahl) override
    {
        Zeichenbefehl &b = neu(Befehlsart::Rechtecke);
        for (int i = 0; i < anzahl; ++i)
            b.Rechtecke << QRectF(r[i]);
    }
    void drawEllipse(const QRectF &r) override { neu(Befehlsart::Ellipse).Rechteck = r; }
    void drawEllipse(const QRect &r) override { neu(Befehlsart::Ellipse).Rechteck = QRectF(r); }
    void drawPath(const QPainterPath &pfad) override { neu(Befehlsart::Pfad).Pfad = pfad; }
    void drawPoints(const QPointF *punkte, int anzahl) override
    {
        Zeichenbefehl &b = neu(Befehlsart::Punkte);
        for (int i = 0; i < anzahl; ++i)
            b.Punkte << punkte[i];
    }
    void drawPoints(const QPoint *punkte, int anzahl) override
    {
        Zeichenbefehl &b = neu(Befehlsart::Punkte);
        for (int i = 0; i < anzahl; ++i)
            b.Punkte << QPointF(punkte[i]);
    }
    void drawPolygon(const QPointF *punkte, int anzahl, PolygonDrawMode modus) override
    {
        Zeichenbefehl &b = neu(modus == PolylineMode ? Befehlsart::Polylinie : Befehlsart::Polygon);
        b.Gerade = modus != WindingMode;
        for (int i = 0; i < anzahl; ++i)
            b.Punkte << punkte[i];
    }
    void drawPolygon(const QPoint *punkte, int anzahl, PolygonDrawMode modus) override
    {
        Zeichenbefehl &b = neu(modus == PolylineMode ? Befehlsart::Polylinie : Befehlsart::Polygon);
        b.Gerade = modus != WindingMode;
        for (int i = 0; i < anzahl; ++i)
            b.Punkte << QPointF(punkte[i]);
    }
    void drawPixmap(const QRectF &r, const QPixmap &pm, const QRectF &quelle) override
    {
        drawImage(r, pm.toImage(), quelle, Qt::AutoColor);
    }
    void drawTiledPixmap(const QRectF &r, const QPixmap &pm, const QPointF &) override
    {
        // not used by sheets: one stretched copy keeps the area covered
        drawImage(r, pm.toImage(), QRectF(QPointF(0, 0), pm.size()), Qt::AutoColor);
    }
    void drawImage(const QRectF &r, const QImage &bild, const QRectF &quelle, Qt::ImageConversionFlags) override
    {
        if (bild.isNull() || r.isEmpty())
            return;
        Zeichenbefehl &b = neu(Befehlsart::Bild);
        b.Rechteck = r;
        b.Quelle = quelle;
        b.Bild = bild;
    }
    void drawTextItem(const QPointF &p, const QTextItem &ti) override
    {
        const QString text = ti.text();
        if (text.isEmpty())
            return;
        Zeichenbefehl &b = neu(Befehlsart::Text);
        b.Text = text;
        b.Position = p;
        QFont f = ti.font();
        // QPainter draws the decorations itself, as lines we record
        f.setUnderline(false);
        f.setStrikeOut(false);
        f.setOverline(false);
        b.Schrift = f;
    }

private:
    Zeichenbefehl &neu(Befehlsart art)
    {
        if (m_index < 0) {
            if (m_liste.Zustaende.empty() || !(m_liste.Zustaende.back() == m_zustand))
                m_liste.Zustaende.push_back(m_zustand);
            m_index = int(m_liste.Zustaende.size()) - 1;
        }
        m_liste.Befehle.emplace_back();
        Zeichenbefehl &b = m_liste.Befehle.back();
        b.Typ = art;
        b.Zustand = m_index;
        b.Teil = Teil;
        return b;
    }

    Zeichenliste &m_liste;
    Zeichenzustand m_zustand;
    int m_index = -1;
};

Zeichenaufnahme::Zeichenaufnahme(Zeichenliste &ziel)
    : m_ziel(ziel), m_maschine(std::make_unique<Aufnahmemaschine>(ziel))
{
}

Zeichenaufnahme::~Zeichenaufnahme() = default;

void Zeichenaufnahme::TeilSetzen(Blattteil teil)
{
    m_maschine->Teil = teil;
}

Blattteil Zeichenaufnahme::Teil() const
{
    return m_maschine->Teil;
}

QPaintEngine *Zeichenaufnahme::paintEngine() const
{
    return m_maschine.get();
}

int Zeichenaufnahme::metric(PaintDeviceMetric metrik) const
{
    const int b = int(std::ceil(m_ziel.Seite.width())), h = int(std::ceil(m_ziel.Seite.height()));
    switch (metrik) {
    case PdmWidth: return b;
    case PdmHeight: return h;
    case PdmWidthMM: return int(b * 25.4 / 96.0);
    case PdmHeightMM: return int(h * 25.4 / 96.0);
    case PdmNumColors: return 0x7FFFFFFF;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return 96;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
    }
    return 0;
}

void Zeichenliste::Abspielen(QPainter &p) const
{
    p.save();
    const QTransform basis = p.transform();
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    int aktuell = -1;
    for (const Zeichenbefehl &b : Befehle) {
        if (b.Zustand != aktuell && b.Zustand >= 0 && b.Zustand < int(Zustaende.size())) {
            aktuell = b.Zustand;
            const Zeichenzustand &z = Zustaende[size_t(aktuell)];
            p.setTransform(z.Transformation * basis);
            p.setPen(z.Stift);
            p.setBrush(z.Pinsel);
            p.setRenderHint(QPainter::Antialiasing, z.Kantenglaettung);
        }
        switch (b.Typ) {
        case Befehlsart::Linien: p.drawLines(b.Linien); break;
        case Befehlsart::Rechtecke: p.drawRects(b.Rechtecke); break;
        case Befehlsart::Ellipse: p.drawEllipse(b.Rechteck); break;
        case Befehlsart::Polygon: p.drawPolygon(b.Punkte, b.Gerade ? Qt::OddEvenFill : Qt::WindingFill); break;
        case Befehlsart::Polylinie: p.drawPolyline(b.Punkte); break;
        case Befehlsart::Pfad: p.drawPath(b.Pfad); break;
        case Befehlsart::Punkte: p.drawPoints(b.Punkte); break;
        case Befehlsart::Text:
            p.setFont(b.Schrift);
            p.drawText(b.Position, b.Text);
            break;
        case Befehlsart::Bild: p.drawImage(b.Rechteck, b.Bild, b.Quelle); break;
        }
    }
    p.restore();
}

void Zeichenliste::Abspielen(QPainter &p, const QRectF &ziel) const
{
    if (Seite.isEmpty() || ziel.isEmpty())
        return;
    p.save();
    p.translate(ziel.topLeft());
    p.scale(ziel.width() / Seite.width(), ziel.height() / Seite.height());
    Abspielen(p);
    p.restore();
}

QImage Zeichenliste::Bitmap(QSize groesse) const
{
    QImage bild(groesse.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::white);
    QPainter p(&bild);
    Abspielen(p, QRectF(QPointF(0, 0), QSizeF(bild.size())));
    p.end();
    return bild;
}

std::vector<const Zeichenbefehl *> Zeichenliste::Befehlsliste(Blattteil teil) const
{
    std::vector<const Zeichenbefehl *> aus;
    for (const Zeichenbefehl &b : Befehle)
        if (teil == Blattteil::Keiner || b.Teil == teil)
            aus.push_back(&b);
    return aus;
}

std::vector<const Zeichenbefehl *> Zeichenliste::Texte(Blattteil teil) const
{
    std::vector<const Zeichenbefehl *> aus;
    for (const Zeichenbefehl *b : Befehlsliste(teil))
        if (b->Typ == Befehlsart::Text)
            aus.push_back(b);
    return aus;
}

QString Zeichenliste::Klartext() const
{
    QString aus;
    for (const Zeichenbefehl *b : Texte())
        aus += b->Text + QLatin1Char('\n');
    return aus;
}

QColor Zeichenliste::Farbe(const Zeichenbefehl &b) const
{
    if (b.Zustand < 0 || b.Zustand >= int(Zustaende.size()))
        return Qt::black;
    return Zustaende[size_t(b.Zustand)].Stift.color();
}

QRectF Zeichenliste::Umriss(const Zeichenbefehl &b) const
{
    QRectF r;
    switch (b.Typ) {
    case Befehlsart::Linien:
        for (const QLineF &l : b.Linien)
            r |= QRectF(l.p1(), l.p2()).normalized().adjusted(0, 0, 0.001, 0.001);
        break;
    case Befehlsart::Rechtecke:
        for (const QRectF &q : b.Rechtecke)
            r |= q;
        break;
    case Befehlsart::Ellipse:
    case Befehlsart::Bild: r = b.Rechteck; break;
    case Befehlsart::Polygon:
    case Befehlsart::Polylinie:
    case Befehlsart::Punkte: r = b.Punkte.boundingRect(); break;
    case Befehlsart::Pfad: r = b.Pfad.boundingRect(); break;
    case Befehlsart::Text: {
        const QFontMetricsF fm(b.Schrift);
        r = QRectF(b.Position.x(), b.Position.y() - fm.ascent(), fm.horizontalAdvance(b.Text), fm.height());
        break;
    }
    }
    if (b.Zustand >= 0 && b.Zustand < int(Zustaende.size()))
        r = Zustaende[size_t(b.Zustand)].Transformation.mapRect(r);
    return r;
}

} // namespace kalumo
