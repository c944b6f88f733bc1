#pragma once
// Shared by the settings tests: a temporary home for the XDG folders and a
// comparable picture of a whole settings record.

#include "app/settings/Einstellungen.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kalumo::test {

// Every test gets a fresh temporary folder; XDG_CONFIG_HOME and
// XDG_DATA_HOME point into it, so nothing reaches the real home.
class XdgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_tmp.isValid());
        m_altConfig = qgetenv("XDG_CONFIG_HOME");
        m_altDaten = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_CONFIG_HOME", Pfad("config").toUtf8());
        qputenv("XDG_DATA_HOME", Pfad("daten").toUtf8());
    }
    void TearDown() override
    {
        zurueck("XDG_CONFIG_HOME", m_altConfig);
        zurueck("XDG_DATA_HOME", m_altDaten);
    }

    QString Pfad(const QString &relativ) const { return m_tmp.filePath(relativ); }

    // Writes a file below the temporary folder and returns its path.
    QString Schreiben(const QString &relativ, const QByteArray &inhalt) const
    {
        const QString pfad = Pfad(relativ);
        QFile f(pfad);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << pfad.toStdString();
        f.write(inhalt);
        return pfad;
    }

private:
    static void zurueck(const char *name, const QByteArray &wert)
    {
        if (wert.isNull())
            qunsetenv(name);
        else
            qputenv(name, wert);
    }

    QTemporaryDir m_tmp;
    QByteArray m_altConfig;
    QByteArray m_altDaten;
};

// One line "name=type:value" per user setting as EinstellungenSpeichern
// writes it, then the values that only come from config.ini. Doubles are
// written in their shortest exact form, so equal lists mean equal values.
inline QStringList Inhalt(const EinstellungenTyp &e)
{
    EinstellungsspeicherImSpeicher s;
    EinstellungenSpeichern(s, e);
    QStringList zeilen;
    for (const QString &name : s.Namen()) {
        const EinstellungsWert w = *s.Wert(name);
        zeilen << name + QLatin1Char('=') + QString::number(w.index()) + QLatin1Char(':') + WerteSpeicher::AlsText(w);
    }
    const ProxyTyp &p = e.Proxy;
    zeilen << QStringLiteral("Proxy=%1|%2|%3|%4|%5|%6")
                  .arg(p.Vorgegeben)
                  .arg(p.Server)
                  .arg(p.Port)
                  .arg(p.Benutzer, p.Passwort)
                  .arg(p.BasicAuthentication);
    const AenderbarTyp &a = e.Aenderbar;
    zeilen << QStringLiteral("Aenderbar=%1%2%3%4%5%6%7")
                  .arg(a.Namenseingabe)
                  .arg(a.Statusinfo)
                  .arg(a.ProtokollAutospeichern)
                  .arg(a.BestenlisteAutoeintrag)
                  .arg(a.UebungsergebnisAnzeigen)
                  .arg(a.Notenskala)
                  .arg(a.ProtokollderletztenUebung);
    zeilen << QStringLiteral("Themenordner=") + e.Themenordner;
    zeilen << QStringLiteral("NetzKomBasisport=%1").arg(e.NetzKomBasisport);
    return zeilen;
}

// A record whose folders are fixed test paths (no look at the machine).
inline EinstellungenTyp TestVorgaben()
{
    OrdnerUmgebung u;
    u.Programm = QStringLiteral("/opt/kalumo/");
    u.Ressourcen = u.Programm;
    u.Daten = QStringLiteral("/home/lehrer/.local/share/Kalumo/");
    EinstellungenTyp e;
    e.Ordner = OrdnerVorgaben(u);
    return e;
}

} // namespace kalumo::test

// Readable failures for the Qt types in EXPECT_EQ.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList &l, std::ostream *os) { *os << l.join(QLatin1String("\n  ")).toStdString(); }
QT_END_NAMESPACE
