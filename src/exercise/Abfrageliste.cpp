#include "exercise/Abfrageliste.h"

#include "exercise/Normtext.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace kalumo {

bool IstTexteingabe(int dokTyp, int abfrageModus)
{
    return abfrageModus == abfTexteingabe
           && (dokTyp == dokBildbeschriftung || dokTyp == dokLueckentext || dokTyp == dokKreuzwortraetsel);
}

bool IstZuordnungstyp(int dokTyp)
{
    return dokTyp == dokBildbeschriftung || dokTyp == dokLueckentext || dokTyp == dokCluster
           || dokTyp == dokKreuzwortraetsel;
}

int WirksamerAbfrageModus(int dokTyp, int abfrageModus)
{
    if (abfrageModus < abfFrei || abfrageModus > abfTexteingabe || !IstZuordnungstyp(dokTyp))
        return abfFrei;
    // a cluster has no text input
    if (dokTyp == dokCluster && abfrageModus == abfTexteingabe)
        return abfFrei;
    return abfrageModus;
}

bool IstGefragt(int dokTyp, int abfrageModus, int typ)
{
    switch (dokTyp) {
    case dokEinzelfragen: return typ == objFrageAntwort;
    case dokMultipleChoice: return typ == objMCFrage || typ == objMCFrageBild;
    case dokCluster: return typ == 41 || typ == 43;
    case dokKreuzZuordnung: return typ == 51 || typ == 53;
    case dokWoerterFinden: return typ == 70 || typ == 71;
    default:
        if (IstTexteingabe(dokTyp, abfrageModus))
            return typ == objAbfrageBeschriftung || typ == objAbfrageLuecke || typ == objKreuzwortGitter;
        return typ == objAbfrageBeschriftung || typ == objAbfrageLuecke || typ == objAbfrageBild || typ == 32
               || typ == 34 || typ == objKreuzwortGitter;
    }
}

bool ZaehltAlsAbfrage(int dokTyp, int typ)
{
    if (dokTyp == dokWoerterFinden)
        return typ == 70;
    return true;
}

int AbfragenZaehlen(const Dokument &dok, int abfrageModus, bool nurAusstehend)
{
    const int dokTyp = dok.Kopf.DokTyp;
    int n = 0;
    for (const ObjDataTyp &o : dok.Objekte) {
        if (!IstGefragt(dokTyp, abfrageModus, o.Typ) || !ZaehltAlsAbfrage(dokTyp, o.Typ))
            continue;
        // find words has no repetition: every spot counts
        if (nurAusstehend && dokTyp != dokWoerterFinden && o.Abgedeckt != abgAusstehend)
            continue;
        ++n;
    }
    return dokTyp == dokKreuzZuordnung ? n / 2 : n;
}

QString Bildkennung(const ObjDataTyp &o, Zufall &zufall)
{
    if (o.Typ == 53 || !o.BildKenn.trimmed().isEmpty())
        return o.BildKenn + QStringLiteral(" (Bildkennung)");
    QString s;
    for (int i = 0; i < 20; ++i)
        s += QChar(u'a' + zufall.Random(26));
    return s + QStringLiteral(" (Zufallskennung für Bild)");
}

int KartenVergleich(const QString &a, const QString &b)
{
    static const QCollator vergleich = [] {
        QCollator c{QLocale(QLocale::German, QLocale::Germany)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return vergleich.compare(a, b);
}

namespace {

// for i = 0 .. n-1: swap entry i with entry Random(n), one column only
template <class Feld>
void SpalteMischen(std::vector<AbfrageEintrag> &liste, Feld feld, Zufall &zufall)
{
    const int n = int(liste.size());
    for (int i = 0; i < n; ++i)
        std::swap(liste[size_t(i)].*feld, liste[size_t(zufall.Random(n))].*feld);
}

// A selection sort that takes the first smallest key: a stable sort of one
// column; entries without an object stay at the end.
template <class Feld, class Schluessel>
void SpalteSortieren(std::vector<AbfrageEintrag> &liste, Feld feld, Schluessel kleiner)
{
    std::vector<int> werte;
    werte.reserve(liste.size());
    for (const AbfrageEintrag &e : liste)
        werte.push_back(e.*feld);
    std::stable_sort(werte.begin(), werte.end(), [&](int a, int b) {
        if (a < 0 || b < 0)
            return a >= 0 && b < 0;
        return kleiner(a, b);
    });
    for (size_t i = 0; i < liste.size(); ++i)
        liste[i].*feld = werte[i];
}

} // namespace

void AbfrageListeOrdnen(std::vector<AbfrageEintrag> &liste, const Dokument &dok, const UebEinstTyp &e,
                        Zufall &zufall)
{
    const int dokTyp = dok.Kopf.DokTyp;
    if (IstTexteingabe(dokTyp, e.AbfrageModus))
        return;
    const auto &o = dok.Objekte;
    if (dokTyp != dokMultipleChoice)
        SpalteMischen(liste, &AbfrageEintrag::Karte, zufall);
    if (e.Zuordnungstexte == 0 || dokTyp == dokEinzelfragen) {
        // the normalised captions, once each
        std::vector<QString> schluessel(o.size());
        for (const AbfrageEintrag &a : liste)
            if (a.Karte >= 0 && a.Karte < int(o.size()))
                schluessel[size_t(a.Karte)] = normText(o[size_t(a.Karte)].Cap);
        SpalteSortieren(liste, &AbfrageEintrag::Karte, [&](int a, int b) {
            return KartenVergleich(schluessel[size_t(a)], schluessel[size_t(b)]) < 0;
        });
    }
    if (e.Zuordnungsziele != 0) {
        SpalteMischen(liste, &AbfrageEintrag::Ziel, zufall);
    } else if (dokTyp != dokMultipleChoice) {
        if (dok.Kopf.GeordnetArt != 0) {
            SpalteSortieren(liste, &AbfrageEintrag::Ziel, [&](int a, int b) {
                return KartenVergleich(o[size_t(a)].Cap, o[size_t(b)].Cap) < 0;
            });
        } else {
            SpalteSortieren(liste, &AbfrageEintrag::Ziel, [&](int a, int b) {
                const ObjDataTyp &x = o[size_t(a)], &y = o[size_t(b)];
                if (x.Ky != y.Ky)
                    return x.Ky < y.Ky;
                return x.Kx < y.Kx;
            });
        }
    }
}

std::vector<AbfrageEintrag> AbfrageListeAufbauen(Dokument &dok, const UebEinstTyp &e, Zufall &zufall)
{
    const int dokTyp = dok.Kopf.DokTyp;
    std::vector<AbfrageEintrag> liste;
    for (int i = 0; i < int(dok.Objekte.size()); ++i) {
        ObjDataTyp &o = dok.Objekte[size_t(i)];
        if (o.Abgedeckt != abgAusstehend)
            continue;
        if (!IstGefragt(dokTyp, e.AbfrageModus, o.Typ))
            continue;
        if (o.Typ == objAbfrageBild || o.Typ == 32 || o.Typ == 53)
            o.Cap = Bildkennung(o, zufall);
        liste.push_back({i, i});
    }
    const bool falschwoerter =
        dokTyp == dokLueckentext
        && (dok.Kopf.DokUnterTyp == subLueckentextFalschwoerter || dok.Kopf.DokUnterTyp == subCTestFalschwoerter)
        && (e.AbfrageModus == abfFrei || e.AbfrageModus == abfEinzelPositionen);
    if (falschwoerter)
        for (int i = 0; i < int(dok.Objekte.size()); ++i)
            if (dok.Objekte[size_t(i)].Typ == objFalschwort)
                liste.push_back({i, -1});
    AbfrageListeOrdnen(liste, dok, e, zufall);
    return liste;
}

} // namespace kalumo
