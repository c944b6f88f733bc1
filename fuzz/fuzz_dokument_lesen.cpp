// libFuzzer target for the document reader.
//
// Every input is read as a whole document and, on a fresh device, as a
// header only. A document that reads must survive a round trip: written
// back and read again, the second read has to succeed as well.

#include "document/DokumentDatei.h"
#include "document/DokumentModell.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace kalumo;

namespace {

[[noreturn]] void fehlschlag(const char *was, const LeseErgebnis *e = nullptr)
{
    std::fprintf(stderr, "fuzz_dokument_lesen: %s%s%s\n", was, e ? ": " : "",
                 e ? e->Grund.toUtf8().constData() : "");
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // the program reads documents with a running application (fonts for
    // old files); a headless one behaves the same
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char name[] = "fuzz_dokument_lesen";
    static char *qtArgv[] = {name, nullptr};
    static QGuiApplication *app = new QGuiApplication(qtArgc, qtArgv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    // no copy: the buffer reads straight from libFuzzer's bytes
    const QByteArray eingabe = QByteArray::fromRawData(reinterpret_cast<const char *>(daten), qsizetype(groesse));

    DateiInhalt inhalt;
    LeseErgebnis ergebnis;
    {
        QBuffer puffer;
        puffer.setData(eingabe);
        if (!puffer.open(QIODevice::ReadOnly))
            fehlschlag("QBuffer lässt sich nicht öffnen");
        ergebnis = DokumentStromLesen(puffer, inhalt);
        if (puffer.pos() > qint64(groesse))
            fehlschlag("über das Ende gelesen");
    }
    {
        QBuffer puffer;
        puffer.setData(eingabe);
        if (!puffer.open(QIODevice::ReadOnly))
            fehlschlag("QBuffer lässt sich nicht öffnen");
        HeaderDataTyp kopf;
        QString kennung;
        KopfStromLesen(puffer, kopf, &kennung);
    }
    if (!ergebnis.ok())
        return 0;

    Dokument dok;
    dok.Kopf = inhalt.Kopf;
    dok.Objekte = std::move(inhalt.Objekte);
    dok.Basisbild = inhalt.Basisbild;

    QByteArray geschrieben;
    {
        QBuffer puffer(&geschrieben);
        if (!puffer.open(QIODevice::WriteOnly))
            fehlschlag("QBuffer lässt sich nicht öffnen");
        SchreibOptionen optionen;
        if (inhalt.UebEinst)
            for (size_t i = 1; i < inhalt.UebEinst->size(); ++i)
                optionen.UebEinst[i - 1] = (*inhalt.UebEinst)[i];
        optionen.Schriftart = inhalt.WirksameSchriftart;
        try {
            DokumentStromSchreiben(puffer, dok, optionen);
        } catch (const std::exception &f) {
            std::fprintf(stderr, "fuzz_dokument_lesen: %s\n", f.what());
            fehlschlag("gelesenes Dokument lässt sich nicht schreiben");
        }
    }

    QBuffer puffer(&geschrieben);
    if (!puffer.open(QIODevice::ReadOnly))
        fehlschlag("QBuffer lässt sich nicht öffnen");
    DateiInhalt wieder;
    const LeseErgebnis zweites = DokumentStromLesen(puffer, wieder);
    if (!zweites.ok())
        fehlschlag("geschriebenes Dokument lässt sich nicht wieder lesen", &zweites);
    size_t gespeichert = 0;
    for (const ObjDataTyp &o : dok.Objekte)
        if (!IstNieGespeichert(o.Typ))
            ++gespeichert;
    if (wieder.Objekte.size() != gespeichert || wieder.Basisbild.size() != dok.Basisbild.size())
        fehlschlag("geschriebenes Dokument liest sich anders");
    return 0;
}
