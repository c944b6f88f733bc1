// Best lists: appending one entry (the whole list is read, checked and
// written to a copy that replaces it) and reading a list, for lists of a
// class, a school year and far beyond.
//
//   bench_bestenliste [--benchmark_filter=...]

#include "exercise/Bestenliste.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace kalumo;

namespace {

QString ListeAnlegen(const QTemporaryDir &tmp, int eintraege)
{
    BestenlisteInhalt inhalt;
    for (int i = 0; i < eintraege; ++i)
        inhalt.Eintraege.push_back({QStringLiteral("Schüler %1").arg(i), QStringLiteral("PC-%1").arg(i % 30),
                                    45000.0 + i * 0.01, 60000 + i, (i % 100) / 100.0});
    const QString pfad = tmp.filePath(QStringLiteral("liste%1.hsc").arg(eintraege));
    QFile f(pfad);
    f.open(QIODevice::WriteOnly);
    f.write(BestenlisteBytes(inhalt));
    return pfad;
}

void BM_Anhaengen(benchmark::State &state)
{
    QTemporaryDir tmp;
    const QString pfad = ListeAnlegen(tmp, int(state.range(0)));
    const BestListDataTyp e{QStringLiteral("Neu"), QStringLiteral("PC-99"), 45100.5, 61000, 0.9};
    for (auto _ : state) {
        if (!BestenlisteAnhaengen(pfad, e)) {
            state.SkipWithError("Anhängen fehlgeschlagen");
            break;
        }
    }
    state.counters["Eintraege"] = double(state.range(0));
}

void BM_LesenUndSortieren(benchmark::State &state)
{
    QTemporaryDir tmp;
    const QString pfad = ListeAnlegen(tmp, int(state.range(0)));
    for (auto _ : state) {
        BestenlisteInhalt inhalt;
        if (!BestenlisteDateiLesen(pfad, inhalt)) {
            state.SkipWithError("Lesen fehlgeschlagen");
            break;
        }
        BestenlisteSortieren(inhalt.Eintraege);
        benchmark::DoNotOptimize(inhalt.Eintraege.data());
    }
}

} // namespace

BENCHMARK(BM_Anhaengen)->Arg(30)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LesenUndSortieren)->Arg(30)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
