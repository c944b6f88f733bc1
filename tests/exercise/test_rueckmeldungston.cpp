#include "exercise/Rueckmeldungston.h"

#include "testhilfen/QtAusgabe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kalumo;

namespace {

class Rueckmeldungston : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_tmp.isValid());
        QDir(m_tmp.path()).mkdir("sound");
        for (const char *n : {"sound/richtig1.wav", "sound/falsch1.wav", "eigen.mp3"}) {
            QFile f(m_tmp.filePath(n));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        einst.SoundOrdner = m_tmp.filePath("sound") + "/";
    }
    QString Pfad(const QString &n) const { return m_tmp.filePath(n); }

    QTemporaryDir m_tmp;
    TonEinstellungenTyp einst;
    SkriptTonausgabe ton;
    SkriptMeldungen meldungen;
};

} // namespace

TEST(Tondatei, EndungWirdWavUndNamenOhneOrdnerImSoundordner)
{
    EXPECT_EQ(TonDateiAufloesen("richtig1.wav", "/opt/k/sound/"), "/opt/k/sound/richtig1.wav");
    EXPECT_EQ(TonDateiAufloesen("jubel.mp3", "/opt/k/sound"), "/opt/k/sound/jubel.wav");
    EXPECT_EQ(TonDateiAufloesen("gong", "/opt/k/sound/"), "/opt/k/sound/gong.wav");
    EXPECT_EQ(TonDateiAufloesen("/home/l/töne.v2/ding", "/opt/k/sound/"), "/home/l/töne.v2/ding.wav");
    EXPECT_EQ(TonDateiAufloesen("/home/l/ding.ogg", ""), "/home/l/ding.wav");
    EXPECT_EQ(TonDateiAufloesen("  ", "/opt/k/sound/"), "");
}

TEST_F(Rueckmeldungston, RichtigOhneWartenFalschBisZumEnde)
{
    TonRichtig(ton, meldungen, einst);
    TonFalsch(ton, meldungen, einst);
    EXPECT_EQ(ton.Aufrufe, (QStringList{"spielen:" + Pfad("sound/richtig1.wav"),
                                        "bis-zum-ende:" + Pfad("sound/falsch1.wav")}));
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}

TEST_F(Rueckmeldungston, TonausgabeAusHaeltNurAnEigenerTonSpieltTrotzdem)
{
    einst.Tonausgabe = false;
    TonRichtig(ton, meldungen, einst);
    TonFalsch(ton, meldungen, einst);
    TonRichtig(ton, meldungen, einst, Pfad("eigen.mp3"));
    EXPECT_EQ(ton.Aufrufe, (QStringList{"anhalten", "anhalten", "spielen:" + Pfad("eigen.mp3")}));
}

TEST_F(Rueckmeldungston, FehlendeUndUnspielbareDateienMeldenOhneGeraetNichts)
{
    einst.FalschTonDatei = "fehlt.wav";
    TonFalsch(ton, meldungen, einst);
    TonRichtig(ton, meldungen, einst, Pfad("fehlt.mp3"));
    ton.Ergebnis = TonErgebnis::Fehler;
    TonRichtig(ton, meldungen, einst);
    EXPECT_EQ(meldungen.Texte(), (QStringList{"Tondatei \"" + Pfad("sound/fehlt.wav") + "\" nicht gefunden.",
                                              "Tondatei \"" + Pfad("fehlt.mp3") + "\" nicht gefunden.",
                                              "Fehler beim Abspielen der Tondatei \"" + Pfad("sound/richtig1.wav")
                                                  + "\"."}));
    for (const GezeigteMeldung &m : meldungen.Gezeigt())
        EXPECT_EQ(m.Art, MeldungArt::Fehler);

    // no sound device: silent
    meldungen.Leeren();
    ton.Ergebnis = TonErgebnis::KeinGeraet;
    TonRichtig(ton, meldungen, einst);
    TonFalsch(ton, meldungen, TonEinstellungenTyp{true, "richtig1.wav", "falsch1", einst.SoundOrdner});
    TonRichtig(ton, meldungen, einst, Pfad("eigen.mp3"));
    EXPECT_TRUE(meldungen.Texte().isEmpty());

    // an emptied field plays nothing
    einst.RichtigTonDatei.clear();
    ton.Aufrufe.clear();
    TonRichtig(ton, meldungen, einst);
    EXPECT_TRUE(ton.Aufrufe.isEmpty());
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}
