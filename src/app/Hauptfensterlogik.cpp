#include "app/Hauptfensterlogik.h"

#include "document/DokumentModell.h"
#include "platform/Meldungen.h"

#include <QDir>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace kalumo {

bool AnzeigeGeeignet(int breite, int hoehe, int farbtiefe)
{
    // deliberately a little below the 1024 x 768 x 16 the warning asks for
    return breite >= 960 && hoehe >= 720 && farbtiefe >= 15;
}

QString AnzeigeWarnung(int breite, int hoehe, int farbtiefe)
{
    return QStringLiteral("Ungeeigneter Grafikmodus! (Windows-Systemsteuerung / Eigenschaften von Anzeige)\r\n\r\n"
                          "Für dieses Programm sollte ein Grafikmodus mit einer Auflösung von mindestens 1024 x 768 "
                          "Pixel (Bildpunkte) und einer Farbtiefe von mindestens 16 Bit (High Color) eingestellt "
                          "sein. \r\nAktuelle Einstellungen:\r\n- Auflösung: ")
        + QString::number(breite) + QStringLiteral(" x ") + QString::number(hoehe) + QStringLiteral(" Pixel")
        + QStringLiteral("\r\n") + QStringLiteral("- Farbtiefe: ") + QString::number(farbtiefe)
        + QStringLiteral(" Bit") + QStringLiteral("\r\n\r\n") + QStringLiteral("Programm trotzdem starten?");
}

QString FensterTitel(const QString &dateiname)
{
    QString t = QString::fromUtf8(kAnwendungsTitel);
    if (!dateiname.isEmpty())
        t += QStringLiteral(" - ") + QFileInfo(dateiname).fileName();
    return t;
}

QString TitelLabelText(int bibliotheksindex, const QString &titel, bool verborgen)
{
    QString t = QStringLiteral(" ");
    if (bibliotheksindex >= 0)
        t += QLatin1Char('(') + QString::number(bibliotheksindex + 1) + QStringLiteral(") ");
    if (verborgen)
        t += QLatin1Char('?');
    else
        t += titel.isEmpty() ? QStringLiteral("(ohne Titel)") : titel;
    return t;
}

QString StartseitenText()
{
    const QString q = QStringLiteral("\"");
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("Um ein Kalumo-Dokument anzuzeigen,") + crlf + crlf + QStringLiteral("rufen Sie das Menü ") + q
        + QStringLiteral("Themenauswahl") + q + QStringLiteral(" oder ") + q + QStringLiteral("Datei / Öffnen") + q
        + QStringLiteral(" auf.") + crlf + crlf + crlf + crlf + QStringLiteral("Für einen neuen Tafelanschrieb") + crlf
        + crlf + QStringLiteral("klicken Sie auf den Knopf ") + q + QStringLiteral("Neues Blatt") + q
        + QStringLiteral(" (rechts bei Tafelanschrieb).") + crlf;
}

QImage StartbildErzeugen()
{
    QImage b(1000, 700, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&b);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient himmel(0, 0, 0, 700);
    himmel.setColorAt(0.0, QColor(0xFA, 0xFC, 0xFF));
    himmel.setColorAt(1.0, QColor(0xDC, 0xE8, 0xF4));
    p.fillRect(b.rect(), himmel);
    // a few soft shapes in the corners: a page, a card and a pencil stroke
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xFF, 0xFF, 200));
    p.drawRoundedRect(QRectF(700, 440, 230, 170), 14, 14);
    p.setBrush(QColor(0x7F, 0xBE, 0xFF, 90));
    p.drawRoundedRect(QRectF(740, 480, 120, 34), 8, 8);
    p.setBrush(QColor(0xFF, 0xC0, 0x80, 90));
    p.drawRoundedRect(QRectF(760, 540, 140, 34), 8, 8);
    QPainterPath strich;
    strich.moveTo(70, 620);
    strich.cubicTo(180, 560, 260, 660, 380, 600);
    p.setPen(QPen(QColor(0x9F, 0xB8, 0xD0, 140), 10, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(strich);
    p.end();
    return b.convertToFormat(QImage::Format_RGBA8888);
}

Startargumente KommandozeileAuswerten(const QStringList &argumente)
{
    Startargumente a;
    if (!argumente.isEmpty() && !argumente.first().isEmpty()) {
        const QFileInfo info(argumente.first());
        if (info.isDir()) {
            a.Startordner = QDir::cleanPath(info.absoluteFilePath()) + QLatin1Char('/');
        } else {
            a.Startordner = QDir::cleanPath(info.absolutePath()) + QLatin1Char('/');
            if (!info.fileName().isEmpty()) {
                if (info.suffix().compare(QLatin1String("kausp"), Qt::CaseInsensitive) == 0)
                    a.Paket = info.absoluteFilePath();
                else
                    a.Startdokument = info.absoluteFilePath();
            }
        }
    }
    if (argumente.size() >= 2 && argumente.at(1).compare(QLatin1String("/vb"), Qt::CaseInsensitive) == 0) {
        a.Vorschau = true;
        if (argumente.size() >= 3 && !argumente.at(2).isEmpty())
            a.VorschauDatei = argumente.at(2);
        if (argumente.size() >= 4) {
            bool ok = false;
            const int n = argumente.at(3).toInt(&ok);
            if (ok && n > 0 && n <= 10000)
                a.VorschauHoehe = n;
        }
    }
    return a;
}

TastenAktion TasteAuswerten(int key, int modifiers, const TastenZustand &z)
{
    const int mods = modifiers & int(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (key == Qt::Key_G && mods == int(Qt::ShiftModifier | Qt::AltModifier))
        return TastenAktion::FensterZuruecksetzen;
    // a run has the keys: the puzzle's arrows, the exercise's Tab, arrows,
    // Enter and Space (the view stays at its question and at 100 %)
    if (z.Ansichtsmodus == modusSchiebepuzzle || z.Ansichtsmodus == modusUebung)
        return TastenAktion::Keine;
    const bool ziffernblock = modifiers & Qt::KeypadModifier;
    if (ziffernblock && mods == int(Qt::ControlModifier)) {
        if (key == Qt::Key_Plus)
            return TastenAktion::ZoomHinein;
        if (key == Qt::Key_Minus)
            return TastenAktion::ZoomHeraus;
    }
    const bool fragen = (z.DokTyp == dokEinzelfragen || z.DokTyp == dokMultipleChoice) && z.AnzFrageNummern > 0 && !z.ObjekteditorOffen;
    if (mods == 0 && fragen) {
        switch (key) {
        case Qt::Key_End: return TastenAktion::LetzteFrage;
        case Qt::Key_Home: return TastenAktion::ErsteFrage;
        case Qt::Key_Left: return TastenAktion::VorherigeFrage;
        case Qt::Key_Right: return TastenAktion::NaechsteFrage;
        default: break;
        }
    }
    return TastenAktion::Keine;
}

int FrageKnopf(TastenAktion a)
{
    switch (a) {
    case TastenAktion::ErsteFrage: return objNavErste;
    case TastenAktion::LetzteFrage: return objNavLetzte;
    case TastenAktion::VorherigeFrage: return objNavZurueck;
    case TastenAktion::NaechsteFrage: return objNavVor;
    default: return -1;
    }
}

bool SchliessenErlaubt(SchliessSchritte &s)
{
    if (!s.UebungAbbrechenErlaubt())
        return false;
    s.NetzTeilnahmeAbbrechen();
    if (!s.AenderungenSpeichernFragen())
        return false;
    if (!s.ChronikFragen())
        return false;
    return s.BeendenBestaetigen();
}

QString ChronikFrage(int anzahl, const QString &ordner)
{
    if (anzahl == 1)
        return QString::number(anzahl) + QStringLiteral(" Chronik-Screenshot wurde im Ordner ") + ordner
            + QStringLiteral(" als PNG-Bilddatei abgelegt.") + QStringLiteral("\r\n")
            + QStringLiteral("Soll diese jetzt gelöscht werden?");
    return QString::number(anzahl) + QStringLiteral(" Chronik-Screenshots wurden im Ordner ") + ordner
        + QStringLiteral(" als PNG-Bilddateien abgelegt.") + QStringLiteral("\r\n")
        + QStringLiteral("Sollen diese jetzt gelöscht werden?");
}

bool UebungAbbrechenErlaubt(const UebungsZustand &z, Meldungen &m)
{
    if (z.Ansichtsmodus == modusUebung && !z.UebungBeendet)
        return m.Frage(QStringLiteral("Die aktuelle Übung ist noch nicht beendet.\r\nÜbung wirklich abbrechen?"))
            == Antwort::Ja;
    if (z.Ansichtsmodus == modusSchiebepuzzle && !z.UebungBeendet)
        return m.Frage(QStringLiteral("Das aktuelle Schiebepuzzle ist noch nicht gelöst.\r\nÜbung wirklich abbrechen?"))
            == Antwort::Ja;
    return true;
}

} // namespace kalumo
