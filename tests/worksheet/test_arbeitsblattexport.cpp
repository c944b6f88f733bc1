// Export of a sheet: the choice of the format, the metafiles record by
// record, PDF through pdftotext for every example, printing placement.

#include "document/DokumentDateien.h"
#include "learnview/Lernansichtshilfen.h"
#include "learnview/TextLayouts.h"
#include "platform/Drucker.h"
#include "worksheet/Arbeitsblatt.h"
#include "worksheet/Arbeitsblattexport.h"
#include "worksheet/Metadatei.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

using namespace kalumo;
using namespace kalumo::test;

namespace {

Zeichenliste Beispielblatt(int variante = abLoesungKomplett)
{
    Dokument dok = Seite(870, 609, QColor(200, 230, 255));
    Objekt(dok, objAbfrageBeschriftung, 0.3, 0.3, "Blüte");
    Objekt(dok, objAbfrageBeschriftung, 0.6, 0.6, "Wurzel");
    ArbeitsblattOptionen o;
    o.Variante = variante;
    o.Titel = QStringLiteral("Aufbau einer Blütenpflanze");
    o.Aufgabe = QStringLiteral("Aufgabe: Fülle die freien Felder aus!");
    return ArbeitsblattZeichnen(dok, o);
}

quint32 U32(const QByteArray &d, qsizetype i) { return qFromLittleEndian<quint32>(d.constData() + i); }
quint16 U16(const QByteArray &d, qsizetype i) { return qFromLittleEndian<quint16>(d.constData() + i); }

} // namespace

TEST(Arbeitsblattexport, FormatNachFilterUndEndung)
{
    const QString emf = "Enhanced Metafile (*.emf)", wmf = "Metafile (*.wmf)", png = "PNG-Bild (*.png)",
                  alle = "Alle Dateien (*.*)";
    struct Fall { const char *Pfad; QString Filter; Blattformat Erwartet; const char *Danach; };
    const Fall faelle[] = {
        {"/t/blatt.png", emf, Blattformat::Unbekannt, "/t/blatt.png"},  // refused in the metafile dialog
        {"/t/blatt.PNG", wmf, Blattformat::Unbekannt, "/t/blatt.PNG"},
        {"/t/blatt.WMF", emf, Blattformat::Wmf, "/t/blatt.WMF"},
        {"/t/blatt.emf", emf, Blattformat::Emf, "/t/blatt.emf"},
        {"/t/blatt", emf, Blattformat::Emf, "/t/blatt.emf"},
        {"/t/blatt", png, Blattformat::Png, "/t/blatt.png"},
        {"/t/blatt.png", png, Blattformat::Png, "/t/blatt.png"},
        {"/t/blatt.pdf", alle, Blattformat::Pdf, "/t/blatt.pdf"},
        {"/t/blatt.svg", QString(), Blattformat::Svg, "/t/blatt.svg"},
        {"/t/blatt.txt", alle, Blattformat::Unbekannt, "/t/blatt.txt"},
    };
    for (const Fall &f : faelle) {
        QString pfad = QString::fromUtf8(f.Pfad);
        EXPECT_EQ(ExportformatPruefen(pfad, f.Filter), f.Erwartet) << f.Pfad;
        EXPECT_EQ(pfad, QString::fromUtf8(f.Danach));
    }
    QString fehler;
    QTemporaryDir dir;
    EXPECT_FALSE(BlattSchreiben(Beispielblatt(), dir.filePath("x.png"), Blattformat::Unbekannt, "T", &fehler));
    EXPECT_EQ(fehler, "Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung.");
    EXPECT_FALSE(QFile::exists(dir.filePath("x.png")));
}

TEST(Arbeitsblattexport, EnhancedMetafileSatzFuerSatz)
{
    const Zeichenliste blatt = Beispielblatt();
    const QByteArray d = EmfErzeugen(blatt, BlattMillimeter(blatt));
    ASSERT_GT(d.size(), 108);
    EXPECT_EQ(U32(d, 0), 1u);
    EXPECT_EQ(U32(d, 40), 0x464D4520u);
    EXPECT_EQ(U32(d, 48), quint32(d.size()));
    // the frame is the printed size in 0.01 mm
    EXPECT_EQ(qint32(U32(d, 32)), 16499);
    qsizetype pos = 0;
    quint32 saetze = 0, texte = 0, letzter = 0;
    while (pos < d.size()) {
        const quint32 typ = U32(d, pos), groesse = U32(d, pos + 4);
        ASSERT_GE(groesse, 8u);
        ASSERT_EQ(groesse % 4, 0u);
        ASSERT_LE(pos + qsizetype(groesse), d.size());
        if (typ == 84)
            ++texte;
        letzter = typ;
        pos += groesse;
        ++saetze;
    }
    EXPECT_EQ(saetze, U32(d, 52));
    EXPECT_EQ(letzter, 14u);
    EXPECT_EQ(texte, quint32(blatt.Texte().size()));
}

TEST(Arbeitsblattexport, PlatzierbaresWindowsMetafile)
{
    const Zeichenliste blatt = Beispielblatt();
    const QByteArray d = WmfErzeugen(blatt, BlattMillimeter(blatt));
    ASSERT_GT(d.size(), 40);
    EXPECT_EQ(U32(d, 0), 0x9AC6CDD7u);
    quint16 pruef = 0;
    for (int i = 0; i < 10; ++i)
        pruef ^= U16(d, 2 * i);
    EXPECT_EQ(U16(d, 20), pruef);
    EXPECT_EQ(U16(d, 10), 10000); // the page in tenths of a unit
    const qsizetype kopf = 22;
    EXPECT_EQ(U32(d, kopf + 6) * 2, quint32(d.size() - kopf));
    qsizetype pos = kopf + 18;
    quint32 groesster = 0, texte = 0, letzte = 0xFFFF;
    while (pos < d.size()) {
        const quint32 worte = U32(d, pos);
        ASSERT_GE(worte, 3u);
        ASSERT_LE(pos + qsizetype(worte) * 2, d.size());
        letzte = U16(d, pos + 4);
        if (letzte == 0x0A32)
            ++texte;
        groesster = std::max(groesster, worte);
        pos += qsizetype(worte) * 2;
    }
    EXPECT_EQ(letzte, 0u);
    EXPECT_EQ(groesster, U32(d, kopf + 12));
    EXPECT_EQ(texte, quint32(blatt.Texte().size()));
}

TEST(Arbeitsblattexport, SvgUndPngUndSchreibfehler)
{
    const Zeichenliste blatt = Beispielblatt();
    const QByteArray svg = BlattSvg(blatt, "Blatt");
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 1000 1625\""));
    EXPECT_TRUE(svg.contains("Erstellt mit Kalumo."));
    const QImage bild = BlattBild(blatt, 800);
    EXPECT_EQ(bild.size(), QSize(800, 1300));
    EXPECT_EQ(bild.pixelColor(400, 1290), QColor(Qt::white)); // below the footer line: paper
    QString fehler;
    EXPECT_FALSE(BlattSchreiben(blatt, "/nicht/vorhanden/blatt.pdf", Blattformat::Pdf, "T", &fehler));
    EXPECT_TRUE(fehler.startsWith("Die Datei \"/nicht/vorhanden/blatt.pdf\""));
}

TEST(Arbeitsblattexport, JedesBeispielAlsPdfInAllenVarianten)
{
    const QDir ordner(QStringLiteral(KALUMO_BEISPIELE_ORDNER));
    const QStringList dateien = ordner.entryList({"*.kal"}, QDir::Files, QDir::Name);
    ASSERT_GE(dateien.size(), 8);
    QTemporaryDir tmp;
    for (const QString &name : dateien) {
        SkriptMeldungen meldungen;
        EinfacheDokumentDienste dienste(meldungen);
        Dokument dok;
        ASSERT_TRUE(DokumentLesen(dok, dienste, ordner.filePath(name), true)) << name.toStdString();
        if (TextLayoutsFehlen(dok))
            TextLayoutsNeuAufbauen(dok);
        Arbeitsblattzeichner z(dok, {});
        for (int v = 0; v < 4; ++v) {
            ArbeitsblattOptionen o;
            o.Variante = v;
            o.Titel = dok.Kopf.titel;
            o.Aufgabe = dok.Kopf.ABAufgabe;
            const QString pdf = tmp.filePath(QStringLiteral("b%1.pdf").arg(v));
            QString fehler;
            ASSERT_TRUE(BlattSchreiben(z.DrawSheet(o), pdf, Blattformat::Pdf, dok.Kopf.titel, &fehler));
            QProcess p;
            p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
            ASSERT_TRUE(p.waitForFinished(30000)) << "pdftotext fehlt (poppler-utils)";
            ASSERT_EQ(p.exitCode(), 0);
            const QString text = QString::fromUtf8(p.readAllStandardOutput()).simplified();
            // the overlay for the transparency holds only the answers
            const bool mitRahmen = v != abLoesungFolie;
            EXPECT_EQ(text.contains(dok.Kopf.titel.simplified()), mitRahmen) << name.toStdString() << " " << v;
            EXPECT_EQ(text.contains("Erstellt mit Kalumo."), mitRahmen) << name.toStdString() << " " << v;
        }
    }
}

TEST(Drucklage, RaenderInnerhalbDesUnbedruckbarenRandes)
{
    struct Fall { Drucklage Lage; QPointF Versatz; QRectF Erwartet; };
    const Fall faelle[] = {
        {{2.2, 1.4, 16.5, 26.8}, {0, 0}, {220, 140, 1650, 2680}},
        {{2.2, 1.4, 16.5, 26.8}, {50, 40}, {170, 100, 1650, 2680}},
        {{0.3, 0.2, 10, 5}, {50, 40}, {0, 0, 1000, 500}}, // clamped at the border
    };
    for (const Fall &f : faelle)
        EXPECT_EQ(DruckRechteck(f.Lage, f.Versatz), f.Erwartet);
    EXPECT_EQ(StandardDrucklage(true), QRectF(1.4, 2.2, 26.8, 16.5));
    EXPECT_EQ(StandardDrucklage(false), QRectF(2.2, 1.4, 16.5, 26.8));
}
