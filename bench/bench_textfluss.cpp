// The text layouts: a cloze text of 3,000 words with 300 gaps (the fitting
// loop included) and a full 30 x 30 crossword with 30 clues each way, both on
// a 1024 x 700 view. Goal: under 50 ms per layout.
//
//   bench_textfluss [--benchmark_filter=...]

#include "learnview/TextLayouts.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <memory>

using namespace kalumo;

namespace {

const QSize kAnsicht(1024, 700);

Dokument Blatt(int dokTyp)
{
    Dokument dok;
    NeuesDokument(dok);
    dok.Basisbild = QImage(1000, 700, QImage::Format_RGBA8888);
    dok.Basisbild.fill(Qt::white);
    dok.Kopf.DokTyp = dokTyp;
    dok.Kopf.EinrueckRand = StandardEinrueckRand(dokTyp);
    return dok;
}

// 3,000 words in paragraphs of 60; every tenth word is a gap.
QString Lueckentext()
{
    static const char *const woerter[] = {"Der", "Fluss", "fließt", "durch", "eine", "weite", "Ebene", "und",
                                          "mündet", "schließlich", "ins", "Meer"};
    QString t;
    for (int i = 0; i < 3000; ++i) {
        if (i > 0)
            t += i % 60 == 0 ? QStringLiteral("\r\n") : QStringLiteral(" ");
        const QString wort = QString::fromUtf8(woerter[i % 12]);
        t += i % 10 == 5 ? QStringLiteral("<<") + wort + QStringLiteral("|x>>,") : wort;
    }
    return t;
}

struct Aufbau
{
    Dokument dok;
    std::unique_ptr<Lernansicht> lv;
    explicit Aufbau(Dokument d) : dok(std::move(d))
    {
        lv = std::make_unique<Lernansicht>(dok);
        lv->Ansichtsgroesse = kAnsicht;
        lv->RebuildView();
    }
};

void BM_LueckentextNeuAufbauen(benchmark::State &state)
{
    Dokument d = Blatt(dokLueckentext);
    d.Kopf.lueckentext = Lueckentext();
    Aufbau a(std::move(d));
    for (auto _ : state) {
        LayoutCloze(*a.lv, true);
        benchmark::DoNotOptimize(a.dok.Objekte.data());
    }
    state.counters["Luecken"] = double(a.dok.Objekte.size());
    state.counters["Schrifthoehe"] = -a.dok.Kopf.TextSchriftHoehe;
}
BENCHMARK(BM_LueckentextNeuAufbauen)->Unit(benchmark::kMillisecond);

// Without rebuild, as RebuildView runs it twice: measuring and moving only.
void BM_LueckentextVerschieben(benchmark::State &state)
{
    Dokument d = Blatt(dokLueckentext);
    d.Kopf.lueckentext = Lueckentext();
    Aufbau a(std::move(d));
    LayoutCloze(*a.lv, true);
    for (auto _ : state)
        LayoutCloze(*a.lv, false);
}
BENCHMARK(BM_LueckentextVerschieben)->Unit(benchmark::kMillisecond);

Dokument Kreuzwort()
{
    Dokument d = Blatt(dokKreuzwortraetsel);
    for (int x = 0; x < kKreuzGroesse; ++x)
        for (int y = 0; y < kKreuzGroesse; ++y)
            d.Kopf.KreuzGitter[size_t(x)][size_t(y)] =
                (x + y) % 7 == 0 ? QStringLiteral("#W%1").arg(y + 1) : QString(QChar(u'A' + (x * 7 + y) % 26));
    for (int n = 0; n < kKreuzGroesse; ++n) {
        d.Kopf.KreuzTexteWaagerecht[size_t(n)] = QStringLiteral("Ein Hinweis auf das waagerechte Wort %1").arg(n + 1);
        d.Kopf.KreuzTexteSenkrecht[size_t(n)] = QStringLiteral("Ein Hinweis auf das senkrechte Wort %1").arg(n + 1);
    }
    return d;
}

void BM_KreuzwortNeuAufbauen(benchmark::State &state)
{
    Aufbau a(Kreuzwort());
    for (auto _ : state) {
        LayoutCrossword(*a.lv, true);
        benchmark::DoNotOptimize(a.dok.Objekte.data());
    }
    state.counters["Buchstaben"] = double(a.dok.Objekte.size());
}
BENCHMARK(BM_KreuzwortNeuAufbauen)->Unit(benchmark::kMillisecond);

// The whole view of the crossword with its 900 cells drawn as objects.
void BM_KreuzwortAnsicht(benchmark::State &state)
{
    Aufbau a(Kreuzwort());
    a.lv->Haken = &StandardTextLayouts();
    TextLayoutsNeuAufbauen(*a.lv);
    for (auto _ : state)
        a.lv->RebuildView();
}
BENCHMARK(BM_KreuzwortAnsicht)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
