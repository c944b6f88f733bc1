#include "series/Uebungsserie.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kalumo {

QString AbfragemodusText(int modus)
{
    switch (modus) {
    case abfrageAusKal: return QStringLiteral("wird aus KAL geladen");
    case abfrageKeiner: return QStringLiteral("-");
    case abfrageFreieZuordnung: return QStringLiteral("Freie Zuordnung");
    case abfrageTexteEinzeln: return QStringLiteral("Texte/Bilder einzeln");
    case abfragePositionenEinzeln: return QStringLiteral("Positionen einzeln");
    case abfrageTexteingabe: return QStringLiteral("Texteingabe");
    }
    return {};
}

bool HatAbfragemodus(int dokTyp)
{
    return dokTyp == dokBildbeschriftung || dokTyp == dokLueckentext || dokTyp == dokCluster
           || dokTyp == dokKreuzwortraetsel;
}

int HoechsterAbfragemodus(int dokTyp)
{
    if (!HatAbfragemodus(dokTyp))
        return abfrageFreieZuordnung;
    return dokTyp == dokCluster ? abfrageTexteEinzeln : abfrageTexteingabe;
}

int StandardAbfragemodus(const HeaderDataTyp &kopf)
{
    if (kopf.UebEinstGeladen == 1)
        return abfrageAusKal;
    return HatAbfragemodus(kopf.DokTyp) ? abfrageFreieZuordnung : abfrageKeiner;
}

int AbfragemodusWeiter(int dokTyp, int modus)
{
    if (modus < 0 || !HatAbfragemodus(dokTyp))
        return modus;
    const int hoechster = HoechsterAbfragemodus(dokTyp);
    return modus >= hoechster ? abfrageFreieZuordnung : modus + 1;
}

QString UebungsmodusText(int modus)
{
    switch (modus) {
    case uebmodusWiederholen: return QStringLiteral(" wiederholen bis alles richtig gelöst ");
    case uebmodusEinVersuch: return QStringLiteral(" nur einen Versuch pro Frage bzw. pro Position (**)");
    case uebmodusOhneRueckmeldung:
        return QStringLiteral(" nur einen Versuch und keine Richtig-/Falsch-Rückmeldung (**) ");
    }
    return {};
}

int UebungsmodusGueltig(int modus)
{
    return modus >= 0 && modus < kUebungsmodusAnzahl ? modus : uebmodusWiederholen;
}

int RueckmeldungRichtigFuer(int uebungsmodus)
{
    return uebungsmodus == uebmodusOhneRueckmeldung ? 2 : 0;
}

SerienSkalaTyp SkalaGueltig(SerienSkalaTyp skala)
{
    for (double &q : skala.NoteMinQuote)
        q = std::isfinite(q) ? std::clamp(q, 0.0, 1.0) : 0.0;
    for (double &q : skala.PunkteMinQuote)
        q = std::isfinite(q) ? std::clamp(q, 0.0, 1.0) : 0.0;
    if (skala.BewertSkala < 0 || skala.BewertSkala > 4)
        skala.BewertSkala = 0;
    return skala;
}

QString SerienTitelVorgabe()
{
    return QStringLiteral("Titel der Übungsserie");
}

QString SerienInformationVorgabe()
{
    return QStringLiteral("Fach / Thema: <tab>\r\nKlasse / Kurs: <tab>\r\nTestform / Beschreibung: <tab>");
}

QString OhneTitelText()
{
    return QStringLiteral("(ohne Titel)");
}

QString InformationMitLeerzeichen(const QString &information)
{
    QString t = information;
    return t.replace(QStringLiteral("<tab>"), QStringLiteral(" "));
}

QString InformationMitTabulator(const QString &information)
{
    QString t = information;
    return t.replace(QStringLiteral("<tab>"), QStringLiteral("\t"));
}

QString SerieStartFrage(const QString &protokolltitel, const QString &information)
{
    return QStringLiteral("Die Übungs-Serie wird jetzt gestartet. Fortfahren?\r\n\r\n") + protokolltitel
           + QStringLiteral("\r\n\r\n") + InformationMitLeerzeichen(information);
}

QString TeiluebungBeendetText(int beendet, int anzahl)
{
    QString t = QStringLiteral("Teilübung Nr. ") + QString::number(beendet) + QStringLiteral(" von ")
                + QString::number(anzahl) + QStringLiteral(" ist beendet.");
    if (beendet < anzahl)
        t += QStringLiteral("\r\nMit Klick auf OK startet die nächste Teilübung.");
    return t;
}

QString SerieStatusVonText(int anzahl)
{
    return QStringLiteral("von  ") + QString::number(anzahl);
}

int ZeitlimitSekunden(int zeitMinuten)
{
    if (zeitMinuten <= 0)
        return 0;
    const qint64 s = qint64(zeitMinuten) * 60;
    return int(std::min<qint64>(s, std::numeric_limits<int>::max()));
}

double SerienGesamtleistung(double punkte, double gewichtssumme)
{
    if (!(gewichtssumme > 0.0) || !std::isfinite(punkte))
        return 0.0;
    return std::clamp(punkte / gewichtssumme, 0.0, 1.0);
}

QString LeistungProzentText(double gesamtleistung)
{
    return QString::number(gesamtleistung * 100.0, 'f', 1) + QStringLiteral(" %");
}

QString GesamtprotokollText(const UebungsserieDataTyp &serie, const QString &teilnehmerName,
                            const SerienBewertung &bewertung)
{
    const QString zeile = QStringLiteral("\r\n");
    QString t = QStringLiteral("<tit>Gesamtprotokoll der Übungsserie") + zeile + zeile;
    if (!serie.Protokolltitel.isEmpty())
        t += QStringLiteral("<tit>") + serie.Protokolltitel + zeile + zeile;
    if (!serie.Information.isEmpty())
        t += InformationMitTabulator(serie.Information) + zeile + zeile;
    t += QStringLiteral("Teilnehmername:\t")
         + (teilnehmerName.isEmpty() ? QStringLiteral("(kein Name)") : teilnehmerName) + zeile + zeile + zeile;
    t += QStringLiteral("<tit>Gesamtergebnis") + zeile;
    t += QStringLiteral("Gesamtleistung:\t") + LeistungProzentText(serie.Gesamtleistung) + zeile;
    t += QStringLiteral("Bewertung:\t") + bewertung.NotenWort + zeile;
    t += bewertung.SkalaWort + QStringLiteral(":\t") + QString::number(bewertung.Note) + zeile;
    t += serie.Gesamtprotokoll;
    t += zeile;
    return t;
}

QString MeldungKeineDokumente()
{
    return QStringLiteral("Es wurden noch keine Kalumo-Dokumente für die Übungs-Serie ausgewählt.");
}

QString MeldungSerienordnerUngueltig()
{
    return QStringLiteral("Der angegebene Ordner für die Übungsserie ist ungültig.");
}

QString MeldungGewichtungNull()
{
    return QStringLiteral("Die Gewichtungen der ausgewählten Übungen ergeben zusammen 0.\r\n"
                          "Bitte geben Sie mindestens einer Übung eine Gewichtung größer als 0.");
}

QString MeldungGewichtungNegativ(int nummer)
{
    return QStringLiteral("Die Gewichtung der Übung Nr. ") + QString::number(nummer)
           + QStringLiteral(" ist negativ.\r\nBitte geben Sie eine Gewichtung von 0 oder mehr ein.");
}

QString GewichtungenPruefen(const std::vector<UebungsserieDokTyp> &dokumente, bool nurAktive)
{
    qint64 summe = 0;
    for (size_t i = 0; i < dokumente.size(); ++i) {
        const UebungsserieDokTyp &d = dokumente[i];
        if (nurAktive && !d.Aktiv)
            continue;
        if (d.Gewichtung < 0)
            return MeldungGewichtungNegativ(int(i) + 1);
        summe += d.Gewichtung;
    }
    return summe > 0 ? QString() : MeldungGewichtungNull();
}

int ZellenZahl(const QString &text)
{
    QString t;
    t.reserve(text.size());
    for (QChar c : text) {
        if (c == QLatin1Char(' '))
            continue;
        t += c == QLatin1Char(',') ? QLatin1Char('.') : c;
    }
    bool ok = false;
    const double d = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(d))
        return 0;
    const double gerundet = std::nearbyint(d);   // the default rounding mode rounds halves to even
    if (gerundet >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (gerundet <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(gerundet);
}

} // namespace kalumo
