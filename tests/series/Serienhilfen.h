#pragma once
// Small documents and packages for the series tests, and scripted services
// in place of the dialogs, the grading and the exercise engine.

#include "document/DokumentDatei.h"
#include "document/DokumentDateien.h"
#include "series/Seriendienste.h"
#include "testhilfen/Fixtures.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QString>

#include <optional>
#include <vector>

namespace kalumo::test {

// The bytes of a document written by the program's writer.
inline QByteArray DokumentBytes(const QString &titel, int dokTyp = dokBildbeschriftung, bool eigeneEinstellungen = false)
{
    Dokument dok;
    dok.Kopf.titel = titel;
    dok.Kopf.DokTyp = dokTyp;
    dok.Kopf.UebEinstSpeichern = eigeneEinstellungen ? 1 : 0;
    dok.Basisbild = Farbbild(4, 3, Qt::blue);
    return Geschrieben(dok);
}

inline void DateiSchreiben(const QString &pfad, const QByteArray &bytes)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << pfad.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

inline QByteArray Dateibytes(const QString &pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// One entry of a hand-built package.
struct PaketEintragRoh
{
    QByteArray Datei;
    QByteArray Titel;
    QByteArray Sortname;
    qint32 Gewichtung = 1;
    qint32 Zeit = 0;
    qint32 Abfragemodus = 0;   // written from "01.01" on
    QByteArray Dokument;
};

// A package put together item by item, as the given version stores it.
inline QByteArray PaketRoh(const QByteArray &version, const std::vector<PaketEintragRoh> &eintraege,
                           qint32 uebungsmodus = 1, const QByteArray &titel = "Test",
                           const QByteArray &information = "Fach / Thema: <tab>Bio")
{
    Roh r;
    r.Text("KASUP-").Text(version).Text("").Text("C:\\Serien\\");
    r.Int(2).Int(7).Int(uebungsmodus).Int(qint32(eintraege.size()));
    r.Text(titel).Text(information);
    if (version >= QByteArray("01.02")) {
        for (double q : {0.9, 0.8, 0.6, 0.45, 0.2})
            r.Double(q);
        for (int i = 1; i <= 15; ++i)
            r.Double(0.06 * i);
        r.Int(2);
    }
    for (const PaketEintragRoh &e : eintraege) {
        r.Text(e.Datei).Text(e.Titel).Text(e.Sortname).Int(e.Gewichtung).Int(e.Zeit);
        if (version >= QByteArray("01.01"))
            r.Int(e.Abfragemodus);
    }
    for (const PaketEintragRoh &e : eintraege)
        r.Text(e.Dokument);
    return r.Daten();
}

// Files, dialogs and the grading scale, answered from scripts; Basis is
// SerienDateiDienste or SerienUebungsDienste.
template <class Basis>
class SkriptDienste : public Basis
{
public:
    Meldungen &Meldung() override { return meldungen; }
    Dateidialoge &Dialoge() override { return dialoge; }
    SerienSkalaTyp Skala() const override { return skala; }
    void SkalaSetzen(const SerienSkalaTyp &s) override
    {
        skala = s;
        ++skalaGesetzt;
    }
    void Sanduhr(bool an) override { sanduhr += an ? 1 : -1; }
    QString Bibliotheksordner() const override { return bibliothek; }
    void BibliotheksordnerSetzen(const QString &o) override { bibliothek = o; }
    void BibliothekNeuAufbauen() override { ++bibliothekNeu; }

    SkriptMeldungen meldungen;
    SkriptDateidialoge dialoge;
    SerienSkalaTyp skala;
    int skalaGesetzt = 0;
    int sanduhr = 0;
    QString bibliothek;
    int bibliothekNeu = 0;
};

using SkriptSerienDateiDienste = SkriptDienste<SerienDateiDienste>;

} // namespace kalumo::test
