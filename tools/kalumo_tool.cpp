// kalumo-tool: the program's document, learning-view and exercise code on the
// command line, for authors, administrators and tests. The commands live in
// tools/befehle/, one file per subsystem; see Befehle.h.

#include "Befehle.h"
#include "platform/Uebersetzung.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kalumo {

namespace {
std::vector<const KalumoBefehl *> &verzeichnis()
{
    static std::vector<const KalumoBefehl *> befehle;
    return befehle;
}
} // namespace

KalumoBefehl::KalumoBefehl(const char *name, const char *aufruf, Lauf lauf)
    : Name(name), Aufruf(aufruf), Ausfuehren(std::move(lauf))
{
    auto &v = verzeichnis();
    v.push_back(this);
    std::sort(v.begin(), v.end(), [](const KalumoBefehl *a, const KalumoBefehl *b) {
        return std::strcmp(a->Name, b->Name) < 0;
    });
}

const std::vector<const KalumoBefehl *> &AlleBefehle()
{
    return verzeichnis();
}

int Gebrauch()
{
    std::fputs("Aufruf:\n", stderr);
    for (const KalumoBefehl *b : AlleBefehle()) {
        std::fputs("  kalumo-tool ", stderr);
        std::fputs(b->Aufruf, stderr);
        std::fputs("\n", stderr);
    }
    return 2;
}

void Ausgeben(const QByteArray &text)
{
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fflush(stdout);
}

} // namespace kalumo

namespace {

// Qt's own diagnostics would mix with the messages on standard error.
void qtMeldungenVerwerfen(QtMsgType typ, const QMessageLogContext &, const QString &text)
{
    if (typ == QtFatalMsg) {
        std::fputs(text.toLocal8Bit().constData(), stderr);
        std::abort();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // fonts are looked up through Qt, which needs a platform even without a screen
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(qtMeldungenVerwerfen);
    QGuiApplication app(argc, argv);
    kalumo::DeutschesGebietsschema();
    const QStringList a = app.arguments().mid(1);
    if (a.isEmpty())
        return kalumo::Gebrauch();
    for (const kalumo::KalumoBefehl *b : kalumo::AlleBefehle())
        if (a[0] == QLatin1String(b->Name))
            return b->Ausfuehren(a.mid(1));
    return kalumo::Gebrauch();
}
