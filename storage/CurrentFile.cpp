// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/CurrentFile.h"

#include "core/Settings.h"
#include "core/Error.h"
#include "storage/FileNames.h"

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

std::optional<QString> RememberCurrentFile(Settings &settings, const QString &name)
{
    return settings.SetValue(currentFileKey, name);
}

std::optional<QString> StartupFile(const QStringList &commandLine, const QString &remembered)
{
    if (commandLine.size() > 1 && IsExistingFile(commandLine.at(1)))
        return commandLine.at(1);
    if (IsExistingFile(remembered))
        return remembered;
    return std::nullopt;
}
