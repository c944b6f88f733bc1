#include "worksheet/Metadatei.h"

#include "platform/Windows1252.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace kalumo {

namespace {

// ---- what both formats share: the walk over the list and the objects ----

struct Stiftwert
{
    int Stil = 0;       // 0 solid, 1 dash, 2 dot, 5 null
    int Breite = 0;     // logical units, 0: one device pixel
    quint32 Farbe = 0;  // COLORREF
    bool operator==(const Stiftwert &) const = default;
};

struct Pinselwert
{
    bool Leer = true;
    quint32 Farbe = 0;
    bool operator==(const Pinselwert &) const = default;
};

struct Schriftwert
{
    int Hoehe = 0;      // negative: character height
    int Gewicht = 400;
    bool Kursiv = false;
    QString Name;
    bool operator==(const Schriftwert &) const = default;
};

quint32 Colorref(const QColor &c)
{
    // the formats know no transparency: a pale colour stays pale on white
    const int a = c.alpha();
    auto kanal = [a](int v) { return (v * a + 255 * (255 - a)) / 255; };
    return quint32(kanal(c.red())) | (quint32(kanal(c.green())) << 8) | (quint32(kanal(c.blue())) << 16);
}

double Massstab(const QTransform &t)
{
    return std::sqrt(std::abs(t.determinant()));
}

// The records of one format; the walk below calls these.
class Geraet
{
public:
    virtual ~Geraet() = default;
    virtual int StiftErzeugen(const Stiftwert &s) = 0;
    virtual int PinselErzeugen(const Pinselwert &p) = 0;
    virtual int SchriftErzeugen(const Schriftwert &s) = 0;
    virtual void Waehlen(int objekt) = 0;
    virtual void Loeschen(int objekt) = 0;
    virtual void LeererStift() = 0;
    virtual void LeererPinsel() = 0;
    virtual void Textfarbe(quint32 farbe) = 0;
    virtual void Fuellregel(bool gerade) = 0;
    virtual void Polylinie(const QPolygon &p) = 0;
    virtual void Vieleck(const QPolygon &p) = 0;
    virtual void Vielecke(const std::vector<QPolygon> &p) = 0;
    virtual void Rechteck(const QRect &r) = 0;
    virtual void Ellipse(const QRect &r) = 0;
    virtual void Text(QPoint p, const QString &text, const std::vector<int> &abstaende) = 0;
    virtual void Bitmap(const QRect &ziel, const QImage &bild) = 0;
};

class Zeichner
{
public:
    Zeichner(Geraet &g, const Zeichenliste &l) : m_g(g), m_l(l) {}

    void Alles()
    {
        for (const Zeichenbefehl &b : m_l.Befehle)
            Befehl(b);
        if (m_stift > 0) {
            m_g.LeererStift();
            m_g.Loeschen(m_stift);
        }
        if (m_pinsel > 0) {
            m_g.LeererPinsel();
            m_g.Loeschen(m_pinsel);
        }
    }

private:
    QPoint Punkt(const QTransform &t, QPointF p) const
    {
        const QPointF q = t.map(p) * kMetaEinheiten;
        auto ganz = [](double v) { return int(std::clamp(std::round(v), -32000.0, 32000.0)); };
        return {ganz(q.x()), ganz(q.y())};
    }

    QPolygon Vieleck(const QTransform &t, const QPolygonF &p) const
    {
        QPolygon aus;
        aus.reserve(p.size());
        for (const QPointF &q : p)
            aus << Punkt(t, q);
        return aus;
    }

    void Stift(const QPen &pen, const QTransform &t)
    {
        if (pen.style() == Qt::NoPen || pen.brush().style() == Qt::NoBrush) {
            StiftSetzen({5, 0, 0});
            return;
        }
        Stiftwert s;
        s.Stil = pen.style() == Qt::DashLine ? 1 : pen.style() == Qt::DotLine ? 2 : 0;
        s.Breite = pen.isCosmetic() ? 0 : std::max(1, int(std::round(pen.widthF() * Massstab(t) * kMetaEinheiten)));
        s.Farbe = Colorref(pen.color());
        StiftSetzen(s);
    }

    void StiftSetzen(const Stiftwert &s)
    {
        if (m_stift >= 0 && s == m_stiftwert)
            return;
        const int alt = m_stift;
        if (s.Stil == 5) {
            m_g.LeererStift();
            m_stift = 0;
        } else {
            m_stift = m_g.StiftErzeugen(s);
            m_g.Waehlen(m_stift);
        }
        if (alt > 0)
            m_g.Loeschen(alt);
        m_stiftwert = s;
    }

    void Pinsel(const QBrush &b)
    {
        Pinselwert p;
        p.Leer = b.style() == Qt::NoBrush;
        p.Farbe = p.Leer ? 0 : Colorref(b.color());
        if (m_pinsel >= 0 && p == m_pinselwert)
            return;
        const int alt = m_pinsel;
        if (p.Leer) {
            m_g.LeererPinsel();
            m_pinsel = 0;
        } else {
            m_pinsel = m_g.PinselErzeugen(p);
            m_g.Waehlen(m_pinsel);
        }
        if (alt > 0)
            m_g.Loeschen(alt);
        m_pinselwert = p;
    }

    void Schrift(const QFont &f, const QTransform &t)
    {
        double pixel = f.pixelSize() > 0 ? f.pixelSize() : f.pointSizeF() * 96.0 / 72.0;
        Schriftwert s;
        s.Hoehe = -std::max(1, int(std::round(pixel * std::abs(t.m22()) * kMetaEinheiten)));
        s.Gewicht = std::clamp(int(f.weight()), 100, 900);
        s.Kursiv = f.italic();
        s.Name = f.family().left(31);
        if (m_schrift >= 0 && s == m_schriftwert)
            return;
        const int alt = m_schrift;
        m_schrift = m_g.SchriftErzeugen(s);
        m_g.Waehlen(m_schrift);
        if (alt > 0)
            m_g.Loeschen(alt);
        m_schriftwert = s;
    }

    void Befehl(const Zeichenbefehl &b)
    {
        if (b.Zustand < 0 || b.Zustand >= int(m_l.Zustaende.size()))
            return;
        const Zeichenzustand &z = m_l.Zustaende[size_t(b.Zustand)];
        const QTransform &t = z.Transformation;
        switch (b.Typ) {
        case Befehlsart::Linien:
            Stift(z.Stift, t);
            for (const QLineF &l : b.Linien)
                m_g.Polylinie(QPolygon{Punkt(t, l.p1()), Punkt(t, l.p2())});
            break;
        case Befehlsart::Rechtecke:
            Stift(z.Stift, t);
            Pinsel(z.Pinsel);
            for (const QRectF &r : b.Rechtecke) {
                if (t.type() <= QTransform::TxScale)
                    m_g.Rechteck(QRect(Punkt(t, r.topLeft()), Punkt(t, r.bottomRight())));
                else
                    m_g.Vieleck(Vieleck(t, QPolygonF(r)));
            }
            break;
        case Befehlsart::Ellipse:
            Stift(z.Stift, t);
            Pinsel(z.Pinsel);
            m_g.Ellipse(QRect(Punkt(t, b.Rechteck.topLeft()), Punkt(t, b.Rechteck.bottomRight())));
            break;
        case Befehlsart::Polygon:
            Stift(z.Stift, t);
            Pinsel(z.Pinsel);
            m_g.Fuellregel(b.Gerade);
            m_g.Vieleck(Vieleck(t, b.Punkte));
            break;
        case Befehlsart::Polylinie:
            Stift(z.Stift, t);
            m_g.Polylinie(Vieleck(t, b.Punkte));
            break;
        case Befehlsart::Pfad: {
            const QList<QPolygonF> teile = b.Pfad.toSubpathPolygons(t);
            std::vector<QPolygon> vielecke;
            for (const QPolygonF &p : teile) {
                QPolygon q;
                for (const QPointF &x : p)
                    q << Punkt(QTransform(), x);
                if (q.size() >= 2)
                    vielecke.push_back(q);
            }
            if (vielecke.empty())
                break;
            if (z.Pinsel.style() != Qt::NoBrush) {
                StiftSetzen({5, 0, 0});
                Pinsel(z.Pinsel);
                m_g.Fuellregel(b.Pfad.fillRule() == Qt::OddEvenFill);
                m_g.Vielecke(vielecke);
            }
            if (z.Stift.style() != Qt::NoPen) {
                Stift(z.Stift, t);
                for (const QPolygon &q : vielecke)
                    m_g.Polylinie(q);
            }
            break;
        }
        case Befehlsart::Punkte: {
            StiftSetzen({5, 0, 0});
            QBrush punkt(z.Stift.color());
            Pinsel(punkt);
            for (const QPointF &p : b.Punkte) {
                const QPoint q = Punkt(t, p);
                m_g.Rechteck(QRect(q, q + QPoint(kMetaEinheiten, kMetaEinheiten)));
            }
            break;
        }
        case Befehlsart::Text: {
            Schrift(b.Schrift, t);
            m_g.Textfarbe(Colorref(z.Stift.color()));
            // advances of the characters, rounded without drift
            const QFontMetricsF fm(b.Schrift);
            const double faktor = std::abs(t.m11()) * kMetaEinheiten;
            std::vector<int> abstaende;
            abstaende.reserve(size_t(b.Text.size()));
            double summe = 0;
            int gesetzt = 0;
            for (qsizetype i = 0; i < b.Text.size(); ++i) {
                const QChar c = b.Text.at(i);
                if (c.isLowSurrogate()) {
                    abstaende.push_back(0);
                    continue;
                }
                const QString zeichen = c.isHighSurrogate() && i + 1 < b.Text.size() ? b.Text.mid(i, 2) : QString(c);
                summe += fm.horizontalAdvance(zeichen) * faktor;
                const int ziel = int(std::round(summe));
                abstaende.push_back(ziel - gesetzt);
                gesetzt = ziel;
            }
            m_g.Text(Punkt(t, b.Position), b.Text, abstaende);
            break;
        }
        case Befehlsart::Bild: {
            const QRectF q = b.Quelle.isEmpty() ? QRectF(b.Bild.rect()) : b.Quelle;
            const QRect quelle = q.toAlignedRect() & b.Bild.rect();
            if (quelle.isEmpty())
                break;
            // the picture on white, cut to its source part
            QImage bild(quelle.size(), QImage::Format_RGB32);
            bild.fill(Qt::white);
            QPainter p(&bild);
            p.drawImage(QPoint(0, 0), b.Bild, quelle);
            p.end();
            const QRectF ziel = t.mapRect(b.Rechteck);
            m_g.Bitmap(QRect(Punkt(QTransform(), ziel.topLeft()), Punkt(QTransform(), ziel.bottomRight())), bild);
            break;
        }
        }
    }

    Geraet &m_g;
    const Zeichenliste &m_l;
    int m_stift = -1, m_pinsel = -1, m_schrift = -1; // 0: a stock object, > 0: created
    Stiftwert m_stiftwert;
    Pinselwert m_pinselwert;
    Schriftwert m_schriftwert;
};

// Object slots: a created object takes the lowest free one.
class Objekttabelle
{
public:
    explicit Objekttabelle(int erstes) : m_erstes(erstes) {}
    int Belegen()
    {
        for (size_t i = 0; i < m_belegt.size(); ++i)
            if (!m_belegt[i]) {
                m_belegt[i] = true;
                return int(i) + m_erstes;
            }
        m_belegt.push_back(true);
        return int(m_belegt.size()) - 1 + m_erstes;
    }
    void Freigeben(int i)
    {
        const size_t k = size_t(i - m_erstes);
        if (k < m_belegt.size())
            m_belegt[k] = false;
    }
    int Groesste() const { return int(m_belegt.size()); }

private:
    int m_erstes;
    std::vector<bool> m_belegt;
};

// Little-endian writing.
class Puffer
{
public:
    void U8(int v) { m_b.append(char(v & 0xFF)); }
    void U16(int v)
    {
        U8(v);
        U8(v >> 8);
    }
    void U32(quint32 v)
    {
        U16(int(v & 0xFFFF));
        U16(int(v >> 16));
    }
    void I32(qint32 v) { U32(quint32(v)); }
    void Bytes(const QByteArray &b) { m_b.append(b); }
    void Auffuellen(int vielfaches)
    {
        while (m_b.size() % vielfaches)
            U8(0);
    }
    qsizetype Groesse() const { return m_b.size(); }
    QByteArray &Daten() { return m_b; }
    void U32An(qsizetype pos, quint32 v) { qToLittleEndian<quint32>(v, m_b.data() + pos); }
    void U16An(qsizetype pos, quint16 v) { qToLittleEndian<quint16>(v, m_b.data() + pos); }

private:
    QByteArray m_b;
};

// The bits of a 24-bit bottom-up device-independent bitmap with its header.
QByteArray Dib(const QImage &bild, QByteArray *kopf)
{
    const int w = bild.width(), h = bild.height();
    const int zeile = (w * 3 + 3) / 4 * 4;
    Puffer k;
    k.U32(40);
    k.I32(w);
    k.I32(h);
    k.U16(1);
    k.U16(24);
    k.U32(0); // BI_RGB
    k.U32(quint32(zeile * h));
    k.I32(0);
    k.I32(0);
    k.U32(0);
    k.U32(0);
    *kopf = k.Daten();
    QByteArray bits(qsizetype(zeile) * h, 0);
    for (int y = 0; y < h; ++y) {
        const QRgb *q = reinterpret_cast<const QRgb *>(bild.constScanLine(h - 1 - y));
        char *z = bits.data() + qsizetype(y) * zeile;
        for (int x = 0; x < w; ++x) {
            z[3 * x] = char(qBlue(q[x]));
            z[3 * x + 1] = char(qGreen(q[x]));
            z[3 * x + 2] = char(qRed(q[x]));
        }
    }
    return bits;
}

// ---- Enhanced Metafile ----

class EmfGeraet : public Geraet
{
public:
    EmfGeraet() : m_objekte(1) {}

    Puffer P;
    int Datensaetze = 0;
    int Handles() const { return m_objekte.Groesste() + 1; }

    // a record: type, size (filled in by Ende), then the fields
    qsizetype Anfang(int typ)
    {
        const qsizetype a = P.Groesse();
        P.U32(quint32(typ));
        P.U32(0);
        return a;
    }
    void Ende(qsizetype anfang)
    {
        P.Auffuellen(4);
        P.U32An(anfang + 4, quint32(P.Groesse() - anfang));
        ++Datensaetze;
    }
    void Einfach(int typ, std::initializer_list<qint32> werte)
    {
        const qsizetype a = Anfang(typ);
        for (qint32 v : werte)
            P.I32(v);
        Ende(a);
    }
    void Rechteckfeld(const QRect &r)
    {
        P.I32(r.left());
        P.I32(r.top());
        P.I32(r.right());
        P.I32(r.bottom());
    }

    int StiftErzeugen(const Stiftwert &s) override
    {
        const int i = m_objekte.Belegen();
        Einfach(38, {i, s.Stil, s.Breite, 0, qint32(s.Farbe)});
        return i;
    }
    int PinselErzeugen(const Pinselwert &p) override
    {
        const int i = m_objekte.Belegen();
        Einfach(39, {i, 0, qint32(p.Farbe), 0});
        return i;
    }
    int SchriftErzeugen(const Schriftwert &s) override
    {
        const int i = m_objekte.Belegen();
        const qsizetype a = Anfang(82);
        P.U32(quint32(i));
        P.I32(s.Hoehe);
        P.I32(0);
        P.I32(0);
        P.I32(0);
        P.I32(s.Gewicht);
        P.U8(s.Kursiv ? 1 : 0);
        P.U8(0);
        P.U8(0);
        P.U8(1);  // DEFAULT_CHARSET
        P.U8(0);
        P.U8(0);
        P.U8(0);
        P.U8(0);
        for (int k = 0; k < 32; ++k)
            P.U16(k < s.Name.size() ? s.Name.at(k).unicode() : 0);
        Ende(a);
        return i;
    }
    void Waehlen(int objekt) override { Einfach(37, {objekt}); }
    void Loeschen(int objekt) override
    {
        Einfach(40, {objekt});
        m_objekte.Freigeben(objekt);
    }
    void LeererStift() override { Einfach(37, {qint32(0x80000008)}); }
    void LeererPinsel() override { Einfach(37, {qint32(0x80000005)}); }
    void Textfarbe(quint32 farbe) override
    {
        if (farbe == m_textfarbe)
            return;
        m_textfarbe = farbe;
        Einfach(24, {qint32(farbe)});
    }
    void Fuellregel(bool gerade) override
    {
        const int m = gerade ? 1 : 2;
        if (m == m_fuellregel)
            return;
        m_fuellregel = m;
        Einfach(19, {m});
    }
    void Punkte(int typ, const QPolygon &p)
    {
        if (p.size() < 2)
            return;
        const qsizetype a = Anfang(typ);
        Rechteckfeld(p.boundingRect());
        P.U32(quint32(p.size()));
        for (const QPoint &q : p) {
            P.I32(q.x());
            P.I32(q.y());
        }
        Ende(a);
    }
    void Polylinie(const QPolygon &p) override { Punkte(4, p); }
    void Vieleck(const QPolygon &p) override { Punkte(3, p); }
    void Vielecke(const std::vector<QPolygon> &vielecke) override
    {
        const qsizetype a = Anfang(8);
        QRect umriss;
        quint32 anzahl = 0;
        for (const QPolygon &p : vielecke) {
            umriss |= p.boundingRect();
            anzahl += quint32(p.size());
        }
        Rechteckfeld(umriss);
        P.U32(quint32(vielecke.size()));
        P.U32(anzahl);
        for (const QPolygon &p : vielecke)
            P.U32(quint32(p.size()));
        for (const QPolygon &p : vielecke)
            for (const QPoint &q : p) {
                P.I32(q.x());
                P.I32(q.y());
            }
        Ende(a);
    }
    void Rechteck(const QRect &r) override
    {
        const qsizetype a = Anfang(43);
        Rechteckfeld(r);
        Ende(a);
    }
    void Ellipse(const QRect &r) override
    {
        const qsizetype a = Anfang(42);
        Rechteckfeld(r);
        Ende(a);
    }
    void Text(QPoint p, const QString &text, const std::vector<int> &abstaende) override
    {
        const qsizetype a = Anfang(84);
        Rechteckfeld(QRect(0, 0, 0, 0));
        P.U32(1); // GM_COMPATIBLE
        P.U32(0);
        P.U32(0);
        P.I32(p.x());
        P.I32(p.y());
        P.U32(quint32(text.size()));
        const quint32 textAb = 76;
        const quint32 zeichenBytes = quint32((text.size() * 2 + 3) / 4 * 4);
        P.U32(textAb);
        P.U32(0); // options
        P.I32(0);
        P.I32(0);
        P.I32(-1);
        P.I32(-1);
        P.U32(textAb + zeichenBytes);
        for (QChar c : text)
            P.U16(c.unicode());
        P.Auffuellen(4);
        for (int d : abstaende)
            P.I32(d);
        Ende(a);
    }
    void Bitmap(const QRect &ziel, const QImage &bild) override
    {
        QByteArray kopf;
        const QByteArray bits = Dib(bild, &kopf);
        const qsizetype a = Anfang(81);
        Rechteckfeld(ziel);
        P.I32(ziel.left());
        P.I32(ziel.top());
        P.I32(0);
        P.I32(0);
        P.I32(bild.width());
        P.I32(bild.height());
        P.U32(80);
        P.U32(quint32(kopf.size()));
        P.U32(quint32(80 + kopf.size()));
        P.U32(quint32(bits.size()));
        P.U32(0);          // DIB_RGB_COLORS
        P.U32(0x00CC0020); // SRCCOPY
        P.I32(ziel.width());
        P.I32(ziel.height());
        P.Bytes(kopf);
        P.Bytes(bits);
        Ende(a);
    }

private:
    Objekttabelle m_objekte;
    quint32 m_textfarbe = 0xFFFFFFFF;
    int m_fuellregel = 0;
};

// ---- Windows Metafile ----

class WmfGeraet : public Geraet
{
public:
    WmfGeraet() : m_objekte(0) {}

    Puffer P;
    quint32 GroessterDatensatz = 0;
    int Objekte() const { return m_objekte.Groesste(); }

    qsizetype Anfang(int funktion)
    {
        const qsizetype a = P.Groesse();
        P.U32(0);
        P.U16(funktion);
        return a;
    }
    void Ende(qsizetype anfang)
    {
        P.Auffuellen(2);
        const quint32 worte = quint32((P.Groesse() - anfang) / 2);
        P.U32An(anfang, worte);
        GroessterDatensatz = std::max(GroessterDatensatz, worte);
    }
    void Einfach(int funktion, std::initializer_list<int> worte)
    {
        const qsizetype a = Anfang(funktion);
        for (int w : worte)
            P.U16(w);
        Ende(a);
    }

    int StiftErzeugen(const Stiftwert &s) override
    {
        const int i = m_objekte.Belegen();
        const qsizetype a = Anfang(0x02FA);
        P.U16(s.Stil);
        P.U16(std::min(s.Breite, 32000));
        P.U16(0);
        P.U32(s.Farbe);
        Ende(a);
        return i;
    }
    int PinselErzeugen(const Pinselwert &p) override
    {
        const int i = m_objekte.Belegen();
        const qsizetype a = Anfang(0x02FC);
        P.U16(0);
        P.U32(p.Farbe);
        P.U16(0);
        Ende(a);
        return i;
    }
    int SchriftErzeugen(const Schriftwert &s) override
    {
        const int i = m_objekte.Belegen();
        const qsizetype a = Anfang(0x02FB);
        P.U16(std::max(s.Hoehe, -32000));
        P.U16(0);
        P.U16(0);
        P.U16(0);
        P.U16(s.Gewicht);
        P.U8(s.Kursiv ? 1 : 0);
        P.U8(0);
        P.U8(0);
        P.U8(0); // ANSI_CHARSET: the text is code page 1252
        P.U8(0);
        P.U8(0);
        P.U8(0);
        P.U8(0);
        QByteArray name = NachWindows1252(s.Name).left(31);
        name.append('\0');
        P.Bytes(name);
        Ende(a);
        return i;
    }
    void Waehlen(int objekt) override { Einfach(0x012D, {objekt}); }
    void Loeschen(int objekt) override
    {
        Einfach(0x01F0, {objekt});
        m_objekte.Freigeben(objekt);
    }
    // stock objects do not exist in these files: empty ones are made once
    void LeererStift() override
    {
        if (m_leererStift < 0) {
            m_leererStift = m_objekte.Belegen();
            const qsizetype a = Anfang(0x02FA);
            P.U16(5);
            P.U16(0);
            P.U16(0);
            P.U32(0);
            Ende(a);
        }
        Waehlen(m_leererStift);
    }
    void LeererPinsel() override
    {
        if (m_leererPinsel < 0) {
            m_leererPinsel = m_objekte.Belegen();
            const qsizetype a = Anfang(0x02FC);
            P.U16(1);
            P.U32(0);
            P.U16(0);
            Ende(a);
        }
        Waehlen(m_leererPinsel);
    }
    void Textfarbe(quint32 farbe) override
    {
        if (farbe == m_textfarbe)
            return;
        m_textfarbe = farbe;
        const qsizetype a = Anfang(0x0209);
        P.U32(farbe);
        Ende(a);
    }
    void Fuellregel(bool gerade) override
    {
        const int m = gerade ? 1 : 2;
        if (m == m_fuellregel)
            return;
        m_fuellregel = m;
        Einfach(0x0106, {m});
    }
    void Punkte(int funktion, const QPolygon &p)
    {
        if (p.size() < 2)
            return;
        const qsizetype a = Anfang(funktion);
        P.U16(int(p.size()));
        for (const QPoint &q : p) {
            P.U16(q.x());
            P.U16(q.y());
        }
        Ende(a);
    }
    void Polylinie(const QPolygon &p) override
    {
        // a record holds at most 32767 points
        for (qsizetype i = 0; i + 1 < p.size(); i += 16000)
            Punkte(0x0325, p.mid(i, 16001));
    }
    void Vieleck(const QPolygon &p) override { Punkte(0x0324, p.mid(0, 32000)); }
    void Vielecke(const std::vector<QPolygon> &vielecke) override
    {
        const qsizetype a = Anfang(0x0538);
        P.U16(int(vielecke.size()));
        for (const QPolygon &p : vielecke)
            P.U16(int(p.size()));
        for (const QPolygon &p : vielecke)
            for (const QPoint &q : p) {
                P.U16(q.x());
                P.U16(q.y());
            }
        Ende(a);
    }
    void Kasten(int funktion, const QRect &r)
    {
        Einfach(funktion, {r.bottom(), r.right(), r.top(), r.left()});
    }
    void Rechteck(const QRect &r) override { Kasten(0x041B, r); }
    void Ellipse(const QRect &r) override { Kasten(0x0418, r); }
    void Text(QPoint p, const QString &text, const std::vector<int> &abstaende) override
    {
        const QByteArray bytes = NachWindows1252(text);
        if (bytes.isEmpty() || bytes.size() > 32000)
            return;
        const qsizetype a = Anfang(0x0A32);
        P.U16(p.y());
        P.U16(p.x());
        P.U16(int(bytes.size()));
        P.U16(0);
        P.Bytes(bytes);
        P.Auffuellen(2);
        // one advance per byte; a character beyond the code page is one byte too
        for (qsizetype i = 0; i < bytes.size(); ++i)
            P.U16(size_t(i) < abstaende.size() ? abstaende[size_t(i)] : 0);
        Ende(a);
    }
    void Bitmap(const QRect &ziel, const QImage &bild) override
    {
        QByteArray kopf;
        const QByteArray bits = Dib(bild, &kopf);
        const qsizetype a = Anfang(0x0F43);
        P.U32(0x00CC0020);
        P.U16(0);
        P.U16(bild.height());
        P.U16(bild.width());
        P.U16(0);
        P.U16(0);
        P.U16(ziel.height());
        P.U16(ziel.width());
        P.U16(ziel.top());
        P.U16(ziel.left());
        P.Bytes(kopf);
        P.Bytes(bits);
        Ende(a);
    }

private:
    Objekttabelle m_objekte;
    int m_leererStift = -1, m_leererPinsel = -1;
    quint32 m_textfarbe = 0xFFFFFFFF;
    int m_fuellregel = 0;
};

} // namespace

QByteArray EmfErzeugen(const Zeichenliste &liste, QSizeF mm)
{
    // a reference device of 10 pixels per millimetre
    const int fensterB = int(std::ceil(liste.Seite.width() * kMetaEinheiten));
    const int fensterH = int(std::ceil(liste.Seite.height() * kMetaEinheiten));
    const int pixelB = std::max(1, int(std::round(mm.width() * 10))), pixelH = std::max(1, int(std::round(mm.height() * 10)));

    EmfGeraet g;
    Puffer &p = g.P;
    // the header, completed at the end
    const QString beschreibung = QStringLiteral("Kalumo") + QChar(0) + QStringLiteral("Arbeitsblatt") + QChar(0) + QChar(0);
    const qsizetype kopf = g.Anfang(1);
    g.Rechteckfeld(QRect(QPoint(0, 0), QPoint(pixelB - 1, pixelH - 1)));
    g.Rechteckfeld(QRect(QPoint(0, 0), QPoint(int(std::round(mm.width() * 100)) - 1, int(std::round(mm.height() * 100)) - 1)));
    p.U32(0x464D4520);
    p.U32(0x00010000);
    p.U32(0); // bytes
    p.U32(0); // records
    p.U16(0); // handles
    p.U16(0);
    p.U32(quint32(beschreibung.size()));
    p.U32(108);
    p.U32(0);
    p.I32(2100); // reference device: 210 x 297 mm at 10 pixels per mm
    p.I32(2970);
    p.I32(210);
    p.I32(297);
    p.U32(0);
    p.U32(0);
    p.U32(0);
    p.I32(210000);
    p.I32(297000);
    for (QChar c : beschreibung)
        p.U16(c.unicode());
    g.Ende(kopf);

    g.Einfach(17, {8});                       // MM_ANISOTROPIC
    g.Einfach(10, {0, 0});                    // window origin
    g.Einfach(9, {fensterB, fensterH});       // window extent
    g.Einfach(12, {0, 0});                    // viewport origin
    g.Einfach(11, {pixelB, pixelH});          // viewport extent
    g.Einfach(18, {1});                       // TRANSPARENT
    g.Einfach(22, {24});                      // TA_BASELINE
    Zeichner(g, liste).Alles();
    g.Einfach(14, {0, 16, 20});               // EOF
    p.U32An(kopf + 48, quint32(p.Groesse()));
    p.U32An(kopf + 52, quint32(g.Datensaetze));
    p.U16An(kopf + 56, quint16(g.Handles()));
    return p.Daten();
}

QByteArray WmfErzeugen(const Zeichenliste &liste, QSizeF mm)
{
    const int fensterB = int(std::ceil(liste.Seite.width() * kMetaEinheiten));
    const int fensterH = int(std::ceil(liste.Seite.height() * kMetaEinheiten));
    WmfGeraet g;
    Puffer &p = g.P;
    // the placeable header
    p.U32(0x9AC6CDD7);
    p.U16(0);
    p.U16(0);
    p.U16(0);
    p.U16(fensterB);
    p.U16(fensterH);
    const int zoll = std::max(1, int(std::round(fensterB * 25.4 / std::max(1.0, mm.width()))));
    p.U16(zoll);
    p.U32(0);
    quint16 pruef = 0;
    for (int i = 0; i < 10; ++i)
        pruef ^= qFromLittleEndian<quint16>(p.Daten().constData() + 2 * i);
    p.U16(pruef);
    // the metafile header, completed at the end
    const qsizetype kopf = p.Groesse();
    p.U16(1);
    p.U16(9);
    p.U16(0x0300);
    p.U32(0);
    p.U16(0);
    p.U32(0);
    p.U16(0);

    g.Einfach(0x0103, {8});                   // MM_ANISOTROPIC
    g.Einfach(0x020B, {0, 0});                // window origin
    g.Einfach(0x020C, {fensterH, fensterB});  // window extent
    g.Einfach(0x0102, {1});                   // TRANSPARENT
    g.Einfach(0x012E, {24});                  // TA_BASELINE
    Zeichner(g, liste).Alles();
    g.Einfach(0x0000, {});                    // EOF
    const quint32 worte = quint32((p.Groesse() - kopf) / 2);
    p.U32An(kopf + 6, worte);
    p.U16An(kopf + 10, quint16(std::max(1, g.Objekte())));
    p.U32An(kopf + 12, g.GroessterDatensatz);
    return p.Daten();
}

} // namespace kalumo
