#include "peripheral/Rtf.h"

#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextDocument>

#include "testhilfen/QtAusgabe.h"

#include <gtest/gtest.h>

using namespace kalumo;

namespace {

// Braces stay balanced outside escapes, so the file is one group.
void GruppenAusgeglichen(const QByteArray &rtf)
{
    int tiefe = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
            continue;
        }
        tiefe += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
        ASSERT_GE(tiefe, 0);
        if (tiefe == 0) {
            EXPECT_EQ(i, rtf.size() - 1) << "text after the document's group";
        }
    }
    EXPECT_EQ(tiefe, 0);
}

// A protocol as the exercise writes one: headings in every letter case,
// tab-separated pairs, empty lines, umlauts, characters outside code page 1252.
const QString kProtokoll = QString::fromUtf8("<tit>Übungsprotokoll\r\n"
                                             "Datum/Uhrzeit (Beginn):\t15.03.23 18:00\r\n"
                                             "Teilnehmername:\tJörg Weiß\r\n"
                                             "\r\n"
                                             "<TIT>Übungseinstellungen\r\n"
                                             "Titel:\tÄpfel {und} Birnen \\ 5 € – Ω 😀\r\n"
                                             "<Tit>\r\n"
                                             "00:05 - RICHTIG - Lückentext \"Straße\" wird richtig zugeordnet\r\n");

} // namespace

TEST(Rtf, TextWirdMitEscapesGeschrieben)
{
    const QByteArray rtf = RtfAusText(QString::fromUtf8("Größe {a}\\b\r\nzweite Zeile\t€ ☺"), "Arial", 11);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_TRUE(rtf.endsWith("}"));
    EXPECT_TRUE(rtf.contains("\\fs22 "));
    EXPECT_TRUE(rtf.contains("Gr\\'f6\\'dfe \\{a\\}\\\\b\\par\r\nzweite Zeile\\tab \\'80 \\u9786?"));
    GruppenAusgeglichen(rtf);
}

TEST(Rtf, TitelzeilenInJederSchreibweise)
{
    const struct
    {
        const char *zeile;
        bool titel;
    } faelle[] = {{"<tit>Statistik", true}, {"<TIT>Statistik", true}, {"<Tit>", true},
                  {" <tit>eingerückt", false}, {"<ti>kurz", false}, {"Titel:\t<tit>", false}};
    for (const auto &f : faelle)
        EXPECT_EQ(IstProtokollTitel(f.zeile), f.titel) << f.zeile;
    EXPECT_EQ(ProtokollZeilen("a\r\nb\rc\nd\r\n\r\ne\r\n"), (QStringList{"a", "b", "c", "d", "", "e"}));
    EXPECT_EQ(ProtokollZeilen("ohne Umbruch"), QStringList{"ohne Umbruch"});
    EXPECT_TRUE(ProtokollZeilen("").isEmpty());
}

TEST(Rtf, ProtokollMitFettenTitelnAbstandTabstoppUndEscapes)
{
    const QByteArray rtf = ProtokollAlsRtf("<tit>Übungsprotokoll\r\nFehlversuche:\t2\r\n<TIT>Kommentar\r\n");
    GruppenAusgeglichen(rtf);
    // one tab stop at 160 points (3200 twips), body text 9 points
    EXPECT_TRUE(rtf.contains("\\pard\\tx3200\\plain\\f0\\fs18 ")) << rtf.constData();
    // a heading: bold without "<tit>", then an empty line in 4-point type, back to 9 points
    EXPECT_TRUE(rtf.contains("\\b \\'dcbungsprotokoll\\b0\\par\r\n\\fs8\\par\r\n\\fs18 Fehlversuche:\\tab 2\\par\r\n"))
        << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\b Kommentar\\b0\\par"));
    EXPECT_FALSE(rtf.contains("tit>"));
    EXPECT_FALSE(rtf.contains("TIT>"));
}

TEST(Rtf, ProtokollLiestSichSelbstZurueck)
{
    const QByteArray rtf = ProtokollAlsRtf(kProtokoll);
    GruppenAusgeglichen(rtf);
    // only ASCII in the file
    for (char c : rtf)
        ASSERT_TRUE(static_cast<unsigned char>(c) < 0x80);

    const auto absaetze = RtfAbsaetze(rtf);
    ASSERT_TRUE(absaetze);
    ASSERT_EQ(absaetze->size(), 11u);
    EXPECT_EQ((*absaetze)[0], (RtfAbsatz{QString::fromUtf8("Übungsprotokoll"), true, 18}));
    EXPECT_EQ((*absaetze)[1], (RtfAbsatz{"", false, 8}));
    EXPECT_EQ((*absaetze)[3], (RtfAbsatz{QString::fromUtf8("Teilnehmername:\tJörg Weiß"), false, 18}));

    // headings come back with a lower-case mark, every line ends with CR LF
    QString erwartet = kProtokoll;
    erwartet.replace("<TIT>", "<tit>").replace("<Tit>", "<tit>");
    EXPECT_EQ(ProtokollAusRtf(rtf), erwartet);
}

TEST(Rtf, ReinerTextLiestSichZurueck)
{
    const QString text = QString::fromUtf8("Notiz für Montag:\r\n\r\n\t– Äpfel {3 €}\r\nC:\\Pfad\\datei 😀\r\n");
    EXPECT_EQ(TextAusRtf(RtfAusText(text)), text);
}

TEST(Rtf, LesenFremderSchreibweisen)
{
    // what another word processor might write: destinations, \uN with two
    // replacement characters, escaped line breaks, quotes and dashes
    const QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green0\\blue0;}"
                           "{\\*\\generator Writer}{\\info{\\title Geheim}}\\uc2 "
                           "\\pard\\plain {\\b\\fs28 Titel}\\par\n"
                           "Gr\\u246\\'3f\\'3f\\'dfe\\tab \\ldblquote x\\rdblquote\\emdash y\\\n"
                           "z\\~{\\pict\\pngblip 89504e47}\\line Ende}";
    const auto absaetze = RtfAbsaetze(rtf);
    ASSERT_TRUE(absaetze);
    ASSERT_EQ(absaetze->size(), 4u);
    EXPECT_EQ((*absaetze)[0].Text, "Titel");
    EXPECT_TRUE((*absaetze)[0].Fett);
    EXPECT_EQ((*absaetze)[1].Text, QString::fromUtf8("Größe\t“x”—y"));
    EXPECT_FALSE((*absaetze)[1].Fett);
    EXPECT_EQ((*absaetze)[2].Text, QString::fromUtf8("z\u00a0"));
    EXPECT_EQ((*absaetze)[3].Text, "Ende");
}

TEST(Rtf, KaputteDateienOhneAbsturz)
{
    EXPECT_FALSE(RtfAbsaetze("Kein RTF"));
    EXPECT_FALSE(RtfAbsaetze(""));
    EXPECT_FALSE(RtfAbsaetze("{\\rtf1" + QByteArray(100000, '{')));
    // every cut of a protocol reads without a crash and yields a prefix of its lines
    const QByteArray rtf = ProtokollAlsRtf(kProtokoll);
    for (qsizetype n = 5; n <= rtf.size(); ++n) {
        const auto text = ProtokollAusRtf(rtf.left(n));
        ASSERT_TRUE(text) << n;
    }
    QRandomGenerator zufall(7);
    for (int i = 0; i < 300; ++i) {
        QByteArray b = "{\\rtf1";
        for (int j = 0; j < 200; ++j)
            b += "{}\\'ab9 \\u-3x\\b0par\\fs"[zufall.bounded(22)];
        (void)RtfAbsaetze(b);
    }
}

TEST(Rtf, ProtokollAlsQtRichText)
{
    QTextDocument html;
    html.setHtml(ProtokollAlsHtml("<tit>Statistik-Zusammenfassung\r\nErfolgsquote:\t75.0 %\r\n<b>kein Tag</b>\r\n"));
    QStringList bloecke;
    for (QTextBlock b = html.begin(); b.isValid(); b = b.next())
        bloecke << b.text();
    EXPECT_EQ(bloecke, (QStringList{"Statistik-Zusammenfassung", QString(QChar(0xa0)), "Erfolgsquote:\t75.0 %",
                                    "<b>kein Tag</b>"}));
    EXPECT_EQ(html.begin().begin().fragment().charFormat().fontWeight(), QFont::Bold);
    EXPECT_NE(html.lastBlock().begin().fragment().charFormat().fontWeight(), QFont::Bold);

    // straight into a text document: tab stop on every paragraph, comments appended
    QTextDocument dok;
    ProtokollInTextdokument(dok, "<TIT>Übungsprotokoll\r\nRichtig zugeordnet:\t3\r\n", true);
    ProtokollInTextdokument(dok, "\r\n<tit>Kommentar\r\nGut gemacht\r\n", false);
    QStringList texte;
    for (QTextBlock b = dok.begin(); b.isValid(); b = b.next())
        texte << b.text();
    EXPECT_EQ(texte, (QStringList{QString::fromUtf8("Übungsprotokoll"), "", "Richtig zugeordnet:\t3", "", "Kommentar",
                                  "", "Gut gemacht"}));
    const QTextBlock erster = dok.begin();
    EXPECT_EQ(erster.begin().fragment().charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(erster.next().charFormat().fontPointSize(), 4.0);
    const QTextBlock dritter = erster.next().next();
    ASSERT_EQ(dritter.blockFormat().tabPositions().size(), 1);
    EXPECT_DOUBLE_EQ(dritter.blockFormat().tabPositions()[0].position, 160.0 * 96.0 / 72.0);
    EXPECT_EQ(dritter.begin().fragment().charFormat().fontPointSize(), 9.0);
}
