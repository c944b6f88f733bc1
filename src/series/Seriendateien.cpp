#include "series/Seriendateien.h"

#include "document/Bytestrom.h"
#include "document/DokumentDateien.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <limits>

namespace kalumo {

namespace {

QString inAnfuehrung(const QString &pfad)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(pfad) + QLatin1Char('"');
}

// The bytes of a document file, when they hold a readable document.
std::optional<QByteArray> dokumentBytes(const QString &pfad, qint64 platz)
{
    QFile f(pfad);
    if (!QFileInfo(pfad).isFile() || !f.open(QIODevice::ReadOnly) || f.size() > platz)
        return std::nullopt;
    QByteArray b = f.readAll();
    if (b.size() != f.size())
        return std::nullopt;
    QBuffer puffer(&b);
    puffer.open(QIODevice::ReadOnly);
    HeaderDataTyp kopf;
    if (!KopfStromLesen(puffer, kopf).ok())
        return std::nullopt;
    return b;
}

// The first name "stamm (n).endung" that names nothing in ordner and is not
// among vergeben (lower case).
QString freierName(const QString &ordner, const QString &name, const QStringList &vergeben)
{
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    const QString stamm = punkt < 0 ? name : name.left(punkt);
    const QString endung = punkt < 0 ? QString() : name.mid(punkt);
    for (int n = 2;; ++n) {
        const QString kandidat = stamm + QStringLiteral(" (") + QString::number(n) + QLatin1Char(')') + endung;
        const QFileInfo info(ordner + kandidat);
        if (!info.exists() && !info.isSymLink() && !vergeben.contains(kandidat.toLower()))
            return kandidat;
    }
}

} // namespace

QString SeriePaketDateifilter()
{
    return QStringLiteral("Kalumo-Übungs-Serien-Paket (*.kausp);;Alle Dateien (*)");
}

QString MeldungDateiUeberschreiben(const QString &pfad)
{
    return QStringLiteral("Die Datei ") + inAnfuehrung(pfad)
           + QStringLiteral(" existiert bereits.\r\nSoll sie überschrieben werden?");
}

QString MeldungSerienOeffnenOrdnerUngueltig()
{
    return QStringLiteral("Der angegebene Ordner zum Öffnen von Übungs-Serien ist ungültig.");
}

QString SerienOrdnerMitTrenner(const QString &ordner)
{
    if (ordner.isEmpty() || ordner.endsWith(QLatin1Char('/')))
        return ordner;
    return ordner + QLatin1Char('/');
}

bool SeriePaketMitMeldungLesen(const QString &pfad, SeriePaketInhalt &inhalt, Meldungen &meldungen,
                               bool nachFormatfehlerLesefehler)
{
    if (!QFileInfo(pfad).isFile()) {
        meldungen.Fehler(MeldungDateiFehlt(pfad));
        return false;
    }
    const LeseErgebnis r = SeriePaketDateiLesen(pfad, inhalt);
    if (r.Status == LeseStatus::UngueltigesFormat) {
        meldungen.Fehler(MeldungUngueltigesFormat());
        if (nachFormatfehlerLesefehler)
            meldungen.Fehler(MeldungNichtLesbar(pfad));
        return false;
    }
    if (!r.ok()) {
        meldungen.Fehler(MeldungNichtLesbar(pfad));
        return false;
    }
    return true;
}

bool SeriePaketAusListeSchreiben(const QString &pfad, const SeriePaketInhalt &kopf,
                                 const std::vector<UebungsserieDokTyp> &dokumente, Meldungen &meldungen)
{
    SeriePaketInhalt inhalt = kopf;
    inhalt.Eintraege.clear();
    std::vector<QByteArray> bytes;
    bytes.reserve(dokumente.size());
    // a package addresses its documents with 32-bit positions
    qint64 platz = std::numeric_limits<qint32>::max();
    for (const UebungsserieDokTyp &d : dokumente) {
        std::optional<QByteArray> b = dokumentBytes(d.Datei, platz);
        if (!b) {
            meldungen.Fehler(QFileInfo(d.Datei).isFile() ? MeldungNichtLesbar(d.Datei) : MeldungDateiFehlt(d.Datei));
            return false;
        }
        platz -= b->size() + 4;
        SeriePaketEintrag e;
        e.Datei = d.Datei;
        e.Titel = d.Titel;
        e.Sortname = d.Sortname;
        e.Gewichtung = d.Gewichtung;
        e.Zeit = d.Zeit;
        e.Abfragemodus = d.Abfragemodus;
        inhalt.Eintraege.push_back(std::move(e));
        bytes.push_back(std::move(*b));
    }
    if (!SeriePaketDateiSchreiben(pfad, inhalt, bytes)) {
        meldungen.Fehler(MeldungNichtSchreibbar(pfad));
        return false;
    }
    return true;
}

EntpackErgebnis SeriePaketEntpacken(const QString &paket, const QString &ordnerText, SerienDateiDienste &d)
{
    EntpackErgebnis e;
    SeriePaketInhalt inhalt;
    if (!SeriePaketMitMeldungLesen(paket, inhalt, d.Meldung()))
        return e;
    e.Gelesen = true;
    const QString ordner = SerienOrdnerMitTrenner(ordnerText);
    if (ordner.isEmpty() || !QDir().mkpath(ordner)) {
        d.Meldung().Fehler(MeldungNichtSchreibbar(ordnerText));
        return e;
    }
    std::vector<QString> dateien;
    for (const SeriePaketEintrag &eintrag : inhalt.Eintraege)
        dateien.push_back(eintrag.Datei);
    e.Namen = EntpackNamen(dateien);

    QFile quelle(paket);
    if (!quelle.open(QIODevice::ReadOnly)) {
        d.Meldung().Fehler(MeldungNichtLesbar(paket));
        return e;
    }
    QStringList vergeben;
    for (const QString &n : e.Namen)
        vergeben << n.toLower();

    for (size_t i = 0; i < inhalt.Eintraege.size(); ++i) {
        QString &name = e.Namen[qsizetype(i)];
        QFileInfo ziel(ordner + name);
        if (ziel.isSymLink() || (ziel.exists() && !ziel.isFile())) {
            // never write through a link or onto a folder
            name = freierName(ordner, name, vergeben);
            vergeben << name.toLower();
            ziel = QFileInfo(ordner + name);
        } else if (ziel.exists()) {
            const Antwort a = d.Meldung().Frage(MeldungDateiUeberschreiben(ziel.filePath()),
                                                FrageKnoepfe::JaNeinAbbrechen);
            if (a == Antwort::Nein)
                continue;
            if (a != Antwort::Ja)
                return e;
        }
        QByteArray bytes;
        try {
            bytes = EingebettetesDokument(quelle, inhalt.Eintraege[i].Offset, inhalt.Eintraege[i].Laenge);
        } catch (const LeseFehler &) {
            d.Meldung().Fehler(MeldungNichtLesbar(paket));
            return e;
        }
        QSaveFile datei(ziel.filePath());
        const bool ok = datei.open(QIODevice::WriteOnly) && datei.write(bytes) == bytes.size() && datei.commit();
        if (!ok) {
            d.Meldung().Fehler(MeldungNichtSchreibbar(ziel.filePath()));
            return e;
        }
        e.Geschrieben << ziel.filePath();
    }
    e.Ok = true;
    return e;
}

QString SerieOeffnenOrdner(const QString &serienordner, const QString &paket)
{
    if (serienordner.isEmpty())
        return {};
    const QString sicher = SichererDateiname(QFileInfo(paket).completeBaseName(), 1);
    return SerienOrdnerMitTrenner(serienordner) + QFileInfo(sicher).completeBaseName() + QLatin1Char('/');
}

QString BefehlSerieEntpacken(SerienDateiDienste &d, const QString &startordner)
{
    const QString paket =
        d.Dialoge().Oeffnen(QString::fromUtf8(kSeriePaketOeffnenTitel), startordner, SeriePaketDateifilter());
    if (paket.isEmpty())
        return {};
    const QString gewaehlt =
        d.Dialoge().Ordner(QString::fromUtf8(kSerieEntpackenOrdnerTitel), QFileInfo(paket).absolutePath());
    if (gewaehlt.isEmpty())
        return {};
    const QString ordner = SerienOrdnerMitTrenner(gewaehlt);
    const EntpackErgebnis e = SeriePaketEntpacken(paket, ordner, d);
    if (!e.Gelesen || (e.Namen.isEmpty() && !e.Ok))
        return {};
    d.BibliotheksordnerSetzen(ordner);
    d.BibliothekNeuAufbauen();
    return ordner;
}

std::optional<GeoeffnetesPaket> BefehlSerieOeffnen(SerienDateiDienste &d, const QString &serienordner,
                                                   const QString &startordner)
{
    const QString paket =
        d.Dialoge().Oeffnen(QString::fromUtf8(kSeriePaketOeffnenTitel), startordner, SeriePaketDateifilter());
    if (paket.isEmpty())
        return std::nullopt;
    const QString ordner = SerieOeffnenOrdner(serienordner, paket);
    if (ordner.isEmpty() || !QFileInfo(serienordner).isDir() || !QDir().mkpath(ordner)) {
        d.Meldung().Fehler(MeldungSerienOeffnenOrdnerUngueltig());
        return std::nullopt;
    }
    const EntpackErgebnis e = SeriePaketEntpacken(paket, ordner, d);
    if (!e.Gelesen)
        return std::nullopt;
    return GeoeffnetesPaket{paket, ordner};
}

} // namespace kalumo
