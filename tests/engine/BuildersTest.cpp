// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/AdditionalPayments.h"
#include "engine/MortgageGrid.h"
#include "engine/Schedule.h"
#include "tests/engine/TestLoans.h"

#include "tests/common/FrequencyCases.h"
#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

void ExpectRow(const ScheduleRow &row, int period, double interest, double capital,
               double balance, double accInterest, double accCapital)
{
    EXPECT_EQ(row.period, period);
    EXPECT_DOUBLE_EQ(row.interest, interest);
    EXPECT_DOUBLE_EQ(row.capital, capital);
    EXPECT_DOUBLE_EQ(row.balance, balance);
    EXPECT_DOUBLE_EQ(row.accumulatedInterest, accInterest);
    EXPECT_DOUBLE_EQ(row.accumulatedCapital, accCapital);
}

void ExpectGridRow(const AdditionalPaymentRow &row, int years, double additional, double payment,
                   double interest, double saved)
{
    EXPECT_EQ(row.years, years);
    EXPECT_DOUBLE_EQ(row.additional, additional);
    EXPECT_DOUBLE_EQ(row.payment, payment);
    EXPECT_DOUBLE_EQ(row.totalInterest, interest);
    EXPECT_DOUBLE_EQ(row.interestSaved, saved);
}

} // namespace

TEST(Schedule, ByYearWorkedRows)
{
    const auto rows = BuildSchedule(TestLoan(100000, 6, 25), ScheduleBy::Year);
    ASSERT_EQ(rows.size(), 25u);
    ExpectRow(rows[0], 1, 5951.57, 1780.15, 98219.85, 5951.57, 1780.15);
    ExpectRow(rows[1], 2, 5841.78, 1889.94, 96329.91, 11793.35, 3670.09);
    ExpectRow(rows[24], 25, 245.19, 7480.68, 0.00, 93287.15, 100000.00);
}

TEST(Schedule, ByYearWithPartYearAddsOneRow)
{
    const auto rows = BuildSchedule(TestLoan(100000, 6, 2, 6), ScheduleBy::Year);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_DOUBLE_EQ(rows[2].balance, 0);
    EXPECT_DOUBLE_EQ(rows[2].accumulatedCapital, 100000);
}

TEST(Schedule, YearlyPaymentsWorkedRows)
{
    const auto rows = BuildSchedule(TestLoan(1000, 10, 2, 0, 1), ScheduleBy::Year);
    ASSERT_EQ(rows.size(), 2u);
    ExpectRow(rows[0], 1, 100.00, 476.20, 523.80, 100.00, 476.20);
    ExpectRow(rows[1], 2, 52.38, 523.80, 0.00, 152.38, 1000.00);
}

TEST(Schedule, ByPeriodOneRowPerPaymentAndSmallerLastPayment)
{
    const Loan loan = TestLoan(100000, 6, 25);
    const auto rows = BuildSchedule(loan, ScheduleBy::Period);
    ASSERT_EQ(rows.size(), 300u);
    EXPECT_DOUBLE_EQ(rows[0].interest, 500.00);
    EXPECT_DOUBLE_EQ(rows[0].capital, 144.31);
    EXPECT_NEAR(rows.back().interest + rows.back().capital, 638.46, 1e-9);
    // The accumulated interest ends where the amortisation run ends.
    EXPECT_DOUBLE_EQ(rows.back().accumulatedInterest, RunAmortisation(loan).InterestTotal);
}

TEST(Schedule, InAdvanceLastPeriodHasNoInterest)
{
    const Loan loan = TestLoan(100000, 6, 25, 0, 12, Timing::InAdvance);
    const auto rows = BuildSchedule(loan, ScheduleBy::Period);
    ASSERT_EQ(rows.size(), 300u);
    EXPECT_DOUBLE_EQ(rows.back().interest, 0);
    EXPECT_DOUBLE_EQ(rows.back().accumulatedInterest, 92327.13);
}

TEST(Schedule, StopsAtThePaymentThatClearsTheLoan)
{
    Loan loan = TestLoan(1000, 1, 50, 0, 365);
    const AmortisationResult run = RunAmortisation(loan);
    ASSERT_LT(run.PaymentsMade, 18250);
    const auto byPeriod = BuildSchedule(loan, ScheduleBy::Period);
    EXPECT_EQ(static_cast<int>(byPeriod.size()), run.PaymentsMade);
    const auto byYear = BuildSchedule(loan, ScheduleBy::Year);
    EXPECT_DOUBLE_EQ(byYear.back().balance, 0);
    EXPECT_EQ(byYear.back().period, (run.PaymentsMade + 364) / 365);
}

TEST(Schedule, LargestTermByPeriod)
{
    const auto rows = BuildSchedule(TestLoan(999999999, 7, 50, 365, 365), ScheduleBy::Period);
    EXPECT_EQ(rows.size(), 18615u);
    EXPECT_DOUBLE_EQ(rows.back().balance, 0);
}

TEST(Schedule, NoPeriodsNoRows)
{
    EXPECT_TRUE(BuildSchedule(TestLoan(1000, 6, 0, 0), ScheduleBy::Year).empty());
}

TEST(MortgageGrid, WorkedGrid)
{
    const MortgageGrid grid = BuildMortgageGrid(TestLoan(100000, 6, 25), 2000, 0.25);
    EXPECT_EQ(grid.RowCount(), 52);
    EXPECT_EQ(grid.amounts.front(), 50000);
    EXPECT_EQ(grid.amounts.back(), 150000);
    EXPECT_EQ(grid.enteredRow, 26);
    EXPECT_EQ(grid.amounts[grid.enteredRow - 1], 100000);
    EXPECT_EQ(grid.firstVisibleRow, 23);
    EXPECT_DOUBLE_EQ(grid.rates[0], 5.25);
    EXPECT_DOUBLE_EQ(grid.rates[3], 6);
    EXPECT_DOUBLE_EQ(grid.rates[6], 6.75);
    EXPECT_DOUBLE_EQ(grid.repayments[0][0], 299.63);
    EXPECT_DOUBLE_EQ(grid.repayments[25][3], 644.31);
    EXPECT_DOUBLE_EQ(grid.repayments[50][6], 1036.37);
    EXPECT_EQ(MortgageGridRateHeading(grid.rates[2]), "5.75%");
}

TEST(MortgageGrid, SmallAmountsStartAtTheEnteredAmount)
{
    const MortgageGrid single = BuildMortgageGrid(TestLoan(1500, 6, 25), 2000, 0.25);
    EXPECT_EQ(single.RowCount(), 2);
    EXPECT_EQ(single.enteredRow, 1);
    EXPECT_EQ(single.firstVisibleRow, 1);

    const MortgageGrid three = BuildMortgageGrid(TestLoan(5000, 6, 25), 2000, 0.25);
    ASSERT_EQ(three.amounts.size(), 3u);
    EXPECT_EQ(three.amounts[0], 5000);
    EXPECT_EQ(three.amounts[1], 7000);
    EXPECT_EQ(three.amounts[2], 9000);
    EXPECT_EQ(three.enteredRow, 1);
}

TEST(MortgageGrid, LargestGridHas1999Amounts)
{
    const MortgageGrid grid = BuildMortgageGrid(TestLoan(1000000, 6, 25), 1000, 0.25);
    ASSERT_EQ(grid.amounts.size(), 1999u);
    EXPECT_EQ(grid.amounts.front(), 1000);
    EXPECT_EQ(grid.amounts.back(), 1999000);
    EXPECT_EQ(grid.amounts[grid.enteredRow - 1], 1000000);
    EXPECT_EQ(grid.firstVisibleRow, 997);
}

TEST(MortgageGrid, WidenedGridNeverStartsAtZeroOrBelow)
{
    // 998.5 steps: widening to 999 steps either side would start below zero.
    const MortgageGrid grid = BuildMortgageGrid(TestLoan(998500, 6, 25), 1000, 0.25);
    EXPECT_GT(grid.amounts.front(), 0);
    EXPECT_EQ(grid.amounts[grid.enteredRow - 1], 998500);
    EXPECT_EQ(grid.amounts.size() % 2, 1u);
    EXPECT_EQ(grid.enteredRow - 1, static_cast<int>(grid.amounts.size()) / 2);
}

TEST(MortgageGrid, MiddleColumnCarriesTheEnteredRate)
{
    const MortgageGrid grid = BuildMortgageGrid(TestLoan(100000, 1, 25), 2000, 0.5);
    EXPECT_EQ(MortgageGridRateHeading(grid.rates[0]), "-0.5%");
    EXPECT_EQ(MortgageGridRateHeading(grid.rates[3]), "1%");
    // A zero rate column is the amount over the payments.
    EXPECT_DOUBLE_EQ(grid.rates[1], 0);
    EXPECT_DOUBLE_EQ(grid.repayments[grid.enteredRow - 1][1], 333.33);
}

TEST(MortgageGrid, ColumnRatesHaveNoRepeatedAdditionError)
{
    const MortgageGrid grid = BuildMortgageGrid(TestLoan(100000, 0.3, 25), 2000, 0.1);
    EXPECT_EQ(MortgageGridRateHeading(grid.rates[0]), "0%");
    EXPECT_EQ(MortgageGridRateHeading(grid.rates[6]), "0.6%");
}

TEST(MortgageGrid, AmountsKeepTheirCents)
{
    const MortgageGrid grid = BuildMortgageGrid(TestLoan(100000.55, 6, 25), 2000, 0.25);
    EXPECT_EQ(grid.amounts[grid.enteredRow - 1], 100000.55);
    EXPECT_EQ(grid.amounts.front(), 50000.55);
    EXPECT_EQ(MoneyText(grid.amounts.front(), MoneyFormat::NoDecimals), "$50,001");
}

TEST(AdditionalPayments, WorkedGrid)
{
    const AdditionalPaymentGrid grid = BuildAdditionalPaymentGrid(TestLoan(100000, 6, 25));
    EXPECT_EQ(grid.label, "Monthly");
    EXPECT_DOUBLE_EQ(grid.repayment, 644.31);
    ASSERT_EQ(grid.rows.size(), 25u);
    ExpectGridRow(grid.rows[0], 25, 0.00, 644.31, 93287.04, 0.00);
    ExpectGridRow(grid.rows[1], 24, 11.67, 655.98, 88921.00, 4366.04);
    ExpectGridRow(grid.rows[5], 20, 72.13, 716.44, 71941.47, 21345.57);
    ExpectGridRow(grid.rows[24], 1, 7962.34, 8606.65, 3279.71, 90007.33);
}

TEST(AdditionalPayments, PartYearAddsARowShowingTheNextYear)
{
    const AdditionalPaymentGrid grid = BuildAdditionalPaymentGrid(TestLoan(100000, 6, 25, 6));
    ASSERT_EQ(grid.rows.size(), 26u);
    EXPECT_EQ(grid.rows[0].years, 26);
    EXPECT_DOUBLE_EQ(grid.repayment, 638.87);
    EXPECT_DOUBLE_EQ(grid.rows[0].payment, 638.87);
    EXPECT_EQ(grid.rows[1].years, 25);
    EXPECT_DOUBLE_EQ(grid.rows[1].payment, 644.31);
}

TEST(AdditionalPayments, OneYearGivesOneRowWithNothingSaved)
{
    const AdditionalPaymentGrid grid = BuildAdditionalPaymentGrid(TestLoan(10000, 6, 1));
    ASSERT_EQ(grid.rows.size(), 1u);
    EXPECT_DOUBLE_EQ(grid.rows[0].additional, 0);
    EXPECT_DOUBLE_EQ(grid.rows[0].interestSaved, 0);
}

class AdditionalPaymentsByFrequency : public testing::TestWithParam<int> {};

TEST_P(AdditionalPaymentsByFrequency, FrequencyLabel)
{
    const char *expected[] = {"Annual", "Half Year", "Quarterly", "Monthly",
                              "Half Monthly", "FortNightly", "Weekly", "Daily"};
    const int k = GetParam();
    const double p = Frequencies()[k].periods;
    EXPECT_EQ(BuildAdditionalPaymentGrid(TestLoan(1000, 5, 2, 0, p)).label, expected[k]);
}

INSTANTIATE_TEST_SUITE_P(EveryFrequency, AdditionalPaymentsByFrequency, EveryFrequency(), FrequencyNamed());

TEST(AdditionalPayments, RowCountFollowsTheLoansOwnRun)
{
    // 1 at 1 % monthly over 50 years: the repayment rounds up from 0.0028 to 0.01
    // and clears the loan decades early, so the table has far fewer rows.
    const Loan loan = TestLoan(1, 1, 50);
    const int made = RunAmortisation(loan).PaymentsMade;
    const AdditionalPaymentGrid grid = BuildAdditionalPaymentGrid(loan);
    EXPECT_EQ(static_cast<int>(grid.rows.size()), made / 12 + (made % 12 != 0 ? 1 : 0));
    EXPECT_LT(grid.rows.size(), 15u);
}

TEST(AdditionalPayments, StartedYearIsCountedExactly)
{
    // 13 payments of a monthly loan are a year and a started one: two rows.
    Loan loan = TestLoan(1300, 0.000001, 1, 1);
    ASSERT_EQ(RunAmortisation(loan).PaymentsMade, 13);
    EXPECT_EQ(BuildAdditionalPaymentGrid(loan).rows.size(), 2u);
}

TEST(AdditionalPayments, InAdvanceUsesItsOwnClosedForm)
{
    const AdditionalPaymentGrid grid =
        BuildAdditionalPaymentGrid(TestLoan(100000, 6, 25, 0, 12, Timing::InAdvance));
    EXPECT_DOUBLE_EQ(grid.rows[0].totalInterest, 92327.17);
}

TEST(AdditionalPayments, NegativeClosedFormFallsBackToTheWalk)
{
    const AdditionalPaymentGrid grid = BuildAdditionalPaymentGrid(TestLoan(100000, 50, 50));
    for (const AdditionalPaymentRow &row : grid.rows) {
        EXPECT_GE(row.totalInterest, 0) << row.years;
        EXPECT_TRUE(std::isfinite(row.interestSaved));
    }
}

TEST(SpecificAdditionalPayment, HundredFromTheStart)
{
    const SpecificAdditionalPayment result =
        CalculateSpecificAdditionalPayment(TestLoan(100000, 6, 25), 100, {});
    ASSERT_TRUE(result.paidOff);
    EXPECT_EQ(MoneyText(result.without), "$93,287.04");
    EXPECT_DOUBLE_EQ(result.with, 66249.82);
    EXPECT_DOUBLE_EQ(result.saved, 27037.22);
    EXPECT_EQ(result.paymentsMade, 224);
    EXPECT_EQ(result.sentence, "You have paid off your 25 Year Mortgage in 18 Years and 8 Months");
    // The time on its own, for windows that word the sentence differently.
    EXPECT_EQ(result.paidOffIn, "18 Years and 8 Months");
}

TEST(SpecificAdditionalPayment, StartingInYearSix)
{
    const SpecificAdditionalPayment result =
        CalculateSpecificAdditionalPayment(TestLoan(100000, 6, 25), 100, {false, 6, 1});
    EXPECT_DOUBLE_EQ(result.with, 76948.06);
    EXPECT_EQ(result.paymentsMade, 246);
    EXPECT_TRUE(result.sentence.endsWith("20 Years and 6 Months"));
}

TEST(SpecificAdditionalPayment, ZeroExtraReportsTheOwnTerm)
{
    const SpecificAdditionalPayment result =
        CalculateSpecificAdditionalPayment(TestLoan(100000, 6, 25), 0, {});
    EXPECT_EQ(result.sentence, "You have paid off your 25 Year Mortgage in 25 Years");
    EXPECT_EQ(result.paidOffIn, "25 Years");
    EXPECT_DOUBLE_EQ(result.saved, -0.11);
}

TEST(SpecificAdditionalPayment, BalanceByYearFollowsTheWalk)
{
    // Without an extra payment the walk must pass the schedule's year-end balances.
    for (const Loan &loan : {TestLoan(100000, 6, 25), TestLoan(100000, 6, 25, 6), TestLoan(5000, 9, 0, 7)}) {
        const SpecificAdditionalPayment plain = CalculateSpecificAdditionalPayment(loan, 0, {});
        const std::vector<ScheduleRow> rows = BuildSchedule(loan, ScheduleBy::Year);
        ASSERT_EQ(plain.balanceByYear.size(), rows.size()) << loan.years << "/" << loan.part;
        for (size_t r = 0; r < rows.size(); ++r)
            EXPECT_DOUBLE_EQ(plain.balanceByYear[r], rows[r].balance) << r;
    }
    const SpecificAdditionalPayment extra =
        CalculateSpecificAdditionalPayment(TestLoan(100000, 6, 25), 100, {});
    ASSERT_EQ(extra.balanceByYear.size(), 19u); // 224 payments: 18 whole years and a part
    EXPECT_EQ(extra.balanceByYear.back(), 0);
    for (size_t r = 1; r < extra.balanceByYear.size(); ++r)
        EXPECT_LT(extra.balanceByYear[r], extra.balanceByYear[r - 1]) << r;
}

TEST(SpecificAdditionalPayment, MonthsOfWeeklyAndDailyRemainders)
{
    // 13 weekly payments are 3.4 months: 3; 45 daily payments 1.9 months: 2.
    Loan weekly = TestLoan(1000, 5, 0, 13, 52);
    EXPECT_TRUE(CalculateSpecificAdditionalPayment(weekly, 0, {}).sentence.endsWith(" in 3 Months"));
    Loan daily = TestLoan(1000, 5, 0, 45, 365);
    EXPECT_TRUE(CalculateSpecificAdditionalPayment(daily, 0, {}).sentence.endsWith(" in 2 Months"));
}

TEST(SpecificAdditionalPayment, PartYearOnlyTermHasTwoBlanks)
{
    const SpecificAdditionalPayment result =
        CalculateSpecificAdditionalPayment(TestLoan(1000, 5, 0, 6), 0, {});
    EXPECT_TRUE(result.sentence.startsWith("You have paid off your  and 6 month Mortgage in "))
        << result.sentence.toStdString();
}

TEST(SpecificAdditionalPayment, ShortenedLoanIsNamedByItsRealTerm)
{
    // Find a monthly 25-year loan that the rounded repayment clears in 299 payments.
    for (int amount = 1000; amount < 200000; amount += 1) {
        Loan loan = TestLoan(amount / 100.0, 1, 25);
        const AmortisationResult run = RunAmortisation(loan);
        if (run.PaymentsMade != 299)
            continue;
        const SpecificAdditionalPayment result = CalculateSpecificAdditionalPayment(loan, 0, {});
        EXPECT_TRUE(result.sentence.startsWith("You have paid off your 24 Year and 11 month Mortgage"))
            << result.sentence.toStdString();
        EXPECT_DOUBLE_EQ(result.without, run.InterestTotal);
        return;
    }
    FAIL() << "no loan cleared in 299 payments";
}

TEST(SpecificAdditionalPayment, EmptyStartPeriodIsTheFirstPeriodOfTheYear)
{
    LoanTexts texts;
    texts.amount = QStringLiteral("100000");
    texts.rate = QStringLiteral("6");
    texts.years = QStringLiteral("25");
    const Loan loan = LoanOfTexts(texts);
    auto startingInYearSix = [&](const char *period) {
        const CheckedSpecificPayment checked = CheckSpecificPayment(
            texts, {QStringLiteral("100"), false, QStringLiteral("6"), QString::fromLatin1(period)});
        EXPECT_FALSE(checked.problem) << period;
        return CalculateSpecificAdditionalPayment(loan, checked.extra, checked.start);
    };
    const SpecificAdditionalPayment empty = startingInYearSix("");
    EXPECT_DOUBLE_EQ(empty.with, 76948.06); // the worked start at payment 61
    EXPECT_EQ(empty.with, startingInYearSix("1").with);
    EXPECT_EQ(empty.with, startingInYearSix("0").with);
    EXPECT_NE(empty.with, startingInYearSix("2").with);
    // Yearly payments have one period a year whatever the field held.
    const Loan yearly = TestLoan(100000, 6, 25, 0, 1);
    EXPECT_EQ(CalculateSpecificAdditionalPayment(yearly, 1000, {false, 3, 0}).with,
              CalculateSpecificAdditionalPayment(yearly, 1000, {false, 3, 1}).with);
    EXPECT_NE(CalculateSpecificAdditionalPayment(yearly, 1000, {false, 3, 1}).with,
              CalculateSpecificAdditionalPayment(yearly, 1000, {false, 4, 1}).with);
}

TEST(SpecificAdditionalPayment, StartBeforeTheFirstPaymentIsTheFirstPayment)
{
    // Year 1 at period 0, or a year before the loan, would otherwise never start the extra.
    const Loan loan = TestLoan(100000, 6, 25);
    const SpecificAdditionalPayment fromStart = CalculateSpecificAdditionalPayment(loan, 100, {});
    for (const AdditionalPaymentStart start :
         {AdditionalPaymentStart{false, 1, 0}, AdditionalPaymentStart{false, 0, 5},
          AdditionalPaymentStart{false, -3, 1}}) {
        const SpecificAdditionalPayment early = CalculateSpecificAdditionalPayment(loan, 100, start);
        EXPECT_EQ(early.with, fromStart.with) << start.year << "/" << start.period;
        EXPECT_EQ(early.paymentsMade, 224);
    }
}

TEST(SpecificAdditionalPayment, RepaymentThatRoundsToNothingStillClears)
{
    const SpecificAdditionalPayment result =
        CalculateSpecificAdditionalPayment(TestLoan(0.02, 0.000001, 50), 0, {});
    EXPECT_TRUE(result.paidOff);
    EXPECT_EQ(result.paymentsMade, 600);
}

TEST(SpecificAdditionalPayment, AProblemNamesTheFieldItRefuses)
{
    LoanTexts texts;
    texts.amount = QStringLiteral("100000");
    texts.rate = QStringLiteral("6");
    texts.years = QStringLiteral("25");
    auto check = [&](const char *extra, const char *year, const char *period) {
        return CheckSpecificPayment(texts, {QString::fromLatin1(extra), false, QString::fromLatin1(year),
                                            QString::fromLatin1(period)});
    };
    const std::tuple<const char *, const char *, const char *, SpecificField> cases[] = {
        {"x", "6", "1", SpecificField::Extra},
        {"100", "", "1", SpecificField::Year},
        {"100", "26", "1", SpecificField::Year},
        {"100", "6", "13", SpecificField::Period},
        {"100", "6", "a", SpecificField::Period},
    };
    for (const auto &[extra, year, period, field] : cases) {
        const CheckedSpecificPayment checked = check(extra, year, period);
        EXPECT_TRUE(checked.problem) << extra << ' ' << year << ' ' << period;
        EXPECT_EQ(checked.fault, field) << extra << ' ' << year << ' ' << period;
    }
    EXPECT_FALSE(check("100", "6", "12").problem);
}
