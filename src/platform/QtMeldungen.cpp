#include "platform/QtMeldungen.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace kalumo {

namespace {

QString anzeigeText(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return t;
}

void zeigen(QWidget *eltern, QMessageBox::Icon icon, MeldungArt art, const QString &text)
{
    QMessageBox box(icon, MeldungTitel(art), anzeigeText(text), QMessageBox::Ok, eltern);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

} // namespace

QWidget *DialogEltern(QWidget *vorgabe)
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *aktiv = QApplication::activeWindow())
        return aktiv;
    return vorgabe;
}

void QtMeldungen::Information(const QString &text)
{
    zeigen(DialogEltern(m_eltern), QMessageBox::Information, MeldungArt::Information, text);
}

void QtMeldungen::Warnung(const QString &text)
{
    zeigen(DialogEltern(m_eltern), QMessageBox::Warning, MeldungArt::Warnung, text);
}

void QtMeldungen::Fehler(const QString &text)
{
    zeigen(DialogEltern(m_eltern), QMessageBox::Critical, MeldungArt::Fehler, text);
}

Antwort QtMeldungen::Frage(const QString &text, FrageKnoepfe knoepfe)
{
    QMessageBox box(QMessageBox::Question, MeldungTitel(MeldungArt::Frage), anzeigeText(text), QMessageBox::NoButton,
                    DialogEltern(m_eltern));
    QPushButton *ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton *nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    QPushButton *abbrechen = nullptr;
    if (knoepfe == FrageKnoepfe::JaNeinAbbrechen)
        abbrechen = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(ja);
    box.setEscapeButton(abbrechen ? abbrechen : nein);
    box.exec();
    if (box.clickedButton() == ja)
        return Antwort::Ja;
    if (box.clickedButton() == nein)
        return Antwort::Nein;
    return abbrechen ? Antwort::Abbrechen : Antwort::Nein;
}

Antwort QtMeldungen::EigeneFrage(const QString &titel, const QString &text, const QString &ja, const QString &nein)
{
    QMessageBox box(QMessageBox::Question, titel, anzeigeText(text), QMessageBox::NoButton, DialogEltern(m_eltern));
    QPushButton *jaKnopf = box.addButton(ja, QMessageBox::YesRole);
    QPushButton *neinKnopf = box.addButton(nein, QMessageBox::NoRole);
    box.setDefaultButton(jaKnopf);
    box.setEscapeButton(neinKnopf);
    box.exec();
    return box.clickedButton() == jaKnopf ? Antwort::Ja : Antwort::Nein;
}

} // namespace kalumo
