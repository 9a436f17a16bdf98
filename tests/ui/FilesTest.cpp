// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtPlatform.h"
#include "storage/DiskFile.h"
#include "storage/SavingLoading.h"
#include "tests/common/FailingDisk.h"
#include "tests/common/TestFiles.h"
#include "tests/common/UserLocale.h"
#include "tests/ui/UiFixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

using namespace FailingDisk;

namespace {

const QByteArray kExample = "100000\r\n25\r\n0\r\n6.5\r\n3\r\n3\r\nTRUE\r\nFALSE\r\n\r\n\r\n\r\n\r\n\r\nTRUE\r\n"
                            "\r\n\r\n\r\n\r\n\r\n1\r\n3\r\n1\r\n3\r\n";

} // namespace

class Files : public UiTest {
protected:
    QString Path(const QString &name) const { return dir.filePath(name); }

    void TypeExample()
    {
        TypeLoan("100000", "25", "6.5", "0");
        main().TrasferValuesCheckBox->setChecked(true);
    }

    // Opens a file as the user would, answering No should the window offer to
    // save first; only the messages after that question are kept.
    void Open(const QString &path, bool byMenu = false)
    {
        const bool asks = !main().SavedFlag();
        if (asks)
            platform.messageAnswers.push_back(MessageResult::No);
        platform.openAnswers.push_back(path);
        if (byMenu)
            main().LoadFile1->trigger();
        else
            main().LoadBtn->click();
        if (asks) {
            ASSERT_FALSE(platform.messages.empty());
            ASSERT_EQ(platform.messages.front().text, saveFirst);
            platform.messages.erase(platform.messages.begin());
        }
    }

    const QString saveFirst = "Do you want to save your file first?";

    QTemporaryDir dir;
};

TEST_F(Files, SaveWritesTheFileAndNamesIt)
{
    TypeExample();
    platform.saveAnswers.push_back(Path("house"));
    main().SaveFile1->trigger();
    ASSERT_EQ(platform.saveDialogs.size(), 1u);
    EXPECT_EQ(platform.saveDialogs[0].filter, "Quovella File |*.QVL");
    EXPECT_EQ(FileBytes(Path("house.QVL")), kExample);
    EXPECT_EQ(main().windowTitle(), kProgramTitle + " -  " + Path("house.QVL"));
    EXPECT_TRUE(main().SavedFlag());
    EXPECT_EQ(main().CurrentFileName(), Path("house.QVL"));
    // The open dialog is preset to the name as the user gave it.
    EXPECT_EQ(main().OpenDialog().fileName, Path("house"));
    EXPECT_TRUE(platform.messages.empty());

    platform.saveAnswers.push_back(Path("plan.qvl"));
    main().SaveBtn->click();
    EXPECT_TRUE(QFile::exists(Path("plan.qvl")));
    EXPECT_FALSE(QFile::exists(Path("plan.qvl.QVL")));
}

TEST_F(Files, CancelledSaveWritesNothing)
{
    TypeExample();
    platform.saveAnswers.push_back(Path("first"));
    main().SaveBtn->click();
    main().MAmount->setText("5");
    platform.saveAnswers.push_back(std::nullopt);
    main().SaveBtn->click();
    EXPECT_EQ(FileBytes(Path("first.QVL")), kExample);
    EXPECT_FALSE(main().SavedFlag());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"first.QVL"});
}

TEST_F(Files, FailedSaveKeepsTheOldFileAndChangesNothing)
{
    TypeExample();
    platform.saveAnswers.push_back(Path("house"));
    main().SaveBtn->click();
    const QString caption = main().windowTitle();
    main().MAmount->setText("200000");
    platform.saveAnswers.push_back(Path("missing/folder/plan"));
    main().SaveBtn->click();
    EXPECT_EQ(OnlyMessage().text, "File not found");
    EXPECT_EQ(main().windowTitle(), caption);
    EXPECT_FALSE(main().SavedFlag());
    EXPECT_EQ(main().CurrentFileName(), Path("house.QVL"));
    EXPECT_EQ(FileBytes(Path("house.QVL")), kExample);
}

TEST_F(Files, LoadSetsEveryControlAsTyped)
{
    SetFileBytes(Path("plan.QVL"), "250000\r\n30\r\n6\r\n4.25\r\n6\r\n7\r\nFALSE\r\nTRUE\r\n100000\r\n25\r\n6\r\n15\r\n5\r\nFALSE\r\n"
                            "1\r\n2\r\n3\r\n4\r\n5\r\n4\r\n5\r\n2\r\n1\r\n");
    main().PaymentRB->setChecked(true);
    Open(Path("plan.QVL"), true);
    ASSERT_EQ(platform.openDialogs.size(), 1u);
    EXPECT_EQ(platform.openDialogs[0].filter, "Quovella Saved Files |*.QVL");
    EXPECT_TRUE(platform.messages.empty()) << S(platform.LastMessage());
    EXPECT_EQ(main().MAmount->text(), "250000");
    EXPECT_EQ(main().Period->text(), "30");
    EXPECT_EQ(main().MPartyear->text(), "6");
    EXPECT_EQ(main().IRate->text(), "4.25");
    EXPECT_EQ(main().MPayment->currentText(), "Weekly");
    EXPECT_EQ(main().MCompounded->currentText(), "Daily");
    EXPECT_TRUE(main().MAdvance->isChecked());
    EXPECT_EQ(main().PartYearCaption(), "Week(s)"); // the labels follow the loaded frequency
    EXPECT_EQ(main().mrepayment->text(), "$645"); // the savings tab recalculated as typing would
    EXPECT_EQ(main().investtotal->text(), "$100,157");
    EXPECT_FALSE(main().TrasferValuesCheckBox->isChecked());
    EXPECT_EQ(main().WIPrincipal->text(), "1");
    EXPECT_EQ(main().WIInterest->text(), "4");
    EXPECT_EQ(main().WIRepay->text(), "5"); // "Payment" was already the variable
    EXPECT_EQ(main().WIPayment->currentText(), "FortNightly");
    EXPECT_TRUE(main().WIAdvanceRB->isChecked());
    EXPECT_EQ(main().WICompounded->currentText(), "Bi-Annualy");
    EXPECT_EQ(main().windowTitle(), kProgramTitle + " -  " + Path("plan.QVL"));
    EXPECT_TRUE(main().SavedFlag());
    EXPECT_EQ(main().CurrentFileName(), Path("plan.QVL"));
    EXPECT_EQ(main().SaveDialog().fileName, Path("plan.QVL"));
    EXPECT_TRUE(main().MonthlyRepayment->text().isEmpty()); // nothing is calculated
}

TEST_F(Files, ABadSavingsLineIsToldOnce)
{
    // Loading fills the five savings fields one by one; the bad amount is told once, not at each.
    SetFileBytes(Path("plan.QVL"), "100000\r\n25\r\n0\r\n6\r\n3\r\n3\r\nTRUE\r\nFALSE\r\nabc\r\n25\r\n6\r\n15\r\n5\r\n"
                                   "FALSE\r\n\r\n\r\n\r\n\r\n\r\n1\r\n3\r\n1\r\n3\r\n");
    Open(Path("plan.QVL"));
    EXPECT_EQ(OnlyMessage().text, "This Mortgage Amount must be Numeric only");
    EXPECT_EQ(main().MSavingsAmount->text(), "abc");
    EXPECT_TRUE(main().mrepayment->text().isEmpty());
    EXPECT_EQ(main().MAmount->text(), "100000"); // the rest of the file is loaded
}

TEST_F(Files, SavedAndLoadedAgainIsTheSame)
{
    TypeLoan("123456.78", "12", "7.125", "5");
    ChoosePayment("Bi-Monthly");
    main().MCompounded->setCurrentText("Quarterly");
    main().MAdvance->setChecked(true);
    main().MSavingsAmount->setText("90000");
    main().mperiod->setText("20");
    main().minterest->setText("5");
    main().InterestRB->setChecked(true);
    main().WIPrincipal->setText("80000");
    main().WIPeriods->setText("15");
    main().WIRepay->setText("700");
    platform.saveAnswers.push_back(Path("round"));
    main().SaveBtn->click();
    const QByteArray first = FileBytes(Path("round.QVL"));

    TypeLoan("", "", "", "");
    main().WIPrincipal->clear();
    Open(Path("round.QVL"));
    EXPECT_EQ(main().MAmount->text(), "123456.78");
    EXPECT_EQ(main().MPartyear->text(), "5");
    EXPECT_EQ(main().MPayment->currentText(), "Bi-Monthly");
    EXPECT_EQ(main().WIPrincipal->text(), "80000");
    EXPECT_TRUE(main().WIInterest->text().isEmpty());
    platform.saveAnswers.push_back(Path("again"));
    main().SaveBtn->click();
    EXPECT_EQ(FileBytes(Path("again.QVL")), first);
}

TEST_F(Files, ChoosingAnotherVariableOnLoadEmptiesItsField)
{
    SetFileBytes(Path("pay.QVL"), "1\r\n1\r\n\r\n1\r\n3\r\n3\r\nTRUE\r\nFALSE\r\n\r\n\r\n\r\n\r\n\r\nFALSE\r\n"
                           "1\r\n2\r\n\r\n4\r\n5\r\n4\r\n3\r\n1\r\n3\r\n");
    ASSERT_TRUE(main().AmountRB->isChecked());
    Open(Path("pay.QVL"));
    EXPECT_TRUE(main().PaymentRB->isChecked());
    EXPECT_TRUE(main().WIRepay->text().isEmpty());
    EXPECT_EQ(main().WIPrincipal->text(), "1");
}

TEST_F(Files, FourteenLineFileLeavesWhatIfAlone)
{
    main().WIPeriods->setText("9");
    SetFileBytes(Path("short.QVL"), kExample.left(kExample.indexOf("TRUE\r\n\r\n\r\n\r\n") + 6));
    Open(Path("short.QVL"));
    EXPECT_TRUE(platform.messages.empty()) << S(platform.LastMessage());
    EXPECT_EQ(main().MAmount->text(), "100000");
    EXPECT_TRUE(main().TrasferValuesCheckBox->isChecked());
    EXPECT_EQ(main().WIPeriods->text(), "9");
}

TEST_F(Files, LowerCaseTrueLoadsAsInArrears)
{
    main().MAdvance->setChecked(true);
    QByteArray bytes = kExample;
    bytes.replace("TRUE\r\nFALSE\r\n", "FALSE\r\ntrue\r\n");
    SetFileBytes(Path("lower.QVL"), bytes);
    Open(Path("lower.QVL"));
    EXPECT_TRUE(main().MArrears->isChecked());
}

TEST_F(Files, BadFileChangesNothing)
{
    TypeLoan("77777", "7", "7");
    main().mperiod->setText("12");
    main().SetSavedFlag(false);
    const QString caption = main().windowTitle();
    QByteArray bytes = kExample;
    bytes.replace("6.5\r\n3\r\n", "6.5\r\nabc\r\n");
    SetFileBytes(Path("bad.QVL"), bytes);
    Open(Path("bad.QVL"));
    EXPECT_EQ(OnlyMessage().text, "'abc' is not a valid integer value (bad.QVL, line 5)");
    EXPECT_EQ(main().MAmount->text(), "77777");
    EXPECT_EQ(main().IRate->text(), "7");
    EXPECT_EQ(main().mperiod->text(), "12");
    EXPECT_EQ(main().windowTitle(), caption);
    EXPECT_FALSE(main().SavedFlag());
    EXPECT_TRUE(main().CurrentFileName().isEmpty());

    platform.Clear();
    bytes = kExample;
    bytes.replace("\r\n1\r\n3\r\n1\r\n3\r\n", "\r\nx\r\n3\r\n1\r\n3\r\n");
    SetFileBytes(Path("bad2.QVL"), bytes);
    Open(Path("bad2.QVL"));
    EXPECT_EQ(OnlyMessage().text, "Invalid numeric input (bad2.QVL, line 20)");
    EXPECT_EQ(main().MAmount->text(), "77777");

    platform.Clear();
    Open(Path("nowhere.QVL"));
    EXPECT_EQ(OnlyMessage().text, "File not found (nowhere.QVL)");
    EXPECT_EQ(main().MAmount->text(), "77777");
    EXPECT_TRUE(main().CurrentFileName().isEmpty());
    EXPECT_FALSE(main().SavedFlag());
}

TEST_F(Files, ClosingWithYesSavesAndRemembersTheNewFile)
{
    TypeExample();
    platform.messageAnswers.push_back(MessageResult::Yes);
    platform.saveAnswers.push_back(Path("closing"));
    EXPECT_TRUE(main().close());
    EXPECT_EQ(FileBytes(Path("closing.QVL")), kExample);
    EXPECT_EQ(platform.settings.values.value("CurrentFile"), Path("closing.QVL"));
}

TEST_F(Files, ClosingWithYesButAFailedSaveKeepsTheWindowOpen)
{
    TypeExample();
    platform.messageAnswers.push_back(MessageResult::Yes);
    platform.saveAnswers.push_back(Path("no/such/folder/plan"));
    EXPECT_FALSE(main().close());
    EXPECT_EQ(platform.messages.back().text, "File not found");
    EXPECT_FALSE(platform.settings.values.contains("CurrentFile"));
}

TEST_F(Files, ClosingWithYesAndACancelledSaveKeepsTheWindowOpen)
{
    TypeExample();
    platform.messageAnswers.push_back(MessageResult::Yes);
    EXPECT_FALSE(main().close());
    EXPECT_EQ(platform.saveDialogs.size(), 1u);
    EXPECT_EQ(main().MAmount->text(), "100000");
    EXPECT_FALSE(main().SavedFlag());
    EXPECT_FALSE(platform.settings.values.contains("CurrentFile"));
}

TEST_F(Files, ClosingSaysOnceWhenTheFileCannotBeRememberedAndCloses)
{
    platform.settings.failWrites = true;
    main().SetSavedFlag(true);
    EXPECT_TRUE(main().close());
    EXPECT_EQ(OnlyMessage().text, "The file you worked with could not be remembered for the next start. "
                                  "The settings file cannot be written.");
}

// Closing with the real settings file in the test program's configuration folder.
class RememberingOnDisk : public Files {
protected:
    void SetUp() override
    {
        folder = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Ternvik";
        file = folder + "/QVIni.conf";
        ASSERT_FALSE(qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty());
        Clean();
        SetFileBytes(Path("plan.QVL"), kExample);
    }

    void TearDown() override
    {
        if (program)
            Files::TearDown();
        Clean();
    }

    void Clean() const
    {
        QDir(folder).removeRecursively();
        QFile::remove(folder);
    }

    // Starts the program as from the desktop, with a fresh settings reader.
    void Start()
    {
        if (program)
            Files::TearDown();
        settings = std::make_unique<QtSettings>();
        platform.realSettings = settings.get();
        UiTest::SetUp();
    }

    QStringList Entries() const { return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); }

    QString folder, file;
    std::unique_ptr<QtSettings> settings;
};

namespace {

const QString notRemembered = "The file you worked with could not be remembered for the next start. ";

} // namespace

TEST_F(RememberingOnDisk, AFailedWriteSyncOrCloseKeepsTheSettingsFileAndIsToldOnce)
{
    const QByteArray old = "[General]\nCurrentFile=\"/home/ann/old.QVL\"\n";
    ASSERT_TRUE(QDir().mkpath(folder));
    SetFileBytes(file, old);
    Start();
    Open(Path("plan.QVL"));
    const DiskCalls system = SystemDiskCalls();
    struct Case {
        DiskCalls calls;
        int error;
        QString reason;
    };
    for (const Case &c : {Case{{&WriteFails, system.sync, system.close}, ENOSPC, "Disk full"},
                          Case{{system.write, &SyncFails, system.close}, EIO, "I/O error 5"},
                          Case{{system.write, system.sync, &CloseFails}, EIO, "I/O error 5"}}) {
        platform.Clear();
        FailingDisk::error = c.error;
        {
            const ScopedDiskCalls failing(c.calls);
            // What each close runs; a window closed once gets no second close event.
            EXPECT_TRUE(main().FormCloseQuery());
        }
        const RecordedMessage message = OnlyMessage();
        EXPECT_EQ(message.text, notRemembered + file + " was not written: " + c.reason);
        EXPECT_EQ(message.kind, MessageKind::Information);
        EXPECT_EQ(FileBytes(file), old);
        EXPECT_EQ(Entries(), QStringList{"QVIni.conf"});
    }
}

TEST_F(RememberingOnDisk, AnUnreadableSettingsFileIsReplacedWithANoteAndTheNextStartOpensTheFile)
{
    QByteArray noise;
    for (int i = 0; i < 2048; ++i)
        noise += char((i * 131 + 7) % 256);
    ASSERT_TRUE(QDir().mkpath(folder));
    SetFileBytes(file, noise);
    Start();
    EXPECT_TRUE(platform.messages.empty());
    Open(Path("plan.QVL"));
    EXPECT_TRUE(main().close());
    const RecordedMessage message = OnlyMessage();
    EXPECT_EQ(message.text, "The settings file " + file + " could not be read and has been replaced by a new one.");
    EXPECT_EQ(message.kind, MessageKind::Information);
    EXPECT_EQ(Entries(), QStringList{"QVIni.conf"});

    platform.Clear();
    Start();
    EXPECT_EQ(main().CurrentFileName(), Path("plan.QVL"));
    EXPECT_EQ(main().MAmount->text(), "100000");
    main().SetSavedFlag(true);
    EXPECT_TRUE(main().close());
    EXPECT_TRUE(platform.messages.empty()); // the good file is simply updated
}

TEST_F(RememberingOnDisk, AFolderThatCannotBeMadeIsToldOnceAndClosingGoesOn)
{
    SetFileBytes(folder, "a file where the folder belongs");
    Start();
    Open(Path("plan.QVL"));
    EXPECT_TRUE(main().close());
    EXPECT_EQ(OnlyMessage().text, notRemembered + file + " was not written: Invalid filename");
    EXPECT_EQ(FileBytes(folder), "a file where the folder belongs");
}

TEST_F(Files, OpeningWithUnsavedChangesAsksAsClosingDoes)
{
    SetFileBytes(Path("plan.QVL"), kExample);
    TypeLoan("77777", "7", "7");
    // Cancel, or Yes and then cancelling the save dialog: nothing is opened or lost.
    platform.messageAnswers = {MessageResult::Cancel, MessageResult::Yes};
    main().LoadBtn->click();
    main().LoadFile1->trigger();
    ASSERT_EQ(platform.messages.size(), 2u);
    for (const RecordedMessage &message : platform.messages) {
        EXPECT_EQ(message.text, saveFirst);
        EXPECT_EQ(message.kind, MessageKind::Information);
        EXPECT_EQ(message.buttons, MessageButtons::YesNoCancel);
    }
    EXPECT_EQ(platform.saveDialogs.size(), 1u);
    EXPECT_TRUE(platform.openDialogs.empty());
    EXPECT_EQ(main().MAmount->text(), "77777");

    // Yes with a save that fails: the message, and still nothing opened.
    platform.Clear();
    platform.messageAnswers = {MessageResult::Yes};
    platform.saveAnswers.push_back(Path("no/such/folder/plan"));
    main().LoadBtn->click();
    EXPECT_EQ(platform.MessageTexts(), (QStringList{saveFirst, "File not found"}));
    EXPECT_TRUE(platform.openDialogs.empty());
    EXPECT_EQ(main().MAmount->text(), "77777");

    // Yes: the figures are saved, then the other file opens.
    platform.Clear();
    platform.messageAnswers = {MessageResult::Yes};
    platform.saveAnswers.push_back(Path("mine"));
    platform.openAnswers.push_back(Path("plan.QVL"));
    main().LoadBtn->click();
    EXPECT_EQ(platform.MessageTexts(), QStringList{saveFirst});
    EXPECT_TRUE(FileBytes(Path("mine.QVL")).startsWith("77777\r\n7\r\n"));
    EXPECT_EQ(main().MAmount->text(), "100000");
    EXPECT_EQ(main().CurrentFileName(), Path("plan.QVL"));

    // Nothing unsaved: no question.
    platform.Clear();
    platform.openAnswers.push_back(Path("mine.QVL"));
    main().LoadBtn->click();
    EXPECT_TRUE(platform.messages.empty()) << S(platform.LastMessage());
    EXPECT_EQ(main().MAmount->text(), "77777");
}

static int SyncFailsWithEio(int)
{
    errno = EIO;
    return -1;
}

TEST_F(Files, SaveTheDiskDidNotConfirmIsNotSaved)
{
    TypeExample();
    platform.saveAnswers.push_back(Path("house"));
    main().SaveBtn->click();
    main().MAmount->setText("200000");
    const DiskCalls system = SystemDiskCalls();
    const ScopedDiskCalls failing({system.write, &SyncFailsWithEio, system.close});
    platform.saveAnswers.push_back(Path("house"));
    main().SaveBtn->click();
    EXPECT_EQ(OnlyMessage().text, "I/O error 5");
    EXPECT_FALSE(main().SavedFlag());
    EXPECT_EQ(FileBytes(Path("house.QVL")), kExample);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"house.QVL"});
}

TEST_F(Files, AFolderTheDiskDidNotConfirmAfterTheRenameIsSavedWithAWarning)
{
    TypeExample();
    const DiskCalls system = SystemDiskCalls();
    const ScopedDiskCalls failing({system.write, &FolderSyncFails, system.close});
    platform.saveAnswers.push_back(Path("house"));
    main().SaveBtn->click();
    EXPECT_EQ(OnlyMessage().text, QDir::toNativeSeparators(Path("house.QVL"))
                                      + " was written, but the disk did not confirm its folder (I/O error 5): the "
                                        "file may not survive a power cut.");
    EXPECT_TRUE(main().SavedFlag()) << "the file is in place: saved";
    EXPECT_EQ(FileBytes(Path("house.QVL")), kExample);
    EXPECT_TRUE(main().windowTitle().endsWith(Path("house.QVL")));
}

TEST_F(Files, SpecialFilesAreRefusedWithoutWaiting)
{
    const QString pipe = Path("pipe.QVL");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    TypeExample();
    main().SetSavedFlag(true);
    ::alarm(60); // should opening the pipe wait for a writer, the test ends here
    Open(pipe);
    EXPECT_EQ(OnlyMessage().text, "Cannot open a named pipe: only an ordinary file can hold a saved loan. (pipe.QVL)");
    platform.Clear();
    main().MAmount->setText("5");
    platform.saveAnswers.push_back(pipe);
    main().SaveBtn->click();
    ::alarm(0);
    EXPECT_EQ(OnlyMessage().text, "Cannot save over a named pipe: only an ordinary file can be replaced.");
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(pipe).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    EXPECT_EQ(main().MAmount->text(), "5");
    EXPECT_FALSE(main().SavedFlag());
}

class StartUp : public Files {
protected:
    void SetUp() override {}

    void Start(const QStringList &args, const QString &remembered)
    {
        platform.settings.values.insert("CurrentFile", remembered);
        arguments = QStringList{"quovella"} + args;
        UiTest::SetUp();
    }
};

TEST_F(StartUp, CommandLineFileBeatsTheRememberedOne)
{
    SetFileBytes(Path("remembered.QVL"), kExample);
    QByteArray other = kExample;
    other.replace("100000\r\n", "55555\r\n");
    SetFileBytes(Path("given.QVL"), other);
    Start({Path("given.QVL")}, Path("remembered.QVL"));
    EXPECT_EQ(main().MAmount->text(), "55555");
    // The title names the file, so a second loan opened beside the first is told apart.
    EXPECT_EQ(main().windowTitle(), kProgramTitle + QStringLiteral(" -  ") + Path("given.QVL"));
    EXPECT_EQ(main().CurrentFileName(), Path("remembered.QVL"));
    EXPECT_FALSE(main().SavedFlag());
    platform.messageAnswers.push_back(MessageResult::No);
    main().close();
    EXPECT_EQ(platform.settings.values.value("CurrentFile"), Path("remembered.QVL"));
}

TEST_F(StartUp, MissingCommandLineFileIsToldAndTheRememberedOneOpens)
{
    SetFileBytes(Path("remembered.QVL"), kExample);
    Start({Path("missing.QVL")}, Path("remembered.QVL"));
    EXPECT_EQ(OnlyMessage().text, Path("missing.QVL") + " does not exist.");
    EXPECT_EQ(main().MAmount->text(), "100000");
    EXPECT_EQ(main().CurrentFileName(), Path("remembered.QVL"));
}

TEST_F(StartUp, FolderOnTheCommandLineIsToldWithTheRememberedFilesOwnTrouble)
{
    QByteArray bytes = kExample;
    bytes.replace("6.5\r\n3\r\n", "6.5\r\nabc\r\n");
    SetFileBytes(Path("remembered.QVL"), bytes);
    Start({dir.path()}, Path("remembered.QVL"));
    EXPECT_EQ(OnlyMessage().text, dir.path() + " is a folder, not a saved loan.\n\n"
                                  "'abc' is not a valid integer value (remembered.QVL, line 5)");
    EXPECT_TRUE(main().MAmount->text().isEmpty());
}

TEST_F(StartUp, RememberedFileThatIsGoneLoadsNothingAndStaysRemembered)
{
    Start({}, Path("gone.QVL"));
    EXPECT_TRUE(main().MAmount->text().isEmpty());
    EXPECT_TRUE(platform.messages.empty());
    platform.messageAnswers.push_back(MessageResult::No);
    main().close();
    EXPECT_EQ(platform.settings.values.value("CurrentFile"), Path("gone.QVL"));
}

TEST_F(StartUp, ABadSavingsLineIsToldOnceTheWindowIsUp)
{
    QByteArray bytes = kExample;
    bytes.replace("TRUE\r\nFALSE\r\n\r\n\r\n", "TRUE\r\nFALSE\r\n1\r\n-\r\n");
    SetFileBytes(Path("plan.QVL"), bytes);
    Start({Path("plan.QVL")}, QString());
    EXPECT_EQ(OnlyMessage().text, "This Period(years) must be Numeric only");
    EXPECT_EQ(main().mperiod->text(), "-");
}

TEST_F(StartUp, BadFileIsReportedOnceTheWindowIsUp)
{
    QByteArray bytes = kExample;
    bytes.replace("6.5\r\n3\r\n", "6.5\r\nzz\r\n");
    SetFileBytes(Path("bad.QVL"), bytes);
    Start({Path("bad.QVL")}, QString()); // start-up runs the event loop once
    EXPECT_EQ(OnlyMessage().text, "'zz' is not a valid integer value (bad.QVL, line 5)");
    EXPECT_TRUE(main().isVisible());
    EXPECT_TRUE(main().MAmount->text().isEmpty());
}

TEST_F(Files, SaveWritesTheCurrentFileWithoutADialogAndSaveAsAsksBeforeReplacingAnother)
{
    TypeExample();
    // No file yet: Save opens the dialog.
    platform.saveAnswers.push_back(Path("house"));
    main().SaveCurrent->trigger();
    ASSERT_EQ(platform.saveDialogs.size(), 1u);
    EXPECT_EQ(FileBytes(Path("house.QVL")), kExample);
    // Now it writes that file, asking nothing.
    main().MAmount->setText("2500");
    main().SaveCurrent->trigger();
    EXPECT_EQ(platform.saveDialogs.size(), 1u);
    EXPECT_TRUE(platform.messages.empty()) << S(platform.MessageTexts().join(" | "));
    EXPECT_TRUE(FileBytes(Path("house.QVL")).startsWith("2500\r\n"));
    EXPECT_TRUE(main().SavedFlag());
    EXPECT_EQ(main().SaveCurrent->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(main().SaveFile1->shortcut(), QKeySequence("Ctrl+Shift+S"));
    EXPECT_EQ(main().Exit1->shortcut(), QKeySequence("Ctrl+Q"));

    // Save File over another loan's file asks first; No keeps that file.
    SetFileBytes(Path("other.QVL"), "another loan");
    platform.saveAnswers.push_back(Path("other.QVL"));
    platform.messageAnswers = {MessageResult::No};
    main().SaveFile1->trigger();
    EXPECT_EQ(OnlyMessage().text, "other.QVL already exists.\nDo you want to replace it?");
    EXPECT_EQ(FileBytes(Path("other.QVL")), "another loan");
    // Over the current file it asks nothing.
    platform.Clear();
    platform.saveAnswers.push_back(Path("house.QVL"));
    main().SaveFile1->trigger();
    EXPECT_TRUE(platform.messages.empty()) << S(platform.MessageTexts().join(" | "));
}

TEST_F(Files, NewAsksThenEmptiesEveryInputAndForgetsTheFile)
{
    TypeExample();
    main().WIRepay->setText("644");
    platform.saveAnswers.push_back(Path("house"));
    main().SaveFile1->trigger();
    main().MAmount->setText("1");
    platform.messageAnswers = {MessageResult::Cancel};
    main().NewFile->trigger();
    EXPECT_EQ(OnlyMessage().text, saveFirst);
    EXPECT_EQ(main().MAmount->text(), "1") << "cancelled: nothing emptied";
    platform.Clear();
    platform.messageAnswers = {MessageResult::No};
    main().NewFile->trigger();
    for (QLineEdit *edit : {main().MAmount, main().IRate, main().WIRepay, main().MSavingsAmount})
        EXPECT_TRUE(edit->text().isEmpty()) << S(edit->objectName());
    EXPECT_FALSE(main().TrasferValuesCheckBox->isChecked());
    EXPECT_FALSE(main().windowTitle().contains("house"));
    EXPECT_TRUE(main().SavedFlag());
    // With no file, Save asks for a name again.
    main().MAmount->setText("5");
    main().SaveCurrent->trigger();
    EXPECT_EQ(platform.saveDialogs.size(), 1u);
}

TEST_F(Files, OpenRecentListsTheFilesOpenedAndSavedThatStillExist)
{
    for (const char *name : {"a.QVL", "b.QVL", "c.QVL"})
        SetFileBytes(Path(name), kExample);
    Open(Path("a.QVL"));
    Open(Path("b.QVL"));
    Open(Path("c.QVL"));
    Open(Path("a.QVL"));
    EXPECT_EQ(main().RecentFiles(), (QStringList{Path("a.QVL"), Path("c.QVL"), Path("b.QVL")}));
    QFile::remove(Path("c.QVL"));
    emit main().RecentMenu->aboutToShow();
    QStringList items;
    for (QAction *action : main().RecentMenu->actions())
        if (!action->isSeparator())
            items << action->text();
    EXPECT_EQ(items, (QStringList{"&1 a.QVL", "&2 b.QVL", "&Clear"}));
    // Choosing one opens it, as Open does.
    main().RecentMenu->actions().at(1)->trigger();
    EXPECT_TRUE(main().windowTitle().endsWith(Path("b.QVL")));
    // The list outlives the run, and Clear empties it.
    ASSERT_TRUE(main().close());
    EXPECT_EQ(platform.settings.values.value("RecentFiles"), Path("b.QVL") + "\n" + Path("a.QVL"));
    main().findChild<QAction *>("ClearRecent")->trigger();
    EXPECT_TRUE(main().RecentFiles().isEmpty());
}

TEST_F(Files, ADroppedLoanFileOpensAfterTheQuestion)
{
    SetFileBytes(Path("dropped.QVL"), kExample);
    main().MAmount->setText("1");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(Path("dropped.QVL"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&main(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    platform.messageAnswers = {MessageResult::No};
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&main(), &drop);
    EXPECT_EQ(OnlyMessage().text, saveFirst);
    EXPECT_EQ(main().MAmount->text(), "100000");
    EXPECT_TRUE(main().windowTitle().endsWith("dropped.QVL"));
    // Anything else is not taken.
    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(Path("notes.txt"))});
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QApplication::sendEvent(&main(), &refused);
    EXPECT_FALSE(refused.isAccepted());
}

// Every saved line holds its own field: a field dropped or two swapped on save
// changes the file.
TEST_F(Files, EveryFieldIsSavedOnItsOwnLineAndLoadsBack)
{
    main().TrasferValuesCheckBox->setChecked(true);
    main().PaymentRB->setChecked(true);
    TypeLoan("250000", "30", "4.25", "7");
    ChoosePayment("Weekly");
    main().MCompounded->setCurrentText("Quarterly");
    main().MAdvance->setChecked(true);
    main().MSavingsAmount->setText("90000");
    main().mperiod->setText("20");
    main().minterest->setText("5.5");
    main().reducedperiod->setText("12");
    main().investrate->setText("3.75");
    main().WIPrincipal->setText("80000");
    main().WIPeriods->setText("15");
    main().WIPartYear->setText("3");
    main().WIInterest->setText("6.125");
    main().WIRepay->setText("700");
    main().WIPayment->setCurrentText("FortNightly");
    main().WIAdvanceRB->setChecked(true);
    main().WICompounded->setCurrentText("Bi-Annualy");
    platform.saveAnswers.push_back(Path("all"));
    main().SaveBtn->click();
    const QByteArray saved = FileBytes(Path("all.QVL"));
    const QList<QByteArray> expected{"250000", "30", "7",  "4.25", "6",     "2",  "FALSE", "TRUE",
                                     "90000",  "20", "5.5", "12",  "3.75",  "TRUE", "80000", "15",
                                     "3",      "6.125", "700", "4", "5",    "2",  "1"};
    const QList<QByteArray> lines = saved.split('\n');
    ASSERT_EQ(lines.size(), expected.size() + 1) << saved.toStdString();
    for (qsizetype k = 0; k < expected.size(); ++k)
        EXPECT_EQ(lines[k], expected[k] + "\r") << "line " << k + 1;

    main().ClearAllInputs();
    for (QLineEdit *edit : {main().WIPrincipal, main().WIPeriods, main().WIPartYear, main().WIInterest})
        edit->clear();
    Open(Path("all.QVL"));
    platform.saveAnswers.push_back(Path("again"));
    main().SaveBtn->click();
    EXPECT_EQ(FileBytes(Path("again.QVL")), saved);
}

// Numbers are saved as typed; a file saved under a decimal comma opens with the
// reader's decimal point, and back.
TEST_F(Files, SavedUnderOneNotationLoadsInAnother)
{
    {
        const UserLocale german(QLocale(QLocale::German, QLocale::Germany));
        TypeLoan("123456,78", "12", "7,125", "5");
        main().MSavingsAmount->setText("90000,5");
        main().WIInterest->setText("6,25");
        platform.saveAnswers.push_back(Path("german"));
        main().SaveBtn->click();
    }
    const QByteArray saved = FileBytes(Path("german.QVL"));
    EXPECT_TRUE(saved.startsWith("123456,78\r\n12\r\n5\r\n7,125\r\n")) << saved.toStdString();
    for (const QLocale &locale : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale::c()}) {
        const UserLocale reader(locale);
        main().ClearAllInputs();
        Open(Path("german.QVL"));
        EXPECT_EQ(main().MAmount->text(), "123456.78") << S(locale.name());
        EXPECT_EQ(main().IRate->text(), "7.125");
        EXPECT_EQ(main().MSavingsAmount->text(), "90000.5");
        EXPECT_EQ(main().WIInterest->text(), "6.25");
        platform.Clear();
        main().CalMortBtn->click();
        EXPECT_TRUE(platform.messages.empty()) << S(platform.LastMessage());
        EXPECT_FALSE(main().MonthlyRepayment->text().isEmpty());
        // Saving writes what the field holds.
        platform.saveAnswers.push_back(Path("plain"));
        main().SaveBtn->click();
        EXPECT_TRUE(FileBytes(Path("plain.QVL")).startsWith("123456.78\r\n12\r\n5\r\n7.125\r\n"));
    }
    const UserLocale german(QLocale(QLocale::German, QLocale::Germany));
    Open(Path("plain.QVL"));
    EXPECT_EQ(main().MAmount->text(), "123456,78");
    EXPECT_EQ(main().IRate->text(), "7,125");
}

TEST_F(StartUp, EnlargedWindowsKeepTheirSizeFromOneRunToTheNextWithinTheScreen)
{
    Start({}, QString());
    windows().schedule->resize(760, 640);
    const QSize gridOwn = windows().grid->size();
    platform.messageAnswers.push_back(MessageResult::No);
    ASSERT_TRUE(main().close());
    EXPECT_EQ(platform.settings.values.value("WindowSizes"), "MSCHEDULE=760x640") << "windows at their own size are not kept";

    // The next run opens it at that size; one kept on a larger screen fits this one.
    program.reset();
    platform.settings.values.insert("WindowSizes", "MSCHEDULE=760x640;MORTAGEGRID=90000x90000;junk;AdditionalP=x");
    UiTest::SetUp();
    EXPECT_EQ(windows().schedule->size(), QSize(760, 640));
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    EXPECT_LE(windows().grid->width(), screen.width());
    EXPECT_LE(windows().grid->height(), screen.height());
    EXPECT_GE(windows().grid->width(), gridOwn.width());
    EXPECT_EQ(windows().additional->size(), windows().additional->minimumSize());
}
