#pragma once
// The dialog "Übungsserie beendet": the total result of a series with its
// grade and the scale picture. "Übungsprotokoll..." (the default button)
// opens the protocol window with the total protocol; "Schließen" (also
// Escape) closes.
//
// The scale picture and the protocol window belong to the grading and the
// evaluation: they come in through hooks. Without a hook the picture stays
// empty and "Übungsprotokoll..." is disabled.

#include "series/Uebungsserie.h"

#include <QDialog>
#include <QImage>
#include <QSize>

#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;

namespace kalumo {

class TUebserieFertigForm : public QDialog
{
    Q_OBJECT
public:
    explicit TUebserieFertigForm(QWidget *parent = nullptr);

    // Draws the scale picture for a performance at a size.
    using Skalabild = std::function<QImage(double gesamtleistung, QSize groesse)>;
    void SkalabildSetzen(Skalabild bild);
    // Opens the protocol window with the total protocol.
    void ProtokollfensterSetzen(std::function<void(const QString &gesamtprotokoll)> zeigen);

    // Fills the dialog from the finished series.
    void Anzeigen(const UebungsserieDataTyp &serie, const SerienBewertung &bewertung);

    QLabel *LeistungWert() const { return m_leistung; }
    QLabel *BewertungWert() const { return m_bewertung; }
    QLabel *NoteLabel() const { return m_noteLabel; }
    QLabel *NoteWert() const { return m_note; }
    QLabel *SkalaBild() const { return m_bild; }
    QPushButton *ProtokollKnopf() const { return m_protokoll; }
    QPushButton *SchliessenKnopf() const { return m_schliessen; }

    static constexpr QSize kSkalabildGroesse{150, 220};

private:
    QLabel *m_leistung = nullptr;
    QLabel *m_bewertung = nullptr;
    QLabel *m_noteLabel = nullptr;
    QLabel *m_note = nullptr;
    QLabel *m_bild = nullptr;
    QPushButton *m_protokoll = nullptr;
    QPushButton *m_schliessen = nullptr;
    Skalabild m_skalabild;
    std::function<void(const QString &)> m_protokollZeigen;
    QString m_gesamtprotokoll;
};

} // namespace kalumo
