// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/CurrentFile.h"

#include "core/Settings.h"
#include "core/Error.h"
#include "storage/DiskFile.h"
#include "storage/FileNames.h"

#include <QDir>

#include <cerrno>

#include <sys/stat.h>

namespace {

const QString currentFileKey = QStringLiteral("CurrentFile");

// Anything but a folder counts, so that a named pipe or device given by name
// is refused with its reason by the load instead of being passed over.
bool IsExistingFile(const QString &path)
{
    struct stat status {};
    return !path.isEmpty() && ::stat(EncodeFileName(path).constData(), &status) == 0 && !S_ISDIR(status.st_mode);
}

} // namespace

QString RememberedFile(const Settings &settings)
{
    return settings.Value(currentFileKey, QString());
}

void RememberCurrentFile(Settings &settings, const QString &name)
{
    settings.SetValue(currentFileKey, name);
}

std::optional<QString> StartupFile(const QStringList &commandLine, const QString &remembered)
{
    if (commandLine.size() > 1 && IsExistingFile(commandLine.at(1)))
        return commandLine.at(1);
    if (IsExistingFile(remembered))
        return remembered;
    return std::nullopt;
}

QString CommandLineFileProblem(const QStringList &commandLine)
{
    if (commandLine.size() < 2 || commandLine.at(1).isEmpty())
        return QString();
    const QString path = commandLine.at(1);
    const QString shown = QDir::toNativeSeparators(path);
    struct stat status {};
    if (::stat(EncodeFileName(path).constData(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return QStringLiteral("%1 does not exist.").arg(shown);
        return QStringLiteral("%1 cannot be opened: %2").arg(shown, FileErrorText(errno));
    }
    if (S_ISDIR(status.st_mode))
        return QStringLiteral("%1 is a folder, not a saved loan.").arg(shown);
    return QString();
}
