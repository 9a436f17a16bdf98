// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/AdditionalPayments.h"

#include "core/Said.h"

#include "engine/PaymentWalk.h"

#include <QCoreApplication>

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
    WalkPlan longest; // the first row's loan, to walk another row's repayment over
    double previousRepayment = -1;
    for (int o = rows; o >= 1; --o) {
        Loan term = loan;
        if (o == rows && loan.part > 0) {
            term.years = o - 1;
            term.part = loan.part;
        } else {
            term.years = o;
            term.part = 0;
        }
        // Each row is a loan of its own, walked with its own repayment.
        const double repayment = term.Repayment();
        const AmortisationResult run = RunAmortisation(term);
        const double interest = RoundToPlaces(TotalInterest(term, run), 2);
        AdditionalPaymentRow row;
        row.years = o;
        row.additional = RoundToPlaces(repayment - grid.repayment, 2);
        row.payment = RoundToPlaces(repayment, 2);
        row.totalInterest = interest;
        row.uneven = run.PaymentsMade != term.Payments() || IsBalloon(run, repayment)
            || repayment == previousRepayment;
        if (o == rows) {
            firstInterest = interest;
            longest = PlanOf(term);
        }
        double paid = interest;
        if (row.uneven && o != rows) {
            // A saving that only a larger, unshown last payment makes is no saving:
            // walk this repayment over the longest row's term until it clears the loan.
            WalkPlan plan = longest;
            plan.repayment = repayment;
            const WalkEnd end = Walk(plan);
            if (end.paidOff)
                paid = end.totalInterest;
        }
        row.interestSaved = RoundToPlaces(firstInterest - paid, 2);
        previousRepayment = repayment;
        grid.rows.push_back(row);
    }
    return grid;
}

namespace {

} // namespace

QString PaidOffIn(int paymentsMade, double paymentsPerYear, bool shown)
{
    const int wholeP = static_cast<int>(paymentsPerYear);
    const Frequency *frequency = FrequencyOfPeriods(paymentsPerYear);
    const double perMonth = frequency ? frequency->periodsPerMonth : paymentsPerYear / 12;
    const int yearsPaid = wholeP > 0 ? paymentsMade / wholeP : 0;
    // Adding 0.4 counts a remainder of more than a tenth of a month as a whole month.
    const int months = static_cast<int>(
        RoundToPlaces((paymentsMade - yearsPaid * paymentsPerYear) / perMonth + 0.4, 0));
    QString years;
    if (yearsPaid == 1)
        years = Said("PayOff", QT_TRANSLATE_NOOP("PayOff", "1 Year"), shown);
    else if (yearsPaid > 1)
        years = Said("PayOff", QT_TRANSLATE_NOOP("PayOff", "%1 Years"), shown).arg(yearsPaid);
    QString rest;
    if (months == 1)
        rest = Said("PayOff", QT_TRANSLATE_NOOP("PayOff", "1 Month"), shown);
    else if (months > 1)
        rest = Said("PayOff", QT_TRANSLATE_NOOP("PayOff", "%1 Months"), shown).arg(months);
    else if (yearsPaid == 0)
        rest = Said("PayOff", QT_TRANSLATE_NOOP("PayOff", "less than 1 Month"), shown); // a few daily payments: never end on "in "
    if (!years.isEmpty() && !rest.isEmpty())
        return Said("PayOff", QT_TRANSLATE_NOOP("PayOff", "%1 and %2"), shown).arg(years, rest);
    return years + rest;
}

QString PayOffSentence(int termYears, int termPart, int paymentsMade, double paymentsPerYear, bool shown)
{
    const Frequency *frequency = FrequencyOfPeriods(paymentsPerYear);
    const double perMonth = frequency ? frequency->periodsPerMonth : paymentsPerYear / 12;
    const int termMonths = static_cast<int>(std::trunc(RoundToPlaces(termPart / perMonth + 0.4, 0)));
    QString term;
    if (termYears != 0)
        term = Said("PayOff", QT_TRANSLATE_NOOP("PayOff", "%1 Year"), shown).arg(termYears);
    if (termPart != 0)
        term += Said("PayOff", QT_TRANSLATE_NOOP("PayOff", " and %1 month"), shown).arg(termMonths);
    return Said("PayOff", QT_TRANSLATE_NOOP("PayOff", "You have paid off your %1 Mortgage in %2"), shown)
        .arg(term, PaidOffIn(paymentsMade, paymentsPerYear, shown));
}

namespace {

Term TermOfRun(const Loan &loan, const AmortisationResult &run)
{
    const int wholeP = static_cast<int>(loan.paymentsPerYear);
    if (wholeP <= 0 || run.PaymentsMade == loan.Payments())
        return {loan.years, loan.part};
    return {run.PaymentsMade / wholeP, run.PaymentsMade % wholeP};
}

} // namespace

Term SpecificPaymentTerm(const Loan &loan)
{
    return TermOfRun(loan, RunAmortisation(loan));
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
    const Term term = TermOfRun(loan, run);

    int first = 1;
    if (!start.fromStart) {
        // A yearly loan has one payment a year, so its start period is always 1.
        const int period = wholeP == 1 ? 1 : start.period;
        first = (start.year - 1) * wholeP + period;
    }
    if (first < 1)
        first = 1;

    // The entered term's repayment, the one the Mortgage tab shows: a loan that
    // repayment clears early is still paid with it, so an extra of 0 saves nothing.
    WalkPlan plan = PlanOf(loan);
    plan.extra = extra;
    plan.extraFrom = first;
    plan.paidWhen = PaidWhen::ACentOrLessIsLeft;

    const double without = TotalInterest(loan, run);
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
            result.sentence = PayOffSentence(term.years, term.part, k, p);
            result.shownSentence = PayOffSentence(term.years, term.part, k, p, true);
            result.paidOffIn = PaidOffIn(k, p);
            result.saved = RoundToPlaces(without - result.with, 2);
            return result;
        }
    }
    return result;
}

CheckedSpecificPayment CheckSpecificPayment(const LoanTexts &loanTexts,
                                            const SpecificPaymentTexts &texts, const QLocale &locale)
{
    CheckedSpecificPayment checked;
    SpecificField checking = SpecificField::Extra;
    auto refuse = [&checked, &checking](const QString &text, MessageKind kind) {
        checked.problem = Message{text, kind};
        checked.fault = checking;
        return checked;
    };
    if (!IsNumberInRange(texts.extra, 0, 999999999, locale))
        return refuse(QCoreApplication::translate("AdditionalPayments", "You must enter a valid Mortgage amount between 0 and 999999999"),
                      MessageKind::Information);
    checked.extra = ParseNumber(texts.extra, locale).value_or(0);
    checked.start.fromStart = texts.fromStart;

    if (texts.fromStart)
        return checked; // the start fields are greyed out, whatever they still hold
    const double p = PaymentsPerYear(loanTexts.payment);
    checking = SpecificField::Year;
    if (!IsWholeNumber(texts.year, locale) || texts.year == QLatin1String("0"))
        return refuse(QCoreApplication::translate("AdditionalPayments", "You must enter a year."), MessageKind::Confirmation);
    const int year = ParseWholeNumber(texts.year, locale).value_or(0);
    const Loan loan = LoanOfTexts(loanTexts, locale);
    // A loan the rounded repayment clears early ends before its entered term, and
    // periods beyond the whole years make a last, shorter year of their own.
    const Term term = SpecificPaymentTerm(loan);
    const int lastYear = term.years + (term.part > 0 ? 1 : 0);
    const QString range = QCoreApplication::translate("AdditionalPayments", "You must enter a year between 1 and %1")
        .arg(lastYear == loan.years ? loanTexts.years : QString::number(lastYear));
    if (year > lastYear)
        return refuse(range, MessageKind::Information);
    if (year < 1)
        return refuse(range, MessageKind::Confirmation);
    checked.start.year = year;
    if (loanTexts.payment != QLatin1String("Annualy")) {
        checking = SpecificField::Period;
        const int periods = year == lastYear && term.part > 0 ? term.part : static_cast<int>(p);
        const Frequency *frequency = FindFrequency(loanTexts.payment);
        const QString unit = frequency ? frequency->specificUnit : QString();
        const QString periodRange = QCoreApplication::translate("AdditionalPayments", "You must enter a %1 between 1 and %2")
            .arg(QCoreApplication::translate("Frequency", unit.toUtf8().constData()), GeneralNumberText(periods, locale));
        const QString &text = texts.period;
        // An empty period, or "0", is the first payment of the year.
        int period = 1;
        if (IsWholeNumber(text, locale) && text != QLatin1String("0"))
            period = ParseWholeNumber(text, locale).value_or(1);
        else if (!text.trimmed().isEmpty() && text != QLatin1String("0"))
            return refuse(periodRange, MessageKind::Confirmation); // letters name no period
        if (period < 1 || period > periods)
            return refuse(periodRange, MessageKind::Confirmation);
        checked.start.period = period;
    }
    return checked;
}
