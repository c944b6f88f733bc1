// The network exercise: netdat-dump, netz-lehrer.

#include "Befehle.h"
#include "BewertungJson.h"
#include "NetzJson.h"
#include "Werkzeugdienste.h"
#include "exercise/Bestenliste.h"
#include "network/NetzLehrer.h"
#include "platform/Rechner.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

using namespace kalumo;

namespace {

int netdatDump(const QStringList &a)
{
    if (a.size() != 1)
        return Gebrauch();
    StderrMeldungen meldungen;
    NetzUebEinstTyp e;
    if (!NetzEinstellungsdateiLesen(a[0], e)) {
        meldungen.Fehler(NetzEinlesefehlerText(a[0]));
        return 1;
    }
    Ausgeben(NetzEinstellungenJson(e).Text());
    return 0;
}

// The options of netz-lehrer after the document.
struct LehrerOptionen
{
    NetzKomTyp Kom;
    std::optional<std::array<qint32, 10>> Einstellungen;
    int Teilnehmer = 0;
    int Sekunden = 60;
};

std::optional<LehrerOptionen> lehrerOptionen(const QStringList &a)
{
    LehrerOptionen o;
    o.Kom.Ordner.clear();
    bool kanal = false;
    for (qsizetype i = 1; i < a.size(); ++i) {
        const QString &w = a[i];
        if (i + 1 >= a.size())
            return std::nullopt;
        const QString &wert = a[++i];
        auto zahl = [&](int min, int max) -> std::optional<int> {
            bool ok = false;
            const int n = wert.toInt(&ok);
            if (!ok || n < min || n > max)
                return std::nullopt;
            return n;
        };
        if (w == QLatin1String("--folder")) {
            o.Kom.Ordner = wert;
        } else if (w == QLatin1String("--channel")) {
            o.Kom.Kanal = wert;
            kanal = true;
        } else if (w == QLatin1String("--verfahren")) {
            const auto v = zahl(netzVerfahrenOrdner, netzVerfahrenDatagramm);
            if (!v)
                return std::nullopt;
            o.Kom.Verfahren = *v;
        } else if (w == QLatin1String("--settings")) {
            const QStringList teile = wert.split(QLatin1Char(','));
            if (teile.size() != 10)
                return std::nullopt;
            std::array<qint32, 10> block{};
            for (int k = 0; k < 10; ++k) {
                bool ok = false;
                block[size_t(k)] = teile[k].trimmed().toInt(&ok);
                if (!ok)
                    return std::nullopt;
            }
            o.Einstellungen = block;
        } else if (w == QLatin1String("--participants")) {
            const auto n = zahl(0, kNetzHoechstzeilen);
            if (!n)
                return std::nullopt;
            o.Teilnehmer = *n;
        } else if (w == QLatin1String("--seconds")) {
            const auto n = zahl(0, 24 * 3600);
            if (!n)
                return std::nullopt;
            o.Sekunden = *n;
        } else {
            return std::nullopt;
        }
    }
    if (o.Kom.Ordner.isEmpty() || !kanal)
        return std::nullopt;
    if (!o.Kom.Ordner.endsWith(QLatin1Char('/')))
        o.Kom.Ordner += QLatin1Char('/');
    return o;
}

int netzLehrer(const QStringList &a)
{
    if (a.isEmpty())
        return Gebrauch();
    const std::optional<LehrerOptionen> o = lehrerOptionen(a);
    if (!o)
        return Gebrauch();
    StderrMeldungen meldungen;
    if (const QString f = KommKanalPruefen(o->Kom.Kanal); !f.isEmpty()) {
        meldungen.Fehler(f);
        return 1;
    }
    if (!QFileInfo(o->Kom.Ordner).isDir()) {
        meldungen.Fehler(KommOrdnerUngueltigText());
        return 1;
    }
    WerkzeugDienste dienste(meldungen);
    Dokument dok;
    if (!DokumentLesen(dok, dienste, a[0], true))
        return 1;

    // the settings: given, else those the document brought, else the defaults
    std::array<qint32, 10> block{};
    block[0] = 1;
    for (int i = 1; i < 10; ++i)
        block[size_t(i)] = dienste.UebEinst[size_t(i - 1)];
    if (o->Einstellungen)
        block = *o->Einstellungen;
    NetzUebEinstTyp einst = NetzUebEinstMitSkala(NetzUebEinstAusBlock(block), NotenskalaTyp(), block[9]);
    if (const QString falsch = NetzUebEinstPruefen(einst); !falsch.isEmpty()) {
        meldungen.Fehler(QStringLiteral("Die Übungseinstellung ") + falsch
                         + QStringLiteral(" liegt außerhalb des erlaubten Bereichs."));
        return 2;
    }

    // the query fields numbered in order, as the view shows them
    {
        Lernansicht ansicht(dok, dienste.Schriftart());
        ansicht.AssignNumbers(numGeordnet, false);
    }
    const bool texteingabe = einst.AbfrageModus == kAbfrageModusTexteingabe;
    // without an exercise run the queries are counted by their numbers
    const int anzAbfragen = NetzHoechsteLoesungsnummer(NetzLoesungsnummern(dok, texteingabe));
    const NetzLehrerStart start = NetzLehrerStartAufbauen(dok, o->Kom, Rechnername(), einst, anzAbfragen, {},
                                                          [](const QString &s) { return s.simplified(); });

    NetzLehrer lehrer(meldungen);
    if (!lehrer.Initiieren(start, dok, dienste))
        return 1;

    // receive until every expected participant has finished or the time is up
    QElapsedTimer uhr;
    uhr.start();
    const qint64 grenze = qint64(o->Sekunden) * 1000;
    auto fertig = [&] {
        return o->Teilnehmer > 0 && lehrer.Teilnehmerzahl() >= o->Teilnehmer
               && lehrer.AbgeschlosseneLaeufe() >= lehrer.Teilnehmerzahl();
    };
    while (!fertig() && uhr.elapsed() < grenze) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    // what arrived in the last moment
    lehrer.Abholen();
    QCoreApplication::processEvents();
    lehrer.Beenden();

    Json bestenliste;
    BestenlisteInhalt inhalt;
    if (QFileInfo::exists(lehrer.Pfade().Bestenliste()) && BestenlisteDateiLesen(lehrer.Pfade().Bestenliste(), inhalt))
        bestenliste = BestenlisteJson(inhalt);
    Ausgeben(Json::Objekt()
                 .Feld(QStringLiteral("rows"), NetzZeilenJson(lehrer.Kontrolle()))
                 .Feld(QStringLiteral("bestlist"), std::move(bestenliste))
                 .Feld(QStringLiteral("protocol"), lehrer.Protokoll())
                 .Feld(QStringLiteral("received"), lehrer.Statistik().Empfangen)
                 .Feld(QStringLiteral("ignored"), NetzIgnoriertJson(lehrer.Statistik()))
                 .Text());
    return 0;
}

const KalumoBefehl befehlNetdatDump("netdat-dump", "netdat-dump DATEI.dat", netdatDump);
const KalumoBefehl befehlNetzLehrer("netz-lehrer",
                                    "netz-lehrer DOKUMENT.kal --folder ORDNER --channel KANAL [--verfahren 0|1]"
                                    " [--settings S1,…,S10] [--participants N] [--seconds T]",
                                    netzLehrer);

} // namespace
