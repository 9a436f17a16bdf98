// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"
#include "storage/FileNames.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>

namespace {

void Write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // People read money in their own notation; scripts use --csv or --json.
    QLocale::setDefault(QLocale::system());
    // Decoded as file names, so that --file takes a name that is not UTF-8.
    const CommandResult result = RunCommandLine(CommandLineArguments(argc, argv).mid(1));
    Write(stdout, result.out);
    Write(stderr, result.err);
    std::fflush(stdout);
    return result.status;
}
