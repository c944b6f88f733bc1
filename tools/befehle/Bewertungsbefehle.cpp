// Grading and best lists: grade, hsc-dump.

#include "Befehle.h"
#include "BewertungJson.h"
#include "platform/Meldungen.h"

#include <QFileInfo>

using namespace kalumo;

namespace {

int grade(const QStringList &a)
{
    if (a.size() < 2)
        return Gebrauch();
    const std::optional<double> quote = Quote(a[0]);
    bool ok = false;
    const int skala = a[1].toInt(&ok);
    if (!quote || !ok)
        return Gebrauch();
    NotenskalaTyp s;
    for (qsizetype i = 2; i < a.size(); ++i) {
        const std::optional<bool> option = NotenskalaOption(a, i, s);
        if (!option || !*option)
            return Gebrauch();
    }
    if (skala < 0 || skala >= kSkalenAnzahl) {
        StderrMeldungen().Fehler(QStringLiteral("Unbekannte Bewertungsskala ") + a[1]
                                 + QStringLiteral(" (bekannt sind 0 bis 4)."));
        return 1;
    }
    s.BewertSkala = skala;
    Ausgeben(NoteJson(*quote, s).Text());
    return 0;
}

int hscDump(const QStringList &a)
{
    if (a.size() != 1)
        return Gebrauch();
    const QString &pfad = a[0];
    StderrMeldungen meldungen;
    if (!QFileInfo::exists(pfad)) {
        meldungen.Information(BestenlisteLeerText(BestenlisteArt::Individual));
        return 1;
    }
    // one attempt: a script reads a list nobody is writing at the moment
    BestenlisteInhalt inhalt;
    if (!BestenlisteDateiLesen(pfad, inhalt)) {
        meldungen.Fehler(BestenlisteLesefehlerText(pfad, BestenlisteArt::Individual));
        return 1;
    }
    Ausgeben(BestenlisteJson(inhalt).Text());
    return 0;
}

const KalumoBefehl befehlGrade("grade", "grade QUOTE SKALA [--note q1,…,q5] [--punkte q1,…,q15]", grade);
const KalumoBefehl befehlHscDump("hsc-dump", "hsc-dump DATEI.hsc", hscDump);

} // namespace
