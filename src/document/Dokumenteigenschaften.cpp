#include "document/Dokumenteigenschaften.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace kalumo {

// ---- passwords ----------------------------------------------------------

QString PasswortSpeichernHinweis()
{
    const QString q = QStringLiteral("\"");
    return QStringLiteral("Bitte speichern Sie im nächsten Schritt das Dokument unter dem gewünschten Dateinamen ab. Das "
                          "Dokument ist dann ab dem nächsten Öffnen vor Änderungen passwort-geschützt.\r\n\r\nHinweis: "
                          "Wenn Sie das Dokument weiter bearbeiten möchten (ggf. nach erneutem Öffnen und "
                          "Passworteingabe), können Sie später auch direkt ")
        + q + QStringLiteral("Datei / Speichern") + q + QStringLiteral(" bzw. ") + q
        + QStringLiteral("Datei / Speichern unter...") + q
        + QStringLiteral(" aufrufen. Ein gesetztes Passwort bleibt dabei erhalten. Um das Passwort zu ändern oder zu "
                         "löschen, wählen Sie ")
        + q + QStringLiteral("Datei / Passwortgeschützt speichern unter...") + q + QStringLiteral(".");
}

bool PasswortPruefen(const QString &passwort, bool &ok, Passwortabfrage &abfrage, Meldungen &meldungen,
                     const QString &erklaerung)
{
    if (passwort.isEmpty() || ok)
        return true;
    for (;;) {
        const std::optional<QString> eingabe = abfrage.Fragen(QString::fromUtf8(kPasswortTitel), erklaerung);
        if (!eingabe)
            return false;
        if (*eingabe == passwort) {
            ok = true;
            return true;
        }
        ok = false;
        meldungen.Fehler(QString::fromUtf8(kPasswortFalsch));
    }
}

bool DokPasswortPruefen(HeaderDataTyp &kopf, Passwortabfrage &abfrage, Meldungen &meldungen, const QString &erklaerung)
{
    return PasswortPruefen(kopf.DokPasswort, kopf.DokPasswortOk, abfrage, meldungen, erklaerung);
}

bool BilderPasswortPruefen(HeaderDataTyp &kopf, Passwortabfrage &abfrage, Meldungen &meldungen,
                           const QString &erklaerung)
{
    return PasswortPruefen(kopf.BilderPasswort, kopf.BilderPasswortOk, abfrage, meldungen, erklaerung);
}

bool DokPasswortNeuSetzen(HeaderDataTyp &kopf, Passwortabfrage &abfrage, Meldungen &meldungen)
{
    if (!kopf.DokPasswort.isEmpty() && !DokPasswortPruefen(kopf, abfrage, meldungen, QString::fromUtf8(kPasswortAltErklaerung)))
        return false;
    const std::optional<QString> neu = abfrage.Fragen(QString::fromUtf8(kPasswortTitel), QString::fromUtf8(kDokPasswortNeuErklaerung));
    if (!neu)
        return false;
    kopf.DokPasswort = *neu;
    kopf.DokPasswortOk = true;
    meldungen.Information(PasswortSpeichernHinweis());
    return true;
}

std::optional<QString> BilderPasswortNeu(HeaderDataTyp &kopf, const QString &arbeitskopie, Passwortabfrage &abfrage,
                                         Meldungen &meldungen)
{
    if (!arbeitskopie.isEmpty()
        && !PasswortPruefen(arbeitskopie, kopf.BilderPasswortOk, abfrage, meldungen, QString::fromUtf8(kPasswortAltErklaerung)))
        return std::nullopt;
    const std::optional<QString> neu =
        abfrage.Fragen(QString::fromUtf8(kPasswortTitel), QString::fromUtf8(kBilderPasswortNeuErklaerung));
    if (!neu)
        return std::nullopt;
    meldungen.Information(QString::fromUtf8(kBilderPasswortGesetzt));
    return neu;
}

// ---- the properties dialog ----------------------------------------------

namespace {

constexpr int kZielpunktStufen = 10; // 100 % down to 10 %, then "unsichtbar"

} // namespace

QStringList ZielpunktListe()
{
    QStringList l;
    for (int i = 0; i < kZielpunktStufen; ++i)
        l << QString::number(100 - 10 * i) + QStringLiteral("%");
    l << QStringLiteral("unsichtbar");
    return l;
}

int ZielpunktIndex(int zielpunktgroesse)
{
    return std::clamp(kZielpunktStufen - zielpunktgroesse / 10, 0, kZielpunktStufen);
}

int ZielpunktGroesse(int index)
{
    return 100 - 10 * std::clamp(index, 0, kZielpunktStufen);
}

QString DateigroesseText(qint64 bytes, const QLocale &locale)
{
    return locale.toString(qlonglong(bytes)) + QStringLiteral(" Bytes");
}

Dateifakten DateifaktenLesen(const QString &pfad, const QLocale &locale)
{
    Dateifakten f;
    if (pfad.isEmpty())
        return f;
    const QFileInfo info(pfad);
    f.Datei = info.fileName();
    f.Ordner = info.absolutePath();
    if (info.isFile()) {
        f.Groesse = DateigroesseText(info.size(), locale);
        const QDateTime zeit = info.lastModified();
        if (zeit.isValid())
            f.GeaendertAm = locale.toString(zeit, QLocale::ShortFormat);
    }
    return f;
}

EigenschaftenWerte EigenschaftenLesen(const HeaderDataTyp &k)
{
    EigenschaftenWerte w;
    w.Titel = k.titel;
    w.Autor = k.autor;
    w.Bemerkung = k.bemerkung;
    w.NumArt = k.NumArt;
    w.GeordnetArt = k.GeordnetArt;
    w.ZielpunktIndex = ZielpunktIndex(k.Zielpunktgroesse);
    w.BilderPasswort = k.BilderPasswort;
    w.Logo = k.ABLogo;
    w.LogoProzent = int(std::lround(k.LogoGroesse * 100));
    w.LogoAusricht = k.LogoAusricht;
    w.Fusszeile = k.Fusszeile;
    w.FusszeileAusricht = k.FusszeileAusricht;
    w.UebEinstSpeichern = k.UebEinstSpeichern;
    w.LernansichtSperren = k.LernansichtSperren;
    w.ArbeitsblattSperren = k.ArbeitsblattSperren;
    return w;
}

EigenschaftenFolgen EigenschaftenUebernehmen(HeaderDataTyp &k, const EigenschaftenWerte &w)
{
    EigenschaftenFolgen f;
    auto setzen = [&k](auto &feld, const auto &wert) {
        if (feld == wert)
            return false;
        feld = wert;
        k.Geaendert = true;
        return true;
    };
    setzen(k.titel, w.Titel);
    setzen(k.autor, w.Autor);
    setzen(k.bemerkung, w.Bemerkung);
    f.Neuzeichnen = setzen(k.NumArt, w.NumArt);
    f.Neunummerieren = setzen(k.GeordnetArt, w.GeordnetArt);
    setzen(k.Zielpunktgroesse, ZielpunktGroesse(w.ZielpunktIndex));
    if (setzen(k.BilderPasswort, w.BilderPasswort))
        k.BilderPasswortOk = false;
    if (w.Logo.isNull() != k.ABLogo.isNull() || w.Logo != k.ABLogo)
        setzen(k.ABLogo, w.Logo);
    if (int(std::lround(k.LogoGroesse * 100)) != w.LogoProzent)
        setzen(k.LogoGroesse, w.LogoProzent / 100.0);
    setzen(k.LogoAusricht, w.LogoAusricht);
    setzen(k.Fusszeile, w.Fusszeile);
    setzen(k.FusszeileAusricht, w.FusszeileAusricht);
    setzen(k.UebEinstSpeichern, w.UebEinstSpeichern);
    setzen(k.LernansichtSperren, w.LernansichtSperren);
    setzen(k.ArbeitsblattSperren, w.ArbeitsblattSperren);
    return f;
}

QString TitelMitDokTyp(const QString &titel, const HeaderDataTyp &kopf)
{
    const QString typ = DokTypName(kopf);
    const QString t = titel.trimmed();
    return t.isEmpty() ? typ : t + QStringLiteral(" - ") + typ;
}

bool LogoEndungErlaubt(const QString &pfad)
{
    const QString endung = QFileInfo(pfad).suffix().toLower();
    return endung == QLatin1String("bmp") || endung == QLatin1String("png") || endung == QLatin1String("jpg");
}

QString LogoEndungFehlerText()
{
    return QStringLiteral("Öffnen fehlgeschlagen wegen ungültiger Dateinamenserweiterung.");
}

// ---- logo and footer for every document of a folder ----------------------

QString FuerAlleFrageText(const QString &ordner)
{
    return QStringLiteral("Achtung: Hiermit werden Logo und Fußzeile des Arbeitsblattes für alle Kalumo-Dokumente "
                          "innerhalb des Ordners \r\n")
        + ordner + QStringLiteral("\r\n")
        + QStringLiteral("ersetzt. Möchten Sie wirklich fortfahren und das aktuelle Logo und die aktuelle Fußzeile für "
                         "alle Dokumente des Ordners übernehmen?");
}

QString FuerAlleFortschrittText(int nummer, int anzahl)
{
    return QStringLiteral("Daten werden übernommen.|Bearbeite Dokument Nr. ") + QString::number(nummer)
        + QStringLiteral(" von ") + QString::number(anzahl) + QStringLiteral(".|Bitte warten.");
}

LogoFusszeile LogoFusszeileAus(const EigenschaftenWerte &w)
{
    return {w.Logo, w.LogoProzent / 100.0, w.LogoAusricht, w.Fusszeile, w.FusszeileAusricht};
}

namespace {

// Reads and writes a document as it is: its stored font is kept even when
// this computer does not have it installed.
class UnveraendertDienste : public EinfacheDokumentDienste
{
public:
    using EinfacheDokumentDienste::EinfacheDokumentDienste;
    bool SchriftInstalliert(const QString &) const override { return true; }
};

} // namespace

FuerAlleErgebnis LogoFuerAlleUebernehmen(const QString &ordner, const LogoFusszeile &werte, const QString &ausnahme,
                                         const std::function<void(int, int)> &fortschritt)
{
    FuerAlleErgebnis e;
    // every document file, also one the library would leave out as unreadable: it is named
    const QFileInfoList liste = ordner.isEmpty() ? QFileInfoList()
                                                 : QDir(ordner).entryInfoList({QStringLiteral("*.kal")},
                                                                              QDir::Files | QDir::Hidden | QDir::System,
                                                                              QDir::Name | QDir::IgnoreCase);
    const int anzahl = int(liste.size());
    for (int i = 0; i < anzahl; ++i) {
        const QString pfad = liste[i].filePath();
        if (fortschritt)
            fortschritt(i + 1, anzahl);
        SkriptMeldungen meldungen; // collected, not shown: the file is named instead
        UnveraendertDienste dienste(meldungen);
        Dokument dok;
        if (!DokumentLesen(dok, dienste, pfad, false) || !meldungen.Gezeigt().empty()) {
            e.Fehlgeschlagen << pfad;
            continue;
        }
        if (!dok.Kopf.DokPasswort.isEmpty() && pfad != ausnahme) {
            e.Geschuetzt << pfad;
            continue;
        }
        dok.Kopf.ABLogo = werte.Logo;
        dok.Kopf.LogoGroesse = werte.LogoGroesse;
        dok.Kopf.LogoAusricht = werte.LogoAusricht;
        dok.Kopf.Fusszeile = werte.Fusszeile;
        dok.Kopf.FusszeileAusricht = werte.FusszeileAusricht;
        // written through a temporary file beside it: a failed write keeps the old bytes
        if (!DokumentSchreiben(dok, dienste, pfad, false) || !meldungen.Gezeigt().empty()) {
            e.Fehlgeschlagen << pfad;
            continue;
        }
        ++e.Geschrieben;
    }
    return e;
}

QString FuerAlleFehlerText(const FuerAlleErgebnis &e)
{
    QString text;
    auto liste = [](const QStringList &dateien) {
        QString t;
        for (const QString &d : dateien)
            t += QStringLiteral("\r\n\"") + d + QStringLiteral("\"");
        return t;
    };
    if (!e.Fehlgeschlagen.isEmpty())
        text += QStringLiteral("Folgende Dokumente konnten nicht gelesen oder geschrieben werden und blieben "
                               "unverändert:")
            + liste(e.Fehlgeschlagen);
    if (!e.Geschuetzt.isEmpty()) {
        if (!text.isEmpty())
            text += QStringLiteral("\r\n\r\n");
        text += QStringLiteral("Folgende Dokumente sind passwort-geschützt und blieben unverändert:")
            + liste(e.Geschuetzt);
    }
    return text;
}

// ---- margins --------------------------------------------------------------

namespace {

constexpr double kRaenderSummeMax = 60.0; // percent, per pair

bool PaarGueltig(double a, double b)
{
    // a field that is no number (NaN) fails as well
    return a >= 0 && b >= 0 && a + b <= kRaenderSummeMax + 1e-9;
}

} // namespace

QString RaenderObenUntenFehler()
{
    return QStringLiteral("Oberer und unterer Rand dürfen nicht negativ sein und in der Summe maximal 60 % betragen.");
}

QString RaenderLinksRechtsFehler()
{
    return QStringLiteral("Linker und rechter Rand dürfen nicht negativ sein und in der Summe maximal 60 % betragen.");
}

QString RaenderPruefen(double links, double oben, double rechts, double unten)
{
    if (!PaarGueltig(oben, unten))
        return RaenderObenUntenFehler();
    if (!PaarGueltig(links, rechts))
        return RaenderLinksRechtsFehler();
    return {};
}

} // namespace kalumo
