// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/BalanceGraph.h"

#include "tests/chart/ChartPixels.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const QRectF kWindow(0, 0, 526, 380);

// A loan of `amount` falling evenly to nothing over `years`, paying interest of a
// tenth of the amount a year.
BalanceGraphSeries Falling(double amount, int years)
{
    BalanceGraphSeries s;
    s.amount = amount;
    for (int y = 1; y <= years; ++y) {
        const double capital = amount * y / years;
        s.points.push_back({double(y), y, amount - capital, amount * 0.1 * y, capital});
    }
    return s;
}

// Whether the value is 1, 2 or 5 times a power of ten.
bool Round(double step)
{
    const double power = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double mantissa = step / power;
    return std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 || std::abs(mantissa - 5) < 1e-9;
}

bool Orange(QRgb p)
{
    return qRed(p) > 170 && qGreen(p) > 60 && qGreen(p) < 130 && qBlue(p) < 60;
}

bool Green(QRgb p)
{
    return qGreen(p) > qRed(p) + 40 && qGreen(p) > qBlue(p) + 40;
}

bool AllFinite(const std::vector<QPointF> &points)
{
    for (const QPointF &p : points)
        if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
            return false;
    return true;
}

} // namespace

TEST(AxisScale, StepsAreOneTwoOrFiveTimesAPowerOfTenAndJustReachTheTop)
{
    for (const double maximum : {0.03, 1.0, 7.0, 10.0, 93287.04, 100000.0, 193287.04, 123456789.0, 999999999.0}) {
        for (int most = 1; most <= 9; ++most) {
            const AxisScale s = RoundScale(maximum, most);
            SCOPED_TRACE(testing::Message() << maximum << " in " << most);
            EXPECT_TRUE(Round(s.step)) << s.step;
            EXPECT_GE(s.top, maximum);
            EXPECT_LT(s.top - s.step, maximum); // no empty step at the top
            EXPECT_LE(int(s.ticks.size()) - 1, std::max(most, 3));
            for (size_t k = 0; k < s.ticks.size(); ++k)
                EXPECT_DOUBLE_EQ(s.ticks[k], k * s.step);
        }
    }
    // Whole years never get a step below one.
    EXPECT_EQ(RoundScale(1, 8, 1.0).step, 1);
    EXPECT_EQ(RoundScale(51, 6, 1.0).step, 10);
}

TEST(AxisScale, NothingToScaleGetsAPlainUnitAxis)
{
    for (const double bad : {0.0, -5.0, std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity()}) {
        const AxisScale s = RoundScale(bad, 5);
        EXPECT_EQ(s.top, 1) << bad;
        EXPECT_TRUE(std::isfinite(s.step));
        EXPECT_EQ(s.ticks.front(), 0);
    }
    EXPECT_EQ(RoundScale(0, 0).ticks.size(), 2u); // at least one step, never a division by 0
}

TEST(BalanceGraphAxes, MoneyLabelsAreRoundInTheUsersLocale)
{
    BalanceGraph graph;
    BalanceGraphSeries s = Falling(100000, 25);
    s.points.back().accumulatedInterest = 93287.04;
    graph.SetSeries(s);
    graph.SetMoneyLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    BalanceGraphGeometry g = graph.Geometry(kWindow);
    EXPECT_EQ(g.balanceLabels, QStringList({"$0", "$20,000", "$40,000", "$60,000", "$80,000", "$100,000"}));
    EXPECT_EQ(g.paidLabels.front(), "$0");
    for (const QString &label : g.paidLabels + g.balanceLabels)
        EXPECT_FALSE(label.contains('.')) << label.toStdString(); // no cents on a round step

    graph.SetMoneyLocale(QLocale(QLocale::German, QLocale::Germany));
    g = graph.Geometry(kWindow);
    ASSERT_EQ(g.balanceLabels.size(), 6);
    const QLocale german(QLocale::German, QLocale::Germany);
    for (int k = 0; k < g.balanceLabels.size(); ++k)
        EXPECT_EQ(g.balanceLabels[k], german.toCurrencyString(20000.0 * k, QString(), 0));
    EXPECT_TRUE(g.balanceLabels[1].startsWith("20.000")) << g.balanceLabels[1].toStdString();
    EXPECT_TRUE(g.balanceLabels[1].contains(QString::fromUtf8("€")));
}

TEST(BalanceGraphAxes, LargestAmountStaysReadableBesideThePlot)
{
    BalanceGraph graph;
    graph.SetMoneyLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    graph.SetSeries(Falling(999999999, 50));
    const BalanceGraphGeometry g = graph.Geometry(kWindow);
    EXPECT_EQ(g.balanceLabels.back(), "$1,000,000,000");
    EXPECT_GE(g.balanceScale.ticks.size(), 3u);
    // The widest label fits left of the plot, which keeps most of the width.
    EXPECT_GT(g.balancePlot.left(), 0);
    EXPECT_GT(g.balancePlot.width(), kWindow.width() * 0.6);
    EXPECT_EQ(g.yearLabels.back(), "50");
    // Cents appear only when the step itself has them.
    graph.SetSeries(Falling(0.05, 1));
    EXPECT_EQ(graph.Geometry(kWindow).balanceLabels.back(), "$0.05");
}

TEST(BalanceGraphLayout, LinesFollowTheFiguresInsideThePanels)
{
    BalanceGraph graph;
    BalanceGraphSeries s = Falling(100000, 25);
    s.points.back().year = 24.5; // a term that ends half way through its last year
    graph.SetSeries(s);
    const BalanceGraphGeometry g = graph.Geometry(kWindow);
    ASSERT_EQ(g.balanceLine.size(), 26u);
    EXPECT_DOUBLE_EQ(g.balanceLine.front().x(), g.balancePlot.left());
    EXPECT_NEAR(g.balanceLine.front().y(), g.balancePlot.bottom() - g.balancePlot.height(), 1e-9);
    EXPECT_NEAR(g.balanceLine.back().y(), g.balancePlot.bottom(), 1e-9);
    // The axis runs to the whole year 25, the last point half a year short of it.
    EXPECT_NEAR(g.balanceLine.back().x(), g.balancePlot.left() + g.balancePlot.width() * 24.5 / 25, 1e-9);
    for (size_t k = 1; k < g.balanceLine.size(); ++k) {
        EXPECT_GT(g.balanceLine[k].x(), g.balanceLine[k - 1].x());
        EXPECT_TRUE(g.balancePlot.adjusted(-0.01, -0.01, 0.01, 0.01).contains(g.balanceLine[k]));
    }
    EXPECT_LT(g.balancePlot.bottom(), g.paidPlot.top());
    EXPECT_LT(g.title.bottom(), g.balancePlot.top());
    EXPECT_EQ(g.legend, QStringList({"Outstanding Balance", "Accumulated Capital", "Accumulated Interest"}));
}

TEST(BalanceGraphLayout, APrinterPageGetsTheSamePictureScaled)
{
    BalanceGraph graph;
    graph.SetSeries(Falling(250000, 30));
    const BalanceGraphGeometry small = graph.Geometry(kWindow);
    const BalanceGraphGeometry page = graph.Geometry(QRectF(0, 0, 526 * 6, 380 * 6));
    EXPECT_EQ(small.balanceLabels, page.balanceLabels);
    EXPECT_EQ(small.yearLabels, page.yearLabels);
    ASSERT_EQ(small.balanceLine.size(), page.balanceLine.size());
    for (size_t k = 0; k < small.balanceLine.size(); ++k) {
        EXPECT_NEAR(page.balanceLine[k].x() / 6, small.balanceLine[k].x(), 3);
        EXPECT_NEAR(page.balanceLine[k].y() / 6, small.balanceLine[k].y(), 3);
    }
}

TEST(BalanceGraphExtra, DashedLineOnlyWhenPresentAndShown)
{
    BalanceGraph graph;
    BalanceGraphSeries s = Falling(100000, 25);
    graph.SetSeries(s);
    EXPECT_TRUE(graph.Geometry(kWindow).extraLine.empty()); // shown, but there is none

    s.extra = {{0, 100000}, {1, 90000}, {2, 70000}, {3, 40000}, {3.5, 0}};
    s.extraNote = QStringLiteral("Paid off in 3 years and 6 months");
    graph.SetSeries(s);
    BalanceGraphGeometry g = graph.Geometry(kWindow);
    ASSERT_EQ(g.extraLine.size(), 5u);
    EXPECT_NEAR(g.extraLine.back().y(), g.balancePlot.bottom(), 1e-9);
    EXPECT_TRUE(g.legend.contains("With Additional Payment"));
    EXPECT_TRUE(g.balancePlot.contains(g.extraNote));
    EXPECT_GT(Count(Render(graph, kWindow.size().toSize()), g.balancePlot, Orange), 100);

    graph.SetExtraShown(false);
    g = graph.Geometry(kWindow);
    EXPECT_TRUE(g.extraLine.empty());
    EXPECT_TRUE(g.extraNote.isEmpty());
    EXPECT_FALSE(g.legend.contains("With Additional Payment"));
    EXPECT_EQ(Count(Render(graph, kWindow.size().toSize()), g.balancePlot, Orange), 0);
}

TEST(BalanceGraphExtremes, EmptyZeroAndBrokenFiguresDrawWithoutNonsense)
{
    BalanceGraph graph;
    BalanceGraphGeometry g = graph.Geometry(kWindow);
    EXPECT_FALSE(g.note.isEmpty()); // nothing to draw is said, not drawn
    EXPECT_TRUE(g.balanceLine.empty());
    Render(graph, kWindow.size().toSize());

    graph.SetSeries(Falling(0, 25)); // a zero balance curve
    g = graph.Geometry(kWindow);
    EXPECT_TRUE(g.note.contains("Nothing is owed"));
    EXPECT_EQ(g.balanceScale.top, 1);
    EXPECT_TRUE(AllFinite(g.balanceLine));

    BalanceGraphSeries broken = Falling(1000, 3);
    broken.points[1].balance = std::numeric_limits<double>::quiet_NaN();
    broken.points[2].accumulatedInterest = std::numeric_limits<double>::infinity();
    graph.SetSeries(broken);
    g = graph.Geometry(kWindow);
    EXPECT_TRUE(AllFinite(g.balanceLine));
    EXPECT_TRUE(std::isfinite(g.paidScale.top));

    // One payment of a loan that lasts a month, and areas too small to hold anything.
    BalanceGraphSeries once;
    once.amount = 500;
    once.points.push_back({1.0 / 12, 1, 0, 2.5, 500});
    graph.SetSeries(once);
    g = graph.Geometry(kWindow);
    EXPECT_EQ(g.yearLabels, QStringList({"0", "1"}));
    EXPECT_NEAR(g.balanceLine.back().x(), g.balancePlot.left() + g.balancePlot.width() / 12, 1e-9);
    for (const QSize size : {QSize(1, 1), QSize(40, 20), QSize(20, 400)}) {
        Render(graph, size);
        EXPECT_TRUE(AllFinite(graph.Geometry(QRectF(QPointF(), size)).balanceLine));
    }
}

TEST(BalanceGraphPainting, AreasAndLinesLandInTheirPanels)
{
    BalanceGraph graph;
    graph.SetSeries(Falling(100000, 25));
    const QImage image = Render(graph, kWindow.size().toSize());
    const BalanceGraphGeometry g = graph.Geometry(kWindow);
    EXPECT_GT(Count(image, g.paidPlot, Green), 1000);
    EXPECT_EQ(Count(image, g.balancePlot.adjusted(2, 2, -2, -2), Green), 0);
    // Every pixel of the area is painted: white, not the black it was filled with.
    EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255));
}

TEST(BalanceGraphMouse, TooltipNamesTheNearestYearAndItsFigures)
{
    BalanceGraph graph;
    graph.SetMoneyLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    BalanceGraphSeries s = Falling(100000, 25);
    s.points[3].accumulatedInterest = 23456.78;
    graph.SetSeries(s);
    const BalanceGraphGeometry g = graph.Geometry(kWindow);
    const QPointF year4 = g.balanceLine[4];
    EXPECT_EQ(graph.PointAt(year4 + QPointF(3, 0), kWindow), 3);
    EXPECT_EQ(graph.PointAt(QPointF(year4.x(), g.paidPlot.center().y()), kWindow), 3);
    EXPECT_EQ(graph.PointAt(QPointF(year4.x(), g.paidPlot.bottom() + 30), kWindow), -1);
    EXPECT_EQ(graph.PointAt(QPointF(1, year4.y()), kWindow), -1);
    EXPECT_EQ(graph.PointText(3), "Year 4\nOutstanding Balance: $84,000.00\nAccumulated Interest: $23,456.78\n"
                                  "Accumulated Capital: $16,000.00");
    EXPECT_TRUE(graph.PointText(25).isEmpty());
    EXPECT_TRUE(graph.PointText(-1).isEmpty());

    // The mouse over the widget marks the year it is nearest; leaving clears it.
    graph.resize(526, 380);
    QMouseEvent move(QEvent::MouseMove, year4, graph.mapToGlobal(year4), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&graph, &move);
    EXPECT_EQ(graph.HoveredPoint(), 3);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&graph, &leave);
    EXPECT_EQ(graph.HoveredPoint(), -1);

    s.extra = {{0, 100000}, {1, 90000}, {2, 70000}, {2.5, 0}};
    graph.SetSeries(s);
    EXPECT_TRUE(graph.PointText(1).endsWith("\nWith Additional Payment: $70,000.00"));
    EXPECT_FALSE(graph.PointText(3).contains("With")); // paid off by then
}
