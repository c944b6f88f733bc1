#pragma once
// Dialog "Einstellungen zum Schiebepuzzle": which tiles may be clicked and
// how many tiles the board has. "Schiebepuzzle starten" accepts,
// "Schließen" rejects. The dialog lives as long as the main window, so it
// keeps the last choice for the session; the choices are not stored.

#include <QDialog>

#include <array>

class QPushButton;
class QRadioButton;

namespace kalumo {

class TSPuzzleOptForm : public QDialog
{
    Q_OBJECT
public:
    explicit TSPuzzleOptForm(QWidget *parent = nullptr);

    // 0 " Nur Nachbarteile anklickbar ", 1 " Jedes Teil anklickbar " (AnklickbarkeitWert).
    int Anklickbarkeit() const;
    void AnklickbarkeitSetzen(int wert);
    bool NurNachbarn() const;
    // The board size n (3 .. 6), the item of " Puzzle-Teile " + 3.
    int Teile() const;
    void TeileSetzen(int n);

    QRadioButton *AnklickbarkeitKnopf(int wert) const;
    QRadioButton *TeileKnopf(int n) const;
    QPushButton *StartenKnopf() const { return m_starten; }
    QPushButton *SchliessenKnopf() const { return m_schliessen; }

private:
    std::array<QRadioButton *, 2> m_anklickbarkeit{};
    std::array<QRadioButton *, 4> m_teile{};
    QPushButton *m_starten = nullptr;
    QPushButton *m_schliessen = nullptr;
};

} // namespace kalumo
