// SPDX-License-Identifier: GPL-3.0-or-later
// The checks a window makes of a loan's texts before it calculates: amount, then
// term, then rate, stopping at the first failure with that check's message.
#pragma once

#include "engine/ErrorChecking.h"
#include "engine/MortgageFunctions.h"

#include <optional>

// A loan as its fields hold it.
struct LoanTexts {
    QString amount;
    QString years;
    QString part;
    QString rate;
    QString payment = QStringLiteral("Monthly");
    QString compounded = QStringLiteral("Monthly");
    Timing timing = Timing::InArrears;
};

// Ranges and wording of one window's checks.
struct LoanCheck {
    double amountLow;
    double amountHigh;
    const char *amountMessage; // untranslated: translated where shown
    double rateLow;
    double rateHigh;
    const char *rateMessage;
};

namespace LoanChecks {
const LoanCheck &Mortgage();    // Mortgage tab "Calculate" and "Print"
const LoanCheck &LastPayment(); // "Last Payment": a zero amount and a zero rate pass
const LoanCheck &Analysis();    // schedule, additional payments, the graph
const LoanCheck &GridOpening(); // the Mortgage Grid button words its messages its own way
} // namespace LoanChecks

enum class LoanField { Frequency, Amount, Term, PartYear, Rate };

struct LoanProblem {
    LoanField field;
    Message message;
};

std::optional<LoanProblem> CheckLoanTexts(const LoanTexts &texts, const LoanCheck &check,
                                          const QLocale &locale = QLocale());

// The loan of texts that passed the checks.
Loan LoanOfTexts(const LoanTexts &texts, const QLocale &locale = QLocale());
