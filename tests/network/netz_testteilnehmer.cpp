// A participant computer for the tests: joins the exercise of a channel as
// a separate process and sends what a run sends. The computer and user
// names come from KALUMO_RECHNERNAME and KALUMO_BENUTZER.
//
//   netz_testteilnehmer FOLDER CHANNEL METHOD NAME ANSWERS ENDE [BASEPORT]
//
// ANSWERS judged answers (object i, solved at the first attempt), then
// TN-FERTIG with ENDE (1 fertig, 2 abgebr., 3 timeout) and, for 1 and 3,
// TN-BESTLIST. Prints the participant's identifier. Exit status 1 when the
// exercise is not open for joining, 2 on wrong usage.

#include "network/NetzDateien.h"
#include "network/NetzNachrichten.h"
#include "network/NetzTeilnehmer.h"
#include "platform/Datumswert.h"
#include "platform/Meldungen.h"
#include "platform/Rechner.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QThread>
#include <QTime>

#include <cstdio>

using namespace kalumo;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments().mid(1);
    if (a.size() < 6)
        return 2;
    NetzKomTyp kom;
    kom.Ordner = a[0];
    kom.Kanal = a[1];
    kom.Verfahren = a[2].toInt();
    if (a.size() > 6)
        kom.Basisport = a[6].toInt();
    const QString name = a[3];
    const int antworten = a[4].toInt();
    const int ende = a[5].toInt();

    const NetzPfade p = NetzPfadeVon(kom.Ordner, kom.Kanal);
    NetzUebEinstTyp einst;
    if (!NetzUebungsdateienVorhanden(p) || !NetzEinstellungsdateiLesen(p.Einstellungen(), einst))
        return 1;

    StderrMeldungen meldungen;
    NetzTeilnehmerVersand versand(kom, einst.NetzKennung, Rechnerbenutzer(), Rechnername(), meldungen);
    QRandomGenerator zufall(quint32(QCoreApplication::applicationPid()));
    const QString kennung = NetzTeilnehmerKennungErzeugen(zufall);
    const QString beginn = NetzZeitText(QTime::currentTime());
    versand.Senden(TnInitZeilen({kennung, name, beginn}));
    for (int i = 0; i < antworten; ++i) {
        TnAktionWerte w;
        w.TeilnehmerKennung = kennung;
        w.Objekt = i;
        w.Abgedeckt = 0;
        w.StartZeit = beginn;
        w.AnzAbfragen = antworten;
        w.Richtig = i + 1;
        w.OffenePositionen = antworten - i - 1;
        w.EndeGrund = w.OffenePositionen == 0 && ende == endeFertig ? endeFertig : endeLaeuft;
        w.Uhr = QStringLiteral("00:%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        w.Erfolgsquote = 1.0;
        w.Gesamtleistung = double(i + 1) / antworten;
        w.Note = 1;
        versand.Senden(TnAktionZeilen(w));
    }
    QThread::msleep(20);
    versand.Senden(TnFertigZeilen({kennung, ende, QStringLiteral("00:30")}));
    if (ende == endeFertig || ende == endeZeitlimit) {
        QThread::msleep(20);
        versand.Senden(TnBestlistZeilen({kennung, name, Rechnername(), DatumswertJetzt(), 30000, 1.0},
                                        SystemDezimaltrenner()));
    }
    std::printf("%s\n", kennung.toLatin1().constData());
    return 0;
}
