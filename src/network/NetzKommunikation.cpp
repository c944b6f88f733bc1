#include "network/NetzKommunikation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kalumo {

int NetzVerfahrenGueltig(int verfahren)
{
    return verfahren == netzVerfahrenOrdner ? netzVerfahrenOrdner : netzVerfahrenDatagramm;
}

QString KommDialogTitel()
{
    return QStringLiteral("Kommunikation für Netzwerk-Übungen");
}

QString KommOrdnerWahlTitel()
{
    return QStringLiteral("Kommunikationsordner festlegen");
}

QString KommGesperrtText()
{
    return QStringLiteral(
        "Die Einstellungen zur Netzwerk-Kommunikation können nicht während einer Netzwerk-Übung geändert werden.");
}

QString KommOrdnerUngueltigText()
{
    return QStringLiteral("Der angegebene Ordner ist ungültig.");
}

QString KommKanalZuLangText()
{
    return QStringLiteral("MailBox name cannot be greater than 8 characters long.");
}

QString KommKanalUngueltigText()
{
    return QStringLiteral("Der Kommunikationskanal darf die Zeichen / \\ : * ? \" < > | [ ] nicht enthalten.");
}

QString KommKanalLeerText()
{
    return QStringLiteral("Bitte einen Kommunikationskanal angeben (max. 8 Zeichen).");
}

QString KommDatagrammTestText()
{
    return QStringLiteral("Aufgrund Mailslot-Kommunikation kein Datei-Zugriffstest erforderlich.");
}

QString KommTestErfolgreichText()
{
    return QStringLiteral("Test für Lese- und Schreibzugriff erfolgreich.");
}

QString KommRechteText(const QString &ordner, bool ausDialog)
{
    QString t = QStringLiteral("Sie verfügen nicht über ausreichende Zugriffsrechte für den angegebenen "
                               "Kommunikationsordner. Für diesen Ordner (")
                + ordner + QStringLiteral(") benötigen Sie Lese- und Schreibzugriffsrechte. ")
                + QStringLiteral("\r\n\r\n") + QStringLiteral("Setzen Sie die nötigen Zugriffsrechte oder wählen Sie ");
    if (!ausDialog)
        t += QStringLiteral("unter dem Menüpunkt \"Optionen / Kommunikationsordner...\" ");
    t += QStringLiteral("ein anderes Verzeichnis aus. ") + QStringLiteral("Wenden Sie sich ggf. an Ihren Netzwerkadministrator.");
    return t;
}

QString KommPortHinweis(const QString &kanal, int basisport)
{
    const int basis = NetzBasisportGueltig(basisport);
    return QStringLiteral("Die Teilnehmer-PCs benötigen nur Lesezugriff auf den Kommunikationsordner. "
                          "Der Lehrer-PC empfängt die Nachrichten über UDP-Port %1 (Kanal \"%2\"; "
                          "Bereich %3 bis %4); dieser Port muss in einer Firewall des Lehrer-PCs geöffnet sein.")
        .arg(NetzPort(kanal, basis))
        .arg(kanal)
        .arg(basis)
        .arg(basis + kNetzPortBereich - 1);
}

bool KommEinstellungenAenderbar(bool uebungsmodus, int uebArt, Meldungen &meldungen)
{
    // UebArt 1 participant, 2 teacher computer of an active network exercise
    if (uebArt == 2 || (uebungsmodus && uebArt == 1)) {
        meldungen.Information(KommGesperrtText());
        return false;
    }
    return true;
}

QString KommKanalPruefen(const QString &kanal)
{
    if (kanal.trimmed().isEmpty())
        return KommKanalLeerText();
    if (kanal.size() > kNetzKanalHoechstlaenge)
        return KommKanalZuLangText();
    // the channel becomes part of file names and of the folder search pattern
    static const QString verboten = QStringLiteral("/\\:*?\"<>|[]");
    for (const QChar c : kanal)
        if (verboten.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7F)
            return KommKanalUngueltigText();
    if (kanal == QLatin1String(".") || kanal == QLatin1String(".."))
        return KommKanalUngueltigText();
    return {};
}

bool KommZugriffstest(const QString &ordner, int verfahren, Meldungen &meldungen, bool ausDialog, bool still)
{
    if (NetzVerfahrenGueltig(verfahren) == netzVerfahrenDatagramm) {
        if (!still)
            meldungen.Information(KommDatagrammTestText());
        return true;
    }
    QString basis = ordner;
    if (!basis.isEmpty() && !basis.endsWith(QLatin1Char('/')))
        basis += QLatin1Char('/');
    bool ok = false;
    if (!basis.isEmpty() && QFileInfo(basis).isDir()) {
        // the first free name; a crowd of leftovers ends the search
        for (int n = 1; n <= 100000; ++n) {
            const QString pfad = basis + QStringLiteral("AVXZ_") + QString::number(n);
            if (QFileInfo::exists(pfad))
                continue;
            QFile f(pfad);
            if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
                f.close();
                ok = QFile::remove(pfad);
            }
            break;
        }
    }
    if (!ok)
        meldungen.Warnung(KommRechteText(ordner, ausDialog));
    else if (!still)
        meldungen.Information(KommTestErfolgreichText());
    return ok;
}

KommOkErgebnis KommEinstellungenUebernehmen(KommDialogWerte &werte, NetzKomTyp &kom, bool netzUebungAktiv,
                                            Meldungen &meldungen)
{
    if (netzUebungAktiv) {
        meldungen.Information(KommGesperrtText());
        return KommOkErgebnis::Gesperrt;
    }
    werte.Ordner = werte.Ordner.trimmed();
    if (!werte.Ordner.isEmpty() && !werte.Ordner.endsWith(QLatin1Char('/')))
        werte.Ordner += QLatin1Char('/');
    if (werte.Ordner.isEmpty() || !QFileInfo(werte.Ordner).isDir()) {
        meldungen.Fehler(KommOrdnerUngueltigText());
        return KommOkErgebnis::OrdnerUngueltig;
    }
    if (const QString f = KommKanalPruefen(werte.Kanal); !f.isEmpty()) {
        meldungen.Fehler(f);
        return KommOkErgebnis::KanalUngueltig;
    }
    werte.Verfahren = NetzVerfahrenGueltig(werte.Verfahren);
    const bool test = KommZugriffstest(werte.Ordner, werte.Verfahren, meldungen, true, true);
    kom.Ordner = werte.Ordner;
    kom.Kanal = werte.Kanal;
    kom.Verfahren = werte.Verfahren;
    return test ? KommOkErgebnis::Uebernommen : KommOkErgebnis::UebernommenTestFehlt;
}

} // namespace kalumo
