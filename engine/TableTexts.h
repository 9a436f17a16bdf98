// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the schedule, mortgage grid, additional payments, payment plan and
// comparison tables. The
// windows, the printed reports, copying, CSV files and quovella-calc all take
// their headings and cells from here, so a figure reads the same everywhere.
#pragma once

#include "engine/AdditionalPayments.h"
#include "engine/Comparison.h"
#include "engine/MortgageGrid.h"
#include "engine/PaymentPlan.h"
#include "engine/Schedule.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// How a table's cells are written: as the windows show them, in a locale's money
// text, or plainly for other programs, whatever the user's locale.
class TextStyle {
public:
    static TextStyle Shown(const QLocale &locale = QLocale());
    // As Shown, with the headings' words in the user's language: for the screen
    // only, since reports, copies of reports and files keep the English words.
    static TextStyle Screen(const QLocale &locale = QLocale());
    // A decimal point, no thousands separators or currency sign, money to cents.
    static TextStyle Machine();

    bool IsMachine() const { return machine_; }
    bool IsTranslated() const { return translated_; }
    const QLocale &Locale() const { return locale_; }
    QString Money(double x, MoneyFormat format = MoneyFormat::Currency) const;
    QString Count(long long n) const;

private:
    TextStyle(bool machine, const QLocale &locale, bool translated = false)
        : machine_(machine), translated_(translated), locale_(locale) {}
    bool machine_;
    bool translated_;
    QLocale locale_;
};

// A number as scripts read it: a decimal point, up to 15 significant digits,
// trailing zeros dropped.
QString MachineNumberText(double x);
// Money the same way, first rounded to cents.
QString MachineMoneyText(double x);

// One line of a CSV file (without its line end); a field is quoted only when it
// needs to be.
QString CsvLine(const QStringList &fields);

// Every cell of a table in one style, headings first: what copying and CSV take.
struct TableTexts {
    QStringList headings;
    std::vector<QStringList> rows;
};
// The whole table as CSV, one line per row after the heading line, each ended by '\n'.
QString CsvText(const TableTexts &table);

// A table read through its rules: headings and cells in any style.
struct TableSource {
    std::function<QStringList(const TextStyle &style)> headings;
    int rowCount = 0;
    int columnCount = 0;
    std::function<QString(int row, int column, const TextStyle &style)> cell;
};
// Every cell in the machine style, headings first.
TableTexts MachineTexts(const TableSource &table);
// The CSV file of a table. quovella-calc --csv and the windows' Export… both
// write this, so their files are the same byte for byte.
QString TableCsv(const TableSource &table);

// The schedule: the period ("Year", "Month", ... as the window's period option
// reads), then the five money columns.
constexpr int ScheduleColumns = 6;
QStringList ScheduleHeadings(const QString &periodHeading, const TextStyle &style);
QString ScheduleCellText(const ScheduleRow &row, int column, const TextStyle &style);
bool IsFinite(const ScheduleRow &row);

// The mortgage grid: the amount, then a repayment for each of the seven rates.
// Rows are the grid's amount rows, 0-based (grid row r + 1).
constexpr int MortgageGridColumns = MortgageGrid::RateColumns + 1;
QStringList MortgageGridHeadings(const MortgageGrid &grid, const TextStyle &style);
QString MortgageGridCellText(const MortgageGrid &grid, int row, int column, const TextStyle &style);
bool IsFinite(const MortgageGrid &grid);

// The additional payments: the years, then four money columns headed with the
// payment frequency's word ("Monthly", "Fortnightly", ...). A row whose repayment
// does not pay its loan off evenly shows its years with AdditionalPaymentMark; for
// other programs a sixth column, "uneven", says 1 or 0 instead.
constexpr int AdditionalPaymentColumns = 5;
constexpr int AdditionalPaymentMachineColumns = 6;
extern const QString AdditionalPaymentMark;
// The one line that says what the mark means, shown under a table that has one.
QString AdditionalPaymentMarkNote();
bool AnyUneven(const std::vector<AdditionalPaymentRow> &rows);
QStringList AdditionalPaymentHeadings(const QString &frequencyWord, const TextStyle &style);
QString AdditionalPaymentCellText(const AdditionalPaymentRow &row, int column, const TextStyle &style);
bool IsFinite(const AdditionalPaymentRow &row);

// The payment plan's schedule, by payment or by year: the number, the date (empty
// without one), the amount paid, the extra in it, interest, principal, the balance
// after it and the rate in force. For other programs: n, date (ISO 8601), payment,
// extra, interest, principal, balance, rate.
constexpr int PlanColumns = 8;
QStringList PlanHeadings(bool byYear, const TextStyle &style);
QString PlanCellText(const PlanRow &row, int column, const TextStyle &style);
bool IsFinite(const PlanRow &row);

// An annual percentage rate to two decimals ("6.39 %"; for other programs 6.39),
// "\u2014" when no rate answers (empty for other programs).
QString AprText(const std::optional<double> &apr, const TextStyle &style = TextStyle::Shown());

// The comparison: the figures down, a column per loan across, after the figures'
// names; headed by the loans' names (for other programs "figure", then the names).
// Each money or percent figure has a row of its own under it with each column's
// difference to the first: a second line in the same cell would break copying
// (tab-separated) and CSV, where a cell is one line, and a row of its own keeps
// every cell one number that other programs can read. The first column's
// difference cells are empty. The last row marks the cheapest column ("Lowest APR";
// for other programs 1 or 0). For other programs the figures are named by keys
// (amount, amount_difference, rate, ...), the frequencies are payments a year, the
// timing "arrears" or "advance", the term its number of payments, and the pay-off
// an ISO 8601 date (empty without a first-payment date).
enum class ComparisonRow {
    Amount, AmountDifference, Rate, RateDifference, Compounding, Payments, Timing, Term,
    Repayment, RepaymentDifference, Monthly, MonthlyDifference, PaymentsMade,
    LastPayment, LastPaymentDifference, PayOff, TotalInterest, TotalInterestDifference,
    Fees, FeesDifference, TotalPaid, TotalPaidDifference, Apr, AprDifference, Cheapest
};
constexpr int ComparisonRows = static_cast<int>(ComparisonRow::Cheapest) + 1;
int ComparisonColumns(const Comparison &comparison);
bool IsDifferenceRow(int row);
QStringList ComparisonHeadings(const Comparison &comparison, const TextStyle &style);
QString ComparisonCellText(const Comparison &comparison, int row, int column, const TextStyle &style);
// The table read through the two above, for copying, CSV and printing.
TableSource ComparisonTable(const Comparison &comparison);
