// SPDX-License-Identifier: GPL-3.0-or-later
// Input checks, rounding and money text shared by every window and report.
#pragma once

#include "core/Message.h"

#include <QLocale>
#include <QString>

#include <optional>

// The locale used to read numbers: the given one, but refusing thousands separators.
QLocale ParsingLocale(const QLocale &locale = QLocale());

// A number in the locale's notation (sign, digits, decimal separator, exponent),
// blanks around it ignored. Not a number, or not finite: nothing.
std::optional<double> ParseNumber(const QString &text, const QLocale &locale = QLocale());
// An optional sign and decimal digits, blanks around them ignored.
std::optional<int> ParseWholeNumber(const QString &text, const QLocale &locale = QLocale());

bool IsNumberInRange(const QString &text, double low, double high,
                     const QLocale &locale = QLocale());
bool IsNumber(const QString &text, const QLocale &locale = QLocale());
bool IsWholeNumber(const QString &text, const QLocale &locale = QLocale());

// Name of one payment period in the term messages; empty for yearly payments.
QString PeriodUnitName(double paymentsPerYear);

// The term check. Returns the message to show (always of the confirmation kind),
// or nothing when the term is acceptable.
std::optional<QString> ValidateTerm(const QString &yearsText, const QString &phrase,
                                    const QString &partYearText, int maximumYears,
                                    double paymentsPerYear, const QLocale &locale = QLocale());
// The same check, saying also whether the part year is at fault rather than the years.
struct TermProblem {
    QString message;
    bool inPartYear = false;
};
std::optional<TermProblem> CheckTerm(const QString &yearsText, const QString &phrase, const QString &partYearText,
                                     int maximumYears, double paymentsPerYear, const QLocale &locale = QLocale());

// Years and part-year of a term that passed ValidateTerm; empty texts count as 0.
struct Term {
    int years = 0;
    int part = 0;
};
Term TermOfTexts(const QString &yearsText, const QString &partYearText,
                 const QLocale &locale = QLocale());

double RoundToPlaces(double x, double places);

// The three money formats: "%m" (the locale's currency decimals), "%.2m", "%.0m".
enum class MoneyFormat { Currency, TwoDecimals, NoDecimals };
QString MoneyText(double x, MoneyFormat format = MoneyFormat::Currency,
                  const QLocale &locale = QLocale());

// A number written in the general format: up to 15 significant digits, trailing
// zeros dropped, the locale's decimal separator, no thousands separators.
QString GeneralNumberText(double x, const QLocale &locale = QLocale());
