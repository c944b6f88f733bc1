#include "exercise/Uebungslauf.h"

namespace kalumo {

Eingabereaktion Reaktion(const UebEingabeAntwort &a)
{
    Eingabereaktion r;
    r.Neuzeichnen = a.Neuzeichnen;
    r.Aktivieren = a.Aktivieren;
    r.Verbraucht = a.Verbraucht;
    r.LaufEnde = a.LaufEnde;
    return r;
}

Eingabereaktion Uebungslauf::Takt(qint64 ms)
{
    // the exercise reads its own millisecond source, the one the window's
    // clock reads too
    Q_UNUSED(ms)
    return Reaktion(m_eingabe.Takt());
}

void Uebungslauf::Verlassen()
{
    // a run that is still on is aborted (the guard was asked by the caller);
    // one that ended has put everything back already
    if (m_u.Laeuft())
        m_u.Verlassen();
}

Eingabereaktion Uebungslauf::MausDruck(QPoint p, Maustaste taste)
{
    return Reaktion(m_eingabe.MausDruck(p, taste));
}

Eingabereaktion Uebungslauf::MausBewegung(QPoint p, bool linksGedrueckt, bool rechtsGedrueckt)
{
    return Reaktion(m_eingabe.MausBewegung(p, linksGedrueckt, rechtsGedrueckt));
}

Eingabereaktion Uebungslauf::MausLos(QPoint p, Maustaste taste)
{
    return Reaktion(m_eingabe.MausLos(p, taste));
}

Eingabereaktion Uebungslauf::MausWeg()
{
    return Reaktion(m_eingabe.MausWeg());
}

Eingabereaktion Uebungslauf::Taste(int taste, int zusatz, const QString &text)
{
    return Reaktion(m_eingabe.Taste(taste, zusatz, text));
}

} // namespace kalumo
