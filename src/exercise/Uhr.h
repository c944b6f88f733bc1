#pragma once
// The millisecond counter of exercises: 64 bits, steady, starting anywhere.
// The window layer gives the real one; tests and "kalumo-tool exercise"
// move a hand-set clock.

#include <QElapsedTimer>
#include <QtGlobal>

namespace kalumo {

class Millisekundenquelle
{
public:
    virtual ~Millisekundenquelle() = default;
    virtual qint64 Millisekunden() const = 0;
};

// The steady clock of the system.
class Systemuhr : public Millisekundenquelle
{
public:
    Systemuhr() { m_timer.start(); }
    qint64 Millisekunden() const override { return m_timer.elapsed(); }

private:
    QElapsedTimer m_timer;
};

// A clock that moves only when told to.
class Handuhr : public Millisekundenquelle
{
public:
    explicit Handuhr(qint64 start = 0) : m_jetzt(start) {}
    qint64 Millisekunden() const override { return m_jetzt; }
    void Setzen(qint64 ms) { m_jetzt = ms; }
    void Vorstellen(qint64 ms) { m_jetzt += ms; }

private:
    qint64 m_jetzt;
};

} // namespace kalumo
