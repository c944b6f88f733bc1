// RenderObject: gates, colours, erasing, leader lines, alignment, measuring
// and placing the card. What is drawn into the placed card is in
// Karteninhalt.cpp.

#include "learnview/Lernansicht.h"
#include "learnview/Objektarten.h"
#include "learnview/ObjektzeichnungIntern.h"
#include "learnview/Seitenlayouts.h"
#include "learnview/Zeichenhilfen.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kalumo {

using zeichnung::Karte;

namespace {

bool IstEinerVon(int typ, std::initializer_list<int> arten)
{
    return std::find(arten.begin(), arten.end(), typ) != arten.end();
}

// The marker of the selected object's anchor: a 5 x 5 black square in a
// 12 x 12 orange frame.
void AnkerMarkierung(QPainter &p, QPoint m)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    p.drawRect(m.x() - 2, m.y() - 2, 4, 4);
    p.setPen(QPen(QColor(255, 128, 0), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(m.x() - 6, m.y() - 6, 12, 12);
    p.restore();
}

// A line dicke pixels wide is drawn as dicke x dicke one-pixel lines, each
// shifted by d (from -dicke / 2 on); linien draws them for one d.
template <class Linien>
void BreitZeichnen(QPainter &p, const QColor &farbe, int dicke, Linien linien)
{
    const int w = std::clamp(dicke, 0, kLinieDickeMax);
    if (w <= 0)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(farbe, 1, Qt::SolidLine, Qt::FlatCap));
    for (int dx = -w / 2; dx < -w / 2 + w; ++dx)
        for (int dy = -w / 2; dy < -w / 2 + w; ++dy)
            linien(QPoint(dx, dy));
    p.restore();
}

void Leitlinie(QPainter &p, QPoint von, QPoint nach, const QColor &farbe, int dicke)
{
    BreitZeichnen(p, farbe, dicke, [&](QPoint d) { p.drawLine(von + d, nach + d); });
}

// The bent line of cross-matching elements; on worksheets the pupil draws
// the middle segment of the query elements.
void Kreuzlinie(QPainter &p, QPoint anker, QPoint karte, int h, bool ohneMitte, const QColor &farbe, int dicke)
{
    BreitZeichnen(p, farbe, dicke, [&](QPoint d) {
        const QPoint a = anker + d, b = anker + QPoint(50, 0) + d;
        const QPoint c = karte - QPoint(50 + h, 0) + d, e = karte - QPoint(h, 0) + d;
        p.drawLine(a, b);
        if (!ohneMitte)
            p.drawLine(b, c);
        p.drawLine(c, e);
    });
}

int AutomatischeAusrichtung(const ObjDataTyp &o, int w, int h)
{
    const double dx = o.Kx - o.Sx;
    const double dy = (o.Ky - o.Sy) / (double(w) / double(h));
    if (std::abs(dy) > std::abs(dx))
        return dy < 0 ? 2 : 4;
    return dx >= 0 ? 1 : 3;
}

QString Zeilen(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

} // namespace

QImage Lernansicht::SkaliertesBild(const QImage &bild, QSize groesse, int deckkraft)
{
    if (bild.isNull() || groesse.isEmpty())
        return {};
    deckkraft = std::clamp(deckkraft, 0, 100);
    // very large cards are not kept
    if (qint64(groesse.width()) * groesse.height() > 16LL * 1024 * 1024)
        return BildAufbereiten(bild, groesse, deckkraft);
    const quint64 q = quint64(bild.cacheKey());
    const std::uint64_t schluessel = q * 0x9E3779B97F4A7C15ULL ^ (quint64(groesse.width()) << 42)
                                     ^ (quint64(groesse.height()) << 21) ^ quint64(deckkraft);
    BildEintrag &e = m_bildCache[schluessel];
    if (e.Bild.isNull() || e.Quelle != bild.cacheKey() || e.Groesse != groesse || e.Deckkraft != deckkraft) {
        e.Bild = BildAufbereiten(bild, groesse, deckkraft);
        e.Quelle = bild.cacheKey();
        e.Groesse = groesse;
        e.Deckkraft = deckkraft;
    }
    e.Generation = m_generation;
    return e.Bild;
}

void Lernansicht::RenderObject(QImage &ziel, int index, const RenderOptionen &optionen)
{
    if (index < 0 || index >= int(m_dok.Objekte.size()) || ziel.isNull())
        return;
    QPainter p(&ziel);
    const Gezeichnet g = ObjektZeichnen(p, &ziel, ziel.size(), index, optionen);
    p.end();
    if (optionen.Zweck == rpScreen && optionen.InAnsichtKopieren && &ziel == &PageBitmap)
        KarteInAnsicht(g.Karte.united(g.Geloescht));
    else if (optionen.Zweck == rpScreen && UebungLaeuft && !g.Geloescht.isEmpty() && &ziel == &PageBitmap)
        KarteInAnsicht(g.Geloescht);
    if (optionen.AnsichtAuffrischen)
        NeuzeichnenAngefordert = true;
}

void Lernansicht::RenderObject(QPainter &painter, QSize raster, int index, const RenderOptionen &optionen)
{
    if (index < 0 || index >= int(m_dok.Objekte.size()) || raster.isEmpty())
        return;
    RenderOptionen opt = optionen;
    opt.ZuerstLoeschen = false;
    opt.InAnsichtKopieren = false;
    ObjektZeichnen(painter, nullptr, raster, index, opt);
}

Lernansicht::Gezeichnet Lernansicht::ObjektZeichnen(QPainter &p, QImage *ziel, QSize raster, int index,
                                                    const RenderOptionen &opt)
{
    Gezeichnet ergebnis;
    if (index < 0 || index >= int(m_dok.Objekte.size()))
        return ergebnis;
    ObjDataTyp &o = m_dok.Objekte[size_t(index)];
    const HeaderDataTyp &kopf = m_dok.Kopf;
    const bool bildschirm = opt.Zweck == rpScreen;
    const bool fest = opt.FesterDurchgang;
    const bool autor = Autorenmodus();

    Karte k;
    k.Typ = o.Typ;
    k.W = std::max(1, raster.width());
    k.H = std::max(1, raster.height());
    k.S = k.W / 870.0;
    const double s = k.S;
    const int typ = k.Typ;
    k.AktFrage = o.FrageNummer == AktFrageNummer;

    // 1. gates
    if (!bildschirm && ((IstPunktart(typ) && !IstNavKnopf(typ)) || o.Ebene == ebeneInfopunkte))
        return ergebnis;
    if (UebungLaeuft && o.Ebene == ebeneInfopunkte && IstOeffenbar(typ) && typ != objMCInfopunkt && typ != objMCLink
        && !o.PunktInUebung)
        return ergebnis;
    if (!EbeneSichtbar(o))
        return ergebnis;

    // 2. selection
    k.Ausgewaehlt = autor && index == AusgewaehltesObjekt;

    // 3. text colour and style
    k.Textfarbe = Farbe(o.Farbe);
    k.Stil = o.Stil & 15;
    k.HDeck = std::clamp(o.HDeck, 0, 100);
    if (!k.Ausgewaehlt) {
        if (typ == objAbfrageLuecke) {
            k.Textfarbe = autor ? QColor(192, 192, 192) : Farbe(kopf.LueckentextCol);
        } else if (IstWortsucheElement(typ)) {
            if (UebungLaeuft) {
                const bool gefunden = o.Abgedeckt == abgMarkiert;
                k.Textfarbe = gefunden ? Farbe(kopf.LueckentextCol) : Farbe(o.Farbe);
                k.Stil = gefunden ? 4 : 0;
            } else if (typ == objWortsucheWort) {
                k.Textfarbe = Farbe(kopf.LueckentextCol);
            }
        }
    }
    if (IstWortsucheElement(typ) && !UebungLaeuft)
        k.HDeck = 0;

    // 4. erase the previous card
    if (opt.ZuerstLoeschen && bildschirm && !autor && Zeichenbar(o) && o.KartRect[0] >= 0 && ziel
        && BackdropBitmap.size() == ziel->size()) {
        bool auslassen = IstFrageseitenart(typ) && !k.AktFrage;
        if (UebungLaeuft && SeitenlayoutVon(kopf).Fragenseiten)
            auslassen = true;
        if (!auslassen) {
            const QRect alt = QRect(QPoint(Runden(o.KartRect[0] * k.W), Runden(o.KartRect[1] * k.H)),
                                    QPoint(Runden(o.KartRect[2] * k.W) - 1, Runden(o.KartRect[3] * k.H) - 1))
                              & QRect(0, 0, k.W, k.H);
            if (!alt.isEmpty()) {
                p.save();
                p.setCompositionMode(QPainter::CompositionMode_Source);
                p.drawImage(alt.topLeft(), BackdropBitmap, alt);
                p.restore();
                ergebnis.Geloescht = alt;
            }
        }
    }

    // 5. leader line
    const QPoint anker(Runden(o.Sx * k.W), Runden(o.Sy * k.H));
    // 7. card point (the exercise moves the card point of kinds 25 and 27
    // to the object it assigned; that happens in the exercise overlay)
    const QPoint punkt(Runden(o.Kx * k.W), Runden(o.Ky * k.H));
    if (o.Sline == 1 && k.Ausgewaehlt)
        AnkerMarkierung(p, anker);
    if (o.Sline == 1 && opt.LinieZeichnen && opt.Zweck != rpAnswers)
        Leitlinie(p, anker, punkt, Farbe(o.LinieFarbe), o.LinieDicke);
    if (o.Sline == 5 && IstKreuzElement(typ) && opt.LinieZeichnen) {
        const double breite = std::clamp(std::isfinite(o.KartBreite) ? o.KartBreite : 0.0, 0.0, 1.0);
        const int h = o.KAusr == 5 ? Runden(breite * 0.5 * k.W) : 0;
        Kreuzlinie(p, anker, punkt, h, opt.Zweck == rpWorksheet && IstAbfragefeld(typ), Farbe(o.LinieFarbe),
                   o.LinieDicke);
    }
    if ((o.Sline == 1 || o.Sline == 5) && k.Ausgewaehlt)
        AnkerMarkierung(p, punkt);

    // 6. alignment
    if (o.KAusrAkt < 1 || o.KAusrAkt > 5)
        o.KAusrAkt = (o.KAusr >= 1 && o.KAusr <= 5) ? o.KAusr : AutomatischeAusrichtung(o, k.W, k.H);

    // 8. measure
    const int minimum = Runden(30 * s);
    bool alsKarte = IstKarte(typ);
    if (!alsKarte && !IstPunktart(typ))
        alsKarte = (k.AktFrage && IstFragekarte(typ)) || (k.AktFrage && !UebungLaeuft && IstLernfragekarte(typ));
    k.AlsPunkt = !alsKarte && IstPunktart(typ);
    const int schrifthoehe = BeschriftungsHoehe(o.Fsize, s);
    const bool lueckenschrift = (typ == objAbfrageLuecke && kopf.DokTyp == dokLueckentext)
                                || (IstWortsucheElement(typ) && kopf.DokTyp == dokWoerterFinden);
    const int versatz = lueckenschrift ? std::clamp(GapFontOffset, -200, 200) : 0;
    bool leererText = false;
    if (k.AlsPunkt) {
        k.Cw = k.Ch = minimum;
        if (o.PktCap.size() >= 3 || o.PktCap2.size() >= 3) {
            const bool zwei = !o.PktCap2.isEmpty();
            const QFontMetrics fm(Schrift(QStringLiteral("Arial"), Runden((zwei ? 10 : 12) * s), 1));
            int breite = fm.horizontalAdvance(o.PktCap + QLatin1Char('X'));
            if (zwei)
                breite = std::max(breite, fm.horizontalAdvance(o.PktCap2 + QLatin1Char('X')));
            k.Cw = std::max(k.Cw, breite);
        }
    } else if (alsKarte) {
        k.MitBild = IstBildart(typ) && !o.Bild.isNull();
        if (k.MitBild) {
            const QString name = (typ >= objAbfrageBild && typ <= objBildLink) ? QStringLiteral("Arial") : Schriftart;
            k.Ch = QFontMetrics(Schrift(name, schrifthoehe)).height();
            if (IstEinerVon(typ, {objTabelleAbfrageText, objClusterBild, objClusterAbfrageBild, objKreuzBild,
                                  objKreuzAbfrageBild})
                && o.KartHoehe > 0)
                k.Ch = std::min(k.Ch, Runden(std::min(o.KartHoehe, 1.0) * k.H));
            k.BildBreite = o.Bild.height() > 0 ? Runden(double(o.Bild.width()) * k.Ch / o.Bild.height()) : 0;
            // an image from a file may be any shape; a card wider than twice the page serves nobody
            k.BildBreite = std::clamp(k.BildBreite, 0, 2 * k.W);
            k.Cw = std::max(minimum, k.BildBreite);
        } else {
            k.Text = Zeilen(o.Cap);
            if (k.Text.isEmpty() && IstLeerAlsBlank(typ))
                k.Text = QStringLiteral(" ");
            leererText = k.Text.isEmpty();
            int grenze = 0;
            bool umbrechen = false;
            if (typ == objFrageText || typ == objMCFragetext) {
                grenze = std::max(1, k.W - 2 * punkt.x());
                umbrechen = true;
            } else if (IstEinerVon(typ, {objTabelleAbfrageText, objClusterText, objClusterAbfrageText, objKreuzText,
                                         objKreuzAbfrageText})
                       && o.KartBreite > 0) {
                grenze = std::max(1, Runden(std::min(o.KartBreite, 1.0) * k.W));
                umbrechen = true;
            }
            k.Schrift = Schrift(Schriftart, schrifthoehe + versatz, k.Stil);
            k.TextFlags = umbrechen ? int(Qt::TextWordWrap) : 0;
            const QFontMetrics fm(k.Schrift);
            int tb = 0, th = 0;
            if (!leererText) {
                const QRect r = fm.boundingRect(QRect(0, 0, umbrechen ? grenze : (1 << 24), 1 << 24),
                                                k.TextFlags | Qt::AlignLeft | Qt::AlignTop, k.Text);
                tb = r.width();
                th = r.height();
                // marked-up captions are measured by the text flow that sets them
                QSize gesetzt;
                if (Haken && Haken->KartentextMessen(o, k.Schrift, std::max(1, tb), gesetzt)) {
                    tb = gesetzt.width();
                    th = gesetzt.height();
                }
            }
            if (typ == objKreuzwortGitter)
                tb = 2 * fm.horizontalAdvance(QLatin1Char('X'));
            k.TextBreite = tb;
            k.Pad = typ == objAbfrageLuecke ? 2 : 0;
            k.Cw = std::max(minimum, tb);
            k.Ch = th + 2 * k.Pad;
            if (typ == objAbfrageLuecke)
                k.Cw = std::max(k.Cw, std::clamp(kopf.MinLuecke, 0, kMinLueckeMax) * fm.horizontalAdvance(QLatin1Char('X')));
            if (!OhneInnenausrichtung(typ) && !leererText) {
                const int frei = std::max(k.Cw - tb, 0);
                switch (o.KAusrAkt) {
                case 1: k.Ox = 0; break;
                case 3: k.Ox = frei; break;
                default: k.Ox = frei / 2; break;
                }
            }
            k.Oy = k.Pad;
        }
    }
    if (!fest) {
        if (o.Abgedeckt == abgAusstehend || o.Abgedeckt == abgOhneRueckmeldung)
            k.Cw = k.Ch = minimum;
        else if (o.Abgedeckt == abgFehlversuch || o.Abgedeckt == abgGeloest) {
            k.Cw = 44;
            k.Ch = 38;
        }
    }

    // 9. place the card
    const int gx = Runden(7 * s);
    const int gy = IstBildart(typ) ? gx : Runden(2 * s);
    int links = 0, oben = 0;
    switch (o.KAusrAkt) {
    case 1: links = punkt.x() + gx; oben = punkt.y() - Runden(k.Ch / 2.0); break;
    case 2: links = punkt.x() - Runden(k.Cw / 2.0); oben = punkt.y() - k.Ch - gy; break;
    case 3: links = punkt.x() - k.Cw - gx; oben = punkt.y() - Runden(k.Ch / 2.0); break;
    case 4: links = punkt.x() - Runden(k.Cw / 2.0); oben = punkt.y() + gy; break;
    default: links = punkt.x() - Runden(k.Cw / 2.0); oben = punkt.y() - Runden(k.Ch / 2.0); break;
    }
    if (leererText
        && IstEinerVon(typ, {objAbfrageBeschriftung, objFixeBeschriftung, objTabelleAbfrageText, objClusterText,
                             objClusterAbfrageText, objKreuzText, objKreuzAbfrageText}))
        k.Cw = k.Ch = 0;
    k.Rechteck = QRect(links, oben, k.Cw, k.Ch);

    // 10. record where the card went
    if (bildschirm) {
        o.KartRect = {double(links) / k.W, double(oben) / k.H, double(links + k.Cw) / k.W,
                      double(oben + k.Ch) / k.H};
        o.KartPosX = links;
        o.KartPosY = oben;
        const int gh = IstBildkarte(typ) ? gx : Runden(2 * s);
        o.KartHalbBreite = double(Runden(k.Cw / 2.0) + gx) / k.W;
        o.KartHalbHoehe = double(Runden(k.Ch / 2.0) + gh) / k.H;
    }
    ergebnis.Karte = k.Rechteck;

    // a card far larger than the page is drawn straight from the image, so
    // that only what is visible is resampled
    QImage bild;
    if (k.MitBild) {
        k.BildDirekt = qint64(k.BildBreite) * k.Ch > 4LL * 1024 * 1024;
        bild = k.BildDirekt ? SkaliertesBild(o.Bild, o.Bild.size(), 100)
                            : SkaliertesBild(o.Bild, QSize(k.BildBreite, k.Ch), o.BildDeck);
        k.BildDeck = std::clamp(o.BildDeck, 0, 100);
    }

    // 11. and 12. worksheets
    if ((opt.Zweck == rpWorksheet || opt.Zweck == rpSolution) && HatArbeitsblattKasten(typ))
        zeichnung::Kasten(p, k, o, opt.Kastengroesse);
    if (((opt.Zweck == rpAnswers || opt.Zweck == rpSolution) && HatArbeitsblattAntwort(typ))
        || (opt.Zweck == rpWorksheet && typ == objAbfrageBeschriftung && opt.AntwortVorgeben))
        zeichnung::Antworttext(*this, p, k, o, bild);

    // 13. content
    bool inhalt = ImmerMitInhalt(typ) && opt.Zweck != rpAnswers;
    const bool offen = o.Abgedeckt == abgAufgedeckt || o.Abgedeckt == abgVerbindbar || fest;
    if (bildschirm) {
        inhalt = inhalt || (IstAbfragefeld(typ) && offen) || IstWortsucheElement(typ)
                 || (k.AktFrage && IstFrageabfrage(typ) && offen) || (k.AktFrage && IstFragekarte(typ))
                 || (k.AktFrage && typ == objTextLabel && !UebungLaeuft);
    }
    if ((typ == objClusterAbfrageText || typ == objClusterAbfrageBild)
        && (opt.Zweck == rpAnswers || opt.Zweck == rpSolution)) {
        inhalt = true;
        k.Textfarbe = QColor(255, 0, 0);
    }
    if (inhalt && (alsKarte || k.AlsPunkt) && Zeichenbar(o))
        zeichnung::Inhalt(*this, p, k, index, bild);

    // 14. screen marks
    if (bildschirm)
        zeichnung::Markierungen(*this, p, k, index, fest);

    // 15. selection frame in view pixels
    if (k.Ausgewaehlt && bildschirm && ziel == &PageBitmap) {
        const QPoint v = AnsichtsVersatz();
        AuswahlRahmen = k.Rechteck.translated(-v).adjusted(-4, -4, 4, 4);
    }
    return ergebnis;
}

} // namespace kalumo
