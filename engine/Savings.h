// SPDX-License-Identifier: GPL-3.0-or-later
// The Mortgage Savings figures: a shorter term's repayment and the value of
// investing the full repayment once the shorter loan is paid off.
#pragma once

#include "engine/ErrorChecking.h"

#include <optional>

enum class SavingsField { Amount, Period, Rate, ReducedPeriod, InvestRate };

struct SavingsFields {
    QString amount;        // MSavingsAmount
    QString period;        // mperiod, whole years
    QString rate;          // minterest, percent
    QString reducedPeriod; // reducedperiod, whole years
    QString investRate;    // investrate, percent
};

// Each result is empty when its inputs are missing, or all are when a message is due.
struct SavingsOutcome {
    std::optional<Message> message;
    QString repayment;        // mrepayment
    QString reducedRepayment; // reducedpayment
    QString extra;            // textra
    QString years;            // tyears
    QString investment;       // investtotal

    // The same figures as numbers, for scripts.
    std::optional<double> repaymentValue, reducedRepaymentValue, extraValue, investmentValue;
};

// The message shown when the field holds something other than a number.
QString SavingsFieldMessage(SavingsField field);

// `changed` is the field the user just edited; only it is checked for letters
// before the figures are worked out.
SavingsOutcome CalculateSavings(const SavingsFields &fields, std::optional<SavingsField> changed,
                                const QLocale &locale = QLocale());
