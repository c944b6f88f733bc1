// The learning view: full rebuild, the incremental update of one field and
// a pan step, for 100, 300 and 1000 objects on two page sizes.
//
//   bench_lernansicht [--benchmark_filter=...]
//
// Arguments of the rebuild: objects, zoom level (0 = 100 %, 4 = 200 %),
// base image width (870 or 2000; the view is 1024 x 700 in every case).

#include "learnview/Lernansicht.h"

#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>

using namespace kalumo;

namespace {

const QSize kAnsicht(1024, 700);

QImage Foto(int breite, int hoehe)
{
    QImage b(breite, hoehe, QImage::Format_RGBA8888);
    QPainter p(&b);
    QLinearGradient verlauf(0, 0, breite, hoehe);
    verlauf.setColorAt(0, QColor(40, 120, 200));
    verlauf.setColorAt(1, QColor(240, 200, 80));
    p.fillRect(b.rect(), verlauf);
    p.setBrush(QColor(30, 160, 60));
    p.drawEllipse(QRect(breite / 4, hoehe / 4, breite / 2, hoehe / 2));
    return b;
}

// A page with labels (query and fixed), images, info points and leader
// lines, in equal shares, spread over the page.
Dokument Messdokument(int objekte, int basisbreite)
{
    Dokument dok;
    dok.Basisbild = Foto(basisbreite, basisbreite * 7 / 10);
    const QImage bild = Foto(120, 90);
    for (int i = 0; i < objekte; ++i) {
        const double x = 0.05 + 0.9 * ((i * 37) % 100) / 100.0;
        const double y = 0.05 + 0.9 * ((i * 61) % 97) / 97.0;
        int typ = objAbfrageBeschriftung;
        switch (i % 5) {
        case 1: typ = objFixeBeschriftung; break;
        case 2: typ = objAbfrageBild; break;
        case 3: typ = objFixesBild; break;
        case 4: typ = objInfopunkt; break;
        }
        const int index = ObjektHinzufuegen(dok, typ, typ == objInfopunkt ? ebeneInfopunkte : ebeneTexteUndBilder,
                                            QStringLiteral("Beschriftung %1").arg(i), (i % 3) - 1, 0, x, y, -1);
        ObjDataTyp &o = dok.Objekte[size_t(index)];
        o.Generiert = false;
        if (typ == objAbfrageBild || typ == objFixesBild)
            o.Bild = bild;
        if (typ == objInfopunkt) {
            o.PktCap = QStringLiteral("Info");
            o.HFarbe = 0xFD5F00;
        }
        if (typ == objFixeBeschriftung) {
            o.HDeck = 60;
            o.HFarbe = 0xE0FFFF;
        }
        if (i % 2 == 0) {
            o.Sline = 1;
            o.Sx = x + 0.04;
            o.Sy = y + 0.03;
            o.LinieDicke = 1 + i % 3;
        }
    }
    ZIndexGrenzenAnpassen(dok);
    return dok;
}

struct Aufbau
{
    Dokument Dok;
    std::unique_ptr<Lernansicht> Ansicht;

    Aufbau(int objekte, int zoom, int basisbreite) : Dok(Messdokument(objekte, basisbreite))
    {
        Ansicht = std::make_unique<Lernansicht>(Dok);
        Ansicht->Ansichtsgroesse = kAnsicht;
        Ansicht->ZoomStufe = zoom;
        Ansicht->AssignNumbers(numGeordnet, true);
    }
};

void BM_RebuildView(benchmark::State &state)
{
    Aufbau a(int(state.range(0)), int(state.range(1)), int(state.range(2)));
    for (auto _ : state) {
        a.Ansicht->RebuildView();
        benchmark::DoNotOptimize(a.Ansicht->ViewBitmap.constBits());
    }
    state.counters["Seite"] = a.Ansicht->PageBitmap.width();
}

// As above, but with a changed base image every time: the page is composed
// anew (capped at 2000 pixels, then fitted to the view).
void BM_RebuildViewNeuesBasisbild(benchmark::State &state)
{
    Aufbau a(int(state.range(0)), int(state.range(1)), int(state.range(2)));
    int n = 0;
    for (auto _ : state) {
        a.Dok.Basisbild.setPixelColor(0, 0, QColor(n++ % 256, 0, 0));
        a.Ansicht->RebuildView();
        benchmark::DoNotOptimize(a.Ansicht->ViewBitmap.constBits());
    }
}

void BM_RedrawObjects(benchmark::State &state)
{
    Aufbau a(int(state.range(0)), int(state.range(1)), 2000);
    for (auto _ : state) {
        a.Ansicht->RedrawObjects();
        benchmark::DoNotOptimize(a.Ansicht->ViewBitmap.constBits());
    }
}

// Uncovering one field and covering it again: each is one incremental update.
void BM_FeldAufdecken(benchmark::State &state)
{
    Aufbau a(int(state.range(0)), int(state.range(1)), 2000);
    const int feld = 10; // a query label
    bool auf = false;
    for (auto _ : state) {
        auf = !auf;
        a.Dok.Objekte[feld].Abgedeckt = auf ? 0 : -1;
        a.Ansicht->ObjektAktualisieren(feld);
        benchmark::DoNotOptimize(a.Ansicht->ViewBitmap.constBits());
    }
}

// One step of dragging the page at 200 %.
void BM_Verschieben(benchmark::State &state)
{
    Aufbau a(int(state.range(0)), 4, 2000);
    int schritt = 0;
    for (auto _ : state) {
        const int richtung = (schritt++ / 10) % 2 ? -1 : 1;
        a.Ansicht->Verschieben(40 * richtung, 25 * richtung);
        benchmark::DoNotOptimize(a.Ansicht->ViewBitmap.constBits());
    }
}

void Aufbauten(benchmark::internal::Benchmark *b)
{
    for (int breite : {870, 2000})
        for (int zoom : {0, 4})
            for (int objekte : {100, 300, 1000})
                b->Args({objekte, zoom, breite});
}

} // namespace

BENCHMARK(BM_RebuildView)->Apply(Aufbauten)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildViewNeuesBasisbild)
    ->Args({300, 0, 870})
    ->Args({300, 0, 2000})
    ->Args({300, 0, 3000})
    ->Args({300, 4, 3000})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawObjects)->Args({300, 0})->Args({300, 4})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FeldAufdecken)->Args({300, 0})->Args({300, 4})->Args({1000, 0})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Verschieben)->Arg(300)->Arg(1000)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QGuiApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
