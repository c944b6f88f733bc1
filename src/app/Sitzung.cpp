#include "app/Sitzung.h"

#include "app/Netzsteuerung.h"
#include "app/Serienanbindung.h"

#include "exercise/Uebungslauf.h"
#include "learnview/TextLayouts.h"
#include "platform/Dateidialoge.h"
#include "platform/Einstellungsspeicher.h"
#include "platform/Meldungen.h"

#include <QCoreApplication>

#include <cmath>

namespace kalumo {

Sitzung::Sitzung(const QString &programmOrdner)
    : m_ersatzMeldungen(std::make_unique<StderrMeldungen>())
    , m_einst(EinstellungenVorgaben(programmOrdner))
    , m_startbild(StartbildErzeugen())
    , m_ansicht(m_dok, m_einst.Schriftart)
    , m_interaktion(m_ansicht)
    , m_uebung(m_dok, m_ansicht, m_uebMeldungen, m_uebUhr, m_einst)
{
    m_uebung.Dienste.Oberflaeche = &m_laufOberflaeche;
    m_uebung.Dienste.Ton = nullptr; // no sound output until the window gives one
    m_uebung.Dienste.BeimErgebnis = [this](const Uebung &) { UebungsergebnisDa(); };
    m_serien = std::make_unique<Serienanbindung>(*this);
    m_meldungen = m_ersatzMeldungen.get();
    m_ansicht.Haken = &StandardTextLayouts();
    m_ansicht.NummerierungsModus = numGeordnet;
    // the start picture stands in the learning view while no document is open
    m_dok.Basisbild = m_startbild;
    NeuesDokument(m_dok);
    m_dok.ZuvorAngezeigtesDokument.clear();
    m_netz = std::make_unique<Netzsteuerung>(*this);
}

Sitzung::~Sitzung() = default;

void Sitzung::SchriftartSetzen(const QString &name)
{
    m_einst.Schriftart = name;
    m_ansicht.Schriftart = name;
}

MenueEingaben Sitzung::MenueEingabenErmitteln() const
{
    MenueEingaben e;
    e.Ansichtsmodus = Modus();
    e.UebArt = UebArt();
    e.Einstellungen = m_einst;
    e.UebEinstSpeichern = m_dok.Kopf.UebEinstSpeichern;
    e.LernansichtSperren = m_dok.Kopf.LernansichtSperren;
    e.ArbeitsblattSperren = m_dok.Kopf.ArbeitsblattSperren;
    e.Ebenen = {m_ansicht.Ebene0Check, m_ansicht.Ebene1Check, m_ansicht.Ebene2Check, m_ansicht.Ebene3Check};
    e.Nummerierung = m_ansicht.NummerierungsModus;
    e.ZoomStufe = m_ansicht.ZoomStufe;
    e.Werkzeug = m_interaktion.Werkzeug();
    e.WerkzeugleisteOffen = m_werkzeugleisteOffen;
    e.Werkzeugposition = m_einst.WerkzeugPos;
    e.DokumentOffen = m_dokumentOffen;
    e.StartHinweisVerborgen = m_startHinweisVerborgen;
    e.BibliothekAnzahl = m_bibliothek.Anzahl();
    e.BibliothekSeitenanfang = m_bibliothek.Seitenanfang();
    e.ProtokollVorhanden = m_uebungsende.LetztesProtokoll().Vorhanden();
    return e;
}

// ---- input and runs ----

Eingabemaschine &Sitzung::Eingabe()
{
    if (m_lauf)
        return m_lauf->Eingabe();
    return m_interaktion;
}

void Sitzung::LaufStarten(std::unique_ptr<Ansichtslauf> lauf)
{
    if (!lauf)
        return;
    if (m_lauf)
        m_lauf->Verlassen();
    m_lauf = std::move(lauf);
    Neuaufbau();
    ModusMelden();
}

void Sitzung::LernansichtAktivieren()
{
    // the run outlives this call, so that the window can let go of it when
    // it hears of the change (the click that ended it may still be running)
    const std::unique_ptr<Ansichtslauf> alt = std::move(m_lauf);
    if (alt) {
        // the run puts back what it changed before it goes
        alt->Verlassen();
        // a series whose partial exercise is left is abandoned
        m_serien->LaufVerlassen();
        m_uebArt = uebIndividual;
        // back to the learning view as the teacher left it before: the
        // pointer, 100 %, the fields numbered again by the view's mode
        m_interaktion.WerkzeugSetzen(wzZeiger);
        m_ansicht.ZoomStufe = 0;
        m_ansicht.AssignNumbers(m_ansicht.NummerierungsModus, false);
    }
    Neuaufbau();
    ModusMelden();
    // a network participant's document closes once its run has gone
    if (alt)
        m_netz->NachDemLauf();
}

Eingabereaktion Sitzung::Takt(qint64 ms)
{
    return m_lauf ? m_lauf->Takt(ms) : Eingabereaktion{};
}

bool Sitzung::UebungAbbrechenErlaubt()
{
    return kalumo::UebungAbbrechenErlaubt({Modus(), !m_lauf || m_lauf->Beendet()}, *m_meldungen);
}

void Sitzung::ModusMelden()
{
    if (m_anzeige)
        m_anzeige->ModusGewechselt();
}

// ---- exercises ----

Uebungslauf *Sitzung::AktuelleUebung() const
{
    return dynamic_cast<Uebungslauf *>(m_lauf.get());
}

void Sitzung::TonausgabeSetzen(Tonausgabe *t)
{
    m_tonausgabe = t ? t : &m_stumm;
    m_toene = std::make_unique<Uebungstoene>(*m_tonausgabe, m_uebMeldungen, m_tonEinst);
    m_uebung.Dienste.Ton = t ? m_toene.get() : nullptr;
}

void Sitzung::UebungVorbereiten()
{
    m_uebung.Optionen.Namenseingabe = m_einst.UebNameEingabe;
    m_uebung.Optionen.ErgebnisfensterAnzeigen = m_einst.UebErgebAnzeigen;
    m_uebung.Skala = m_einst.Notenskala;
    const UebungsrueckmeldungTyp &r = m_einst.Rueckmeldung;
    m_uebung.Texte.Richtig = r.RichtigText;
    m_uebung.Texte.Falsch = r.FalschText;
    m_uebung.Texte.MCRichtig = r.MCRichtigText;
    m_uebung.Texte.MCFalsch = r.MCFalschText;
    m_uebung.Texte.MCFehlend = r.MCFehlendText;
    m_tonEinst.Tonausgabe = m_einst.Sound;
    m_tonEinst.RichtigTonDatei = r.RichtigTonDatei;
    m_tonEinst.FalschTonDatei = r.FalschTonDatei;
    m_tonEinst.SoundOrdner = m_einst.Ordner.Sound;
    // the teacher's mark of a network exercise refuses an own run
    if (!m_uebung.Laeuft())
        m_uebung.Daten().UebArt = m_uebArt;
}

void Sitzung::UebungsergebnisDa()
{
    // a partial exercise of a series goes on in the series runner
    if (m_uebung.Daten().UebArt == uebSerie)
        return;
    m_uebungsende.Verarbeiten(m_uebung, m_einst, Millisekunden() - m_uebung.Daten().StartTick, *m_meldungen);
}

bool Sitzung::uebungStarten(bool dialogZeigen)
{
    const bool gestartet = m_uebung.StarteUebung(dialogZeigen, wiedKomplett, uebIndividual);
    // a start that failed after it had entered exercise mode leaves it again
    if (!gestartet && AktuelleUebung())
        LernansichtAktivieren();
    return gestartet;
}

bool Sitzung::TeildokumentLesen(const TeiluebungStart &start)
{
    if (!TeiluebungDokumentLesen(m_dok, *this, start))
        return false;
    m_dokumentOffen = true;
    return true;
}

bool Sitzung::SerienteilStarten(Serienhaken &serie)
{
    UebungVorbereiten();
    m_uebung.Dienste.Serie = &serie;
    return m_uebung.StarteUebung(false, wiedKomplett, uebSerie);
}

bool Sitzung::IndividualUebung()
{
    if (Modus() != modusLernansicht) {
        m_meldungen->Information(QString::fromUtf8(uebtext::LaeuftNoch));
        return false;
    }
    UebungVorbereiten();
    return uebungStarten(m_einst.UebOptZeigen);
}

bool Sitzung::Uebungseinstellungen()
{
    if (m_dok.Kopf.UebEinstSpeichern == kUebEinstGesperrt)
        return false; // the document keeps its settings (the menu entry is off)
    if (Modus() != modusLernansicht) {
        m_meldungen->Information(QString::fromUtf8(uebtext::EinstellungenWaehrendUebung));
        return false;
    }
    if (!m_uebung.Dienste.Dialog || !m_uebung.Dienste.Dialog->Zeigen(m_dok.Kopf.DokTyp))
        return false;
    UebungVorbereiten();
    return uebungStarten(false);
}

void Sitzung::ErfolgsTon()
{
    UebungVorbereiten();
    if (m_uebung.Dienste.Ton)
        m_uebung.Dienste.Ton->TonRichtig(QString());
}

void Sitzung::Laufoberflaeche::UebungsmodusBetreten()
{
    // start step 12: the run takes the slot (a repetition is in it already)
    if (!m_s.AktuelleUebung())
        m_s.LaufStarten(std::make_unique<Uebungslauf>(m_s.m_uebung));
    if (m_s.m_fensterOberflaeche)
        m_s.m_fensterOberflaeche->UebungsmodusBetreten();
}

void Sitzung::Laufoberflaeche::LernansichtAktivieren()
{
    // the run went back to the learning view from within one of its calls:
    // the engine's answer says LaufEnde, and whoever made the call leaves
    // the slot once it has returned (see Ansichtslauf.h)
    if (m_s.m_fensterOberflaeche)
        m_s.m_fensterOberflaeche->LernansichtAktivieren();
}

void Sitzung::Laufoberflaeche::IndividualKnopf(bool gedrueckt)
{
    if (m_s.m_fensterOberflaeche)
        m_s.m_fensterOberflaeche->IndividualKnopf(gedrueckt);
}

void Sitzung::Laufoberflaeche::Aktualisieren(unsigned aenderung)
{
    if (m_s.m_fensterOberflaeche)
        m_s.m_fensterOberflaeche->Aktualisieren(aenderung);
}

bool Sitzung::Laufoberflaeche::Pausieren(int ms)
{
    return m_s.m_fensterOberflaeche && m_s.m_fensterOberflaeche->Pausieren(ms);
}

bool Sitzung::Laufoberflaeche::Gleiten(int element, const std::vector<QPoint> &bahn)
{
    return m_s.m_fensterOberflaeche && m_s.m_fensterOberflaeche->Gleiten(element, bahn);
}

void Sitzung::Laufoberflaeche::ObjektOeffnen(int objekt)
{
    if (m_s.m_fensterOberflaeche)
        m_s.m_fensterOberflaeche->ObjektOeffnen(objekt);
}

void Sitzung::Laufoberflaeche::InfofensterSchliessen()
{
    if (m_s.m_fensterOberflaeche)
        m_s.m_fensterOberflaeche->InfofensterSchliessen();
}

// ---- documents ----

bool Sitzung::Oeffnen()
{
    return BefehlOeffnen(m_dok, *this);
}

bool Sitzung::DokumentOeffnen(const QString &pfad)
{
    return DokumentLesen(m_dok, *this, pfad, true);
}

bool Sitzung::Speichern()
{
    return BefehlSpeichern(m_dok, *this);
}

bool Sitzung::SpeichernUnter()
{
    return BefehlSpeichernUnter(m_dok, *this);
}

bool Sitzung::Schliessen()
{
    return BefehlSchliessen(m_dok, *this);
}

bool Sitzung::AenderungenSpeichernFragen()
{
    return kalumo::AenderungenSpeichernFragen(m_dok, *this);
}

void Sitzung::Neuaufbau()
{
    m_ansicht.Schriftart = Schriftart();
    m_interaktion.Neuaufbau();
}

// ---- DokumentDienste ----

void Sitzung::Sanduhr(bool an)
{
    if (m_anzeige)
        m_anzeige->Sanduhr(an);
}

void Sitzung::LayoutsNeuAufbauen(Dokument &)
{
    m_ansicht.Schriftart = Schriftart();
    TextLayoutsNeuAufbauen(m_ansicht);
}

void Sitzung::NachDemLesen(Dokument &, bool alsAktuell)
{
    // zoom 100 %, window at the top, the current numbering applied anew
    m_ansicht.NeuesDokumentAnzeigen();
    m_ansicht.AssignNumbers(m_ansicht.NummerierungsModus, false);
    if (alsAktuell)
        m_dokumentOffen = true;
    if (m_anzeige)
        m_anzeige->DokumentGelesen(alsAktuell);
}

void Sitzung::NachDemSchliessen(Dokument &)
{
    m_dokumentOffen = false;
    m_startHinweisVerborgen = false;
    m_ansicht.NeuesDokumentAnzeigen();
    if (m_anzeige)
        m_anzeige->DokumentGeschlossen();
    BibliothekEinlesen();
}

QString Sitzung::OeffnenDialog(const QString &startOrdner)
{
    if (!m_dialoge)
        return {};
    return m_dialoge->Oeffnen(QString::fromUtf8(kOeffnenTitel), startOrdner, DokumentDateifilter());
}

QString Sitzung::SpeichernDialog(const QString &startOrdner, const QString &vorschlag)
{
    if (!m_dialoge)
        return {};
    return m_dialoge->Speichern(QString::fromUtf8(kSpeichernTitel), startOrdner, DokumentDateifilter(), vorschlag,
                                QStringLiteral("kal"));
}

void Sitzung::TitelAnzeigen()
{
    if (m_anzeige)
        m_anzeige->TitelAnzeigen();
}

void Sitzung::ArbeitsblattGelesen(const QString *einstellungen, const QString &)
{
    if (einstellungen)
        ArbeitsblattEinstellungenLesen(*einstellungen, m_arbeitsblatt);
}

QString Sitzung::ArbeitsblattZumSpeichern(const HeaderDataTyp &) const
{
    return ArbeitsblattEinstellungenText(m_arbeitsblatt);
}

// ---- settings ----

void Sitzung::ZentraleKonfigurationSetzen(const QString &pfad)
{
    m_zentraleKonfiguration = pfad;
    m_zentraleKonfigurationGesetzt = true;
}

void Sitzung::EinstellungenLaden()
{
    if (!m_speicher) {
        m_eigenerSpeicher = std::make_unique<IniEinstellungsspeicher>();
        m_speicher = m_eigenerSpeicher.get();
    }
    ArbeitsordnerAnlegen(m_einst.Ordner);
    kalumo::EinstellungenLaden(*m_speicher, m_einst);
    if (!m_zentraleKonfigurationGesetzt)
        m_zentraleKonfiguration = ZentraleKonfigurationFinden(QCoreApplication::applicationDirPath());
    if (!m_zentraleKonfiguration.isEmpty())
        ZentraleKonfigurationLaden(m_zentraleKonfiguration, m_einst);
    m_einstellungenGeladen = true;
    m_ansicht.Schriftart = m_einst.Schriftart;
    m_dok.Vorgaben = m_einst.Seite;
    // the stamps and the text tool draw with what the user configured
    m_interaktion.Stempel = m_einst.Symbolstempel;
    m_interaktion.Tafelschriftart = m_einst.TafelanschriebSchriftart;
}

void Sitzung::EinstellungenSpeichern()
{
    // only a run whose settings were loaded writes them, and only once
    if (m_einstellungenGeschrieben || !m_einstellungenGeladen)
        return;
    m_einstellungenGeschrieben = true;
    kalumo::EinstellungenSpeichern(*m_speicher, m_einst);
}

// ---- start and end ----

void Sitzung::KommandozeileAusfuehren(const Startargumente &a)
{
    if (!a.Startordner.isEmpty())
        m_startordner = a.Startordner;
    else if (!m_einst.Themenordner.isEmpty())
        m_startordner = MitTrennzeichen(m_einst.Themenordner);
    else
        m_startordner = m_einst.Ordner.Start;
    m_einst.Ordner.Start = m_startordner;
    if (!a.Paket.isEmpty()) {
        m_dok.Bibliotheksordner = m_startordner;
        m_serien->PaketOeffnen(a.Paket);
        return;
    } else if (!a.Startdokument.isEmpty()) {
        if (DokumentOeffnen(a.Startdokument))
            m_startdokument = a.Startdokument;
    }
    m_dok.Bibliotheksordner = m_startordner;
    BibliothekEinlesen();
}

bool Sitzung::VorschauSchreiben(const QString &datei, int hoehe)
{
    const QImage &bild = m_ansicht.ViewBitmap;
    if (bild.isNull() || bild.height() <= 0 || hoehe <= 0)
        return false;
    const int w = std::max(1, int(std::lround(double(bild.width()) / bild.height() * hoehe)));
    if (bild.scaled(w, hoehe, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).save(datei))
        return true;
    m_meldungen->Fehler(QStringLiteral("Die Datei \"") + datei + QStringLiteral("\" kann nicht geschrieben werden."));
    return false;
}

namespace {

class Schliessfolge : public SchliessSchritte
{
public:
    Schliessfolge(Sitzung &s, Meldungen &m, bool ohneEndfrage) : m_s(s), m_m(m), m_ohneEndfrage(ohneEndfrage) {}
    bool UebungAbbrechenErlaubt() override { return m_s.UebungAbbrechenErlaubt(); }
    bool AenderungenSpeichernFragen() override { return m_s.AenderungenSpeichernFragen(); }
    bool BeendenBestaetigen() override
    {
        if (m_ohneEndfrage)
            return true;
        return m_m.EigeneFrage(QString::fromUtf8(kBeendenTitel), QString::fromUtf8(kBeendenFrage),
                               QString::fromUtf8(kBeendenJa), QString::fromUtf8(kBeendenNein))
               == Antwort::Ja;
    }

private:
    Sitzung &m_s;
    Meldungen &m_m;
    bool m_ohneEndfrage;
};

} // namespace

bool Sitzung::SchliessenErlaubt(bool ohneEndfrage)
{
    Schliessfolge folge(*this, *m_meldungen, ohneEndfrage);
    return kalumo::SchliessenErlaubt(folge);
}

} // namespace kalumo
