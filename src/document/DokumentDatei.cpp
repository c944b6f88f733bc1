#include "document/DokumentDatei.h"

#include "document/Beschriftung.h"
#include "document/Bytestrom.h"
#include "document/PngBild.h"
#include "document/Schriftfaktoren.h"
#include "platform/Windows1252.h"

#include <QtEndian>

#include <algorithm>
#include <numeric>

namespace kalumo {

namespace {

constexpr char kXorSchluessel = 0x6B;
// The smallest object record: 4 doubles, an empty caption and 7 ints.
constexpr qint64 kMinObjektBytes = 4 * 8 + 4 + 7 * 4;
// The largest page (in pixels per side) a document may describe.
constexpr double kMaxSeitenPixel = 60000.0;

QByteArray geheimnis(QByteArray b)
{
    for (char &c : b)
        c = char(c ^ kXorSchluessel);
    return b;
}

// The key list, with the byte 0xFC of "HD-EinrückRand" in code page 1252.
QByteArray schluessellisteBauen()
{
    QByteArray s = "|HD-vers|HD-titel|HD-autor|HD-bemerkung|HD-lueckentext|HD-fragentext|HD-AnzFrageNummern|"
                   "HD-DokTyp|HD-RandErw|HD-NumArt|HD-GeordnetArt|HD-EinrueckRand|HD-Einr\xFC"
                   "ckRand|OB-Sx|OB-Sy|OB-Kx|OB-Ky|OB-Cap|OB-KAusr|OB-TAusr|OB-Ebene|OB-Typ|OB-Sline|"
                   "OB-Fsize|OB-KAusrAkt|OB-FrageNummer|OB-Stil|OB-Farbe|OB-Untertyp|OB-BildAntw|"
                   "OB-AntwortAnz|OB-LinieFarbe|OB-LinieDicke|";
    s += "HD-HtgdCol|";
    s += "HD-MinLuecke|";
    s += "HD-LueckenTabelle|HD-LueckenTabelleZeilen|HD-LueckenTabelleSpalten|";
    s += "HD-LueckenTabelleLinie|HD-LueckenTabelleLinieCol|HD-DokUnterTyp|";
    s += "OB-ZIndex|";
    s += "OB-HFarbe|";
    s += "OB-HDeck|";
    s += "OB-PktCap|";
    s += "OB-BildKenn|";
    s += "OB-BildkarteAnpassen|";
    s += "OB-PunktInUebung|";
    s += "HD-BilderPasswort|";
    s += "HD-Schriftart|";
    s += "HD-LueckenTabelleBild|";
    s += "HD-Arbeitsblatt|";
    s += "HD-ABAufgabe|";
    s += "HD-TextCol|";
    s += "HD-FragBtnHtgdCol|";
    s += "HD-FragBtnTextCol|";
    s += "HD-LueckenTabelleBildLink|";
    s += "OB-PktHtgdDeck|";
    s += "HD-ABLogo|";
    s += "OB-PktCap2|";
    s += "HD-LueckentabelleSpaltenHtgd|";
    s += "HD-BasisbildDeck|";
    s += "OB-BildDeck|";
    s += "HD-CodePage|";
    s += "HD-LueckentextCol|";
    s += "HD-Zielpunktgroesse|";
    s += "OB-MCInfoLinkData|";
    s += "HD-DokPasswort|";
    s += "HD-UebAusfuehrbar|HD-UebEinst|";
    s += "HD-LernansichtSperren|HD-ArbeitsblattSperren|OB-Tondatei|";
    return s;
}

// Which optional fields a file holds.
class Schluessel
{
public:
    explicit Schluessel(const QByteArray &liste) : m_liste(liste) {}
    bool hat(const char *key) const { return m_liste.contains(key); }

private:
    QByteArray m_liste;
};

bool tabelleVorhanden(const HeaderDataTyp &k)
{
    return (k.DokTyp == dokLueckentext && k.DokUnterTyp == subTabelle) || k.DokTyp == dokCluster
        || k.DokTyp == dokKreuzZuordnung;
}

struct Kennung
{
    QString text;
    LeseErgebnis ergebnis;
};

// Reads the magic. A file that does not start with a short string is no
// document at all, so it is reported as an invalid format, not as damaged.
Kennung kennungLesen(Leser &l)
{
    Kennung k;
    char laenge[4];
    if (l.Rest() < 4) {
        k.ergebnis = {LeseStatus::UngueltigesFormat, QStringLiteral("Datei zu kurz")};
        return k;
    }
    l.Lesen(laenge, 4);
    const qint32 n = qFromLittleEndian<qint32>(laenge);
    if (n < 4 || n > 64 || n > l.Rest()) {
        k.ergebnis = {LeseStatus::UngueltigesFormat, QStringLiteral("keine Dokumentkennung")};
        return k;
    }
    QByteArray b(n, Qt::Uninitialized);
    l.Lesen(b.data(), n);
    k.text = AusWindows1252(b);
    if (!k.text.startsWith(QLatin1String("KAL-")) && !k.text.startsWith(QLatin1String("RUV-")))
        k.ergebnis = {LeseStatus::UngueltigesFormat, QStringLiteral("unbekannte Kennung ") + k.text};
    return k;
}

// Items 2 to 19 and the first int of item 20 (header fields before the
// blocks), shared by the full reader and the header reader.
void kopfLesen(Leser &l, const Schluessel &s, HeaderDataTyp &k, std::optional<UebEinstBlock> *uebEinst)
{
    if (s.hat("HD-CodePage")) {
        l.Int(); // ANSI code page of the writer
        l.Int(); // OEM code page of the writer
    }
    k.vers = l.Text();
    k.titel = l.Text();
    k.autor = l.Text();
    k.bemerkung = l.Text();
    if (s.hat("HD-lueckentext"))
        k.lueckentext = l.Text();
    if (s.hat("HD-fragentext"))
        k.fragentext = l.Text();
    if (s.hat("HD-AnzFrageNummern"))
        k.AnzFrageNummern = l.Int();
    if (s.hat("HD-DokTyp"))
        k.DokTyp = l.Int();
    if (s.hat("HD-RandErw"))
        for (double &d : k.RandErw)
            d = l.Double();
    if (s.hat("HD-NumArt"))
        k.NumArt = l.Int();
    if (s.hat("HD-GeordnetArt"))
        k.GeordnetArt = l.Int();
    if (s.hat("HD-EinrueckRand") || s.hat("HD-Einr\xFC" "ckRand")) {
        for (double &d : k.EinrueckRand)
            d = l.Double();
    } else {
        k.EinrueckRand = StandardEinrueckRand(k.DokTyp);
    }
    if (s.hat("HD-HtgdCol"))
        k.HtgdCol = l.Int();
    if (s.hat("HD-BasisbildDeck"))
        k.BasisbildDeck = l.Int();
    if (s.hat("HD-MinLuecke"))
        k.MinLuecke = l.Int();
    if (s.hat("HD-DokUnterTyp"))
        k.DokUnterTyp = l.Int();
    if (s.hat("HD-UebAusfuehrbar"))
        k.UebAusfuehrbar = l.Int();
    if (s.hat("HD-LernansichtSperren"))
        k.LernansichtSperren = l.Int();
    if (s.hat("HD-ArbeitsblattSperren"))
        k.ArbeitsblattSperren = l.Int();

    k.UebEinstGeladen = 0;
    if (s.hat("HD-UebEinst")) {
        if (uebEinst) {
            UebEinstBlock b{};
            for (qint32 &v : b)
                v = l.Int();
            *uebEinst = b;
            k.UebEinstSpeichern = b[0];
        } else {
            k.UebEinstSpeichern = l.Int();
        }
        if (k.UebEinstSpeichern > 0)
            k.UebEinstGeladen = 1;
    }
}

QImage bildLesen(Leser &l)
{
    QString grund;
    QImage bild = PngLesen(l.Geraet(), &grund);
    if (bild.isNull())
        throw LeseFehler(grund.toStdString());
    return bild;
}

void tabelleLesen(Leser &l, const Schluessel &s, HeaderDataTyp &k)
{
    if (s.hat("HD-LueckenTabelleZeilen"))
        k.LueckenTabelleZeilen = l.Int();
    if (s.hat("HD-LueckenTabelleSpalten"))
        k.LueckenTabelleSpalten = l.Int();
    if (k.LueckenTabelleZeilen < 1 || k.LueckenTabelleZeilen > kTabelleMaxZeilen || k.LueckenTabelleSpalten < 1
        || k.LueckenTabelleSpalten > kTabelleMaxSpalten)
        throw LeseFehler("Tabellengröße außerhalb der Grenzen");
    const bool mitArt = s.hat("HD-LueckenTabelleBild");
    const bool mitLink = s.hat("HD-LueckenTabelleBildLink");
    for (int r = 0; r < k.LueckenTabelleZeilen; ++r) {
        for (int c = 0; c < k.LueckenTabelleSpalten; ++c) {
            lueckentabellearrtyp &z = k.LueckenTabelle[size_t(r)][size_t(c)];
            z.Text = l.Text();
            if (!mitArt)
                continue;
            z.Art = l.Int();
            if (!ZelleTraegtBild(k.DokTyp, z.Art))
                continue;
            z.Bild = bildLesen(l);
            z.BildKenn = l.Text();
            z.Groesse = l.Int();
            z.BildkarteAnpassen = l.Int();
            if (mitLink) {
                z.Link = l.Text();
                z.PunktInUebung = l.Int();
            }
        }
    }
    if (s.hat("HD-LueckenTabelleLinie"))
        k.LueckenTabelleLinie = l.Int();
    if (s.hat("HD-LueckenTabelleLinieCol"))
        k.LueckenTabelleLinieCol = l.Int();
}

void kreuzwortLesen(Leser &l, HeaderDataTyp &k, const QString &version)
{
    l.Int();
    l.Int();
    for (auto &spalte : k.KreuzGitter)
        for (QString &zelle : spalte)
            zelle = l.Text();
    l.Int();
    for (QString &t : k.KreuzTexteWaagerecht)
        t = l.Text();
    l.Int();
    for (QString &t : k.KreuzTexteSenkrecht)
        t = l.Text();
    const bool fuenfFarben = version < QLatin1String("2.21");
    for (int i = 0; i < (fuenfFarben ? 5 : 6); ++i)
        k.KreuzFarben[size_t(i)] = l.Int();
    if (fuenfFarben)
        k.KreuzFarben[5] = k.KreuzFarben[4];
}

void objektLesen(Leser &l, const Schluessel &s, ObjDataTyp &o)
{
    o.Sx = l.Double();
    o.Sy = l.Double();
    o.Kx = l.Double();
    o.Ky = l.Double();
    o.Cap = BeschriftungDekodieren(l.Text());
    o.KAusr = l.Int();
    o.TAusr = l.Int();
    o.Ebene = l.Int();
    o.Typ = l.Int();
    o.Sline = l.Int();
    o.Fsize = l.Int();
    o.KAusrAkt = l.Int();
    o.FrageNummer = s.hat("OB-FrageNummer") ? l.Int() : -1;
    o.Stil = s.hat("OB-Stil") ? l.Int() : 0;
    o.Farbe = s.hat("OB-Farbe") ? l.Int() : 0x000000;
    o.LinieFarbe = s.hat("OB-LinieFarbe") ? l.Int() : 0x000000;
    o.LinieDicke = s.hat("OB-LinieDicke") ? l.Int() : 1;
    o.Untertyp = s.hat("OB-Untertyp") ? l.Int() : 0;
    o.AntwortAnz = s.hat("OB-AntwortAnz") ? l.Int() : 0;
    o.ZIndex = s.hat("OB-ZIndex") ? l.Int() : 0;
    o.HFarbe = s.hat("OB-HFarbe") ? l.Int() : 0xFFFFFF;
    o.HDeck = s.hat("OB-HDeck") ? l.Int() : 0;
    // Before the point objects had an opacity of their own, they were always opaque.
    if (IstPunktTyp(o.Typ) && !s.hat("OB-PktHtgdDeck"))
        o.HDeck = 100;
    o.PktCap = s.hat("OB-PktCap") ? l.Text() : StandardPunktTitel(o.Typ);
    o.PktCap2 = s.hat("OB-PktCap2") ? l.Text() : QString();
    o.BildKenn = s.hat("OB-BildKenn") ? l.Text() : QString();
    o.BildDeck = s.hat("OB-BildDeck") ? l.Int() : 100;
    o.BildkarteAnpassen = s.hat("OB-BildkarteAnpassen") ? l.Int() : 0;
    o.PunktInUebung = s.hat("OB-PunktInUebung") ? l.Int() : 0;
    if (IstBildTyp(o.Typ))
        o.Bild = bildLesen(l);
    const bool mc = o.Typ == objMCFrage || o.Typ == objMCFrageBild;
    if (mc && o.Untertyp == kMCBildantworten && s.hat("OB-BildAntw"))
        for (int i = 0; i < kMaxAntworten && i < o.AntwortAnz; ++i)
            o.BildAntw[size_t(i)] = bildLesen(l);
    if (mc && s.hat("OB-MCInfoLinkData")) {
        for (int &v : o.MCInfoLinkData)
            v = l.Int();
    } else {
        o.MCInfoLinkData = StandardMCInfoLinkData();
    }
    o.Tondatei = s.hat("OB-Tondatei") ? l.Text() : QString();
    if (IstPunktTyp(o.Typ) && !s.hat("OB-PktCap")) {
        o.Farbe = 0xFFFFFF;
        o.HFarbe = StandardPunktHintergrund(o.Typ);
    }
}

void seiteGrenzenPruefen(const HeaderDataTyp &k, const QImage &basis)
{
    const double breite = (k.RandErw[0] + k.RandErw[2] + 1.0) * basis.width();
    const double hoehe = (k.RandErw[1] + k.RandErw[3] + 1.0) * basis.height();
    if (!(breite >= 1.0 && hoehe >= 1.0 && breite <= kMaxSeitenPixel && hoehe <= kMaxSeitenPixel))
        throw LeseFehler("Seitengröße außerhalb der Grenzen");
}

} // namespace

const QByteArray &VollstaendigeSchluesselliste()
{
    static const QByteArray liste = schluessellisteBauen();
    return liste;
}

LeseErgebnis DokumentStromLesen(QIODevice &geraet, DateiInhalt &inhalt, const LeseOptionen &opt)
{
    inhalt = DateiInhalt{};
    HeaderDataTyp &k = inhalt.Kopf;
    k.SeitenverhaeltnisArt = opt.Vorgaben.SeitenverhaeltnisArt;
    k.SeitRatioBreite = opt.Vorgaben.SeitRatioBreite;
    k.SeitRatioHoehe = opt.Vorgaben.SeitRatioHoehe;
    k.EinrueckRand = StandardEinrueckRand(dokBildbeschriftung);
    try {
        Leser l(geraet);
        Kennung kennung = kennungLesen(l);
        inhalt.Kennung = kennung.text;
        if (!kennung.ergebnis.ok())
            return kennung.ergebnis;
        const QString version = inhalt.Version();
        if (version > QLatin1String(kNeuesteVersion))
            return {LeseStatus::NeuereVersion, QStringLiteral("Version ") + version};

        inhalt.Schluessel = l.Roh();
        const Schluessel s(inhalt.Schluessel);
        kopfLesen(l, s, k, &inhalt.UebEinst);

        k.TabelleLeeren();
        if (tabelleVorhanden(k))
            tabelleLesen(l, s, k);
        if (k.DokTyp == dokCluster && s.hat("HD-LueckentabelleSpaltenHtgd"))
            for (int c = 0; c < k.LueckenTabelleSpalten; ++c) {
                k.LueckentabelleSpaltenHtgd[size_t(c)].Farbe = l.Int();
                k.LueckentabelleSpaltenHtgd[size_t(c)].Deckkraft = l.Int();
            }
        if (k.DokTyp == dokKreuzwortraetsel)
            kreuzwortLesen(l, k, version);

        if (s.hat("HD-BilderPasswort"))
            k.BilderPasswort = AusWindows1252(geheimnis(l.Roh()));
        k.BilderPasswortOk = false;
        if (s.hat("HD-Schriftart"))
            inhalt.Schriftart = l.Text();
        inhalt.WirksameSchriftart = inhalt.Schriftart.value_or(opt.Schriftart);
        if (opt.SchriftInstalliert && !opt.SchriftInstalliert(inhalt.WirksameSchriftart))
            inhalt.WirksameSchriftart = QStringLiteral("Arial");
        if (s.hat("HD-Arbeitsblatt"))
            k.Arbeitsblatt = l.Text();
        if (s.hat("HD-ABAufgabe"))
            k.ABAufgabe = l.Text();
        if (s.hat("HD-TextCol"))
            k.TextCol = l.Int();
        if (s.hat("HD-FragBtnHtgdCol"))
            k.FragBtnHtgdCol = l.Int();
        if (s.hat("HD-FragBtnTextCol"))
            k.FragBtnTextCol = l.Int();
        if (s.hat("HD-LueckentextCol"))
            k.LueckentextCol = l.Int();
        if (s.hat("HD-ABLogo")) {
            if (l.Int() == 1)
                k.ABLogo = bildLesen(l);
            k.LogoGroesse = l.Double();
            k.LogoAusricht = l.Int();
            k.Fusszeile = l.Text();
            k.FusszeileAusricht = l.Int();
        }
        if (s.hat("HD-Zielpunktgroesse"))
            k.Zielpunktgroesse = l.Int();
        if (s.hat("HD-DokPasswort"))
            k.DokPasswort = AusWindows1252(geheimnis(l.Roh()));
        k.DokPasswortOk = false;

        const qint32 n = l.Int();
        if (n < 0 || n > l.Rest() / kMinObjektBytes)
            throw LeseFehler("ungültige Objektanzahl");
        const bool altesFsize = version < QLatin1String("2.17");
        const double faktor = altesFsize ? (opt.SchriftFaktor ? opt.SchriftFaktor(inhalt.WirksameSchriftart)
                                                              : SchriftHoehenFaktor(inhalt.WirksameSchriftart))
                                         : 1.0;
        // grow while reading, so that a count the bytes cannot back fails before it costs memory
        inhalt.Objekte.reserve(size_t(std::min<qint32>(n, 1024)));
        k.ZIndexMin = k.ZIndexMax = 0;
        for (qint32 i = 0; i < n; ++i) {
            ObjDataTyp &o = inhalt.Objekte.emplace_back();
            objektLesen(l, s, o);
            if (altesFsize && (o.Typ == objAbfrageBild || o.Typ == objFixesBild || o.Typ == objBildLink))
                o.Fsize = AltesFsizeUmrechnen(o.Fsize, faktor);
            k.ZIndexMin = std::min(k.ZIndexMin, o.ZIndex);
            k.ZIndexMax = std::max(k.ZIndexMax, o.ZIndex);
            o.LaufzeitZuruecksetzen(opt.ObjekteditorOffen);
        }

        inhalt.Basisbild = bildLesen(l);
        seiteGrenzenPruefen(k, inhalt.Basisbild);
        SeitengeometrieAbleiten(k, inhalt.Basisbild.width(), inhalt.Basisbild.height());
    } catch (const LeseFehler &f) {
        return {LeseStatus::Beschaedigt, QString::fromStdString(f.what())};
    } catch (const std::bad_alloc &) {
        return {LeseStatus::Beschaedigt, QStringLiteral("nicht genug Speicher")};
    }
    return {};
}

LeseErgebnis KopfStromLesen(QIODevice &geraet, HeaderDataTyp &kopf, QString *kennungText)
{
    kopf = HeaderDataTyp{};
    try {
        Leser l(geraet);
        Kennung kennung = kennungLesen(l);
        if (kennungText)
            *kennungText = kennung.text;
        if (!kennung.ergebnis.ok())
            return kennung.ergebnis;
        const Schluessel s(l.Roh());
        kopfLesen(l, s, kopf, nullptr);
    } catch (const LeseFehler &f) {
        return {LeseStatus::Beschaedigt, QString::fromStdString(f.what())};
    } catch (const std::bad_alloc &) {
        return {LeseStatus::Beschaedigt, QStringLiteral("nicht genug Speicher")};
    }
    return {};
}

namespace {

void bildSchreiben(Schreiber &w, const QImage &bild)
{
    if (!PngSchreiben(w.Geraet(), bild.isNull() ? Leerbild() : bild))
        throw SchreibFehler("Bild kann nicht geschrieben werden");
}

void objektSchreiben(Schreiber &w, const ObjDataTyp &o)
{
    w.Double(o.Sx);
    w.Double(o.Sy);
    w.Double(o.Kx);
    w.Double(o.Ky);
    w.Text(BeschriftungKodieren(o.Cap));
    w.Int(o.KAusr);
    w.Int(o.TAusr);
    w.Int(o.Ebene);
    w.Int(o.Typ);
    w.Int(o.Sline);
    w.Int(o.Fsize);
    w.Int(o.KAusrAkt);
    w.Int(o.FrageNummer);
    w.Int(o.Stil);
    w.Int(o.Farbe);
    w.Int(o.LinieFarbe);
    w.Int(o.LinieDicke);
    w.Int(o.Untertyp);
    w.Int(o.AntwortAnz);
    w.Int(o.ZIndex);
    w.Int(o.HFarbe);
    w.Int(o.HDeck);
    w.Text(o.PktCap);
    w.Text(o.PktCap2);
    w.Text(o.BildKenn);
    w.Int(o.BildDeck);
    w.Int(o.BildkarteAnpassen);
    w.Int(o.PunktInUebung);
    if (IstBildTyp(o.Typ))
        bildSchreiben(w, o.Bild);
    const bool mc = o.Typ == objMCFrage || o.Typ == objMCFrageBild;
    if (mc && o.Untertyp == kMCBildantworten)
        for (int i = 0; i < kMaxAntworten && i < o.AntwortAnz; ++i)
            bildSchreiben(w, o.BildAntw[size_t(i)]);
    if (mc)
        for (int v : o.MCInfoLinkData)
            w.Int(v);
    w.Text(o.Tondatei);
}

// Image kinds without an image fall back to their text kinds; an image link
// without one shows the placeholder picture.
void bildArtenAnpassen(ObjDataTyp &o)
{
    if (!o.Bild.isNull())
        return;
    switch (o.Typ) {
    case objAbfrageBild: o.Typ = objAbfrageBeschriftung; break;
    case objFixesBild: o.Typ = objFixeBeschriftung; break;
    case objMCFrageBild: o.Typ = objMCFrage; break;
    case objBildLink: o.Bild = Leerbild(); break;
    default: break;
    }
}

} // namespace

void DokumentStromSchreiben(QIODevice &geraet, Dokument &dok, const SchreibOptionen &opt)
{
    HeaderDataTyp &k = dok.Kopf;
    Schreiber w(geraet);

    for (ObjDataTyp &o : dok.Objekte)
        if (!IstNieGespeichert(o.Typ))
            bildArtenAnpassen(o);
    k.UebAusfuehrbar = HatAbfrageobjekte(dok.Objekte) ? 1 : 0;

    w.Roh(kDokumentKennung);
    w.Roh(VollstaendigeSchluesselliste());
    w.Int(opt.AnsiCodepage);
    w.Int(opt.OemCodepage);
    w.Text(k.vers);
    w.Text(k.titel);
    w.Text(k.autor);
    w.Text(k.bemerkung);
    w.Text(k.lueckentext);
    w.Text(k.fragentext);
    w.Int(k.AnzFrageNummern);
    w.Int(k.DokTyp);
    for (double d : k.RandErw)
        w.Double(d);
    w.Int(k.NumArt);
    w.Int(k.GeordnetArt);
    for (double d : k.EinrueckRand)
        w.Double(d);
    w.Int(k.HtgdCol);
    w.Int(k.BasisbildDeck);
    w.Int(k.MinLuecke);
    w.Int(k.DokUnterTyp);
    w.Int(k.UebAusfuehrbar);
    w.Int(k.LernansichtSperren);
    w.Int(k.ArbeitsblattSperren);
    w.Int(k.UebEinstSpeichern);
    for (qint32 v : opt.UebEinst)
        w.Int(v);

    if (tabelleVorhanden(k)) {
        const int zeilen = std::clamp(k.LueckenTabelleZeilen, 1, kTabelleMaxZeilen);
        const int spalten = std::clamp(k.LueckenTabelleSpalten, 1, kTabelleMaxSpalten);
        w.Int(zeilen);
        w.Int(spalten);
        for (int r = 0; r < zeilen; ++r)
            for (int c = 0; c < spalten; ++c) {
                const lueckentabellearrtyp &z = k.LueckenTabelle[size_t(r)][size_t(c)];
                w.Text(z.Text);
                w.Int(z.Art);
                if (!ZelleTraegtBild(k.DokTyp, z.Art))
                    continue;
                bildSchreiben(w, z.Bild);
                w.Text(z.BildKenn);
                w.Int(z.Groesse);
                w.Int(z.BildkarteAnpassen);
                w.Text(z.Link);
                w.Int(z.PunktInUebung);
            }
        w.Int(k.LueckenTabelleLinie);
        w.Int(k.LueckenTabelleLinieCol);
    }
    if (k.DokTyp == dokCluster) {
        const int spalten = std::clamp(k.LueckenTabelleSpalten, 1, kTabelleMaxSpalten);
        for (int c = 0; c < spalten; ++c) {
            w.Int(k.LueckentabelleSpaltenHtgd[size_t(c)].Farbe);
            w.Int(k.LueckentabelleSpaltenHtgd[size_t(c)].Deckkraft);
        }
    }
    if (k.DokTyp == dokKreuzwortraetsel) {
        w.Int(kKreuzGroesse);
        w.Int(kKreuzGroesse);
        for (const auto &spalte : k.KreuzGitter)
            for (const QString &zelle : spalte)
                w.Text(zelle);
        w.Int(kKreuzGroesse);
        for (const QString &t : k.KreuzTexteWaagerecht)
            w.Text(t);
        w.Int(kKreuzGroesse);
        for (const QString &t : k.KreuzTexteSenkrecht)
            w.Text(t);
        for (Farbwert f : k.KreuzFarben)
            w.Int(f);
    }

    w.Roh(geheimnis(NachWindows1252(k.BilderPasswort)));
    w.Text(opt.Schriftart);
    w.Text(k.Arbeitsblatt);
    w.Text(k.ABAufgabe);
    w.Int(k.TextCol);
    w.Int(k.FragBtnHtgdCol);
    w.Int(k.FragBtnTextCol);
    w.Int(k.LueckentextCol);
    const bool mitLogo = !k.ABLogo.isNull();
    w.Int(mitLogo ? 1 : 0);
    if (mitLogo)
        bildSchreiben(w, k.ABLogo);
    w.Double(k.LogoGroesse);
    w.Int(k.LogoAusricht);
    w.Text(k.Fusszeile);
    w.Int(k.FusszeileAusricht);
    w.Int(k.Zielpunktgroesse);
    w.Roh(geheimnis(NachWindows1252(k.DokPasswort)));

    // records in stacking order; equal ZIndex keeps the array order
    std::vector<size_t> reihenfolge;
    reihenfolge.reserve(dok.Objekte.size());
    for (size_t i = 0; i < dok.Objekte.size(); ++i)
        if (!IstNieGespeichert(dok.Objekte[i].Typ))
            reihenfolge.push_back(i);
    std::stable_sort(reihenfolge.begin(), reihenfolge.end(),
                     [&](size_t a, size_t b) { return dok.Objekte[a].ZIndex < dok.Objekte[b].ZIndex; });
    w.Int(qint32(reihenfolge.size()));
    for (size_t i : reihenfolge)
        objektSchreiben(w, dok.Objekte[i]);

    bildSchreiben(w, dok.Basisbild);
}

} // namespace kalumo
