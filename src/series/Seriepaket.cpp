#include "series/Seriepaket.h"

#include "document/Bytestrom.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#include <limits>
#include <new>

namespace kalumo {

namespace {

// The smallest number of bytes one entry occupies in items 12 and 13:
// three empty strings, two ints, the mode and an empty document string.
qint64 mindestgroesseEintrag(bool mitAbfragemodus)
{
    return 3 * 4 + 2 * 4 + (mitAbfragemodus ? 4 : 0) + 4;
}

constexpr qint64 kGroesstePosition = std::numeric_limits<qint32>::max();

} // namespace

bool SerieVersionMindestens(const QString &version, const char *mindestens)
{
    return QString::compare(version, QLatin1String(mindestens), Qt::CaseSensitive) >= 0;
}

LeseErgebnis SeriePaketStromLesen(QIODevice &geraet, SeriePaketInhalt &inhalt)
{
    try {
        Leser l(geraet);
        inhalt.Kennung = l.Text();
        if (inhalt.Kennung != QLatin1String(kSeriePaketKennung))
            return {LeseStatus::UngueltigesFormat, QStringLiteral("Kennung ist nicht KASUP-")};
        inhalt.Version = l.Text();
        inhalt.Reserviert = l.Text();
        inhalt.Ordner = l.Text();
        inhalt.StdGewichtung = l.Int();
        inhalt.StdZeit = l.Int();
        inhalt.Uebungsmodus = l.Int();
        const qint32 n = l.Int();
        const bool mitModus = SerieVersionMindestens(inhalt.Version, kSerieVersionAbfragemodus);
        if (n < 0)
            return {LeseStatus::Beschaedigt, QStringLiteral("negative Anzahl der Einträge")};
        if (qint64(n) > l.Rest() / mindestgroesseEintrag(mitModus))
            return {LeseStatus::Beschaedigt, QStringLiteral("mehr Einträge, als die Datei fassen kann")};
        inhalt.Protokolltitel = l.Text();
        inhalt.Information = l.Text();
        if (SerieVersionMindestens(inhalt.Version, kSerieVersionSkala)) {
            SerienSkalaTyp s;
            for (double &q : s.NoteMinQuote)
                q = l.Double();
            for (double &q : s.PunkteMinQuote)
                q = l.Double();
            s.BewertSkala = l.Int();
            inhalt.Skala = s;
        }
        // n was checked against what is left: the list stays within the file size
        inhalt.Eintraege.reserve(size_t(n));
        for (qint32 i = 0; i < n; ++i) {
            SeriePaketEintrag e;
            e.Datei = l.Text();
            e.Titel = l.Text();
            e.Sortname = l.Text();
            e.Gewichtung = l.Int();
            e.Zeit = l.Int();
            if (mitModus)
                e.Abfragemodus = l.Int();
            inhalt.Eintraege.push_back(std::move(e));
        }
        for (SeriePaketEintrag &e : inhalt.Eintraege) {
            const qint32 laenge = l.Int();
            if (laenge < 0 || laenge > l.Rest())
                return {LeseStatus::Beschaedigt, QStringLiteral("Länge eines Dokuments passt nicht zur Datei")};
            e.Offset = l.Position();
            e.Laenge = laenge;
            l.Ueberspringen(laenge);
        }
    } catch (const LeseFehler &f) {
        return {LeseStatus::Beschaedigt, QString::fromUtf8(f.what())};
    } catch (const std::bad_alloc &) {
        return {LeseStatus::Beschaedigt, QStringLiteral("zu wenig Speicher")};
    }
    return {};
}

LeseErgebnis SeriePaketDateiLesen(const QString &pfad, SeriePaketInhalt &inhalt)
{
    QFile datei(pfad);
    if (!QFileInfo(pfad).isFile() || !datei.open(QIODevice::ReadOnly))
        return {LeseStatus::Beschaedigt, QStringLiteral("Datei kann nicht geöffnet werden")};
    return SeriePaketStromLesen(datei, inhalt);
}

void SeriePaketStromSchreiben(QIODevice &geraet, const SeriePaketInhalt &inhalt,
                              const std::vector<QByteArray> &dokumente)
{
    if (dokumente.size() != inhalt.Eintraege.size())
        throw SchreibFehler("Anzahl der Dokumente passt nicht zur Liste");
    if (inhalt.Eintraege.size() > size_t(std::numeric_limits<qint32>::max()))
        throw SchreibFehler("zu viele Einträge");
    Schreiber s(geraet);
    s.Text(QString::fromLatin1(kSeriePaketKennung));
    s.Text(QString::fromLatin1(kSeriePaketVersion));
    s.Text(QString());
    s.Text(inhalt.Ordner);
    s.Int(inhalt.StdGewichtung);
    s.Int(inhalt.StdZeit);
    s.Int(inhalt.Uebungsmodus);
    s.Int(qint32(inhalt.Eintraege.size()));
    s.Text(inhalt.Protokolltitel);
    s.Text(inhalt.Information);
    const SerienSkalaTyp skala = inhalt.Skala.value_or(SerienSkalaTyp{});
    for (double q : skala.NoteMinQuote)
        s.Double(q);
    for (double q : skala.PunkteMinQuote)
        s.Double(q);
    s.Int(skala.BewertSkala);
    for (const SeriePaketEintrag &e : inhalt.Eintraege) {
        s.Text(e.Datei);
        s.Text(e.Titel);
        s.Text(e.Sortname);
        s.Int(e.Gewichtung);
        s.Int(e.Zeit);
        s.Int(e.Abfragemodus.value_or(0));
    }
    // every document must stay reachable through a 32-bit position
    for (const QByteArray &d : dokumente) {
        if (geraet.pos() + 4 + d.size() > kGroesstePosition)
            throw SchreibFehler("Paket wird zu groß");
        s.Roh(d);
    }
}

bool SeriePaketDateiSchreiben(const QString &pfad, const SeriePaketInhalt &inhalt,
                              const std::vector<QByteArray> &dokumente)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return false;
    try {
        SeriePaketStromSchreiben(datei, inhalt, dokumente);
    } catch (const SchreibFehler &) {
        datei.cancelWriting();
        return false;
    } catch (const std::bad_alloc &) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
}

QByteArray EingebettetesDokument(QIODevice &geraet, qint64 offset, qint64 laenge)
{
    if (offset < 0 || laenge < 0 || geraet.isSequential() || offset > geraet.size()
        || laenge > geraet.size() - offset || !geraet.seek(offset))
        throw LeseFehler("Dokument liegt außerhalb der Datei");
    Leser l(geraet);
    QByteArray b(laenge, Qt::Uninitialized);
    l.Lesen(b.data(), laenge);
    return b;
}

QString DateinamenTeil(const QString &pfad)
{
    const qsizetype schnitt = std::max(pfad.lastIndexOf(QLatin1Char('/')), pfad.lastIndexOf(QLatin1Char('\\')));
    return pfad.mid(schnitt + 1);
}

QString SichererDateiname(const QString &gespeichert, int nummer)
{
    QString name = DateinamenTeil(gespeichert);
    // a drive-relative name such as "C:x.kal"
    if (name.size() >= 2 && name[1] == QLatin1Char(':') && name[0].isLetter() && name[0].unicode() < 128)
        name = name.mid(2);

    static const QString verboten = QStringLiteral("<>:\"/\\|?*");
    QString sauber;
    sauber.reserve(name.size());
    for (QChar c : name) {
        if (c.unicode() < 32 || c.unicode() == 127 || verboten.contains(c))
            sauber += QLatin1Char('_');
        else
            sauber += c;
    }
    sauber = sauber.trimmed();
    // no hidden files, and Windows drops trailing dots and blanks
    while (sauber.startsWith(QLatin1Char('.')))
        sauber.remove(0, 1);
    while (sauber.endsWith(QLatin1Char('.')) || sauber.endsWith(QLatin1Char(' ')))
        sauber.chop(1);
    sauber = sauber.trimmed();

    QFileInfo info(sauber);
    QString endung = info.suffix().toLower();
    QString stamm = info.suffix().isEmpty() ? sauber : sauber.left(sauber.size() - info.suffix().size() - 1);
    if (endung != QLatin1String("kal") && endung != QLatin1String("vkd")) {
        stamm = sauber;
        endung = QStringLiteral("kal");
    } else {
        endung = info.suffix();   // keep the spelling
    }
    while (stamm.endsWith(QLatin1Char('.')) || stamm.endsWith(QLatin1Char(' ')))
        stamm.chop(1);
    if (stamm.isEmpty())
        stamm = QStringLiteral("Dokument ") + QString::number(nummer);

    static const QStringList geraete = {
        QStringLiteral("con"),  QStringLiteral("prn"),  QStringLiteral("aux"),  QStringLiteral("nul"),
        QStringLiteral("com1"), QStringLiteral("com2"), QStringLiteral("com3"), QStringLiteral("com4"),
        QStringLiteral("com5"), QStringLiteral("com6"), QStringLiteral("com7"), QStringLiteral("com8"),
        QStringLiteral("com9"), QStringLiteral("lpt1"), QStringLiteral("lpt2"), QStringLiteral("lpt3"),
        QStringLiteral("lpt4"), QStringLiteral("lpt5"), QStringLiteral("lpt6"), QStringLiteral("lpt7"),
        QStringLiteral("lpt8"), QStringLiteral("lpt9")};
    const QString geraetTeil = stamm.section(QLatin1Char('.'), 0, 0).trimmed().toLower();
    if (geraete.contains(geraetTeil))
        stamm.prepend(QLatin1Char('_'));
    // file systems allow 255 bytes; leave room for " (n)" and the extension
    constexpr int kHoechstlaenge = 120;
    if (stamm.size() > kHoechstlaenge)
        stamm = stamm.left(kHoechstlaenge).trimmed();
    return stamm + QLatin1Char('.') + endung;
}

QStringList EntpackNamen(const std::vector<QString> &dateien)
{
    QStringList namen;
    QSet<QString> vergeben;   // lower case
    for (size_t i = 0; i < dateien.size(); ++i) {
        const QString sicher = SichererDateiname(dateien[i], int(i) + 1);
        QString name = sicher;
        const qsizetype punkt = sicher.lastIndexOf(QLatin1Char('.'));
        for (int n = 2; vergeben.contains(name.toLower()); ++n)
            name = sicher.left(punkt) + QStringLiteral(" (") + QString::number(n) + QLatin1Char(')') + sicher.mid(punkt);
        vergeben.insert(name.toLower());
        namen << name;
    }
    return namen;
}

} // namespace kalumo
