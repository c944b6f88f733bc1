// The card pages made from the table: cluster cards with their baskets and
// the pairs of cross matching.

#include "learnview/FragenLayouts.h"
#include "learnview/TextlayoutIntern.h"
#include "learnview/Zeichenhilfen.h"

#include <QPainter>
#include <QRandomGenerator>

#include <algorithm>

namespace kalumo {

using namespace textlayout;

namespace {

// Table sizes from a file may be anything; every layout works on these.
int Zeilenzahl(const HeaderDataTyp &k)
{
    return std::clamp(k.LueckenTabelleZeilen, 1, kTabelleMaxZeilen);
}

int Spaltenzahl(const HeaderDataTyp &k)
{
    return std::clamp(k.LueckenTabelleSpalten, 1, kTabelleMaxSpalten);
}

int Zellart(int art)
{
    return (art >= karteText && art <= karteAbfrageBild) ? art : karteText;
}

int Bildgroesse(int groesse)
{
    return std::clamp(groesse, kFsizeMin, kFsizeMax);
}

QString Zufallskennung()
{
    QString s;
    for (int i = 0; i < 20; ++i)
        s += QChar(u'a' + int(QRandomGenerator::global()->bounded(26)));
    return s;
}

} // namespace

int ScaleFsize(int fsize, double faktor)
{
    return Runden(((fsize * 2 + 22) * faktor - 22) / 2);
}

void DrawBaskets(Lernansicht &lv, QImage &raster)
{
    const HeaderDataTyp &kopf = lv.Dok().Kopf;
    if (raster.isNull())
        return;
    const Rahmen r = RahmenVon(lv);
    const int w = raster.width(), h = raster.height();
    const int spalten = Spaltenzahl(kopf), zeilen = Zeilenzahl(kopf);
    const int l = Runden(w * r.L), t = Runden(h * r.T), e = Runden((1 - r.B) * h);
    // the columns are as wide on the raster being drawn as on the page
    const int cw = std::max(1, Runden((1 - r.R - r.L) * w / spalten));
    QPainter p(&raster);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < spalten; ++i) {
        const SpaltenHintergrund &hg = kopf.LueckentabelleSpaltenHtgd[size_t(i)];
        p.fillRect(QRect(l + i * cw, t, cw, e - t + 1), Farbe(hg.Farbe, std::clamp(hg.Deckkraft, 0, 100)));
    }
    if (kopf.LueckenTabelleLinie == 1) {
        p.setPen(QPen(Farbe(kopf.LueckenTabelleLinieCol), 1));
        for (int i = 1; i < spalten; ++i)
            p.drawLine(l + i * cw, t, l + i * cw, e);
    }
    if (lv.UebungLaeuft) {
        const double s = w / 870.0;
        const int k = Runden(s * 18 * (1 - zeilen / 50.0));
        PunktArt art;
        art.Fuellung = QColor(236, 237, 232);
        art.Umriss = QColor(96, 96, 96);
        art.Zeile1 = QStringLiteral("?");
        art.Schrift = Schrift(QStringLiteral("Arial"), Runden(20 * s), 1);
        art.Textfarbe = QColor(255, 0, 0);
        for (int i = 0; i < spalten; ++i) {
            const QPointF m(l + Runden(cw * (i + 0.5)), Runden(t + k * 1.4));
            DrawPoint(p, QRectF(m.x() - k, m.y() - k, 2.0 * k, 2.0 * k), art);
        }
    }
}

void LayoutClusterCards(Lernansicht &lv, bool neuAufbauen)
{
    Dokument &dok = lv.Dok();
    HeaderDataTyp &kopf = dok.Kopf;
    if (!neuAufbauen)
        return;
    ArtenLoeschen(dok, IstClusterElement);
    const Rahmen r = RahmenVon(lv);
    const int spalten = Spaltenzahl(kopf), zeilen = Zeilenzahl(kopf);
    const int l = Runden(r.W * r.L), t = Runden(r.H * r.T);
    // the band under the frame's top keeps the basket targets free
    const int g = Runden(r.H * 0.05);
    const int cw = std::max(1, Runden((1 - r.R - r.L) * r.W / spalten));
    const int rh = std::max(1, Runden(((1 - r.T - r.B) * r.H - g) / zeilen));
    const double f = 1 - (spalten - 2) * 0.1;
    for (auto &zeile : kopf.LueckenTabelle)
        for (lueckentabellearrtyp &zelle : zeile) {
            zelle.Belegt = -1;
            zelle.KartenIndex = -1;
        }
    int zaehler = 0;
    for (int rr = 0; rr < zeilen; ++rr) {
        for (int c = 0; c < spalten; ++c) {
            lueckentabellearrtyp &zelle = kopf.LueckenTabelle[size_t(rr)][size_t(c)];
            const int art = Zellart(zelle.Art);
            const double kx = (l + c * cw + cw * 0.5) / r.W;
            const double ky = ((rr + 0.5) * rh + t + g) / r.H;
            int i = -1;
            if (art == karteBild || art == karteAbfrageBild) {
                QString cap;
                if (art == karteAbfrageBild) {
                    cap = zelle.BildKenn.isEmpty()
                              ? Zufallskennung() + QStringLiteral(" (Zufallskennung für Bild)")
                              : zelle.BildKenn + QStringLiteral(" (Bildkennung)");
                    zelle.Text = cap;
                }
                i = ObjektHinzufuegen(dok, ClusterTyp(art), ebeneTexteUndBilder, art == karteAbfrageBild ? cap : QString(),
                                      ScaleFsize(Bildgroesse(zelle.Groesse), f), 5, kx, ky, 0);
                ObjDataTyp &o = dok.Objekte[size_t(i)];
                o.Bild = zelle.Bild;
                o.BildKenn = zelle.BildKenn;
                o.BildkarteAnpassen = zelle.BildkarteAnpassen;
            } else if (!zelle.Text.trimmed().isEmpty()) {
                i = ObjektHinzufuegen(dok, ClusterTyp(art), ebeneTexteUndBilder, zelle.Text, ScaleFsize(0, f), 5, kx, ky, 0);
                dok.Objekte[size_t(i)].TAusr = 1;
            }
            if (i < 0)
                continue;
            ObjDataTyp &o = dok.Objekte[size_t(i)];
            o.KartBreite = cw * 0.95 / r.W;
            o.KartHoehe = rh * 0.85 / r.H;
            if (art == karteAbfrageText || art == karteAbfrageBild) {
                o.FrageNummer = ++zaehler;
                o.KorbZeile = rr;
                o.KorbSpalte = c;
                zelle.Belegt = -1;
                zelle.KartenIndex = i;
            }
        }
    }
    lv.AssignNumbers(lv.NummerierungsModus, false);
}

void LayoutCrossMatching(Lernansicht &lv, bool neuAufbauen)
{
    Dokument &dok = lv.Dok();
    HeaderDataTyp &kopf = dok.Kopf;
    if (!neuAufbauen)
        return;
    ArtenLoeschen(dok, IstKreuzElement);
    const Rahmen r = RahmenVon(lv);
    const bool drei = kopf.LueckenTabelleSpalten >= 3;
    const int zeilen = Zeilenzahl(kopf);
    const int l = Runden(r.W * r.L), t = Runden(r.H * r.T);
    const int cw = std::max(1, Runden((1 - r.R - r.L) * r.W / (drei ? 3.3 : 2.0)));
    const int q = Runden(cw * 0.25);
    const int rh = std::max(1, Runden((1 - r.T - r.B) * r.H / zeilen));

    auto element = [&](int zeile, int spalte, int x, int kausr, int tausr, const QString &paar) -> int {
        const lueckentabellearrtyp &zelle = kopf.LueckenTabelle[size_t(zeile)][size_t(spalte)];
        const int art = Zellart(zelle.Art);
        const bool bild = art == karteBild || art == karteAbfrageBild;
        const int i = ObjektHinzufuegen(dok, KreuzTyp(art), ebeneTexteUndBilder,
                                        bild ? QString() : zelle.Text.leftJustified(4, u' '),
                                        bild ? Bildgroesse(zelle.Groesse) : 0, kausr, double(x) / r.W,
                                        ((zeile + 0.5) * rh + t) / r.H, 0);
        ObjDataTyp &o = dok.Objekte[size_t(i)];
        if (bild)
            o.Bild = zelle.Bild;
        o.TAusr = tausr;
        o.BildKenn = paar + QString::number(zeile + 1);
        o.KartBreite = double(cw - q) / r.W;
        o.KartHoehe = rh * 0.85 / r.H;
        o.FrageNummer = -1;
        return i;
    };
    auto links = [&](int i) { dok.Objekte[size_t(i)].PartnerIndex = i + 1; };
    auto rechts = [&](int i, int &paarNummer) {
        ObjDataTyp &o = dok.Objekte[size_t(i)];
        o.Sline = 5;
        o.LinieDicke = 2;
        o.LinieFarbe = kopf.LueckenTabelleLinieCol;
        o.Sx = o.Kx - 2.0 * q / r.W;
        o.Sy = o.Ky;
        o.PartnerIndex = i - 1;
        if (o.Typ == objKreuzAbfrageText || o.Typ == objKreuzAbfrageBild)
            o.FrageNummer = paarNummer++;
    };

    int paarNummer = 1;
    for (int z = 0; z < zeilen; ++z) {
        links(element(z, 0, l + cw - q, 3, 2, QStringLiteral("Paar#")));
        if (drei)
            rechts(element(z, 1, l + cw + q + Runden((cw - q) * 0.5), 5, 1, QStringLiteral("Paar#")), paarNummer);
        else
            rechts(element(z, 1, l + cw + q, 1, 0, QStringLiteral("Paar#")), paarNummer);
    }
    if (drei) {
        const int x0 = l + Runden(cw * 2.3);
        for (int z = 0; z < zeilen; ++z) {
            // the middle cell once more as the hidden left partner of column 2
            const int zwilling = element(z, 1, x0 - q, 3, 2, QStringLiteral("Paar2#"));
            links(zwilling);
            dok.Objekte[size_t(zwilling)].Generiert = false;
            rechts(element(z, 2, x0 + q, 1, 0, QStringLiteral("Paar2#")), paarNummer);
        }
    }
    lv.AssignNumbers(lv.NummerierungsModus, false);
}

} // namespace kalumo
