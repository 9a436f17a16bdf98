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

TEST(Savings, WorkedFigures)
{
    const SavingsOutcome out = CalculateSavings(Fields("100000", "25", "6", "15", "5"), SavingsField::InvestRate);
    EXPECT_FALSE(out.message);
    EXPECT_EQ(out.repayment, "$645");
    EXPECT_EQ(out.reducedRepayment, "$844");
    EXPECT_EQ(out.extra, "$199");
    EXPECT_EQ(out.years, "15");
    EXPECT_EQ(out.investment, "$100,157");
}

TEST(Savings, MissingInputsLeaveLaterResultsEmpty)
{
    const SavingsOutcome noInvest = CalculateSavings(Fields("100000", "25", "6", "15", ""), SavingsField::Amount);
    EXPECT_EQ(noInvest.extra, "$199");
    EXPECT_TRUE(noInvest.investment.isEmpty());
    const SavingsOutcome noRate = CalculateSavings(Fields("100000", "25", "", "15", "5"), SavingsField::Amount);
    ExpectAllEmpty(noRate);
    EXPECT_FALSE(noRate.message);
    const SavingsOutcome reducedZero = CalculateSavings(Fields("100000", "25", "6", "0", "5"), SavingsField::ReducedPeriod);
    EXPECT_EQ(reducedZero.repayment, "$645");
    EXPECT_TRUE(reducedZero.reducedRepayment.isEmpty());
    EXPECT_FALSE(reducedZero.message);
}

TEST(Savings, RepaymentRoundsUpUnlessBelowACent)
{
    // 0 % over 1 year: the amount over 12 months, pushed up by 0.49 and rounded.
    EXPECT_EQ(CalculateSavings(Fields("7728.06", "1", "0"), {}).repayment, "$644"); // 644.005
    EXPECT_EQ(CalculateSavings(Fields("7728.24", "1", "0"), {}).repayment, "$645"); // 644.02
}

TEST(Savings, LongerReducedTermGivesNegativeExtra)
{
    const SavingsOutcome out = CalculateSavings(Fields("100000", "15", "6", "25", "5"), SavingsField::ReducedPeriod);
    EXPECT_FALSE(out.message);
    EXPECT_EQ(out.extra, "($199)");
    EXPECT_FALSE(out.investment.isEmpty());
}

TEST(Savings, LettersInTheChangedFieldShowItsMessage)
{
    const struct {
        SavingsField field;
        SavingsFields fields;
        const char *message;
    } cases[] = {
        {SavingsField::Amount, Fields("a", "25", "6"), "This Mortgage Amount must be Numeric only"},
        {SavingsField::Period, Fields("1", "a", "6"), "This Period(years) must be Numeric only"},
        {SavingsField::Rate, Fields("1", "25", "a"), "This Interest rate(%) must be Numeric only"},
        {SavingsField::ReducedPeriod, Fields("1", "25", "6", "a"), "This Reduced Period(years) must be Numeric only"},
        {SavingsField::InvestRate, Fields("1", "25", "6", "5", "a"), "This Investment rate(%) must be Numeric only"},
    };
    for (const auto &c : cases) {
        const SavingsOutcome out = CalculateSavings(c.fields, c.field);
        ASSERT_TRUE(out.message);
        EXPECT_EQ(out.message->text, c.message);
        EXPECT_EQ(out.message->kind, MessageKind::Information);
        ExpectAllEmpty(out);
    }
    // Clearing the field again raises nothing.
    EXPECT_FALSE(CalculateSavings(Fields("", "25", "6"), SavingsField::Amount).message);
    EXPECT_FALSE(CalculateSavings(Fields("  ", "", "6"), SavingsField::Amount).message);
}

TEST(Savings, BadTextInAnotherFieldShowsThatFieldsMessage)
{
    const SavingsOutcome letters = CalculateSavings(Fields("abc", "25", "6"), SavingsField::Rate);
    ASSERT_TRUE(letters.message);
    EXPECT_EQ(letters.message->text, "This Mortgage Amount must be Numeric only");
    ExpectAllEmpty(letters);
    const SavingsOutcome blanks = CalculateSavings(Fields("100000", "25", "6", " "), SavingsField::Amount);
    ASSERT_TRUE(blanks.message);
    EXPECT_EQ(blanks.message->text, "This Reduced Period(years) must be Numeric only");
    ExpectAllEmpty(blanks);
}

TEST(Savings, PeriodsThatAreNotWholeOrStandForNoMonths)
{
    const auto message = [](SavingsFields fields) {
        const SavingsOutcome out = CalculateSavings(fields, SavingsField::Period);
        ExpectAllEmpty(out);
        return out.message ? out.message->text : QString();
    };
    EXPECT_EQ(message(Fields("100000", "0", "6")), "You must enter a period greater than 0.");
    EXPECT_EQ(message(Fields("100000", "0", "")), "You must enter a period greater than 0.");
    EXPECT_EQ(message(Fields("100000", "00", "6")), "You must enter a period greater than 0.");
    EXPECT_EQ(message(Fields("100000", "-5", "6")), "You must enter a period greater than 0.");
    EXPECT_EQ(message(Fields("100000", "2.5", "6")), "This Period(years) must be a whole number of years");
    EXPECT_EQ(message(Fields("100000", "25", "6", "00")), "You must enter a reduced period greater than 0.");
    EXPECT_EQ(message(Fields("100000", "25", "6", "1.5")),
              "This Reduced Period(years) must be a whole number of years");
}

TEST(Savings, ZeroRateDividesTheAmountByTheMonths)
{
    EXPECT_EQ(CalculateSavings(Fields("12000", "1", "0"), {}).repayment, "$1,000");
}

TEST(Savings, NothingNonFiniteComesOutOfTheFigures)
{
    const char *texts[] = {"", "0", "1", "-1", "100", "1e300", "-1200", "99999999", "-99999999"};
    for (const char *a : texts)
        for (const char *p : texts)
            for (const char *r : texts)
                for (const char *k : {"", "1", "99999999", "-3"})
                    for (const char *i : {"", "5", "-1200", "1e300"}) {
                        const SavingsOutcome out = CalculateSavings(Fields(a, p, r, k, i), {});
                        for (const QString &t : {out.repayment, out.reducedRepayment, out.extra, out.investment}) {
                            EXPECT_FALSE(t.contains("inf", Qt::CaseInsensitive)) << t.toStdString();
                            EXPECT_FALSE(t.contains("nan", Qt::CaseInsensitive)) << t.toStdString();
                            EXPECT_FALSE(t.contains(QChar(0x221E))) << t.toStdString();
                        }
                    }
}
