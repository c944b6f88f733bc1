#include "document/DokumentModell.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kalumo {

namespace {
// Rounds halves to the even neighbour, as all page computations do.
int runden(double x)
{
    return int(std::nearbyint(x));
}
} // namespace

QString EbeneName(int ebene)
{
    switch (ebene) {
    case ebeneBasisbild: return QStringLiteral("Basisbild");
    case ebeneTexteUndBilder: return QStringLiteral("Texte und Bilder");
    case ebeneInfopunkte: return QStringLiteral("Infopunkte");
    case ebeneLayout: return QStringLiteral("Layout");
    }
    return {};
}

bool IstAbfrageTyp(int typ)
{
    switch (typ) {
    case objAbfrageBeschriftung: case objAbfrageLuecke: case objAbfrageBild: case objFrageText:
    case objMCFrage: case objMCFrageBild: case objTabelleAbfrageBild: case objTabelleAbfrageText:
    case objClusterAbfrageText: case objClusterAbfrageBild: case objKreuzAbfrageText: case objKreuzAbfrageBild:
    case objKreuzwortGitter:
        return true;
    }
    return false;
}

bool IstPunktTyp(int typ)
{
    return typ == objInfopunkt || typ == objLinkExtern || typ == objLinkIntern;
}

bool IstBildTyp(int typ)
{
    return typ == objAbfrageBild || typ == objFixesBild || typ == objBildLink || typ == objMCFrageBild;
}

bool IstNieGespeichert(int typ)
{
    return typ == objAbfrageLuecke || (IstMCElement(typ) && typ != objMCInfopunkt && typ != objMCLink)
           || typ == objTabelleBild || typ == objTabelleAbfrageBild || typ == objTabelleAbfrageText;
}

QString StandardPunktTitel(int typ)
{
    switch (typ) {
    case objInfopunkt: return QStringLiteral("Info");
    case objLinkExtern: return QStringLiteral("Link");
    case objLinkIntern: return QStringLiteral("Dok.");
    }
    return {};
}

Farbwert StandardPunktHintergrund(int typ)
{
    switch (typ) {
    case objInfopunkt: return 0xFD5F00;
    case objLinkExtern: return 0x2F35A4;
    case objLinkIntern: return 0x4A9829;
    }
    return 0xFFFFFF;
}

bool ZelleTraegtBild(int dokTyp, int art)
{
    if (dokTyp == dokLueckentext)
        return art == zelleFixbild || art == zelleAbfrageBild || art == zelleBildLink;
    if (dokTyp == dokCluster || dokTyp == dokKreuzZuordnung)
        return art == karteBild || art == karteAbfrageBild;
    return false;
}

std::array<SpaltenHintergrund, kTabelleMaxSpalten> HeaderDataTyp::StandardSpaltenHtgd()
{
    static constexpr Farbwert palette[5] = {0xBEFF7F, 0xBF7FFF, 0xFFC080, 0x7FBEFF, 0xFF7FBE};
    std::array<SpaltenHintergrund, kTabelleMaxSpalten> a{};
    for (int i = 0; i < kTabelleMaxSpalten; ++i)
        a[size_t(i)] = {palette[i % 5], 50};
    return a;
}

std::array<Farbwert, 6> HeaderDataTyp::StandardKreuzFarben()
{
    return {0xF0F0F0, 0x606060, 0x000000, 0xFF0000, 0x606060, 0x0000C0};
}

QString HeaderDataTyp::StandardABAufgabe()
{
    return QStringLiteral("Aufgabe: Fülle die freien Felder aus!");
}

void HeaderDataTyp::TabelleLeeren()
{
    for (auto &zeile : LueckenTabelle)
        for (auto &zelle : zeile)
            zelle = lueckentabellearrtyp{};
}

std::array<int, 6> StandardMCInfoLinkData()
{
    return {0xFFFFFF, 0xFFFFFF, 0xFD5F00, 0x2F35A4, 100, 100};
}

void ObjDataTyp::LaufzeitZuruecksetzen(bool objekteditorOffen)
{
    Abgedeckt = objekteditorOffen ? abgAufgedeckt : abgAbgedeckt;
    AnzeigeNummer = -1;
    Fehlversuche = 0;
    KartenFehlversuche = 0;
    KartBreite = KartHoehe = -1.0;
    KartRect = {-1.0, -1.0, -1.0, -1.0};
    KartHalbBreite = KartHalbHoehe = 0.0;
    KartPosX = KartPosY = -1;
    Generiert = false;
}

const QImage &Leerbild()
{
    static const QImage bild = [] {
        QImage b(100, 100, QImage::Format_ARGB32);
        b.fill(QColor(0xF0, 0xF0, 0xF0));
        QPainter p(&b);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 2));
        p.drawRect(QRectF(1, 1, 98, 98));
        // a small landscape: a sun and two hills, the usual sign for "picture"
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xC8, 0xC8, 0xC8));
        p.drawEllipse(QPointF(68, 32), 10, 10);
        QPolygonF huegel;
        huegel << QPointF(10, 85) << QPointF(38, 48) << QPointF(56, 70) << QPointF(70, 58) << QPointF(90, 85);
        p.drawPolygon(huegel);
        p.end();
        return b.convertToFormat(QImage::Format_RGBA8888);
    }();
    return bild;
}

void NeuesDokument(Dokument &dok)
{
    if (!dok.Kopf.Dateiname.isEmpty())
        dok.ZuvorAngezeigtesDokument = dok.Kopf.Dateiname;
    dok.Kopf = HeaderDataTyp{};
    dok.Kopf.SeitenverhaeltnisArt = dok.Vorgaben.SeitenverhaeltnisArt;
    dok.Kopf.SeitRatioBreite = dok.Vorgaben.SeitRatioBreite;
    dok.Kopf.SeitRatioHoehe = dok.Vorgaben.SeitRatioHoehe;
    dok.Kopf.EinrueckRand = StandardEinrueckRand(dokBildbeschriftung);
    dok.Bibliotheksindex = -1;
    dok.Kopf.Geaendert = false;
}

void ObjekteLeeren(Dokument &dok)
{
    dok.Objekte.clear();
    dok.Objekte.shrink_to_fit();
}

int ObjektHinzufuegen(Dokument &dok, int typ, int ebene, const QString &caption, int fsize, int kausr,
                      double kx, double ky, int frageNummer)
{
    ObjDataTyp o;
    // a new record is all zero except for the fields set here
    o.Cap = caption;
    o.Abgedeckt = abgAbgedeckt;
    o.Ebene = ebene;
    o.Typ = typ;
    o.Sline = 0;
    o.Fsize = fsize;
    o.KAusr = kausr;
    o.TAusr = 0;
    o.Kx = o.Sx = kx;
    o.Ky = o.Sy = ky;
    o.KartBreite = o.KartHoehe = -1.0;
    o.BildDeck = 100;
    o.Farbe = dok.Kopf.TextCol;
    o.HDeck = IstPunktTyp(typ) ? 100 : 0;
    o.FrageNummer = frageNummer;
    o.Generiert = true;
    o.AnzeigeNummer = 0;
    o.KartRect = {0, 0, 0, 0};
    o.KartPosX = o.KartPosY = 0;
    o.LinieFarbe = 0;
    o.HFarbe = 0;
    o.LinieDicke = 0;
    o.MCInfoLinkData = {};
    dok.Objekte.push_back(std::move(o));
    return int(dok.Objekte.size()) - 1;
}

void ObjektLoeschen(Dokument &dok, int index)
{
    if (index < 0 || index >= int(dok.Objekte.size()))
        return;
    dok.Objekte.erase(dok.Objekte.begin() + index);
}

bool HatAbfrageobjekte(const std::vector<ObjDataTyp> &objekte)
{
    return std::any_of(objekte.begin(), objekte.end(), [](const ObjDataTyp &o) { return IstAbfrageTyp(o.Typ); });
}

std::array<double, 4> StandardEinrueckRand(int dokTyp)
{
    switch (dokTyp) {
    case dokLueckentext:
    case dokWoerterFinden: return {0.035, 0.01, 0.035, 0.0};
    case dokEinzelfragen: return {0.1, 0.165, 0.05, 0.195};
    case dokMultipleChoice: return {0.05, 0.04, 0.05, 0.045};
    case dokCluster:
    case dokKreuzZuordnung: return {0.035, 0.03, 0.035, 0.03};
    case dokKreuzwortraetsel: return {0.035, 0.035, 0.035, 0.035};
    }
    return {0, 0, 0, 0};
}

void SeitengeometrieAbleiten(HeaderDataTyp &k, int W, int H)
{
    const double l = k.RandErw[0], t = k.RandErw[1], r = k.RandErw[2], b = k.RandErw[3];
    const int PW = runden((l + r + 1) * W);
    const int PH = runden((t + b + 1) * H);
    k.SeitenverhaeltnisArt = 1;
    k.SeitRatioBreite = PW;
    k.SeitRatioHoehe = PH;
    k.BildPosX = (l + r > 0) ? l / (l + r) * 100.0 : 50.0;
    k.BildPosY = (t + b > 0) ? t / (t + b) * 100.0 : 50.0;
    if (W <= 0 || H <= 0 || PW <= 0 || PH <= 0) {
        // no picture to measure: keep the neutral placement
        k.Rand = 0.0;
        k.BildGroesse = 100.0;
        return;
    }
    const double D = std::max(double(PW) * H / PH, double(W));
    k.Rand = (PW - D) / W / 2.0 * 100.0;
    k.BildGroesse = std::max(double(H) / PH, double(W) / PW) * 100.0;
}

void SeiteAnwenden(Dokument &dok, bool transformieren, DokumentNeuaufbau *neuaufbau)
{
    HeaderDataTyp &k = dok.Kopf;
    const int W = dok.Basisbild.width();
    const int H = dok.Basisbild.height();
    if (W > 0 && H > 0) {
        double PW = W, PH = H, ex = 0, ey = 0;
        if (k.SeitenverhaeltnisArt == 1 && k.SeitRatioBreite > 0 && k.SeitRatioHoehe > 0) {
            const double r = double(k.SeitRatioBreite) / k.SeitRatioHoehe;
            if (r >= double(W) / H) {
                PW = runden(H * r);
                PH = H;
            } else {
                PW = W;
                PH = runden(W / r);
            }
            ex = (PW / W - 1) / 2;
            ey = (PH / H - 1) / 2;
        }
        const double groesse = k.BildGroesse > 0 ? k.BildGroesse / 100.0 : 1.0;
        const double gx = (PW / groesse - PW) / 2 / W;
        const double gy = (PH / groesse - PH) / 2 / H;
        const double tx = 2 * (gx + ex);
        const double ty = 2 * (gy + ey);
        const double links = tx * k.BildPosX / 100.0;
        const double oben = ty * k.BildPosY / 100.0;
        const std::array<double, 4> alt = k.RandErw;
        k.RandErw = {links, oben, tx - links, ty - oben};

        if (transformieren) {
            const std::array<double, 4> &neu = k.RandErw;
            auto umX = [&](double x) { return (x * (alt[0] + 1 + alt[2]) - alt[0] + neu[0]) / (neu[0] + 1 + neu[2]); };
            auto umY = [&](double y) { return (y * (alt[1] + 1 + alt[3]) - alt[1] + neu[1]) / (neu[1] + 1 + neu[3]); };
            for (ObjDataTyp &o : dok.Objekte) {
                switch (o.Typ) {
                case objAbfrageBeschriftung: case objFixeBeschriftung: case objInfopunkt: case objLinkExtern:
                case objLinkIntern: case objAbfrageBild: case objFixesBild:
                    o.Sx = umX(o.Sx);
                    o.Kx = umX(o.Kx);
                    o.Sy = umY(o.Sy);
                    o.Ky = umY(o.Ky);
                    break;
                default:
                    break;
                }
            }
        }
    }
    if (neuaufbau)
        neuaufbau->LayoutsNeuAufbauen(dok);
    k.Geaendert = true;
    if (neuaufbau)
        neuaufbau->Neuzeichnen(dok);
}

QString DokTypName(int dokTyp, int dokUnterTyp)
{
    switch (dokTyp) {
    case dokBildbeschriftung: return QStringLiteral("Freie Text-Bild-/Bild-Text-Zuordnung");
    case dokLueckentext:
        switch (dokUnterTyp) {
        case subTabelle: return QStringLiteral("Tabellarische Text-Bild-/Bild-Text-Zuordnung");
        case subCTest: return QStringLiteral("C-Test");
        case subLueckentextFalschwoerter: return QStringLiteral("Lückentext mit Falschwörtern");
        case subCTestFalschwoerter: return QStringLiteral("C-Test mit Falschwörtern");
        default: return QStringLiteral("Lückentext");
        }
    case dokEinzelfragen: return QStringLiteral("Einzelfragen");
    case dokMultipleChoice: return QStringLiteral("Multiple-Choice-Fragen");
    case dokCluster: return QStringLiteral("Cluster-Übung");
    case dokKreuzZuordnung: return QStringLiteral("Über-Kreuz-Zuordnung");
    case dokKreuzwortraetsel: return QStringLiteral("Kreuzworträtsel");
    case dokWoerterFinden: return QStringLiteral("Wörter/Wortbestandteile/Wortgruppen finden");
    }
    return {};
}

QString DokTypName(const HeaderDataTyp &kopf)
{
    return DokTypName(kopf.DokTyp, kopf.DokUnterTyp);
}

void AlleAbdecken(Dokument &dok, DokumentNeuaufbau *neuaufbau)
{
    for (ObjDataTyp &o : dok.Objekte)
        o.Abgedeckt = abgAbgedeckt;
    if (neuaufbau)
        neuaufbau->Neuzeichnen(dok);
}

void AlleAufdecken(Dokument &dok, DokumentNeuaufbau *neuaufbau)
{
    for (ObjDataTyp &o : dok.Objekte)
        o.Abgedeckt = abgAufgedeckt;
    if (neuaufbau)
        neuaufbau->Neuzeichnen(dok);
}

void ZIndexGrenzenAnpassen(Dokument &dok)
{
    for (const ObjDataTyp &o : dok.Objekte) {
        dok.Kopf.ZIndexMin = std::min(dok.Kopf.ZIndexMin, o.ZIndex);
        dok.Kopf.ZIndexMax = std::max(dok.Kopf.ZIndexMax, o.ZIndex);
    }
}

} // namespace kalumo
