// The window "Arbeitsblatt", its print dialog and the dialog "Ansicht drucken",
// driven through their controls with scripted messages, dialogs and printers.

#include "learnview/Lernansichtshilfen.h"
#include "learnview/TextLayouts.h"
#include "peripheral/TAnsichtDruckForm.h"
#include "platform/Dateidialoge.h"
#include "platform/Meldungen.h"
#include "worksheet/TArbeitsblattForm.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace kalumo;
using namespace kalumo::test;

namespace {

// Prints into a bitmap of A4 in tenths of a millimetre.
class BildDrucker : public Drucker
{
public:
    bool Da = true;
    bool Fehlschlag = false;
    QPointF Versatz{40, 30};
    Druckauftrag Letzter;
    int Auftraege = 0;
    QImage Papier;

    bool Vorhanden() const override { return Da; }
    QString Geraetename() const override { return QStringLiteral("Laser"); }
    QString Anschluss() const override { return QStringLiteral("USB1"); }
    bool Einrichten() override { return Da; }
    bool Drucken(const Druckauftrag &a, const Zeichnen &zeichnen, QString &fehler) override
    {
        if (Fehlschlag) {
            fehler = QStringLiteral("Papierstau");
            return false;
        }
        Letzter = a;
        ++Auftraege;
        Papier = QImage(a.Querformat ? QSize(2970, 2100) : QSize(2100, 2970), QImage::Format_RGB32);
        Papier.fill(Qt::white);
        QPainter p(&Papier);
        p.translate(Versatz);
        zeichnen(p, Versatz);
        return true;
    }
};

struct Aufbau
{
    SkriptMeldungen meldungen;
    SkriptDateidialoge dialoge;
    BildDrucker drucker;
    Dokument dok;
    ArbeitsblattOptionen optionen;
    TArbeitsblattForm form{meldungen, dialoge, drucker};

    explicit Aufbau(int typ = dokLueckentext)
    {
        dok = Seite(870, 609);
        dok.Kopf.DokTyp = typ;
        dok.Kopf.titel = QStringLiteral("Der Rhein");
        dok.Kopf.lueckentext = QStringLiteral("Der <<Rhein>> fließt in die <<Nordsee>>.");
        TextLayoutsNeuAufbauen(dok);
        form.Oeffnen(dok, {}, optionen);
    }
};

// The first row and column with dark ink in a picture (-1 when none).
QPoint ErsteTinte(const QImage &b)
{
    int x0 = -1, y0 = -1;
    for (int y = 0; y < b.height() && y0 < 0; ++y)
        for (int x = 0; x < b.width(); ++x)
            if (qGray(b.pixel(x, y)) < 128) {
                y0 = y;
                break;
            }
    for (int x = 0; x < b.width() && x0 < 0; ++x)
        for (int y = 0; y < b.height(); ++y)
            if (qGray(b.pixel(x, y)) < 128) {
                x0 = x;
                break;
            }
    return {x0, y0};
}

} // namespace

TEST(TArbeitsblattForm, OeffnenZeichnetUndZeigtDieFelderDesTyps)
{
    Aufbau a;
    a.form.resize(932, 662);
    a.form.show();
    EXPECT_EQ(a.form.windowTitle(), "Arbeitsblatt");
    EXPECT_GE(a.form.Zeichnungen(), 1);
    EXPECT_EQ(a.form.TitelEdit()->text(), "Der Rhein");
    EXPECT_EQ(a.form.AufgMemo()->toPlainText(), "Aufgabe: Fülle die freien Felder aus!");
    EXPECT_TRUE(a.form.Feld(Optionsfeld::Bildoptionen)->isVisible());
    EXPECT_FALSE(a.form.Feld(Optionsfeld::ErstBuchstabe)->isVisible());
    EXPECT_FALSE(a.form.Feld(Optionsfeld::AbFrage)->isVisible());
    EXPECT_EQ(a.form.Vorschaubild().size(), QSize(1001, 1625));
    EXPECT_TRUE(a.form.Blatt().Klartext().contains("Der Rhein"));

    // every option change draws again
    const int vorher = a.form.Zeichnungen();
    a.form.Kopffeld(0)->setChecked(false);
    EXPECT_EQ(a.form.Zeichnungen(), vorher + 1);
    EXPECT_FALSE(a.optionen.ABName);
    a.form.ModeRadio(abLoesungKomplett)->setChecked(true);
    EXPECT_EQ(a.optionen.Variante, abLoesungKomplett);
    EXPECT_EQ(a.form.Zeichnungen(), vorher + 2);

    if (const QByteArray ordner = qgetenv("KALUMO_BILDSCHIRMFOTOS"); !ordner.isEmpty())
        a.form.grab().save(QString::fromLocal8Bit(ordner) + QStringLiteral("/arbeitsblatt.png"));
}

TEST(TArbeitsblattForm, BildoptionenWerdenBegrenztUndSchritteZeichnen)
{
    Aufbau a;
    a.form.BasisbildX()->setText("35");
    emit a.form.BasisbildX()->editingFinished();
    EXPECT_DOUBLE_EQ(a.optionen.BasisbildX, 20);
    EXPECT_EQ(a.form.BasisbildX()->text(), "20,0");
    a.form.BasisbildY()->setText("-50");
    emit a.form.BasisbildY()->editingFinished();
    EXPECT_DOUBLE_EQ(a.optionen.BasisbildY, -20);
    a.form.BasisbildGroesse()->setText("500");
    emit a.form.BasisbildGroesse()->editingFinished();
    EXPECT_DOUBLE_EQ(a.optionen.BasisbildGroesse, 300);
    const int vorher = a.form.Zeichnungen();
    a.form.Knopf("BasisbildGroesseMinus")->click();
    EXPECT_DOUBLE_EQ(a.optionen.BasisbildGroesse, 299);
    a.form.Knopf("BasisbildYPlus")->click();
    EXPECT_DOUBLE_EQ(a.optionen.BasisbildY, -19.9);
    EXPECT_EQ(a.form.Zeichnungen(), vorher + 2);
    // the two base-image boxes stay equal
    a.form.BasisbildCheck()->setChecked(false);
    EXPECT_FALSE(a.form.BasisbildCheck0()->isChecked());
}

TEST(TArbeitsblattForm, TitelEntfernenZuruecksetzenUndAufgabeZurueckschreiben)
{
    Aufbau a;
    a.meldungen.AntwortVormerken(Antwort::Ja);
    a.form.TitelCheck()->setChecked(false);
    EXPECT_EQ(a.meldungen.Texte(), QStringList{"Titelzeile ganz entfernen?"});
    EXPECT_TRUE(a.form.TitelEdit()->text().isEmpty());
    EXPECT_FALSE(a.form.Blatt().Klartext().contains("Der Rhein"));

    a.dok.Kopf.Arbeitsblatt = QStringLiteral("150 %|1|2|1|1|0.0|0.0|100.0|0|0|");
    a.form.ZuruecksetzenClick();
    EXPECT_EQ(a.optionen.Kaestchengroesse, 150);
    EXPECT_EQ(a.optionen.MaxFontSize, 2);
    EXPECT_EQ(a.form.KaestchengroesseCombo()->currentText(), "150 %");

    // unchanged task: the document stays unchanged; a new one is written back
    a.form.Schliessen();
    EXPECT_FALSE(a.dok.Kopf.Geaendert);
    a.form.Oeffnen(a.dok, {}, a.optionen);
    a.form.AufgMemo()->setPlainText(QStringLiteral("Ordne zu!"));
    a.form.Schliessen();
    EXPECT_EQ(a.dok.Kopf.ABAufgabe, "Ordne zu!");
    EXPECT_TRUE(a.dok.Kopf.Geaendert);
    // closed: nothing is drawn
    const int n = a.form.Zeichnungen();
    a.form.DrawSheet();
    EXPECT_EQ(a.form.Zeichnungen(), n);
}

TEST(TArbeitsblattForm, ExportierenPrueftDieEndung)
{
    Aufbau a;
    QTemporaryDir dir;
    a.dialoge.Filterwahl = QStringLiteral("Enhanced Metafile (*.emf)");
    a.dialoge.Antworten.push_back(dir.filePath("blatt.png"));
    a.form.ExportierenClick();
    EXPECT_EQ(a.meldungen.Texte(), QStringList{"Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung."});
    EXPECT_FALSE(QFile::exists(dir.filePath("blatt.png")));
    EXPECT_EQ(a.dialoge.LetzterTitel, "Arbeitsblatt exportieren");

    a.meldungen.Leeren();
    a.dialoge.Antworten.push_back(dir.filePath("blatt"));
    a.form.ExportierenClick();
    EXPECT_TRUE(a.meldungen.Texte().isEmpty());
    EXPECT_TRUE(QFile::exists(dir.filePath("blatt.emf")));
    a.dialoge.Filterwahl = QStringLiteral("Alle Dateien (*.*)");
    a.dialoge.Antworten.push_back(dir.filePath("blatt.wmf"));
    a.form.ExportierenClick();
    EXPECT_TRUE(QFile::exists(dir.filePath("blatt.wmf")));
}

TEST(TArbeitsblattForm, DruckdialogImQuerformatUndOhneDrucker)
{
    Aufbau a;
    a.form.OrientRadio(1)->setChecked(true);
    EXPECT_TRUE(a.optionen.Querformat);
    EXPECT_EQ(a.form.Blatt().Seite, QSizeF(1625, 1000));
    bool geprueft = false;
    a.form.DruckdialogPruefen = [&](TArbblattDruckForm &d) {
        geprueft = true;
        EXPECT_EQ(d.windowTitle(), "Arbeitsblatt drucken");
        EXPECT_EQ(d.LinksFeld()->text(), "1,4");
        EXPECT_EQ(d.ObenFeld()->text(), "2,2");
        EXPECT_EQ(d.BreiteFeld()->text(), "26,8");
        EXPECT_EQ(d.HoeheFeld()->text(), "16,5");
        EXPECT_EQ(d.OrientierungLabel()->text(), "Ausdruck erfolgt im Querformat");
        EXPECT_EQ(d.DruckerLabel()->text(), "Laser an USB1");
        EXPECT_EQ(d.KopienFeld()->maximum(), 999);
        // the ratio lock keeps the sheet's shape
        d.BreiteFeld()->setText("16,25");
        emit d.BreiteFeld()->textEdited("16,25");
        EXPECT_EQ(d.HoeheFeld()->text(), "10,0");
        d.KopienFeld()->setValue(3);
        d.DruckenKnopf()->click();
    };
    a.form.DruckenClick();
    ASSERT_TRUE(geprueft);
    EXPECT_EQ(a.drucker.Auftraege, 1);
    EXPECT_EQ(a.drucker.Letzter.Kopien, 3);
    EXPECT_TRUE(a.drucker.Letzter.Querformat);
    EXPECT_EQ(a.drucker.Letzter.Titel, "Der Rhein");
    // the sheet starts at the margins from the paper edge
    const QPoint tinte = ErsteTinte(a.drucker.Papier);
    EXPECT_NEAR(tinte.x(), 140, 3);
    EXPECT_NEAR(tinte.y(), 220, 3);

    // no printer: the line says so and printing reports an error
    a.drucker.Da = false;
    a.form.DruckdialogPruefen = [&](TArbblattDruckForm &d) {
        EXPECT_EQ(d.DruckerLabel()->text(), "- Kein Drucker -");
        d.DruckenKnopf()->click();
        EXPECT_NE(d.result(), QDialog::Accepted);
    };
    a.form.DruckenClick();
    EXPECT_EQ(a.drucker.Auftraege, 1);
    ASSERT_EQ(a.meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(a.meldungen.Gezeigt()[0].Art, MeldungArt::Fehler);
    // a failing printer too
    a.meldungen.Leeren();
    a.drucker.Da = true;
    a.drucker.Fehlschlag = true;
    a.form.DruckdialogPruefen = [&](TArbblattDruckForm &d) { d.DruckenKnopf()->click(); };
    a.form.DruckenClick();
    EXPECT_EQ(a.meldungen.Texte(), QStringList{"Papierstau"});
}

TEST(TArbeitsblattForm, GesperrtesDokumentOeffnetNichts)
{
    SkriptMeldungen meldungen;
    SkriptDateidialoge dialoge;
    BildDrucker drucker;
    Dokument dok = Seite(400, 300);
    dok.Kopf.ArbeitsblattSperren = 1;
    ArbeitsblattOptionen o;
    TArbeitsblattForm *form = nullptr;
    TArbeitsblattForm::Zeigen(form, nullptr, dok, {}, o, meldungen, dialoge, drucker);
    EXPECT_EQ(form, nullptr);
    EXPECT_EQ(meldungen.Texte(), QStringList{"Die Arbeitsblatt-Funktion ist bei diesem Dokument vom Autor gesperrt."});
}

TEST(TAnsichtDruckForm, SeitenverhaeltnisKopienUndRand)
{
    SkriptMeldungen meldungen;
    BildDrucker drucker;
    QImage bild(400, 200, QImage::Format_RGB32);
    bild.fill(Qt::black);
    TAnsichtDruckForm d(drucker, meldungen);
    AnsichtDruckZustand z;
    d.Vorbereiten(bild, "Ansicht", z);
    d.Aktivieren();
    EXPECT_EQ(d.windowTitle(), "Ansicht drucken");
    EXPECT_EQ(d.HoeheFeld()->text(), "8,5"); // the rule applied once: 17 / 2
    d.BreiteFeld()->setText("16");
    emit d.BreiteFeld()->textEdited("16");
    EXPECT_EQ(d.HoeheFeld()->text(), "8,0");
    // without the rule width and height are independent
    d.VerhaeltnisCheck()->setChecked(false);
    d.HoeheFeld()->setText("4");
    emit d.HoeheFeld()->textEdited("4");
    EXPECT_EQ(d.BreiteFeld()->text(), "16");
    // a left margin inside the unprintable border prints at the border
    d.LinksFeld()->setText("0,2");
    d.KopienFeld()->setValue(2);
    d.DruckenKnopf()->click();
    EXPECT_EQ(drucker.Letzter.Kopien, 2);
    const QPoint tinte = ErsteTinte(drucker.Papier);
    EXPECT_NEAR(tinte.x(), 40, 2);
    EXPECT_NEAR(tinte.y(), 200, 2);
    EXPECT_EQ(d.Zustand().Lage.Hoehe, 4.0);
}
