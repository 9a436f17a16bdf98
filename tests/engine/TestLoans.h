// SPDX-License-Identifier: GPL-3.0-or-later
// Loans the engine tests share.
#pragma once

#include "engine/MortgageFunctions.h"

inline Loan TestLoan(double amount, double rate, int years, int part = 0,
                     double periodsPerYear = 12, Timing timing = Timing::InArrears)
{
    Loan loan;
    loan.amount = amount;
    loan.rate = rate;
    loan.paymentsPerYear = periodsPerYear;
    loan.compoundingsPerYear = periodsPerYear;
    loan.timing = timing;
    loan.years = years;
    loan.part = part;
    return loan;
}
