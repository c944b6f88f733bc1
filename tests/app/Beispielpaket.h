#pragma once
// A series package of example documents, for the tests of the series in the
// session and in the main window.

#include "series/Seriepaket.h"

#include <QFile>
#include <QString>

#include <vector>

namespace kalumo::test {

struct Paketteil
{
    const char *Dokument;   // a file of examples/
    int Gewichtung = 1;
    int Minuten = 0;
};

// Writes the package; false when an example cannot be read or the package written.
inline bool BeispielpaketSchreiben(const QString &paket, const QString &titel, const std::vector<Paketteil> &teile)
{
    SeriePaketInhalt inhalt;
    inhalt.Protokolltitel = titel;
    inhalt.Skala = SerienSkalaTyp{};
    std::vector<QByteArray> dokumente;
    for (const Paketteil &t : teile) {
        const QString pfad = QStringLiteral(KALUMO_BEISPIELE_ORDNER) + "/" + QString::fromUtf8(t.Dokument);
        QFile d(pfad);
        if (!d.open(QIODevice::ReadOnly))
            return false;
        dokumente.push_back(d.readAll());
        SeriePaketEintrag e;
        e.Datei = pfad;
        e.Titel = QString::fromUtf8(t.Dokument);
        e.Gewichtung = t.Gewichtung;
        e.Zeit = t.Minuten;
        e.Abfragemodus = 0;
        inhalt.Eintraege.push_back(e);
    }
    return SeriePaketDateiSchreiben(paket, inhalt, dokumente);
}

} // namespace kalumo::test
