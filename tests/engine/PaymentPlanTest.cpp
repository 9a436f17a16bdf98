// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/AdditionalPayments.h"
#include "engine/PaymentPlan.h"
#include "engine/Schedule.h"
#include "tests/engine/TestLoans.h"

#include <gtest/gtest.h>

namespace {

PlanEvent Extra(double value, int from, int to = 0)
{
    return PlanEvent{PlanEventKind::Extra, value, from, to, false};
}

TEST(PaymentPlanWalk, EmptyPlanIsTheScheduleRowForRow)
{
    for (Timing timing : {Timing::InArrears, Timing::InAdvance}) {
        const Loan loan = TestLoan(100000, 6, 25, 0, 12, timing);
        const PlanResult plan = WalkPaymentPlan(loan, {});
        const auto schedule = BuildSchedule(loan, ScheduleBy::Period);
        ASSERT_EQ(plan.rows.size(), schedule.size());
        for (std::size_t r = 0; r < schedule.size(); ++r) {
            SCOPED_TRACE(r);
            EXPECT_EQ(plan.rows[r].n, schedule[r].period);
            EXPECT_EQ(plan.rows[r].interest, schedule[r].interest);
            EXPECT_EQ(plan.rows[r].principal, schedule[r].capital);
            EXPECT_EQ(plan.rows[r].balance, schedule[r].balance);
        }
        EXPECT_EQ(plan.totalInterest, schedule.back().accumulatedInterest);
        EXPECT_EQ(plan.saved, 0);
    }
}

TEST(PaymentPlanWalk, ExtraFromTheStartTellsTheSpecificWindowsStory)
{
    const Loan loan = TestLoan(100000, 6, 25);
    PaymentPlan plan;
    plan.events.push_back(Extra(100, 1));
    const PlanResult result = WalkPaymentPlan(loan, plan);
    EXPECT_DOUBLE_EQ(result.totalInterestWithout, 93287.04);
    EXPECT_DOUBLE_EQ(result.totalInterest, 66249.82);
    EXPECT_DOUBLE_EQ(result.saved, 27037.22);
    EXPECT_EQ(result.paymentsMade, 224);
}

} // namespace
