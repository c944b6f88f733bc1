// The document library: the topic list of a folder as the menu
// "&Themenauswahl" shows it.

#include "Befehle.h"
#include "Json.h"
#include "document/Bibliothek.h"
#include "platform/Meldungen.h"

#include <QDir>

using namespace kalumo;

namespace {

int library(const QStringList &a)
{
    if (a.size() != 1)
        return Gebrauch();
    if (!QDir(a[0]).exists()) {
        StderrMeldungen().Fehler(QStringLiteral("Der Ordner \"") + a[0] + QStringLiteral("\" existiert nicht."));
        return 1;
    }
    const std::vector<ThemenDataTyp> liste = BibliothekOrdnerLesen(a[0]);
    Json eintraege = Json::Liste();
    for (size_t i = 0; i < liste.size(); ++i) {
        const ThemenDataTyp &e = liste[i];
        eintraege.Element(Json::Objekt()
                              .Feld("index", int(i))
                              .Feld("title", e.Titel)
                              .Feld("file", e.Datei)
                              .Feld("caption", BibliothekEintragText(e, int(i))));
    }
    Bibliothek b;
    b.Setzen(liste, QString());
    Ausgeben(Json::Objekt()
                 .Feld("count", int(liste.size()))
                 .Feld("column_break", b.Spaltenumbruch())
                 .Feld("entries", std::move(eintraege))
                 .Text());
    return 0;
}

const KalumoBefehl befehlLibrary("library", "library ORDNER", library);

} // namespace
