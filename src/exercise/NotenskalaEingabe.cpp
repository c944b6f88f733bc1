#include "exercise/NotenskalaEingabe.h"

#include <cmath>

namespace kalumo {

QString ProzentFeldText(double quote)
{
    return QString::number(quote * 100.0, 'f', 1).replace(u'.', u',');
}

std::optional<double> ProzentLesen(const QString &text)
{
    QString t = text.trimmed();
    if (t.endsWith(u'%'))
        t.chop(1);
    t = t.trimmed().replace(u',', u'.');
    bool ok = false;
    const double wert = t.toDouble(&ok);
    if (!ok || !std::isfinite(wert))
        return std::nullopt;
    return wert;
}

NotenskalaEingabeTyp NotenskalaEingabe(const NotenskalaTyp &s)
{
    NotenskalaEingabeTyp e;
    for (int n = 1; n <= 6; ++n)
        e.Note[size_t(n)] = ProzentFeldText(s.NoteMinQuote[size_t(n)]);
    for (int p = 0; p <= 15; ++p)
        e.Punkte[size_t(p)] = ProzentFeldText(s.PunkteMinQuote[size_t(p)]);
    e.Skala = SkalaGueltig(s.BewertSkala);
    return e;
}

void SkalaWaehlen(NotenskalaEingabeTyp &e, int skala)
{
    e.Skala = SkalaGueltig(skala);
    if (e.Skala == skalaNote1bis5) {
        e.Note[5] = ProzentFeldText(0.0);
    } else if (e.Skala == skalaNote1bis6) {
        const std::optional<double> fuenf = ProzentLesen(e.Note[5]);
        if (fuenf && *fuenf == 0.0)
            e.Note[5] = ProzentFeldText(0.25);
    }
}

QString NotenZeilenText(int skala, int zeile)
{
    if (SkalaGueltig(skala) == skalaNote5bis1 && zeile >= 1 && zeile <= 5)
        return QStringLiteral("Note ") + QString::number(6 - zeile) + QStringLiteral(" - ") + NotenWortNummer(zeile);
    return QStringLiteral("Note ") + QString::number(zeile) + QStringLiteral(" - ") + NotenWortNummer(zeile);
}

bool NotenZeileSichtbar(int skala, int zeile)
{
    skala = SkalaGueltig(skala);
    return zeile >= 1 && zeile <= 6 && (zeile < 6 || !(skala == skalaNote1bis5 || skala == skalaNote5bis1));
}

QString PunkteZeilenText(int punkte)
{
    return QString::number(punkte) + (punkte == 1 ? QStringLiteral(" Punkt") : QStringLiteral(" Punkte"));
}

bool PunkteZeileSichtbar(int skala, int punkte)
{
    return punkte >= 0 && punkte <= 15 && (SkalaGueltig(skala) != skalaPunkte0bis12 || punkte <= 12);
}

QString NotenEmpfehlung(int zeile)
{
    const NotenskalaTyp vorgabe;
    return zeile >= 0 && zeile < kNotenGrenzen ? ProzentFeldText(vorgabe.NoteMinQuote[size_t(zeile)]) + QStringLiteral(" %")
                                               : QString();
}

QString PunkteEmpfehlung(int punkte)
{
    const NotenskalaTyp vorgabe;
    return punkte >= 0 && punkte < kPunkteGrenzen
        ? ProzentFeldText(vorgabe.PunkteMinQuote[size_t(punkte)]) + QStringLiteral(" %")
        : QString();
}

namespace {

const QString kBereich = QStringLiteral("Alle Werte müssen im Bereich von 0 bis 100% liegen.\r\n");

bool imBereich(const std::optional<double> &w)
{
    return w && *w >= 0.0 && *w <= 100.0;
}

} // namespace

NotenskalaPruefung NotenskalaPruefen(const NotenskalaEingabeTyp &e)
{
    NotenskalaPruefung p;
    for (int n = 1; n <= 5; ++n) {
        const std::optional<double> w = ProzentLesen(e.Note[size_t(n)]);
        const std::optional<double> naechste = ProzentLesen(e.Note[size_t(n + 1)]);
        if (!imBereich(w) || !naechste || *w < *naechste) {
            p.Ok = false;
            p.Feld = n;
            p.Meldung = kBereich + QStringLiteral("Der Wert für Note ") + QString::number(n)
                + QStringLiteral(" darf nicht kleiner sein als der Wert für Note ") + QString::number(n + 1)
                + QStringLiteral(".");
            return p;
        }
    }
    const int oben = SkalaGueltig(e.Skala) == skalaPunkte0bis12 ? 12 : 15;
    for (int pu = oben; pu >= 1; --pu) {
        const std::optional<double> w = ProzentLesen(e.Punkte[size_t(pu)]);
        const std::optional<double> darunter = ProzentLesen(e.Punkte[size_t(pu - 1)]);
        if (!imBereich(w) || !darunter || *w < *darunter) {
            p.Ok = false;
            p.PunkteFeld = true;
            p.Feld = pu;
            p.Meldung = kBereich + QStringLiteral("Der Wert für ") + QString::number(pu)
                + QStringLiteral(" Punkte darf nicht kleiner sein als der Wert für ") + QString::number(pu - 1)
                + QStringLiteral(" Punkte.");
            return p;
        }
    }
    return p;
}

NotenskalaTyp NotenskalaUebernehmen(const NotenskalaEingabeTyp &e, const NotenskalaTyp &alt)
{
    NotenskalaTyp neu = alt;
    auto uebernehmen = [](const QString &text, double &quote) {
        if (text.trimmed() == ProzentFeldText(quote))
            return;
        if (const std::optional<double> w = ProzentLesen(text))
            quote = *w / 100.0;
    };
    for (int n = 1; n <= 5; ++n)
        uebernehmen(e.Note[size_t(n)], neu.NoteMinQuote[size_t(n)]);
    for (int p = 1; p <= 15; ++p)
        uebernehmen(e.Punkte[size_t(p)], neu.PunkteMinQuote[size_t(p)]);
    neu.BewertSkala = SkalaGueltig(e.Skala);
    return neu;
}

QString NotenskalaHinweisText()
{
    return QStringLiteral("Die Noten-/Punkteskala kann während einer Übung nicht geändert werden.");
}

QString NotenskalaGesperrtText()
{
    return QStringLiteral("Die Noten-/Punkteskala ist zentral vorgegeben und kann nicht geändert werden.");
}

QString NotenskalaVerweigerung(const NotenskalaZugang &zugang)
{
    if (zugang.ZentralGesperrt())
        return NotenskalaGesperrtText();
    if (zugang.UebungLaeuft())
        return NotenskalaHinweisText();
    return {};
}

} // namespace kalumo
