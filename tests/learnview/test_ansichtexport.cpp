// Export of the view to picture files and the captured area.

#include "Lernansichtshilfen.h"

#include "learnview/Ansichtexport.h"
#include "platform/Dateidialoge.h"
#include "platform/Meldungen.h"

#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kalumo;
using namespace kalumo::test;

namespace {

QImage Bild()
{
    QImage b(123, 77, QImage::Format_ARGB32_Premultiplied);
    b.fill(Qt::white);
    for (int y = 10; y < 40; ++y)
        for (int x = 20; x < 60; ++x)
            b.setPixelColor(x, y, QColor(200, 30, 40));
    return b;
}

} // namespace

TEST(Export, FalscheEndungMeldetUndSchreibtNichts)
{
    QTemporaryDir ordner;
    for (const char *name : {"x.gif", "x", "x.jpeg", "x.png.txt"}) {
        SCOPED_TRACE(name);
        SkriptMeldungen meldungen;
        SkriptDateidialoge dialoge;
        const QString pfad = ordner.filePath(QString::fromUtf8(name));
        dialoge.Antworten.push_back(pfad);
        EXPECT_FALSE(AnsichtExportieren(Bild(), meldungen, dialoge));
        ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
        EXPECT_EQ(meldungen.Gezeigt()[0].Art, MeldungArt::Fehler);
        EXPECT_EQ(meldungen.Gezeigt()[0].Text, "Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung.");
        EXPECT_EQ(dialoge.LetzterTitel, "Ansicht in Bilddatei speichern");
    }
    EXPECT_TRUE(QDir(ordner.path()).entryList(QDir::Files).isEmpty());
}

TEST(Export, PngJpegUndBmpLesenSichMitIhrerGroesseZurueck)
{
    QTemporaryDir ordner;
    struct Fall { const char *Name; const char *Format; int Toleranz; };
    for (const Fall &f : {Fall{"a.png", "png", 0}, Fall{"b.JPG", "jpeg", 6}, Fall{"c.bmp", "bmp", 0}}) {
        SCOPED_TRACE(f.Name);
        SkriptMeldungen meldungen;
        SkriptDateidialoge dialoge;
        const QString pfad = ordner.filePath(QString::fromUtf8(f.Name));
        dialoge.Antworten.push_back(pfad);
        ASSERT_TRUE(AnsichtExportieren(Bild(), meldungen, dialoge));
        EXPECT_TRUE(meldungen.Gezeigt().empty());
        QImageReader leser(pfad);
        EXPECT_EQ(leser.format(), QByteArray(f.Format));
        const QImage zurueck = leser.read();
        ASSERT_FALSE(zurueck.isNull());
        EXPECT_EQ(zurueck.size(), QSize(123, 77));
        EXPECT_TRUE(FarbeIst(zurueck, {40, 25}, QColor(200, 30, 40), f.Toleranz));
        EXPECT_TRUE(FarbeIst(zurueck, {100, 60}, Qt::white, f.Toleranz));
    }
}

TEST(Export, SchreibfehlerMeldetDenDateinamen)
{
    SkriptMeldungen meldungen;
    SkriptDateidialoge dialoge;
    const QString pfad = "/nicht/vorhanden/ordner/a.png";
    dialoge.Antworten.push_back(pfad);
    EXPECT_FALSE(AnsichtExportieren(Bild(), meldungen, dialoge));
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Art, MeldungArt::Fehler);
    EXPECT_EQ(meldungen.Gezeigt()[0].Text, "Datei konnte nicht erstellt werden:\r\n" + pfad);
}

TEST(Export, AbgebrochenerDialogSchreibtNichtsUndMeldetNichts)
{
    SkriptMeldungen meldungen;
    SkriptDateidialoge dialoge;
    EXPECT_FALSE(AnsichtExportieren(Bild(), meldungen, dialoge));
    EXPECT_TRUE(meldungen.Gezeigt().empty());
}
