#pragma once
// The exercise as a run of the session (mode 3): what the session's run slot
// holds while an exercise takes the picture area over. The exercise itself
// (Uebung) lives longer than one run (its repetition starts from within the
// run, and the last run's record stays readable afterwards); this object
// only lends it to the session for the time of the run: its input engine is
// the exercise's UebungsEingabe, the 100 ms clock ticks the exercise (which
// reads its own millisecond source), and leaving the run puts the
// document's objects and the view back as the learning view had them.
//
// The engine's answers say LaufEnde when the exercise has gone back to the
// learning view during the call (its end message was shown, or the time
// limit ended it); the window then leaves the run with
// Sitzung::LernansichtAktivieren.

#include "exercise/Uebung.h"
#include "exercise/Uebungseingabe.h"
#include "learnview/Ansichtslauf.h"

namespace kalumo {

class Uebungslauf : public Ansichtslauf, private Eingabemaschine
{
public:
    explicit Uebungslauf(Uebung &uebung) : m_u(uebung), m_eingabe(uebung) {}

    Uebung &Lauf() { return m_u; }
    const Uebung &Lauf() const { return m_u; }

    // Ansichtslauf
    int Modus() const override { return modusUebung; }
    int UebArt() const override { return m_u.Daten().UebArt; }
    bool Beendet() const override { return m_u.Beendet(); }
    Eingabemaschine &Eingabe() override { return *this; }
    Eingabereaktion Takt(qint64 ms) override;
    void Verlassen() override;

private:
    // Eingabemaschine
    Eingabereaktion MausDruck(QPoint p, Maustaste taste) override;
    Eingabereaktion MausBewegung(QPoint p, bool linksGedrueckt, bool rechtsGedrueckt) override;
    Eingabereaktion MausLos(QPoint p, Maustaste taste) override;
    Eingabereaktion MausWeg() override;
    Eingabereaktion Taste(int taste, int zusatz, const QString &text) override;
    Zeigerform ZeigerFuer(QPoint p) const override { return m_eingabe.ZeigerFuer(p); }
    void Ueberzeichnen(QPainter &p) const override { m_eingabe.Ueberzeichnen(p); }

    Uebung &m_u;
    UebungsEingabe m_eingabe;
};

// The session's answer for an answer of the exercise's input.
Eingabereaktion Reaktion(const UebEingabeAntwort &a);

} // namespace kalumo
