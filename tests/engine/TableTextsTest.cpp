// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TableTexts.h"
#include "tests/engine/TestLoans.h"

#include "tests/common/QtPrinters.h"
#include "tests/common/UserLocale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

QStringList ScheduleRowTexts(const ScheduleRow &row, const TextStyle &style)
{
    QStringList texts;
    for (int c = 0; c < ScheduleColumns; ++c)
        texts << ScheduleCellText(row, c, style);
    return texts;
}

} // namespace

TEST(TableTexts, ScheduleRowAsTheWindowShowsItAndAsScriptsReadIt)
{
    const auto rows = BuildSchedule(TestLoan(100000, 6, 25), ScheduleBy::Year);
    ASSERT_EQ(rows.size(), 25u);
    EXPECT_EQ(ScheduleRowTexts(rows[0], TextStyle::Shown()),
              QStringList({"1", "$5,951.57", "$1,780.15", "$98,219.85", "$5,951.57", "$1,780.15"}));
    EXPECT_EQ(ScheduleRowTexts(rows[0], TextStyle::Machine()),
              QStringList({"1", "5951.57", "1780.15", "98219.85", "5951.57", "1780.15"}));
    // The last row clears the loan: a zero balance, never "-0".
    EXPECT_EQ(ScheduleCellText(rows[24], 3, TextStyle::Machine()), "0");
    EXPECT_EQ(ScheduleCellText(rows[24], 3, TextStyle::Shown()), "$0.00");
    EXPECT_EQ(ScheduleCellText(rows[24], ScheduleColumns, TextStyle::Shown()), "");

    EXPECT_EQ(ScheduleHeadings("Month", TextStyle::Shown()),
              QStringList({"Month", "Interest", "Capital Reduction", "Outstanding Balance",
                           "Accumulated Interest", "Accumulated Capital"}));
    EXPECT_EQ(ScheduleHeadings("Month", TextStyle::Machine()),
              QStringList({"period", "interest", "capital", "balance", "accumulated_interest",
                           "accumulated_capital"}));
}

TEST(TableTexts, MachineTextsIgnoreTheUserLocale)
{
    const auto rows = BuildSchedule(TestLoan(100000, 6, 25), ScheduleBy::Year);
    const UserLocale german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_TRUE(ScheduleCellText(rows[0], 3, TextStyle::Shown()).contains("98.219,85"));
    EXPECT_EQ(ScheduleCellText(rows[0], 3, TextStyle::Machine()), "98219.85");

    const MortgageGrid grid = BuildMortgageGrid(TestLoan(100000, 5.75, 25), 2000, 0.25);
    EXPECT_EQ(MortgageGridHeadings(grid, TextStyle::Shown())[4], "5,75%");
    EXPECT_EQ(MortgageGridHeadings(grid, TextStyle::Machine())[4], "5.75");
}

TEST(TableTexts, GridShowsWholeAmountsButKeepsTheirCentsForScripts)
{
    const MortgageGrid grid = BuildMortgageGrid(TestLoan(100000.55, 6, 25), 2000, 0.25);
    const int entered = grid.enteredRow - 1;
    EXPECT_EQ(MortgageGridCellText(grid, entered, 0, TextStyle::Shown()), "$100,001");
    EXPECT_EQ(MortgageGridCellText(grid, entered, 0, TextStyle::Machine()), "100000.55");
    // Repayments keep two decimals in every locale's currency format.
    EXPECT_TRUE(MortgageGridCellText(grid, entered, 4, TextStyle::Shown()).endsWith(".31"));

    const QStringList shown = MortgageGridHeadings(grid, TextStyle::Shown());
    ASSERT_EQ(shown.size(), MortgageGridColumns);
    EXPECT_EQ(shown[0], "Amt/Int");
    EXPECT_EQ(shown[1], "5.25%");
    EXPECT_EQ(shown[4], "6%");
    const QStringList machine = MortgageGridHeadings(grid, TextStyle::Machine());
    EXPECT_EQ(machine[0], "amount");
    EXPECT_EQ(machine[7], "6.75");

    EXPECT_EQ(MortgageGridCellText(grid, -1, 1, TextStyle::Shown()), "");
    EXPECT_EQ(MortgageGridCellText(grid, static_cast<int>(grid.amounts.size()), 1, TextStyle::Shown()), "");
    EXPECT_EQ(MortgageGridCellText(grid, 0, MortgageGridColumns, TextStyle::Shown()), "");
}

TEST(TableTexts, AdditionalPaymentHeadingsNameTheFrequency)
{
    const QStringList shown = AdditionalPaymentHeadings("Fortnightly", TextStyle::Shown());
    EXPECT_EQ(shown, QStringList({"Years to pay off Mortgage", "Additional Fortnightly Payment Required",
                                  "Total Fortnightly Payment", "Total Interest", "Interest Saved"}));
    EXPECT_EQ(AdditionalPaymentHeadings("Fortnightly", TextStyle::Machine()),
              QStringList({"years", "additional", "payment", "total_interest", "interest_saved", "uneven"}));

    const AdditionalPaymentGrid grid = BuildAdditionalPaymentGrid(TestLoan(100000, 6, 25));
    ASSERT_FALSE(grid.rows.empty());
    EXPECT_EQ(AdditionalPaymentCellText(grid.rows[0], 0, TextStyle::Machine()), "25");
    EXPECT_EQ(AdditionalPaymentCellText(grid.rows[0], 1, TextStyle::Shown()), "$0.00");
    EXPECT_EQ(AdditionalPaymentCellText(grid.rows[0], 4, TextStyle::Machine()), "0");
}

TEST(TableTexts, MachineMoneyIsToCentsWithoutSeparators)
{
    EXPECT_EQ(MachineMoneyText(1234567.891), "1234567.89");
    EXPECT_EQ(MachineMoneyText(-0.004), "0");
    EXPECT_EQ(MachineMoneyText(0.004), "0");
    EXPECT_EQ(MachineMoneyText(12), "12");
    EXPECT_EQ(MachineNumberText(5.125), "5.125");
    EXPECT_EQ(MachineNumberText(-0.0), "0");
}

TEST(TableTexts, FiguresThatAreNotNumbersAreFound)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    ScheduleRow row;
    EXPECT_TRUE(IsFinite(row));
    row.accumulatedCapital = inf;
    EXPECT_FALSE(IsFinite(row));

    AdditionalPaymentRow extra;
    EXPECT_TRUE(IsFinite(extra));
    extra.interestSaved = nan;
    EXPECT_FALSE(IsFinite(extra));

    MortgageGrid grid = BuildMortgageGrid(TestLoan(100000, 6, 25), 2000, 0.25);
    EXPECT_TRUE(IsFinite(grid));
    grid.repayments.back()[6] = nan;
    EXPECT_FALSE(IsFinite(grid));
}

TEST(Csv, QuotesOnlyTheFieldsThatNeedIt)
{
    EXPECT_EQ(CsvLine({"period", "12.5", ""}), "period,12.5,");
    EXPECT_EQ(CsvLine({"a,b", "say \"hi\"", " lead", "two\nlines"}),
              "\"a,b\",\"say \"\"hi\"\"\",\" lead\",\"two\nlines\"");
    TableTexts table;
    table.headings = {"years", "payment"};
    table.rows = {{"25", "644.31"}, {"24", "652.4"}};
    EXPECT_EQ(CsvText(table), "years,payment\n25,644.31\n24,652.4\n");
}
