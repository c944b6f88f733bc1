#pragma once
// The best-list window: a grid of the entries (best first) with "Drucken...",
// "Speichern...", "In Zwischenablage" and "Schließen". Saving and copying
// give the same text, BestenlisteText().

#include "exercise/Bestenliste.h"
#include "platform/Dateidialoge.h"
#include "platform/Meldungen.h"

#include <QDialog>

#include <functional>
#include <memory>

class QLabel;
class QPagedPaintDevice;
class QPushButton;
class QTableWidget;

namespace kalumo {

class TBestListForm : public QDialog
{
    Q_OBJECT
public:
    TBestListForm(Meldungen &meldungen, Dateidialoge &dialoge, QWidget *parent = nullptr);

    // BestenlisteZeigen: the refusals, reading and sorting of
    // BestenlisteFuerAnzeige, then the window (modal). Nothing when refused.
    void Zeigen(const BestenlisteOrt &ort);

    // Fills the grid and the caption without showing the window.
    void Fuellen(const BestenlisteAnzeige &anzeige);
    const std::vector<BestListDataTyp> &Eintraege() const { return m_eintraege; }

    QTableWidget *Tabelle() const { return m_tabelle; }
    QPushButton *DruckenKnopf() const { return m_drucken; }
    QPushButton *SpeichernKnopf() const { return m_speichern; }
    QPushButton *ZwischenablageKnopf() const { return m_zwischenablage; }
    QPushButton *SchliessenKnopf() const { return m_schliessen; }

    // Where "Drucken..." prints: the print dialog and its printer, unless a
    // test installs its own (a PDF writer); nullptr means cancelled.
    using Druckziel = std::function<std::unique_ptr<QPagedPaintDevice>(QWidget *)>;
    void DruckzielSetzen(Druckziel ziel) { m_druckziel = std::move(ziel); }
    // The folder the save dialog starts in.
    void OrdnerSetzen(const QString &ordner) { m_ordner = ordner; }

    void DruckenClick();
    void SpeichernClick();
    void ZwischenablageClick();

private:
    Meldungen &m_meldungen;
    Dateidialoge &m_dialoge;
    std::vector<BestListDataTyp> m_eintraege;
    QTableWidget *m_tabelle = nullptr;
    QPushButton *m_drucken = nullptr;
    QPushButton *m_speichern = nullptr;
    QPushButton *m_zwischenablage = nullptr;
    QPushButton *m_schliessen = nullptr;
    Druckziel m_druckziel;
    QString m_ordner;
};

} // namespace kalumo
