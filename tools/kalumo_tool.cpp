// kalumo-tool: the program's document code on the command line.
//
//   kalumo-tool info FILE        the header as the header reader sees it (JSON)
//   kalumo-tool dump FILE        the whole document as read from the file (JSON)
//   kalumo-tool resave IN OUT    open IN as the program does and save it as OUT
//   kalumo-tool render IN OUT.png [--width W] [--height H] [--zoom PERCENT] [--uncover]
//                                the learning view as the program shows it
//
// Exit status: 0 success, 1 file refused (messages on stderr, one per line),
// 2 wrong usage.

#include "DokumentJson.h"
#include "Werkzeugdienste.h"
#include "document/DokumentDateien.h"
#include "learnview/Lernansicht.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

using namespace kalumo;

namespace {

void ausgeben(const QByteArray &text)
{
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fflush(stdout);
}

// Qt's own diagnostics would mix with the messages on standard error.
void qtMeldungenVerwerfen(QtMsgType typ, const QMessageLogContext &, const QString &text)
{
    if (typ == QtFatalMsg) {
        std::fputs(text.toLocal8Bit().constData(), stderr);
        std::abort();
    }
}

int gebrauch()
{
    std::fputs("Aufruf:\n"
               "  kalumo-tool info DATEI\n"
               "  kalumo-tool dump DATEI\n"
               "  kalumo-tool resave EINGABE AUSGABE\n"
               "  kalumo-tool render EINGABE AUSGABE.png [--width B] [--height H] [--zoom 100|125|150|175|200]"
               " [--uncover]\n",
               stderr);
    return 2;
}

int info(const QString &pfad)
{
    HeaderDataTyp kopf;
    if (!KopfLesen(pfad, kopf))
        return 1;
    ausgeben(KurzkopfJson(kopf).Text());
    return 0;
}

int dump(const QString &pfad)
{
    StderrMeldungen meldungen;
    if (!QFileInfo(pfad).isFile()) {
        meldungen.Fehler(MeldungDateiFehlt(pfad));
        return 1;
    }
    EinfacheDokumentDienste dienste(meldungen);
    QFile datei(pfad);
    LeseErgebnis ergebnis;
    DateiInhalt inhalt;
    if (!datei.open(QIODevice::ReadOnly)) {
        ergebnis = {LeseStatus::Beschaedigt, QStringLiteral("nicht lesbar")};
    } else {
        LeseOptionen opt;
        opt.SchriftInstalliert = [&](const QString &n) { return dienste.SchriftInstalliert(n); };
        ergebnis = DokumentStromLesen(datei, inhalt, opt);
    }
    if (!ergebnis.ok()) {
        for (const QString &m : LeseFehlerMeldungen(ergebnis, pfad))
            meldungen.Fehler(m);
        return 1;
    }
    ausgeben(DateiInhaltJson(inhalt).Text());
    return 0;
}

int resave(const QString &ein, const QString &aus)
{
    StderrMeldungen meldungen;
    WerkzeugDienste dienste(meldungen);
    Dokument dok;
    if (!DokumentLesen(dok, dienste, ein, true))
        return 1;
    return DokumentSchreiben(dok, dienste, aus, true) ? 0 : 1;
}

int render(const QStringList &a)
{
    // IN OUT then options
    if (a.size() < 3)
        return gebrauch();
    int breite = 1024, hoehe = 700, zoomstufe = 0;
    bool aufdecken = false;
    for (qsizetype i = 3; i < a.size(); ++i) {
        const QString &o = a[i];
        auto zahl = [&](int min, int max, int &ziel) {
            if (i + 1 >= a.size())
                return false;
            bool ok = false;
            const int n = a[++i].toInt(&ok);
            if (!ok || n < min || n > max)
                return false;
            ziel = n;
            return true;
        };
        int zoom = 100;
        if (o == QLatin1String("--width")) {
            if (!zahl(16, 8192, breite))
                return gebrauch();
        } else if (o == QLatin1String("--height")) {
            if (!zahl(16, 8192, hoehe))
                return gebrauch();
        } else if (o == QLatin1String("--zoom")) {
            if (!zahl(100, 200, zoom) || zoom % 25 != 0)
                return gebrauch();
            zoomstufe = (zoom - 100) / 25;
        } else if (o == QLatin1String("--uncover")) {
            aufdecken = true;
        } else {
            return gebrauch();
        }
    }
    StderrMeldungen meldungen;
    WerkzeugDienste dienste(meldungen);
    Dokument dok;
    if (!DokumentLesen(dok, dienste, a[1], true))
        return 1;
    // the program starts with ordered numbering
    const QImage bild = LernansichtRendern(dok, QSize(breite, hoehe), zoomstufe, aufdecken, dienste.Schriftart(),
                                           numGeordnet);
    if (bild.isNull() || !bild.save(a[2], "PNG")) {
        meldungen.Fehler(QStringLiteral("Die Datei \"") + a[2] + QStringLiteral("\" kann nicht geschrieben werden."));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // fonts are looked up through Qt, which needs a platform even without a screen
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(qtMeldungenVerwerfen);
    QGuiApplication app(argc, argv);
    const QStringList a = app.arguments().mid(1);
    if (a.size() == 2 && a[0] == QLatin1String("info"))
        return info(a[1]);
    if (a.size() == 2 && a[0] == QLatin1String("dump"))
        return dump(a[1]);
    if (a.size() == 3 && a[0] == QLatin1String("resave"))
        return resave(a[1], a[2]);
    if (!a.isEmpty() && a[0] == QLatin1String("render"))
        return render(a);
    return gebrauch();
}
