// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/WhatIf.h"

#include <cmath>

namespace {

const QString kCannotPayOff = QStringLiteral(
    "This Mortgage can't be paid off in a reasonable period. Try increasing your payments.");

WhatIfOutcome Fail(const WhatIfFields &fields, const QString &text,
                   MessageKind kind = MessageKind::Information)
{
    return WhatIfOutcome{Message{text, kind}, fields};
}

// The largest nominal rate (percent, convertible P times a year, seven decimals)
// whose repayment does not exceed pay.
double SearchNominalRate(double amount, double pay, double n, double p, Timing timing)
{
    auto repayment = [&](double rate) { return WhatIfRepayment(amount, rate / (100 * p), n, timing); };
    int k = 1;
    double q = repayment(k);
    while (!(q >= pay - 0.000001)) {
        ++k;
        if (k == 51)
            break;
        q = repayment(k);
    }
    if (q >= pay + 0.000001)
        --k;
    double base = k;
    for (int d = 1; d <= 7; ++d) {
        const double scale = Power(10, d);
        int digit = 9;
        for (int j = 1; j <= 9; ++j) {
            if (repayment(base + j / scale) > pay) {
                digit = j - 1;
                break;
            }
        }
        base = base + digit / scale;
    }
    return base;
}

} // namespace

double WhatIfRepayment(double amount, double periodRate, double payments, Timing timing)
{
    const double i = periodRate;
    if (timing == Timing::InArrears) {
        const double growth = Power(1 + i, payments);
        return amount * i * growth / (growth - 1);
    }
    return amount / (1 + (1 - Power(1 + i, -(payments - 1))) / i);
}

WhatIfOutcome SolveWhatIf(const WhatIfFields &fields, const QLocale &locale)
{
    WhatIfOutcome outcome{std::nullopt, fields};
    const WhatIfVariable solve = fields.solveFor;
    const double c = CompoundingsPerYear(fields.compounded);
    const double p = PaymentsPerYear(fields.payment);
    if (p <= 0 || c <= 0)
        return Fail(fields, QStringLiteral("Choose a payment and a compounding frequency."));

    double i = 0;
    if (solve != WhatIfVariable::Interest) {
        if (!IsNumberInRange(fields.interest, 0.000001, 100, locale))
            return Fail(fields, QStringLiteral(
                "You must enter an interest rate greater than 0 and less that 100%"));
        const double rate = *ParseNumber(fields.interest, locale);
        i = RoundToPlaces(PeriodRate(rate, c, p), 10);
        if (i <= 0)
            return Fail(fields, QStringLiteral(
                "This interest rate is too small to calculate with for this payment frequency. "
                "Enter a larger interest rate."));
    }
    double n = 0;
    if (solve != WhatIfVariable::Periods) {
        if (auto message = ValidateTerm(fields.periods, QStringLiteral(" a period "),
                                        fields.partYear, 50, p, locale))
            return Fail(fields, *message, MessageKind::Confirmation);
        const Term term = TermOfTexts(fields.periods, fields.partYear, locale);
        n = term.years * std::trunc(p) + term.part;
    }
    double amount = 0;
    if (solve != WhatIfVariable::Amount) {
        if (!IsNumberInRange(fields.principal, 0, 999999999, locale))
            return Fail(fields, QStringLiteral("You must enter a valid amount, less than 999999999"));
        amount = *ParseNumber(fields.principal, locale);
    }
    double pay = 0;
    if (solve != WhatIfVariable::Payment) {
        if (!IsNumberInRange(fields.repay, 0, 999999999, locale))
            return Fail(fields, QStringLiteral(
                "You must enter a valid Mortgage payment, less than 999999999"));
        pay = *ParseNumber(fields.repay, locale);
    }

    const bool arrears = fields.timing == Timing::InArrears;
    switch (solve) {
    case WhatIfVariable::Payment: {
        const double value = RoundToPlaces(WhatIfRepayment(amount, i, n, fields.timing) + 0.000049, 4);
        if (!std::isfinite(value))
            return Fail(fields, QStringLiteral("The repayment cannot be calculated for these values."));
        outcome.fields.repay = GeneralNumberText(value, locale);
        break;
    }
    case WhatIfVariable::Amount: {
        double value;
        if (arrears) {
            const double growth = Power(1 + i, n);
            value = (growth - 1) * pay / (growth * i);
        } else {
            value = pay * (1 + (1 - Power(1 + i, -(n - 1))) / i);
        }
        value = RoundToPlaces(value, 0);
        if (!std::isfinite(value))
            return Fail(fields, QStringLiteral("The amount cannot be calculated for these values."));
        outcome.fields.principal = GeneralNumberText(value, locale);
        break;
    }
    case WhatIfVariable::Periods: {
        double x;
        if (arrears) {
            // A repayment that does not exceed one period's interest never clears the loan.
            const double owed = amount * i / pay;
            if (!(owed < 1))
                return Fail(fields, kCannotPayOff);
            x = -std::log(1 - owed) / std::log(1 + i);
        } else {
            const double g = (amount / pay - 1) * i;
            if (!(g < 1))
                return Fail(fields, kCannotPayOff);
            x = 1 - std::log(1 - g) / std::log(1 + i);
        }
        x = RoundToPlaces(x + 0.5, 0);
        if (!std::isfinite(x))
            return Fail(fields, kCannotPayOff);
        const double years = std::trunc(x / p);
        const double fraction = x / p - years;
        outcome.fields.periods = GeneralNumberText(years, locale);
        outcome.fields.partYear = GeneralNumberText(RoundToPlaces(fraction * p, 0), locale);
        break;
    }
    case WhatIfVariable::Interest: {
        const double base = SearchNominalRate(amount, pay, n, p, fields.timing);
        const double rate = PeriodRate(base, p, c) * c * 100;
        outcome.fields.interest = GeneralNumberText(RoundToPlaces(rate, 4), locale);
        break;
    }
    }
    return outcome;
}
