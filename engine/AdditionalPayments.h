// SPDX-License-Identifier: GPL-3.0-or-later
// What paying more than the required repayment achieves.
#pragma once

#include "engine/LoanChecks.h"
#include "engine/MortgageFunctions.h"

#include <vector>

struct AdditionalPaymentRow {
    int years = 0;          // term of the row, a started year counting as a whole one
    double additional = 0;  // extra per payment over the loan's own repayment
    double payment = 0;     // repayment that clears the loan in that term
    double totalInterest = 0;
    double interestSaved = 0; // against the first (longest) row
    // The row's repayment does not pay its loan off evenly in its term: the run needs
    // another number of payments, leaves a balloon, or a longer row has the same
    // repayment. Its saving is then what the repayment itself saves.
    bool uneven = false;
};

struct AdditionalPaymentGrid {
    QString label;          // frequency word ("Monthly", "Annual", "Half Monthly", ...)
    double repayment = 0;   // the loan's own rounded repayment
    std::vector<AdditionalPaymentRow> rows; // longest term first
};

// One row for every whole number of years from the loan's real term down to 1.
AdditionalPaymentGrid BuildAdditionalPaymentGrid(const Loan &loan);

// When the extra payment starts.
struct AdditionalPaymentStart {
    bool fromStart = true;
    int year = 1;   // 1 = the first year of the loan
    int period = 1; // payment period within that year, 1 to P
};

struct SpecificAdditionalPayment {
    double without = 0; // total interest without the extra payment
    double with = 0;    // total interest with it
    double saved = 0;
    int paymentsMade = 0;
    QString sentence;   // "You have paid off your 25 Year Mortgage in 18 Years and 8 Months"
    QString shownSentence; // the sentence in the user's language, for the screen
    QString paidOffIn;  // "18 Years and 8 Months", the sentence's end; empty when not paid off
    bool paidOff = false; // false: the walk never cleared the loan; show nothing new
    // Balance, to cents, after every whole year of payments of the walk with the extra
    // payment, and last where the walk stopped (after paymentsMade when paid off).
    std::vector<double> balanceByYear;
};

// "18 Years and 8 Months": the time the payments made take, a month counted once more
// than a tenth of it is paid.
QString PaidOffIn(int paymentsMade, double paymentsPerYear, bool shown = false);
// "You have paid off your 25 Year Mortgage in 18 Years and 8 Months": the term
// named by its years and part-year, the time taken by the payments made.
// Both in English for reports and the calculator, or with `shown` in the user's language.
QString PayOffSentence(int termYears, int termPart, int paymentsMade, double paymentsPerYear, bool shown = false);

// The term the rounded repayment really takes: the entered one, or a shorter one
// when the repayment's rounding clears the loan early. The pay-off sentence names it
// and a start year must lie within it.
Term SpecificPaymentTerm(const Loan &loan);

SpecificAdditionalPayment CalculateSpecificAdditionalPayment(const Loan &loan, double extra,
                                                             const AdditionalPaymentStart &start);

// The specific additional payment as its fields hold it.
struct SpecificPaymentTexts {
    QString extra;
    bool fromStart = true;
    QString year;   // "Starting in year"
    QString period; // payment period within that year; not read from the start
};

// The fields of a specific additional payment a check may refuse.
enum class SpecificField { Extra, Year, Period };

struct CheckedSpecificPayment {
    std::optional<Message> problem; // the first check that failed, in the window's words
    SpecificField fault = SpecificField::Extra; // the field it refused
    double extra = 0;
    AdditionalPaymentStart start;
};

// The checks of an extra payment and its start, in order, stopping at the first
// failure. The loan's texts must have passed their own checks.
CheckedSpecificPayment CheckSpecificPayment(const LoanTexts &loan, const SpecificPaymentTexts &texts,
                                            const QLocale &locale = QLocale());
