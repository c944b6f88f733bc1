#include "exercise/TUebEinstDialoge.h"

#include "exercise/TUebOptForm.h"
#include "exercise/TUebOptFragenForm.h"
#include "exercise/TUebOptKorbForm.h"
#include "exercise/TUebOptKreuzverbindungForm.h"

namespace kalumo {

TUebEinstDialoge::TUebEinstDialoge(UebDialogeTyp &werte, QWidget *parent)
    : m_werte(werte),
      m_uebOpt(new TUebOptForm(parent)),
      m_fragen(new TUebOptFragenForm(parent)),
      m_korb(new TUebOptKorbForm(parent)),
      m_kreuz(new TUebOptKreuzverbindungForm(parent))
{
}

TUebEinstDialoge::~TUebEinstDialoge()
{
    // dialogs with a parent go with it
    for (TUebOptBasisForm *d : std::initializer_list<TUebOptBasisForm *>{m_uebOpt, m_fragen, m_korb, m_kreuz})
        if (!d->parent())
            delete d;
}

TUebOptBasisForm *TUebEinstDialoge::Dialog(int dokTyp) const
{
    switch (UebEinstDialog(dokTyp)) {
    case UebDialogArt::Fragen: return m_fragen;
    case UebDialogArt::Korb: return m_korb;
    case UebDialogArt::Kreuzverbindung: return m_kreuz;
    case UebDialogArt::UebOpt: break;
    }
    return m_uebOpt;
}

bool TUebEinstDialoge::Ausfuehren(int dokTyp, bool netzwerk)
{
    return Dialog(dokTyp)->Ausfuehren(m_werte, dokTyp, netzwerk);
}

} // namespace kalumo
