#include "BewertungJson.h"

#include <cmath>

namespace kalumo {

Json NoteJson(double gesamtleistung, const NotenskalaTyp &skala)
{
    const int note = NoteBerechnen(gesamtleistung, skala);
    return Json::Objekt()
        .Feld(QStringLiteral("grade"), note)
        .Feld(QStringLiteral("word"), NotenWort(note, skala.BewertSkala))
        .Feld(QStringLiteral("scale_word"), SkalaWort(skala.BewertSkala));
}

Json BestenlisteEintragJson(const BestListDataTyp &e)
{
    return Json::Objekt()
        .Feld(QStringLiteral("Name"), e.Name)
        .Feld(QStringLiteral("Rechner"), e.Rechner)
        .Feld(QStringLiteral("Beginn"), e.Beginn)
        .Feld(QStringLiteral("Dauer"), int(e.Dauer))
        .Feld(QStringLiteral("Leistung"), e.Leistung);
}

Json BestenlisteJson(const BestenlisteInhalt &inhalt)
{
    Json eintraege = Json::Liste();
    for (const BestListDataTyp &e : inhalt.Eintraege)
        eintraege.Element(BestenlisteEintragJson(e));
    std::vector<BestListDataTyp> sortiert = inhalt.Eintraege;
    BestenlisteSortieren(sortiert);
    Json reihenfolge = Json::Liste();
    for (const BestListDataTyp &e : sortiert)
        reihenfolge.Element(BestenlisteEintragJson(e));
    return Json::Objekt()
        .Feld(QStringLiteral("keys"), inhalt.Schluessel)
        .Feld(QStringLiteral("entries"), std::move(eintraege))
        .Feld(QStringLiteral("sorted"), std::move(reihenfolge));
}

std::optional<double> Quote(const QString &text)
{
    bool ok = false;
    const double q = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(q) || q < 0.0 || q > 1.0)
        return std::nullopt;
    return q;
}

std::optional<std::vector<double>> QuotenListe(const QString &text, int anzahl)
{
    const QStringList teile = text.split(u',');
    if (teile.size() != anzahl)
        return std::nullopt;
    std::vector<double> werte;
    for (const QString &t : teile) {
        const std::optional<double> q = Quote(t);
        if (!q)
            return std::nullopt;
        werte.push_back(*q);
    }
    return werte;
}

std::optional<bool> NotenskalaOption(const QStringList &a, qsizetype &i, NotenskalaTyp &skala)
{
    const bool note = a[i] == QLatin1String("--note");
    const bool punkte = a[i] == QLatin1String("--punkte");
    if (!note && !punkte)
        return false;
    if (i + 1 >= a.size())
        return std::nullopt;
    const auto werte = QuotenListe(a[++i], note ? kNotenAnzahl : kPunkteAnzahl);
    if (!werte)
        return std::nullopt;
    for (size_t k = 0; k < werte->size(); ++k) {
        if (note)
            skala.NoteMinQuote[k + 1] = (*werte)[k];
        else
            skala.PunkteMinQuote[k + 1] = (*werte)[k];
    }
    return true;
}

} // namespace kalumo
