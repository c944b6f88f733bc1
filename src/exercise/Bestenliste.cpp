#include "exercise/Bestenliste.h"

#include "document/Bytestrom.h"
#include "document/DokumentDateien.h"
#include "platform/Datumswert.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QThread>

#include <algorithm>
#include <limits>

namespace kalumo {

namespace {

// Which fields an entry holds, after the key list (a plain substring search,
// as for the document files).
struct Felder
{
    bool Name, Rechner, Beginn, Dauer, Leistung;

    explicit Felder(const QString &schluessel)
        : Name(schluessel.contains(QLatin1String("HSC-Name"))),
          Rechner(schluessel.contains(QLatin1String("HSC-Rechner"))),
          Beginn(schluessel.contains(QLatin1String("HSC-Beginn"))),
          Dauer(schluessel.contains(QLatin1String("HSC-Dauer"))),
          Leistung(schluessel.contains(QLatin1String("HSC-Leistung")))
    {}
    bool keines() const { return !(Name || Rechner || Beginn || Dauer || Leistung); }
};

QString mitTrenner(const QString &ordner)
{
    return ordner.isEmpty() || ordner.endsWith(u'/') ? ordner : ordner + u'/';
}

} // namespace

BestenlisteInhalt BestenlisteStromLesen(QIODevice &geraet)
{
    Leser leser(geraet);
    if (leser.Rest() > kBestenlisteHoechstgroesse)
        throw LeseFehler("Datei zu groß");
    if (leser.Roh() != QByteArray(kBestenlisteMagie))
        throw LeseFehler("falsche Kennung");
    BestenlisteInhalt inhalt;
    inhalt.Schluessel = leser.Text();
    const Felder f(inhalt.Schluessel);
    // entries without any field would take no bytes: such a list can only be empty
    if (f.keines()) {
        if (leser.Rest() > 0)
            throw LeseFehler("Einträge ohne Felder");
        return inhalt;
    }
    while (leser.Rest() > 0) {
        BestListDataTyp e;
        if (f.Name)
            e.Name = leser.Text();
        if (f.Rechner)
            e.Rechner = leser.Text();
        if (f.Beginn)
            e.Beginn = leser.Double();
        if (f.Dauer)
            e.Dauer = leser.Int();
        if (f.Leistung)
            e.Leistung = leser.Double();
        inhalt.Eintraege.push_back(std::move(e));
    }
    return inhalt;
}

QByteArray BestenlisteEintragBytes(const BestListDataTyp &e, const QString &schluessel)
{
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    Schreiber s(puffer);
    const Felder f(schluessel);
    if (f.Name)
        s.Text(e.Name);
    if (f.Rechner)
        s.Text(e.Rechner);
    if (f.Beginn)
        s.Double(e.Beginn);
    if (f.Dauer)
        s.Int(e.Dauer);
    if (f.Leistung)
        s.Double(e.Leistung);
    return bytes;
}

QByteArray BestenlisteBytes(const BestenlisteInhalt &inhalt)
{
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    Schreiber s(puffer);
    s.Roh(QByteArray(kBestenlisteMagie));
    s.Text(inhalt.Schluessel);
    puffer.close();
    for (const BestListDataTyp &e : inhalt.Eintraege)
        bytes += BestenlisteEintragBytes(e, inhalt.Schluessel);
    return bytes;
}

Pause WartePause()
{
    return [](int ms) { QThread::msleep(static_cast<unsigned long>(std::max(0, ms))); };
}

bool BestenlisteAnhaengen(const QString &pfad, const BestListDataTyp &eintrag)
{
    if (pfad.isEmpty())
        return false;
    QByteArray bytes;
    QFile alt(pfad);
    if (alt.exists()) {
        if (!QFileInfo(pfad).isFile() || alt.size() > kBestenlisteHoechstgroesse || !alt.open(QIODevice::ReadOnly))
            return false;
        bytes = alt.readAll();
        if (alt.error() != QFileDevice::NoError || bytes.size() != alt.size())
            return false;
        alt.close();
    }
    if (bytes.isEmpty()) {
        bytes = BestenlisteBytes({QString::fromLatin1(kBestenlisteSchluessel), {eintrag}});
    } else {
        // only a list that reads completely is appended to: a wrong magic or a
        // torn entry would turn the new entry into garbage
        QBuffer puffer(&bytes);
        puffer.open(QIODevice::ReadOnly);
        BestenlisteInhalt inhalt;
        try {
            inhalt = BestenlisteStromLesen(puffer);
        } catch (const LeseFehler &) {
            return false;
        }
        puffer.close();
        if (Felder(inhalt.Schluessel).keines())
            return false;
        bytes += BestenlisteEintragBytes(eintrag, inhalt.Schluessel);
    }
    QSaveFile neu(pfad);
    if (!neu.open(QIODevice::WriteOnly))
        return false;
    if (neu.write(bytes) != bytes.size()) {
        neu.cancelWriting();
        return false;
    }
    return neu.commit();
}

bool BestenlisteEintragen(const QString &pfad, const BestListDataTyp &eintrag, BestenlisteArt art,
                          Meldungen &meldungen, const Pause &pause)
{
    for (int versuch = 1; versuch <= kBestenlisteVersuche; ++versuch) {
        if (BestenlisteAnhaengen(pfad, eintrag))
            return true;
        if (versuch < kBestenlisteVersuche && pause)
            pause(kBestenlistePauseMs);
    }
    meldungen.Fehler(BestenlisteSchreibfehlerText(pfad, art));
    return false;
}

bool BestenlisteDateiLesen(const QString &pfad, BestenlisteInhalt &inhalt, QString *fehler)
{
    auto scheitern = [&](const QString &grund) {
        if (fehler)
            *fehler = grund;
        return false;
    };
    if (!QFileInfo(pfad).isFile())
        return scheitern(QStringLiteral("Datei existiert nicht"));
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return scheitern(datei.errorString());
    try {
        inhalt = BestenlisteStromLesen(datei);
    } catch (const LeseFehler &f) {
        return scheitern(QString::fromUtf8(f.what()));
    }
    return true;
}

bool BestenlisteLesen(const QString &pfad, BestenlisteArt art, std::vector<BestListDataTyp> &liste,
                      Meldungen &meldungen, const Pause &pause, QString *schluessel)
{
    liste.clear();
    if (pfad.isEmpty() || !QFileInfo::exists(pfad)) {
        meldungen.Information(BestenlisteLeerText(art));
        return false;
    }
    for (int versuch = 1; versuch <= kBestenlisteVersuche; ++versuch) {
        BestenlisteInhalt inhalt;
        if (BestenlisteDateiLesen(pfad, inhalt)) {
            liste = std::move(inhalt.Eintraege);
            if (schluessel)
                *schluessel = inhalt.Schluessel;
            return true;
        }
        if (versuch < kBestenlisteVersuche && pause)
            pause(kBestenlistePauseMs);
    }
    meldungen.Fehler(BestenlisteLesefehlerText(pfad, art));
    return false;
}

QString BestenlisteLeerText(BestenlisteArt art)
{
    if (art == BestenlisteArt::Netzwerk)
        return QStringLiteral("Die Bestenliste zur aktuellen Netzwerk-Übung enthält noch keine Einträge.");
    return QStringLiteral("Zu diesem Dokument gibt es bisher keine Einträge in der Bestenliste. Überprüfen Sie ggf. "
                          "die Einstellungen im Menü \"Optionen\", um die Bestenliste zu nutzen.");
}

QString BestenlisteLesefehlerText(const QString &pfad, BestenlisteArt art)
{
    const QString zusatz = art == BestenlisteArt::Netzwerk
        ? QStringLiteral("Möglicherweise existiert die Datei noch nicht, weil noch kein Teilnehmer die Übung beendet hat.")
        : QStringLiteral("Überprüfen Sie die Einstellungen im Menü \"Optionen\", um die Bestenliste zu nutzen. "
                         "Möglicherweise existiert die Datei noch nicht, weil noch niemand die Übung durchgeführt hat.");
    return MeldungNichtLesbar(pfad) + QStringLiteral("\r\n\r\n") + zusatz;
}

QString BestenlisteSchreibfehlerText(const QString &pfad, BestenlisteArt art)
{
    if (art == BestenlisteArt::Netzwerk)
        return MeldungNichtSchreibbar(pfad);
    return MeldungNichtSchreibbar(pfad) + QStringLiteral("\r\n\r\n")
        + QStringLiteral("Die Bestenliste konnte nicht gespeichert werden. Überprüfen Sie die Einstellungen unter "
                         "\"Optionen / Ordner für Protokolle und Bestenlisten\".");
}

QString BestenlisteTitel(BestenlisteArt art)
{
    return art == BestenlisteArt::Netzwerk ? QStringLiteral("Bestenliste - Netzwerk-Übung")
                                           : QStringLiteral("Bestenliste - Individual-Übung");
}

void BestenlisteSortieren(std::vector<BestListDataTyp> &liste)
{
    std::stable_sort(liste.begin(), liste.end(), [](const BestListDataTyp &a, const BestListDataTyp &b) {
        if (a.Leistung != b.Leistung)
            return a.Leistung > b.Leistung;
        return a.Dauer < b.Dauer;
    });
}

QString BestenlistePfadIndividual(const QString &ordner, const QString &dokumentDatei)
{
    // stored paths may still use backslashes
    const qsizetype trenner = std::max(dokumentDatei.lastIndexOf(u'/'), dokumentDatei.lastIndexOf(u'\\'));
    QString name = dokumentDatei.mid(trenner + 1);
    if (name.isEmpty())
        return {};
    const qsizetype punkt = name.lastIndexOf(u'.');
    if (punkt >= 0)
        name.truncate(punkt);
    return mitTrenner(ordner) + name + QStringLiteral(".hsc");
}

QString BestenlistePfadNetz(const QString &komOrdner, const QString &kanal)
{
    return mitTrenner(komOrdner) + kanal + QStringLiteral("-vkdnetzuebung.hsc");
}

QStringList BestenlisteKopfzeile()
{
    return {QStringLiteral("Pos."), QStringLiteral("Name"), QStringLiteral("Rechner"), QStringLiteral("Leistung"),
            QStringLiteral("Zeit (Min:Sek)"), QStringLiteral("Datum/Uhrzeit")};
}

QString DauerText(qint64 ms)
{
    const qint64 s = std::max<qint64>(0, ms) / 1000;
    return QStringLiteral("%1:%2").arg(s / 60, 2, 10, QLatin1Char('0')).arg(s % 60, 2, 10, QLatin1Char('0'));
}

std::vector<QStringList> BestenlisteZeilen(const std::vector<BestListDataTyp> &liste)
{
    std::vector<QStringList> zeilen;
    zeilen.reserve(liste.size());
    const QLocale ort;
    for (size_t i = 0; i < liste.size(); ++i) {
        const BestListDataTyp &e = liste[i];
        const QDateTime beginn = DatumswertZuZeit(e.Beginn);
        zeilen.push_back({QString::number(i + 1), e.Name, e.Rechner,
                          QString::number(e.Leistung * 100.0, 'f', 1) + QStringLiteral(" %"), DauerText(e.Dauer),
                          beginn.isValid() ? ort.toString(beginn, QLocale::ShortFormat) : QString()});
    }
    return zeilen;
}

QString BestenlisteText(const std::vector<BestListDataTyp> &liste)
{
    QString text = BestenlisteKopfzeile().join(u'\t') + QStringLiteral("\r\n");
    for (const QStringList &z : BestenlisteZeilen(liste))
        text += z.join(u'\t') + QStringLiteral("\r\n");
    return text;
}

std::vector<int> BestenlisteSpaltenbreiten()
{
    return {40, 200, 100, 80, 80, 140};
}

std::vector<bool> BestenlisteRechtsbuendig()
{
    return {true, false, false, true, true, false};
}

std::optional<BestenlisteAnzeige> BestenlisteFuerAnzeige(const BestenlisteOrt &ort, Meldungen &meldungen,
                                                         const Pause &pause)
{
    if (ort.Art == BestenlisteArt::Individual) {
        if (!ort.DokumentGespeichert || ort.Pfad.isEmpty()) {
            meldungen.Information(QStringLiteral("Da das aktuelle Dokument nicht gespeichert wurde, bzw. kein Dokument "
                                                 "geöffnet wurde, ist keine Bestenliste verfügbar."));
            return std::nullopt;
        }
        if (ort.NetzTeilnahmeAktiv) {
            meldungen.Information(
                QStringLiteral("Während der Netzwerk-Übung ist die Bestenliste der Individual-Übung nicht einsehbar."));
            return std::nullopt;
        }
    }
    BestenlisteAnzeige anzeige;
    anzeige.Titel = BestenlisteTitel(ort.Art);
    BestenlisteLesen(ort.Pfad, ort.Art, anzeige.Eintraege, meldungen, pause);
    BestenlisteSortieren(anzeige.Eintraege);
    return anzeige;
}

bool BestenlisteEintragErlaubt(const BestenlisteLaufTyp &lauf, const QString &pfad)
{
    return lauf.Individual && lauf.Komplett && !pfad.isEmpty();
}

BestListDataTyp BestenlisteEintragAusLauf(const BestenlisteLaufTyp &lauf, const QString &rechner)
{
    BestListDataTyp e;
    e.Name = lauf.TeilnehmerName.trimmed().isEmpty() ? QStringLiteral("(kein Name)") : lauf.TeilnehmerName;
    e.Rechner = rechner;
    e.Beginn = lauf.StartZeit;
    e.Dauer = qint32(std::clamp<qint64>(lauf.DauerMs, 0, std::numeric_limits<qint32>::max()));
    e.Leistung = lauf.Gesamtleistung;
    return e;
}

QString BestenlisteEingetragenText()
{
    return QStringLiteral("Das Ergebnis wurde in die Bestenliste eingetragen.");
}

QString InBestenlisteEintragenText()
{
    return QStringLiteral("In Bestenliste eintragen");
}

bool InBestenlisteEintragen(const BestenlisteLaufTyp &lauf, const QString &pfad, const QString &rechner,
                            Meldungen &meldungen, const Pause &pause)
{
    if (!BestenlisteEintragErlaubt(lauf, pfad))
        return false;
    return BestenlisteEintragen(pfad, BestenlisteEintragAusLauf(lauf, rechner), BestenlisteArt::Individual, meldungen,
                                pause);
}

BestenlisteAmEnde BestenlisteNachUebung(const BestenlisteLaufTyp &lauf, bool automatischEintragen, const QString &pfad,
                                        const QString &rechner, Meldungen &meldungen, const Pause &pause)
{
    BestenlisteAmEnde ende;
    if (!BestenlisteEintragErlaubt(lauf, pfad))
        return ende;
    if (automatischEintragen && InBestenlisteEintragen(lauf, pfad, rechner, meldungen, pause))
        ende.Eingetragen = true;
    else
        ende.Anbieten = true;
    return ende;
}

} // namespace kalumo
