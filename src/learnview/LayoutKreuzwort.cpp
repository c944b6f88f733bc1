// The crossword page: boxes and start markers of the grid, the clue lists
// "Waagerecht" and "Senkrecht", and the grid letters (objKreuzwortGitter).

#include "learnview/TextLayouts.h"
#include "learnview/TextlayoutIntern.h"
#include "learnview/Zeichenhilfen.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kalumo {

using namespace textlayout;

namespace {

bool Frei(const QString &zelle) { return zelle.isEmpty(); }
bool Marke(const QString &zelle) { return zelle.startsWith(QLatin1Char('#')); }

QString Hinweisblock(const std::array<QString, kKreuzGroesse> &texte, QChar buchstabe, int &anzahl)
{
    QString block = QStringLiteral(" \r\n\r\n");
    anzahl = 0;
    for (int n = 1; n <= kKreuzGroesse; ++n) {
        const QString &t = texte[size_t(n - 1)];
        if (t.isEmpty())
            continue;
        block += buchstabe + QString::number(n) + QStringLiteral(": ") + t + QStringLiteral("\r\n\r\n");
        ++anzahl;
    }
    return block;
}

QString AlsZeilen(QString t)
{
    return t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

void LayoutCrossword(Lernansicht &lv, bool neuAufbauen)
{
    Dokument &dok = lv.Dok();
    HeaderDataTyp &kopf = dok.Kopf;
    if (lv.PageBitmap.isNull())
        return;
    if (neuAufbauen)
        ArtenLoeschen(dok, {objKreuzwortGitter});
    const Rahmen r = RahmenVon(lv);
    const double l = r.L, t = r.T, rr = r.R, b = r.B;
    const int W = r.W, H = r.H;
    const double s = r.S;
    const double gitterRechts = 1 - (rr + 0.28 * (1 - rr - l));
    const double hinweisLinks = 1 - (rr + 0.25 * (1 - rr - l));

    // the cells in use
    const KreuzGitterTyp &gitter = kopf.KreuzGitter;
    int x0 = kKreuzGroesse, x1 = -1, y0 = kKreuzGroesse, y1 = -1;
    for (int x = 0; x < kKreuzGroesse; ++x)
        for (int y = 0; y < kKreuzGroesse; ++y)
            if (!Frei(gitter[size_t(x)][size_t(y)])) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
    const bool leer = x1 < 0;
    if (leer)
        x0 = x1 = y0 = y1 = 0;

    const double cw = (gitterRechts - l) / (x1 - x0 + 1) * (W - 2);
    const double ch = (1 - b - t) / (y1 - y0 + 1) * (H - 2);
    const double d = std::max(0.0, std::min(cw, ch));
    const double fx = d / W, fy = d / H;

    QPainter p(&lv.PageBitmap);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QFont markenSchrift = Schrift(QStringLiteral("Arial"), Runden(std::min(22, Runden(fx * 400)) * s));
    const QFontMetrics markenMass(markenSchrift);
    const QColor hintergrund = Farbe(kopf.KreuzFarben[0]), rand = Farbe(kopf.KreuzFarben[1]);
    const QColor markenFarbe = Farbe(kopf.KreuzFarben[2]);
    if (!leer) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                const QString &zelle = gitter[size_t(x)][size_t(y)];
                if (Frei(zelle))
                    continue;
                if (Marke(zelle)) {
                    const QString text = zelle.mid(1);
                    if (text.isEmpty())
                        continue;
                    const int mx = Runden(((x - x0 + 0.5) * fx + l) * W);
                    const int oben = Runden(((y - y0 + 0.5) * fy + t) * H - markenMass.height() / 2.0);
                    p.setFont(markenSchrift);
                    p.setPen(markenFarbe);
                    const int breite = markenMass.horizontalAdvance(text);
                    p.drawText(QPoint(mx - breite / 2, oben + markenMass.ascent()), text);
                    continue;
                }
                const int links = Runden(((x - x0) * fx + l) * W);
                const int oben = Runden(((y - y0) * fy + t) * H);
                const int rechts = Runden(((x - x0 + 1) * fx + l) * W) + 2;
                const int unten = Runden(((y - y0 + 1) * fy + t) * H) + 2;
                const QRect kasten(QPoint(links, oben), QPoint(rechts - 1, unten - 1));
                p.fillRect(kasten, hintergrund);
                p.setPen(QPen(rand, 1));
                p.setBrush(Qt::NoBrush);
                p.drawRect(kasten.adjusted(0, 0, -1, -1));
                if (kasten.width() > 2 && kasten.height() > 2)
                    p.drawRect(kasten.adjusted(1, 1, -2, -2));
            }
    }

    // the clue lists
    int a = 0, n = 0;
    const QString waagerecht = Hinweisblock(kopf.KreuzTexteWaagerecht, u'W', a);
    const QString senkrecht = Hinweisblock(kopf.KreuzTexteSenkrecht, u'S', n);
    QRect hinweise(QPoint(Runden(hinweisLinks * W), Runden(H * t)),
                   QPoint(Runden((1 - rr) * W) - 1, Runden((1 - b) * H) - 1));
    QString voll;
    if (a >= 1)
        voll += waagerecht + QStringLiteral("\r\n");
    if (n >= 1)
        voll += senkrecht;
    if (!voll.isEmpty() && hinweise.width() > 0 && hinweise.height() > 0) {
        const QFont grund = Schrift(QStringLiteral("Arial"), Runden(22 * s));
        QRect feld = hinweise;
        const QFont passend = FitText(&p, AlsZeilen(voll), true, 0, 0, hinweise.height(), feld, grund,
                                      Farbe(kopf.KreuzFarben[4]));
        p.setFont(passend);
        p.setPen(Farbe(kopf.KreuzFarben[5]));
        const QFontMetrics fm(passend);
        const int flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip;
        if (a >= 1) {
            p.drawText(hinweise, flags, QStringLiteral("Waagerecht"));
            const QRect block = fm.boundingRect(QRect(0, 0, hinweise.width(), 1 << 20), flags, AlsZeilen(waagerecht));
            hinweise.setTop(hinweise.top() + block.height());
        }
        if (n >= 1)
            p.drawText(hinweise, flags, QStringLiteral("Senkrecht"));
    }
    p.end();

    if (!neuAufbauen)
        return;
    kopf.TextCol = kopf.KreuzFarben[3];
    const int fsize = Runden(30.0 / std::max({x1 - x0, y1 - y0, 1}) * 2 - 6);
    if (!leer)
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                const QString &zelle = gitter[size_t(x)][size_t(y)];
                if (Frei(zelle) || Marke(zelle))
                    continue;
                ObjektHinzufuegen(dok, objKreuzwortGitter, ebeneTexteUndBilder, zelle, fsize, 5,
                                  (x - x0 + 0.5) * fx + l, (y - y0 + 0.5) * fy + t, 0);
            }
    lv.AssignNumbers(lv.NummerierungsModus, false);
}

} // namespace kalumo
