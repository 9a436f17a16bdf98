// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/MortgageGrid.h"

#include <cmath>

const std::array<int, 4> &MortgageGridAmountSteps()
{
    static const std::array<int, 4> steps{1000, 2000, 5000, 10000};
    return steps;
}

const std::array<double, 7> &MortgageGridInterestSteps()
{
    static const std::array<double, 7> steps{0.1, 0.125, 0.25, 0.5, 0.75, 1, 2};
    return steps;
}

MortgageGrid BuildMortgageGrid(const Loan &loan, int amountStep, double interestStep)
{
    constexpr std::int64_t unit = 10000;
    MortgageGrid grid;
    const std::int64_t amount = std::llround(loan.amount * unit);
    const std::int64_t step = static_cast<std::int64_t>(amountStep) * unit;
    const std::int64_t x = step > 0 ? amount / (2 * step) : 0; // trunc(A / 2S)
    std::int64_t half = x;
    if (2 * half + 2 >= 999)
        half = 999;
    const bool centred = x > 1;
    if (centred && amount - half * step <= 0) {
        // The widened grid would start at a zero or negative amount: keep the
        // entered amount in the middle but start at the smallest positive one.
        half = (amount - 1) / step;
    }
    const std::int64_t first = centred ? amount - half * step : amount;
    const int amountRows = static_cast<int>(2 * half + 1);

    grid.amounts.resize(amountRows);
    for (int r = 0; r < amountRows; ++r)
        grid.amounts[r] = static_cast<double>(first + r * step) / static_cast<double>(unit);

    const double n = loan.Payments();
    grid.repayments.resize(amountRows);
    for (int c = 0; c < MortgageGrid::RateColumns; ++c) {
        // Each column's rate from the entered one, not by repeated addition,
        // so 0.3 less three steps of 0.1 is 0 and not -5.55E-17.
        const double rate = RoundToPlaces(
            loan.rate + (c + 1 - MortgageGrid::EnteredRateColumn) * interestStep, 10);
        grid.rates[c] = rate;
        const double nominal = PeriodRate(rate, loan.compoundingsPerYear, loan.paymentsPerYear)
            * loan.paymentsPerYear * 100;
        const RepaymentTable table(nominal, n, loan.paymentsPerYear, loan.timing);
        for (int r = 0; r < amountRows; ++r)
            grid.repayments[r][c] = table.Rounded(grid.amounts[r]);
    }

    grid.enteredRow = centred ? static_cast<int>(half) + 1 : 1;
    const int rowCount = grid.RowCount();
    if (rowCount > 9)
        grid.firstVisibleRow = rowCount / 2 - 3;
    return grid;
}

QString MortgageGridRateHeading(double rate, const QLocale &locale)
{
    return GeneralNumberText(rate, locale) + QLatin1Char('%');
}
