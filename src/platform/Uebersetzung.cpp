#include "platform/Uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>

namespace kalumo {

QString QtUebersetzungsordner()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool QtUebersetzungLaden(QCoreApplication &anwendung)
{
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    auto *uebersetzung = new QTranslator(&anwendung);
    // "qt_de" gathers the catalogues of all Qt modules, "qtbase_de" is the
    // one that holds the dialogs and the key names
    for (const char *name : {"qt", "qtbase"}) {
        if (uebersetzung->load(deutsch, QString::fromLatin1(name), QStringLiteral("_"), QtUebersetzungsordner())
            && anwendung.installTranslator(uebersetzung))
            return true;
    }
    delete uebersetzung;
    return false;
}

void DeutschesGebietsschema()
{
    if (QLocale::system().language() != QLocale::German)
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

} // namespace kalumo
