#pragma once
// The exercise panel UebungPan: a thin window over a run. It paints the
// panel with UebungZeichnen (the learning view's ViewBitmap at the left, the
// instruction line, the feedback and the elements), forwards mouse and keys
// to the run's input engine (UebungsEingabe), runs the 100 ms clock, the
// feedback pauses and the card glide, and keeps the status panel current.
//
// It is the run's UebungsOberflaeche; what concerns the whole program
// (entering and leaving exercise mode, the "Individual- Übung" button,
// opening info points) it hands on to the window that holds it (Haupt).
// A pause is a timer: the run drops every input until the timer calls
// Uebung::PauseBeendet.

#include "exercise/Uebungseingabe.h"
#include "exercise/UebungsDienste.h"

#include <QElapsedTimer>
#include <functional>
#include <QTimer>
#include <QWidget>

namespace kalumo {

class Lernansicht;
class TUebStatusPan;

class TUebungPan : public QWidget, public UebungsOberflaeche
{
    Q_OBJECT
public:
    // The clock period of a run.
    static constexpr int kTaktMs = 100;

    TUebungPan(Uebung &uebung, Lernansicht &ansicht, QWidget *parent = nullptr);
    ~TUebungPan() override;

    // The window that holds the panel; may be null.
    void HauptSetzen(UebungsOberflaeche *haupt) { m_haupt = haupt; }
    // The status panel kept current; may be null.
    void StatusSetzen(TUebStatusPan *status);
    UebungsEingabe &Eingabe() { return m_eingabe; }
    // Mouse and keys go to the engine that `maschine` names (the main window
    // names the session's current one: the run in its slot) instead of the
    // panel's own, and every answer goes to `antwort`. The panel's own clock
    // then stays off: the window's clock drives the run.
    void WeiterleitungSetzen(std::function<Eingabemaschine &()> maschine,
                             std::function<void(const Eingabereaktion &)> antwort);
    QTimer &Zeitgeber() { return m_takt; }
    // A feedback pause or a glide is running.
    bool Wartet() const { return m_pause.isActive() || m_gleitElement >= 0; }

    // UebungsOberflaeche
    void UebungsmodusBetreten() override;
    void LernansichtAktivieren() override;
    void IndividualKnopf(bool gedrueckt) override;
    void ZeitgeberSetzen(bool an) override;
    void Aktualisieren(unsigned aenderung) override;
    bool Pausieren(int ms) override;
    bool Gleiten(int element, const std::vector<QPoint> &bahn) override;
    void ObjektOeffnen(int objekt) override;
    void InfofensterSchliessen() override;

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void leaveEvent(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    bool focusNextPrevChild(bool next) override;

private:
    void Beantworten(const UebEingabeAntwort &a);
    void Beantworten(const Eingabereaktion &r);
    void Zeigerwahl(QPoint p);
    void Gleitschritt();
    void PauseVorbei();

    Uebung &m_uebung;
    Lernansicht &m_ansicht;
    UebungsEingabe m_eingabe;
    UebungsOberflaeche *m_haupt = nullptr;
    TUebStatusPan *m_status = nullptr;
    UebungsOberflaeche *m_vorher = nullptr;   // the run's surface before this panel took it
    std::function<Eingabemaschine &()> m_maschine;
    std::function<void(const Eingabereaktion &)> m_antwort;

    QTimer m_takt;
    QTimer m_pause;
    QTimer m_gleitTakt;
    QElapsedTimer m_gleitUhr;
    int m_gleitElement = -1;
    std::vector<QPoint> m_bahn;
    QPoint m_gleitOrt;
};

} // namespace kalumo
