#include "exercise/Uebungszeichnung.h"

#include "exercise/Uebung.h"
#include "learnview/Zeichenhilfen.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace kalumo {

namespace {

constexpr int kBalken = 3;          // the bar right of the view
constexpr int kTextAbstand = 5;     // instruction text: pixels right of the bar
constexpr int kInnenrand = 2;       // cards: inner margin left and right
constexpr int kTickZeichen = 0xFC;  // Wingdings: tick

// The largest pixel height (down to the minimum) at which text fits the
// rectangle, word-wrapped.
QFont Passend(const QString &text, const QRect &r, int hoehe, int minimum, bool fett)
{
    QFont f = Schrift(QStringLiteral("Arial"), hoehe, fett ? 1 : 0);
    for (int h = hoehe; h >= minimum; --h) {
        f.setPixelSize(h);
        const QRect noetig = QFontMetrics(f).boundingRect(r, Qt::AlignCenter | Qt::TextWordWrap, text);
        if (noetig.width() <= r.width() && noetig.height() <= r.height())
            break;
    }
    return f;
}

// A raised face with a black border: light edge top-left, dark bottom-right.
void Flaeche(QPainter &p, const QRect &r, const QColor &farbe)
{
    p.fillRect(r, farbe);
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const QRect innen = r.adjusted(1, 1, -2, -2);
    p.setPen(farbe.lighter(130));
    p.drawLine(innen.topLeft(), innen.topRight());
    p.drawLine(innen.topLeft(), innen.bottomLeft());
    p.setPen(farbe.darker(140));
    p.drawLine(innen.bottomLeft(), innen.bottomRight());
    p.drawLine(innen.topRight(), innen.bottomRight());
}

void Karte(QPainter &p, const UebElement &e, const Dokument &dok)
{
    Flaeche(p, e.Rechteck, e.Flaeche);
    if (e.MitBild && e.Objekt >= 0 && e.Objekt < int(dok.Objekte.size())) {
        const QImage &quelle = dok.Objekte[size_t(e.Objekt)].Bild;
        const QSize platz = e.Rechteck.size() - QSize(2, 2);
        if (!quelle.isNull() && platz.width() > 0 && platz.height() > 0) {
            const QImage klein = quelle.scaled(platz, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            p.drawImage(e.Rechteck.center() - QPoint(klein.width() / 2, klein.height() / 2) + QPoint(1, 1), klein);
        }
        return;
    }
    const QRect text = e.Rechteck.adjusted(kInnenrand + 1, 1, -kInnenrand - 1, -1);
    p.setFont(Passend(e.Text, text, kKartenSchrifthoehe, kKartenSchriftMinimum, true));
    p.setPen(e.Textfarbe);
    p.drawText(text, Qt::AlignCenter | Qt::TextWordWrap, e.Text);
}

void Ankreuzfeld(QPainter &p, const UebElement &e)
{
    const QRect r = e.Rechteck.adjusted(0, 0, -1, -1);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(r.adjusted(2, 2, -2, -2));
    if (!e.Angekreuzt())
        return;
    p.setFont(WingdingsSchrift(std::max(1, e.Rechteck.height() - 4)));
    p.setPen(QColor(0, 0, 160));
    p.drawText(e.Rechteck, Qt::AlignCenter, WingdingsZeichen(kTickZeichen));
}

void Eingabefeld(QPainter &p, const UebElement &e, bool fokus)
{
    const QRect r = e.Rechteck.adjusted(0, 0, -1, -1);
    p.setPen(fokus ? zeichnungsfarbe::Fokus : QColor(122, 122, 122));
    p.setBrush(elementfarbe::Feld);
    p.drawRect(r);
    QFont f = Schrift(QStringLiteral("Arial"), std::max(1, e.Schrifthoehe));
    p.setFont(f);
    p.setPen(e.Textfarbe);
    const QRect innen = e.Rechteck.adjusted(2, 0, -2, 0);
    p.save();
    p.setClipRect(innen);
    p.drawText(innen, Qt::AlignLeft | Qt::AlignVCenter, e.Text);
    if (fokus && !e.Hinweis) {
        // the caret stands after the text
        const QFontMetrics fm(f);
        const int x = innen.left() + fm.horizontalAdvance(e.Text) + 1;
        const int h = fm.height();
        const int y = innen.center().y() - h / 2;
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(x, y, x, y + h - 1);
    }
    p.restore();
}

void Weiterknopf(QPainter &p, const UebElement &e)
{
    Flaeche(p, e.Rechteck, QColor(240, 240, 240));
    p.setFont(Passend(e.Text, e.Rechteck.adjusted(2, 1, -2, -1), kKartenSchrifthoehe, kKartenSchriftMinimum, true));
    p.setPen(Qt::black);
    p.drawText(e.Rechteck, Qt::AlignCenter, e.Text);
}

void Kreuzflaeche(QPainter &p, const UebElement &e)
{
    // the hit area is transparent; only the marked one shows itself
    if (e.Text.isEmpty())
        return;
    Flaeche(p, e.Rechteck, e.Flaeche);
    p.setFont(Schrift(QStringLiteral("Arial"), kKartenSchrifthoehe, 1));
    p.setPen(e.Textfarbe);
    p.drawText(e.Rechteck, Qt::AlignCenter, e.Text);
}

void Hintergrund(QPainter &p, const Uebung &u)
{
    const QSize g = u.PanelGroesse();
    const int b = u.Daten().BildBreite;
    p.fillRect(QRect(b, 0, kBalken, g.height()), elementfarbe::Trennbalken);
    const int links = b + kBalken + kTextAbstand;
    const int breite = std::max(0, g.width() - links - kBalken);
    p.setFont(Schrift(QStringLiteral("Arial"), kAnweisungSchrifthoehe));
    p.setPen(Qt::black);
    p.drawText(QRect(links, 4, breite, kRueckmeldungOben - 8), Qt::TextWordWrap, u.Anweisung());

    const RueckmeldungsAnzeige &r = u.Rueckmeldung();
    const QRect feld(links, kRueckmeldungOben, breite, 90);
    if (r.StatistikSichtbar) {
        p.setFont(Schrift(QStringLiteral("Arial"), kAnweisungSchrifthoehe, 1));
        p.setPen(Qt::black);
        const int zeile = QFontMetrics(p.font()).height() + 2;
        p.drawText(feld.topLeft() + QPoint(0, zeile), r.StatistikTitel);
        const QString texte[] = {u.Texte.MCRichtig, u.Texte.MCFalsch, u.Texte.MCFehlend};
        const int werte[] = {r.Richtig, r.Falsch, r.Fehlend};
        for (int i = 0; i < 3; ++i)
            p.drawText(feld.topLeft() + QPoint(0, zeile * (i + 2)), texte[i] + QLatin1Char(' ') + QString::number(werte[i]));
    } else if (!r.Text.isEmpty()) {
        p.setFont(Schrift(QStringLiteral("Arial"), 2 * kAnweisungSchrifthoehe, 1));
        p.setPen(r.Farbe);
        p.drawText(feld, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, r.Text);
    }
}

} // namespace

void ElementZeichnen(QPainter &p, const UebElement &e, const Dokument &dok, bool fokus)
{
    switch (e.Art) {
    case ElementArt::Karte: Karte(p, e, dok); break;
    case ElementArt::Ankreuzfeld: Ankreuzfeld(p, e); break;
    case ElementArt::Eingabefeld: Eingabefeld(p, e, fokus); break;
    case ElementArt::Weiter: Weiterknopf(p, e); break;
    case ElementArt::Kreuzflaeche: Kreuzflaeche(p, e); break;
    }
}

void UebungZeichnen(QPainter &p, const Uebung &u, const Dokument &dok, const QImage &ansicht, unsigned teile, int ohne)
{
    p.save();
    if (teile & zeichAnsicht)
        p.drawImage(0, 0, ansicht);
    if (teile & zeichHintergrund)
        Hintergrund(p, u);
    if (teile & zeichElemente) {
        // drawn in stacking order: a card being dragged lies on top
        std::vector<const UebElement *> reihe;
        for (const UebElement &e : u.Elemente())
            if (e.Sichtbar && e.Kennung != ohne)
                reihe.push_back(&e);
        std::stable_sort(reihe.begin(), reihe.end(),
                         [](const UebElement *a, const UebElement *b) { return a->Stapel < b->Stapel; });
        for (const UebElement *e : reihe)
            ElementZeichnen(p, *e, dok, e->Kennung == u.Fokus());
        const QRect rahmen = u.Auswahlrahmen();
        if (!rahmen.isEmpty()) {
            p.setPen(QPen(zeichnungsfarbe::Auswahlrahmen, 2));
            p.setBrush(Qt::NoBrush);
            p.drawRect(rahmen);
        }
        if (const UebElement *f = u.Element(u.Fokus()); f && f->Sichtbar && f->Art != ElementArt::Eingabefeld) {
            p.setPen(QPen(zeichnungsfarbe::Fokus, 1, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(f->Rechteck.adjusted(-2, -2, 1, 1));
        } else if (u.Fokus() < 0 && u.FokusObjekt() >= 0) {
            // a find-words spot
            const QRect r = u.ObjektRechteck(u.FokusObjekt());
            if (!r.isEmpty()) {
                p.setPen(QPen(zeichnungsfarbe::Fokus, 1, Qt::DashLine));
                p.setBrush(Qt::NoBrush);
                p.drawRect(r.adjusted(-2, -2, 1, 1));
            }
        }
    }
    p.restore();
}

QImage UebungsBild(const Uebung &u, const Dokument &dok, const QImage &ansicht)
{
    QImage bild(u.PanelGroesse(), QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::white);
    QPainter p(&bild);
    UebungZeichnen(p, u, dok, ansicht);
    return bild;
}

} // namespace kalumo
