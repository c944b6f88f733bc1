#include "peripheral/TThemenlisteForm.h"

#include "peripheral/Rtf.h"
#include "platform/QtDrucker.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace kalumo {

namespace {

bool RtfSchreiben(const QString &pfad, const QString &text)
{
    const QByteArray bytes = ProtokollAlsRtf(text);
    QSaveFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(bytes) == bytes.size() && datei.commit();
}

QString MeldungNichtGespeichert(const QString &pfad)
{
    return QStringLiteral("Die Datei \"") + pfad + QStringLiteral("\" konnte nicht geschrieben werden.");
}

} // namespace

TThemenlisteForm::TThemenlisteForm(QWidget *parent) : QDialog(parent), m_ordner(QDir::homePath())
{
    setWindowTitle(QStringLiteral("Themenliste"));
    setObjectName(QStringLiteral("ThemenlisteForm"));
    m_druckziel = DruckzielWaehlen;
    m_kommentar = [](QWidget *eltern) -> std::optional<QString> {
        bool ok = false;
        const QString k = QInputDialog::getMultiLineText(eltern, QStringLiteral("Kommentar hinzufügen"),
                                                         QStringLiteral("Kommentar:"), QString(), &ok);
        if (!ok)
            return std::nullopt;
        return k;
    };

    m_anzeige = new QTextEdit(this);
    m_anzeige->setReadOnly(true);
    m_anzeige->setTabStopDistance(ProtokollTabstoppPixel());
    auto *knoepfe = new QHBoxLayout;
    auto knopf = [&](const QString &text, const QString &name, auto was) {
        auto *k = new QPushButton(text, this);
        k->setObjectName(name);
        k->setAutoDefault(false);
        connect(k, &QPushButton::clicked, this, was);
        knoepfe->addWidget(k);
        return k;
    };
    knopf(QStringLiteral("In Zwischenablage kopieren"), QStringLiteral("ZwischenablageKnopf"),
          [this] { ZwischenablageClick(); });
    knopf(QStringLiteral("Speichern..."), QStringLiteral("SpeichernKnopf"), [this] { SpeichernClick(); });
    knopf(QStringLiteral("Drucken..."), QStringLiteral("DruckenKnopf"), [this] { DruckenClick(); });
    knopf(QStringLiteral("Kommentar hinzufügen..."), QStringLiteral("KommentarKnopf"), [this] { KommentarClick(); });
    knopf(QStringLiteral("Per E-Mail versenden"), QStringLiteral("EMailKnopf"), [this] { EMailClick(); });
    knoepfe->addStretch();
    knopf(QStringLiteral("Schließen"), QStringLiteral("SchliessenKnopf"), [this] { reject(); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_anzeige);
    layout->addLayout(knoepfe);
    resize(720, 520);
}

void TThemenlisteForm::Zeigen(const QString &text, const QString &dokument)
{
    m_text = text;
    m_dokument = dokument;
    anzeigen();
    show();
    raise();
    activateWindow();
}

void TThemenlisteForm::anzeigen()
{
    ProtokollInTextdokument(*m_anzeige->document(), m_text, true);
}

void TThemenlisteForm::ZwischenablageClick()
{
    auto *daten = new QMimeData;
    daten->setText(m_anzeige->toPlainText());
    daten->setHtml(ProtokollAlsHtml(m_text));
    daten->setData(QStringLiteral("text/rtf"), ProtokollAlsRtf(m_text));
    QApplication::clipboard()->setMimeData(daten);
}

void TThemenlisteForm::SpeichernClick()
{
    if (!m_dialoge)
        return;
    const QString pfad = m_dialoge->Speichern(QStringLiteral("Themenliste in Datei speichern"), m_ordner,
                                              QStringLiteral("Rich-Text-Datei (*.rtf);;Alle Dateien (*)"),
                                              QStringLiteral("themenliste.rtf"), QStringLiteral("rtf"));
    if (pfad.isEmpty())
        return;
    if (!RtfSchreiben(pfad, m_text)) {
        m_meldungen->Fehler(MeldungNichtGespeichert(pfad));
        return;
    }
    m_ordner = QFileInfo(pfad).absolutePath();
}

void TThemenlisteForm::DruckenClick()
{
    std::unique_ptr<QPagedPaintDevice> ziel = m_druckziel ? m_druckziel(this, QStringLiteral("Themenliste")) : nullptr;
    if (!ziel)
        return;
    QTextDocument text;
    ProtokollInTextdokument(text, m_text, true);
    text.print(ziel.get());
}

void TThemenlisteForm::KommentarClick()
{
    if (!m_kommentar)
        return;
    const std::optional<QString> k = m_kommentar(this);
    if (!k || k->trimmed().isEmpty())
        return;
    m_text += QStringLiteral("\r\n<tit>Kommentar\r\n") + k->trimmed();
    anzeigen();
}

void TThemenlisteForm::EMailClick()
{
    if (!m_email)
        return;
    QDir().mkpath(m_protokollordner);
    const QString pfad = EMailProtokollPfad(m_protokollordner, QDateTime::currentDateTime());
    if (!RtfSchreiben(pfad, m_text)) {
        m_meldungen->Fehler(MeldungNichtGespeichert(pfad));
        return;
    }
    EMailSenden(*m_email, *m_meldungen, AnhaengeAlsListe({pfad}),
                QStringLiteral("Anbei Kalumo-Übungsprotokoll zu Themendokument: ") + m_dokument + QStringLiteral("\r\n"),
                QString::fromUtf8(kEMailProtokollBetreff));
}

} // namespace kalumo
