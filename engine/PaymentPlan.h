// SPDX-License-Identifier: GPL-3.0-or-later
// A payment plan: extra payments over a range, lump sums and rate changes on the
// Mortgage tab's loan, walked payment by payment as the schedule walks it, with a
// date for every payment once the first payment's date is known.
#pragma once

#include "core/Message.h"
#include "engine/MortgageFunctions.h"

#include <QDate>

#include <optional>
#include <vector>

enum class PlanEventKind { Extra, LumpSum, RateChange };

struct PlanEvent {
    PlanEventKind kind = PlanEventKind::Extra;
    // Money paid on top (an extra each payment, or the lump sum), or the new rate
    // in percent a year, compounded as the loan's.
    double value = 0;
    int from = 1; // payment number: the extra's first, the lump sum's, the new rate's first
    int to = 0;   // an extra's last payment, inclusive; 0 runs to the end
    // A lump sum that works the repayment out again for the rest of the term,
    // instead of keeping it and ending the loan sooner.
    bool lowerRepayment = false;
    bool operator==(const PlanEvent &) const = default;
};

struct PaymentPlan {
    QDate firstPayment; // not valid: payments have no dates
    std::vector<PlanEvent> events;
    bool HasEvents() const { return !events.empty(); }
    bool operator==(const PaymentPlan &) const = default;
};

// One payment of the plan, or a year of them; money already rounded to cents.
struct PlanRow {
    int n = 0;   // payment number, or year of payments (payments 1 to P are year 1)
    QDate date;  // the payment's date (a year's: its last payment's); not valid without dates
    double payment = 0;
    double extra = 0; // paid above the repayment in force
    double interest = 0;
    double principal = 0;
    double balance = 0;
    double rate = 0; // percent a year in force
};

struct PlanResult {
    double repayment = 0;      // the Mortgage tab's
    double repaymentAtEnd = 0; // the one in force at the last payment
    int paymentsMade = 0;
    double lastPayment = 0;
    double totalInterest = 0;        // with the plan: the sum of the rows' interest
    double totalInterestWithout = 0; // the loan's by the one rule (TotalInterest), to cents as shown
    double saved = 0;                // 0 for a plan without events
    double totalPaid = 0;            // every payment
    QDate paidOff;                   // the last payment's date; not valid without dates
    std::vector<PlanRow> rows;       // one per payment
};

// Walks the loan with its plan: at each payment a rate change (the last listed
// wins) works the repayment out again, the extras and lump sums of that payment are
// paid on top, and a lump sum that lowers the repayment works it out again after.
PlanResult WalkPaymentPlan(const Loan &loan, const PaymentPlan &plan);

// The payment rows summed into years of payments; a year's date, rate and balance
// are those of its last payment.
std::vector<PlanRow> PlanRowsByYear(const std::vector<PlanRow> &byPayment, int paymentsPerYear);

// The date of payment k (1 = the first payment, on `first`). Monthly-based
// frequencies add whole months counted from the first (a 31st becomes a shorter
// month's last day); Bi-Monthly pays on the first's day and fifteen days later.
QDate PaymentDate(const QDate &first, int paymentsPerYear, int k);
// The first payment on or after `date`: its number, at least 1.
int PaymentOnOrAfter(const QDate &first, int paymentsPerYear, const QDate &date);

// How long the payments take, in years and the frequency's periods:
// "18 years and 8 months", "1 year", "5 fortnights". In English unless shown, which
// takes the user's language for the screen.
QString PayOffTime(int payments, int paymentsPerYear, bool shown = false);

// An event's name in messages: "Event 2 (lump sum)".
QString PlanEventName(int index, const PlanEvent &event);
// The first fault of an event of a loan of `payments` payments, as a message that
// names it (index is 0-based); nothing when it can be walked.
std::optional<Message> CheckPlanEvent(int index, const PlanEvent &event, int payments);
std::optional<Message> CheckPaymentPlan(const PaymentPlan &plan, int payments);
