// SPDX-License-Identifier: GPL-3.0-or-later
// Exporting a table window writes the very file quovella-calc --csv writes for
// the same loan, and never overwrites or half-writes a file unasked.
#include "tests/ui/UiFixture.h"
#include "tests/common/TestFiles.h"

#include "cli/Commands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>

namespace {

QByteArray CalcCsv(const QStringList &command)
{
    const CommandResult result = RunCommandLine(
        command + QStringList{"--csv", "--amount", "100000", "--rate", "6", "--years", "25"});
    EXPECT_EQ(result.status, ExitOk) << result.err.toStdString();
    return result.out.toUtf8();
}

QAction *ExportAction(QMenu *menu)
{
    for (QAction *action : menu->actions())
        if (action->text().remove('&') == QStringLiteral("Export\u2026"))
            return action;
    return nullptr;
}

} // namespace

class ExportCsv : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        TypeLoan("100000", "25", "6");
        ASSERT_TRUE(folder.isValid());
    }

    // Exports through the window's button into the folder; the name the dialog offered.
    QString ExportWith(QWidget *window, const QString &path)
    {
        platform.saveAnswers.push_back(path);
        auto *button = window->findChild<QPushButton *>("ExportBtn");
        EXPECT_NE(button, nullptr);
        if (button)
            button->click();
        return platform.saveDialogs.empty() ? QString() : platform.saveDialogs.back().fileName;
    }

    QString InFolder(const QString &name) const { return folder.filePath(name); }

    QTemporaryDir folder;
};

TEST_F(ExportCsv, EachTableWritesTheSameFileAsQuovellaCalc)
{
    OpenSchedule([&](TMSCHEDULE *schedule) {
        schedule->Month->click();
        Settle();
        const QString path = InFolder("schedule.csv");
        const QString offered = ExportWith(schedule, path);
        EXPECT_EQ(QFileInfo(offered).fileName(), "Schedule by Month 100000 at 6%.csv");
        const QByteArray csv = FileBytes(path);
        EXPECT_EQ(csv, CalcCsv({"schedule", "--by", "period"}));
        EXPECT_EQ(csv.count('\n'), 301); // headings and 300 months
        EXPECT_TRUE(csv.startsWith("period,interest,capital,balance,accumulated_interest,accumulated_capital\n"
                                   "1,500,144.31,99855.69,500,144.31\n"))
            << csv.left(120).toStdString();

        schedule->Year->click();
        Settle();
        EXPECT_EQ(QFileInfo(ExportWith(schedule, InFolder("years.csv"))).fileName(),
                  "Schedule by Year 100000 at 6%.csv");
        EXPECT_EQ(FileBytes(InFolder("years.csv")), CalcCsv({"schedule"}));
    });
    OpenGrid([&](TMORTAGEGRID *grid) {
        // The table's context menu exports as the button does.
        platform.saveAnswers.push_back(InFolder("grid.csv"));
        QAction *exportAction = ExportAction(grid->MGrid->ContextMenu());
        ASSERT_NE(exportAction, nullptr);
        exportAction->trigger();
        EXPECT_EQ(QFileInfo(platform.saveDialogs.back().fileName).fileName(), "Mortgage Grid 100000 at 6%.csv");
        EXPECT_EQ(FileBytes(InFolder("grid.csv")), CalcCsv({"grid"}));
    });
    OpenAdditional([&](TAdditionalP *additional) {
        EXPECT_EQ(QFileInfo(ExportWith(additional, InFolder("extra.csv"))).fileName(),
                  "Additional Payments 100000 at 6%.csv");
        const QByteArray csv = FileBytes(InFolder("extra.csv"));
        EXPECT_EQ(csv, CalcCsv({"additional"}));
        EXPECT_TRUE(csv.startsWith("years,additional,payment,total_interest,interest_saved,uneven\n"));
    });
    EXPECT_TRUE(platform.messages.empty()) << platform.MessageTexts().join(" | ").toStdString();
}

TEST_F(ExportCsv, CancellingOrRefusingTheReplacementKeepsFiles)
{
    OpenSchedule([&](TMSCHEDULE *schedule) {
        auto *button = schedule->findChild<QPushButton *>("ExportBtn");
        ASSERT_NE(button, nullptr);
        button->click(); // the dialog is cancelled
        EXPECT_EQ(platform.saveDialogs.size(), 1u);
        EXPECT_TRUE(QDir(folder.path()).isEmpty());
        EXPECT_TRUE(platform.messages.empty());

        const QString path = InFolder("old.csv");
        SetFileBytes(path, "kept\n");
        platform.messageAnswers.push_back(MessageResult::Cancel);
        ExportWith(schedule, path);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages.back().text, "old.csv already exists.\nDo you want to replace it?");
        EXPECT_EQ(platform.messages.back().buttons, MessageButtons::ReplaceCancel);
        EXPECT_EQ(FileBytes(path), "kept\n");
        // Cancel goes back to the file dialog (cancelled here too).
        EXPECT_EQ(platform.saveDialogs.size(), 3u);

        platform.messageAnswers.push_back(MessageResult::Yes);
        ExportWith(schedule, path);
        EXPECT_EQ(platform.messages.size(), 2u);
        EXPECT_EQ(FileBytes(path), CalcCsv({"schedule"}));
    });
}

TEST_F(ExportCsv, AFileThatCannotBeWrittenIsReported)
{
    OpenGrid([&](TMORTAGEGRID *grid) {
        const QString path = InFolder("missing/grid.csv");
        ExportWith(grid, path);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages.back().text, path + " was not written: File not found");
        EXPECT_FALSE(QFileInfo::exists(path));
    });
}
