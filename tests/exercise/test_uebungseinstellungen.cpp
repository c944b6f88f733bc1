#include "exercise/Uebungseinstellungen.h"
#include "platform/Einstellungsspeicher.h"

#include <gtest/gtest.h>

#include <type_traits>

using namespace kalumo;

TEST(Uebungseinstellungen, VorgabenJeDokumenttyp)
{
    // the dialog defaults taken over: ZuordnungRichtig .. AnzZeichenVorgeben
    struct Fall
    {
        int dokTyp;
        UebDialogArt dialog;
        std::array<int, 9> werte; // RiFa, ZR, ZF, Texte, Ziele, Modus, Zeitlimit, ZLimit, AnzZeichen
    };
    const Fall faelle[] = {
        {dokBildbeschriftung, UebDialogArt::UebOpt, {0, 0, 0, 1, 1, 0, 0, 180, 0}},
        {dokLueckentext, UebDialogArt::UebOpt, {0, 0, 0, 1, 1, 0, 0, 180, 0}},
        {dokKreuzwortraetsel, UebDialogArt::UebOpt, {0, 0, 0, 1, 1, 0, 0, 180, 0}},
        {dokEinzelfragen, UebDialogArt::Fragen, {0, 0, 0, 1, 1, 0, 0, 180, 0}},
        {dokMultipleChoice, UebDialogArt::Fragen, {0, 0, 0, 1, 1, 0, 0, 180, 0}},
        {dokCluster, UebDialogArt::Korb, {0, 0, 0, 1, 2, 0, 0, 180, 0}},
        {dokKreuzZuordnung, UebDialogArt::Kreuzverbindung, {0, 0, 0, 1, 2, 0, 0, 180, 0}},
        {dokWoerterFinden, UebDialogArt::Kreuzverbindung, {0, 0, 0, 1, 2, 0, 0, 180, 0}},
    };
    for (const Fall &f : faelle) {
        EXPECT_EQ(UebEinstDialog(f.dokTyp), f.dialog) << f.dokTyp;
        const UebEinstBlock b = UebEinstVorgabe(f.dokTyp).AlsBlock();
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(b[size_t(i + 1)], f.werte[size_t(i)]) << "Typ " << f.dokTyp << ", Wert " << i + 2;
    }
    EXPECT_EQ(UebDialogTitel(dokKreuzZuordnung), QStringLiteral("Übungseinstellungen für Über-Kreuz-Zuordnung"));
    EXPECT_EQ(UebDialogTitel(dokWoerterFinden, true),
              QStringLiteral("Netzwerk-Übungseinstellungen für \"Wörter etc. finden\""));
}

TEST(Uebungseinstellungen, JederDialogSetztNurSeineWerte)
{
    UebDialogeTyp d;
    d.UebOpt = {3, 1, "2", "5", 1, 1, 0, 2, true};
    d.UebOptFragen = {1, 0, 1, "1", "30", 0};
    d.UebOptKorb = {1, 2, "0", "45"};
    d.UebOptKreuz = {1, "10", "0"};
    UebEinstTyp bisher;
    bisher.AbfrageModus = 2;
    bisher.RiFaRueckmeldung = 1;

    const UebEinstTyp zuordnung = EinstellungenAusDialogen(d, dokBildbeschriftung, bisher);
    EXPECT_EQ(zuordnung.AlsBlock(), (UebEinstBlock{1, 0, 1, 1, 0, 2, 3, 1, 125, 1}));
    const UebEinstTyp fragen = EinstellungenAusDialogen(d, dokMultipleChoice, bisher);
    EXPECT_EQ(fragen.AlsBlock(), (UebEinstBlock{1, 0, 0, 1, 0, 0, 0, 1, 90, 0}));
    const UebEinstTyp korb = EinstellungenAusDialogen(d, dokCluster, bisher);
    EXPECT_EQ(korb.AlsBlock(), (UebEinstBlock{1, 0, 0, 0, 1, 2, 1, 2, 45, 0}));
    // cross matching keeps the query mode it had
    const UebEinstTyp kreuz = EinstellungenAusDialogen(d, dokKreuzZuordnung, bisher);
    EXPECT_EQ(kreuz.AlsBlock(), (UebEinstBlock{1, 0, 0, 0, 1, 2, 2, 1, 600, 0}));
}

TEST(Uebungseinstellungen, DokumentwerteInDieDialoge)
{
    UebDialogeTyp d;
    // text input stored in a document: TUebOptForm shows it, the cluster
    // dialog (two items) keeps its own
    EinstellungenInDialoge(UebEinstTyp::AusBlock({1, 0, 1, 1, 0, 0, 3, 1, 754, 1}), d);
    EXPECT_EQ(d.UebOpt.AbfrageModus, 3);
    EXPECT_EQ(d.UebOpt.ZLimitMin, QStringLiteral("12"));
    EXPECT_EQ(d.UebOpt.ZLimitSek, QStringLiteral("34"));
    EXPECT_TRUE(d.UebOpt.AnzZeichenVorgeben);
    EXPECT_EQ(d.UebOptKorb.AbfrageModus, 0);
    EXPECT_EQ(d.UebOptKorb.Zeitlimit, 1);
    EXPECT_EQ(d.UebOptKreuz.ZLimitMin, QStringLiteral("12"));
    EXPECT_EQ(d.UebOptFragen.ZuordnungFalsch, 1);
    EXPECT_EQ(d.UebOptFragen.Zuordnungsziele, 0);

    // a later document without stored settings keeps the dialogs as they are
    UebEinstDokumentGelesen(d, UebEinstTyp().AlsBlock(), false);
    EXPECT_EQ(d.UebOpt.AbfrageModus, 3);

    // values outside a radio group leave the group alone
    EinstellungenInDialoge(UebEinstTyp::AusBlock({1, 0, 7, -1, 5, 9, 44, 8, -30, 0}), d);
    EXPECT_EQ(d.UebOpt.AbfrageModus, 3);
    EXPECT_EQ(d.UebOpt.ZuordnungRichtig, 1);
    EXPECT_EQ(d.UebOpt.Zeitlimit, 1);
    EXPECT_EQ(d.UebOpt.ZLimitMin, QStringLiteral("0"));
}

TEST(Uebungseinstellungen, DokumentSpeichertDieNeunWerteSeinesDialogs)
{
    UebDialogeTyp d;
    d.UebOptFragen.ZuordnungFalsch = 1;
    d.UebOptFragen.ZLimitMin = "1";
    HeaderDataTyp kopf;
    kopf.DokTyp = dokEinzelfragen;
    EXPECT_EQ(UebEinstFuerDokument(d, kopf), (std::array<qint32, 9>{0, 0, 1, 1, 1, 0, 0, 60, 0}));
}

TEST(Uebungseinstellungen, SerieUeberschreibtWasDasDokumentNichtBringt)
{
    SerienVorgaben s;
    s.Vorhanden = true;
    s.AbfrageModus = 2;
    s.ZuordnungRichtig = 1;
    s.ZuordnungFalsch = 1;
    s.ZeitlimitMinuten = 4;
    UebEinstTyp e = UebEinstVorgabe(dokLueckentext);
    SerienVorgabenAnwenden(e, dokLueckentext, s);
    EXPECT_EQ(e.AlsBlock(), (UebEinstBlock{1, 0, 1, 1, 0, 1, 2, 1, 240, 0}));

    UebEinstTyp kreuz = UebEinstVorgabe(dokKreuzZuordnung);
    SerienVorgabenAnwenden(kreuz, dokKreuzZuordnung, s);
    EXPECT_EQ(kreuz.AbfrageModus, 0);
    EXPECT_EQ(kreuz.ZuordnungFalsch, 0);

    // a document with stored settings keeps them; only the time limit is the series'
    s.DokumentHatEinstellungen = true;
    s.ZeitlimitMinuten = 0;
    UebEinstTyp eigen = UebEinstVorgabe(dokBildbeschriftung);
    eigen.Zeitlimit = 1;
    SerienVorgabenAnwenden(eigen, dokBildbeschriftung, s);
    EXPECT_EQ(eigen.AbfrageModus, 0);
    EXPECT_EQ(eigen.Zeitlimit, 0);
}

TEST(Uebungseinstellungen, SchluesselUndSchreibweise)
{
    UebDialogeTyp d;
    d.UebOpt.Zeitlimit = 2;
    d.UebOptKorb.ZLimitSek = "15";
    EinstellungsspeicherImSpeicher s;
    JedeUebEinstellung(d, [&s](const QString &name, const auto &wert) { s.setzen(name, wert); });
    // the time-limit index of TUebOptForm is written as "UebOpt-ZeitLimit"
    EXPECT_TRUE(s.Namen().contains(QStringLiteral("UebOpt-ZeitLimit")));
    EXPECT_EQ(s.Namen().size(), 19);
    EXPECT_EQ(s.Int(QStringLiteral("uebopt-zeitlimit"), 0), 2);
    EXPECT_EQ(s.Text(QStringLiteral("UebOptKorb-ZLimitSek"), {}), QStringLiteral("15"));

    // read back, whatever the spelling of the stored names
    EinstellungsspeicherImSpeicher alt;
    alt.setzen("UEBOPT-ZEITLIMIT", 1);
    alt.setzen("ueboptfragen-zuordnungsziele", 0);
    UebDialogeTyp g;
    JedeUebEinstellung(g, [&alt](const QString &name, auto &wert) {
        using T = std::decay_t<decltype(wert)>;
        if constexpr (std::is_same_v<T, bool>)
            wert = alt.Bool(name, wert);
        else if constexpr (std::is_same_v<T, int>)
            wert = alt.Int(name, wert);
        else
            wert = alt.Text(name, wert);
    });
    EXPECT_EQ(g.UebOpt.Zeitlimit, 1);
    EXPECT_EQ(g.UebOptFragen.Zuordnungsziele, 0);
}

TEST(Uebungseinstellungen, ZeitfelderUndBereinigung)
{
    EXPECT_EQ(ZLimitSekunden("3", "0"), 180);
    EXPECT_EQ(ZLimitSekunden("x", "75"), 59);
    EXPECT_EQ(ZLimitSekunden(" 2 ", ""), 120);
    const UebEinstTyp b = UebEinstBereinigt(UebEinstTyp::AusBlock({5, 3, -1, 9, 2, 3, 4, 3, -5, 2}));
    EXPECT_EQ(b.AlsBlock(), (UebEinstBlock{1, 0, 0, 0, 1, 1, 0, 0, 0, 0}));
}
