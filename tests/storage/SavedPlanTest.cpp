// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/storage/StorageTestSupport.h"

#include <QTemporaryDir>

#include <cmath>
#include <limits>

namespace {

PaymentPlan EveryKind()
{
    PaymentPlan plan;
    plan.firstPayment = QDate(2027, 1, 31);
    plan.events = {
        {PlanEventKind::Extra, 100, 1, 0, false},
        {PlanEventKind::Extra, 250.5, 13, 24, false},
        {PlanEventKind::LumpSum, 10000, 61, 0, false},
        {PlanEventKind::LumpSum, 5000.25, 121, 0, true},
        {PlanEventKind::RateChange, 7, 61, 0, false},
    };
    return plan;
}

QByteArray WithPlanLines(const QList<QByteArray> &lines)
{
    return ExampleBytes() + Lines(lines);
}

struct Refusal {
    QString message;
    int line = 0;
};

Refusal RefusalOf(const QByteArray &bytes)
{
    try {
        ParseMortgageFile(bytes);
    } catch (const SavedFileLineError &error) {
        return {error.Message(), error.Line()};
    }
    return {QStringLiteral("<read>"), 0};
}

} // namespace

TEST(SavedPlan, AFileWithoutAPlanStaysTheTwentyThreeLines)
{
    SavedInputs in = ExampleInputs();
    in.plan = PaymentPlan{};
    EXPECT_EQ(FormatMortgageFile(in), ExampleBytes());
    EXPECT_EQ(ParseMortgageFile(ExampleBytes()).plan, PaymentPlan{});
}

TEST(SavedPlan, ThePlanFollowsLineTwentyThreeInLinesOfItsOwn)
{
    SavedInputs in = ExampleInputs();
    in.plan = EveryKind();
    EXPECT_EQ(FormatMortgageFile(in), WithPlanLines({"PLAN 1", "FIRST 2027-01-31", "EXTRA 100 1 0",
                                                     "EXTRA 250.5 13 24", "LUMP 10000 61 KEEP",
                                                     "LUMP 5000.25 121 LOWER", "RATE 7 61", "END PLAN"}));
    // A date alone is a plan too; events alone have no FIRST line.
    in.plan = PaymentPlan{QDate(2030, 12, 1), {}};
    EXPECT_EQ(FormatMortgageFile(in), WithPlanLines({"PLAN 1", "FIRST 2030-12-01", "END PLAN"}));
    in.plan = PaymentPlan{{}, {{PlanEventKind::RateChange, 4.75, 2, 0, false}}};
    EXPECT_EQ(FormatMortgageFile(in), WithPlanLines({"PLAN 1", "RATE 4.75 2", "END PLAN"}));
}

TEST(SavedPlan, PlansReadBackExactlyInAnyLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    SavedInputs in = ExampleInputs();
    in.plan = EveryKind();
    for (double value : {0.1, 1.0 / 3, 123456789.123, 1e-7, 1e21, 0.30000000000000004, 999999999.99})
        in.plan.events.push_back({PlanEventKind::Extra, value, 2, 3, false});
    in.plan.events.push_back({PlanEventKind::RateChange, 6.125, 300, 0, false});
    const QByteArray bytes = FormatMortgageFile(in);
    QLocale::setDefault(before);
    EXPECT_FALSE(bytes.contains("0,1"));
    const SavedInputs back = ParseMortgageFile(bytes);
    EXPECT_EQ(back, in);
    EXPECT_EQ(FormatMortgageFile(back), bytes);
}

TEST(SavedPlan, AReaderOfTheTwentyThreeLinesSeesTheSameLoan)
{
    SavedInputs in = ExampleInputs();
    in.wiPrincipal = "5000";
    in.wiVariable = 4;
    in.plan = EveryKind();
    const QByteArray bytes = FormatMortgageFile(in);
    SavedInputs withoutPlan = in;
    withoutPlan.plan = {};
    const QByteArray lines23 = FormatMortgageFile(withoutPlan);
    ASSERT_TRUE(bytes.startsWith(lines23));
    EXPECT_EQ(lines23.count("\r\n"), 23);
    SavedInputs read = ParseMortgageFile(bytes);
    EXPECT_EQ(read.plan, in.plan);
    read.plan = {};
    EXPECT_EQ(read, ParseMortgageFile(lines23));
}

TEST(SavedPlan, OtherTextAfterLineTwentyThreeIsStillIgnored)
{
    for (const QList<QByteArray> &after : QList<QList<QByteArray>>{
             {"", "", ""}, {"notes on the loan"}, {"PLANNING: ask the bank"}, {"", "written by hand", "PLAN 1"}}) {
        SCOPED_TRACE(Lines(after).toStdString());
        const SavedInputs read = ParseMortgageFile(WithPlanLines(after));
        EXPECT_EQ(read.plan, PaymentPlan{});
        EXPECT_EQ(read, ParseMortgageFile(ExampleBytes()));
    }
    // Blank lines before the plan, LF-only ends and anything after END PLAN are fine.
    const SavedInputs read = ParseMortgageFile(
        ExampleBytes() + Lines({"", "PLAN 1", "RATE 7 61", "END PLAN", "", "more notes"}, "\n"));
    EXPECT_EQ(read.plan.events.size(), 1u);
}

TEST(SavedPlan, ABadPlanLineRefusesTheFileAtThatLine)
{
    struct Case {
        QList<QByteArray> after;
        int line;
        QString message;
    };
    const QString bad = QStringLiteral("' is not a valid payment plan line");
    const Case cases[] = {
        {{"PLAN 1", "LUMP x 61 KEEP", "END PLAN"}, 25, "'LUMP x 61 KEEP" + bad},
        {{"PLAN 1", "EXTRA 100 1 0", "SKIP 5 6", "END PLAN"}, 26, "'SKIP 5 6" + bad},
        {{"PLAN 1", "EXTRA nan 1 0", "END PLAN"}, 25, "'EXTRA nan 1 0" + bad},
        {{"PLAN 1", "EXTRA inf 1 0", "END PLAN"}, 25, "'EXTRA inf 1 0" + bad},
        {{"PLAN 1", "EXTRA 1e999 1 0", "END PLAN"}, 25, "'EXTRA 1e999 1 0" + bad},
        {{"PLAN 1", "EXTRA 100,5 1 0", "END PLAN"}, 25, "'EXTRA 100,5 1 0" + bad},
        {{"PLAN 1", "EXTRA 100 1 -1", "END PLAN"}, 25, "'EXTRA 100 1 -1" + bad},
        {{"PLAN 1", "EXTRA 100 1", "END PLAN"}, 25, "'EXTRA 100 1" + bad},
        {{"PLAN 1", "RATE 7 0", "END PLAN"}, 25, "'RATE 7 0" + bad},
        {{"PLAN 1", "RATE 7 61 0", "END PLAN"}, 25, "'RATE 7 61 0" + bad},
        {{"PLAN 1", "LUMP 100 61 MAYBE", "END PLAN"}, 25, "'LUMP 100 61 MAYBE" + bad},
        {{"PLAN 1", "lump 100 61 KEEP", "END PLAN"}, 25, "'lump 100 61 KEEP" + bad},
        {{"PLAN 1", "FIRST 2027-02-30", "END PLAN"}, 25, "'FIRST 2027-02-30" + bad},
        {{"PLAN 1", "FIRST 27-1-31", "END PLAN"}, 25, "'FIRST 27-1-31" + bad},
        {{"PLAN 1", "FIRST 2027-01-31", "FIRST 2027-02-28", "END PLAN"}, 26, "'FIRST 2027-02-28" + bad},
        {{"PLAN 1", "RATE 7 61", "", "END PLAN"}, 26, "'" + bad},
        {{"PLAN x"}, 24, "'PLAN x" + bad},
        {{"", "PLAN 1", "RATE 7 61"}, 25, "The payment plan has no 'END PLAN' line"},
        {{"PLAN 2", "WHATEVER", "END PLAN"},
         24,
         "This file's payment plan was written by a newer Quovella (plan version 2); this one reads version 1"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(Lines(c.after).toStdString());
        const Refusal refusal = RefusalOf(WithPlanLines(c.after));
        EXPECT_EQ(refusal.message, c.message);
        EXPECT_EQ(refusal.line, c.line);
    }
}

TEST(SavedPlan, AtMostAThousandEvents)
{
    SavedInputs in = ExampleInputs();
    in.plan.events.assign(planEventLimit, PlanEvent{PlanEventKind::LumpSum, 1, 1, 0, false});
    const QByteArray bytes = FormatMortgageFile(in);
    EXPECT_EQ(ParseMortgageFile(bytes), in);

    const QByteArray tooMany = bytes.left(bytes.size() - qsizetype(sizeof("END PLAN\r\n") - 1))
                             + Lines({"LUMP 1 1 KEEP", "END PLAN"});
    const Refusal refusal = RefusalOf(tooMany);
    EXPECT_EQ(refusal.message, QStringLiteral("A payment plan holds at most 1000 events"));
    EXPECT_EQ(refusal.line, 24 + planEventLimit + 1);

    in.plan.events.push_back(in.plan.events.back());
    EXPECT_EQ(ErrorOf([&] { SaveMortgageFile(QStringLiteral("never-written.QVL"), in); }),
              QStringLiteral("This payment plan has more than 1000 events: the file could not be opened again."));
}

TEST(SavedPlan, LoadingNamesTheFileAndTheBadPlanLine)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("house.QVL"));
    WriteBytes(path, WithPlanLines({"PLAN 1", "LUMP x 61 KEEP", "END PLAN"}));
    EXPECT_EQ(Loading(path), QStringLiteral("'LUMP x 61 KEEP' is not a valid payment plan line (house.QVL, line 25)"));

    SavedInputs in = ExampleInputs();
    in.plan = EveryKind();
    ASSERT_EQ(Saving(path, in), QStringLiteral("<no error>"));
    EXPECT_EQ(LoadMortgageFile(path, QLocale::c()), in);
}

TEST(SavedFees, FeesAloneWriteTheBlockAndReadBack)
{
    SavedInputs in = ExampleInputs();
    in.fees = LoanFees{2000, 10};
    EXPECT_EQ(FormatMortgageFile(in), WithPlanLines({"PLAN 1", "FEES 2000 10", "END PLAN"}));
    EXPECT_EQ(ParseMortgageFile(FormatMortgageFile(in)), in);

    // With a plan, the fees follow the date; values read back to the same bits.
    in.plan = EveryKind();
    in.fees = LoanFees{0, 0.1 + 0.2};
    const QByteArray bytes = FormatMortgageFile(in);
    EXPECT_TRUE(bytes.contains("FIRST 2027-01-31\r\nFEES 0 0.30000000000000004\r\nEXTRA")) << bytes.toStdString();
    EXPECT_EQ(ParseMortgageFile(bytes), in);

    // No fees and no plan: the 23 lines, byte for byte.
    in.plan = {};
    in.fees = {};
    EXPECT_EQ(FormatMortgageFile(in), ExampleBytes());
    EXPECT_EQ(ParseMortgageFile(ExampleBytes()).fees, LoanFees{});
}

TEST(SavedFees, ABadFeesLineRefusesTheFileAtThatLine)
{
    const QString bad = QStringLiteral("' is not a valid payment plan line");
    for (const QByteArray &line : {QByteArray("FEES -1 0"), QByteArray("FEES 0 -0.01"), QByteArray("FEES nan 0"),
                                   QByteArray("FEES 0 inf"), QByteArray("FEES 2000"), QByteArray("FEES 2000 10 5"),
                                   QByteArray("FEES 2,000 10"), QByteArray("FEES x 10")}) {
        SCOPED_TRACE(line.toStdString());
        const Refusal refusal = RefusalOf(WithPlanLines({"PLAN 1", "RATE 7 61", line, "END PLAN"}));
        EXPECT_EQ(refusal.message, "'" + QString::fromLatin1(line) + bad);
        EXPECT_EQ(refusal.line, 26);
    }
    const Refusal twice = RefusalOf(WithPlanLines({"PLAN 1", "FEES 1 1", "FEES 2 2", "END PLAN"}));
    EXPECT_EQ(twice.message, "'FEES 2 2" + bad);
    EXPECT_EQ(twice.line, 26);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("house.QVL"));
    WriteBytes(path, WithPlanLines({"PLAN 1", "FEES 2000 -10", "END PLAN"}));
    EXPECT_EQ(Loading(path), QStringLiteral("'FEES 2000 -10' is not a valid payment plan line (house.QVL, line 25)"));
}

TEST(SavedFees, FeesTheReaderWouldRefuseAreNotSaved)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("house.QVL"));
    SavedInputs in = ExampleInputs();
    for (const LoanFees &fees : {LoanFees{-1, 0}, LoanFees{0, std::numeric_limits<double>::quiet_NaN()},
                                 LoanFees{std::numeric_limits<double>::infinity(), 0}}) {
        in.fees = fees;
        EXPECT_EQ(Saving(path, in), QStringLiteral("Fees must be numbers of at least 0 to be saved."));
        EXPECT_FALSE(QFile::exists(path));
    }
    in.fees = LoanFees{2000, 10};
    ASSERT_EQ(Saving(path, in), QStringLiteral("<no error>"));
    EXPECT_EQ(LoadMortgageFile(path, QLocale::c()), in);
}
