#pragma once
// The main window's part of the exercise series: the menu commands
// ("Übungs-/Testserie ausführen...", "&Erstellen...", "Öffnen...",
// "Ent&packen und in Themenauswahl bereitstellen...."), the series status
// panel and the end dialog "Übungsserie beendet". The series itself runs in
// the session (app/Serienanbindung.h); this class only shows it.

#include "app/Serienanbindung.h"

#include <QObject>

#include <functional>

class QWidget;

namespace kalumo {

class Sitzung;
class TUebserieFertigForm;
class TUebserieStatusPan;
class TUebungsserieForm;

class TSerienteil : public QObject, public Serienfenster
{
    Q_OBJECT
public:
    // fenster: the parent of the dialogs.
    TSerienteil(Sitzung &sitzung, QWidget *fenster);
    // The series status panel (made with the window's panels).
    void StatusPanSetzen(TUebserieStatusPan *pan) { m_statusPan = pan; }
    ~TSerienteil() override;

    // The protocol window shows a protocol (the total protocol of a series).
    void ProtokollfensterSetzen(std::function<void(const QString &)> zeigen) { m_protokollfenster = std::move(zeigen); }
    // After a command the window updates its menus and panels.
    void NachBefehlSetzen(std::function<void()> f) { m_nachBefehl = std::move(f); }

    // ---- menu commands ----
    void Ausfuehren();
    void Erstellen();
    void Oeffnen();
    void Entpacken();

    // ---- Serienfenster ----
    void SerieBeendetZeigen(const UebungsserieDataTyp &serie, const SerienBewertung &bewertung) override;
    void ProtokollSetzen(const QString &gesamtprotokoll) override { m_gesamtprotokoll = gesamtprotokoll; }
    void SerieStatusZeigen(int position, int anzahl) override;

    // For tests: the dialogs while they are open (else nullptr), the last total protocol.
    TUebungsserieForm *ErstellenForm() const { return m_erstellen; }
    TUebserieFertigForm *FertigForm() const { return m_fertig; }
    const QString &Gesamtprotokoll() const { return m_gesamtprotokoll; }

private:
    void erstellenZeigen(const QString &paket, const QString &ordner);

    Sitzung &m_s;
    QWidget *m_fenster;
    TUebserieStatusPan *m_statusPan = nullptr;
    std::function<void(const QString &)> m_protokollfenster;
    std::function<void()> m_nachBefehl;
    TUebungsserieForm *m_erstellen = nullptr;
    TUebserieFertigForm *m_fertig = nullptr;
    QString m_gesamtprotokoll;
};

} // namespace kalumo
