#include "network/NetzKontrollanzeige.h"

#include "network/NetzNachrichten.h"

#include <algorithm>

namespace kalumo {

QString KontrollTeilnehmerSeiteText()
{
    return QStringLiteral("Teilnehmer- Protokoll");
}

QString KontrollInformationSeiteText()
{
    return QStringLiteral("Übungs- Information");
}

QString KontrollAnmeldungText()
{
    return QStringLiteral("Anmeldung weiterer Teilnehmer zulassen");
}

QString KontrollHinweisText()
{
    return QStringLiteral("Solange weitere Teilnehmer zugelassen sind, können sich Übungsteilnehmer an ihren "
                          "Rechnern mit \"Übung / An Netzwerk-Übung teilnehmen...\" anmelden.");
}

QString KontrollKommentarTitel()
{
    return QStringLiteral("Kommentar zur Übungsinformation hinzufügen");
}


QString KontrollanzeigeTitel(bool aktiv)
{
    return QStringLiteral("Netzwerk-Übung - Kontrollanzeige")
           + (aktiv ? QStringLiteral(" - Status: aktiv") : QStringLiteral(" - Status: beendet"));
}

void NetzKontrollModell::Einrichten(int abfragespalten, bool zeitlimit, const QString &skalaWort)
{
    m_abfragespalten = std::max(0, abfragespalten);
    m_zeitlimit = zeitlimit;
    m_skalaWort = skalaWort;
    m_zeilen.clear();
}

QStringList NetzKontrollModell::Kopfzeile() const
{
    QStringList k = {QStringLiteral("Nr."),    QStringLiteral("Rechner"), QStringLiteral("Teilnehmer"),
                     QStringLiteral("Status"), QStringLiteral("Beginn"),
                     m_zeitlimit ? QStringLiteral("Restzeit") : QStringLiteral("Zeit"),
                     QStringLiteral("Anz."),   QStringLiteral("Richtig"), QStringLiteral("Falsch"),
                     QStringLiteral("Quote"),  QStringLiteral("Offen"),   QStringLiteral("Leistung"),
                     m_skalaWort};
    for (int i = 1; i <= m_abfragespalten; ++i)
        k << QString::number(i);
    return k;
}

std::vector<int> NetzKontrollModell::Spaltenbreiten() const
{
    std::vector<int> b(size_t(Spaltenzahl()), 40);
    b[spNr] = 30;
    b[spRechner] = 60;
    b[spTeilnehmer] = 60;
    b[spStatus] = 45;
    b[spBeginn] = 50;
    b[spLeistung] = 50;
    b[spNote] = 30;
    for (int i = kNetzFesteSpalten; i < Spaltenzahl(); ++i)
        b[size_t(i)] = 25;
    return b;
}

std::vector<bool> NetzKontrollModell::Rechtsbuendig() const
{
    std::vector<bool> r(size_t(Spaltenzahl()), true);
    r[spRechner] = false;
    r[spTeilnehmer] = false;
    return r;
}

std::vector<QStringList> NetzKontrollModell::AnzeigeZeilen() const
{
    if (m_zeilen.empty()) {
        QStringList leer;
        for (int i = 0; i < Spaltenzahl(); ++i)
            leer << QString();
        return {leer};
    }
    return m_zeilen;
}

QString NetzKontrollModell::Zelle(int zeile, int spalte) const
{
    if (zeile < 0 || zeile >= Zeilenzahl() || spalte < 0 || spalte >= Spaltenzahl())
        return {};
    return m_zeilen[size_t(zeile)][spalte];
}

int NetzKontrollModell::TeilnehmerHinzufuegen(const QString &rechner, const QString &name, const QString &beginn)
{
    QStringList z;
    for (int i = 0; i < Spaltenzahl(); ++i)
        z << QString();
    z[spNr] = QString::number(m_zeilen.size() + 1);
    z[spRechner] = rechner;
    z[spTeilnehmer] = name;
    z[spStatus] = EndeGrundStatus(endeLaeuft);
    z[spBeginn] = beginn;
    m_zeilen.push_back(z);
    return int(m_zeilen.size()) - 1;
}

void NetzKontrollModell::AktionEintragen(int zeile, const TnAktionTyp &m, int loesungsnummer)
{
    if (zeile < 0 || zeile >= Zeilenzahl())
        return;
    QStringList &z = m_zeilen[size_t(zeile)];
    z[spStatus] = EndeGrundStatus(m.EndeGrund);
    z[spBeginn] = m.StartZeit;
    z[spZeit] = m.Uhr;
    z[spAnz] = QString::number(m.AnzAbfragen);
    z[spRichtig] = m.RichtigText;
    z[spFalsch] = m.FalschText;
    z[spQuote] = m.QuoteText + QStringLiteral(" %");
    z[spOffen] = QString::number(m.OffenePositionen);
    z[spLeistung] = m.LeistungText + QStringLiteral(" %");
    z[spNote] = QString::number(m.Note);
    if (m.Objekt >= 0 && loesungsnummer > 0 && loesungsnummer <= m_abfragespalten)
        z[kNetzFesteSpalten + loesungsnummer - 1] = AbfrageZelle(m.Fehlversuche, m.Abgedeckt);
}

void NetzKontrollModell::FertigEintragen(int zeile, int endeGrund, const QString &uhr)
{
    if (zeile < 0 || zeile >= Zeilenzahl())
        return;
    QStringList &z = m_zeilen[size_t(zeile)];
    z[spStatus] = EndeGrundStatus(endeGrund);
    z[spZeit] = uhr;
}

QString NetzKontrollModell::AbfrageZelle(int fehlversuche, int abgedeckt)
{
    QString t(std::clamp(fehlversuche, 0, kNetzFehlversucheHoechstwert), QLatin1Char('f'));
    if (abgedeckt == 0 || abgedeckt == -2)
        t += QStringLiteral(" ok");
    return t.trimmed();
}

QString NetzKontrollModell::Text() const
{
    QString t = Kopfzeile().join(QLatin1Char('\t')) + QStringLiteral("\r\n");
    for (const QStringList &z : AnzeigeZeilen())
        t += z.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
    return t;
}

} // namespace kalumo
