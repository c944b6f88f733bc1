#include "network/NetzTeilnehmer.h"

#include "network/NetzNachrichten.h"

#include <QRandomGenerator>

namespace kalumo {

QString NetzBeitrittTitel()
{
    return QStringLiteral("An Netzwerk-Übung teilnehmen");
}

QString NetzBeitrittWartenText()
{
    return QStringLiteral("Bitte warten...");
}

QString NetzNichtInitiiertText()
{
    return QStringLiteral("Netzwerk-Übung nicht initiiert. Bitte warten...");
}

QString NetzVerfuegbarText(const QString &titel)
{
    const QString t = titel.trimmed();
    return QStringLiteral("Netzwerk-Übung verfügbar: ") + (t.isEmpty() ? QStringLiteral("(kein Titel)") : t);
}

QString NetzKomOrdnerFehltText()
{
    return QStringLiteral("Der angegebene Kommunikationsordner ist nicht verfügbar. Wählen Sie zur Korrektur den "
                          "Menüpunkt \"Optionen/Kommunikationsordner...\"");
}

QString NetzNameFehltText()
{
    return QStringLiteral("Bitte Name oder Rechnernummer eintragen!");
}

QString NetzBeitrittImUebungsmodusText()
{
    return QStringLiteral("Um an einer Netzwerk-Übung teilnehmen zu können, muss die aktuelle Übung zunächst "
                          "beendet werden. Wählen Sie \"Übung abbrechen\", um die aktuelle Übung vorzeitig "
                          "abzubrechen.");
}

QString NetzBeitrittAmLehrerPCText()
{
    return QStringLiteral("Die Netzwerk-Übung wurde auf diesem Rechner initiiert. Die Teilnahme an der "
                          "Netzwerk-Übung muss an einem anderen Rechner erfolgen.");
}

QString NetzWiederholungAbgelehntText()
{
    return QStringLiteral("Eine Wiederholung der Netzwerk-Übung wurde nicht zugelassen.");
}

NetzBeitrittsstatus NetzBeitrittsstatusAnfang()
{
    return {false, NetzBeitrittWartenText(), qRgb(0, 0, 0)};
}

NetzBeitrittsstatus NetzBeitrittsstatusPruefen(const NetzPfade &p)
{
    HeaderDataTyp kopf;
    if (NetzUebungsdateienVorhanden(p) && KopfLesen(p.Dokument(), kopf))
        return {true, NetzVerfuegbarText(kopf.titel), qRgb(0, 128, 0)};
    return {false, NetzNichtInitiiertText(), qRgb(255, 0, 0)};
}

QString NetzTeilnehmerKennungErzeugen(QRandomGenerator &zufall)
{
    QString k;
    for (int i = 0; i < kNetzTeilnehmerKennungLaenge; ++i)
        k += QChar(u'A' + int(zufall.bounded(26)));
    return k;
}

bool NetzBeitrittDateienLesen(const NetzPfade &p, Dokument &dok, DokumentDienste &dienste, NetzUebEinstTyp &einst,
                              Meldungen &meldungen)
{
    if (!NetzUebungsdateienVorhanden(p))
        return false;
    if (!DokumentLesen(dok, dienste, p.Dokument(), true))
        return false;
    NetzUebEinstTyp gelesen;
    if (!NetzEinstellungsdateiLesen(p.Einstellungen(), gelesen)) {
        meldungen.Fehler(NetzEinlesefehlerText(p.Einstellungen()));
        return false;
    }
    einst = gelesen;
    return true;
}

NetzTeilnehmerVersand::NetzTeilnehmerVersand(const NetzKomTyp &kom, const QString &lehrerRechner,
                                             const QString &benutzer, const QString &rechner, Meldungen &meldungen,
                                             QRandomGenerator *zufall)
    : m_kom(kom), m_pfade(NetzPfadeVon(kom.Ordner, kom.Kanal)), m_benutzer(benutzer), m_rechner(rechner),
      m_meldungen(meldungen), m_zufall(zufall ? zufall : QRandomGenerator::global())
{
    if (NetzVerfahrenGueltig(kom.Verfahren) == netzVerfahrenOrdner) {
        m_absender = OrdnerAbsender(m_pfade.Ordner, [this] { return m_pfade.NachrichtendateiName(*m_zufall); });
    } else {
        // the participant sends from a port the system picks; it never binds the channel's port
        m_absender = UdpAbsender(lehrerRechner, NetzPort(kom.Kanal, kom.Basisport));
    }
}

NetzTeilnehmerVersand::~NetzTeilnehmerVersand() = default;

bool NetzTeilnehmerVersand::Senden(const QStringList &zeilen)
{
    const NetzUmschlag u{m_benutzer, m_rechner, NachrichtText(zeilen)};
    m_fehler.clear();
    if (NetzVerfahrenGueltig(m_kom.Verfahren) == netzVerfahrenOrdner) {
        if (m_absender->Senden(UmschlagAlsDatei(u), &m_fehler))
            return true;
        m_meldungen.Fehler(NetzDateifehlerText(m_fehler.isEmpty() ? m_pfade.Ordner : m_fehler));
        return false;
    }
    // a datagram that cannot be delivered is lost without notice
    return m_absender->Senden(UmschlagAlsDatagramm(u), &m_fehler);
}

} // namespace kalumo
