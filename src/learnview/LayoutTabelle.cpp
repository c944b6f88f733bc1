// The text-image table of cloze subtype 1: a measuring pass that fits the
// text cells, then a drawing pass that sets the text (gaps become objects),
// places the image and query-text cells and draws the grid.

#include "learnview/TextLayouts.h"
#include "learnview/TextlayoutIntern.h"
#include "learnview/Zeichenhilfen.h"

#include <QPainter>

#include <algorithm>
#include <vector>

namespace kalumo {

using namespace textlayout;

namespace {

struct Tabellengeometrie
{
    int Zeilen = 1, Spalten = 1;
    int L = 0, E = 0, T = 0, Unten = 0;
    int G = 0, Breite = 1, Hoehe = 1;
    int X(int k) const { return k * (Breite + G) + L; }
};

Tabellengeometrie Geometrie(const Rahmen &r, const HeaderDataTyp &k)
{
    Tabellengeometrie g;
    g.Zeilen = std::clamp(k.LueckenTabelleZeilen, 1, kTabelleMaxZeilen);
    g.Spalten = std::clamp(k.LueckenTabelleSpalten, 1, kTabelleMaxSpalten);
    const double breite = (1 - r.R - r.L) * r.W;
    g.L = Runden(r.W * r.L);
    g.E = Runden((1 - r.R) * r.W);
    g.T = Runden(r.H * r.T);
    g.Unten = r.H - Runden(r.H * r.B);
    g.G = Runden(breite * 0.03);
    g.Breite = std::max(1, Runden((breite - (g.Spalten - 1) * g.G) / g.Spalten));
    g.Hoehe = std::max(1, Runden((1 - r.T - r.B) * r.H / g.Zeilen));
    return g;
}

int Zellart(const lueckentabellearrtyp &z)
{
    return (z.Art >= zelleText && z.Art <= zelleAbfrageText) ? z.Art : zelleText;
}

int BildzellenHoehe(const lueckentabellearrtyp &z, const Rahmen &r)
{
    return Runden((std::clamp(z.Groesse, 0, 200) * 2 + 22) * 1.115 * r.W / 870.0 + r.H * 0.028);
}

} // namespace

void LayoutTable(Lernansicht &lv, bool neuAufbauen)
{
    Dokument &dok = lv.Dok();
    HeaderDataTyp &kopf = dok.Kopf;
    if (lv.PageBitmap.isNull())
        return;
    lv.GapFontOffset = 0;
    if (neuAufbauen)
        ArtenLoeschen(dok, [](int t) { return t == objAbfrageLuecke || IstTabellenZelle(t); });
    const Rahmen r = RahmenVon(lv);
    const Tabellengeometrie g = Geometrie(r, kopf);
    const QColor farbe = Farbe(kopf.TextCol);
    const int basis = Textgrundhoehe(lv);
    TextFlowUmgebung form;
    UmgebungEinrichten(form, lv);

    // the lines of every text cell, split once
    std::vector<QStringList> zeilen(size_t(g.Zeilen * g.Spalten));
    for (int z = 0; z < g.Zeilen; ++z)
        for (int k = 0; k < g.Spalten; ++k)
            zeilen[size_t(z * g.Spalten + k)] = Absaetze(kopf.LueckenTabelle[size_t(z)][size_t(k)].Text);

    // One pass over the table; returns false when a text cell runs below the
    // frame while measuring. zeichnen draws and places the cells.
    auto durchgang = [&](int c, bool zeichnen, QPainter *p, std::vector<int> *unterkanten) {
        int y = g.T;
        int zellzeiger = 0;
        form.Objektindex = 0;
        for (int z = 0; z < g.Zeilen; ++z) {
            int unterkante = y;
            for (int k = 0; k < g.Spalten; ++k) {
                const lueckentabellearrtyp &zelle = kopf.LueckenTabelle[size_t(z)][size_t(k)];
                const int art = Zellart(zelle);
                const int x = g.X(k);
                const int rechterRand = r.W - (x + g.Breite);
                const double cx = (x + g.Breite * 0.5) / r.W;
                int boden = y;
                if (art == zelleText) {
                    int yy = y;
                    for (const QString &a : zeilen[size_t(z * g.Spalten + k)]) {
                        yy = TextFlow(form, p, r.W, rechterRand, !zeichnen, farbe, zeichnen && neuAufbauen, fmCloze,
                                      c, 0, a, yy, x, r.H);
                        if (!zeichnen && yy > g.Unten)
                            return false;
                    }
                    boden = yy;
                } else {
                    const bool abfrage = art == zelleAbfrageText;
                    boden = y + (abfrage ? Runden(g.Hoehe * 0.75) : BildzellenHoehe(zelle, r));
                    if (zeichnen) {
                        const double cy = double(y) / r.H + (abfrage ? 0.015 : 0.0035);
                        if (neuAufbauen) {
                            const int typ = TabellenZellenTyp(art);
                            const QString cap = abfrage ? zelle.Text : art == zelleBildLink ? zelle.Link : QString();
                            const int i = ObjektHinzufuegen(dok, typ, ebeneTexteUndBilder, cap,
                                                            abfrage ? 0 : zelle.Groesse, 4, cx, cy, 0);
                            ObjDataTyp &o = dok.Objekte[size_t(i)];
                            o.KartBreite = g.Breite * 0.95 / r.W;
                            if (abfrage) {
                                o.TAusr = 1;
                                o.KartHoehe = g.Hoehe * 0.75 / r.H - 0.03;
                            } else {
                                o.Bild = zelle.Bild;
                                o.BildKenn = zelle.BildKenn;
                                o.BildkarteAnpassen = zelle.BildkarteAnpassen;
                                if (art == zelleBildLink)
                                    o.PunktInUebung = zelle.PunktInUebung;
                            }
                        } else {
                            const int anzahl = int(dok.Objekte.size());
                            while (zellzeiger < anzahl
                                   && !IstTabellenZelle(dok.Objekte[size_t(zellzeiger)].Typ))
                                ++zellzeiger;
                            if (zellzeiger < anzahl) {
                                ObjDataTyp &o = dok.Objekte[size_t(zellzeiger)];
                                o.Kx = o.Sx = cx;
                                o.Ky = o.Sy = cy;
                                ++zellzeiger;
                            }
                        }
                    }
                }
                unterkante = std::max(unterkante, boden);
            }
            if (unterkanten)
                unterkanten->push_back(unterkante);
            y = unterkante;
        }
        return true;
    };

    int c = basis;
    while (c >= 9 && !durchgang(c, false, nullptr, nullptr)) {
        lv.GapFontOffset -= std::max(1, Runden(c * 0.1));
        c = basis + lv.GapFontOffset;
    }
    c = std::max(1, c);
    kopf.TextSchriftHoehe = -c;

    QPainter p(&lv.PageBitmap);
    std::vector<int> unterkanten;
    durchgang(c, true, &p, &unterkanten);

    if (kopf.LueckenTabelleLinie == 1 && (lv.Ebene1Check || lv.UebungLaeuft) && !unterkanten.empty()) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Farbe(kopf.LueckenTabelleLinieCol), 1));
        for (size_t z = 0; z + 1 < unterkanten.size(); ++z)
            p.drawLine(g.L, unterkanten[z], g.E, unterkanten[z]);
        for (int k = 1; k < g.Spalten; ++k) {
            const int x = k * (g.Breite + g.G) + g.L - g.G / 2;
            p.drawLine(x, g.T, x, unterkanten.back());
        }
    }
    p.end();
    if (neuAufbauen)
        lv.AssignNumbers(lv.NummerierungsModus, false);
}

} // namespace kalumo
