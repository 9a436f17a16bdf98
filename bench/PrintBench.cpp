// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the longest schedule the program makes (daily payments over 50 years
// and 365 days, 18 615 rows) through the QPrinter channel into a PDF file.
// Goal: at most 2 s.
#include "bench/BenchMain.h"
#include "printing/Printing.h"
#include "bench/BenchLoans.h"
#include "platform/QtPrinterChannel.h"
#include "platform/RecordingPrinterChannel.h"
#include "engine/TableTexts.h"

#include <QApplication>
#include <QLocale>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const std::vector<ScheduleRow> &LongestSchedule()
{
    static const std::vector<ScheduleRow> rows = BuildSchedule(LargestLoan(), ScheduleBy::Period);
    return rows;
}

// As the schedule window hands it over: money text made per cell, when asked.
ScheduleReport LongestReport()
{
    const std::vector<ScheduleRow> &rows = LongestSchedule();
    ScheduleReport report;
    report.loan = {"999999999", "7", "50", "Day(s)", "365", "Daily", true, "Daily"};
    report.periodHeading = "Day";
    report.rowCount = static_cast<int>(rows.size());
    report.cell = [&rows](int column, int row) {
        return ScheduleCellText(rows[row], column, TextStyle::Shown());
    };
    return report;
}

void BM_PrintLongestScheduleToPdf(benchmark::State &state)
{
    const ScheduleReport report = LongestReport();
    if (report.rowCount != 18615)
        state.SkipWithError("the longest schedule no longer has 18615 rows");
    QTemporaryDir dir;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("schedule.pdf"));
        printer.setPageSize(QPageSize(QPageSize::A4));
        QtPrinterChannel channel(printer);
        PrintSchedule(report, channel);
    }
    state.counters["pages"] = ThePrintState().PrintPageNumber;
}
BENCHMARK(BM_PrintLongestScheduleToPdf)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The layout and the cell texts alone, without a printer.
void BM_LayOutLongestSchedule(benchmark::State &state)
{
    const ScheduleReport report = LongestReport();
    for (auto _ : state) {
        RecordingPrinterChannel channel(13699, 150.656); // A4 at 1200 dpi, 8-point lines
        PrintSchedule(report, channel);
        benchmark::DoNotOptimize(channel.Events().size());
    }
}
BENCHMARK(BM_LayOutLongestSchedule)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    return RunBenchmarks(argc, argv);
}
