#pragma once
// The window "Information" of an info point: the set text in a white scroll
// box and the buttons "Schließen", "Drucken...", "Speichern..." and
// "In Zwischenablage". It stays on top and does not block the main window.

#include "learnview/Infofenster.h"

#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;
class QScrollArea;

namespace kalumo {

class Dateidialoge;
class Meldungen;

class TInfoForm : public QDialog
{
    Q_OBJECT
public:
    TInfoForm(Meldungen &meldungen, Dateidialoge &dialoge, QWidget *parent = nullptr);
    void MeldungenSetzen(Meldungen *m) { m_meldungen = m; }
    void DateidialogeSetzen(Dateidialoge *d) { m_dialoge = d; }

    // Width available for the text raster: the scroll box minus 30 pixels.
    int TextBreite() const;
    // Sets the text with setzer to the width of the window, sizes the window
    // to the text and places it at the top-right corner of the main window
    // (its outer frame hauptfenster), on the screen; kopie is the text
    // without style tags that printing, saving and the clipboard use. The
    // text is set again whenever the window's width changes.
    void Anzeigen(const QString &text, const QString &kopie, Textsetzer setzer, const QRect &hauptfenster);

    const QString &Kopie() const { return m_kopie; }
    QLabel *Textbild() const { return m_bild; }
    QPushButton *SchliessenKnopf() const { return m_schliessen; }
    QPushButton *DruckenKnopf() const { return m_drucken; }
    QPushButton *SpeichernKnopf() const { return m_speichern; }
    QPushButton *ZwischenablageKnopf() const { return m_zwischenablage; }

    void Drucken1Click();
    void Speichern1Click();
    void Zwischenablage1Click();

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    void TextSetzen();
    QMargins Rahmen() const;
    void AufDenBildschirm();

    Meldungen *m_meldungen;
    Dateidialoge *m_dialoge;
    QString m_kopie;
    QString m_text;
    Textsetzer m_setzer;
    QScrollArea *m_box = nullptr;
    QLabel *m_bild = nullptr;
    QPushButton *m_schliessen = nullptr;
    QPushButton *m_drucken = nullptr;
    QPushButton *m_speichern = nullptr;
    QPushButton *m_zwischenablage = nullptr;
};

} // namespace kalumo
