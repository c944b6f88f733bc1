#include "exercise/Rueckmeldungston.h"

#include <QFileInfo>

#include <algorithm>

namespace kalumo {

namespace {

QString nichtGefunden(const QString &pfad)
{
    return QStringLiteral("Tondatei \"") + pfad + QStringLiteral("\" nicht gefunden.");
}

QString abspielFehler(const QString &pfad)
{
    return QStringLiteral("Fehler beim Abspielen der Tondatei \"") + pfad + QStringLiteral("\".");
}

void konfiguriert(Tonausgabe &ton, Meldungen &meldungen, const TonEinstellungenTyp &einst, const QString &name,
                  bool bisZumEnde)
{
    if (!einst.Tonausgabe) {
        ton.Anhalten();
        return;
    }
    // an emptied field means no sound
    const QString pfad = TonDateiAufloesen(name, einst.SoundOrdner);
    if (pfad.isEmpty())
        return;
    if (!QFileInfo(pfad).isFile()) {
        meldungen.Fehler(nichtGefunden(pfad));
        return;
    }
    if (ton.Abspielen(pfad, bisZumEnde) == TonErgebnis::Fehler)
        meldungen.Fehler(abspielFehler(pfad));
}

} // namespace

QString TonDateiAufloesen(const QString &name, const QString &soundOrdner)
{
    QString datei = name.trimmed();
    if (datei.isEmpty())
        return {};
    // the extension becomes ".wav"; a dot in a folder name is no extension
    const qsizetype schraeg = std::max(datei.lastIndexOf(u'/'), datei.lastIndexOf(u'\\'));
    const qsizetype punkt = datei.lastIndexOf(u'.');
    if (punkt > schraeg)
        datei.truncate(punkt);
    datei += QStringLiteral(".wav");
    if (schraeg >= 0)
        return datei;
    const QString ordner = soundOrdner.isEmpty() || soundOrdner.endsWith(u'/') ? soundOrdner : soundOrdner + u'/';
    return ordner + datei;
}

void TonRichtig(Tonausgabe &ton, Meldungen &meldungen, const TonEinstellungenTyp &einst, const QString &eigeneDatei)
{
    if (!eigeneDatei.isEmpty()) {
        if (!QFileInfo(eigeneDatei).isFile()) {
            meldungen.Fehler(nichtGefunden(eigeneDatei));
            return;
        }
        if (ton.Abspielen(eigeneDatei, false) == TonErgebnis::Fehler)
            meldungen.Fehler(abspielFehler(eigeneDatei));
        return;
    }
    konfiguriert(ton, meldungen, einst, einst.RichtigTonDatei, false);
}

void TonFalsch(Tonausgabe &ton, Meldungen &meldungen, const TonEinstellungenTyp &einst)
{
    konfiguriert(ton, meldungen, einst, einst.FalschTonDatei, true);
}

} // namespace kalumo
