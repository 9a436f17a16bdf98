// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's heaviest calculations, at the sizes the windows can ask for.
#include "bench/BenchMain.h"
#include "engine/AdditionalPayments.h"
#include "bench/BenchLoans.h"
#include "engine/ErrorChecking.h"
#include "engine/MortgageFunctions.h"
#include "engine/MortgageGrid.h"
#include "engine/PaymentPlan.h"
#include "engine/Schedule.h"
#include "engine/TableTexts.h"
#include "engine/WhatIf.h"

#include <QLocale>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_RunAmortisationLargestTerm(benchmark::State &state)
{
    const Loan loan = LargestLoan();
    for (auto _ : state) {
        AmortisationResult result = RunAmortisation(loan);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_RunAmortisationLargestTerm)->Unit(benchmark::kMicrosecond);

void BM_BuildScheduleByPeriodLargestTerm(benchmark::State &state)
{
    const Loan loan = LargestLoan();
    std::size_t rows = 0;
    for (auto _ : state) {
        const std::vector<ScheduleRow> schedule = BuildSchedule(loan, ScheduleBy::Period);
        rows = schedule.size();
        benchmark::DoNotOptimize(schedule.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_BuildScheduleByPeriodLargestTerm)->Unit(benchmark::kMicrosecond);

// What Export… does for the longest schedule: every cell in the machine style,
// the CSV text, and the file written and committed.
void BM_ExportScheduleCsvLargestTerm(benchmark::State &state)
{
    const std::vector<ScheduleRow> rows = BuildSchedule(LargestLoan(), ScheduleBy::Period);
    const TableSource table{[](const TextStyle &style) { return ScheduleHeadings(QStringLiteral("Day"), style); },
                            static_cast<int>(rows.size()), ScheduleColumns,
                            [&rows](int row, int column, const TextStyle &style) {
                                return ScheduleCellText(rows[row], column, style);
                            }};
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("schedule.csv"));
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray csv = TableCsv(table).toUtf8();
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit())
            state.SkipWithError("cannot write the CSV file");
        bytes = csv.size();
    }
    state.counters["rows"] = static_cast<double>(rows.size());
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ExportScheduleCsvLargestTerm)->Unit(benchmark::kMillisecond);

// The CSV text alone, as Export… and quovella-calc --csv make it, of the longest
// daily loan at the highest rate the windows accept.
void BM_ScheduleCsvTextLargestTermFullRate(benchmark::State &state)
{
    const std::vector<ScheduleRow> rows = BuildSchedule(LargestLoan(100), ScheduleBy::Period);
    const TableSource table{[](const TextStyle &style) { return ScheduleHeadings(QStringLiteral("Day"), style); },
                            static_cast<int>(rows.size()), ScheduleColumns,
                            [&rows](int row, int column, const TextStyle &style) {
                                return ScheduleCellText(rows[row], column, style);
                            }};
    qsizetype size = 0;
    for (auto _ : state) {
        const QString csv = TableCsv(table);
        size = csv.size();
        benchmark::DoNotOptimize(csv.constData());
    }
    state.counters["rows"] = static_cast<double>(rows.size());
    state.counters["chars"] = static_cast<double>(size);
}
BENCHMARK(BM_ScheduleCsvTextLargestTermFullRate)->Unit(benchmark::kMillisecond);

// Every row is its own loan and is walked, to find a balloon last payment: 51 walks.
// The longest term with a busy plan: 20 extras over ranges, 15 lump sums (every
// third lowering the repayment) and 15 rate changes, every payment dated.
void BM_WalkPaymentPlanLargestTerm50Events(benchmark::State &state)
{
    const Loan loan = LargestLoan();
    const int n = loan.Rounds();
    PaymentPlan plan;
    plan.firstPayment = QDate(2027, 1, 31);
    for (int e = 0; e < 20; ++e)
        plan.events.push_back({PlanEventKind::Extra, 100.0 + e, 1 + e * 900, e % 2 ? 0 : 1 + e * 900 + 1800, false});
    for (int e = 0; e < 15; ++e)
        plan.events.push_back({PlanEventKind::LumpSum, 1000000, 500 + e * 1200, 0, e % 3 == 0});
    for (int e = 0; e < 15; ++e)
        plan.events.push_back({PlanEventKind::RateChange, 6.5 + (e % 4) * 0.5, 700 + e * 1150, 0, false});
    if (CheckPaymentPlan(plan, n)) {
        state.SkipWithError("the plan does not fit the loan");
        return;
    }
    std::size_t rows = 0;
    for (auto _ : state) {
        const PlanResult result = WalkPaymentPlan(loan, plan);
        rows = result.rows.size();
        benchmark::DoNotOptimize(result.rows.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_WalkPaymentPlanLargestTerm50Events)->Unit(benchmark::kMillisecond);

void BM_BuildAdditionalPaymentGridLargestTerm(benchmark::State &state)
{
    const Loan loan = LargestLoan();
    for (auto _ : state) {
        const AdditionalPaymentGrid grid = BuildAdditionalPaymentGrid(loan);
        benchmark::DoNotOptimize(grid.rows.data());
    }
}
BENCHMARK(BM_BuildAdditionalPaymentGridLargestTerm)->Unit(benchmark::kMillisecond);

void BM_BuildMortgageGrid1999Rows(benchmark::State &state)
{
    Loan loan;
    loan.amount = 1000000;
    loan.rate = 6;
    loan.years = 25;
    std::size_t rows = 0;
    for (auto _ : state) {
        const MortgageGrid grid = BuildMortgageGrid(loan, 1000, 0.25);
        rows = grid.amounts.size();
        benchmark::DoNotOptimize(grid.repayments.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_BuildMortgageGrid1999Rows)->Unit(benchmark::kMicrosecond);

void BM_SolveWhatIfInterestRate(benchmark::State &state)
{
    WhatIfFields fields;
    fields.principal = QStringLiteral("100000");
    fields.periods = QStringLiteral("25");
    fields.repay = QStringLiteral("644.3015");
    fields.solveFor = WhatIfVariable::Interest;
    const QLocale c = QLocale::c();
    for (auto _ : state) {
        WhatIfOutcome outcome = SolveWhatIf(fields, c);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_SolveWhatIfInterestRate)->Unit(benchmark::kMicrosecond);

// The schedule rounds seven amounts a payment; this is most of its cost.
void BM_RoundToPlacesToCents(benchmark::State &state)
{
    double x = 12345.6789;
    double sum = 0;
    for (auto _ : state) {
        x += 0.0137;
        sum += RoundToPlaces(x, 2);
    }
    benchmark::DoNotOptimize(sum);
}
BENCHMARK(BM_RoundToPlacesToCents);

// A table model formats a row when it is shown: six money texts.
void BM_MoneyTextOfOneScheduleRow(benchmark::State &state)
{
    const ScheduleRow row{1, 5951.57, 1780.15, 98219.85, 5951.57, 1780.15};
    for (auto _ : state) {
        QString texts[6] = {QString::number(row.period),     MoneyText(row.interest),
                            MoneyText(row.capital),          MoneyText(row.balance),
                            MoneyText(row.accumulatedInterest), MoneyText(row.accumulatedCapital)};
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(BM_MoneyTextOfOneScheduleRow)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    // Money text as a user in the United States would see it, on any machine.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return RunBenchmarks(argc, argv);
}
