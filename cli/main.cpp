// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"
#include "storage/FileNames.h"

#include <QCoreApplication>
#include <QLocale>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

// False, with errno set, when the text did not all reach the stream.
bool Write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    const std::size_t size = static_cast<std::size_t>(bytes.size());
    return std::fwrite(bytes.constData(), 1, size, stream) == size && std::fflush(stream) == 0;
}

} // namespace

int main(int argc, char **argv)
{
    // A reader that goes away (`| head`) must give an error status with a reason,
    // not end the program silently.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    // People read money in their own notation; scripts use --csv or --json.
    QLocale::setDefault(QLocale::system());
    // Decoded as file names, so that --file takes a name that is not UTF-8.
    const CommandResult result = RunCommandLine(CommandLineArguments(argc, argv).mid(1));
    if (!Write(stdout, result.out)) {
        const int error = errno;
        Write(stderr, QStringLiteral("quovella-calc: the output could not be written: %1\n")
                          .arg(QString::fromLocal8Bit(std::strerror(error))));
        return ExitOutputFailed;
    }
    Write(stderr, result.err);
    return result.status;
}
