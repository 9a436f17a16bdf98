// SPDX-License-Identifier: GPL-3.0-or-later
// Quovella: start-up and the event loop.
#include "app/FirstPaint.h"
#include "ui/common/Look.h"
#include "ui/common/Translation.h"
#include "ui/main/MainUnit.h"
#include "ui/main/Program.h"
#include "platform/QtPlatform.h"
#include "storage/FileNames.h"
#include "version/Version.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <cstring>

namespace {

const char kHelp[] = "Usage: quovella [FILE]\n"
                     "\n"
                     "Opens the Quovella mortgage calculator. FILE is a saved loan (.QVL) to open\n"
                     "instead of the file remembered from the last run; when it does not exist,\n"
                     "you are told so and the remembered file opens.\n"
                     "\n"
                     "  -h, --help   show this help and exit\n"
                     "  --version    show the version and exit\n"
                     "\n"
                     "quovella-calc works out the same figures on the command line.\n";

// Answers --help and --version before any window system is needed, so they
// work over ssh and in scripts. Returns the exit status, or -1 to go on.
int AnswerInformationOption(int argc, char **argv)
{
    if (argc < 2)
        return -1;
    const char *text = nullptr;
    QByteArray version;
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        text = kHelp;
    } else if (std::strcmp(argv[1], "--version") == 0) {
        version = QByteArray("quovella ") + Quovella::kVersion + '\n';
        text = version.constData();
    } else {
        return -1;
    }
    return std::fputs(text, stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
}

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
    if (const int status = AnswerInformationOption(argc, argv); status >= 0)
        return status;
    QuovellaApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quovella"));
    QApplication::setApplicationVersion(QLatin1String(Quovella::kVersion));
    // Lets the desktop match the window to its menu entry and icon (Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quovella.Quovella"));
    QApplication::setWindowIcon(Look::Icon(QStringLiteral("house")));
    // The desktop's text size where it is larger than the design's, in the design's
    // family: the layout and its figures are measured for that face, which the
    // package depends on, while the size is what a reader needs.
    Look::SetTextPoints(Look::DesktopTextPoints());
    QApplication::setFont(Look::UiFont(9));
    Translation::Install(app, QLocale());
    // About and help may still be open when the main window closes; the program ends with it.
    QApplication::setQuitOnLastWindowClosed(false);

    QtPlatform platform;
    SetPlatform(&platform);

    Program program;
    QObject::connect(&program.Main(), &TMORTLOAN::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    // argc and argv as the application left them, its own options taken out;
    // decoded as file names so that a name that is not UTF-8 still opens.
    ExitAfterFirstPaint::Arm(&program.Main());
    program.Start(CommandLineArguments(argc, argv));
    return app.exec();
}
