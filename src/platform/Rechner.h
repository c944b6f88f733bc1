#pragma once
// The name of this computer and of the logged-on user, as protocols and best
// lists record them. KALUMO_RECHNERNAME and KALUMO_BENUTZERNAME override
// them (tests, and machines whose host name says nothing to a teacher).

#include <QString>

namespace kalumo {

QString Rechnername();
QString Rechnerbenutzer();

} // namespace kalumo
