// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PaymentWalk.h"

WalkPlan PlanOf(const Loan &loan)
{
    WalkPlan plan;
    plan.amount = loan.amount;
    plan.periodRate = loan.PeriodRate();
    plan.repayment = loan.Repayment();
    plan.timing = loan.timing;
    plan.finalPayment = loan.Payments();
    plan.rounds = loan.Rounds();
    return plan;
}

WalkEnd Walk(const WalkPlan &plan)
{
    PaymentWalk walk(plan);
    WalkEnd end;
    while (walk.Pay()) {
        if (walk.PaidOff()) {
            end.paidOff = true;
            end.payments = walk.Count();
            end.lastPayment = walk.Payment();
            end.totalInterest = RoundToPlaces(walk.TotalInterest(), 2);
            return end;
        }
    }
    return end;
}
