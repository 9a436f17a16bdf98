// SPDX-License-Identifier: GPL-3.0-or-later
// Every window tells the same total interest for the same loan: the Mortgage tab
// and the pie (CalculateMortgage), the specific additional payment's "without" and
// the first row of the additional payments table.
#include "engine/AdditionalPayments.h"
#include "engine/MortgageFunctions.h"
#include "engine/Schedule.h"
#include "engine/TableTexts.h"
#include "tests/engine/TestLoans.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

const AdditionalPaymentRow &RowOfYears(const AdditionalPaymentGrid &grid, int years)
{
    for (const AdditionalPaymentRow &row : grid.rows)
        if (row.years == years)
            return row;
    ADD_FAILURE() << "no row of " << years << " years";
    return grid.rows.front();
}

} // namespace

TEST(OneInterest, HighRatesTakeTheRunsTotalWhereTheClosedFormDrifts)
{
    // Half-yearly at 30 %: each period's interest rounded to cents compounds to 3406.48.
    const Loan halfYearly = TestLoan(100000, 30, 50, 2, 2);
    const MortgageFigures figures = CalculateMortgage(halfYearly);
    EXPECT_EQ(figures.run.PaymentsMade, 102);
    EXPECT_DOUBLE_EQ(figures.totalInterest, 1429872.26);
    EXPECT_DOUBLE_EQ(figures.totalInterest, figures.run.InterestTotal);
    // The schedule's own cumulative interest ends on the same figure.
    const std::vector<ScheduleRow> rows = BuildSchedule(halfYearly, ScheduleBy::Period);
    EXPECT_DOUBLE_EQ(rows.back().accumulatedInterest, 1429872.26);
    const SpecificAdditionalPayment nothing = CalculateSpecificAdditionalPayment(halfYearly, 0, {});
    EXPECT_DOUBLE_EQ(nothing.without, 1429872.26);
    EXPECT_DOUBLE_EQ(nothing.saved, 0);

    // Monthly at 30 %: an extra of 0 saved 23.43 when the closed form stood.
    const SpecificAdditionalPayment monthly =
        CalculateSpecificAdditionalPayment(TestLoan(100000, 30, 25), 0, {});
    EXPECT_DOUBLE_EQ(monthly.saved, 0);
    EXPECT_DOUBLE_EQ(monthly.without, CalculateMortgage(TestLoan(100000, 30, 25)).totalInterest);
}

TEST(OneInterest, TheWorkedFiguresStand)
{
    EXPECT_DOUBLE_EQ(RoundToPlaces(CalculateMortgage(TestLoan(100000, 6, 25)).totalInterest, 2), 93287.04);
    const Loan advance = TestLoan(100000, 6, 25, 0, 12, Timing::InAdvance);
    EXPECT_DOUBLE_EQ(RoundToPlaces(CalculateMortgage(advance).totalInterest, 2), 92327.17);
    // The closed form and the run differ by the design's 11 cents, well within a cent a payment.
    const SpecificAdditionalPayment nothing = CalculateSpecificAdditionalPayment(TestLoan(100000, 6, 25), 0, {});
    EXPECT_DOUBLE_EQ(nothing.saved, -0.11);
    const AdditionalPaymentGrid grid = BuildAdditionalPaymentGrid(TestLoan(100000, 6, 25));
    EXPECT_DOUBLE_EQ(grid.rows.front().totalInterest, 93287.04);
    EXPECT_FALSE(AnyUneven(grid.rows));
}

TEST(OneInterest, EveryAdditionalPaymentsRowIsALoanOfItsOwn)
{
    // Weekly at 25 % over 50 years: the rounded repayment clears the loan in 2248
    // payments, and so does the 44-year row's repayment.
    const Loan weekly = TestLoan(100000, 25, 50, 0, 52);
    const MortgageFigures figures = CalculateMortgage(weekly);
    ASSERT_EQ(figures.run.PaymentsMade, 2248);
    EXPECT_DOUBLE_EQ(figures.totalInterest, 980717.72);
    const AdditionalPaymentGrid grid = BuildAdditionalPaymentGrid(weekly);
    const AdditionalPaymentRow &row44 = RowOfYears(grid, 44);
    EXPECT_DOUBLE_EQ(row44.totalInterest, 980717.72);
    EXPECT_TRUE(row44.uneven);
    // The 43-year row has the same repayment: its saving is the repayment's own,
    // not one a larger last payment makes.
    const AdditionalPaymentRow &row43 = RowOfYears(grid, 43);
    EXPECT_TRUE(row43.uneven);
    EXPECT_GE(row43.interestSaved, 0);
    for (const AdditionalPaymentRow &row : grid.rows)
        EXPECT_GE(row.interestSaved, -0.01 * row.years * 52) << row.years;

    // Loans whose saving went negative before.
    const Loan daily = TestLoan(100000, 15, 50, 0, 365, Timing::InAdvance);
    const Loan halfMonthly = TestLoan(1000, 30, 25, 0, 24);
    for (const Loan &loan : {daily, halfMonthly}) {
        const AdditionalPaymentGrid rows = BuildAdditionalPaymentGrid(loan);
        for (const AdditionalPaymentRow &row : rows.rows)
            EXPECT_GE(row.interestSaved, -0.01 * loan.Payments()) << loan.paymentsPerYear << " " << row.years;
        const MortgageFigures tab = CalculateMortgage(loan);
        if (!tab.paymentsDiffer) {
            EXPECT_DOUBLE_EQ(rows.rows.front().totalInterest, RoundToPlaces(tab.totalInterest, 2));
        }
    }
}

// A few thousand loans over every pair of frequencies, both timings, rates up to
// 100 % and terms up to 50 years and a part-year.
TEST(OneInterest, EveryWindowAgreesOnGeneratedLoans)
{
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> frequency(0, 7), years(0, 50), percent(1, 10000), amount(1, 999999);
    int checked = 0, wholeTerms = 0;
    for (int k = 0; k < 2000; ++k) {
        Loan loan;
        loan.paymentsPerYear = PaymentsPerYear(FrequencyTexts()[frequency(random)]);
        loan.compoundingsPerYear = PaymentsPerYear(FrequencyTexts()[frequency(random)]);
        loan.timing = k % 2 ? Timing::InAdvance : Timing::InArrears;
        loan.rate = percent(random) / 100.0;
        loan.amount = amount(random) * (k % 3 ? 1.0 : 100.0);
        loan.years = years(random);
        const int p = static_cast<int>(loan.paymentsPerYear);
        loan.part = p > 1 ? std::uniform_int_distribution<int>(0, p - 1)(random) : 0;
        if (loan.Rounds() <= 0)
            continue;
        ++checked;
        const double n = loan.Payments();
        const MortgageFigures tab = CalculateMortgage(loan);
        ASSERT_TRUE(std::isfinite(tab.totalInterest));
        const double interest = RoundToPlaces(tab.totalInterest, 2);
        const SpecificAdditionalPayment specific = CalculateSpecificAdditionalPayment(loan, 0, {});
        EXPECT_DOUBLE_EQ(RoundToPlaces(specific.without, 2), interest) << k;
        EXPECT_GE(specific.saved, -0.01 * n) << k;

        const AdditionalPaymentGrid grid = BuildAdditionalPaymentGrid(loan);
        ASSERT_FALSE(grid.rows.empty()) << k;
        if (!tab.paymentsDiffer) {
            ++wholeTerms;
            EXPECT_DOUBLE_EQ(grid.rows.front().totalInterest, interest) << k;
        }
        for (const AdditionalPaymentRow &row : grid.rows)
            EXPECT_GE(row.interestSaved, -0.01 * n) << k << " row " << row.years;
    }
    EXPECT_GT(checked, 1900);
    EXPECT_GT(wholeTerms, 1000);
}
