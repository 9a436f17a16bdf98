// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/WhatIf.h"

#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

WhatIfFields Fields(WhatIfVariable solve, const char *amount, const char *years, const char *part,
                    const char *rate, const char *repay, Timing timing = Timing::InArrears)
{
    WhatIfFields fields;
    fields.solveFor = solve;
    fields.principal = amount;
    fields.periods = years;
    fields.partYear = part;
    fields.interest = rate;
    fields.repay = repay;
    fields.timing = timing;
    return fields;
}

WhatIfFields Solved(const WhatIfFields &fields)
{
    const WhatIfOutcome outcome = SolveWhatIf(fields);
    EXPECT_FALSE(outcome.message) << outcome.message->text.toStdString();
    return outcome.fields;
}

QString MessageOf(const WhatIfFields &fields)
{
    const WhatIfOutcome outcome = SolveWhatIf(fields);
    EXPECT_EQ(outcome.fields.principal, fields.principal);
    EXPECT_EQ(outcome.fields.periods, fields.periods);
    EXPECT_EQ(outcome.fields.partYear, fields.partYear);
    EXPECT_EQ(outcome.fields.interest, fields.interest);
    EXPECT_EQ(outcome.fields.repay, fields.repay);
    return outcome.message ? outcome.message->text : QString();
}

} // namespace

TEST(WhatIf, SolvesForTheRepayment)
{
    EXPECT_EQ(Solved(Fields(WhatIfVariable::Payment, "100000", "25", "", "6", "")).repay, "644.3015");
    EXPECT_EQ(Solved(Fields(WhatIfVariable::Payment, "100000", "25", "", "6", "", Timing::InAdvance)).repay,
              "641.096");
}

TEST(WhatIf, SolvesForTheAmount)
{
    const WhatIfFields out = Solved(Fields(WhatIfVariable::Amount, "", "25", "", "6", "644.3015"));
    EXPECT_EQ(out.principal, "100000");
    EXPECT_EQ(out.repay, "644.3015");
}

TEST(WhatIf, SolvesForThePeriods)
{
    const WhatIfFields arrears = Solved(Fields(WhatIfVariable::Periods, "100000", "", "", "6", "644.3015"));
    EXPECT_EQ(arrears.periods, "25");
    EXPECT_EQ(arrears.partYear, "0");
    const WhatIfFields advance =
        Solved(Fields(WhatIfVariable::Periods, "100000", "", "", "6", "644.3015", Timing::InAdvance));
    EXPECT_EQ(advance.periods, "24");
    EXPECT_EQ(advance.partYear, "9");
}

TEST(WhatIf, SolvesForTheInterestRate)
{
    EXPECT_EQ(Solved(Fields(WhatIfVariable::Interest, "100000", "25", "", "", "644.3015")).interest, "6");
    EXPECT_EQ(Solved(Fields(WhatIfVariable::Interest, "100000", "25", "", "", "644.31")).interest, "6.0001");
    WhatIfFields yearly = Fields(WhatIfVariable::Interest, "100000", "25", "", "", "644.3015");
    yearly.compounded = "Annualy";
    EXPECT_EQ(Solved(yearly).interest, "6.1678");
}

TEST(WhatIf, ARateTheSearchCannotReachIsSaidNotShown)
{
    // The true rate is about 60 %: the search stops at its top, whatever the compounding.
    const QString above = MessageOf(Fields(WhatIfVariable::Interest, "100000", "25", "", "", "5000"));
    EXPECT_TRUE(above.startsWith("No interest rate up to 52%")) << above.toStdString();
    WhatIfFields yearly = Fields(WhatIfVariable::Interest, "100000", "25", "", "", "5000");
    yearly.compounded = "Annualy";
    EXPECT_EQ(MessageOf(yearly), above);
    // 120 payments of 900 are 108000, less than the 120000 borrowed.
    const QString below = MessageOf(Fields(WhatIfVariable::Interest, "120000", "10", "", "", "900"));
    EXPECT_TRUE(below.startsWith("The repayments add up to less than the amount")) << below.toStdString();
    EXPECT_EQ(MessageOf(Fields(WhatIfVariable::Interest, "120000", "10", "", "", "900", Timing::InAdvance)),
              below);
    // Just inside the top of the range is still a rate.
    const QString top = Solved(Fields(WhatIfVariable::Payment, "100000", "25", "", "51.9", "")).repay;
    EXPECT_EQ(Solved(Fields(WhatIfVariable::Interest, "100000", "25", "", "", top.toLatin1().constData())).interest,
              "51.9");
}

TEST(WhatIf, ZeroAmountOrRepaymentPassesTheChecks)
{
    EXPECT_EQ(Solved(Fields(WhatIfVariable::Payment, "0", "25", "", "6", "")).repay, "0");
    EXPECT_EQ(Solved(Fields(WhatIfVariable::Amount, "", "25", "", "6", "0")).principal, "0");
}

TEST(WhatIf, MessagesInTheirOrder)
{
    EXPECT_EQ(MessageOf(Fields(WhatIfVariable::Payment, "x", "x", "", "0", "")),
              "You must enter an interest rate greater than 0 and less that 100%");
    EXPECT_EQ(MessageOf(Fields(WhatIfVariable::Payment, "x", "51", "", "6", "")),
              "You must enter a period  between 0 and 50");
    EXPECT_EQ(MessageOf(Fields(WhatIfVariable::Payment, "1000000000", "25", "", "6", "")),
              "You must enter a valid amount, less than 999999999");
    EXPECT_EQ(MessageOf(Fields(WhatIfVariable::Amount, "", "25", "", "6", "-1")),
              "You must enter a valid Mortgage payment, less than 999999999");
    // The rate is not checked when it is the answer, nor the term when the periods are.
    EXPECT_EQ(MessageOf(Fields(WhatIfVariable::Interest, "x", "25", "", "", "1")),
              "You must enter a valid amount, less than 999999999");
    EXPECT_EQ(MessageOf(Fields(WhatIfVariable::Periods, "100000", "x", "y", "6", "")),
              "You must enter a valid Mortgage payment, less than 999999999");
}

TEST(WhatIf, TermMessagesAreConfirmations)
{
    const WhatIfOutcome outcome = SolveWhatIf(Fields(WhatIfVariable::Payment, "1", "", "", "6", ""));
    ASSERT_TRUE(outcome.message);
    EXPECT_EQ(outcome.message->text, "You must enter a period ");
    EXPECT_EQ(outcome.message->kind, MessageKind::Confirmation);
}

TEST(WhatIf, PeriodsThatNeverClearTheLoanAreRefused)
{
    const QString cannot = "This Mortgage can't be paid off in a reasonable period. Try increasing your payments.";
    EXPECT_EQ(MessageOf(Fields(WhatIfVariable::Periods, "100000", "", "", "6", "400", Timing::InAdvance)), cannot);
    // In arrears: a repayment not above one month's interest (500), or nothing at all.
    EXPECT_EQ(MessageOf(Fields(WhatIfVariable::Periods, "100000", "", "", "6", "500")), cannot);
    EXPECT_EQ(MessageOf(Fields(WhatIfVariable::Periods, "100000", "", "", "6", "0")), cannot);
    EXPECT_EQ(MessageOf(Fields(WhatIfVariable::Periods, "0", "", "", "6", "0")), cannot);
    EXPECT_EQ(MessageOf(Fields(WhatIfVariable::Periods, "0", "", "", "6", "0", Timing::InAdvance)), cannot);
}

TEST(WhatIf, RateTooSmallForTheFrequencyIsRefused)
{
    WhatIfFields fields = Fields(WhatIfVariable::Payment, "100000", "25", "", "0.000001", "");
    fields.payment = "Daily";
    fields.compounded = "Daily";
    EXPECT_TRUE(MessageOf(fields).startsWith("This interest rate is too small"));
}

TEST(WhatIf, NothingNonFiniteComesOutOfTheSolver)
{
    const char *texts[] = {"", " ", "abc", "1e400", "-0", "0", "0.000001", "100", "999999999", "1e-300"};
    for (int solve = 1; solve <= 4; ++solve)
        for (const char *a : texts)
            for (const char *r : texts)
                for (Timing timing : {Timing::InArrears, Timing::InAdvance}) {
                    const WhatIfOutcome out = SolveWhatIf(Fields(static_cast<WhatIfVariable>(solve), a,
                                                                 "50", "12", r, a, timing));
                    for (const QString &text : {out.fields.principal, out.fields.periods,
                                                out.fields.partYear, out.fields.interest, out.fields.repay}) {
                        EXPECT_FALSE(text.contains("inf", Qt::CaseInsensitive)) << text.toStdString();
                        EXPECT_FALSE(text.contains("nan", Qt::CaseInsensitive)) << text.toStdString();
                    }
                }
}

// The tab takes the user to the field a message refuses: the first known field
// read wrong, in the order of the checks; none for a failure of the figures.
TEST(WhatIf, AMessageNamesTheKnownFieldItRefuses)
{
    auto faultOf = [](const WhatIfFields &fields) { return SolveWhatIf(fields).fault; };
    EXPECT_EQ(faultOf(Fields(WhatIfVariable::Payment, "100000", "25", "", "x", "")), WhatIfVariable::Interest);
    EXPECT_EQ(faultOf(Fields(WhatIfVariable::Payment, "100000", "99", "", "6", "")), WhatIfVariable::Periods);
    EXPECT_EQ(faultOf(Fields(WhatIfVariable::Payment, "lots", "25", "", "6", "")), WhatIfVariable::Amount);
    EXPECT_EQ(faultOf(Fields(WhatIfVariable::Amount, "", "25", "", "6", "-1")), WhatIfVariable::Payment);
    EXPECT_EQ(faultOf(Fields(WhatIfVariable::Payment, "100000", "25", "", "6", "")), std::nullopt);
    const WhatIfOutcome never = SolveWhatIf(Fields(WhatIfVariable::Periods, "100000", "", "", "6", "100"));
    ASSERT_TRUE(never.message);
    EXPECT_EQ(never.fault, std::nullopt);
}
