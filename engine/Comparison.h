// SPDX-License-Identifier: GPL-3.0-or-later
// Offers side by side: each compared loan with its plan and fees, worked out to the
// figures a borrower reads across the columns, and the cheapest by its annual
// percentage rate.
#pragma once

#include "engine/AnnualRate.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

constexpr int MostComparedLoans = 6;

struct ComparedLoan {
    QString name; // free text, never a line break
    Loan loan;
    PaymentPlan plan;
    LoanFees fees;
    bool operator==(const ComparedLoan &) const = default;
};

// One column's figures, money rounded to cents as shown.
struct ComparisonFigures {
    double repayment = 0;  // the first payment's, before any event changes it
    double monthly = 0;    // the repayment as a monthly figure: repayment * P / 12
    int paymentsMade = 0;
    double lastPayment = 0;
    QDate paidOff;         // valid only when the plan has a first-payment date
    double totalInterest = 0; // the one rule without events, the plan's walk with them
    double fees = 0;          // upfront + per payment * payments made
    double totalPaid = 0;     // amount + interest + fees
    std::optional<double> apr; // percent; nothing when no rate answers
};

ComparisonFigures CompareFigures(const ComparedLoan &compared);

struct Comparison {
    std::vector<ComparedLoan> loans; // at most MostComparedLoans
    std::vector<ComparisonFigures> figures;
    int cheapest = -1; // column (0-based) of the lowest APR; -1 with fewer than two loans or no APR
};

// The figures of each loan; loans past MostComparedLoans are left out.
Comparison Compare(const std::vector<ComparedLoan> &loans);

// The column with the lowest APR as shown (two decimals), the first of equals;
// -1 when fewer than two columns or none has an APR.
int CheapestColumn(const std::vector<ComparisonFigures> &figures);
