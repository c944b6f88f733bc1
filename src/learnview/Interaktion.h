#pragma once
// What the mouse and the tool bar do on the learning view, without a window:
// uncovering and covering fields, following info points and links, the
// question buttons, moving the visible window, the drawing tools with their
// one level of undo, the area selection and the view commands (zoom,
// numbering, layers, covering all fields).
//
// It is the input engine of the learning view (mode 2): the picture area
// turns its events into MausDruck / MausBewegung / MausLos (in ViewBitmap
// pixels) and repaints when the answer says so; the area selection and the
// crosshair of the area tool are drawn over the picture by Ueberzeichnen.

#include "learnview/Eingabemaschine.h"
#include "learnview/Lernansicht.h"
#include "learnview/Werkzeuge.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRandomGenerator>
#include <QRect>
#include <QString>

#include <cstdint>

namespace kalumo {

// "None" for the stroke start and the last stroke point.
inline constexpr QPoint kKeinPunkt{-999999, -999999};

class Interaktion : public Eingabemaschine
{
public:
    explicit Interaktion(Lernansicht &ansicht);

    Lernansicht &Ansicht() { return m_ansicht; }
    const Lernansicht &Ansicht() const { return m_ansicht; }

    // ---- tool state ----
    int Werkzeug() const { return m_werkzeug; }
    // Selects a tool; false (nothing changes) for a drawing tool while the
    // object editor is open. Leaving the area tool, or choosing it again,
    // removes the selection.
    bool WerkzeugSetzen(int werkzeug);
    // The pen of the pen menu last chosen (3 or 10..18).
    int StiftWahl() const { return m_stiftWahl; }
    int StiftGroesse() const { return m_groesse; }
    int StiftFarbe() const { return m_farbe; }
    int StempelNr() const { return m_stempel; }
    // Size 1..4 and colour index; with the pointer or the hand they switch to the pen.
    void GroesseSetzen(int groesse);
    void FarbeSetzen(int farbindex);
    // Stamp 1..10; selects the stamp tool.
    bool StempelSetzen(int nummer);

    SymbolstempelTyp Stempel;                          // characters and fonts of the ten stamps
    QString Tafelschriftart = QStringLiteral("Arial"); // font of the text tool

    // ---- mouse ----
    // The clickable object under the view point, or -1.
    int HitTest(QPoint ansicht) const;
    Eingabereaktion MausDruck(QPoint p, Maustaste taste) override;
    Eingabereaktion MausBewegung(QPoint p, bool linksGedrueckt, bool rechtsGedrueckt) override;
    Eingabereaktion MausLos(QPoint p, Maustaste taste) override;
    Eingabereaktion MausWeg() override;
    Zeigerform ZeigerFuer(QPoint p) const override;
    // The area selection (a black frame with a dotted white line) and, with
    // the area tool while the mouse is over the picture, the crosshair.
    void Ueberzeichnen(QPainter &p) const override;
    bool Verschiebt() const { return m_verschieben; }

    // ---- questions ----
    // The question buttons objNavZurueck "<", objNavVor ">", objNavErste "|<",
    // objNavLetzte ">|", objNavZufall "?" (also the keys Left, Right, Home,
    // End of the question types); false when the document has no questions.
    bool FrageWechseln(int knopfart);

    // ---- view commands (each ends in a full rebuild) ----
    void AlleAbdecken();
    void AlleAufdecken();
    void NummerierungSetzen(int modus);
    void ZoomSetzen(int stufe);       // rebuilds only when the level changes
    void Vergroessern();
    void Verkleinern();
    void EbeneSetzen(int ebene, bool sichtbar);
    // A full rebuild after a change made elsewhere (size, document).
    void Neuaufbau();

    // ---- drawings ----
    void SaveUndo();
    bool UndoVorhanden() const;
    // Puts the kept copy back; false when there is none.
    bool Rueckgaengig();
    // "Alle Zeichnungen entfernen"
    void AlleZeichnungenEntfernen();

    // ---- text tool ----
    QFont TextfeldSchrift() const;
    QColor Zeichenfarbe() const { return Stiftfarbe(m_farbe); }
    // The text field at the click point for the text typed so far, kept inside the view.
    QRect TextfeldRechteck(QPoint klick, const QString &text) const;
    // Enter: the text onto ViewBitmap with its top-left corner at oben.
    void TextUebernehmen(QPoint oben, const QString &text);

    // ---- area selection (view pixels, right and bottom exclusive) ----
    bool BereichVorhanden() const { return m_bereichA.x() >= 0; }
    QRect Bereich() const;
    bool BereichGueltig() const;
    QString BereichInfo() const;
    // Moves the whole selection, kept inside the view.
    void BereichVerschieben(QPoint versatz);
    void BereichEntfernen();

    // The area selection's part of ViewBitmap with the area tool and a valid
    // selection (white where nothing is), otherwise a copy of the whole view.
    QImage CaptureView() const;

    // The random question of the "?" button draws from a generator seeded
    // once from the clock; tests set a seed of their own.
    void ZufallSetzen(quint32 saat) { m_zufall.seed(saat); }

private:
    void Klick(int index);
    void VerschiebenBeginnen(QPoint p);
    void StrichFortsetzen(QPoint p);
    void FormBeenden(QPoint p);
    void UndoVergessen();
    void Gezeichnet();

    Lernansicht &m_ansicht;
    int m_werkzeug = wzZeiger;
    int m_stiftWahl = wzStift;
    int m_groesse = 1;
    int m_farbe = 21;
    int m_stempel = 1;

    QPoint m_maus{-1, -1};      // the last mouse position over the picture
    bool m_mausDrin = false;
    bool m_verschieben = false;
    QPoint m_panPunkt;
    QPoint m_start = kKeinPunkt;
    QPoint m_letzter = kKeinPunkt;
    bool m_einmalGesetzt = false;
    bool m_bandSichtbar = false;
    QPoint m_bandEnde;

    QImage m_undo;
    int m_undoZoom = 0;
    std::uint64_t m_undoAufbau = 0;

    QPoint m_bereichA{-1, -1};
    QPoint m_bereichB{-1, -1};
    bool m_bereichZiehen = false;

    QRandomGenerator m_zufall{SaatAusDerUhr()};
};

} // namespace kalumo
