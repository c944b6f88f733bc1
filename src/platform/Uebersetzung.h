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

// The folder searched for Qt's translations.
QString QtUebersetzungsordner();

} // namespace kalumo
