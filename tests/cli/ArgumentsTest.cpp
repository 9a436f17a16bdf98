// The command line read in-process, without starting the program.
#include "Commands.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

QStringList Args(std::initializer_list<const char *> words)
{
    QStringList list;
    for (const char *w : words)
        list << QString::fromLatin1(w);
    return list;
}

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
    EXPECT_TRUE(UsageErrorOf({"savings", "--years", "25"}).contains(QStringLiteral("does not apply")));
    EXPECT_TRUE(UsageErrorOf({"savings", "--advance"}).contains(QStringLiteral("does not apply")));
    EXPECT_TRUE(UsageErrorOf({"whatif"}).contains(QStringLiteral("--solve")));
}

TEST(Arguments, ChoicesMustBeSpelledAsOffered)
{
    for (const char *frequency : {"Annualy", "Bi-Annualy", "Quarterly", "Monthly", "Bi-Monthly", "FortNightly",
                                  "Weekly", "Daily"})
        EXPECT_EQ(Parsed({"repayment", "--payment", frequency, "--compounding", frequency}).Value(
                      QStringLiteral("payment")),
                  QString::fromLatin1(frequency));
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
}

TEST(Arguments, WhatIfRefusesAValueForTheFieldItSolves)
{
    const CommandResult result = RunCommandLine(
        Args({"whatif", "--solve", "periods", "--amount", "100000", "--rate", "6", "--repayment", "700", "--part", "3"}));
    EXPECT_EQ(result.status, ExitUsage);
    EXPECT_TRUE(result.err.startsWith(QStringLiteral("Leave out --part")));
    EXPECT_EQ(result.out, QString());
}

TEST(Arguments, StartPeriodNeedsAStartYear)
{
    const CommandResult result = RunCommandLine(Args({"specific", "--amount", "100000", "--rate", "6", "--years",
                                                      "25", "--extra", "1", "--start-period", "3"}));
    EXPECT_EQ(result.status, ExitUsage);
    EXPECT_TRUE(result.err.startsWith(QStringLiteral("--start-period needs --start-year.")));
}
