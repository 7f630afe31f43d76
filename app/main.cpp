#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "platform/appdir.h"
#include "ui/mainwindow.h"

namespace {

/** True when a window can be shown: a display server is named, or Qt is told which platform to use. */
bool displayAvailable()
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!displayAvailable()) {
        std::fputs(
            "vorlan: no display found (DISPLAY is not set); start it in a desktop session or under xvfb-run\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    const std::string programFolder = vorlan::QuestaDirectory();
    vorlan::MainWindow window(programFolder + "/data", QString::fromStdString(programFolder));
    window.show();
    // vorlan CASE.vorlan: the case opens at start-up (a file manager passes it so).
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        window.openCase(arguments.at(1));
    return app.exec();
}
