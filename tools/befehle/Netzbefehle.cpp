// The network exercise: netdat-dump, netz-lehrer, netz-teilnehmer.

#include "Befehle.h"
#include "BewertungJson.h"
#include "NetzJson.h"
#include "Uebungslauf.h"
#include "Werkzeugdienste.h"
#include "exercise/Bestenliste.h"
#include "network/NetzLehrer.h"
#include "network/NetzTeilnahme.h"
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

// The options of netz-teilnehmer.
struct TeilnehmerOptionen
{
    NetzKomTyp Kom;
    QString Name;
    QString Aktionsdatei;
    quint32 Saat = 1;
    int Wiederholungen = 0;   // "Übung wiederholen" in the result window, so often
    int Warten = 0;           // seconds the join dialog waits for the exercise
};

std::optional<TeilnehmerOptionen> teilnehmerOptionen(const QStringList &a)
{
    TeilnehmerOptionen o;
    o.Kom.Ordner.clear();
    bool kanal = false, name = false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const QString &w = a[i];
        if (i + 1 >= a.size())
            return std::nullopt;
        const QString &wert = a[++i];
        bool ok = false;
        const int zahl = wert.toInt(&ok);
        if (w == QLatin1String("--folder")) {
            o.Kom.Ordner = wert;
        } else if (w == QLatin1String("--channel")) {
            o.Kom.Kanal = wert;
            kanal = true;
        } else if (w == QLatin1String("--name")) {
            o.Name = wert;
            name = true;
        } else if (w == QLatin1String("--verfahren")) {
            if (!ok || zahl < netzVerfahrenOrdner || zahl > netzVerfahrenDatagramm)
                return std::nullopt;
            o.Kom.Verfahren = zahl;
        } else if (w == QLatin1String("--actions")) {
            o.Aktionsdatei = wert;
        } else if (w == QLatin1String("--seed")) {
            o.Saat = wert.toUInt(&ok);
            if (!ok)
                return std::nullopt;
        } else if (w == QLatin1String("--repeat")) {
            if (!ok || zahl < 0 || zahl > 100)
                return std::nullopt;
            o.Wiederholungen = zahl;
        } else if (w == QLatin1String("--wait")) {
            if (!ok || zahl < 0 || zahl > 3600)
                return std::nullopt;
            o.Warten = zahl;
        } else {
            return std::nullopt;
        }
    }
    if (o.Kom.Ordner.isEmpty() || !kanal || !name)
        return std::nullopt;
    if (!o.Kom.Ordner.endsWith(QLatin1Char('/')))
        o.Kom.Ordner += QLatin1Char('/');
    return o;
}

// The result window of a participant: "Übung wiederholen" as often as asked,
// then "Zur Lernansicht".
class Wiederholungswahl : public Ergebnishaken
{
public:
    explicit Wiederholungswahl(int mal) : m_mal(mal) {}
    ErgebnisWahl Zeigen(const Uebung &, bool) override
    {
        if (m_mal <= 0)
            return {};
        --m_mal;
        return {true, wiedKomplett};
    }

private:
    int m_mal;
};

int netzTeilnehmer(const QStringList &a)
{
    const std::optional<TeilnehmerOptionen> o = teilnehmerOptionen(a);
    if (!o)
        return Gebrauch();
    QJsonArray aktionen;
    if (!o->Aktionsdatei.isEmpty()) {
        QString fehler;
        const std::optional<QJsonArray> gelesen = AktionsdateiLesen(o->Aktionsdatei, fehler);
        if (!gelesen)
            return Aufruffehler(fehler);
        aktionen = *gelesen;
    }

    Werkzeugmeldungen meldungen;
    auto abgelehnt = [&](const QString &text) {
        Ausgeben(Json::Objekt().Feld("refused", text).Text());
        return 1;
    };
    // the join dialog: the folder must exist, a name be given (20 characters
    // at most), and the exercise be open for joining
    if (const QString f = KommKanalPruefen(o->Kom.Kanal); !f.isEmpty())
        return abgelehnt(f);
    if (!QFileInfo(o->Kom.Ordner).isDir())
        return abgelehnt(NetzKomOrdnerFehltText());
    const QString name = o->Name.left(kNetzNameHoechstlaengeDialog);
    if (name.trimmed().isEmpty())
        return abgelehnt(NetzNameFehltText());
    const NetzPfade pfade = NetzPfadeVon(o->Kom.Ordner, o->Kom.Kanal);
    QElapsedTimer warten;
    warten.start();
    while (!NetzBeitrittsstatusPruefen(pfade).Verfuegbar && warten.elapsed() < qint64(o->Warten) * 1000)
        QThread::msleep(kNetzBeitrittPollMs);
    if (!NetzBeitrittsstatusPruefen(pfade).Verfuegbar)
        return abgelehnt(NetzNichtInitiiertText());

    UebDialogeTyp dialoge;
    Uebungsdienste dienste(meldungen, dialoge);
    Dokument dok;
    Lernansicht ansicht(dok, dienste.Schriftart());
    ansicht.Haken = &StandardTextLayouts();
    ansicht.NummerierungsModus = numGeordnet;
    Handuhr uhr;
    Uebung u(dok, ansicht, meldungen, uhr, dialoge);
    u.ZufallSetzen(o->Saat);
    Wiederholungswahl wahl(o->Wiederholungen);
    u.Dienste.Ergebnis = &wahl;
    NetzTeilnahme teilnahme(u, dok, dienste, meldungen, uhr);
    Json kennungen = Json::Liste();
    Laufende ende;
    // the last run's end
    u.Dienste.BeimErgebnis = [&](const Uebung &lauf) { ende.Festhalten(lauf, dok); };

    const int vorher = int(meldungen.Gezeigt.size());
    if (!teilnahme.Beitreten(o->Kom, name)) {
        const QString text = meldungen.Gezeigt.mid(vorher).join(QLatin1Char(' '));
        return abgelehnt(text.isEmpty() ? NetzNichtInitiiertText() : text);
    }
    Json anfang = ende.Bild ? *ende.Bild : UebungsbildJson(u, dok);
    QString letzteKennung;
    auto kennungMerken = [&] {
        if (u.Daten().TeilnehmerKennung != letzteKennung) {
            letzteKennung = u.Daten().TeilnehmerKennung;
            kennungen.Element(letzteKennung);
        }
    };
    kennungMerken();
    // a repetition joins anew: the identifiers of every run
    QString fehler;
    const std::optional<Json> liste = AktionenAusfuehren(u, uhr, aktionen, fehler, kennungMerken);
    if (!liste)
        return Aufruffehler(fehler);
    // a run still on when the actions are done ends as when the program is
    // closed during it: reported as aborted
    if (u.Laeuft() && !u.Beendet())
        u.Verlassen();
    Ausgeben(ende.Ausgabe(anfang, *liste, u, dok)
                 .Feld("joins", kennungen)
                 .Feld("sent", teilnahme.GesendeteNachrichten())
                 .Feld("messages", JsonListe(meldungen.Gezeigt))
                 .Text());
    return 0;
}

const KalumoBefehl befehlNetdatDump("netdat-dump", "netdat-dump DATEI.dat", netdatDump);
const KalumoBefehl befehlNetzLehrer("netz-lehrer",
                                    "netz-lehrer DOKUMENT.kal --folder ORDNER --channel KANAL [--verfahren 0|1]"
                                    " [--settings S1,…,S10] [--participants N] [--seconds T]",
                                    netzLehrer);
const KalumoBefehl befehlNetzTeilnehmer("netz-teilnehmer",
                                        "netz-teilnehmer --folder ORDNER --channel KANAL --name NAME [--verfahren 0|1]"
                                        " [--actions DATEI|-] [--seed N] [--repeat N] [--wait S]",
                                        netzTeilnehmer);

} // namespace
