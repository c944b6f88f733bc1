#include "platform/Rechner.h"

#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

namespace kalumo {

QString Rechnername()
{
    const QString vorgabe = qEnvironmentVariable("KALUMO_RECHNERNAME");
    if (!vorgabe.isEmpty())
        return vorgabe;
    return QSysInfo::machineHostName();
}

QString Rechnerbenutzer()
{
    for (const char *name : {"KALUMO_BENUTZER", "KALUMO_BENUTZERNAME"}) {
        const QString vorgabe = qEnvironmentVariable(name);
        if (!vorgabe.isEmpty())
            return vorgabe;
    }
    if (const passwd *pw = getpwuid(geteuid()); pw && pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

} // namespace kalumo
