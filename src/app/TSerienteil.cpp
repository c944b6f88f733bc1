#include "app/TSerienteil.h"

#include "app/Sitzung.h"
#include "exercise/Notenskalabild.h"
#include "exercise/TNotenskalaForm.h"
#include "series/Seriendateien.h"
#include "series/TUebserieFertigForm.h"
#include "series/TUebserieStatusPan.h"
#include "series/TUebungsserieForm.h"

#include <QPalette>
#include <QWidget>

namespace kalumo {

TSerienteil::TSerienteil(Sitzung &sitzung, QWidget *fenster)
    : QObject(fenster)
    , m_s(sitzung)
    , m_fenster(fenster)
{
    m_s.Serien().FensterSetzen(this);
}

TSerienteil::~TSerienteil()
{
    m_s.Serien().FensterSetzen(nullptr);
}

void TSerienteil::Ausfuehren()
{
    m_s.Serien().Ausfuehren();
    if (m_nachBefehl)
        m_nachBefehl();
}

void TSerienteil::Erstellen()
{
    erstellenZeigen(QString(), QString());
}

void TSerienteil::Oeffnen()
{
    const std::optional<GeoeffnetesPaket> paket =
        BefehlSerieOeffnen(m_s.Serien(), m_s.Einstellungen().Ordner.Kausp, m_s.Dok().Bibliotheksordner);
    if (paket)
        erstellenZeigen(paket->Paket, paket->Ordner);
}

void TSerienteil::Entpacken()
{
    BefehlSerieEntpacken(m_s.Serien(), m_s.Dok().Bibliotheksordner);
    if (m_nachBefehl)
        m_nachBefehl();
}

void TSerienteil::erstellenZeigen(const QString &paket, const QString &ordner)
{
    TUebungsserieForm form(m_s.Serien().Serie(), m_s.Serien(), m_fenster);
    form.PaketSetzen(paket, ordner);
    form.NotenskalaDialogSetzen([this, &form] {
        NotenskalaZustand zustand;
        zustand.Laeuft = m_s.Modus() != modusLernansicht;
        zustand.Gesperrt = !m_s.Einstellungen().Aenderbar.Notenskala;
        TNotenskalaForm::Ausfuehren(&form, m_s.Einstellungen().Notenskala, zustand, m_s.Meldung());
    });
    m_erstellen = &form;
    const bool starten = form.exec() == QDialog::Accepted;
    m_erstellen = nullptr;
    if (starten)
        m_s.Serien().AusListeStarten(form.Uebungsmodus());
    if (m_nachBefehl)
        m_nachBefehl();
}

void TSerienteil::SerieBeendetZeigen(const UebungsserieDataTyp &serie, const SerienBewertung &bewertung)
{
    TUebserieFertigForm form(m_fenster);
    const NotenskalaTyp skala = m_s.Einstellungen().Notenskala;
    const QColor hintergrund = form.palette().color(QPalette::Window);
    form.SkalabildSetzen([skala, hintergrund](double leistung, QSize groesse) {
        return NotenskalaBild(skala, leistung, groesse, hintergrund);
    });
    if (m_protokollfenster)
        form.ProtokollfensterSetzen(m_protokollfenster);
    form.Anzeigen(serie, bewertung);
    m_fertig = &form;
    form.exec();
    m_fertig = nullptr;
}

void TSerienteil::SerieStatusZeigen(int position, int anzahl)
{
    if (m_statusPan)
        m_statusPan->Anzeigen(position, anzahl);
}

} // namespace kalumo
