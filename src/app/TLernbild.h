#pragma once
// The picture area of the learning view (LernKartPicImg): shows ViewBitmap
// centred with what the current input engine draws over it, forwards the
// mouse and the keys to that engine (the session says which one: the
// learning view's interaction, or the engine of a running exercise or
// puzzle), shows the pointer the engine asks for, the one-line text field of
// the text tool, the area selection's info panel and the movable cover sheet.

#include "app/Sitzung.h"

#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;

namespace kalumo {

class TAbdeckblatt;

class TLernbild : public QWidget
{
    Q_OBJECT
public:
    explicit TLernbild(Sitzung &sitzung, QWidget *parent = nullptr);
    ~TLernbild() override;

    // The learning view's interaction (the tools of the toolbar work on it).
    Interaktion &Logik() { return m_sitzung.Lerninteraktion(); }
    const Interaktion &Logik() const { return m_sitzung.Lerninteraktion(); }
    Lernansicht &Ansicht() { return m_sitzung.Ansicht(); }

    // Selects a tool (hides the text field, updates the pointer); false when refused.
    bool WerkzeugSetzen(int werkzeug);
    // Where ViewBitmap's top-left corner lies in the widget.
    QPoint Bildversatz() const;
    // Widget position to ViewBitmap pixels.
    QPoint ZuAnsicht(QPoint widgetpunkt) const { return widgetpunkt - Bildversatz(); }

    QLineEdit *Textfeld() const { return m_textfeld; }
    QLabel *BereichInfoPan() const { return m_bereichInfo; }
    TAbdeckblatt *Abdeckblatt() const { return m_abdeckblatt; }

    // The cover sheet: the button shows it when it is hidden or has been
    // touched and hides it otherwise; the menu entries always show or hide it.
    void AbdeckblattKnopf();
    void AbdeckblattEinblenden();
    void AbdeckblattAusblenden();

public slots:
    // After the view changed from outside (rebuild, zoom, document).
    void Aktualisieren();
    // The session switched its engine (a run started or ended): the text
    // field and the area panel of the learning view go.
    void EingabeGewechselt();

signals:
    // Before a mouse-down is handled (the window hides its start hint here).
    void MausGedrueckt();
    // ViewBitmap changed by a click or a tool.
    void AnsichtGeaendert();
    // An info point, link or image link was clicked (ObjektAktivieren).
    void ObjektAktivieren(int index);
    void WerkzeugGeaendert(int werkzeug);
    // The widget got a new size; the owner sets Ansichtsgroesse and rebuilds.
    void GroesseGeaendert(QSize groesse);
    // The engine's run is over (Eingabereaktion::LaufEnde).
    void LaufBeendet();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void leaveEvent(QEvent *) override;
    void keyPressEvent(QKeyEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    bool eventFilter(QObject *objekt, QEvent *e) override;

private:
    void Reagieren(const Eingabereaktion &r);
    // Runs one step of the engine and reacts; an exception becomes the
    // message "Fehler aufgetreten (...)".
    void Sicher(const std::function<Eingabereaktion()> &schritt);
    void ZeigerAnpassen(QPoint ansichtspunkt);
    void TextfeldOeffnen(QPoint klick);
    void TextfeldAnpassen();
    void TextfeldSchliessen(bool uebernehmen);
    void BereichAnzeigen();

    Sitzung &m_sitzung;
    QLineEdit *m_textfeld = nullptr;
    QPoint m_textKlick;
    QLabel *m_bereichInfo = nullptr;
    QPoint m_infoZiehen{-1, -1};
    TAbdeckblatt *m_abdeckblatt = nullptr;
    QPoint m_maus{-1, -1};
    std::array<QCursor, 10> m_zeiger;
};

} // namespace kalumo
