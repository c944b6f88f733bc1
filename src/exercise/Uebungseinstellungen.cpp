#include "exercise/Uebungseinstellungen.h"

#include <algorithm>

namespace kalumo {

UebEinstBlock UebEinstTyp::AlsBlock() const
{
    return {UebEinstSpeichern, RiFaRueckmeldung, ZuordnungRichtig, ZuordnungFalsch, Zuordnungstexte,
            Zuordnungsziele,   AbfrageModus,     Zeitlimit,        ZLimit,          AnzZeichenVorgeben};
}

UebEinstTyp UebEinstTyp::AusBlock(const UebEinstBlock &b)
{
    UebEinstTyp e;
    e.UebEinstSpeichern = b[0];
    e.RiFaRueckmeldung = b[1];
    e.ZuordnungRichtig = b[2];
    e.ZuordnungFalsch = b[3];
    e.Zuordnungstexte = b[4];
    e.Zuordnungsziele = b[5];
    e.AbfrageModus = b[6];
    e.Zeitlimit = b[7];
    e.ZLimit = b[8];
    e.AnzZeichenVorgeben = b[9];
    return e;
}

UebEinstTyp UebEinstBereinigt(UebEinstTyp e)
{
    const UebEinstTyp v;
    auto bereich = [](int &wert, int max, int vorgabe) {
        if (wert < 0 || wert > max)
            wert = vorgabe;
    };
    bereich(e.UebEinstSpeichern, 2, v.UebEinstSpeichern);
    bereich(e.RiFaRueckmeldung, 1, v.RiFaRueckmeldung);
    bereich(e.ZuordnungRichtig, 2, v.ZuordnungRichtig);
    bereich(e.ZuordnungFalsch, 2, v.ZuordnungFalsch);
    bereich(e.Zuordnungstexte, 1, v.Zuordnungstexte);
    bereich(e.Zuordnungsziele, 2, v.Zuordnungsziele);
    bereich(e.AbfrageModus, 3, v.AbfrageModus);
    bereich(e.Zeitlimit, 2, v.Zeitlimit);
    bereich(e.AnzZeichenVorgeben, 1, v.AnzZeichenVorgeben);
    e.ZLimit = std::max(0, e.ZLimit);
    return e;
}

UebDialogArt UebEinstDialog(int dokTyp)
{
    switch (dokTyp) {
    case dokEinzelfragen:
    case dokMultipleChoice: return UebDialogArt::Fragen;
    case dokCluster: return UebDialogArt::Korb;
    case dokKreuzZuordnung:
    case dokWoerterFinden: return UebDialogArt::Kreuzverbindung;
    default: return UebDialogArt::UebOpt;
    }
}

QString UebDialogTitel(int dokTyp, bool netzwerk)
{
    QString titel;
    switch (UebEinstDialog(dokTyp)) {
    case UebDialogArt::Fragen:
        titel = QStringLiteral("Übungseinstellungen für Einzelfragen und Multiple-Choice-Fragen");
        break;
    case UebDialogArt::Korb: titel = QStringLiteral("Übungseinstellungen für Cluster-Übung"); break;
    case UebDialogArt::Kreuzverbindung:
        titel = dokTyp == dokKreuzZuordnung ? QStringLiteral("Übungseinstellungen für Über-Kreuz-Zuordnung")
                                            : QStringLiteral("Übungseinstellungen für \"Wörter etc. finden\"");
        break;
    case UebDialogArt::UebOpt:
        titel = QStringLiteral("Übungseinstellungen für Text-Bild- / Bild-Text-Zuordnung und Lückentext");
        break;
    }
    return netzwerk ? QStringLiteral("Netzwerk-") + titel : titel;
}

int ZeitfeldWert(const QString &feld)
{
    bool ok = false;
    const int n = feld.trimmed().toInt(&ok);
    return ok ? std::clamp(n, 0, 59) : 0;
}

int ZLimitSekunden(const QString &min, const QString &sek)
{
    return ZeitfeldWert(min) * 60 + ZeitfeldWert(sek);
}

namespace {

int Radio(int wert, int anzahl, int vorgabe)
{
    return (wert >= 0 && wert < anzahl) ? wert : vorgabe;
}

} // namespace

UebEinstTyp EinstellungenAusDialogen(const UebDialogeTyp &d, int dokTyp, const UebEinstTyp &bisher)
{
    UebEinstTyp e = bisher;
    switch (UebEinstDialog(dokTyp)) {
    case UebDialogArt::Fragen: {
        const UebOptFragenTyp &f = d.UebOptFragen;
        e.ZuordnungFalsch = Radio(f.ZuordnungFalsch, 3, 0);
        e.Zuordnungstexte = Radio(f.Zuordnungstexte, 2, 1);
        e.Zuordnungsziele = Radio(f.Zuordnungsziele, 2, 1);
        e.Zeitlimit = Radio(f.Zeitlimit, 3, 0);
        e.ZLimit = ZLimitSekunden(f.ZLimitMin, f.ZLimitSek);
        e.ZuordnungRichtig = 0;
        e.AbfrageModus = abfFrei;
        e.AnzZeichenVorgeben = 0;
        break;
    }
    case UebDialogArt::Korb: {
        const UebOptKorbTyp &k = d.UebOptKorb;
        e.AbfrageModus = Radio(k.AbfrageModus, 2, 0);
        e.Zeitlimit = Radio(k.Zeitlimit, 3, 0);
        e.ZLimit = ZLimitSekunden(k.ZLimitMin, k.ZLimitSek);
        e.ZuordnungRichtig = 0;
        e.ZuordnungFalsch = 0;
        e.Zuordnungstexte = 1;
        e.Zuordnungsziele = 2;
        e.AnzZeichenVorgeben = 0;
        break;
    }
    case UebDialogArt::Kreuzverbindung: {
        const UebOptKreuzTyp &k = d.UebOptKreuz;
        e.Zeitlimit = Radio(k.Zeitlimit, 3, 0);
        e.ZLimit = ZLimitSekunden(k.ZLimitMin, k.ZLimitSek);
        e.ZuordnungRichtig = 0;
        e.ZuordnungFalsch = 0;
        e.Zuordnungstexte = 1;
        e.Zuordnungsziele = 2;
        e.AnzZeichenVorgeben = 0;
        e.AbfrageModus = Radio(e.AbfrageModus, 4, 0); // keeps its value
        break;
    }
    case UebDialogArt::UebOpt: {
        const UebOptTyp &u = d.UebOpt;
        e.ZuordnungRichtig = Radio(u.ZuordnungRichtig, 3, 0);
        e.ZuordnungFalsch = Radio(u.ZuordnungFalsch, 3, 0);
        e.Zuordnungstexte = Radio(u.Zuordnungstexte, 2, 1);
        e.Zuordnungsziele = Radio(u.Zuordnungsziele, 3, 1);
        e.AbfrageModus = Radio(u.AbfrageModus, 4, 0);
        e.Zeitlimit = Radio(u.Zeitlimit, 3, 0);
        e.ZLimit = ZLimitSekunden(u.ZLimitMin, u.ZLimitSek);
        e.AnzZeichenVorgeben = u.AnzZeichenVorgeben ? 1 : 0;
        break;
    }
    }
    e.RiFaRueckmeldung = 0;
    return e;
}

void SerienVorgabenAnwenden(UebEinstTyp &e, int dokTyp, const SerienVorgaben &serie)
{
    if (!serie.Vorhanden)
        return;
    if (serie.ZeitlimitMinuten > 0) {
        e.Zeitlimit = zlMitLimit;
        e.ZLimit = serie.ZeitlimitMinuten * 60;
    } else {
        e.Zeitlimit = zlOhneMitUhr;
    }
    if (serie.DokumentHatEinstellungen)
        return;
    const bool zuordnung = dokTyp == dokBildbeschriftung || dokTyp == dokLueckentext || dokTyp == dokCluster
                           || dokTyp == dokKreuzwortraetsel;
    e.AbfrageModus = zuordnung ? std::clamp(serie.AbfrageModus, 0, 3) : abfFrei;
    if ((dokTyp >= dokBildbeschriftung && dokTyp <= dokMultipleChoice) || dokTyp == dokKreuzwortraetsel) {
        e.ZuordnungRichtig = std::clamp(serie.ZuordnungRichtig, 0, 2);
        e.ZuordnungFalsch = std::clamp(serie.ZuordnungFalsch, 0, 2);
        e.Zuordnungstexte = 0;
        e.Zuordnungsziele = 1;
    } else {
        e.ZuordnungRichtig = 0;
        e.ZuordnungFalsch = 0;
    }
}

void EinstellungenInDialoge(const UebEinstTyp &e, UebDialogeTyp &d)
{
    auto radio = [](int &feld, int wert, int anzahl) {
        if (wert >= 0 && wert < anzahl)
            feld = wert;
    };
    auto zeit = [&](int &zeitlimit, QString &min, QString &sek) {
        radio(zeitlimit, e.Zeitlimit, 3);
        const int z = std::max(0, e.ZLimit);
        min = QString::number(std::min(z / 60, 59));
        sek = QString::number(z % 60);
    };
    UebOptTyp &u = d.UebOpt;
    radio(u.AbfrageModus, e.AbfrageModus, 4);
    zeit(u.Zeitlimit, u.ZLimitMin, u.ZLimitSek);
    radio(u.ZuordnungRichtig, e.ZuordnungRichtig, 3);
    radio(u.ZuordnungFalsch, e.ZuordnungFalsch, 3);
    radio(u.Zuordnungstexte, e.Zuordnungstexte, 2);
    radio(u.Zuordnungsziele, e.Zuordnungsziele, 3);
    u.AnzZeichenVorgeben = e.AnzZeichenVorgeben != 0;
    radio(u.RiFaRueckmeldung, e.RiFaRueckmeldung, 2);

    UebOptKorbTyp &k = d.UebOptKorb;
    radio(k.AbfrageModus, e.AbfrageModus, 2);
    zeit(k.Zeitlimit, k.ZLimitMin, k.ZLimitSek);

    UebOptKreuzTyp &x = d.UebOptKreuz;
    zeit(x.Zeitlimit, x.ZLimitMin, x.ZLimitSek);

    UebOptFragenTyp &f = d.UebOptFragen;
    radio(f.ZuordnungFalsch, e.ZuordnungFalsch, 3);
    radio(f.Zuordnungstexte, e.Zuordnungstexte, 2);
    radio(f.Zuordnungsziele, e.Zuordnungsziele, 2);
    zeit(f.Zeitlimit, f.ZLimitMin, f.ZLimitSek);
}

void UebEinstDokumentGelesen(UebDialogeTyp &d, const UebEinstBlock &block, bool inDialoge)
{
    if (inDialoge)
        EinstellungenInDialoge(UebEinstTyp::AusBlock(block), d);
}

std::array<qint32, kUebEinstAnzahl - 1> UebEinstFuerDokument(const UebDialogeTyp &d, const HeaderDataTyp &kopf)
{
    const UebEinstBlock b = EinstellungenAusDialogen(d, kopf.DokTyp).AlsBlock();
    std::array<qint32, kUebEinstAnzahl - 1> neun{};
    std::copy(b.begin() + 1, b.end(), neun.begin());
    return neun;
}

UebEinstTyp UebEinstVorgabe(int dokTyp)
{
    return EinstellungenAusDialogen(UebDialogeTyp(), dokTyp);
}

} // namespace kalumo
