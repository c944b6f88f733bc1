#include "series/Serienlauf.h"

#include "series/Seriendateien.h"

#include <algorithm>
#include <cmath>

namespace kalumo {

namespace {

QString MeldungPaketOhneDokumente(const QString &pfad)
{
    return QStringLiteral("Das Übungs-Serien-Paket \"") + pfad
           + QStringLiteral("\" enthält keine Kalumo-Dokumente.");
}

// Starts partial exercise Position; a start that fails ends the series.
bool teiluebungStarten(UebungsserieDataTyp &serie, SerienUebungsDienste &d)
{
    d.SerieStatusZeigen(serie.Position, serie.Anzahl);
    if (d.TeiluebungStarten(TeiluebungBeschreiben(serie, serie.Position)))
        return true;
    if (serie.Zustand == SerienZustand::Laeuft) {
        serie.Zustand = SerienZustand::Leerlauf;
        d.UebungVerlassen();
    }
    return false;
}

void serieBeenden(UebungsserieDataTyp &serie, SerienUebungsDienste &d)
{
    serie.Gesamtleistung = SerienGesamtleistung(serie.Punkte, serie.Gewichtssumme);
    const SerienBewertung bewertung = d.Bewerten(serie.Gesamtleistung);
    serie.Note = bewertung.Note;
    d.StatusPanelsVerbergen();
    serie.Gesamtprotokoll = GesamtprotokollText(serie, d.TeilnehmerName(), bewertung);
    d.ProtokollSetzen(serie.Gesamtprotokoll);
    serie.Zustand = SerienZustand::Leerlauf;
    d.SerieBeendetZeigen(serie, bewertung);
    d.UebungVerlassen();
    if (!serie.Paketdatei.isEmpty())
        d.DokumentSchliessen();
}

} // namespace

TeiluebungStart TeiluebungBeschreiben(const UebungsserieDataTyp &serie, int position)
{
    TeiluebungStart s;
    s.Position = position;
    s.Anzahl = serie.Anzahl;
    s.Uebungsmodus = serie.Uebungsmodus;
    s.RueckmeldungRichtig = serie.RueckmeldungRichtig;
    if (position < 0 || size_t(position) >= serie.Dokumente.size())
        return s;
    const UebungsserieDokTyp &e = serie.Dokumente[size_t(position)];
    if (!serie.Paketdatei.isEmpty()) {
        s.Datei = serie.Paketdatei;
        s.Offset = e.Offset;
        s.Laenge = e.Laenge;
    } else {
        s.Datei = e.Datei;
    }
    s.Abfragemodus = e.Abfragemodus;
    s.Zeit = e.Zeit;
    s.Gewichtung = e.Gewichtung;
    return s;
}

bool TeiluebungDokumentLesen(Dokument &dok, DokumentDienste &dienste, const TeiluebungStart &start)
{
    if (start.AusPaket())
        return DokumentLesen(dok, dienste, start.Datei, false, start.Offset, start.Laenge);
    return DokumentLesen(dok, dienste, start.Datei, false);
}

void SerienEinstellungenAnwenden(UebEinstBlock &einst, const TeiluebungStart &start, int dokTyp,
                                 bool dokumentEinstellungen)
{
    using namespace uebeinst;
    if (!dokumentEinstellungen) {
        int modus = abfrageFreieZuordnung;
        if (HatAbfragemodus(dokTyp) && start.Abfragemodus >= 0 && start.Abfragemodus <= HoechsterAbfragemodus(dokTyp))
            modus = start.Abfragemodus;
        einst[AbfrageModus] = modus;
        if ((dokTyp >= dokBildbeschriftung && dokTyp <= dokMultipleChoice) || dokTyp == dokKreuzwortraetsel) {
            einst[ZuordnungRichtig] = start.RueckmeldungRichtig;
            einst[ZuordnungFalsch] = start.Uebungsmodus;
            einst[Zuordnungstexte] = 0;
            einst[Zuordnungsziele] = 1;
        } else {
            einst[ZuordnungRichtig] = 0;
            einst[ZuordnungFalsch] = 0;
        }
    }
    einst[Zeitlimit] = start.Zeit > 0 ? 1 : 0;
    einst[ZLimit] = start.ZLimit();
}

bool SeriePaketOeffnen(UebungsserieDataTyp &serie, SerienUebungsDienste &d, const QString &pfad)
{
    SeriePaketInhalt inhalt;
    if (!SeriePaketMitMeldungLesen(pfad, inhalt, d.Meldung()))
        return false;

    // only a package read completely changes the record
    serie.Uebungsmodus = UebungsmodusGueltig(inhalt.Uebungsmodus);
    serie.RueckmeldungRichtig = RueckmeldungRichtigFuer(serie.Uebungsmodus);
    serie.Protokolltitel = inhalt.Protokolltitel;
    serie.Information = inhalt.Information;
    serie.SkalaAusPaket = inhalt.Skala.has_value();
    if (inhalt.Skala) {
        serie.Skala = SkalaGueltig(*inhalt.Skala);
        d.SkalaSetzen(serie.Skala);
    }
    serie.Dokumente.clear();
    for (const SeriePaketEintrag &e : inhalt.Eintraege) {
        UebungsserieDokTyp dok;
        dok.Datei = e.Datei;
        dok.Titel = e.Titel;
        dok.Sortname = e.Sortname;
        dok.Gewichtung = e.Gewichtung;
        dok.Zeit = e.Zeit;
        dok.Abfragemodus = e.Abfragemodus.value_or(abfrageFreieZuordnung);
        dok.Offset = e.Offset;
        dok.Laenge = e.Laenge;
        serie.Dokumente.push_back(std::move(dok));
    }
    serie.Paketdatei = pfad;

    if (serie.Dokumente.empty()) {
        d.Meldung().Information(MeldungPaketOhneDokumente(pfad));
        return false;
    }
    if (const QString fehler = GewichtungenPruefen(serie.Dokumente, false); !fehler.isEmpty()) {
        d.Meldung().Fehler(fehler);
        return false;
    }
    if (d.Meldung().Frage(SerieStartFrage(serie.Protokolltitel, serie.Information)) != Antwort::Ja)
        return false;
    return SerieStarten(serie, d, true);
}

bool SerieStarten(UebungsserieDataTyp &serie, SerienUebungsDienste &d, bool namePflicht)
{
    if (serie.Dokumente.empty()) {
        d.Meldung().Information(MeldungKeineDokumente());
        return false;
    }
    if (const QString fehler = GewichtungenPruefen(serie.Dokumente, false); !fehler.isEmpty()) {
        d.Meldung().Fehler(fehler);
        return false;
    }
    serie.Position = 0;
    serie.Anzahl = int(serie.Dokumente.size());
    serie.Note = 0;
    serie.Punkte = 0.0;
    serie.Gesamtleistung = 0.0;
    serie.Gewichtssumme = 0.0;
    for (const UebungsserieDokTyp &e : serie.Dokumente)
        serie.Gewichtssumme += e.Gewichtung;
    serie.Gesamtprotokoll.clear();
    d.TeilnehmerNameSetzen(QString());
    if (namePflicht || d.NamenseingabeAn())
        d.TeilnehmerNameSetzen(d.NameAbfragen());

    serie.Zustand = SerienZustand::Laeuft;
    const bool ok = teiluebungStarten(serie, d);
    d.BibliothekNeuAufbauen();
    return ok;
}

void TeiluebungBeendet(UebungsserieDataTyp &serie, SerienUebungsDienste &d, double leistung,
                       const QString &protokoll)
{
    if (serie.Zustand != SerienZustand::Laeuft || serie.Position < 0 || serie.Position >= serie.Anzahl
        || size_t(serie.Position) >= serie.Dokumente.size())
        return;
    d.TeiluebungAufraeumen();
    const double l = std::isfinite(leistung) ? std::clamp(leistung, 0.0, 1.0) : 0.0;
    serie.Punkte += serie.Dokumente[size_t(serie.Position)].Gewichtung * l;
    serie.Gesamtprotokoll += QStringLiteral("\r\n\r\n") + protokoll;
    serie.Position += 1;
    d.Meldung().Information(TeiluebungBeendetText(serie.Position, serie.Anzahl));
    if (serie.Zustand != SerienZustand::Laeuft)
        return;   // abandoned meanwhile
    if (serie.Position < serie.Anzahl)
        teiluebungStarten(serie, d);
    else
        serieBeenden(serie, d);
}

void SerieAbbrechen(UebungsserieDataTyp &serie)
{
    serie.Zustand = SerienZustand::Leerlauf;
}

bool BefehlSerieAusfuehren(UebungsserieDataTyp &serie, SerienUebungsDienste &d, const QString &startordner)
{
    if (!d.UebungAbbrechenErlaubt() || !d.AenderungenSpeichernFragen())
        return false;
    const QString pfad =
        d.Dialoge().Oeffnen(QString::fromUtf8(kSeriePaketOeffnenTitel), startordner, SeriePaketDateifilter());
    if (pfad.isEmpty())
        return false;
    return SeriePaketOeffnen(serie, d, pfad);
}

bool SerieAusListeStarten(UebungsserieDataTyp &serie, SerienUebungsDienste &d, int uebungsmodus, bool namePflicht)
{
    serie.Paketdatei.clear();
    serie.Uebungsmodus = UebungsmodusGueltig(uebungsmodus);
    serie.RueckmeldungRichtig = RueckmeldungRichtigFuer(serie.Uebungsmodus);
    return SerieStarten(serie, d, namePflicht);
}

} // namespace kalumo
