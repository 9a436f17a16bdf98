// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/CurrentFile.h"

#include "platform/Platform.h"

#include <QFileInfo>

namespace {

const QString currentFileKey = QStringLiteral("CurrentFile");

bool IsExistingFile(const QString &path)
{
    // An empty QFileInfo would stand for the working folder.
    return !path.isEmpty() && QFileInfo(path).isFile();
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
