#include "document/DokumentDateien.h"

#include "document/Bytestrom.h"
#include "document/Schriftfaktoren.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QSaveFile>

namespace kalumo {

namespace {

QString inAnfuehrung(const QString &pfad)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(pfad) + QLatin1Char('"');
}

// Keeps the busy cursor up for the lifetime of a read or write.
class Sanduhr
{
public:
    explicit Sanduhr(DokumentDienste &d) : m_d(d) { m_d.Sanduhr(true); }
    ~Sanduhr() { m_d.Sanduhr(false); }

private:
    DokumentDienste &m_d;
};

QString ordnerVon(const QString &pfad)
{
    return QFileInfo(pfad).absolutePath();
}

} // namespace

QString DokumentDateifilter()
{
    return QStringLiteral("Kalumo-Dokument (*.kal);;VKD-Dokument (*.vkd);;Alle Dateien (*)");
}

QString MeldungDateiFehlt(const QString &pfad)
{
    return QStringLiteral("Die Datei ") + inAnfuehrung(pfad) + QStringLiteral(" existiert nicht.");
}

QString MeldungNichtLesbar(const QString &pfad)
{
    return QStringLiteral("Die Datei ") + inAnfuehrung(pfad) + QStringLiteral(" kann nicht gelesen werden. ")
        + QStringLiteral("Mögliche Ursachen:\r\n") + QStringLiteral("- Datei existiert nicht\r\n")
        + QStringLiteral("- Ungültiges Dateiformat\r\n")
        + QStringLiteral("- Fehlende Lesezugriffsberechtigung im Netzwerk");
}

QString MeldungNichtSchreibbar(const QString &pfad)
{
    return QStringLiteral("Die Datei ") + inAnfuehrung(pfad) + QStringLiteral(" kann nicht geschrieben werden. ")
        + QStringLiteral("Mögliche Ursachen:\r\n") + QStringLiteral("- Ungültiger Ordner oder Dateiname\r\n")
        + QStringLiteral("- Fehlende Schreibzugriffsberechtigung im Netzwerk");
}

QString MeldungUngueltigesFormat()
{
    return QStringLiteral("Ungültiges Dateiformat.");
}

QString MeldungNeuereVersion()
{
    return QStringLiteral("Das ausgewählte Dokument wurde mit einer neueren Programmversion erstellt und kann "
                          "deshalb mit der vorliegenden Kalumo-Version nicht geöffnet werden.");
}

QString MeldungObjekteditorGeschlossen()
{
    return QStringLiteral("Der Objekteditor wurde automatisch geschlossen, da dieses Dokument vor Änderungen "
                          "passwort-geschützt ist.");
}

QStringList LeseFehlerMeldungen(const LeseErgebnis &ergebnis, const QString &pfad)
{
    QStringList l;
    if (ergebnis.Status == LeseStatus::UngueltigesFormat)
        l << MeldungUngueltigesFormat();
    else if (ergebnis.Status == LeseStatus::NeuereVersion)
        l << MeldungNeuereVersion();
    if (!ergebnis.ok())
        l << MeldungNichtLesbar(pfad);
    return l;
}

bool DokumentDienste::SchriftInstalliert(const QString &name) const
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return true; // nothing to compare with: keep the name
    return QFontDatabase::hasFamily(name);
}

double DokumentDienste::SchriftFaktor(const QString &name) const
{
    return SchriftHoehenFaktor(name);
}

std::array<qint32, kUebEinstAnzahl - 1> DokumentDienste::UebEinstZumSpeichern(const HeaderDataTyp &) const
{
    return {0, 0, 0, 1, 1, 0, 0, 180, 0};
}

void EinfacheDokumentDienste::UebEinstGelesen(const UebEinstBlock &block, bool inDialoge)
{
    if (!inDialoge)
        return;
    for (int i = 1; i < kUebEinstAnzahl; ++i)
        UebEinst[size_t(i - 1)] = block[size_t(i)];
}

std::array<qint32, kUebEinstAnzahl - 1> EinfacheDokumentDienste::UebEinstZumSpeichern(const HeaderDataTyp &) const
{
    return UebEinst;
}

void EinfacheDokumentDienste::ArbeitsblattGelesen(const QString *einstellungen, const QString &aufgabe)
{
    if (einstellungen)
        ArbeitsblattEinstellungen = *einstellungen;
    ArbeitsblattAufgabe = aufgabe;
}

bool DokumentLesen(Dokument &dok, DokumentDienste &d, const QString &pfad, bool alsAktuell, qint64 startOffset,
                   qint64 laenge)
{
    d.WerkzeugZuruecksetzen();
    if (!QFileInfo(pfad).isFile()) {
        d.Meldung().Fehler(MeldungDateiFehlt(pfad));
        return false;
    }
    if (dok.ObjekteditorOffen)
        d.ObjekteditorAuswahlVerwerfen();
    NeuesDokument(dok);

    DateiInhalt inhalt;
    LeseErgebnis ergebnis;
    {
        Sanduhr sanduhr(d);
        QFile datei(pfad);
        if (!datei.open(QIODevice::ReadOnly)) {
            ergebnis = {LeseStatus::Beschaedigt, QStringLiteral("Datei kann nicht geöffnet werden")};
        } else if (startOffset > 0 && (startOffset >= datei.size() || !datei.seek(startOffset))) {
            ergebnis = {LeseStatus::Beschaedigt, QStringLiteral("Startposition hinter dem Dateiende")};
        } else if (startOffset > 0 && laenge > 0 && laenge > datei.size() - startOffset) {
            ergebnis = {LeseStatus::Beschaedigt, QStringLiteral("eingebettetes Dokument reicht über das Dateiende")};
        } else {
            // an embedded document of known length is read from its own bytes,
            // so that a damaged one never reads into the next
            QBuffer eingebettet;
            QIODevice *quelle = &datei;
            if (startOffset > 0 && laenge > 0) {
                eingebettet.setData(datei.read(laenge));
                eingebettet.open(QIODevice::ReadOnly);
                quelle = &eingebettet;
            }
            LeseOptionen opt;
            opt.Schriftart = d.Schriftart();
            opt.SchriftInstalliert = [&d](const QString &n) { return d.SchriftInstalliert(n); };
            opt.SchriftFaktor = [&d](const QString &n) { return d.SchriftFaktor(n); };
            opt.ObjekteditorOffen = dok.ObjekteditorOffen;
            opt.Vorgaben = dok.Vorgaben;
            ergebnis = DokumentStromLesen(*quelle, inhalt, opt);
        }

        if (ergebnis.ok()) {
            const bool mitArbeitsblatt = inhalt.Schluessel.contains("HD-Arbeitsblatt");
            dok.Kopf = std::move(inhalt.Kopf);
            ObjekteLeeren(dok);
            dok.Objekte = std::move(inhalt.Objekte);
            dok.Basisbild = std::move(inhalt.Basisbild);
            // a document embedded in a package has no file of its own: saving it
            // must ask for a new name instead of overwriting the package
            dok.Kopf.Dateiname = startOffset > 0 ? QString() : pfad;
            dok.Bibliotheksindex = -1;
            d.SchriftartSetzen(inhalt.WirksameSchriftart);
            if (inhalt.UebEinst)
                d.UebEinstGelesen(*inhalt.UebEinst, (*inhalt.UebEinst)[0] > 0);
            d.ArbeitsblattGelesen(mitArbeitsblatt ? &dok.Kopf.Arbeitsblatt : nullptr, dok.Kopf.ABAufgabe);
            d.LayoutsNeuAufbauen(dok);
            if (alsAktuell)
                dok.Bibliotheksordner = ordnerVon(pfad);
            d.NachDemLesen(dok, alsAktuell);
            dok.Kopf.Geaendert = false;
        }
    }

    if (!ergebnis.ok()) {
        for (const QString &m : LeseFehlerMeldungen(ergebnis, pfad))
            d.Meldung().Fehler(m);
        DokumentLeeren(dok, d);
        return false;
    }

    if (!dok.Kopf.DokPasswort.isEmpty() && dok.ObjekteditorOffen) {
        d.ObjekteditorSchliessen();
        dok.ObjekteditorOffen = false;
        d.Meldung().Information(MeldungObjekteditorGeschlossen());
    }
    return true;
}

bool DokumentSchreiben(Dokument &dok, DokumentDienste &d, const QString &pfad, bool alsAktuell)
{
    bool ok = false;
    {
        Sanduhr sanduhr(d);
        if (dok.ObjekteditorOffen)
            d.ObjekteditorUebernehmen();

        SchreibOptionen opt;
        opt.UebEinst = d.UebEinstZumSpeichern(dok.Kopf);
        opt.Schriftart = d.Schriftart();
        dok.Kopf.Arbeitsblatt = d.ArbeitsblattZumSpeichern(dok.Kopf);

        QSaveFile datei(pfad);
        if (datei.open(QIODevice::WriteOnly)) {
            try {
                DokumentStromSchreiben(datei, dok, opt);
                ok = datei.commit();
            } catch (const SchreibFehler &) {
                datei.cancelWriting();
            } catch (const std::bad_alloc &) {
                datei.cancelWriting();
            }
        }
    }
    if (!ok) {
        d.Meldung().Fehler(MeldungNichtSchreibbar(pfad));
        return false;
    }
    if (alsAktuell) {
        dok.Kopf.Dateiname = pfad;
        dok.Kopf.Geaendert = false;
    }
    return true;
}

bool KopfLesen(const QString &pfad, HeaderDataTyp &kopf)
{
    QFile datei(pfad);
    if (!QFileInfo(pfad).isFile() || !datei.open(QIODevice::ReadOnly))
        return false;
    return KopfStromLesen(datei, kopf).ok();
}

void DokumentLeeren(Dokument &dok, DokumentDienste &d)
{
    dok.Basisbild = d.Startbild();
    ObjekteLeeren(dok);
    NeuesDokument(dok);
    // the start page takes the page ratio of new documents
    SeiteAnwenden(dok, false);
    dok.Kopf.Geaendert = false;
    d.NachDemSchliessen(dok);
}

bool AenderungenSpeichernFragen(Dokument &dok, DokumentDienste &d)
{
    if (!dok.Kopf.Geaendert)
        return true;
    const QString frage = dok.Kopf.Dateiname.isEmpty()
        ? QStringLiteral("Aktuelles Dokument speichern?")
        : QStringLiteral("Änderungen im aktuellen Dokument unter ") + inAnfuehrung(dok.Kopf.Dateiname)
            + QStringLiteral(" speichern?");
    switch (d.Meldung().Frage(frage, FrageKnoepfe::JaNeinAbbrechen)) {
    case Antwort::Ja:
        // a save that failed or was cancelled must not let the changes be thrown away
        return BefehlSpeichern(dok, d);
    case Antwort::Nein:
        return true;
    default:
        return false;
    }
}

bool BefehlOeffnen(Dokument &dok, DokumentDienste &d)
{
    if (!d.UebungAbbrechenErlaubt() || !AenderungenSpeichernFragen(dok, d))
        return false;
    const QString start = dok.Kopf.Dateiname.isEmpty() ? dok.Bibliotheksordner : ordnerVon(dok.Kopf.Dateiname);
    const QString pfad = d.OeffnenDialog(start);
    if (pfad.isEmpty())
        return false;
    const bool ok = DokumentLesen(dok, d, pfad, true);
    d.TitelAnzeigen();
    d.BibliothekNeuAufbauen();
    return ok;
}

bool BefehlSpeichern(Dokument &dok, DokumentDienste &d)
{
    if (dok.Kopf.Dateiname.isEmpty())
        return BefehlSpeichernUnter(dok, d);
    const bool ok = DokumentSchreiben(dok, d, dok.Kopf.Dateiname, true);
    d.TitelAnzeigen();
    return ok;
}

bool BefehlSpeichernUnter(Dokument &dok, DokumentDienste &d)
{
    const QString start = dok.Kopf.Dateiname.isEmpty() ? dok.Bibliotheksordner : ordnerVon(dok.Kopf.Dateiname);
    const QString vorschlag = QFileInfo(dok.Kopf.Dateiname).fileName();
    QString pfad = d.SpeichernDialog(start, vorschlag);
    if (pfad.isEmpty())
        return false;
    if (QFileInfo(pfad).suffix().isEmpty())
        pfad += QStringLiteral(".kal");
    const bool ok = DokumentSchreiben(dok, d, pfad, true);
    d.TitelAnzeigen();
    d.BibliothekNeuAufbauen();
    return ok;
}

bool BefehlSchliessen(Dokument &dok, DokumentDienste &d)
{
    if (!d.UebungAbbrechenErlaubt() || !AenderungenSpeichernFragen(dok, d))
        return false;
    DokumentLeeren(dok, d);
    d.TitelAnzeigen();
    return true;
}

} // namespace kalumo
