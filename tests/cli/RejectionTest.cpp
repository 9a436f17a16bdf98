// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs each window refuses: the same message on standard error, exit status 2,
// nothing on standard output.
#include "tests/cli/Args.h"
#include "tests/cli/CalcProcess.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

struct Rejected {
    std::initializer_list<const char *> args;
    const char *message;
};

void ExpectRejected(const QStringList &args, const QString &message)
{
    const CalcRun run = RunCalc(args);
    const std::string shown = args.join(QLatin1Char(' ')).toStdString();
    EXPECT_FALSE(run.crashed) << shown;
    EXPECT_EQ(run.status, 2) << shown;
    EXPECT_EQ(run.out, QString()) << shown;
    EXPECT_EQ(run.err, message + QLatin1Char('\n')) << shown;
}

void ExpectAllRejected(std::initializer_list<Rejected> cases)
{
    for (const Rejected &c : cases)
        ExpectRejected(Args(c.args), QString::fromLatin1(c.message));
}

const char *const kAmount = "You must enter a valid Mortgage amount between 0 and 999999999";
const char *const kRate = "You must enter a valid interest rate between 0 and 100";

} // namespace

TEST(Rejection, RepaymentChecksAmountThenTermThenRate)
{
    ExpectAllRejected({
        {{"repayment", "--rate", "6", "--years", "25"}, kAmount},
        {{"repayment", "--amount", "0", "--rate", "6", "--years", "25"}, kAmount},
        {{"repayment", "--amount", "-0", "--rate", "6", "--years", "25"}, kAmount},
        {{"repayment", "--amount", "1000000000", "--rate", "6", "--years", "25"}, kAmount},
        {{"repayment", "--amount", "1,000", "--rate", "6", "--years", "25"}, kAmount},
        {{"repayment", "--amount", "1e400", "--rate", "x", "--years", "x"}, kAmount},
        {{"repayment", "--amount", "100000", "--rate", "x", "--years", "x"}, "You must enter a valid Year"},
        {{"repayment", "--amount", "100000", "--rate", "6", "--years", "51"},
         "You must enter a period  between 0 and 50"},
        {{"repayment", "--amount", "100000", "--rate", "6", "--years", "0"}, "You must enter a period "},
        {{"repayment", "--amount", "100000", "--rate", "6", "--years", "1", "--part", "13"},
         "You must enter a Month between 0 and 12"},
        {{"repayment", "--amount", "100000", "--rate", "6", "--years", "1", "--part", "x"},
         "You must enter a valid Month"},
        {{"repayment", "--amount", "100000", "--rate", "6", "--years", "50", "--part", "366",
          "--payment", "Daily"}, "You must enter a Day between 0 and 365"},
        {{"repayment", "--amount", "100000", "--rate", "0", "--years", "25"}, kRate},
        {{"repayment", "--amount", "100000", "--rate", "100.0001", "--years", "25"}, kRate},
        {{"repayment", "--amount", "100000", "--rate", "nan", "--years", "25"}, kRate},
        {{"repayment", "--amount", "100000", "--rate", "6", "--years", "2", "--part", "1",
          "--payment", "Annualy"}, "Annualy payments have no part-year; leave out --part."},
    });
}

TEST(Rejection, AnalysisCommandsAcceptAZeroAmount)
{
    for (const char *command : {"schedule", "additional"}) {
        ExpectAllRejected({
            {{command, "--amount", "abc", "--rate", "6", "--years", "25"}, kAmount},
            {{command, "--amount", "100000", "--rate", "0", "--years", "25"}, kRate},
            {{command, "--amount", "100000", "--rate", "6"}, "You must enter a period "},
        });
        EXPECT_EQ(RunCalc(Args({command, "--amount", "0", "--rate", "6", "--years", "25"})).status, 0)
            << command;
    }
}

TEST(Rejection, GridWordsItsMessagesItsOwnWay)
{
    ExpectAllRejected({
        {{"grid", "--amount", "", "--rate", "6", "--years", "25"},
         "You must enter a Mortgage amount between 0 and 999999999"},
        {{"grid", "--amount", "100000", "--rate", "0", "--years", "25"},
         "You must enter an interest rate between 0 and 100."},
        {{"grid", "--amount", "100000", "--rate", "6", "--years", "x"}, "You must enter a valid Year"},
    });
}

TEST(Rejection, SpecificPaymentAndItsStart)
{
    auto with = [](std::initializer_list<const char *> more) {
        return Args({"specific", "--amount", "100000", "--rate", "6", "--years", "25"}) + Args(more);
    };
    ExpectRejected(with({}), QString::fromLatin1(kAmount));
    ExpectRejected(with({"--extra", "letters"}), QString::fromLatin1(kAmount));
    ExpectRejected(with({"--extra", "-1"}), QString::fromLatin1(kAmount));
    ExpectRejected(with({"--extra", "1000000000"}), QString::fromLatin1(kAmount));
    ExpectRejected(with({"--extra", "100", "--start-year", "0"}), QStringLiteral("You must enter a year."));
    ExpectRejected(with({"--extra", "100", "--start-year", "2.5"}), QStringLiteral("You must enter a year."));
    ExpectRejected(with({"--extra", "100", "--start-year", "26"}),
                   QStringLiteral("You must enter a year between 1 and 25"));
    ExpectRejected(with({"--extra", "100", "--start-year", "-1"}),
                   QStringLiteral("You must enter a year between 1 and 25"));
    ExpectRejected(with({"--extra", "100", "--start-year", "1", "--start-period", "13"}),
                   QStringLiteral("You must enter a Month between 1 and 12"));
    ExpectRejected(with({"--extra", "100", "--start-year", "1", "--start-period", "-0"}),
                   QStringLiteral("You must enter a Month between 1 and 12"));
    ExpectRejected(with({"--extra", "100", "--start-year", "1", "--start-period", "June"}),
                   QStringLiteral("You must enter a Month between 1 and 12"));
    ExpectRejected(with({"--extra", "1", "--start-year", "2", "--start-period", "53", "--payment", "Weekly"}),
                   QStringLiteral("You must enter a Week between 1 and 52"));
    ExpectRejected(with({"--extra", "1", "--start-year", "2", "--start-period", "1", "--payment", "Annualy"}),
                   QStringLiteral("Annualy payments have one payment a year; leave out --start-period."));
    EXPECT_EQ(RunCalc(with({"--extra", "100", "--start-year", "1", "--start-period", "12"})).status, 0);
    EXPECT_EQ(RunCalc(with({"--extra", "1", "--start-year", "2", "--payment", "Annualy"})).status, 0);

    // A part year is the last year to start in, as long as its periods.
    const QStringList partOnly = Args({"specific", "--amount", "100000", "--rate", "6", "--part", "6",
                                       "--extra", "1", "--start-year", "1"});
    EXPECT_EQ(RunCalc(partOnly + Args({"--start-period", "6"})).status, 0);
    ExpectRejected(partOnly + Args({"--start-period", "7"}), QStringLiteral("You must enter a Month between 1 and 6"));
    ExpectRejected(Args({"specific", "--amount", "100000", "--rate", "6", "--part", "6", "--extra", "1",
                         "--start-year", "2"}),
                   QStringLiteral("You must enter a year between 1 and 1"));
    // A start year must lie within the term the rounded repayment really takes:
    // 23 years and 2 months, so year 24 at months 1 and 2.
    const QStringList shortened = Args({"specific", "--amount", "100", "--rate", "25", "--years", "25",
                                        "--extra", "1", "--start-year"});
    EXPECT_EQ(RunCalc(shortened + Args({"24", "--start-period", "2"})).status, 0);
    ExpectRejected(shortened + Args({"24", "--start-period", "3"}),
                   QStringLiteral("You must enter a Month between 1 and 2"));
    ExpectRejected(shortened + Args({"25"}), QStringLiteral("You must enter a year between 1 and 24"));
}

TEST(Rejection, WhatIfChecksRateFirst)
{
    ExpectAllRejected({
        {{"whatif", "--solve", "payment", "--amount", "x", "--years", "x", "--rate", "0"},
         "You must enter an interest rate greater than 0 and less that 100%"},
        {{"whatif", "--solve", "payment", "--amount", "x", "--years", "x", "--rate", "6"},
         "You must enter a valid Year"},
        {{"whatif", "--solve", "payment", "--amount", "x", "--years", "25", "--rate", "6"},
         "You must enter a valid amount, less than 999999999"},
        {{"whatif", "--solve", "amount", "--years", "25", "--rate", "6", "--repayment", "-5"},
         "You must enter a valid Mortgage payment, less than 999999999"},
        {{"whatif", "--solve", "periods", "--amount", "100000", "--rate", "6", "--repayment", "400", "--advance"},
         "This Mortgage can't be paid off in a reasonable period. Try increasing your payments."},
        // In arrears the repayment does not even cover one month's interest.
        {{"whatif", "--solve", "periods", "--amount", "100000", "--rate", "6", "--repayment", "400"},
         "This Mortgage can't be paid off in a reasonable period. Try increasing your payments."},
        {{"whatif", "--solve", "periods", "--amount", "0", "--rate", "6", "--repayment", "0"},
         "This Mortgage can't be paid off in a reasonable period. Try increasing your payments."},
    });
}

TEST(Rejection, SavingsNamesTheFieldAtFault)
{
    ExpectAllRejected({
        {{"savings", "--amount", "abc", "--period", "25", "--rate", "6"}, "This Mortgage Amount must be Numeric only"},
        {{"savings", "--amount", "100000", "--period", "x", "--rate", "6"}, "This Period(years) must be Numeric only"},
        {{"savings", "--amount", "100000", "--period", "25", "--rate", "1e400"},
         "This Interest rate(%) must be Numeric only"},
        {{"savings", "--amount", "100000", "--period", "25", "--rate", "6", "--reduced", "x"},
         "This Reduced Period(years) must be Numeric only"},
        {{"savings", "--amount", "100000", "--period", "25", "--rate", "6", "--reduced", "15", "--invest", "nan"},
         "This Investment rate(%) must be Numeric only"},
        {{"savings", "--amount", "100000", "--period", "0", "--rate", "6"}, "You must enter a period greater than 0."},
        // As the tab: a shorter period that is not shorter, and the Mortgage tab's amount range.
        {{"savings", "--amount", "100000", "--period", "25", "--rate", "6", "--reduced", "30"},
         "The reduced period must be shorter than the period."},
        {{"savings", "--amount", "1000000000", "--period", "25", "--rate", "6"},
         "You must enter a valid Mortgage amount between 0 and 999999999"},
    });
}
