#pragma once
// Playing sound files: the feedback sounds of exercises. The program uses
// QtTonausgabe (Qt Multimedia: QSoundEffect for WAV files, QMediaPlayer for
// others); tests use SkriptTonausgabe. Without a sound device nothing is
// played and nothing is reported, so a classroom computer without speakers
// runs exercises as any other.

#include <QString>
#include <QStringList>

namespace kalumo {

enum class TonErgebnis {
    Gespielt,     // playing (or played to its end)
    KeinGeraet,   // there is no sound output: silently nothing
    Fehler,       // the file could not be played
};

class Tonausgabe
{
public:
    virtual ~Tonausgabe() = default;

    // Stops any playing sound and plays the file. bisZumEnde: returns only
    // when it has ended; the program waits without taking input meanwhile.
    virtual TonErgebnis Abspielen(const QString &pfad, bool bisZumEnde) = 0;
    virtual void Anhalten() = 0;
};

// For tests: records "spielen:PATH", "bis-zum-ende:PATH" and "anhalten"
// and answers with Ergebnis.
class SkriptTonausgabe : public Tonausgabe
{
public:
    TonErgebnis Abspielen(const QString &pfad, bool bisZumEnde) override
    {
        Aufrufe << (bisZumEnde ? QStringLiteral("bis-zum-ende:") : QStringLiteral("spielen:")) + pfad;
        return Ergebnis;
    }
    void Anhalten() override { Aufrufe << QStringLiteral("anhalten"); }

    TonErgebnis Ergebnis = TonErgebnis::Gespielt;
    QStringList Aufrufe;
};

// Plays nothing (the command-line tool).
class StummeTonausgabe : public Tonausgabe
{
public:
    TonErgebnis Abspielen(const QString &, bool) override { return TonErgebnis::KeinGeraet; }
    void Anhalten() override {}
};

} // namespace kalumo
