#pragma once
// The window of an info point: the password check, the text raster that
// grows with its text, and where the window goes.

#include "platform/Passwortabfrage.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <functional>

namespace kalumo {

class Meldungen;
class Passwortabfrage;

inline constexpr char kPasswortText[] =
    "Diese Verknüpfung ist passwort-geschützt. Um den Inhalt anzusehen, wird das Passwort benötigt.";

// True when the point has no password or the user typed it exactly;
// a wrong one shows "Das Passwort ist falsch.".
bool PunktPasswortPruefen(const QString &passwort, Passwortabfrage &abfrage, Meldungen &meldungen);

// Sets text into a raster (white, already sized) from y = 0 and returns the
// height it needed, which may exceed the raster.
using Textsetzer = std::function<int(QImage &raster, const QString &text)>;

// The text raster of an info point: 3000 pixels high to begin with, set once
// more at the needed height when that is larger, cut to the height used.
// A text is never given more than kInfotextMaxHoehe pixels.
inline constexpr int kInfotextStartHoehe = 3000;
inline constexpr int kInfotextMaxHoehe = 60000;
QImage InfotextRaster(const QString &text, int breite, const Textsetzer &setzer);

// The window at the top-right corner of the main window, 6 pixels inside,
// as high as the text plus what the window needs besides it (34 pixels for
// the buttons) but at most 566.
QRect InfofensterLage(const QRect &hauptfenster, int fensterBreite, int rasterHoehe, int zusatz = 34);

// A window's outer frame moved onto the free area of the screen; a frame
// larger than the screen keeps its top-left corner, with the title bar, on it.
QRect AufDemBildschirm(QRect rahmen, const QRect &bildschirm);

} // namespace kalumo
