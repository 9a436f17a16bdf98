// SPDX-License-Identifier: GPL-3.0-or-later
// Quovella: start-up and the event loop.
#include "ui/common/Look.h"
#include "ui/main/MainUnit.h"
#include "ui/main/Program.h"
#include "platform/QtPlatform.h"
#include "storage/FileNames.h"
#include "version/Version.h"

#include <QApplication>

namespace {

// The last line of the general error handling: an error that escapes a handler
// is shown in a message box and the program goes on.
class QuovellaApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        bool handled = false;
        RunGuarded(activeWindow(), [&] { handled = QApplication::notify(receiver, event); });
        return handled;
    }
};

} // namespace

int main(int argc, char **argv)
{
    QuovellaApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quovella"));
    QApplication::setApplicationVersion(QLatin1String(Quovella::kVersion));
    // Lets the desktop match the window to its menu entry and icon (Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quovella.Quovella"));
    QApplication::setWindowIcon(Look::Icon(QStringLiteral("house")));
    QApplication::setFont(Look::UiFont(9));
    // About and help may still be open when the main window closes; the program ends with it.
    QApplication::setQuitOnLastWindowClosed(false);

    QtPlatform platform;
    SetPlatform(&platform);

    Program program;
    QObject::connect(&program.Main(), &TMORTLOAN::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    // argc and argv as the application left them, its own options taken out;
    // decoded as file names so that a name that is not UTF-8 still opens.
    program.Start(CommandLineArguments(argc, argv));
    return app.exec();
}
