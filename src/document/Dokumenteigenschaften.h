#pragma once
// Document properties and passwords without a window: the password checks,
// the values of the dialog "Dokumenteigenschaften" and how they are taken
// over, taking logo and footer over into every document of a folder, and
// the checks of the dialog "Ränder".
//
// A document password is a lock against editing in this program, not
// encryption: the file stays readable to anyone.

#include "document/DokumentDateien.h"
#include "document/DokumentModell.h"
#include "platform/Meldungen.h"
#include "platform/Passwortabfrage.h"

#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace kalumo {

// ---- passwords ----------------------------------------------------------

// The explanation lines of the two password dialogs and the messages.
inline constexpr char kDokPasswortErklaerung[] =
    "Dieses Dokument ist passwort-geschützt. Um Änderungen am Dokument vorzunehmen, wird das Passwort benötigt.";
inline constexpr char kBilderPasswortErklaerung[] =
    "Die im Dokument enthaltenen Bilder sind passwort-geschützt. Um diese Bilder zu exportieren, wird das Passwort "
    "benötigt.";
inline constexpr char kPasswortAltErklaerung[] =
    "Bitte authentifizieren Sie sich zunächst durch Eingabe des ALTEN Passworts.";
inline constexpr char kDokPasswortNeuErklaerung[] =
    "Bitte geben Sie das (neue) Passwort ein, mit dem das Dokument vor Änderungen geschützt werden soll. Feld frei "
    "lassen, um kein Passwort zu setzen.";
inline constexpr char kBilderPasswortNeuErklaerung[] =
    "Bitte geben Sie das (neue) Passwort ein, mit dem im Dokument eingebundene Bilder geschützt werden sollen.";
inline constexpr char kPasswortFalsch[] = "Das Passwort ist falsch.";
inline constexpr char kBilderPasswortGesetzt[] =
    "Das Passwort wurde erfolgreich gesetzt. Bitte speichern Sie das Dokument neu ab, um die Änderung wirksam werden "
    "zu lassen.";
// The information before "Speichern unter..." of a protected document.
QString PasswortSpeichernHinweis();

// Check mode: true at once when the password is empty or was entered
// correctly before (ok); otherwise asks until the entry matches (exact,
// case-sensitive; ok becomes true) or the user cancels (false). Every wrong
// entry shows "Das Passwort ist falsch." and clears ok.
bool PasswortPruefen(const QString &passwort, bool &ok, Passwortabfrage &abfrage, Meldungen &meldungen,
                     const QString &erklaerung);
bool DokPasswortPruefen(HeaderDataTyp &kopf, Passwortabfrage &abfrage, Meldungen &meldungen,
                        const QString &erklaerung = QString::fromUtf8(kDokPasswortErklaerung));
bool BilderPasswortPruefen(HeaderDataTyp &kopf, Passwortabfrage &abfrage, Meldungen &meldungen,
                           const QString &erklaerung = QString::fromUtf8(kBilderPasswortErklaerung));

// "Passwortgeschützt speichern unter...": the old password first (when
// there is one), then the new one in entry mode (empty removes it); true
// when the document now carries the entry and the note was shown. The
// caller then saves under a new name.
bool DokPasswortNeuSetzen(HeaderDataTyp &kopf, Passwortabfrage &abfrage, Meldungen &meldungen);
// "Passwortschutz ändern..." of the properties dialog: the new image
// password for the working copy, or nothing when cancelled.
std::optional<QString> BilderPasswortNeu(HeaderDataTyp &kopf, const QString &arbeitskopie, Passwortabfrage &abfrage,
                                         Meldungen &meldungen);

// ---- the properties dialog ----------------------------------------------

// The target point sizes of the list "Zielpunktgröße in Übungen": index 0
// is "100%", index 9 "10%", index 10 "unsichtbar" (size 0).
QStringList ZielpunktListe();
int ZielpunktIndex(int zielpunktgroesse);
int ZielpunktGroesse(int index);

// "%1.0n Bytes": the size with the locale's thousands separators.
QString DateigroesseText(qint64 bytes, const QLocale &locale);

struct Dateifakten
{
    QString Datei;
    QString Ordner;
    QString Groesse;     // empty when the size cannot be read
    QString GeaendertAm; // empty when not available
};
Dateifakten DateifaktenLesen(const QString &pfad, const QLocale &locale);

// What the dialog shows and edits.
struct EigenschaftenWerte
{
    QString Titel, Autor, Bemerkung;
    int NumArt = 0;
    int GeordnetArt = 0;
    int ZielpunktIndex = 0;
    QString BilderPasswort;  // the working copy
    QImage Logo;
    int LogoProzent = 20;    // LogoGroesse * 100
    int LogoAusricht = 2;
    QString Fusszeile;
    int FusszeileAusricht = 0;
    int UebEinstSpeichern = 0;
    int LernansichtSperren = 0;
    int ArbeitsblattSperren = 0;
};
EigenschaftenWerte EigenschaftenLesen(const HeaderDataTyp &kopf);

// What taking the values over asks of the caller.
struct EigenschaftenFolgen
{
    bool Neuzeichnen = false;    // the numbering style changed
    bool Neunummerieren = false; // the order changed
};
// Takes over every value that differs from the document ("OK").
EigenschaftenFolgen EigenschaftenUebernehmen(HeaderDataTyp &kopf, const EigenschaftenWerte &w);

// The text appended by "Dok.typ an Titel anfügen".
QString TitelMitDokTyp(const QString &titel, const HeaderDataTyp &kopf);

// Logo buttons: the extensions a logo file may have.
bool LogoEndungErlaubt(const QString &pfad);
QString LogoEndungFehlerText();

// ---- logo and footer for every document of a folder ----------------------

QString FuerAlleFrageText(const QString &ordner);
QString FuerAlleFortschrittText(int nummer, int anzahl);

struct LogoFusszeile
{
    QImage Logo;
    double LogoGroesse = 0.2;
    int LogoAusricht = 2;
    QString Fusszeile;
    int FusszeileAusricht = 0;
};
LogoFusszeile LogoFusszeileAus(const EigenschaftenWerte &w);

struct FuerAlleErgebnis
{
    int Geschrieben = 0;
    QStringList Fehlgeschlagen; // files that could not be read or written, left untouched
    QStringList Geschuetzt;     // documents locked by their own password, left untouched
};
// Every "*.kal" document of the folder is read, gets the logo and footer
// and is written back through a temporary file beside it. A file that
// cannot be read or written keeps its bytes, and so does a document locked
// by a password of its own (except ausnahme, the current document that was
// unlocked); the others still get the change. fortschritt(n, anzahl) is
// called before each document.
FuerAlleErgebnis LogoFuerAlleUebernehmen(const QString &ordner, const LogoFusszeile &werte,
                                         const QString &ausnahme = {},
                                         const std::function<void(int, int)> &fortschritt = {});
// The message that lists the files left untouched; empty when there are none.
QString FuerAlleFehlerText(const FuerAlleErgebnis &e);

// ---- margins --------------------------------------------------------------

QString RaenderObenUntenFehler();
QString RaenderLinksRechtsFehler();
// Checks the four fields (percent); the message of the first failing pair,
// or an empty text when both pass.
QString RaenderPruefen(double links, double oben, double rechts, double unten);

} // namespace kalumo
