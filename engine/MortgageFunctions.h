// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetic of a loan: frequencies, period rates, level repayments, their
// rounding to whole cents, and the period-by-period amortisation run.
#pragma once

#include "engine/ErrorChecking.h"

#include <QString>
#include <QStringList>

#include <array>

enum class Timing { InArrears, InAdvance };

// One entry of the payment and compounding selectors, with every word the
// windows show for it.
struct Frequency {
    QString selector;                 // "Monthly"
    int periods;                      // 12
    QString unitName;                 // "Month" (term messages)
    QString partYearCaption;          // "Month(s)"
    QString repaymentSentence;        // "   Monthly Mortgage Payment is"
    QString additionalGridLabel;      // "Monthly" (written by the additional payments builder)
    QString scheduleOption;           // "Month" (schedule window period option)
    QString scheduleRepaymentCaption; // "Monthly Payment"
    QString chooserWord;              // "Monthly" (additional payments window headings)
    QString specificUnit;             // "Month" (specific additional payment window)
    double periodsPerMonth;           // 1
};

const std::array<Frequency, 8> &Frequencies();
// The eight selector texts in order, "Annualy" to "Daily".
const QStringList &FrequencyTexts();
// The entry for a selector text compared exactly, or null.
const Frequency *FindFrequency(const QString &selector);
// A word of the frequency table as the screen shows it, in the user's language.
// Reports, saved files, CSV and the calculator's output keep the English word.
QString ShownFrequencyText(const QString &english);
// 0-based position in the selector list; -1 for any other text.
int FrequencyIndex(const QString &selector);

// Periods per year of a selector text; 0 for a text that is not one of the eight.
double PaymentsPerYear(const QString &frequency);
double CompoundingsPerYear(const QString &frequency);

// base^exponent: repeated multiplication for a whole exponent, exp(e * ln(b)) otherwise.
double Power(double base, double exponent);

// Effective rate per payment period, as a fraction, of R percent a year compounded
// C times a year, for P payments a year.
double PeriodRate(double rate, double compoundingsPerYear, double paymentsPerYear);
// Rp is a nominal annual rate in percent convertible P times a year.
double RepaymentInArrears(double amount, double nominalRate, double payments, double paymentsPerYear);
double RepaymentInAdvance(double amount, double nominalRate, double payments, double paymentsPerYear);
// The repayment shown and used everywhere: the formula value plus 0.0049, to cents.
double RoundedRepayment(double amount, double nominalRate, double payments,
                        double paymentsPerYear, Timing timing);
// Total interest when n - 1 payments of pay are followed by one that clears the loan.
double ClosedFormInterest(double amount, double periodRate, double payments, double pay,
                          Timing timing);

// Computes RoundedRepayment for many amounts at one rate and term, with the powers
// worked out once; every result is bit for bit what RoundedRepayment gives.
class RepaymentTable {
public:
    RepaymentTable(double nominalRate, double payments, double paymentsPerYear, Timing timing);
    double Unrounded(double amount) const;
    double Rounded(double amount) const;

private:
    double i_;
    double payments_;
    Timing timing_;
    double growth_ = 0;  // (1 + i)^N, in arrears
    double divisor_ = 0; // (1 + i)^N - 1 in arrears; the annuity factor in advance
};

// A loan as a calculation sees it.
struct Loan {
    double amount = 0;
    double rate = 0; // percent a year
    double paymentsPerYear = 12;
    double compoundingsPerYear = 12;
    Timing timing = Timing::InArrears;
    int years = 0;
    int part = 0;

    double NominalRate() const; // Rp
    double PeriodRate() const;  // i = Rp / (100 P)
    double Payments() const;    // N = years * P + part
    int Rounds() const;         // trunc(years * P) + part
    double Repayment() const;   // RoundedRepayment
    bool operator==(const Loan &) const = default;
};

struct AmortisationResult {
    QString LastPaymentText;
    int PaymentsMade = 0;
    double InterestTotal = 0;
    double LastPayment = 0;
};

// Walks the loan period by period with the rounded repayment and every period's
// interest rounded to cents. A term without payments returns `previous` unchanged.
AmortisationResult RunAmortisation(const Loan &loan, const AmortisationResult &previous = {});

// A run whose last payment, in cents, is at least a cent and more than 1 % above
// the rounded repayment: rounding each period's interest up to cents has kept the
// repayment from paying the loan down, and the last payment carries what is left.
// A few cents more than the repayment is ordinary rounding, not a balloon.
bool IsBalloon(const AmortisationResult &run, double repayment);

// The loan's total interest, the one rule every window and command uses: the closed
// form, or the walked run's when the closed form cannot stand (the run needs another
// number of payments than N, the closed form is not a sum of money, the last payment
// is a balloon the closed form knows nothing of, or the two differ by more than a
// cent a payment, as the run's rounded interest compounds at high rates).
double TotalInterest(const Loan &loan, const AmortisationResult &run);

// The figures of the Mortgage tab and of the cost breakdown pie.
struct MortgageFigures {
    double repayment = 0;
    double totalInterest = 0;  // closed form, or the run's when the closed form cannot stand
    double payments = 0;       // N
    AmortisationResult run;
    bool paymentsDiffer = false; // the rounded repayment clears the loan in other than N payments
    bool balloon = false;        // IsBalloon of the run
};
MortgageFigures CalculateMortgage(const Loan &loan);

QString ImpossiblePayOffMessage(int paymentsMade);
QString BalloonMessage(double repayment, const QString &lastPaymentText,
                       const QLocale &locale = QLocale());
QString LastPaymentMessage(int paymentsMade, double repayment, const QString &lastPaymentText,
                           const QLocale &locale = QLocale());

// Value of equal deposits made each period for `periods` periods at `rate` percent a year.
double InvestmentValue(double deposit, double rate, double periods, double periodsPerYear = 12);

// The number in a text as "%m" money text; empty when the text is not a number.
QString MoneyTextOfText(const QString &text, const QLocale &locale = QLocale());
