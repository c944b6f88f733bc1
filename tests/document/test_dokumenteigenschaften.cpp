// Document properties and passwords without a window: the password checks,
// taking the dialog's values over, logo and footer for a whole folder and
// the checks of the margins.

#include "document/Dokumenteigenschaften.h"
#include "testhilfen/Fixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace kalumo;

namespace {

QString ablegen(const QDir &d, const QString &name, const QString &titel, const QString &passwort = {})
{
    const QString pfad = d.filePath(name);
    EXPECT_TRUE(test::DokumentAblegen(pfad, titel, passwort));
    return pfad;
}

QByteArray inhalt(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(Dokumentpasswort, PruefenFragtNurWennNoetigUndBisZurRichtigenEingabe)
{
    struct Fall
    {
        const char *passwort;
        std::vector<std::optional<QString>> antworten;
        bool ergebnis;
        int fragen;
        int fehler; // "Das Passwort ist falsch."
    };
    const Fall faelle[] = {
        {"", {}, true, 0, 0},
        {"Geheim", {QString("Geheim")}, true, 1, 0},
        {"Geheim", {QString("geheim"), QString("Geheim")}, true, 2, 1}, // case-sensitive, the dialog stays
        {"Geheim", {QString("x"), std::nullopt}, false, 2, 1},
        {"Geheim", {std::nullopt}, false, 1, 0},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(testing::Message() << f.passwort << " / " << f.antworten.size());
        HeaderDataTyp kopf;
        kopf.DokPasswort = QString::fromUtf8(f.passwort);
        SkriptPasswortabfrage abfrage;
        abfrage.Antworten.assign(f.antworten.begin(), f.antworten.end());
        SkriptMeldungen meldungen;
        EXPECT_EQ(DokPasswortPruefen(kopf, abfrage, meldungen), f.ergebnis);
        EXPECT_EQ(abfrage.Anzahl, f.fragen);
        EXPECT_EQ(meldungen.Texte().count("Das Passwort ist falsch."), f.fehler);
        if (f.fragen > 0)
            EXPECT_EQ(abfrage.LetzterText, QString::fromUtf8(kDokPasswortErklaerung));
        // once entered, no further question until another document is read
        if (f.ergebnis && f.fragen > 0) {
            EXPECT_TRUE(kopf.DokPasswortOk);
            EXPECT_TRUE(DokPasswortPruefen(kopf, abfrage, meldungen));
            EXPECT_EQ(abfrage.Anzahl, f.fragen);
        }
    }
}

TEST(Dokumentpasswort, NeuSetzenVerlangtZuerstDasAlte)
{
    HeaderDataTyp kopf;
    kopf.DokPasswort = "alt";
    SkriptPasswortabfrage abfrage;
    SkriptMeldungen meldungen;
    abfrage.Antworten = {QString("falsch"), std::nullopt};
    EXPECT_FALSE(DokPasswortNeuSetzen(kopf, abfrage, meldungen));
    EXPECT_EQ(kopf.DokPasswort, "alt");
    abfrage.Antworten = {QString("alt"), QString("neu")};
    EXPECT_TRUE(DokPasswortNeuSetzen(kopf, abfrage, meldungen));
    EXPECT_EQ(kopf.DokPasswort, "neu");
    EXPECT_TRUE(kopf.DokPasswortOk);
    EXPECT_EQ(abfrage.LetzterText, QString::fromUtf8(kDokPasswortNeuErklaerung));
    EXPECT_TRUE(meldungen.Texte().last().startsWith("Bitte speichern Sie im nächsten Schritt"));
    // an empty entry removes the protection
    abfrage.Antworten = {QString()};
    EXPECT_TRUE(DokPasswortNeuSetzen(kopf, abfrage, meldungen));
    EXPECT_TRUE(kopf.DokPasswort.isEmpty());
}

TEST(Dokumenteigenschaften, ZielpunktGroesseUndDateigroesse)
{
    EXPECT_EQ(ZielpunktListe().size(), 11);
    EXPECT_EQ(ZielpunktListe().last(), "unsichtbar");
    EXPECT_EQ(ZielpunktGroesse(ZielpunktListe().indexOf("unsichtbar")), 0);
    EXPECT_EQ(ZielpunktGroesse(ZielpunktListe().indexOf("30%")), 30);
    for (int g : {0, 10, 30, 100})
        EXPECT_EQ(ZielpunktGroesse(ZielpunktIndex(g)), g);
    EXPECT_EQ(DateigroesseText(1234567, QLocale(QLocale::German)), "1.234.567 Bytes");
    EXPECT_EQ(DateigroesseText(1234567, QLocale(QLocale::English, QLocale::UnitedStates)), "1,234,567 Bytes");
    EXPECT_TRUE(DateifaktenLesen("/gibt/es/nicht.kal", QLocale()).Groesse.isEmpty());
}

TEST(Dokumenteigenschaften, UebernehmenAendertNurWasAnders)
{
    HeaderDataTyp kopf;
    kopf.titel = "T";
    kopf.BilderPasswort = "b";
    kopf.BilderPasswortOk = true;
    EigenschaftenWerte w = EigenschaftenLesen(kopf);
    EigenschaftenFolgen f = EigenschaftenUebernehmen(kopf, w);
    EXPECT_FALSE(kopf.Geaendert);
    EXPECT_FALSE(f.Neuzeichnen || f.Neunummerieren);
    EXPECT_TRUE(kopf.BilderPasswortOk);

    w.NumArt = 1;
    w.GeordnetArt = 1;
    w.ZielpunktIndex = 10;
    w.BilderPasswort.clear();
    w.LogoProzent = 35;
    w.LernansichtSperren = 1;
    f = EigenschaftenUebernehmen(kopf, w);
    EXPECT_TRUE(kopf.Geaendert);
    EXPECT_TRUE(f.Neuzeichnen);
    EXPECT_TRUE(f.Neunummerieren);
    EXPECT_EQ(kopf.Zielpunktgroesse, 0); // "unsichtbar"
    EXPECT_TRUE(kopf.BilderPasswort.isEmpty());
    EXPECT_FALSE(kopf.BilderPasswortOk);
    EXPECT_DOUBLE_EQ(kopf.LogoGroesse, 0.35);
    EXPECT_EQ(kopf.LernansichtSperren, 1);
}

TEST(Raender, PaareWerdenNacheinanderGeprueft)
{
    struct Fall
    {
        double links, oben, rechts, unten;
        QString fehler;
    };
    const Fall faelle[] = {
        {30, 30, 30, 30, {}},
        {0, 0, 0, 0, {}},
        {10, 30.1, 10, 30, RaenderObenUntenFehler()},
        {-1, 10, 10, 10, RaenderLinksRechtsFehler()},
        {-1, -1, 0, 0, RaenderObenUntenFehler()}, // top and bottom first
        {30.5, 10, 30, 10, RaenderLinksRechtsFehler()},
        {10, std::nan(""), 10, 10, RaenderObenUntenFehler()}, // a field that is no number
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(testing::Message() << f.links << " " << f.oben << " " << f.rechts << " " << f.unten);
        EXPECT_EQ(RaenderPruefen(f.links, f.oben, f.rechts, f.unten), f.fehler);
    }
}

// Logo and footer for a folder: every readable document gets them through a
// safe save; a damaged one and one locked by its own password keep their
// bytes and are named, and the others still get the change.
TEST(Dokumenteigenschaften, LogoFuerAlleUebernehmenLaesstFehlerhafteUnberuehrt)
{
    QTemporaryDir ordner;
    const QDir d(ordner.path());
    const QString a = ablegen(d, "a.kal", "A");
    const QString b = ablegen(d, "b.kal", "B", "geheim");
    const QString c = ablegen(d, "c.kal", "C");
    const QString aktuell = ablegen(d, "d.kal", "D", "meins");
    // c is cut after its header: listed, but not readable
    QByteArray kaputt = inhalt(c);
    kaputt.chop(kaputt.size() / 3);
    {
        QFile f(c);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(kaputt);
    }
    const QByteArray vorherB = inhalt(b);
    LogoFusszeile werte;
    werte.Logo = test::Farbbild(8, 8, Qt::red);
    werte.LogoGroesse = 0.3;
    werte.Fusszeile = "Schule am See";
    std::vector<int> schritte;
    const FuerAlleErgebnis e =
        LogoFuerAlleUebernehmen(ordner.path(), werte, aktuell, [&](int n, int anzahl) { schritte.push_back(n * 10 + anzahl); });
    EXPECT_EQ(schritte, (std::vector<int>{14, 24, 34, 44}));
    EXPECT_EQ(e.Geschrieben, 2);
    EXPECT_EQ(e.Fehlgeschlagen, QStringList{c});
    EXPECT_EQ(e.Geschuetzt, QStringList{b});
    EXPECT_EQ(inhalt(c), kaputt);
    EXPECT_EQ(inhalt(b), vorherB);
    for (const QString &pfad : {a, aktuell}) {
        SkriptMeldungen m;
        EinfacheDokumentDienste dienste(m);
        Dokument dok;
        ASSERT_TRUE(DokumentLesen(dok, dienste, pfad, false));
        EXPECT_EQ(dok.Kopf.Fusszeile, "Schule am See");
        EXPECT_EQ(dok.Kopf.ABLogo.size(), QSize(8, 8));
        EXPECT_DOUBLE_EQ(dok.Kopf.LogoGroesse, 0.3);
    }
    EXPECT_TRUE(d.entryList({"*.tmp", "*~"}, QDir::Files | QDir::Hidden).isEmpty());
    const QString text = FuerAlleFehlerText(e);
    EXPECT_TRUE(text.contains("\"" + c + "\""));
    EXPECT_TRUE(text.contains("\"" + b + "\""));
    EXPECT_TRUE(FuerAlleFehlerText(FuerAlleErgebnis{}).isEmpty());
}

// "Passwortschutz ändern..." of the image password: the old one first, then
// the new one for the working copy; an empty entry clears the protection.
TEST(Dokumentpasswort, BilderpasswortAendern)
{
    HeaderDataTyp kopf;
    kopf.BilderPasswort = "bild";
    SkriptPasswortabfrage abfrage;
    SkriptMeldungen meldungen;
    abfrage.Antworten = {QString("bild"), QString()};
    const std::optional<QString> neu = BilderPasswortNeu(kopf, kopf.BilderPasswort, abfrage, meldungen);
    ASSERT_TRUE(neu.has_value());
    EXPECT_TRUE(neu->isEmpty());
    EXPECT_EQ(abfrage.LetzterText, QString::fromUtf8(kBilderPasswortNeuErklaerung));
    EXPECT_EQ(meldungen.Texte().last(), QString::fromUtf8(kBilderPasswortGesetzt));
    EXPECT_EQ(kopf.BilderPasswort, "bild"); // only the working copy changes
    // without a password no question for the old one; cancelling changes nothing
    abfrage.Antworten = {std::nullopt};
    EXPECT_FALSE(BilderPasswortNeu(kopf, QString(), abfrage, meldungen).has_value());
    EXPECT_EQ(abfrage.Anzahl, 3);
}
