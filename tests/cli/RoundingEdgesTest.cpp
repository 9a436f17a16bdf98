// SPDX-License-Identifier: GPL-3.0-or-later
// Loans where rounding to cents changes the story, as quovella-calc tells it:
// the same figures and messages as the windows.
#include "tests/cli/Args.h"
#include "tests/cli/CalcProcess.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

QStringList BalloonLoan(std::initializer_list<const char *> command)
{
    return Args(command) + Args({"--amount", "250000", "--rate", "30", "--years", "50",
                                 "--payment", "Weekly", "--compounding", "Weekly"});
}

} // namespace

TEST(RoundingEdges, BalloonLoanTotalsComeFromTheWalk)
{
    const QJsonObject repayment = RunJson(BalloonLoan({"repayment"}));
    EXPECT_DOUBLE_EQ(repayment["repayment"].toDouble(), 1442.31);
    EXPECT_DOUBLE_EQ(repayment["last_payment"].toDouble(), 251442.31);
    EXPECT_DOUBLE_EQ(repayment["total_interest"].toDouble(), 3750006.00);
    EXPECT_EQ(repayment["message"].toString(),
              "The repayment of 1,442.31, rounded to 2 decimal places, does not pay off this "
              "Mortgage evenly: your last payment will be 251,442.31.");

    const QJsonObject specific = RunJson(BalloonLoan({"specific", "--extra", "0"}));
    EXPECT_DOUBLE_EQ(specific["without"].toDouble(), 3750006.00);
    EXPECT_DOUBLE_EQ(specific["saved"].toDouble(), 0);

    const QJsonArray rows = RunJson(BalloonLoan({"additional"}))["rows"].toArray();
    ASSERT_EQ(rows.size(), 50);
    EXPECT_DOUBLE_EQ(rows[0].toArray()[3].toDouble(), 3750006.00);
    for (const QJsonValue &row : rows)
        EXPECT_GE(row.toArray()[4].toDouble(), 0) << row.toArray()[0].toInt();

    // Ordinary rounding is no balloon.
    const QJsonObject worked = RunJson(Args({"repayment"}) + WorkedLoan());
    EXPECT_DOUBLE_EQ(worked["total_interest"].toDouble(), 93287.04);
    EXPECT_TRUE(worked["message"].isNull());
}

TEST(RoundingEdges, ShortenedLoanKeepsItsRepayment)
{
    const QJsonObject nothing = RunJson(Args({"specific", "--amount", "100", "--rate", "25",
                                              "--years", "25", "--extra", "0"}));
    EXPECT_DOUBLE_EQ(nothing["saved"].toDouble(), 0);
    EXPECT_EQ(nothing["sentence"].toString(),
              "You have paid off your 23 Year and 2 month Mortgage in 23 Years and 2 Months");
}

TEST(RoundingEdges, InAdvanceTheLastPaymentAccruesNoInterest)
{
    const QStringList loan = Args({"--amount", "29", "--rate", "20", "--years", "19", "--part", "44",
                                   "--payment", "Daily", "--compounding", "Daily", "--advance"});
    const QJsonObject specific = RunJson(Args({"specific", "--extra", "0"}) + loan);
    EXPECT_DOUBLE_EQ(specific["with"].toDouble(), 139.56);
    EXPECT_DOUBLE_EQ(specific["without"].toDouble(), 139.56);
    const QJsonArray schedule = RunJson(Args({"schedule"}) + loan)["rows"].toArray();
    ASSERT_FALSE(schedule.isEmpty());
    EXPECT_DOUBLE_EQ(schedule.last().toArray()[4].toDouble(), 139.56);
}

TEST(RoundingEdges, PayOffWithinDaysEndsInADuration)
{
    const QJsonObject specific = RunJson(Args({"specific", "--amount", "100000", "--rate", "5",
                                               "--years", "20", "--payment", "Daily",
                                               "--compounding", "Daily", "--extra", "100000"}));
    EXPECT_TRUE(specific["sentence"].toString().endsWith(" Mortgage in less than 1 Month"))
        << specific["sentence"].toString().toStdString();
}

TEST(RoundingEdges, MachineMoneyRoundsAsTheMoneyText)
{
    // A last payment of half a cent shows as 0.01, so scripts read 0.01 too.
    const QStringList halfCent = Args({"repayment", "--amount", "0.005", "--rate", "1", "--years", "1"});
    EXPECT_DOUBLE_EQ(RunJson(halfCent)["last_payment"].toDouble(), 0.01);
    const CalcRun csv = RunCalc(halfCent + Args({"--csv"}));
    ASSERT_EQ(csv.status, 0);
    EXPECT_TRUE(csv.out.contains(QStringLiteral(",0.01,12,"))) << csv.out.toStdString();
    const CalcRun table = RunCalc(halfCent);
    EXPECT_TRUE(table.out.contains(QStringLiteral("Last payment              0.01"))) << table.out.toStdString();
}

TEST(RoundingEdges, EveryCommandTellsTheSameInterestAtHighRates)
{
    const QStringList halfYearly = Args({"--amount", "100000", "--rate", "30", "--years", "50", "--part", "2",
                                         "--payment", "Bi-Annualy", "--compounding", "Bi-Annualy"});
    EXPECT_DOUBLE_EQ(RunJson(Args({"repayment"}) + halfYearly)["total_interest"].toDouble(), 1429872.26);
    const QJsonObject specific = RunJson(Args({"specific", "--extra", "0"}) + halfYearly);
    EXPECT_DOUBLE_EQ(specific["without"].toDouble(), 1429872.26);
    EXPECT_DOUBLE_EQ(specific["saved"].toDouble(), 0);
    EXPECT_DOUBLE_EQ(RunJson(Args({"additional"}) + halfYearly)["rows"].toArray()[0].toArray()[3].toDouble(),
                     1429872.26);
}

TEST(RoundingEdges, UnevenAdditionalRowsAreMarkedInEveryOutput)
{
    const QStringList weekly = Args({"additional", "--amount", "100000", "--rate", "25", "--years", "50",
                                     "--payment", "Weekly", "--compounding", "Weekly"});
    const QJsonArray rows = RunJson(weekly)["rows"].toArray();
    ASSERT_EQ(rows.size(), 44);
    // [years, additional, payment, total_interest, interest_saved, uneven]
    EXPECT_EQ(rows[0].toArray()[0].toInt(), 44);
    EXPECT_DOUBLE_EQ(rows[0].toArray()[3].toDouble(), 980717.72);
    EXPECT_EQ(rows[0].toArray()[5].toInt(), 1);
    EXPECT_EQ(rows[1].toArray()[5].toInt(), 1);
    EXPECT_EQ(rows[43].toArray()[5].toInt(), 0); // one year pays off evenly

    const CalcRun csv = RunCalc(weekly + Args({"--csv"}));
    ASSERT_EQ(csv.status, 0);
    EXPECT_TRUE(csv.out.startsWith("years,additional,payment,total_interest,interest_saved,uneven\n44,"));
    EXPECT_TRUE(csv.out.contains(QStringLiteral(",0\n1,"))) << csv.out.toStdString();

    const CalcRun table = RunCalc(weekly);
    ASSERT_EQ(table.status, 0);
    EXPECT_TRUE(table.out.contains(QStringLiteral("44 *"))) << table.out.toStdString();
    EXPECT_TRUE(table.out.contains(QStringLiteral("* This repayment does not pay the loan off evenly")));

    // The worked loan has no uneven row, and no note.
    const CalcRun worked = RunCalc(Args({"additional"}) + WorkedLoan());
    EXPECT_FALSE(worked.out.contains(QLatin1Char('*')));
}

TEST(RoundingEdges, WhatIfSaysWhenNoRateFits)
{
    const CalcRun above = RunCalc(Args({"whatif", "--solve", "interest", "--amount", "100000", "--years", "25",
                                        "--repayment", "5000"}));
    EXPECT_EQ(above.status, 2);
    EXPECT_TRUE(above.err.contains(QStringLiteral("No interest rate up to 52%"))) << above.err.toStdString();
    EXPECT_TRUE(above.out.isEmpty());
    const CalcRun below = RunCalc(Args({"whatif", "--solve", "interest", "--amount", "120000", "--years", "10",
                                        "--repayment", "900"}));
    EXPECT_EQ(below.status, 2);
    EXPECT_TRUE(below.err.contains(QStringLiteral("add up to less than the amount"))) << below.err.toStdString();
}
