#pragma once
// Fixtures of the sliding puzzle tests: a random source that plays a script,
// a picture whose tiles are told apart by colour, and messages that let a
// test look at the window while one is shown.

#include "exercise/Schiebepuzzle.h"
#include "platform/Meldungen.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <deque>
#include <functional>

namespace kalumo::test {

// Hands out the queued numbers first, then those of a seeded generator;
// counts every draw.
class SkriptZufall : public PuzzleZufall
{
public:
    explicit SkriptZufall(std::deque<int> folge = {}, std::uint32_t saat = 1) : m_folge(std::move(folge)), m_rest(saat) {}
    int Zahl(int anzahl) override
    {
        ++Gezogen;
        if (!m_folge.empty()) {
            const int z = m_folge.front();
            m_folge.pop_front();
            return z;
        }
        return m_rest.Zahl(anzahl);
    }
    int Gezogen = 0;

private:
    std::deque<int> m_folge;
    MtPuzzleZufall m_rest;
};

constexpr int kRechts = int(PuzzleRichtung::Rechts), kLinks = int(PuzzleRichtung::Links),
              kRunter = int(PuzzleRichtung::Runter);

// One shuffle round of an n x n board that moves the hole left and right
// and ends with it two places left of its home: the two tiles before it
// sit one place to the right, two moves from solved.
inline std::deque<int> ZweiVorDemZiel(int n)
{
    std::deque<int> folge;
    for (int i = 0; i < (SchiebungenProRunde(n) - 2) / 2; ++i) {
        folge.push_back(kLinks);
        folge.push_back(kRechts);
    }
    folge.push_back(kLinks);
    folge.push_back(kLinks);
    return folge;
}

// The colour of tile k's home cell in Zellbild.
inline QColor Zellfarbe(int teil)
{
    return QColor::fromHsv((teil * 47) % 360, 220, 120 + (teil * 29) % 130);
}

// n x n cells of distinct solid colours.
inline QImage Zellbild(int n, int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    QPainter p(&bild);
    for (int teil = 0; teil < n * n; ++teil) {
        const int s = teil % n, z = teil / n;
        p.fillRect(QRect(QPoint(s * breite / n, z * hoehe / n), QPoint((s + 1) * breite / n - 1, (z + 1) * hoehe / n - 1)),
                   Zellfarbe(teil));
    }
    return bild;
}

// Records messages and lets a test look at the window while one is shown.
class BeobachteteMeldungen : public SkriptMeldungen
{
public:
    std::function<void(const QString &)> BeiInformation;
    void Information(const QString &text) override
    {
        if (BeiInformation)
            BeiInformation(text);
        SkriptMeldungen::Information(text);
    }
};

inline bool FarbeNahe(QColor a, QColor b, int toleranz = 24)
{
    return std::abs(a.red() - b.red()) <= toleranz && std::abs(a.green() - b.green()) <= toleranz
        && std::abs(a.blue() - b.blue()) <= toleranz;
}

} // namespace kalumo::test
