#pragma once
// The dialog "Dokument-Schriftart": the document font from the fonts
// installed on this computer, with a preview of the chosen one.

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace kalumo {

class TSchriftartForm : public QDialog
{
    Q_OBJECT
public:
    explicit TSchriftartForm(QWidget *parent = nullptr);

    // Shows the dialog for this font; true when confirmed with a font
    // chosen, and then schriftart holds it.
    bool SchriftartWaehlen(QString &schriftart);

    // Selects the entry of this name (none when it is not installed).
    void Fuellen(const QString &schriftart);
    QString Auswahl() const;
    QComboBox *Liste() const { return m_liste; }
    QLabel *Vorschau() const { return m_vorschau; }
    QPushButton *OkKnopf() const { return m_ok; }

private:
    void vorschauZeigen();

    QComboBox *m_liste = nullptr;
    QLabel *m_vorschau = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace kalumo
