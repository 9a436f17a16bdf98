// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/storage/StorageTestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <chrono>
#include <csignal>
#include <cerrno>
#include <functional>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString skipMark = QStringLiteral("SKIP: ");

// Permissions do not stop root; a child that must be stopped by them runs as
// nobody instead. Returns a reason when that cannot be done.
QString DropRootInChild()
{
    if (::geteuid() != 0)
        return {};
    const gid_t nobodyGroup = 65534;
    const uid_t nobody = 65534;
    if (::setgroups(0, nullptr) != 0 || ::setgid(nobodyGroup) != 0 || ::setuid(nobody) != 0)
        return skipMark + QStringLiteral("running as root and cannot become nobody, so permissions cannot be tested");
    return {};
}

// The message call throws with every file handle taken. The undefined-behaviour
// checker needs a handle when it first meets a class, so the error is looked at
// only once the handles are given back.
QString WithNoHandlesLeft(const std::function<void()> &call)
{
    std::vector<int> taken;
    for (int fd; (fd = ::open("/dev/null", O_RDONLY)) >= 0;)
        taken.push_back(fd);
    std::exception_ptr failure;
    try {
        call();
    } catch (...) {
        failure = std::current_exception();
    }
    for (int fd : taken)
        ::close(fd);
    return ErrorOf([&] {
        if (failure)
            std::rethrow_exception(failure);
    });
}

SavedInputs Large(qsizetype bytes)
{
    SavedInputs in = ExampleInputs();
    in.wiRepay = QString(bytes, u'7');
    return in;
}

#define SKIP_IF_CHILD_SAYS(outcome)                                                                       \
    if ((outcome).report.startsWith(skipMark))                                                             \
    GTEST_SKIP() << (outcome).report.mid(skipMark.size()).toStdString()

class SavedFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        // Reachable for a child that has become nobody.
        QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                               | QFileDevice::ReadOther | QFileDevice::ExeOther
                                               | QFileDevice::ReadGroup | QFileDevice::ExeGroup);
        path_ = Path(QStringLiteral("house.QVL"));
        WriteBytes(path_, ExampleBytes());
    }

    void TearDown() override
    {
        // Let the temporary folder be removed again.
        for (const QString &folder : lockedFolders_)
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    QString Path(const QString &name) const { return dir_.filePath(name); }

    void MakeFolderReadOnly(const QString &folder)
    {
        lockedFolders_ << folder;
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                          | QFileDevice::ExeOther | QFileDevice::ReadGroup | QFileDevice::ExeGroup);
    }

    // Everything in a folder: a save must not leave a temporary file behind.
    static QStringList Entries(const QString &folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    void ExpectPreviousFileIntact() const
    {
        EXPECT_EQ(ReadBytes(path_), ExampleBytes());
    }

    QTemporaryDir dir_;
    QString path_;
    QStringList lockedFolders_;
};

TEST_F(SavedFileOnDisk, SaveReplacesTheFileAndLoadReadsItBack)
{
    SavedInputs other = ExampleInputs();
    other.amount = "2500";
    other.wiVariable = 3;
    ASSERT_EQ(Saving(path_, other), "<no error>");
    EXPECT_EQ(ReadBytes(path_), FormatMortgageFile(other));
    EXPECT_EQ(LoadMortgageFile(path_), other);
    EXPECT_EQ(Entries(dir_.path()), QStringList{"house.QVL"});

    const QString fresh = Path("new.qvl");
    ASSERT_EQ(Saving(fresh, ExampleInputs()), "<no error>");
    EXPECT_EQ(ReadBytes(fresh), ExampleBytes());
    EXPECT_EQ(Entries(dir_.path()), (QStringList{"house.QVL", "new.qvl"}));
}

TEST_F(SavedFileOnDisk, LoadSaysWhyAndWhichFileCannotBeRead)
{
    EXPECT_EQ(Loading(Path("missing.QVL")), "File not found (missing.QVL)");
    EXPECT_EQ(Loading(Path("nowhere/house.QVL")), "File not found (house.QVL)");
    EXPECT_EQ(Loading(""), "Invalid filename");
    EXPECT_EQ(Loading(path_ + "/house.QVL"), "Invalid filename (house.QVL)");
    // A readable file with bad content names the line, counted from 1.
    WriteBytes(path_, "1\r\n2\r\n3\r\n4\r\nabc\r\n");
    EXPECT_EQ(Loading(path_), "'abc' is not a valid integer value (house.QVL, line 5)");
    WriteBytes(path_, "1\r\n2\r\n3\r\n4\r\n3\r\n");
    EXPECT_EQ(Loading(path_), "'' is not a valid integer value (house.QVL, line 6)");
    // The What If? numbers are words: blank lines before one are skipped and counted.
    const QByteArray head = "1\r\n2\r\n3\r\n4\r\n3\r\n3\r\nTRUE\r\nFALSE\r\n\r\n\r\n\r\n\r\n\r\nTRUE\r\n"
                            "\r\n\r\n\r\n\r\n\r\n";
    WriteBytes(path_, head + "1\r\nx\r\n");
    EXPECT_EQ(Loading(path_), "Invalid numeric input (house.QVL, line 21)");
    WriteBytes(path_, head + "1 9\r\n\r\n \r\n  y\r\n");
    EXPECT_EQ(Loading(path_), "Invalid numeric input (house.QVL, line 23)");
}

// A single '.' or ',' in a saved number is its decimal separator, whatever
// notation the file was saved in; what is not such a number stays as typed.
TEST_F(SavedFileOnDisk, LoadShowsSavedNumbersInTheUsersNotation)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    struct Case {
        QString saved, german, plain;
    };
    for (const Case &c : {Case{"6,5", "6,5", "6.5"}, Case{"6.5", "6,5", "6.5"}, Case{"-0.25e1", "-0,25e1", "-0.25e1"},
                          Case{"100000", "100000", "100000"}, Case{"", "", ""}, Case{"abc", "abc", "abc"},
                          Case{"1,000.5", "1,000.5", "1,000.5"}, Case{"6,5%", "6,5%", "6,5%"}, Case{",", ",", ","}}) {
        EXPECT_EQ(NumberInLocale(c.saved, german), c.german) << c.saved.toStdString();
        EXPECT_EQ(NumberInLocale(c.saved, american), c.plain) << c.saved.toStdString();
        EXPECT_EQ(NumberInLocale(c.saved, QLocale::c()), c.plain) << c.saved.toStdString();
    }

    // Every number line is shown so; the index and choice lines are not touched.
    WriteBytes(path_, "1,5\r\n2,5\r\n3,5\r\n4,5\r\n3\r\n3\r\nTRUE\r\nFALSE\r\n9,5\r\n10,5\r\n11,5\r\n12,5\r\n13,5\r\n"
                      "TRUE\r\n15,5\r\n16,5\r\n17,5\r\n18,5\r\n19,5\r\n1\r\n3\r\n1\r\n3\r\n");
    const SavedInputs in = LoadMortgageFile(path_, QLocale::c());
    const QStringList shown{in.amount, in.years, in.part, in.rate, in.savingsAmount, in.savingsPeriod,
                            in.savingsRate, in.reducedPeriod, in.investRate, in.wiPrincipal, in.wiPeriods,
                            in.wiPartYear, in.wiInterest, in.wiRepay};
    EXPECT_EQ(shown, (QStringList{"1.5", "2.5", "3.5", "4.5", "9.5", "10.5", "11.5", "12.5", "13.5", "15.5", "16.5",
                                  "17.5", "18.5", "19.5"}));
    EXPECT_EQ(LoadMortgageFile(path_, german).rate, "4,5");
}

TEST_F(SavedFileOnDisk, SaveToANameThatCannotBeAFileIsAnInvalidFilename)
{
    QDir(dir_.path()).mkdir("folder");
    EXPECT_EQ(Saving("", ExampleInputs()), "Invalid filename");
    EXPECT_EQ(Saving(Path("folder"), ExampleInputs()), "Invalid filename");
    EXPECT_EQ(Saving(Path("folder/"), ExampleInputs()), "Invalid filename");
    EXPECT_EQ(Saving(Path(QString(300, u'n')), ExampleInputs()), "Invalid filename");
    // A folder that cannot exist because a file has its name.
    EXPECT_EQ(Saving(path_ + "/inner.QVL", ExampleInputs()), "Invalid filename");
    ExpectPreviousFileIntact();
    EXPECT_EQ(Entries(Path("folder")), QStringList{});
    EXPECT_EQ(Entries(dir_.path()), (QStringList{"folder", "house.QVL"}));
}

TEST_F(SavedFileOnDisk, SaveIntoAMissingFolderIsFileNotFound)
{
    EXPECT_EQ(Saving(Path("nowhere/house.QVL"), ExampleInputs()), "File not found");
}

TEST_F(SavedFileOnDisk, ReadOnlyFolderRefusesTheSaveAndKeepsTheFile)
{
    MakeFolderReadOnly(dir_.path());
    const ChildOutcome outcome = RunInChild([&] {
        if (const QString reason = DropRootInChild(); !reason.isEmpty())
            return reason;
        return Saving(path_, Large(1000));
    });
    SKIP_IF_CHILD_SAYS(outcome);
    EXPECT_EQ(outcome.report, "File access denied");
    ExpectPreviousFileIntact();
    EXPECT_EQ(Entries(dir_.path()), QStringList{"house.QVL"});
}

TEST_F(SavedFileOnDisk, ReadOnlyFileRefusesTheSaveAndUnreadableFileTheLoad)
{
    QFile::setPermissions(dir_.path(), QFileDevice::Permissions(0x7777));
    QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    const QString unreadable = Path("secret.QVL");
    WriteBytes(unreadable, ExampleBytes());
    QFile::setPermissions(unreadable, QFileDevice::Permissions());

    const ChildOutcome outcome = RunInChild([&] {
        if (const QString reason = DropRootInChild(); !reason.isEmpty())
            return reason;
        return Saving(path_, Large(10)) + "|" + Loading(unreadable);
    });
    SKIP_IF_CHILD_SAYS(outcome);
    EXPECT_EQ(outcome.report, "File access denied|File access denied (secret.QVL)");
    ExpectPreviousFileIntact();
    EXPECT_EQ(Entries(dir_.path()), (QStringList{"house.QVL", "secret.QVL"}));
}

TEST_F(SavedFileOnDisk, FullDiskKeepsThePreviousFile)
{
    // A file size limit fails writes as a full disk does: the first write stops
    // short, the next one fails. Neither may be committed as a shorter file.
    for (const SavedInputs &in : {Large(100), Large(900000)}) {
        const ChildOutcome outcome = RunInChild([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{64, 64};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                return QStringLiteral("<setrlimit failed>");
            return Saving(path_, in);
        });
        EXPECT_EQ(outcome.report, "Disk full");
        ExpectPreviousFileIntact();
        EXPECT_EQ(Entries(dir_.path()), QStringList{"house.QVL"});
    }
}

TEST_F(SavedFileOnDisk, TooManyOpenFilesStopsSaveAndLoad)
{
    const ChildOutcome outcome = RunInChild([&] {
        const rlimit limit{32, 32};
        if (::setrlimit(RLIMIT_NOFILE, &limit) != 0)
            return QStringLiteral("<setrlimit failed>");
        // Let the undefined-behaviour checker meet these classes while there are
        // handles to spare.
        SaveMortgageFile(Path("spare.QVL"), ExampleInputs());
        QFile::remove(Path("spare.QVL"));
        Loading(Path("missing.QVL"));
        return WithNoHandlesLeft([&] { SaveMortgageFile(path_, Large(10)); }) + "|"
               + WithNoHandlesLeft([&] { LoadMortgageFile(path_); });
    });
    EXPECT_EQ(outcome.report, "Too many open files|Too many open files (house.QVL)");
    ExpectPreviousFileIntact();
}

TEST_F(SavedFileOnDisk, SaveKilledHalfWayKeepsThePreviousFile)
{
    // The system kills a process whose write passes its file size limit: the
    // save dies in the middle of writing, at a known point.
    const ChildOutcome outcome = RunInChild([&] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{4096, 4096};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return QStringLiteral("<setrlimit failed>");
        return Saving(path_, Large(1000000));
    });
    ASSERT_TRUE(WIFSIGNALED(outcome.status)) << outcome.report.toStdString();
    EXPECT_EQ(WTERMSIG(outcome.status), SIGXFSZ);
    ExpectPreviousFileIntact();
    EXPECT_EQ(LoadMortgageFile(path_), ExampleInputs());
}

TEST_F(SavedFileOnDisk, SaveKilledAtAnyMomentLeavesTheOldOrTheNewFileWhole)
{
    const SavedInputs newer = Large(1000000);
    const QByteArray newBytes = FormatMortgageFile(newer);
    for (int round = 0; round < 4; ++round) {
        WriteBytes(path_, ExampleBytes());
        const ChildOutcome outcome = RunInChild(
            [&] {
                for (;;)
                    SaveMortgageFile(path_, newer);
                return QString();
            },
            [&](pid_t child) {
                // Kill once a temporary file is being written, a little later each round.
                const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
                while (Entries(dir_.path()).size() < 2 && std::chrono::steady_clock::now() < give_up)
                    std::this_thread::sleep_for(std::chrono::microseconds(200));
                std::this_thread::sleep_for(std::chrono::milliseconds(round * 3));
                ::kill(child, SIGKILL);
            });
        ASSERT_TRUE(WIFSIGNALED(outcome.status));
        const QByteArray bytes = ReadBytes(path_);
        EXPECT_TRUE(bytes == ExampleBytes() || bytes == newBytes)
            << "round " << round << ": " << bytes.size() << " bytes";
        // A killed save may leave its temporary file, never a damaged target;
        // the next save of the file clears it away.
        ASSERT_EQ(Saving(path_, ExampleInputs()), "<no error>");
        EXPECT_EQ(Entries(dir_.path()), QStringList{"house.QVL"}) << "round " << round;
    }
}

// The errors above come from real failures; these cannot be made on demand.
TEST(FileErrorText, OtherSystemErrorsReadAsThePlatformWordsThem)
{
    EXPECT_EQ(FileErrorText(EROFS), "File access denied");
    EXPECT_EQ(FileErrorText(ENFILE), "Too many open files");
    EXPECT_EQ(FileErrorText(ENOSPC), "Disk full");
    EXPECT_EQ(FileErrorText(EIO), "I/O error 5");
}

} // namespace
