// SPDX-License-Identifier: GPL-3.0-or-later
// Disk calls that fail as a full or broken disk does, for the writers' tests to
// put in place with ScopedDiskCalls.
#pragma once

#include "core/Error.h"
#include "storage/DiskFile.h"

#include <QString>

#include <cerrno>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace FailingDisk {

// The errno the failing calls report; plain functions cannot carry it themselves.
inline int error = 0;

inline ssize_t WriteFails(int, const void *, size_t)
{
    errno = error;
    return -1;
}

inline int SyncFails(int)
{
    errno = error;
    return -1;
}

inline int CloseFails(int fd)
{
    ::close(fd); // the descriptor is gone whatever close reports
    errno = error;
    return -1;
}

inline int RenameFails(const char *, const char *)
{
    errno = error;
    return -1;
}

// Only the folder's sync fails: the file itself is on the disk.
inline int FolderSyncFails(int fd)
{
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
        errno = EIO;
        return -1;
    }
    return ::fdatasync(fd);
}

// Each step of a write failing in turn, with the error it reports and its words.
struct Step {
    const char *name;
    DiskCalls calls;
    int error;
    const char *said;
};

inline std::vector<Step> EachStepFailing()
{
    const DiskCalls system = SystemDiskCalls();
    return {{"write", {&WriteFails, system.sync, system.close}, ENOSPC, "Disk full"},
            {"sync", {system.write, &SyncFails, system.close}, EIO, "I/O error 5"},
            {"close", {system.write, system.sync, &CloseFails}, EIO, "I/O error 5"},
            {"rename", {system.write, system.sync, system.close, &RenameFails}, EACCES, "File access denied"}};
}

// The message a call throws, or "<no error>".
template <typename F>
QString ErrorOf(F &&call)
{
    try {
        call();
    } catch (const QuovellaError &error) {
        return error.Message();
    }
    return QStringLiteral("<no error>");
}

} // namespace FailingDisk
