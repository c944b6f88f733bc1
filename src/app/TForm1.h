#pragma once
// The main window. For now it holds the current document, offers the file
// commands and shows the base image; the learning view and the full menus
// come with the application shell.

#include "document/DokumentDateien.h"
#include "document/DokumentModell.h"
#include "platform/QtMeldungen.h"

#include <QMainWindow>

class QLabel;

namespace kalumo {

class TForm1 : public QMainWindow, private DokumentDienste
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);

    // A folder becomes the start folder; a file is opened as the current document.
    void Kommandozeile(const QStringList &argumente);

    Dokument &AktuellesDokument() { return m_dok; }
    void MeldungenSetzen(Meldungen *m) { m_meldungen = m; }

    void Oeffnen1Click();
    void Speichern1Click();
    void SpeichernUnter1Click();
    void Schliessen1Click();

private:
    // DokumentDienste
    Meldungen &Meldung() override { return *m_meldungen; }
    QString Schriftart() const override { return m_schriftart; }
    void SchriftartSetzen(const QString &name) override { m_schriftart = name; }
    QImage Startbild() const override;
    void Sanduhr(bool an) override;
    void NachDemLesen(Dokument &dok, bool alsAktuell) override;
    void NachDemSchliessen(Dokument &dok) override;
    QString OeffnenDialog(const QString &startOrdner) override;
    QString SpeichernDialog(const QString &startOrdner, const QString &vorschlag) override;
    void TitelAnzeigen() override;

    void BildZeigen();
    void resizeEvent(QResizeEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

    Dokument m_dok;
    QtMeldungen m_qtMeldungen;
    Meldungen *m_meldungen = &m_qtMeldungen;
    QString m_schriftart = QStringLiteral("Arial");
    QLabel *m_bild = nullptr;
    QLabel *m_startInfo = nullptr;
};

} // namespace kalumo
