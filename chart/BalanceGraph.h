// SPDX-License-Identifier: GPL-3.0-or-later
// The balance graph: the outstanding balance at the end of each year as a line over
// an area, and below it what has been paid so far, capital and interest stacked.
// A second, dashed balance line shows the loan with an additional payment, or
// with a payment plan, its events marked on it. The same
// Paint routine draws on screen, on a printer page and into an exported picture.
#pragma once

#include <QLocale>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QFontMetricsF;
class QPainter;

// The loan at the end of one year of payments.
struct BalanceGraphPoint {
    double year = 0;  // years from the start; the last point may end a part year
    int label = 0;    // the year number as the schedule shows it
    double balance = 0;
    double accumulatedInterest = 0;
    double accumulatedCapital = 0;
};

// A point of the dashed line where something changes, marked with a short text.
struct BalanceGraphMark {
    QPointF at;   // (years, balance)
    QString text; // "+100", "10,000", "7%"
};

struct BalanceGraphSeries {
    double amount = 0;                     // the balance at the start
    std::vector<BalanceGraphPoint> points; // one per year, in order
    std::vector<QPointF> extra;            // (years, balance) with the additional payment, from (0, amount)
    QString extraNote;                     // written where the dashed line reaches zero
    // What the dashed line is: the additional payment, or a payment plan.
    QString extraName = QStringLiteral("With Additional Payment");
    std::vector<BalanceGraphMark> marks;   // on the dashed line: a payment plan's events
};

// The graph's own words. English by default, as it prints and exports; the window
// gives the screen the user's language.
struct BalanceGraphWords {
    QString outstandingBalance = QStringLiteral("Outstanding Balance");
    QString accumulatedCapital = QStringLiteral("Accumulated Capital");
    QString accumulatedInterest = QStringLiteral("Accumulated Interest");
    QString years = QStringLiteral("Years");
    QString year = QStringLiteral("Year"); // before the year's number in the tooltip
    QString nothingOwed = QStringLiteral("Nothing is owed on this loan, so its balance stays at zero.");
    QString noSchedule = QStringLiteral("There is no schedule to draw for this loan.");
};

// An axis from 0 to `top` in round steps: 1, 2 or 5 times a power of ten.
struct AxisScale {
    double step = 1;
    double top = 1;
    std::vector<double> ticks; // 0, step, 2 step, ..., top
};

// The smallest round scale that reaches `maximum` in at most `mostSteps` steps
// (never finer than `finest`); a maximum that is not above 0 gets the scale of `finest`.
AxisScale RoundScale(double maximum, int mostSteps, double finest = 0.01);

// Where the parts of the graph land in a given area, for tests and for callers that
// place things around it.
struct BalanceGraphGeometry {
    QRectF title;
    QRectF balancePlot; // the upper panel: outstanding balance
    QRectF paidPlot;    // the lower panel: accumulated capital and interest
    AxisScale balanceScale, paidScale, yearScale;
    QStringList balanceLabels, paidLabels, yearLabels; // tick texts, in tick order
    QStringList legend;                // legend texts, upper panel first
    std::vector<QPointF> balanceLine;  // from the start, through every year's end
    std::vector<QPointF> extraLine;    // empty when hidden or absent
    std::vector<QPointF> marks;        // the marks on the dashed line, in the series' order
    QRectF extraNote;                  // the paid-off note; empty when not drawn
    QString note;                      // said instead of the figures; empty when they are drawn
};

class BalanceGraph : public QWidget {
    Q_OBJECT

public:
    explicit BalanceGraph(QWidget *parent = nullptr);

    void SetSeries(BalanceGraphSeries series);
    const BalanceGraphSeries &Series() const { return series_; }
    // Whether the additional payment's line is drawn (when there is one).
    void SetExtraShown(bool shown);
    bool ExtraShown() const { return extraShown_; }
    void SetWords(BalanceGraphWords words);
    const BalanceGraphWords &Words() const { return words_; }
    void SetTitle(const QString &title);
    QString Title() const { return title_; }
    // Money on the axes and in the tooltip is written in this locale's money text.
    void SetMoneyLocale(const QLocale &locale);

    // Draws the whole graph into `area`, every size scaled with it.
    void Paint(QPainter &painter, const QRectF &area) const;
    BalanceGraphGeometry Geometry(const QRectF &area) const;

    // The point whose year is nearest to `position` inside the panels; -1 outside.
    int PointAt(const QPointF &position, const QRectF &area) const;
    // The year and its figures, as the tooltip shows them; empty for no point.
    QString PointText(int index) const;
    int HoveredPoint() const { return hovered_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    struct Layout;
    Layout Arrange(const QRectF &area, const QPaintDevice *device) const;
    void ChooseScales(Layout &L) const;
    void PlaceColumns(Layout &L, const QFontMetricsF &text) const;
    void TraceLines(Layout &L) const;
    void PlaceNotes(Layout &L, const QFontMetricsF &text) const;
    void PaintPanels(QPainter &painter, const Layout &L) const;
    void PaintAxes(QPainter &painter, const Layout &L) const;
    void PaintLegend(QPainter &painter, const Layout &L) const;
    void PaintExtra(QPainter &painter, const Layout &L) const;
    void PaintMarks(QPainter &painter, const Layout &L) const;
    void PaintHover(QPainter &painter, const Layout &L) const;
    QString Money(double value, bool whole) const;
    bool ExtraDrawn() const;

    BalanceGraphSeries series_;
    QString title_;
    BalanceGraphWords words_;
    QLocale locale_;
    bool extraShown_ = true;
    int hovered_ = -1;
};
