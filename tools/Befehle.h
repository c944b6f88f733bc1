#pragma once
// The commands of kalumo-tool. Each file in tools/befehle/ registers its
// commands with a static KalumoBefehl object; main() looks them up by name.
//
// A command gets the arguments after its name and returns the exit status:
// 0 success, 1 a file was refused or the work failed (the German messages
// the program would show go to standard error, one per line), 2 wrong usage.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace kalumo {

struct KalumoBefehl
{
    using Lauf = std::function<int(const QStringList &argumente)>;
    // name: the command word; aufruf: its usage line(s) for the help text
    KalumoBefehl(const char *name, const char *aufruf, Lauf lauf);

    const char *Name;
    const char *Aufruf;
    Lauf Ausfuehren;
};

const std::vector<const KalumoBefehl *> &AlleBefehle();

// Writes the usage of every command to standard error; returns 2.
int Gebrauch();
// Writes bytes to standard output and flushes.
void Ausgeben(const QByteArray &text);

} // namespace kalumo
