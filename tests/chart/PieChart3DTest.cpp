// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/PieChart3D.h"
#include "tests/chart/ChartPixels.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <ostream>

namespace {

const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);
const QRectF kWindow(0, 0, 526, 380);

void Fill(PieChart3D &chart, double principal, double interest)
{
    chart.Clear();
    chart.AddSlice(principal, QStringLiteral("Principal"), kGreen);
    chart.AddSlice(interest, QStringLiteral("Interest"), kRed);
}

bool Greenish(QRgb p)
{
    return qGreen(p) > qRed(p) + 40 && qGreen(p) > qBlue(p) + 40;
}

bool Reddish(QRgb p)
{
    return qRed(p) > qGreen(p) + 80 && qRed(p) > qBlue(p) + 80;
}

bool White(QRgb p)
{
    return qRed(p) >= 245 && qGreen(p) >= 245 && qBlue(p) >= 245;
}

QRect Bounds(const QImage &image, const QRectF &where, const std::function<bool(QRgb)> &test)
{
    const QRect r = where.toAlignedRect().intersected(image.rect());
    QRect out;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (test(image.pixel(x, y)))
                out |= QRect(x, y, 1, 1);
    return out;
}

bool Inside(const QRectF &inner, const QRectF &outer)
{
    return outer.contains(inner.topLeft()) && outer.contains(inner.bottomRight());
}

} // namespace

TEST(PieChartSlices, ClearThenAddKeepsExactlyTheNewSlices)
{
    PieChart3D chart;
    chart.AddSlice(5, QStringLiteral("Old"), Qt::blue);
    for (int opening = 0; opening < 2; ++opening) {
        Fill(chart, 100000, 93287.0413);
        ASSERT_EQ(chart.SliceCount(), 2);
        EXPECT_EQ(chart.SliceValue(0), 100000.0);
        EXPECT_EQ(chart.SliceValue(1), 93287.0413);
        EXPECT_EQ(chart.SliceLabel(0), "Principal");
        EXPECT_EQ(chart.SliceLabel(1), "Interest");
        EXPECT_EQ(chart.SliceColor(0), kGreen);
        EXPECT_EQ(chart.SliceColor(1), kRed);
    }
    EXPECT_EQ(chart.SliceValue(2), 0.0);
    EXPECT_TRUE(chart.SliceLabel(-1).isEmpty());
    EXPECT_FALSE(chart.SliceColor(7).isValid());
    chart.Clear();
    EXPECT_EQ(chart.SliceCount(), 0);
}

TEST(PieChartSlices, ChangesRepaintTheWidget)
{
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter;
    PieChart3D chart;
    chart.resize(526, 380);
    chart.installEventFilter(&counter);
    chart.show();
    for (int i = 0; i < 50 && counter.paints == 0; ++i)
        QApplication::processEvents();
    ASSERT_GT(counter.paints, 0);
    QApplication::processEvents();

    const auto repaints = [&](const std::function<void()> &change) {
        const int before = counter.paints;
        change();
        QApplication::processEvents();
        return counter.paints > before;
    };
    EXPECT_TRUE(repaints([&] { chart.Clear(); }));
    EXPECT_TRUE(repaints([&] { chart.AddSlice(100000, QStringLiteral("Principal"), kGreen); }));
    EXPECT_TRUE(repaints([&] { chart.AddSlice(93287.0413, QStringLiteral("Interest"), kRed); }));
    EXPECT_TRUE(repaints([&] { chart.SetTitle(QStringLiteral("Cost Breakdown of Mortgage")); }));

    // What the window shows is what Paint draws.
    const QImage shown = chart.grab().toImage();
    const PieChartGeometry g = chart.Geometry(kWindow);
    EXPECT_TRUE(Greenish(shown.pixel(g.slices[0].inside.toPoint())));
    EXPECT_TRUE(Reddish(shown.pixel(g.slices[1].inside.toPoint())));
}

TEST(PieChartPaint, SampleLoanShowsTitleLegendSlicesAndMarks)
{
    PieChart3D chart;
    chart.SetTitle(QStringLiteral("Cost Breakdown of Mortgage"));
    Fill(chart, 100000, 93287.0413);
    const QImage image = Render(chart, kWindow.size().toSize());
    const PieChartGeometry g = chart.Geometry(kWindow);

    EXPECT_TRUE(g.note.isEmpty());
    ASSERT_EQ(g.slices.size(), 2u);
    EXPECT_EQ(g.slices[0].valueText, "100,000.00");
    EXPECT_EQ(g.slices[1].valueText, "93,287.04");
    EXPECT_EQ(g.slices[0].markText, "Principal 51.7%");
    EXPECT_EQ(g.slices[1].markText, "Interest 48.3%");

    // White title on the deep end of the background.
    EXPECT_GT(Count(image, g.title, White), 150);
    EXPECT_LT(g.title.bottom(), 40);

    // Each slice's top in its own colour, and plenty of both in the pie.
    EXPECT_TRUE(Greenish(image.pixel(g.slices[0].inside.toPoint())));
    EXPECT_TRUE(Reddish(image.pixel(g.slices[1].inside.toPoint())));
    EXPECT_GT(Count(image, g.pie, Greenish), 10000);
    EXPECT_GT(Count(image, g.pie, Reddish), 10000);

    // The far slice's cut faces, seen through the gap, stay behind the near top.
    const QPointF apex = g.centre + g.slices[0].offset;
    EXPECT_TRUE(Greenish(image.pixel((apex + 0.2 * (g.slices[0].inside - apex)).toPoint())));

    // Nearer sides cover farther ones: below its right corner the pulled-out slice's
    // own side runs down in front of the far slice's cut face.
    const QRect green = Bounds(image, g.pie, Greenish);
    int corner = -1;
    for (int y = green.top(); y <= green.bottom() && corner < 0; ++y)
        if (Greenish(image.pixel(green.right(), y)))
            corner = y;
    ASSERT_GE(corner, 0);
    for (int y = corner + 6; y < corner + 30; ++y) {
        int right = green.right();
        while (right > green.left() && !Greenish(image.pixel(right, y)))
            --right;
        EXPECT_GE(right, green.right() - 3) << "row " << y;
    }

    // Going down from the green top, the side below it is a darker green.
    const QPoint top = g.slices[0].inside.toPoint();
    int lastGreen = top.y();
    while (lastGreen + 1 < image.height() && Greenish(image.pixel(top.x(), lastGreen + 1)))
        ++lastGreen;
    EXPECT_GT(lastGreen - top.y(), 30);
    EXPECT_LT(qGreen(image.pixel(top.x(), lastGreen - 5)), 0.8 * qGreen(image.pixel(top)));

    // Nothing on top of anything else, nothing off the window, and the strip under
    // the OK and print buttons left free.
    EXPECT_LE(g.title.bottom(), g.legend.top());
    EXPECT_LE(g.legend.bottom(), g.pie.top());
    EXPECT_TRUE(Inside(g.pie, kWindow));
    EXPECT_LE(g.pie.right(), kWindow.width() - 70);
    for (const PieChartGeometry::Slice &s : g.slices) {
        EXPECT_TRUE(Inside(s.mark, kWindow));
        EXPECT_LE(s.mark.right(), kWindow.width() - 70);
        EXPECT_FALSE(s.mark.intersects(g.legend));
    }
    EXPECT_FALSE(g.slices[0].mark.intersects(g.slices[1].mark));
}

struct PullCase {
    double principal, interest;
    int pulled;
};

// Readable values in the test list instead of the struct's bytes.
void PrintTo(const PullCase &c, std::ostream *os)
{
    *os << c.principal << " and " << c.interest;
}

class PieChartPull : public ::testing::TestWithParam<PullCase> {};

TEST_P(PieChartPull, LargerSliceIsPulledOutAwayFromTheOther)
{
    PieChart3D chart;
    Fill(chart, GetParam().principal, GetParam().interest);
    const PieChartGeometry g = chart.Geometry(kWindow);
    const int pulled = GetParam().pulled, other = 1 - pulled;
    EXPECT_EQ(g.pulledOut, pulled);
    EXPECT_EQ(chart.SliceOffset(other, kWindow), QPointF(0, 0));
    const QPointF offset = chart.SliceOffset(pulled, kWindow);
    EXPECT_GT(std::hypot(offset.x(), offset.y()), 0.03 * g.pie.width());
    const QPointF apart = g.slices[size_t(pulled)].inside - g.slices[size_t(other)].inside;
    EXPECT_GT(QPointF::dotProduct(offset, apart), 0);
}

// Stable names, not the bytes of the parameters.
std::string PullCaseName(const ::testing::TestParamInfo<PullCase> &info)
{
    const char *names[] = {"PrincipalLarger", "InterestLarger", "EqualSlices"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(Loans, PieChartPull,
                         ::testing::Values(PullCase{100000, 93287.0413, 0}, PullCase{100000, 250000, 1},
                                           PullCase{50, 50, 0}),
                         PullCaseName);

TEST(PieChartPaint, OneNonZeroSliceIsAWholeDiscNotPulledOut)
{
    PieChart3D chart;
    Fill(chart, 100000, 0);
    const QImage image = Render(chart, kWindow.size().toSize());
    const PieChartGeometry g = chart.Geometry(kWindow);
    EXPECT_TRUE(g.note.isEmpty());
    EXPECT_EQ(g.pulledOut, -1);
    EXPECT_TRUE(g.slices[0].drawn);
    EXPECT_FALSE(g.slices[1].drawn);
    EXPECT_EQ(g.slices[0].offset, QPointF(0, 0));
    EXPECT_EQ(g.slices[0].markText, "Principal 100.0%");
    EXPECT_EQ(Count(image, g.pie, Reddish), 0);
}

struct EmptyCase {
    double principal, interest;
    const char *says;
};

void PrintTo(const EmptyCase &c, std::ostream *os)
{
    *os << c.principal << " and " << c.interest;
}

class PieChartNothingToShow : public ::testing::TestWithParam<EmptyCase> {};

TEST_P(PieChartNothingToShow, DrawsAnEmptyOutlineWithANote)
{
    PieChart3D chart;
    chart.SetTitle(QStringLiteral("Cost Breakdown of Mortgage"));
    Fill(chart, GetParam().principal, GetParam().interest);
    const QImage image = Render(chart, kWindow.size().toSize());
    const PieChartGeometry g = chart.Geometry(kWindow);

    EXPECT_TRUE(g.note.startsWith("Nothing to show")) << g.note.toStdString();
    EXPECT_TRUE(g.note.contains(QString::fromUtf8(GetParam().says))) << g.note.toStdString();
    EXPECT_EQ(g.pulledOut, -1);
    for (const PieChartGeometry::Slice &s : g.slices) {
        EXPECT_FALSE(s.drawn);
        EXPECT_TRUE(s.markText.isEmpty());
    }
    ASSERT_GT(g.pie.width(), 100);
    EXPECT_EQ(Count(image, g.pie, Greenish), 0);
    EXPECT_EQ(Count(image, g.pie, Reddish), 0);
    // The note is written across the middle of the outline.
    const QRectF middle(g.pie.left() + 0.2 * g.pie.width(), g.pie.top(), 0.6 * g.pie.width(), 0.5 * g.pie.height());
    const auto dark = [](QRgb p) { return qRed(p) < 80 && qGreen(p) < 80 && qBlue(p) < 130; };
    EXPECT_GT(Count(image, middle, dark), 100);
    EXPECT_GT(Count(image, g.title, White), 150);
}

std::string EmptyCaseName(const ::testing::TestParamInfo<EmptyCase> &info)
{
    const char *names[] = {"BothZero",           "PrincipalBelowZero", "InterestBelowZero",
                           "PrincipalNotANumber", "InterestInfinite",   "SumTooLarge"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(
    Values, PieChartNothingToShow,
    ::testing::Values(EmptyCase{0, 0, "Principal and Interest are both 0"},
                      EmptyCase{-100, -5, "Principal is below 0"},
                      EmptyCase{100, -5, "Interest is below 0"},
                      EmptyCase{std::numeric_limits<double>::quiet_NaN(), 5, "Principal is not a finite number"},
                      EmptyCase{100, std::numeric_limits<double>::infinity(), "Interest is not a finite number"},
                      EmptyCase{1e308, 1e308, "too large"}),
    EmptyCaseName);

TEST(PieChartPaint, EmptySeriesShowsOnlyTheNote)
{
    PieChart3D chart;
    const PieChartGeometry g = chart.Geometry(kWindow);
    EXPECT_EQ(g.note, "Nothing to show");
    EXPECT_TRUE(g.legend.isEmpty());
    EXPECT_TRUE(g.slices.empty());
}

TEST(PieChartScale, PrinterPageGetsTheSamePictureLarger)
{
    PieChart3D chart;
    chart.SetTitle(QStringLiteral("Cost Breakdown of Mortgage"));
    Fill(chart, 100000, 93287.0413);
    const QRectF page(0, 0, 3300, 2550);
    const double scale = std::min(page.width() / kWindow.width(), page.height() / kWindow.height());

    const QImage small = Render(chart, kWindow.size().toSize());
    const QImage large = Render(chart, page.size().toSize());
    const PieChartGeometry gs = chart.Geometry(kWindow);
    const PieChartGeometry gl = chart.Geometry(page);

    // The title is drawn whole: its white ink lies inside the page, clear of the edges,
    // and grows with the page.
    const QRect inkSmall = Bounds(small, gs.title, White);
    const QRect inkLarge = Bounds(large, gl.title.adjusted(0, -gl.title.top(), 0, 0), White);
    ASSERT_FALSE(inkSmall.isEmpty());
    ASSERT_FALSE(inkLarge.isEmpty());
    EXPECT_GT(inkLarge.top(), 0);
    EXPECT_GT(inkLarge.left(), 0);
    EXPECT_LT(inkLarge.right(), large.width() - 1);
    EXPECT_NEAR(double(inkLarge.width()) / inkSmall.width(), scale, 0.1 * scale);
    EXPECT_NEAR(double(inkLarge.height()) / inkSmall.height(), scale, 0.15 * scale);

    EXPECT_NEAR(gl.pie.width() / gs.pie.width(), scale, 0.1 * scale);
    EXPECT_TRUE(Inside(gl.pie, page));
    EXPECT_LE(gl.title.bottom(), gl.legend.top());
    EXPECT_LE(gl.legend.bottom(), gl.pie.top());
    for (const PieChartGeometry::Slice &s : gl.slices)
        EXPECT_TRUE(Inside(s.mark, page));
    EXPECT_TRUE(Greenish(large.pixel(gl.slices[0].inside.toPoint())));
    EXPECT_TRUE(Reddish(large.pixel(gl.slices[1].inside.toPoint())));
}

TEST(PieChartScale, TinyOrEmptyAreasAreHarmless)
{
    PieChart3D chart;
    chart.SetTitle(QStringLiteral("Cost Breakdown of Mortgage"));
    Fill(chart, 100000, 93287.0413);
    for (const QSize size : {QSize(40, 30), QSize(1, 1)}) {
        const QImage image = Render(chart, size);
        EXPECT_FALSE(image.isNull());
        const PieChartGeometry g = chart.Geometry(QRectF(QPointF(0, 0), size));
        EXPECT_TRUE(std::isfinite(g.pie.width()) && std::isfinite(g.pie.left()));
    }
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    chart.Paint(painter, QRectF());
    painter.end();
    EXPECT_EQ(image.pixel(5, 5), qRgb(0, 0, 0));
}
