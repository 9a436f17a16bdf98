// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Savings.h"

#include "engine/MortgageFunctions.h"

#include <cmath>

namespace {

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

SavingsOutcome Fail(const QString &text)
{
    SavingsOutcome outcome;
    outcome.message = Message{text, MessageKind::Information};
    return outcome;
}

// Monthly repayment over `months`, rounded up to a whole unit unless its
// fraction is below 0.01.
double WholeRepayment(double amount, double rate, double months)
{
    return RoundToPlaces(RepaymentInArrears(amount, rate, months, 12) + 0.49, 0);
}

} // namespace

QString SavingsFieldMessage(SavingsField field)
{
    switch (field) {
    case SavingsField::Amount: return QStringLiteral("This Mortgage Amount must be Numeric only");
    case SavingsField::Period: return QStringLiteral("This Period(years) must be Numeric only");
    case SavingsField::Rate: return QStringLiteral("This Interest rate(%) must be Numeric only");
    case SavingsField::ReducedPeriod:
        return QStringLiteral("This Reduced Period(years) must be Numeric only");
    case SavingsField::InvestRate:
        return QStringLiteral("This Investment rate(%) must be Numeric only");
    }
    return QString();
}

SavingsOutcome CalculateSavings(const SavingsFields &fields, std::optional<SavingsField> changed,
                                const QLocale &locale)
{
    SavingsOutcome outcome;
    if (changed) {
        const QString &text = FieldText(fields, *changed);
        if (!IsNumber(text, locale) && !text.trimmed().isEmpty())
            return Fail(SavingsFieldMessage(*changed));
    }
    if (fields.period == QLatin1String("0"))
        return Fail(QStringLiteral("You must enter a period greater than 0."));
    if (fields.amount.isEmpty() || fields.period.isEmpty() || fields.rate.isEmpty())
        return outcome;

    const auto amount = ParseNumber(fields.amount, locale);
    if (!amount)
        return Fail(SavingsFieldMessage(SavingsField::Amount));
    if (!IsNumber(fields.period, locale))
        return Fail(SavingsFieldMessage(SavingsField::Period));
    const auto years = ParseWholeNumber(fields.period, locale);
    if (!years)
        return Fail(QStringLiteral("This Period(years) must be a whole number of years"));
    if (*years <= 0)
        return Fail(QStringLiteral("You must enter a period greater than 0."));
    const auto rate = ParseNumber(fields.rate, locale);
    if (!rate)
        return Fail(SavingsFieldMessage(SavingsField::Rate));
    const double months = *years * 12.0;
    const double pay = WholeRepayment(*amount, *rate, months);
    if (!std::isfinite(pay))
        return Fail(QStringLiteral("The monthly repayment cannot be calculated for these values."));
    outcome.repayment = MoneyText(pay, MoneyFormat::NoDecimals, locale);
    outcome.repaymentValue = pay;

    if (fields.reducedPeriod.isEmpty() || fields.reducedPeriod == QLatin1String("0"))
        return outcome;
    if (!IsNumber(fields.reducedPeriod, locale))
        return Fail(SavingsFieldMessage(SavingsField::ReducedPeriod));
    const auto reducedYears = ParseWholeNumber(fields.reducedPeriod, locale);
    if (!reducedYears)
        return Fail(QStringLiteral("This Reduced Period(years) must be a whole number of years"));
    if (*reducedYears <= 0)
        return Fail(QStringLiteral("You must enter a reduced period greater than 0."));
    const double reducedMonths = *reducedYears * 12.0;
    const double pay2 = WholeRepayment(*amount, *rate, reducedMonths);
    if (!std::isfinite(pay2))
        return Fail(QStringLiteral("The monthly repayment cannot be calculated for these values."));
    outcome.reducedRepayment = MoneyText(pay2, MoneyFormat::NoDecimals, locale);
    outcome.extra = MoneyText(pay2 - pay, MoneyFormat::NoDecimals, locale);
    outcome.years = fields.reducedPeriod;
    outcome.reducedRepaymentValue = pay2;
    outcome.extraValue = pay2 - pay;

    if (fields.investRate.isEmpty())
        return outcome;
    const auto investRate = ParseNumber(fields.investRate, locale);
    if (!investRate)
        return Fail(SavingsFieldMessage(SavingsField::InvestRate));
    const double value = InvestmentValue(pay, *investRate, months - reducedMonths, 12);
    if (!std::isfinite(value))
        return Fail(QStringLiteral("The value of the investment cannot be calculated for these values."));
    outcome.investment = MoneyText(value, MoneyFormat::NoDecimals, locale);
    outcome.investmentValue = value;
    return outcome;
}
