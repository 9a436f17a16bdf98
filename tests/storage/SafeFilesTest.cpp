// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading when the disk, the file or its name is not what a save
// expects: a disk that fails at the end, special files, huge files, leftovers
// of a killed save and names that are not UTF-8.
#include "storage/CurrentFile.h"
#include "storage/FileNames.h"
#include "tests/common/FailingDisk.h"
#include "tests/storage/StorageTestSupport.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using namespace FailingDisk;

namespace {

const QString pipeRead = "Cannot open a named pipe: only an ordinary file can hold a saved loan.";
const QString pipeSave = "Cannot save over a named pipe: only an ordinary file can be replaced.";
const QString deviceRead = "Cannot open a device: only an ordinary file can hold a saved loan.";
const QString tooLarge = "This file is too large to be a saved loan (larger than 1 MiB).";

class SafeFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        path_ = Path("house.QVL");
        WriteBytes(path_, ExampleBytes());
    }

    QString Path(const QString &name) const { return dir_.filePath(name); }

    QStringList Entries() const
    {
        QStringList entries =
            QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        entries.sort();
        return entries;
    }

    void ExpectPreviousFileIntact() const { EXPECT_EQ(ReadBytes(path_), ExampleBytes()); }

    static SavedInputs Other()
    {
        SavedInputs in = ExampleInputs();
        in.amount = "2500";
        return in;
    }

    static mode_t KindOf(const QString &path)
    {
        struct stat status {};
        return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
    }

    static int OpenDescriptors() { return int(QDir("/proc/self/fd").entryList(QDir::NoDotAndDotDot | QDir::System).size()); }

    QTemporaryDir dir_;
    QString path_;
};

int SyncHasNothingToDo(int)
{
    errno = EINVAL;
    return -1;
}

ssize_t WritesOneByteAfterAnInterruption(int fd, const void *data, size_t size)
{
    static bool interrupt = false;
    interrupt = !interrupt;
    if (interrupt) {
        errno = EINTR;
        return -1;
    }
    return ::write(fd, data, size > 0 ? 1 : 0);
}

ssize_t WritesNothing(int, const void *, size_t)
{
    return 0;
}

using DiskThatFails = SafeFiles;

TEST_F(DiskThatFails, ErrorOnSyncCloseOrRenameFailsTheSaveAndKeepsTheOldFile)
{
    const DiskCalls system = SystemDiskCalls();
    const int descriptors = OpenDescriptors();
    struct Case {
        DiskCalls calls;
        int error;
        QString message;
    };
    for (const Case &c : {Case{{system.write, &SyncFails, system.close}, EIO, "I/O error 5"},
                          Case{{system.write, &SyncFails, system.close}, ENOSPC, "Disk full"},
                          Case{{system.write, system.sync, &CloseFails}, EIO, "I/O error 5"},
                          Case{{system.write, system.sync, &CloseFails}, EDQUOT, "Disk full"},
                          Case{{system.write, system.sync, system.close, &RenameFails}, EIO, "I/O error 5"}}) {
        FailingDisk::error = c.error;
        const ScopedDiskCalls failing(c.calls);
        EXPECT_EQ(Saving(path_, Other()), c.message);
        ExpectPreviousFileIntact();
        // A file that did not exist is not made either.
        EXPECT_EQ(Saving(Path("new.QVL"), Other()), c.message);
        EXPECT_EQ(Entries(), QStringList{"house.QVL"});
    }
    EXPECT_EQ(OpenDescriptors(), descriptors);
    // The system's calls are back.
    ASSERT_EQ(Saving(path_, Other()), "<no error>");
    EXPECT_EQ(ReadBytes(path_), FormatMortgageFile(Other()));
}

TEST_F(DiskThatFails, ShortAndInterruptedWritesStillWriteEverything)
{
    const DiskCalls system = SystemDiskCalls();
    {
        const ScopedDiskCalls slow({&WritesOneByteAfterAnInterruption, &SyncHasNothingToDo, system.close});
        ASSERT_EQ(Saving(path_, Other()), "<no error>");
        EXPECT_EQ(ReadBytes(path_), FormatMortgageFile(Other()));
    }
    WriteBytes(path_, ExampleBytes());
    const ScopedDiskCalls stuck({&WritesNothing, system.sync, system.close});
    EXPECT_EQ(Saving(path_, Other()), "Disk full");
    ExpectPreviousFileIntact();
    EXPECT_EQ(Entries(), QStringList{"house.QVL"});
}

TEST_F(DiskThatFails, AFolderThatCannotBeSyncedAfterTheRenameIsAWarningNotAFailure)
{
    const DiskCalls system = SystemDiskCalls();
    const ScopedDiskCalls failing({system.write, &FolderSyncFails, system.close});
    const WriteOutcome outcome = SaveMortgageFile(path_, Other());
    EXPECT_EQ(ReadBytes(path_), FormatMortgageFile(Other())) << "the new file is in place";
    EXPECT_EQ(outcome.warning, QDir::toNativeSeparators(path_)
                                   + " was written, but the disk did not confirm its folder (I/O error 5): the "
                                     "file may not survive a power cut.");
    EXPECT_EQ(Entries(), QStringList{"house.QVL"});
}

TEST_F(DiskThatFails, AStagedFileNotCommittedLeavesNothingAndTheOldFileWhole)
{
    // As a write killed between writing and renaming: the old file stays.
    {
        StagedFile file(path_);
        file.Write("half of a new file");
        EXPECT_EQ(Entries().size(), 2);
        EXPECT_EQ(file.ReadBack(100), "half of a new file");
    }
    ExpectPreviousFileIntact();
    EXPECT_EQ(Entries(), QStringList{"house.QVL"});
    // Two writes of one file at once each have a temporary file of their own.
    StagedFile first(path_), second(path_);
    EXPECT_NE(first.TemporaryPath(), second.TemporaryPath());
    first.Write("first");
    second.Write("second");
    EXPECT_TRUE(first.Commit().warning.isEmpty());
    EXPECT_TRUE(second.Commit().warning.isEmpty());
    EXPECT_EQ(ReadBytes(path_), "second");
    EXPECT_EQ(Entries(), QStringList{"house.QVL"});
}

TEST_F(DiskThatFails, ACleanUpNeverTakesTheTemporaryFileOfARunningWrite)
{
    StagedFile running(path_);
    running.Write("still being written");
    // Another write of the same file starts, and cleans up leftovers on its way.
    ASSERT_EQ(Saving(path_, Other()), "<no error>");
    EXPECT_TRUE(QFileInfo::exists(running.TemporaryPath()));
    EXPECT_TRUE(running.Commit().warning.isEmpty());
    EXPECT_EQ(ReadBytes(path_), "still being written");
}

using SpecialFiles = SafeFiles;

TEST_F(SpecialFiles, NamedPipeIsNeitherReadNorReplaced)
{
    const QString pipe = Path("pipe.QVL");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(pipe, Path("link.QVL")));
    // No one writes to the pipe: opening it to read would wait for ever.
    const ChildOutcome outcome = RunWithWatchdog([&] {
        return Loading(pipe) + "|" + Loading(Path("link.QVL")) + "|" + Saving(pipe, Other()) + "|"
               + Saving(Path("link.QVL"), Other());
    });
    EXPECT_EQ(outcome.report, pipeRead + " (pipe.QVL)|" + pipeRead + " (link.QVL)|" + pipeSave + "|" + pipeSave);
    EXPECT_EQ(KindOf(pipe), S_IFIFO);
    EXPECT_EQ(KindOf(Path("link.QVL")), S_IFLNK);
}

TEST_F(SpecialFiles, DevicesAndSocketsAreRefusedBeforeTheyAreOpened)
{
    ASSERT_TRUE(QFile::link("/dev/zero", Path("zero.QVL")));
    // Read, these would never end.
    const ChildOutcome outcome = RunWithWatchdog([&] {
        return Loading("/dev/zero") + "|" + Loading("/dev/urandom") + "|" + Loading(Path("zero.QVL"));
    });
    EXPECT_EQ(outcome.report, deviceRead + " (zero)|" + deviceRead + " (urandom)|" + deviceRead + " (zero.QVL)");

    const QString socketPath = Path("socket.QVL");
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(sock, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(socketPath);
    ASSERT_LT(size_t(name.size()), sizeof address.sun_path);
    std::copy(name.begin(), name.end(), address.sun_path);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    EXPECT_EQ(Loading(socketPath), "Cannot open a socket: only an ordinary file can hold a saved loan. (socket.QVL)");
    EXPECT_EQ(Saving(socketPath, Other()), "Cannot save over a socket: only an ordinary file can be replaced.");
    EXPECT_EQ(KindOf(socketPath), S_IFSOCK);
    ::close(sock);

    // A device of our own to save over; making one needs root.
    const QString device = Path("null.QVL");
    if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "cannot make a device node here";
    EXPECT_EQ(Saving(device, Other()), "Cannot save over a device: only an ordinary file can be replaced.");
    EXPECT_EQ(KindOf(device), S_IFCHR);
}

TEST_F(SpecialFiles, LinksAreFollowedAndKeptAndPermissionsStay)
{
    ASSERT_TRUE(QFile::link(path_, Path("link.QVL")));
    ASSERT_EQ(::chmod(QFile::encodeName(path_).constData(), 0640), 0);
    ASSERT_EQ(Saving(Path("link.QVL"), Other()), "<no error>");
    EXPECT_EQ(KindOf(Path("link.QVL")), S_IFLNK);
    EXPECT_EQ(ReadBytes(path_), FormatMortgageFile(Other()));
    EXPECT_EQ(LoadMortgageFile(Path("link.QVL")), Other());
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(path_).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    // A link to where nothing is (an unplugged disk) is not replaced by a file.
    ASSERT_TRUE(QFile::link(Path("gone/plan.QVL"), Path("dangling.QVL")));
    EXPECT_EQ(Saving(Path("dangling.QVL"), Other()), "File not found");
    EXPECT_EQ(KindOf(Path("dangling.QVL")), S_IFLNK);
}

using SizeLimit = SafeFiles;

TEST_F(SizeLimit, FilesOverOneMebibyteAreRefusedUnread)
{
    // Anything after line 23 is ignored, so padding makes a valid file of any size.
    QByteArray exact = ExampleBytes();
    exact += QByteArray((1 << 20) - exact.size(), 'z');
    WriteBytes(path_, exact);
    EXPECT_EQ(LoadMortgageFile(path_), ExampleInputs());
    WriteBytes(path_, exact + "z");
    EXPECT_EQ(Loading(path_), tooLarge + " (house.QVL)");
    WriteBytes(path_, ExampleBytes() + QByteArray(5 << 20, 'z'));
    EXPECT_EQ(Loading(path_), tooLarge + " (house.QVL)");
}

TEST_F(SizeLimit, ABadLineIsQuotedCutToAReadableLength)
{
    QList<QByteArray> lines{"1", "2", "3", "4", QByteArray(500000, 'x')};
    WriteBytes(path_, Lines(lines));
    const QString cut = "'" + QString(40, u'x') + QChar(0x2026) + "' is not a valid integer value";
    EXPECT_EQ(Loading(path_), cut + " (house.QVL, line 5)");
    // The reader cuts as well, whatever the size it is given.
    lines[4] = QByteArray(2 << 20, 'x');
    EXPECT_EQ(ErrorOf([&] { ParseMortgageFile(Lines(lines)); }), cut);
    // Never half a character, and no control character reaches a terminal.
    lines[4] = QByteArray(39, 'x') + "\xf0\x9f\x98\x80" + "yyyy";
    EXPECT_EQ(ErrorOf([&] { ParseMortgageFile(Lines(lines)); }),
              "'" + QString(39, u'x') + QChar(0x2026) + "' is not a valid integer value");
    lines[4] = "\x1b[2J\x07";
    EXPECT_EQ(ErrorOf([&] { ParseMortgageFile(Lines(lines)); }), "'?[2J?' is not a valid integer value");
}

TEST_F(SizeLimit, InputsTooLongToOpenAgainAreNotSaved)
{
    SavedInputs huge = ExampleInputs();
    huge.amount = QString(1 << 20, u'9');
    EXPECT_EQ(Saving(path_, huge),
              "These inputs are too long to save: the file would be larger than 1 MiB and could not be opened again.");
    ExpectPreviousFileIntact();
}

using Leftovers = SafeFiles;

TEST_F(Leftovers, TemporaryFilesOfAKilledSaveGoAtTheNextSaveSilently)
{
    for (const char *name : {"house.QVL.Ab12Cd", "house.QVL.q7rtxz", "house.QVL.XYZ123", "house.QVL.aBcDeF"})
        WriteBytes(Path(name), ExampleBytes().left(20));
    WriteBytes(Path("fresh.QVL.Zz9yY8"), "");
    ASSERT_EQ(Saving(path_, Other()), "<no error>");
    ASSERT_EQ(Saving(Path("fresh.QVL"), Other()), "<no error>");
    EXPECT_EQ(Entries(), (QStringList{"fresh.QVL", "house.QVL"}));
}

TEST_F(Leftovers, OnlyTemporaryFilesOfOursAreRemoved)
{
    // Copies a person may have made, files of other names, and things that are not files.
    const QStringList kept{"house.QVL.backup", "house.QVL.BACKUP", "house.QVL.123456", "house.QVL.Backup1",
                           "house.QVL.Ab12C",  "house.QVL.Ab-2Cd", "plan.QVL.Ab12Cd",  "house.QVLAb12Cd"};
    for (const QString &name : kept)
        WriteBytes(Path(name), ExampleBytes());
    ASSERT_TRUE(QDir(dir_.path()).mkdir("house.QVL.Zz9Yy8"));
    ASSERT_TRUE(QFile::link(path_, Path("house.QVL.Lk4Mn5")));
    // A copy older than the file it would be the leftover of was made before the last save.
    WriteBytes(Path("house.QVL.Old9Xy"), ExampleBytes());
    const timespec lastYear[2]{{::time(nullptr) - 365 * 86400, 0}, {::time(nullptr) - 365 * 86400, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(Path("house.QVL.Old9Xy")).constData(), lastYear, 0), 0);
    // Another save is writing this one now.
    WriteBytes(Path("house.QVL.Busy42"), "");
    const int busy = ::open(QFile::encodeName(Path("house.QVL.Busy42")).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(busy, LOCK_EX), 0);
    // Someone else's.
    WriteBytes(Path("house.QVL.Th3irs"), "");
    const bool chowned = ::geteuid() == 0
                         && ::chown(QFile::encodeName(Path("house.QVL.Th3irs")).constData(), 65534, 65534) == 0;

    ASSERT_EQ(Saving(path_, Other()), "<no error>");
    QStringList expected = kept;
    expected << "house.QVL" << "house.QVL.Zz9Yy8" << "house.QVL.Lk4Mn5" << "house.QVL.Old9Xy"
             << "house.QVL.Busy42";
    if (chowned)
        expected << "house.QVL.Th3irs";
    expected.sort();
    EXPECT_EQ(Entries(), expected);
    for (const QString &name : kept)
        EXPECT_EQ(ReadBytes(Path(name)), ExampleBytes()) << name.toStdString();
    ::close(busy);
}

TEST(FileNames, Utf8NamesReadAsUsual)
{
    for (const QString &name : {QString(), QString("plan.QVL"), QString("Zürich €.QVL"), QString("\U0001F3E0.QVL"),
                                QString("/home/ann/plans/house.QVL")}) {
        EXPECT_EQ(DecodeFileName(name.toUtf8()), name);
        EXPECT_EQ(EncodeFileName(name), name.toUtf8());
    }
}

TEST(FileNames, AnyBytesComeBackUnchanged)
{
    EXPECT_EQ(DecodeFileName("h\xe9.QVL"), "h" + QString(QChar(0xDCE9)) + ".QVL");
    // Overlong forms, encoded surrogates, past U+10FFFF, cut short, stray continuations.
    for (const QByteArray &bytes :
         {QByteArray("h\xe9.QVL"), QByteArray("\xc0\x80"), QByteArray("\xe0\x80\xaf"), QByteArray("\xed\xa0\x80"),
          QByteArray("\xed\xb3\xa9"), QByteArray("\xf4\x90\x80\x80"), QByteArray("\xf5\x80\x80\x80"),
          QByteArray("\xe2\x82"), QByteArray("\x80\xbf"), QByteArray("\xff\xfe"), QByteArray("a\xf0\x9f\x8f\xa0\xe9")}) {
        const QString name = DecodeFileName(bytes);
        EXPECT_EQ(EncodeFileName(name), bytes) << bytes.toHex().constData();
        EXPECT_FALSE(name.contains(QChar(QChar::ReplacementCharacter))) << bytes.toHex().constData();
    }
    QRandomGenerator random(12);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes(random.bounded(1, 12), '\0');
        for (char &b : bytes)
            b = char(random.bounded(1, 256));
        ASSERT_EQ(EncodeFileName(DecodeFileName(bytes)), bytes) << bytes.toHex().constData();
    }
}

using NamesThatAreNotUtf8 = SafeFiles;

QByteArray RawRead(const QByteArray &name)
{
    QByteArray bytes(4096, '\0');
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    const ssize_t got = fd < 0 ? -1 : ::read(fd, bytes.data(), size_t(bytes.size()));
    if (fd >= 0)
        ::close(fd);
    return got < 0 ? QByteArray("<unreadable>") : bytes.left(got);
}

TEST_F(NamesThatAreNotUtf8, OpenAndSaveAndAreChosenAtStartUp)
{
    const QByteArray raw = QFile::encodeName(dir_.path()) + "/h\xe9user.QVL";
    const int fd = ::open(raw.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, ExampleBytes().constData(), size_t(ExampleBytes().size())), ExampleBytes().size());
    ::close(fd);

    const char *argv[] = {"quovella", raw.constData()};
    const QStringList arguments = CommandLineArguments(2, argv);
    ASSERT_EQ(arguments.size(), 2);
    const QString name = arguments[1];
    EXPECT_EQ(StartupFile(arguments, QString()), name);
    EXPECT_EQ(LoadMortgageFile(name), ExampleInputs());
    EXPECT_EQ(Saving(name, Other()), "<no error>");
    EXPECT_EQ(RawRead(raw), FormatMortgageFile(Other()));
    // No file of another name: the folder holds house.QVL and this one.
    int entries = 0;
    if (DIR *folder = ::opendir(QFile::encodeName(dir_.path()).constData())) {
        while (const dirent *entry = ::readdir(folder))
            entries += entry->d_name[0] != '.';
        ::closedir(folder);
    }
    EXPECT_EQ(entries, 2);
    // Qt cannot name it to remove the folder.
    ::unlink(raw.constData());
}

} // namespace
