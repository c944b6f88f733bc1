#include "exercise/Notenskala.h"

#include <QStringList>

namespace kalumo {

int SkalaGueltig(int skala)
{
    return skala >= 0 && skala < kSkalenAnzahl ? skala : skalaNote1bis6;
}

bool IstPunkteskala(int skala)
{
    skala = SkalaGueltig(skala);
    return skala == skalaPunkte0bis15 || skala == skalaPunkte0bis12;
}

int HoechstePunkte(int skala)
{
    switch (SkalaGueltig(skala)) {
    case skalaPunkte0bis15: return 15;
    case skalaPunkte0bis12: return 12;
    default: return 0;
    }
}

int NoteBerechnen(double x, const NotenskalaTyp &s)
{
    const int skala = SkalaGueltig(s.BewertSkala);
    if (IstPunkteskala(skala)) {
        for (int p = HoechstePunkte(skala); p >= 0; --p)
            if (x >= s.PunkteMinQuote[size_t(p)])
                return p;
        return 0;
    }
    const int e = skala == skalaNote1bis6 ? 6 : 5;
    for (int i = 1; i <= e - 1; ++i)
        if (x >= s.NoteMinQuote[size_t(i)])
            return skala == skalaNote5bis1 ? 6 - i : i;
    return skala == skalaNote5bis1 ? 1 : e;
}

QString NotenWortNummer(int nummer)
{
    switch (nummer) {
    case 1: return QStringLiteral("sehr gut");
    case 2: return QStringLiteral("gut");
    case 3: return QStringLiteral("befriedigend");
    case 4: return QStringLiteral("ausreichend");
    case 5: return QStringLiteral("mangelhaft");
    case 6: return QStringLiteral("ungenügend");
    default: return {};
    }
}

QString NotenWort(int note, int skala)
{
    switch (SkalaGueltig(skala)) {
    case skalaNote1bis6: return NotenWortNummer(note);
    case skalaNote1bis5: return note <= 5 ? NotenWortNummer(note) : QString();
    case skalaNote5bis1: return note >= 1 ? NotenWortNummer(6 - note) : QString();
    case skalaPunkte0bis15: return note >= 0 && note <= 15 ? NotenWortNummer((18 - note) / 3) : QString();
    case skalaPunkte0bis12: return note >= 0 && note <= 12 ? NotenWortNummer((15 - note) / 3) : QString();
    }
    return {};
}

QString SkalaWort(int skala)
{
    return IstPunkteskala(skala) ? QStringLiteral("Punkte") : QStringLiteral("Note");
}

QString SkalaText(int skala)
{
    switch (SkalaGueltig(skala)) {
    case skalaNote1bis6: return QStringLiteral("Notenskala: 1 (beste) bis 6");
    case skalaNote1bis5: return QStringLiteral("Notenskala: 1 (beste) bis 5");
    case skalaPunkte0bis15: return QStringLiteral("Punkteskala: 0 bis 15 (beste)");
    case skalaNote5bis1: return QStringLiteral("Notenskala: 1 bis 5 (beste)");
    case skalaPunkte0bis12: return QStringLiteral("Punkteskala: 0 bis 12 (beste)");
    }
    return {};
}

QString SkalaGrenzenZeile(const NotenskalaTyp &s)
{
    const int skala = SkalaGueltig(s.BewertSkala);
    auto prozent = [](double q) { return QString::number(q * 100.0, 'f', 1) + u'%'; };
    QStringList werte;
    if (IstPunkteskala(skala)) {
        for (int p = HoechstePunkte(skala); p >= 0; --p)
            werte << prozent(s.PunkteMinQuote[size_t(p)]);
        return QStringLiteral("Punktegrenzen bzgl. Gesamtleistung:\t") + werte.join(QStringLiteral(" / "));
    }
    const int letzte = skala == skalaNote1bis6 ? 6 : 5;
    for (int i = 1; i <= letzte; ++i)
        werte << prozent(s.NoteMinQuote[size_t(i)]);
    return QStringLiteral("Notengrenzen bzgl. Gesamtleistung:\t") + werte.join(QStringLiteral(" / "));
}

} // namespace kalumo
