#include "exercise/Uebungsaktionen.h"

namespace kalumo {

namespace {

const UebElement *Sichtbares(const Uebung &u, ElementArt art, int objekt)
{
    for (const UebElement &e : u.Elemente())
        if (e.Art == art && e.Sichtbar && (objekt < 0 || e.Objekt == objekt))
            return &e;
    return nullptr;
}

} // namespace

QPoint Griffpunkt(const Uebung &u, const UebElement &e)
{
    const QRect &r = e.Rechteck;
    if (u.ElementBei(r.center()) == e.Kennung)
        return r.center();
    for (int x = r.right() - 2; x > r.left(); x -= 4)
        for (int y = r.center().y(); y > r.top(); y -= 4)
            if (u.ElementBei(QPoint(x, y)) == e.Kennung)
                return QPoint(x, y);
    return r.center();
}

namespace {

Aktionsergebnis Klicken(Uebung &u, const UebElement *e)
{
    Aktionsergebnis r;
    if (!e) {
        r.Ignoriert = true;
        return r;
    }
    const QPoint p = Griffpunkt(u, *e);
    const bool gedrueckt = u.MausDruck(p, Maustaste::Links);
    u.MausLos(p, Maustaste::Links);
    r.Urteil = u.LetzteEntscheidung();
    r.Ignoriert = !gedrueckt && !r.Urteil.Beurteilt;
    return r;
}

// Drags the card by its grab point so that its top-left corner ends at ziel.
Aktionsergebnis Ziehen(Uebung &u, const UebElement *karte, QPoint obenLinks, Maustaste taste)
{
    Aktionsergebnis r;
    if (!karte) {
        r.Ignoriert = true;
        return r;
    }
    const QPoint griff = Griffpunkt(u, *karte);
    const QPoint versatz = griff - karte->Rechteck.topLeft();
    if (!u.MausDruck(griff, Maustaste::Links)) {
        r.Ignoriert = true;
        return r;
    }
    const QPoint los = obenLinks + versatz;
    u.MausBewegung(los, true);
    const bool treffer = u.AusgewaehltesZiel() >= 0 || u.AusgewaehlterKorb() >= 1;
    u.MausLos(los, taste);
    r.Urteil = u.LetzteEntscheidung();
    r.Ignoriert = !treffer;
    return r;
}

} // namespace

Aktionsergebnis KarteAufZiel(Uebung &u, int karte, int ziel, Maustaste taste)
{
    const UebElement *k = Sichtbares(u, ElementArt::Karte, karte);
    if (!k) {
        Aktionsergebnis r;
        r.Ignoriert = true;
        return r;
    }
    const std::optional<QPoint> mitte = u.Zielmitte(ziel);
    if (!mitte) {
        Aktionsergebnis r;
        r.Ignoriert = true;
        return r;
    }
    // the middle of the card's left edge on the middle of the target
    const QPoint obenLinks(mitte->x(), mitte->y() - k->Rechteck.height() / 2);
    return Ziehen(u, k, obenLinks, taste);
}

Aktionsergebnis KarteInKorb(Uebung &u, int karte, int korb)
{
    const UebElement *k = Sichtbares(u, ElementArt::Karte, karte);
    const std::optional<QPoint> mitte = u.Korbmitte(korb);
    if (!k || !mitte) {
        Aktionsergebnis r;
        r.Ignoriert = true;
        return r;
    }
    const QPoint obenLinks = *mitte - QPoint(k->Rechteck.width() / 2, k->Rechteck.height() / 2);
    return Ziehen(u, k, obenLinks, Maustaste::Links);
}

Aktionsergebnis Tippen(Uebung &u, int ziel, const QString &text)
{
    Aktionsergebnis r;
    const UebElement *f = Sichtbares(u, ElementArt::Eingabefeld, ziel);
    if (!f || !u.FeldKlick(f->Kennung)) {
        r.Ignoriert = true;
        return r;
    }
    f = u.Element(f->Kennung);
    r.Ignoriert = !u.FeldText(f->Kennung, f->Text + text);
    return r;
}

Aktionsergebnis Ankreuzen(Uebung &u, int objekt)
{
    return Klicken(u, Sichtbares(u, ElementArt::Ankreuzfeld, objekt));
}

Aktionsergebnis AntwortKlicken(Uebung &u, int objekt)
{
    return Klicken(u, Sichtbares(u, ElementArt::Karte, objekt));
}

Aktionsergebnis Pruefen(Uebung &u)
{
    return Klicken(u, Sichtbares(u, ElementArt::Weiter, -1));
}

Aktionsergebnis Verbinden(Uebung &u, int erstes, int zweites)
{
    Aktionsergebnis a = Klicken(u, Sichtbares(u, ElementArt::Kreuzflaeche, erstes));
    if (a.Ignoriert)
        return a;
    Aktionsergebnis b = Klicken(u, Sichtbares(u, ElementArt::Kreuzflaeche, zweites));
    if (b.Ignoriert)
        return b;
    return b;
}

Aktionsergebnis Markieren(Uebung &u, int objekt)
{
    Aktionsergebnis r;
    const std::optional<QPoint> mitte = u.Zielmitte(objekt);
    if (!mitte) {
        r.Ignoriert = true;
        return r;
    }
    r.Ignoriert = !u.MausDruck(*mitte, Maustaste::Links);
    u.MausLos(*mitte, Maustaste::Links);
    r.Urteil = u.LetzteEntscheidung();
    return r;
}

Aktionsergebnis Warten(Uebung &u, Handuhr &uhr, qint64 ms, qint64 &naechsterTick)
{
    Aktionsergebnis r;
    u.EntscheidungLeeren();
    const qint64 ende = uhr.Millisekunden() + std::max<qint64>(0, ms);
    while (naechsterTick <= ende && u.Laeuft() && !u.Beendet()) {
        uhr.Setzen(naechsterTick);
        u.Tick();
        naechsterTick += 100;
    }
    uhr.Setzen(ende);
    r.Urteil = u.LetzteEntscheidung();
    return r;
}

} // namespace kalumo
