#pragma once
// "Übungseinstellungen für Text-Bild- / Bild-Text-Zuordnung und Lückentext":
// the settings of image labelling, cloze, table and crossword documents.
// The query mode, the time limit and "Anzahl der Zeichen im Eingabefeld
// vorgeben <?>"; behind "Erweitert..." the four groups of the right and the
// failed assignment, the card order and the target numbering ("Reduziert..."
// hides them again). With "Texteingabe" a panel covers those groups. The
// feedback control RiFaRueckmeldung exists but stays hidden: while it reads
// 1 the failed-assignment group is disabled and set to its second item.

#include "exercise/TUebOptBasisForm.h"

#include <vector>

class QWidget;

namespace kalumo {

// The dialog's heights: reduced (four groups hidden) and extended.
inline constexpr int kUebOptHoeheReduziert = 276;
inline constexpr int kUebOptHoeheErweitert = 514;
// After growing, the dialog's bottom stays this far above the screen's bottom.
inline constexpr int kUebOptBildschirmAbstand = 80;

class TUebOptForm : public TUebOptBasisForm
{
    Q_OBJECT
public:
    explicit TUebOptForm(QWidget *parent = nullptr);

    bool Erweitert() const { return m_erweitert; }
    // "Erweitert..." / "Reduziert...".
    void ErweitertClick();

    QRadioButton *AbfrageModusKnopf(int wert) const { return m_abfrageModus[size_t(wert)]; }
    QRadioButton *ZuordnungRichtigKnopf(int wert) const { return m_richtig[size_t(wert)]; }
    QRadioButton *ZuordnungFalschKnopf(int wert) const { return m_falsch[size_t(wert)]; }
    QRadioButton *ZuordnungstexteKnopf(int wert) const { return m_texte[size_t(wert)]; }
    QRadioButton *ZuordnungszieleKnopf(int wert) const { return m_ziele[size_t(wert)]; }
    QRadioButton *RiFaRueckmeldungKnopf(int wert) const { return m_riFa[size_t(wert)]; }
    QCheckBox *AnzZeichenVorgabeCheck() const { return m_anzZeichen; }
    QPushButton *ErweitertKnopf() const { return m_erweitertKnopf; }
    QWidget *ErweitertPan() const { return m_erweitertPan; }
    QLabel *TexteingabePan() const { return m_texteingabePan; }

protected:
    void WerteLaden(const UebDialogeTyp &d, int dokTyp) override;
    void WerteSchreiben(UebDialogeTyp &d) const override;
    void resizeEvent(QResizeEvent *e) override;
    void GroesseAnpassen() override { HoeheSetzen(); }

private:
    void Abstimmen();
    void HoeheSetzen();

    std::vector<QRadioButton *> m_abfrageModus, m_richtig, m_falsch, m_texte, m_ziele, m_riFa;
    QCheckBox *m_anzZeichen = nullptr;
    QPushButton *m_erweitertKnopf = nullptr;
    QWidget *m_erweitertPan = nullptr;
    QLabel *m_texteingabePan = nullptr;
    bool m_erweitert = false;
};

} // namespace kalumo
