// SPDX-License-Identifier: GPL-3.0-or-later
// The command line read in-process, without starting the program.
#include "tests/cli/Args.h"
#include "cli/Commands.h"
#include "tests/common/FrequencyCases.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

Request Parsed(std::initializer_list<const char *> words)
{
    const ParsedArguments parsed = ParseArguments(Args(words));
    EXPECT_TRUE(parsed.request) << parsed.error.toStdString();
    return parsed.request.value_or(Request{});
}

QString UsageErrorOf(std::initializer_list<const char *> words)
{
    const ParsedArguments parsed = ParseArguments(Args(words));
    EXPECT_FALSE(parsed.request);
    return parsed.error;
}

} // namespace

TEST(Arguments, ValuesMayBeNegativeEmptyOrJoinedWithEquals)
{
    const Request r = Parsed({"whatif", "--solve=amount", "--repayment", "-5", "--years", "", "--json"});
    EXPECT_EQ(r.command, QStringLiteral("whatif"));
    EXPECT_EQ(r.Value(QStringLiteral("solve")), QStringLiteral("amount"));
    EXPECT_EQ(r.Value(QStringLiteral("repayment")), QStringLiteral("-5"));
    EXPECT_TRUE(r.Has(QStringLiteral("years")));
    EXPECT_EQ(r.Value(QStringLiteral("years")), QString());
    EXPECT_EQ(r.format, OutputFormat::Json);

    // The command may come after its options.
    EXPECT_EQ(Parsed({"--advance", "--csv", "repayment"}).command, QStringLiteral("repayment"));
    EXPECT_TRUE(Parsed({"--advance", "repayment"}).advance);
}

TEST(Arguments, MistakesAreUsageErrors)
{
    EXPECT_TRUE(UsageErrorOf({"repayment", "--amount"}).contains(QStringLiteral("--amount needs a value")));
    EXPECT_TRUE(UsageErrorOf({"repayment", "--amount", "--rate", "6"}).contains(QStringLiteral("needs a value")));
    EXPECT_TRUE(UsageErrorOf({"repayment", "--rate", "6", "--rate", "7"}).contains(QStringLiteral("twice")));
    EXPECT_TRUE(UsageErrorOf({"repayment", "--json", "--csv"}).contains(QStringLiteral("--csv and --json")));
    EXPECT_TRUE(UsageErrorOf({"repayment", "--advance=yes"}).contains(QStringLiteral("takes no value")));
    EXPECT_TRUE(UsageErrorOf({"repayment", "schedule"}).contains(QStringLiteral("Unexpected")));
    EXPECT_TRUE(UsageErrorOf({"savings", "--advance"}).contains(QStringLiteral("does not apply")));
    EXPECT_TRUE(UsageErrorOf({"whatif"}).contains(QStringLiteral("--solve")));

    // Combinations only the command can judge.
    const CommandResult solved = RunCommandLine(
        Args({"whatif", "--solve", "periods", "--amount", "100000", "--rate", "6", "--repayment", "700", "--part", "3"}));
    EXPECT_EQ(solved.status, ExitUsage);
    EXPECT_TRUE(solved.err.startsWith(QStringLiteral("Leave out --part")));
    const CommandResult start = RunCommandLine(Args({"specific", "--amount", "100000", "--rate", "6", "--years",
                                                     "25", "--extra", "1", "--start-period", "3"}));
    EXPECT_EQ(start.status, ExitUsage);
    EXPECT_TRUE(start.err.startsWith(QStringLiteral("--start-period needs --start-year.")));
    EXPECT_EQ(RunCommandLine(Args({"savings", "--amount", "5", "--rate", "6"})).status, ExitUsage);
}

class FrequencyArgument : public testing::TestWithParam<int> {};

TEST_P(FrequencyArgument, IsTakenAsOffered)
{
    const char *offered[] = {"Annualy", "Bi-Annualy", "Quarterly", "Monthly", "Bi-Monthly", "FortNightly",
                             "Weekly", "Daily"};
    const char *frequency = offered[GetParam()];
    Parsed({"repayment", "--payment", frequency, "--compounding", frequency});
}

INSTANTIATE_TEST_SUITE_P(EveryFrequency, FrequencyArgument, EveryFrequency(), FrequencyNamed());

TEST(Arguments, ChoicesMustBeSpelledAsOffered)
{
    for (const char *frequency : {"monthly", "Annually", "Fortnightly", " Monthly", ""})
        EXPECT_FALSE(UsageErrorOf({"repayment", "--compounding", frequency}).isEmpty()) << frequency;

    for (const char *step : {"1000", "2000", "5000", "10000"})
        Parsed({"grid", "--amount-step", step});
    for (const char *step : {"0.1", "0.125", "0.25", "0.5", "0.75", "1", "2", "0.50"})
        Parsed({"grid", "--interest-step", step});
    for (const char *step : {"3000", "2000.0", "x", "1,000"})
        EXPECT_FALSE(UsageErrorOf({"grid", "--amount-step", step}).isEmpty()) << step;
    for (const char *step : {"0.3", "0,25", "nan", "1e400"})
        EXPECT_FALSE(UsageErrorOf({"grid", "--interest-step", step}).isEmpty()) << step;
    EXPECT_FALSE(UsageErrorOf({"schedule", "--by", "month"}).isEmpty());
}
