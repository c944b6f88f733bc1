#include "exercise/Schiebepuzzle.h"

#include "platform/Meldungen.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kalumo {

QPoint RichtungsSchritt(PuzzleRichtung r)
{
    switch (r) {
    case PuzzleRichtung::Rechts: return {1, 0};
    case PuzzleRichtung::Hoch: return {0, -1};
    case PuzzleRichtung::Links: return {-1, 0};
    case PuzzleRichtung::Runter: return {0, 1};
    }
    return {0, 0};
}

MtPuzzleZufall::MtPuzzleZufall()
{
    std::random_device quelle;
    std::seed_seq saat{quelle(), quelle(), quelle(), quelle()};
    m_gen.seed(saat);
}

int MtPuzzleZufall::Zahl(int anzahl)
{
    if (anzahl <= 1)
        return 0;
    return std::uniform_int_distribution<int>(0, anzahl - 1)(m_gen);
}

std::optional<PuzzleMasse> PuzzleMasseBerechnen(QSize bild, QSize panel, int n)
{
    const qint64 w = bild.width(), h = bild.height();
    if (w <= 0 || h <= 0)
        return std::nullopt;
    n = std::clamp(n, kPuzzleMinTeile, kPuzzleMaxTeile);
    const qint64 pw = std::max(0, panel.width()), ph = std::max(0, panel.height());
    PuzzleMasse m;
    // w / h > pw / ph, compared without dividing (a panel may be 0 high)
    if (w * ph > pw * h) {
        m.TeilBreite = std::max<int>(kPuzzleMinTeilgroesse, int((pw - kPuzzleRand) / n));
        m.TeilHoehe = int(qint64(m.TeilBreite) * h / w);
    } else {
        m.TeilHoehe = std::max<int>(kPuzzleMinTeilgroesse, int((ph - kPuzzleRand) / n));
        m.TeilBreite = int(w * m.TeilHoehe / h);
    }
    // a very wide or very tall picture still gets tiles with room for a picture
    m.TeilBreite = std::max(m.TeilBreite, kPuzzleMinTeilgroesse);
    m.TeilHoehe = std::max(m.TeilHoehe, kPuzzleMinTeilgroesse);
    // a board larger than the panel starts at its corner
    m.LinksOffset = std::max<int>(0, int((pw - qint64(n) * m.TeilBreite) / 2));
    m.ObenOffset = std::max<int>(0, int((ph - qint64(n) * m.TeilHoehe) / 2));
    return m;
}

QString PuzzleOhneBildMeldung()
{
    return QStringLiteral("Das Schiebepuzzle kann nicht gestartet werden, weil kein Bild vorhanden ist.\r\n"
                          "Öffnen Sie zuerst ein Dokument.");
}

QString PuzzleGeloestMeldung()
{
    return QStringLiteral("Das Schiebepuzzle ist gelöst!");
}

QString PuzzleAbbruchFrage()
{
    return QStringLiteral("Das aktuelle Schiebepuzzle ist noch nicht gelöst.\r\nÜbung wirklich abbrechen?");
}

QString PuzzleUebungLaeuftMeldung()
{
    return QStringLiteral("Die aktuelle Übung ist noch nicht beendet.\r\nWählen Sie \"Übung abbrechen\", um die "
                          "aktuelle Übung vorzeitig abzubrechen.");
}

QString PuzzleObjekteditorMeldung()
{
    return QStringLiteral("Bitte zuerst den Beschriftungseditor schließen.");
}

bool SchiebepuzzleStartErlaubt(bool uebungOderPuzzleLaeuft, bool objekteditorOffen, Meldungen &m)
{
    if (uebungOderPuzzleLaeuft) {
        m.Information(PuzzleUebungLaeuftMeldung());
        return false;
    }
    if (objekteditorOffen) {
        m.Information(PuzzleObjekteditorMeldung());
        return false;
    }
    return true;
}

int SchiebungenProRunde(int n)
{
    return 4 * n * n * (n + n);
}

bool Schiebepuzzle::PuzzleAufbauen(int n, bool nurNachbarn, const QImage &quellBild, const PuzzleMasse &masse,
                                   PuzzleZufall &zufall, MischBericht *bericht)
{
    if (quellBild.isNull() || quellBild.width() <= 0 || quellBild.height() <= 0)
        return false;
    n = std::clamp(n, kPuzzleMinTeile, kPuzzleMaxTeile);
    QuellBild = quellBild;
    Spalten = Zeilen = n;
    NurNachbarn = nurNachbarn;
    Feld = {};
    for (int spalte = 0; spalte < n; ++spalte)
        for (int zeile = 0; zeile < n; ++zeile)
            Feld[size_t(spalte)][size_t(zeile)] = spalte + zeile * n;
    LeerSpalte = LeerZeile = n - 1;
    LeerTeil = Feld[size_t(LeerSpalte)][size_t(LeerZeile)];
    PuzzleNeuAnordnen(masse);
    const MischBericht b = Mischen(zufall);
    if (bericht)
        *bericht = b;
    Zuege = 0;
    Zaehlen();
    return true;
}

void Schiebepuzzle::PuzzleNeuAnordnen(const PuzzleMasse &masse)
{
    TeilBreite = std::max(masse.TeilBreite, kPuzzleMinTeilgroesse);
    TeilHoehe = std::max(masse.TeilHoehe, kPuzzleMinTeilgroesse);
    LinksOffset = masse.LinksOffset;
    ObenOffset = masse.ObenOffset;
    teilbilderMachen();
}

MischBericht Schiebepuzzle::Mischen(PuzzleZufall &zufall)
{
    MischBericht b;
    if (!Aufgebaut())
        return b;
    const int proRunde = SchiebungenProRunde(Spalten);
    do {
        ++b.Runden;
        for (int gemacht = 0; gemacht < proRunde;) {
            ++b.Wuerfe;
            const QPoint schritt = RichtungsSchritt(PuzzleRichtung(zufall.Zahl(4)));
            const int spalte = LeerSpalte + schritt.x(), zeile = LeerZeile + schritt.y();
            if (spalte < 0 || spalte >= Spalten || zeile < 0 || zeile >= Zeilen)
                continue; // off the board: discarded, not counted
            std::swap(Feld[size_t(LeerSpalte)][size_t(LeerZeile)], Feld[size_t(spalte)][size_t(zeile)]);
            LeerSpalte = spalte;
            LeerZeile = zeile;
            ++gemacht;
            ++b.Schiebungen;
        }
        Zaehlen();
    } while (AnzFalsch == 0); // never hand over a solved board
    return b;
}

void Schiebepuzzle::Zaehlen()
{
    AnzRichtig = AnzFalsch = 0;
    for (int spalte = 0; spalte < Spalten; ++spalte)
        for (int zeile = 0; zeile < Zeilen; ++zeile) {
            if (Feld[size_t(spalte)][size_t(zeile)] == spalte + zeile * Spalten)
                ++AnzRichtig;
            else
                ++AnzFalsch;
        }
}

QPoint Schiebepuzzle::TeilPosition(int teil) const
{
    for (int spalte = 0; spalte < Spalten; ++spalte)
        for (int zeile = 0; zeile < Zeilen; ++zeile)
            if (Feld[size_t(spalte)][size_t(zeile)] == teil)
                return {spalte, zeile};
    return {-1, -1};
}

bool Schiebepuzzle::Anklickbar(int spalte, int zeile) const
{
    if (spalte < 0 || spalte >= Spalten || zeile < 0 || zeile >= Zeilen)
        return false;
    const int abstand = std::abs(spalte - LeerSpalte) + std::abs(zeile - LeerZeile);
    if (abstand == 0)
        return false; // the hole itself
    return !NurNachbarn || abstand == 1;
}

bool Schiebepuzzle::TeilAnklickbar(int teil) const
{
    const QPoint p = TeilPosition(teil);
    return Anklickbar(p.x(), p.y());
}

QRect Schiebepuzzle::TeilRechteck(int teil) const
{
    const QPoint p = TeilPosition(teil);
    if (p.x() < 0)
        return {};
    return {LinksOffset + p.x() * TeilBreite, ObenOffset + p.y() * TeilHoehe, TeilBreite + 1, TeilHoehe + 1};
}

QRect Schiebepuzzle::BrettRechteck() const
{
    return {LinksOffset - 1, ObenOffset - 1, Spalten * TeilBreite + 3, Zeilen * TeilHoehe + 3};
}

QRect Schiebepuzzle::QuellRechteck(int teil) const
{
    if (!Aufgebaut() || teil < 0 || teil >= Teilanzahl())
        return {};
    const int n = Spalten;
    const int spalte = teil % n, zeile = teil / n;
    const double w = QuellBild.width(), h = QuellBild.height();
    auto grenze = [n](int i, double laenge) { return int(std::lround(double(i) / n * laenge)); };
    QRect r(QPoint(grenze(spalte, w) + 1, grenze(zeile, h) + 1),
            QPoint(grenze(spalte + 1, w) - 1 - 1, grenze(zeile + 1, h) - 1 - 1)); // right and bottom exclusive
    if (r.width() <= 0 || r.height() <= 0) {
        // a picture with fewer pixels than tiles: the whole cell, at least one pixel
        const int links = std::min(grenze(spalte, w), QuellBild.width() - 1);
        const int oben = std::min(grenze(zeile, h), QuellBild.height() - 1);
        r = QRect(links, oben, std::max(1, grenze(spalte + 1, w) - links), std::max(1, grenze(zeile + 1, h) - oben));
    }
    return r.intersected(QuellBild.rect());
}

void Schiebepuzzle::teilbilderMachen()
{
    m_teilbilder.assign(size_t(Teilanzahl()), QImage());
    const int b = TeilBreite + 1, h = TeilHoehe + 1;
    for (int teil = 0; teil < Teilanzahl(); ++teil) {
        QImage bild(b, h, QImage::Format_ARGB32_Premultiplied);
        bild.fill(Qt::white);
        QPainter p(&bild);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRect(2, 2, TeilBreite - 3, TeilHoehe - 3), QuellBild, QuellRechteck(teil));
        // raised bevel inside a black border
        p.setPen(Qt::white);
        p.drawLine(1, 1, b - 3, 1);
        p.drawLine(1, 1, 1, h - 3);
        p.setPen(QColor(160, 160, 160));
        p.drawLine(b - 2, 1, b - 2, h - 2);
        p.drawLine(1, h - 2, b - 2, h - 2);
        p.setPen(Qt::black);
        p.drawRect(0, 0, b - 1, h - 1);
        p.end();
        m_teilbilder[size_t(teil)] = bild;
    }
}

const QImage &Schiebepuzzle::TeilBild(int teil) const
{
    static const QImage leer;
    if (teil < 0 || size_t(teil) >= m_teilbilder.size())
        return leer;
    return m_teilbilder[size_t(teil)];
}

ZugErgebnis Schiebepuzzle::tauschen(int spalte, int zeile)
{
    std::swap(Feld[size_t(LeerSpalte)][size_t(LeerZeile)], Feld[size_t(spalte)][size_t(zeile)]);
    LeerSpalte = spalte;
    LeerZeile = zeile;
    ++Zuege;
    Zaehlen();
    return AnzFalsch == 0 ? ZugErgebnis::Geloest : ZugErgebnis::Gezogen;
}

ZugErgebnis Schiebepuzzle::TeilKlick(int teil)
{
    if (!Aufgebaut() || Geloest())
        return ZugErgebnis::KeinZug;
    const QPoint p = TeilPosition(teil);
    if (!Anklickbar(p.x(), p.y()))
        return ZugErgebnis::KeinZug;
    return tauschen(p.x(), p.y());
}

ZugErgebnis Schiebepuzzle::Schieben(PuzzleRichtung r)
{
    if (!Aufgebaut() || Geloest())
        return ZugErgebnis::KeinZug;
    // the tile that moves in direction r lies on the other side of the hole
    const QPoint schritt = RichtungsSchritt(r);
    const int spalte = LeerSpalte - schritt.x(), zeile = LeerZeile - schritt.y();
    if (spalte < 0 || spalte >= Spalten || zeile < 0 || zeile >= Zeilen)
        return ZugErgebnis::KeinZug;
    return tauschen(spalte, zeile);
}

QString Schiebepuzzle::QuoteText() const
{
    const double quote = Teilanzahl() > 0 ? double(AnzRichtig) / Teilanzahl() * 100.0 : 0.0;
    return QString::number(quote, 'f', 1) + QStringLiteral(" %");
}

QString Schiebepuzzle::ZeitText(qint64 jetzt) const
{
    const qint64 sekunden = std::max<qint64>(0, jetzt - StartTick) / 1000;
    return QStringLiteral("%1:%2").arg(sekunden / 60, 2, 10, QLatin1Char('0')).arg(sekunden % 60, 2, 10, QLatin1Char('0'));
}

QString Schiebepuzzle::StatusText(qint64 jetzt) const
{
    const QString abstand = QStringLiteral("   ");
    return QStringLiteral("Richtig: ") + RichtigText() + QLatin1Char(' ') + VonText() + abstand
        + QStringLiteral("Falsch: ") + FalschText() + abstand + QStringLiteral("Lösungsquote: ") + QuoteText()
        + abstand + QStringLiteral("Züge: ") + ZuegeText() + abstand + QStringLiteral("Benötigte Zeit: ")
        + ZeitText(jetzt);
}

} // namespace kalumo
