// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Comparison.h"

#include <algorithm>
#include <cmath>

namespace {

double Percent2(double percent)
{
    return std::round(percent * 100) / 100;
}

} // namespace

ComparisonFigures CompareFigures(const ComparedLoan &compared)
{
    const Loan &loan = compared.loan;
    // One walk gives the payments, dates and the APR's cash flows; without events it
    // is the Mortgage tab's own walk and its total is the one rule's.
    const PlanResult walked = WalkPaymentPlan(loan, compared.plan);

    ComparisonFigures f;
    f.repayment = walked.repayment;
    f.monthly = RoundToPlaces(walked.repayment * loan.paymentsPerYear / 12, 2);
    f.paymentsMade = walked.paymentsMade;
    f.lastPayment = walked.lastPayment;
    f.paidOff = walked.paidOff;
    f.totalInterest = compared.plan.HasEvents() ? walked.totalInterest : walked.totalInterestWithout;
    f.fees = RoundToPlaces(compared.fees.upfront + compared.fees.perPayment * walked.paymentsMade, 2);
    f.totalPaid = RoundToPlaces(loan.amount + f.totalInterest + f.fees, 2);
    f.apr = AnnualPercentageRate(loan, walked, compared.fees);
    return f;
}

int CheapestColumn(const std::vector<ComparisonFigures> &figures)
{
    if (figures.size() < 2)
        return -1;
    int cheapest = -1;
    for (std::size_t c = 0; c < figures.size(); ++c) {
        if (!figures[c].apr)
            continue;
        // As shown: offers that read the same rate are equal, and the first stays marked.
        if (cheapest < 0 || Percent2(*figures[c].apr) < Percent2(*figures[cheapest].apr))
            cheapest = static_cast<int>(c);
    }
    return cheapest;
}

Comparison Compare(const std::vector<ComparedLoan> &loans)
{
    Comparison comparison;
    const std::size_t count = std::min(loans.size(), std::size_t(MostComparedLoans));
    comparison.loans.assign(loans.begin(), loans.begin() + static_cast<std::ptrdiff_t>(count));
    for (const ComparedLoan &compared : comparison.loans)
        comparison.figures.push_back(CompareFigures(compared));
    comparison.cheapest = CheapestColumn(comparison.figures);
    return comparison;
}
