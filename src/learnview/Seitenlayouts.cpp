#include "learnview/Seitenlayouts.h"

#include "learnview/TextLayouts.h"

namespace kalumo {

namespace {

// The kinds the cloze family (cloze text and table) makes.
bool LueckentextArt(int t)
{
    return t == objAbfrageLuecke || t == objFalschwort || IstTabellenZelle(t);
}

bool KreuzwortArt(int t)
{
    return t == objKreuzwortGitter;
}

bool MCSeitenArt(int t)
{
    return IstNavKnopf(t) || t == objTextLabel || IstMCElement(t);
}

const Seitenlayout kBildseite{Seitenart::Bildseite};
const Seitenlayout kLueckentext{Seitenart::Lueckentext, Layoutschritt::UmDieObjekte, LayoutCloze, nullptr,
                                LueckentextArt};
const Seitenlayout kTabelle{Seitenart::Tabelle, Layoutschritt::UmDieObjekte, LayoutTable, nullptr, LueckentextArt};
const Seitenlayout kEinzelfragen{Seitenart::Einzelfragen, Layoutschritt::VorDemHintergrund, LayoutQuestions, nullptr,
                                 IstEinzelfragenart, true};
const Seitenlayout kMultipleChoice{Seitenart::MultipleChoice, Layoutschritt::VorDemHintergrund, LayoutMultipleChoice,
                                   nullptr, MCSeitenArt, true};
const Seitenlayout kCluster{Seitenart::Cluster, Layoutschritt::UmDieObjekte, LayoutClusterCards, DrawBaskets,
                            IstClusterElement};
const Seitenlayout kKreuzZuordnung{Seitenart::KreuzZuordnung, Layoutschritt::UmDieObjekte, LayoutCrossMatching,
                                   nullptr, IstKreuzElement};
const Seitenlayout kKreuzwortraetsel{Seitenart::Kreuzwortraetsel, Layoutschritt::UmDieObjekte, LayoutCrossword,
                                     nullptr, KreuzwortArt};
const Seitenlayout kWoerterFinden{Seitenart::WoerterFinden, Layoutschritt::UmDieObjekte, LayoutFindWords, nullptr,
                                  IstWortsucheElement};

} // namespace

const Seitenlayout &SeitenlayoutVon(const HeaderDataTyp &kopf)
{
    switch (kopf.DokTyp) {
    case dokLueckentext: return kopf.DokUnterTyp == subTabelle ? kTabelle : kLueckentext;
    case dokEinzelfragen: return kEinzelfragen;
    case dokMultipleChoice: return kMultipleChoice;
    case dokCluster: return kCluster;
    case dokKreuzZuordnung: return kKreuzZuordnung;
    case dokKreuzwortraetsel: return kKreuzwortraetsel;
    case dokWoerterFinden: return kWoerterFinden;
    }
    return kBildseite;
}

Seitenart SeitenartVon(const HeaderDataTyp &kopf)
{
    return SeitenlayoutVon(kopf).Art;
}

} // namespace kalumo
