#pragma once
// Sound through Qt Multimedia: WAV files with QSoundEffect, other files with
// QMediaPlayer. Silent (KeinGeraet) when the system has no audio output.

#include "platform/Tonausgabe.h"

#include <memory>

class QMediaPlayer;
class QAudioOutput;
class QSoundEffect;

namespace kalumo {

class QtTonausgabe : public Tonausgabe
{
public:
    QtTonausgabe();
    ~QtTonausgabe() override;

    TonErgebnis Abspielen(const QString &pfad, bool bisZumEnde) override;
    void Anhalten() override;

    // The longest the program waits for a sound to load or to end (a broken
    // backend must never hang an exercise).
    int HoechsteWartezeitMs = 30000;

private:
    bool geraetDa() const;
    TonErgebnis wav(const QString &pfad, bool bisZumEnde);
    TonErgebnis medien(const QString &pfad, bool bisZumEnde);

    std::unique_ptr<QSoundEffect> m_effekt;
    std::unique_ptr<QAudioOutput> m_ausgabe;
    std::unique_ptr<QMediaPlayer> m_spieler;
};

} // namespace kalumo
