#include "series/Serienerstellung.h"

#include "document/DokumentDateien.h"
#include "series/Seriendateien.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace kalumo {

namespace {

// Keeps the busy cursor up for the lifetime of a read or write.
class Sanduhr
{
public:
    explicit Sanduhr(SerienDateiDienste &d) : m_d(d) { m_d.Sanduhr(true); }
    ~Sanduhr() { m_d.Sanduhr(false); }

private:
    SerienDateiDienste &m_d;
};

QString MeldungDokumenteFehlen(const QString &ordner)
{
    return QStringLiteral("Nicht alle Dokumente des Übungs-Serien-Pakets wurden im Ordner \"") + ordner
           + QStringLiteral("\" gefunden. Sie sind in der Liste deaktiviert.");
}

} // namespace

UebungsserieDokTyp SerienEintragAusKopf(const QString &datei, const HeaderDataTyp &kopf, int gewichtung, int zeit)
{
    UebungsserieDokTyp e;
    e.Datei = datei;
    e.Sortname = QFileInfo(datei).fileName().toLower();
    e.Titel = kopf.titel.isEmpty() ? OhneTitelText() : kopf.titel;
    e.DokTyp = kopf.DokTyp;
    e.Abfragemodus = StandardAbfragemodus(kopf);
    e.Gewichtung = gewichtung;
    e.Zeit = zeit;
    e.Offset = 0;
    e.Aktiv = true;
    return e;
}

Serienerstellung::Serienerstellung(UebungsserieDataTyp &serie, SerienDateiDienste &dienste)
    : m_serie(serie), m_d(dienste)
{
    TabelleZuruecksetzen();
}

QStringList Serienerstellung::Kopfzeile()
{
    return {QStringLiteral(" Pos."),       QStringLiteral("Aktiv"),        QStringLiteral("Titel"),
            QStringLiteral("Dateiname"),   QStringLiteral("Gewichtung"),   QStringLiteral(" Zeit (Min.)"),
            QStringLiteral("Abfragemodus (*)")};
}

std::array<int, kSerienSpalten> Serienerstellung::Spaltenbreiten()
{
    return {40, 40, 305, 290, 70, 70, 135};
}

bool Serienerstellung::Zentriert(int spalte)
{
    return spalte == spaltePos || spalte == spalteAktiv || spalte == spalteGewichtung || spalte == spalteZeit
           || spalte == spalteAbfragemodus;
}

bool Serienerstellung::Bearbeitbar(int spalte)
{
    return spalte == spalteGewichtung || spalte == spalteZeit;
}

QString Serienerstellung::Zelle(int zeile, int spalte) const
{
    if (zeile < 0 || zeile >= Zeilen() || spalte < 0 || spalte >= kSerienSpalten)
        return {};
    return m_zellen[size_t(zeile)][size_t(spalte)];
}

UebungsserieDokTyp *Serienerstellung::eintrag(int zeile)
{
    if (zeile < 1 || size_t(zeile - 1) >= m_serie.Dokumente.size())
        return nullptr;
    return &m_serie.Dokumente[size_t(zeile - 1)];
}

void Serienerstellung::TabelleZuruecksetzen()
{
    m_zellen.assign(2, {});
    const QStringList kopf = Kopfzeile();
    for (int s = 0; s < kSerienSpalten; ++s)
        m_zellen[0][size_t(s)] = kopf[s];
    m_letzteZeile = m_letzteSpalte = -1;
}

void Serienerstellung::TabelleFuellen()
{
    const size_t n = m_serie.Dokumente.size();
    m_zellen.assign(std::max<size_t>(n + 1, 2), {});
    const QStringList kopf = Kopfzeile();
    for (int s = 0; s < kSerienSpalten; ++s)
        m_zellen[0][size_t(s)] = kopf[s];
    for (size_t i = 0; i < n; ++i) {
        const UebungsserieDokTyp &e = m_serie.Dokumente[i];
        auto &z = m_zellen[i + 1];
        z[spaltePos] = QString::number(i + 1);
        z[spalteAktiv] = e.Aktiv ? QStringLiteral("ja") : QStringLiteral("nein");
        z[spalteTitel] = e.Titel;
        z[spalteDatei] = DateinamenTeil(e.Datei);
        z[spalteGewichtung] = QString::number(e.Gewichtung);
        z[spalteZeit] = QString::number(e.Zeit);
        z[spalteAbfragemodus] = AbfragemodusText(e.Abfragemodus);
    }
    if (m_letzteZeile >= Zeilen())
        m_letzteZeile = m_letzteSpalte = -1;
}

void Serienerstellung::ZeileZuruecklesen(int zeile)
{
    UebungsserieDokTyp *e = eintrag(zeile);
    if (!e)
        return;
    const auto &z = m_zellen[size_t(zeile)];
    e->Aktiv = z[spalteAktiv] == QLatin1String("ja");
    e->Gewichtung = ZellenZahl(z[spalteGewichtung]);
    e->Zeit = ZellenZahl(z[spalteZeit]);
}

void Serienerstellung::ZelleBearbeitet(int zeile, int spalte, const QString &text)
{
    if (!eintrag(zeile) || !Bearbeitbar(spalte))
        return;
    m_zellen[size_t(zeile)][size_t(spalte)] = text;
    ZeileZuruecklesen(zeile);
}

void Serienerstellung::ZelleGeklickt(int zeile, int spalte)
{
    m_letzteZeile = zeile;
    m_letzteSpalte = spalte;
    UebungsserieDokTyp *e = eintrag(zeile);
    if (!e)
        return;
    auto &z = m_zellen[size_t(zeile)];
    if (spalte == spalteAktiv) {
        z[spalteAktiv] = z[spalteAktiv] == QLatin1String("ja") ? QStringLiteral("nein") : QStringLiteral("ja");
        ZeileZuruecklesen(zeile);
    } else if (spalte == spalteAbfragemodus) {
        e->Abfragemodus = AbfragemodusWeiter(e->DokTyp, e->Abfragemodus);
        z[spalteAbfragemodus] = AbfragemodusText(e->Abfragemodus);
    }
}

void Serienerstellung::Doppelklick()
{
    if (m_letzteZeile >= 0)
        ZelleGeklickt(m_letzteZeile, m_letzteSpalte);
}

bool Serienerstellung::ZeileVerschieben(int von, int nach)
{
    const int n = int(m_serie.Dokumente.size());
    if (von < 1 || von > n || nach < 1 || von == nach)
        return false;
    nach = std::min(nach, n);
    if (von == nach)
        return false;
    // what was typed in the rows travels with them
    for (int z = 1; z <= n; ++z)
        ZeileZuruecklesen(z);
    auto &d = m_serie.Dokumente;
    UebungsserieDokTyp bewegt = std::move(d[size_t(von - 1)]);
    d.erase(d.begin() + (von - 1));
    d.insert(d.begin() + (nach - 1), std::move(bewegt));
    TabelleFuellen();
    return true;
}

void Serienerstellung::Anzeigen()
{
    if (!Felder.Paketpfad.isEmpty()) {
        SeriePaketLaden(Felder.Paketpfad, Felder.Ordner);
        return;
    }
    if (Felder.Ordner.isEmpty() || !QFileInfo(Felder.Ordner).isDir())
        Felder.Ordner = m_d.Bibliotheksordner();
    SerieOrdnerEinlesen();
}

bool Serienerstellung::SerieOrdnerEinlesen()
{
    TabelleZuruecksetzen();
    m_serie.Dokumente.clear();
    Felder.Ordner = SerienOrdnerMitTrenner(Felder.Ordner);
    if (Felder.Ordner.isEmpty() || !QFileInfo(Felder.Ordner).isDir()) {
        m_d.Meldung().Fehler(MeldungSerienordnerUngueltig());
        return false;
    }
    {
        Sanduhr sanduhr(m_d);
        QDir ordner(Felder.Ordner);
        ordner.setNameFilters({QStringLiteral("*.kal")});
        ordner.setFilter(QDir::Files | QDir::Hidden | QDir::System);
        ordner.setSorting(QDir::Unsorted);
        for (const QFileInfo &info : ordner.entryInfoList()) {
            HeaderDataTyp kopf;
            if (!KopfLesen(info.filePath(), kopf))
                continue;
            m_serie.Dokumente.push_back(
                SerienEintragAusKopf(Felder.Ordner + info.fileName(), kopf, Felder.StdGewichtung, Felder.StdZeit));
        }
        std::stable_sort(m_serie.Dokumente.begin(), m_serie.Dokumente.end(),
                         [](const UebungsserieDokTyp &a, const UebungsserieDokTyp &b) {
                             return a.Sortname.compare(b.Sortname, Qt::CaseInsensitive) < 0;
                         });
    }
    TabelleFuellen();
    return true;
}

bool Serienerstellung::SerieListePruefen()
{
    int aktive = 0;
    for (int z = 1; z <= int(m_serie.Dokumente.size()); ++z) {
        ZeileZuruecklesen(z);
        if (m_serie.Dokumente[size_t(z - 1)].Aktiv)
            ++aktive;
    }
    m_serie.Protokolltitel = Felder.Titel;
    m_serie.Information = Felder.Information;
    if (aktive == 0) {
        m_d.Meldung().Information(MeldungKeineDokumente());
        return false;
    }
    if (const QString fehler = GewichtungenPruefen(m_serie.Dokumente, true); !fehler.isEmpty()) {
        m_d.Meldung().Information(fehler);
        return false;
    }
    return true;
}

bool Serienerstellung::SeriePaketSchreiben()
{
    if (!SerieListePruefen())
        return false;
    const QString vorschlag = QFileInfo(SichererDateiname(Felder.Titel, 1)).completeBaseName()
                              + QLatin1Char('.') + QLatin1String(kSeriePaketEndung);
    QString pfad = m_d.Dialoge().Speichern(QString::fromUtf8(kSeriePaketErstellenTitel), Felder.Ordner,
                                           SeriePaketDateifilter(), vorschlag, QString::fromLatin1(kSeriePaketEndung));
    if (pfad.isEmpty())
        return false;
    if (QFileInfo(pfad).suffix().isEmpty())
        pfad += QLatin1Char('.') + QLatin1String(kSeriePaketEndung);

    SeriePaketInhalt kopf;
    kopf.Ordner = Felder.Ordner;
    kopf.StdGewichtung = Felder.StdGewichtung;
    kopf.StdZeit = Felder.StdZeit;
    kopf.Uebungsmodus = Felder.Uebungsmodus;
    kopf.Protokolltitel = m_serie.Protokolltitel;
    kopf.Information = m_serie.Information;
    kopf.Skala = m_d.Skala();
    std::vector<UebungsserieDokTyp> aktive;
    for (const UebungsserieDokTyp &e : m_serie.Dokumente)
        if (e.Aktiv)
            aktive.push_back(e);
    Sanduhr sanduhr(m_d);
    return SeriePaketAusListeSchreiben(pfad, kopf, aktive, m_d.Meldung());
}

bool Serienerstellung::SeriePaketLaden(const QString &pfad, const QString &ordnerText)
{
    TabelleZuruecksetzen();
    m_serie.Dokumente.clear();
    const QString ordner = SerienOrdnerMitTrenner(ordnerText);
    SeriePaketInhalt inhalt;
    LeseErgebnis r;
    {
        Sanduhr sanduhr(m_d);
        r = QFileInfo(pfad).isFile() ? SeriePaketDateiLesen(pfad, inhalt)
                                     : LeseErgebnis{LeseStatus::Beschaedigt, QStringLiteral("Datei fehlt")};
        if (inhalt.Kennung == QLatin1String(kSeriePaketKennung)) {
            Felder.StdGewichtung = std::clamp<int>(inhalt.StdGewichtung, kStdGewichtungMin, kStdGewichtungMax);
            Felder.StdZeit = std::clamp<int>(inhalt.StdZeit, kStdZeitMin, kStdZeitMax);
            Felder.Uebungsmodus = UebungsmodusGueltig(inhalt.Uebungsmodus);
            Felder.Titel = inhalt.Protokolltitel;
            Felder.Information = inhalt.Information;
            m_serie.Protokolltitel = inhalt.Protokolltitel;
            m_serie.Information = inhalt.Information;
        }
        if (inhalt.Skala) {
            m_serie.Skala = SkalaGueltig(*inhalt.Skala);
            m_serie.SkalaAusPaket = true;
            m_d.SkalaSetzen(m_serie.Skala);
        }
        std::vector<QString> dateien;
        for (const SeriePaketEintrag &e : inhalt.Eintraege)
            dateien.push_back(e.Datei);
        const QStringList namen = EntpackNamen(dateien);
        for (size_t i = 0; i < inhalt.Eintraege.size(); ++i) {
            const SeriePaketEintrag &p = inhalt.Eintraege[i];
            UebungsserieDokTyp e;
            e.Datei = ordner + namen[qsizetype(i)];
            HeaderDataTyp kopf;
            if (KopfLesen(e.Datei, kopf)) {
                e.DokTyp = kopf.DokTyp;
                e.Abfragemodus = StandardAbfragemodus(kopf);
                e.Aktiv = true;
            } else {
                e.DokTyp = -1;
                e.Abfragemodus = abfrageFreieZuordnung;
                e.Aktiv = false;
            }
            e.Titel = p.Titel;
            e.Sortname = p.Sortname;
            e.Gewichtung = p.Gewichtung;
            e.Zeit = p.Zeit;
            if (p.Abfragemodus)
                e.Abfragemodus = *p.Abfragemodus;
            e.Offset = 0;
            m_serie.Dokumente.push_back(std::move(e));
        }
    }
    TabelleFuellen();
    if (r.Status == LeseStatus::UngueltigesFormat)
        m_d.Meldung().Fehler(MeldungUngueltigesFormat());
    if (!r.ok()) {
        m_d.Meldung().Fehler(MeldungNichtLesbar(pfad));
        return false;
    }
    if (std::any_of(m_serie.Dokumente.begin(), m_serie.Dokumente.end(), [](const auto &e) { return !e.Aktiv; }))
        m_d.Meldung().Information(MeldungDokumenteFehlen(ordner));
    return true;
}

bool Serienerstellung::SerieDirektStarten()
{
    if (!SerieListePruefen())
        return false;
    auto &d = m_serie.Dokumente;
    d.erase(std::remove_if(d.begin(), d.end(), [](const UebungsserieDokTyp &e) { return !e.Aktiv; }), d.end());
    return true;
}

} // namespace kalumo
