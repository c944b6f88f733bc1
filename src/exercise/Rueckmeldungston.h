#pragma once
// The feedback sounds of an exercise: TonRichtig after a right answer,
// TonFalsch after a failed attempt. Both go through the Tonausgabe of the
// platform; missing or unplayable files are reported in error boxes and the
// run goes on. Without a sound device nothing is played and nothing shown.

#include "platform/Meldungen.h"
#include "platform/Tonausgabe.h"

#include <QString>

namespace kalumo {

struct TonEinstellungenTyp
{
    bool Tonausgabe = true;                                  // "&Tonausgabe"
    QString RichtigTonDatei = QStringLiteral("richtig1.wav"); // "Opt-Uebungsrueckmeldung-RichtigTonDatei"
    QString FalschTonDatei = QStringLiteral("falsch1.wav");   // "Opt-Uebungsrueckmeldung-FalschTonDatei"
    QString SoundOrdner;                                     // the program's sound folder
};

// A configured sound: its extension becomes ".wav"; a name without a folder
// is looked up in the sound folder.
QString TonDateiAufloesen(const QString &name, const QString &soundOrdner);

// After a right answer. eigeneDatei: the sound file of the card object,
// already resolved like a link (empty when it has none); it is played even
// with "Tonausgabe" off. Otherwise the configured success sound, without
// waiting.
void TonRichtig(Tonausgabe &ton, Meldungen &meldungen, const TonEinstellungenTyp &einst,
                const QString &eigeneDatei = QString());

// After a failed attempt: the configured failure sound, played to its end.
void TonFalsch(Tonausgabe &ton, Meldungen &meldungen, const TonEinstellungenTyp &einst);

} // namespace kalumo
