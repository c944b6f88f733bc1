#pragma once
// The layouts of the card pages generated from the document: single
// questions, multiple choice, cluster cards with their baskets and cross
// matching. With neuAufbauen each deletes the objects of its kinds and
// creates them anew; without it the question layouts only keep the current
// question in range and the card layouts change nothing.

#include "learnview/Lernansicht.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace kalumo {

// Single questions: one page per non-blank line "question // answer" of fragentext.
void LayoutQuestions(Lernansicht &lv, bool neuAufbauen);
// Multiple choice: one page per question object (objMCFrage, objMCFrageBild).
void LayoutMultipleChoice(Lernansicht &lv, bool neuAufbauen);
// Cluster: the cards of the table cells.
void LayoutClusterCards(Lernansicht &lv, bool neuAufbauen);
// Cross matching: the pairs of elements of the table rows.
void LayoutCrossMatching(Lernansicht &lv, bool neuAufbauen);
// The baskets (columns) of a cluster page into the raster being composed.
void DrawBaskets(Lernansicht &lv, QImage &raster);

// AktFrageNummer back into 1..AnzFrageNummern, or -1 without questions.
void AktFrageBehalten(Lernansicht &lv);

// The Fsize whose character height is faktor times that of fsize.
int ScaleFsize(int fsize, double faktor);
// The Fsize of a multiple-choice question text of the given length.
int FragetextFsize(int laenge);

// The items of a comma text (quoted fields separated by commas; inside
// quotes doubled quotes stand for one and line breaks are kept).
QStringList KommatextLesen(const QString &text);
// Every item quoted, separated by commas.
QString KommatextSchreiben(const QStringList &eintraege);

// The 65 x 65 mark pictures of the answers: tick for correct, dash for wrong.
const QImage &Hakenbild();
const QImage &Strichbild();

} // namespace kalumo
