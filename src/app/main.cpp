#include "app/TForm1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kalumo"));

    kalumo::TForm1 fenster;
    fenster.show();
    fenster.Kommandozeile(app.arguments().mid(1));
    return app.exec();
}
