#include "Messvorlage.h"

#include "document/DokumentDatei.h"
#include "document/PngBild.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>

namespace kalumo::messung {

namespace {

struct Zufall
{
    std::uint32_t zustand;
    std::uint32_t naechste()
    {
        zustand = zustand * 1664525u + 1013904223u;
        return zustand;
    }
};

int begrenzen(int v)
{
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

const char *const kWoerter[] = {
    "Blütenblatt", "Staubblatt", "Fruchtknoten", "Kelchblatt", "Narbe",      "Griffel",
    "Wurzel",      "Stängel",    "Laubblatt",    "Knospe",     "Rhein",      "Main",
    "Donau",       "Mündung",    "Quelle",       "Nebenfluss", "Brücke",     "Schleuse",
    "Hafen",       "Straße",     "Größe",        "Fläche",     "Würfel",     "Quader",
    "Kugel",       "Prisma",     "Hauptstadt",   "Gebirge",    "Küste",      "Halbinsel",
};
constexpr int kWortAnzahl = int(sizeof kWoerter / sizeof kWoerter[0]);

} // namespace

QImage FotoBild(int breite, int hoehe, std::uint32_t saat)
{
    QImage bild(breite, hoehe, QImage::Format_RGBA8888);
    Zufall z{saat};
    const int summe = breite + hoehe;
    for (int y = 0; y < hoehe; ++y) {
        unsigned char *p = bild.scanLine(y);
        // a soft horizon: the sky gets darker upwards, the ground greener
        const int himmel = 255 - (y * 160) / hoehe;
        for (int x = 0; x < breite; ++x, p += 4) {
            const std::uint32_t r = z.naechste();
            // three noise values of -6..+6 from the upper bits
            const int n1 = int((r >> 8) % 13u) - 6;
            const int n2 = int((r >> 14) % 13u) - 6;
            const int n3 = int((r >> 20) % 13u) - 6;
            const int gx = (x * 180) / breite;
            const int gd = ((x + y) * 120) / summe;
            // a large bright blob, computed with integers only
            const int dx = (x - breite / 3) / 16, dy = (y - hoehe / 2) / 16;
            const int abstand = dx * dx + dy * dy;
            const int blob = abstand < 4096 ? (4096 - abstand) / 64 : 0;
            p[0] = static_cast<unsigned char>(begrenzen(40 + gx + blob / 2 + n1));
            p[1] = static_cast<unsigned char>(begrenzen(himmel / 2 + gd + blob / 3 + n2));
            p[2] = static_cast<unsigned char>(begrenzen(himmel - gx / 3 + n3));
            p[3] = 255;
        }
    }
    return bild;
}

void VorlageDokumentBauen(Dokument &dok)
{
    dok = Dokument{};
    NeuesDokument(dok);
    dok.Kopf.titel = QStringLiteral("Messvorlage Fotoseite");
    dok.Kopf.autor = QStringLiteral("Kalumo-Messung");
    dok.Kopf.bemerkung = QStringLiteral("Großes Basisbild mit 500 Objekten");
    dok.Basisbild = FotoBild(kBasisBreite, kBasisHoehe, 0x4B414Cu);

    Zufall z{12345u};
    auto bruchteil = [&z] { return double(z.naechste() >> 8) / double(1u << 24); };
    int frage = 1;
    for (int i = 0; i < kObjektAnzahl; ++i) {
        const double kx = 0.02 + 0.96 * bruchteil();
        const double ky = 0.02 + 0.96 * bruchteil();
        if (i % 25 == 3 && i / 25 < kBildObjekte) {
            const int n = ObjektHinzufuegen(dok, objFixesBild, ebeneTexteUndBilder, QString(), 100, 0, kx, ky, -1);
            dok.Objekte[size_t(n)].Bild = FotoBild(kKleinbildSeite, kKleinbildSeite, 777u + std::uint32_t(i));
            dok.Objekte[size_t(n)].BildKenn = QStringLiteral("Bild %1").arg(i);
        } else if (i % 40 == 7 && i / 40 < kInfopunkte) {
            const int n = ObjektHinzufuegen(dok, objInfopunkt, ebeneInfopunkte,
                                            QStringLiteral("Hinweis zu %1").arg(QString::fromUtf8(kWoerter[i % kWortAnzahl])),
                                            10, 0, kx, ky, -1);
            dok.Objekte[size_t(n)].PktCap = StandardPunktTitel(objInfopunkt);
            dok.Objekte[size_t(n)].HFarbe = StandardPunktHintergrund(objInfopunkt);
        } else {
            const QString cap = QString::fromUtf8(kWoerter[(i * 7) % kWortAnzahl])
                + (i % 3 == 0 ? QStringLiteral(" ") + QString::fromUtf8(kWoerter[(i * 11 + 5) % kWortAnzahl])
                              : QString());
            const bool abfrage = i % 2 == 0;
            ObjektHinzufuegen(dok, abfrage ? objAbfrageBeschriftung : objFixeBeschriftung, ebeneTexteUndBilder, cap,
                              10 + i % 8, i % 3, kx, ky, abfrage ? frage++ : -1);
        }
    }
    dok.Kopf.AnzFrageNummern = frage - 1;
}

Vorlage &VorlageHolen()
{
    static Vorlage *v = [] {
        auto *neu = new Vorlage;
        if (!neu->Ordner.isValid()) {
            std::fprintf(stderr, "Temporärer Ordner kann nicht angelegt werden\n");
            std::exit(2);
        }
        VorlageDokumentBauen(neu->Dok);

        // the base image on its own, encoded beside the document on a second core
        auto basisPng = std::async(std::launch::async, [bild = neu->Dok.Basisbild] {
            QByteArray bytes;
            QBuffer puffer(&bytes);
            puffer.open(QIODevice::WriteOnly);
            return PngSchreiben(puffer, bild, 5) ? bytes : QByteArray();
        });

        neu->Pfad = neu->Ordner.filePath(QStringLiteral("Messvorlage.kal"));
        QFile datei(neu->Pfad);
        if (!datei.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "Messvorlage kann nicht angelegt werden\n");
            std::exit(2);
        }
        try {
            DokumentStromSchreiben(datei, neu->Dok);
        } catch (const std::exception &f) {
            std::fprintf(stderr, "Messvorlage kann nicht geschrieben werden: %s\n", f.what());
            std::exit(2);
        }
        datei.close();
        neu->DateiGroesse = QFileInfo(neu->Pfad).size();

        neu->BasisPng = basisPng.get();
        if (neu->BasisPng.isEmpty()) {
            std::fprintf(stderr, "Basisbild kann nicht kodiert werden\n");
            std::exit(2);
        }
        // the document ends with its base image: the baselines work on exactly those bytes
        if (datei.open(QIODevice::ReadOnly) && datei.seek(neu->DateiGroesse - neu->BasisPng.size())
            && datei.readAll() != neu->BasisPng)
            std::fprintf(stderr, "Warnung: das Basisbild der Messvorlage weicht von PngSchreiben ab\n");
        datei.close();
        return neu;
    }();
    return *v;
}

namespace {

struct Speicherleser
{
    const unsigned char *daten;
    size_t rest;
};

void ausSpeicherLesen(png_structp png, png_bytep ziel, png_size_t n)
{
    auto *c = static_cast<Speicherleser *>(png_get_io_ptr(png));
    if (n > c->rest)
        png_error(png, "truncated");
    std::memcpy(ziel, c->daten, n);
    c->daten += n;
    c->rest -= n;
}

void inSpeicherSchreiben(png_structp png, png_bytep daten, png_size_t n)
{
    auto *v = static_cast<std::vector<unsigned char> *>(png_get_io_ptr(png));
    v->insert(v->end(), daten, daten + n);
}

void nichtsTun(png_structp) {}

// Only plain values between setjmp and the end of decoding.
bool zeilenLesen(png_structp png, png_infop info, unsigned char *ziel, int breite, int hoehe)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    png_uint_32 b = 0, h = 0;
    int tiefe = 0, typ = 0, zeilensprung = 0;
    png_get_IHDR(png, info, &b, &h, &tiefe, &typ, &zeilensprung, nullptr, nullptr);
    if (int(b) != breite || int(h) != hoehe || tiefe != 8 || typ != PNG_COLOR_TYPE_RGB_ALPHA
        || zeilensprung != PNG_INTERLACE_NONE)
        return false;
    const size_t zeile = size_t(breite) * 4;
    for (int y = 0; y < hoehe; ++y)
        png_read_row(png, ziel + size_t(y) * zeile, nullptr);
    png_read_end(png, nullptr);
    return true;
}

bool zeilenSchreiben(png_structp png, png_infop info, const QImage *bild, int stufe)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, png_uint_32(bild->width()), png_uint_32(bild->height()), 8, PNG_COLOR_TYPE_RGB_ALPHA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, stufe);
    png_write_info(png, info);
    const unsigned char *bits = bild->constBits();
    const qsizetype zeile = bild->bytesPerLine();
    for (int y = 0; y < bild->height(); ++y)
        png_write_row(png, bits + qsizetype(y) * zeile);
    png_write_end(png, nullptr);
    return true;
}

} // namespace

bool LibpngDekodieren(const QByteArray &daten, unsigned char *ziel, int breite, int hoehe)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    Speicherleser c{reinterpret_cast<const unsigned char *>(daten.constData()), size_t(daten.size())};
    png_set_read_fn(png, &c, ausSpeicherLesen);
    const bool ok = zeilenLesen(png, info, ziel, breite, hoehe);
    png_destroy_read_struct(&png, &info, nullptr);
    return ok;
}

bool LibpngKodieren(const QImage &bild, int stufe, std::vector<unsigned char> &ziel)
{
    ziel.clear();
    if (bild.format() != QImage::Format_RGBA8888)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    png_set_write_fn(png, &ziel, inSpeicherSchreiben, nichtsTun);
    const bool ok = zeilenSchreiben(png, info, &bild, stufe);
    png_destroy_write_struct(&png, &info);
    return ok;
}

} // namespace kalumo::messung
