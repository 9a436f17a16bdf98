// SPDX-License-Identifier: GPL-3.0-or-later
// The current file remembered from one run to the next, and the choice of the
// file to load at start-up. The in-memory current file name is the main
// window's; these functions only read and write the stored value.
#pragma once

#include <QHash>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

class Settings;

// The stored "CurrentFile" value, empty when there is none.
QString RememberedFile(const Settings &settings);

// Stores the name as "CurrentFile", empty or not. Gives the store's note, if
// any; throws QuovellaError when it cannot be stored.
std::optional<QString> RememberCurrentFile(Settings &settings, const QString &name);

// The loan files opened or saved last, newest first: at most RecentFileCount, each
// once, those that no longer exist left out.
constexpr int RecentFileCount = 8;
QStringList RecentFilesOf(const Settings &settings);
// The list as the menu shows it: existing files, each once, at most RecentFileCount.
QStringList KeptRecentFiles(const QStringList &files);
// The list with path put first, for storing with StoreRecentFiles.
QStringList WithRecentFile(QStringList files, const QString &path);
// What the store has to say, as Settings::SetValue.
std::optional<QString> StoreRecentFiles(Settings &settings, const QStringList &files);

// The sizes of the windows that may be enlarged, by window name, kept from one run
// to the next ("MSCHEDULE=760x640;..."); a malformed entry is left out.
QHash<QString, QSize> WindowSizesOf(const Settings &settings);
std::optional<QString> StoreWindowSizes(Settings &settings, const QHash<QString, QSize> &sizes);

// The file to load at start-up, or nothing. commandLine is the program's
// arguments as CommandLineArguments gives them, the program first: the first
// argument wins if it names an existing file (not a folder; a named pipe or a
// device counts, for the load to refuse with its reason), else the remembered
// file if it names one. A missing file is passed over silently.
std::optional<QString> StartupFile(const QStringList &commandLine, const QString &remembered);

// Why StartupFile passes over the file named on the command line, as the user
// is told it ("<path> does not exist.", "<path> is a folder, ..."); empty when
// it names an existing file or there is no argument.
QString CommandLineFileProblem(const QStringList &commandLine);
