#include "exercise/TProtokollAnzeige.h"

#include "platform/QtDrucker.h"

#include "document/DokumentDateien.h"
#include "peripheral/Rtf.h"
#include "platform/QtDialogknoepfe.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>
#include <QVBoxLayout>

namespace kalumo {

TProtokollAnzeige::TProtokollAnzeige(QWidget *parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setTabStopDistance(ProtokollTabstoppPixel(logicalDpiX()));
}

void TProtokollAnzeige::ProtokollSetzen(const QString &protokoll)
{
    m_protokoll = protokoll;
    ProtokollInTextdokument(*document(), protokoll, true, QStringLiteral("Arial"), logicalDpiX());
    // the reader starts at the head of the protocol
    moveCursor(QTextCursor::Start);
}

void TProtokollAnzeige::Kopieren() const
{
    auto *daten = new QMimeData;
    daten->setText(toPlainText());
    daten->setHtml(ProtokollAlsHtml(m_protokoll));
    daten->setData(QStringLiteral("text/rtf"), ProtokollAlsRtf(m_protokoll));
    QApplication::clipboard()->setMimeData(daten);
}

bool TProtokollAnzeige::Speichern(Dateidialoge &dialoge, Meldungen &meldungen, const QString &titel,
                                  QString &ordner, const QString &vorschlag) const
{
    const QString pfad = dialoge.Speichern(titel, ordner, QStringLiteral("Rich-Text-Datei (*.rtf);;Alle Dateien (*)"),
                                           vorschlag, QStringLiteral("rtf"));
    if (pfad.isEmpty())
        return false;
    const QByteArray bytes = ProtokollAlsRtf(m_protokoll);
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(bytes) != bytes.size() || !datei.commit()) {
        meldungen.Fehler(MeldungNichtSchreibbar(pfad));
        return false;
    }
    ordner = QFileInfo(pfad).absolutePath();
    return true;
}

void TProtokollAnzeige::Drucken(QPagedPaintDevice &ziel) const
{
    QTextDocument text;
    ProtokollInTextdokument(text, m_protokoll, true);
    text.print(&ziel);
}

TProtokollAnzeige::Druckziel TProtokollAnzeige::StandardDruckziel()
{
    return DruckzielWaehlen;
}

TProtokollAnzeige::Kommentardialog TProtokollAnzeige::StandardKommentardialog(const QString &titel)
{
    return [titel](QWidget *eltern) -> std::optional<QString> {
        QDialog dialog(eltern);
        dialog.setWindowTitle(titel);
        auto *spalte = new QVBoxLayout(&dialog);
        auto *memo = new QPlainTextEdit(&dialog);
        memo->setObjectName(QStringLiteral("KommentarMemo"));
        spalte->addWidget(memo, 1);
        QPushButton *ok = nullptr;
        QPushButton *abbrechen = nullptr;
        spalte->addLayout(OkAbbrechenZeile(&dialog, ok, abbrechen));
        // Enter makes a new line in the memo, not "OK"
        ok->setDefault(false);
        ok->setAutoDefault(false);
        QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        dialog.resize(420, 240);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return memo->toPlainText();
    };
}

} // namespace kalumo
