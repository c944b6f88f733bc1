// Worksheets: DrawSheet of the largest example and of a full 30 x 30
// crossword (a redraw after an option change, the page already laid out),
// the first drawing with the page layout, and the PDF export of each.
// Goal: a redraw under 50 ms.

#include "document/DokumentDateien.h"
#include "learnview/TextLayouts.h"
#include "worksheet/Arbeitsblatt.h"
#include "worksheet/Arbeitsblattexport.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>

using namespace kalumo;

namespace {

Dokument Groesstes()
{
    const QDir ordner(QStringLiteral(KALUMO_BEISPIELE_ORDNER));
    const QStringList dateien = ordner.entryList({"*.kal"}, QDir::Files, QDir::Size);
    SkriptMeldungen m;
    EinfacheDokumentDienste dienste(m);
    Dokument dok;
    if (!dateien.isEmpty())
        DokumentLesen(dok, dienste, ordner.filePath(dateien.first()), true);
    if (TextLayoutsFehlen(dok))
        TextLayoutsNeuAufbauen(dok);
    return dok;
}

Dokument Kreuzwort()
{
    Dokument d;
    NeuesDokument(d);
    d.Basisbild = QImage(1000, 700, QImage::Format_RGBA8888);
    d.Basisbild.fill(Qt::white);
    d.Kopf.DokTyp = dokKreuzwortraetsel;
    d.Kopf.titel = QStringLiteral("Großes Kreuzworträtsel");
    d.Kopf.EinrueckRand = StandardEinrueckRand(dokKreuzwortraetsel);
    for (int x = 0; x < kKreuzGroesse; ++x)
        for (int y = 0; y < kKreuzGroesse; ++y)
            d.Kopf.KreuzGitter[size_t(x)][size_t(y)] =
                (x + y) % 7 == 0 ? QStringLiteral("#W%1").arg(y + 1) : QString(QChar(u'A' + (x * 7 + y) % 26));
    for (int n = 0; n < kKreuzGroesse; ++n) {
        d.Kopf.KreuzTexteWaagerecht[size_t(n)] = QStringLiteral("Ein Hinweis auf das waagerechte Wort %1").arg(n + 1);
        d.Kopf.KreuzTexteSenkrecht[size_t(n)] = QStringLiteral("Ein Hinweis auf das senkrechte Wort %1").arg(n + 1);
    }
    TextLayoutsNeuAufbauen(d);
    return d;
}

ArbeitsblattOptionen Optionen(const Dokument &d)
{
    ArbeitsblattOptionen o;
    o.Titel = d.Kopf.titel;
    o.Aufgabe = d.Kopf.ABAufgabe;
    return o;
}

// a redraw as after an option change: the title changes, the body is kept
void Neuzeichnen(benchmark::State &state, const Dokument &dok)
{
    Arbeitsblattzeichner z(dok, {});
    ArbeitsblattOptionen o = Optionen(dok);
    z.DrawSheet(o);
    int n = 0;
    for (auto _ : state) {
        o.Titel = QStringLiteral("Titel %1").arg(++n);
        Zeichenliste l = z.DrawSheet(o);
        // and the preview bitmap of the window
        benchmark::DoNotOptimize(l.Bitmap(QSize(1001, 1625)));
    }
}

void BM_GroesstesBeispielNeuzeichnen(benchmark::State &state) { Neuzeichnen(state, Groesstes()); }
void BM_Kreuzwort30Neuzeichnen(benchmark::State &state) { Neuzeichnen(state, Kreuzwort()); }

void BM_KreuzwortErsteZeichnung(benchmark::State &state)
{
    const Dokument dok = Kreuzwort();
    for (auto _ : state) {
        Arbeitsblattzeichner z(dok, {});
        ArbeitsblattOptionen o = Optionen(dok);
        benchmark::DoNotOptimize(z.DrawSheet(o));
    }
}

void Pdf(benchmark::State &state, const Dokument &dok)
{
    Arbeitsblattzeichner z(dok, {});
    ArbeitsblattOptionen o = Optionen(dok);
    const Zeichenliste l = z.DrawSheet(o);
    for (auto _ : state)
        benchmark::DoNotOptimize(BlattPdf(l, dok.Kopf.titel));
}

void BM_GroesstesBeispielPdf(benchmark::State &state) { Pdf(state, Groesstes()); }
void BM_Kreuzwort30Pdf(benchmark::State &state) { Pdf(state, Kreuzwort()); }

} // namespace

BENCHMARK(BM_GroesstesBeispielNeuzeichnen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Kreuzwort30Neuzeichnen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KreuzwortErsteZeichnung)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroesstesBeispielPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Kreuzwort30Pdf)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
