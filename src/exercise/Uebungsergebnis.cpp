#include "exercise/Uebungsergebnis.h"

#include "exercise/Protokolltext.h"
#include "exercise/Uebung.h"

namespace kalumo {

ErgebnisAnzeige ErgebnisAnzeigeErmitteln(const Uebung &uebung)
{
    const UebDataTyp &d = uebung.Daten();
    ErgebnisAnzeige a;
    a.Richtig = d.RichtigText + QStringLiteral("  von  ") + QString::number(d.AnzAbfragen);
    a.Falsch = d.FalschText;
    a.Quote = d.QuoteText;
    a.Leistung = d.LeistungText;
    a.ZeitBeschriftung = ErgebnisZeitBeschriftung(d.Zeitlimit);
    a.Zeit = uebung.Uhrtext();
    a.Offen = QString::number(d.OffenePositionen);
    a.Skala.NoteMinQuote = d.NoteMinQuote;
    a.Skala.PunkteMinQuote = d.PunkteMinQuote;
    a.Skala.BewertSkala = SkalaGueltig(d.BewertSkala);
    a.NotenWort = NotenWort(d.Note, a.Skala.BewertSkala);
    a.NotenLabel = SkalaWort(a.Skala.BewertSkala) + u':';
    a.Note = QString::number(d.Note);
    a.Gesamtleistung = d.Gesamtleistung;
    return a;
}

} // namespace kalumo
