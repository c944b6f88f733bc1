// Exercises: exercise (a run without windows, driven by an action file) and
// normtext.

#include "Befehle.h"
#include "BewertungJson.h"
#include "Json.h"
#include "Werkzeugdienste.h"
#include "document/DokumentDateien.h"
#include "exercise/Normtext.h"
#include "exercise/Uebung.h"
#include "exercise/Uebungsaktionen.h"
#include "peripheral/Rtf.h"
#include "platform/Rechner.h"
#include "platform/Windows1252.h"

#include <QFile>
#include <QSaveFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

#include <cstdio>
#include <optional>

using namespace kalumo;

namespace {

// The messages go to standard error as usual; the abort question is
// answered "Ja", as the user who chose "Übung abbrechen" would.
class Werkzeugmeldungen : public StderrMeldungen
{
public:
    void Information(const QString &text) override
    {
        Gezeigt << text;
        StderrMeldungen::Information(text);
    }
    void Fehler(const QString &text) override
    {
        Gezeigt << text;
        StderrMeldungen::Fehler(text);
    }
    Antwort Frage(const QString &text, FrageKnoepfe) override
    {
        Gezeigt << text;
        return Antwort::Ja;
    }
    QStringList Gezeigt;
};

// The document's stored settings go into the dialogs, as when the program
// opens it.
class Uebungsdienste : public WerkzeugDienste
{
public:
    Uebungsdienste(Meldungen &m, UebDialogeTyp &dialoge) : WerkzeugDienste(m), m_dialoge(dialoge) {}
    void UebEinstGelesen(const UebEinstBlock &block, bool inDialoge) override
    {
        UebEinstDokumentGelesen(m_dialoge, block, inDialoge);
    }
    std::array<qint32, kUebEinstAnzahl - 1> UebEinstZumSpeichern(const HeaderDataTyp &kopf) const override
    {
        return UebEinstFuerDokument(m_dialoge, kopf);
    }

private:
    UebDialogeTyp &m_dialoge;
};

class FesterName : public Namensabfrage
{
public:
    explicit FesterName(QString name) : m_name(std::move(name)) {}
    QString NameErfragen() override { return m_name; }

private:
    QString m_name;
};

Json Bild(const Uebung &u, const Dokument &dok)
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

Json Lauf(const UebDataTyp &d)
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

bool Ganzzahl(const QJsonValue &v, int &ziel)
{
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    if (d != std::floor(d) || d < -1e9 || d > 1e9)
        return false;
    ziel = int(d);
    return true;
}

bool Zahlenpaar(const QJsonValue &v, int &a, int &b)
{
    const QJsonArray l = v.toArray();
    return v.isArray() && l.size() == 2 && Ganzzahl(l[0], a) && Ganzzahl(l[1], b);
}

int Fehler(const QString &text)
{
    std::fputs((StderrMeldungen::Einzeilig(text) + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    return 2;
}

int exercise(const QStringList &a)
{
    if (a.isEmpty())
        return Gebrauch();
    const QString pfad = a[0];
    std::optional<UebEinstTyp> einstellungen;
    quint32 saat = 1;
    QDateTime start;
    std::optional<QString> name;
    QString aktionsdatei;
    NotenskalaTyp skala;
    QString bestenliste, protokolldatei;
    for (qsizetype i = 1; i < a.size(); ++i) {
        const std::optional<bool> skalaOption = NotenskalaOption(a, i, skala);
        if (!skalaOption)
            return Gebrauch();
        if (*skalaOption)
            continue;
        const QString &o = a[i];
        if (i + 1 >= a.size())
            return Gebrauch();
        const QString wert = a[++i];
        if (o == QLatin1String("--settings")) {
            const QStringList teile = wert.split(QLatin1Char(','));
            if (teile.size() != kUebEinstAnzahl)
                return Gebrauch();
            UebEinstBlock b{};
            for (int k = 0; k < kUebEinstAnzahl; ++k) {
                bool ok = false;
                b[size_t(k)] = teile[k].trimmed().toInt(&ok);
                if (!ok)
                    return Gebrauch();
            }
            einstellungen = UebEinstTyp::AusBlock(b);
        } else if (o == QLatin1String("--seed")) {
            bool ok = false;
            saat = wert.toUInt(&ok);
            if (!ok)
                return Gebrauch();
        } else if (o == QLatin1String("--start")) {
            start = QDateTime::fromString(wert, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            if (!start.isValid())
                return Gebrauch();
        } else if (o == QLatin1String("--name")) {
            name = wert;
        } else if (o == QLatin1String("--actions")) {
            aktionsdatei = wert;
        } else if (o == QLatin1String("--scale")) {
            bool ok = false;
            skala.BewertSkala = wert.toInt(&ok);
            if (!ok || skala.BewertSkala < 0 || skala.BewertSkala >= kSkalenAnzahl)
                return Gebrauch();
        } else if (o == QLatin1String("--bestlist")) {
            bestenliste = wert;
        } else if (o == QLatin1String("--protocol")) {
            protokolldatei = wert;
        } else {
            return Gebrauch();
        }
    }

    // the actions first: a broken file is wrong usage, whatever the document
    QJsonArray aktionen;
    if (!aktionsdatei.isEmpty()) {
        QFile f;
        const bool offen = aktionsdatei == QLatin1String("-") ? f.open(stdin, QIODevice::ReadOnly)
                                                              : (f.setFileName(aktionsdatei), f.open(QIODevice::ReadOnly));
        if (!offen)
            return Fehler(QStringLiteral("Die Aktionsdatei \"") + aktionsdatei + QStringLiteral("\" kann nicht gelesen werden."));
        QJsonParseError fehler;
        const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &fehler);
        if (fehler.error != QJsonParseError::NoError || !doc.isArray())
            return Fehler(QStringLiteral("Die Aktionsdatei ist keine JSON-Liste von Aktionen."));
        aktionen = doc.array();
    }

    Werkzeugmeldungen meldungen;
    UebDialogeTyp dialoge;
    Uebungsdienste dienste(meldungen, dialoge);
    Dokument dok;
    if (!DokumentLesen(dok, dienste, pfad, true)) {
        Ausgeben(Json::Objekt().Feld("refused", meldungen.Gezeigt.join(QLatin1Char(' '))).Text());
        return 1;
    }
    Lernansicht ansicht(dok, dienste.Schriftart());
    ansicht.Haken = &StandardTextLayouts();
    ansicht.NummerierungsModus = numGeordnet;
    Handuhr uhr;
    Uebung u(dok, ansicht, meldungen, uhr, dialoge);
    u.ZufallSetzen(saat);
    u.EinstellungenVorgeben(einstellungen);
    u.Skala = skala;
    if (start.isValid())
        u.Jetzt = [start] { return start; };
    FesterName festerName(name.value_or(QString()));
    if (name)
        u.Dienste.Name = &festerName;
    std::optional<Json> ende, endeLauf, protokoll, note;
    bool gespeichert = true;
    u.Dienste.BeimErgebnis = [&](const Uebung &lauf) {
        if (ende)
            return;
        ende = Bild(lauf, dok);
        endeLauf = Lauf(lauf.Daten());
        protokoll = Json(lauf.ProtokollText());
        const UebDataTyp &d = lauf.Daten();
        note = Json::Objekt()
                   .Feld("grade", d.Note)
                   .Feld("word", NotenWort(d.Note, d.BewertSkala))
                   .Feld("scale_word", SkalaWort(d.BewertSkala));
        // as the automatic saving and the automatic best-list entry would
        if (!protokolldatei.isEmpty()) {
            QSaveFile datei(protokolldatei);
            if (!datei.open(QIODevice::WriteOnly) || datei.write(ProtokollAlsRtf(lauf.ProtokollText())) < 0
                || !datei.commit()) {
                meldungen.Fehler(MeldungNichtSchreibbar(protokolldatei));
                gespeichert = false;
            }
        }
        if (!bestenliste.isEmpty())
            BestenlisteNachUebung(lauf.BestenlisteLauf(), true, bestenliste, Rechnername(), meldungen);
    };

    const int vorher = int(meldungen.Gezeigt.size());
    if (!u.StarteUebung(false, wiedKomplett, uebIndividual)) {
        Ausgeben(Json::Objekt().Feld("refused", meldungen.Gezeigt.mid(vorher).join(QLatin1Char(' '))).Text());
        return 1;
    }
    // the start picture is taken right after the start sequence, unless
    // that already ended the run
    Json anfang = ende ? *ende : Bild(u, dok);

    qint64 naechsterTick = uhr.Millisekunden() + 100;
    Json liste = Json::Liste();
    for (const QJsonValue &v : aktionen) {
        const QJsonObject o = v.toObject();
        if (!v.isObject() || o.size() != 1)
            return Fehler(QStringLiteral("Jede Aktion ist ein JSON-Objekt mit genau einem Schlüssel."));
        const QString art = o.begin().key();
        const QJsonValue w = o.begin().value();
        int x = 0, y = 0;
        Aktionsergebnis r;
        if (art == QLatin1String("drop") && Zahlenpaar(w, x, y)) {
            r = KarteAufZiel(u, x, y);
        } else if (art == QLatin1String("basket") && Zahlenpaar(w, x, y)) {
            r = KarteInKorb(u, x, y);
        } else if (art == QLatin1String("type") && w.isArray() && w.toArray().size() == 2
                   && Ganzzahl(w.toArray()[0], x) && w.toArray()[1].isString()) {
            r = Tippen(u, x, w.toArray()[1].toString());
        } else if (art == QLatin1String("tick") && Ganzzahl(w, x)) {
            r = Ankreuzen(u, x);
        } else if (art == QLatin1String("answer") && Ganzzahl(w, x)) {
            r = AntwortKlicken(u, x);
        } else if (art == QLatin1String("check") && w.isBool()) {
            r = Pruefen(u);
        } else if (art == QLatin1String("pair") && Zahlenpaar(w, x, y)) {
            r = Verbinden(u, x, y);
        } else if (art == QLatin1String("mark") && Ganzzahl(w, x)) {
            r = Markieren(u, x);
        } else if (art == QLatin1String("wait") && Ganzzahl(w, x) && x >= 0) {
            r = Warten(u, uhr, x, naechsterTick);
        } else if (art == QLatin1String("abort") && w.isBool()) {
            r.Ignoriert = !u.Laeuft();
            if (u.Laeuft())
                u.UebungAbbrechen();
        } else {
            return Fehler(QStringLiteral("Unbekannte Aktion: ") + QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)));
        }
        if (!u.Laeuft() && art != QLatin1String("abort") && art != QLatin1String("wait") && !r.Urteil.Beurteilt)
            r.Ignoriert = true;
        Json richtig = r.Urteil.Richtig ? Json(*r.Urteil.Richtig) : Json();
        liste.Element(Json::Objekt()
                          .Feld("judged", r.Urteil.Beurteilt)
                          .Feld("right", richtig)
                          .Feld("ignored", r.Ignoriert));
    }
    if (!ende) {
        ende = Bild(u, dok);
        endeLauf = Lauf(u.Daten());
    }
    Ausgeben(Json::Objekt()
                 .Feld("refused", Json())
                 .Feld("start", anfang)
                 .Feld("actions", liste)
                 .Feld("end", *ende)
                 .Feld("run", *endeLauf)
                 .Feld("protocol", protokoll.value_or(Json()))
                 .Feld("grade", note.value_or(Json()))
                 .Text());
    return gespeichert ? 0 : 1;
}

int normtext(const QStringList &a)
{
    if (!a.isEmpty())
        return Gebrauch();
    QFile ein;
    if (!ein.open(stdin, QIODevice::ReadOnly))
        return 1;
    const QByteArray bytes = ein.readAll();
    Ausgeben(NachWindows1252(normText(AusWindows1252(bytes))));
    return 0;
}

const KalumoBefehl befehlExercise("exercise",
                                  "exercise DOKUMENT [--settings S1,...,S10] [--seed N] [--start \"JJJJ-MM-TT hh:mm:ss\"]"
                                  " [--name NAME] [--actions DATEI|-] [--scale S] [--note q1,…,q5] [--punkte q1,…,q15]"
                                  " [--bestlist DATEI.hsc] [--protocol DATEI.rtf]",
                                  exercise);
const KalumoBefehl befehlNormtext("normtext", "normtext  (Text auf der Standardeingabe)", normtext);

} // namespace
