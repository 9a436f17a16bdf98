// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/MortgageFunctions.h"

#include "engine/PaymentWalk.h"

#include <QCoreApplication>

#include <cmath>

namespace {

std::array<Frequency, 8> MakeFrequencies()
{
    auto entry = [](const char *selector, int periods, const char *unit, const char *partCaption,
                    const char *sentence, const char *gridLabel, const char *option,
                    const char *scheduleCaption, const char *chooser, const char *specific,
                    double perMonth) {
        return Frequency{QString::fromLatin1(selector), periods, QString::fromLatin1(unit),
                         QString::fromLatin1(partCaption), QString::fromLatin1(sentence),
                         QString::fromLatin1(gridLabel), QString::fromLatin1(option),
                         QString::fromLatin1(scheduleCaption), QString::fromLatin1(chooser),
                         QString::fromLatin1(specific), perMonth};
    };
    // The words are marked for the translation files; the table itself keeps the English.
    return {
        entry(QT_TRANSLATE_NOOP("Frequency", "Annualy"), 1,
              "",
              "",
              QT_TRANSLATE_NOOP("Frequency", "   Annual Mortgage Payment is"),
              QT_TRANSLATE_NOOP("Frequency", "Annual"),
              "",
              QT_TRANSLATE_NOOP("Frequency", "Annual Payment"),
              QT_TRANSLATE_NOOP("Frequency", "Yearly"),
              QT_TRANSLATE_NOOP("Frequency", "Year"),
              1.0 / 12),
        entry(QT_TRANSLATE_NOOP("Frequency", "Bi-Annualy"), 2,
              QT_TRANSLATE_NOOP("Frequency", "Half-Year"),
              QT_TRANSLATE_NOOP("Frequency", "Half-Year(s)"),
              QT_TRANSLATE_NOOP("Frequency", "   Bi-Annual Mortgage Payment is"),
              QT_TRANSLATE_NOOP("Frequency", "Half Year"),
              QT_TRANSLATE_NOOP("Frequency", "Half Year"),
              QT_TRANSLATE_NOOP("Frequency", "Half Year Payment"),
              QT_TRANSLATE_NOOP("Frequency", "Half Year"),
              QT_TRANSLATE_NOOP("Frequency", "Half Year"),
              1.0 / 6),
        entry(QT_TRANSLATE_NOOP("Frequency", "Quarterly"), 4,
              QT_TRANSLATE_NOOP("Frequency", "Quarter"),
              QT_TRANSLATE_NOOP("Frequency", "Quarter(s)"),
              QT_TRANSLATE_NOOP("Frequency", "   Quarterly Mortgage Payment is"),
              QT_TRANSLATE_NOOP("Frequency", "Quarterly"),
              QT_TRANSLATE_NOOP("Frequency", "Quarter"),
              QT_TRANSLATE_NOOP("Frequency", "Quarterly Payment"),
              QT_TRANSLATE_NOOP("Frequency", "Quarterly"),
              QT_TRANSLATE_NOOP("Frequency", "Quarter"),
              1.0 / 3),
        entry(QT_TRANSLATE_NOOP("Frequency", "Monthly"), 12,
              QT_TRANSLATE_NOOP("Frequency", "Month"),
              QT_TRANSLATE_NOOP("Frequency", "Month(s)"),
              QT_TRANSLATE_NOOP("Frequency", "   Monthly Mortgage Payment is"),
              QT_TRANSLATE_NOOP("Frequency", "Monthly"),
              QT_TRANSLATE_NOOP("Frequency", "Month"),
              QT_TRANSLATE_NOOP("Frequency", "Monthly Payment"),
              QT_TRANSLATE_NOOP("Frequency", "Monthly"),
              QT_TRANSLATE_NOOP("Frequency", "Month"),
              1),
        entry(QT_TRANSLATE_NOOP("Frequency", "Bi-Monthly"), 24,
              QT_TRANSLATE_NOOP("Frequency", "Half-Month"),
              QT_TRANSLATE_NOOP("Frequency", "Half-Month(s)"),
              QT_TRANSLATE_NOOP("Frequency", "   Bi-Monthly Mortgage Payment is"),
              QT_TRANSLATE_NOOP("Frequency", "Half Monthly"),
              QT_TRANSLATE_NOOP("Frequency", "1/2 Month"),
              QT_TRANSLATE_NOOP("Frequency", "Half Month Payment"),
              QT_TRANSLATE_NOOP("Frequency", "1/2 Monthly"),
              QT_TRANSLATE_NOOP("Frequency", "Half Month"),
              2),
        entry(QT_TRANSLATE_NOOP("Frequency", "FortNightly"), 26,
              QT_TRANSLATE_NOOP("Frequency", "Fortnight"),
              QT_TRANSLATE_NOOP("Frequency", "Fortnight(s)"),
              QT_TRANSLATE_NOOP("Frequency", "   Fortnightly Mortgage Payment is"),
              QT_TRANSLATE_NOOP("Frequency", "FortNightly"),
              QT_TRANSLATE_NOOP("Frequency", "Fortnight"),
              QT_TRANSLATE_NOOP("Frequency", "FortNightly Payment"),
              QT_TRANSLATE_NOOP("Frequency", "Fortnightly"),
              QT_TRANSLATE_NOOP("Frequency", "Fortnight"),
              26.0 / 12),
        entry(QT_TRANSLATE_NOOP("Frequency", "Weekly"), 52,
              QT_TRANSLATE_NOOP("Frequency", "Week"),
              QT_TRANSLATE_NOOP("Frequency", "Week(s)"),
              QT_TRANSLATE_NOOP("Frequency", "   Weekly Mortgage Payment is"),
              QT_TRANSLATE_NOOP("Frequency", "Weekly"),
              QT_TRANSLATE_NOOP("Frequency", "Week"),
              QT_TRANSLATE_NOOP("Frequency", "Weekly Payment"),
              QT_TRANSLATE_NOOP("Frequency", "Weekly"),
              QT_TRANSLATE_NOOP("Frequency", "Week"),
              52.0 / 12),
        // A month of daily payments counts as 30 days, not 365 / 12.
        entry(QT_TRANSLATE_NOOP("Frequency", "Daily"), 365,
              QT_TRANSLATE_NOOP("Frequency", "Day"),
              QT_TRANSLATE_NOOP("Frequency", "Day(s)"),
              QT_TRANSLATE_NOOP("Frequency", "   Daily Mortgage Payment is"),
              QT_TRANSLATE_NOOP("Frequency", "Daily"),
              QT_TRANSLATE_NOOP("Frequency", "Day"),
              QT_TRANSLATE_NOOP("Frequency", "Daily Payment"),
              QT_TRANSLATE_NOOP("Frequency", "Daily"),
              QT_TRANSLATE_NOOP("Frequency", "Day"),
              30),
    };
}

} // namespace

const std::array<Frequency, 8> &Frequencies()
{
    static const std::array<Frequency, 8> table = MakeFrequencies();
    return table;
}

QString ShownFrequencyText(const QString &english)
{
    return english.isEmpty() ? english : QCoreApplication::translate("Frequency", english.toUtf8().constData());
}

const QStringList &FrequencyTexts()
{
    static const QStringList texts = [] {
        QStringList list;
        for (const Frequency &f : Frequencies())
            list << f.selector;
        return list;
    }();
    return texts;
}

const Frequency *FindFrequency(const QString &selector)
{
    for (const Frequency &f : Frequencies())
        if (f.selector == selector)
            return &f;
    return nullptr;
}

int FrequencyIndex(const QString &selector)
{
    return static_cast<int>(FrequencyTexts().indexOf(selector));
}

double PaymentsPerYear(const QString &frequency)
{
    const Frequency *f = FindFrequency(frequency);
    return f ? f->periods : 0.0;
}

double CompoundingsPerYear(const QString &frequency)
{
    return PaymentsPerYear(frequency);
}

double Power(double base, double exponent)
{
    if (exponent == 0)
        return 1;
    if (exponent == std::trunc(exponent) && std::fabs(exponent) < 2147483647.0) {
        // Square and multiply: the same products for a given exponent every time,
        // and a 50-year daily term costs 15 steps rather than 18 000.
        unsigned long long e = static_cast<unsigned long long>(std::fabs(exponent));
        double result = 1;
        double factor = base;
        while (e != 0) {
            if (e & 1u)
                result = result * factor;
            e >>= 1;
            if (e != 0)
                factor = factor * factor;
        }
        return exponent < 0 ? 1 / result : result;
    }
    return std::exp(exponent * std::log(base));
}

double PeriodRate(double rate, double compoundingsPerYear, double paymentsPerYear)
{
    const double i = Power(1 + rate / (100 * compoundingsPerYear),
                           compoundingsPerYear / paymentsPerYear)
        - 1;
    return i;
}

RepaymentTable::RepaymentTable(double nominalRate, double payments, double paymentsPerYear,
                               Timing timing)
    : i_(nominalRate / (100 * paymentsPerYear)), payments_(payments), timing_(timing)
{
    if (i_ == 0)
        return;
    if (timing_ == Timing::InArrears) {
        growth_ = Power(1 + i_, payments_);
        divisor_ = growth_ - 1;
    } else {
        divisor_ = 1 + (1 - Power(1 + i_, -(payments_ - 1))) / i_;
    }
}

double RepaymentTable::Unrounded(double amount) const
{
    if (i_ == 0)
        return RoundToPlaces(amount / payments_, 2);
    if (timing_ == Timing::InArrears)
        return amount * i_ * growth_ / divisor_;
    return amount / divisor_;
}

double RepaymentTable::Rounded(double amount) const
{
    return RoundToPlaces(Unrounded(amount) + 0.0049, 2);
}

double RepaymentInArrears(double amount, double nominalRate, double payments, double paymentsPerYear)
{
    return RepaymentTable(nominalRate, payments, paymentsPerYear, Timing::InArrears).Unrounded(amount);
}

double RepaymentInAdvance(double amount, double nominalRate, double payments, double paymentsPerYear)
{
    return RepaymentTable(nominalRate, payments, paymentsPerYear, Timing::InAdvance).Unrounded(amount);
}

double RoundedRepayment(double amount, double nominalRate, double payments, double paymentsPerYear,
                        Timing timing)
{
    return RepaymentTable(nominalRate, payments, paymentsPerYear, timing).Rounded(amount);
}

double ClosedFormInterest(double amount, double periodRate, double payments, double pay,
                          Timing timing)
{
    const double i = periodRate;
    const double n = payments;
    const double paid = (n - 1) * pay;
    double last;
    if (timing == Timing::InArrears) {
        last = Power(1 + i, n) * (amount - pay * (1 - Power(1 + i, -(n - 1))) / i);
    } else {
        last = RoundToPlaces(
            Power(1 + i, n - 1) * (amount - pay * ((1 - Power(1 + i, -(n - 2))) / i + 1)), 2);
    }
    const double sum = paid + last;
    return sum - amount;
}

double Loan::NominalRate() const
{
    return ::PeriodRate(rate, compoundingsPerYear, paymentsPerYear) * paymentsPerYear * 100;
}

double Loan::PeriodRate() const
{
    return NominalRate() / (100 * paymentsPerYear);
}

double Loan::Payments() const
{
    return years * paymentsPerYear + part;
}

int Loan::Rounds() const
{
    return static_cast<int>(std::trunc(years * paymentsPerYear)) + part;
}

double Loan::Repayment() const
{
    return RoundedRepayment(amount, NominalRate(), Payments(), paymentsPerYear, timing);
}

AmortisationResult RunAmortisation(const Loan &loan, const AmortisationResult &previous)
{
    if (loan.Rounds() <= 0)
        return previous;
    const WalkEnd end = Walk(PlanOf(loan));
    // Only unpaid when N is not a whole number of payments, which a checked term never is.
    if (!end.paidOff)
        return previous;
    AmortisationResult result;
    result.LastPayment = end.lastPayment;
    result.LastPaymentText = MoneyText(end.lastPayment);
    result.PaymentsMade = end.payments;
    result.InterestTotal = end.totalInterest;
    return result;
}

bool IsBalloon(const AmortisationResult &run, double repayment)
{
    if (run.PaymentsMade <= 0 || !std::isfinite(run.LastPayment) || !std::isfinite(repayment))
        return false;
    const double above = std::llround(run.LastPayment * 100) - std::llround(repayment * 100);
    return above >= 1 && above * 100 > std::llround(repayment * 100);
}

double TotalInterest(const Loan &loan, const AmortisationResult &run)
{
    const double repayment = loan.Repayment();
    const double interest = ClosedFormInterest(loan.amount, loan.PeriodRate(), loan.Payments(),
                                               repayment, loan.timing);
    if (run.PaymentsMade != loan.Payments() || !(interest >= 0) || !std::isfinite(interest)
        || IsBalloon(run, repayment))
        return run.InterestTotal;
    // The run rounds every period's interest to cents; at high rates those roundings
    // compound, and the closed form no longer describes the payments really made.
    if (std::fabs(interest - run.InterestTotal) > 0.01 * loan.Payments())
        return run.InterestTotal;
    return interest;
}

MortgageFigures CalculateMortgage(const Loan &loan)
{
    MortgageFigures figures;
    figures.payments = loan.Payments();
    figures.repayment = loan.Repayment();
    figures.run = RunAmortisation(loan);
    figures.paymentsDiffer = figures.run.PaymentsMade != figures.payments;
    figures.balloon = IsBalloon(figures.run, figures.repayment);
    figures.totalInterest = TotalInterest(loan, figures.run);
    return figures;
}

QString ImpossiblePayOffMessage(int paymentsMade)
{
    return QCoreApplication::translate("MortgageFunctions",
                                       "It is impossible to pay off this Mortgage in the specified time if the "
                                       "Mortgage payment is rounded to 2 decimal places. If it is rounded it "
                                       "will be paid off in %1 payments.")
        .arg(paymentsMade);
}

QString BalloonMessage(double repayment, const QString &lastPaymentText, const QLocale &locale)
{
    return QCoreApplication::translate("MortgageFunctions",
                                       "The repayment of %1, rounded to 2 decimal places, does not pay off this "
                                       "Mortgage evenly: your last payment will be %2.")
        .arg(MoneyText(repayment, MoneyFormat::Currency, locale), lastPaymentText);
}

QString LastPaymentMessage(int paymentsMade, double repayment, const QString &lastPaymentText,
                           const QLocale &locale)
{
    return QCoreApplication::translate("MortgageFunctions",
                                       "You will make %1 payments of %2 and your last payment will be %3")
        .arg(QString::number(paymentsMade), MoneyText(repayment, MoneyFormat::Currency, locale), lastPaymentText);
}

double InvestmentValue(double deposit, double rate, double periods, double periodsPerYear)
{
    const double j = rate / (100 * periodsPerYear);
    if (j != 0)
        return deposit * (Power(1 + j, periods) - 1) / j;
    return deposit * periods;
}

QString MoneyTextOfText(const QString &text, const QLocale &locale)
{
    const auto value = ParseNumber(text, locale);
    return value ? MoneyText(*value, MoneyFormat::Currency, locale) : QString();
}
