// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Schedule.h"

#include "engine/PaymentWalk.h"

#include <cmath>

std::vector<ScheduleRow> BuildSchedule(const Loan &loan, ScheduleBy by)
{
    std::vector<ScheduleRow> rows;
    const double p = loan.paymentsPerYear;
    const double n = loan.Payments();
    const int rounds = loan.Rounds();
    rows.reserve(by == ScheduleBy::Period ? std::max(rounds, 0)
                                          : static_cast<int>(std::max(loan.years, 0)) + 1);

    PaymentWalk walk(PlanOf(loan));
    double rowInterest = 0;
    double rowCapital = 0;
    double totalCapital = 0;
    int periodInYear = 0;
    while (walk.Pay()) {
        const int k = walk.Count();
        periodInYear = periodInYear + 1;
        const double interest = walk.Interest();
        const double capital = walk.Payment() - interest;
        rowInterest = rowInterest + interest;
        rowCapital = rowCapital + capital;
        totalCapital = totalCapital + capital;
        if (periodInYear == p || k == n || by == ScheduleBy::Period) {
            ScheduleRow row;
            row.period = static_cast<int>(rows.size()) + 1;
            row.interest = RoundToPlaces(rowInterest, 2);
            row.capital = RoundToPlaces(rowCapital, 2);
            row.balance = RoundToPlaces(walk.Balance(), 2);
            row.accumulatedInterest = RoundToPlaces(walk.TotalInterest(), 2);
            row.accumulatedCapital = RoundToPlaces(totalCapital, 2);
            rows.push_back(row);
            rowInterest = 0;
            rowCapital = 0;
            // A year's row is written whole, so the schedule stops only at a row's end;
            // the walk's rule (nothing owed to the cent) read off the balance just rounded.
            if (row.balance <= 0)
                break;
        }
        if (periodInYear >= p)
            periodInYear = 0;
    }
    return rows;
}
