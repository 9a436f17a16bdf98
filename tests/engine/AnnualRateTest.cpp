// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/AnnualRate.h"
#include "tests/engine/TestLoans.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The defining equation solved the plain way: every term's own power, halving
// the bracket [-50 %, 200 %] a hundred times.
double BisectedRate(const Loan &loan, const PlanResult &walked, const LoanFees &fees)
{
    const bool arrears = loan.timing == Timing::InArrears;
    auto value = [&](double x) {
        double sum = 0;
        for (const PlanRow &row : walked.rows) {
            const double t = (arrears ? row.n : row.n - 1) / loan.paymentsPerYear;
            sum += (row.payment + fees.perPayment) * std::pow(1 + x, -t);
        }
        return sum - (loan.amount - fees.upfront);
    };
    double low = -0.5, high = 2;
    for (int i = 0; i < 100; ++i) {
        const double middle = (low + high) / 2;
        (value(middle) > 0 ? low : high) = middle;
    }
    return (low + high) / 2 * 100;
}

double Rounded(double percent)
{
    return std::round(percent * 100) / 100;
}

TEST(AnnualPercentageRate, WithoutFeesIsTheWalkedEffectiveRate)
{
    const Loan loan = TestLoan(100000, 6, 25);
    const std::optional<double> apr = AnnualPercentageRate(loan, PaymentPlan{}, LoanFees{});
    ASSERT_TRUE(apr);
    EXPECT_EQ(Rounded(*apr), 6.17);
    const double effective = (std::pow(1 + 0.06 / 12, 12) - 1) * 100;
    EXPECT_GT(*apr, effective) << "a hair above: the repayment is rounded up to cents";
    EXPECT_LT(*apr, effective + 0.001);
}

struct AprCase {
    const char *name;
    Loan loan;
    LoanFees fees;
    std::vector<PlanEvent> events;
};

class AnnualPercentageRateAgrees : public testing::TestWithParam<AprCase> {};

TEST_P(AnnualPercentageRateAgrees, WithAnIndependentBisection)
{
    const AprCase &c = GetParam();
    PaymentPlan plan;
    plan.events = c.events;
    const PlanResult walked = WalkPaymentPlan(c.loan, plan);
    const std::optional<double> apr = AnnualPercentageRate(c.loan, walked, c.fees);
    ASSERT_TRUE(apr);
    EXPECT_NEAR(*apr, BisectedRate(c.loan, walked, c.fees), 1e-7);
    if (c.fees.Any()) {
        EXPECT_GT(*apr, *AnnualPercentageRate(c.loan, walked, LoanFees{})) << "fees raise the rate";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Offers, AnnualPercentageRateAgrees,
    testing::Values(AprCase{"UpfrontFees", TestLoan(100000, 6, 25), {2000, 0}, {}},
                    AprCase{"FeePerPayment", TestLoan(100000, 6, 25), {0, 10}, {}},
                    AprCase{"BothFees", TestLoan(100000, 6, 25), {2000, 10}, {}},
                    AprCase{"InAdvance", TestLoan(100000, 6, 25, 0, 12, Timing::InAdvance), {2000, 5}, {}},
                    AprCase{"Weekly", TestLoan(250000, 4.5, 30, 0, 52), {1500, 2}, {}},
                    AprCase{"Daily", TestLoan(50000, 9, 10, 100, 365), {500, 0.5}, {}},
                    AprCase{"WithAPlan",
                            TestLoan(100000, 6, 25),
                            {2000, 0},
                            {PlanEvent{PlanEventKind::LumpSum, 10000, 61, 0, false},
                             PlanEvent{PlanEventKind::RateChange, 7, 121, 0, false}}}),
    [](const testing::TestParamInfo<AprCase> &info) { return std::string(info.param.name); });

TEST(AnnualPercentageRate, UpfrontFeesOnTheWorkedLoan)
{
    const Loan loan = TestLoan(100000, 6, 25);
    const std::optional<double> apr = AnnualPercentageRate(loan, PaymentPlan{}, LoanFees{2000, 0});
    ASSERT_TRUE(apr);
    EXPECT_EQ(Rounded(*apr), 6.39);
}

TEST(AnnualPercentageRate, NoRateAnswersFeesThatTakeTheWholeLoan)
{
    const Loan loan = TestLoan(100000, 6, 25);
    EXPECT_FALSE(AnnualPercentageRate(loan, PaymentPlan{}, LoanFees{100000, 0}));
    EXPECT_FALSE(AnnualPercentageRate(TestLoan(100000, 6, 0), PaymentPlan{}, LoanFees{}));
    EXPECT_TRUE(CheckLoanFees(LoanFees{100000, 0}, 100000));
    EXPECT_TRUE(CheckLoanFees(LoanFees{-1, 0}, 100000));
    EXPECT_TRUE(CheckLoanFees(LoanFees{0, std::nan("")}, 100000));
    EXPECT_FALSE(CheckLoanFees(LoanFees{2000, 10}, 100000));
}

} // namespace
