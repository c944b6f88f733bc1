#include "app/settings/Einstellungsdialoge.h"

#include <QFileInfo>

namespace kalumo {

namespace {

template <class O>
auto ordnerFeld(O &o, Ordnerfeld f) -> decltype(&o.Chronik)
{
    switch (f) {
    case Ordnerfeld::Chronik: return &o.Chronik;
    case Ordnerfeld::Protokolle: return &o.Protokolle;
    case Ordnerfeld::Bestenlisten: return &o.Bestenlisten;
    case Ordnerfeld::Tauschboerse: return &o.Tauschboerse;
    case Ordnerfeld::BilderGalerie: return &o.BilderGalerie;
    case Ordnerfeld::Serien: return &o.Kausp;
    }
    return nullptr;
}

} // namespace

OrdnerEingaben DateiordnerEingaben(const OrdnerTyp &ordner)
{
    OrdnerEingaben e;
    for (int i = 0; i < kOrdnerfeldAnzahl; ++i)
        e[size_t(i)] = *ordnerFeld(ordner, Ordnerfeld(i));
    return e;
}

void DateiordnerUebernehmen(const OrdnerEingaben &eingaben, OrdnerTyp &ordner)
{
    for (int i = 0; i < kOrdnerfeldAnzahl; ++i)
        *ordnerFeld(ordner, Ordnerfeld(i)) = eingaben[size_t(i)];
}

QString DateiordnerFehlermeldung(Ordnerfeld feld)
{
    switch (feld) {
    case Ordnerfeld::Chronik: return QStringLiteral("Der angegebene Ordner für die Chronik-Screenshots ist ungültig.");
    case Ordnerfeld::Protokolle: return QStringLiteral("Der angegebene Ordner für die Protokolle ist ungültig.");
    case Ordnerfeld::Bestenlisten: return QStringLiteral("Der angegebene Ordner für die Bestenlisten ist ungültig.");
    case Ordnerfeld::Tauschboerse: return QStringLiteral("Der angegebene Ordner für die Tauschbörse ist ungültig.");
    case Ordnerfeld::BilderGalerie: return QStringLiteral("Der angegebene Ordner für die Bildergalerie ist ungültig.");
    case Ordnerfeld::Serien: return QStringLiteral("Der angegebene Ordner zum Öffnen von Übungs-Serien ist ungültig.");
    }
    return {};
}

OrdnerPruefung DateiordnerPruefen(OrdnerEingaben &eingaben)
{
    for (int i = 0; i < kOrdnerfeldAnzahl; ++i) {
        QString &ordner = eingaben[size_t(i)];
        ordner = MitTrennzeichen(ordner);
        if (ordner.isEmpty() || !QFileInfo(ordner).isDir())
            return {Ordnerfeld(i), DateiordnerFehlermeldung(Ordnerfeld(i))};
    }
    return {};
}

QString VerknuepfungFehlermeldung(Verknuepfungsfeld feld)
{
    const QString name = feld == Verknuepfungsfeld::Bildschirmtastatur ? QStringLiteral("für Bildschirmtastatur")
                                                                     : VerknuepfungNameVorgabe(int(feld));
    return QStringLiteral("Die für Verknüpfungsfeld ") + name + QStringLiteral(" angegebene Datei ist ungültig.");
}

namespace {

const QString &programm(const VerknuepfungsfelderTyp &v, Verknuepfungsfeld f)
{
    return f == Verknuepfungsfeld::Bildschirmtastatur ? v.TastaturDatei : v.Felder[size_t(f)].Datei;
}

} // namespace

VerknuepfungsPruefung VerknuepfungenPruefen(const VerknuepfungsfelderTyp &felder)
{
    for (auto f : {Verknuepfungsfeld::V1, Verknuepfungsfeld::V2, Verknuepfungsfeld::V3,
                   Verknuepfungsfeld::Bildschirmtastatur}) {
        const QString pfad = programm(felder, f).trimmed();
        if (!pfad.isEmpty() && !QFileInfo(pfad).isFile())
            return {f, VerknuepfungFehlermeldung(f)};
    }
    return {};
}

VerknuepfungsfelderTyp VerknuepfungenBereinigt(const VerknuepfungsfelderTyp &felder)
{
    VerknuepfungsfelderTyp v = felder;
    for (VerknuepfungTyp &f : v.Felder) {
        f.Datei = f.Datei.trimmed();
        f.Name = f.Name.trimmed();
        f.Hinweis = f.Hinweis.trimmed();
    }
    v.TastaturDatei = v.TastaturDatei.trimmed();
    v.TastaturHinweis = v.TastaturHinweis.trimmed();
    return v;
}

void VerknuepfungLoeschen(VerknuepfungsfelderTyp &felder, Verknuepfungsfeld feld)
{
    if (feld == Verknuepfungsfeld::Bildschirmtastatur) {
        felder.TastaturDatei.clear();
        felder.TastaturHinweis = QString::fromUtf8(kBildschirmtastaturHinweis);
        return;
    }
    const int i = int(feld);
    felder.Felder[size_t(i)] = {QString(), VerknuepfungNameVorgabe(i), VerknuepfungHinweisVorgabe(i)};
}

QString MeldungDateiNichtOeffnen(const QString &pfad)
{
    return QStringLiteral("Die Datei \"") + pfad + QStringLiteral("\" kann nicht geöffnet werden.");
}

bool VerknuepfungOeffnen(const QString &pfad, Dateioeffner &oeffner, Meldungen &meldungen)
{
    const QFileInfo info(pfad);
    const bool ok = info.isFile() && info.isExecutable() ? oeffner.Starten(pfad) : oeffner.Oeffnen(pfad);
    if (!ok)
        meldungen.Fehler(MeldungDateiNichtOeffnen(pfad));
    return ok;
}

VerknuepfungsKlick VerknuepfungKlickAuswerten(const QString &programm, Qt::MouseButton knopf)
{
    const bool oeffnendeTaste = knopf == Qt::LeftButton || knopf == Qt::MiddleButton;
    return oeffnendeTaste && !programm.trimmed().isEmpty() ? VerknuepfungsKlick::Oeffnen
                                                           : VerknuepfungsKlick::DialogZeigen;
}

} // namespace kalumo
