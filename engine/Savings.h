// SPDX-License-Identifier: GPL-3.0-or-later
// The Mortgage Savings figures: a shorter term's repayment and the value of
// investing the full repayment once the shorter loan is paid off.
#pragma once

#include "engine/ErrorChecking.h"

#include <optional>
#include <vector>

enum class SavingsField { Amount, Period, Rate, ReducedPeriod, InvestRate };

struct SavingsFields {
    QString amount;        // MSavingsAmount
    QString period;        // mperiod, whole years
    QString rate;          // minterest, percent
    QString reducedPeriod; // reducedperiod, whole years
    QString investRate;    // investrate, percent
};

// What is wrong with the fields: the message, and the fields it is about (the
// reduced period against the period is about both).
struct SavingsProblem {
    Message message;
    std::vector<SavingsField> fields;

    bool Concerns(SavingsField field) const;
};

// A field that is not a number empties every result; any other problem empties
// the results that depend on its field.
struct SavingsOutcome {
    // Every problem found, in the order of the fields; the first is the one to tell.
    std::vector<SavingsProblem> problems;
    QString repayment;        // mrepayment
    QString reducedRepayment; // reducedpayment
    QString extra;            // textra
    QString years;            // tyears
    QString investment;       // investtotal

    // The same figures as numbers, for scripts.
    std::optional<double> repaymentValue, reducedRepaymentValue, extraValue, investmentValue;

    const Message *FirstMessage() const { return problems.empty() ? nullptr : &problems.front().message; }
    // The problem a user leaving this field is told of, if any.
    const SavingsProblem *ProblemOf(SavingsField field) const;
};

// The message shown when the field holds something other than a number.
QString SavingsFieldMessage(SavingsField field);

// Blank fields are not typed yet: they raise nothing and leave the later results empty.
SavingsOutcome CalculateSavings(const SavingsFields &fields, const QLocale &locale = QLocale());
