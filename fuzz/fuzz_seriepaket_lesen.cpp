// libFuzzer target for the exercise-series package reader.
//
// Every input is read as a package. A package that reads must survive a
// round trip: its embedded documents taken out, written back as a package
// and read again, the second read has to give the same list.

#include "series/Seriepaket.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace kalumo;

namespace {

[[noreturn]] void fehlschlag(const char *was)
{
    std::fprintf(stderr, "fuzz_seriepaket_lesen: %s\n", was);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static int qtArgc = 1;
    static char name[] = "fuzz_seriepaket_lesen";
    static char *qtArgv[] = {name, nullptr};
    static QCoreApplication *app = new QCoreApplication(qtArgc, qtArgv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArray eingabe = QByteArray::fromRawData(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    QBuffer puffer;
    puffer.setData(eingabe);
    if (!puffer.open(QIODevice::ReadOnly))
        fehlschlag("QBuffer lässt sich nicht öffnen");
    SeriePaketInhalt inhalt;
    const LeseErgebnis ergebnis = SeriePaketStromLesen(puffer, inhalt);
    if (puffer.pos() > qint64(groesse))
        fehlschlag("über das Ende gelesen");
    if (!ergebnis.ok())
        return 0;

    std::vector<QByteArray> dokumente;
    for (const SeriePaketEintrag &e : inhalt.Eintraege) {
        if (e.Offset < 0 || e.Laenge < 0 || e.Offset + e.Laenge > qint64(groesse))
            fehlschlag("Dokument außerhalb der Eingabe");
        dokumente.push_back(eingabe.mid(e.Offset, e.Laenge));
    }
    QByteArray geschrieben;
    {
        QBuffer aus(&geschrieben);
        if (!aus.open(QIODevice::WriteOnly))
            fehlschlag("QBuffer lässt sich nicht öffnen");
        try {
            SeriePaketStromSchreiben(aus, inhalt, dokumente);
        } catch (const std::exception &) {
            fehlschlag("gelesenes Paket lässt sich nicht schreiben");
        }
    }
    QBuffer wiederPuffer(&geschrieben);
    if (!wiederPuffer.open(QIODevice::ReadOnly))
        fehlschlag("QBuffer lässt sich nicht öffnen");
    SeriePaketInhalt wieder;
    if (!SeriePaketStromLesen(wiederPuffer, wieder).ok())
        fehlschlag("geschriebenes Paket lässt sich nicht wieder lesen");
    if (wieder.Eintraege.size() != inhalt.Eintraege.size() || wieder.Protokolltitel != inhalt.Protokolltitel)
        fehlschlag("geschriebenes Paket liest sich anders");
    for (size_t i = 0; i < wieder.Eintraege.size(); ++i) {
        const SeriePaketEintrag &a = inhalt.Eintraege[i];
        const SeriePaketEintrag &b = wieder.Eintraege[i];
        if (a.Datei != b.Datei || a.Gewichtung != b.Gewichtung || a.Zeit != b.Zeit
            || a.Abfragemodus.value_or(0) != b.Abfragemodus.value_or(0)
            || geschrieben.mid(b.Offset, b.Laenge) != dokumente[i])
            fehlschlag("Eintrag liest sich anders");
    }
    return 0;
}
