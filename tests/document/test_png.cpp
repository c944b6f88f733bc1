#include "document/PngBild.h"
#include "testhilfen/Fixtures.h"

#include <QBuffer>
#include <QtEndian>
#include <png.h>
#include <zlib.h>

#include <gtest/gtest.h>

#include <csetjmp>
#include <vector>

using namespace kalumo;

namespace {

QByteArray alsPng(const QImage &bild)
{
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    EXPECT_TRUE(bild.save(&b, "PNG"));
    return b.data();
}

QImage lesen(const QByteArray &daten, int *farbtyp = nullptr, QString *fehler = nullptr)
{
    QBuffer b;
    b.setData(daten);
    b.open(QIODevice::ReadOnly);
    return PngLesen(b, fehler, farbtyp);
}

int ihdrFarbtyp(const QByteArray &png)
{
    return static_cast<unsigned char>(png.at(25));
}

// An interlaced 8-bit RGB picture, written with libpng directly.
QByteArray interlacedRgb(int w, int h)
{
    struct Ziel { QByteArray daten; } ziel;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<png_byte> zeile(size_t(w) * 3);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(
        png, &ziel,
        [](png_structp p, png_bytep d, png_size_t n) {
            static_cast<Ziel *>(png_get_io_ptr(p))->daten.append(reinterpret_cast<const char *>(d), qsizetype(n));
        },
        [](png_structp) {});
    png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_ADAM7,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const int durchgaenge = png_set_interlace_handling(png);
    for (int d = 0; d < durchgaenge; ++d)
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                zeile[size_t(x) * 3] = png_byte(x * 7);
                zeile[size_t(x) * 3 + 1] = png_byte(y * 5);
                zeile[size_t(x) * 3 + 2] = png_byte(x ^ y);
            }
            png_write_row(png, zeile.data());
        }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return ziel.daten;
}

QRgb pixel(const QImage &rgba, int x, int y)
{
    const uchar *p = rgba.constScanLine(y) + x * 4;
    return qRgba(p[0], p[1], p[2], p[3]);
}

} // namespace

TEST(Png, JedeFarbartWirdGelesen_AlphaNurBeiTyp4Und6)
{
    QImage grau(5, 4, QImage::Format_Grayscale8);
    grau.fill(QColor(90, 90, 90));
    QImage rgb(5, 4, QImage::Format_RGB32);
    rgb.fill(QColor(10, 20, 30));
    QImage palette(5, 4, QImage::Format_Indexed8);
    palette.setColorTable({qRgba(200, 100, 50, 0), qRgba(1, 2, 3, 255)}); // written with a tRNS chunk
    palette.fill(0);
    QImage rgba(5, 4, QImage::Format_ARGB32);
    rgba.fill(QColor(10, 20, 30, 40));
    QImage grau16(5, 4, QImage::Format_Grayscale16);
    grau16.fill(QColor(200, 200, 200));
    QImage rgba64(5, 4, QImage::Format_RGBA64);
    rgba64.fill(QColor(250, 5, 60, 128));

    struct Fall { const char *name; QImage bild; int typ; QRgb erwartet; };
    const Fall faelle[] = {
        {"grau", grau, 0, qRgba(90, 90, 90, 255)},
        {"rgb", rgb, 2, qRgba(10, 20, 30, 255)},
        {"palette mit tRNS", palette, 3, qRgba(200, 100, 50, 255)},
        {"rgba", rgba, 6, qRgba(10, 20, 30, 40)},
        {"grau 16 bit", grau16, 0, qRgba(200, 200, 200, 255)},
        {"rgba 16 bit", rgba64, 6, qRgba(250, 5, 60, 128)},
    };
    for (const Fall &f : faelle) {
        const QByteArray png = alsPng(f.bild);
        ASSERT_EQ(ihdrFarbtyp(png), f.typ) << f.name;
        int typ = -1;
        const QImage b = lesen(png, &typ);
        ASSERT_FALSE(b.isNull()) << f.name;
        EXPECT_EQ(typ, f.typ);
        EXPECT_EQ(b.format(), QImage::Format_RGBA8888);
        EXPECT_EQ(b.size(), QSize(5, 4));
        EXPECT_EQ(pixel(b, 4, 3), f.erwartet) << f.name;
    }
}

TEST(Png, GrauMitAlphaWirdGelesen)
{
    // colour type 4 as our writer makes it for grey pictures
    QImage b = test::Farbbild(3, 3, QColor(77, 77, 77, 99));
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(PngSchreiben(puffer, b));
    ASSERT_EQ(ihdrFarbtyp(puffer.data()), 4);
    EXPECT_EQ(pixel(lesen(puffer.data()), 1, 1), qRgba(77, 77, 77, 99));
}

TEST(Png, ZeilensprungBilderWerdenVollstaendigGelesen)
{
    const QByteArray png = interlacedRgb(13, 11);
    ASSERT_FALSE(png.isEmpty());
    const QImage b = lesen(png);
    ASSERT_EQ(b.size(), QSize(13, 11));
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 13; ++x)
            ASSERT_EQ(pixel(b, x, y), qRgba(x * 7 & 0xFF, y * 5 & 0xFF, x ^ y, 255)) << x << "," << y;
}

TEST(Png, SchreibenErgibtTyp6OderTyp4UndBehaeltJedenPixel)
{
    QImage bunt(7, 5, QImage::Format_RGBA8888);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            bunt.setPixelColor(x, y, QColor(x * 30, y * 40, 200, (x * y * 17) & 0xFF));
    QImage grau(7, 5, QImage::Format_RGBA8888);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            grau.setPixelColor(x, y, QColor(x * 30, x * 30, x * 30, 255 - y));
    const QImage opakRgb32 = bunt.convertToFormat(QImage::Format_RGB32); // no alpha: still written with alpha

    for (const auto &[bild, typ] : {std::pair{bunt, 6}, std::pair{grau, 4}, std::pair{opakRgb32, 6}}) {
        QBuffer puffer;
        puffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(PngSchreiben(puffer, bild));
        EXPECT_EQ(ihdrFarbtyp(puffer.data()), typ);
        const QImage zurueck = lesen(puffer.data());
        const QImage vorher = AlsRgba(bild);
        ASSERT_EQ(zurueck.size(), vorher.size());
        for (int y = 0; y < vorher.height(); ++y)
            EXPECT_EQ(memcmp(zurueck.constScanLine(y), vorher.constScanLine(y), size_t(vorher.width()) * 4), 0);
    }
}

TEST(Png, LesenEndetGenauNachIend)
{
    const QByteArray png = alsPng(test::Farbbild(6, 6, Qt::blue));
    QBuffer b;
    b.setData(png + QByteArray("REST"));
    b.open(QIODevice::ReadOnly);
    ASSERT_FALSE(PngLesen(b).isNull());
    EXPECT_EQ(b.pos(), png.size());
    EXPECT_EQ(b.readAll(), QByteArray("REST"));
}

TEST(Png, BeschaedigteDatenWerdenAbgelehnt)
{
    const QByteArray gut = alsPng(test::Farbbild(20, 20, Qt::green));
    // IHDR claims a huge picture; the few stored bytes could never hold it
    QByteArray riesig = gut;
    qToBigEndian<quint32>(20000, riesig.data() + 16);
    qToBigEndian<quint32>(20000, riesig.data() + 20);
    const quint32 crc = quint32(crc32(0, reinterpret_cast<const Bytef *>(riesig.constData() + 12), 17));
    qToBigEndian<quint32>(crc, riesig.data() + 29);
    QByteArray crcFalsch = gut;
    crcFalsch[30] = char(crcFalsch[30] ^ 0x55);
    QByteArray zuGross = gut;
    qToBigEndian<quint32>(kPngMaxSeite + 1, zuGross.data() + 16);

    struct Fall { const char *name; QByteArray daten; };
    const Fall faelle[] = {
        {"leer", QByteArray()},
        {"keine Signatur", QByteArray("GIF89a.....")},
        {"nur Signatur", gut.left(8)},
        {"abgeschnitten im IHDR", gut.left(20)},
        {"abgeschnitten in IDAT", gut.left(gut.size() - 20)},
        {"ohne IEND", gut.left(gut.size() - 12)},
        {"Prüfsumme falsch", crcFalsch},
        {"riesig behauptet", riesig},
        {"breiter als erlaubt", zuGross},
    };
    for (const Fall &f : faelle) {
        QString fehler;
        EXPECT_TRUE(lesen(f.daten, nullptr, &fehler).isNull()) << f.name;
        EXPECT_FALSE(fehler.isEmpty()) << f.name;
    }
}
