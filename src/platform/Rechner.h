#pragma once
// The name of this computer and of the logged-on user, as protocols and best
// lists record them and as a network exercise sends them. KALUMO_RECHNERNAME
// and KALUMO_BENUTZER (or KALUMO_BENUTZERNAME) override them: tests run
// several "computers" on one machine, and a machine whose host name says
// nothing to a teacher can be given a better one.

#include <QString>

namespace kalumo {

QString Rechnername();
QString Rechnerbenutzer();

} // namespace kalumo
