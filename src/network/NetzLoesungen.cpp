#include "network/NetzLoesungen.h"

#include "learnview/Lernansicht.h"

#include <algorithm>

namespace kalumo {

namespace {

constexpr int kMCMarke = 24;
constexpr int kMCAntwortText = 25;
constexpr int kMCAntwortBild = 27;
constexpr int kClusterKarteText = 41;
constexpr int kClusterKarteBild = 43;
constexpr int kKreuzBildText = 52;   // 52, 53: picture elements
constexpr int kKreuzBildBild = 53;

int positiv(int n)
{
    return n > 0 ? n : 0;
}

} // namespace

std::vector<int> NetzLoesungsnummern(const Dokument &dok, bool texteingabe)
{
    const std::vector<ObjDataTyp> &o = dok.Objekte;
    std::vector<int> n(o.size(), 0);
    const int typ = dok.Kopf.DokTyp;
    for (size_t i = 0; i < o.size(); ++i) {
        const ObjDataTyp &obj = o[i];
        switch (typ) {
        case dokEinzelfragen:
            if (obj.Typ == objFrageAntwort)
                n[i] = positiv(obj.FrageNummer);
            break;
        case dokMultipleChoice:
            if (obj.Typ == objMCFrage || obj.Typ == objMCFrageBild)
                n[i] = positiv(obj.FrageNummer);
            break;
        case dokCluster:
            if (obj.Typ == kClusterKarteText || obj.Typ == kClusterKarteBild)
                n[i] = positiv(obj.FrageNummer);
            break;
        case dokKreuzZuordnung:
            // the number of an element is stored for its partner; an
            // element without a number leaves its partner's as it is
            if (obj.Typ >= objKreuzElement && obj.Typ <= kKreuzBildBild && obj.FrageNummer > 0
                && obj.PartnerIndex >= 0 && size_t(obj.PartnerIndex) < o.size())
                n[size_t(obj.PartnerIndex)] = positiv(obj.FrageNummer);
            break;
        default:
            if (texteingabe) {
                if (obj.Typ == objAbfrageBeschriftung || obj.Typ == objAbfrageLuecke || obj.Typ == objKreuzwortGitter)
                    n[i] = positiv(obj.AnzeigeNummer);
            } else if (IstAbfrageTyp(obj.Typ)) {
                n[i] = positiv(obj.AnzeigeNummer);
            }
            break;
        }
    }
    return n;
}

int NetzAbfragespalten(const Dokument &dok, bool texteingabe, int anzAbfragen)
{
    if (dok.Kopf.DokTyp == dokWoerterFinden || texteingabe)
        return 0;
    return std::max(0, anzAbfragen);
}

int NetzHoechsteLoesungsnummer(const std::vector<int> &nummern)
{
    return nummern.empty() ? 0 : std::max(0, *std::max_element(nummern.begin(), nummern.end()));
}

QString NetzLoesungText(const Dokument &dok, int index, const Normierung &normieren)
{
    const std::vector<ObjDataTyp> &o = dok.Objekte;
    if (index < 0 || size_t(index) >= o.size())
        return {};
    const ObjDataTyp &obj = o[size_t(index)];
    const int typ = dok.Kopf.DokTyp;
    if (typ == dokMultipleChoice) {
        const int frage = obj.FrageNummer;
        QStringList richtige;
        for (size_t i = 0; i + 1 < o.size(); ++i) {
            const ObjDataTyp &m = o[i];
            const ObjDataTyp &a = o[i + 1];
            if (m.Typ == kMCMarke && m.FrageNummer == frage && m.Cap == QLatin1String("+")
                && (a.Typ == kMCAntwortText || a.Typ == kMCAntwortBild))
                richtige << a.Cap;
        }
        return richtige.isEmpty() ? QStringLiteral("(keine)") : richtige.join(QStringLiteral(", "));
    }
    if ((typ == dokCluster && obj.Typ == kClusterKarteBild)
        || (typ == dokKreuzZuordnung && (obj.Typ == kKreuzBildText || obj.Typ == kKreuzBildBild)))
        return QStringLiteral("(Bild)");
    return normieren ? normieren(obj.Cap) : obj.Cap.trimmed();
}

QString NetzProtokollAufbauen(const Dokument &dok, const std::vector<int> &nummern,
                              const QStringList &einstellungsabschnitt, const Normierung &normieren)
{
    QStringList zeilen;
    zeilen << QStringLiteral("<tit>Netzwerk-Übung");
    zeilen << einstellungsabschnitt;
    zeilen << QStringLiteral("<tit>Lösungen");
    zeilen << QStringLiteral("Hinweise: Die Nummern dienen zur Zuordnung im Teilnehmerprotokoll am Lehrer-PC.");
    zeilen << QStringLiteral("Wenn in den Übungseinstellungen \"zufällig gemischt\" gewählt wurde, ist die "
                             "Nummerierung auf den Teilnehmer-PCs davon abweichend.");
    QStringList loesungen;
    const size_t anzahl = std::min(nummern.size(), dok.Objekte.size());
    for (size_t i = 0; i < anzahl; ++i) {
        const int n = nummern[i];
        if (n <= 0)
            continue;
        const QString nummer = dok.Kopf.NumArt == 1 ? NummerText(n, 1) : QString::number(n).rightJustified(4);
        loesungen << nummer + QStringLiteral(" - ") + NetzLoesungText(dok, int(i), normieren);
    }
    std::stable_sort(loesungen.begin(), loesungen.end(),
                     [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    for (const QString &l : loesungen)
        zeilen << l.trimmed();
    QString t;
    for (const QString &z : zeilen)
        t += z + QStringLiteral("\r\n");
    return t;
}

} // namespace kalumo
