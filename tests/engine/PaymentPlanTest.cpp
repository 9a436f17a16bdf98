// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/AdditionalPayments.h"
#include "engine/PaymentPlan.h"
#include "engine/Schedule.h"
#include "tests/engine/TestLoans.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

PlanEvent Extra(double value, int from, int to = 0)
{
    return PlanEvent{PlanEventKind::Extra, value, from, to, false};
}

PlanEvent Lump(double value, int at, bool lower = false)
{
    return PlanEvent{PlanEventKind::LumpSum, value, at, 0, lower};
}

PlanEvent RateChange(double rate, int from)
{
    return PlanEvent{PlanEventKind::RateChange, rate, from, 0, false};
}

PaymentPlan PlanOf(std::initializer_list<PlanEvent> events, QDate first = {})
{
    PaymentPlan plan;
    plan.firstPayment = first;
    plan.events = events;
    return plan;
}

// The walk written out again step by step, on nothing but the loan's formulas,
// so that a fault in the one payment walk cannot hide in both.
struct ReferenceRow {
    double payment = 0, interest = 0, balance = 0, rate = 0;
};

std::vector<ReferenceRow> ReferenceWalk(const Loan &loan, const PaymentPlan &plan)
{
    const double p = loan.paymentsPerYear;
    const int n = static_cast<int>(std::trunc(loan.years * p)) + loan.part;
    double rate = loan.rate;
    double rp = PeriodRate(rate, loan.compoundingsPerYear, p) * p * 100;
    double i = rp / (100 * p);
    double pay = RoundedRepayment(loan.amount, rp, loan.years * p + loan.part, p, loan.timing);
    double balance = loan.amount;
    std::vector<ReferenceRow> rows;
    for (int k = 1; k <= n; ++k) {
        // 1. the rate change at k, the last listed winning
        const PlanEvent *change = nullptr;
        for (const PlanEvent &e : plan.events)
            if (e.kind == PlanEventKind::RateChange && e.from == k)
                change = &e;
        if (change) {
            rate = change->value;
            rp = PeriodRate(rate, loan.compoundingsPerYear, p) * p * 100;
            i = rp / (100 * p);
            pay = RoundedRepayment(balance, rp, n - k + 1, p, loan.timing);
        }
        // 2. what is due
        double extra = 0;
        for (const PlanEvent &e : plan.events)
            if (e.kind == PlanEventKind::Extra && e.from <= k && (e.to == 0 || k <= e.to))
                extra = extra + e.value;
        for (const PlanEvent &e : plan.events)
            if (e.kind == PlanEventKind::LumpSum && e.from == k)
                extra = extra + e.value;
        const double due = pay + extra;
        // 3. interest
        double interest = 0;
        if (loan.timing == Timing::InArrears)
            interest = RoundToPlaces(balance * i, 2);
        else if (k < n && balance > due)
            interest = RoundToPlaces((balance - due) * i, 2);
        // 4. payment
        const double payment = (balance + interest < due || k == n) ? balance + interest : due;
        // 5. balance
        balance = balance + interest - payment;
        rows.push_back({payment, interest, balance, rate});
        // 6. a lump sum that lowers the repayment
        for (const PlanEvent &e : plan.events)
            if (e.kind == PlanEventKind::LumpSum && e.lowerRepayment && e.from == k && k < n && balance > 0)
                pay = RoundedRepayment(balance, rp, n - k, p, loan.timing);
        // 7. paid
        if (RoundToPlaces(balance, 2) <= 0)
            break;
    }
    return rows;
}

void ExpectRowsOfReference(const Loan &loan, const PaymentPlan &plan, const PlanResult &result)
{
    const std::vector<ReferenceRow> reference = ReferenceWalk(loan, plan);
    ASSERT_EQ(result.rows.size(), reference.size());
    for (std::size_t r = 0; r < reference.size(); ++r) {
        SCOPED_TRACE(r + 1);
        const PlanRow &row = result.rows[r];
        ASSERT_EQ(row.n, static_cast<int>(r + 1));
        ASSERT_EQ(row.payment, RoundToPlaces(reference[r].payment, 2));
        ASSERT_EQ(row.interest, RoundToPlaces(reference[r].interest, 2));
        ASSERT_EQ(row.principal, RoundToPlaces(reference[r].payment - reference[r].interest, 2));
        ASSERT_EQ(row.balance, RoundToPlaces(reference[r].balance, 2));
        ASSERT_EQ(row.rate, reference[r].rate);
    }
}

// The eight frequencies by their selector texts, as test names can carry them.
class EveryFrequency : public ::testing::TestWithParam<int> {
protected:
    const Frequency &Freq() const { return Frequencies()[GetParam()]; }
    int P() const { return Freq().periods; }
};

std::string FrequencyName(const ::testing::TestParamInfo<int> &info)
{
    return QString(Frequencies()[info.param].selector).remove(u'-').toStdString();
}

Loan WorkedLoan(Timing timing = Timing::InArrears)
{
    return TestLoan(100000, 6, 25, 0, 12, timing);
}

} // namespace

TEST_P(EveryFrequency, EmptyPlanIsTheScheduleRowForRow)
{
    for (Timing timing : {Timing::InArrears, Timing::InAdvance}) {
        SCOPED_TRACE(timing == Timing::InArrears ? "in arrears" : "in advance");
        const Loan loan = TestLoan(100000, 6, 25, 0, P(), timing);
        const PlanResult plan = WalkPaymentPlan(loan, {});
        const auto schedule = BuildSchedule(loan, ScheduleBy::Period);
        ASSERT_EQ(plan.rows.size(), schedule.size());
        for (std::size_t r = 0; r < schedule.size(); ++r) {
            SCOPED_TRACE(r);
            ASSERT_EQ(plan.rows[r].n, schedule[r].period);
            ASSERT_EQ(plan.rows[r].interest, schedule[r].interest);
            ASSERT_EQ(plan.rows[r].principal, schedule[r].capital);
            ASSERT_EQ(plan.rows[r].balance, schedule[r].balance);
            ASSERT_EQ(plan.rows[r].extra, 0);
            ASSERT_EQ(plan.rows[r].rate, 6);
        }
        const MortgageFigures figures = CalculateMortgage(loan);
        EXPECT_EQ(plan.totalInterest, schedule.back().accumulatedInterest);
        EXPECT_EQ(plan.totalInterestWithout, RoundToPlaces(figures.totalInterest, 2));
        EXPECT_EQ(plan.repayment, figures.repayment);
        EXPECT_EQ(plan.repaymentAtEnd, figures.repayment);
        EXPECT_EQ(plan.paymentsMade, figures.run.PaymentsMade);
        EXPECT_EQ(plan.lastPayment, RoundToPlaces(figures.run.LastPayment, 2));
        EXPECT_EQ(plan.saved, 0);
        EXPECT_FALSE(plan.paidOff.isValid());
    }
}

TEST_P(EveryFrequency, DatesFollowTheFrequency)
{
    const QDate first(2027, 1, 31);
    const int p = P();
    for (int k = 1; k <= 3 * p; ++k) {
        SCOPED_TRACE(k);
        const QDate date = PaymentDate(first, p, k);
        switch (p) {
        case 26: EXPECT_EQ(first.daysTo(date), 14 * (k - 1)); break;
        case 52: EXPECT_EQ(first.daysTo(date), 7 * (k - 1)); break;
        case 365: EXPECT_EQ(first.daysTo(date), k - 1); break;
        case 24: {
            const QDate month = first.addMonths((k - 1) / 2);
            EXPECT_EQ(date, (k - 1) % 2 == 0 ? month : month.addDays(15));
            break;
        }
        default:
            EXPECT_EQ(date, first.addMonths((k - 1) * (12 / p)));
            // Counted from the first: a 31st comes back after a short month.
            EXPECT_EQ(date.day(), date.daysInMonth() < 31 ? date.daysInMonth() : 31);
        }
        // The payment on a date is that payment, and a day later the next.
        EXPECT_EQ(PaymentOnOrAfter(first, p, date), k);
        EXPECT_EQ(PaymentOnOrAfter(first, p, date.addDays(1)), k + 1);
    }
    // Before the first payment there is only the first.
    EXPECT_EQ(PaymentOnOrAfter(first, p, first.addYears(-3)), 1);

    const Loan loan = TestLoan(20000, 5, 3, 0, p);
    const PlanResult result = WalkPaymentPlan(loan, PlanOf({Extra(10, 1)}, first));
    ASSERT_FALSE(result.rows.empty());
    for (const PlanRow &row : result.rows)
        ASSERT_EQ(row.date, PaymentDate(first, p, row.n));
    EXPECT_EQ(result.paidOff, result.rows.back().date);
    // A year row's date is its last payment's.
    const std::vector<PlanRow> years = PlanRowsByYear(result.rows, p);
    for (const PlanRow &year : years)
        EXPECT_EQ(year.date, PaymentDate(first, p, std::min(year.n * p, result.paymentsMade)));
}

INSTANTIATE_TEST_SUITE_P(PaymentPlan, EveryFrequency, ::testing::Range(0, 8), FrequencyName);

TEST(PaymentPlanDates, MonthlyFromTheThirtyFirstOfJanuary)
{
    const QDate first(2027, 1, 31);
    EXPECT_EQ(PaymentDate(first, 12, 2), QDate(2027, 2, 28));
    EXPECT_EQ(PaymentDate(first, 12, 3), QDate(2027, 3, 31));
    EXPECT_EQ(PaymentDate(first, 12, 4), QDate(2027, 4, 30));
    EXPECT_EQ(PaymentDate(first, 12, 14), QDate(2028, 2, 29));
    EXPECT_EQ(PaymentDate(first, 12, 300), QDate(2051, 12, 31));
    EXPECT_EQ(PaymentOnOrAfter(first, 12, QDate(2027, 3, 1)), 3);
    EXPECT_EQ(PaymentOnOrAfter(first, 12, QDate(2027, 2, 28)), 2);
    // The last date a field can hold is far past any term, yet has its payment.
    EXPECT_EQ(PaymentOnOrAfter(first, 1, QDate(9999, 12, 31)), 7974);
    EXPECT_GT(PaymentOnOrAfter(first, 1, QDate(300000000, 1, 1)), 7974);
}

TEST(PaymentPlanDates, BiMonthlyFromTheThirtyFirstOfJanuary)
{
    const QDate first(2027, 1, 31);
    const QDate expected[] = {{2027, 1, 31}, {2027, 2, 15}, {2027, 2, 28}, {2027, 3, 15},
                              {2027, 3, 31}, {2027, 4, 15}, {2027, 4, 30}, {2027, 5, 15}};
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(PaymentDate(first, 24, k), expected[k - 1]) << k;
    EXPECT_EQ(PaymentOnOrAfter(first, 24, QDate(2027, 2, 1)), 2);
    EXPECT_EQ(PaymentOnOrAfter(first, 24, QDate(2027, 2, 16)), 3);
    EXPECT_EQ(PaymentOnOrAfter(first, 24, QDate(2027, 3, 16)), 5);
}

TEST(PaymentPlanDates, NoFirstPaymentNoDates)
{
    EXPECT_FALSE(PaymentDate({}, 12, 1).isValid());
    EXPECT_FALSE(PaymentDate(QDate(2027, 1, 31), 12, 0).isValid());
    const PlanResult result = WalkPaymentPlan(WorkedLoan(), PlanOf({Extra(100, 1)}));
    EXPECT_FALSE(result.rows.front().date.isValid());
    EXPECT_FALSE(result.paidOff.isValid());
}

TEST(PaymentPlanWalk, ExtraFromTheStartTellsTheSpecificWindowsStory)
{
    const PlanResult result = WalkPaymentPlan(WorkedLoan(), PlanOf({Extra(100, 1)}));
    EXPECT_DOUBLE_EQ(result.totalInterestWithout, 93287.04);
    EXPECT_DOUBLE_EQ(result.totalInterest, 66249.82);
    EXPECT_DOUBLE_EQ(result.saved, 27037.22);
    EXPECT_EQ(result.paymentsMade, 224);
    EXPECT_EQ(PayOffTime(result.paymentsMade, 12), QStringLiteral("18 years and 8 months"));
    EXPECT_DOUBLE_EQ(result.repaymentAtEnd, 644.31);
    EXPECT_DOUBLE_EQ(result.rows.front().payment, 744.31);
    EXPECT_DOUBLE_EQ(result.rows.front().extra, 100);
    EXPECT_DOUBLE_EQ(result.totalPaid, RoundToPlaces(100000 + result.totalInterest, 2));
}

TEST(PaymentPlanWalk, ExtraFromTheStartAgreesWithTheSpecificWindow)
{
    struct Case {
        Loan loan;
        double extra;
    };
    const Case cases[] = {
        {WorkedLoan(), 100},
        {WorkedLoan(Timing::InAdvance), 100},
        {TestLoan(250000, 4.5, 30), 250},
        {TestLoan(80000, 8, 20, 6, 26), 40},
        {TestLoan(150000, 5.25, 15, 0, 4, Timing::InAdvance), 1000},
        {TestLoan(60000, 7, 10, 0, 52), 15},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.loan.amount << " at " << c.loan.rate << " % plus " << c.extra);
        const PlanResult plan = WalkPaymentPlan(c.loan, PlanOf({Extra(c.extra, 1)}));
        const SpecificAdditionalPayment specific = CalculateSpecificAdditionalPayment(c.loan, c.extra, {});
        ASSERT_TRUE(specific.paidOff);
        // That window keeps its figure unrounded; both show it to the cent.
        EXPECT_EQ(plan.totalInterestWithout, RoundToPlaces(specific.without, 2));
        EXPECT_EQ(plan.totalInterest, specific.with);
        EXPECT_EQ(plan.saved, specific.saved);
        EXPECT_EQ(plan.paymentsMade, specific.paymentsMade);
    }
}

TEST(PaymentPlanWalk, ExtraOverARangeOnly)
{
    const PlanResult result = WalkPaymentPlan(WorkedLoan(), PlanOf({Extra(200, 13, 24)}));
    for (const PlanRow &row : result.rows)
        ASSERT_EQ(row.extra, row.n >= 13 && row.n <= 24 ? 200 : 0) << row.n;
    ExpectRowsOfReference(WorkedLoan(), PlanOf({Extra(200, 13, 24)}), result);
}

TEST(PaymentPlanWalk, LumpSumKeepsTheRepaymentAndEndsSooner)
{
    const Loan loan = WorkedLoan();
    const PlanResult without = WalkPaymentPlan(loan, {});
    const PlanResult result = WalkPaymentPlan(loan, PlanOf({Lump(10000, 61)}));
    // In arrears payment 61's interest is on the balance before it, so the lump
    // sum comes off whole.
    EXPECT_DOUBLE_EQ(result.rows[60].payment, 10644.31);
    EXPECT_DOUBLE_EQ(result.rows[60].extra, 10000);
    EXPECT_DOUBLE_EQ(result.rows[60].balance, RoundToPlaces(without.rows[60].balance - 10000, 2));
    EXPECT_DOUBLE_EQ(result.rows[61].payment, 644.31);
    EXPECT_DOUBLE_EQ(result.repaymentAtEnd, 644.31);
    EXPECT_EQ(result.paymentsMade, 255);
    EXPECT_DOUBLE_EQ(result.totalInterest, 73884.47);
    EXPECT_DOUBLE_EQ(result.saved, 19402.57);
    ExpectRowsOfReference(loan, PlanOf({Lump(10000, 61)}), result);
}

TEST(PaymentPlanWalk, LumpSumThatLowersTheRepaymentKeepsTheTerm)
{
    const Loan loan = WorkedLoan();
    const PlanResult keep = WalkPaymentPlan(loan, PlanOf({Lump(10000, 61)}));
    const PlanResult result = WalkPaymentPlan(loan, PlanOf({Lump(10000, 61, true)}));
    EXPECT_DOUBLE_EQ(result.rows[60].balance, keep.rows[60].balance);
    const double lowered = RoundedRepayment(keep.rows[60].balance, 6, 239, 12, Timing::InArrears);
    EXPECT_DOUBLE_EQ(lowered, 572.50);
    EXPECT_DOUBLE_EQ(result.rows[61].payment, lowered);
    EXPECT_DOUBLE_EQ(result.repaymentAtEnd, lowered);
    EXPECT_EQ(result.paymentsMade, 300);
    EXPECT_DOUBLE_EQ(result.totalInterest, 86129.87);
    // Keeping the repayment pays the loan off sooner and costs less interest.
    EXPECT_GT(result.totalInterest, keep.totalInterest);
    ExpectRowsOfReference(loan, PlanOf({Lump(10000, 61, true)}), result);
}

TEST(PaymentPlanWalk, RateChangeWorksTheRepaymentOutAgain)
{
    for (Timing timing : {Timing::InArrears, Timing::InAdvance}) {
        SCOPED_TRACE(timing == Timing::InArrears ? "in arrears" : "in advance");
        const Loan loan = WorkedLoan(timing);
        const PaymentPlan plan = PlanOf({RateChange(7, 61)});
        const PlanResult without = WalkPaymentPlan(loan, {});
        const PlanResult result = WalkPaymentPlan(loan, plan);
        for (int r = 0; r < 60; ++r) {
            ASSERT_EQ(result.rows[r].payment, without.rows[r].payment);
            ASSERT_EQ(result.rows[r].rate, 6);
        }
        const double newRepayment =
            RoundedRepayment(without.rows[59].balance, 7, 240, 12, timing);
        EXPECT_DOUBLE_EQ(result.rows[60].payment, newRepayment);
        EXPECT_EQ(result.rows[60].rate, 7);
        EXPECT_DOUBLE_EQ(result.repaymentAtEnd, newRepayment);
        EXPECT_EQ(result.paymentsMade, 300);
        EXPECT_GT(result.totalInterest, result.totalInterestWithout);
        EXPECT_LT(result.saved, 0);
        if (timing == Timing::InArrears) {
            EXPECT_DOUBLE_EQ(newRepayment, 697.24);
            EXPECT_DOUBLE_EQ(result.totalInterest, 105995.22);
            EXPECT_DOUBLE_EQ(result.rows[60].interest, RoundToPlaces(without.rows[59].balance * 0.07 / 12, 2));
        } else {
            EXPECT_DOUBLE_EQ(newRepayment, 693.20);
            EXPECT_DOUBLE_EQ(result.totalInterest, 104832.29);
        }
        ExpectRowsOfReference(loan, plan, result);
    }
}

TEST(PaymentPlanWalk, TheLastListedRateChangeWins)
{
    const PlanResult result =
        WalkPaymentPlan(WorkedLoan(), PlanOf({RateChange(8, 61), RateChange(7, 61)}));
    const PlanResult seven = WalkPaymentPlan(WorkedLoan(), PlanOf({RateChange(7, 61)}));
    EXPECT_EQ(result.rows[60].rate, 7);
    EXPECT_EQ(result.totalInterest, seven.totalInterest);
}

TEST(PaymentPlanWalk, ALumpSumLargerThanTheBalanceEndsTheLoanThere)
{
    const PlanResult result = WalkPaymentPlan(WorkedLoan(), PlanOf({Lump(1000000, 61, true)}));
    EXPECT_EQ(result.paymentsMade, 61);
    EXPECT_DOUBLE_EQ(result.rows.back().balance, 0);
    EXPECT_LT(result.rows.back().payment, 1000000);
    EXPECT_DOUBLE_EQ(result.lastPayment, result.rows.back().payment);
}

TEST(PaymentPlanYears, YearRowsSumTheirPayments)
{
    const PlanResult result = WalkPaymentPlan(TestLoan(100000, 6, 2, 6), PlanOf({Lump(5000, 13)}));
    const std::vector<PlanRow> years = PlanRowsByYear(result.rows, 12);
    ASSERT_EQ(years.size(), 3u);
    EXPECT_EQ(years[0].n, 1);
    EXPECT_EQ(years[1].n, 2);
    EXPECT_EQ(years[2].n, 3);
    EXPECT_DOUBLE_EQ(years[1].extra, 5000);
    EXPECT_DOUBLE_EQ(years[2].balance, 0);
    double interest = 0, principal = 0;
    for (const PlanRow &year : years) {
        interest += year.interest;
        principal += year.principal;
    }
    EXPECT_DOUBLE_EQ(RoundToPlaces(interest, 2), result.totalInterest);
    EXPECT_DOUBLE_EQ(RoundToPlaces(principal, 2), 100000);
}

TEST(PaymentPlanTexts, PayOffTime)
{
    EXPECT_EQ(PayOffTime(224, 12), QStringLiteral("18 years and 8 months"));
    EXPECT_EQ(PayOffTime(12, 12), QStringLiteral("1 year"));
    EXPECT_EQ(PayOffTime(13, 12), QStringLiteral("1 year and 1 month"));
    EXPECT_EQ(PayOffTime(5, 26), QStringLiteral("5 fortnights"));
    EXPECT_EQ(PayOffTime(7, 1), QStringLiteral("7 years"));
}

TEST(PaymentPlanChecks, MessagesNameTheEvent)
{
    EXPECT_FALSE(CheckPlanEvent(0, Extra(100, 1), 300));
    EXPECT_FALSE(CheckPlanEvent(0, Extra(100, 1, 300), 300));
    const auto zero = CheckPlanEvent(1, Lump(0, 61), 300);
    ASSERT_TRUE(zero);
    EXPECT_TRUE(zero->text.startsWith(QStringLiteral("Event 2 (lump sum): "))) << zero->text.toStdString();
    const auto late = CheckPlanEvent(2, RateChange(7, 301), 300);
    ASSERT_TRUE(late);
    EXPECT_EQ(late->text, QStringLiteral("Event 3 (rate change): the payment must be between 1 and 300."));
    const auto backwards = CheckPlanEvent(0, Extra(100, 20, 10), 300);
    ASSERT_TRUE(backwards);
    EXPECT_TRUE(backwards->text.contains(QStringLiteral("first payment (20)")));
    EXPECT_TRUE(CheckPlanEvent(0, Extra(std::nan(""), 1), 300));
    EXPECT_TRUE(CheckPlanEvent(0, RateChange(0, 1), 300));
    EXPECT_TRUE(CheckPlanEvent(0, RateChange(101, 1), 300));
    // The plan's check is its first faulty event's.
    const auto first = CheckPaymentPlan(PlanOf({Extra(1, 1), Lump(-5, 2), RateChange(0, 3)}), 300);
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->text.startsWith(QStringLiteral("Event 2 ")));
}

// Random loans with random plans, walked both ways.
class GeneratedPlans : public ::testing::Test {
protected:
    std::mt19937 random{20271231};

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    double Money(double low, double high)
    {
        return RoundToPlaces(std::uniform_real_distribution<double>(low, high)(random), 2);
    }

    Loan RandomLoan()
    {
        static const int periods[] = {1, 2, 4, 12, 24, 26, 52, 365};
        const double p = periods[Uniform(0, 7)];
        Loan loan;
        loan.amount = Money(1000, 800000);
        loan.rate = RoundToPlaces(std::uniform_real_distribution<double>(0.5, 15)(random), 3);
        loan.paymentsPerYear = p;
        loan.compoundingsPerYear = periods[Uniform(0, 7)];
        loan.timing = Uniform(0, 1) ? Timing::InAdvance : Timing::InArrears;
        loan.years = Uniform(1, p == 365 ? 15 : 40);
        loan.part = p == 1 ? 0 : Uniform(0, static_cast<int>(p) - 1);
        return loan;
    }

    PlanEvent RandomEvent(const Loan &loan, bool steady)
    {
        const int n = loan.Rounds();
        const int kind = Uniform(0, steady ? 1 : 2);
        const int from = Uniform(1, n);
        if (kind == 0)
            return Extra(Money(1, loan.amount / n), from, Uniform(0, 1) ? 0 : Uniform(from, n));
        if (kind == 1)
            return Lump(Money(1, loan.amount / 4), from, !steady && Uniform(0, 1));
        return RateChange(RoundToPlaces(std::uniform_real_distribution<double>(0.25, 15)(random), 2), from);
    }

    PaymentPlan RandomPlan(const Loan &loan, bool steady)
    {
        PaymentPlan plan;
        const int events = Uniform(0, 6);
        for (int e = 0; e < events; ++e)
            plan.events.push_back(RandomEvent(loan, steady));
        return plan;
    }
};

TEST_F(GeneratedPlans, EveryRowIsTheReferenceWalksAndAddsUp)
{
    for (int t = 0; t < 300; ++t) {
        const Loan loan = RandomLoan();
        const PaymentPlan plan = RandomPlan(loan, false);
        SCOPED_TRACE(testing::Message() << "plan " << t << ": " << loan.amount << " at " << loan.rate << " %, "
                                        << loan.years << " years " << loan.part << ", P " << loan.paymentsPerYear
                                        << ", " << plan.events.size() << " events");
        ASSERT_FALSE(CheckPaymentPlan(plan, loan.Rounds()));
        const PlanResult result = WalkPaymentPlan(loan, plan);
        ExpectRowsOfReference(loan, plan, result);
        ASSERT_EQ(result.paymentsMade, static_cast<int>(result.rows.size()));
        for (const PlanRow &row : result.rows)
            ASSERT_GE(row.balance, 0) << row.n;
        EXPECT_EQ(result.rows.back().balance, 0);
        EXPECT_EQ(result.totalPaid, RoundToPlaces(loan.amount + result.totalInterest, 2));
        double interest = 0;
        for (const PlanRow &row : result.rows)
            interest += row.interest;
        EXPECT_EQ(result.totalInterest, RoundToPlaces(interest, 2));
    }
}

TEST_F(GeneratedPlans, AnAddedExtraNeverRaisesTheInterest)
{
    for (int t = 0; t < 300; ++t) {
        const Loan loan = RandomLoan();
        PaymentPlan plan = RandomPlan(loan, true);
        const PlanResult before = WalkPaymentPlan(loan, plan);
        plan.events.push_back(RandomEvent(loan, true));
        const PlanResult after = WalkPaymentPlan(loan, plan);
        SCOPED_TRACE(testing::Message() << "plan " << t);
        EXPECT_LE(after.totalInterest, before.totalInterest);
        EXPECT_LE(after.paymentsMade, before.paymentsMade);
    }
}
