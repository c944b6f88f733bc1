// The library scan (BibliothekEinlesen): a folder of 1,000 documents that
// each carry a 2000 x 1500 photo next to a folder of 1,000 tiny documents.
// Only headers are read, so both take about the same time; the goal is
// under 150 ms for the photo folder.
//
//   bench_bibliothek [--benchmark_filter=...]

#include "Messvorlage.h"

#include "document/Bibliothek.h"
#include "document/DokumentDatei.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace kalumo;

namespace {

constexpr int kDokumente = 1000;

// A folder of kDokumente documents with the given base image; the titles
// differ (they are patched into the bytes of one written document, so the
// photo is encoded only once).
struct Ordner
{
    QTemporaryDir Tmp;
    qint64 Bytes = 0;

    explicit Ordner(const QImage &bild)
    {
        Dokument dok;
        NeuesDokument(dok);
        dok.Kopf.titel = QStringLiteral("Thema 0000");
        dok.Basisbild = bild;
        QBuffer puffer;
        puffer.open(QIODevice::WriteOnly);
        DokumentStromSchreiben(puffer, dok);
        QByteArray daten = puffer.data();
        const qsizetype stelle = daten.indexOf("Thema 0000");
        for (int i = 0; i < kDokumente; ++i) {
            const QByteArray titel = QStringLiteral("Thema %1").arg(kDokumente - i, 4, 10, QLatin1Char('0')).toLatin1();
            daten.replace(stelle, titel.size(), titel);
            QFile f(Tmp.filePath(QStringLiteral("dokument%1.kal").arg(i, 4, 10, QLatin1Char('0'))));
            f.open(QIODevice::WriteOnly);
            f.write(daten);
        }
        Bytes = qint64(daten.size()) * kDokumente;
    }
};

void Einlesen(benchmark::State &state, const Ordner &ordner)
{
    for (auto _ : state) {
        const std::vector<ThemenDataTyp> liste = BibliothekOrdnerLesen(ordner.Tmp.path());
        if (liste.size() != size_t(kDokumente)) {
            state.SkipWithError("nicht alle Dokumente gelesen");
            break;
        }
        benchmark::DoNotOptimize(liste.data());
    }
    state.counters["MB im Ordner"] = double(ordner.Bytes) / 1e6;
}

void BM_BibliothekEinlesen_Fotos(benchmark::State &state)
{
    static const Ordner ordner(messung::FotoBild(2000, 1500, 7));
    Einlesen(state, ordner);
}
BENCHMARK(BM_BibliothekEinlesen_Fotos)->Unit(benchmark::kMillisecond);

void BM_BibliothekEinlesen_Klein(benchmark::State &state)
{
    static const Ordner ordner([] {
        QImage bild(4, 3, QImage::Format_RGBA8888);
        bild.fill(Qt::white);
        return bild;
    }());
    Einlesen(state, ordner);
}
BENCHMARK(BM_BibliothekEinlesen_Klein)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
