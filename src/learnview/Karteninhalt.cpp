// What RenderObject draws into a placed card: worksheet boxes and answers,
// the card content by kind, and the screen marks (points, covers, numbers,
// exercise marks).

#include "learnview/Objektarten.h"
#include "learnview/ObjektzeichnungIntern.h"
#include "learnview/Seitenlayouts.h"
#include "learnview/Zeichenhilfen.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kalumo::zeichnung {

namespace {

const QColor kDeckFarbe(202, 228, 255);
const QColor kDeckRand(70, 125, 187);

int Ausrichtung(int tausr)
{
    switch (tausr) {
    case 1: return Qt::AlignHCenter;
    case 2: return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

double Einrueck(const HeaderDataTyp &kopf, int i)
{
    const double v = kopf.EinrueckRand[size_t(i)];
    return std::isfinite(v) ? std::clamp(v, 0.0, 0.45) : 0.0;
}

// The plain caption: one line per caption line with the style of the font;
// the text flow may take it over through the layout hook.
void Beschriftung(Lernansicht &lv, QPainter &p, const ObjDataTyp &o, const QRect &r, const QFont &schrift,
                  const QColor &farbe, int flags, int tausr)
{
    if (lv.Haken && lv.Haken->KartentextSetzen(p, o, r, schrift, farbe, tausr))
        return;
    p.setFont(schrift);
    p.setPen(farbe);
    p.drawText(r, flags | Qt::TextDontClip | Qt::AlignTop, QString(o.Cap).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

void TextEinpassen(QPainter &p, const Karte &k, const ObjDataTyp &o, QRect r, int ausrichtung, int vertikal,
                   int maxHoehe)
{
    QString text = o.Cap;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    FitText(&p, text, true, ausrichtung, vertikal, std::max(1, maxHoehe), r, k.Schrift, k.Textfarbe);
}

void Symbol(QPainter &p, int codepunkt, QPoint mitte, const QColor &farbe)
{
    // 32 pt at 96 dpi
    const QFont f = WingdingsSchrift(43);
    p.setFont(f);
    p.setPen(farbe);
    p.drawText(QRect(mitte.x() - 40, mitte.y() - 40, 80, 80), Qt::AlignCenter | Qt::TextDontClip,
               WingdingsZeichen(codepunkt));
}

} // namespace

int FragezeichenHoehe(const QString &schrift, int start, int stil, int kartenhoehe)
{
    int h = std::max(1, start);
    // one pixel at a time, never below 1
    while (h > 1 && QFontMetrics(Schrift(schrift, h, stil)).height() > kartenhoehe)
        --h;
    return h;
}

void Kasten(QPainter &p, const Karte &k, const ObjDataTyp &o, int kastengroesse)
{
    const int groesse = std::clamp(kastengroesse, 30, 200);
    QRect r = k.Rechteck;
    const int e = Runden(k.Cw * (groesse - 100) / 100.0 * 0.5);
    if (o.KAusrAkt == 1)
        r.setRight(r.right() + 2 * e);
    else if (o.KAusrAkt == 3)
        r.setLeft(r.left() - 2 * e);
    else
        r.adjust(-e, 0, e, 0);
    const int dx = Runden(k.W * 0.01), dy = Runden(k.Ch * 0.1);
    r.adjust(-dx, -dy, dx, dy);
    const int rx = Runden(k.W * 0.005), ry = Runden(k.H * 0.005);
    r &= QRect(rx, ry, k.W - 2 * rx, k.H - 2 * ry);
    if (r.isEmpty())
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(1, 1, -2, -2));
    p.restore();
}

void Antworttext(Lernansicht &lv, QPainter &p, const Karte &k, const ObjDataTyp &o, const QImage &bild)
{
    if ((k.Typ == objAbfrageBild || k.Typ == objTabelleAbfrageBild) && !bild.isNull()) {
        p.drawImage(k.Rechteck, bild);
        return;
    }
    const QFont f = Schrift(lv.Schriftart, BeschriftungsHoehe(o.Fsize, k.S), k.Stil);
    QRect r = k.Rechteck;
    if (r.width() < 1)
        r.setWidth(1);
    p.setFont(f);
    p.setPen(QColor(255, 0, 0));
    p.drawText(r, Ausrichtung(o.TAusr) | Qt::AlignTop | Qt::TextDontClip,
               QString(o.Cap).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

void Inhalt(Lernansicht &lv, QPainter &p, const Karte &k, int index, const QImage &bild)
{
    const Dokument &dok = lv.Dok();
    const ObjDataTyp &o = dok.Objekte[size_t(index)];
    const HeaderDataTyp &kopf = dok.Kopf;
    const int typ = k.Typ;
    if (k.MitBild) {
        if (bild.isNull())
            return;
        if (k.BildDirekt) {
            p.save();
            p.setOpacity(Alpha(k.BildDeck) / 255.0);
            p.setRenderHint(QPainter::SmoothPixmapTransform, true);
            p.drawImage(QRect(k.Rechteck.topLeft(), QSize(k.BildBreite, k.Ch)), bild);
            p.restore();
        } else {
            p.drawImage(k.Rechteck.topLeft(), bild);
        }
        return;
    }
    if (k.AlsPunkt)
        return;
    const double rand = 1.0 - Einrueck(kopf, 1) - Einrueck(kopf, 3);
    const int rechts = Runden((1.0 - Einrueck(kopf, 2)) * k.W);
    QRect bisRand(k.Rechteck.topLeft(), QPoint(std::max(rechts, k.Rechteck.left() + 1), k.Rechteck.bottom()));
    switch (typ) {
    case objFrageText:
        TextEinpassen(p, k, o, bisRand, 1, 0, Runden(rand * k.H * 0.2 / 0.64));
        return;
    case objFrageAntwort:
        TextEinpassen(p, k, o, k.Rechteck, 0, 0, Runden(rand * k.H * 0.135 / 0.64));
        return;
    case objMCFragetext:
        TextEinpassen(p, k, o, bisRand, 0, 2, Runden(rand * k.H * 0.08 / 0.915));
        return;
    case objMCAntwort: {
        // the answer text starts at the card's left edge, beside its answer
        // box, and stays centred on the box's height when it wraps
        const int n = index > 0 ? std::clamp(dok.Objekte[size_t(index - 1)].AntwortAnz, 0, kMaxAntworten) : 0;
        TextEinpassen(p, k, o, bisRand, 0, 2, Runden((n * -0.15 + 2.8) * 28 * k.S));
        return;
    }
    case objClusterText: case objClusterAbfrageText: case objKreuzText: case objKreuzAbfrageText:
        if (IstKreuzElement(typ) && !o.Generiert)
            return;
        TextEinpassen(p, k, o, k.Rechteck, o.TAusr, 2, k.Rechteck.height());
        return;
    case objTabelleAbfrageText:
        TextEinpassen(p, k, o, k.Rechteck, o.TAusr, 0, k.Rechteck.height());
        return;
    default:
        break;
    }
    if (k.HDeck >= 1 && typ != objAbfrageLuecke && !k.Rechteck.isEmpty())
        p.fillRect(k.Rechteck, Farbe(o.HFarbe, k.HDeck));
    if (k.Text.isEmpty())
        return;
    if (typ == objAbfrageLuecke) {
        Beschriftung(lv, p, o, k.Rechteck.translated(0, k.Oy), k.Schrift, k.Textfarbe, Qt::AlignHCenter, 1);
        return;
    }
    // the text block sits at the inner offset; TAusr aligns its lines
    const QRect block(k.Rechteck.left() + k.Ox, k.Rechteck.top() + k.Oy, std::max(1, k.TextBreite),
                      std::max(1, k.Rechteck.height() - 2 * k.Oy));
    Beschriftung(lv, p, o, block, k.Schrift, k.Textfarbe, k.TextFlags | Ausrichtung(o.TAusr), o.TAusr);
}

void Markierungen(Lernansicht &lv, QPainter &p, const Karte &k, int index, bool fest)
{
    const Dokument &dok = lv.Dok();
    const ObjDataTyp &o = dok.Objekte[size_t(index)];
    const HeaderDataTyp &kopf = dok.Kopf;
    const int typ = k.Typ;
    const QRect &r = k.Rechteck;
    const double s = k.S;
    const int durchmesser = Runden(30 * s);

    // points
    const bool mcPunkt = typ == objMCInfopunkt || typ == objMCLink;
    if (IstPunktTyp(typ) || (mcPunkt && k.AktFrage)) {
        PunktArt art;
        art.Fuellung = Farbe(o.HFarbe, k.HDeck);
        if (lv.UebungLaeuft && !o.PunktInUebung && !mcPunkt)
            art.Fuellung = QColor(192, 192, 192, Farbe(0, k.HDeck).alpha());
        art.Umriss = Abgedunkelt(art.Fuellung);
        art.Zeile1 = o.PktCap;
        art.Zeile2 = o.PktCap2;
        art.Schrift = Schrift(QStringLiteral("Arial"), Runden((o.PktCap2.isEmpty() ? 12 : 10) * s), 1);
        art.Textfarbe = Farbe(o.Farbe);
        DrawPoint(p, r, art);
    }

    // the answer line of an open gap
    if (typ == objAbfrageLuecke && (o.Abgedeckt != abgAbgedeckt || fest)) {
        const int breite = std::max(r.width(), durchmesser);
        const int y = r.top() + r.height() - 4;
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(r.left(), y, r.left() + breite - 1, y);
        p.restore();
    }

    const bool knopf = IstNavKnopf(typ);
    const bool abdeckbar = IstAbfragefeld(typ) || (IstFrageabfrage(typ) && k.AktFrage && !lv.UebungLaeuft);
    if ((!knopf || lv.UebungLaeuft) && o.Abgedeckt == abgAbgedeckt && !fest && abdeckbar && lv.Zeichenbar(o)) {
        // the blue cover
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(r, kDeckFarbe);
        p.setPen(QPen(kDeckRand, 1));
        p.setBrush(Qt::NoBrush);
        if (r.width() > 0)
            p.drawRect(QRect(r.left(), r.top(), r.width() - 1, std::max(0, r.height() - 1)));
        const bool luecke = (typ == objAbfrageLuecke && kopf.DokTyp == dokLueckentext)
                            || (IstWortsucheElement(typ) && kopf.DokTyp == dokWoerterFinden);
        if (r.height() >= 1) {
            const int start = Runden(22 * s) + (luecke ? std::clamp(lv.GapFontOffset, -200, 200) : 0);
            const int h = FragezeichenHoehe(QStringLiteral("Arial"), start, o.Stil & 15, r.height());
            p.setFont(Schrift(QStringLiteral("Arial"), h, o.Stil & 15));
            p.setPen(Qt::black);
            p.drawText(r, Qt::AlignCenter | Qt::TextDontClip, QStringLiteral("?"));
        }
        if (o.AnzeigeNummer >= 1 && durchmesser > 0) {
            const QRect kreis(r.left() + Runden((r.width() - durchmesser) / 2.0),
                              r.top() + Runden((r.height() - durchmesser) / 2.0), durchmesser, durchmesser);
            const QRect sichtbar = kreis & r;
            if (!sichtbar.isEmpty()) {
                p.setClipRect(r);
                p.setRenderHint(QPainter::Antialiasing, true);
                p.setPen(QPen(kDeckRand, 1));
                p.setBrush(Qt::white);
                p.drawEllipse(QRectF(kreis).adjusted(0.5, 0.5, -0.5, -0.5));
                const int hoehe = Runden(20 * s * sichtbar.height() / durchmesser);
                p.setFont(Schrift(QStringLiteral("Arial"), hoehe, 1));
                p.setPen(QColor(255, 0, 0));
                p.drawText(kreis, Qt::AlignCenter | Qt::TextDontClip, lv.NumberText(index));
            }
        }
        p.restore();
    } else if (!fest) {
        switch (o.Abgedeckt) {
        case abgGeloest:
            Symbol(p, 0xFC, QPoint(r.left() + 17, r.top() + 22), QColor(0, 196, 0));
            break;
        case abgFehlversuch:
            Symbol(p, 0xFB, QPoint(r.left() + 17, r.top() + 20), QColor(220, 0, 0));
            break;
        case abgOhneRueckmeldung: {
            PunktArt art;
            art.Fuellung = Qt::white;
            art.Umriss = Qt::black;
            art.Zeile1 = QStringLiteral("X");
            art.Schrift = Schrift(QStringLiteral("Arial"), Runden(24 * s), 1);
            art.Textfarbe = QColor(128, 128, 128);
            DrawPoint(p, r, art);
            break;
        }
        case abgAusstehend: {
            const int dt = kopf.DokTyp;
            if (SeitenlayoutVon(kopf).Fragenseiten && lv.UebungLaeuft)
                break;
            PunktArt art;
            art.Zielpunkt = true;
            art.Zielpunktgroesse = std::clamp(kopf.Zielpunktgroesse, 0, kZielpunktgroesseMax);
            art.Fuellung = QColor(236, 237, 232);
            art.Umriss = Qt::black;
            bool mitNummer = true;
            if (lv.UebungLaeuft && (dt == dokBildbeschriftung || dt == dokLueckentext || dt == dokKreuzwortraetsel)) {
                if (lv.AbfrageEinzeln && index != lv.AktAbfrageObjekt) {
                    mitNummer = false;
                    art.Fuellung = QColor(208, 208, 208);
                    art.Umriss = QColor(176, 176, 176);
                } else if (lv.AbfrageGeordnet) {
                    mitNummer = false;
                }
            }
            double h = 20 * s;
            if (lv.UebungLaeuft)
                h = h * art.Zielpunktgroesse / 100.0;
            if (mitNummer) {
                art.Zeile1 = lv.NumberText(index);
                art.Schrift = Schrift(QStringLiteral("Arial"), Runden(h), 1);
                art.Textfarbe = QColor(255, 0, 0);
            }
            DrawPoint(p, r, art);
            break;
        }
        default:
            break;
        }
    }

    // navigation buttons of question pages
    if (knopf && !lv.UebungLaeuft) {
        static const char *const zeichen[] = {"<", ">", "|<", ">|", "?"};
        PunktArt art;
        art.Fuellung = Farbe(kopf.FragBtnHtgdCol);
        art.Umriss = Abgedunkelt(art.Fuellung);
        art.Zeile1 = QString::fromLatin1(zeichen[typ - objNavZurueck]);
        art.Schrift = Schrift(QStringLiteral("Arial"), Runden(16 * s), 1);
        art.Textfarbe = Farbe(kopf.FragBtnTextCol);
        DrawPoint(p, r, art);
    }
}

} // namespace kalumo::zeichnung
