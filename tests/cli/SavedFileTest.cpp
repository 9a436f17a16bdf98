// SPDX-License-Identifier: GPL-3.0-or-later
// quovella-calc --file: the inputs of a saved file, with options beside it winning.
#include "tests/cli/CalcProcess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

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

TEST_F(SavedFile, EitherDecimalSeparatorIsReadUnderAnyLocale)
{
    QByteArray comma = kPlan;
    comma.replace("\r\n6.5\r\n", "\r\n6,5\r\n").replace("\r\n644.3015\r\n", "\r\n644,3015\r\n");
    const QString commaPlan = Write("comma.QVL", comma);
    const QString pointPlan = Write("point.QVL", kPlan);
    for (const QString &lang : {QStringLiteral("de_DE.UTF-8"), QStringLiteral("C")}) {
        for (const QString &plan : {commaPlan, pointPlan}) {
            const CalcRun run = RunCalc({"repayment", "--file", plan, "--json"}, lang);
            ASSERT_EQ(run.status, 0) << lang.toStdString() << " " << run.err.toStdString();
            EXPECT_TRUE(run.out.contains("\"repayment\":675.21")) << lang.toStdString() << run.out.toStdString();
            const CalcRun whatif = RunCalc({"whatif", "--file", plan, "--json"}, lang);
            ASSERT_EQ(whatif.status, 0) << whatif.err.toStdString();
            EXPECT_TRUE(whatif.out.contains("\"amount\":\"100000")) << whatif.out.toStdString();
        }
    }
}

TEST_F(SavedFile, BadFilesAreRejectedWithTheirMessage)
{
    const CalcRun missing = RunCalc({"repayment", "--file", dir.filePath("missing.QVL")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_EQ(missing.err.trimmed(), "File not found (missing.QVL)");

    QByteArray bad = kPlan;
    bad.replace("6.5\r\n3\r\n", "6.5\r\nabc\r\n");
    const CalcRun invalid = RunCalc({"repayment", "--file", Write("bad.QVL", bad)});
    EXPECT_EQ(invalid.status, 2);
    EXPECT_EQ(invalid.err.trimmed(), "'abc' is not a valid integer value (bad.QVL, line 5)");

    QByteArray noFrequency = kPlan;
    noFrequency.replace("6.5\r\n3\r\n3\r\n", "6.5\r\n9\r\n3\r\n");
    const CalcRun unchosen = RunCalc({"repayment", "--file", Write("none.QVL", noFrequency)});
    EXPECT_EQ(unchosen.status, 2);
    EXPECT_TRUE(unchosen.err.contains("--payment")) << unchosen.err.toStdString();
}

// Whatever --file names, quovella-calc answers at once with a short message:
// nothing blocks, nothing is read without end. RunCalc's own time limit is the
// watchdog; speed is measured elsewhere.
TEST_F(SavedFile, SpecialAndHugeFilesAreRefusedWithAShortMessage)
{
    const QString pipe = dir.filePath("pipe.QVL");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString huge = Write("huge.QVL", QByteArray(5 << 20, '7'));
    const QString longLine = Write("long.QVL", "1\r\n2\r\n3\r\n4\r\n" + QByteArray(2 << 20, 'x') + "\r\n");
    const QString badLine = Write("bad.QVL", "1\r\n2\r\n3\r\n4\r\n" + QByteArray(900000, 'x') + "\r\n");
    const QString tooLarge = "This file is too large to be a saved loan (larger than 1 MiB).";
    struct Case {
        QString file, message;
    };
    for (const Case &c :
         {Case{pipe, "Cannot open a named pipe: only an ordinary file can hold a saved loan. (pipe.QVL)"},
          Case{"/dev/zero", "Cannot open a device: only an ordinary file can hold a saved loan. (zero)"},
          Case{huge, tooLarge + " (huge.QVL)"}, Case{longLine, tooLarge + " (long.QVL)"},
          Case{badLine, "'" + QString(40, u'x') + QChar(0x2026) + "' is not a valid integer value (bad.QVL, line 5)"}}) {
        const CalcRun run = RunCalc({"repayment", "--file", c.file});
        EXPECT_FALSE(run.crashed) << c.file.toStdString();
        EXPECT_EQ(run.status, 2) << c.file.toStdString();
        EXPECT_EQ(run.err.trimmed(), c.message);
        EXPECT_LT(run.err.size(), 300);
    }
}

TEST_F(SavedFile, ANameThatIsNotUtf8Opens)
{
    const QByteArray raw = QFile::encodeName(dir.path()) + "/h\xe9.QVL";
    {
        std::FILE *file = std::fopen(raw.constData(), "wb");
        ASSERT_NE(file, nullptr);
        std::fputs(kPlan.constData(), file);
        std::fclose(file);
    }
    // QProcess passes names as UTF-8, so the shell hands over the raw bytes.
    QProcess shell;
    shell.start("/bin/sh", {"-c", "exec \"$0\" repayment --json --file \"$(printf '%s/h\\351.QVL' \"$1\")\"",
                            QStringLiteral(QUOVELLA_CALC), dir.path()});
    ASSERT_TRUE(shell.waitForFinished(30000));
    EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().constData();
    EXPECT_TRUE(shell.readAllStandardOutput().contains("\"repayment\":675.21"));
    ::unlink(raw.constData());
}
