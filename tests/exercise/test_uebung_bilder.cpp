// A run in progress for every document type, drawn as the exercise panel
// shows it: the view at the left, the instruction line, the elements over
// it. KALUMO_BILDSCHIRMFOTOS=FOLDER keeps the pictures for a look by eye.

#include "Uebungstesthilfen.h"

#include "learnview/Zeichenhilfen.h"

#include <QDir>
#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

using namespace kalumo;
using namespace kalumo::test;

namespace {

// The panel as a window would draw it (without status and fonts of its own).
QImage Panel(const Testlauf &t)
{
    const QSize g = t.u->PanelGroesse();
    QImage bild(g, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.drawImage(0, 0, t.ansicht->ViewBitmap);
    const int b = t.u->Daten().BildBreite;
    p.fillRect(QRect(b, 0, 3, g.height()), elementfarbe::Trennbalken);
    p.setFont(Schrift(QStringLiteral("Arial"), 13));
    p.setPen(Qt::black);
    p.drawText(QRect(b + 8, 4, g.width() - b - 10, 90), Qt::TextWordWrap, t.u->Anweisung());
    const RueckmeldungsAnzeige &r = t.u->Rueckmeldung();
    if (!r.Text.isEmpty()) {
        p.setPen(r.Farbe);
        p.drawText(QRect(b + 8, 100, g.width() - b - 10, 40), r.Text);
    }
    for (const UebElement &e : t.u->Elemente()) {
        if (!e.Sichtbar)
            continue;
        if (e.Art == ElementArt::Kreuzflaeche) {
            p.setPen(QPen(e.Flaeche, 1, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(e.Rechteck.adjusted(0, 0, -1, -1));
            continue;
        }
        p.setPen(Qt::black);
        p.setBrush(e.Flaeche);
        p.drawRect(e.Rechteck.adjusted(0, 0, -1, -1));
        if (e.MitBild && e.Objekt >= 0) {
            const QImage &quelle = t.dok.Objekte[size_t(e.Objekt)].Bild;
            const QImage klein = quelle.scaled(e.Rechteck.size() - QSize(2, 2), Qt::KeepAspectRatio,
                                               Qt::SmoothTransformation);
            p.drawImage(e.Rechteck.center() - QPoint(klein.width() / 2, klein.height() / 2), klein);
            continue;
        }
        p.setPen(e.Textfarbe);
        const QString text = e.Art == ElementArt::Ankreuzfeld ? (e.Angekreuzt() ? QStringLiteral("X") : QString())
                                                                : e.Text;
        p.drawText(e.Rechteck, Qt::AlignCenter | Qt::TextWordWrap, text);
    }
    const QRect rahmen = t.u->Auswahlrahmen();
    if (!rahmen.isEmpty()) {
        p.setPen(QPen(QColor(255, 128, 0), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rahmen);
    }
    return bild;
}

void Behalten(const QImage &bild, const QString &name)
{
    const QString ordner = qEnvironmentVariable("KALUMO_BILDSCHIRMFOTOS");
    if (!ordner.isEmpty())
        bild.save(QDir(ordner).filePath(QStringLiteral("uebung-") + name + QStringLiteral(".png")));
}

// Pixels of the image that are not white.
int Farbig(const QImage &bild, QRect r)
{
    int n = 0;
    r &= bild.rect();
    for (int y = r.top(); y <= r.bottom(); y += 2)
        for (int x = r.left(); x <= r.right(); x += 2)
            n += bild.pixelColor(x, y) != QColor(Qt::white) ? 1 : 0;
    return n;
}

} // namespace

TEST(UebungBilder, JederTypImLauf)
{
    struct Fall
    {
        const char *datei;
        int modus;
        const char *name;
    };
    const Fall faelle[] = {
        {"Blütenpflanze.kal", abfFrei, "beschriftung"},
        {"Lückentext Rhein.kal", abfTexteingabe, "texteingabe"},
        {"Lückentext Wald mit Falschwörtern.kal", abfEinzelPositionen, "positionen"},
        {"Tabelle Formen.kal", abfEinzelTexte, "tabelle"},
        {"Kreuzworträtsel.kal", abfFrei, "kreuzwort"},
        {"Einzelfragen Hauptstädte.kal", abfFrei, "einzelfragen"},
        {"Multiple Choice Formen und Tiere.kal", abfFrei, "multiplechoice"},
        {"Cluster Tiere.kal", abfFrei, "cluster"},
        {"Kreuzzuordnung Länder.kal", abfFrei, "kreuzzuordnung"},
        {"Wörter finden Namenwörter.kal", abfFrei, "woerter"},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.datei);
        Testlauf t(Beispiel(QString::fromUtf8(f.datei)));
        ASSERT_TRUE(t.Starten(Einst(f.modus, 1, 1)));
        // one right and one wrong answer where the type has them
        const auto &liste = t.u->AbfrageListe();
        const int dokTyp = t.dok.Kopf.DokTyp;
        if (IstZuordnungstyp(dokTyp) && f.modus != abfTexteingabe && dokTyp != dokCluster) {
            const AbfrageEintrag e = liste[size_t(std::max(0, t.u->Daten().AktAbfrage))];
            if (f.modus == abfFrei) {
                KarteAufZiel(*t.u, liste[1].Karte, liste[1].Karte);
                KarteAufZiel(*t.u, liste[2].Karte, liste[3].Karte);
            } else if (e.Ziel >= 0) {
                KarteAufZiel(*t.u, e.Ziel, e.Ziel);
            }
        } else if (dokTyp == dokCluster) {
            const int hund = t.Objekt(41, "Hund");
            KarteInKorb(*t.u, hund, 1);
            KarteInKorb(*t.u, t.Objekt(41, "Hai"), 1);
        } else if (dokTyp == dokLueckentext) {
            const auto luecken = t.ObjekteVon(objAbfrageLuecke);
            Tippen(*t.u, luecken[0], "Flüsse");
            Tippen(*t.u, luecken[1], "Alpen");
        } else if (dokTyp == dokMultipleChoice) {
            for (int k : t.ObjekteVon(24))
                if (t.Sichtbar(ElementArt::Ankreuzfeld, k) && t.dok.Objekte[size_t(k)].Cap == "+") {
                    kalumo::Ankreuzen(*t.u, k);
                    break;
                }
        } else if (dokTyp == dokKreuzZuordnung) {
            const int links = liste[0].Ziel % 2 == 0 ? liste[0].Ziel : liste[1].Ziel;
            for (const AbfrageEintrag &e : std::vector<AbfrageEintrag>(liste))
                if (t.dok.Objekte[size_t(e.Ziel)].PartnerIndex == e.Ziel + 1) {
                    Verbinden(*t.u, e.Ziel, e.Ziel + 1);
                    break;
                }
            Q_UNUSED(links);
        } else if (dokTyp == dokWoerterFinden) {
            Markieren(*t.u, t.ObjekteVon(70).front());
            Markieren(*t.u, t.ObjekteVon(71).front());
        }
        ASSERT_TRUE(t.u->Laeuft());
        const QImage bild = Panel(t);
        Behalten(bild, QString::fromUtf8(f.name));
        // the view is drawn and every visible element stands inside the panel
        EXPECT_GT(Farbig(bild, QRect(0, 0, t.u->Daten().BildBreite, 700)), 1000);
        for (const UebElement &e : t.u->Elemente())
            if (e.Sichtbar)
                EXPECT_TRUE(QRect(QPoint(0, 0), t.u->PanelGroesse()).intersects(e.Rechteck)) << e.Name().toStdString();
    }
}
