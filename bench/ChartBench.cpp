// SPDX-License-Identifier: GPL-3.0-or-later
// A full redraw of the cost breakdown chart, as the window repaints it and as a
// printer page gets it.
#include "bench/BenchMain.h"
#include "chart/PieChart3D.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void DrawChart(benchmark::State &state, int width, int height)
{
    PieChart3D chart;
    chart.SetTitle(QStringLiteral("Cost Breakdown of Mortgage"));
    chart.AddSlice(100000, QStringLiteral("Principal"), QColor(0, 128, 0));
    chart.AddSlice(93287.0413, QStringLiteral("Interest"), QColor(255, 0, 0));
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        chart.Paint(painter, image.rect());
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_ChartWindowRedraw(benchmark::State &state)
{
    DrawChart(state, 526, 380);
}
BENCHMARK(BM_ChartWindowRedraw)->Unit(benchmark::kMillisecond);

void BM_ChartPrinterPage(benchmark::State &state)
{
    DrawChart(state, 3300, 2550);
}
BENCHMARK(BM_ChartPrinterPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RunBenchmarks(argc, argv);
}
