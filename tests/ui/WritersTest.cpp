// SPDX-License-Identifier: GPL-3.0-or-later
// The files a user exports are written the way a saved loan is: a disk that fails
// at any step leaves the old file whole and no temporary file, and says which file
// and what happened; a special file is refused before it is opened; an existing
// file is replaced only when the user agrees.
#include "tests/common/FailingDisk.h"
#include "tests/ui/UiFixture.h"
#include "tests/common/TestFiles.h"

#include "storage/DiskFile.h"
#include "ui/windows/BalanceGraphUnit.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace FailingDisk;

class Writers : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        TypeLoan("100000", "25", "6");
        ASSERT_TRUE(folder.isValid());
    }

    QStringList Entries() const { return QDir(folder.path()).entryList(QDir::Files | QDir::System | QDir::Hidden); }

    // For each failing step: the old file byte for byte, nothing beside it, one message.
    void ExpectEveryFailureKeepsTheOldFile(const QString &name, const std::function<void()> &write, bool asks = true)
    {
        const QString path = folder.filePath(name);
        for (const Step &step : EachStepFailing()) {
            SetFileBytes(path, "the old file");
            platform.Clear();
            platform.messageAnswers = {MessageResult::Yes}; // replace it
            FailingDisk::error = step.error;
            {
                const ScopedDiskCalls failing(step.calls);
                write();
            }
            EXPECT_EQ(FileBytes(path), "the old file") << step.name;
            EXPECT_TRUE(Entries().contains(name)) << step.name;
            EXPECT_TRUE(Entries().filter(QRegularExpression("^" + QRegularExpression::escape(name) + "\\.")).isEmpty())
                << step.name << " left " << S(Entries().join(' '));
            ASSERT_EQ(platform.messages.size(), asks ? 2u : 1u) << step.name << " " << S(platform.MessageTexts().join(" | "));
            EXPECT_EQ(platform.messages.back().text, path + " was not written: " + step.said) << step.name;
        }
    }

    QTemporaryDir folder;
};

TEST_F(Writers, CsvExportKeepsTheOldFileWhateverStepFails)
{
    OpenGrid([&](TMORTAGEGRID *grid) {
        ExpectEveryFailureKeepsTheOldFile("grid.csv", [&] {
            platform.saveAnswers.push_back(folder.filePath("grid.csv"));
            grid->findChild<QPushButton *>("ExportBtn")->click();
        });
    });
}

TEST_F(Writers, BalanceGraphExportKeepsTheOldFileWhateverStepFails)
{
    BalanceGraph graph;
    graph.resize(600, 400);
    for (const char *name : {"graph.png", "graph.pdf"}) {
        ExpectEveryFailureKeepsTheOldFile(
            name, [&] { RunGuarded(nullptr, [&] { ExportBalanceGraph(nullptr, graph, folder.filePath(name)); }); },
            false);
    }
    // With the disk well again, a picture that loads.
    EXPECT_EQ(ExportBalanceGraph(nullptr, graph, folder.filePath("graph.png")), folder.filePath("graph.png"));
    EXPECT_FALSE(QImage(folder.filePath("graph.png")).isNull());
    EXPECT_EQ(Entries(), (QStringList{"graph.pdf", "graph.png"}));
}

TEST_F(Writers, ANamedPipeIsRefusedBeforeAnythingWaitsOnIt)
{
    const QString pipe = folder.filePath("x.png");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    BalanceGraph graph;
    graph.resize(600, 400);
    platform.messageAnswers = {MessageResult::Yes};
    RunGuarded(nullptr, [&] { ExportBalanceGraph(nullptr, graph, pipe); });
    EXPECT_EQ(platform.messages.back().text,
              pipe + " was not written: Cannot save over a named pipe: only an ordinary file can be replaced.");
    const QString csvPipe = folder.filePath("x.csv");
    ASSERT_EQ(::mkfifo(QFile::encodeName(csvPipe).constData(), 0600), 0);
    OpenGrid([&](TMORTAGEGRID *grid) {
        platform.Clear();
        platform.messageAnswers = {MessageResult::Yes};
        platform.saveAnswers.push_back(csvPipe);
        grid->findChild<QPushButton *>("ExportBtn")->click();
        EXPECT_TRUE(platform.messages.back().text.endsWith("Cannot save over a named pipe: only an ordinary file can be replaced."));
    });
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(pipe).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}
