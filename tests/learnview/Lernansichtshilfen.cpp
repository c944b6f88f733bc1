#include "Lernansichtshilfen.h"

#include <cstdlib>

namespace kalumo::test {

Dokument Seite(int breite, int hoehe, QColor farbe)
{
    Dokument dok;
    dok.Basisbild = QImage(breite, hoehe, QImage::Format_RGBA8888);
    dok.Basisbild.fill(farbe);
    return dok;
}

ObjDataTyp &Objekt(Dokument &dok, int typ, double kx, double ky, const QString &cap, int ebene)
{
    const int i = ObjektHinzufuegen(dok, typ, ebene, cap, 0, 1, kx, ky, -1);
    ObjDataTyp &o = dok.Objekte[size_t(i)];
    o.Generiert = false;
    return o;
}

std::unique_ptr<Lernansicht> Ansicht(Dokument &dok, int zoomstufe)
{
    auto lv = std::make_unique<Lernansicht>(dok);
    lv->Ansichtsgroesse = dok.Basisbild.size();
    lv->ZoomStufe = zoomstufe;
    return lv;
}

bool FarbeIst(const QImage &bild, QPoint p, QColor farbe, int tol)
{
    if (!bild.rect().contains(p))
        return false;
    const QColor c = bild.pixelColor(p);
    return std::abs(c.red() - farbe.red()) <= tol && std::abs(c.green() - farbe.green()) <= tol
           && std::abs(c.blue() - farbe.blue()) <= tol;
}

int Zaehlen(const QImage &bild, QRect r, QColor farbe, int tol)
{
    int n = 0;
    r &= bild.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += FarbeIst(bild, {x, y}, farbe, tol);
    return n;
}

int Dunkel(const QImage &bild, QRect r)
{
    int n = 0;
    r &= bild.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += qGray(bild.pixel(x, y)) < 128;
    return n;
}

std::pair<int, int> DunkleZeilen(const QImage &bild, QRect r)
{
    int erste = -1, letzte = -1;
    r &= bild.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(bild.pixel(x, y)) < 128) {
                if (erste < 0)
                    erste = y;
                letzte = y;
                break;
            }
    return {erste, letzte};
}

QRect DunklerBereich(const QImage &bild, QRect r)
{
    QRect bereich;
    r &= bild.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(bild.pixel(x, y)) < 128)
                bereich |= QRect(x, y, 1, 1);
    return bereich;
}

} // namespace kalumo::test
