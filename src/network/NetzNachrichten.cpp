#include "network/NetzNachrichten.h"

#include "document/Bytestrom.h"
#include "platform/Netzweg.h"
#include "platform/Windows1252.h"

#include <QBuffer>
#include <QLocale>

#include <cmath>
#include <limits>

namespace kalumo {

QString EndeGrundStatus(int endeGrund)
{
    switch (endeGrund) {
    case endeLaeuft: return QStringLiteral("aktiv");
    case endeFertig: return QStringLiteral("fertig");
    case endeAbgebrochen: return QStringLiteral("abgebr.");
    case endeZeitlimit: return QStringLiteral("timeout");
    default: return {};
    }
}

// ---- building ---------------------------------------------------------------

namespace {

QString festkomma(double wert, int stellen)
{
    return QString::number(wert, 'f', stellen);   // always a decimal point
}

} // namespace

QStringList TnInitZeilen(const TnInitTyp &m)
{
    return {QString::fromLatin1(kTnInit), m.TeilnehmerKennung, m.NetzTeilnehmerName, m.StartZeit};
}

QStringList TnAktionZeilen(const TnAktionWerte &w)
{
    const bool mitObjekt = w.Objekt >= 0;
    const int stellen = w.MultipleChoice ? 2 : 0;
    return {QString::fromLatin1(kTnAktion),
            w.TeilnehmerKennung,
            QString::number(mitObjekt ? w.Objekt : -1),
            QString::number(mitObjekt ? w.Abgedeckt : 0),
            QString::number(mitObjekt ? w.Fehlversuche : 0),
            QString::number(w.EndeGrund),
            w.StartZeit,
            QString::number(w.AnzAbfragen),
            festkomma(w.Richtig, stellen),
            festkomma(w.Falsch, stellen),
            QString::number(w.OffenePositionen),
            w.Uhr,
            festkomma(w.Erfolgsquote * 100.0, 1),
            festkomma(w.Gesamtleistung * 100.0, 1),
            QString::number(w.Note)};
}

QStringList TnFertigZeilen(const TnFertigTyp &m)
{
    return {QString::fromLatin1(kTnFertig), m.TeilnehmerKennung, QString::number(m.EndeGrund), m.Uhr};
}

QStringList TnBestlistZeilen(const TnBestlistTyp &m, QChar dezimaltrenner)
{
    auto allgemein = [&](double v) {
        QString t = QString::number(v, 'g', 15);
        t.replace(QLatin1Char('.'), dezimaltrenner);
        return t;
    };
    return {QString::fromLatin1(kTnBestlist), m.TeilnehmerKennung, m.NetzTeilnehmerName, m.Rechner,
            allgemein(m.StartZeit), QString::number(m.DauerMs), allgemein(m.Gesamtleistung)};
}

QChar SystemDezimaltrenner()
{
    const QString t = QLocale::system().decimalPoint();
    return t.isEmpty() ? QLatin1Char('.') : t.front();
}

QString NetzZeitText(const QTime &zeit)
{
    return zeit.toString(QStringLiteral("HH:mm:ss"));
}

QString NachrichtText(const QStringList &zeilen)
{
    QString t;
    for (const QString &z : zeilen)
        t += z + QStringLiteral("\r\n");
    return t;
}

// ---- reading ------------------------------------------------------------------

namespace {

// The reasons are fixed texts: never received text, so that they can be counted.
struct Abgelehnt
{
    const char *Grund;
};

QStringList zeilenVon(const QString &text)
{
    QStringList z = text.split(QLatin1Char('\n'));
    for (QString &s : z)
        if (s.endsWith(QLatin1Char('\r')))
            s.chop(1);
    while (!z.isEmpty() && z.back().isEmpty())
        z.removeLast();
    return z;
}

bool ohneSteuerzeichen(const QString &s)
{
    for (const QChar c : s)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    return true;
}

QString kennung(const QString &s)
{
    if (s.isEmpty() || s.size() > kNetzKennungHoechstlaenge)
        throw Abgelehnt{"Teilnehmerkennung ungültig"};
    for (const QChar c : s)
        if (!(c >= u'A' && c <= u'Z') && !(c >= u'a' && c <= u'z') && !(c >= u'0' && c <= u'9'))
            throw Abgelehnt{"Teilnehmerkennung ungültig"};
    return s;
}

QString text(const QString &s, int hoechstlaenge, const char *grund)
{
    if (s.size() > hoechstlaenge || !ohneSteuerzeichen(s))
        throw Abgelehnt{grund};
    return s;
}

int ganzzahl(const QString &s, int min, int max, const char *grund)
{
    bool ok = false;
    const qlonglong w = s.trimmed().toLongLong(&ok);
    if (!ok || w < min || w > max)
        throw Abgelehnt{grund};
    return int(w);
}

double dezimal(const QString &s, double min, double max, const char *grund)
{
    QString t = s.trimmed();
    if (!t.contains(QLatin1Char('.')))
        t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double w = t.toDouble(&ok);   // the C locale: no group separators
    if (!ok || !std::isfinite(w) || w < min || w > max)
        throw Abgelehnt{grund};
    return w;
}

// A rate × 100 as its line shows it, checked to lie in 0…100.
QString prozent(const QString &s, double &wert, const char *grund)
{
    wert = dezimal(s, 0.0, 100.0 + 1e-6, grund) / 100.0;
    return s.trimmed();
}

void mindestens(const QStringList &z, int anzahl)
{
    if (z.size() < anzahl)
        throw Abgelehnt{"zu wenige Zeilen"};
}

NetzNachricht lesen(const QString &nachricht)
{
    const QStringList z = zeilenVon(nachricht);
    if (z.isEmpty())
        throw Abgelehnt{"leere Nachricht"};
    if (z.size() > 64)
        throw Abgelehnt{"zu viele Zeilen"};
    const QString &art = z[0];
    if (art == QLatin1String(kTnInit)) {
        mindestens(z, 4);
        TnInitTyp m;
        m.TeilnehmerKennung = kennung(z[1]);
        m.NetzTeilnehmerName = text(z[2], kNetzNameHoechstlaenge, "Teilnehmername ungültig");
        m.StartZeit = text(z[3], kNetzKurztextHoechstlaenge, "Startzeit ungültig");
        return m;
    }
    if (art == QLatin1String(kTnAktion)) {
        mindestens(z, 15);
        TnAktionTyp m;
        m.TeilnehmerKennung = kennung(z[1]);
        m.Objekt = ganzzahl(z[2], -1, std::numeric_limits<int>::max(), "Objektindex ungültig");
        m.Abgedeckt = ganzzahl(z[3], -100, 100, "Abdeckzustand ungültig");
        m.Fehlversuche = ganzzahl(z[4], 0, kNetzFehlversucheHoechstwert, "Fehlversuche ungültig");
        m.EndeGrund = ganzzahl(z[5], endeLaeuft, endeZeitlimit, "Endegrund ungültig");
        m.StartZeit = text(z[6], kNetzKurztextHoechstlaenge, "Startzeit ungültig");
        m.AnzAbfragen = ganzzahl(z[7], 0, kNetzZahlHoechstwert, "Anzahl der Abfragen ungültig");
        m.Richtig = dezimal(z[8], 0.0, kNetzZahlHoechstwert, "Richtig ungültig");
        m.RichtigText = z[8].trimmed();
        m.Falsch = dezimal(z[9], 0.0, kNetzZahlHoechstwert, "Falsch ungültig");
        m.FalschText = z[9].trimmed();
        m.OffenePositionen = ganzzahl(z[10], 0, kNetzZahlHoechstwert, "offene Positionen ungültig");
        m.Uhr = text(z[11], kNetzKurztextHoechstlaenge, "Uhrzeit ungültig");
        m.QuoteText = prozent(z[12], m.Erfolgsquote, "Erfolgsquote ungültig");
        m.LeistungText = prozent(z[13], m.Gesamtleistung, "Gesamtleistung ungültig");
        m.Note = ganzzahl(z[14], 0, 15, "Note ungültig");
        return m;
    }
    if (art == QLatin1String(kTnFertig)) {
        mindestens(z, 4);
        TnFertigTyp m;
        m.TeilnehmerKennung = kennung(z[1]);
        m.EndeGrund = ganzzahl(z[2], endeLaeuft, endeZeitlimit, "Endegrund ungültig");
        m.Uhr = text(z[3], kNetzKurztextHoechstlaenge, "Uhrzeit ungültig");
        return m;
    }
    if (art == QLatin1String(kTnBestlist)) {
        mindestens(z, 7);
        TnBestlistTyp m;
        m.TeilnehmerKennung = kennung(z[1]);
        m.NetzTeilnehmerName = text(z[2], kNetzNameHoechstlaenge, "Teilnehmername ungültig");
        m.Rechner = text(z[3], kNetzRechnerHoechstlaenge, "Rechnername ungültig");
        // days between the years 100 and 9999, as the best lists keep them
        m.StartZeit = dezimal(z[4], -657434.0, 2958466.0, "Startzeit ungültig");
        m.DauerMs = ganzzahl(z[5], 0, std::numeric_limits<qint32>::max(), "Dauer ungültig");
        m.Gesamtleistung = dezimal(z[6], 0.0, 1.0, "Gesamtleistung ungültig");
        return m;
    }
    throw Abgelehnt{"unbekannte Nachricht"};
}

} // namespace

std::optional<NetzNachricht> NachrichtLesen(const QString &text, QString *grund)
{
    try {
        return lesen(text);
    } catch (const Abgelehnt &a) {
        if (grund)
            *grund = QString::fromUtf8(a.Grund);
        return std::nullopt;
    }
}

// ---- the envelope ---------------------------------------------------------------

QByteArray UmschlagAlsDatagramm(const NetzUmschlag &u)
{
    return NachWindows1252(NachrichtText({QString::fromLatin1(kNetzUmschlagKopf), u.Benutzer, u.Rechner}) + u.Text);
}

QByteArray UmschlagAlsDatei(const NetzUmschlag &u)
{
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    Schreiber s(puffer);
    s.Text(QString::fromLatin1(kNetzUmschlagKopf));
    s.Text(u.Benutzer);
    s.Text(u.Rechner);
    s.Text(u.Text);
    return bytes;
}

namespace {

bool absenderPruefen(const NetzUmschlag &u, QString *grund)
{
    auto nein = [&](const char *g) {
        if (grund)
            *grund = QString::fromUtf8(g);
        return false;
    };
    if (u.Benutzer.size() > kNetzRechnerHoechstlaenge || !ohneSteuerzeichen(u.Benutzer))
        return nein("Benutzername ungültig");
    if (u.Rechner.isEmpty() || u.Rechner.size() > kNetzRechnerHoechstlaenge || !ohneSteuerzeichen(u.Rechner))
        return nein("Rechnername ungültig");
    return true;
}

} // namespace

std::optional<NetzUmschlag> DatagrammLesen(const QByteArray &daten, QString *grund)
{
    auto nein = [&](const char *g) -> std::optional<NetzUmschlag> {
        if (grund)
            *grund = QString::fromUtf8(g);
        return std::nullopt;
    };
    if (daten.size() > kNetzDatagrammHoechstgroesse)
        return nein("Datagramm zu groß");
    const QString text = AusWindows1252(daten);
    // the first three lines, each ended by CR LF (a lone LF is taken too)
    qsizetype pos = 0;
    QString kopf[3];
    for (QString &k : kopf) {
        const qsizetype ende = text.indexOf(QLatin1Char('\n'), pos);
        if (ende < 0)
            return nein("kein Umschlag");
        k = text.mid(pos, ende - pos);
        if (k.endsWith(QLatin1Char('\r')))
            k.chop(1);
        pos = ende + 1;
    }
    if (kopf[0] != QLatin1String(kNetzUmschlagKopf))
        return nein("kein Umschlag");
    NetzUmschlag u{kopf[1], kopf[2], text.mid(pos)};
    if (!absenderPruefen(u, grund))
        return std::nullopt;
    return u;
}

std::optional<NetzUmschlag> NachrichtendateiLesen(const QByteArray &daten, QString *grund)
{
    auto nein = [&](const char *g) -> std::optional<NetzUmschlag> {
        if (grund)
            *grund = QString::fromUtf8(g);
        return std::nullopt;
    };
    if (daten.size() > kNetzNachrichtendateiHoechstgroesse)
        return nein("Nachrichtendatei zu groß");
    QBuffer puffer;
    puffer.setData(daten);
    puffer.open(QIODevice::ReadOnly);
    NetzUmschlag u;
    try {
        Leser l(puffer);
        if (l.Roh() != QByteArray(kNetzUmschlagKopf))
            return nein("kein Umschlag");
        u.Benutzer = l.Text();
        u.Rechner = l.Text();
        u.Text = l.Text();
        if (l.Rest() != 0)
            return nein("Nachrichtendatei beschädigt");
    } catch (const LeseFehler &) {
        return nein("Nachrichtendatei beschädigt");
    }
    if (!absenderPruefen(u, grund))
        return std::nullopt;
    return u;
}

} // namespace kalumo
