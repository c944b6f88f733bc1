#include "worksheet/Arbeitsblattexport.h"

#include "worksheet/Metadatei.h"

#include <QBuffer>
#include <QFileInfo>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

namespace kalumo {

Blattformat BlattformatNachEndung(const QString &pfad)
{
    const QString e = QFileInfo(pfad).suffix().toLower();
    if (e == QLatin1String("emf"))
        return Blattformat::Emf;
    if (e == QLatin1String("wmf"))
        return Blattformat::Wmf;
    if (e == QLatin1String("pdf"))
        return Blattformat::Pdf;
    if (e == QLatin1String("svg"))
        return Blattformat::Svg;
    if (e == QLatin1String("png"))
        return Blattformat::Png;
    return Blattformat::Unbekannt;
}

namespace {

struct Filtereintrag
{
    const char *Text;
    Blattformat Format;
    const char *Endung;
};

const Filtereintrag kFilter[] = {
    {"Enhanced Metafile (*.emf)", Blattformat::Emf, "emf"},
    {"Metafile (*.wmf)", Blattformat::Wmf, "wmf"},
    {"PDF-Dokument (*.pdf)", Blattformat::Pdf, "pdf"},
    {"SVG-Grafik (*.svg)", Blattformat::Svg, "svg"},
    {"PNG-Bild (*.png)", Blattformat::Png, "png"},
    {"Alle Dateien (*.*)", Blattformat::Unbekannt, "emf"},
};

} // namespace

QString ExportFilter()
{
    QStringList teile;
    for (const Filtereintrag &f : kFilter)
        teile << QString::fromUtf8(f.Text);
    return teile.join(QStringLiteral(";;"));
}

Blattformat ExportformatPruefen(QString &pfad, const QString &filterWahl)
{
    const Filtereintrag *gewaehlt = nullptr;
    for (const Filtereintrag &f : kFilter)
        if (filterWahl == QString::fromUtf8(f.Text))
            gewaehlt = &f;
    if (QFileInfo(pfad).suffix().isEmpty() && !pfad.isEmpty())
        pfad += QLatin1Char('.') + QString::fromLatin1(gewaehlt ? gewaehlt->Endung : "emf");
    const Blattformat format = BlattformatNachEndung(pfad);
    if (!gewaehlt || gewaehlt->Format == Blattformat::Unbekannt)
        return format;
    const bool metafilter = gewaehlt->Format == Blattformat::Emf || gewaehlt->Format == Blattformat::Wmf;
    if (metafilter)
        return format == Blattformat::Emf || format == Blattformat::Wmf ? format : Blattformat::Unbekannt;
    return format == gewaehlt->Format ? format : Blattformat::Unbekannt;
}

QSizeF BlattMillimeter(const Zeichenliste &liste)
{
    const QSizeF s = liste.Seite.isEmpty() ? QSizeF(1000, 1625) : liste.Seite;
    const bool quer = s.width() > s.height();
    const double breite = quer ? 268.0 : 165.0;
    return {breite, breite * s.height() / s.width()};
}

QRectF StandardDrucklage(bool querformat)
{
    return querformat ? QRectF(1.4, 2.2, 26.8, 16.5) : QRectF(2.2, 1.4, 16.5, 26.8);
}

QByteArray BlattPdf(const Zeichenliste &liste, const QString &titel)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        const bool quer = liste.Seite.width() > liste.Seite.height();
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), quer ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        pdf.setResolution(1200);
        pdf.setTitle(titel);
        pdf.setCreator(QStringLiteral("Kalumo"));
        QPainter p(&pdf);
        // one page unit of the painter is one centimetre here
        const double proZentimeter = pdf.resolution() / 2.54;
        const QRectF lage = StandardDrucklage(quer);
        liste.Abspielen(p, QRectF(lage.left() * proZentimeter, lage.top() * proZentimeter,
                                  lage.width() * proZentimeter, lage.height() * proZentimeter));
        p.end();
    }
    return daten;
}

QByteArray BlattSvg(const Zeichenliste &liste, const QString &titel)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    const QSizeF mm = BlattMillimeter(liste);
    const QSize groesse(int(std::ceil(liste.Seite.width())), int(std::ceil(liste.Seite.height())));
    svg.setSize(groesse);
    svg.setViewBox(QRectF(QPointF(0, 0), liste.Seite));
    // the size in millimetres follows from the resolution
    svg.setResolution(int(std::round(groesse.width() * 25.4 / mm.width())));
    svg.setTitle(titel);
    svg.setDescription(QStringLiteral("Erstellt mit Kalumo."));
    QPainter p(&svg);
    liste.Abspielen(p);
    p.end();
    return daten;
}

QImage BlattBild(const Zeichenliste &liste, int breite)
{
    const QSizeF s = liste.Seite.isEmpty() ? QSizeF(1000, 1625) : liste.Seite;
    const int w = std::max(1, breite);
    return liste.Bitmap(QSize(w, std::max(1, int(std::round(w * s.height() / s.width())))));
}

bool BlattSchreiben(const Zeichenliste &liste, const QString &pfad, Blattformat format, const QString &titel,
                    QString *fehler)
{
    QByteArray daten;
    switch (format) {
    case Blattformat::Emf: daten = EmfErzeugen(liste, BlattMillimeter(liste)); break;
    case Blattformat::Wmf: daten = WmfErzeugen(liste, BlattMillimeter(liste)); break;
    case Blattformat::Pdf: daten = BlattPdf(liste, titel); break;
    case Blattformat::Svg: daten = BlattSvg(liste, titel); break;
    case Blattformat::Png: {
        QBuffer puffer(&daten);
        puffer.open(QIODevice::WriteOnly);
        if (!BlattBild(liste).save(&puffer, "PNG"))
            daten.clear();
        break;
    }
    case Blattformat::Unbekannt:
        if (fehler)
            *fehler = QString::fromUtf8(kUngueltigeEndung);
        return false;
    }
    QSaveFile datei(pfad);
    if (daten.isEmpty() || !datei.open(QIODevice::WriteOnly) || datei.write(daten) != daten.size() || !datei.commit()) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei \"") + pfad + QStringLiteral("\" kann nicht geschrieben werden.");
        return false;
    }
    return true;
}

QMimeData *BlattZwischenablage(const Zeichenliste &liste, const QString &titel)
{
    auto *daten = new QMimeData;
    daten->setData(QStringLiteral("image/svg+xml"), BlattSvg(liste, titel));
    daten->setData(QStringLiteral("application/pdf"), BlattPdf(liste, titel));
    daten->setData(QStringLiteral("image/x-emf"), EmfErzeugen(liste, BlattMillimeter(liste)));
    daten->setImageData(BlattBild(liste, 1200));
    return daten;
}

} // namespace kalumo
