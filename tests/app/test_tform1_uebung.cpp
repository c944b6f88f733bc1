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
#include "exercise/TNameEingabeForm.h"
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

} // namespace

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
    QString leistung, bewertung;
    QTimer schliesser;
    QObject::connect(&schliesser, &QTimer::timeout, [&] {
        if (TUebserieFertigForm *d = f.form.Serienteil()->FertigForm()) {
            leistung = d->LeistungWert()->text();
            bewertung = d->BewertungWert()->text();
            foto(*d, "serie-beendet.png");
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
    EXPECT_TRUE(protokoll.startsWith("<tit>Gesamtprotokoll der Übungsserie\r\n\r\n<tit>Test Klasse 5b\r\n"));
    EXPECT_TRUE(protokoll.contains("Teilnehmername:\tJonas\r\n"));
    for (int nr = 1; nr <= 3; ++nr)
        EXPECT_TRUE(protokoll.contains(QStringLiteral("<tit>Übungsprotokoll zu Teilübung Nr. %1\r\n").arg(nr)));
    // the package's document is closed: the start page
    EXPECT_FALSE(f.s().DokumentOffen());
    EXPECT_FALSE(f.form.SerieStatusPan()->isVisible());
    EXPECT_EQ(f.s().UebArt(), uebIndividual);
}
