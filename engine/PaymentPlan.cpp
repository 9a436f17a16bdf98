// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PaymentPlan.h"

#include "core/Said.h"

#include "engine/PaymentWalk.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// What each payment number carries, worked out once so that a long loan with many
// events walks in one pass. Extras are summed in the order they are listed, then
// the lump sums, as the plan reads.
struct EventsByPayment {
    std::vector<double> more;           // extras and lump sums paid with payment k
    std::vector<const PlanEvent *> rate; // the rate change at k, the last listed winning
    std::vector<char> lower;            // a lump sum at k lowers the repayment

    EventsByPayment(const PaymentPlan &plan, int rounds)
        : more(rounds + 1, 0.0), rate(rounds + 1, nullptr), lower(rounds + 1, 0)
    {
        for (const PlanEvent &e : plan.events) {
            if (e.kind != PlanEventKind::Extra)
                continue;
            const int last = e.to > 0 ? std::min(e.to, rounds) : rounds;
            for (int k = std::max(e.from, 1); k <= last; ++k)
                more[k] = more[k] + e.value;
        }
        for (const PlanEvent &e : plan.events) {
            if (e.from < 1 || e.from > rounds)
                continue;
            if (e.kind == PlanEventKind::LumpSum) {
                more[e.from] = more[e.from] + e.value;
                if (e.lowerRepayment)
                    lower[e.from] = 1;
            } else if (e.kind == PlanEventKind::RateChange) {
                rate[e.from] = &e;
            }
        }
    }
};

// A count of a frequency's periods, one and many, as the pay-off time says them.
struct PeriodWords {
    int periods;
    const char *one;
    const char *many;
};

constexpr PeriodWords kYears{1, QT_TRANSLATE_NOOP("PayOffTime", "%1 year"), QT_TRANSLATE_NOOP("PayOffTime", "%1 years")};
constexpr PeriodWords kPeriods[] = {
    {2, QT_TRANSLATE_NOOP("PayOffTime", "%1 half-year"), QT_TRANSLATE_NOOP("PayOffTime", "%1 half-years")},
    {4, QT_TRANSLATE_NOOP("PayOffTime", "%1 quarter"), QT_TRANSLATE_NOOP("PayOffTime", "%1 quarters")},
    {12, QT_TRANSLATE_NOOP("PayOffTime", "%1 month"), QT_TRANSLATE_NOOP("PayOffTime", "%1 months")},
    {24, QT_TRANSLATE_NOOP("PayOffTime", "%1 half-month"), QT_TRANSLATE_NOOP("PayOffTime", "%1 half-months")},
    {26, QT_TRANSLATE_NOOP("PayOffTime", "%1 fortnight"), QT_TRANSLATE_NOOP("PayOffTime", "%1 fortnights")},
    {52, QT_TRANSLATE_NOOP("PayOffTime", "%1 week"), QT_TRANSLATE_NOOP("PayOffTime", "%1 weeks")},
    {365, QT_TRANSLATE_NOOP("PayOffTime", "%1 day"), QT_TRANSLATE_NOOP("PayOffTime", "%1 days")},
};

QString Count(int count, const PeriodWords &words, bool shown)
{
    return Said("PayOffTime", count == 1 ? words.one : words.many, shown).arg(count);
}

} // namespace

PlanResult WalkPaymentPlan(const Loan &loan, const PaymentPlan &plan)
{
    PlanResult result;
    const WalkPlan walkPlan = PlanOf(loan);
    const int rounds = std::max(walkPlan.rounds, 0);
    const double n = walkPlan.finalPayment;
    const double p = loan.paymentsPerYear;
    result.repayment = walkPlan.repayment;
    result.totalInterestWithout = RoundToPlaces(TotalInterest(loan, RunAmortisation(loan)), 2);

    const EventsByPayment events(plan, rounds);
    PaymentWalk walk(walkPlan);
    double rate = loan.rate;
    double nominalRate = loan.NominalRate();
    double paid = 0;
    result.rows.reserve(rounds);
    for (int k = 1; k <= rounds; ++k) {
        if (const PlanEvent *change = events.rate[k]) {
            rate = change->value;
            nominalRate = PeriodRate(rate, loan.compoundingsPerYear, p) * p * 100;
            walk.SetPeriodRate(nominalRate / (100 * p));
            walk.SetRepayment(RoundedRepayment(walk.Balance(), nominalRate, n - k + 1, p, loan.timing));
        }
        const double repayment = walk.Repayment();
        result.repaymentAtEnd = repayment;
        walk.Pay(events.more[k]);

        PlanRow row;
        row.n = k;
        if (plan.firstPayment.isValid())
            row.date = PaymentDate(plan.firstPayment, static_cast<int>(p), k);
        // Rounding is most of a long walk's time: the interest is in cents already,
        // and a payment of no more than the repayment has no extra in it.
        row.payment = walk.Payment() == repayment ? repayment : RoundToPlaces(walk.Payment(), 2);
        row.extra = walk.Payment() > repayment ? RoundToPlaces(walk.Payment() - repayment, 2) : 0;
        row.interest = walk.Interest();
        row.principal = RoundToPlaces(walk.Payment() - walk.Interest(), 2);
        row.balance = RoundToPlaces(walk.Balance(), 2);
        row.rate = rate;
        result.rows.push_back(row);
        paid = paid + walk.Payment();

        if (events.lower[k] && k < n && walk.Balance() > 0)
            walk.SetRepayment(RoundedRepayment(walk.Balance(), nominalRate, n - k, p, loan.timing));
        // The walk's own rule (nothing owed to the cent), read off the balance just rounded.
        if (row.balance <= 0)
            break;
    }
    result.paymentsMade = walk.Count();
    result.lastPayment = RoundToPlaces(walk.Payment(), 2);
    result.totalInterest = RoundToPlaces(walk.TotalInterest(), 2);
    result.totalPaid = RoundToPlaces(paid, 2);
    result.saved = plan.HasEvents()
                       ? RoundToPlaces(result.totalInterestWithout - result.totalInterest, 2)
                       : 0;
    if (!result.rows.empty())
        result.paidOff = result.rows.back().date;
    return result;
}

std::vector<PlanRow> PlanRowsByYear(const std::vector<PlanRow> &byPayment, int paymentsPerYear)
{
    std::vector<PlanRow> years;
    if (paymentsPerYear <= 0)
        return years;
    double payment = 0, extra = 0, interest = 0, principal = 0;
    for (std::size_t r = 0; r < byPayment.size(); ++r) {
        const PlanRow &row = byPayment[r];
        payment = payment + row.payment;
        extra = extra + row.extra;
        interest = interest + row.interest;
        principal = principal + row.principal;
        const bool yearEnds = row.n % paymentsPerYear == 0 || r + 1 == byPayment.size();
        if (!yearEnds)
            continue;
        PlanRow year = row;
        year.n = (row.n - 1) / paymentsPerYear + 1;
        year.payment = RoundToPlaces(payment, 2);
        year.extra = RoundToPlaces(extra, 2);
        year.interest = RoundToPlaces(interest, 2);
        year.principal = RoundToPlaces(principal, 2);
        years.push_back(year);
        payment = extra = interest = principal = 0;
    }
    return years;
}

QDate PaymentDate(const QDate &first, int paymentsPerYear, int k)
{
    if (!first.isValid() || k < 1)
        return {};
    const int step = k - 1;
    switch (paymentsPerYear) {
    case 1:
    case 2:
    case 4:
    case 12: {
        // The search for a far date doubles k; no date that far has a payment.
        const qint64 months = qint64(step) * (12 / paymentsPerYear);
        return months <= std::numeric_limits<int>::max() ? first.addMonths(int(months)) : QDate();
    }
    case 24: {
        const QDate month = first.addMonths(step / 2);
        return step % 2 == 0 ? month : month.addDays(15);
    }
    case 26:
        return first.addDays(14LL * step);
    case 52:
        return first.addDays(7LL * step);
    default:
        return first.addDays(step);
    }
}

int PaymentOnOrAfter(const QDate &first, int paymentsPerYear, const QDate &date)
{
    if (!first.isValid() || !date.isValid() || date <= first)
        return 1;
    // Dates grow with the payment number: find a payment past the date, then halve.
    int low = 1;
    int high = 2;
    while (PaymentDate(first, paymentsPerYear, high) < date && high < (1 << 29))
        high = high * 2;
    while (high - low > 1) {
        const int middle = low + (high - low) / 2;
        if (PaymentDate(first, paymentsPerYear, middle) < date)
            low = middle;
        else
            high = middle;
    }
    return high;
}

QString PayOffTime(int payments, int paymentsPerYear, bool shown)
{
    if (paymentsPerYear <= 0)
        return {};
    const int years = payments / paymentsPerYear;
    const int rest = payments % paymentsPerYear;
    const auto unit = std::find_if(std::begin(kPeriods), std::end(kPeriods),
                                   [&](const PeriodWords &w) { return w.periods == paymentsPerYear; });
    if (rest == 0 || unit == std::end(kPeriods))
        return Count(years, kYears, shown);
    if (years == 0)
        return Count(rest, *unit, shown);
    return Said("PayOffTime", QT_TRANSLATE_NOOP("PayOffTime", "%1 and %2"), shown)
        .arg(Count(years, kYears, shown), Count(rest, *unit, shown));
}

QString PlanEventName(int index, const PlanEvent &event)
{
    const char *kind = event.kind == PlanEventKind::Extra     ? QT_TRANSLATE_NOOP("PaymentPlan", "extra payment")
                       : event.kind == PlanEventKind::LumpSum ? QT_TRANSLATE_NOOP("PaymentPlan", "lump sum")
                                                              : QT_TRANSLATE_NOOP("PaymentPlan", "rate change");
    return QCoreApplication::translate("PaymentPlan", "Event %1 (%2)").arg(index + 1).arg(QCoreApplication::translate("PaymentPlan", kind));
}

std::optional<Message> CheckPlanEvent(int index, const PlanEvent &event, int payments)
{
    const QString name = PlanEventName(index, event);
    auto fault = [&](const QString &text) {
        return std::optional<Message>(Message{name + QStringLiteral(": ") + text});
    };
    switch (event.kind) {
    case PlanEventKind::Extra:
        if (!(event.value > 0 && event.value <= 999999999))
            return fault(QCoreApplication::translate("PaymentPlan", "the extra payment must be more than 0 and at most 999,999,999."));
        break;
    case PlanEventKind::LumpSum:
        if (!(event.value > 0 && event.value <= 999999999))
            return fault(QCoreApplication::translate("PaymentPlan", "the lump sum must be more than 0 and at most 999,999,999."));
        break;
    case PlanEventKind::RateChange:
        if (!(event.value >= 0.000001 && event.value <= 100))
            return fault(QCoreApplication::translate("PaymentPlan", "the new rate must be more than 0 % and at most 100 %."));
        break;
    }
    if (event.from < 1 || event.from > payments)
        return fault(QCoreApplication::translate("PaymentPlan", "the payment must be between 1 and %1.").arg(payments));
    if (event.kind == PlanEventKind::Extra && event.to != 0 && (event.to < event.from || event.to > payments))
        return fault(QCoreApplication::translate("PaymentPlan", "the last payment must be between the first payment (%1) and %2.")
                         .arg(event.from)
                         .arg(payments));
    return std::nullopt;
}

std::optional<Message> CheckPaymentPlan(const PaymentPlan &plan, int payments)
{
    for (std::size_t e = 0; e < plan.events.size(); ++e)
        if (auto message = CheckPlanEvent(static_cast<int>(e), plan.events[e], payments))
            return message;
    return std::nullopt;
}
