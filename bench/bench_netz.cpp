// Load trial of the network exercise: P simulated participant computers join
// one teacher computer, each sends A answers and its end within S seconds.
// The teacher runs as in the program (NetzLehrer with its real receiving on
// the event loop); each participant is a thread with its own sender
// (NetzTeilnehmerVersand), so datagrams and message files travel as between
// computers. Measured: messages lost (sent, but never taken by the teacher),
// and the lag from a participant's send of an answer to the teacher's
// updated row (steady clock of this machine).
//
//   bench_netz [--verfahren 0|1] [--participants P] [--answers A] [--seconds S]
//
// Prints one JSON object; run it through bench/netz-last for both methods.

#include "document/DokumentModell.h"
#include "network/NetzLehrer.h"
#include "network/NetzTeilnehmer.h"
#include "platform/Meldungen.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

using namespace kalumo;
using Uhr = std::chrono::steady_clock;

namespace {

struct Optionen
{
    int Verfahren = netzVerfahrenDatagramm;
    int Teilnehmer = 60;
    int Antworten = 20;
    int Sekunden = 10;
};

Optionen lesen(const QStringList &a)
{
    Optionen o;
    for (qsizetype i = 0; i + 1 < a.size(); i += 2) {
        const int n = a[i + 1].toInt();
        if (a[i] == QLatin1String("--verfahren"))
            o.Verfahren = n;
        else if (a[i] == QLatin1String("--participants"))
            o.Teilnehmer = std::clamp(n, 1, 500);
        else if (a[i] == QLatin1String("--answers"))
            o.Antworten = std::clamp(n, 1, 200);
        else if (a[i] == QLatin1String("--seconds"))
            o.Sekunden = std::clamp(n, 1, 600);
    }
    return o;
}

// A document with one query field per answer.
Dokument lastDokument(int felder)
{
    Dokument d;
    d.Kopf.titel = QStringLiteral("Lasttest");
    d.Basisbild = QImage(64, 48, QImage::Format_RGBA8888);
    d.Basisbild.fill(Qt::white);
    for (int i = 0; i < felder; ++i)
        ObjektHinzufuegen(d, objAbfrageBeschriftung, ebeneTexteUndBilder, QStringLiteral("Feld %1").arg(i + 1), 0, 0,
                          0.01 * i, 0.5, -1);
    return d;
}

struct Gesendet
{
    std::mutex Sperre;
    std::map<std::pair<QString, int>, Uhr::time_point> Zeiten;   // (identifier, answer) → send
    std::atomic<int> Nachrichten{0};
    std::atomic<int> Fehlgeschlagen{0};
};

void teilnehmer(int nr, const Optionen &o, const NetzKomTyp &kom, Uhr::time_point beginn, Gesendet &g)
{
    StderrMeldungen meldungen;
    const QString rechner = QStringLiteral("PC-%1").arg(nr + 1, 2, 10, QLatin1Char('0'));
    NetzTeilnehmerVersand versand(kom, QStringLiteral("localhost"), QStringLiteral("schueler"), rechner, meldungen);
    QRandomGenerator zufall(quint32(1000 + nr));
    const QString kennung = NetzTeilnehmerKennungErzeugen(zufall);
    auto senden = [&](const QStringList &zeilen) {
        ++g.Nachrichten;
        if (!versand.Senden(zeilen))
            ++g.Fehlgeschlagen;
    };
    // the joins spread over the first second, the answers over the rest of
    // the time but its last half second, with jitter
    const double fenster = o.Sekunden * 1000.0 - 1500.0;
    std::this_thread::sleep_until(beginn + std::chrono::milliseconds(zufall.bounded(1000)));
    const Uhr::time_point start = Uhr::now();
    senden(TnInitZeilen({kennung, rechner, QStringLiteral("08:00:00")}));
    for (int k = 1; k <= o.Antworten; ++k) {
        const double soll = fenster * k / o.Antworten - zufall.bounded(fenster / o.Antworten / 2);
        std::this_thread::sleep_until(start + std::chrono::milliseconds(qint64(soll)));
        TnAktionWerte w;
        w.TeilnehmerKennung = kennung;
        w.Objekt = k - 1;
        w.StartZeit = QStringLiteral("08:00:00");
        w.AnzAbfragen = o.Antworten;
        w.Richtig = k;
        w.OffenePositionen = o.Antworten - k;
        w.EndeGrund = k == o.Antworten ? endeFertig : endeLaeuft;
        w.Uhr = QStringLiteral("00:%1").arg(k % 60, 2, 10, QLatin1Char('0'));
        w.Erfolgsquote = 1.0;
        w.Gesamtleistung = double(k) / o.Antworten;
        w.Note = 1;
        {
            std::lock_guard<std::mutex> l(g.Sperre);
            g.Zeiten[{kennung, k}] = Uhr::now();
        }
        senden(TnAktionZeilen(w));
    }
    senden(TnFertigZeilen({kennung, endeFertig, QStringLiteral("00:20")}));
}

double perzentil(std::vector<double> werte, double p)
{
    if (werte.empty())
        return 0.0;
    std::sort(werte.begin(), werte.end());
    const size_t i = std::min(werte.size() - 1, size_t(p * double(werte.size() - 1) + 0.5));
    return werte[i];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const Optionen o = lesen(app.arguments().mid(1));
    QTemporaryDir dir;
    SkriptMeldungen meldungen;
    EinfacheDokumentDienste dienste(meldungen);
    const Dokument dok = lastDokument(o.Antworten);

    NetzLehrerStart start;
    start.Kom.Ordner = dir.path() + QLatin1Char('/');
    start.Kom.Kanal = QStringLiteral("LAST%1").arg(QCoreApplication::applicationPid() % 1000);
    start.Kom.Verfahren = o.Verfahren;
    start.Rechner = QStringLiteral("localhost");
    for (int i = 0; i < o.Antworten; ++i)
        start.Loesungsnummern.push_back(i + 1);
    start.Abfragespalten = o.Antworten;
    NetzLehrer lehrer(meldungen);
    if (!lehrer.Initiieren(start, dok, dienste)) {
        std::fprintf(stderr, "%s\n", qPrintable(meldungen.Texte().join(QLatin1Char(' '))));
        return 1;
    }

    // the teacher's row updates: (row, answer) → first time the row showed it
    const int richtigSpalte = 7;   // "Richtig"
    std::map<std::pair<int, int>, Uhr::time_point> aktualisiert;
    lehrer.ZeileGeaendert = [&](int zeile) {
        bool ok = false;
        const int k = lehrer.Kontrolle().Zelle(zeile, richtigSpalte).toInt(&ok);
        if (ok && k > 0)
            aktualisiert.try_emplace({zeile, k}, Uhr::now());
    };

    Gesendet g;
    const Uhr::time_point beginn = Uhr::now() + std::chrono::milliseconds(200);
    std::vector<std::thread> threads;
    for (int i = 0; i < o.Teilnehmer; ++i)
        threads.emplace_back(teilnehmer, i, std::cref(o), std::cref(start.Kom), beginn, std::ref(g));

    const int erwartet = o.Teilnehmer * (o.Antworten + 2);
    QElapsedTimer gesamt;
    gesamt.start();
    QTimer pruefen;
    QObject::connect(&pruefen, &QTimer::timeout, [&] {
        const bool fertig = lehrer.Statistik().Empfangen + lehrer.Statistik().Ignoriert >= erwartet;
        if (fertig || gesamt.elapsed() > qint64(o.Sekunden) * 1000 + 10000)
            app.quit();
    });
    pruefen.start(50);
    app.exec();
    for (std::thread &t : threads)
        t.join();
    lehrer.Abholen();
    const qint64 dauer = gesamt.elapsed();

    std::vector<double> lag;
    int ohneZeile = 0;
    for (const auto &[schluessel, gesendetUm] : g.Zeiten) {
        const int zeile = lehrer.Zeile(schluessel.first);
        const auto it = aktualisiert.find({zeile, schluessel.second});
        if (zeile < 0 || it == aktualisiert.end()) {
            ++ohneZeile;
            continue;
        }
        lag.push_back(std::chrono::duration<double, std::milli>(it->second - gesendetUm).count());
    }
    int fertigeZeilen = 0;
    for (int z = 0; z < lehrer.Kontrolle().Zeilenzahl(); ++z)
        fertigeZeilen += lehrer.Kontrolle().Zelle(z, 3) == QLatin1String("fertig");
    lehrer.Beenden();

    const int gesendet = g.Nachrichten.load();
    const int verloren = gesendet - lehrer.Statistik().Empfangen;
    std::printf("{\"verfahren\": %d, \"participants\": %d, \"answers\": %d, \"sent\": %d, \"send_failed\": %d, "
                "\"received\": %d, \"ignored\": %d, \"lost\": %d, \"answers_without_row_update\": %d, "
                "\"rows_fertig\": %d, \"lag_ms\": {\"p50\": %.1f, \"p95\": %.1f, \"max\": %.1f}, \"wall_ms\": %lld}\n",
                o.Verfahren, o.Teilnehmer, o.Antworten, gesendet, g.Fehlgeschlagen.load(), lehrer.Statistik().Empfangen,
                lehrer.Statistik().Ignoriert, verloren, ohneZeile, fertigeZeilen, perzentil(lag, 0.5),
                perzentil(lag, 0.95), lag.empty() ? 0.0 : *std::max_element(lag.begin(), lag.end()),
                static_cast<long long>(dauer));
    return verloren == 0 && ohneZeile == 0 ? 0 : 1;
}
