// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/AdditionalPayments.h"

#include "engine/PaymentWalk.h"

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
    const double i = loan.PeriodRate();
    grid.repayment = loan.Repayment();
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

QString PayOffSentence(int termYears, int termPart, int paymentsMade, double paymentsPerYear)
{
    const int wholeP = static_cast<int>(paymentsPerYear);
    const Frequency *frequency = FrequencyOfPeriods(paymentsPerYear);
    const double perMonth = frequency ? frequency->periodsPerMonth : paymentsPerYear / 12;
    const int yearsPaid = wholeP > 0 ? paymentsMade / wholeP : 0;
    // Adding 0.4 counts a remainder of more than a tenth of a month as a whole month.
    const int months = static_cast<int>(
        RoundToPlaces((paymentsMade - yearsPaid * paymentsPerYear) / perMonth + 0.4, 0));
    const int termMonths = static_cast<int>(std::trunc(RoundToPlaces(termPart / perMonth + 0.4, 0)));
    QString s = QStringLiteral("You have paid off your ");
    if (termYears != 0)
        s += QString::number(termYears) + QStringLiteral(" Year");
    if (termPart != 0)
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
    return s;
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
    Loan walked = loan;
    const bool shortened = run.PaymentsMade != loan.Payments();
    if (shortened) {
        walked.years = run.PaymentsMade / wholeP;
        walked.part = run.PaymentsMade - walked.years * wholeP;
    }

    int first = 1;
    if (!start.fromStart) {
        // A yearly loan has one payment a year, so its start period is always 1.
        const int period = wholeP == 1 ? 1 : start.period;
        first = (start.year - 1) * wholeP + period;
    }
    if (first < 1)
        first = 1;

    WalkPlan plan = PlanOf(walked);
    plan.extra = extra;
    plan.extraFrom = first;
    plan.paidWhen = PaidWhen::ACentOrLessIsLeft;

    double without = ClosedFormInterest(loan.amount, plan.periodRate, plan.finalPayment,
                                        plan.repayment, loan.timing);
    if (shortened || !(without >= 0) || !std::isfinite(without))
        without = run.InterestTotal;
    result.without = without;

    PaymentWalk walk(plan);
    while (walk.Pay()) {
        const int k = walk.Count();
        const bool paidOff = walk.PaidOff();
        if (paidOff || k % wholeP == 0 || k == plan.rounds)
            result.balanceByYear.push_back(RoundToPlaces(walk.Balance(), 2));
        if (paidOff) {
            result.paidOff = true;
            result.paymentsMade = k;
            result.with = RoundToPlaces(walk.TotalInterest(), 2);
            result.sentence = PayOffSentence(walked.years, walked.part, k, p);
            result.saved = RoundToPlaces(without - result.with, 2);
            return result;
        }
    }
    return result;
}
