#include "NetzJson.h"

namespace kalumo {

namespace {

template <typename Feld>
Json optionalListe(const std::optional<Feld> &werte)
{
    return werte ? JsonListe(*werte) : Json();
}

Json optionalZahl(const std::optional<int> &wert)
{
    return wert ? Json(*wert) : Json();
}

} // namespace

Json NetzEinstellungenJson(const NetzUebEinstTyp &e)
{
    return Json::Objekt()
        .Feld(QStringLiteral("NetzKennung"), e.NetzKennung)
        .Feld(QStringLiteral("RiFaRueckmeldung"), e.RiFaRueckmeldung)
        .Feld(QStringLiteral("ZuordnungRichtig"), e.ZuordnungRichtig)
        .Feld(QStringLiteral("ZuordnungFalsch"), e.ZuordnungFalsch)
        .Feld(QStringLiteral("Zuordnungstexte"), e.Zuordnungstexte)
        .Feld(QStringLiteral("Zuordnungsziele"), e.Zuordnungsziele)
        .Feld(QStringLiteral("AbfrageModus"), e.AbfrageModus)
        .Feld(QStringLiteral("Zeitlimit"), e.Zeitlimit)
        .Feld(QStringLiteral("ZLimit"), e.ZLimit)
        .Feld(QStringLiteral("NoteMinQuote"), optionalListe(e.NoteMinQuote))
        .Feld(QStringLiteral("PunkteMinQuote"), optionalListe(e.PunkteMinQuote))
        .Feld(QStringLiteral("BewertSkala"), optionalZahl(e.BewertSkala))
        .Feld(QStringLiteral("AnzZeichenVorgeben"), optionalZahl(e.AnzZeichenVorgeben));
}

Json NetzZeilenJson(const NetzKontrollModell &k)
{
    const QStringList kopf = k.Kopfzeile();
    Json zeilen = Json::Liste();
    for (const QStringList &z : k.Zeilen()) {
        Json zeile = Json::Objekt();
        for (qsizetype i = 0; i < kopf.size() && i < z.size(); ++i)
            zeile.Feld(kopf[i], z[i]);
        zeilen.Element(std::move(zeile));
    }
    return zeilen;
}

Json NetzIgnoriertJson(const NetzEmpfangsstatistik &s)
{
    Json gruende = Json::Objekt();
    for (const auto &[grund, anzahl] : s.Gruende)
        gruende.Feld(grund, anzahl);
    return Json::Objekt().Feld(QStringLiteral("count"), s.Ignoriert).Feld(QStringLiteral("reasons"), std::move(gruende));
}

} // namespace kalumo
