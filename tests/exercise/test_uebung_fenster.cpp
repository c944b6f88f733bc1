// The exercise's windows: the panel driven with real mouse and key events
// (drag, drop, type, tick, a drag task by keyboard only, input dropped
// during a pause), the status panel, the four settings dialogs with their
// variants and the name dialog. KALUMO_BILDSCHIRMFOTOS=FOLDER keeps
// pictures of them for a look by eye.

#include "Uebungstesthilfen.h"

#include "exercise/TNameEingabeForm.h"
#include "exercise/TUebEinstDialoge.h"
#include "exercise/TUebOptForm.h"
#include "exercise/TUebOptFragenForm.h"
#include "exercise/TUebOptKorbForm.h"
#include "exercise/TUebOptKreuzverbindungForm.h"
#include "exercise/TUebStatusPan.h"
#include "exercise/TUebungPan.h"
#include "learnview/Objektarten.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kalumo;
using namespace kalumo::test;

namespace {

void Behalten(QWidget &w, const QString &name)
{
    const QString ordner = qEnvironmentVariable("KALUMO_BILDSCHIRMFOTOS");
    if (!ordner.isEmpty())
        w.grab().save(QDir(ordner).filePath(QStringLiteral("fenster-") + name + QStringLiteral(".png")));
}

// A move with the buttons held, as the mouse sends it while dragging.
void Bewegen(QWidget *w, QPoint p, Qt::MouseButtons knoepfe)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(p), QPointF(w->mapToGlobal(p)), Qt::NoButton, knoepfe, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Press at von, move there in a few steps, release with the given button.
void Ziehen(QWidget *w, QPoint von, QPoint nach, Qt::MouseButton los = Qt::LeftButton)
{
    QTest::mousePress(w, Qt::LeftButton, {}, von);
    constexpr int kSchritte = 6;
    for (int i = 1; i <= kSchritte; ++i)
        Bewegen(w, von + (nach - von) * i / kSchritte, Qt::LeftButton);
    QTest::mouseRelease(w, los, {}, nach);
}

// A radio button or check box reacts only on its indicator and label, not on
// the empty rest of its row.
void Anklicken(QAbstractButton *knopf)
{
    QTest::mouseClick(knopf, Qt::LeftButton, {}, QPoint(8, knopf->height() / 2));
}

// Umlauts cannot go through QTest::keyClicks.
void Schreiben(QWidget *w, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The panel with its status over a test run, shown at the size of a run.
struct Fenster
{
    explicit Fenster(Dokument dok) : t(std::move(dok)), pan(*t.u, *t.ansicht)
    {
        pan.resize(1209, 700);
        pan.StatusSetzen(&status);
        pan.show();
        status.show();
    }
    bool Starten(const UebEinstTyp &e)
    {
        const bool ok = t.Starten(e);
        pan.setFocus();
        return ok;
    }
    bool PauseAbwarten() { return QTest::qWaitFor([this] { return !pan.Wartet(); }, 5000); }
    const UebElement &Karte(int objekt) const { return *t.Sichtbar(ElementArt::Karte, objekt); }
    // Where the card's grab point is released so that the middle of its left
    // edge lies on the middle of the target.
    QPoint Ablage(int karte, int ziel) const
    {
        const UebElement &k = Karte(karte);
        const QPoint mitte = *t.u->Zielmitte(ziel);
        return QPoint(mitte.x(), mitte.y() - k.Rechteck.height() / 2) + (Griffpunkt(*t.u, k) - k.Rechteck.topLeft());
    }

    Testlauf t;
    TUebStatusPan status;
    TUebungPan pan;
};

// Two entries whose cards show different texts.
std::pair<AbfrageEintrag, AbfrageEintrag> Verschiedene(const Testlauf &t)
{
    const auto &liste = t.u->AbfrageListe();
    for (size_t i = 1; i < liste.size(); ++i)
        if (t.dok.Objekte[size_t(liste[i].Karte)].Cap != t.dok.Objekte[size_t(liste[0].Karte)].Cap)
            return {liste[0], liste[i]};
    return {liste[0], liste[0]};
}

} // namespace

TEST(UebungFenster, KartenZiehenMitDerMaus)
{
    Fenster f(Beispiel(QStringLiteral("Blütenpflanze.kal")));
    ASSERT_TRUE(f.Starten(Einst(abfFrei)));
    Testlauf &t = f.t;
    const auto [a, b] = Verschiedene(t);
    ASSERT_NE(a.Karte, b.Karte);

    // a right drop (a card belongs on its own object): the run pauses, then
    // the label is shown and the card is gone
    Ziehen(&f.pan, Griffpunkt(*t.u, f.Karte(a.Karte)), f.Ablage(a.Karte, a.Karte));
    EXPECT_TRUE(f.pan.Wartet());
    ASSERT_TRUE(f.PauseAbwarten());
    EXPECT_EQ(t.u->Daten().Richtig, 1);
    EXPECT_EQ(t.Zustand(a.Karte), abgAufgedeckt);
    EXPECT_EQ(t.Sichtbar(ElementArt::Karte, a.Karte), nullptr);
    EXPECT_EQ(f.status.RichtigLabel()->text(), "1");

    // a wrong drop: the card glides back to where it came from
    const QPoint ursprung = f.Karte(b.Karte).Rechteck.topLeft();
    int falschesZiel = -1;
    for (const AbfrageEintrag &e : t.u->AbfrageListe())
        if (t.Zustand(e.Ziel) == abgAusstehend && t.dok.Objekte[size_t(e.Ziel)].Cap != t.dok.Objekte[size_t(b.Karte)].Cap)
            falschesZiel = e.Ziel;
    ASSERT_GE(falschesZiel, 0);
    Ziehen(&f.pan, Griffpunkt(*t.u, f.Karte(b.Karte)), f.Ablage(b.Karte, falschesZiel));
    // input during the pause is dropped: this drag moves nothing and judges nothing
    ASSERT_TRUE(f.pan.Wartet());
    const AbfrageEintrag naechster = t.u->AbfrageListe()[2];
    const QRect vorher = f.Karte(naechster.Karte).Rechteck;
    Ziehen(&f.pan, vorher.center(), vorher.center() + QPoint(-300, 0));
    EXPECT_EQ(f.Karte(naechster.Karte).Rechteck, vorher);
    ASSERT_TRUE(f.PauseAbwarten());
    EXPECT_EQ(t.u->Daten().Richtig, 1);
    EXPECT_EQ(t.u->Daten().Falsch, 1);
    EXPECT_EQ(f.Karte(b.Karte).Rechteck.topLeft(), ursprung);
    EXPECT_EQ(f.status.FalschLabel()->text(), "1");

    // released with the right button: never judged, the card stays where it was dropped
    Ziehen(&f.pan, Griffpunkt(*t.u, f.Karte(b.Karte)), f.Ablage(b.Karte, b.Karte), Qt::RightButton);
    EXPECT_FALSE(f.pan.Wartet());
    EXPECT_EQ(t.u->Daten().Richtig, 1);
    EXPECT_EQ(t.Zustand(b.Karte), abgAusstehend);
    Behalten(f.pan, QStringLiteral("beschriftung"));
    Behalten(f.status, QStringLiteral("status"));
}

TEST(UebungFenster, ZuordnungNurMitDerTastatur)
{
    Fenster f(Beispiel(QStringLiteral("Blütenpflanze.kal")));
    ASSERT_TRUE(f.Starten(Einst(abfFrei)));
    Testlauf &t = f.t;
    // Tab reaches a card, Enter chooses the first target, the arrows walk on
    QTest::keyClick(&f.pan, Qt::Key_Tab);
    const UebElement *karte = t.u->Element(t.u->Fokus());
    ASSERT_NE(karte, nullptr);
    ASSERT_EQ(karte->Art, ElementArt::Karte);
    const int objekt = karte->Objekt;
    const QString cap = t.dok.Objekte[size_t(objekt)].Cap;
    QTest::keyClick(&f.pan, Qt::Key_Return);
    ASSERT_GE(t.u->AusgewaehltesZiel(), 0);
    EXPECT_FALSE(t.u->Auswahlrahmen().isEmpty());
    const int ziele = int(t.u->AbfrageListe().size());
    for (int i = 0; i < ziele && t.dok.Objekte[size_t(t.u->AusgewaehltesZiel())].Cap != cap; ++i)
        QTest::keyClick(&f.pan, Qt::Key_Right);
    ASSERT_EQ(t.dok.Objekte[size_t(t.u->AusgewaehltesZiel())].Cap, cap);
    const int ziel = t.u->AusgewaehltesZiel();
    Behalten(f.pan, QStringLiteral("tastatur"));
    QTest::keyClick(&f.pan, Qt::Key_Return);
    ASSERT_TRUE(f.PauseAbwarten());
    EXPECT_EQ(t.u->Daten().Richtig, 1);
    EXPECT_EQ(t.Zustand(ziel), abgAufgedeckt);
    // Escape leaves the choice of a target without judging
    QTest::keyClick(&f.pan, Qt::Key_Tab);
    QTest::keyClick(&f.pan, Qt::Key_Return);
    ASSERT_GE(t.u->AusgewaehltesZiel(), 0);
    QTest::keyClick(&f.pan, Qt::Key_Escape);
    EXPECT_EQ(t.u->AusgewaehltesZiel(), kKeineAuswahl);
    EXPECT_EQ(t.u->Daten().Richtig + t.u->Daten().Falsch, 1);
}

TEST(UebungFenster, TexteingabeTippenUndWeiter)
{
    Fenster f(Beispiel(QStringLiteral("Lückentext Rhein.kal")));
    UebEinstTyp e = Einst(abfTexteingabe);
    e.AnzZeichenVorgeben = 1;
    ASSERT_TRUE(f.Starten(e));
    Testlauf &t = f.t;
    const std::vector<int> luecken = t.ObjekteVon(objAbfrageLuecke);
    ASSERT_GE(luecken.size(), 2u);
    const UebElement *erstes = t.Sichtbar(ElementArt::Eingabefeld, luecken[0]);
    ASSERT_NE(erstes, nullptr);
    EXPECT_TRUE(erstes->Hinweis);
    // a click clears the "<n>" hint; the keys type, Backspace takes one back
    QTest::mouseClick(&f.pan, Qt::LeftButton, {}, erstes->Rechteck.center());
    EXPECT_TRUE(t.Sichtbar(ElementArt::Eingabefeld, luecken[0])->Text.isEmpty());
    const QString richtig = t.dok.Objekte[size_t(luecken[0])].Cap;
    Schreiben(&f.pan, richtig + QStringLiteral("x"));
    QTest::keyClick(&f.pan, Qt::Key_Backspace);
    EXPECT_EQ(t.Sichtbar(ElementArt::Eingabefeld, luecken[0])->Text, richtig);
    // the second field: wrong by letter case
    QTest::mouseClick(&f.pan, Qt::LeftButton, {}, t.Sichtbar(ElementArt::Eingabefeld, luecken[1])->Rechteck.center());
    Schreiben(&f.pan, t.dok.Objekte[size_t(luecken[1])].Cap.toUpper() + QStringLiteral("ä"));
    Behalten(f.pan, QStringLiteral("texteingabe"));
    const UebElement *weiter = nullptr;
    for (const UebElement &el : t.u->Elemente())
        if (el.Art == ElementArt::Weiter && el.Sichtbar)
            weiter = &el;
    ASSERT_NE(weiter, nullptr);
    QTest::mouseClick(&f.pan, Qt::LeftButton, {}, weiter->Rechteck.center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.ende.Erreicht; }, 8000));
    EXPECT_EQ(t.ende.Daten.Richtig, 1);
    EXPECT_GE(t.ende.Daten.Falsch, 1);
    EXPECT_EQ(t.ende.Fehlversuche[size_t(luecken[0])], 0);
    EXPECT_GT(t.ende.Fehlversuche[size_t(luecken[1])], 0);
}

TEST(UebungFenster, AnkreuzenUndPruefen)
{
    Fenster f(Beispiel(QStringLiteral("Multiple Choice Formen und Tiere.kal")));
    ASSERT_TRUE(f.Starten(Einst(abfFrei, 0, 1)));
    Testlauf &t = f.t;
    std::vector<const UebElement *> kaesten;
    const UebElement *weiter = nullptr;
    for (const UebElement &e : t.u->Elemente()) {
        if (e.Sichtbar && e.Art == ElementArt::Ankreuzfeld)
            kaesten.push_back(&e);
        if (e.Sichtbar && e.Art == ElementArt::Weiter)
            weiter = &e;
    }
    ASSERT_FALSE(kaesten.empty());
    ASSERT_NE(weiter, nullptr);
    // tick every right answer: a click ticks, a second click unticks, Space ticks the focused box
    const UebElement *erster = kaesten.front();
    QTest::mouseClick(&f.pan, Qt::LeftButton, {}, erster->Rechteck.center());
    EXPECT_TRUE(erster->Angekreuzt());
    QTest::mouseClick(&f.pan, Qt::LeftButton, {}, erster->Rechteck.center());
    EXPECT_FALSE(erster->Angekreuzt());
    QTest::keyClick(&f.pan, Qt::Key_Space);
    EXPECT_TRUE(erster->Angekreuzt());
    QTest::mouseClick(&f.pan, Qt::LeftButton, {}, erster->Rechteck.center());
    for (const UebElement *k : kaesten)
        if (t.dok.Objekte[size_t(k->Objekt)].Cap == QStringLiteral("+"))
            QTest::mouseClick(&f.pan, Qt::LeftButton, {}, k->Rechteck.center());
    Behalten(f.pan, QStringLiteral("multiplechoice"));
    const QPoint weiterMitte = weiter->Rechteck.center();
    QTest::mouseClick(&f.pan, Qt::LeftButton, {}, weiterMitte);
    ASSERT_TRUE(f.PauseAbwarten());
    EXPECT_EQ(t.u->Daten().Richtig, 1);
    EXPECT_EQ(t.u->Daten().Falsch, 0);
}

TEST(UebungFenster, StatusVerbirgtWerteUndUhr)
{
    TUebStatusPan status;
    StatusAnzeige s;
    s.Name = QStringLiteral("Ida");
    s.Richtig = QStringLiteral("?");
    s.Von = QStringLiteral("von  12");
    s.Uhr = QStringLiteral("03:07");
    s.UhrBeschriftung = QStringLiteral("Verbleibende Zeit:");
    status.Anzeigen(s);
    status.show();
    EXPECT_EQ(status.NameLabel()->text(), "Ida");
    EXPECT_EQ(status.VonLabel()->text(), "von  12");
    EXPECT_EQ(status.UhrLabel()->text(), "03:07");
    EXPECT_TRUE(status.UhrLabel()->isVisible());
    s.UhrSichtbar = false;
    status.Anzeigen(s);
    EXPECT_FALSE(status.UhrLabel()->isVisible());
    EXPECT_FALSE(status.UhrBeschriftung()->isVisible());
}

// ------------------------------------------------------- settings dialogs

TEST(UebungFenster, JederDokumenttypHatSeinenDialog)
{
    UebDialogeTyp werte;
    TUebEinstDialoge dialoge(werte);
    struct Fall
    {
        int dokTyp;
        TUebOptBasisForm *dialog;
        const char *titel;
    };
    const Fall faelle[] = {
        {dokBildbeschriftung, dialoge.UebOpt(), "Übungseinstellungen für Text-Bild- / Bild-Text-Zuordnung und Lückentext"},
        {dokLueckentext, dialoge.UebOpt(), "Übungseinstellungen für Text-Bild- / Bild-Text-Zuordnung und Lückentext"},
        {dokEinzelfragen, dialoge.Fragen(), "Übungseinstellungen für Einzelfragen und Multiple-Choice-Fragen"},
        {dokMultipleChoice, dialoge.Fragen(), "Übungseinstellungen für Einzelfragen und Multiple-Choice-Fragen"},
        {dokCluster, dialoge.Korb(), "Übungseinstellungen für Cluster-Übung"},
        {dokKreuzZuordnung, dialoge.Kreuzverbindung(), "Übungseinstellungen für Über-Kreuz-Zuordnung"},
        {dokWoerterFinden, dialoge.Kreuzverbindung(), "Übungseinstellungen für \"Wörter etc. finden\""},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.dokTyp);
        ASSERT_EQ(dialoge.Dialog(f.dokTyp), f.dialog);
        // the network variant: prefixed caption and the panel, both gone after closing
        f.dialog->Oeffnen(werte, f.dokTyp, true);
        f.dialog->show();
        EXPECT_EQ(f.dialog->windowTitle(), QStringLiteral("Netzwerk-") + QString::fromUtf8(f.titel));
        EXPECT_TRUE(f.dialog->NetzUebInitPan()->isVisible());
        // nothing is squeezed by the panel
        EXPECT_GE(f.dialog->height(), f.dialog->layout()->minimumSize().height());
        if (f.dokTyp == dokBildbeschriftung)
            Behalten(*f.dialog, QStringLiteral("netzwerk"));
        f.dialog->Schliessen(werte);
        EXPECT_EQ(f.dialog->windowTitle(), QString::fromUtf8(f.titel));
        EXPECT_FALSE(f.dialog->NetzUebInitPan()->isVisible());
        f.dialog->hide();
    }
    // the answer order's first item depends on the type
    dialoge.Fragen()->Oeffnen(werte, dokMultipleChoice);
    EXPECT_EQ(dialoge.Fragen()->ZuordnungstexteKnopf(0)->text(), " Wie vorgegeben geordnet ");
    dialoge.Fragen()->Oeffnen(werte, dokEinzelfragen);
    EXPECT_EQ(dialoge.Fragen()->ZuordnungstexteKnopf(0)->text(), " Alphabetisch geordnet ");
}

TEST(UebungFenster, UebOptFormErweitertTexteingabeUndZeitfelder)
{
    UebDialogeTyp werte;
    TUebOptForm d;
    d.Oeffnen(werte, dokBildbeschriftung);
    d.show();
    EXPECT_FALSE(d.Erweitert());
    EXPECT_FALSE(d.ErweitertPan()->isVisible());
    const int klein = d.height();
    EXPECT_GE(klein, kUebOptHoeheReduziert);
    Behalten(d, QStringLiteral("uebopt-reduziert"));

    QTest::mouseClick(d.ErweitertKnopf(), Qt::LeftButton);
    EXPECT_TRUE(d.Erweitert());
    EXPECT_EQ(d.ErweitertKnopf()->text(), "Reduziert...");
    EXPECT_TRUE(d.ErweitertPan()->isVisible());
    EXPECT_GE(d.height(), kUebOptHoeheErweitert);
    EXPECT_GT(d.height(), klein);
    Behalten(d, QStringLiteral("uebopt-erweitert"));

    // "Texteingabe" covers the further options
    Anklicken(d.AbfrageModusKnopf(abfTexteingabe));
    EXPECT_TRUE(d.TexteingabePan()->isVisible());
    EXPECT_EQ(d.TexteingabePan()->text(), "Beim Abfragemodus \"Texteingabe\" sind keine weiteren Optionen verfügbar.");
    Behalten(d, QStringLiteral("uebopt-texteingabe"));
    Anklicken(d.AbfrageModusKnopf(abfEinzelTexte));
    EXPECT_FALSE(d.TexteingabePan()->isVisible());

    // typing into a time field chooses the limit; at most 59 and two digits
    EXPECT_TRUE(d.ZeitlimitKnopf(zlOhneMitUhr)->isChecked());
    d.SekundenFeld()->setFocus();
    d.SekundenFeld()->selectAll();
    QTest::keyClicks(d.SekundenFeld(), "75");
    EXPECT_TRUE(d.ZeitlimitKnopf(zlMitLimit)->isChecked());
    EXPECT_EQ(d.SekundenFeld()->text(), "7");
    d.MinutenFeld()->selectAll();
    QTest::keyClicks(d.MinutenFeld(), "123");
    EXPECT_EQ(d.MinutenFeld()->text(), "12");

    // the hidden feedback control at 1 forces a red cross and locks the group
    EXPECT_FALSE(d.RiFaRueckmeldungKnopf(1)->isVisible());
    d.RiFaRueckmeldungKnopf(1)->setChecked(true);
    EXPECT_TRUE(d.ZuordnungFalschKnopf(1)->isChecked());
    EXPECT_FALSE(d.ZuordnungFalschKnopf(0)->isEnabled());
    d.RiFaRueckmeldungKnopf(0)->setChecked(true);
    EXPECT_TRUE(d.ZuordnungFalschKnopf(0)->isEnabled());

    Anklicken(d.ZuordnungszieleKnopf(2));
    Anklicken(d.ZuordnungRichtigKnopf(1));
    Anklicken(d.AnzZeichenVorgabeCheck());
    d.Uebernehmen(werte);
    EXPECT_EQ(werte.UebOpt.AbfrageModus, abfEinzelTexte);
    EXPECT_EQ(werte.UebOpt.Zeitlimit, zlMitLimit);
    EXPECT_EQ(werte.UebOpt.ZLimitMin, "12");
    EXPECT_EQ(werte.UebOpt.ZLimitSek, "7");
    EXPECT_EQ(werte.UebOpt.Zuordnungsziele, 2);
    EXPECT_EQ(werte.UebOpt.ZuordnungRichtig, 1);
    EXPECT_TRUE(werte.UebOpt.AnzZeichenVorgeben);
    EXPECT_EQ(werte.UebOpt.RiFaRueckmeldung, 0);
    // and the settings of a run from them
    const UebEinstTyp lauf = EinstellungenAusDialogen(werte, dokBildbeschriftung);
    EXPECT_EQ(lauf.ZLimit, 12 * 60 + 7);

    QTest::mouseClick(d.ErweitertKnopf(), Qt::LeftButton);
    EXPECT_EQ(d.ErweitertKnopf()->text(), "Erweitert...");
    EXPECT_FALSE(d.ErweitertPan()->isVisible());
    EXPECT_EQ(d.height(), klein);
}

TEST(UebungFenster, DokumentwerteOeffnenDenDialogMitTexteingabe)
{
    // a document stored with "Texteingabe" opens the dialog with it selected
    UebDialogeTyp werte;
    UebEinstTyp e;
    e.AbfrageModus = abfTexteingabe;
    e.Zeitlimit = zlMitLimit;
    e.ZLimit = 125;
    EinstellungenInDialoge(e, werte);
    TUebOptForm d;
    d.Oeffnen(werte, dokLueckentext);
    d.show();
    EXPECT_TRUE(d.AbfrageModusKnopf(abfTexteingabe)->isChecked());
    EXPECT_EQ(d.MinutenFeld()->text(), "2");
    EXPECT_EQ(d.SekundenFeld()->text(), "5");
    EXPECT_TRUE(d.ZeitlimitKnopf(zlMitLimit)->isChecked());
}

TEST(UebungFenster, UebungStartenUndSchliessenPerTastatur)
{
    // "Übung starten" by Enter takes the values over; "Schließen" by Escape
    // keeps them; the shared check box is written back either way
    struct Fall
    {
        bool starten;
        bool zeigenDanach;
    };
    for (const Fall fall : {Fall{true, false}, Fall{false, false}}) {
        SCOPED_TRACE(fall.starten);
        UebDialogeTyp werte;
        TUebEinstDialoge dialoge(werte);
        TUebOptKorbForm *korb = dialoge.Korb();
        QTimer::singleShot(0, korb, [&] {
            Anklicken(korb->AbfrageModusKnopf(abfEinzelTexte));
            korb->ZeigenCheck()->setFocus();
            QTest::keyClick(korb->ZeigenCheck(), Qt::Key_Space);
            QTest::keyClick(korb, fall.starten ? Qt::Key_Return : Qt::Key_Escape);
        });
        EXPECT_EQ(dialoge.Zeigen(dokCluster), fall.starten);
        EXPECT_EQ(werte.UebOptKorb.AbfrageModus, fall.starten ? abfEinzelTexte : abfFrei);
        EXPECT_EQ(werte.UebOptZeigen, fall.zeigenDanach);
    }
}

TEST(UebungFenster, FragenUndKreuzverbindungNehmenIhreWerte)
{
    UebDialogeTyp werte;
    werte.UebOptFragen.ZuordnungFalsch = 1;
    TUebOptFragenForm fragen;
    fragen.Oeffnen(werte, dokEinzelfragen);
    fragen.show();
    EXPECT_TRUE(fragen.ZuordnungFalschKnopf(1)->isChecked());
    EXPECT_EQ(fragen.ZeitlimitKnopf(zlMitLimit)->text(), " Zeitlimit von: ");
    Anklicken(fragen.ZuordnungszieleKnopf(0));
    Anklicken(fragen.ZuordnungFalschKnopf(0));
    Anklicken(fragen.ZeitlimitKnopf(zlOhneOhneUhr));
    Behalten(fragen, QStringLiteral("fragen"));
    fragen.Uebernehmen(werte);
    EXPECT_EQ(werte.UebOptFragen.Zuordnungsziele, 0);
    EXPECT_EQ(werte.UebOptFragen.ZuordnungFalsch, 0);
    EXPECT_EQ(werte.UebOptFragen.Zeitlimit, zlOhneOhneUhr);

    TUebOptKreuzverbindungForm kreuz;
    kreuz.Oeffnen(werte, dokWoerterFinden);
    kreuz.show();
    kreuz.MinutenFeld()->selectAll();
    QTest::keyClicks(kreuz.MinutenFeld(), "1");
    kreuz.Uebernehmen(werte);
    EXPECT_EQ(werte.UebOptKreuz.Zeitlimit, zlMitLimit);
    EXPECT_EQ(werte.UebOptKreuz.ZLimitMin, "1");
    EXPECT_EQ(EinstellungenAusDialogen(werte, dokWoerterFinden).ZLimit, 60);
}

TEST(UebungFenster, NameHoechstensDreissigZeichen)
{
    TNameEingabeForm d;
    QTimer::singleShot(0, &d, [&] {
        Schreiben(d.NameEdit(), QStringLiteral("Jördis ") + QString(40, QLatin1Char('x')));
        Behalten(d, QStringLiteral("name"));
        QTest::keyClick(d.NameEdit(), Qt::Key_Return);
    });
    const QString name = d.NameErfragen();
    EXPECT_EQ(name.size(), kTeilnehmerNameMaxLaenge);
    EXPECT_TRUE(name.startsWith(QStringLiteral("Jördis x")));
}
