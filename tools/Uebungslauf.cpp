#include "Uebungslauf.h"

#include "exercise/Uebungsaktionen.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdio>

namespace kalumo {

void Werkzeugmeldungen::Information(const QString &text)
{
    Gezeigt << text;
    StderrMeldungen::Information(text);
}

void Werkzeugmeldungen::Fehler(const QString &text)
{
    Gezeigt << text;
    StderrMeldungen::Fehler(text);
}

Antwort Werkzeugmeldungen::Frage(const QString &text, FrageKnoepfe)
{
    Gezeigt << text;
    return Antwort::Ja;
}

void Uebungsdienste::UebEinstGelesen(const UebEinstBlock &block, bool inDialoge)
{
    UebEinstDokumentGelesen(m_dialoge, block, inDialoge);
}

std::array<qint32, kUebEinstAnzahl - 1> Uebungsdienste::UebEinstZumSpeichern(const HeaderDataTyp &kopf) const
{
    return UebEinstFuerDokument(m_dialoge, kopf);
}

Json UebungsbildJson(const Uebung &u, const Dokument &dok)
{
    Json queries = Json::Liste();
    for (const AbfrageEintrag &e : u.AbfrageListe())
        queries.Element(Json::Liste().Element(e.Karte).Element(e.Ziel));
    Json objects = Json::Liste();
    for (int i = 0; i < int(dok.Objekte.size()); ++i) {
        const ObjDataTyp &o = dok.Objekte[size_t(i)];
        objects.Element(Json::Objekt()
                            .Feld("index", i)
                            .Feld("Typ", o.Typ)
                            .Feld("Cap", o.Cap)
                            .Feld("BildKenn", o.BildKenn)
                            .Feld("FrageNummer", o.FrageNummer)
                            .Feld("Kx", o.Kx)
                            .Feld("Ky", o.Ky)
                            .Feld("Abgedeckt", o.Abgedeckt)
                            .Feld("AnzeigeNummer", o.AnzeigeNummer)
                            .Feld("Fehlversuche", o.Fehlversuche)
                            .Feld("KartenFehlversuche", o.KartenFehlversuche));
    }
    Json elements = Json::Liste();
    for (const UebElement &e : u.Elemente())
        elements.Element(Json::Objekt()
                             .Feld("object", e.Objekt)
                             .Feld("kind", ElementArtName(e.Art))
                             .Feld("visible", e.Sichtbar)
                             .Feld("text", e.Text));
    return Json::Objekt().Feld("queries", queries).Feld("objects", objects).Feld("elements", elements);
}

Json UebungslaufJson(const UebDataTyp &d)
{
    return Json::Objekt()
        .Feld("GesamtAbfragen", d.GesamtAbfragen)
        .Feld("AnzAbfragen", d.AnzAbfragen)
        .Feld("Richtig", d.Richtig)
        .Feld("Falsch", d.Falsch)
        .Feld("Erfolgsquote", d.Erfolgsquote)
        .Feld("Gesamtleistung", d.Gesamtleistung)
        .Feld("RichtigText", d.RichtigText)
        .Feld("FalschText", d.FalschText)
        .Feld("QuoteText", d.QuoteText)
        .Feld("LeistungText", d.LeistungText)
        .Feld("OffenePositionen", d.OffenePositionen)
        .Feld("EndeGrund", d.EndeGrund)
        .Feld("RestZeit", d.RestZeit)
        .Feld("AktAbfrage", d.AktAbfrage);
}

void Laufende::Festhalten(const Uebung &u, const Dokument &dok)
{
    Bild = UebungsbildJson(u, dok);
    Lauf = UebungslaufJson(u.Daten());
    Protokoll = Json(u.ProtokollText());
    const UebDataTyp &d = u.Daten();
    Note = Json::Objekt()
               .Feld("grade", d.Note)
               .Feld("word", NotenWort(d.Note, d.BewertSkala))
               .Feld("scale_word", SkalaWort(d.BewertSkala));
}

Json Laufende::Ausgabe(const Json &anfang, const Json &aktionen, const Uebung &u, const Dokument &dok)
{
    if (!Bild) {
        Bild = UebungsbildJson(u, dok);
        Lauf = UebungslaufJson(u.Daten());
    }
    return Json::Objekt()
        .Feld("refused", Json())
        .Feld("start", anfang)
        .Feld("actions", aktionen)
        .Feld("end", *Bild)
        .Feld("run", *Lauf)
        .Feld("protocol", Protokoll.value_or(Json()))
        .Feld("grade", Note.value_or(Json()));
}

namespace {

bool ganzzahl(const QJsonValue &v, int &ziel)
{
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    if (d != std::floor(d) || d < -1e9 || d > 1e9)
        return false;
    ziel = int(d);
    return true;
}

bool zahlenpaar(const QJsonValue &v, int &a, int &b)
{
    const QJsonArray l = v.toArray();
    return v.isArray() && l.size() == 2 && ganzzahl(l[0], a) && ganzzahl(l[1], b);
}

} // namespace

std::optional<QJsonArray> AktionsdateiLesen(const QString &pfad, QString &fehler)
{
    QFile f;
    const bool offen = pfad == QLatin1String("-") ? f.open(stdin, QIODevice::ReadOnly)
                                                  : (f.setFileName(pfad), f.open(QIODevice::ReadOnly));
    if (!offen) {
        fehler = QStringLiteral("Die Aktionsdatei \"") + pfad + QStringLiteral("\" kann nicht gelesen werden.");
        return std::nullopt;
    }
    QJsonParseError p;
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &p);
    if (p.error != QJsonParseError::NoError || !doc.isArray()) {
        fehler = QStringLiteral("Die Aktionsdatei ist keine JSON-Liste von Aktionen.");
        return std::nullopt;
    }
    return doc.array();
}

std::optional<Json> AktionenAusfuehren(Uebung &u, Handuhr &uhr, const QJsonArray &aktionen, QString &fehler,
                                       const std::function<void()> &nachAktion)
{
    qint64 naechsterTick = uhr.Millisekunden() + 100;
    Json liste = Json::Liste();
    for (const QJsonValue &v : aktionen) {
        const QJsonObject o = v.toObject();
        if (!v.isObject() || o.size() != 1) {
            fehler = QStringLiteral("Jede Aktion ist ein JSON-Objekt mit genau einem Schlüssel.");
            return std::nullopt;
        }
        const QString art = o.begin().key();
        const QJsonValue w = o.begin().value();
        int x = 0, y = 0;
        Aktionsergebnis r;
        if (art == QLatin1String("drop") && zahlenpaar(w, x, y)) {
            r = KarteAufZiel(u, x, y);
        } else if (art == QLatin1String("basket") && zahlenpaar(w, x, y)) {
            r = KarteInKorb(u, x, y);
        } else if (art == QLatin1String("type") && w.isArray() && w.toArray().size() == 2
                   && ganzzahl(w.toArray()[0], x) && w.toArray()[1].isString()) {
            r = Tippen(u, x, w.toArray()[1].toString());
        } else if (art == QLatin1String("tick") && ganzzahl(w, x)) {
            r = Ankreuzen(u, x);
        } else if (art == QLatin1String("answer") && ganzzahl(w, x)) {
            r = AntwortKlicken(u, x);
        } else if (art == QLatin1String("check") && w.isBool()) {
            r = Pruefen(u);
        } else if (art == QLatin1String("pair") && zahlenpaar(w, x, y)) {
            r = Verbinden(u, x, y);
        } else if (art == QLatin1String("mark") && ganzzahl(w, x)) {
            r = Markieren(u, x);
        } else if (art == QLatin1String("wait") && ganzzahl(w, x) && x >= 0) {
            r = Warten(u, uhr, x, naechsterTick);
        } else if (art == QLatin1String("abort") && w.isBool()) {
            r.Ignoriert = !u.Laeuft();
            if (u.Laeuft())
                u.UebungAbbrechen();
        } else {
            fehler = QStringLiteral("Unbekannte Aktion: ")
                     + QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
            return std::nullopt;
        }
        if (!u.Laeuft() && art != QLatin1String("abort") && art != QLatin1String("wait") && !r.Urteil.Beurteilt)
            r.Ignoriert = true;
        Json richtig = r.Urteil.Richtig ? Json(*r.Urteil.Richtig) : Json();
        liste.Element(Json::Objekt().Feld("judged", r.Urteil.Beurteilt).Feld("right", richtig).Feld("ignored", r.Ignoriert));
        if (nachAktion)
            nachAktion();
    }
    return liste;
}

int Aufruffehler(const QString &text)
{
    std::fputs((StderrMeldungen::Einzeilig(text) + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    return 2;
}

} // namespace kalumo
