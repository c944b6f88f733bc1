#pragma once
// The window "Information" of an info point: the set text in a white scroll
// box and the buttons "Schließen", "Drucken...", "Speichern..." and
// "In Zwischenablage". It stays on top and does not block the main window.

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
    // Shows the set text; kopie is the text without style tags that
    // printing, saving and the clipboard use.
    void Anzeigen(const QImage &raster, const QString &kopie, const QRect &lage);

    const QString &Kopie() const { return m_kopie; }
    QLabel *Textbild() const { return m_bild; }
    QPushButton *SchliessenKnopf() const { return m_schliessen; }
    QPushButton *DruckenKnopf() const { return m_drucken; }
    QPushButton *SpeichernKnopf() const { return m_speichern; }
    QPushButton *ZwischenablageKnopf() const { return m_zwischenablage; }

    void Drucken1Click();
    void Speichern1Click();
    void Zwischenablage1Click();

private:
    Meldungen *m_meldungen;
    Dateidialoge *m_dialoge;
    QString m_kopie;
    QScrollArea *m_box = nullptr;
    QLabel *m_bild = nullptr;
    QPushButton *m_schliessen = nullptr;
    QPushButton *m_drucken = nullptr;
    QPushButton *m_speichern = nullptr;
    QPushButton *m_zwischenablage = nullptr;
};

} // namespace kalumo
