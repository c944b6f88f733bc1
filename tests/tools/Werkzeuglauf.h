#pragma once
// Runs a program of the project (kalumo-tool, the example generator) as a
// process of its own and keeps its exit code and both outputs.

#include <QByteArray>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

namespace kalumo::test {

struct Lauf
{
    int code = -1; // -1 when the process crashed or did not end
    QByteArray aus, fehler;
};

// eingabe (when not null) goes to standard input, which is then closed.
inline Lauf Starten(const QString &programm, const QStringList &argumente, const QByteArray &eingabe = {})
{
    QProcess p;
    p.start(programm, argumente);
    if (!eingabe.isNull()) {
        p.write(eingabe);
        p.closeWriteChannel();
    }
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

#ifdef KALUMO_TOOL
inline Lauf werkzeug(const QStringList &argumente, const QByteArray &eingabe = {})
{
    return Starten(QStringLiteral(KALUMO_TOOL), argumente, eingabe);
}
#endif

} // namespace kalumo::test
