// SPDX-License-Identifier: GPL-3.0-or-later
// A table window's print, preview and export describe the table they hold: fields
// typed over since the last Calculate are calculated first.
#include "tests/common/TestFiles.h"
#include "tests/ui/UiFixture.h"

#include "cli/Commands.h"

#include <QAction>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

class StaleTables : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        TypeLoan("100000", "25", "6");
        ASSERT_TRUE(folder.isValid());
    }

    static void Press(QWidget *window, const char *name)
    {
        auto *button = window->findChild<QAbstractButton *>(name);
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    QTemporaryDir folder;
};

TEST_F(StaleTables, GridExportAndPrintCalculateATypedAmountFirst)
{
    OpenGrid([&](TMORTAGEGRID *grid) {
        grid->MAmt->setText("200000");
        const QString path = folder.filePath("grid.csv");
        platform.saveAnswers.push_back(path);
        Press(grid, "ExportBtn");
        ASSERT_EQ(platform.saveDialogs.size(), 1u);
        EXPECT_EQ(QFileInfo(platform.saveDialogs.back().fileName).fileName(), "Mortgage Grid 200000 at 6%.csv");
        const CommandResult calc = RunCommandLine(
            {"grid", "--csv", "--amount", "200000", "--rate", "6", "--years", "25"});
        EXPECT_EQ(FileBytes(path), calc.out.toUtf8());

        // The printed heading and the printed table name the same amount.
        QString printedAmount, printedRow;
        grid->printReport = [&] {
            const MortgageGridReport report = grid->ReportInputs();
            printedAmount = report.loan.amount;
            printedRow = report.cell(0, grid->EnteredAmountRow());
        };
        grid->MAmt->setText("150000");
        platform.printerAnswers.push_back(true);
        Press(grid, "BitBtn1");
        EXPECT_EQ(printedAmount, "150000");
        EXPECT_EQ(printedRow.remove(QRegularExpression("[^0-9.]")), "150000");
    });
    EXPECT_TRUE(platform.messages.empty()) << S(platform.LastMessage());
}

TEST_F(StaleTables, AStoppedCalculationPrintsAndExportsNothing)
{
    OpenSchedule([&](TMSCHEDULE *schedule) {
        bool printed = false;
        bool reported = false;
        schedule->printReport = [&] { printed = true; };
        schedule->report = [&] {
            reported = true;
            return PrintableReport{};
        };
        schedule->MSAmount->setText("abc");
        Press(schedule, "BitBtn1");
        EXPECT_EQ(platform.printDialogs, 0);
        Press(schedule, "ExportBtn");
        EXPECT_TRUE(platform.saveDialogs.empty());
        schedule->findChild<QAction *>("PrintPreview")->trigger();
        EXPECT_FALSE(printed);
        EXPECT_FALSE(reported);
        EXPECT_EQ(platform.MessageTexts(),
                  QStringList(3, "You must enter a valid Mortgage amount between 0 and 999999999"));
        EXPECT_EQ(schedule->Model()->rowCount(), 25); // the table of the last good fields stays
    });
}

TEST_F(StaleTables, AdditionalPaymentsPreviewTheTableOfTheTypedTerm)
{
    OpenAdditional([&](TAdditionalP *additional) {
        const int rows25 = additional->Model()->rowCount();
        int previewedRows = 0;
        additional->report = [&] {
            previewedRows = additional->ReportInputs().rowCount;
            return PrintableReport{};
        };
        additional->APPeriod->setText("20");
        additional->findChild<QAction *>("PrintPreview")->trigger();
        EXPECT_EQ(previewedRows, rows25 - 5);
        EXPECT_TRUE(platform.messages.empty()) << S(platform.LastMessage());
    });
}
