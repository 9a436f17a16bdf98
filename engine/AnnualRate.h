// SPDX-License-Identifier: GPL-3.0-or-later
// The annual percentage rate: the one yearly rate, compounded yearly, at which what
// the borrower receives is worth everything paid, fees included. It lets offers
// with different frequencies, timings, plans and fees be compared.
#pragma once

#include "engine/PaymentPlan.h"

#include <optional>

struct LoanFees {
    double upfront = 0;    // paid at the start: the borrower receives the amount less this
    double perPayment = 0; // paid with every payment
    bool Any() const { return upfront != 0 || perPayment != 0; }
    bool operator==(const LoanFees &) const = default;
};

// X in percent a year such that amount - upfront = sum over the payments k of the
// plan's walk of (payment_k + perPayment) (1 + X)^-t_k, t_k = k / P years in
// arrears and (k - 1) / P in advance; solved to 1e-10. Nothing when no rate
// answers (the fees take all the loan, or no payments).
std::optional<double> AnnualPercentageRate(const Loan &loan, const PlanResult &walked, const LoanFees &fees);
std::optional<double> AnnualPercentageRate(const Loan &loan, const PaymentPlan &plan, const LoanFees &fees);

// The first fault of fees, as the user's message; nothing when they can be used.
std::optional<Message> CheckLoanFees(const LoanFees &fees, double amount);
