#include "network/NetzDateien.h"

#include "document/Bytestrom.h"
#include "document/DokumentDateien.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStringList>

namespace kalumo {

QString NetzPfade::Praefix() const
{
    QString o = Ordner;
    if (!o.isEmpty() && !o.endsWith(QLatin1Char('/')))
        o += QLatin1Char('/');
    return o + Kanal + QLatin1Char('-');
}

QString NetzPfade::Dokument() const { return Praefix() + QStringLiteral("vkdnetzuebung.vkd"); }
QString NetzPfade::Einstellungen() const { return Praefix() + QStringLiteral("vkdnetzuebung.dat"); }
QString NetzPfade::Marke() const { return Praefix() + QStringLiteral("vkdnetzuebung.okx"); }
QString NetzPfade::Bestenliste() const { return Praefix() + QStringLiteral("vkdnetzuebung.hsc"); }

QString NetzPfade::NachrichtenMuster() const
{
    return Kanal + QStringLiteral("-vkdnetzuebung-TN-*.dat");
}

QString NetzPfade::NachrichtendateiName(QRandomGenerator &zufall) const
{
    QString name = Kanal + QStringLiteral("-vkdnetzuebung-TN-");
    for (int i = 0; i < 12; ++i)
        name += QChar(u'A' + int(zufall.bounded(26)));
    return name + QStringLiteral(".dat");
}

NetzPfade NetzPfadeVon(const QString &ordner, const QString &kanal)
{
    NetzPfade p;
    p.Ordner = ordner;
    if (!p.Ordner.isEmpty() && !p.Ordner.endsWith(QLatin1Char('/')))
        p.Ordner += QLatin1Char('/');
    p.Kanal = kanal;
    return p;
}

NetzUebEinstTyp NetzUebEinstMitSkala(NetzUebEinstTyp e, const NotenskalaTyp &skala, int anzZeichenVorgeben)
{
    e.NoteMinQuote = skala.NoteMinQuote;
    e.PunkteMinQuote = skala.PunkteMinQuote;
    e.BewertSkala = skala.BewertSkala;
    e.AnzZeichenVorgeben = anzZeichenVorgeben;
    return e;
}

NotenskalaTyp NetzNotenskala(const NetzUebEinstTyp &e, const NotenskalaTyp &eigene)
{
    NotenskalaTyp s = eigene;
    if (e.NoteMinQuote)
        s.NoteMinQuote = *e.NoteMinQuote;
    if (e.PunkteMinQuote)
        s.PunkteMinQuote = *e.PunkteMinQuote;
    if (e.BewertSkala)
        s.BewertSkala = *e.BewertSkala;
    return s;
}

namespace {

QString schluesselliste(const NetzUebEinstTyp &e)
{
    QString s = QStringLiteral("NetzUebungMaster|RiFaRueckmeldungItemIndex|ZuordnungRichtigItemIndex|"
                               "ZuordnungFalschItemIndex|ZuordnungstexteItemIndex|ZuordnungszieleItemIndex|"
                               "AbfrageModusItemIndex|ZeitLimitIndex|ZeitLimitWert|");
    if (e.NoteMinQuote)
        s += QStringLiteral("NoteMinQuote|");
    if (e.PunkteMinQuote)
        s += QStringLiteral("PunkteMinQuote|");
    if (e.BewertSkala)
        s += QStringLiteral("BewertSkala|");
    if (e.AnzZeichenVorgeben)
        s += QStringLiteral("AnzZeichenVorgeben|");
    return s;
}

// The ranges the dialogs can produce (the time limit generously: a day).
struct Bereich
{
    const char *Name;
    int Min, Max;
};
constexpr Bereich kBereiche[8] = {
    {"RiFaRueckmeldung", 0, 1}, {"ZuordnungRichtig", 0, 2}, {"ZuordnungFalsch", 0, 2},
    {"Zuordnungstexte", 0, 1},  {"Zuordnungsziele", 0, 2},  {"AbfrageModus", 0, 3},
    {"Zeitlimit", 0, 2},        {"ZLimit", 0, 86400},
};

int *feld(NetzUebEinstTyp &e, int i)
{
    int *felder[8] = {&e.RiFaRueckmeldung, &e.ZuordnungRichtig, &e.ZuordnungFalsch, &e.Zuordnungstexte,
                      &e.Zuordnungsziele,  &e.AbfrageModus,     &e.Zeitlimit,       &e.ZLimit};
    return felder[i];
}

double quote(Leser &l, const char *name)
{
    const double q = l.Double();
    if (q < 0.0 || q > 1.0)
        throw LeseFehler(std::string(name) + " außerhalb von 0…1");
    return q;
}

} // namespace

NetzUebEinstTyp NetzUebEinstAusBlock(const std::array<qint32, 10> &block)
{
    NetzUebEinstTyp e;
    for (int i = 0; i < 8; ++i)
        *feld(e, i) = block[size_t(i + 1)];
    e.RiFaRueckmeldung = 0;
    e.AnzZeichenVorgeben = block[9];
    return e;
}

QString NetzUebEinstPruefen(const NetzUebEinstTyp &e)
{
    NetzUebEinstTyp kopie = e;
    for (int i = 0; i < 8; ++i) {
        const int w = *feld(kopie, i);
        if (w < kBereiche[i].Min || w > kBereiche[i].Max)
            return QString::fromUtf8(kBereiche[i].Name);
    }
    if (e.BewertSkala && (*e.BewertSkala < 0 || *e.BewertSkala >= kSkalenAnzahl))
        return QStringLiteral("BewertSkala");
    if (e.AnzZeichenVorgeben && *e.AnzZeichenVorgeben != 0 && *e.AnzZeichenVorgeben != 1)
        return QStringLiteral("AnzZeichenVorgeben");
    return {};
}

QByteArray NetzEinstellungsdateiBytes(const NetzUebEinstTyp &e)
{
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    Schreiber s(puffer);
    s.Text(QString::fromLatin1(kNetzEinstellungsdateiName));
    s.Text(schluesselliste(e));
    s.Text(e.NetzKennung);
    NetzUebEinstTyp kopie = e;
    for (int i = 0; i < 8; ++i)
        s.Int(*feld(kopie, i));
    if (e.NoteMinQuote)
        for (double q : *e.NoteMinQuote)
            s.Double(q);
    if (e.PunkteMinQuote)
        for (double q : *e.PunkteMinQuote)
            s.Double(q);
    if (e.BewertSkala)
        s.Int(*e.BewertSkala);
    if (e.AnzZeichenVorgeben)
        s.Int(*e.AnzZeichenVorgeben);
    return bytes;
}

NetzUebEinstTyp NetzEinstellungenStromLesen(QIODevice &geraet)
{
    Leser l(geraet);
    if (l.Rest() > kNetzEinstellungsdateiHoechstgroesse)
        throw LeseFehler("Datei zu groß");
    l.Roh();   // the file's own name, not compared
    const QStringList schluessel = l.Text().split(QLatin1Char('|'));
    auto hat = [&](const char *k) { return schluessel.contains(QLatin1String(k)); };

    NetzUebEinstTyp e;
    e.NetzKennung = l.Text();
    for (int i = 0; i < 8; ++i) {
        const qint32 w = l.Int();
        if (w < kBereiche[i].Min || w > kBereiche[i].Max)
            throw LeseFehler(std::string(kBereiche[i].Name) + " außerhalb des Bereichs");
        *feld(e, i) = w;
    }
    if (hat("NoteMinQuote")) {
        std::array<double, kNotenGrenzen> q{};
        for (double &x : q)
            x = quote(l, "NoteMinQuote");
        e.NoteMinQuote = q;
    }
    if (hat("PunkteMinQuote")) {
        std::array<double, kPunkteGrenzen> q{};
        for (double &x : q)
            x = quote(l, "PunkteMinQuote");
        e.PunkteMinQuote = q;
    }
    if (hat("BewertSkala")) {
        const qint32 s = l.Int();
        if (s < 0 || s >= kSkalenAnzahl)
            throw LeseFehler("unbekannte Bewertungsskala");
        e.BewertSkala = s;
    }
    if (hat("AnzZeichenVorgeben")) {
        const qint32 a = l.Int();
        if (a != 0 && a != 1)
            throw LeseFehler("AnzZeichenVorgeben außerhalb von 0…1");
        e.AnzZeichenVorgeben = a;
    }
    return e;
}

bool NetzEinstellungsdateiLesen(const QString &pfad, NetzUebEinstTyp &e, QString *grund)
{
    auto scheitern = [&](const QString &g) {
        if (grund)
            *grund = g;
        return false;
    };
    const QFileInfo fi(pfad);
    if (!fi.isFile())
        return scheitern(QStringLiteral("Datei existiert nicht"));
    if (fi.size() > kNetzEinstellungsdateiHoechstgroesse)
        return scheitern(QStringLiteral("Datei zu groß"));
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return scheitern(f.errorString());
    try {
        e = NetzEinstellungenStromLesen(f);
    } catch (const LeseFehler &fehler) {
        return scheitern(QString::fromUtf8(fehler.what()));
    }
    return true;
}

bool NetzEinstellungsdateiSchreiben(const QString &pfad, const NetzUebEinstTyp &e)
{
    QSaveFile f(pfad);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = NetzEinstellungsdateiBytes(e);
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

QString NetzEinlesefehlerText(const QString &pfad)
{
    return QStringLiteral("Fehler beim Einlesen der Datei \"") + pfad + QStringLiteral("\"");
}

QString NetzDateifehlerText(const QString &pfad)
{
    return MeldungNichtSchreibbar(pfad);
}

bool NetzMarkeSchreiben(const NetzPfade &p)
{
    QSaveFile f(p.Marke());
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    Schreiber(puffer).Text(QString::fromLatin1(kNetzMarkeInhalt));
    if (f.write(puffer.data()) != puffer.data().size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

bool NetzMarkeLoeschen(const NetzPfade &p)
{
    return QFile::remove(p.Marke()) || !QFileInfo::exists(p.Marke());
}

bool NetzMarkeVorhanden(const NetzPfade &p)
{
    return QFileInfo(p.Marke()).isFile();
}

bool NetzUebungsdateienVorhanden(const NetzPfade &p)
{
    return NetzMarkeVorhanden(p) && QFileInfo(p.Einstellungen()).isFile() && QFileInfo(p.Dokument()).isFile();
}

} // namespace kalumo
