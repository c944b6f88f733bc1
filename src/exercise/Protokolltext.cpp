#include "exercise/Protokolltext.h"

#include "document/DokumentModell.h"
#include "exercise/Notenskala.h"
#include "exercise/Uebungseinstellungen.h"
#include "platform/Datumswert.h"

#include <QFileInfo>
#include <QLocale>

namespace kalumo {

namespace {

const QString kZeilenende = QStringLiteral("\r\n");

QString q(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The answer options or ticked answers: each in double quotes, ", " between.
QString Liste(const QStringList &texte)
{
    QStringList teile;
    for (const QString &t : texte)
        teile << q(t);
    return teile.join(QStringLiteral(", "));
}

// What the cards and targets of an assignment type are called.
enum class Zuordnungsart { Bild, Luecke, Korb, Kreuzwort };

Zuordnungsart ArtVon(int dokTyp)
{
    switch (dokTyp) {
    case dokLueckentext: return Zuordnungsart::Luecke;
    case dokCluster: return Zuordnungsart::Korb;
    case dokKreuzwortraetsel: return Zuordnungsart::Kreuzwort;
    default: return Zuordnungsart::Bild;
    }
}

QString KarteGezeigt(const ProtokollEintrag &e)
{
    const QString k = q(e.KarteText);
    switch (ArtVon(e.DokTyp)) {
    case Zuordnungsart::Luecke: return QStringLiteral("Lückentext ") + k + QStringLiteral(" soll der richtigen Lücke zugeordnet werden");
    case Zuordnungsart::Korb: return QStringLiteral("Text-/Bildkärtchen ") + k + QStringLiteral(" soll dem richtigen Korb zugeordnet werden");
    case Zuordnungsart::Kreuzwort:
        return QStringLiteral("Buchstabenkärtchen ") + k + QStringLiteral(" soll der richtigen Position zugeordnet werden");
    case Zuordnungsart::Bild: break;
    }
    return QStringLiteral("Text-/Bildkärtchen ") + k + QStringLiteral(" soll der richtigen Position zugeordnet werden");
}

QString PositionGezeigt(const ProtokollEintrag &e)
{
    const QString z = q(e.ZielText);
    switch (ArtVon(e.DokTyp)) {
    case Zuordnungsart::Luecke: return QStringLiteral("Der Lücke ") + z + QStringLiteral(" soll der richtige Lückentext zugeordnet werden");
    case Zuordnungsart::Kreuzwort:
        return QStringLiteral("Der Position ") + z + QStringLiteral(" soll das richtige Buchstabenkärtchen zugeordnet werden");
    case Zuordnungsart::Bild:
    case Zuordnungsart::Korb: break;
    }
    return QStringLiteral("Der Position ") + z + QStringLiteral(" soll das richtige Text- oder Bildkärtchen zugeordnet werden");
}

// The words of the answer lines of image labelling, cloze and crossword.
struct Zuordnungsworte
{
    const char *Karte;           // "Lückentext "
    const char *RichtigesZiel;   // "der richtigen Lücke"
    const char *ZielVon;         // "der Lücke von "
    const char *ZielName;        // "Der Lücke " (single query of positions)
    const char *RichtigeKarte;   // "der richtige Lückentext"
    const char *KarteName;       // "der Lückentext "
};

const Zuordnungsworte &WorteVon(Zuordnungsart art)
{
    static const Zuordnungsworte luecke{"Lückentext ", "der richtigen Lücke", "der Lücke von ", "Der Lücke ",
                                        "der richtige Lückentext", "der Lückentext "};
    static const Zuordnungsworte kreuzwort{"Buchstabenkärtchen ", "der richtigen Position", "der Position von ",
                                           "Der Position von ", "das richtige Buchstabenkärtchen",
                                           "das Buchstabenkärtchen "};
    static const Zuordnungsworte bild{"Text-/Bildkärtchen ", "der richtigen Position", "der Position von ",
                                      "Der Position von ", "das richtige Text-/Bildkärtchen", "das Text-/Bildkärtchen "};
    switch (art) {
    case Zuordnungsart::Luecke: return luecke;
    case Zuordnungsart::Kreuzwort: return kreuzwort;
    case Zuordnungsart::Bild:
    case Zuordnungsart::Korb: break;
    }
    return bild;
}

// The answer line of image labelling, cloze and crossword.
QString ZuordnungsAntwort(const ProtokollEintrag &e)
{
    const QString k = q(e.KarteText), z = q(e.ZielText);
    const Zuordnungsworte &w = WorteVon(ArtVon(e.DokTyp));
    auto t = [](const char *text) { return QString::fromUtf8(text); };
    if (e.AbfrageModus == abfEinzelPositionen) {
        if (e.Richtig)
            return QStringLiteral("RICHTIG - ") + t(w.ZielName) + z + QStringLiteral(" wird ") + t(w.RichtigeKarte)
                   + QStringLiteral(" zugeordnet");
        return QStringLiteral("FALSCH - ") + t(w.ZielName) + z + QStringLiteral(" wird ") + t(w.KarteName) + k
               + QStringLiteral(" zugeordnet");
    }
    if (e.Richtig) {
        if (e.AbfrageModus == abfEinzelTexte)
            return QStringLiteral("RICHTIG - ") + t(w.Karte) + k + QStringLiteral(" wird richtig zugeordnet");
        return QStringLiteral("RICHTIG - ") + t(w.Karte) + k + QStringLiteral(" wird ") + t(w.RichtigesZiel)
               + QStringLiteral(" zugeordnet");
    }
    return QStringLiteral("FALSCH - ") + t(w.Karte) + k + QStringLiteral(" wird ") + t(w.ZielVon) + z
           + QStringLiteral(" zugeordnet");
}

QString Antwortzeile(const ProtokollEintrag &e)
{
    const QString urteil = e.Richtig ? QStringLiteral("RICHTIG - ") : QStringLiteral("FALSCH - ");
    switch (e.DokTyp) {
    case dokEinzelfragen: return urteil + QStringLiteral("Gewählte Antwort: ") + q(e.KarteText);
    case dokMultipleChoice: {
        const QString liste = e.Angekreuzt.isEmpty() ? QStringLiteral("- keine -") : Liste(e.Angekreuzt);
        return (e.Richtig ? urteil : QStringLiteral("FALSCH bzw. NICHT KOMPLETT RICHTIG - "))
               + QStringLiteral("Gewählte Antwort(en): ") + liste;
    }
    case dokCluster:
        return urteil + QStringLiteral("Text-/Bildkärtchen ") + q(e.KarteText)
               + (e.Richtig ? QStringLiteral(" wird dem richtigen Korb zugeordnet")
                            : QStringLiteral(" wird dem falschen Korb zugeordnet"));
    case dokKreuzZuordnung:
        return urteil + q(e.KarteText) + QStringLiteral(" wird mit ") + q(e.ZielText) + QStringLiteral(" verbunden");
    default: return ZuordnungsAntwort(e);
    }
}

QString Texteingabezeile(const ProtokollEintrag &e)
{
    switch (e.Ergebnis) {
    case EingabeErgebnis::Richtig:
        return QStringLiteral("RICHTIG - Texteingabe ") + q(e.ZielText) + QStringLiteral(" wurde richtig eingegeben");
    case EingabeErgebnis::Alternativ:
        return QStringLiteral("RICHTIG - alternative Texteingabe ") + q(e.Eingabe) + QStringLiteral(" für ")
               + q(e.ZielText) + QStringLiteral(" eingegeben");
    case EingabeErgebnis::Falsch:
    case EingabeErgebnis::Fehlend: break;
    }
    return QStringLiteral("FALSCH - Texteingabe ") + q(e.Eingabe) + QStringLiteral(" statt ") + q(e.ZielText)
           + QStringLiteral(" eingegeben");
}

QString Textstellenzeile(const ProtokollEintrag &e)
{
    const QString t = q(e.ZielText);
    switch (e.Ergebnis) {
    case EingabeErgebnis::Richtig:
    case EingabeErgebnis::Alternativ: return QStringLiteral("RICHTIG - Textstelle ") + t + QStringLiteral(" wurde richtig markiert");
    case EingabeErgebnis::Fehlend: return QStringLiteral("FEHLEND - Textstelle ") + t + QStringLiteral(" wurde nicht markiert");
    case EingabeErgebnis::Falsch: break;
    }
    return QStringLiteral("FALSCH - Textstelle ") + t + QStringLiteral(" wurde fälschlich markiert");
}

QString Zaehlung(const QString &titel, const ProtokollEintrag &e)
{
    return titel + QStringLiteral(" - richtig: ") + QString::number(e.AnzRichtig) + QStringLiteral(" - falsch: ")
           + QString::number(e.AnzFalsch) + QStringLiteral(" - fehlend: ") + QString::number(e.AnzFehlend);
}

} // namespace

void ProtokollZeile(QString &puffer, QString &ablauf, const QString &text, bool stempel, qint64 laufzeitMs)
{
    if (stempel)
        ablauf += Uhrtext(std::max<qint64>(0, laufzeitMs) / 1000) + QStringLiteral(" - ");
    puffer += text + kZeilenende;
}

std::vector<Protokolltextzeile> ProtokollZeilenVon(const ProtokollEintrag &e)
{
    switch (e.Art) {
    case ProtokollArt::Start: return {{QStringLiteral("Übung wird gestartet")}};
    case ProtokollArt::KarteGezeigt: return {{KarteGezeigt(e)}};
    case ProtokollArt::PositionGezeigt: return {{PositionGezeigt(e)}};
    case ProtokollArt::FrageGezeigt: {
        QString frage = QStringLiteral("Frage Nr. ") + QString::number(e.FrageNummer) + kZeilenende + e.Fragetext;
        if (e.DokTyp == dokMultipleChoice && e.FrageMitBild)
            frage += QStringLiteral(" (Bild)");
        const QString merkmal = e.DokTyp == dokMultipleChoice ? QStringLiteral(" (zutreffend)") : QStringLiteral(" (Lösung)");
        QStringList optionen;
        for (int i = 0; i < e.Optionen.size(); ++i) {
            QString o = q(e.Optionen[i]);
            if (size_t(i) < e.Loesungen.size() && e.Loesungen[size_t(i)])
                o += merkmal;
            optionen << o;
        }
        return {{QString(), false},
                {frage, true},
                {QStringLiteral("Antwortmöglichkeiten: ") + optionen.join(QStringLiteral(", ")), false}};
    }
    case ProtokollArt::Antwort: return {{Antwortzeile(e)}};
    case ProtokollArt::Haekchen: return {{Zaehlung(QStringLiteral("Häkchen"), e)}};
    case ProtokollArt::Texteingabe: return {{Texteingabezeile(e)}};
    case ProtokollArt::Textstelle: return {{Textstellenzeile(e)}};
    case ProtokollArt::Textmarkierungen: return {{Zaehlung(QStringLiteral("Textmarkierungen"), e)}};
    case ProtokollArt::Zeitlimit: return {{QString::fromUtf8(uebtext::Zeitlimit)}};
    }
    return {};
}

void ProtokollEintragSchreiben(QString &ablauf, const ProtokollEintrag &e)
{
    for (const Protokolltextzeile &z : ProtokollZeilenVon(e))
        ProtokollZeile(ablauf, ablauf, z.Text, z.Stempel, e.Laufzeit);
}

QString UebArtText(int uebArt)
{
    switch (uebArt) {
    case uebNetzTeilnahme: return QStringLiteral("Teilnahme an Netzwerk-Übung");
    case uebNetzInitiiert: return QStringLiteral("Initiierte Netzwerk-Übung");
    case uebSerie: return QStringLiteral("Teilübung einer Übungsserie");
    default: return QStringLiteral("Individual-Übung");
    }
}

QString ErgebnisZeitBeschriftung(int zeitlimit)
{
    return zeitlimit == zlMitLimit ? QStringLiteral("Verbliebene Zeit:") : QStringLiteral("Benötigte Zeit:");
}

namespace {

QString Wahl(int wert, std::initializer_list<const char *> texte)
{
    int i = 0;
    for (const char *t : texte)
        if (i++ == wert)
            return QString::fromUtf8(t);
    return QString::fromUtf8(*texte.begin());
}

QString ZeitlimitText(const UebDataTyp &d)
{
    if (d.Zeitlimit == zlMitLimit)
        return QStringLiteral("ja, ") + Uhrtext(d.ZLimit);
    return d.Zeitlimit == zlOhneOhneUhr ? QStringLiteral("nein, ohne Uhr") : QStringLiteral("nein, mit Uhr");
}

QString Zeile(const char *beschriftung, const QString &wert)
{
    return QString::fromUtf8(beschriftung) + QLatin1Char('\t') + wert;
}

} // namespace

QStringList Einstellungsabschnitt(const UebDataTyp &d, const ProtokollUmfeld &u)
{
    QStringList z;
    const QDateTime beginn = DatumswertZuZeit(d.StartZeit);
    z << Zeile("Datum/Uhrzeit (Beginn):", beginn.isValid() ? QLocale().toString(beginn, QLocale::ShortFormat) : QString());
    QString name;
    if (d.UebArt == uebNetzInitiiert)
        name = QStringLiteral("(Initiator der Netzwerk-Übung)");
    else
        name = (d.UebArt == uebNetzTeilnahme ? d.NetzTeilnehmerName : d.TeilnehmerName).trimmed();
    if (name.isEmpty())
        name = QStringLiteral("(kein Name)");
    z << Zeile("Teilnehmername:", name);
    z << Zeile("Rechnername:", u.Rechnername);
    z << Zeile("Rechnerbenutzer:", u.Benutzer);
    z << Zeile("Übungsart:", UebArtText(d.UebArt));
    if (d.UebArt == uebNetzInitiiert) {
        z << Zeile("Kommunikationsordner:", u.KomOrdner);
        z << Zeile("Kommunikationskanal:", u.KomKanal);
    }
    z << QString();
    z << QStringLiteral("<tit>Übungseinstellungen");
    z << Zeile("Titel:", u.Titel);
    z << Zeile("Datei:", QFileInfo(u.Datei).fileName());
    z << Zeile("Dokumententyp:", DokTypName(u.DokTyp, u.DokUnterTyp));
    if (d.AnzAbfragen == d.GesamtAbfragen)
        z << Zeile("Übungsumfang:", QString::number(d.AnzAbfragen) + QStringLiteral(" Abfragen (komplette Übung)"));
    else
        z << Zeile("Übungsumfang:", QString::number(d.AnzAbfragen) + QStringLiteral(" von ")
                                        + QString::number(d.GesamtAbfragen) + QStringLiteral(" Abfragen (Teilwiederholung)"));
    switch (u.DokTyp) {
    case dokBildbeschriftung:
    case dokLueckentext:
    case dokCluster:
    case dokKreuzwortraetsel:
        z << Zeile("Abfragemodus:", Wahl(u.Modus, {"freie Zuordnung in beliebiger Reihenfolge", "Einzelabfrage Texte/Bilder",
                                                   "Einzelabfrage Positionen", "Texteingabe"}));
        z << Zeile("Zeitlimit:", ZeitlimitText(d));
        if (u.DokTyp != dokCluster && u.Modus != abfTexteingabe) {
            z << Zeile("Verhalten bei richtiger Zuordnung:",
                       Wahl(d.ZuordnungRichtig, {"Beschriftung einblenden", "grünes Häkchen setzen", "keine Richtig-Rückmeldung"}));
            z << Zeile("Verhalten bei Fehlversuch:",
                       Wahl(d.ZuordnungFalsch, {"beliebig viele Zuordnungsversuche erlaubt",
                                                "rotes Kreuz setzen, keine erneute Zuordnung an dieser Position",
                                                "keine Falsch-Rückmeldung, keine erneute Zuordnung an dieser Position"}));
            z << Zeile("Zuordnungstexte:", Wahl(d.Zuordnungstexte, {"alphabetisch geordnet", "zufällig gemischt"}));
            z << Zeile("Zuordnungsziele (Positionen):",
                       Wahl(d.Zuordnungsziele, {"geordnet nummeriert", "zufällig gemischt nummeriert", "Fragezeichen"}));
        }
        break;
    case dokEinzelfragen:
    case dokMultipleChoice:
        z << Zeile("Abfragemodus:", Wahl(d.ZuordnungFalsch, {"solange wiederholen, bis jede Frage richtig beantwortet wurde",
                                                             "jede Frage nur einmal stellen",
                                                             "keine Falsch-Rückmeldung, jede Frage nur einmal stellen"}));
        z << Zeile("Zeitlimit:", ZeitlimitText(d));
        z << Zeile("Antwortmöglichkeiten:",
                   d.Zuordnungstexte == 0 ? (u.DokTyp == dokMultipleChoice ? QStringLiteral("wie vorgegeben geordnet")
                                                                          : QStringLiteral("alphabetisch geordnet"))
                                          : QStringLiteral("zufällig gemischt"));
        z << Zeile("Reihenfolge der Fragen:",
                   d.Zuordnungsziele == 0 ? QStringLiteral("wie vorgegeben geordnet") : QStringLiteral("zufällig gemischt"));
        break;
    default: break;   // cross matching and find words: no mode, no time limit
    }
    NotenskalaTyp skala;
    skala.NoteMinQuote = d.NoteMinQuote;
    skala.PunkteMinQuote = d.PunkteMinQuote;
    skala.BewertSkala = d.BewertSkala;
    z << SkalaGrenzenZeile(skala);
    z << QString();
    return z;
}

QString ProtokollKopfText(const UebDataTyp &d, const ProtokollUmfeld &u, const QString &uhrtext)
{
    QStringList z;
    if (d.UebArt == uebSerie && u.SerienNummer > 0)
        z << QStringLiteral("<tit>Übungsprotokoll zu Teilübung Nr. ") + QString::number(u.SerienNummer);
    else
        z << QStringLiteral("<tit>Übungsprotokoll");
    z << Einstellungsabschnitt(d, u);
    z << QStringLiteral("<tit>Statistik-Zusammenfassung");
    z << Zeile("Richtig zugeordnet:", d.RichtigText);
    z << Zeile("Fehlversuche:", d.FalschText);
    z << Zeile("Erfolgsquote:", d.QuoteText);
    z << Zeile("Offene Positionen:", QString::number(d.OffenePositionen));
    z << ErgebnisZeitBeschriftung(d.Zeitlimit) + QLatin1Char('\t') + uhrtext;
    z << Zeile("Gesamtleistung:", d.LeistungText);
    z << Zeile("Bewertung:", NotenWort(d.Note, d.BewertSkala));
    z << SkalaWort(d.BewertSkala) + QStringLiteral(":\t") + QString::number(d.Note);
    if (d.UebArt == uebSerie && u.SerienNummer > 0)
        z << Zeile("Gewichtung:", u.Gewichtung);
    z << QString();
    z << QStringLiteral("<tit>Detaillierter Ablauf");
    QString text;
    for (const QString &zeile : z)
        ProtokollZeile(text, text, zeile, false, 0);
    return text;
}

} // namespace kalumo
