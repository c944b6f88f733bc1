// Reading and writing a photo-sized document, each next to what libpng alone
// needs for the base image. At the end the ratios document/libpng are shown.
//
//   bench_dokument [--benchmark_filter=...]

#include "Messvorlage.h"

#include "document/DokumentDatei.h"
#include "document/DokumentDateien.h"
#include "document/PngBild.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

using namespace kalumo;
using namespace kalumo::messung;

namespace {

void BM_LibpngDekodieren(benchmark::State &state)
{
    const Vorlage &v = VorlageHolen();
    std::vector<unsigned char> ziel(size_t(kBasisBreite) * kBasisHoehe * 4);
    for (auto _ : state) {
        if (!LibpngDekodieren(v.BasisPng, ziel.data(), kBasisBreite, kBasisHoehe)) {
            state.SkipWithError("libpng kann das Basisbild nicht dekodieren");
            break;
        }
        benchmark::DoNotOptimize(ziel.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * v.BasisPng.size());
}

void BM_DokumentLesen(benchmark::State &state)
{
    const Vorlage &v = VorlageHolen();
    for (auto _ : state) {
        QFile datei(v.Pfad);
        DateiInhalt inhalt;
        if (!datei.open(QIODevice::ReadOnly) || !DokumentStromLesen(datei, inhalt).ok()
            || inhalt.Objekte.size() != size_t(kObjektAnzahl)) {
            state.SkipWithError("Messvorlage kann nicht gelesen werden");
            break;
        }
        benchmark::DoNotOptimize(inhalt.Basisbild.constBits());
    }
    state.SetBytesProcessed(state.iterations() * v.DateiGroesse);
}

void BM_KopfLesen(benchmark::State &state)
{
    const Vorlage &v = VorlageHolen();
    for (auto _ : state) {
        HeaderDataTyp kopf;
        if (!KopfLesen(v.Pfad, kopf)) {
            state.SkipWithError("Kopf der Messvorlage kann nicht gelesen werden");
            break;
        }
        benchmark::DoNotOptimize(kopf.titel.constData());
    }
}

void BM_LibpngKodieren(benchmark::State &state)
{
    const Vorlage &v = VorlageHolen();
    std::vector<unsigned char> ziel;
    for (auto _ : state) {
        if (!LibpngKodieren(v.Dok.Basisbild, 5, ziel)) {
            state.SkipWithError("libpng kann das Basisbild nicht kodieren");
            break;
        }
        benchmark::DoNotOptimize(ziel.data());
    }
    state.counters["Bytes"] = double(ziel.size());
}

void BM_DokumentSchreiben(benchmark::State &state)
{
    Vorlage &v = VorlageHolen();
    qint64 groesse = 0;
    for (auto _ : state) {
        QByteArray daten;
        QBuffer puffer(&daten);
        puffer.open(QIODevice::WriteOnly);
        try {
            DokumentStromSchreiben(puffer, v.Dok);
        } catch (const std::exception &) {
            state.SkipWithError("Messvorlage kann nicht geschrieben werden");
            break;
        }
        groesse = daten.size();
        benchmark::DoNotOptimize(daten.constData());
    }
    state.counters["Bytes"] = double(groesse);
}

BENCHMARK(BM_LibpngDekodieren)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_DokumentLesen)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_KopfLesen)->Unit(benchmark::kMillisecond);
// encoding a photo at level 5 takes seconds: two rounds are enough
BENCHMARK(BM_LibpngKodieren)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_DokumentSchreiben)->Unit(benchmark::kMillisecond)->Iterations(2);

// The console output as usual; remembers the real and the CPU time per
// iteration of every run.
class ZeitenMerken : public benchmark::ConsoleReporter
{
public:
    // colours only on a terminal
    ZeitenMerken() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &r : runs)
            if (r.run_type == Run::RT_Iteration && !r.error_occurred) {
                const double einheit = benchmark::GetTimeUnitMultiplier(r.time_unit);
                m_echt[r.run_name.function_name] = r.GetAdjustedRealTime() / einheit;
                m_cpu[r.run_name.function_name] = r.GetAdjustedCPUTime() / einheit;
            }
        ConsoleReporter::ReportRuns(runs);
    }

    // 0 when one of the two did not run.
    double Verhaeltnis(const std::string &a, const std::string &b, bool cpu = false) const
    {
        const auto &zeiten = cpu ? m_cpu : m_echt;
        const auto ia = zeiten.find(a), ib = zeiten.find(b);
        if (ia == zeiten.end() || ib == zeiten.end() || ib->second <= 0.0)
            return 0.0;
        return ia->second / ib->second;
    }

private:
    std::map<std::string, double> m_echt;
    std::map<std::string, double> m_cpu;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QGuiApplication app(argc, argv);

    ZeitenMerken bericht;
    benchmark::RunSpecifiedBenchmarks(&bericht);
    benchmark::Shutdown();

    // mean real time per iteration; CPU time in brackets, which other
    // processes on the machine disturb less
    const auto zeigen = [&](const char *text, const char *dokument, const char *libpng) {
        const double echt = bericht.Verhaeltnis(dokument, libpng);
        if (echt > 0.0)
            std::printf("%s: %.2f (CPU-Zeit %.2f)\n", text, echt, bericht.Verhaeltnis(dokument, libpng, true));
    };
    zeigen("Lesen/libpng-Dekodieren", "BM_DokumentLesen", "BM_LibpngDekodieren");
    zeigen("Schreiben/libpng-Kodieren", "BM_DokumentSchreiben", "BM_LibpngKodieren");
    return 0;
}
