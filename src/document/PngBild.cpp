#include "document/PngBild.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

namespace kalumo {

namespace {

// Deflate cannot shrink data by more than about 1032:1, so a picture whose raw
// rows would need more than this many bytes per stored byte is a lie.
constexpr qint64 kMaxKompression = 1100;

struct Lesekontext
{
    QIODevice *geraet;
    qint64 rest;
    const char *fehler;
};

void leseRueckruf(png_structp png, png_bytep ziel, png_size_t n)
{
    auto *k = static_cast<Lesekontext *>(png_get_io_ptr(png));
    if (qint64(n) > k->rest) {
        k->fehler = "Bilddaten enden vorzeitig";
        png_error(png, "truncated");
    }
    png_size_t gelesen = 0;
    while (gelesen < n) {
        const qint64 r = k->geraet->read(reinterpret_cast<char *>(ziel) + gelesen, qint64(n - gelesen));
        if (r <= 0) {
            k->fehler = "Bilddaten können nicht gelesen werden";
            png_error(png, "read");
        }
        gelesen += png_size_t(r);
    }
    k->rest -= qint64(n);
}

void fehlerRueckruf(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void warnungRueckruf(png_structp, png_const_charp) {}

// Everything between setjmp and the end of decoding lives here and holds
// only plain values, so that a longjmp out of libpng skips no destructor.
bool dekodieren(png_structp png, png_infop info, Lesekontext *k, QImage *bild, int *farbtyp)
{
    if (setjmp(png_jmpbuf(png)))
        return false;

    png_read_info(png, info);
    png_uint_32 breite = 0, hoehe = 0;
    int tiefe = 0, typ = 0, zeilensprung = 0;
    png_get_IHDR(png, info, &breite, &hoehe, &tiefe, &typ, &zeilensprung, nullptr, nullptr);
    *farbtyp = typ;

    if (breite == 0 || hoehe == 0 || breite > png_uint_32(kPngMaxSeite) || hoehe > png_uint_32(kPngMaxSeite)
        || qint64(breite) * qint64(hoehe) > kPngMaxPixel) {
        k->fehler = "Bild ist zu groß";
        return false;
    }
    const qint64 rohZeile = qint64(png_get_rowbytes(png, info)) + 1;
    if (rohZeile * qint64(hoehe) > (k->rest + 64) * kMaxKompression) {
        k->fehler = "Bilddaten sind unvollständig";
        return false;
    }

    if (tiefe == 16)
        png_set_strip_16(png);
    if (typ == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(png);
    if (typ == PNG_COLOR_TYPE_GRAY && tiefe < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (typ == PNG_COLOR_TYPE_GRAY || typ == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    const bool mitAlpha = (typ == PNG_COLOR_TYPE_GRAY_ALPHA || typ == PNG_COLOR_TYPE_RGB_ALPHA);
    const bool paletteMitTransparenz = typ == PNG_COLOR_TYPE_PALETTE && png_get_valid(png, info, PNG_INFO_tRNS);
    if (!mitAlpha && !paletteMitTransparenz)
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    const int durchgaenge = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != png_size_t(breite) * 4) {
        k->fehler = "Bildformat wird nicht unterstützt";
        return false;
    }

    *bild = QImage(int(breite), int(hoehe), QImage::Format_RGBA8888);
    if (bild->isNull()) {
        k->fehler = "Nicht genug Speicher für das Bild";
        return false;
    }
    uchar *bits = bild->bits();
    const qsizetype zeilenLaenge = bild->bytesPerLine();
    for (int d = 0; d < durchgaenge; ++d)
        for (png_uint_32 y = 0; y < hoehe; ++y)
            png_read_row(png, bits + qsizetype(y) * zeilenLaenge, nullptr);
    png_read_end(png, nullptr);

    if (paletteMitTransparenz) {
        // only grey-alpha and RGBA pictures are drawn translucent
        for (png_uint_32 y = 0; y < hoehe; ++y) {
            uchar *z = bits + qsizetype(y) * zeilenLaenge;
            for (png_uint_32 x = 0; x < breite; ++x)
                z[x * 4 + 3] = 0xFF;
        }
    }
    return true;
}

struct Schreibkontext
{
    QIODevice *geraet;
    bool fehler;
};

void schreibRueckruf(png_structp png, png_bytep daten, png_size_t n)
{
    auto *k = static_cast<Schreibkontext *>(png_get_io_ptr(png));
    if (k->geraet->write(reinterpret_cast<const char *>(daten), qint64(n)) != qint64(n)) {
        k->fehler = true;
        png_error(png, "write");
    }
}

void leerRueckruf(png_structp) {}

bool kodieren(png_structp png, png_infop info, const QImage *bild, bool grau, png_bytep zeilenPuffer, int stufe)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    const int breite = bild->width();
    const int hoehe = bild->height();
    png_set_IHDR(png, info, png_uint_32(breite), png_uint_32(hoehe), 8,
                 grau ? PNG_COLOR_TYPE_GRAY_ALPHA : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, stufe);
    png_write_info(png, info);
    for (int y = 0; y < hoehe; ++y) {
        const uchar *z = bild->constScanLine(y);
        if (grau) {
            for (int x = 0; x < breite; ++x) {
                zeilenPuffer[2 * x] = z[4 * x];
                zeilenPuffer[2 * x + 1] = z[4 * x + 3];
            }
            png_write_row(png, zeilenPuffer);
        } else {
            png_write_row(png, const_cast<png_bytep>(z));
        }
    }
    png_write_end(png, nullptr);
    return true;
}

bool istGrau(const QImage &bild)
{
    for (int y = 0; y < bild.height(); ++y) {
        const uchar *z = bild.constScanLine(y);
        for (int x = 0; x < bild.width(); ++x, z += 4)
            if (z[0] != z[1] || z[1] != z[2])
                return false;
    }
    return true;
}

} // namespace

QImage AlsRgba(const QImage &bild)
{
    if (bild.isNull() || bild.format() == QImage::Format_RGBA8888)
        return bild;
    return bild.convertToFormat(QImage::Format_RGBA8888);
}

QImage PngLesen(QIODevice &geraet, QString *fehler, int *farbtyp)
{
    Lesekontext k{&geraet, geraet.isSequential() ? geraet.bytesAvailable() : geraet.size() - geraet.pos(), nullptr};
    auto melden = [&](const char *text) {
        if (fehler)
            *fehler = QString::fromUtf8(text);
        return QImage();
    };

    // the signature is checked here so that a non-PNG costs no libpng set-up
    png_byte signatur[8];
    if (k.rest < 8 || geraet.read(reinterpret_cast<char *>(signatur), 8) != 8)
        return melden("Bilddaten fehlen");
    k.rest -= 8;
    if (png_sig_cmp(signatur, 0, 8) != 0)
        return melden("Keine PNG-Bilddaten");

    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, fehlerRueckruf, warnungRueckruf);
    if (!png)
        return melden("Nicht genug Speicher für das Bild");
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return melden("Nicht genug Speicher für das Bild");
    }
    png_set_read_fn(png, &k, leseRueckruf);
    png_set_sig_bytes(png, 8);
    png_set_user_limits(png, kPngMaxSeite, kPngMaxSeite);
    png_set_chunk_malloc_max(png, 8 * 1024 * 1024);
    png_set_chunk_cache_max(png, 1000);

    QImage bild;
    int typ = -1;
    const bool ok = dekodieren(png, info, &k, &bild, &typ);
    png_destroy_read_struct(&png, &info, nullptr);
    if (farbtyp)
        *farbtyp = typ;
    if (!ok)
        return melden(k.fehler ? k.fehler : "Bilddaten sind beschädigt");
    return bild;
}

bool PngSchreiben(QIODevice &geraet, const QImage &quelle, int stufe)
{
    const QImage bild = AlsRgba(quelle);
    if (bild.isNull())
        return false;
    const bool grau = istGrau(bild);
    std::vector<png_byte> zeilenPuffer(grau ? size_t(bild.width()) * 2 : 0);

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, fehlerRueckruf, warnungRueckruf);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    Schreibkontext k{&geraet, false};
    png_set_write_fn(png, &k, schreibRueckruf, leerRueckruf);
    const bool ok = kodieren(png, info, &bild, grau, zeilenPuffer.data(), stufe);
    png_destroy_write_struct(&png, &info);
    return ok && !k.fehler;
}

} // namespace kalumo
