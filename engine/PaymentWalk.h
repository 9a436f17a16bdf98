// SPDX-License-Identifier: GPL-3.0-or-later
// A loan paid off payment by payment, each period's interest rounded to cents.
// The amortisation run, the schedule and the extra-payment walk all take this
// one step; what differs between them is said in the plan.
#pragma once

#include "engine/MortgageFunctions.h"

// When a walk counts the loan as paid.
enum class PaidWhen {
    // The run and the schedule: nothing is owed to the cent.
    BalanceRoundsToZero,
    // The extra-payment walk: a cent left over is not worth a payment of its own.
    ACentOrLessIsLeft,
};

struct WalkPlan {
    double amount = 0;
    double periodRate = 0; // i, a fraction
    double repayment = 0;  // the rounded repayment
    Timing timing = Timing::InArrears;
    // The N the repayment was rounded for. That payment takes all that is owed and,
    // in advance, accrues no interest, so the rounding never leaves a balance behind.
    double finalPayment = 0;
    // Payments made at most: trunc(years * P) + part.
    int rounds = 0;
    // Paid on top of every payment from payment `extraFrom` on (1 = the first), so an
    // extra can start mid-loan; 0 for no extra.
    double extra = 0;
    int extraFrom = 0;
    PaidWhen paidWhen = PaidWhen::BalanceRoundsToZero;
};

// The plan of a loan walked with its own rounded repayment, as the run does.
WalkPlan PlanOf(const Loan &loan);

class PaymentWalk {
public:
    explicit PaymentWalk(const WalkPlan &plan)
        : plan_(plan), periodRate_(plan.periodRate), repayment_(plan.repayment),
          balance_(plan.amount), arrears_(plan.timing == Timing::InArrears)
    {
    }

    // Makes the next payment, `more` paid on top of the repayment this time only;
    // false, and nothing made, once the plan's rounds are done.
    bool Pay(double more = 0)
    {
        if (count_ >= plan_.rounds)
            return false;
        count_ = count_ + 1;
        if (count_ == plan_.extraFrom)
            repayment_ = repayment_ + plan_.extra;
        const double due = repayment_ + more;
        const bool last = count_ == plan_.finalPayment;
        double interest;
        if (arrears_)
            interest = RoundToPlaces(balance_ * periodRate_, 2);
        else if (balance_ > due && !last)
            interest = RoundToPlaces((balance_ - due) * periodRate_, 2);
        else
            interest = 0;
        // The payment that clears the loan takes exactly what is owed; after it
        // nothing is owed, so any rounds after it pay nothing.
        payment_ = balance_ + interest < due || last ? balance_ + interest : due;
        balance_ = balance_ + interest - payment_;
        interest_ = interest;
        total_ = total_ + interest;
        return true;
    }

    // A payment plan changes these between payments: a new rate, and the
    // repayment worked out again for the rest of the term.
    void SetPeriodRate(double periodRate) { periodRate_ = periodRate; }
    void SetRepayment(double repayment) { repayment_ = repayment; }

    bool PaidOff() const
    {
        if (plan_.paidWhen == PaidWhen::ACentOrLessIsLeft)
            return balance_ <= 0.01;
        return RoundToPlaces(balance_, 2) <= 0;
    }

    int Count() const { return count_; }          // payments made so far
    double Interest() const { return interest_; } // of the last payment made
    double Payment() const { return payment_; }   // the last payment made
    double Repayment() const { return repayment_; } // the one in force
    double Balance() const { return balance_; }
    double TotalInterest() const { return total_; } // not rounded

private:
    WalkPlan plan_;
    double periodRate_;
    double repayment_;
    double balance_;
    bool arrears_;
    int count_ = 0;
    double payment_ = 0;
    double interest_ = 0;
    double total_ = 0;
};

struct WalkEnd {
    bool paidOff = false;
    int payments = 0;
    double lastPayment = 0;
    double totalInterest = 0; // rounded to cents
};

// Walks until the loan is paid or the rounds are done.
WalkEnd Walk(const WalkPlan &plan);
