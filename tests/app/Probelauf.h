#pragma once
// A run for the tests of the session and the main window: it records what
// reaches it (clicks, keys, clock ticks, being left) and takes every click.

#include "learnview/Ansichtslauf.h"

#include <QPainter>

#include <stdexcept>

namespace kalumo::test {

struct Probelauf : Ansichtslauf, Eingabemaschine
{
    int modus = modusUebung;
    int art = uebIndividual;
    bool beendet = false;
    bool endetImTakt = false;   // the next tick ends the run
    int *verlassen = nullptr;
    int *zerstoert = nullptr;
    bool wirftBeimDruck = false; // a press fails as a drawing step can fail
    int druecke = 0;
    int tasten = 0;
    int takte = 0;
    qint64 letzterTakt = -1;

    ~Probelauf() override
    {
        if (zerstoert)
            ++*zerstoert;
    }
    int Modus() const override { return modus; }
    int UebArt() const override { return art; }
    bool Beendet() const override { return beendet; }
    Eingabemaschine &Eingabe() override { return *this; }
    Eingabereaktion Takt(qint64 ms) override
    {
        ++takte;
        letzterTakt = ms;
        Eingabereaktion r;
        r.LaufEnde = endetImTakt;
        beendet = beendet || endetImTakt;
        return r;
    }
    void Verlassen() override
    {
        if (verlassen)
            ++*verlassen;
    }
    Eingabereaktion MausDruck(QPoint, Maustaste) override
    {
        if (wirftBeimDruck)
            throw std::runtime_error("Speicher voll");
        ++druecke;
        Eingabereaktion r;
        r.Neuzeichnen = true;
        return r;
    }
    Eingabereaktion MausBewegung(QPoint, bool, bool) override { return {}; }
    Eingabereaktion MausLos(QPoint, Maustaste) override { return {}; }
    Eingabereaktion Taste(int, int, const QString &) override
    {
        ++tasten;
        Eingabereaktion r;
        r.Verbraucht = true;
        return r;
    }
    Zeigerform ZeigerFuer(QPoint) const override { return Zeigerform::Handpunkt; }
    // a green square in the picture's top-left corner
    void Ueberzeichnen(QPainter &p) const override { p.fillRect(0, 0, 20, 20, Qt::green); }
};

} // namespace kalumo::test
