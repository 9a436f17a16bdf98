// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/LoanChecks.h"

#include <QCoreApplication>

namespace {

const char kAmount[] = QT_TRANSLATE_NOOP("LoanChecks", "You must enter a valid Mortgage amount between 0 and 999999999");
const char kRate[] = QT_TRANSLATE_NOOP("LoanChecks", "You must enter a valid interest rate between 0 and 100");

} // namespace

namespace LoanChecks {

const LoanCheck &Mortgage()
{
    static const LoanCheck check{0.001, 999999999, kAmount, 0.000001, 100, kRate};
    return check;
}

const LoanCheck &LastPayment()
{
    static const LoanCheck check{0, 999999999, kAmount, 0, 100, kRate};
    return check;
}

const LoanCheck &Analysis()
{
    static const LoanCheck check{0, 999999999, kAmount, 0.000001, 100, kRate};
    return check;
}

const LoanCheck &GridOpening()
{
    static const LoanCheck check{0, 999999999,
                                 QT_TRANSLATE_NOOP("LoanChecks", "You must enter a Mortgage amount between 0 and 999999999"),
                                 0.000001, 100,
                                 QT_TRANSLATE_NOOP("LoanChecks", "You must enter an interest rate between 0 and 100.")};
    return check;
}

} // namespace LoanChecks

std::optional<LoanProblem> CheckLoanTexts(const LoanTexts &texts, const LoanCheck &check,
                                          const QLocale &locale)
{
    // Only a damaged saved file can leave a list with nothing chosen.
    if (PaymentsPerYear(texts.payment) <= 0 || CompoundingsPerYear(texts.compounded) <= 0)
        return LoanProblem{LoanField::Frequency,
                           {QCoreApplication::translate("LoanChecks", "Choose how often you repay and how often interest is compounded."),
                            MessageKind::Information}};
    if (!IsNumberInRange(texts.amount, check.amountLow, check.amountHigh, locale))
        return LoanProblem{LoanField::Amount, {QCoreApplication::translate("LoanChecks", check.amountMessage), MessageKind::Information}};
    if (auto term = CheckTerm(texts.years, QCoreApplication::translate("LoanChecks", " a period "), texts.part, 50,
                              PaymentsPerYear(texts.payment), locale))
        return LoanProblem{term->inPartYear ? LoanField::PartYear : LoanField::Term,
                           {term->message, MessageKind::Confirmation}};
    if (!IsNumberInRange(texts.rate, check.rateLow, check.rateHigh, locale))
        return LoanProblem{LoanField::Rate, {QCoreApplication::translate("LoanChecks", check.rateMessage), MessageKind::Information}};
    return std::nullopt;
}

Loan LoanOfTexts(const LoanTexts &texts, const QLocale &locale)
{
    Loan loan;
    loan.amount = ParseNumber(texts.amount, locale).value_or(0);
    loan.rate = ParseNumber(texts.rate, locale).value_or(0);
    loan.paymentsPerYear = PaymentsPerYear(texts.payment);
    loan.compoundingsPerYear = CompoundingsPerYear(texts.compounded);
    loan.timing = texts.timing;
    const Term term = TermOfTexts(texts.years, texts.part, locale);
    loan.years = term.years;
    loan.part = term.part;
    return loan;
}
