#pragma once
// Helpers of the network tests with processes: the end of a process with
// its outputs, its JSON, and the environment of one "computer" on this
// machine (KALUMO_RECHNERNAME, KALUMO_BENUTZER).

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace kalumo::test {

struct Prozesslauf
{
    int code = -1; // -1 when the process crashed or did not end
    QByteArray aus, fehler;
};

// Waits (generously: the machine may be busy) for the process to end.
inline Prozesslauf ProzessBeenden(QProcess &p, int ms = 120000)
{
    EXPECT_TRUE(p.waitForFinished(ms));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

inline QJsonObject JsonObjekt(const QByteArray &text)
{
    QJsonParseError fehler{};
    const QJsonDocument d = QJsonDocument::fromJson(text, &fehler);
    EXPECT_EQ(fehler.error, QJsonParseError::NoError) << text.constData();
    return d.object();
}

inline QProcessEnvironment RechnerUmgebung(const QString &name)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KALUMO_RECHNERNAME"), name);
    env.insert(QStringLiteral("KALUMO_BENUTZER"), QStringLiteral("schueler"));
    return env;
}

} // namespace kalumo::test
