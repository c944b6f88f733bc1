#include "worksheet/ArbeitsblattOptionen.h"

#include "document/DokumentModell.h"

#include <algorithm>
#include <cmath>

namespace kalumo {

QStringList VariantenTexte()
{
    return {QStringLiteral("Arbeitsblatt"), QStringLiteral("Lösungsblatt (komplett)"),
            QStringLiteral("Lösungsblatt (Auflegefolie)"), QStringLiteral("Ausschneideblatt")};
}

QStringList KaestchengroessenTexte()
{
    QStringList liste;
    for (int p = 30; p <= 200; p += 10)
        liste << KaestchengroesseText(p);
    return liste;
}

QString KaestchengroesseText(int prozent)
{
    return QString::number(prozent) + QStringLiteral(" %");
}

int KaestchengroesseAusText(const QString &text)
{
    const QStringList liste = KaestchengroessenTexte();
    const qsizetype i = liste.indexOf(text);
    return i < 0 ? -1 : 30 + 10 * int(i);
}

namespace {

double Endlich(double v, double ersatz)
{
    return std::isfinite(v) ? v : ersatz;
}

// One decimal, as the edit fields show the values.
double Zehntel(double v)
{
    return std::round(v * 10.0) / 10.0;
}

// A number of the settings text: blanks are ignored, anything unreadable is 0.
double Zahl(QString feld)
{
    feld.remove(QLatin1Char(' '));
    bool ok = false;
    const double v = feld.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

int Ganzzahl(const QString &feld)
{
    const double v = Zahl(feld);
    return int(std::clamp(std::trunc(v), -1.0e9, 1.0e9));
}

QString Dezimal(double v)
{
    return QString::number(Zehntel(v), 'f', 1);
}

} // namespace

void BildoptionenBegrenzen(ArbeitsblattOptionen &o)
{
    // the size has no lower limit of its own; a size of 0 or less draws nothing
    o.BasisbildGroesse = std::min(Endlich(o.BasisbildGroesse, 100.0), 300.0);
    o.BasisbildX = std::clamp(Endlich(o.BasisbildX, 0.0), -20.0, 20.0);
    o.BasisbildY = std::max(Endlich(o.BasisbildY, 0.0), -20.0);
    // far below the page nothing is seen any more
    o.BasisbildY = std::min(o.BasisbildY, 1000.0);
    o.BasisbildGroesse = std::max(o.BasisbildGroesse, -1000.0);
}

void OptionenBegrenzen(ArbeitsblattOptionen &o)
{
    o.Variante = std::clamp(o.Variante, 0, 3);
    o.Kaestchengroesse = std::clamp(o.Kaestchengroesse / 10 * 10, 30, 200);
    o.MaxFontSize = std::clamp(o.MaxFontSize, -10, 10);
    o.AbFrage = std::clamp(o.AbFrage, 1, 99999);
    o.Spalten = std::clamp(o.Spalten, 1, 20);
    BildoptionenBegrenzen(o);
}

QString ArbeitsblattEinstellungenText(const ArbeitsblattOptionen &o)
{
    const QChar s = QLatin1Char('|');
    auto b = [](bool v) { return v ? QStringLiteral("1") : QStringLiteral("0"); };
    return KaestchengroesseText(o.Kaestchengroesse) + s + b(o.Raender) + s + QString::number(o.MaxFontSize) + s
           + b(o.Basisbild) + s + b(o.Objekte) + s + Dezimal(o.BasisbildX) + s + Dezimal(o.BasisbildY) + s
           + Dezimal(o.BasisbildGroesse) + s + b(o.Vollbreite) + s + (o.Querformat ? QStringLiteral("1") : QStringLiteral("0"))
           + s;
}

void ArbeitsblattEinstellungenLesen(const QString &text, ArbeitsblattOptionen &o)
{
    const QStringList f = text.split(QLatin1Char('|'));
    // every field is followed by "|": the last piece is what follows the tenth
    const qsizetype n = std::min<qsizetype>(f.size() - 1, 10);
    for (qsizetype i = 0; i < n; ++i) {
        const QString &w = f.at(i);
        switch (i) {
        case 0: {
            const int p = KaestchengroesseAusText(w);
            if (p > 0)
                o.Kaestchengroesse = p;
            break;
        }
        case 1: o.Raender = Ganzzahl(w) != 0; break;
        case 2: o.MaxFontSize = std::clamp(Ganzzahl(w), -10, 10); break;
        case 3: o.Basisbild = Ganzzahl(w) != 0; break;
        case 4: o.Objekte = Ganzzahl(w) != 0; break;
        case 5: o.BasisbildX = Zehntel(Zahl(w)); break;
        case 6: o.BasisbildY = Zehntel(Zahl(w)); break;
        case 7: o.BasisbildGroesse = Zehntel(Zahl(w)); break;
        case 8: o.Vollbreite = Ganzzahl(w) != 0; break;
        case 9: o.Querformat = Ganzzahl(w) != 0; break;
        }
    }
    BildoptionenBegrenzen(o);
}

bool OptionsfeldSichtbar(Optionsfeld feld, int t)
{
    auto in = [t](std::initializer_list<int> arten) { return std::find(arten.begin(), arten.end(), t) != arten.end(); };
    switch (feld) {
    case Optionsfeld::Textvorgabe: return !in({dokMultipleChoice, dokKreuzZuordnung});
    case Optionsfeld::Kaestchengroesse: return in({dokBildbeschriftung, dokLueckentext, dokCluster, dokKreuzwortraetsel});
    case Optionsfeld::ErstBuchstabe:
    case Optionsfeld::ZeichnungenEinbinden: return t == dokBildbeschriftung;
    case Optionsfeld::Basisbild0: return in({dokBildbeschriftung, dokKreuzZuordnung});
    case Optionsfeld::Bildoptionen: return in({dokLueckentext, dokCluster, dokWoerterFinden});
    case Optionsfeld::Objekte: return in({dokLueckentext, dokWoerterFinden});
    case Optionsfeld::AbFrage: return in({dokEinzelfragen, dokMultipleChoice});
    }
    return false;
}

} // namespace kalumo
