// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TableTexts.h"

#include "core/Said.h"

#include "engine/MortgageFunctions.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <memory>
#include <optional>

TextStyle TextStyle::Shown(const QLocale &locale)
{
    return TextStyle(false, locale);
}

TextStyle TextStyle::Screen(const QLocale &locale)
{
    return TextStyle(false, locale, true);
}

TextStyle TextStyle::Machine()
{
    return TextStyle(true, QLocale::c());
}

QString TextStyle::Money(double x, MoneyFormat format) const
{
    // Other programs get the cents even where the window shows whole amounts.
    return machine_ ? MachineMoneyText(x) : MoneyText(x, format, locale_);
}

QString TextStyle::Count(long long n) const
{
    return QString::number(n);
}

QString MachineNumberText(double x)
{
    return QString::number(x + 0.0, 'g', 15);
}

// x * 100 needs at most 58 bits, so a long double holds it exactly and its
// rounding to whole cents is the money text's, half a cent away from zero.
static_assert(std::numeric_limits<long double>::digits >= 64);

QString MachineMoneyText(double x)
{
    // Beyond 1e13 cents no longer fit 15 significant digits; those (and inf and
    // NaN) go the long way, through the money text and back.
    if (!(std::fabs(x) < 1e13)) {
        const QString cents = MoneyText(x, MoneyFormat::TwoDecimals, QLocale::c());
        return MachineNumberText(ParseNumber(cents, QLocale::c()).value_or(0));
    }
    const long long cents = std::llroundl(static_cast<long double>(x) * 100.0L);
    if (cents == 0)
        return QStringLiteral("0"); // never "-0"
    // Fifteen digits name the cents exactly, so the number's text is the cents
    // written out, trailing zeros dropped.
    unsigned long long whole = cents < 0 ? 0ULL - static_cast<unsigned long long>(cents)
                                         : static_cast<unsigned long long>(cents);
    const unsigned fraction = static_cast<unsigned>(whole % 100);
    whole /= 100;
    char16_t buffer[24];
    char16_t *const end = buffer + std::size(buffer);
    char16_t *p = end;
    if (fraction != 0) {
        if (fraction % 10 != 0)
            *--p = static_cast<char16_t>(u'0' + fraction % 10);
        *--p = static_cast<char16_t>(u'0' + fraction / 10);
        *--p = u'.';
    }
    do {
        *--p = static_cast<char16_t>(u'0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (cents < 0)
        *--p = u'-';
    return QString(reinterpret_cast<const QChar *>(p), end - p);
}

namespace {

// Quoted when a reader would otherwise split it, or trim a space off either end.
bool NeedsQuotes(QStringView text)
{
    if (text.isEmpty())
        return false;
    if (text.front().isSpace() || text.back().isSpace())
        return true;
    for (const QChar c : text)
        if (c == u',' || c == u'"' || c == u'\n' || c == u'\r')
            return true;
    return false;
}

void AppendCsvField(QString &out, const QString &text)
{
    if (!NeedsQuotes(text)) {
        out += text;
        return;
    }
    out += u'"';
    for (const QChar c : text) {
        if (c == u'"')
            out += u'"';
        out += c;
    }
    out += u'"';
}

void AppendCsvLine(QString &out, const QStringList &fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += u',';
        AppendCsvField(out, fields[i]);
    }
}

// Machine cells are short: a guess that spares most tables any regrowing.
constexpr qsizetype kCsvCellGuess = 14;

} // namespace

QString CsvLine(const QStringList &fields)
{
    QString line;
    AppendCsvLine(line, fields);
    return line;
}

QString CsvText(const TableTexts &table)
{
    QString out;
    out.reserve(static_cast<qsizetype>(table.rows.size() + 1) * table.headings.size() * kCsvCellGuess);
    AppendCsvLine(out, table.headings);
    out += u'\n';
    for (const QStringList &row : table.rows) {
        AppendCsvLine(out, row);
        out += u'\n';
    }
    return out;
}

TableTexts MachineTexts(const TableSource &table)
{
    const TextStyle machine = TextStyle::Machine();
    TableTexts texts;
    texts.headings = table.headings(machine);
    texts.rows.reserve(static_cast<std::size_t>(std::max(table.rowCount, 0)));
    for (int r = 0; r < table.rowCount; ++r) {
        QStringList cells;
        cells.reserve(table.columnCount);
        for (int c = 0; c < table.columnCount; ++c)
            cells << table.cell(r, c, machine);
        texts.rows.push_back(std::move(cells));
    }
    return texts;
}

QString TableCsv(const TableSource &table)
{
    // Straight into one text, without a list of every cell first.
    const TextStyle machine = TextStyle::Machine();
    QString out;
    out.reserve((static_cast<qsizetype>(std::max(table.rowCount, 0)) + 1) * std::max(table.columnCount, 1)
                * kCsvCellGuess);
    AppendCsvLine(out, table.headings(machine));
    out += u'\n';
    for (int r = 0; r < table.rowCount; ++r) {
        for (int c = 0; c < table.columnCount; ++c) {
            if (c > 0)
                out += u',';
            AppendCsvField(out, table.cell(r, c, machine));
        }
        out += u'\n';
    }
    return out;
}

namespace {

// A heading's English word, or its translation on the screen.
QString HeadingWord(const char *english, const TextStyle &style)
{
    return Said("TableTexts", english, style.IsTranslated());
}

} // namespace

QStringList ScheduleHeadings(const QString &periodHeading, const TextStyle &style)
{
    if (style.IsMachine())
        return {QStringLiteral("period"),  QStringLiteral("interest"),
                QStringLiteral("capital"), QStringLiteral("balance"),
                QStringLiteral("accumulated_interest"), QStringLiteral("accumulated_capital")};
    return {style.IsTranslated() ? ShownFrequencyText(periodHeading) : periodHeading,
            HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "Interest"), style),
            HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "Capital Reduction"), style),
            HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "Outstanding Balance"), style),
            HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "Accumulated Interest"), style),
            HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "Accumulated Capital"), style)};
}

QString ScheduleCellText(const ScheduleRow &row, int column, const TextStyle &style)
{
    switch (column) {
    case 0: return style.Count(row.period);
    case 1: return style.Money(row.interest);
    case 2: return style.Money(row.capital);
    case 3: return style.Money(row.balance);
    case 4: return style.Money(row.accumulatedInterest);
    case 5: return style.Money(row.accumulatedCapital);
    default: return QString();
    }
}

bool IsFinite(const ScheduleRow &row)
{
    return std::isfinite(row.interest) && std::isfinite(row.capital) && std::isfinite(row.balance)
        && std::isfinite(row.accumulatedInterest) && std::isfinite(row.accumulatedCapital);
}

QStringList MortgageGridHeadings(const MortgageGrid &grid, const TextStyle &style)
{
    QStringList headings{style.IsMachine() ? QStringLiteral("amount")
                                           : HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "Amt/Int"), style)};
    for (double rate : grid.rates)
        headings << (style.IsMachine() ? MachineNumberText(rate) : MortgageGridRateHeading(rate, style.Locale()));
    return headings;
}

QString MortgageGridCellText(const MortgageGrid &grid, int row, int column, const TextStyle &style)
{
    if (row < 0 || row >= static_cast<int>(grid.amounts.size()) || column < 0
        || column >= MortgageGridColumns)
        return QString();
    if (column == 0)
        return style.Money(grid.amounts[row], MoneyFormat::NoDecimals);
    return style.Money(grid.repayments[row][column - 1], MoneyFormat::TwoDecimals);
}

bool IsFinite(const MortgageGrid &grid)
{
    for (double rate : grid.rates)
        if (!std::isfinite(rate))
            return false;
    for (std::size_t r = 0; r < grid.amounts.size(); ++r) {
        if (!std::isfinite(grid.amounts[r]))
            return false;
        for (double repayment : grid.repayments[r])
            if (!std::isfinite(repayment))
                return false;
    }
    return true;
}

QStringList AdditionalPaymentHeadings(const QString &frequencyWord, const TextStyle &style)
{
    if (style.IsMachine())
        return {QStringLiteral("years"), QStringLiteral("additional"), QStringLiteral("payment"),
                QStringLiteral("total_interest"), QStringLiteral("interest_saved"),
                QStringLiteral("uneven")};
    // %1 is the frequency's word ("Monthly", ...).
    const QString word = style.IsTranslated() ? ShownFrequencyText(frequencyWord) : frequencyWord;
    return {HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "Years to pay off Mortgage"), style),
            HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "Additional %1 Payment Required"), style).arg(word),
            HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "Total %1 Payment"), style).arg(word),
            HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "Total Interest"), style),
            HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "Interest Saved"), style)};
}

QString AdditionalPaymentCellText(const AdditionalPaymentRow &row, int column, const TextStyle &style)
{
    switch (column) {
    case 0:
        if (row.uneven && !style.IsMachine())
            return style.Count(row.years) + AdditionalPaymentMark;
        return style.Count(row.years);
    case 1: return style.Money(row.additional);
    case 2: return style.Money(row.payment);
    case 3: return style.Money(row.totalInterest);
    case 4: return style.Money(row.interestSaved);
    case 5: return style.IsMachine() ? style.Count(row.uneven ? 1 : 0) : QString();
    default: return QString();
    }
}

const QString AdditionalPaymentMark = QStringLiteral(" *");

QString AdditionalPaymentMarkNote()
{
    return QStringLiteral("* This repayment does not pay the loan off evenly in that many years "
                          "(its last payment differs, or a longer term has the same repayment); "
                          "Interest Saved is what the repayment itself saves.");
}

bool AnyUneven(const std::vector<AdditionalPaymentRow> &rows)
{
    return std::any_of(rows.begin(), rows.end(), [](const AdditionalPaymentRow &row) { return row.uneven; });
}

bool IsFinite(const AdditionalPaymentRow &row)
{
    return std::isfinite(row.additional) && std::isfinite(row.payment)
        && std::isfinite(row.totalInterest) && std::isfinite(row.interestSaved);
}

QStringList PlanHeadings(bool byYear, const TextStyle &style)
{
    if (style.IsMachine())
        return {QStringLiteral("n"),        QStringLiteral("date"),     QStringLiteral("payment"),
                QStringLiteral("extra"),    QStringLiteral("interest"), QStringLiteral("principal"),
                QStringLiteral("balance"),  QStringLiteral("rate")};
    return {byYear ? HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "Year"), style)
                   : HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "Payment"), style),
            HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "Date"), style),
            HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "Amount Paid"), style),
            HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "Extra Paid"), style),
            HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "Interest"), style),
            HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "Principal"), style),
            HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "Balance"), style),
            HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "Rate"), style)};
}

QString PlanCellText(const PlanRow &row, int column, const TextStyle &style)
{
    switch (column) {
    case 0: return style.Count(row.n);
    case 1:
        if (!row.date.isValid())
            return QString();
        return style.IsMachine() ? row.date.toString(Qt::ISODate)
                                 : style.Locale().toString(row.date, QLocale::ShortFormat);
    case 2: return style.Money(row.payment);
    case 3: return style.Money(row.extra);
    case 4: return style.Money(row.interest);
    case 5: return style.Money(row.principal);
    case 6: return style.Money(row.balance);
    case 7:
        return style.IsMachine() ? MachineNumberText(row.rate)
                                 : style.Locale().toString(row.rate, 'g', 15) + QStringLiteral(" %");
    default: return QString();
    }
}

bool IsFinite(const PlanRow &row)
{
    return std::isfinite(row.payment) && std::isfinite(row.extra) && std::isfinite(row.interest)
        && std::isfinite(row.principal) && std::isfinite(row.balance) && std::isfinite(row.rate);
}

namespace {

// A difference as a signed figure: "+1,234.56", "−0.12 %" (a true minus sign), "0.00".
QString ShownDifference(double d, int decimals, const QLocale &locale)
{
    const double rounded = decimals < 0 ? d : RoundToPlaces(d, decimals);
    const QString magnitude = decimals < 0 ? locale.toString(std::fabs(rounded), 'g', 15)
                                           : locale.toString(std::fabs(rounded), 'f', decimals);
    if (rounded == 0)
        return magnitude;
    return (rounded > 0 ? QStringLiteral("+") : QStringLiteral("\u2212")) + magnitude;
}

QString FrequencyText(double periods, const TextStyle &style)
{
    if (!style.IsMachine())
        for (const Frequency &f : Frequencies())
            if (f.periods == periods)
                return style.IsTranslated() ? ShownFrequencyText(f.selector) : f.selector;
    return MachineNumberText(periods);
}

QString PercentText(double percent, const TextStyle &style)
{
    return style.IsMachine() ? MachineNumberText(percent)
                             : style.Locale().toString(percent, 'g', 15) + QStringLiteral(" %");
}

} // namespace

QString AprText(const std::optional<double> &apr, const TextStyle &style)
{
    if (!apr)
        return style.IsMachine() ? QString() : QStringLiteral("\u2014");
    const double shown = RoundToPlaces(*apr, 2);
    return style.IsMachine() ? MachineNumberText(shown)
                             : style.Locale().toString(shown, 'f', 2) + QStringLiteral(" %");
}

namespace {

struct RowNames {
    const char *shown;
    const char *machine;
    bool difference = false; // to the first column, of the figure in the row above
};

constexpr RowNames comparisonRowNames[ComparisonRows] = {
    {QT_TRANSLATE_NOOP("TableTexts", "Amount"), "amount"},
    {QT_TRANSLATE_NOOP("TableTexts", "Difference"), "amount_difference", true},
    {QT_TRANSLATE_NOOP("TableTexts", "Interest rate"), "rate"},
    {QT_TRANSLATE_NOOP("TableTexts", "Difference"), "rate_difference", true},
    {QT_TRANSLATE_NOOP("TableTexts", "Compounded"), "compounding_per_year"},
    {QT_TRANSLATE_NOOP("TableTexts", "Payments"), "payments_per_year"},
    {QT_TRANSLATE_NOOP("TableTexts", "Timing"), "timing"},
    {QT_TRANSLATE_NOOP("TableTexts", "Term"), "term_payments"},
    {QT_TRANSLATE_NOOP("TableTexts", "Repayment"), "repayment"},
    {QT_TRANSLATE_NOOP("TableTexts", "Difference"), "repayment_difference", true},
    {QT_TRANSLATE_NOOP("TableTexts", "As a monthly figure"), "monthly"},
    {QT_TRANSLATE_NOOP("TableTexts", "Difference"), "monthly_difference", true},
    {QT_TRANSLATE_NOOP("TableTexts", "Payments made"), "payments_made"},
    {QT_TRANSLATE_NOOP("TableTexts", "Last payment"), "last_payment"},
    {QT_TRANSLATE_NOOP("TableTexts", "Difference"), "last_payment_difference", true},
    {QT_TRANSLATE_NOOP("TableTexts", "Paid off"), "paid_off"},
    {QT_TRANSLATE_NOOP("TableTexts", "Total interest"), "total_interest"},
    {QT_TRANSLATE_NOOP("TableTexts", "Difference"), "total_interest_difference", true},
    {QT_TRANSLATE_NOOP("TableTexts", "Fees"), "fees"},
    {QT_TRANSLATE_NOOP("TableTexts", "Difference"), "fees_difference", true},
    {QT_TRANSLATE_NOOP("TableTexts", "Total paid"), "total_paid"},
    {QT_TRANSLATE_NOOP("TableTexts", "Difference"), "total_paid_difference", true},
    {QT_TRANSLATE_NOOP("TableTexts", "Annual percentage rate"), "apr"},
    {QT_TRANSLATE_NOOP("TableTexts", "Difference"), "apr_difference", true},
    {QT_TRANSLATE_NOOP("TableTexts", "Cheapest"), "cheapest"},
};

// The money figure a row shows, or a difference row's figure.
std::optional<double> MoneyFigure(ComparisonRow row, const ComparedLoan &compared, const ComparisonFigures &f)
{
    switch (row) {
    case ComparisonRow::Amount: return RoundToPlaces(compared.loan.amount, 2);
    case ComparisonRow::Repayment: return f.repayment;
    case ComparisonRow::Monthly: return f.monthly;
    case ComparisonRow::LastPayment: return f.lastPayment;
    case ComparisonRow::TotalInterest: return f.totalInterest;
    case ComparisonRow::Fees: return f.fees;
    case ComparisonRow::TotalPaid: return f.totalPaid;
    default: return std::nullopt;
    }
}

QString DifferenceText(const Comparison &comparison, ComparisonRow figureRow, std::size_t c, const TextStyle &style)
{
    const ComparedLoan &first = comparison.loans[0];
    const ComparedLoan &other = comparison.loans[c];
    const ComparisonFigures &f0 = comparison.figures[0];
    const ComparisonFigures &fc = comparison.figures[c];
    if (figureRow == ComparisonRow::Rate) {
        // Rates are typed with a few decimals: 5.95 - 6 reads -0.05, not -0.0499999999999998.
        const double d = std::round((other.loan.rate - first.loan.rate) * 1e10) / 1e10;
        return style.IsMachine() ? MachineNumberText(d) : ShownDifference(d, -1, style.Locale()) + QStringLiteral(" %");
    }
    if (figureRow == ComparisonRow::Apr) {
        if (!f0.apr || !fc.apr)
            return QString();
        const double d = RoundToPlaces(RoundToPlaces(*fc.apr, 2) - RoundToPlaces(*f0.apr, 2), 2);
        return style.IsMachine() ? MachineNumberText(d) : ShownDifference(d, 2, style.Locale()) + QStringLiteral(" %");
    }
    const double d = *MoneyFigure(figureRow, other, fc) - *MoneyFigure(figureRow, first, f0);
    return style.IsMachine() ? MachineMoneyText(d) : ShownDifference(d, 2, style.Locale());
}

} // namespace

int ComparisonColumns(const Comparison &comparison)
{
    return 1 + static_cast<int>(comparison.loans.size());
}

bool IsDifferenceRow(int row)
{
    return row > 0 && row < ComparisonRows && comparisonRowNames[row].difference;
}

QStringList ComparisonHeadings(const Comparison &comparison, const TextStyle &style)
{
    QStringList headings{style.IsMachine() ? QStringLiteral("figure") : QString()};
    for (const ComparedLoan &compared : comparison.loans)
        headings << compared.name;
    return headings;
}

QString ComparisonCellText(const Comparison &comparison, int row, int column, const TextStyle &style)
{
    if (row < 0 || row >= ComparisonRows || column < 0 || column >= ComparisonColumns(comparison)
        || comparison.figures.size() != comparison.loans.size())
        return QString();
    if (column == 0)
        return style.IsMachine() ? QString::fromLatin1(comparisonRowNames[row].machine)
                                 : HeadingWord(comparisonRowNames[row].shown, style);
    const std::size_t c = static_cast<std::size_t>(column - 1);
    const ComparedLoan &compared = comparison.loans[c];
    const Loan &loan = compared.loan;
    const ComparisonFigures &f = comparison.figures[c];
    const auto kind = static_cast<ComparisonRow>(row);
    if (IsDifferenceRow(row))
        return c == 0 ? QString() : DifferenceText(comparison, static_cast<ComparisonRow>(row - 1), c, style);
    if (const std::optional<double> money = MoneyFigure(kind, compared, f))
        return style.Money(*money);
    switch (kind) {
    case ComparisonRow::Rate: return PercentText(loan.rate, style);
    case ComparisonRow::Compounding: return FrequencyText(loan.compoundingsPerYear, style);
    case ComparisonRow::Payments: return FrequencyText(loan.paymentsPerYear, style);
    case ComparisonRow::Timing:
        if (style.IsMachine())
            return loan.timing == Timing::InArrears ? QStringLiteral("arrears") : QStringLiteral("advance");
        return loan.timing == Timing::InArrears ? HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "In Arrears"), style)
                                                 : HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "In Advance"), style);
    case ComparisonRow::Term:
        return style.IsMachine() ? style.Count(loan.Rounds())
                                 : PayOffTime(loan.Rounds(), static_cast<int>(loan.paymentsPerYear),
                                              style.IsTranslated());
    case ComparisonRow::PaymentsMade: return style.Count(f.paymentsMade);
    case ComparisonRow::PayOff:
        if (style.IsMachine())
            return f.paidOff.isValid() ? f.paidOff.toString(Qt::ISODate) : QString();
        if (f.paidOff.isValid())
            return style.Locale().toString(f.paidOff, QLocale::ShortFormat);
        return PayOffTime(f.paymentsMade, static_cast<int>(loan.paymentsPerYear), style.IsTranslated());
    case ComparisonRow::Apr: return AprText(f.apr, style);
    case ComparisonRow::Cheapest:
        if (style.IsMachine())
            return style.Count(comparison.cheapest == static_cast<int>(c) ? 1 : 0);
        return comparison.cheapest == static_cast<int>(c) ? HeadingWord(QT_TRANSLATE_NOOP("TableTexts", "Lowest APR"), style)
                                                          : QString();
    default: return QString();
    }
}

TableSource ComparisonTable(const Comparison &comparison)
{
    auto shared = std::make_shared<const Comparison>(comparison);
    TableSource source;
    source.headings = [shared](const TextStyle &style) { return ComparisonHeadings(*shared, style); };
    source.rowCount = ComparisonRows;
    source.columnCount = ComparisonColumns(comparison);
    source.cell = [shared](int row, int column, const TextStyle &style) {
        return ComparisonCellText(*shared, row, column, style);
    };
    return source;
}
