// Numbering of the query fields: question marks, ordered or random numbers,
// shown as digits or letters.

#include "learnview/Lernansicht.h"
#include "learnview/Objektarten.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <numeric>
#include <random>

namespace kalumo {

std::uint32_t SaatAusDerUhr()
{
    static std::atomic<std::uint32_t> zaehler{0};
    const auto jetzt = std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count())
                       ^ std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
    // a counter with an odd step spreads the seeds of calls in the same tick
    const std::uint32_t n = zaehler.fetch_add(1) * 0x9E3779B9u;
    return std::uint32_t(jetzt) ^ std::uint32_t(jetzt >> 32) ^ n;
}

QString Lernansicht::NumberText(int index) const
{
    if (index < 0 || index >= int(m_dok.Objekte.size()))
        return QStringLiteral("?");
    return NummerText(m_dok.Objekte[size_t(index)].AnzeigeNummer, m_dok.Kopf.NumArt);
}

QString NummerText(int nummer, int numArt)
{
    if (nummer < 1)
        return QStringLiteral("?");
    if (numArt == 1)
        return QString(QChar(u'A' + (nummer - 1) % 26)) + QString((nummer - 1) / 26, QLatin1Char('\''));
    return QString::number(nummer);
}

void Lernansicht::AssignNumbers(int modus, bool neuAufbauen)
{
    NummerierungsModus = std::clamp(modus, 0, 2);
    modus = NummerierungsModus;
    std::vector<ObjDataTyp> &objekte = m_dok.Objekte;
    const int dokTyp = m_dok.Kopf.DokTyp;

    std::vector<int> liste;
    for (int i = 0; i < int(objekte.size()); ++i) {
        const ObjDataTyp &o = objekte[size_t(i)];
        if (dokTyp == dokMultipleChoice) {
            if (o.Typ == objMCMarke)
                liste.push_back(i);
        } else if (dokTyp == dokEinzelfragen) {
            if (o.Typ == objFrageAntwort && Zeichenbar(o))
                liste.push_back(i);
        } else if (IstNummerierbar(o.Typ) && Zeichenbar(o)) {
            liste.push_back(i);
        }
    }

    auto zufallsposition = [this](size_t n) {
        return size_t(std::uniform_int_distribution<size_t>(0, n - 1)(m_zufall));
    };
    if (dokTyp != dokMultipleChoice) {
        if (modus == numGeordnet) {
            // a stable sort: equal keys keep their index order
            if (m_dok.Kopf.GeordnetArt != 0) {
                std::stable_sort(liste.begin(), liste.end(), [&](int a, int b) {
                    return objekte[size_t(a)].Cap.compare(objekte[size_t(b)].Cap, Qt::CaseInsensitive) < 0;
                });
            } else {
                std::stable_sort(liste.begin(), liste.end(), [&](int a, int b) {
                    const ObjDataTyp &x = objekte[size_t(a)], &y = objekte[size_t(b)];
                    if (x.Ky != y.Ky)
                        return x.Ky < y.Ky;
                    return x.Kx < y.Kx;
                });
            }
        } else if (modus == numZufaellig && !liste.empty()) {
            for (size_t i = 0; i < liste.size(); ++i)
                std::swap(liste[i], liste[zufallsposition(liste.size())]);
        }
    }

    // the answer marks of a multiple-choice question are numbered within it
    std::map<int, std::vector<int>> folgen;
    std::map<int, size_t> naechste;
    for (size_t pos = 0; pos < liste.size(); ++pos) {
        ObjDataTyp &o = objekte[size_t(liste[pos])];
        if (IstAbfragefeld(o.Typ)) {
            o.AnzeigeNummer = modus == numFragezeichen ? 0 : int(pos) + 1;
        } else if (o.Typ == objMCMarke) {
            auto gefunden = folgen.find(o.FrageNummer);
            if (gefunden == folgen.end()) {
                std::vector<int> folge(size_t(std::clamp(o.AntwortAnz, 0, kMaxAntworten)));
                std::iota(folge.begin(), folge.end(), 1);
                if (modus == numZufaellig)
                    for (size_t i = 0; i < folge.size(); ++i)
                        std::swap(folge[i], folge[zufallsposition(folge.size())]);
                gefunden = folgen.emplace(o.FrageNummer, std::move(folge)).first;
                naechste[o.FrageNummer] = 0;
            }
            size_t &n = naechste[o.FrageNummer];
            o.AnzeigeNummer = (modus != numFragezeichen && n < gefunden->second.size()) ? gefunden->second[n] : 0;
            ++n;
        } else if (o.Typ == objFrageAntwort) {
            o.AnzeigeNummer = 0;
        } else {
            o.AnzeigeNummer = -1;
            o.Abgedeckt = abgAufgedeckt;
        }
    }
    if (neuAufbauen)
        RebuildView();
}

} // namespace kalumo
