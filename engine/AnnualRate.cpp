// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/AnnualRate.h"

#include <QCoreApplication>

#include <cmath>

namespace {

// The value now of the payments and fees at a yearly rate x: with v = (1 + x)^(-1/P),
// payment k counts v^k in arrears and v^(k-1) in advance.
double PresentValue(const std::vector<PlanRow> &rows, double fee, double p, bool arrears, double x)
{
    const double v = std::pow(1 + x, -1 / p);
    double factor = arrears ? v : 1;
    double sum = 0;
    for (const PlanRow &row : rows) {
        sum += (row.payment + fee) * factor;
        factor *= v;
    }
    return sum;
}

} // namespace

std::optional<double> AnnualPercentageRate(const Loan &loan, const PlanResult &walked, const LoanFees &fees)
{
    const double received = loan.amount - fees.upfront;
    const double p = loan.paymentsPerYear;
    if (!(received > 0) || !(p > 0) || walked.rows.empty() || !std::isfinite(fees.perPayment))
        return std::nullopt;
    const bool arrears = loan.timing == Timing::InArrears;
    auto excess = [&](double x) { return PresentValue(walked.rows, fees.perPayment, p, arrears, x) - received; };
    // The value falls as the rate rises: bracket the answer, then halve.
    double low = -0.99;
    double high = 1;
    if (!(excess(low) >= 0))
        return std::nullopt;
    while (excess(high) > 0) {
        if (high > 1e6)
            return std::nullopt;
        high *= 4;
    }
    while (high - low > 1e-10) {
        const double middle = low + (high - low) / 2;
        if (excess(middle) > 0)
            low = middle;
        else
            high = middle;
    }
    const double rate = (low + high) / 2 * 100;
    return std::isfinite(rate) ? std::optional<double>(rate) : std::nullopt;
}

std::optional<double> AnnualPercentageRate(const Loan &loan, const PaymentPlan &plan, const LoanFees &fees)
{
    return AnnualPercentageRate(loan, WalkPaymentPlan(loan, plan), fees);
}

std::optional<Message> CheckLoanFees(const LoanFees &fees, double amount)
{
    if (!(fees.upfront >= 0 && fees.upfront < amount))
        return Message{QCoreApplication::translate("AnnualRate", "The upfront fees must be at least 0 and less than the mortgage amount.")};
    if (!(fees.perPayment >= 0 && fees.perPayment <= 999999999))
        return Message{QCoreApplication::translate("AnnualRate", "The fee per payment must be at least 0 and at most 999,999,999.")};
    return std::nullopt;
}
