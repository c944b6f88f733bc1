#pragma once
// Qt's own texts in German: the standard dialogs (file, colour, print), the
// buttons of message boxes and the names of keys in menus ("Strg+O",
// "Bild ab"). They come with Qt's translations (Debian package
// qt6-translations-l10n).

class QCoreApplication;
class QString;

namespace kalumo {

// Installs Qt's German translation into the application; false when the
// translation is not installed (Qt's English texts stay).
bool QtUebersetzungLaden(QCoreApplication &anwendung);

// Dates, times and numbers in German as well: a system whose language is
// not German (a bare "C" locale, an English desktop) would otherwise show
// "15 Mar 2023" in best lists and protocols. A German system keeps its own
// regional settings.
void DeutschesGebietsschema();

// The folder searched for Qt's translations.
QString QtUebersetzungsordner();

} // namespace kalumo
