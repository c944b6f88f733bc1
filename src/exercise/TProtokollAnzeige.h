#pragma once
// A read-only rich-text box that shows a protocol (lines with "<tit>"
// headings, see peripheral/Rtf.h) and the commands every protocol window
// offers on it: copy (plain, HTML and RTF), save as RTF, print. Used by the
// exercise protocol window and the information page of the network
// exercise's control display; also the print and comment dialogs both
// windows start from.

#include "platform/Dateidialoge.h"
#include "platform/Meldungen.h"

#include <QPagedPaintDevice>
#include <QTextEdit>

#include <functional>
#include <memory>
#include <optional>

namespace kalumo {

class TProtokollAnzeige : public QTextEdit
{
    Q_OBJECT
public:
    explicit TProtokollAnzeige(QWidget *parent = nullptr);

    // Shows the protocol (the box is cleared first).
    void ProtokollSetzen(const QString &protokoll);
    const QString &Protokoll() const { return m_protokoll; }

    // The whole protocol to the clipboard as plain text, HTML and RTF.
    void Kopieren() const;
    // The save dialog (titel, starting in ordner, proposing vorschlag), then
    // the protocol as RTF written safely; the file error on failure. ordner
    // follows the folder chosen. False when cancelled or failed.
    bool Speichern(Dateidialoge &dialoge, Meldungen &meldungen, const QString &titel, QString &ordner,
                   const QString &vorschlag) const;
    // The protocol as rich text onto the device.
    void Drucken(QPagedPaintDevice &ziel) const;

    // The print dialog with a printer whose job carries the title; nullptr
    // when cancelled.
    using Druckziel = std::function<std::unique_ptr<QPagedPaintDevice>(QWidget *, const QString &auftrag)>;
    static Druckziel StandardDruckziel();
    // A dialog with a memo, "OK" and "Abbrechen"; nullopt when cancelled.
    using Kommentardialog = std::function<std::optional<QString>(QWidget *)>;
    static Kommentardialog StandardKommentardialog(const QString &titel);

private:
    QString m_protokoll;
};

} // namespace kalumo
