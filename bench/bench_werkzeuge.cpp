// The drawing tools on a 1920 x 1080 view: one freehand segment (size 4 and
// size 1, opaque and transparent), one marker segment and one eraser square.
// Each should stay well under 2 ms, so that strokes follow the mouse.
//
//   bench_werkzeuge [--benchmark_filter=...]

#include "learnview/Werkzeuge.h"

#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

using namespace kalumo;

namespace {

const QSize kAnsicht(1920, 1080);

QImage Ansichtsbild()
{
    QImage b(kAnsicht, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&b);
    QLinearGradient verlauf(0, 0, kAnsicht.width(), kAnsicht.height());
    verlauf.setColorAt(0, QColor(240, 240, 250));
    verlauf.setColorAt(1, QColor(200, 220, 180));
    p.fillRect(b.rect(), verlauf);
    return b;
}

// A segment of a typical mouse step (about 30 pixels), moving over the view.
QPoint Punkt(int i)
{
    return {100 + (i * 23) % 1700, 100 + (i * 17) % 880};
}

void BM_StiftSegment(benchmark::State &state)
{
    QImage ansicht = Ansichtsbild();
    QImage overlay(kAnsicht, QImage::Format_ARGB32);
    overlay.fill(QColor(255, 255, 255, 0));
    const int breite = Stiftbreite(int(state.range(0)));
    const bool transparent = state.range(1) != 0;
    int i = 0;
    for (auto _ : state) {
        const QPoint a = Punkt(i++);
        benchmark::DoNotOptimize(
            StiftSegment(ansicht, overlay, a, a + QPoint(24, 18), breite, QColor(255, 0, 0), transparent));
    }
}

void BM_MarkerSegment(benchmark::State &state)
{
    QImage ansicht = Ansichtsbild();
    int i = 0;
    for (auto _ : state) {
        const QPoint a = Punkt(i++);
        benchmark::DoNotOptimize(MarkerSegment(ansicht, a, a + QPoint(24, 18), QColor(255, 255, 0)));
    }
}

void BM_Radierer(benchmark::State &state)
{
    QImage ansicht = Ansichtsbild();
    const QImage sauber = Ansichtsbild();
    const int kante = Radiergroesse(int(state.range(0)));
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Radieren(ansicht, sauber, Punkt(i++), kante));
}

void BM_Gummiband(benchmark::State &state)
{
    QImage ansicht = Ansichtsbild();
    int i = 0;
    for (auto _ : state) {
        const QPoint a = Punkt(i++);
        FormInvertieren(ansicht, wzEllipse, a - QPoint(100, 80), a + QPoint(200, 150));
    }
}

} // namespace

BENCHMARK(BM_StiftSegment)->Args({4, 0})->Args({1, 0})->Args({4, 1})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MarkerSegment)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Radierer)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Gummiband)->Unit(benchmark::kMicrosecond);

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
