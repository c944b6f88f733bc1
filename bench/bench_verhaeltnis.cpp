// Compares reading and writing a photo-sized document with libpng alone
// decoding and encoding its base image: best of several runs each, taken in
// alternation so that a change of clock speed hits both sides alike.
//
//   bench_verhaeltnis [RUNDEN]
//
// Exits with 1 when reading takes more than 1.3 times the decoding or
// writing more than 1.3 times the encoding.

#include "Messvorlage.h"

#include "document/DokumentDatei.h"
#include "document/DokumentDateien.h"
#include "document/PngBild.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

using namespace kalumo;
using namespace kalumo::messung;

namespace {

constexpr double kGrenze = 1.3;

template <typename F>
double sekunden(F &&schritt)
{
    const auto anfang = std::chrono::steady_clock::now();
    schritt();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
}

[[noreturn]] void abbrechen(const char *text)
{
    std::fprintf(stderr, "bench_verhaeltnis: %s\n", text);
    std::exit(2);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runden = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    Vorlage &v = VorlageHolen();
    std::vector<unsigned char> roh(size_t(kBasisBreite) * kBasisHoehe * 4);
    std::vector<unsigned char> png;
    constexpr double kUnendlich = std::numeric_limits<double>::infinity();
    double dekodieren = kUnendlich, pngLesen = kUnendlich, lesen = kUnendlich, kopf = kUnendlich,
           kodieren = kUnendlich, schreiben = kUnendlich;

    for (int r = 0; r < runden; ++r) {
        dekodieren = std::min(dekodieren, sekunden([&] {
            if (!LibpngDekodieren(v.BasisPng, roh.data(), kBasisBreite, kBasisHoehe))
                abbrechen("libpng kann das Basisbild nicht dekodieren");
        }));
        // the program's PNG reader alone, from memory into a new QImage
        pngLesen = std::min(pngLesen, sekunden([&] {
            QBuffer puffer(&v.BasisPng);
            puffer.open(QIODevice::ReadOnly);
            if (PngLesen(puffer).isNull())
                abbrechen("PngLesen kann das Basisbild nicht lesen");
        }));
        lesen = std::min(lesen, sekunden([&] {
            QFile datei(v.Pfad);
            DateiInhalt inhalt;
            if (!datei.open(QIODevice::ReadOnly) || !DokumentStromLesen(datei, inhalt).ok())
                abbrechen("Messvorlage kann nicht gelesen werden");
        }));
        for (int i = 0; i < 20; ++i)
            kopf = std::min(kopf, sekunden([&] {
                HeaderDataTyp k;
                if (!KopfLesen(v.Pfad, k))
                    abbrechen("Kopf der Messvorlage kann nicht gelesen werden");
            }));
    }
    // encoding takes seconds; fewer rounds are enough
    const int schreibRunden = std::max(1, runden / 2);
    for (int r = 0; r < schreibRunden; ++r) {
        kodieren = std::min(kodieren, sekunden([&] {
            if (!LibpngKodieren(v.Dok.Basisbild, 5, png))
                abbrechen("libpng kann das Basisbild nicht kodieren");
        }));
        schreiben = std::min(schreiben, sekunden([&] {
            QByteArray daten;
            QBuffer puffer(&daten);
            puffer.open(QIODevice::WriteOnly);
            try {
                DokumentStromSchreiben(puffer, v.Dok);
            } catch (const std::exception &) {
                abbrechen("Messvorlage kann nicht geschrieben werden");
            }
        }));
    }

    const double vLesen = lesen / dekodieren;
    const double vSchreiben = schreiben / kodieren;
    std::printf("Dokument: %d x %d, %d Objekte, Datei %.1f MB, Basisbild-PNG %.1f MB\n", kBasisBreite, kBasisHoehe,
                kObjektAnzahl, double(v.DateiGroesse) / 1e6, double(v.BasisPng.size()) / 1e6);
    std::printf("libpng-Dekodieren: %.1f ms\n", dekodieren * 1e3);
    std::printf("PngLesen aus dem Speicher: %.1f ms\n", pngLesen * 1e3);
    std::printf("Lesen: %.1f ms\n", lesen * 1e3);
    std::printf("KopfLesen: %.3f ms\n", kopf * 1e3);
    std::printf("libpng-Kodieren: %.1f ms\n", kodieren * 1e3);
    std::printf("Schreiben: %.1f ms\n", schreiben * 1e3);
    std::printf("Lesen/libpng-Dekodieren: %.2f\n", vLesen);
    std::printf("Schreiben/libpng-Kodieren: %.2f\n", vSchreiben);

    bool ok = true;
    if (vLesen > kGrenze) {
        std::printf("Lesen dauert mehr als %.1f-mal so lange wie das Dekodieren\n", kGrenze);
        ok = false;
    }
    if (vSchreiben > kGrenze) {
        std::printf("Schreiben dauert mehr als %.1f-mal so lange wie das Kodieren\n", kGrenze);
        ok = false;
    }
    return ok ? 0 : 1;
}
