#include "learnview/Uebungsklicks.h"

#include "learnview/Objektarten.h"

namespace kalumo {

int Uebungsklicks::HitTest(QPoint ansicht) const
{
    const Dokument &dok = m_ansicht.Dok();
    if (m_ansicht.ViewBitmap.isNull() || !m_ansicht.ViewBitmap.rect().contains(ansicht))
        return -1;
    const QPointF f = m_ansicht.AnsichtZuSeite(QPointF(ansicht));
    for (int i = int(dok.Objekte.size()) - 1; i >= 0; --i) {
        const ObjDataTyp &o = dok.Objekte[size_t(i)];
        const bool mcPunkt = o.Typ == objMCInfopunkt || o.Typ == objMCLink;
        const bool offenbar = (IstOeffenbar(o.Typ) && !mcPunkt && o.Ebene == ebeneInfopunkte && o.PunktInUebung != 0)
                              || mcPunkt;
        if ((offenbar || IstWortsucheElement(o.Typ)) && KarteEnthaelt(o, f))
            return i;
    }
    return -1;
}

Eingabereaktion Uebungsklicks::MausDruck(QPoint p, Maustaste taste)
{
    Eingabereaktion r;
    const int index = taste == Maustaste::Links ? HitTest(p) : -1;
    if (index < 0)
        return r;
    ObjDataTyp &o = m_ansicht.Dok().Objekte[size_t(index)];
    if (IstWortsucheElement(o.Typ)) {
        o.Abgedeckt = o.Abgedeckt == abgMarkiert ? abgAufgedeckt : abgMarkiert;
        m_ansicht.ObjektAktualisieren(index);
        r.Neuzeichnen = true;
    } else {
        r.Aktivieren = index;
    }
    return r;
}

Zeigerform Uebungsklicks::ZeigerFuer(QPoint p) const
{
    return HitTest(p) >= 0 ? Zeigerform::Handpunkt : Zeigerform::Standard;
}

} // namespace kalumo
