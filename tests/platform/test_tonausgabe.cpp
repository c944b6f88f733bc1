#include "platform/QtTonausgabe.h"

#include <QElapsedTimer>
#include <QFile>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace kalumo;

namespace {

// A mono 16-bit WAV file of the given length: silence.
QString StilleWav(const QTemporaryDir &tmp, const QString &name, int millisekunden)
{
    const int rate = 8000;
    const qint32 daten = rate * millisekunden / 1000 * 2;
    QByteArray b;
    auto i32 = [&](qint32 v) {
        char c[4];
        qToLittleEndian(v, c);
        b.append(c, 4);
    };
    auto i16 = [&](qint16 v) {
        char c[2];
        qToLittleEndian(v, c);
        b.append(c, 2);
    };
    b += "RIFF";
    i32(36 + daten);
    b += "WAVEfmt ";
    i32(16);
    i16(1);
    i16(1);
    i32(rate);
    i32(rate * 2);
    i16(2);
    i16(16);
    b += "data";
    i32(daten);
    b += QByteArray(daten, '\0');
    QFile f(tmp.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(b);
    return f.fileName();
}

} // namespace

TEST(QtTonausgabe, OhneGeraetStillSonstBisZumEnde)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString wav = StilleWav(tmp, "falsch1.wav", 400);
    QFile kaputt(tmp.filePath("kaputt.wav"));
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
    kaputt.write("kein Ton");
    kaputt.close();

    QtTonausgabe ton;
    ton.HoechsteWartezeitMs = 5000;
    EXPECT_EQ(ton.Abspielen(tmp.filePath("fehlt.wav"), false), TonErgebnis::Fehler);

    QElapsedTimer uhr;
    uhr.start();
    const TonErgebnis e = ton.Abspielen(wav, true);
    if (QMediaDevices::audioOutputs().isEmpty()) {
        // a computer without sound output: nothing played, nothing to report, no waiting
        EXPECT_EQ(e, TonErgebnis::KeinGeraet);
        EXPECT_LT(uhr.elapsed(), 1000);
        EXPECT_EQ(ton.Abspielen(kaputt.fileName(), false), TonErgebnis::KeinGeraet);
        EXPECT_EQ(ton.Abspielen(tmp.filePath("lied.mp3"), false), TonErgebnis::Fehler);   // missing file
    } else {
        EXPECT_EQ(e, TonErgebnis::Gespielt);
        EXPECT_GE(uhr.elapsed(), 300);   // the failure sound plays to its end
        EXPECT_EQ(ton.Abspielen(kaputt.fileName(), false), TonErgebnis::Fehler);
    }
    ton.Anhalten();
}
