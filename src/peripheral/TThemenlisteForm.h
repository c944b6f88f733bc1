#pragma once
// The dialog "Themenliste": a list in the protocol markup shown as rich
// text, with the buttons to close, copy, save as rich text, print, add a
// comment and send it by e-mail. Every outside service (messages, file
// dialogs, the print target, the comment dialog, the mail program) can be
// replaced, so that tests drive the dialog without any real dialog.

#include "platform/Dateidialoge.h"
#include "platform/EMail.h"
#include "platform/Meldungen.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QPagedPaintDevice;
class QPushButton;
class QTextEdit;

namespace kalumo {

class TThemenlisteForm : public QDialog
{
    Q_OBJECT
public:
    explicit TThemenlisteForm(QWidget *parent = nullptr);

    void MeldungenSetzen(Meldungen *m) { m_meldungen = m ? m : &m_stderr; }
    void DateidialogeSetzen(Dateidialoge *d) { m_dialoge = d; }
    using Druckziel = std::function<std::unique_ptr<QPagedPaintDevice>(QWidget *, const QString &auftrag)>;
    void DruckzielSetzen(Druckziel ziel) { m_druckziel = std::move(ziel); }
    using Kommentardialog = std::function<std::optional<QString>(QWidget *)>;
    void KommentardialogSetzen(Kommentardialog d) { m_kommentar = std::move(d); }
    // The mail program, and the folder the attachment is saved to.
    void EMailSetzen(EMailProgramm *programm) { m_email = programm; }
    void ProtokollordnerSetzen(const QString &ordner) { m_protokollordner = ordner; }

    // Shows the text (the current document's file goes into the mail body).
    void Zeigen(const QString &text, const QString &dokument);
    const QString &Text() const { return m_text; }
    QTextEdit *Anzeige() const { return m_anzeige; }

    // The buttons.
    void ZwischenablageClick();
    void SpeichernClick();
    void DruckenClick();
    void KommentarClick();
    void EMailClick();

private:
    void anzeigen();

    StderrMeldungen m_stderr;
    Meldungen *m_meldungen = &m_stderr;
    Dateidialoge *m_dialoge = nullptr;
    Druckziel m_druckziel;
    Kommentardialog m_kommentar;
    EMailProgramm *m_email = nullptr;
    QString m_protokollordner;
    QString m_ordner;
    QString m_text;
    QString m_dokument;
    QTextEdit *m_anzeige = nullptr;
};

} // namespace kalumo
