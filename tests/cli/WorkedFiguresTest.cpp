// SPDX-License-Identifier: GPL-3.0-or-later
// The figures every front end must agree on, read back from --json.
#include "tests/cli/Args.h"
#include "tests/cli/CalcProcess.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

void ExpectRow(const QJsonValue &row, std::initializer_list<double> expected)
{
    const QJsonArray cells = row.toArray();
    ASSERT_EQ(cells.size(), static_cast<qsizetype>(expected.size()));
    qsizetype k = 0;
    for (double value : expected) {
        EXPECT_DOUBLE_EQ(cells[k].toDouble(), value) << "cell " << k;
        ++k;
    }
}

} // namespace

TEST(WorkedFigures, RepaymentInArrearsAndInAdvance)
{
    const QJsonObject arrears = RunJson(Args({"repayment"}, WorkedLoan()));
    EXPECT_DOUBLE_EQ(arrears["repayment"].toDouble(), 644.31);
    EXPECT_DOUBLE_EQ(arrears["total_interest"].toDouble(), 93287.04);
    EXPECT_EQ(arrears["payments_made"].toInt(), 300);
    EXPECT_EQ(arrears["payments_expected"].toInt(), 300);
    EXPECT_DOUBLE_EQ(arrears["last_payment"].toDouble(), 638.46);
    EXPECT_TRUE(arrears["message"].isNull());

    const QJsonObject advance = RunJson(Args({"repayment", "--advance"}, WorkedLoan()));
    EXPECT_DOUBLE_EQ(advance["repayment"].toDouble(), 641.10);
    EXPECT_DOUBLE_EQ(advance["total_interest"].toDouble(), 92327.17);
    EXPECT_EQ(advance["payments_made"].toInt(), 300);
    EXPECT_DOUBLE_EQ(advance["last_payment"].toDouble(), 638.23);
}

TEST(WorkedFigures, RepaymentThatClearsTheLoanEarlyExplainsItself)
{
    // 1000 at 1 % over 50 years of daily payments: 0.07 a day clears it early.
    const QJsonObject figures = RunJson(Args({"repayment", "--amount", "1000", "--rate", "1",
                                              "--years", "50", "--payment", "Daily",
                                              "--compounding", "Daily"}));
    const int made = figures["payments_made"].toInt();
    EXPECT_LT(made, 18250);
    EXPECT_EQ(figures["payments_expected"].toInt(), 18250);
    EXPECT_DOUBLE_EQ(figures["repayment"].toDouble(), 0.07);
    EXPECT_EQ(figures["message"].toString(),
              QStringLiteral("It is impossible to pay off this Mortgage in the specified time if the "
                             "Mortgage payment is rounded to 2 decimal places. If it is rounded it "
                             "will be paid off in %1 payments.")
                  .arg(made));
}

TEST(WorkedFigures, ScheduleByYearAndByPeriod)
{
    const QJsonObject byYear = RunJson(Args({"schedule"}, WorkedLoan()));
    EXPECT_DOUBLE_EQ(byYear["repayment"].toDouble(), 644.31);
    const QJsonArray rows = byYear["rows"].toArray();
    ASSERT_EQ(rows.size(), 25);
    ExpectRow(rows[0], {1, 5951.57, 1780.15, 98219.85, 5951.57, 1780.15});
    ExpectRow(rows[1], {2, 5841.78, 1889.94, 96329.91, 11793.35, 3670.09});
    ExpectRow(rows[24], {25, 245.19, 7480.68, 0, 93287.15, 100000});

    const QJsonArray periods = RunJson(Args({"schedule", "--by", "period"}, WorkedLoan()))["rows"].toArray();
    ASSERT_EQ(periods.size(), 300);
    EXPECT_EQ(periods[299].toArray()[0].toInt(), 300);
    // The last payment, 638.46, is interest plus capital of the last row.
    const QJsonArray last = periods[299].toArray();
    EXPECT_NEAR(last[1].toDouble() + last[2].toDouble(), 638.46, 1e-9);
    EXPECT_DOUBLE_EQ(last[4].toDouble(), 93287.15);
}

TEST(WorkedFigures, GridAroundTheEnteredLoan)
{
    const QJsonObject grid = RunJson(Args({"grid"}, WorkedLoan()));
    const QJsonArray rates = grid["rates"].toArray();
    ASSERT_EQ(rates.size(), 7);
    EXPECT_DOUBLE_EQ(rates[0].toDouble(), 5.25);
    EXPECT_DOUBLE_EQ(rates[3].toDouble(), 6);
    EXPECT_DOUBLE_EQ(rates[6].toDouble(), 6.75);
    const QJsonArray rows = grid["rows"].toArray();
    ASSERT_EQ(rows.size(), 51);
    EXPECT_EQ(grid["entered_row"].toInt(), 26);
    EXPECT_EQ(grid["first_visible_row"].toInt(), 23);
    EXPECT_DOUBLE_EQ(rows[0].toArray()[0].toDouble(), 50000);
    EXPECT_DOUBLE_EQ(rows[0].toArray()[1].toDouble(), 299.63);
    EXPECT_DOUBLE_EQ(rows[25].toArray()[0].toDouble(), 100000);
    EXPECT_DOUBLE_EQ(rows[25].toArray()[4].toDouble(), 644.31);
    EXPECT_DOUBLE_EQ(rows[50].toArray()[0].toDouble(), 150000);
    EXPECT_DOUBLE_EQ(rows[50].toArray()[7].toDouble(), 1036.37);
}

TEST(WorkedFigures, GridStepsAndCents)
{
    const QJsonObject wide = RunJson(Args({"grid", "--amount", "100000.55", "--rate", "1", "--years", "25",
                                           "--amount-step", "10000", "--interest-step", "0.5"}));
    const QJsonArray rates = wide["rates"].toArray();
    EXPECT_DOUBLE_EQ(rates[0].toDouble(), -0.5);
    EXPECT_DOUBLE_EQ(rates[1].toDouble(), 0);
    const QJsonArray rows = wide["rows"].toArray();
    ASSERT_EQ(rows.size(), 11);
    EXPECT_DOUBLE_EQ(rows[0].toArray()[0].toDouble(), 50000.55);
    EXPECT_DOUBLE_EQ(rows[5].toArray()[0].toDouble(), 100000.55);
    EXPECT_EQ(wide["entered_row"].toInt(), 6);

    const QJsonObject small = RunJson(Args({"grid", "--amount", "1500", "--rate", "6", "--years", "25"}));
    EXPECT_EQ(small["rows"].toArray().size(), 1);
    EXPECT_EQ(small["entered_row"].toInt(), 1);
    EXPECT_EQ(small["first_visible_row"].toInt(), 1);
}

TEST(WorkedFigures, AdditionalPaymentRows)
{
    const QJsonObject grid = RunJson(Args({"additional"}, WorkedLoan()));
    EXPECT_EQ(grid["label"].toString(), QStringLiteral("Monthly"));
    EXPECT_DOUBLE_EQ(grid["repayment"].toDouble(), 644.31);
    const QJsonArray rows = grid["rows"].toArray();
    ASSERT_EQ(rows.size(), 25);
    ExpectRow(rows[0], {25, 0, 644.31, 93287.04, 0, 0});
    ExpectRow(rows[1], {24, 11.67, 655.98, 88921.00, 4366.04, 0});
    ExpectRow(rows[5], {20, 72.13, 716.44, 71941.47, 21345.57, 0});
    ExpectRow(rows[24], {1, 7962.34, 8606.65, 3279.71, 90007.33, 0});

    const QJsonObject part = RunJson(Args({"additional", "--amount", "100000", "--rate", "6",
                                           "--years", "25", "--part", "6"}));
    EXPECT_DOUBLE_EQ(part["repayment"].toDouble(), 638.87);
    ASSERT_EQ(part["rows"].toArray().size(), 26);
    EXPECT_EQ(part["rows"].toArray()[0].toArray()[0].toInt(), 26);
}

TEST(WorkedFigures, SpecificPaymentFromTheStartAndFromAYear)
{
    const QJsonObject fromStart = RunJson(Args({"specific", "--extra", "100"}, WorkedLoan()));
    EXPECT_DOUBLE_EQ(fromStart["without"].toDouble(), 93287.04);
    EXPECT_DOUBLE_EQ(fromStart["with"].toDouble(), 66249.82);
    EXPECT_DOUBLE_EQ(fromStart["saved"].toDouble(), 27037.22);
    EXPECT_EQ(fromStart["payments_made"].toInt(), 224);
    EXPECT_EQ(fromStart["sentence"].toString(),
              QStringLiteral("You have paid off your 25 Year Mortgage in 18 Years and 8 Months"));

    const QJsonObject fromYear6 = RunJson(
        Args({"specific", "--extra", "100", "--start-year", "6", "--start-period", "1"}, WorkedLoan()));
    EXPECT_DOUBLE_EQ(fromYear6["with"].toDouble(), 76948.06);
    EXPECT_EQ(fromYear6["payments_made"].toInt(), 246);
    EXPECT_TRUE(fromYear6["sentence"].toString().endsWith(QStringLiteral("in 20 Years and 6 Months")));

    // An empty start period, and the text "0", both mean the year's first payment.
    for (const char *period : {"", "0"}) {
        const QJsonObject same = RunJson(
            Args({"specific", "--extra", "100", "--start-year", "6", "--start-period", period}, WorkedLoan()));
        EXPECT_DOUBLE_EQ(same["with"].toDouble(), 76948.06) << period;
    }
}

TEST(WorkedFigures, WhatIfSolvesEachVariable)
{
    struct Case {
        std::initializer_list<const char *> args;
        const char *key;
        const char *expected;
    };
    const Case cases[] = {
        {{"--solve", "payment", "--amount", "100000", "--years", "25", "--rate", "6"}, "repayment", "644.3015"},
        {{"--solve", "payment", "--amount", "100000", "--years", "25", "--rate", "6", "--advance"}, "repayment", "641.096"},
        {{"--solve", "amount", "--years", "25", "--rate", "6", "--repayment", "644.3015"}, "amount", "100000"},
        {{"--solve", "interest", "--amount", "100000", "--years", "25", "--repayment", "644.3015"}, "rate", "6"},
        {{"--solve", "interest", "--amount", "100000", "--years", "25", "--repayment", "644.31"}, "rate", "6.0001"},
        {{"--solve", "interest", "--amount", "100000", "--years", "25", "--repayment", "644.3015",
          "--compounding", "Annualy"}, "rate", "6.1678"},
    };
    for (const Case &c : cases) {
        const QJsonObject out = RunJson(Args({"whatif"}) + Args(c.args));
        EXPECT_EQ(out[QString::fromLatin1(c.key)].toString(), QString::fromLatin1(c.expected))
            << Args(c.args).join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(out["message"].isNull());
    }

    const QStringList periods = Args({"whatif", "--solve", "periods", "--amount", "100000", "--rate", "6",
                                      "--repayment", "644.3015"});
    const QJsonObject arrears = RunJson(periods);
    EXPECT_EQ(arrears["years"].toString(), QStringLiteral("25"));
    EXPECT_EQ(arrears["part"].toString(), QStringLiteral("0"));
    const QJsonObject advance = RunJson(periods + Args({"--advance"}));
    EXPECT_EQ(advance["years"].toString(), QStringLiteral("24"));
    EXPECT_EQ(advance["part"].toString(), QStringLiteral("9"));
    // The fields not solved keep their texts as given.
    EXPECT_EQ(advance["amount"].toString(), QStringLiteral("100000"));
    EXPECT_EQ(advance["repayment"].toString(), QStringLiteral("644.3015"));
}

TEST(WorkedFigures, SavingsOfAShorterTerm)
{
    const QJsonObject all = RunJson(Args({"savings", "--amount", "100000", "--period", "25", "--rate", "6",
                                          "--reduced", "15", "--invest", "5"}));
    EXPECT_DOUBLE_EQ(all["repayment"].toDouble(), 645);
    EXPECT_DOUBLE_EQ(all["reduced_repayment"].toDouble(), 844);
    EXPECT_DOUBLE_EQ(all["extra"].toDouble(), 199);
    EXPECT_EQ(all["years"].toInt(), 15);
    // The tab shows 100157; scripts get the cents.
    EXPECT_DOUBLE_EQ(all["investment"].toDouble(), 100157.07);

    const QJsonObject fullTermOnly = RunJson(Args({"savings", "--amount", "100000", "--period", "25", "--rate", "6"}));
    EXPECT_DOUBLE_EQ(fullTermOnly["repayment"].toDouble(), 645);
    for (const char *key : {"reduced_repayment", "extra", "years", "investment"})
        EXPECT_FALSE(fullTermOnly.contains(QString::fromLatin1(key))) << key;
}
