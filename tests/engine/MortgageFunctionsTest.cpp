// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/MortgageFunctions.h"

#include "tests/common/FrequencyCases.h"
#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

Loan MonthlyLoan(double amount, double rate, int years, int part = 0,
                 Timing timing = Timing::InArrears)
{
    Loan loan;
    loan.amount = amount;
    loan.rate = rate;
    loan.paymentsPerYear = 12;
    loan.compoundingsPerYear = 12;
    loan.timing = timing;
    loan.years = years;
    loan.part = part;
    return loan;
}

Loan YearlyLoan(double amount, double rate, int years)
{
    Loan loan = MonthlyLoan(amount, rate, years);
    loan.paymentsPerYear = 1;
    loan.compoundingsPerYear = 1;
    return loan;
}

} // namespace

namespace {
const QStringList kSelectorTexts{"Annualy", "Bi-Annualy", "Quarterly", "Monthly",
                                 "Bi-Monthly", "FortNightly", "Weekly", "Daily"};
}

TEST(Frequency, SelectorTextsInOrder)
{
    EXPECT_EQ(FrequencyTexts(), kSelectorTexts);
    // Compared exactly, as spelled.
    EXPECT_EQ(PaymentsPerYear("monthly"), 0);
    EXPECT_EQ(PaymentsPerYear("Annually"), 0);
    EXPECT_EQ(FrequencyIndex("Fortnightly"), -1);
}

class FrequencySelector : public testing::TestWithParam<int> {};

TEST_P(FrequencySelector, MapsToPeriodsPerYear)
{
    const double periods[] = {1, 2, 4, 12, 24, 26, 52, 365};
    const int k = GetParam();
    EXPECT_EQ(PaymentsPerYear(kSelectorTexts[k]), periods[k]);
    EXPECT_EQ(CompoundingsPerYear(kSelectorTexts[k]), periods[k]);
    EXPECT_EQ(FrequencyIndex(kSelectorTexts[k]), k);
}

INSTANTIATE_TEST_SUITE_P(EveryFrequency, FrequencySelector, EveryFrequency(), FrequencyNamed());

TEST(PeriodRate, EqualFrequenciesGiveTheQuotedRateOverP)
{
    EXPECT_NEAR(PeriodRate(6, 12, 12), 0.005, 1e-15);
    EXPECT_NEAR(PeriodRate(6.5, 365, 365), 6.5 / 36500, 1e-15);
}

TEST(PeriodRate, YearlyCompoundingMonthlyPayments)
{
    EXPECT_NEAR(PeriodRate(6, 1, 12), 0.0048675506, 1e-10);
    Loan loan = MonthlyLoan(100000, 6, 25);
    loan.compoundingsPerYear = 1;
    EXPECT_DOUBLE_EQ(loan.Repayment(), 634.63);
}

TEST(Repayment, WorkedMonthlyLoan)
{
    const Loan loan = MonthlyLoan(100000, 6, 25);
    EXPECT_NEAR(RepaymentInArrears(100000, 6, 300, 12), 644.3014, 1e-4);
    EXPECT_DOUBLE_EQ(loan.Repayment(), 644.31);
    EXPECT_DOUBLE_EQ(MonthlyLoan(100000, 6, 25, 0, Timing::InAdvance).Repayment(), 641.10);
}

TEST(Repayment, WholeCentsStayUnchanged)
{
    EXPECT_DOUBLE_EQ(YearlyLoan(1000, 10, 1).Repayment(), 1100.00);
    const AmortisationResult run = RunAmortisation(YearlyLoan(1000, 10, 1));
    EXPECT_EQ(run.PaymentsMade, 1);
    EXPECT_DOUBLE_EQ(run.InterestTotal, 100.00);
}

TEST(Repayment, ZeroRateIsAmountOverPaymentsForBothTimings)
{
    EXPECT_DOUBLE_EQ(RepaymentInArrears(1000, 0, 3, 12), 333.33);
    EXPECT_DOUBLE_EQ(RepaymentInAdvance(1000, 0, 3, 12), 333.33);
    // A whole number of cents is not pushed up by the rounding rule.
    EXPECT_DOUBLE_EQ(RoundedRepayment(1000, 0, 3, 12, Timing::InArrears), 333.33);
    EXPECT_DOUBLE_EQ(RoundedRepayment(1000, 0, 7, 12, Timing::InArrears), 142.86);
}

TEST(RunAmortisation, WorkedMonthlyLoanInArrears)
{
    const AmortisationResult run = RunAmortisation(MonthlyLoan(100000, 6, 25));
    EXPECT_EQ(run.PaymentsMade, 300);
    EXPECT_NEAR(run.LastPayment, 638.46, 1e-6);
    EXPECT_EQ(run.LastPaymentText, "$638.46");
    EXPECT_DOUBLE_EQ(run.InterestTotal, 93287.15);
}

TEST(RunAmortisation, WorkedMonthlyLoanInAdvance)
{
    const AmortisationResult run = RunAmortisation(MonthlyLoan(100000, 6, 25, 0, Timing::InAdvance));
    EXPECT_EQ(run.PaymentsMade, 300);
    EXPECT_EQ(run.LastPaymentText, "$638.23");
    EXPECT_DOUBLE_EQ(run.InterestTotal, 92327.13);
}

TEST(RunAmortisation, TwoYearlyPayments)
{
    EXPECT_NEAR(RepaymentInArrears(1000, 10, 2, 1), 576.1905, 1e-4);
    const Loan loan = YearlyLoan(1000, 10, 2);
    EXPECT_DOUBLE_EQ(loan.Repayment(), 576.20);
    const AmortisationResult run = RunAmortisation(loan);
    EXPECT_EQ(run.PaymentsMade, 2);
    EXPECT_NEAR(run.LastPayment, 576.18, 1e-6);
    EXPECT_DOUBLE_EQ(run.InterestTotal, 152.38);
}

TEST(RunAmortisation, PartYearOnlyRunsForThePartYear)
{
    const AmortisationResult run = RunAmortisation(MonthlyLoan(6000, 6, 0, 6));
    EXPECT_EQ(run.PaymentsMade, 6);
}

TEST(RunAmortisation, NoPaymentsLeavesThePreviousResult)
{
    AmortisationResult previous;
    previous.PaymentsMade = 7;
    previous.LastPaymentText = "x";
    previous.InterestTotal = 1.5;
    const AmortisationResult run = RunAmortisation(MonthlyLoan(1000, 6, 0, 0), previous);
    EXPECT_EQ(run.PaymentsMade, 7);
    EXPECT_EQ(run.LastPaymentText, "x");
    EXPECT_EQ(run.InterestTotal, 1.5);
}

TEST(RunAmortisation, InAdvanceLastPeriodAccruesNoInterest)
{
    // One payment in advance: the whole amount, no interest.
    const AmortisationResult run = RunAmortisation(MonthlyLoan(1000, 6, 0, 1, Timing::InAdvance));
    EXPECT_EQ(run.PaymentsMade, 1);
    EXPECT_DOUBLE_EQ(run.LastPayment, 1000);
    EXPECT_DOUBLE_EQ(run.InterestTotal, 0);
}

TEST(MortgageFigures, ClosedFormTotalInterest)
{
    const MortgageFigures arrears = CalculateMortgage(MonthlyLoan(100000, 6, 25));
    EXPECT_DOUBLE_EQ(arrears.repayment, 644.31);
    EXPECT_FALSE(arrears.paymentsDiffer);
    EXPECT_NEAR(arrears.totalInterest, 93287.0413, 0.00005);
    EXPECT_EQ(MoneyText(arrears.totalInterest), "$93,287.04");

    const MortgageFigures advance = CalculateMortgage(MonthlyLoan(100000, 6, 25, 0, Timing::InAdvance));
    EXPECT_DOUBLE_EQ(advance.repayment, 641.10);
    EXPECT_EQ(MoneyText(advance.totalInterest), "$92,327.17");
}

TEST(MortgageFigures, RoundedRepaymentThatShortensTheLoanUsesTheRun)
{
    Loan loan = MonthlyLoan(1000, 1, 50);
    loan.paymentsPerYear = 365;
    loan.compoundingsPerYear = 365;
    const MortgageFigures figures = CalculateMortgage(loan);
    EXPECT_DOUBLE_EQ(figures.repayment, 0.07);
    EXPECT_TRUE(figures.paymentsDiffer);
    EXPECT_LT(figures.run.PaymentsMade, 18250);
    EXPECT_DOUBLE_EQ(figures.totalInterest, figures.run.InterestTotal);
    EXPECT_EQ(ImpossiblePayOffMessage(17000),
              "It is impossible to pay off this Mortgage in the specified time if the Mortgage "
              "payment is rounded to 2 decimal places. If it is rounded it will be paid off in "
              "17000 payments.");
}
