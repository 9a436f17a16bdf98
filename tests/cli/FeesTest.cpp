// SPDX-License-Identifier: GPL-3.0-or-later
// quovella-calc --fee-upfront and --fee-per-payment: the annual percentage rate.
#include "tests/cli/Args.h"
#include "tests/cli/CalcProcess.h"

#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <cmath>

#include <gtest/gtest.h>

namespace {

// The worked loan as the Mortgage tab saves it, with the given lines after line 23.
QString WriteLoanFile(const QTemporaryDir &dir, const QByteArray &after)
{
    const QString path = dir.filePath(QStringLiteral("offer.QVL"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("100000\r\n25\r\n0\r\n6\r\n3\r\n3\r\nTRUE\r\nFALSE\r\n\r\n\r\n\r\n\r\n\r\nTRUE\r\n"
               "\r\n\r\n\r\n\r\n\r\n1\r\n3\r\n1\r\n3\r\n"
               + after);
    return path;
}

// The rate solved by plain bisection from the payments the command lists, monthly
// in arrears, to check the figure it gives.
double AprOfRows(const QJsonArray &rows, double received, double fee)
{
    auto value = [&](double x) {
        double sum = 0;
        for (qsizetype k = 0; k < rows.size(); ++k)
            sum += (rows[k].toObject()["payment"].toDouble() + fee) * std::pow(1 + x, -double(k + 1) / 12);
        return sum - received;
    };
    double low = 0;
    double high = 1;
    for (int i = 0; i < 100; ++i) {
        const double middle = (low + high) / 2;
        (value(middle) > 0 ? low : high) = middle;
    }
    return std::round(low * 10000) / 100;
}

} // namespace

TEST(Fees, RepaymentWithoutFeesIsAsItWas)
{
    const CalcRun json = RunCalc(Args({"repayment", "--json"}, WorkedLoan()));
    ASSERT_EQ(json.status, 0);
    EXPECT_EQ(json.out, QStringLiteral("{\"last_payment\":638.46,\"message\":null,\"payments_expected\":300,"
                                       "\"payments_made\":300,\"repayment\":644.31,\"total_interest\":93287.04}\n"));
    const CalcRun table = RunCalc(Args({"repayment"}, WorkedLoan()));
    EXPECT_FALSE(table.out.contains(QStringLiteral("Annual percentage rate"))) << table.out.toStdString();
    EXPECT_EQ(RunCalc(Args({"repayment", "--csv"}, WorkedLoan())).out,
              QStringLiteral("repayment,total_interest,payments_made,last_payment,payments_expected,message\n"
                             "644.31,93287.04,300,638.46,300,\n"));
}

TEST(Fees, RepaymentGivesTheRateWithFees)
{
    const QJsonObject upfront = RunJson(Args({"repayment", "--fee-upfront", "2000"}, WorkedLoan()));
    EXPECT_DOUBLE_EQ(upfront["apr"].toDouble(), 6.39);
    // The fees change no other figure.
    EXPECT_DOUBLE_EQ(upfront["repayment"].toDouble(), 644.31);
    EXPECT_DOUBLE_EQ(upfront["total_interest"].toDouble(), 93287.04);
    EXPECT_DOUBLE_EQ(RunJson(Args({"repayment", "--fee-per-payment", "10"}, WorkedLoan()))["apr"].toDouble(), 6.34);
    // Fees of 0 given: the loan's own yearly rate as walked.
    EXPECT_DOUBLE_EQ(RunJson(Args({"repayment", "--fee-upfront", "0"}, WorkedLoan()))["apr"].toDouble(), 6.17);
    EXPECT_DOUBLE_EQ(
        RunJson(Args({"repayment", "--fee-upfront", "2000", "--fee-per-payment", "10"}, WorkedLoan()))["apr"].toDouble(),
        6.57);

    const CalcRun table = RunCalc(Args({"repayment", "--fee-upfront", "2000"}, WorkedLoan()));
    EXPECT_TRUE(table.out.contains(QStringLiteral("\nAnnual percentage rate       6.39 %\n"))) << table.out.toStdString();
    const CalcRun comma = RunCalc(Args({"repayment", "--fee-upfront", "2000"}, WorkedLoan()), "de_DE.UTF-8");
    EXPECT_TRUE(comma.out.contains(QStringLiteral("6,39 %"))) << comma.out.toStdString();
    const CalcRun csv = RunCalc(Args({"repayment", "--fee-upfront", "2000", "--csv"}, WorkedLoan()));
    EXPECT_EQ(csv.out, QStringLiteral("repayment,total_interest,payments_made,last_payment,payments_expected,apr,message\n"
                                      "644.31,93287.04,300,638.46,300,6.39,\n"));
}

TEST(Fees, PlanAlwaysGivesTheRateOfItsOwnPayments)
{
    EXPECT_DOUBLE_EQ(RunJson(Args({"plan"}, WorkedLoan()))["apr"].toDouble(), 6.17);

    const QJsonObject figures = RunJson(Args({"plan", "--lump", "10000:61", "--fee-upfront", "2000",
                                              "--fee-per-payment", "10", "--by", "period"},
                                             WorkedLoan()));
    const QJsonArray rows = figures["rows"].toArray();
    ASSERT_EQ(rows.size(), 255);
    EXPECT_DOUBLE_EQ(figures["apr"].toDouble(), AprOfRows(rows, 98000, 10));
    EXPECT_DOUBLE_EQ(figures["apr"].toDouble(), 6.62);
    // Paid off sooner, the same upfront fees weigh on fewer years: the rate rises.
    EXPECT_GT(RunJson(Args({"plan", "--lump", "50000:13", "--fee-upfront", "2000"}, WorkedLoan()))["apr"].toDouble(),
              RunJson(Args({"plan", "--fee-upfront", "2000"}, WorkedLoan()))["apr"].toDouble());

    const CalcRun table = RunCalc(Args({"plan", "--fee-upfront", "2000"}, WorkedLoan()));
    EXPECT_TRUE(table.out.contains(QStringLiteral("Annual percentage rate"))) << table.out.toStdString();
}

TEST(Fees, BadFeesAreRefusedWithStatusTwo)
{
    struct Case {
        QStringList options;
        QString message;
    };
    const QString upfront = QStringLiteral("The upfront fees must be at least 0 and less than the mortgage amount.\n");
    const QString perPayment = QStringLiteral("The fee per payment must be at least 0 and at most 999,999,999.\n");
    const Case cases[] = {
        {{"--fee-upfront", "-1"}, upfront},
        {{"--fee-upfront", "100000"}, upfront},
        {{"--fee-per-payment", "-0.01"}, perPayment},
        {{"--fee-per-payment", "1000000000"}, perPayment},
        {{"--fee-upfront", "2,000"}, "--fee-upfront must be a number, not \"2,000\".\n"},
        {{"--fee-per-payment", "nan"}, "--fee-per-payment must be a number, not \"nan\".\n"},
    };
    for (const char *command : {"repayment", "plan"}) {
        for (const Case &c : cases) {
            SCOPED_TRACE(command + (QLatin1Char(' ') + c.options.join(QLatin1Char(' '))).toStdString());
            const CalcRun run = RunCalc(QStringList{QString::fromLatin1(command)} + WorkedLoan() + c.options);
            EXPECT_EQ(run.status, 2);
            EXPECT_EQ(run.err, c.message);
            EXPECT_TRUE(run.out.isEmpty());
        }
    }
    // Only the loan's own commands take fees.
    EXPECT_EQ(RunCalc(Args({"schedule", "--fee-upfront", "2000"}, WorkedLoan())).status, 1);
}

TEST(Fees, ASavedFileBringsItsFeesAndOptionsReplaceThem)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = WriteLoanFile(dir, "PLAN 1\r\nFEES 2000 10\r\nEND PLAN\r\n");
    for (const char *command : {"repayment", "plan"}) {
        SCOPED_TRACE(command);
        const QJsonObject saved = RunJson(Args({command, "--file"}) + QStringList{path});
        EXPECT_DOUBLE_EQ(saved["apr"].toDouble(), 6.57);
        // Each option replaces its own fee only.
        EXPECT_DOUBLE_EQ(RunJson(Args({command, "--file"}) + QStringList{path, "--fee-upfront", "0"})["apr"].toDouble(),
                         6.34);
        EXPECT_DOUBLE_EQ(
            RunJson(Args({command, "--file"}) + QStringList{path, "--fee-per-payment", "0"})["apr"].toDouble(), 6.39);
    }
    // Fees the file holds are checked against the loan as options are.
    const QString tooMuch = WriteLoanFile(dir, "PLAN 1\r\nFEES 100000 0\r\nEND PLAN\r\n");
    const CalcRun refused = RunCalc(Args({"repayment", "--file"}) + QStringList{tooMuch});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, QStringLiteral("The upfront fees must be at least 0 and less than the mortgage amount.\n"));

    const QString bad = WriteLoanFile(dir, "PLAN 1\r\nFEES 2000 -10\r\nEND PLAN\r\n");
    const CalcRun badLine = RunCalc(Args({"repayment", "--file"}) + QStringList{bad});
    EXPECT_EQ(badLine.status, 2);
    EXPECT_EQ(badLine.err, QStringLiteral("'FEES 2000 -10' is not a valid payment plan line (offer.QVL, line 25)\n"));
}
