// A run in progress for every document type, drawn as the exercise panel
// shows it: the view at the left, the instruction line, the elements over
// it. KALUMO_BILDSCHIRMFOTOS=FOLDER keeps the pictures for a look by eye.

#include "Uebungstesthilfen.h"

#include "exercise/Uebungszeichnung.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace kalumo;
using namespace kalumo::test;

namespace {

// The panel as the exercise panel draws it.
QImage Panel(const Testlauf &t)
{
    return UebungsBild(*t.u, t.dok, t.ansicht->ViewBitmap);
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
