// An exercise on a page of 300 objects: from dropping a card to the judged
// state drawn on the view (the feedback pause left out, as the window runs
// it as a timer). The drag includes the search for the target under the
// card.
//
//   bench_uebung [--benchmark_filter=...]
//
// Argument: the width of the base image (870 or 2000; the exercise panel is
// 1209 x 700, its view 1024 x 700).

#include "exercise/Uebung.h"
#include "exercise/Uebungsaktionen.h"

#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>

using namespace kalumo;

namespace {

QImage Foto(int breite, int hoehe)
{
    QImage b(breite, hoehe, QImage::Format_RGBA8888);
    QPainter p(&b);
    QLinearGradient verlauf(0, 0, breite, hoehe);
    verlauf.setColorAt(0, QColor(40, 120, 200));
    verlauf.setColorAt(1, QColor(240, 200, 80));
    p.fillRect(b.rect(), verlauf);
    return b;
}

// 300 objects: half of them query labels, the rest query images, fixed
// labels and info points, on a grid over the page.
Dokument Messdokument(int basisbreite)
{
    Dokument dok;
    dok.Basisbild = Foto(basisbreite, basisbreite * 7 / 10);
    const QImage bild = Foto(120, 90);
    for (int i = 0; i < 300; ++i) {
        // a grid of 20 x 15 places, so that no two target points overlap
        const double x = 0.03 + 0.94 * (i % 20) / 20.0;
        const double y = 0.03 + 0.94 * (i / 20) / 15.0;
        int typ = objAbfrageBeschriftung;
        if (i % 6 == 1)
            typ = objAbfrageBild;
        else if (i % 6 == 3)
            typ = objFixeBeschriftung;
        else if (i % 6 == 5)
            typ = objInfopunkt;
        const int index = ObjektHinzufuegen(dok, typ, typ == objInfopunkt ? ebeneInfopunkte : ebeneTexteUndBilder,
                                            QStringLiteral("Begriff %1").arg(i), 0, 1, x, y, -1);
        ObjDataTyp &o = dok.Objekte[size_t(index)];
        o.Generiert = false;
        if (typ == objAbfrageBild) {
            o.Bild = bild;
            o.BildKenn = QStringLiteral("Bild %1").arg(i);
        }
        if (typ == objInfopunkt)
            o.PktCap = QStringLiteral("Info");
    }
    return dok;
}

// Silent; "Übung abbrechen?" is answered yes.
class StilleMeldungen : public Meldungen
{
public:
    void Information(const QString &) override {}
    void Warnung(const QString &) override {}
    void Fehler(const QString &) override {}
    Antwort Frage(const QString &, FrageKnoepfe) override { return Antwort::Ja; }
};

struct Lauf
{
    Dokument Dok;
    Lernansicht Ansicht{Dok};
    StilleMeldungen Meldungen;
    Handuhr Uhr;
    UebDialogeTyp Dialoge;
    std::unique_ptr<Uebung> U;
    std::vector<int> Karten;
    size_t Naechste = 0;
    UebEinstTyp Einst;

    Lauf(int basisbreite, int zuordnungFalsch) : Dok(Messdokument(basisbreite))
    {
        U = std::make_unique<Uebung>(Dok, Ansicht, Meldungen, Uhr, Dialoge);
        Einst.ZuordnungRichtig = 1;
        Einst.ZuordnungFalsch = zuordnungFalsch;
        U->EinstellungenVorgeben(Einst);
        Neu();
    }

    void Neu()
    {
        if (!U->StarteUebung(false, wiedKomplett, uebIndividual))
            std::abort();
        Karten.clear();
        for (const AbfrageEintrag &e : U->AbfrageListe())
            Karten.push_back(e.Karte);
        Naechste = 0;
    }
};

void BM_KarteRichtig(benchmark::State &state)
{
    Lauf l(int(state.range(0)), 0);
    for (auto _ : state) {
        if (l.Naechste >= l.Karten.size()) {
            state.PauseTiming();
            l.U->UebungAbbrechen();
            l.Neu();
            state.ResumeTiming();
        }
        const int k = l.Karten[l.Naechste++];
        const Aktionsergebnis r = KarteAufZiel(*l.U, k, k);
        benchmark::DoNotOptimize(l.Ansicht.ViewBitmap.constBits());
        if (r.Urteil.Richtig != std::optional<bool>(true))
            state.SkipWithError("kein richtiges Urteil");
    }
    state.counters["Objekte"] = double(l.Dok.Objekte.size());
}

// A failed attempt that closes the position with a red cross; the card goes
// back to its place.
void BM_KarteFalsch(benchmark::State &state)
{
    Lauf l(int(state.range(0)), 1);
    for (auto _ : state) {
        if (l.Naechste + 1 >= l.Karten.size()) {
            state.PauseTiming();
            l.U->UebungAbbrechen();
            l.Neu();
            state.ResumeTiming();
        }
        const int karte = l.Karten[l.Naechste], ziel = l.Karten[l.Naechste + 1];
        l.Naechste += 2;
        const Aktionsergebnis r = KarteAufZiel(*l.U, karte, ziel);
        benchmark::DoNotOptimize(l.Ansicht.ViewBitmap.constBits());
        if (r.Urteil.Richtig != std::optional<bool>(false))
            state.SkipWithError("kein Fehlversuch");
    }
}

// The start of a run: marking, list, numbers, the view and the 150 cards.
void BM_Start(benchmark::State &state)
{
    Lauf l(int(state.range(0)), 0);
    for (auto _ : state) {
        l.U->UebungAbbrechen();
        l.Neu();
        benchmark::DoNotOptimize(l.Ansicht.ViewBitmap.constBits());
    }
}

} // namespace

BENCHMARK(BM_KarteRichtig)->Arg(870)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KarteFalsch)->Arg(870)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Start)->Arg(2000)->Unit(benchmark::kMillisecond);

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
