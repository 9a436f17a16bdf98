// SPDX-License-Identifier: GPL-3.0-or-later
// The balance graph of the longest loan, a daily one of 50 years and 365 days
// (18 615 payments) with an extra payment: a window repaint, the whole opening
// (schedule, extra-payment walk and repaint), and a printer page.
#include "bench/BenchMain.h"
#include "engine/AdditionalPayments.h"
#include "bench/BenchLoans.h"
#include "ui/windows/BalanceGraphUnit.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

AdditionalPaymentRun ExtraRun(const Loan &loan)
{
    AdditionalPaymentRun run{loan, 100, {}, {}};
    run.result = CalculateSpecificAdditionalPayment(loan, run.extra, run.start);
    return run;
}

void Redraw(benchmark::State &state, int width, int height)
{
    const Loan loan = LargestLoan(6);
    const AdditionalPaymentRun run = ExtraRun(loan);
    BalanceGraph graph;
    graph.SetSeries(BalanceSeriesOf(loan, &run));
    graph.SetTitle(BalanceGraphTitle(loan));
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        graph.Paint(painter, image.rect());
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["points"] = double(graph.Series().points.size());
}

void BM_BalanceGraphWindowRedraw(benchmark::State &state)
{
    Redraw(state, 526, 380);
}
BENCHMARK(BM_BalanceGraphWindowRedraw)->Unit(benchmark::kMillisecond);

void BM_BalanceGraphOpening(benchmark::State &state)
{
    const Loan loan = LargestLoan(6);
    const AdditionalPaymentRun run = ExtraRun(loan);
    BalanceGraph graph;
    QImage image(526, 380, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        graph.SetSeries(BalanceSeriesOf(loan, &run));
        QPainter painter(&image);
        graph.Paint(painter, image.rect());
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_BalanceGraphOpening)->Unit(benchmark::kMillisecond);

void BM_BalanceGraphPrinterPage(benchmark::State &state)
{
    Redraw(state, 3300, 2550);
}
BENCHMARK(BM_BalanceGraphPrinterPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RunBenchmarks(argc, argv);
}
