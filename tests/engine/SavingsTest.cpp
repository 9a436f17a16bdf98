// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Savings.h"

#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

SavingsFields Fields(const char *amount, const char *period, const char *rate,
                     const char *reduced = "", const char *invest = "")
{
    return SavingsFields{amount, period, rate, reduced, invest};
}

void ExpectAllEmpty(const SavingsOutcome &out)
{
    EXPECT_TRUE(out.repayment.isEmpty());
    EXPECT_TRUE(out.reducedRepayment.isEmpty());
    EXPECT_TRUE(out.extra.isEmpty());
    EXPECT_TRUE(out.years.isEmpty());
    EXPECT_TRUE(out.investment.isEmpty());
}

} // namespace

QString FirstMessage(const SavingsOutcome &out)
{
    return out.FirstMessage() ? out.FirstMessage()->text : QString();
}

TEST(Savings, WorkedFigures)
{
    const SavingsOutcome out = CalculateSavings(Fields("100000", "25", "6", "15", "5"));
    EXPECT_TRUE(out.problems.empty());
    EXPECT_EQ(out.repayment, "$645");
    EXPECT_EQ(out.reducedRepayment, "$844");
    EXPECT_EQ(out.extra, "$199");
    EXPECT_EQ(out.years, "15");
    EXPECT_EQ(out.investment, "$100,157");
}

TEST(Savings, MissingInputsLeaveLaterResultsEmpty)
{
    const SavingsOutcome noInvest = CalculateSavings(Fields("100000", "25", "6", "15", ""));
    EXPECT_EQ(noInvest.extra, "$199");
    EXPECT_TRUE(noInvest.investment.isEmpty());
    const SavingsOutcome noRate = CalculateSavings(Fields("100000", "25", "", "15", "5"));
    ExpectAllEmpty(noRate);
    EXPECT_TRUE(noRate.problems.empty());
    const SavingsOutcome reducedZero = CalculateSavings(Fields("100000", "25", "6", "0", "5"));
    EXPECT_EQ(reducedZero.repayment, "$645");
    EXPECT_TRUE(reducedZero.reducedRepayment.isEmpty());
    EXPECT_TRUE(reducedZero.problems.empty());
    // Blanks are nothing typed yet, not a wrong number.
    const SavingsOutcome blanks = CalculateSavings(Fields("100000", "25", "6", " ", "5"));
    EXPECT_TRUE(blanks.problems.empty());
    EXPECT_EQ(blanks.repayment, "$645");
    EXPECT_TRUE(blanks.reducedRepayment.isEmpty());
}

TEST(Savings, RepaymentRoundsUpUnlessBelowACent)
{
    // 0 % over 1 year: the amount over 12 months, pushed up by 0.49 and rounded.
    EXPECT_EQ(CalculateSavings(Fields("7728.06", "1", "0")).repayment, "$644"); // 644.005
    EXPECT_EQ(CalculateSavings(Fields("7728.24", "1", "0")).repayment, "$645"); // 644.02
}

TEST(Savings, AReducedPeriodNotShorterIsRefusedWithoutNegativeFigures)
{
    for (const char *reduced : {"25", "30"}) {
        const SavingsOutcome out = CalculateSavings(Fields("100000", "25", "6", reduced, "5"));
        EXPECT_EQ(FirstMessage(out), "The reduced period must be shorter than the period.") << reduced;
        ASSERT_EQ(out.problems.size(), 1u);
        EXPECT_TRUE(out.problems[0].Concerns(SavingsField::ReducedPeriod));
        EXPECT_TRUE(out.problems[0].Concerns(SavingsField::Period));
        EXPECT_EQ(out.repayment, "$645");
        for (const QString &result : {out.reducedRepayment, out.extra, out.years, out.investment})
            EXPECT_TRUE(result.isEmpty()) << result.toStdString();
    }
    EXPECT_TRUE(CalculateSavings(Fields("100000", "25", "6", "24", "5")).problems.empty());
}

TEST(Savings, AmountTakesTheMortgageTabsRangeAndMessage)
{
    for (const char *amount : {"1000000000", "1e10", "0", "-5"}) {
        const SavingsOutcome out = CalculateSavings(Fields(amount, "25", "6", "15", "5"));
        EXPECT_EQ(FirstMessage(out), "You must enter a valid Mortgage amount between 0 and 999999999") << amount;
        ExpectAllEmpty(out);
    }
    const SavingsOutcome largest = CalculateSavings(Fields("999999999", "25", "6", "15", "5"));
    EXPECT_TRUE(largest.problems.empty()) << FirstMessage(largest).toStdString();
    EXPECT_FALSE(largest.investment.isEmpty());
}

TEST(Savings, TextThatIsNotANumberEmptiesEveryResult)
{
    const struct {
        SavingsField field;
        SavingsFields fields;
        const char *message;
    } cases[] = {
        {SavingsField::Amount, Fields("a", "25", "6"), "This Mortgage Amount must be Numeric only"},
        {SavingsField::Amount, Fields("-", "25", "6"), "This Mortgage Amount must be Numeric only"},
        {SavingsField::Period, Fields("1", "a", "6"), "This Period(years) must be Numeric only"},
        {SavingsField::Rate, Fields("1", "25", "1e"), "This Interest rate(%) must be Numeric only"},
        {SavingsField::ReducedPeriod, Fields("1", "25", "6", "."), "This Reduced Period(years) must be Numeric only"},
        {SavingsField::InvestRate, Fields("1", "25", "6", "5", "a"), "This Investment rate(%) must be Numeric only"},
    };
    for (const auto &c : cases) {
        const SavingsOutcome out = CalculateSavings(c.fields);
        EXPECT_EQ(FirstMessage(out), c.message);
        ASSERT_NE(out.ProblemOf(c.field), nullptr) << c.message;
        EXPECT_EQ(out.ProblemOf(c.field)->message.kind, MessageKind::Information);
        ExpectAllEmpty(out);
    }
    // Each field has its own message, so leaving any bad field tells of that one.
    const SavingsOutcome two = CalculateSavings(Fields("abc", "25", "6", "", "x"));
    ASSERT_NE(two.ProblemOf(SavingsField::InvestRate), nullptr);
    EXPECT_EQ(two.ProblemOf(SavingsField::InvestRate)->message.text, "This Investment rate(%) must be Numeric only");
    EXPECT_EQ(FirstMessage(two), "This Mortgage Amount must be Numeric only");
    EXPECT_EQ(two.ProblemOf(SavingsField::Rate), nullptr);
}

TEST(Savings, PeriodsThatAreNotWholeOrStandForNoMonths)
{
    const auto message = [](SavingsFields fields) { return FirstMessage(CalculateSavings(fields)); };
    EXPECT_EQ(message(Fields("100000", "0", "6")), "You must enter a period greater than 0.");
    EXPECT_EQ(message(Fields("100000", "0", "")), "You must enter a period greater than 0.");
    EXPECT_EQ(message(Fields("100000", "00", "6")), "You must enter a period greater than 0.");
    EXPECT_EQ(message(Fields("100000", "-5", "6")), "You must enter a period greater than 0.");
    EXPECT_EQ(message(Fields("100000", "2.5", "6")), "This Period(years) must be a whole number of years");
    EXPECT_EQ(message(Fields("100000", "25", "6", "00")), "You must enter a reduced period greater than 0.");
    EXPECT_EQ(message(Fields("100000", "25", "6", "1.5")),
              "This Reduced Period(years) must be a whole number of years");
    ExpectAllEmpty(CalculateSavings(Fields("100000", "2.5", "6", "1", "5")));
}

TEST(Savings, ZeroRateDividesTheAmountByTheMonths)
{
    EXPECT_EQ(CalculateSavings(Fields("12000", "1", "0")).repayment, "$1,000");
}

TEST(Savings, NothingNonFiniteComesOutOfTheFigures)
{
    const char *texts[] = {"", "0", "1", "-1", "100", "1e300", "-1200", "99999999", "-99999999"};
    for (const char *a : texts)
        for (const char *p : texts)
            for (const char *r : texts)
                for (const char *k : {"", "1", "99999999", "-3"})
                    for (const char *i : {"", "5", "-1200", "1e300"}) {
                        const SavingsOutcome out = CalculateSavings(Fields(a, p, r, k, i));
                        for (const QString &t : {out.repayment, out.reducedRepayment, out.extra, out.investment}) {
                            EXPECT_FALSE(t.contains("inf", Qt::CaseInsensitive)) << t.toStdString();
                            EXPECT_FALSE(t.contains("nan", Qt::CaseInsensitive)) << t.toStdString();
                            EXPECT_FALSE(t.contains(QChar(0x221E))) << t.toStdString();
                        }
                    }
}
