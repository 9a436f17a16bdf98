// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TableTexts.h"

#include <algorithm>
#include <cmath>

TextStyle TextStyle::Shown(const QLocale &locale)
{
    return TextStyle(false, locale);
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

QString MachineMoneyText(double x)
{
    // The figure the money text shows, digit for digit: the same zero below half a
    // cent, and the same rounding to cents (0.005 is 0.01, never 0).
    const QString cents = MoneyText(x, MoneyFormat::TwoDecimals, QLocale::c());
    return MachineNumberText(ParseNumber(cents, QLocale::c()).value_or(0));
}

namespace {

QString CsvField(const QString &text)
{
    const bool plain = !text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'))
        && text.trimmed() == text;
    if (plain)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString CsvLine(const QStringList &fields)
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += QLatin1Char(',');
        line += CsvField(fields[i]);
    }
    return line;
}

QString CsvText(const TableTexts &table)
{
    QString out = CsvLine(table.headings) + QLatin1Char('\n');
    for (const QStringList &row : table.rows)
        out += CsvLine(row) + QLatin1Char('\n');
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
    return CsvText(MachineTexts(table));
}

QStringList ScheduleHeadings(const QString &periodHeading, const TextStyle &style)
{
    if (style.IsMachine())
        return {QStringLiteral("period"),  QStringLiteral("interest"),
                QStringLiteral("capital"), QStringLiteral("balance"),
                QStringLiteral("accumulated_interest"), QStringLiteral("accumulated_capital")};
    return {periodHeading,
            QStringLiteral("Interest"),
            QStringLiteral("Capital Reduction"),
            QStringLiteral("Outstanding Balance"),
            QStringLiteral("Accumulated Interest"),
            QStringLiteral("Accumulated Capital")};
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
    QStringList headings{style.IsMachine() ? QStringLiteral("amount") : QStringLiteral("Amt/Int")};
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
    return {QStringLiteral("Years to pay off Mortgage"),
            QStringLiteral("Additional ") + frequencyWord + QStringLiteral(" Payment Required"),
            QStringLiteral("Total ") + frequencyWord + QStringLiteral(" Payment"),
            QStringLiteral("Total Interest"), QStringLiteral("Interest Saved")};
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
