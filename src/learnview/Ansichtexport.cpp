#include "learnview/Ansichtexport.h"

#include "document/PngBild.h"
#include "platform/Dateidialoge.h"
#include "platform/Meldungen.h"

#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace kalumo {

Bildformat FormatNachEndung(const QString &dateiname)
{
    const QString endung = QFileInfo(dateiname).suffix().toLower();
    if (endung == QLatin1String("png"))
        return Bildformat::Png;
    if (endung == QLatin1String("jpg"))
        return Bildformat::Jpeg;
    if (endung == QLatin1String("bmp"))
        return Bildformat::Bmp;
    return Bildformat::Unbekannt;
}

namespace {

struct JpegFehler
{
    jpeg_error_mgr basis;
    std::jmp_buf sprung;
};

// A libjpeg error must not end the program: it returns to JpegKodieren.
void JpegFehlerAusgang(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegFehler *>(info->err)->sprung, 1);
}

bool JpegKodieren(const QImage &rgb, int qualitaet, unsigned char **puffer, unsigned long *laenge)
{
    jpeg_compress_struct info;
    JpegFehler fehler;
    info.err = jpeg_std_error(&fehler.basis);
    fehler.basis.error_exit = JpegFehlerAusgang;
    if (setjmp(fehler.sprung)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, puffer, laenge);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, qualitaet, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW zeile = const_cast<JSAMPROW>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

bool JpegSchreiben(const QImage &raster, const QString &dateiname, int qualitaet)
{
    if (raster.isNull())
        return false;
    const QImage rgb = raster.convertToFormat(QImage::Format_RGB888);
    unsigned char *puffer = nullptr;
    unsigned long laenge = 0;
    bool ok = JpegKodieren(rgb, std::clamp(qualitaet, 0, 100), &puffer, &laenge);
    if (ok) {
        QSaveFile datei(dateiname);
        ok = datei.open(QIODevice::WriteOnly)
             && datei.write(reinterpret_cast<const char *>(puffer), qint64(laenge)) == qint64(laenge)
             && datei.commit();
    }
    std::free(puffer);
    return ok;
}

bool SaveRaster(const QImage &raster, const QString &dateiname)
{
    if (raster.isNull() || dateiname.isEmpty())
        return false;
    switch (FormatNachEndung(dateiname)) {
    case Bildformat::Jpeg:
        return JpegSchreiben(raster, dateiname, 99);
    case Bildformat::Png: {
        QSaveFile datei(dateiname);
        if (!datei.open(QIODevice::WriteOnly))
            return false;
        if (!PngSchreiben(datei, raster, 5))
            return false;
        return datei.commit();
    }
    default: {
        QSaveFile datei(dateiname);
        if (!datei.open(QIODevice::WriteOnly))
            return false;
        if (!raster.convertToFormat(QImage::Format_RGB32).save(&datei, "BMP"))
            return false;
        return datei.commit();
    }
    }
}

bool AnsichtExportieren(const QImage &bild, Meldungen &meldungen, Dateidialoge &dialoge, const QString &ordner)
{
    const QString name = dialoge.Speichern(
        QStringLiteral("Ansicht in Bilddatei speichern"), ordner,
        QStringLiteral("Alle Dateien (*.*);;PNG (*.png);;JPEG (*.jpg);;Bitmap (*.bmp)"), QString(),
        QStringLiteral("png"));
    if (name.isEmpty())
        return false;
    if (FormatNachEndung(name) == Bildformat::Unbekannt) {
        meldungen.Fehler(QStringLiteral("Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung."));
        return false;
    }
    if (!SaveRaster(bild, name)) {
        meldungen.Fehler(QStringLiteral("Datei konnte nicht erstellt werden:") + QStringLiteral("\r\n") + name);
        return false;
    }
    return true;
}

void InZwischenablageKopieren(const QImage &bild)
{
    if (QClipboard *ablage = QGuiApplication::clipboard())
        ablage->setImage(bild.convertToFormat(QImage::Format_RGB32));
}

} // namespace kalumo
