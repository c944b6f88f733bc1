#pragma once
// The printer behind an interface: its name and port for the dialogs, its
// setup dialog, and one print job drawn in tenths of a millimetre. Tests
// install an implementation that draws into a bitmap.

#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>

namespace kalumo {

struct Druckauftrag
{
    QString Titel;
    int Kopien = 1;           // 1..999
    bool Querformat = false;
};

class Drucker
{
public:
    virtual ~Drucker() = default;

    // Whether a printer is installed.
    virtual bool Vorhanden() const = 0;
    virtual QString Geraetename() const = 0;
    virtual QString Anschluss() const = 0;
    // The system's printer setup; false when cancelled.
    virtual bool Einrichten() = 0;

    // Runs one job. zeichnen gets a painter whose units are 0.1 mm with y
    // growing downwards and the origin at the printable area's top-left
    // corner, and that area's offset from the paper edge (0.1 mm). False
    // with a German message in fehler when the job failed.
    using Zeichnen = std::function<void(QPainter &, QPointF versatz)>;
    virtual bool Drucken(const Druckauftrag &auftrag, const Zeichnen &zeichnen, QString &fehler) = 0;
};

// The printer line of the print dialogs: name + " an " + port, the name
// alone without a port, "- Kein Drucker -" without a printer.
QString DruckerZeile(const Drucker &d);

// Where a picture goes on the paper, in centimetres.
struct Drucklage
{
    double Links = 2.0;
    double Oben = 2.0;
    double Breite = 17.0;
    double Hoehe = 17.0;
    bool operator==(const Drucklage &) const = default;
};

// The rectangle in 0.1 mm on a canvas whose origin is the printable area:
// the margins measured from the paper edge minus the area's offset, each
// at least 0 (a margin inside the unprintable border prints at the border).
QRectF DruckRechteck(const Drucklage &lage, QPointF versatz);

inline constexpr char kKeinDrucker[] = "- Kein Drucker -";
inline constexpr char kKeinDruckerMeldung[] =
    "Es ist kein Drucker eingerichtet. Bitte richten Sie zuerst einen Drucker ein.";

} // namespace kalumo
