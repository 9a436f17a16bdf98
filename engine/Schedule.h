// SPDX-License-Identifier: GPL-3.0-or-later
// The amortisation schedule, by year or by payment period.
#pragma once

#include "engine/MortgageFunctions.h"

#include <vector>

// One row of the schedule; money values are already rounded to cents.
struct ScheduleRow {
    int period = 0; // year number, or payment number
    double interest = 0;
    double capital = 0;
    double balance = 0;
    double accumulatedInterest = 0;
    double accumulatedCapital = 0;
};

enum class ScheduleBy { Year, Period };

// Walks the loan as RunAmortisation does and writes a row at the end of every
// year of payments (or every payment), and at the payment that clears the loan.
std::vector<ScheduleRow> BuildSchedule(const Loan &loan, ScheduleBy by);
