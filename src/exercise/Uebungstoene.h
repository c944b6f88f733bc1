#pragma once
// The feedback sounds of a run through the program's sound output: the
// Tondienst the window layer hands to an Uebung.

#include "exercise/Rueckmeldungston.h"
#include "exercise/UebungsDienste.h"

#include <functional>

namespace kalumo {

class Uebungstoene : public Tondienst
{
public:
    // aufloesen turns an object's own sound file into a path, as links are
    // resolved; without it the name is taken as it stands.
    Uebungstoene(Tonausgabe &ton, Meldungen &meldungen, const TonEinstellungenTyp &einst,
                 std::function<QString(const QString &)> aufloesen = {})
        : m_ton(ton), m_meldungen(meldungen), m_einst(einst), m_aufloesen(std::move(aufloesen))
    {
    }
    void TonRichtig(const QString &eigeneDatei) override
    {
        const QString datei = eigeneDatei.isEmpty() || !m_aufloesen ? eigeneDatei : m_aufloesen(eigeneDatei);
        kalumo::TonRichtig(m_ton, m_meldungen, m_einst, datei);
    }
    void TonFalsch() override { kalumo::TonFalsch(m_ton, m_meldungen, m_einst); }

private:
    Tonausgabe &m_ton;
    Meldungen &m_meldungen;
    const TonEinstellungenTyp &m_einst;
    std::function<QString(const QString &)> m_aufloesen;
};

} // namespace kalumo
