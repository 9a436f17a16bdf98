// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and replacing small files safely: only ordinary files are read or
// replaced, never more than a set size is read, and a replaced file is either
// the old one or the new one, whole, with the disk having confirmed the new data.
#pragma once

#include "core/Error.h"

#include <QByteArray>
#include <QString>

#include <memory>

#include <cstdio>

#include <sys/types.h>

// Reads a whole ordinary file (links followed) of at most maxBytes. A device,
// named pipe or socket is refused before it is opened, so nothing blocks or
// streams forever. Throws QuovellaError with the reason, tooLargeMessage for a
// file over maxBytes.
QByteArray ReadOrdinaryFile(const QString &path, qint64 maxBytes, const QString &tooLargeMessage);

// How a write that put the new file in place ended.
struct WriteOutcome {
    // Set when the file is in place but its folder could not be synced: the file
    // may not survive a power cut. The write still counts as done.
    QString warning;
};

// One replacement of a file, the way every file Quovella writes is written: the
// new contents go into a temporary file beside the target ("<name>.XXXXXX",
// locked while it is written), which is synced to disk, closed and only then
// renamed over the target. Every write, sync and close is checked; any failure
// up to the rename throws QuovellaError with the platform's message ("Disk full",
// "I/O error 5") and leaves the old file as it was. Destroyed without Commit, the
// temporary file goes. A target that is not an ordinary file is refused before
// anything is opened; a link is followed and kept; the old file's permissions are
// kept. Temporary files that a killed write of the same file left behind are
// removed on the way, never one that a running write holds.
class StagedFile {
public:
    explicit StagedFile(const QString &path);
    ~StagedFile();
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;

    // For writers that only take a path (printers, pictures); check what they
    // wrote with ReadBack before the commit.
    QString TemporaryPath() const;
    QString ShownName() const;
    void Write(const QByteArray &bytes);
    QByteArray ReadBack(qint64 maxBytes) const;
    WriteOutcome Commit();

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

// Replaces (or creates) the file at path with the bytes through a StagedFile.
WriteOutcome ReplaceFile(const QString &path, const QByteArray &bytes);

// The error of a write, naming the file that was not written.
QuovellaError NamedFileError(const QString &path, const QuovellaError &error);

// The calls that write a file and confirm it, replaceable so tests can make
// the disk fail where it cannot be made to fail on demand.
struct DiskCalls {
    ssize_t (*write)(int fd, const void *data, size_t size);
    int (*sync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char *from, const char *to) = &::rename;
};

// Uses the given calls until destroyed; the system's calls otherwise.
class ScopedDiskCalls {
public:
    explicit ScopedDiskCalls(const DiskCalls &calls);
    ~ScopedDiskCalls();
    ScopedDiskCalls(const ScopedDiskCalls &) = delete;
    ScopedDiskCalls &operator=(const ScopedDiskCalls &) = delete;

private:
    DiskCalls previous_;
};

// The system's own calls, for a test's replacement to pass on to.
DiskCalls SystemDiskCalls();

// The platform's wording for a failed file operation, by errno value:
// "Disk full", "File access denied", "File not found", "Too many open files",
// "Invalid filename", or "I/O error <n>".
QString FileErrorText(int error);
