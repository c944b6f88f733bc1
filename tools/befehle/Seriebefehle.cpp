// Exercise series: kausp-dump shows a package, series-pack writes one from
// documents as the creation dialog's "Übungs-Serien-Paket erstellen..." does.

#include "Befehle.h"
#include "Json.h"
#include "app/settings/Einstellungen.h"
#include "document/DokumentDateien.h"
#include "series/Seriendateien.h"
#include "series/Serienerstellung.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <optional>

using namespace kalumo;

namespace {

Json skalaJson(const std::optional<SerienSkalaTyp> &skala)
{
    if (!skala)
        return {};
    return Json::Objekt()
        .Feld("NoteMinQuote", JsonListe(skala->NoteMinQuote))
        .Feld("PunkteMinQuote", JsonListe(skala->PunkteMinQuote))
        .Feld("BewertSkala", skala->BewertSkala);
}

int kauspDump(const QStringList &a)
{
    if (a.size() != 1)
        return Gebrauch();
    const QString &pfad = a[0];
    StderrMeldungen meldungen;
    SeriePaketInhalt p;
    if (!SeriePaketMitMeldungLesen(pfad, p, meldungen))
        return 1;
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        meldungen.Fehler(MeldungNichtLesbar(pfad));
        return 1;
    }
    Json eintraege = Json::Liste();
    for (const SeriePaketEintrag &e : p.Eintraege) {
        QByteArray bytes;
        try {
            bytes = EingebettetesDokument(datei, e.Offset, e.Laenge);
        } catch (const std::exception &) {
            meldungen.Fehler(MeldungNichtLesbar(pfad));
            return 1;
        }
        eintraege.Element(Json::Objekt()
                              .Feld("Datei", e.Datei)
                              .Feld("Titel", e.Titel)
                              .Feld("Sortname", e.Sortname)
                              .Feld("Gewichtung", e.Gewichtung)
                              .Feld("Zeit", e.Zeit)
                              .Feld("Abfragemodus", e.Abfragemodus ? Json(*e.Abfragemodus) : Json())
                              .Feld("Offset", e.Offset)
                              .Feld("Laenge", e.Laenge)
                              .Feld("sha256", QString::fromLatin1(
                                                  QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex())));
    }
    Json j = Json::Objekt()
                 .Feld("magic", p.Kennung)
                 .Feld("version", p.Version)
                 .Feld("reserved", p.Reserviert)
                 .Feld("ordner", p.Ordner)
                 .Feld("std_gewichtung", p.StdGewichtung)
                 .Feld("std_zeit", p.StdZeit)
                 .Feld("Uebungsmodus", p.Uebungsmodus)
                 .Feld("Protokolltitel", p.Protokolltitel)
                 .Feld("Information", p.Information)
                 .Feld("skala", skalaJson(p.Skala))
                 .Feld("entries", std::move(eintraege));
    Ausgeben(j.Text());
    return 0;
}

// The grading scale the program would use now: the user's settings, then the
// central configuration.
SerienSkalaTyp benutzerSkala()
{
    const QString programm = QCoreApplication::applicationDirPath();
    EinstellungenTyp e = EinstellungenVorgaben(programm);
    const IniEinstellungsspeicher speicher;
    EinstellungenLaden(speicher, e);
    const QString ini = ZentraleKonfigurationFinden(programm);
    if (!ini.isEmpty())
        ZentraleKonfigurationLaden(ini, e);
    // a package stores the thresholds a user may set, without the fixed ends
    SerienSkalaTyp s;
    for (int i = 0; i < kSerieNotenGrenzen; ++i)
        s.NoteMinQuote[size_t(i)] = e.Notenskala.NoteMinQuote[size_t(i + 1)];
    for (int i = 0; i < kSeriePunkteGrenzen; ++i)
        s.PunkteMinQuote[size_t(i)] = e.Notenskala.PunkteMinQuote[size_t(i + 1)];
    s.BewertSkala = e.Notenskala.BewertSkala;
    return s;
}

// "1,2,3" as numbers; nothing when a value is no integer in [min, max].
std::optional<std::vector<int>> zahlenliste(const QString &text, int min, int max)
{
    std::vector<int> werte;
    for (const QString &teil : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int w = teil.trimmed().toInt(&ok);
        if (!ok || w < min || w > max)
            return std::nullopt;
        werte.push_back(w);
    }
    return werte;
}

int seriesPack(const QStringList &a)
{
    if (a.size() < 2)
        return Gebrauch();
    const QString aus = a[0];
    QStringList dokumente;
    QString titel = SerienTitelVorgabe();
    QString information = SerienInformationVorgabe();
    int modus = uebmodusWiederholen;
    std::optional<std::vector<int>> gewichte, minuten, modi;
    for (qsizetype i = 1; i < a.size(); ++i) {
        const QString &o = a[i];
        if (!o.startsWith(QLatin1String("--"))) {
            dokumente << o;
            continue;
        }
        if (i + 1 >= a.size())
            return Gebrauch();
        const QString wert = a[++i];
        if (o == QLatin1String("--title")) {
            titel = wert;
        } else if (o == QLatin1String("--info")) {
            // lines are stored with CR LF
            information = wert;
            information.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        } else if (o == QLatin1String("--mode")) {
            const auto m = zahlenliste(wert, 0, kUebungsmodusAnzahl - 1);
            if (!m || m->size() != 1)
                return Gebrauch();
            modus = m->front();
        } else if (o == QLatin1String("--weights")) {
            gewichte = zahlenliste(wert, -999999, 999999);
            if (!gewichte)
                return Gebrauch();
        } else if (o == QLatin1String("--minutes")) {
            minuten = zahlenliste(wert, 0, 999999);
            if (!minuten)
                return Gebrauch();
        } else if (o == QLatin1String("--modes")) {
            modi = zahlenliste(wert, abfrageFreieZuordnung, abfrageTexteingabe);
            if (!modi)
                return Gebrauch();
        } else {
            return Gebrauch();
        }
    }
    const size_t n = size_t(dokumente.size());
    if (n == 0 || (gewichte && gewichte->size() != n) || (minuten && minuten->size() != n) || (modi && modi->size() != n))
        return Gebrauch();

    StderrMeldungen meldungen;
    std::vector<UebungsserieDokTyp> liste;
    for (size_t i = 0; i < n; ++i) {
        const QString pfad = QFileInfo(dokumente[qsizetype(i)]).absoluteFilePath();
        HeaderDataTyp kopf;
        if (!QFileInfo(pfad).isFile()) {
            meldungen.Fehler(MeldungDateiFehlt(pfad));
            return 1;
        }
        if (!KopfLesen(pfad, kopf)) {
            meldungen.Fehler(MeldungNichtLesbar(pfad));
            return 1;
        }
        UebungsserieDokTyp e = SerienEintragAusKopf(pfad, kopf, gewichte ? (*gewichte)[i] : 1, minuten ? (*minuten)[i] : 0);
        // a document with its own settings keeps -2, a type without a query mode -1
        if (modi && e.Abfragemodus >= 0) {
            const int m = (*modi)[i];
            if (m > HoechsterAbfragemodus(e.DokTyp)) {
                meldungen.Fehler(QStringLiteral("Der Abfragemodus ") + QString::number(m)
                                 + QStringLiteral(" ist für das Dokument \"") + pfad
                                 + QStringLiteral("\" nicht möglich."));
                return 2;
            }
            e.Abfragemodus = m;
        }
        liste.push_back(std::move(e));
    }
    if (const QString fehler = GewichtungenPruefen(liste, false); !fehler.isEmpty()) {
        meldungen.Fehler(fehler);
        return 1;
    }

    SeriePaketInhalt kopf;
    kopf.Ordner = SerienOrdnerMitTrenner(QFileInfo(liste.front().Datei).absolutePath());
    kopf.StdGewichtung = 1;
    kopf.StdZeit = 0;
    kopf.Uebungsmodus = modus;
    kopf.Protokolltitel = titel;
    kopf.Information = information;
    kopf.Skala = benutzerSkala();
    return SeriePaketAusListeSchreiben(aus, kopf, liste, meldungen) ? 0 : 1;
}

const KalumoBefehl befehlKauspDump("kausp-dump", "kausp-dump PAKET.kausp", kauspDump);
const KalumoBefehl befehlSeriesPack("series-pack",
                                    "series-pack AUSGABE.kausp DOKUMENT.kal... [--title T] [--info TEXT]"
                                    " [--mode 0..2] [--weights w1,...] [--minutes m1,...] [--modes a1,...]",
                                    seriesPack);

} // namespace
