#include "network/NetzLehrer.h"

#include "exercise/Abfrageliste.h"
#include "exercise/Protokolltext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kalumo {

QString NetzBeendenFrageText()
{
    return QStringLiteral("Netzwerk-Übung beenden?\r\nÜbungsteilnehmer können die laufende Übung noch zu Ende "
                          "bearbeiten, die Kontrollanzeige wird jedoch nicht mehr aktualisiert.");
}

QString NetzKeineUebungText()
{
    return QStringLiteral("Es ist keine Netzwerk-Übung aktiv.");
}

namespace {

QString empfangsfehlerText(const QString &grund)
{
    return QStringLiteral("Die Nachrichten der Übungsteilnehmer können nicht empfangen werden (")
           + grund
           + QStringLiteral("). Möglicherweise läuft auf diesem Rechner bereits eine Netzwerk-Übung mit "
                            "demselben Kommunikationskanal.");
}

} // namespace

NetzLehrerStart NetzLehrerStartAufbauen(const Dokument &dok, const NetzKomTyp &kom, const QString &rechner,
                                        const NetzUebEinstTyp &einstellungen, int anzAbfragen,
                                        const QStringList &einstellungsabschnitt, const Normierung &normieren)
{
    NetzLehrerStart s;
    s.Kom = kom;
    s.Rechner = rechner;
    s.Einstellungen = einstellungen;
    s.Einstellungen.NetzKennung = rechner;
    s.Einstellungen.RiFaRueckmeldung = 0;
    const bool texteingabe = einstellungen.AbfrageModus == kAbfrageModusTexteingabe;
    s.Loesungsnummern = NetzLoesungsnummern(dok, texteingabe);
    s.Abfragespalten = NetzAbfragespalten(dok, texteingabe, anzAbfragen);
    s.SkalaWort = SkalaWort(einstellungen.BewertSkala.value_or(0));
    s.Protokoll = NetzProtokollAufbauen(dok, s.Loesungsnummern, einstellungsabschnitt, normieren);
    return s;
}

QStringList NetzEinstellungsabschnitt(const Dokument &dok, const NetzKomTyp &kom, const NetzUebEinstTyp &e,
                                      int anzAbfragen, const QDateTime &beginn, const QString &rechner,
                                      const QString &benutzer)
{
    UebDataTyp d;
    d.UebArt = uebNetzInitiiert;
    d.StartZeit = TageSeit1899(beginn);
    d.AnzAbfragen = d.GesamtAbfragen = anzAbfragen;
    d.ZuordnungRichtig = e.ZuordnungRichtig;
    d.ZuordnungFalsch = e.ZuordnungFalsch;
    d.Zuordnungstexte = e.Zuordnungstexte;
    d.Zuordnungsziele = e.Zuordnungsziele;
    d.AbfrageModus = e.AbfrageModus;
    d.Zeitlimit = e.Zeitlimit;
    d.ZLimit = e.ZLimit;
    const NotenskalaTyp vorgabe;
    d.NoteMinQuote = e.NoteMinQuote.value_or(vorgabe.NoteMinQuote);
    d.PunkteMinQuote = e.PunkteMinQuote.value_or(vorgabe.PunkteMinQuote);
    d.BewertSkala = e.BewertSkala.value_or(vorgabe.BewertSkala);
    ProtokollUmfeld u;
    u.Rechnername = rechner;
    u.Benutzer = benutzer;
    u.Titel = dok.Kopf.titel;
    u.Datei = dok.Kopf.Dateiname;
    u.DokTyp = dok.Kopf.DokTyp;
    u.DokUnterTyp = dok.Kopf.DokUnterTyp;
    u.Modus = WirksamerAbfrageModus(dok.Kopf.DokTyp, e.AbfrageModus);
    u.KomOrdner = kom.Ordner;
    u.KomKanal = kom.Kanal;
    return Einstellungsabschnitt(d, u);
}

NetzLehrer::NetzLehrer(Meldungen &meldungen, Pause pause) : m_meldungen(meldungen), m_pause(std::move(pause)) {}

NetzLehrer::~NetzLehrer()
{
    // the program closes: receiving stops, the exercise files go (the best list stays)
    if (m_aktiv)
        Beenden();
}

void NetzLehrer::UebungsdateienLoeschen(const NetzPfade &p)
{
    if (p.Ordner.isEmpty())
        return;
    QFile::remove(p.Dokument());
    QFile::remove(p.Einstellungen());
    QFile::remove(p.Marke());
    QDir ordner(p.Ordner);
    for (const QString &name : ordner.entryList({p.NachrichtenMuster()}, QDir::Files | QDir::System))
        QFile::remove(ordner.filePath(name));
}

void NetzLehrer::Einrichten(const NetzLehrerStart &start)
{
    m_kom = start.Kom;
    m_pfade = NetzPfadeVon(start.Kom.Ordner, start.Kom.Kanal);
    m_loesungen = start.Loesungsnummern;
    m_kontrolle.Einrichten(start.Abfragespalten, start.Einstellungen.Zeitlimit == 1, start.SkalaWort);
    m_protokoll = start.Protokoll;
    m_kennungen.clear();
    m_rechner.clear();
    m_zeileVon.clear();
    m_bestlistGemeldet.clear();
    m_beendet.clear();
    m_abgebrochen.clear();
    m_abgeschlossen.clear();
    m_statistik = {};
    m_lesefehlerGezeigt = false;
    m_aktiv = true;
}

bool NetzLehrer::Initiieren(const NetzLehrerStart &start, const Dokument &dok, DokumentDienste &dienste)
{
    if (m_aktiv)
        Beenden();
    if (const QString f = KommKanalPruefen(start.Kom.Kanal); !f.isEmpty()) {
        m_meldungen.Fehler(f);
        return false;
    }
    const NetzPfade p = NetzPfadeVon(start.Kom.Ordner, start.Kom.Kanal);
    UebungsdateienLoeschen(p);
    QFile::remove(p.Bestenliste());

    // the document under its network name; the document's own name stays
    Dokument kopie = dok;
    if (!DokumentSchreiben(kopie, dienste, p.Dokument(), false)) {
        UebungsdateienLoeschen(p);
        return false;
    }
    NetzUebEinstTyp einst = start.Einstellungen;
    einst.NetzKennung = start.Rechner;
    if (!NetzEinstellungsdateiSchreiben(p.Einstellungen(), einst)) {
        m_meldungen.Fehler(NetzDateifehlerText(p.Einstellungen()));
        UebungsdateienLoeschen(p);
        return false;
    }

    Einrichten(start);
    m_annahme = m_kom.Verfahren == netzVerfahrenOrdner
                    ? OrdnerAnnahme(m_pfade.Ordner, m_pfade.NachrichtenMuster())
                    : UdpAnnahme(NetzPort(m_kom.Kanal, m_kom.Basisport));
    m_annahme->BeiPaket([this](const NetzPaket &paket) { PaketVerarbeiten(paket); });
    m_annahme->BeiVerworfen([this](const NetzVerworfen &v) { Verworfen(v); });
    QString grund;
    if (!m_annahme->Starten(&grund)) {
        m_annahme.reset();
        m_aktiv = false;
        UebungsdateienLoeschen(p);
        m_meldungen.Fehler(empfangsfehlerText(grund));
        return false;
    }
    m_dateienAngelegt = true;
    // joining is allowed only now that everything is in place
    if (!NetzMarkeSchreiben(m_pfade))
        m_meldungen.Fehler(NetzDateifehlerText(m_pfade.Marke()));
    return true;
}

void NetzLehrer::Beenden()
{
    if (m_annahme) {
        m_annahme->Stoppen();
        m_annahme.reset();
    }
    // only the files this computer put there for its own exercise
    if (m_aktiv && m_dateienAngelegt)
        UebungsdateienLoeschen(m_pfade);
    m_aktiv = false;
    m_dateienAngelegt = false;
}

bool NetzLehrer::AnmeldungZulassen(bool zulassen)
{
    if (!m_aktiv || !m_dateienAngelegt) {
        if (zulassen)
            m_meldungen.Information(NetzKeineUebungText());
        return false;
    }
    if (zulassen) {
        if (!NetzMarkeSchreiben(m_pfade)) {
            m_meldungen.Fehler(NetzDateifehlerText(m_pfade.Marke()));
            return false;
        }
        return true;
    }
    NetzMarkeLoeschen(m_pfade);
    return NetzMarkeVorhanden(m_pfade);
}

int NetzLehrer::Abholen()
{
    return m_annahme ? m_annahme->Abholen() : 0;
}

int NetzLehrer::Zeile(const QString &kennung) const
{
    return m_zeileVon.value(kennung, -1);
}

void NetzLehrer::Verworfen(const NetzVerworfen &v)
{
    m_statistik.Ignorieren(v.Grund);
}

void NetzLehrer::PaketVerarbeiten(const NetzPaket &paket)
{
    if (!m_aktiv) {
        m_statistik.Ignorieren(QString::fromUtf8(netzgrund::NichtAktiv));
        return;
    }
    QString grund;
    const std::optional<NetzUmschlag> u =
        paket.AusDatei ? NachrichtendateiLesen(paket.Daten, &grund) : DatagrammLesen(paket.Daten, &grund);
    if (!u) {
        m_statistik.Ignorieren(grund);
        // an unreadable message file is reported once per exercise: a folder
        // full of broken files must not bury the teacher under boxes
        if (paket.AusDatei && !m_lesefehlerGezeigt) {
            m_lesefehlerGezeigt = true;
            m_meldungen.Fehler(NetzEinlesefehlerText(paket.Herkunft));
        }
        return;
    }
    NachrichtEmpfangen(u->Rechner, u->Text, u->Benutzer);
}

void NetzLehrer::NachrichtEmpfangen(const QString &rechner, const QString &text, const QString &benutzer)
{
    if (!m_aktiv) {
        m_statistik.Ignorieren(QString::fromUtf8(netzgrund::NichtAktiv));
        return;
    }
    QString grund;
    const std::optional<NetzNachricht> n = NachrichtLesen(text, &grund);
    if (!n) {
        m_statistik.Ignorieren(grund);
        return;
    }
    if (nachrichtAnnehmen(*n, rechner))
        ++m_statistik.Empfangen;
}

bool NetzLehrer::nachrichtAnnehmen(const NetzNachricht &n, const QString &rechner)
{
    auto ablehnen = [this](const char *grund) {
        m_statistik.Ignorieren(QString::fromUtf8(grund));
        return false;
    };
    auto geaendert = [this](int zeile) {
        if (ZeileGeaendert)
            ZeileGeaendert(zeile);
    };

    if (const auto *init = std::get_if<TnInitTyp>(&n)) {
        if (m_zeileVon.contains(init->TeilnehmerKennung))
            return ablehnen(netzgrund::DoppelteAnmeldung);
        if (int(m_kennungen.size()) >= kNetzHoechstzeilen)
            return ablehnen(netzgrund::ZuVieleTeilnehmer);
        // a computer that joins again gets a new row
        m_kennungen.push_back(init->TeilnehmerKennung);
        m_rechner.push_back(rechner);
        const int zeile = m_kontrolle.TeilnehmerHinzufuegen(rechner, init->NetzTeilnehmerName, init->StartZeit);
        m_zeileVon.insert(init->TeilnehmerKennung, zeile);
        geaendert(zeile);
        return true;
    }
    if (const auto *aktion = std::get_if<TnAktionTyp>(&n)) {
        const int zeile = Zeile(aktion->TeilnehmerKennung);
        if (zeile < 0)
            return ablehnen(netzgrund::UnbekannteKennung);
        if (aktion->Objekt >= int(m_loesungen.size()))
            return ablehnen(netzgrund::ObjektAusserhalb);
        const int nummer = aktion->Objekt >= 0 ? m_loesungen[size_t(aktion->Objekt)] : 0;
        m_kontrolle.AktionEintragen(zeile, *aktion, nummer);
        if (aktion->EndeGrund == endeAbgebrochen)
            m_abgebrochen.insert(aktion->TeilnehmerKennung);
        geaendert(zeile);
        return true;
    }
    if (const auto *fertig = std::get_if<TnFertigTyp>(&n)) {
        const int zeile = Zeile(fertig->TeilnehmerKennung);
        if (zeile < 0)
            return ablehnen(netzgrund::UnbekannteKennung);
        m_kontrolle.FertigEintragen(zeile, fertig->EndeGrund, fertig->Uhr);
        if (fertig->EndeGrund == endeAbgebrochen) {
            m_abgebrochen.insert(fertig->TeilnehmerKennung);
            m_abgeschlossen.insert(fertig->TeilnehmerKennung);
        }
        m_beendet.insert(fertig->TeilnehmerKennung);
        geaendert(zeile);
        return true;
    }
    const auto &best = std::get<TnBestlistTyp>(n);
    if (Zeile(best.TeilnehmerKennung) < 0)
        return ablehnen(netzgrund::UnbekannteKennung);
    if (m_bestlistGemeldet.contains(best.TeilnehmerKennung))
        return ablehnen(netzgrund::BestenlisteDoppelt);
    if (m_abgebrochen.contains(best.TeilnehmerKennung))
        return ablehnen(netzgrund::BestenlisteAbgebrochen);
    m_bestlistGemeldet.insert(best.TeilnehmerKennung);
    m_beendet.insert(best.TeilnehmerKennung);
    m_abgeschlossen.insert(best.TeilnehmerKennung);
    BestListDataTyp e;
    e.Name = best.NetzTeilnehmerName;
    e.Rechner = best.Rechner;
    e.Beginn = best.StartZeit;
    e.Dauer = best.DauerMs;
    e.Leistung = best.Gesamtleistung;
    BestenlisteEintragen(m_pfade.Bestenliste(), e, BestenlisteArt::Netzwerk, m_meldungen, m_pause);
    return true;
}

} // namespace kalumo
