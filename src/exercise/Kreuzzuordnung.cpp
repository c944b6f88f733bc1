#include "exercise/Kreuzzuordnung.h"

#include "learnview/Objektarten.h"

#include <utility>
#include <vector>

namespace kalumo {

namespace {

// More passes than this and the arrangement is taken as it is; a real
// derangement is found within a handful.
constexpr int kMaxDurchgaenge = 10000;

class Permutation
{
public:
    Permutation(Dokument &dok, Zufall &zufall) : m_dok(dok), m_zufall(zufall)
    {
        for (int i = 0; i < int(dok.Objekte.size()); ++i)
            if (IstKreuzElement(dok.Objekte[size_t(i)].Typ))
                m_elemente.push_back(i);
        m_zeilen = int(m_elemente.size()) / 4;
    }

    // The last element in object order that carries the pair number, or -1.
    int MitNummer(int nummer) const
    {
        int gefunden = -1;
        for (int i : m_elemente) {
            const ObjDataTyp &o = m_dok.Objekte[size_t(i)];
            if ((o.Typ == 51 || o.Typ == 53) && o.FrageNummer == nummer)
                gefunden = i;
        }
        return gefunden;
    }

    // Exchanges the Ky of the elements numbered a and b.
    bool Tauschen(int a, int b)
    {
        const int x = MitNummer(a), y = MitNummer(b);
        if (x < 0 || y < 0)
            return false;
        std::swap(Obj(x).Ky, Obj(y).Ky);
        return true;
    }

    // Three columns: the second pairs follow the rows of the elements a and b.
    void ZweitePaareMitnehmen(int a, int b)
    {
        const int za = Zeile(MitNummer(a)), zb = Zeile(MitNummer(b));
        if (za < 0 || zb < 0 || za == zb)
            return;
        const int zwillingA = Zweites(za, 0), zwillingB = Zweites(zb, 0);
        const int drittA = Zweites(za, 1), drittB = Zweites(zb, 1);
        if (zwillingA >= 0 && zwillingB >= 0)
            std::swap(Obj(zwillingA).Ky, Obj(zwillingB).Ky);
        if (drittA >= 0 && drittB >= 0) {
            std::swap(Obj(drittA).Ky, Obj(drittB).Ky);
            std::swap(Obj(drittA).Sy, Obj(drittB).Sy);
        }
    }

    // Whether an element numbered von .. bis stands in its partner's row.
    bool NebenPartner(int von, int bis) const
    {
        for (int i : m_elemente) {
            const ObjDataTyp &o = m_dok.Objekte[size_t(i)];
            if ((o.Typ == 51 || o.Typ == 53) && o.FrageNummer >= von && o.FrageNummer <= bis && o.Ky == o.Sy)
                return true;
        }
        return false;
    }

    int Random(int n) { return m_zufall.Random(n); }

private:
    ObjDataTyp &Obj(int i) { return m_dok.Objekte[size_t(i)]; }

    // The table row of a first-pair element (two per row at the start).
    int Zeile(int objekt) const
    {
        for (int k = 0; k < 2 * m_zeilen && k < int(m_elemente.size()); ++k)
            if (m_elemente[size_t(k)] == objekt)
                return k / 2;
        return -1;
    }

    // Element welches (0 the second column-2 element, 1 column 3) of the
    // second pair of a row.
    int Zweites(int zeile, int welches) const
    {
        const size_t k = size_t(2 * m_zeilen + 2 * zeile + welches);
        return k < m_elemente.size() ? m_elemente[k] : -1;
    }

    Dokument &m_dok;
    Zufall &m_zufall;
    std::vector<int> m_elemente;
    int m_zeilen = 0;
};

} // namespace

int KreuzAbfragenZaehlen(const Dokument &dok)
{
    int n = 0;
    for (const ObjDataTyp &o : dok.Objekte)
        if (o.Typ == 51 || o.Typ == 53)
            ++n;
    return n / 2;
}

void KreuzElementePermutieren(Dokument &dok, int abfragen, Zufall &zufall)
{
    if (dok.Kopf.DokTyp != dokKreuzZuordnung || abfragen < 1)
        return;
    Permutation p(dok, zufall);
    if (dok.Kopf.LueckenTabelleSpalten < 3) {
        const int c = abfragen;
        for (int durchgang = 0; durchgang < kMaxDurchgaenge; ++durchgang) {
            for (int j = 1; j <= c; ++j)
                p.Tauschen(j, p.Random(c) + 1);
            if (c == 1 || !p.NebenPartner(1, c))
                break;
        }
        return;
    }
    const int k = abfragen / 2;
    if (k < 1)
        return;
    for (int durchgang = 0; durchgang < kMaxDurchgaenge; ++durchgang) {
        for (int j = 1; j <= k; ++j) {
            const int a = p.Random(k) + 1;
            if (p.Tauschen(j, a))
                p.ZweitePaareMitnehmen(j, a);
        }
        if (k == 1 || !p.NebenPartner(1, k))
            break;
    }
    for (int durchgang = 0; durchgang < kMaxDurchgaenge; ++durchgang) {
        for (int j = k + 1; j <= 2 * k; ++j)
            p.Tauschen(j, k + p.Random(k) + 1);
        if (k == 1 || !p.NebenPartner(k + 1, 2 * k))
            break;
    }
}

void KreuzElementePermutieren(Dokument &dok, Zufall &zufall)
{
    KreuzElementePermutieren(dok, KreuzAbfragenZaehlen(dok), zufall);
}

} // namespace kalumo
