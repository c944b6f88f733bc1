// Documents and the learning view: info, dump, resave, render.

#include "Befehle.h"
#include "DokumentJson.h"
#include "Werkzeugdienste.h"
#include "document/DokumentDateien.h"
#include "learnview/Lernansicht.h"

#include <QFile>
#include <QFileInfo>

using namespace kalumo;

namespace {

int info(const QStringList &a)
{
    if (a.size() != 1)
        return Gebrauch();
    HeaderDataTyp kopf;
    if (!KopfLesen(a[0], kopf))
        return 1;
    Ausgeben(KurzkopfJson(kopf).Text());
    return 0;
}

int dump(const QStringList &a)
{
    if (a.size() != 1)
        return Gebrauch();
    const QString &pfad = a[0];
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
    Ausgeben(DateiInhaltJson(inhalt).Text());
    return 0;
}

int resave(const QStringList &a)
{
    if (a.size() != 2)
        return Gebrauch();
    StderrMeldungen meldungen;
    WerkzeugDienste dienste(meldungen);
    Dokument dok;
    if (!DokumentLesen(dok, dienste, a[0], true))
        return 1;
    return DokumentSchreiben(dok, dienste, a[1], true) ? 0 : 1;
}

int render(const QStringList &a)
{
    // IN OUT then options
    if (a.size() < 2)
        return Gebrauch();
    int breite = 1024, hoehe = 700, zoomstufe = 0;
    bool aufdecken = false;
    for (qsizetype i = 2; i < a.size(); ++i) {
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
                return Gebrauch();
        } else if (o == QLatin1String("--height")) {
            if (!zahl(16, 8192, hoehe))
                return Gebrauch();
        } else if (o == QLatin1String("--zoom")) {
            if (!zahl(100, 200, zoom) || zoom % 25 != 0)
                return Gebrauch();
            zoomstufe = (zoom - 100) / 25;
        } else if (o == QLatin1String("--uncover")) {
            aufdecken = true;
        } else {
            return Gebrauch();
        }
    }
    StderrMeldungen meldungen;
    WerkzeugDienste dienste(meldungen);
    Dokument dok;
    if (!DokumentLesen(dok, dienste, a[0], true))
        return 1;
    // the program starts with ordered numbering
    const QImage bild = LernansichtRendern(dok, QSize(breite, hoehe), zoomstufe, aufdecken, dienste.Schriftart(),
                                           numGeordnet);
    if (bild.isNull() || !bild.save(a[1], "PNG")) {
        meldungen.Fehler(QStringLiteral("Die Datei \"") + a[1] + QStringLiteral("\" kann nicht geschrieben werden."));
        return 1;
    }
    return 0;
}

const KalumoBefehl befehlInfo("info", "info DATEI", info);
const KalumoBefehl befehlDump("dump", "dump DATEI", dump);
const KalumoBefehl befehlResave("resave", "resave EINGABE AUSGABE", resave);
const KalumoBefehl befehlRender("render",
                                "render EINGABE AUSGABE.png [--width B] [--height H] [--zoom 100|125|150|175|200]"
                                " [--uncover]",
                                render);

} // namespace
