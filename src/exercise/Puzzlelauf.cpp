#include "exercise/Puzzlelauf.h"

#include <Qt>

namespace kalumo {

std::optional<PuzzleRichtung> PfeilRichtung(int taste)
{
    switch (taste) {
    case Qt::Key_Left: return PuzzleRichtung::Links;
    case Qt::Key_Right: return PuzzleRichtung::Rechts;
    case Qt::Key_Up: return PuzzleRichtung::Hoch;
    case Qt::Key_Down: return PuzzleRichtung::Runter;
    default: return std::nullopt;
    }
}

std::unique_ptr<Puzzlelauf> Puzzlelauf::Bauen(const QImage &bild, int n, bool nurNachbarn, QSize panel,
                                              PuzzleZufall &zufall, qint64 jetzt)
{
    const std::optional<PuzzleMasse> masse = PuzzleMasseBerechnen(bild.size(), panel, n);
    std::unique_ptr<Puzzlelauf> lauf(new Puzzlelauf);
    if (!masse || !lauf->m_brett.PuzzleAufbauen(n, nurNachbarn, bild, *masse, zufall))
        return nullptr;
    lauf->m_brett.StartTick = jetzt;
    lauf->m_jetzt = jetzt;
    return lauf;
}

void Puzzlelauf::PanelGroesse(QSize panel)
{
    if (const std::optional<PuzzleMasse> masse = PuzzleMasseBerechnen(m_brett.QuellBild.size(), panel, m_brett.Spalten))
        m_brett.PuzzleNeuAnordnen(*masse);
}

Eingabereaktion Puzzlelauf::Takt(qint64 ms)
{
    // the clock stops with the last move
    if (m_brett.Geloest())
        return {};
    const QString vorher = StatusText();
    m_jetzt = ms;
    Eingabereaktion r;
    r.Neuzeichnen = StatusText() != vorher;
    return r;
}

int Puzzlelauf::TeilBei(QPoint p) const
{
    const Schiebepuzzle &b = m_brett;
    if (!b.Aufgebaut() || b.TeilBreite <= 0 || b.TeilHoehe <= 0)
        return -1;
    const int x = p.x() - b.LinksOffset, y = p.y() - b.ObenOffset;
    if (x < 0 || y < 0)
        return -1;
    const int spalte = x / b.TeilBreite, zeile = y / b.TeilHoehe;
    if (spalte >= b.Spalten || zeile >= b.Zeilen)
        return -1;
    return b.Feld[size_t(spalte)][size_t(zeile)];
}

Eingabereaktion Puzzlelauf::zug(ZugErgebnis z)
{
    Eingabereaktion r;
    r.Neuzeichnen = z != ZugErgebnis::KeinZug;
    r.LaufEnde = z == ZugErgebnis::Geloest;
    return r;
}

Eingabereaktion Puzzlelauf::MausDruck(QPoint p, Maustaste taste)
{
    const int teil = TeilBei(p);
    if (taste != Maustaste::Links || teil < 0 || teil == m_brett.LeerTeil)
        return {};
    return zug(m_brett.TeilKlick(teil));
}

Eingabereaktion Puzzlelauf::Taste(int taste, int zusatz, const QString &)
{
    // an arrow with Ctrl, Alt or Shift is not a move
    if (zusatz != Qt::NoModifier && zusatz != Qt::KeypadModifier)
        return {};
    const std::optional<PuzzleRichtung> r = PfeilRichtung(taste);
    if (!r)
        return {};
    Eingabereaktion a = zug(m_brett.Schieben(*r));
    a.Verbraucht = true; // the arrow keys belong to the puzzle
    return a;
}

Zeigerform Puzzlelauf::ZeigerFuer(QPoint p) const
{
    const int teil = TeilBei(p);
    return teil >= 0 && !m_brett.Geloest() && m_brett.TeilAnklickbar(teil) ? Zeigerform::Handpunkt
                                                                           : Zeigerform::Standard;
}

} // namespace kalumo
