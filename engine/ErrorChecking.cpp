// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ErrorChecking.h"

#include <QCoreApplication>

#include <cmath>

QLocale ParsingLocale(const QLocale &locale)
{
    QLocale result = locale;
    result.setNumberOptions(result.numberOptions() | QLocale::RejectGroupSeparator);
    return result;
}

std::optional<double> ParseNumber(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = ParsingLocale(locale).toDouble(trimmed, &ok);
    // The locale reader accepts "inf" and "nan"; no field may ever hold those.
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value + 0.0; // -0 reads as 0
}

std::optional<int> ParseWholeNumber(const QString &text, const QLocale &)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    for (int k = 0; k < trimmed.size(); ++k) {
        const QChar c = trimmed.at(k);
        const bool sign = k == 0 && (c == u'+' || c == u'-');
        if (!sign && (c < u'0' || c > u'9'))
            return std::nullopt;
    }
    bool ok = false;
    const int value = QLocale::c().toInt(trimmed, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

bool IsNumberInRange(const QString &text, double low, double high, const QLocale &locale)
{
    const auto value = ParseNumber(text, locale);
    return value && *value >= low && *value <= high;
}

bool IsNumber(const QString &text, const QLocale &locale)
{
    return ParseNumber(text, locale).has_value();
}

bool IsWholeNumber(const QString &text, const QLocale &locale)
{
    return ParseWholeNumber(text, locale).has_value();
}

QString PeriodUnitName(double paymentsPerYear)
{
    const int p = static_cast<int>(paymentsPerYear);
    switch (p) {
    case 2: return QStringLiteral("Half-Year");
    case 4: return QStringLiteral("Quarter");
    case 12: return QStringLiteral("Month");
    case 24: return QStringLiteral("Half-Month");
    case 26: return QStringLiteral("Fortnight");
    case 52: return QStringLiteral("Week");
    case 365: return QStringLiteral("Day");
    default: return QString();
    }
}

std::optional<TermProblem> CheckTerm(const QString &yearsText, const QString &phrase, const QString &partYearText,
                                     int maximumYears, double paymentsPerYear, const QLocale &locale)
{
    const QString years = yearsText.trimmed();
    const QString partText = partYearText.trimmed();
    int y = 0;
    int part = 0;
    if (!years.isEmpty()) {
        const auto value = ParseWholeNumber(years, locale);
        if (!value)
            return TermProblem{QCoreApplication::translate("ErrorChecking", "You must enter a valid Year")};
        y = *value;
        if (y < 0 || y > maximumYears)
            return TermProblem{QCoreApplication::translate("ErrorChecking", "You must enter%1 between 0 and %2")
                                   .arg(phrase, QString::number(maximumYears))};
    }
    // The unit in the user's language, as the frequency lists show it.
    const QString unit = QCoreApplication::translate("Frequency", PeriodUnitName(paymentsPerYear).toUtf8().constData());
    if (!partText.isEmpty()) {
        const auto value = ParseWholeNumber(partText, locale);
        if (!value)
            return TermProblem{QCoreApplication::translate("ErrorChecking", "You must enter a valid %1").arg(unit), true};
        part = *value;
    }
    if (part < 0 || part > paymentsPerYear)
        return TermProblem{QCoreApplication::translate("ErrorChecking", "You must enter a %1 between 0 and %2")
                               .arg(unit, QString::number(paymentsPerYear, 'g', 15)),
                           true};
    if (y + part > 0)
        return std::nullopt;
    return TermProblem{QCoreApplication::translate("ErrorChecking", "You must enter%1").arg(phrase)};
}

std::optional<QString> ValidateTerm(const QString &yearsText, const QString &phrase, const QString &partYearText,
                                    int maximumYears, double paymentsPerYear, const QLocale &locale)
{
    if (auto problem = CheckTerm(yearsText, phrase, partYearText, maximumYears, paymentsPerYear, locale))
        return problem->message;
    return std::nullopt;
}

Term TermOfTexts(const QString &yearsText, const QString &partYearText, const QLocale &locale)
{
    return Term{ParseWholeNumber(yearsText, locale).value_or(0),
                ParseWholeNumber(partYearText, locale).value_or(0)};
}

double RoundToPlaces(double x, double places)
{
    const double y = x - 1;
    if ((y != 0 && std::fabs(y) < 0.0001) || std::fabs(y) >= 1e15 || !std::isfinite(x))
        return x;
    const double k = std::trunc(y);
    // Exact powers for the places callers pass; every amount of a schedule goes through here.
    static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10};
    const int whole = static_cast<int>(places);
    const double s = (whole == places && whole >= 0 && whole <= 10) ? kPowers[whole]
                                                                     : std::nearbyint(std::pow(10.0, places));
    const double m = std::nearbyint((x - k) * s);
    return k + m / s;
}

QString MoneyText(double x, MoneyFormat format, const QLocale &locale)
{
    const int precision = format == MoneyFormat::Currency ? -1
        : format == MoneyFormat::TwoDecimals              ? 2
                                                          : 0;
    // A value that rounds to zero must not show as a negative zero.
    const int shownDecimals = precision < 0 ? 2 : precision;
    if (std::fabs(x) < 0.5 * std::pow(10.0, -shownDecimals))
        x = 0.0;
    return locale.toCurrencyString(x + 0.0, QString(), precision);
}

QString GeneralNumberText(double x, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(x + 0.0, 'g', 15);
}
