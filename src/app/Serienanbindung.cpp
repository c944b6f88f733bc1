#include "app/Serienanbindung.h"

#include "app/Sitzung.h"
#include "exercise/Notenskala.h"

namespace kalumo {

namespace {

// Without the window's file dialogs every dialog counts as cancelled.
class KeineDateidialoge : public Dateidialoge
{
public:
    QString Oeffnen(const QString &, const QString &, const QString &) override { return {}; }
    QString Speichern(const QString &, const QString &, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    QString Ordner(const QString &, const QString &) override { return {}; }
};

} // namespace

Serienanbindung::Serienanbindung(Sitzung &sitzung)
    : m_s(sitzung)
    , m_keineDialoge(std::make_unique<KeineDateidialoge>())
{
}

Serienanbindung::~Serienanbindung() = default;

// ---- commands ----

namespace {

// A start that failed after it had entered exercise mode leaves it again.
bool Nachher(Sitzung &s, bool gestartet)
{
    if (!gestartet && s.AktuelleUebung() && !s.Uebungsobjekt().Laeuft())
        s.LernansichtAktivieren();
    return gestartet;
}

} // namespace

bool Serienanbindung::Ausfuehren()
{
    return Nachher(m_s, BefehlSerieAusfuehren(m_serie, *this, m_s.Dok().Bibliotheksordner));
}

bool Serienanbindung::PaketOeffnen(const QString &pfad)
{
    return Nachher(m_s, SeriePaketOeffnen(m_serie, *this, pfad));
}

bool Serienanbindung::AusListeStarten(int uebungsmodus)
{
    return Nachher(m_s, SerieAusListeStarten(m_serie, *this, uebungsmodus, false));
}

void Serienanbindung::LaufVerlassen()
{
    if (Laeuft()) {
        SerieAbbrechen(m_serie);
        if (m_fenster)
            m_fenster->StatusPanelsVerbergen();
    }
}

// ---- SerienDateiDienste ----

Meldungen &Serienanbindung::Meldung()
{
    return m_s.Meldung();
}

Dateidialoge &Serienanbindung::Dialoge()
{
    return m_s.DateiDialoge() ? *m_s.DateiDialoge() : *m_keineDialoge;
}

SerienSkalaTyp Serienanbindung::Skala() const
{
    // a package stores the thresholds a user can change: grades 1…5, points 1…15
    const NotenskalaTyp &n = m_s.Einstellungen().Notenskala;
    SerienSkalaTyp s;
    for (size_t i = 0; i < s.NoteMinQuote.size(); ++i)
        s.NoteMinQuote[i] = n.NoteMinQuote[i + 1];
    for (size_t i = 0; i < s.PunkteMinQuote.size(); ++i)
        s.PunkteMinQuote[i] = n.PunkteMinQuote[i + 1];
    s.BewertSkala = n.BewertSkala;
    return s;
}

void Serienanbindung::SkalaSetzen(const SerienSkalaTyp &skala)
{
    NotenskalaTyp &n = m_s.Einstellungen().Notenskala;
    for (size_t i = 0; i < skala.NoteMinQuote.size(); ++i)
        n.NoteMinQuote[i + 1] = skala.NoteMinQuote[i];
    for (size_t i = 0; i < skala.PunkteMinQuote.size(); ++i)
        n.PunkteMinQuote[i + 1] = skala.PunkteMinQuote[i];
    n.BewertSkala = SkalaGueltig(skala.BewertSkala);
}

void Serienanbindung::Sanduhr(bool an)
{
    m_s.SanduhrZeigen(an);
}

QString Serienanbindung::Bibliotheksordner() const
{
    return m_s.Dok().Bibliotheksordner;
}

void Serienanbindung::BibliotheksordnerSetzen(const QString &ordner)
{
    m_s.Dok().Bibliotheksordner = ordner;
}

// ---- SerienUebungsDienste ----

bool Serienanbindung::UebungAbbrechenErlaubt()
{
    return m_s.UebungAbbrechenErlaubt();
}

bool Serienanbindung::AenderungenSpeichernFragen()
{
    return m_s.AenderungenSpeichernFragen();
}

bool Serienanbindung::NamenseingabeAn() const
{
    return m_s.Einstellungen().UebNameEingabe;
}

QString Serienanbindung::NameAbfragen()
{
    Namensabfrage *n = m_s.Uebungsobjekt().Dienste.Name;
    return n ? n->NameErfragen().left(uebtext::NameMaxLaenge) : QString();
}

void Serienanbindung::TeilnehmerNameSetzen(const QString &name)
{
    m_s.Uebungsobjekt().Daten().TeilnehmerName = name;
}

QString Serienanbindung::TeilnehmerName() const
{
    return m_s.Uebungsobjekt().Daten().TeilnehmerName;
}

bool Serienanbindung::TeiluebungStarten(const TeiluebungStart &start)
{
    m_start = start;
    return m_s.SerienteilStarten(*this);
}

void Serienanbindung::SerieStatusZeigen(int position, int anzahl)
{
    if (m_fenster)
        m_fenster->SerieStatusZeigen(position, anzahl);
}

SerienBewertung Serienanbindung::Bewerten(double gesamtleistung)
{
    const NotenskalaTyp &skala = m_s.Einstellungen().Notenskala;
    SerienBewertung b;
    b.Note = NoteBerechnen(gesamtleistung, skala);
    b.NotenWort = NotenWort(b.Note, skala.BewertSkala);
    b.SkalaWort = SkalaWort(skala.BewertSkala);
    return b;
}

void Serienanbindung::StatusPanelsVerbergen()
{
    if (m_fenster)
        m_fenster->StatusPanelsVerbergen();
}

void Serienanbindung::ProtokollSetzen(const QString &gesamtprotokoll)
{
    if (m_fenster)
        m_fenster->ProtokollSetzen(gesamtprotokoll);
}

void Serienanbindung::SerieBeendetZeigen(const UebungsserieDataTyp &serie, const SerienBewertung &bewertung)
{
    if (m_fenster)
        m_fenster->SerieBeendetZeigen(serie, bewertung);
}

void Serienanbindung::UebungVerlassen()
{
    // the run (if any) goes back to the learning view; whoever called into
    // it leaves the run slot when the call returns
    Uebung &u = m_s.Uebungsobjekt();
    if (u.Laeuft())
        u.Verlassen();
    u.Daten().UebArt = uebIndividual;
}

void Serienanbindung::DokumentSchliessen()
{
    m_s.Schliessen();
}

// ---- Serienhaken ----

bool Serienanbindung::EintragLaden()
{
    if (!m_s.TeildokumentLesen(m_start))
        return false;
    m_dokumentEinstellungen = m_s.Dok().Kopf.UebEinstGeladen != 0;
    return true;
}

SerienVorgaben Serienanbindung::Vorgaben()
{
    SerienVorgaben v;
    v.Vorhanden = true;
    v.DokumentHatEinstellungen = m_dokumentEinstellungen;
    v.AbfrageModus = std::max(0, m_start.Abfragemodus);
    v.ZuordnungRichtig = m_start.RueckmeldungRichtig;
    v.ZuordnungFalsch = m_start.Uebungsmodus;
    v.ZeitlimitMinuten = m_start.Zeit;
    v.Nummer = m_start.Position + 1;
    v.Gewichtung = QString::number(m_start.Gewichtung);
    return v;
}

void Serienanbindung::TeiluebungBeendet(const Uebung &uebung)
{
    kalumo::TeiluebungBeendet(m_serie, *this, uebung.Daten().Gesamtleistung, uebung.ProtokollText());
}

} // namespace kalumo
