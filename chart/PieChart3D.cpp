// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/PieChart3D.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QLocale>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

// Every size is given for the 526 x 380 window and scaled with the area.
constexpr double kReferenceWidth = 526.0;
constexpr double kReferenceHeight = 380.0;
constexpr double kTitlePixels = 19.0;
constexpr double kLegendPixels = 12.0;
constexpr double kMarkPixels = 12.0;
constexpr double kSideMargin = 0.06;
// The window's OK and print buttons lie over the right edge; the pie keeps clear of
// them, and stays centred under the title by keeping the same strip free on the left.
constexpr double kButtonStrip = 70.0 / kReferenceWidth;
constexpr double kMarkLine = 4.0;
constexpr double kPi = std::numbers::pi;
constexpr double kPullOut = 0.15;
constexpr double kPullAim = 240.0 * kPi / 180.0;

// The disc has radius 1 and lies on the floor; the viewer looks down on it from
// kElevation and from close enough that the near edge looks a little larger.
constexpr double kElevation = 35.0 * kPi / 180.0;
constexpr double kThickness = 0.36;
constexpr double kCameraDistance = 7.0;
constexpr double kArcStep = kPi / 180.0;

const double kSinE = std::sin(kElevation);
const double kCosE = std::cos(kElevation);

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

// Looking along +y (away from the viewer), z up; screen y grows downwards.
QPointF UnitProjection(const Vec3 &p)
{
    const double z = p.z - kThickness / 2;
    const double up = p.y * kSinE + z * kCosE;
    const double towards = -p.y * kCosE + z * kSinE;
    const double s = kCameraDistance / (kCameraDistance - towards);
    return {p.x * s, -up * s};
}

// How near the viewer a point is; the painter's algorithm draws the far faces first.
double Nearness(const Vec3 &p)
{
    return -p.y * kCosE + (p.z - kThickness / 2) * kSinE;
}

Vec3 Rim(const Vec3 &offset, double angle, double z, double radius = 1.0)
{
    return {offset.x + radius * std::cos(angle), offset.y + radius * std::sin(angle), z};
}

QColor Scaled(const QColor &c, double factor)
{
    return QColor::fromRgbF(std::clamp(float(c.redF() * factor), 0.f, 1.f),
                            std::clamp(float(c.greenF() * factor), 0.f, 1.f),
                            std::clamp(float(c.blueF() * factor), 0.f, 1.f), c.alphaF());
}

QColor Lighter(const QColor &c, double towardsWhite)
{
    const auto mix = [towardsWhite](float v) { return float(v + (1.0 - v) * towardsWhite); };
    return QColor::fromRgbF(mix(c.redF()), mix(c.greenF()), mix(c.blueF()), c.alphaF());
}

// Light from the front left, above; a side facing it is lit more, but never as much
// as the top.
double SideShade(double nx, double ny)
{
    constexpr double lx = -0.45, ly = -0.75;
    const double facing = std::max(0.0, (nx * lx + ny * ly) / std::hypot(lx, ly, 0.5));
    return 0.48 + 0.32 * facing;
}

struct Interval {
    double from, to;
};

// The part of a slice's outer side that faces the viewer. A wall point at angle t
// faces the camera when -ox cos t - (D cos e + oy) sin t > 1; at most two pieces.
std::vector<Interval> VisibleSide(const Vec3 &offset, double start, double sweep)
{
    const double a = -offset.x;
    const double b = -(kCameraDistance * kCosE + offset.y);
    const double reach = std::hypot(a, b);
    std::vector<Interval> out;
    if (reach <= 1.0)
        return out;
    const double centre = std::atan2(b, a);
    const double half = std::acos(1.0 / reach);
    for (int turn = -2; turn <= 2; ++turn) {
        const double lo = std::max(start, centre - half + 2 * kPi * turn);
        const double hi = std::min(start + sweep, centre + half + 2 * kPi * turn);
        if (hi > lo)
            out.push_back({lo, hi});
    }
    return out;
}

int ArcSteps(double sweep)
{
    return std::max(1, int(std::ceil(std::abs(sweep) / kArcStep)));
}

QString ValueText(double value)
{
    return std::isfinite(value) ? QLocale().toString(value, 'f', 2) : QStringLiteral("n/a");
}

QFont ArialPixels(double pixels, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, int(std::lround(pixels))));
    font.setBold(bold);
    return font;
}

// The rectangle of `size` beside `tip`, on the side `direction` points to and
// touching it. A box above or below the pie sits on the line's end rather than centred
// over it, so that it leans away from the rim instead of over it.
QRectF BoxBeyond(const QPointF &tip, const QPointF &direction, const QSizeF &size)
{
    const double sx = std::clamp(direction.x() * 2.5, -1.0, 1.0);
    const double sy = std::clamp(direction.y() * 2.5, -1.0, 1.0);
    const QPointF centre = tip + QPointF(sx * size.width() / 2, sy * size.height() / 2);
    return {centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(),
            size.height()};
}

} // namespace

struct PieChart3D::Layout {
    struct Shape {
        int index = -1;  // -1 for the empty outline
        double start = 0, sweep = 0;
        Vec3 offset;
        QColor color;
    };
    struct Mark {
        int index = -1;
        QPointF from, to;
        QRectF box;
        QString text;
    };
    struct LegendRow {
        QColor color;
        QString label, value;
    };

    double scale = 1;  // device pixels per reference pixel
    QFont titleFont, legendFont, markFont;

    QString titleText;
    QRectF title;

    std::vector<LegendRow> legendRows;
    QRectF legend;
    double legendPad = 0, legendRow = 0, legendBox = 0, legendText = 0;

    QString note;
    std::vector<Shape> shapes;
    std::vector<Mark> marks;
    std::vector<double> percent;
    int pulledOut = -1;

    QPointF origin;    // screen point of the disc's middle
    double radius = 0; // screen pixels per model unit
    QRectF pie;

    QPointF Project(const Vec3 &p) const { return origin + radius * UnitProjection(p); }
};

PieChart3D::PieChart3D(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PieChart3D::Clear()
{
    slices_.clear();
    update();
}

void PieChart3D::AddSlice(double value, const QString &label, const QColor &color)
{
    slices_.push_back({value, label, color});
    update();
}

int PieChart3D::SliceCount() const
{
    return int(slices_.size());
}

double PieChart3D::SliceValue(int index) const
{
    return index >= 0 && index < SliceCount() ? slices_[size_t(index)].value : 0.0;
}

QString PieChart3D::SliceLabel(int index) const
{
    return index >= 0 && index < SliceCount() ? slices_[size_t(index)].label : QString();
}

QColor PieChart3D::SliceColor(int index) const
{
    return index >= 0 && index < SliceCount() ? slices_[size_t(index)].color : QColor();
}

void PieChart3D::SetTitle(const QString &title)
{
    title_ = title;
    update();
}

QString PieChart3D::Title() const
{
    return title_;
}

QSize PieChart3D::sizeHint() const
{
    return {int(kReferenceWidth), int(kReferenceHeight)};
}

QSize PieChart3D::minimumSizeHint() const
{
    return {int(kReferenceWidth) / 2, int(kReferenceHeight) / 2};
}

void PieChart3D::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Paint(painter, rect());
}

namespace {

QFontMetricsF MetricsOn(const QFont &font, const QPaintDevice *device)
{
    return device ? QFontMetricsF(font, device) : QFontMetricsF(font);
}

// The bounds of the disc and its sides for a radius of 1 around the origin.
QRectF UnitPieBounds(const std::vector<PieChart3D::Layout::Shape> &shapes)
{
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool first = true;
    const auto take = [&](const QPointF &p) {
        minX = first ? p.x() : std::min(minX, p.x());
        maxX = first ? p.x() : std::max(maxX, p.x());
        minY = first ? p.y() : std::min(minY, p.y());
        maxY = first ? p.y() : std::max(maxY, p.y());
        first = false;
    };
    for (const PieChart3D::Layout::Shape &s : shapes) {
        const int steps = ArcSteps(s.sweep);
        for (double z : {0.0, kThickness}) {
            take(UnitProjection({s.offset.x, s.offset.y, z}));
            for (int i = 0; i <= steps; ++i)
                take(UnitProjection(Rim(s.offset, s.start + s.sweep * i / steps, z)));
        }
    }
    return QRectF(QPointF(minX, minY), QPointF(maxX, maxY));
}

} // namespace

PieChart3D::Layout PieChart3D::Arrange(const QRectF &area, const QPaintDevice *device) const
{
    Layout L;
    L.scale = std::max(0.0, std::min(area.width() / kReferenceWidth, area.height() / kReferenceHeight));
    const double f = L.scale;
    L.titleFont = ArialPixels(kTitlePixels * f, true);
    L.legendFont = ArialPixels(kLegendPixels * f, false);
    L.markFont = ArialPixels(kMarkPixels * f, false);
    const QFontMetricsF markMetrics = MetricsOn(L.markFont, device);

    const double margin = kSideMargin * area.width();
    const QRectF band = area.adjusted(margin, 0, -margin, 0);
    double y = ArrangeTitle(L, area, band, MetricsOn(L.titleFont, device));
    y = ArrangeLegend(L, area, band, MetricsOn(L.legendFont, device), y);
    L.note = NothingToShowNote();

    const double inset = std::max(kSideMargin, kButtonStrip) * area.width();
    QRectF plot(area.left() + inset, y, area.width() - 2 * inset, area.bottom() - 8 * f - y);
    const double markHeight = markMetrics.height() + 4 * f;
    const double lineLength = kMarkLine * f;
    if (L.note.isEmpty()) {
        ArrangeSlices(L);
    } else {
        L.shapes.push_back({-1, 0, 2 * kPi, {}, QColor()});
        plot.adjust(0, markHeight + lineLength, 0, -(markHeight + lineLength));
    }
    FitPie(L, plot, markMetrics);
    return L;
}

double PieChart3D::ArrangeTitle(Layout &L, const QRectF &area, const QRectF &band,
                                const QFontMetricsF &metrics) const
{
    double y = area.top() + 6 * L.scale;
    if (!title_.isEmpty()) {
        L.titleText = metrics.elidedText(title_, Qt::ElideRight, band.width());
        L.title = QRectF(area.left(), y, area.width(), metrics.height());
        y = L.title.bottom() + 4 * L.scale;
    }
    return y;
}

// A colour box 15 % as wide as the widest text, the label, and the value flush right.
double PieChart3D::ArrangeLegend(Layout &L, const QRectF &area, const QRectF &band,
                                 const QFontMetricsF &metrics, double y) const
{
    if (slices_.empty())
        return y;
    const double f = L.scale;
    double labelWidth = 0, valueWidth = 0;
    for (const Slice &s : slices_) {
        L.legendRows.push_back({s.color, s.label, ValueText(s.value)});
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(s.label));
        valueWidth = std::max(valueWidth, metrics.horizontalAdvance(L.legendRows.back().value));
    }
    L.legendPad = 5 * f;
    L.legendText = labelWidth + 16 * f + valueWidth;
    L.legendBox = 0.15 * L.legendText;
    L.legendRow = metrics.height() + 4 * f;
    const double width = std::min(band.width(), 3 * L.legendPad + L.legendBox + L.legendText);
    L.legendText = std::max(0.0, width - 3 * L.legendPad - L.legendBox);
    const double height = L.legendPad + L.legendRow * double(slices_.size());
    L.legend = QRectF(area.center().x() - width / 2, y, width, height);
    return L.legend.bottom() + 6 * f;
}

// A pie shows shares of a positive, finite whole; anything else gets a note instead.
QString PieChart3D::NothingToShowNote() const
{
    const auto name = [](const Slice &s) { return s.label.isEmpty() ? QStringLiteral("a slice") : s.label; };
    double total = 0;
    for (const Slice &s : slices_) {
        if (!std::isfinite(s.value))
            return QStringLiteral("Nothing to show: %1 is not a finite number").arg(name(s));
        if (s.value < 0)
            return QStringLiteral("Nothing to show: %1 is below 0").arg(name(s));
        total += s.value;
    }
    if (slices_.empty())
        return QStringLiteral("Nothing to show");
    if (!std::isfinite(total))
        return QStringLiteral("Nothing to show: the total is too large");
    if (total <= 0 && slices_.size() == 2)
        return QStringLiteral("Nothing to show: %1 and %2 are both 0").arg(name(slices_[0]), name(slices_[1]));
    if (total <= 0)
        return QStringLiteral("Nothing to show: every slice is 0");
    return QString();
}

void PieChart3D::ArrangeSlices(Layout &L) const
{
    double total = 0;
    for (const Slice &s : slices_)
        total += s.value;
    L.percent.assign(slices_.size(), 0.0);
    int shown = 0;
    for (size_t i = 0; i < slices_.size(); ++i) {
        L.percent[i] = slices_[i].value / total * 100.0;
        if (slices_[i].value > 0)
            ++shown;
        if (L.pulledOut < 0 || slices_[i].value > slices_[size_t(L.pulledOut)].value)
            L.pulledOut = int(i);
    }
    if (shown < 2)
        L.pulledOut = -1;
    // Turn the pie so that the pulled-out slice comes towards the viewer, a little
    // to the left, where the gap it leaves is seen best.
    double turn = 0, at = 0;
    for (size_t i = 0; i < slices_.size(); ++i) {
        const double sweep = 2 * kPi * slices_[i].value / total;
        if (int(i) == L.pulledOut)
            turn = kPullAim - (at + sweep / 2);
        at += sweep;
    }
    at = turn;
    for (size_t i = 0; i < slices_.size(); ++i) {
        const double sweep = 2 * kPi * slices_[i].value / total;
        if (sweep > 0) {
            Layout::Shape shape{int(i), at, sweep, {}, slices_[i].color};
            if (int(i) == L.pulledOut) {
                const double middle = at + sweep / 2;
                shape.offset = {kPullOut * std::cos(middle), kPullOut * std::sin(middle), 0};
            }
            L.shapes.push_back(shape);
        }
        at += sweep;
    }
}

// The disc grows with the radius, the marks keep their size and hang at fixed
// distances from its edge: the largest radius at which both fit the plot.
void PieChart3D::FitPie(Layout &L, const QRectF &plot, const QFontMetricsF &markMetrics) const
{
    const double lineLength = kMarkLine * L.scale;
    const QRectF unitPie = UnitPieBounds(L.shapes);
    const std::vector<MarkSeed> seeds = MarkSeeds(L, markMetrics);
    const auto extent = [&](double radius) {
        QRectF r(unitPie.topLeft() * radius, unitPie.size() * radius);
        for (const MarkSeed &m : seeds) {
            const QPointF tip = m.anchor * radius + m.direction * lineLength;
            r |= BoxBeyond(tip, m.direction, m.size);
        }
        return r;
    };
    double lo = 0, hi = std::max(0.0, std::max(plot.width(), plot.height()));
    for (int i = 0; i < 40; ++i) {
        const double mid = (lo + hi) / 2;
        const QRectF r = extent(mid);
        (r.width() <= plot.width() && r.height() <= plot.height() ? lo : hi) = mid;
    }
    L.radius = lo;
    L.origin = plot.center() - extent(L.radius).center();
    L.pie = QRectF(L.origin + unitPie.topLeft() * L.radius, unitPie.size() * L.radius);
    for (const MarkSeed &m : seeds) {
        const QPointF from = L.origin + m.anchor * L.radius;
        const QPointF to = from + m.direction * lineLength;
        L.marks.push_back({m.index, from, to, BoxBeyond(to, m.direction, m.size), m.text});
    }
}

// Where each slice's label box hangs, for a radius of 1.
std::vector<PieChart3D::MarkSeed> PieChart3D::MarkSeeds(const Layout &L, const QFontMetricsF &markMetrics) const
{
    const double f = L.scale;
    const double markHeight = markMetrics.height() + 4 * f;
    std::vector<MarkSeed> seeds;
    for (const Layout::Shape &s : L.shapes) {
        if (s.index < 0)
            continue;
        const double middle = s.start + s.sweep / 2;
        // Near side: from the bottom edge; far side: from the top rim.
        const double z = kThickness * (1 + std::sin(middle)) / 2;
        const QPointF anchor = UnitProjection(Rim(s.offset, middle, z));
        QPointF direction = anchor - UnitProjection({s.offset.x, s.offset.y, z});
        const double length = std::hypot(direction.x(), direction.y());
        direction = length > 0 ? direction / length : QPointF(0, -1);
        const QString text = QStringLiteral("%1 %2%")
                                 .arg(slices_[size_t(s.index)].label,
                                      QLocale().toString(L.percent[size_t(s.index)], 'f', 1));
        const QSizeF size(markMetrics.horizontalAdvance(text) + 8 * f, markHeight);
        seeds.push_back({s.index, anchor, direction, size, text});
    }
    return seeds;
}

PieChartGeometry PieChart3D::Geometry(const QRectF &area) const
{
    const Layout L = Arrange(area, nullptr);
    PieChartGeometry g;
    g.title = L.title;
    g.legend = L.legend;
    g.pie = L.pie;
    g.centre = L.Project({0, 0, kThickness});
    g.note = L.note;
    g.pulledOut = L.pulledOut;
    g.slices.resize(slices_.size());
    for (size_t i = 0; i < slices_.size(); ++i)
        g.slices[i].valueText = ValueText(slices_[i].value);
    for (const Layout::Shape &s : L.shapes) {
        if (s.index < 0)
            continue;
        PieChartGeometry::Slice &out = g.slices[size_t(s.index)];
        out.drawn = true;
        out.offset = L.Project({s.offset.x, s.offset.y, kThickness}) - L.Project({0, 0, kThickness});
        out.inside = L.Project(Rim(s.offset, s.start + s.sweep / 2, kThickness, 0.6));
    }
    for (const Layout::Mark &m : L.marks) {
        g.slices[size_t(m.index)].mark = m.box;
        g.slices[size_t(m.index)].markText = m.text;
    }
    return g;
}

QPointF PieChart3D::SliceOffset(int index, const QRectF &area) const
{
    const PieChartGeometry g = Geometry(area);
    return index >= 0 && index < int(g.slices.size()) ? g.slices[size_t(index)].offset : QPointF();
}

namespace {

// The deep colour at the top, where the white title sits on it.
void PaintBackground(QPainter &painter, const QRectF &area)
{
    QLinearGradient background(area.topLeft(), area.bottomLeft());
    background.setColorAt(0.0, QColor(128, 128, 255));
    background.setColorAt(1.0, QColor(240, 240, 255));
    painter.fillRect(area, background);
}

void PaintTitle(QPainter &painter, const PieChart3D::Layout &L)
{
    if (L.titleText.isEmpty())
        return;
    const double f = L.scale;
    painter.setFont(L.titleFont);
    painter.setPen(QColor(20, 20, 90, 110));
    painter.drawText(L.title.translated(1.2 * f, 1.2 * f), Qt::AlignHCenter | Qt::AlignTop, L.titleText);
    painter.setPen(Qt::white);
    painter.drawText(L.title, Qt::AlignHCenter | Qt::AlignTop, L.titleText);
}

void PaintLegend(QPainter &painter, const PieChart3D::Layout &L)
{
    if (L.legend.isEmpty())
        return;
    const double f = L.scale;
    const double pad = L.legendPad;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 40, 50));
    painter.drawRect(L.legend.translated(2.5 * f, 2.5 * f));
    painter.setBrush(QColor(255, 255, 255, 225));
    painter.setPen(QPen(QColor(60, 60, 90), std::max(1.0, f)));
    painter.drawRect(L.legend);
    painter.setFont(L.legendFont);
    const QFontMetricsF metrics(L.legendFont, painter.device());
    const double boxHeight = std::min(L.legendRow * 0.62, metrics.ascent());
    for (size_t i = 0; i < L.legendRows.size(); ++i) {
        const PieChart3D::Layout::LegendRow &row = L.legendRows[i];
        const double top = L.legend.top() + pad / 2 + L.legendRow * double(i);
        if (i > 0) {
            painter.setPen(QPen(QColor(150, 150, 175), 0.6 * f));
            painter.drawLine(QPointF(L.legend.left() + pad, top), QPointF(L.legend.right() - pad, top));
        }
        const QRectF box(L.legend.left() + pad, top + (L.legendRow - boxHeight) / 2, L.legendBox, boxHeight);
        painter.setPen(QPen(QColor(30, 30, 30), 0.6 * f));
        painter.setBrush(row.color);
        painter.drawRect(box);
        const QRectF text(box.right() + pad, top, L.legendText, L.legendRow);
        painter.setPen(QColor(10, 10, 30));
        const double valueWidth = metrics.horizontalAdvance(row.value);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(row.label, Qt::ElideRight, std::max(0.0, text.width() - valueWidth - 6 * f)));
        painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, row.value);
    }
}

// A soft shadow on the floor; printers and PDF files lose the gradient's
// transparency and would show a dark blot, so paper gets none.
void PaintFloorShadow(QPainter &painter, const PieChart3D::Layout &L)
{
    const bool screen = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
    if (!(L.radius > 0 && L.note.isEmpty() && screen))
        return;
    const QPointF floor = L.Project({0, 0, 0});
    const double shadowX = L.pie.width() * 0.55, shadowY = L.pie.height() * 0.36;
    QRadialGradient shade(QPointF(0, 0), 1.0);
    shade.setColorAt(0.0, QColor(20, 20, 70, 90));
    shade.setColorAt(0.75, QColor(20, 20, 70, 40));
    shade.setColorAt(1.0, QColor(20, 20, 70, 0));
    painter.save();
    painter.translate(floor + QPointF(0, L.radius * 0.12));
    painter.scale(shadowX, shadowY);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    painter.restore();
}

struct Face {
    double nearness;
    QPolygonF polygon;
    QBrush brush;
    QColor edge;
};

// The parts of a slice's rounded side that face the viewer.
void AddOuterSides(const PieChart3D::Layout &L, const PieChart3D::Layout::Shape &s, const QColor &base,
                   const QColor &edge, std::vector<Face> &sides)
{
    const bool ghost = s.index < 0;
    const Vec3 &o = s.offset;
    for (const Interval &run : VisibleSide(o, s.start, s.sweep)) {
        QPolygonF poly;
        const int steps = ArcSteps(run.to - run.from);
        for (int i = 0; i <= steps; ++i)
            poly << L.Project(Rim(o, run.from + (run.to - run.from) * i / steps, kThickness));
        for (int i = steps; i >= 0; --i)
            poly << L.Project(Rim(o, run.from + (run.to - run.from) * i / steps, 0));
        // Shade across the disc as a lit cylinder would be.
        const double left = L.Project(Rim(o, kPi, kThickness / 2)).x();
        const double right = L.Project(Rim(o, 0, kThickness / 2)).x();
        QLinearGradient gradient(left, 0, right, 0);
        for (int i = 0; i <= 8; ++i) {
            const double t = i / 8.0, nx = 2 * t - 1;
            const double ny = -std::sqrt(std::max(0.0, 1 - nx * nx));
            gradient.setColorAt(t, ghost ? QColor(255, 255, 255, 40) : Scaled(base, SideShade(nx, ny)));
        }
        const double middle = (run.from + run.to) / 2;
        sides.push_back({Nearness(Rim(o, middle, kThickness / 2)), poly, gradient, edge});
    }
}

// The cut faces, seen through the gap around the pulled-out slice.
void AddCutSides(const PieChart3D::Layout &L, const PieChart3D::Layout::Shape &s, const QColor &base,
                 const QColor &edge, std::vector<Face> &sides)
{
    if (s.sweep >= 2 * kPi - 1e-9)
        return;
    const Vec3 &o = s.offset;
    const double cameraY = kCameraDistance * kCosE + o.y;
    const double a = s.start, b = s.start + s.sweep;
    if (-o.x * std::sin(a) + std::cos(a) * cameraY > 0) {
        const QPolygonF poly{L.Project({o.x, o.y, 0}), L.Project(Rim(o, a, 0)),
                             L.Project(Rim(o, a, kThickness)), L.Project({o.x, o.y, kThickness})};
        sides.push_back({Nearness(Rim(o, a, kThickness / 2, 0.5)), poly,
                         Scaled(base, SideShade(std::sin(a), -std::cos(a)) * 0.9), edge});
    }
    if (o.x * std::sin(b) - std::cos(b) * cameraY > 0) {
        const QPolygonF poly{L.Project({o.x, o.y, 0}), L.Project(Rim(o, b, 0)),
                             L.Project(Rim(o, b, kThickness)), L.Project({o.x, o.y, kThickness})};
        sides.push_back({Nearness(Rim(o, b, kThickness / 2, 0.5)), poly,
                         Scaled(base, SideShade(-std::sin(b), std::cos(b)) * 0.9), edge});
    }
}

Face TopFace(const PieChart3D::Layout &L, const PieChart3D::Layout::Shape &s, const QColor &base,
             const QColor &edge)
{
    const bool ghost = s.index < 0;
    const Vec3 &o = s.offset;
    QPolygonF top;
    if (s.sweep < 2 * kPi - 1e-9)
        top << L.Project({o.x, o.y, kThickness});
    const int steps = ArcSteps(s.sweep);
    for (int i = 0; i <= steps; ++i)
        top << L.Project(Rim(o, s.start + s.sweep * i / steps, kThickness));
    const QRectF bounds = top.boundingRect();
    QLinearGradient gloss(bounds.topLeft(), bounds.bottomRight());
    gloss.setColorAt(0.0, ghost ? base : Lighter(base, 0.22));
    gloss.setColorAt(1.0, ghost ? base : Scaled(base, 0.94));
    return {0, top, gloss, edge};
}

// The disc's faces, far ones first; the empty outline is a pale ghost of the disc.
void PaintSolid(QPainter &painter, const PieChart3D::Layout &L)
{
    std::vector<Face> sides;
    std::vector<Face> tops;
    for (const PieChart3D::Layout::Shape &s : L.shapes) {
        const bool ghost = s.index < 0;
        const QColor base = ghost ? QColor(255, 255, 255, 70) : s.color;
        const QColor edge = ghost ? QColor(50, 50, 110) : Scaled(base, 0.45);
        AddOuterSides(L, s, base, edge, sides);
        AddCutSides(L, s, base, edge, sides);
        tops.push_back(TopFace(L, s, base, edge));
    }
    // Everything on the top lies above every side, so the tops go last.
    std::sort(sides.begin(), sides.end(), [](const Face &a, const Face &b) { return a.nearness < b.nearness; });
    const double edgeWidth = 0.8 * L.scale;
    for (const std::vector<Face> *faces : {&sides, &tops}) {
        for (const Face &face : *faces) {
            QPen pen(face.edge, edgeWidth);
            pen.setJoinStyle(Qt::RoundJoin);
            painter.setPen(pen);
            painter.setBrush(face.brush);
            painter.drawPolygon(face.polygon);
        }
    }
}

void PaintMarks(QPainter &painter, const PieChart3D::Layout &L)
{
    const double f = L.scale;
    painter.setFont(L.markFont);
    for (const PieChart3D::Layout::Mark &m : L.marks) {
        painter.setPen(QPen(QColor(30, 30, 50), std::max(1.0, f)));
        painter.drawLine(m.from, m.to);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 40, 45));
        painter.drawRect(m.box.translated(2 * f, 2 * f));
        painter.setPen(QPen(QColor(60, 60, 90), std::max(1.0, 0.8 * f)));
        painter.setBrush(QColor(255, 255, 238));
        painter.drawRect(m.box);
        painter.setPen(QColor(10, 10, 30));
        painter.drawText(m.box, Qt::AlignCenter, m.text);
    }
}

void PaintNote(QPainter &painter, const PieChart3D::Layout &L)
{
    if (L.note.isEmpty())
        return;
    const QPointF centre = L.Project({0, 0, kThickness});
    const double width = L.pie.width() * 0.8;
    const QRectF box(centre.x() - width / 2, centre.y() - L.pie.height() / 2, width, L.pie.height());
    painter.setPen(QColor(20, 20, 70));
    painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, L.note);
}

} // namespace

void PieChart3D::Paint(QPainter &painter, const QRectF &area) const
{
    if (!area.isValid())
        return;
    const Layout L = Arrange(area, painter.device());
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    PaintBackground(painter, area);
    PaintTitle(painter, L);
    PaintLegend(painter, L);
    PaintFloorShadow(painter, L);
    if (L.radius > 0) {
        PaintSolid(painter, L);
        PaintMarks(painter, L);
        PaintNote(painter, L);
    }
    painter.restore();
}
