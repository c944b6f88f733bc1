#include "app/Hauptfensterlogik.h"
#include "app/TForm1.h"
#include "platform/QtMeldungen.h"
#include "platform/Uebersetzung.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kalumo"));
    QApplication::setApplicationVersion(QStringLiteral("0.1"));
    // standard dialogs and key names in German
    kalumo::QtUebersetzungLaden(app);
    kalumo::DeutschesGebietsschema();

    // a screen too small for the program asks before anything is shown;
    // without a real screen (offscreen rendering) there is nothing to judge
    const bool echterBildschirm = QApplication::platformName() != QLatin1String("offscreen")
        && QApplication::platformName() != QLatin1String("minimal");
    if (const QScreen *s = QApplication::primaryScreen(); s && echterBildschirm) {
        const QSize g = s->size();
        if (!kalumo::AnzeigeGeeignet(g.width(), g.height(), s->depth())) {
            kalumo::QtMeldungen m;
            if (m.Frage(kalumo::AnzeigeWarnung(g.width(), g.height(), s->depth())) != kalumo::Antwort::Ja)
                return 0;
        }
    }

    kalumo::TForm1 fenster;
    fenster.ArgumenteSetzen(app.arguments().mid(1));
    fenster.show();
    return app.exec();
}
