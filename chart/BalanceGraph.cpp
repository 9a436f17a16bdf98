// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/BalanceGraph.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

// Every size is given for a 526 x 380 area and scaled with the area.
constexpr double kReferenceWidth = 526.0;
constexpr double kReferenceHeight = 380.0;
constexpr double kTitlePixels = 15.0;
constexpr double kTextPixels = 11.0;
constexpr double kBalanceShare = 0.55; // of the height both panels share

// Colours that stay apart when printed in grey: a light balance area under a dark
// line, light capital under dark interest, and a dashed line for the extra payment.
const QColor kBalanceLine(20, 40, 110);
const QColor kBalanceArea(200, 212, 236);
const QColor kCapitalArea(126, 190, 126);
const QColor kInterestArea(180, 45, 40);
const QColor kExtraLine(205, 95, 0);
const QColor kGrid(225, 225, 225);
const QColor kAxis(90, 90, 90);
const QColor kText(30, 30, 30);

QFont ArialPixels(double pixels, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, int(std::lround(pixels))));
    font.setBold(bold);
    return font;
}

double Finite(double value)
{
    return std::isfinite(value) ? value : 0.0;
}

double LastYear(const BalanceGraphSeries &s, bool withExtra)
{
    double last = s.points.empty() ? 0.0 : s.points.back().year;
    if (withExtra && !s.extra.empty())
        last = std::max(last, s.extra.back().x());
    return last;
}

} // namespace

AxisScale RoundScale(double maximum, int mostSteps, double finest)
{
    AxisScale scale;
    finest = finest > 0 && std::isfinite(finest) ? finest : 1.0;
    mostSteps = std::max(1, mostSteps);
    if (!(maximum > 0) || !std::isfinite(maximum))
        maximum = std::max(finest, 1.0);
    const double raw = std::max(maximum / mostSteps, finest);
    const double unit = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * unit;
    for (const int m : {1, 2, 5}) {
        if (m * unit >= raw * (1 - 1e-12)) {
            step = m * unit;
            break;
        }
    }
    scale.step = std::max(step, finest);
    const int count = std::max(1, int(std::ceil(maximum / scale.step * (1 - 1e-12))));
    for (int k = 0; k <= count; ++k)
        scale.ticks.push_back(k * scale.step);
    scale.top = scale.ticks.back();
    return scale;
}

struct BalanceGraph::Layout {
    double f = 1;
    QRectF area;
    QFont titleFont, textFont;
    double textHeight = 0;
    QRectF title, balanceLegend, paidLegend, balancePlot, paidPlot;
    QString titleText, note;
    AxisScale balanceScale, paidScale, yearScale;
    double yearEnd = 1;
    QStringList balanceLabels, paidLabels, yearLabels, legend;
    // What each legend text stands for, so its colour never depends on its words.
    enum class Key { Balance, Extra, Capital, Interest };
    std::vector<Key> legendKeys;
    std::vector<QPointF> balanceLine, capitalTop, paidTop, extraLine, marks;
    QRectF extraNote;
    QString extraNoteText;

    double X(double year) const
    {
        return balancePlot.left() + balancePlot.width() * year / yearEnd;
    }
    static double Y(const QRectF &plot, const AxisScale &s, double value)
    {
        return plot.bottom() - plot.height() * std::clamp(value / s.top, 0.0, 1.0);
    }
};

BalanceGraph::BalanceGraph(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BalanceGraph::SetSeries(BalanceGraphSeries series)
{
    series.amount = Finite(series.amount);
    for (BalanceGraphPoint &p : series.points) {
        p.year = Finite(p.year);
        p.balance = Finite(p.balance);
        p.accumulatedInterest = Finite(p.accumulatedInterest);
        p.accumulatedCapital = Finite(p.accumulatedCapital);
    }
    for (QPointF &p : series.extra)
        p = QPointF(Finite(p.x()), Finite(p.y()));
    for (BalanceGraphMark &m : series.marks)
        m.at = QPointF(Finite(m.at.x()), Finite(m.at.y()));
    series_ = std::move(series);
    hovered_ = -1;
    update();
}

void BalanceGraph::SetExtraShown(bool shown)
{
    extraShown_ = shown;
    update();
}

void BalanceGraph::SetWords(BalanceGraphWords words)
{
    words_ = std::move(words);
    update();
}

void BalanceGraph::SetTitle(const QString &title)
{
    title_ = title;
    update();
}

void BalanceGraph::SetMoneyLocale(const QLocale &locale)
{
    locale_ = locale;
    update();
}

bool BalanceGraph::ExtraDrawn() const
{
    return extraShown_ && series_.extra.size() > 1;
}

QString BalanceGraph::Money(double value, bool whole) const
{
    // + 0.0 keeps a negative zero from showing as "-$0.00".
    return locale_.toCurrencyString(value + 0.0, QString(), whole ? 0 : -1);
}

QSize BalanceGraph::sizeHint() const
{
    return {int(kReferenceWidth), int(kReferenceHeight)};
}

QSize BalanceGraph::minimumSizeHint() const
{
    return {int(kReferenceWidth / 2), int(kReferenceHeight / 2)};
}

// ---- Layout -------------------------------------------------------------------

namespace {

QFontMetricsF Metrics(const QFont &font, const QPaintDevice *device)
{
    return device ? QFontMetricsF(font, device) : QFontMetricsF(font);
}

double WidestText(const QFontMetricsF &metrics, const QStringList &texts)
{
    double widest = 0;
    for (const QString &t : texts)
        widest = std::max(widest, metrics.horizontalAdvance(t));
    return widest;
}

} // namespace

BalanceGraph::Layout BalanceGraph::Arrange(const QRectF &area, const QPaintDevice *device) const
{
    Layout L;
    L.area = area;
    L.f = std::max(0.0, std::min(area.width() / kReferenceWidth, area.height() / kReferenceHeight));
    L.titleFont = ArialPixels(kTitlePixels * L.f, true);
    L.textFont = ArialPixels(kTextPixels * L.f, false);
    const QFontMetricsF titleMetrics = Metrics(L.titleFont, device);
    const QFontMetricsF text = Metrics(L.textFont, device);
    L.textHeight = text.height();
    const double f = L.f;

    // Rows from the top: title, upper legend, upper panel, lower legend, lower
    // panel, then the year labels and the axis name at the bottom.
    double y = area.top() + 6 * f;
    if (!title_.isEmpty()) {
        L.titleText = titleMetrics.elidedText(title_, Qt::ElideRight, std::max(0.0, area.width() - 16 * f));
        L.title = QRectF(area.left() + 8 * f, y, std::max(0.0, area.width() - 16 * f), titleMetrics.height());
        y = L.title.bottom() + 4 * f;
    }
    L.balanceLegend = QRectF(area.left(), y, area.width(), L.textHeight);
    y = L.balanceLegend.bottom() + 4 * f;
    const double bottom = area.bottom() - 6 * f - 2 * L.textHeight - 6 * f;
    const double between = 10 * f + L.textHeight + 4 * f;
    const double shared = std::max(0.0, bottom - y - between);
    L.balancePlot = QRectF(area.left(), y, 0, shared * kBalanceShare);
    L.paidLegend = QRectF(area.left(), L.balancePlot.bottom() + 10 * f, area.width(), L.textHeight);
    L.paidPlot = QRectF(area.left(), L.paidLegend.bottom() + 4 * f, 0, shared * (1 - kBalanceShare));

    ChooseScales(L);
    PlaceColumns(L, text);
    TraceLines(L);
    PlaceNotes(L, text);
    return L;
}

void BalanceGraph::ChooseScales(Layout &L) const
{
    double balanceMax = series_.amount;
    double paidMax = 0;
    for (const BalanceGraphPoint &p : series_.points) {
        balanceMax = std::max(balanceMax, p.balance);
        paidMax = std::max(paidMax, p.accumulatedInterest + p.accumulatedCapital);
    }
    if (ExtraDrawn())
        for (const QPointF &e : series_.extra)
            balanceMax = std::max(balanceMax, e.y());
    if (!series_.points.empty() && balanceMax <= 0 && paidMax <= 0)
        L.note = words_.nothingOwed;

    // Labels at least a line apart.
    const auto steps = [&L](double height) { return std::max(1, int(height / (L.textHeight * 2))); };
    L.balanceScale = RoundScale(balanceMax, steps(L.balancePlot.height()));
    L.paidScale = RoundScale(paidMax, steps(L.paidPlot.height()));
    for (const double t : L.balanceScale.ticks)
        L.balanceLabels << Money(t, L.balanceScale.step >= 1);
    for (const double t : L.paidScale.ticks)
        L.paidLabels << Money(t, L.paidScale.step >= 1);
}

void BalanceGraph::PlaceColumns(Layout &L, const QFontMetricsF &text) const
{
    const double f = L.f;
    const double labels = std::max(WidestText(text, L.balanceLabels), WidestText(text, L.paidLabels));
    const double left = L.area.left() + 8 * f + labels + 6 * f;
    // A part year is drawn as the part it is; the axis runs on to the next whole year.
    L.yearEnd = std::max(1.0, std::ceil(LastYear(series_, ExtraDrawn()) - 1e-9));
    const double yearWidth = text.horizontalAdvance(QString::number(int(L.yearEnd)));
    const double right = L.area.right() - 10 * f - yearWidth / 2;
    const double width = std::max(0.0, right - left);
    L.yearScale = RoundScale(L.yearEnd, std::max(1, int(width / (yearWidth + 24 * f))), 1.0);
    while (L.yearScale.ticks.size() > 1 && L.yearScale.ticks.back() > L.yearEnd + 1e-9)
        L.yearScale.ticks.pop_back();
    L.yearScale.top = L.yearEnd;
    for (const double t : L.yearScale.ticks)
        L.yearLabels << QString::number(int(std::lround(t)));
    for (QRectF *r : {&L.balancePlot, &L.paidPlot, &L.balanceLegend, &L.paidLegend}) {
        r->setLeft(left);
        r->setWidth(width);
    }
}

void BalanceGraph::TraceLines(Layout &L) const
{
    const auto balanceY = [&L](double v) { return Layout::Y(L.balancePlot, L.balanceScale, v); };
    const auto paidY = [&L](double v) { return Layout::Y(L.paidPlot, L.paidScale, v); };
    if (series_.points.empty())
        return;
    L.balanceLine.emplace_back(L.X(0), balanceY(series_.amount));
    L.capitalTop.emplace_back(L.X(0), paidY(0));
    L.paidTop.emplace_back(L.X(0), paidY(0));
    for (const BalanceGraphPoint &p : series_.points) {
        const double x = L.X(p.year);
        L.balanceLine.emplace_back(x, balanceY(p.balance));
        L.capitalTop.emplace_back(x, paidY(p.accumulatedCapital));
        L.paidTop.emplace_back(x, paidY(p.accumulatedCapital + p.accumulatedInterest));
    }
    if (ExtraDrawn()) {
        for (const QPointF &e : series_.extra)
            L.extraLine.emplace_back(L.X(e.x()), balanceY(e.y()));
        for (const BalanceGraphMark &m : series_.marks)
            L.marks.emplace_back(L.X(m.at.x()), balanceY(m.at.y()));
    }
    L.legend << words_.outstandingBalance;
    L.legendKeys.push_back(Layout::Key::Balance);
    if (ExtraDrawn()) {
        L.legend << series_.extraName;
        L.legendKeys.push_back(Layout::Key::Extra);
    }
    L.legend << words_.accumulatedCapital << words_.accumulatedInterest;
    L.legendKeys.push_back(Layout::Key::Capital);
    L.legendKeys.push_back(Layout::Key::Interest);
}

void BalanceGraph::PlaceNotes(Layout &L, const QFontMetricsF &text) const
{
    const double f = L.f;
    if (series_.points.empty())
        L.note = words_.noSchedule;
    if (L.extraLine.empty() || series_.extraNote.isEmpty())
        return;
    // High above the point where the dashed line reaches zero, where the balance
    // has mostly fallen away, joined to it by a leader.
    L.extraNoteText = text.elidedText(series_.extraNote, Qt::ElideRight, L.balancePlot.width() - 8 * f);
    const QPointF end = L.extraLine.back();
    const QSizeF size(text.horizontalAdvance(L.extraNoteText) + 8 * f, L.textHeight + 4 * f);
    const double left = std::clamp(end.x() - size.width() / 2, L.balancePlot.left(),
                                   std::max(L.balancePlot.left(), L.balancePlot.right() - size.width()));
    L.extraNote = QRectF(QPointF(left, L.balancePlot.top() + 4 * f), size);
}

BalanceGraphGeometry BalanceGraph::Geometry(const QRectF &area) const
{
    const Layout L = Arrange(area, nullptr);
    BalanceGraphGeometry g;
    g.title = L.title;
    g.balancePlot = L.balancePlot;
    g.paidPlot = L.paidPlot;
    g.balanceScale = L.balanceScale;
    g.paidScale = L.paidScale;
    g.yearScale = L.yearScale;
    g.balanceLabels = L.balanceLabels;
    g.paidLabels = L.paidLabels;
    g.yearLabels = L.yearLabels;
    g.legend = L.legend;
    g.balanceLine = L.balanceLine;
    g.extraLine = L.extraLine;
    g.marks = L.marks;
    g.extraNote = L.extraNote;
    g.note = L.note;
    return g;
}

// ---- Painting -----------------------------------------------------------------

namespace {

QPolygonF AreaUnder(const std::vector<QPointF> &line, double bottom)
{
    QPolygonF area;
    area << QPointF(line.front().x(), bottom);
    for (const QPointF &p : line)
        area << p;
    area << QPointF(line.back().x(), bottom);
    return area;
}

QPolygonF AreaBetween(const std::vector<QPointF> &lower, const std::vector<QPointF> &upper)
{
    QPolygonF area;
    for (const QPointF &p : lower)
        area << p;
    for (auto p = upper.rbegin(); p != upper.rend(); ++p)
        area << *p;
    return area;
}

QPen Pen(const QColor &colour, double width, Qt::PenStyle style = Qt::SolidLine)
{
    QPen pen(colour, std::max(width, 0.5), style, Qt::FlatCap, Qt::RoundJoin);
    return pen;
}

} // namespace

void BalanceGraph::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Paint(painter, rect());
    if (hovered_ >= 0)
        PaintHover(painter, Arrange(rect(), painter.device()));
}

void BalanceGraph::Paint(QPainter &painter, const QRectF &area) const
{
    if (!area.isValid())
        return;
    const Layout L = Arrange(area, painter.device());
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.fillRect(area, Qt::white);
    if (!L.titleText.isEmpty()) {
        painter.setFont(L.titleFont);
        painter.setPen(kBalanceLine);
        painter.drawText(L.title, Qt::AlignLeft | Qt::AlignVCenter, L.titleText);
    }
    if (!L.balanceLine.empty()) {
        PaintPanels(painter, L);
        PaintAxes(painter, L);
        PaintExtra(painter, L);
        PaintLegend(painter, L);
    }
    if (!L.note.isEmpty()) {
        painter.setFont(L.textFont);
        painter.setPen(kText);
        painter.drawText(L.balancePlot.adjusted(8 * L.f, 0, -8 * L.f, 0),
                         Qt::AlignCenter | Qt::TextWordWrap, L.note);
    }
    painter.restore();
}

void BalanceGraph::PaintPanels(QPainter &painter, const Layout &L) const
{
    const double f = L.f;
    painter.setPen(Pen(kGrid, f));
    for (const double t : L.balanceScale.ticks)
        painter.drawLine(QLineF(L.balancePlot.left(), Layout::Y(L.balancePlot, L.balanceScale, t),
                                L.balancePlot.right(), Layout::Y(L.balancePlot, L.balanceScale, t)));
    for (const double t : L.paidScale.ticks)
        painter.drawLine(QLineF(L.paidPlot.left(), Layout::Y(L.paidPlot, L.paidScale, t),
                                L.paidPlot.right(), Layout::Y(L.paidPlot, L.paidScale, t)));
    for (const double t : L.yearScale.ticks) {
        painter.drawLine(QLineF(L.X(t), L.balancePlot.top(), L.X(t), L.balancePlot.bottom()));
        painter.drawLine(QLineF(L.X(t), L.paidPlot.top(), L.X(t), L.paidPlot.bottom()));
    }

    painter.setPen(Qt::NoPen);
    painter.setBrush(kBalanceArea);
    painter.drawPolygon(AreaUnder(L.balanceLine, L.balancePlot.bottom()));
    painter.setBrush(kCapitalArea);
    painter.drawPolygon(AreaUnder(L.capitalTop, L.paidPlot.bottom()));
    painter.setBrush(kInterestArea);
    painter.drawPolygon(AreaBetween(L.capitalTop, L.paidTop));
    painter.setBrush(Qt::NoBrush);

    painter.setPen(Pen(kBalanceLine, 2 * f));
    painter.drawPolyline(L.balanceLine.data(), int(L.balanceLine.size()));
}

void BalanceGraph::PaintAxes(QPainter &painter, const Layout &L) const
{
    const double f = L.f;
    const double h = L.textHeight;
    painter.setPen(Pen(kAxis, f));
    for (const QRectF &plot : {L.balancePlot, L.paidPlot}) {
        painter.drawLine(QLineF(plot.bottomLeft(), plot.topLeft()));
        painter.drawLine(QLineF(plot.bottomLeft(), plot.bottomRight()));
    }
    painter.setFont(L.textFont);
    painter.setPen(kText);
    const double labelRight = L.balancePlot.left() - 6 * f;
    const auto moneyLabels = [&](const QRectF &plot, const AxisScale &scale, const QStringList &texts) {
        for (size_t k = 0; k < scale.ticks.size(); ++k) {
            const double y = Layout::Y(plot, scale, scale.ticks[k]);
            painter.drawText(QRectF(L.area.left(), y - h / 2, labelRight - L.area.left(), h),
                             Qt::AlignRight | Qt::AlignVCenter, texts.value(int(k)));
        }
    };
    moneyLabels(L.balancePlot, L.balanceScale, L.balanceLabels);
    moneyLabels(L.paidPlot, L.paidScale, L.paidLabels);

    const double top = L.paidPlot.bottom() + 3 * f;
    for (size_t k = 0; k < L.yearScale.ticks.size(); ++k) {
        const double x = L.X(L.yearScale.ticks[k]);
        painter.drawLine(QLineF(x, L.paidPlot.bottom(), x, top));
        painter.drawText(QRectF(x - 40 * f, top, 80 * f, h), Qt::AlignHCenter | Qt::AlignTop,
                         L.yearLabels.value(int(k)));
    }
    painter.drawText(QRectF(L.paidPlot.left(), top + h, L.paidPlot.width(), h),
                     Qt::AlignHCenter | Qt::AlignTop, words_.years);
}

void BalanceGraph::PaintLegend(QPainter &painter, const Layout &L) const
{
    const double f = L.f;
    const double h = L.textHeight;
    const QFontMetricsF metrics = Metrics(L.textFont, painter.device());
    painter.setFont(L.textFont);
    double x = L.balanceLegend.left();
    double y = L.balanceLegend.center().y();
    for (size_t k = 0; k < L.legendKeys.size(); ++k) {
        const Layout::Key key = L.legendKeys[k];
        const QString &item = L.legend[qsizetype(k)];
        if (key == Layout::Key::Capital) {
            x = L.paidLegend.left();
            y = L.paidLegend.center().y();
        }
        if (key == Layout::Key::Balance || key == Layout::Key::Extra) {
            const bool extra = key == Layout::Key::Extra;
            painter.setPen(Pen(extra ? kExtraLine : kBalanceLine, 2 * f, extra ? Qt::DashLine : Qt::SolidLine));
            painter.drawLine(QLineF(x, y, x + 20 * f, y));
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(key == Layout::Key::Capital ? kCapitalArea : kInterestArea);
            painter.drawRect(QRectF(x + 5 * f, y - 5 * f, 10 * f, 10 * f));
            painter.setBrush(Qt::NoBrush);
        }
        x += 24 * f;
        painter.setPen(kText);
        const double width = metrics.horizontalAdvance(item);
        painter.drawText(QRectF(x, y - h / 2, width + 2 * f, h), Qt::AlignLeft | Qt::AlignVCenter, item);
        x += width + 16 * f;
    }
}

void BalanceGraph::PaintExtra(QPainter &painter, const Layout &L) const
{
    if (L.extraLine.empty())
        return;
    const double f = L.f;
    painter.setPen(Pen(kExtraLine, 2 * f, Qt::DashLine));
    painter.drawPolyline(L.extraLine.data(), int(L.extraLine.size()));
    PaintMarks(painter, L);
    if (L.extraNote.isEmpty())
        return;
    const QPointF end = L.extraLine.back();
    painter.setPen(Pen(kExtraLine, f, Qt::DotLine));
    painter.drawLine(QLineF(end.x(), L.extraNote.bottom(), end.x(), end.y()));
    painter.setPen(Pen(kExtraLine, f));
    painter.setBrush(kExtraLine);
    painter.drawEllipse(end, 3.5 * f, 3.5 * f);
    painter.setBrush(QColor(255, 255, 255, 225));
    painter.drawRect(L.extraNote);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(L.textFont);
    painter.setPen(kText);
    painter.drawText(L.extraNote, Qt::AlignCenter, L.extraNoteText);
}

void BalanceGraph::PaintMarks(QPainter &painter, const Layout &L) const
{
    const double f = L.f;
    // Texts only while they can be told apart; the marks themselves always show.
    const bool withTexts = L.marks.size() <= 12;
    painter.setFont(L.textFont);
    const QFontMetricsF text = Metrics(L.textFont, painter.device());
    for (size_t m = 0; m < L.marks.size(); ++m) {
        const QPointF at = L.marks[m];
        const QPointF diamond[4] = {at + QPointF(0, -4.5 * f), at + QPointF(4.5 * f, 0),
                                    at + QPointF(0, 4.5 * f), at + QPointF(-4.5 * f, 0)};
        painter.setPen(Pen(Qt::white, f));
        painter.setBrush(kExtraLine);
        painter.drawPolygon(diamond, 4);
        if (!withTexts || series_.marks[m].text.isEmpty())
            continue;
        const QString label = series_.marks[m].text;
        QRectF box(QPointF(at.x() + 5 * f, at.y() - 6 * f - L.textHeight),
                   QSizeF(text.horizontalAdvance(label) + 4 * f, L.textHeight));
        if (box.right() > L.balancePlot.right())
            box.moveRight(at.x() - 5 * f);
        if (box.top() < L.balancePlot.top())
            box.moveTop(at.y() + 6 * f);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 200));
        painter.drawRect(box);
        painter.setPen(kExtraLine.darker(140));
        painter.drawText(box, Qt::AlignCenter, label);
    }
    painter.setBrush(Qt::NoBrush);
}

void BalanceGraph::PaintHover(QPainter &painter, const Layout &L) const
{
    const size_t at = size_t(hovered_) + 1; // the lines start with the loan's first day
    if (at >= L.balanceLine.size())
        return;
    const double f = L.f;
    const double x = L.balanceLine[at].x();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Pen(kAxis, f, Qt::DotLine));
    painter.drawLine(QLineF(x, L.balancePlot.top(), x, L.balancePlot.bottom()));
    painter.drawLine(QLineF(x, L.paidPlot.top(), x, L.paidPlot.bottom()));
    painter.setPen(Pen(Qt::white, f));
    for (const auto &[point, colour] : {std::pair{L.balanceLine[at], kBalanceLine},
                                        std::pair{L.capitalTop[at], kCapitalArea.darker(140)},
                                        std::pair{L.paidTop[at], kInterestArea}}) {
        painter.setBrush(colour);
        painter.drawEllipse(point, 4 * f, 4 * f);
    }
    painter.restore();
}

// ---- The mouse ----------------------------------------------------------------

int BalanceGraph::PointAt(const QPointF &position, const QRectF &area) const
{
    if (series_.points.empty() || !area.isValid())
        return -1;
    const Layout L = Arrange(area, nullptr);
    const double slack = 6 * L.f;
    if (position.y() < L.balancePlot.top() || position.y() > L.paidPlot.bottom()
        || position.x() < L.balancePlot.left() - slack || position.x() > L.balancePlot.right() + slack)
        return -1;
    int nearest = -1;
    double distance = 0;
    for (size_t k = 0; k < series_.points.size(); ++k) {
        const double d = std::abs(L.X(series_.points[k].year) - position.x());
        if (nearest < 0 || d < distance) {
            nearest = int(k);
            distance = d;
        }
    }
    return nearest;
}

QString BalanceGraph::PointText(int index) const
{
    if (index < 0 || size_t(index) >= series_.points.size())
        return {};
    const BalanceGraphPoint &p = series_.points[size_t(index)];
    QString text = QStringLiteral("%1 %2\n%3: %4\n%5: %6\n%7: %8")
                       .arg(words_.year, QString::number(p.label), words_.outstandingBalance,
                            Money(p.balance, false), words_.accumulatedInterest,
                            Money(p.accumulatedInterest, false), words_.accumulatedCapital,
                            Money(p.accumulatedCapital, false));
    // The extra line's points are the start and then one a year, like the schedule's.
    if (ExtraDrawn() && size_t(index) + 1 < series_.extra.size())
        text += QStringLiteral("\n%1: %2").arg(series_.extraName, Money(series_.extra[size_t(index) + 1].y(), false));
    return text;
}

void BalanceGraph::mouseMoveEvent(QMouseEvent *event)
{
    const int at = PointAt(event->position(), rect());
    if (at != hovered_) {
        hovered_ = at;
        update();
    }
    if (at >= 0)
        QToolTip::showText(event->globalPosition().toPoint(), PointText(at), this);
    else
        QToolTip::hideText();
}

void BalanceGraph::leaveEvent(QEvent *)
{
    hovered_ = -1;
    QToolTip::hideText();
    update();
}
