// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and replacing small files safely: only ordinary files are read or
// replaced, never more than a set size is read, and a replaced file is either
// the old one or the new one, whole, with the disk having confirmed the new data.
#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// Reads a whole ordinary file (links followed) of at most maxBytes. A device,
// named pipe or socket is refused before it is opened, so nothing blocks or
// streams forever. Throws QuovellaError with the reason, tooLargeMessage for a
// file over maxBytes.
QByteArray ReadOrdinaryFile(const QString &path, qint64 maxBytes, const QString &tooLargeMessage);

// Replaces (or creates) the file at path with the bytes: they go into a
// temporary file beside it ("<name>.XXXXXX"), which is synced to disk, closed
// and only then renamed over the file. Any failure up to the rename throws
// QuovellaError with the platform's message and leaves the old file as it was.
// A link is followed and kept; the old file's permissions are kept. Temporary
// files that an earlier save of the same file left behind when it was killed
// are removed on the way.
void ReplaceFile(const QString &path, const QByteArray &bytes);

// The calls that write a file and confirm it, replaceable so tests can make
// the disk fail where it cannot be made to fail on demand.
struct DiskCalls {
    ssize_t (*write)(int fd, const void *data, size_t size);
    int (*sync)(int fd);
    int (*close)(int fd);
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
