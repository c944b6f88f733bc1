// The document library: scanning a folder, the order, the captions and the
// pages of the menu "&Themenauswahl".

#include "document/Bibliothek.h"
#include "testhilfen/Fixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kalumo;

namespace {

std::vector<ThemenDataTyp> liste(int anzahl)
{
    std::vector<ThemenDataTyp> l;
    for (int i = 0; i < anzahl; ++i) {
        const QString name = QStringLiteral("d%1.kal").arg(i, 3, 10, QLatin1Char('0'));
        l.push_back({QStringLiteral("Titel %1").arg(i), QStringLiteral("/o/") + name, name});
    }
    return l;
}

} // namespace

TEST(Bibliothek, OrdnerLesenSortiertOhneRuecksichtAufGrossschreibungUndLaesstFremdesWeg)
{
    QTemporaryDir ordner;
    const QDir d(ordner.path());
    ASSERT_TRUE(test::DokumentAblegen(d.filePath("b.kal"), "Bee"));
    ASSERT_TRUE(test::DokumentAblegen(d.filePath("A.KAL"), "   "));
    ASSERT_TRUE(test::DokumentAblegen(d.filePath("c.Kal"), "Zeh"));
    ASSERT_TRUE(test::DokumentAblegen(d.filePath(".versteckt.kal"), "versteckt"));
    ASSERT_TRUE(test::DokumentAblegen(d.filePath("kein.txt"), "anderes"));
    QFile fremd(d.filePath("fremd.kal"));
    ASSERT_TRUE(fremd.open(QIODevice::WriteOnly));
    fremd.write("kein Dokument");
    fremd.close();
    ASSERT_TRUE(d.mkdir("unter.kal"));

    const std::vector<ThemenDataTyp> l = BibliothekOrdnerLesen(ordner.path());
    QStringList namen;
    for (const ThemenDataTyp &e : l)
        namen << e.Sortname;
    EXPECT_EQ(namen, (QStringList{".versteckt.kal", "a.kal", "b.kal", "c.kal"}));
    EXPECT_EQ(l[1].Datei, d.filePath("A.KAL"));
    EXPECT_EQ(l[2].Titel, "Bee");
    // a blank title lists the file name
    EXPECT_EQ(BibliothekEintragText(l[1], 1), "&2:  A.KAL");
    EXPECT_EQ(BibliothekEintragText(l[2], 2), "&3:  Bee");
    EXPECT_TRUE(BibliothekOrdnerLesen(d.filePath("gibtsnicht")).empty());
    EXPECT_TRUE(BibliothekOrdnerLesen(QString()).empty());
}

TEST(Bibliothek, ZugriffstastenNurFuerDieErstenNeun)
{
    const ThemenDataTyp e{"Thema", "/o/x.kal", "x.kal"};
    EXPECT_EQ(BibliothekEintragText(e, 0), "&1:  Thema");
    EXPECT_EQ(BibliothekEintragText(e, 8), "&9:  Thema");
    EXPECT_EQ(BibliothekEintragText(e, 9), "10:  Thema");
}

TEST(Bibliothek, SeitenUndSpaltenumbruch)
{
    struct Fall
    {
        int anzahl;
        int aktuell;        // Bibliotheksindex
        int seitenanfang;   // after building the list
        int umbruch;        // -1: none
        bool vorherige, naechste;
    };
    const Fall faelle[] = {
        {130, -1, 0, 25, false, true},
        {130, 65, 60, 85, true, true},
        {130, 129, 70, 95, true, false}, // the last page is clamped to count - 60
        {20, 5, 0, -1, false, false},
        {26, -1, 0, 8, false, false},
        {0, -1, 0, -1, false, false},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(testing::Message() << f.anzahl << " Dokumente, aktuell " << f.aktuell);
        Bibliothek b;
        std::vector<ThemenDataTyp> l = liste(f.anzahl);
        const QString aktuell = f.aktuell >= 0 ? l[size_t(f.aktuell)].Datei : QString();
        EXPECT_EQ(b.Setzen(std::move(l), aktuell), f.aktuell);
        EXPECT_EQ(b.Seitenanfang(), f.seitenanfang);
        EXPECT_EQ(b.Spaltenumbruch(), f.umbruch);
        const BibliotheksMenue m = b.Menue(f.aktuell);
        EXPECT_EQ(m.Blaettern.VorherigeAktiv, f.vorherige);
        EXPECT_EQ(m.Blaettern.NaechsteAktiv, f.naechste);
        int sichtbar = 0, markiert = 0, umbrueche = 0;
        for (size_t i = 0; i < m.Eintraege.size(); ++i) {
            sichtbar += m.Eintraege[i].Sichtbar;
            markiert += m.Eintraege[i].Markiert;
            umbrueche += m.Eintraege[i].Spaltenumbruch;
            if (m.Eintraege[i].Sichtbar)
                EXPECT_GE(int(i), f.seitenanfang);
        }
        EXPECT_EQ(sichtbar, std::min(f.anzahl, kBibliothekSeite));
        EXPECT_EQ(markiert, f.aktuell >= 0 ? 1 : 0);
        EXPECT_EQ(umbrueche, f.umbruch >= 0 ? 1 : 0);
    }
}

TEST(Bibliothek, BlaetternGehtSeitenweiseUndBleibtInDerListe)
{
    Bibliothek b;
    b.Setzen(liste(130), QString());
    const BibliotheksMenue m = b.Menue(-1);
    EXPECT_EQ(m.Blaettern.VorherigeText, "Vorherige 60 Dokumente anzeigen");
    EXPECT_EQ(m.Blaettern.NaechsteText, "Nächste 60 Dokumente anzeigen (von 130)");
    std::vector<int> anfaenge;
    for (int i = 0; i < 3; ++i) {
        b.SeiteVor();
        anfaenge.push_back(b.Seitenanfang());
    }
    b.SeiteZurueck();
    anfaenge.push_back(b.Seitenanfang());
    b.SeiteZurueck();
    b.SeiteZurueck();
    anfaenge.push_back(b.Seitenanfang());
    EXPECT_EQ(anfaenge, (std::vector<int>{60, 70, 70, 10, 0}));
    // the current document is brought onto the page
    b.SeiteAnzeigen(125);
    EXPECT_EQ(b.Seitenanfang(), 70);
    b.SeiteAnzeigen(3);
    EXPECT_EQ(b.Seitenanfang(), 0);
}

TEST(Bibliothek, NaechstesUndVorherigesZiel)
{
    Bibliothek b;
    EXPECT_EQ(b.NaechstesZiel(-1), -1);
    EXPECT_EQ(b.VorherigesZiel(-1), -1);
    b.Setzen(liste(3), QString());
    EXPECT_EQ(b.NaechstesZiel(-1), 0); // from outside the list: the first
    EXPECT_EQ(b.NaechstesZiel(1), 2);
    EXPECT_EQ(b.NaechstesZiel(2), 2);  // the last stays
    EXPECT_EQ(b.VorherigesZiel(0), 0);
    EXPECT_EQ(b.VorherigesZiel(2), 1);
}

TEST(Bibliothek, ThemenlisteUndMeldung)
{
    const std::vector<ThemenDataTyp> l{{"Eins", "/o/a.kal", "a.kal"}, {" ", "/o/b.kal", "b.kal"}};
    EXPECT_EQ(ThemenlisteText(l), "<TIT>Themenliste\r\n1: Eins\r\n2: b.kal\r\n");
    EXPECT_EQ(BibliothekEingelesenText(2),
              "2 Themendokument(e) eingelesen.\r\nWählen Sie das gewünschte Dokument im Menü \"Themenauswahl\".");
}
