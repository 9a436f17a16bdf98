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
