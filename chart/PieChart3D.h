// SPDX-License-Identifier: GPL-3.0-or-later
// A three-dimensional pie chart drawn with QPainter: title, legend, a tilted solid
// disc with the largest slice pulled out, and a label box for each slice. The same
// Paint routine draws on screen and on a printer page of any size.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QWidget>

#include <vector>

class QFontMetricsF;
class QPainter;

// Where the parts of the chart land in a given area: the figures the painting itself
// uses, for callers that place things around the chart and for tests.
struct PieChartGeometry {
    struct Slice {
        bool drawn = false;  // false for a slice of 0 and when nothing can be drawn
        QPointF offset;      // how far the slice is pulled out of the pie; (0, 0) for the rest
        QPointF inside;      // a point on the slice's top face
        QRectF mark;         // its label box
        QString markText;    // "Principal 51.7%"
        QString valueText;   // the value as the legend shows it
    };

    QRectF title;
    QRectF legend;
    QRectF pie;      // the disc with its sides, or the empty outline
    QPointF centre;  // middle of the disc's top before any slice is pulled out
    QString note;  // shown instead of the slices; empty when they are drawn
    int pulledOut = -1;
    std::vector<Slice> slices;
};

class PieChart3D : public QWidget {
    Q_OBJECT

public:
    explicit PieChart3D(QWidget *parent = nullptr);

    // The pie series.
    void Clear();
    void AddSlice(double value, const QString &label, const QColor &color);
    int SliceCount() const;
    double SliceValue(int index) const;   // 0 for an index out of range
    QString SliceLabel(int index) const;  // empty for an index out of range
    QColor SliceColor(int index) const;   // invalid for an index out of range

    void SetTitle(const QString &title);
    QString Title() const;

    // Draws the whole chart into `area`, scaled to it: sizes follow the area, so a
    // printer page gets the same picture as the 526 x 380 window.
    void Paint(QPainter &painter, const QRectF &area) const;

    PieChartGeometry Geometry(const QRectF &area) const;
    QPointF SliceOffset(int index, const QRectF &area) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Where Paint puts each part in an area, in device pixels; made by Arrange.
    struct Layout;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct MarkSeed {
        int index;
        QPointF anchor, direction;
        QSizeF size;
        QString text;
    };
    Layout Arrange(const QRectF &area, const QPaintDevice *device) const;
    double ArrangeTitle(Layout &L, const QRectF &area, const QRectF &band, const QFontMetricsF &metrics) const;
    double ArrangeLegend(Layout &L, const QRectF &area, const QRectF &band, const QFontMetricsF &metrics,
                         double y) const;
    QString NothingToShowNote() const;
    void ArrangeSlices(Layout &L) const;
    void FitPie(Layout &L, const QRectF &plot, const QFontMetricsF &markMetrics) const;
    std::vector<MarkSeed> MarkSeeds(const Layout &L, const QFontMetricsF &markMetrics) const;

    struct Slice {
        double value = 0;
        QString label;
        QColor color;
    };

    std::vector<Slice> slices_;
    QString title_;
};
