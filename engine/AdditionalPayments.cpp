// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/AdditionalPayments.h"

#include <cmath>

namespace {

const Frequency *FrequencyOfPeriods(double paymentsPerYear)
{
    for (const Frequency &f : Frequencies())
        if (f.periods == paymentsPerYear)
            return &f;
    return nullptr;
}

} // namespace

AdditionalPaymentGrid BuildAdditionalPaymentGrid(const Loan &loan)
{
    AdditionalPaymentGrid grid;
    const double p = loan.paymentsPerYear;
    const int wholeP = static_cast<int>(p);
    if (const Frequency *f = FrequencyOfPeriods(p))
        grid.label = f->additionalGridLabel;
    const double nominal = loan.NominalRate();
    const double i = nominal / (100 * p);
    grid.repayment = RoundedRepayment(loan.amount, nominal, loan.Payments(), p, loan.timing);
    if (loan.Rounds() <= 0 || wholeP <= 0)
        return grid;

    const int count = RunAmortisation(loan).PaymentsMade;
    int rows;
    if (count / wholeP == loan.years)
        rows = loan.years + (loan.part > 0 ? 1 : 0);
    else
        rows = count / wholeP + (count % wholeP != 0 ? 1 : 0);

    grid.rows.reserve(rows);
    double firstInterest = 0;
    for (int o = rows; o >= 1; --o) {
        Loan term = loan;
        if (o == rows && loan.part > 0) {
            term.years = o - 1;
            term.part = loan.part;
        } else {
            term.years = o;
            term.part = 0;
        }
        const double n = term.Payments();
        const double repayment = RoundedRepayment(loan.amount, nominal, n, p, loan.timing);
        double interest = ClosedFormInterest(loan.amount, i, n, repayment, loan.timing);
        if (!(interest >= 0) || !std::isfinite(interest))
            interest = RunAmortisation(term).InterestTotal;
        interest = RoundToPlaces(interest, 2);
        if (o == rows)
            firstInterest = interest;
        AdditionalPaymentRow row;
        row.years = o;
        row.additional = RoundToPlaces(repayment - grid.repayment, 2);
        row.payment = RoundToPlaces(repayment, 2);
        row.totalInterest = interest;
        row.interestSaved = RoundToPlaces(firstInterest - interest, 2);
        grid.rows.push_back(row);
    }
    return grid;
}

SpecificAdditionalPayment CalculateSpecificAdditionalPayment(const Loan &loan, double extra,
                                                             const AdditionalPaymentStart &start)
{
    SpecificAdditionalPayment result;
    const double p = loan.paymentsPerYear;
    const int wholeP = static_cast<int>(p);
    if (loan.Rounds() <= 0 || wholeP <= 0)
        return result;

    const AmortisationResult run = RunAmortisation(loan);
    int years = loan.years;
    int part = loan.part;
    const bool shortened = run.PaymentsMade != years * p + part;
    if (shortened) {
        years = run.PaymentsMade / wholeP;
        part = run.PaymentsMade - years * wholeP;
    }
    const Frequency *frequency = FrequencyOfPeriods(p);
    const double perMonth = frequency ? frequency->periodsPerMonth : p / 12;

    Loan walked = loan;
    walked.years = years;
    walked.part = part;
    const double nominal = walked.NominalRate();
    const double n = walked.Payments();
    double pay = RoundedRepayment(loan.amount, nominal, n, p, loan.timing);
    const double i = nominal / (100 * p);

    int first = 1;
    if (!start.fromStart) {
        // A yearly loan has one payment a year, so its start period is always 1.
        const int period = wholeP == 1 ? 1 : start.period;
        first = (start.year - 1) * wholeP + period;
    }
    if (first < 1)
        first = 1;

    double without = ClosedFormInterest(loan.amount, i, n, pay, loan.timing);
    if (shortened || !(without >= 0) || !std::isfinite(without))
        without = run.InterestTotal;
    result.without = without;

    const bool arrears = loan.timing == Timing::InArrears;
    const int rounds = walked.Rounds();
    double balance = loan.amount;
    double total = 0;
    for (int k = 1; k <= rounds; ++k) {
        if (k == first)
            pay = pay + extra;
        double interest;
        if (arrears)
            interest = RoundToPlaces(balance * i, 2);
        else if (balance > pay)
            interest = RoundToPlaces((balance - pay) * i, 2);
        else
            interest = 0;
        // The last payment takes what is owed, as in the amortisation run, so a
        // repayment that rounds to nothing still clears the loan.
        if (balance + interest < pay || k == n)
            pay = balance + interest;
        balance = balance + interest - pay;
        total = total + interest;
        if (balance <= 0.01 || k % wholeP == 0 || k == rounds)
            result.balanceByYear.push_back(RoundToPlaces(balance, 2));
        if (balance <= 0.01) {
            result.paidOff = true;
            result.paymentsMade = k;
            result.with = RoundToPlaces(total, 2);
            const int yearsPaid = k / wholeP;
            const int months = static_cast<int>(
                RoundToPlaces((k - yearsPaid * p) / perMonth + 0.4, 0));
            const int termMonths = static_cast<int>(std::trunc(RoundToPlaces(part / perMonth + 0.4, 0)));
            QString s = QStringLiteral("You have paid off your ");
            if (years != 0)
                s += QString::number(years) + QStringLiteral(" Year");
            if (part != 0)
                s += QStringLiteral(" and ") + QString::number(termMonths) + QStringLiteral(" month");
            s += QStringLiteral(" Mortgage in ");
            if (yearsPaid == 1)
                s += QStringLiteral("1 Year");
            else if (yearsPaid > 1)
                s += QString::number(yearsPaid) + QStringLiteral(" Years");
            if (yearsPaid != 0 && months != 0)
                s += QStringLiteral(" and ");
            if (months == 1)
                s += QStringLiteral("1 Month");
            else if (months > 1)
                s += QString::number(months) + QStringLiteral(" Months");
            result.sentence = s;
            result.saved = RoundToPlaces(without - result.with, 2);
            return result;
        }
    }
    return result;
}
