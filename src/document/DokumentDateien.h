#pragma once
// Reading and writing the current document, and the logic of the file
// commands "Öffnen...", "Speichern", "Speichern unter..." and "Schließen".
// The main window implements DokumentDienste and only calls these
// functions; tests and the command-line tool use EinfacheDokumentDienste.

#include "document/DokumentDatei.h"
#include "document/DokumentModell.h"
#include "platform/Meldungen.h"

#include <QString>
#include <QStringList>

namespace kalumo {

// Filter and titles of the open and save dialogs.
QString DokumentDateifilter();   // Qt notation of "Kalumo-Dokument (*.kal)|*.kal|VKD-Dokument (*.vkd)|*.vkd|Alle Dateien (*.*)|*.*"
inline constexpr char kOeffnenTitel[] = "Dokument öffnen";
inline constexpr char kSpeichernTitel[] = "Dokument speichern unter";

// The messages for files that cannot be read or written.
QString MeldungDateiFehlt(const QString &pfad);
QString MeldungNichtLesbar(const QString &pfad);
QString MeldungNichtSchreibbar(const QString &pfad);
QString MeldungUngueltigesFormat();
QString MeldungNeuereVersion();
QString MeldungObjekteditorGeschlossen();
// The messages a refused read shows, the specific one first.
QStringList LeseFehlerMeldungen(const LeseErgebnis &ergebnis, const QString &pfad);

// What reading and writing need from the rest of the program. Every hook
// has a neutral default so that a caller overrides only what exists.
class DokumentDienste
{
public:
    virtual ~DokumentDienste() = default;

    virtual Meldungen &Meldung() = 0;

    // The document font setting ("Opt-Schriftart").
    virtual QString Schriftart() const = 0;
    virtual void SchriftartSetzen(const QString &name) = 0;
    virtual bool SchriftInstalliert(const QString &name) const;
    virtual double SchriftFaktor(const QString &name) const;

    // Exercise settings: a stored block is handed over after reading
    // (inDialoge when the document's settings are to be used); for saving,
    // the nine settings after UebEinstSpeichern are collected for a type.
    virtual void UebEinstGelesen(const UebEinstBlock &block, bool inDialoge) {}
    virtual std::array<qint32, kUebEinstAnzahl - 1> UebEinstZumSpeichern(const HeaderDataTyp &kopf) const;

    // Worksheet settings: the stored settings string (if any) and the task line.
    virtual void ArbeitsblattGelesen(const QString *einstellungen, const QString &aufgabe) {}
    virtual QString ArbeitsblattZumSpeichern(const HeaderDataTyp &kopf) const { return kopf.Arbeitsblatt; }

    // Window hooks.
    virtual void Sanduhr(bool an) {}
    virtual void WerkzeugZuruecksetzen() {}
    virtual void ObjekteditorAuswahlVerwerfen() {}
    virtual void ObjekteditorUebernehmen() {}
    virtual void ObjekteditorSchliessen() {}
    // Runs the layouts of the text-centred types in their rebuilding mode.
    virtual void LayoutsNeuAufbauen(Dokument &dok) {}
    // After a successful read: zoom 100 %, numbering, scroll position, and with
    // alsAktuell the start page hidden and the window laid out anew.
    virtual void NachDemLesen(Dokument &dok, bool alsAktuell) {}
    // After "Schließen" emptied the document: best list entries, blackboard,
    // library menu, start page information.
    virtual void NachDemSchliessen(Dokument &dok) {}
    // The picture shown when no document is open.
    virtual QImage Startbild() const { return {}; }

    // The file commands ask the exercise guard, show the dialogs and refresh
    // the window. Dialogs return an empty path when cancelled.
    virtual bool UebungAbbrechenErlaubt() { return true; }
    virtual QString OeffnenDialog(const QString &startOrdner) { return {}; }
    virtual QString SpeichernDialog(const QString &startOrdner, const QString &vorschlag) { return {}; }
    virtual void BibliothekNeuAufbauen() {}
    virtual void TitelAnzeigen() {}
};

// Keeps the settings the file layer touches in memory; messages go to the
// given implementation.
class EinfacheDokumentDienste : public DokumentDienste
{
public:
    explicit EinfacheDokumentDienste(Meldungen &m) : m_meldungen(m) {}

    Meldungen &Meldung() override { return m_meldungen; }
    QString Schriftart() const override { return m_schriftart; }
    void SchriftartSetzen(const QString &name) override { m_schriftart = name; }
    void UebEinstGelesen(const UebEinstBlock &block, bool inDialoge) override;
    std::array<qint32, kUebEinstAnzahl - 1> UebEinstZumSpeichern(const HeaderDataTyp &kopf) const override;
    void ArbeitsblattGelesen(const QString *einstellungen, const QString &aufgabe) override;
    QImage Startbild() const override { return m_startbild; }

    void StartbildSetzen(const QImage &bild) { m_startbild = bild; }
    std::array<qint32, kUebEinstAnzahl - 1> UebEinst{0, 0, 0, 1, 1, 0, 0, 180, 0};
    QString ArbeitsblattEinstellungen;
    QString ArbeitsblattAufgabe;

private:
    Meldungen &m_meldungen;
    QString m_schriftart = QStringLiteral("Arial");
    QImage m_startbild;
};

// Reads the file at pfad into dok. startOffset > 0 reads a document embedded
// at that byte offset (it ends with its base image; with laenge > 0 only
// those bytes are read); such a document gets no file name, so that it is
// saved as a new document. On failure the messages are shown and the
// document is closed (a missing file changes nothing).
bool DokumentLesen(Dokument &dok, DokumentDienste &dienste, const QString &pfad, bool alsAktuellesDokument,
                   qint64 startOffset = 0, qint64 laenge = 0);

// Writes dok to pfad through a temporary file beside it, so that a failed
// write leaves an existing file untouched.
bool DokumentSchreiben(Dokument &dok, DokumentDienste &dienste, const QString &pfad, bool alsAktuellesDokument);

// Reads only the header of a document file; false without any message when
// the file is missing or no readable document.
bool KopfLesen(const QString &pfad, HeaderDataTyp &kopf);

// Empties the document as "Schließen" does, without asking.
void DokumentLeeren(Dokument &dok, DokumentDienste &dienste);

// The save question: Yes saves, No continues, Cancel refuses.
bool AenderungenSpeichernFragen(Dokument &dok, DokumentDienste &dienste);

// The file commands of the menu "Datei".
bool BefehlOeffnen(Dokument &dok, DokumentDienste &dienste);
bool BefehlSpeichern(Dokument &dok, DokumentDienste &dienste);
bool BefehlSpeichernUnter(Dokument &dok, DokumentDienste &dienste);
bool BefehlSchliessen(Dokument &dok, DokumentDienste &dienste);

} // namespace kalumo
