// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/MortgageFunctions.h"

// 50 years and 365 days of daily payments: 18 615 payments, the longest term accepted.
inline Loan LargestLoan(double rate = 7)
{
    Loan loan;
    loan.amount = 999999999;
    loan.rate = rate;
    loan.paymentsPerYear = 365;
    loan.compoundingsPerYear = 365;
    loan.years = 50;
    loan.part = 365;
    return loan;
}
