// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ErrorChecking.h"
#include "engine/LoanChecks.h"
#include "engine/MortgageFunctions.h"

#include "tests/common/FrequencyCases.h"
#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

TEST(IsNumberInRange, BoundsAreInclusiveAndBlanksIgnored)
{
    EXPECT_TRUE(IsNumberInRange("999999999", 0, 999999999));
    EXPECT_TRUE(IsNumberInRange("  999999999  ", 0, 999999999));
    EXPECT_FALSE(IsNumberInRange("1000000000", 0, 999999999));
    EXPECT_TRUE(IsNumberInRange("0.001", 0.001, 999999999));
    EXPECT_FALSE(IsNumberInRange("0.0009", 0.001, 999999999));
    EXPECT_TRUE(IsNumberInRange("0.000001", 0.000001, 100));
    EXPECT_TRUE(IsNumberInRange("100", 0.000001, 100));
    EXPECT_FALSE(IsNumberInRange("100.5", 0.000001, 100));
    EXPECT_FALSE(IsNumberInRange("abc", 0, 100));
    EXPECT_FALSE(IsNumberInRange("", 0, 100));
}

TEST(IsNumber, RejectsEmptyBlanksSeparatorsAndNonFinite)
{
    EXPECT_FALSE(IsNumber(""));
    EXPECT_FALSE(IsNumber("   "));
    EXPECT_FALSE(IsNumber("1,000"));
    EXPECT_FALSE(IsNumber("1e400"));
    EXPECT_FALSE(IsNumber("inf"));
    EXPECT_FALSE(IsNumber("nan"));
    EXPECT_FALSE(IsNumber("12abc"));
    EXPECT_TRUE(IsNumber("1e5"));
    EXPECT_TRUE(IsNumber(" -2.5 "));
    EXPECT_EQ(*ParseNumber("-0"), 0.0);
    EXPECT_FALSE(std::signbit(*ParseNumber("-0")));
}

TEST(IsNumber, FollowsTheLocalesDecimalSeparator)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(ParseNumber("1234,5", german), 1234.5);
    EXPECT_FALSE(IsNumber("1.234,5", german));
    EXPECT_FALSE(IsNumber("1234.5", german));
}

TEST(IsWholeNumber, SignAndDigitsOnly)
{
    EXPECT_TRUE(IsWholeNumber(" 25 "));
    EXPECT_TRUE(IsWholeNumber("-3"));
    EXPECT_TRUE(IsWholeNumber("+3"));
    EXPECT_FALSE(IsWholeNumber("2.5"));
    EXPECT_FALSE(IsWholeNumber("0x12"));
    EXPECT_FALSE(IsWholeNumber("1e3"));
    EXPECT_FALSE(IsWholeNumber(""));
    EXPECT_FALSE(IsWholeNumber("99999999999"));
}

TEST(ValidateTerm, MonthlyMessages)
{
    const QString phrase = " a period ";
    EXPECT_FALSE(ValidateTerm("", phrase, "6", 50, 12));
    EXPECT_FALSE(ValidateTerm("25", phrase, "", 50, 12));
    EXPECT_FALSE(ValidateTerm("50", phrase, "12", 50, 12)); // part-year equal to P is accepted
    EXPECT_EQ(ValidateTerm("0", phrase, "", 50, 12), "You must enter a period ");
    EXPECT_EQ(ValidateTerm("", phrase, "", 50, 12), "You must enter a period ");
    EXPECT_EQ(ValidateTerm("51", phrase, "", 50, 12), "You must enter a period  between 0 and 50");
    EXPECT_EQ(ValidateTerm("-1", phrase, "", 50, 12), "You must enter a period  between 0 and 50");
    EXPECT_EQ(ValidateTerm("2.5", phrase, "", 50, 12), "You must enter a valid Year");
    EXPECT_EQ(ValidateTerm("abc", phrase, "", 50, 12), "You must enter a valid Year");
    EXPECT_EQ(ValidateTerm("1", phrase, "x", 50, 12), "You must enter a valid Month");
    EXPECT_EQ(ValidateTerm("1", phrase, "13", 50, 12), "You must enter a Month between 0 and 12");
    EXPECT_EQ(ValidateTerm("1", phrase, "-1", 50, 12), "You must enter a Month between 0 and 12");
}

TEST(ValidateTerm, UnitNamesFollowTheFrequency)
{
    const QString phrase = " a period ";
    EXPECT_EQ(ValidateTerm("1", phrase, "366", 50, 365), "You must enter a Day between 0 and 365");
    EXPECT_EQ(ValidateTerm("1", phrase, "a", 50, 26), "You must enter a valid Fortnight");
    EXPECT_EQ(ValidateTerm("1", phrase, "a", 50, 1), "You must enter a valid ");
    EXPECT_EQ(ValidateTerm("1", phrase, "2", 50, 1), "You must enter a  between 0 and 1");
}

class PeriodUnitNames : public testing::TestWithParam<int> {};

TEST_P(PeriodUnitNames, FollowsTheFrequency)
{
    const char *units[] = {"", "Half-Year", "Quarter", "Month", "Half-Month", "Fortnight", "Week", "Day"};
    EXPECT_EQ(PeriodUnitName(Frequencies()[GetParam()].periods), units[GetParam()]);
}

INSTANTIATE_TEST_SUITE_P(EveryFrequency, PeriodUnitNames, EveryFrequency(), FrequencyNamed());

TEST(RoundToPlaces, KnownValues)
{
    EXPECT_DOUBLE_EQ(RoundToPlaces(644.3063, 2), 644.31);
    EXPECT_DOUBLE_EQ(RoundToPlaces(5.678, 2), 5.68);
    EXPECT_EQ(RoundToPlaces(5, 2), 5);
    EXPECT_EQ(RoundToPlaces(1.000004, 2), 1.000004); // too close to 1: unchanged
    EXPECT_DOUBLE_EQ(RoundToPlaces(0.00541666666666667, 10), 0.0054166667);
    EXPECT_DOUBLE_EQ(RoundToPlaces(-3.456, 2), -3.46);
    EXPECT_EQ(RoundToPlaces(0, 2), 0);
    EXPECT_EQ(RoundToPlaces(2e15, 2), 2e15);
}

TEST(RoundToPlaces, HalvesGoToTheEvenNeighbourOfTheRemainder)
{
    // The integer part is split off from x - 1, so the halves rounded are those of
    // a remainder between 1 and 2: 2.5 leaves 1.5, which goes to 2.
    EXPECT_EQ(RoundToPlaces(0.5, 0), 0);
    EXPECT_EQ(RoundToPlaces(2.5, 0), 3);
    EXPECT_EQ(RoundToPlaces(3.5, 0), 4);
    EXPECT_EQ(RoundToPlaces(1.125, 2), 1.12);
    EXPECT_EQ(RoundToPlaces(0.125, 2), 0.12);
    EXPECT_EQ(RoundToPlaces(0.375, 2), 0.38);
}

TEST(MoneyText, UnitedStates)
{
    EXPECT_EQ(MoneyText(644.31), "$644.31");
    EXPECT_EQ(MoneyText(93287.0413), "$93,287.04");
    EXPECT_EQ(MoneyText(-1234.5), "($1,234.50)");
    EXPECT_EQ(MoneyText(0.125, MoneyFormat::TwoDecimals), "$0.13"); // halves away from zero
    EXPECT_EQ(MoneyText(100157.4, MoneyFormat::NoDecimals), "$100,157");
    EXPECT_EQ(MoneyText(-0.0), "$0.00");
    EXPECT_EQ(MoneyText(-0.001), "$0.00");
    EXPECT_EQ(MoneyText(-0.4, MoneyFormat::NoDecimals), "$0");
}

TEST(MoneyText, DecimalCommaLocale)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(MoneyText(93287.0413, MoneyFormat::Currency, german), QString::fromUtf8("93.287,04\u00a0€"));
    EXPECT_EQ(MoneyText(-644.31, MoneyFormat::Currency, german), QString::fromUtf8("-644,31\u00a0€"));
    EXPECT_EQ(MoneyText(645, MoneyFormat::NoDecimals, german), QString::fromUtf8("645\u00a0€"));
    EXPECT_EQ(MoneyTextOfText("100000,5", german), QString::fromUtf8("100.000,50\u00a0€"));
}

TEST(MoneyTextOfText, EmptyWhenNotANumber)
{
    EXPECT_EQ(MoneyTextOfText("100000"), "$100,000.00");
    EXPECT_EQ(MoneyTextOfText(" 12.5 "), "$12.50");
    EXPECT_EQ(MoneyTextOfText("abc"), "");
    EXPECT_EQ(MoneyTextOfText(""), "");
}

TEST(GeneralNumberText, FifteenDigitsNoGrouping)
{
    EXPECT_EQ(GeneralNumberText(100000), "100000");
    EXPECT_EQ(GeneralNumberText(644.3015), "644.3015");
    EXPECT_EQ(GeneralNumberText(0.125), "0.125");
    EXPECT_EQ(GeneralNumberText(2), "2");
    EXPECT_EQ(GeneralNumberText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(GeneralNumberText(-0.0), "0");
    EXPECT_EQ(GeneralNumberText(0.25, QLocale(QLocale::German, QLocale::Germany)), "0,25");
}

TEST(LoanChecks, AmountThenTermThenRate)
{
    LoanTexts texts{"abc", "", "", "abc"};
    auto problem = CheckLoanTexts(texts, LoanChecks::Mortgage());
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, LoanField::Amount);
    EXPECT_EQ(problem->message.text, "You must enter a valid Mortgage amount between 0 and 999999999");
    EXPECT_EQ(problem->message.kind, MessageKind::Information);

    texts.amount = "100000";
    problem = CheckLoanTexts(texts, LoanChecks::Mortgage());
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, LoanField::Term);
    EXPECT_EQ(problem->message.text, "You must enter a period ");
    EXPECT_EQ(problem->message.kind, MessageKind::Confirmation);

    // A part year out of range is the part year's fault, and its message names the unit.
    texts.years = "25";
    texts.part = "13";
    problem = CheckLoanTexts(texts, LoanChecks::Mortgage());
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, LoanField::PartYear);
    EXPECT_EQ(problem->message.text, "You must enter a Month between 0 and 12");
    texts.part = "x";
    EXPECT_EQ(CheckLoanTexts(texts, LoanChecks::Mortgage())->field, LoanField::PartYear);
    texts.years = "x"; // the years first
    EXPECT_EQ(CheckLoanTexts(texts, LoanChecks::Mortgage())->field, LoanField::Term);

    texts.years = "25";
    texts.part = "";
    problem = CheckLoanTexts(texts, LoanChecks::Mortgage());
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, LoanField::Rate);
    EXPECT_EQ(problem->message.text, "You must enter a valid interest rate between 0 and 100");

    texts.rate = "6";
    EXPECT_FALSE(CheckLoanTexts(texts, LoanChecks::Mortgage()));
    const Loan loan = LoanOfTexts(texts);
    EXPECT_EQ(loan.amount, 100000);
    EXPECT_EQ(loan.years, 25);
    EXPECT_EQ(loan.part, 0);
    EXPECT_EQ(loan.paymentsPerYear, 12);
}

TEST(LoanChecks, RangesOfEachWindow)
{
    const LoanTexts zeroAmount{"0", "25", "", "6"};
    EXPECT_TRUE(CheckLoanTexts(zeroAmount, LoanChecks::Mortgage()));
    EXPECT_FALSE(CheckLoanTexts(zeroAmount, LoanChecks::Analysis()));
    EXPECT_FALSE(CheckLoanTexts(LoanTexts{"0.001", "25", "", "6"}, LoanChecks::Mortgage()));
    const LoanTexts zeroRate{"1000", "25", "", "0"};
    EXPECT_TRUE(CheckLoanTexts(zeroRate, LoanChecks::Mortgage()));
    EXPECT_FALSE(CheckLoanTexts(zeroRate, LoanChecks::LastPayment()));
    EXPECT_EQ(CheckLoanTexts(LoanTexts{"-1", "25", "", "6"}, LoanChecks::GridOpening())->message.text,
              "You must enter a Mortgage amount between 0 and 999999999");
    EXPECT_EQ(CheckLoanTexts(LoanTexts{"1", "25", "", "0"}, LoanChecks::GridOpening())->message.text,
              "You must enter an interest rate between 0 and 100.");
}
