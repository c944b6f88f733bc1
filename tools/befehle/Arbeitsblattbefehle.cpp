// Worksheets: kalumo-tool worksheet, the sheet of a document as a file.

#include "Befehle.h"
#include "Werkzeugdienste.h"
#include "document/DokumentDateien.h"
#include "worksheet/Arbeitsblatt.h"
#include "worksheet/Arbeitsblattexport.h"

using namespace kalumo;

namespace {

int worksheet(const QStringList &a)
{
    // DOC OUT then options
    if (a.size() < 2)
        return Gebrauch();
    const Blattformat format = BlattformatNachEndung(a[1]);
    if (format == Blattformat::Unbekannt)
        return Gebrauch();
    int variante = -1, spalten = -1;
    bool quer = false;
    std::uint32_t saat = 1;
    for (qsizetype i = 2; i < a.size(); ++i) {
        const QString &o = a[i];
        auto zahl = [&](qint64 min, qint64 max, qint64 &ziel) {
            if (i + 1 >= a.size())
                return false;
            bool ok = false;
            const qint64 n = a[++i].toLongLong(&ok);
            if (!ok || n < min || n > max)
                return false;
            ziel = n;
            return true;
        };
        qint64 n = 0;
        if (o == QLatin1String("--variant")) {
            if (!zahl(0, 3, n))
                return Gebrauch();
            variante = int(n);
        } else if (o == QLatin1String("--columns")) {
            if (!zahl(1, 20, n))
                return Gebrauch();
            spalten = int(n);
        } else if (o == QLatin1String("--seed")) {
            if (!zahl(0, 0xFFFFFFFFLL, n))
                return Gebrauch();
            saat = std::uint32_t(n);
        } else if (o == QLatin1String("--landscape")) {
            quer = true;
        } else {
            return Gebrauch();
        }
    }
    StderrMeldungen meldungen;
    WerkzeugDienste dienste(meldungen);
    Dokument dok;
    if (!DokumentLesen(dok, dienste, a[0], true))
        return 1;
    if (dok.Kopf.ArbeitsblattSperren == 1) {
        meldungen.Fehler(QStringLiteral("Die Arbeitsblatt-Funktion ist bei diesem Dokument vom Autor gesperrt."));
        return 1;
    }
    // the document's stored settings, the options of the command line over them
    ArbeitsblattOptionen o;
    if (!dienste.ArbeitsblattEinstellungen.isEmpty())
        ArbeitsblattEinstellungenLesen(dienste.ArbeitsblattEinstellungen, o);
    o.Titel = dok.Kopf.titel;
    o.Aufgabe = dok.Kopf.ABAufgabe;
    if (variante >= 0)
        o.Variante = variante;
    if (spalten > 0)
        o.Spalten = spalten;
    if (quer)
        o.Querformat = true;
    KreuzzuordnungVorbereiten(dok, dienste.Schriftart(), true, saat);
    ArbeitsblattQuelle quelle;
    quelle.Schriftart = dienste.Schriftart();
    quelle.Saat = saat;
    const Zeichenliste blatt = ArbeitsblattZeichnen(dok, o, quelle);
    QString fehler;
    if (!BlattSchreiben(blatt, a[1], format, dok.Kopf.titel, &fehler)) {
        meldungen.Fehler(fehler);
        return 1;
    }
    return 0;
}

const KalumoBefehl befehlWorksheet("worksheet",
                                   "worksheet DOKUMENT AUSGABE.(pdf|svg|png|emf|wmf) [--variant 0..3] [--landscape]"
                                   " [--columns C] [--seed N]",
                                   worksheet);

} // namespace
