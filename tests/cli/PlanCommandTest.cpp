// SPDX-License-Identifier: GPL-3.0-or-later
// quovella-calc plan: the payment plan walked through the process.
#include "tests/cli/Args.h"
#include "tests/cli/CalcProcess.h"

#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList Keys(const QJsonObject &object)
{
    QStringList keys = object.keys();
    keys.sort();
    return keys;
}

QStringList Sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

TEST(PlanCommand, AnExtraFromTheStartGivesTheWorkedFigures)
{
    const QJsonObject figures = RunJson(Args({"plan", "--extra", "100"}, WorkedLoan()));
    EXPECT_EQ(Keys(figures), Sorted({"repayment", "repayment_at_end", "payments_made", "last_payment",
                                     "total_interest", "total_interest_without", "saved", "total_paid",
                                     "paid_off", "apr", "rows"}));
    EXPECT_DOUBLE_EQ(figures["repayment"].toDouble(), 644.31);
    EXPECT_DOUBLE_EQ(figures["repayment_at_end"].toDouble(), 644.31);
    EXPECT_DOUBLE_EQ(figures["total_interest_without"].toDouble(), 93287.04);
    EXPECT_DOUBLE_EQ(figures["total_interest"].toDouble(), 66249.82);
    EXPECT_DOUBLE_EQ(figures["saved"].toDouble(), 27037.22);
    EXPECT_DOUBLE_EQ(figures["total_paid"].toDouble(), 166249.82);
    EXPECT_EQ(figures["payments_made"].toInt(), 224);
    EXPECT_TRUE(figures["paid_off"].isNull());

    // Years of payments by default: the last, year 19, holds payments 217 to 224.
    const QJsonArray rows = figures["rows"].toArray();
    ASSERT_EQ(rows.size(), 19);
    const QJsonObject first = rows[0].toObject();
    EXPECT_EQ(Keys(first), Sorted({"n", "date", "payment", "extra", "interest", "principal", "balance", "rate"}));
    EXPECT_EQ(first["n"].toInt(), 1);
    EXPECT_TRUE(first["date"].isNull());
    EXPECT_DOUBLE_EQ(first["payment"].toDouble(), 8931.72);
    EXPECT_DOUBLE_EQ(first["extra"].toDouble(), 1200);
    EXPECT_DOUBLE_EQ(first["rate"].toDouble(), 6);
    EXPECT_DOUBLE_EQ(rows[18].toObject()["balance"].toDouble(), 0);

    const QJsonArray payments = RunJson(Args({"plan", "--extra", "100", "--by", "period"}, WorkedLoan()))["rows"].toArray();
    EXPECT_EQ(payments.size(), 224);
    EXPECT_EQ(payments[223].toObject()["n"].toInt(), 224);
}

TEST(PlanCommand, ReadableTextTellsThePayOffTime)
{
    const CalcRun run = RunCalc(Args({"plan", "--extra", "100"}, WorkedLoan()));
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Interest saved"))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("27,037.22")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("Paid off in 18 years and 8 months.")));
}

TEST(PlanCommand, PaymentsMayBeGivenAsDates)
{
    const QStringList dated = Args({"plan", "--first-payment", "2027-01-31", "--lump", "10000:2032-01-15:lower",
                                    "--rate-change", "7:2032-01-31", "--extra", "50:2027-02-01:2027-12-31",
                                    "--by", "period"},
                                   WorkedLoan());
    const QStringList numbered = Args({"plan", "--first-payment", "2027-01-31", "--lump", "10000:61:lower",
                                       "--rate-change", "7:61", "--extra", "50:2:12", "--by", "period"},
                                      WorkedLoan());
    const QJsonObject figures = RunJson(dated);
    EXPECT_EQ(figures, RunJson(numbered));
    const QJsonArray rows = figures["rows"].toArray();
    ASSERT_EQ(rows.size(), 300);
    EXPECT_EQ(rows[1].toObject()["date"].toString(), QStringLiteral("2027-02-28"));
    EXPECT_DOUBLE_EQ(rows[1].toObject()["extra"].toDouble(), 50);
    EXPECT_DOUBLE_EQ(rows[12].toObject()["extra"].toDouble(), 0);
    EXPECT_EQ(rows[60].toObject()["date"].toString(), QStringLiteral("2032-01-31"));
    EXPECT_DOUBLE_EQ(rows[60].toObject()["extra"].toDouble(), 10000);
    EXPECT_DOUBLE_EQ(rows[60].toObject()["rate"].toDouble(), 7);
    EXPECT_EQ(figures["paid_off"].toString(), QStringLiteral("2051-12-31"));

    const CalcRun csv = RunCalc(dated + QStringList{QStringLiteral("--csv")});
    ASSERT_EQ(csv.status, 0);
    EXPECT_TRUE(csv.out.startsWith(QStringLiteral("n,date,payment,extra,interest,principal,balance,rate\n"
                                                  "1,2027-01-31,644.31,0,500,144.31,99855.69,6\n")))
        << csv.out.left(200).toStdString();
}

TEST(PlanCommand, RefusesAnEventItCannotWalkWithStatusTwo)
{
    struct Case {
        QStringList options;
        QString message;
    };
    const Case cases[] = {
        {{"--lump", "0:61"}, "Event 1 (lump sum): the lump sum must be more than 0 and at most 999,999,999.\n"},
        {{"--extra", "100", "--rate-change", "7:301"},
         "Event 2 (rate change): the payment must be between 1 and 300.\n"},
        {{"--extra", "100:20:10"}, "Event 1 (extra payment): the last payment must be between the first payment (20) and 300.\n"},
        {{"--rate-change", "0:5"}, "Event 1 (rate change): the new rate must be more than 0 % and at most 100 %.\n"},
        {{"--extra", "100:2030-01-01"}, "--extra 100:2030-01-01: a payment given as a date needs --first-payment.\n"},
        {{"--extra", "abc"}, "--extra abc: \"abc\" is not a number.\n"},
        {{"--lump", "100"}, "--lump 100: give it as L:AT or L:AT:lower.\n"},
        {{"--lump", "100:5:maybe"}, "--lump 100:5:maybe: give it as L:AT or L:AT:lower.\n"},
        {{"--rate-change", "7:soon"}, "--rate-change 7:soon: \"soon\" is not a payment number or a date (YYYY-MM-DD).\n"},
        {{"--first-payment", "2027-02-30"}, "--first-payment must be a date YYYY-MM-DD, not \"2027-02-30\".\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.options.join(QLatin1Char(' ')).toStdString());
        const CalcRun run = RunCalc(QStringList{QStringLiteral("plan")} + WorkedLoan() + c.options);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, c.message);
        EXPECT_TRUE(run.out.isEmpty());
    }
    // The loan itself is checked first, as the schedule checks it.
    const CalcRun loan = RunCalc(Args({"plan", "--amount", "100000", "--rate", "6", "--years", "0", "--extra", "1"}));
    EXPECT_EQ(loan.status, 2);
    EXPECT_EQ(loan.err, RunCalc(Args({"schedule", "--amount", "100000", "--rate", "6", "--years", "0"})).err);
}

TEST(PlanCommand, OnlyThePlansEventsRepeat)
{
    const CalcRun twice = RunCalc(Args({"specific", "--extra", "100", "--extra", "50"}, WorkedLoan()));
    EXPECT_EQ(twice.status, 1);
    EXPECT_TRUE(twice.err.startsWith(QStringLiteral("--extra is given twice.\n")));
    EXPECT_EQ(RunCalc(Args({"plan", "--first-payment", "2027-01-31", "--first-payment", "2027-02-28"},
                           WorkedLoan()))
                  .status,
              1);
    EXPECT_EQ(RunCalc(Args({"plan", "--lump", "1:--"}, WorkedLoan())).status, 2);
}

TEST(PlanCommand, ReadsTheLoanAndItsPlanFromASavedFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("house.QVL"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("100000\r\n25\r\n0\r\n6\r\n3\r\n3\r\nTRUE\r\nFALSE\r\n\r\n\r\n\r\n\r\n\r\nTRUE\r\n"
               "\r\n\r\n\r\n\r\n\r\n1\r\n3\r\n1\r\n3\r\n"
               "PLAN 1\r\nFIRST 2027-01-31\r\nEXTRA 100 1 0\r\nEND PLAN\r\n");
    file.close();

    const QJsonObject saved = RunJson(Args({"plan", "--file"}) + QStringList{path});
    EXPECT_EQ(saved, RunJson(Args({"plan", "--extra", "100", "--first-payment", "2027-01-31"}, WorkedLoan())));
    EXPECT_EQ(saved["paid_off"].toString(), QStringLiteral("2045-08-31"));
    // Events given beside the file come after its own.
    EXPECT_EQ(RunJson(Args({"plan", "--file"}) + QStringList{path, "--lump", "10000:61"}),
              RunJson(Args({"plan", "--extra", "100", "--lump", "10000:61", "--first-payment", "2027-01-31"},
                           WorkedLoan())));

    // A bad plan line refuses the file, as any bad line does.
    QFile bad(path);
    ASSERT_TRUE(bad.open(QIODevice::ReadOnly));
    const QByteArray bytes = bad.readAll().replace("EXTRA 100 1 0", "LUMP x 61 KEEP");
    bad.close();
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly | QIODevice::Truncate));
    bad.write(bytes);
    bad.close();
    const CalcRun refused = RunCalc(Args({"plan", "--file"}) + QStringList{path});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, QStringLiteral("'LUMP x 61 KEEP' is not a valid payment plan line (house.QVL, line 26)\n"));
}
