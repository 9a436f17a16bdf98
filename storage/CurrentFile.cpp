// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/CurrentFile.h"

#include "core/Settings.h"
#include "core/Error.h"
#include "storage/DiskFile.h"
#include "storage/FileNames.h"

#include <QCoreApplication>
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

std::optional<QString> RememberCurrentFile(Settings &settings, const QString &name)
{
    return settings.SetValue(currentFileKey, name);
}

namespace {

const QString recentFilesKey = QStringLiteral("RecentFiles");

bool IsFile(const QString &path)
{
    struct stat status {};
    return !path.isEmpty() && ::stat(EncodeFileName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

QStringList KeptRecentFiles(const QStringList &files)
{
    QStringList kept;
    for (const QString &file : files)
        if (IsFile(file) && !kept.contains(file) && kept.size() < RecentFileCount)
            kept << file;
    return kept;
}

QStringList RecentFilesOf(const Settings &settings)
{
    // One name a line: a file name may hold any character but the line end.
    return KeptRecentFiles(settings.Value(recentFilesKey, QString()).split(QLatin1Char('\n'), Qt::SkipEmptyParts));
}

QStringList WithRecentFile(QStringList files, const QString &path)
{
    files.removeAll(path);
    files.prepend(path);
    return KeptRecentFiles(files);
}

std::optional<QString> StoreRecentFiles(Settings &settings, const QStringList &files)
{
    return settings.SetValue(recentFilesKey, files.join(QLatin1Char('\n')));
}

QHash<QString, QSize> WindowSizesOf(const Settings &settings)
{
    QHash<QString, QSize> sizes;
    for (const QString &entry : settings.Value(QStringLiteral("WindowSizes"), QString()).split(QLatin1Char(';'))) {
        const QStringList nameAndSize = entry.split(QLatin1Char('='));
        const QStringList wh = nameAndSize.value(1).split(QLatin1Char('x'));
        bool wide = false, high = false;
        const int w = wh.value(0).toInt(&wide), h = wh.value(1).toInt(&high);
        if (nameAndSize.size() == 2 && wh.size() == 2 && wide && high && w > 0 && h > 0 && w <= 100000 && h <= 100000)
            sizes.insert(nameAndSize[0], QSize(w, h));
    }
    return sizes;
}

std::optional<QString> StoreWindowSizes(Settings &settings, const QHash<QString, QSize> &sizes)
{
    QStringList entries;
    for (auto it = sizes.cbegin(); it != sizes.cend(); ++it)
        entries << QStringLiteral("%1=%2x%3").arg(it.key()).arg(it->width()).arg(it->height());
    entries.sort(); // the same sizes always make the same file
    return settings.SetValue(QStringLiteral("WindowSizes"), entries.join(QLatin1Char(';')));
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
            return QCoreApplication::translate("Storage", "%1 does not exist.").arg(shown);
        return QCoreApplication::translate("Storage", "%1 cannot be opened: %2").arg(shown, FileErrorText(errno));
    }
    if (S_ISDIR(status.st_mode))
        return QCoreApplication::translate("Storage", "%1 is a folder, not a saved loan.").arg(shown);
    return QString();
}
