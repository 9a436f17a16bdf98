// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/DiskFile.h"

#include "core/Error.h"
#include "storage/FileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

DiskCalls &CurrentCalls()
{
    static DiskCalls calls = SystemDiskCalls();
    return calls;
}

[[noreturn]] void ThrowFileError(int error)
{
    throw QuovellaError(FileErrorText(error));
}

// Names that cannot be a file; a folder's name reads as an invalid file name.
void CheckFileName(const QString &path)
{
    if (path.isEmpty() || path.endsWith(u'/'))
        ThrowFileError(EISDIR);
}

QString KindOf(mode_t mode)
{
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("Storage", "a device");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("Storage", "a named pipe");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("Storage", "a socket");
    return QCoreApplication::translate("Storage", "a special file");
}

enum class Use { Read, Replace };

// Only ordinary files hold saved loans. A named pipe would block a read for
// ever and a device would stream without end; replacing either by a file would
// break whatever uses it.
void CheckOrdinary(const struct stat &status, Use use)
{
    if (S_ISDIR(status.st_mode))
        ThrowFileError(EISDIR);
    if (S_ISREG(status.st_mode))
        return;
    if (use == Use::Read)
        throw QuovellaError(QCoreApplication::translate("Storage", "Cannot open %1: only an ordinary file can hold a saved loan.")
                                .arg(KindOf(status.st_mode)));
    throw QuovellaError(QCoreApplication::translate("Storage", "Cannot save over %1: only an ordinary file can be replaced.")
                            .arg(KindOf(status.st_mode)));
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int Get() const { return fd_; }
    // Hands the descriptor over; the caller closes it.
    int Release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// The 62 letters and digits of temporary names. A name that mixes at least two
// of the three kinds marks one of ours: a person naming a copy "house.QVL.backup"
// or "house.QVL.123456" is left alone.
bool HasMixedSuffix(const QByteArray &suffix)
{
    if (suffix.size() != 6)
        return false;
    bool lower = false, upper = false, digit = false;
    for (char c : suffix) {
        if (c >= 'a' && c <= 'z')
            lower = true;
        else if (c >= 'A' && c <= 'Z')
            upper = true;
        else if (c >= '0' && c <= '9')
            digit = true;
        else
            return false;
    }
    return int(lower) + int(upper) + int(digit) >= 2;
}

QByteArray RandomSuffix()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray suffix;
    do {
        suffix.clear();
        for (int i = 0; i < 6; ++i)
            suffix += letters[QRandomGenerator::global()->bounded(62)];
    } while (!HasMixedSuffix(suffix));
    return suffix;
}

bool OlderThan(const struct timespec &a, const struct timespec &b)
{
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

// A save killed between writing and renaming leaves "<name>.XXXXXX" behind.
// One is taken for such a leftover only when it is an ordinary file of ours,
// not older than the file it was meant to replace (a copy made before the last
// save is older), and no save is writing it now (saves hold a lock on theirs).
void RemoveLeftovers(const QByteArray &folder, const QByteArray &base, const struct stat *target)
{
    DIR *listing = ::opendir(folder.constData());
    if (!listing)
        return;
    const int folderFd = ::dirfd(listing);
    const QByteArray prefix = base + '.';
    while (const dirent *entry = ::readdir(listing)) {
        const QByteArray name(entry->d_name);
        if (!name.startsWith(prefix) || !HasMixedSuffix(name.mid(prefix.size())))
            continue;
        const Descriptor file(
            ::openat(folderFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat status {};
        if (file.Get() < 0 || ::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)
            || status.st_uid != ::geteuid() || (target && OlderThan(status.st_mtim, target->st_mtim))
            || ::flock(file.Get(), LOCK_EX | LOCK_NB) != 0)
            continue;
        ::unlinkat(folderFd, entry->d_name, 0);
    }
    ::closedir(listing);
}

// The temporary file of one save: removed again unless it was renamed.
class TemporaryFile {
public:
    explicit TemporaryFile(const QByteArray &target)
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ = target + '.' + RandomSuffix();
            fd_ = ::open(path_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (fd_ >= 0 || errno != EEXIST)
                break;
        }
        if (fd_ < 0)
            ThrowFileError(errno);
    }

    // Tells a save running at the same time that this is no leftover. Another
    // save's clean-up may have taken the file between its creation and the lock;
    // false then, and the caller makes another.
    bool Claim()
    {
        if (::flock(fd_, LOCK_EX | LOCK_NB) != 0 && errno != EINVAL && errno != ENOLCK
            && errno != EOPNOTSUPP)
            return false; // held by a clean-up that is removing it
        // A second descriptor keeps the lock from the close, which is checked, to the rename.
        lock_ = ::fcntl(fd_, F_DUPFD_CLOEXEC, 0);
        struct stat mine {}, named {};
        return ::fstat(fd_, &mine) == 0 && ::lstat(path_.constData(), &named) == 0
            && mine.st_dev == named.st_dev && mine.st_ino == named.st_ino;
    }

    const QByteArray &Path() const { return path_; }
    int Descriptor() const { return fd_; }

    ~TemporaryFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!renamed_)
            ::unlink(path_.constData());
        if (lock_ >= 0)
            ::close(lock_);
    }

    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    void TakeOver(const struct stat &old)
    {
        // The replaced file keeps its permissions and, where allowed, its owner.
        if (::fchmod(fd_, old.st_mode & 07777) != 0) {
            // Left as made: the file's owner may change it, others cannot.
        }
        if (::fchown(fd_, old.st_uid, old.st_gid) != 0) {
            // Someone else than the owner saving makes a file of their own.
        }
    }

    void Write(const QByteArray &bytes, const DiskCalls &calls)
    {
        const char *data = bytes.constData();
        for (qsizetype left = bytes.size(); left > 0;) {
            const ssize_t written = calls.write(fd_, data, size_t(left));
            if (written < 0 && errno == EINTR)
                continue;
            if (written < 0)
                ThrowFileError(errno);
            if (written == 0)
                ThrowFileError(ENOSPC);
            data += written;
            left -= written;
        }
    }

    // Done only when the disk reports the data written and the file closed.
    void SyncAndClose(const DiskCalls &calls)
    {
        // EINVAL is a file system that has nothing to sync.
        if (calls.sync(fd_) != 0 && errno != EINVAL)
            ThrowFileError(errno);
        // Closed whatever close reports; an error means the data may be lost.
        if (calls.close(std::exchange(fd_, -1)) != 0)
            ThrowFileError(errno);
    }

    void RenameTo(const QByteArray &target, const DiskCalls &calls)
    {
        if (calls.rename(path_.constData(), target.constData()) != 0)
            ThrowFileError(errno);
        renamed_ = true;
    }

private:
    QByteArray path_;
    int fd_ = -1;
    int lock_ = -1;
    bool renamed_ = false;
};

// The rename itself is only lasting once the folder is synced. The new file is
// in place by then, so a failure here is a warning, not a failed write.
QString SyncFolder(const QByteArray &folder, const QString &shownName)
{
    const Descriptor fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() < 0)
        return QString();
    if (CurrentCalls().sync(fd.Get()) != 0 && errno != EINVAL && errno != ENOTSUP && errno != EROFS)
        return QStringLiteral("%1 was written, but the disk did not confirm its folder (%2): the file "
                              "may not survive a power cut.")
            .arg(shownName, FileErrorText(errno));
    return QString();
}

} // namespace

QByteArray ReadOrdinaryFile(const QString &path, qint64 maxBytes, const QString &tooLargeMessage)
{
    CheckFileName(path);
    const QByteArray name = EncodeFileName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0)
        ThrowFileError(errno);
    CheckOrdinary(status, Use::Read);
    if (status.st_size > maxBytes)
        throw QuovellaError(tooLargeMessage);
    // Not blocking: should the name have become a pipe since, the open returns.
    const Descriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0)
        ThrowFileError(errno);
    if (::fstat(fd.Get(), &status) != 0)
        ThrowFileError(errno);
    CheckOrdinary(status, Use::Read);
    // The size is read again as the file is: it may grow, and some system files
    // say they are empty.
    QByteArray bytes;
    bytes.resize(qsizetype(std::min<qint64>(status.st_size, maxBytes)) + 1);
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > maxBytes)
                throw QuovellaError(tooLargeMessage);
            bytes.resize(qsizetype(std::min<qint64>(qint64(filled) * 2, maxBytes + 1)));
        }
        const ssize_t got = ::read(fd.Get(), bytes.data() + filled, size_t(bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            ThrowFileError(errno);
        if (got == 0)
            break;
        filled += got;
    }
    if (filled > maxBytes)
        throw QuovellaError(tooLargeMessage);
    bytes.truncate(filled);
    return bytes;
}

struct StagedFile::Parts {
    QString shownName;
    QByteArray target;
    QByteArray folder;
    std::unique_ptr<TemporaryFile> file;
};

StagedFile::StagedFile(const QString &path) : parts_(std::make_unique<Parts>())
{
    CheckFileName(path);
    parts_->shownName = QDir::toNativeSeparators(path);
    QByteArray target = EncodeFileName(path);
    struct stat status {};
    if (::lstat(target.constData(), &status) == 0 && S_ISLNK(status.st_mode)) {
        // Replacing the link would cut it; the file it leads to is replaced instead.
        const std::unique_ptr<char, decltype(&std::free)> real(::realpath(target.constData(), nullptr), &std::free);
        if (!real)
            ThrowFileError(errno);
        target = real.get();
    }
    const bool exists = ::stat(target.constData(), &status) == 0;
    if (!exists && errno != ENOENT)
        ThrowFileError(errno);
    if (exists) {
        CheckOrdinary(status, Use::Replace);
        // Renaming over a read-only file would succeed; its owner meant it to stay.
        if (::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0)
            ThrowFileError(errno);
    }
    const qsizetype slash = target.lastIndexOf('/');
    parts_->folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash);
    parts_->target = target;
    RemoveLeftovers(parts_->folder, target.mid(slash + 1), exists ? &status : nullptr);

    for (int attempt = 0; attempt < 100 && !parts_->file; ++attempt) {
        auto file = std::make_unique<TemporaryFile>(target);
        if (file->Claim())
            parts_->file = std::move(file);
    }
    if (!parts_->file)
        ThrowFileError(EEXIST);
    if (exists)
        parts_->file->TakeOver(status);
}

StagedFile::~StagedFile() = default;

QString StagedFile::TemporaryPath() const
{
    return DecodeFileName(parts_->file->Path());
}

QString StagedFile::ShownName() const
{
    return parts_->shownName;
}

void StagedFile::Write(const QByteArray &bytes)
{
    parts_->file->Write(bytes, CurrentCalls());
}

QByteArray StagedFile::ReadBack(qint64 maxBytes) const
{
    return ReadOrdinaryFile(TemporaryPath(), maxBytes, QCoreApplication::translate("Storage", "File too large"));
}

WriteOutcome StagedFile::Commit()
{
    parts_->file->SyncAndClose(CurrentCalls());
    parts_->file->RenameTo(parts_->target, CurrentCalls());
    return WriteOutcome{SyncFolder(parts_->folder, parts_->shownName)};
}

WriteOutcome ReplaceFile(const QString &path, const QByteArray &bytes)
{
    StagedFile file(path);
    file.Write(bytes);
    return file.Commit();
}

QuovellaError NamedFileError(const QString &path, const QuovellaError &error)
{
    return QuovellaError(QCoreApplication::translate("Storage", "%1 was not written: %2").arg(QDir::toNativeSeparators(path), error.Message()));
}

ScopedDiskCalls::ScopedDiskCalls(const DiskCalls &calls)
    : previous_(std::exchange(CurrentCalls(), calls))
{
}

ScopedDiskCalls::~ScopedDiskCalls()
{
    CurrentCalls() = previous_;
}

DiskCalls SystemDiskCalls()
{
    return DiskCalls{&::write, &::fdatasync, &::close, &::rename};
}

QString FileErrorText(int error)
{
    switch (error) {
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return QCoreApplication::translate("Storage", "Disk full");
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return QCoreApplication::translate("Storage", "File access denied");
    case ENOENT:
        return QCoreApplication::translate("Storage", "File not found");
    case EMFILE:
    case ENFILE:
        return QCoreApplication::translate("Storage", "Too many open files");
    case ENAMETOOLONG:
    case ENOTDIR:
    case EISDIR:
    case EINVAL:
    case ELOOP:
        return QCoreApplication::translate("Storage", "Invalid filename");
    default:
        return QCoreApplication::translate("Storage", "I/O error %1").arg(error);
    }
}
