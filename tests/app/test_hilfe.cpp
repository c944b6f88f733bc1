// The help page that comes with the program: where the program finds it and
// that it names every key of the menus as the menus show it.

#include "app/Hauptmenue.h"
#include "app/settings/Einstellungen.h"
#include "platform/Uebersetzung.h"

#include <QCoreApplication>
#include <QFile>
#include <QKeySequence>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace kalumo;

namespace {

QString HilfeLesen()
{
    // as the program looks it up: the help folder of its resources
    const OrdnerTyp ordner = OrdnerVorgaben(OrdnerUmgebungErmitteln(QStringLiteral(KALUMO_PROGRAMMORDNER)));
    QFile f(ordner.Hilfe + "index.html");
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

void Kurzwahlen(const std::vector<MenuePunkt> &punkte, std::vector<const MenuePunkt *> &liste)
{
    for (const MenuePunkt &m : punkte) {
        if (!m.Kurzwahl.isEmpty())
            liste.push_back(&m);
        Kurzwahlen(m.Unterpunkte, liste);
    }
}

} // namespace

TEST(Hilfe, SeiteLiegtImHilfeordnerDesProgramms)
{
    const QString seite = HilfeLesen();
    ASSERT_FALSE(seite.isEmpty()) << "hilfe/index.html beside the program";
    EXPECT_TRUE(seite.contains("<html lang=\"de\">"));
    EXPECT_TRUE(seite.contains("<meta charset=\"utf-8\">"));
    EXPECT_TRUE(seite.contains("<title>Kalumo – Hilfe</title>"));
    // a classroom may be offline: nothing is loaded from elsewhere
    EXPECT_FALSE(seite.contains(QRegularExpression("(src|href)=\"(https?:)?//")));
}

TEST(Hilfe, NenntJedesTastenkuerzelDerMenues)
{
    // the names of the keys as the menus show them (Qt's German texts)
    ASSERT_TRUE(QtUebersetzungLaden(*QCoreApplication::instance()));
    const QString seite = HilfeLesen();
    ASSERT_FALSE(seite.isEmpty());
    std::vector<const MenuePunkt *> punkte;
    Kurzwahlen(Hauptmenue(), punkte);
    ASSERT_GT(punkte.size(), 30u);
    for (const MenuePunkt *m : punkte) {
        const QString taste = QKeySequence(m->Kurzwahl).toString(QKeySequence::NativeText);
        const QString zeile = "<kbd>" + taste.toHtmlEscaped() + "</kbd>";
        EXPECT_TRUE(seite.contains(zeile)) << m->Name.toStdString() << ": " << taste.toStdString();
    }
    // keys that are no menu entry
    for (const char *text : {"(Ziffernblock)", "<kbd>Pos1</kbd> / <kbd>Ende</kbd>", "<kbd>Umschalt+Alt+G</kbd>"})
        EXPECT_TRUE(seite.contains(QString::fromUtf8(text))) << text;
}
