// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/WhatIf.h"

#include <QCoreApplication>

#include <cmath>

namespace {

QString kCannotPayOff()
{
    return QCoreApplication::translate("WhatIf",
    "This Mortgage can't be paid off in a reasonable period. Try increasing your payments.");
}

QString kRateAboveRange()
{
    return QCoreApplication::translate("WhatIf",
    "No interest rate up to 52% needs a repayment this large, so the rate cannot be found. "
    "Lower the repayment, raise the amount or shorten the period.");
}
QString kRepaymentsTooSmall()
{
    return QCoreApplication::translate("WhatIf",
    "The repayments add up to less than the amount, so no interest rate pays off this Mortgage. "
    "Raise the repayment or the number of periods.");
}

WhatIfOutcome Fail(const WhatIfFields &fields, const QString &text,
                   MessageKind kind = MessageKind::Information)
{
    return WhatIfOutcome{Message{text, kind}, std::nullopt, fields};
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

namespace {

// The figures of the three known fields and of the frequencies; the one being
// solved for stays 0.
struct Known {
    double p = 0;
    double c = 0;
    double i = 0;
    double n = 0;
    double amount = 0;
    double pay = 0;
};

// Reads the known fields in the tab's order of checks; the failure to show, or
// nothing when all were read.
std::optional<WhatIfOutcome> ReadKnown(const WhatIfFields &fields, const QLocale &locale, Known &known,
                                       std::optional<WhatIfVariable> &reading)
{
    const WhatIfVariable solve = fields.solveFor;
    known.c = CompoundingsPerYear(fields.compounded);
    known.p = PaymentsPerYear(fields.payment);
    if (known.p <= 0 || known.c <= 0)
        return Fail(fields, QCoreApplication::translate("WhatIf", "Choose a payment and a compounding frequency."));

    if (solve != WhatIfVariable::Interest) {
        reading = WhatIfVariable::Interest;
        if (!IsNumberInRange(fields.interest, 0.000001, 100, locale))
            return Fail(fields, QCoreApplication::translate("WhatIf",
                "You must enter an interest rate greater than 0 and less that 100%"));
        const double rate = *ParseNumber(fields.interest, locale);
        known.i = RoundToPlaces(PeriodRate(rate, known.c, known.p), 10);
        if (known.i <= 0)
            return Fail(fields, QCoreApplication::translate("WhatIf",
                "This interest rate is too small to calculate with for this payment frequency. "
                "Enter a larger interest rate."));
    }
    if (solve != WhatIfVariable::Periods) {
        reading = WhatIfVariable::Periods;
        if (auto message = ValidateTerm(fields.periods, QCoreApplication::translate("WhatIf", " a period "),
                                        fields.partYear, 50, known.p, locale))
            return Fail(fields, *message, MessageKind::Confirmation);
        const Term term = TermOfTexts(fields.periods, fields.partYear, locale);
        known.n = term.years * std::trunc(known.p) + term.part;
    }
    if (solve != WhatIfVariable::Amount) {
        reading = WhatIfVariable::Amount;
        if (!IsNumberInRange(fields.principal, 0, 999999999, locale))
            return Fail(fields, QCoreApplication::translate("WhatIf", "You must enter a valid amount, less than 999999999"));
        known.amount = *ParseNumber(fields.principal, locale);
    }
    if (solve != WhatIfVariable::Payment) {
        reading = WhatIfVariable::Payment;
        if (!IsNumberInRange(fields.repay, 0, 999999999, locale))
            return Fail(fields, QCoreApplication::translate("WhatIf",
                "You must enter a valid Mortgage payment, less than 999999999"));
        known.pay = *ParseNumber(fields.repay, locale);
    }
    return std::nullopt;
}

// The amount the repayment pays off over n payments, unrounded.
double AmountRepaid(const Known &k, bool arrears)
{
    if (arrears) {
        const double growth = Power(1 + k.i, k.n);
        return (growth - 1) * k.pay / (growth * k.i);
    }
    return k.pay * (1 + (1 - Power(1 + k.i, -(k.n - 1))) / k.i);
}

// The number of payments, unrounded, that clears the amount; nothing when the
// repayment never does.
std::optional<double> PaymentsToClear(const Known &k, bool arrears)
{
    if (arrears) {
        // A repayment that does not exceed one period's interest never clears the loan.
        const double owed = k.amount * k.i / k.pay;
        if (!(owed < 1))
            return std::nullopt;
        return -std::log(1 - owed) / std::log(1 + k.i);
    }
    const double g = (k.amount / k.pay - 1) * k.i;
    if (!(g < 1))
        return std::nullopt;
    return 1 - std::log(1 - g) / std::log(1 + k.i);
}

} // namespace

WhatIfOutcome SolveWhatIf(const WhatIfFields &fields, const QLocale &locale)
{
    Known k;
    std::optional<WhatIfVariable> reading;
    if (auto failed = ReadKnown(fields, locale, k, reading)) {
        failed->fault = reading;
        return *failed;
    }

    WhatIfOutcome outcome{std::nullopt, std::nullopt, fields};
    const bool arrears = fields.timing == Timing::InArrears;
    switch (fields.solveFor) {
    case WhatIfVariable::Payment: {
        const double value = RoundToPlaces(WhatIfRepayment(k.amount, k.i, k.n, fields.timing) + 0.000049, 4);
        if (!std::isfinite(value))
            return Fail(fields, QCoreApplication::translate("WhatIf", "The repayment cannot be calculated for these values."));
        outcome.fields.repay = GeneralNumberText(value, locale);
        break;
    }
    case WhatIfVariable::Amount: {
        const double value = RoundToPlaces(AmountRepaid(k, arrears), 0);
        if (!std::isfinite(value))
            return Fail(fields, QCoreApplication::translate("WhatIf", "The amount cannot be calculated for these values."));
        outcome.fields.principal = GeneralNumberText(value, locale);
        break;
    }
    case WhatIfVariable::Periods: {
        const std::optional<double> payments = PaymentsToClear(k, arrears);
        if (!payments)
            return Fail(fields, kCannotPayOff());
        const double x = RoundToPlaces(*payments + 0.5, 0);
        if (!std::isfinite(x))
            return Fail(fields, kCannotPayOff());
        const double years = std::trunc(x / k.p);
        const double fraction = x / k.p - years;
        outcome.fields.periods = GeneralNumberText(years, locale);
        outcome.fields.partYear = GeneralNumberText(RoundToPlaces(fraction * k.p, 0), locale);
        break;
    }
    case WhatIfVariable::Interest: {
        const double base = SearchNominalRate(k.amount, k.pay, k.n, k.p, fields.timing);
        // The search only covers 0 to 51.9999999 %: an answer at either end is no rate.
        if (base > 51.99999985)
            return Fail(fields, kRateAboveRange());
        if (base <= 0 && k.pay * k.n < k.amount)
            return Fail(fields, kRepaymentsTooSmall());
        const double rate = PeriodRate(base, k.p, k.c) * k.c * 100;
        outcome.fields.interest = GeneralNumberText(RoundToPlaces(rate, 4), locale);
        break;
    }
    }
    return outcome;
}
