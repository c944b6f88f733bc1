// Time from the start of main() to the first painted main window, with the
// first-activation work done. Run under xvfb-run (or offscreen):
//   bench_start [RUNS]
// Each run is a fresh process (the program calls itself), best and median
// are printed in milliseconds.

#include "app/TForm1.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

const auto kStart = std::chrono::steady_clock::now();

class ErsterAnstrich : public QObject
{
public:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && !m_fertig) {
            m_fertig = true;
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - kStart).count();
            std::printf("%.2f\n", ms);
            std::fflush(stdout);
            // exit(), not quit(): quit() would ask the window whether it may close
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(o, e);
    }

private:
    bool m_fertig = false;
};

int einLauf(int argc, char **argv)
{
    QApplication app(argc, argv);
    kalumo::SkriptMeldungen meldungen;
    kalumo::TForm1 fenster;
    fenster.MeldungenSetzen(&meldungen);
    fenster.ArgumenteSetzen({QStringLiteral(KALUMO_BEISPIELE_ORDNER)});
    ErsterAnstrich filter;
    fenster.installEventFilter(&filter);
    fenster.show();
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 2 && std::string(argv[1]) == "--einmal")
        return einLauf(argc, argv);
    QCoreApplication steuerung(argc, argv);
    const int laeufe = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 10;
    std::vector<double> zeiten;
    for (int i = 0; i < laeufe; ++i) {
        QProcess p;
        p.start(QString::fromLocal8Bit(argv[0]), {QStringLiteral("--einmal")});
        p.waitForFinished(30000);
        zeiten.push_back(QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed().toDouble());
    }
    std::sort(zeiten.begin(), zeiten.end());
    std::printf("Start bis zum ersten gezeichneten Fenster: bester %.1f ms, Median %.1f ms (%d Läufe)\n", zeiten.front(),
                zeiten[zeiten.size() / 2], laeufe);
    return 0;
}
