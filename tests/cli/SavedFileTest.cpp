// SPDX-License-Identifier: GPL-3.0-or-later
// quovella-calc --file: the inputs of a saved file, with options beside it winning.
#include "tests/cli/CalcProcess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The worked loan on every tab: the Mortgage tab at 6.5 %, the savings tab's
// figures and a What If? tab solving for the amount.
const QByteArray kPlan = "100000\r\n25\r\n0\r\n6.5\r\n3\r\n3\r\nTRUE\r\nFALSE\r\n100000\r\n25\r\n6\r\n15\r\n5\r\nTRUE\r\n"
                         "\r\n25\r\n\r\n6\r\n644.3015\r\n1\r\n3\r\n1\r\n3\r\n";

class SavedFile : public ::testing::Test {
protected:
    QString Write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(SavedFile, TakesTheMortgageTabsLoan)
{
    const QString plan = Write("plan.QVL", kPlan);
    const QJsonObject atFileRate = RunJson({"repayment", "--file", plan});
    EXPECT_DOUBLE_EQ(atFileRate["repayment"].toDouble(), 675.21);
    const QJsonObject overridden = RunJson({"repayment", "--file", plan, "--rate", "6"});
    EXPECT_DOUBLE_EQ(overridden["repayment"].toDouble(), 644.31);
    EXPECT_DOUBLE_EQ(overridden["total_interest"].toDouble(), 93287.04);
    const QJsonObject advance = RunJson({"repayment", "--file", plan, "--rate", "6", "--advance"});
    EXPECT_DOUBLE_EQ(advance["repayment"].toDouble(), 641.10);
}

TEST_F(SavedFile, FileInAdvanceCanBeOverriddenWithArrears)
{
    QByteArray advance = kPlan;
    advance.replace("TRUE\r\nFALSE\r\n", "FALSE\r\nTRUE\r\n");
    const QString plan = Write("advance.QVL", advance);
    EXPECT_DOUBLE_EQ(RunJson({"repayment", "--file", plan, "--rate", "6"})["repayment"].toDouble(), 641.10);
    EXPECT_DOUBLE_EQ(RunJson({"repayment", "--file", plan, "--rate", "6", "--arrears"})["repayment"].toDouble(), 644.31);
}

TEST_F(SavedFile, TakesTheSavingsAndWhatIfFields)
{
    const QString plan = Write("plan.QVL", kPlan);
    const QJsonObject savings = RunJson({"savings", "--file", plan});
    EXPECT_DOUBLE_EQ(savings["repayment"].toDouble(), 645);
    EXPECT_DOUBLE_EQ(savings["reduced_repayment"].toDouble(), 844);
    EXPECT_DOUBLE_EQ(savings["extra"].toDouble(), 199);
    const QJsonObject whatif = RunJson({"whatif", "--file", plan});
    EXPECT_EQ(whatif["amount"].toString(), "100000");
    const QJsonObject payment = RunJson({"whatif", "--file", plan, "--solve", "payment", "--amount", "100000"});
    EXPECT_EQ(payment["repayment"].toString(), "644.3015");
}

TEST_F(SavedFile, NumbersInTheUsersNotationAreRead)
{
    QByteArray german = kPlan;
    german.replace("\r\n6.5\r\n", "\r\n6,5\r\n");
    const QString plan = Write("german.QVL", german);
    const CalcRun run = RunCalc({"repayment", "--file", plan, "--json"}, "de_DE.UTF-8");
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("\"repayment\":675.21")) << run.out.toStdString();
}

TEST_F(SavedFile, BadFilesAreRejectedWithTheirMessage)
{
    const CalcRun missing = RunCalc({"repayment", "--file", dir.filePath("missing.QVL")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_EQ(missing.err.trimmed(), "File not found");

    QByteArray bad = kPlan;
    bad.replace("6.5\r\n3\r\n", "6.5\r\nabc\r\n");
    const CalcRun invalid = RunCalc({"repayment", "--file", Write("bad.QVL", bad)});
    EXPECT_EQ(invalid.status, 2);
    EXPECT_EQ(invalid.err.trimmed(), "'abc' is not a valid integer value");

    QByteArray noFrequency = kPlan;
    noFrequency.replace("6.5\r\n3\r\n3\r\n", "6.5\r\n9\r\n3\r\n");
    const CalcRun unchosen = RunCalc({"repayment", "--file", Write("none.QVL", noFrequency)});
    EXPECT_EQ(unchosen.status, 2);
    EXPECT_TRUE(unchosen.err.contains("--payment")) << unchosen.err.toStdString();
}
