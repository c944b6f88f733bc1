#include "platform/QtTonausgabe.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <functional>

namespace kalumo {

namespace {

// A sound file on the local disk loads in far less.
constexpr int kLadezeitMs = 5000;

// Waits until fertig() holds or the time is up, handling the player's
// events but no input of the user (feedback pauses take no answers).
bool wartenBis(const std::function<bool()> &fertig, int hoechstensMs)
{
    QElapsedTimer uhr;
    uhr.start();
    QEventLoop schleife;
    while (!fertig()) {
        if (uhr.elapsed() >= hoechstensMs)
            return false;
        QTimer::singleShot(10, &schleife, &QEventLoop::quit);
        schleife.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return true;
}

} // namespace

QtTonausgabe::QtTonausgabe() = default;
QtTonausgabe::~QtTonausgabe() = default;

bool QtTonausgabe::geraetDa() const
{
    return !QMediaDevices::audioOutputs().isEmpty();
}

void QtTonausgabe::Anhalten()
{
    if (m_effekt)
        m_effekt->stop();
    if (m_spieler)
        m_spieler->stop();
}

TonErgebnis QtTonausgabe::Abspielen(const QString &pfad, bool bisZumEnde)
{
    Anhalten();
    if (!QFileInfo(pfad).isFile())
        return TonErgebnis::Fehler;
    if (!geraetDa())
        return TonErgebnis::KeinGeraet;
    if (QFileInfo(pfad).suffix().compare(QLatin1String("wav"), Qt::CaseInsensitive) == 0)
        return wav(pfad, bisZumEnde);
    return medien(pfad, bisZumEnde);
}

TonErgebnis QtTonausgabe::wav(const QString &pfad, bool bisZumEnde)
{
    // a new effect for every sound: QSoundEffect loads its file asynchronously
    m_effekt = std::make_unique<QSoundEffect>();
    m_effekt->setAudioDevice(QMediaDevices::defaultAudioOutput());
    m_effekt->setSource(QUrl::fromLocalFile(QFileInfo(pfad).absoluteFilePath()));
    QSoundEffect *e = m_effekt.get();
    wartenBis([e] { return e->status() == QSoundEffect::Ready || e->status() == QSoundEffect::Error; },
              std::min(HoechsteWartezeitMs, kLadezeitMs));
    if (e->status() != QSoundEffect::Ready)
        return TonErgebnis::Fehler;
    e->play();
    if (bisZumEnde) {
        wartenBis([e] { return e->isPlaying(); }, 1000);
        wartenBis([e] { return !e->isPlaying(); }, HoechsteWartezeitMs);
    }
    return TonErgebnis::Gespielt;
}

TonErgebnis QtTonausgabe::medien(const QString &pfad, bool bisZumEnde)
{
    if (!m_spieler) {
        m_spieler = std::make_unique<QMediaPlayer>();
        m_ausgabe = std::make_unique<QAudioOutput>();
        m_spieler->setAudioOutput(m_ausgabe.get());
    }
    m_ausgabe->setDevice(QMediaDevices::defaultAudioOutput());
    QMediaPlayer *s = m_spieler.get();
    s->setSource(QUrl::fromLocalFile(QFileInfo(pfad).absoluteFilePath()));
    wartenBis(
        [s] {
            const auto st = s->mediaStatus();
            return s->error() != QMediaPlayer::NoError || st == QMediaPlayer::LoadedMedia
                || st == QMediaPlayer::InvalidMedia || st == QMediaPlayer::BufferedMedia;
        },
        std::min(HoechsteWartezeitMs, kLadezeitMs));
    if (s->error() != QMediaPlayer::NoError || s->mediaStatus() == QMediaPlayer::InvalidMedia)
        return TonErgebnis::Fehler;
    s->play();
    if (bisZumEnde) {
        wartenBis(
            [s] {
                return s->error() != QMediaPlayer::NoError || s->mediaStatus() == QMediaPlayer::EndOfMedia
                    || s->playbackState() == QMediaPlayer::StoppedState;
            },
            HoechsteWartezeitMs);
    }
    return s->error() != QMediaPlayer::NoError ? TonErgebnis::Fehler : TonErgebnis::Gespielt;
}

} // namespace kalumo
