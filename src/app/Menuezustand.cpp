#include "app/Menuezustand.h"

#include "app/Hauptmenue.h"
#include "document/Bibliothek.h"
#include "learnview/Lernansicht.h"
#include "learnview/Werkzeuge.h"

namespace kalumo {

namespace {

// Whether the mode and the locks allow the entry (its function existing aside).
bool Erlaubt(const QString &name, const MenueEingaben &e)
{
    const bool lernansicht = e.Ansichtsmodus == modusLernansicht;
    const AenderbarTyp &ae = e.Einstellungen.Aenderbar;
    auto ist = [&name](const char *n) { return name == QLatin1String(n); };
    if (ist("Oeffnen1") || ist("Schliessen1") || ist("Themenauswahl1") || ist("Lernansicht1")
        || ist("DokumentSchriftart1") || ist("Dokumenteigenschaften1") || ist("Dokumenteigenschaften2")
        || ist("PasswortSpeichernUnter1") || ist("Seitenverhaeltnis1"))
        return lernansicht;
    for (const Werkzeugeintrag &w : Werkzeugeintraege())
        if (ist(w.Name))
            return lernansicht; // the tools belong to the learning view
    if (ist("ArbeitsblattErstellen1"))
        return lernansicht && e.ArbeitsblattSperren == 0;
    if (ist("Notenskala1"))
        return lernansicht && ae.Notenskala;
    if (ist("Uebungseinstellungen1"))
        return e.UebEinstSpeichern != kUebEinstGesperrt;
    if (ist("Lehrersteuerung1"))
        return lernansicht || e.UebArt == uebNetzInitiiert;
    // the central configuration locks these in every mode
    if (ist("Namenseingabe1"))
        return ae.Namenseingabe;
    if (ist("Statusinfo1"))
        return ae.Statusinfo;
    if (ist("AutoProtSpeichern1"))
        return ae.ProtokollAutospeichern;
    if (ist("ErgebBestListEintragen1"))
        return ae.BestenlisteAutoeintrag;
    if (ist("UebErgebAnzeigen1"))
        return ae.UebungsergebnisAnzeigen;
    if (ist("ProtokollLetzteUebung1"))
        return ae.ProtokollderletztenUebung && e.ProtokollVorhanden;
    return true;
}

// The check mark of a check item.
bool Angekreuzt(const QString &name, const MenueEingaben &e)
{
    for (const Optionseintrag &o : Optionseintraege())
        if (name == QLatin1String(o.Name))
            return e.Einstellungen.*o.Feld;
    for (int ebene = 0; ebene < 4; ++ebene)
        if (name == QStringLiteral("Ebene%1Menue").arg(ebene))
            return e.Ebenen[size_t(ebene)];
    static const std::pair<const char *, int> nummern[] = {
        {"NummerierungFragezeichen1", numFragezeichen}, {"NummerierungGeordnet1", numGeordnet},
        {"NummerierungZufaellig1", numZufaellig}};
    for (const auto &[n, modus] : nummern)
        if (name == QLatin1String(n))
            return e.Nummerierung == modus;
    static const std::pair<const char *, int> zoom[] = {{"Zoom100", 0}, {"Zoom150", 2}, {"Zoom200", 4}};
    for (const auto &[n, stufe] : zoom)
        if (name == QLatin1String(n))
            return e.ZoomStufe == stufe;
    for (const Werkzeugeintrag &w : Werkzeugeintraege())
        if (name == QLatin1String(w.Name))
            return w.Werkzeug == wzStift ? e.Werkzeug == wzStift || IstForm(e.Werkzeug) : e.Werkzeug == w.Werkzeug;
    if (name == QLatin1String("WerkzeugleisteLinks1"))
        return e.Werkzeugposition != 0;
    if (name == QLatin1String("WerkzeugleisteRechts1"))
        return e.Werkzeugposition == 0;
    return false;
}

void Eintragen(MenueZustand &z, const std::vector<MenuePunkt> &punkte, const MenueEingaben &e)
{
    for (const MenuePunkt &p : punkte) {
        if (p.IstTrenner())
            continue;
        EintragZustand &s = z.Eintraege[p.Name];
        s.Aktiv = p.Verfuegbar && Erlaubt(p.Name, e);
        s.Angekreuzt = p.Ankreuzbar && Angekreuzt(p.Name, e);
        s.Sichtbar = p.Sichtbar || (p.Name == QLatin1String("AGBAnzeigen1") && e.AGBAdresse);
        s.Text = p.Text;
        Eintragen(z, p.Unterpunkte, e);
    }
}

} // namespace

const EintragZustand &MenueZustand::Eintrag(const QString &name) const
{
    static const EintragZustand keiner;
    const auto it = Eintraege.find(name);
    return it == Eintraege.end() ? keiner : it->second;
}

MenueZustand MenueZustandBerechnen(const MenueEingaben &e)
{
    MenueZustand z;
    Eintragen(z, Hauptmenue(), e);

    const bool lernansicht = e.Ansichtsmodus == modusLernansicht;
    const bool uebung = e.Ansichtsmodus == modusUebung;
    const bool puzzle = e.Ansichtsmodus == modusSchiebepuzzle;
    const bool status = e.Einstellungen.UebStatusInfo;
    z.TitelPanSichtbar = lernansicht;
    z.UebStatusSichtbar = uebung && status;
    z.SerieStatusSichtbar = uebung && e.UebArt == uebSerie && status;
    z.PuzzleStatusSichtbar = puzzle && status;
    z.LernansichtGesperrtSichtbar = e.LernansichtSperren == 1;
    z.LernansichtGedrueckt = lernansicht;
    // a run shows the exercise panel in place of the picture and the toolbar:
    // the exercise its picture with the cards, the puzzle its board
    z.LernbildSichtbar = lernansicht;
    z.WerkzeugleisteSichtbar = lernansicht;
    z.UebungPanSichtbar = uebung || puzzle;
    z.UebungsflaecheSichtbar = uebung;
    z.PuzzleSichtbar = puzzle;
    z.StartInfoSichtbar = lernansicht && !e.DokumentOffen && !e.StartHinweisVerborgen;
    z.IndividualGedrueckt =
        e.StartDialogOffen || ((uebung || puzzle) && (e.UebArt == uebIndividual || e.UebArt == uebSerie));
    z.NetzGedrueckt = uebung && e.UebArt == uebNetzTeilnahme;
    z.LernansichtKnopfText = (uebung || puzzle) ? QStringLiteral("Übung abbrechen") : QStringLiteral("Lernansicht");

    const BibliotheksBlaettern blaettern = BibliothekBlaetterzustand(e.BibliothekAnzahl, e.BibliothekSeitenanfang);
    EintragZustand &vorherige = z.Eintraege[QStringLiteral("Vorherige60Dokumente1")];
    vorherige.Text = blaettern.VorherigeText;
    vorherige.Aktiv = vorherige.Aktiv && blaettern.VorherigeAktiv;
    EintragZustand &naechste = z.Eintraege[QStringLiteral("Naechste60Dokumente1")];
    naechste.Text = blaettern.NaechsteText;
    naechste.Aktiv = naechste.Aktiv && blaettern.NaechsteAktiv;

    const bool offen = e.WerkzeugleisteOffen;
    const bool rechts = e.Werkzeugposition == 0;
    z.Eintraege[QStringLiteral("WerkzeugleisteKlappen1")].Text =
        offen ? QStringLiteral("Werkzeugleiste zu&klappen") : QStringLiteral("Werkzeugleiste auf&klappen");
    z.KlappKnopfText = offen == rechts ? QStringLiteral(">") : QStringLiteral("<");
    z.KlappKnopfHinweis = offen ? QStringLiteral("Werkzeugleiste zuklappen") : QStringLiteral("Werkzeugleiste aufklappen");
    return z;
}

const std::array<Werkzeugeintrag, 9> &Werkzeugeintraege()
{
    static const std::array<Werkzeugeintrag, 9> eintraege{{
        {"ZeigerWerkzeug1", wzZeiger},
        {"HandWerkzeug1", wzHand},
        {"StiftWerkzeug1", wzStift},
        {"GelbMarker1", wzMarkerGelb},
        {"GruenMarker1", wzMarkerGruen},
        {"RadierWerkzeug1", wzRadierer},
        {"Haekchen1", wzStempel},
        {"RotesKreuz1", wzKreuz},
        {"Schlagwoerter1", wzText},
    }};
    return eintraege;
}

const std::array<Optionseintrag, 6> &Optionseintraege()
{
    static const std::array<Optionseintrag, 6> eintraege{{
        {"Tonausgabe1", &EinstellungenTyp::Sound},
        {"Namenseingabe1", &EinstellungenTyp::UebNameEingabe},
        {"Statusinfo1", &EinstellungenTyp::UebStatusInfo},
        {"UebErgebAnzeigen1", &EinstellungenTyp::UebErgebAnzeigen},
        {"AutoProtSpeichern1", &EinstellungenTyp::AutoProtSpeichern},
        {"ErgebBestListEintragen1", &EinstellungenTyp::ErgebBestListEintragen},
    }};
    return eintraege;
}

} // namespace kalumo
