// The exercise in the main window: F7 with the settings dialog and the name
// question, the run driven with real mouse events on the exercise panel
// (a right drop judged with its sound, a wrong one gliding back, the end
// message and the return to the learning view), a drag task by keyboard
// only, the refusals, and the abort with its guard.
// KALUMO_BILDSCHIRMFOTOS=FOLDER keeps pictures of the run.

#include "Beispielpaket.h"

#include "app/TForm1.h"
#include "app/TLernbild.h"
#include "app/TSerienteil.h"
#include "exercise/TBestListForm.h"
#include "exercise/TNameEingabeForm.h"
#include "app/settings/TUebungsrueckmeldungForm.h"
#include "exercise/TUebFertigForm.h"
#include "exercise/TUebProtokollForm.h"
#include "peripheral/Rtf.h"
#include "platform/EMail.h"
#include "platform/Rechner.h"
#include "exercise/TUebEinstDialoge.h"
#include "exercise/TUebOptBasisForm.h"
#include "exercise/TUebOptForm.h"
#include "exercise/TUebStatusPan.h"
#include "exercise/TUebungPan.h"
#include "exercise/Uebungsaktionen.h"
#include "exercise/Uebungslauf.h"
#include "learnview/Objektarten.h"
#include "platform/Dateidialoge.h"
#include "platform/Einstellungsspeicher.h"
#include "series/TUebserieFertigForm.h"
#include "series/TUebserieStatusPan.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace kalumo;

namespace {

QString beispiel(const char *name)
{
    return QStringLiteral(KALUMO_BEISPIELE_ORDNER) + "/" + QString::fromUtf8(name);
}

void foto(QWidget &w, const char *name)
{
    const QString ordner = qEnvironmentVariable("KALUMO_BILDSCHIRMFOTOS");
    if (ordner.isEmpty())
        return;
    QCoreApplication::processEvents(); // pending layout requests first
    w.grab().save(ordner + "/" + name);
}

// A move with the buttons held, as the mouse sends it while dragging.
void bewegen(QWidget *w, QPoint p, Qt::MouseButtons knoepfe)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(p), QPointF(w->mapToGlobal(p)), Qt::NoButton, knoepfe, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void ziehen(QWidget *w, QPoint von, QPoint nach)
{
    QTest::mousePress(w, Qt::LeftButton, {}, von);
    constexpr int kSchritte = 6;
    for (int i = 1; i <= kSchritte; ++i)
        bewegen(w, von + (nach - von) * i / kSchritte, Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton, {}, nach);
}

struct Fenster
{
    SkriptMeldungen meldungen;
    SkriptDateidialoge dialoge;
    EinstellungsspeicherImSpeicher speicher;
    SkriptTonausgabe ton;
    Handuhr uhr{5000};
    QTemporaryDir klaenge;
    QTemporaryDir dateien;   // protocols and best lists
    TForm1 form;

    explicit Fenster(const char *dokument)
    {
        form.MeldungenSetzen(&meldungen);
        form.DateidialogeSetzen(&dialoge);
        form.EinstellungsspeicherSetzen(&speicher);
        form.ZentraleKonfigurationSetzen({});
        form.TonausgabeSetzen(&ton);
        form.UhrSetzen(&uhr);
        if (dokument)
            form.ArgumenteSetzen({beispiel(dokument)});
        form.resize(1024, 740);
        form.show();
        form.ErsteAktivierungAusfuehren();
        // the feedback sounds exist (the output is scripted)
        for (const char *datei : {"richtig1.wav", "falsch1.wav"}) {
            QFile f(klaenge.filePath(QString::fromLatin1(datei)));
            f.open(QIODevice::WriteOnly);
        }
        EinstellungenTyp &e = form.Einstellungen();
        e.Ordner.Sound = klaenge.path() + "/";
        e.UebOptZeigen = false;
        e.UebNameEingabe = false;
        // the end message instead of the result window, unless a test wants it
        e.UebErgebAnzeigen = false;
        e.Ordner.Protokolle = dateien.filePath("protokolle") + "/";
        e.Ordner.Bestenlisten = dateien.filePath("bestenlisten") + "/";
        QDir().mkpath(e.Ordner.Protokolle);
        QDir().mkpath(e.Ordner.Bestenlisten);
        // a result window nobody drives goes back to the learning view
        form.UebFertigForm()->FahrerSetzen([](TUebFertigForm &w) { w.LernansichtKnopf()->click(); });
    }

    Sitzung &s() { return form.Programmzustand(); }
    Uebung &u() { return s().Uebungsobjekt(); }
    TUebungPan *pan() const { return form.UebungsFlaeche(); }
    QToolButton *knopf(const char *name) const { return form.findChild<QToolButton *>(name); }
    bool pauseAbwarten() { return QTest::qWaitFor([this] { return !pan()->Wartet(); }, 5000); }
    const UebElement &karte(int objekt)
    {
        for (const UebElement &e : u().Elemente())
            if (e.Sichtbar && e.Art == ElementArt::Karte && e.Objekt == objekt)
                return e;
        throw std::runtime_error("keine Karte");
    }
    // Where the card's grab point is released so that the middle of its
    // left edge lies on the middle of the target.
    QPoint ablage(int k, int ziel)
    {
        const UebElement &e = karte(k);
        const QPoint mitte = *u().Zielmitte(ziel);
        return QPoint(mitte.x(), mitte.y() - e.Rechteck.height() / 2) + (Griffpunkt(u(), e) - e.Rechteck.topLeft());
    }
    void starten()
    {
        form.Aktion("IndividualUebung1")->trigger();
        QCoreApplication::processEvents();
    }
};

std::vector<int> zustaende(const Dokument &dok)
{
    std::vector<int> z;
    for (const ObjDataTyp &o : dok.Objekte)
        z.push_back(o.Abgedeckt);
    return z;
}

// After a run the asked fields are open and carry no run state; the other
// objects are as they were.
std::vector<int> nachDemLauf(const Dokument &dok, std::vector<int> vorher)
{
    for (size_t i = 0; i < vorher.size(); ++i) {
        const int typ = dok.Objekte[i].Typ;
        if (typ == objAbfrageBeschriftung || typ == objAbfrageBild)
            vorher[i] = abgAufgedeckt;
    }
    return vorher;
}

} // namespace

TEST(TForm1Uebung, EineUebungMitDerMausBisZumEnde)
{
    Fenster f("Blütenpflanze.kal");
    const std::vector<int> vorher = zustaende(f.s().Dok());
    std::vector<QString> caps;
    for (const ObjDataTyp &o : f.s().Dok().Objekte)
        caps.push_back(o.Cap);

    f.starten();
    ASSERT_EQ(f.s().Modus(), modusUebung);
    ASSERT_NE(f.s().AktuelleUebung(), nullptr);
    EXPECT_TRUE(f.pan()->isVisible());
    EXPECT_FALSE(f.form.Lernbild()->isVisible());
    EXPECT_FALSE(f.form.Werkzeugleiste()->isVisible());
    EXPECT_TRUE(f.form.UebStatusPan()->isVisible());
    EXPECT_EQ(f.knopf("LernansichtBtn")->text(), "Übung abbrechen");
    EXPECT_TRUE(f.knopf("IndividualBtn")->isChecked());
    // the picture of the run is the panel less the card column
    EXPECT_EQ(f.u().Daten().BildBreite, f.pan()->width() - 185);
    EXPECT_EQ(f.form.UebStatusPan()->VonLabel()->text(), QStringLiteral("von  %1").arg(f.u().Daten().AnzAbfragen));
    foto(f.form, "uebung-start.png");

    // a right drop: judged, the success sound, the card is gone after the pause
    const auto &liste = f.u().AbfrageListe();
    const AbfrageEintrag a = liste[0];
    ziehen(f.pan(), Griffpunkt(f.u(), f.karte(a.Karte)), f.ablage(a.Karte, a.Karte));
    EXPECT_TRUE(f.pan()->Wartet());
    ASSERT_TRUE(f.pauseAbwarten());
    EXPECT_EQ(f.u().Daten().Richtig, 1);
    EXPECT_EQ(f.form.UebStatusPan()->RichtigLabel()->text(), "1");
    ASSERT_FALSE(f.ton.Aufrufe.isEmpty());
    EXPECT_TRUE(f.ton.Aufrufe.last().endsWith("richtig1.wav")) << f.ton.Aufrufe.last().toStdString();

    // a wrong drop: the failure sound, the card glides back to its place
    int b = -1, falsch = -1;
    for (const AbfrageEintrag &e : f.u().AbfrageListe())
        if (f.s().Dok().Objekte[size_t(e.Karte)].Abgedeckt == abgAusstehend && b < 0)
            b = e.Karte;
    ASSERT_GE(b, 0);
    for (const AbfrageEintrag &e : f.u().AbfrageListe())
        if (f.s().Dok().Objekte[size_t(e.Ziel)].Abgedeckt == abgAusstehend
            && f.s().Dok().Objekte[size_t(e.Ziel)].Cap != f.s().Dok().Objekte[size_t(b)].Cap)
            falsch = e.Ziel;
    ASSERT_GE(falsch, 0);
    const QPoint ursprung = f.karte(b).Rechteck.topLeft();
    ziehen(f.pan(), Griffpunkt(f.u(), f.karte(b)), f.ablage(b, falsch));
    ASSERT_TRUE(f.pan()->Wartet());
    foto(f.form, "uebung-falsch.png");
    ASSERT_TRUE(f.pauseAbwarten());
    EXPECT_EQ(f.u().Daten().Falsch, 1);
    EXPECT_EQ(f.karte(b).Rechteck.topLeft(), ursprung);
    EXPECT_TRUE(f.ton.Aufrufe.last().endsWith("falsch1.wav")) << f.ton.Aufrufe.last().toStdString();
    EXPECT_EQ(f.form.UebStatusPan()->FalschLabel()->text(), "1");

    // every other card onto its own target: the last one ends the run
    for (;;) {
        int k = -1;
        for (const AbfrageEintrag &e : f.u().AbfrageListe())
            if (f.s().Dok().Objekte[size_t(e.Karte)].Abgedeckt == abgAusstehend) {
                k = e.Karte;
                break;
            }
        if (k < 0)
            break;
        ziehen(f.pan(), Griffpunkt(f.u(), f.karte(k)), f.ablage(k, k));
        if (f.s().Modus() != modusUebung || !f.u().Laeuft())
            break;
        ASSERT_TRUE(f.pauseAbwarten());
        if (!f.u().Laeuft())
            break;
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.s().Modus() == modusLernansicht; }, 5000));
    EXPECT_TRUE(f.meldungen.Texte().contains("Die Übung ist beendet.")) << f.meldungen.Texte().join("|").toStdString();
    EXPECT_EQ(f.u().Daten().EndeGrund, endeFertig);
    EXPECT_EQ(f.u().Daten().Richtig, f.u().Daten().AnzAbfragen);
    // back in the learning view as it was: the objects, their captions, the panels
    EXPECT_EQ(zustaende(f.s().Dok()), nachDemLauf(f.s().Dok(), vorher));
    for (size_t i = 0; i < caps.size(); ++i)
        EXPECT_EQ(f.s().Dok().Objekte[i].Cap, caps[i]) << i;
    EXPECT_FALSE(f.pan()->isVisible());
    EXPECT_TRUE(f.form.Lernbild()->isVisible());
    EXPECT_FALSE(f.form.UebStatusPan()->isVisible());
    EXPECT_EQ(f.knopf("LernansichtBtn")->text(), "Lernansicht");
    EXPECT_EQ(f.s().Ansicht().ZoomStufe, 0);
    // the window keeps its size (the title and the status panel never stood side by side)
    EXPECT_EQ(f.form.size(), QSize(1024, 740));
    // the view has the picture area's size again, not the exercise's
    EXPECT_EQ(f.s().Ansicht().Ansichtsgroesse, f.form.Lernbild()->size());
    foto(f.form, "uebung-zurueck.png");
}

TEST(TForm1Uebung, ZuordnungNurMitDerTastatur)
{
    Fenster f("Blütenpflanze.kal");
    f.starten();
    ASSERT_EQ(f.s().Modus(), modusUebung);
    QWidget *pan = f.pan();
    // Tab reaches a card, Enter chooses the first target, the arrows walk on
    QTest::keyClick(pan, Qt::Key_Tab);
    const UebElement *karte = f.u().Element(f.u().Fokus());
    ASSERT_NE(karte, nullptr);
    ASSERT_EQ(karte->Art, ElementArt::Karte);
    const QString cap = f.s().Dok().Objekte[size_t(karte->Objekt)].Cap;
    QTest::keyClick(pan, Qt::Key_Return);
    ASSERT_GE(f.u().AusgewaehltesZiel(), 0);
    const int ziele = int(f.u().AbfrageListe().size());
    for (int i = 0; i < ziele && f.s().Dok().Objekte[size_t(f.u().AusgewaehltesZiel())].Cap != cap; ++i)
        QTest::keyClick(pan, Qt::Key_Right);
    const int ziel = f.u().AusgewaehltesZiel();
    ASSERT_EQ(f.s().Dok().Objekte[size_t(ziel)].Cap, cap);
    foto(f.form, "uebung-tastatur.png");
    QTest::keyClick(pan, Qt::Key_Return);
    ASSERT_TRUE(f.pauseAbwarten());
    EXPECT_EQ(f.u().Daten().Richtig, 1);
    EXPECT_EQ(f.s().Dok().Objekte[size_t(ziel)].Abgedeckt, abgAufgedeckt);
    // the arrows stayed with the run: the view did not change its question or zoom
    EXPECT_EQ(f.s().Ansicht().ZoomStufe, 0);
}

TEST(TForm1Uebung, AbbrechenFragtErst)
{
    Fenster f("Blütenpflanze.kal");
    const std::vector<int> vorher = zustaende(f.s().Dok());
    f.starten();
    ASSERT_EQ(f.s().Modus(), modusUebung);
    // while it runs: no second start, no settings
    f.form.Aktion("IndividualUebung1")->trigger();
    f.form.Aktion("Uebungseinstellungen1")->trigger();
    EXPECT_EQ(f.meldungen.Texte(),
              (QStringList{"Die aktuelle Übung ist noch nicht beendet.\r\nWählen Sie \"Übung abbrechen\", um die "
                           "aktuelle Übung vorzeitig abzubrechen.",
                           "Die Übungseinstellungen können nicht während der Übung geändert werden."}));
    f.meldungen.Leeren();
    // "Nein" keeps the run, "Ja" ends it and puts everything back
    f.meldungen.AntwortVormerken(Antwort::Nein);
    f.knopf("LernansichtBtn")->click();
    EXPECT_EQ(f.s().Modus(), modusUebung);
    EXPECT_EQ(f.meldungen.Texte(), QStringList{"Die aktuelle Übung ist noch nicht beendet.\r\nÜbung wirklich abbrechen?"});
    f.meldungen.AntwortVormerken(Antwort::Ja);
    f.form.Aktion("UebungAbbrechen1")->trigger();
    EXPECT_EQ(f.s().Modus(), modusLernansicht);
    EXPECT_EQ(f.meldungen.Texte().size(), 2);
    EXPECT_FALSE(f.u().Laeuft());
    EXPECT_EQ(zustaende(f.s().Dok()), nachDemLauf(f.s().Dok(), vorher));
    EXPECT_TRUE(f.form.Lernbild()->isVisible());
    EXPECT_FALSE(f.form.UebStatusPan()->isVisible());
    EXPECT_EQ(f.s().Ansicht().Ansichtsgroesse, f.form.Lernbild()->size());
}

TEST(TForm1Uebung, DialogUndNameVorDemStart)
{
    Fenster f("Blütenpflanze.kal");
    f.form.Einstellungen().UebOptZeigen = true;
    f.form.Einstellungen().UebNameEingabe = true;
    f.form.Einstellungen().UebStatusInfo = false;
    TUebOptBasisForm *dialog = f.form.UebEinstDialoge()->Dialog(f.s().Dok().Kopf.DokTyp);
    // "Schließen" in the dialog: nothing starts, the button is let go
    QTimer::singleShot(0, &f.form, [&] {
        EXPECT_TRUE(f.knopf("IndividualBtn")->isChecked());
        dialog->SchliessenKnopf()->click();
    });
    f.knopf("IndividualBtn")->click();
    EXPECT_EQ(f.s().Modus(), modusLernansicht);
    EXPECT_FALSE(f.knopf("IndividualBtn")->isChecked());
    // "Übung starten", then the name
    QTimer::singleShot(0, &f.form, [&] {
        dialog->StartenKnopf()->click();
        QTimer::singleShot(0, &f.form, [&] {
            TNameEingabeForm *name = f.form.NameEingabeForm();
            EXPECT_TRUE(name->isVisible());
            name->NameEdit()->setText("Ida");
            name->OkKnopf()->click();
        });
    });
    f.knopf("IndividualBtn")->click();
    ASSERT_EQ(f.s().Modus(), modusUebung);
    EXPECT_EQ(f.u().Daten().TeilnehmerName, "Ida");
    EXPECT_EQ(f.form.UebStatusPan()->NameLabel()->text(), "Ida");
    // the status panel follows the option
    EXPECT_FALSE(f.form.UebStatusPan()->isVisible());
    f.form.Aktion("Statusinfo1")->trigger();
    EXPECT_TRUE(f.form.UebStatusPan()->isVisible());
    foto(f.form, "uebung-status.png");
}

TEST(TForm1Uebung, OhneAbfrageobjekteStartetNichts)
{
    Fenster f(nullptr);
    f.starten();
    EXPECT_EQ(f.s().Modus(), modusLernansicht);
    EXPECT_EQ(f.meldungen.Texte(), QStringList{"Dieses Dokument enthält keine Abfrageobjekte."});
    EXPECT_FALSE(f.knopf("IndividualBtn")->isChecked());
}

namespace {

void schreiben(QWidget *w, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

std::vector<const UebElement *> sichtbare(const Uebung &u, ElementArt art)
{
    std::vector<const UebElement *> aus;
    for (const UebElement &e : u.Elemente())
        if (e.Sichtbar && e.Art == art)
            aus.push_back(&e);
    return aus;
}

} // namespace

// Typing into the fields of a cloze (text input chosen in the settings
// dialog) and ticking the boxes of a multiple-choice question, with the
// mouse and the keys on the real window's exercise panel.
TEST(TForm1Uebung, TippenUndAnkreuzenImFenster)
{
    {
        Fenster f("Lückentext Rhein.kal");
        f.form.Einstellungen().UebOptZeigen = true;
        auto *dialog = dynamic_cast<TUebOptForm *>(f.form.UebEinstDialoge()->Dialog(f.s().Dok().Kopf.DokTyp));
        ASSERT_NE(dialog, nullptr);
        QTimer::singleShot(0, &f.form, [&] {
            dialog->AbfrageModusKnopf(abfTexteingabe)->click();
            dialog->StartenKnopf()->click();
        });
        f.starten();
        ASSERT_EQ(f.s().Modus(), modusUebung);
        const std::vector<const UebElement *> felder = sichtbare(f.u(), ElementArt::Eingabefeld);
        ASSERT_GE(felder.size(), 2u);
        // the first field right, the second wrong
        const int erstes = felder[0]->Objekt, zweites = felder[1]->Objekt;
        QTest::mouseClick(f.pan(), Qt::LeftButton, {}, felder[0]->Rechteck.center());
        schreiben(f.pan(), f.s().Dok().Objekte[size_t(erstes)].Cap.trimmed() + "x");
        QTest::keyClick(f.pan(), Qt::Key_Backspace);
        QTest::mouseClick(f.pan(), Qt::LeftButton, {}, felder[1]->Rechteck.center());
        schreiben(f.pan(), "Ähre");
        foto(f.form, "uebung-fenster-texteingabe.png");
        const std::vector<const UebElement *> weiter = sichtbare(f.u(), ElementArt::Weiter);
        ASSERT_EQ(weiter.size(), 1u);
        QTest::mouseClick(f.pan(), Qt::LeftButton, {}, weiter[0]->Rechteck.center());
        ASSERT_TRUE(QTest::qWaitFor([&] { return f.s().Dok().Objekte[size_t(erstes)].Abgedeckt != abgAusstehend; }, 8000));
        EXPECT_GE(f.u().Daten().Richtig, 1);
        EXPECT_EQ(f.s().Dok().Objekte[size_t(erstes)].Fehlversuche, 0);
        EXPECT_GT(f.s().Dok().Objekte[size_t(zweites)].Fehlversuche, 0);
    }
    {
        Fenster f("Multiple Choice Formen und Tiere.kal");
        f.starten();
        ASSERT_EQ(f.s().Modus(), modusUebung);
        const std::vector<const UebElement *> kaesten = sichtbare(f.u(), ElementArt::Ankreuzfeld);
        ASSERT_FALSE(kaesten.empty());
        // a click ticks, a second one unticks; then every right answer ticked
        QTest::mouseClick(f.pan(), Qt::LeftButton, {}, kaesten.front()->Rechteck.center());
        EXPECT_TRUE(kaesten.front()->Angekreuzt());
        QTest::mouseClick(f.pan(), Qt::LeftButton, {}, kaesten.front()->Rechteck.center());
        EXPECT_FALSE(kaesten.front()->Angekreuzt());
        for (const UebElement *k : kaesten)
            if (f.s().Dok().Objekte[size_t(k->Objekt)].Cap == QStringLiteral("+"))
                QTest::mouseClick(f.pan(), Qt::LeftButton, {}, k->Rechteck.center());
        foto(f.form, "uebung-fenster-ankreuzen.png");
        const std::vector<const UebElement *> weiter = sichtbare(f.u(), ElementArt::Weiter);
        ASSERT_EQ(weiter.size(), 1u);
        QTest::mouseClick(f.pan(), Qt::LeftButton, {}, weiter[0]->Rechteck.center());
        ASSERT_TRUE(QTest::qWaitFor([&] { return f.u().Daten().Richtig + f.u().Daten().Falsch > 0; }, 8000));
        EXPECT_EQ(f.u().Daten().Richtig, 1);
        EXPECT_EQ(f.u().Daten().Falsch, 0);
    }
}

namespace {

int ausstehendeKarte(Fenster &f)
{
    for (const AbfrageEintrag &e : f.u().AbfrageListe())
        if (f.s().Dok().Objekte[size_t(e.Karte)].Abgedeckt == abgAusstehend)
            return e.Karte;
    return -1;
}

// One card onto a target of another caption: a failed attempt.
void einmalFalsch(Fenster &f)
{
    const int b = ausstehendeKarte(f);
    ASSERT_GE(b, 0);
    int falsch = -1;
    for (const AbfrageEintrag &e : f.u().AbfrageListe())
        if (f.s().Dok().Objekte[size_t(e.Ziel)].Abgedeckt == abgAusstehend
            && f.s().Dok().Objekte[size_t(e.Ziel)].Cap != f.s().Dok().Objekte[size_t(b)].Cap)
            falsch = e.Ziel;
    ASSERT_GE(falsch, 0);
    ziehen(f.pan(), Griffpunkt(f.u(), f.karte(b)), f.ablage(b, falsch));
    ASSERT_TRUE(f.pauseAbwarten());
}

// Every pending card onto its own target until the run has ended (the
// result window counted one more showing, or the learning view is back).
void bisZumEndeLoesen(Fenster &f, const int &ergebnisse)
{
    const int vorher = ergebnisse;
    while (ergebnisse == vorher && f.s().Modus() == modusUebung) {
        const int k = ausstehendeKarte(f);
        ASSERT_GE(k, 0);
        ziehen(f.pan(), Griffpunkt(f.u(), f.karte(k)), f.ablage(k, k));
        ASSERT_TRUE(f.pauseAbwarten());
    }
}

// Drags every card of the running partial exercise onto its own target,
// until the series moves on.
void teiluebungLoesen(Fenster &f)
{
    const int position = f.s().Serien().Serie().Position;
    for (const AbfrageEintrag &e : std::vector<AbfrageEintrag>(f.u().AbfrageListe())) {
        if (f.s().Serien().Serie().Position != position)
            return;
        ziehen(f.pan(), Griffpunkt(f.u(), f.karte(e.Karte)), f.ablage(e.Karte, e.Karte));
        ASSERT_TRUE(f.pauseAbwarten());
    }
}

QByteArray dateiLesen(const QString &pfad)
{
    QFile d(pfad);
    return d.open(QIODevice::ReadOnly) ? d.readAll() : QByteArray();
}

} // namespace

// Whole runs through the real window end with the result window: the first
// (one failed attempt) is saved as protocol and entered into the best list,
// its window repeats the failed query only; that partial run is neither
// entered nor repeatable in part, its window repeats the whole exercise;
// the third goes back to the learning view. The last protocol stays for
// "&Protokoll der letzten Übung..." and its e-mail.
TEST(TForm1Uebung, ErgebnisfensterProtokollUndBestenliste)
{
    Fenster f("Blütenpflanze.kal");
    EinstellungenTyp &e = f.form.Einstellungen();
    e.UebErgebAnzeigen = true;
    e.AutoProtSpeichern = true;
    e.ErgebBestListEintragen = true;
    EXPECT_FALSE(f.form.Aktion("ProtokollLetzteUebung1")->isEnabled());

    int ergebnisse = 0;
    QString ersterProtokollText, erstesProtokoll;
    std::deque<std::function<void(TUebFertigForm &)>> fahrten;
    f.form.UebFertigForm()->FahrerSetzen([&](TUebFertigForm &w) {
        ++ergebnisse;
        ASSERT_FALSE(fahrten.empty());
        auto fahrt = std::move(fahrten.front());
        fahrten.pop_front();
        fahrt(w);
    });

    // run 1: the window's values, the protocol window over it, then the failed query again
    fahrten.push_back([&](TUebFertigForm &w) {
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.windowTitle(), "Übung beendet");
        const UebDataTyp &d = f.u().Daten();
        EXPECT_EQ(w.Wert("Richtig")->text(), QStringLiteral("%1  von  %2").arg(d.RichtigText).arg(d.AnzAbfragen));
        EXPECT_EQ(w.Wert("Falsch")->text(), "1");
        EXPECT_EQ(w.Wert("Offen")->text(), "0");
        EXPECT_EQ(w.ZeitBeschriftung()->text(), "Benötigte Zeit:");
        EXPECT_EQ(w.Wert("NotenWort")->text(), NotenWort(d.Note, d.BewertSkala));
        EXPECT_FALSE(w.Wert("NotenWort")->text().isEmpty());
        EXPECT_EQ(w.NotenLabel()->text(), "Note:");
        EXPECT_TRUE(w.FehlerKnopf()->isEnabled());
        // entered automatically
        EXPECT_TRUE(w.EingetragenLabel()->isVisible());
        EXPECT_FALSE(w.EintragenKnopf()->isVisible());
        erstesProtokoll = f.s().Ende().GespeichertesProtokoll();
        ersterProtokollText = f.s().Ende().LetztesProtokoll().Text;
        foto(w, "ergebnisfenster-lauf.png");
        w.ProtokollKnopf()->click();
        TUebProtokollForm *p = f.form.UebProtokollForm();
        EXPECT_TRUE(p->isVisible());
        EXPECT_EQ(p->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(p->Anzeige()->Protokoll(), ersterProtokollText);
        foto(*p, "protokollfenster-lauf.png");
        p->SchliessenKnopf()->click();
        EXPECT_FALSE(p->isVisible());
        w.FehlerKnopf()->click();
        w.WiederholenKnopf()->click();
    });
    f.starten();
    ASSERT_EQ(f.s().Modus(), modusUebung);
    const int gesamt = f.u().Daten().GesamtAbfragen;
    // a marked line of our own in the run's protocol: a heading and umlauts
    f.u().Daten().ProtokollAblauf += "<tit>Prüfmarke Größe\r\n00:01 - Zwischenzeile äöüß\r\n";
    einmalFalsch(f);
    bisZumEndeLoesen(f, ergebnisse);
    ASSERT_EQ(ergebnisse, 1);

    // the protocol file: the run's text, read back with headings and umlauts
    ASSERT_FALSE(erstesProtokoll.isEmpty());
    EXPECT_EQ(QFileInfo(erstesProtokoll).absolutePath() + "/", e.Ordner.Protokolle);
    EXPECT_TRUE(QFileInfo(erstesProtokoll).fileName().endsWith("-" + Rechnername() + "-0.rtf"))
        << erstesProtokoll.toStdString();
    const std::optional<QString> gelesen = ProtokollAusRtf(dateiLesen(erstesProtokoll));
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(*gelesen, ersterProtokollText.endsWith("\r\n") ? ersterProtokollText : ersterProtokollText + "\r\n");
    EXPECT_TRUE(gelesen->contains("<tit>Prüfmarke Größe\r\n00:01 - Zwischenzeile äöüß\r\n"));
    // the run's own head and course: headings, the statistics, umlauts
    EXPECT_TRUE(gelesen->startsWith("<tit>Übungsprotokoll\r\n")) << gelesen->toStdString();
    for (const char *zeile : {"<tit>Übungseinstellungen\r\n", "<tit>Statistik-Zusammenfassung\r\n",
                              "<tit>Detaillierter Ablauf\r\n", "Teilnehmername:\t(kein Name)\r\n",
                              "Fehlversuche:\t1\r\n", "Übung wird gestartet\r\n", "Datei:\tBlütenpflanze.kal\r\n"})
        EXPECT_TRUE(gelesen->contains(QString::fromUtf8(zeile))) << zeile;
    EXPECT_TRUE(gelesen->contains("FALSCH - ")) << gelesen->toStdString();

    // run 2 repeats the failed query only
    ASSERT_EQ(f.s().Modus(), modusUebung);
    EXPECT_GT(f.u().Daten().AnzAbfragen, 0);
    EXPECT_LT(f.u().Daten().AnzAbfragen, gesamt);
    f.u().Daten().ProtokollAblauf += "00:01 - Lauf 2\r\n";
    fahrten.push_back([&](TUebFertigForm &w) {
        // all right at once: no partial repetition; a partial run is not entered
        EXPECT_FALSE(w.FehlerKnopf()->isEnabled());
        EXPECT_TRUE(w.KomplettKnopf()->isChecked());
        EXPECT_FALSE(w.EingetragenLabel()->isVisible());
        EXPECT_FALSE(w.EintragenKnopf()->isVisible());
        w.WiederholenKnopf()->click();
    });
    bisZumEndeLoesen(f, ergebnisse);
    ASSERT_EQ(ergebnisse, 2);

    // run 3 is the whole exercise again; its window goes back to the learning view
    ASSERT_EQ(f.s().Modus(), modusUebung);
    EXPECT_EQ(f.u().Daten().AnzAbfragen, gesamt);
    f.u().Daten().ProtokollAblauf += "00:01 - Lauf 3\r\n";
    QString listenTitel;
    int listenZeilen = 0;
    fahrten.push_back([&](TUebFertigForm &w) {
        // "Bestenliste...": the document's list over the result window
        QTimer::singleShot(0, &w, [&] {
            auto *liste = qobject_cast<TBestListForm *>(QApplication::activeModalWidget());
            if (!liste)
                return;
            listenTitel = liste->windowTitle();
            listenZeilen = int(liste->Eintraege().size());
            liste->SchliessenKnopf()->click();
        });
        w.BestenlisteKnopf()->click();
        w.LernansichtKnopf()->click();
    });
    bisZumEndeLoesen(f, ergebnisse);
    ASSERT_EQ(ergebnisse, 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.s().Modus() == modusLernansicht; }, 5000));
    EXPECT_FALSE(f.meldungen.Texte().contains("Die Übung ist beendet."));
    EXPECT_EQ(listenTitel, "Bestenliste - Individual-Übung");
    EXPECT_EQ(listenZeilen, 2);

    // three protocols, two entries (the partial run is not entered)
    EXPECT_EQ(QDir(e.Ordner.Protokolle).entryList({"*.rtf"}, QDir::Files).size(), 3);
    BestenlisteInhalt liste;
    ASSERT_TRUE(BestenlisteDateiLesen(e.Ordner.Bestenlisten + "Blütenpflanze.hsc", liste));
    ASSERT_EQ(liste.Eintraege.size(), 2u);
    EXPECT_EQ(liste.Eintraege[0].Name, "(kein Name)");
    EXPECT_EQ(liste.Eintraege[0].Rechner, Rechnername());
    EXPECT_LT(liste.Eintraege[0].Leistung, 1.0);
    EXPECT_DOUBLE_EQ(liste.Eintraege[1].Leistung, 1.0);

    // the protocol window made at run 1 shows the protocol of run 3 now
    EXPECT_TRUE(f.s().Ende().LetztesProtokoll().Text.contains("Lauf 3\r\n"));
    EXPECT_EQ(f.form.UebProtokollForm()->Anzeige()->Protokoll(), f.s().Ende().LetztesProtokoll().Text);

    // the last protocol: menu entry, window, comment and e-mail
    f.form.ZustandAnzeigen();
    ASSERT_TRUE(f.form.Aktion("ProtokollLetzteUebung1")->isEnabled());
    SkriptEMailProgramm email;
    f.form.EMailProgrammSetzen(&email);
    f.form.Aktion("ProtokollLetzteUebung1")->trigger();
    TUebProtokollForm *p = f.form.UebProtokollForm();
    ASSERT_TRUE(p->isVisible());
    EXPECT_EQ(p->windowModality(), Qt::NonModal);
    EXPECT_EQ(p->Anzeige()->Protokoll(), f.s().Ende().LetztesProtokoll().Text);
    p->KommentardialogSetzen([](QWidget *) { return std::optional<QString>("Gut gemacht."); });
    p->KommentarKnopf()->click();
    p->EMailKnopf()->click();
    ASSERT_EQ(email.Aufrufe.size(), 1u);
    EXPECT_EQ(email.Aufrufe[0].Text, "Anbei Kalumo-Übungsprotokoll zu Themendokument: Blütenpflanze.kal\r\n");
    ASSERT_EQ(email.Aufrufe[0].Anhaenge.size(), 1);
    EXPECT_TRUE(QFileInfo(email.Aufrufe[0].Anhaenge[0]).fileName().startsWith("email-kalprotokoll-"));
    const std::optional<QString> anhang = ProtokollAusRtf(dateiLesen(email.Aufrufe[0].Anhaenge[0]));
    ASSERT_TRUE(anhang);
    EXPECT_TRUE(anhang->endsWith("<tit>Kommentar\r\nGut gemacht.\r\n"));
    // the comment stays with the protocol when the window is shown again
    p->SchliessenKnopf()->click();
    f.form.Aktion("ProtokollLetzteUebung1")->trigger();
    EXPECT_TRUE(p->Anzeige()->Protokoll().endsWith("<tit>Kommentar\r\nGut gemacht."));
    p->SchliessenKnopf()->click();
}

// "In Bestenliste eintragen" when the option is off; a list that cannot be
// written gives the error and the folder dialog.
TEST(TForm1Uebung, InBestenlisteEintragenImErgebnisfenster)
{
    Fenster f("Blütenpflanze.kal");
    EinstellungenTyp &e = f.form.Einstellungen();
    e.UebErgebAnzeigen = true;
    int ergebnisse = 0;
    f.form.UebFertigForm()->FahrerSetzen([&](TUebFertigForm &w) {
        ++ergebnisse;
        ASSERT_TRUE(w.EintragenKnopf()->isVisible());
        EXPECT_FALSE(w.EingetragenLabel()->isVisible());
        // the folder is gone: the error box, then the folder dialog (closed here)
        ASSERT_TRUE(QDir(e.Ordner.Bestenlisten).removeRecursively());
        bool ordnerDialog = false;
        QTimer::singleShot(0, &w, [&] {
            if (QWidget *d = QApplication::activeModalWidget()) {
                ordnerDialog = d->windowTitle() == "Dateiordner";
                d->close();
            }
        });
        w.EintragenKnopf()->click();
        EXPECT_TRUE(ordnerDialog);
        ASSERT_FALSE(f.meldungen.Gezeigt().empty());
        EXPECT_EQ(f.meldungen.Gezeigt().back().Art, MeldungArt::Fehler);
        EXPECT_TRUE(f.meldungen.Texte().back().contains("Die Bestenliste konnte nicht gespeichert werden."));
        EXPECT_TRUE(w.EintragenKnopf()->isVisible());
        // the folder is back: the entry is made
        QDir().mkpath(e.Ordner.Bestenlisten);
        w.EintragenKnopf()->click();
        EXPECT_FALSE(w.EintragenKnopf()->isVisible());
        EXPECT_TRUE(w.EingetragenLabel()->isVisible());
        w.LernansichtKnopf()->click();
    });
    f.starten();
    ASSERT_EQ(f.s().Modus(), modusUebung);
    bisZumEndeLoesen(f, ergebnisse);
    ASSERT_EQ(ergebnisse, 1);
    EXPECT_TRUE(f.u().Daten().InBestenliste);
    BestenlisteInhalt liste;
    ASSERT_TRUE(BestenlisteDateiLesen(e.Ordner.Bestenlisten + "Blütenpflanze.hsc", liste));
    EXPECT_EQ(liste.Eintraege.size(), 1u);
    // no automatic saving: no protocol files
    EXPECT_TRUE(QDir(e.Ordner.Protokolle).entryList({"*.rtf"}, QDir::Files).isEmpty());
}

// "Übungsrückmeldung...": OK takes the values over, "Abbrechen" keeps them;
// the next run uses them and they are written with the settings, as the
// option check items are.
TEST(TForm1Uebung, RueckmeldungsdialogUndOptionen)
{
    Fenster f("Blütenpflanze.kal");
    ASSERT_TRUE(f.form.Aktion("Uebungsrueckmeldung1")->isEnabled());
    auto dialogFahren = [&](const QString &text, bool ok) {
        QTimer::singleShot(0, &f.form, [&, text, ok] {
            auto *d = qobject_cast<TUebungsrueckmeldungForm *>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->windowTitle(), "Übungsrückmeldung");
            d->RichtigText()->setText(text);
            d->MCFehlend()->setText("Es fehlt:");
            (ok ? d->OkKnopf() : d->AbbrechenKnopf())->click();
        });
        f.form.Aktion("Uebungsrueckmeldung1")->trigger();
    };
    dialogFahren("Super!", true);
    EXPECT_EQ(f.form.Einstellungen().Rueckmeldung.RichtigText, "Super!");
    EXPECT_EQ(f.form.Einstellungen().Rueckmeldung.MCFehlendText, "Es fehlt:");
    dialogFahren("Verworfen", false);
    EXPECT_EQ(f.form.Einstellungen().Rueckmeldung.RichtigText, "Super!");

    // the option check items toggle their settings
    const bool vorher = f.form.Einstellungen().AutoProtSpeichern;
    f.form.Aktion("AutoProtSpeichern1")->trigger();
    EXPECT_EQ(f.form.Einstellungen().AutoProtSpeichern, !vorher);
    f.form.Aktion("ErgebBestListEintragen1")->trigger();
    EXPECT_TRUE(f.form.Einstellungen().ErgebBestListEintragen);

    f.starten();
    ASSERT_EQ(f.s().Modus(), modusUebung);
    EXPECT_EQ(f.u().Texte.Richtig, "Super!");
    EXPECT_EQ(f.u().Texte.MCFehlend, "Es fehlt:");

    f.s().EinstellungenSpeichern();
    EXPECT_EQ(f.speicher.Text("Opt-Uebungsrueckmeldung-RichtigText", {}), "Super!");
    EXPECT_EQ(f.speicher.Text("Opt-Uebungsrueckmeldung-MCFehlendText", {}), "Es fehlt:");
    EXPECT_EQ(f.speicher.Bool("Opt-AutoProtSpeichern", vorher), !vorher);
    EXPECT_TRUE(f.speicher.Bool("Opt-ErgebBestListEintragen", false));
}

TEST(TForm1Uebung, SerieAusDreiBeispielenBisZumEndDialog)
{
    Fenster f("Blütenpflanze.kal");
    // a package of three examples: weights 1, 1, 2; the last one has one minute
    QTemporaryDir ordner;
    const QString paket = ordner.filePath("test.kausp");
    ASSERT_TRUE(test::BeispielpaketSchreiben(paket, QStringLiteral("Test Klasse 5b"),
                                             {{"Blütenpflanze.kal", 1}, {"Tabelle Formen.kal", 1}, {"Blütenpflanze.kal", 2, 1}}));

    f.dialoge.Antworten.push_back(paket);
    f.meldungen.AntwortVormerken(Antwort::Ja);   // "Die Übungs-Serie wird jetzt gestartet. Fortfahren?"
    // a package always asks for the name
    QTimer::singleShot(0, &f.form, [&] {
        TNameEingabeForm *name = f.form.NameEingabeForm();
        EXPECT_TRUE(name->isVisible());
        name->NameEdit()->setText("Jonas");
        name->OkKnopf()->click();
    });
    f.form.Aktion("UebungsserieAusfuehren1")->trigger();
    QCoreApplication::processEvents();
    ASSERT_EQ(f.s().Modus(), modusUebung) << f.meldungen.Texte().join('|').toStdString();
    EXPECT_TRUE(f.form.SerieStatusPan()->isVisible());
    EXPECT_EQ(f.form.SerieStatusPan()->NummerLabel()->text(), "1");
    EXPECT_EQ(f.form.SerieStatusPan()->VonLabel()->text(), "von  3");
    foto(f.form, "serie-teiluebung1.png");

    teiluebungLoesen(f);
    ASSERT_EQ(f.s().Serien().Serie().Position, 1);
    EXPECT_EQ(f.form.SerieStatusPan()->NummerLabel()->text(), "2");
    EXPECT_EQ(f.s().Dok().Kopf.titel, "Geometrische Formen");
    teiluebungLoesen(f);
    ASSERT_EQ(f.s().Serien().Serie().Position, 2);

    // the third runs out of time; the end dialog shows the total result
    QString leistung, bewertung, gesamtImFenster;
    QTimer schliesser;
    QObject::connect(&schliesser, &QTimer::timeout, [&] {
        if (TUebserieFertigForm *d = f.form.Serienteil()->FertigForm()) {
            leistung = d->LeistungWert()->text();
            bewertung = d->BewertungWert()->text();
            foto(*d, "serie-beendet.png");
            // "Protokoll..." shows the total protocol in the protocol window
            d->ProtokollKnopf()->click();
            TUebProtokollForm *p = f.form.UebProtokollForm();
            gesamtImFenster = p->isVisible() ? p->Anzeige()->Protokoll() : QString();
            p->SchliessenKnopf()->click();
            d->SchliessenKnopf()->click();
        }
    });
    schliesser.start(20);
    f.uhr.Setzen(f.uhr.Millisekunden() + 61'000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.s().Modus() == modusLernansicht; }, 10000));
    EXPECT_EQ(leistung, "50.0 %");
    EXPECT_EQ(bewertung, "ausreichend");
    EXPECT_TRUE(f.meldungen.Texte().contains(
        "Teilübung Nr. 2 von 3 ist beendet.\r\nMit Klick auf OK startet die nächste Teilübung."));
    const QString protokoll = f.form.Serienteil()->Gesamtprotokoll();
    EXPECT_EQ(gesamtImFenster, protokoll);
    EXPECT_TRUE(f.s().Ende().LetztesProtokoll().Serie);
    EXPECT_TRUE(protokoll.startsWith("<tit>Gesamtprotokoll der Übungsserie\r\n\r\n<tit>Test Klasse 5b\r\n"));
    EXPECT_TRUE(protokoll.contains("Teilnehmername:\tJonas\r\n"));
    for (int nr = 1; nr <= 3; ++nr)
        EXPECT_TRUE(protokoll.contains(QStringLiteral("<tit>Übungsprotokoll zu Teilübung Nr. %1\r\n").arg(nr)));
    // the package's document is closed: the start page
    EXPECT_FALSE(f.s().DokumentOffen());
    EXPECT_FALSE(f.form.SerieStatusPan()->isVisible());
    EXPECT_EQ(f.s().UebArt(), uebIndividual);
}

TEST(TForm1Uebung, BestenlisteIndividualNurFuerGespeicherteDokumente)
{
    // a document that was never saved has no list: the menu says so and shows nothing
    Fenster f(nullptr);
    f.s().Dok().Kopf.Dateiname.clear();
    f.form.Aktion("BestenlisteIndividual1")->trigger();
    EXPECT_EQ(f.meldungen.Texte().value(0),
              "Da das aktuelle Dokument nicht gespeichert wurde, bzw. kein Dokument geöffnet wurde, ist keine "
              "Bestenliste verfügbar.");
    EXPECT_TRUE(f.form.Aktion("BestenlisteIndividual1")->isEnabled());
}
