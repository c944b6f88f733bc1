#include "DokumentJson.h"

#include "document/PngBild.h"
#include "platform/Windows1252.h"

#include <QCryptographicHash>

#include <algorithm>

namespace kalumo {

Json BildJson(const QImage &quelle)
{
    if (quelle.isNull())
        return Json();
    const QImage bild = AlsRgba(quelle);
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (int y = 0; y < bild.height(); ++y)
        h.addData(QByteArrayView(reinterpret_cast<const char *>(bild.constScanLine(y)), qsizetype(bild.width()) * 4));
    return Json::Objekt()
        .Feld("width", bild.width())
        .Feld("height", bild.height())
        .Feld("rgba_sha256", QString::fromLatin1(h.result().toHex()));
}

namespace {

// The fields up to the exercise-settings block, in model order.
void kurzkopfFelder(Json &o, const HeaderDataTyp &k)
{
    o.Feld("vers", k.vers)
        .Feld("titel", k.titel)
        .Feld("autor", k.autor)
        .Feld("bemerkung", k.bemerkung)
        .Feld("lueckentext", k.lueckentext)
        .Feld("fragentext", k.fragentext)
        .Feld("AnzFrageNummern", k.AnzFrageNummern)
        .Feld("DokTyp", k.DokTyp)
        .Feld("DokUnterTyp", k.DokUnterTyp)
        .Feld("RandErw", JsonListe(k.RandErw))
        .Feld("NumArt", k.NumArt)
        .Feld("GeordnetArt", k.GeordnetArt)
        .Feld("EinrueckRand", JsonListe(k.EinrueckRand))
        .Feld("HtgdCol", k.HtgdCol)
        .Feld("BasisbildDeck", k.BasisbildDeck)
        .Feld("MinLuecke", k.MinLuecke)
        .Feld("UebAusfuehrbar", k.UebAusfuehrbar)
        .Feld("LernansichtSperren", k.LernansichtSperren)
        .Feld("ArbeitsblattSperren", k.ArbeitsblattSperren)
        .Feld("UebEinstSpeichern", k.UebEinstSpeichern);
}

} // namespace

Json KurzkopfJson(const HeaderDataTyp &k)
{
    Json o = Json::Objekt();
    kurzkopfFelder(o, k);
    return o;
}

Json KopfJson(const HeaderDataTyp &k)
{
    Json o = Json::Objekt();
    kurzkopfFelder(o, k);
    o.Feld("BilderPasswort", k.BilderPasswort)
        .Feld("DokPasswort", k.DokPasswort)
        .Feld("Arbeitsblatt", k.Arbeitsblatt)
        .Feld("ABAufgabe", k.ABAufgabe)
        .Feld("TextCol", k.TextCol)
        .Feld("FragBtnHtgdCol", k.FragBtnHtgdCol)
        .Feld("FragBtnTextCol", k.FragBtnTextCol)
        .Feld("LueckentextCol", k.LueckentextCol)
        .Feld("ABLogo", BildJson(k.ABLogo))
        .Feld("LogoGroesse", k.LogoGroesse)
        .Feld("LogoAusricht", k.LogoAusricht)
        .Feld("Fusszeile", k.Fusszeile)
        .Feld("FusszeileAusricht", k.FusszeileAusricht)
        .Feld("Zielpunktgroesse", k.Zielpunktgroesse)
        .Feld("LueckenTabelleZeilen", k.LueckenTabelleZeilen)
        .Feld("LueckenTabelleSpalten", k.LueckenTabelleSpalten)
        .Feld("LueckenTabelleLinie", k.LueckenTabelleLinie)
        .Feld("LueckenTabelleLinieCol", k.LueckenTabelleLinieCol);

    Json tabelle = Json::Liste();
    const int zeilen = std::clamp(k.LueckenTabelleZeilen, 0, kTabelleMaxZeilen);
    const int spalten = std::clamp(k.LueckenTabelleSpalten, 0, kTabelleMaxSpalten);
    for (int r = 0; r < zeilen; ++r) {
        Json zeile = Json::Liste();
        for (int c = 0; c < spalten; ++c) {
            const lueckentabellearrtyp &z = k.LueckenTabelle[size_t(r)][size_t(c)];
            zeile.Element(Json::Objekt()
                              .Feld("Text", z.Text)
                              .Feld("Art", z.Art)
                              .Feld("Bild", BildJson(z.Bild))
                              .Feld("BildKenn", z.BildKenn)
                              .Feld("Groesse", z.Groesse)
                              .Feld("BildkarteAnpassen", z.BildkarteAnpassen)
                              .Feld("Link", z.Link)
                              .Feld("PunktInUebung", z.PunktInUebung));
        }
        tabelle.Element(std::move(zeile));
    }
    o.Feld("LueckenTabelle", std::move(tabelle));

    Json spaltenHtgd = Json::Liste();
    for (const SpaltenHintergrund &s : k.LueckentabelleSpaltenHtgd)
        spaltenHtgd.Element(Json::Liste().Element(s.Farbe).Element(s.Deckkraft));
    o.Feld("LueckentabelleSpaltenHtgd", std::move(spaltenHtgd));

    Json gitter = Json::Liste();
    for (const auto &spalte : k.KreuzGitter)
        gitter.Element(JsonListe(spalte));
    o.Feld("KreuzGitter", std::move(gitter))
        .Feld("KreuzTexteWaagerecht", JsonListe(k.KreuzTexteWaagerecht))
        .Feld("KreuzTexteSenkrecht", JsonListe(k.KreuzTexteSenkrecht))
        .Feld("KreuzFarben", JsonListe(k.KreuzFarben))
        .Feld("SeitenverhaeltnisArt", k.SeitenverhaeltnisArt)
        .Feld("SeitRatioBreite", k.SeitRatioBreite)
        .Feld("SeitRatioHoehe", k.SeitRatioHoehe)
        .Feld("Rand", k.Rand)
        .Feld("BildGroesse", k.BildGroesse)
        .Feld("BildPosX", k.BildPosX)
        .Feld("BildPosY", k.BildPosY);
    return o;
}

Json ObjektJson(const ObjDataTyp &o)
{
    Json antworten = Json::Liste();
    for (const QImage &b : o.BildAntw)
        antworten.Element(BildJson(b));
    return Json::Objekt()
        .Feld("Typ", o.Typ)
        .Feld("Sx", o.Sx)
        .Feld("Sy", o.Sy)
        .Feld("Kx", o.Kx)
        .Feld("Ky", o.Ky)
        .Feld("Cap", o.Cap)
        .Feld("KAusr", o.KAusr)
        .Feld("TAusr", o.TAusr)
        .Feld("Ebene", o.Ebene)
        .Feld("Sline", o.Sline)
        .Feld("Fsize", o.Fsize)
        .Feld("KAusrAkt", o.KAusrAkt)
        .Feld("FrageNummer", o.FrageNummer)
        .Feld("Stil", o.Stil)
        .Feld("Farbe", o.Farbe)
        .Feld("LinieFarbe", o.LinieFarbe)
        .Feld("LinieDicke", o.LinieDicke)
        .Feld("Untertyp", o.Untertyp)
        .Feld("AntwortAnz", o.AntwortAnz)
        .Feld("ZIndex", o.ZIndex)
        .Feld("HFarbe", o.HFarbe)
        .Feld("HDeck", o.HDeck)
        .Feld("PktCap", o.PktCap)
        .Feld("PktCap2", o.PktCap2)
        .Feld("BildKenn", o.BildKenn)
        .Feld("BildDeck", o.BildDeck)
        .Feld("BildkarteAnpassen", o.BildkarteAnpassen)
        .Feld("PunktInUebung", o.PunktInUebung)
        .Feld("Bild", BildJson(o.Bild))
        .Feld("BildAntw", std::move(antworten))
        .Feld("MCInfoLinkData", JsonListe(o.MCInfoLinkData))
        .Feld("Tondatei", o.Tondatei);
}

Json DateiInhaltJson(const DateiInhalt &inhalt)
{
    Json objekte = Json::Liste();
    for (const ObjDataTyp &o : inhalt.Objekte)
        objekte.Element(ObjektJson(o));
    return Json::Objekt()
        .Feld("format", Json::Objekt().Feld("magic", inhalt.Kennung).Feld("keys", AusWindows1252(inhalt.Schluessel)))
        .Feld("header", KopfJson(inhalt.Kopf))
        .Feld("UebEinst", inhalt.UebEinst ? JsonListe(*inhalt.UebEinst) : Json())
        .Feld("Schriftart", inhalt.Schriftart ? Json(*inhalt.Schriftart) : Json())
        .Feld("objects", std::move(objekte))
        .Feld("Basisbild", BildJson(inhalt.Basisbild));
}

} // namespace kalumo
