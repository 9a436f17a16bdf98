// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Savings.h"

#include "engine/LoanChecks.h"
#include "engine/MortgageFunctions.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr SavingsField kFields[] = {SavingsField::Amount, SavingsField::Period, SavingsField::Rate,
                                    SavingsField::ReducedPeriod, SavingsField::InvestRate};

const QString &FieldText(const SavingsFields &fields, SavingsField field)
{
    switch (field) {
    case SavingsField::Amount: return fields.amount;
    case SavingsField::Period: return fields.period;
    case SavingsField::Rate: return fields.rate;
    case SavingsField::ReducedPeriod: return fields.reducedPeriod;
    case SavingsField::InvestRate: return fields.investRate;
    }
    return fields.amount;
}

bool Blank(const QString &text)
{
    return text.trimmed().isEmpty();
}

// "0" in the reduced period means no shorter term is asked for.
bool NoReducedPeriod(const QString &text)
{
    return Blank(text) || text == QLatin1String("0");
}

struct FieldCheck {
    QString message;
    bool notNumber = false;
};

std::optional<FieldCheck> CheckYears(const QString &text, const QString &wholeMessage, const QString &zeroMessage,
                                     const QLocale &locale)
{
    const auto years = ParseWholeNumber(text, locale);
    if (!years)
        return FieldCheck{wholeMessage};
    if (*years <= 0)
        return FieldCheck{zeroMessage};
    return std::nullopt;
}

// What is wrong with one field's text on its own.
std::optional<FieldCheck> CheckField(const SavingsFields &fields, SavingsField field, const QLocale &locale)
{
    const QString &text = FieldText(fields, field);
    if (Blank(text) || (field == SavingsField::ReducedPeriod && NoReducedPeriod(text)))
        return std::nullopt;
    if (field == SavingsField::Period && text == QLatin1String("0"))
        return FieldCheck{QCoreApplication::translate("Savings", "You must enter a period greater than 0.")};
    if (!IsNumber(text, locale))
        return FieldCheck{SavingsFieldMessage(field), true};
    switch (field) {
    case SavingsField::Amount: {
        // The Mortgage tab's range, so no figure grows too long for its panel.
        const LoanCheck &mortgage = LoanChecks::Mortgage();
        if (!IsNumberInRange(text, mortgage.amountLow, mortgage.amountHigh, locale))
            return FieldCheck{QCoreApplication::translate("LoanChecks", mortgage.amountMessage)};
        return std::nullopt;
    }
    case SavingsField::Period:
        return CheckYears(text, QCoreApplication::translate("Savings", "This Period(years) must be a whole number of years"),
                          QCoreApplication::translate("Savings", "You must enter a period greater than 0."), locale);
    case SavingsField::ReducedPeriod:
        return CheckYears(text, QCoreApplication::translate("Savings", "This Reduced Period(years) must be a whole number of years"),
                          QCoreApplication::translate("Savings", "You must enter a reduced period greater than 0."), locale);
    case SavingsField::Rate:
    case SavingsField::InvestRate: break;
    }
    return std::nullopt;
}

SavingsProblem Problem(const QString &text, std::vector<SavingsField> fields)
{
    return SavingsProblem{Message{text, MessageKind::Information}, std::move(fields)};
}

// Monthly repayment over `months`, rounded up to a whole unit unless its
// fraction is below 0.01.
double WholeRepayment(double amount, double rate, double months)
{
    return RoundToPlaces(RepaymentInArrears(amount, rate, months, 12) + 0.49, 0);
}

} // namespace

bool SavingsProblem::Concerns(SavingsField field) const
{
    return std::find(fields.begin(), fields.end(), field) != fields.end();
}

const SavingsProblem *SavingsOutcome::ProblemOf(SavingsField field) const
{
    for (const SavingsProblem &problem : problems)
        if (problem.Concerns(field))
            return &problem;
    return nullptr;
}

QString SavingsFieldMessage(SavingsField field)
{
    switch (field) {
    case SavingsField::Amount: return QCoreApplication::translate("Savings", "This Mortgage Amount must be Numeric only");
    case SavingsField::Period: return QCoreApplication::translate("Savings", "This Period(years) must be Numeric only");
    case SavingsField::Rate: return QCoreApplication::translate("Savings", "This Interest rate(%) must be Numeric only");
    case SavingsField::ReducedPeriod:
        return QCoreApplication::translate("Savings", "This Reduced Period(years) must be Numeric only");
    case SavingsField::InvestRate:
        return QCoreApplication::translate("Savings", "This Investment rate(%) must be Numeric only");
    }
    return QString();
}

SavingsOutcome CalculateSavings(const SavingsFields &fields, const QLocale &locale)
{
    SavingsOutcome outcome;
    bool notNumber = false;
    bool fieldBad[std::size(kFields)] = {};
    for (SavingsField field : kFields)
        if (const auto check = CheckField(fields, field, locale)) {
            outcome.problems.push_back(Problem(check->message, {field}));
            notNumber = notNumber || check->notNumber;
            fieldBad[static_cast<int>(field)] = true;
        }
    auto bad = [&fieldBad](SavingsField field) { return fieldBad[static_cast<int>(field)]; };
    const auto years = ParseWholeNumber(fields.period, locale);
    const auto reducedYears = ParseWholeNumber(fields.reducedPeriod, locale);
    const bool notShorter = !bad(SavingsField::Period) && !bad(SavingsField::ReducedPeriod)
                            && !NoReducedPeriod(fields.reducedPeriod) && years && reducedYears
                            && *reducedYears >= *years;
    if (notShorter) {
        const auto at = std::find_if(outcome.problems.begin(), outcome.problems.end(), [](const SavingsProblem &p) {
            return p.Concerns(SavingsField::InvestRate);
        });
        outcome.problems.insert(at, Problem(QCoreApplication::translate("Savings", "The reduced period must be shorter than the period."),
                                            {SavingsField::ReducedPeriod, SavingsField::Period}));
    }
    if (notNumber)
        return outcome;

    if (Blank(fields.amount) || Blank(fields.period) || Blank(fields.rate) || bad(SavingsField::Amount)
        || bad(SavingsField::Period) || bad(SavingsField::Rate))
        return outcome;
    const double amount = ParseNumber(fields.amount, locale).value_or(0);
    const double rate = ParseNumber(fields.rate, locale).value_or(0);
    const double months = *years * 12.0;
    const double pay = WholeRepayment(amount, rate, months);
    if (!std::isfinite(pay)) {
        outcome.problems.push_back(Problem(QCoreApplication::translate("Savings", "The monthly repayment cannot be calculated for these values."),
                                           {SavingsField::Amount, SavingsField::Period, SavingsField::Rate}));
        return outcome;
    }
    outcome.repayment = MoneyText(pay, MoneyFormat::NoDecimals, locale);
    outcome.repaymentValue = pay;

    if (NoReducedPeriod(fields.reducedPeriod) || bad(SavingsField::ReducedPeriod) || notShorter)
        return outcome;
    const double reducedMonths = *reducedYears * 12.0;
    const double pay2 = WholeRepayment(amount, rate, reducedMonths);
    if (!std::isfinite(pay2)) {
        outcome.problems.push_back(Problem(QCoreApplication::translate("Savings", "The monthly repayment cannot be calculated for these values."),
                                           {SavingsField::ReducedPeriod}));
        return outcome;
    }
    outcome.reducedRepayment = MoneyText(pay2, MoneyFormat::NoDecimals, locale);
    outcome.extra = MoneyText(pay2 - pay, MoneyFormat::NoDecimals, locale);
    outcome.years = fields.reducedPeriod;
    outcome.reducedRepaymentValue = pay2;
    outcome.extraValue = pay2 - pay;

    if (Blank(fields.investRate))
        return outcome;
    const double investRate = ParseNumber(fields.investRate, locale).value_or(0);
    const double value = InvestmentValue(pay, investRate, months - reducedMonths, 12);
    if (!std::isfinite(value)) {
        outcome.problems.push_back(
            Problem(QCoreApplication::translate("Savings", "The value of the investment cannot be calculated for these values."),
                    {SavingsField::InvestRate}));
        return outcome;
    }
    outcome.investment = MoneyText(value, MoneyFormat::NoDecimals, locale);
    outcome.investmentValue = value;
    return outcome;
}
