// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TableTexts.h"
#include "tests/engine/TestLoans.h"

#include "tests/common/LocaleMachineTexts.h"
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

// Machine money is made from the number; it must read exactly as the money text
// written in the C locale and read back did, sign, zero and half cents included.
TEST(MachineMoney, SameTextAsTheLocaleMoneyTextReadBack)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double edges[] = {0.0, -0.0, 0.005, -0.005, 0.0049999999999, -0.0049999999999, 0.015,
                            1.005, -1.005, 2.675, 0.125, -0.125, 0.375, 1e-300, -5e-324,
                            9999999999999.99, -9999999999999.99, 1e13, -1e13, 123456789012.345,
                            4.5e15 + 0.5, 1e20, -1e300, inf, -inf, std::nan("")};
    for (double x : edges)
        EXPECT_EQ(MachineMoneyText(x), LocaleMachineMoneyText(x)) << x;
    // Every eighth is an exact half cent or none; both neighbours round the other way.
    for (int k = -4000; k <= 4000; ++k) {
        for (double scale : {1.0, 1e6, 1e11}) {
            const double x = k / 8.0 + std::trunc(k * scale);
            for (double y : {x, std::nextafter(x, inf), std::nextafter(x, -inf)})
                EXPECT_EQ(MachineMoneyText(y), LocaleMachineMoneyText(y)) << y;
        }
    }
    // Thousandths, written as doubles, land just above or below their half cents.
    for (int k = -20000; k <= 20000; k += 7)
        for (double scale : {1e-3, 0.101, 1234.567})
            EXPECT_EQ(MachineMoneyText(k * scale), LocaleMachineMoneyText(k * scale)) << k * scale;
}

TEST(Csv, QuotesAFieldWithSpaceAtEitherEndAsTrimmingWould)
{
    const QStringList fields{"x\t", "\ty", QString(QChar(0x00A0)) + "z", "a b", "", "q" + QString(QChar(0x2003)),
                             "\r", "plain", "-0.5"};
    EXPECT_EQ(CsvLine(fields), TrimmingCsvLine(fields));
    EXPECT_EQ(CsvLine({"a b", "-0.5"}), "a b,-0.5");
    TableTexts table;
    table.headings = {" h", "k"};
    table.rows = {{"1", "x,y"}};
    const TableSource source{[&](const TextStyle &) { return table.headings; }, 1, 2,
                             [&](int r, int c, const TextStyle &) { return table.rows[r][c]; }};
    EXPECT_EQ(TableCsv(source), CsvText(table));
    EXPECT_EQ(TableCsv(source), "\" h\",k\n1,\"x,y\"\n");
}
