// Exercises: exercise (a run without windows, driven by an action file) and
// normtext.

#include "Befehle.h"
#include "BewertungJson.h"
#include "Json.h"
#include "Uebungslauf.h"
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

class FesterName : public Namensabfrage
{
public:
    explicit FesterName(QString name) : m_name(std::move(name)) {}
    QString NameErfragen() override { return m_name; }

private:
    QString m_name;
};

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
        QString fehler;
        const std::optional<QJsonArray> gelesen = AktionsdateiLesen(aktionsdatei, fehler);
        if (!gelesen)
            return Aufruffehler(fehler);
        aktionen = *gelesen;
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
    Laufende ende;
    bool gespeichert = true;
    u.Dienste.BeimErgebnis = [&](const Uebung &lauf) {
        if (ende.Bild)
            return;
        ende.Festhalten(lauf, dok);
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
    Json anfang = ende.Bild ? *ende.Bild : UebungsbildJson(u, dok);

    QString fehler;
    const std::optional<Json> liste = AktionenAusfuehren(u, uhr, aktionen, fehler);
    if (!liste)
        return Aufruffehler(fehler);
    Ausgeben(ende.Ausgabe(anfang, *liste, u, dok).Text());
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
