#include "platform/EMail.h"

#include "testhilfen/QtAusgabe.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kalumo;

namespace {

// A stand-in for xdg-email that writes its arguments, one per line, and
// ends with the given status.
QString Skript(const QTemporaryDir &tmp, const QString &name, const QByteArray &rumpf)
{
    const QString pfad = tmp.filePath(name);
    QFile f(pfad);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n" + rumpf);
    f.close();
    f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    return pfad;
}

QStringList Zeilen(const QString &pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList z = QString::fromUtf8(f.readAll()).split('\n');
    if (!z.isEmpty() && z.last().isEmpty())
        z.removeLast();
    return z;
}

} // namespace

TEST(EMail, AnhangslisteMitAnfuehrungszeichen)
{
    EXPECT_EQ(AnhaengeAusListe("\"/home/a b/x,1.kal\",\"/tmp/y.rtf\""),
              (QStringList{"/home/a b/x,1.kal", "/tmp/y.rtf"}));
    EXPECT_EQ(AnhaengeAusListe("/tmp/ohne.kal , \"/tmp/mit.kal\""), (QStringList{"/tmp/ohne.kal", "/tmp/mit.kal"}));
    EXPECT_EQ(AnhaengeAusListe(""), QStringList{});
    EXPECT_EQ(AnhaengeAusListe("\"/offen"), QStringList{"/offen"});
    const QStringList pfade{"/a, b/c.kal", "/d e.rtf"};
    EXPECT_EQ(AnhaengeAusListe(AnhaengeAlsListe(pfade)), pfade);
}

TEST(EMail, XdgEmailBekommtBetreffTextUndJedenAnhang)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString protokoll = tmp.filePath("args.txt");
    const QString befehl = Skript(tmp, "mail.sh", "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > '"
                                                      + protokoll.toUtf8() + "'\nexit 0\n");
    XdgEMailProgramm programm(befehl);
    SkriptMeldungen meldungen;
    const QString text = QString::fromUtf8("Anbei Kalumo-Übungsprotokoll zu Themendokument: Tiere.kal");
    EXPECT_EQ(EMailSenden(programm, meldungen, "\"/tmp/a b,c.rtf\",\"/tmp/d.kal\"", text,
                          QString::fromUtf8("Kalumo-Übungsprotokoll")),
              0);
    EXPECT_EQ(Zeilen(protokoll), (QStringList{"--utf8", "--subject", QString::fromUtf8("Kalumo-Übungsprotokoll"),
                                              "--body", text, "--attach", "/tmp/a b,c.rtf", "--attach", "/tmp/d.kal"}));
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Art, MeldungArt::Information);
    EXPECT_EQ(meldungen.Texte()[0], EMailErfolgText());
}

TEST(EMail, FehlschlagUndFehlendesProgrammWarnen)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    SkriptMeldungen meldungen;
    XdgEMailProgramm fehlschlag(Skript(tmp, "nein.sh", "exit 3\n"));
    EXPECT_EQ(EMailSenden(fehlschlag, meldungen, "", "x", "y"), 3);
    XdgEMailProgramm fehlt(tmp.filePath("gibt-es-nicht"));
    EXPECT_NE(EMailSenden(fehlt, meldungen, "", "x", "y"), 0);
    ASSERT_EQ(meldungen.Gezeigt().size(), 2u);
    for (const GezeigteMeldung &m : meldungen.Gezeigt()) {
        EXPECT_EQ(m.Art, MeldungArt::Warnung);
        EXPECT_EQ(m.Text, "Der E-Mail-Versand wurde abgebrochen oder es ist ein Fehler aufgetreten.");
    }
}

TEST(EMail, OffenBleibendesMailprogrammGiltAlsUebergeben)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    XdgEMailProgramm programm(Skript(tmp, "bleibt.sh", "sleep 3\nexit 4\n"));
    programm.WartezeitMs = 200;
    QElapsedTimer uhr;
    uhr.start();
    EXPECT_EQ(programm.Senden({}, "x", "y"), 0);
    EXPECT_LT(uhr.elapsed(), 2500);
}

TEST(EMail, BefehlAusDerUmgebung)
{
    qputenv("KALUMO_EMAIL_BEFEHL", "/opt/mein-mailer");
    EXPECT_EQ(XdgEMailProgramm().Befehl(), "/opt/mein-mailer");
    qunsetenv("KALUMO_EMAIL_BEFEHL");
    EXPECT_EQ(XdgEMailProgramm().Befehl(), "xdg-email");
    EXPECT_EQ(XdgEMailProgramm("/bin/true").Befehl(), "/bin/true");
}
