#pragma once
// Shared between the files that draw one object: the measured card and the
// drawing steps after the card has been placed.

#include "learnview/Lernansicht.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace kalumo::zeichnung {

// One object as RenderObject sees it while drawing it.
struct Karte
{
    int Typ = 0;
    double S = 1.0;          // scale: raster width / 870
    int W = 1, H = 1;        // raster size
    bool Ausgewaehlt = false;
    bool AktFrage = false;   // the object belongs to the current question
    QColor Textfarbe;
    int Stil = 0;
    int HDeck = 0;

    // measuring
    bool AlsPunkt = false;
    bool MitBild = false;
    int BildBreite = 0;      // image drawn this wide and Ch high
    bool BildDirekt = false; // the image is scaled while drawing, not beforehand
    int BildDeck = 100;
    QString Text;            // caption with \n line breaks; empty when none
    QFont Schrift;
    int TextFlags = 0;
    int TextBreite = 0;
    int Pad = 0;
    int Cw = 0, Ch = 0, Ox = 0, Oy = 0;
    QRect Rechteck;          // the placed card
};

// Step 11 to 13 of RenderObject: worksheet box, answer text, card content.
void Kasten(QPainter &p, const Karte &k, const ObjDataTyp &o, int kastengroesse);
void Antworttext(Lernansicht &lv, QPainter &p, const Karte &k, const ObjDataTyp &o, const QImage &bild);
void Inhalt(Lernansicht &lv, QPainter &p, const Karte &k, int index, const QImage &bild);
// Step 14: points, gap line, cover, special states, navigation buttons.
void Markierungen(Lernansicht &lv, QPainter &p, const Karte &k, int index, bool fest);

// The "?" height that fits a card of height kartenhoehe, starting at start.
int FragezeichenHoehe(const QString &schrift, int start, int stil, int kartenhoehe);

} // namespace kalumo::zeichnung
