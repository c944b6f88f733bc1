#pragma once
// The text of an exercise protocol: the course of the run (one or more
// lines per protocol entry of the engine, most of them stamped with the run
// time "mm:ss - ") and the head with the settings and the statistics that
// is put in front of it when the run ends.
//
// Lines end with CR LF. A line that begins with "<tit>" is a heading; a tab
// separates a label from its value (peripheral/Rtf.h turns the text into
// rich text).

#include "exercise/UebungsDienste.h"
#include "exercise/Uebungsdaten.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

namespace kalumo {

// ProtokollZeile: with stempel the run time (whole seconds, "mm:ss") and
// " - " go to ablauf first, whatever buffer the line is for; then the text
// and CR LF to puffer (which may be ablauf itself).
void ProtokollZeile(QString &puffer, QString &ablauf, const QString &text, bool stempel, qint64 laufzeitMs);

// One line of the course and whether it gets the time stamp.
struct Protokolltextzeile
{
    QString Text;
    bool Stempel = true;
    bool operator==(const Protokolltextzeile &) const = default;
};

// The lines an entry of the engine writes into the course, in order.
std::vector<Protokolltextzeile> ProtokollZeilenVon(const ProtokollEintrag &e);

// Appends the lines of an entry to the course (ProtokollAblauf).
void ProtokollEintragSchreiben(QString &ablauf, const ProtokollEintrag &e);

// What the head needs beyond the run record.
struct ProtokollUmfeld
{
    QString Rechnername;            // this computer (platform/Rechner.h)
    QString Benutzer;               // the logged-on user
    QString Titel;                  // the document's title
    QString Datei;                  // the document's file (a folder in front is dropped)
    int DokTyp = 0;
    int DokUnterTyp = 0;
    int Modus = 0;                  // the query mode in effect
    // the teacher computer of a network exercise
    QString KomOrdner, KomKanal;
    // a partial exercise of a series: its number (from 1) and weight
    int SerienNummer = 0;
    QString Gewichtung;
};

// The text of UebArt: "Individual-Übung", "Teilnahme an Netzwerk-Übung", …
QString UebArtText(int uebArt);

// The settings section (also the head of the network protocol): from
// "Datum/Uhrzeit (Beginn):" to the grade thresholds and an empty line.
QStringList Einstellungsabschnitt(const UebDataTyp &d, const ProtokollUmfeld &u);

// "Verbliebene Zeit:" with a time limit, else "Benötigte Zeit:".
QString ErgebnisZeitBeschriftung(int zeitlimit);

// The head: "<tit>Übungsprotokoll", the settings section, the statistics
// summary and "<tit>Detaillierter Ablauf"; every line ends with CR LF.
// uhrtext is the clock as the run ended.
QString ProtokollKopfText(const UebDataTyp &d, const ProtokollUmfeld &u, const QString &uhrtext);

} // namespace kalumo
