// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtPrinterChannel.h"

#include "platform/Platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QPrinter>

#include <algorithm>
#include <stdexcept>

namespace {

QPageLayout::Orientation QtOrientation(PageOrientation orientation)
{
    return orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

} // namespace

QtPrinterChannel::QtPrinterChannel(QPrinter &printer)
    : printer_(printer), font_{QStringLiteral("Courier New"), 8, false, false}
{
    current_ = FontIndex(font_);
}

QtPrinterChannel::~QtPrinterChannel()
{
    if (!open_)
        return;
    // Half a report must not look like a finished one. Printing to a file cannot
    // be aborted on every platform, so the partial file is removed instead.
    if (printer_.abort())
        return;
    painter_.end();
    if (printer_.outputFormat() == QPrinter::PdfFormat && !printer_.outputFileName().isEmpty())
        QFile::remove(printer_.outputFileName());
}

int QtPrinterChannel::FontIndex(const PrintFont &key)
{
    for (std::size_t k = 0; k < fonts_.size(); ++k)
        if (fonts_[k].key == key)
            return static_cast<int>(k);
    QFont font(key.name);
    font.setStyleHint(QFont::TypeWriter); // a fixed pitch where the name is unknown
    font.setFixedPitch(true);
    font.setPointSize(key.pointSize);
    font.setBold(key.bold);
    font.setUnderline(key.underline);
    // Measured on the printer: points become device pixels at its resolution.
    fonts_.push_back({key, font, QFontMetricsF(font, &printer_)});
    return static_cast<int>(fonts_.size()) - 1;
}

void QtPrinterChannel::SetOrientation(PageOrientation orientation)
{
    if (open_)
        throw std::logic_error("orientation set after the print job started");
    printer_.setPageOrientation(QtOrientation(orientation));
}

void QtPrinterChannel::SetFont(const PrintFont &font)
{
    font_ = font;
    current_ = FontIndex(font);
}

double QtPrinterChannel::PageHeight() const
{
    return printer_.pageRect(QPrinter::DevicePixel).height();
}

double QtPrinterChannel::PageWidth() const
{
    return printer_.pageRect(QPrinter::DevicePixel).width();
}

double QtPrinterChannel::TextHeight(const QString &) const
{
    return Current().metrics.height();
}

void QtPrinterChannel::Open(const QString &documentName)
{
    if (open_)
        throw std::logic_error("print job opened twice");
    printer_.setDocName(documentName);
    if (!painter_.begin(&printer_)) {
        if (printer_.printerName().isEmpty() && printer_.outputFileName().isEmpty())
            throw QuovellaError(QCoreApplication::translate("QtPlatform", "There is no default printer currently selected"));
        throw QuovellaError(QCoreApplication::translate("QtPlatform", "Printer selected is not valid"));
    }
    open_ = true;
    pages_ = 1;
    x_ = 0;
    y_ = 0;
    line_.clear();
}

void QtPrinterChannel::RequireOpen() const
{
    if (!open_)
        throw std::logic_error("printing outside an open print job");
}

void QtPrinterChannel::Write(const QString &text)
{
    RequireOpen();
    const QFontMetricsF &metrics = Current().metrics;
    const double width = PageWidth();
    QString rest = text;
    while (!rest.isEmpty()) {
        const double advance = metrics.horizontalAdvance(rest);
        qsizetype fits = rest.size();
        if (x_ + advance > width) {
            // The longest start that still fits; the rest goes on the next line.
            qsizetype low = 0, high = rest.size();
            while (low < high) {
                const qsizetype mid = (low + high + 1) / 2;
                if (x_ + metrics.horizontalAdvance(rest.left(mid)) <= width)
                    low = mid;
                else
                    high = mid - 1;
            }
            fits = low;
            if (fits == 0 && line_.empty())
                fits = 1; // wider than the page by itself: print it, cut
        }
        if (fits > 0) {
            const QString part = rest.left(fits);
            const double partAdvance = fits == rest.size() ? advance : metrics.horizontalAdvance(part);
            // Runs in one font are drawn in one call.
            if (!line_.empty() && line_.back().font == current_)
                line_.back().text += part;
            else
                line_.push_back({current_, x_, part});
            x_ += partAdvance;
            rest = rest.mid(fits);
        }
        if (!rest.isEmpty())
            FinishLine();
    }
}

void QtPrinterChannel::FinishLine()
{
    double height = 0;
    double ascent = 0;
    for (const Run &run : line_) {
        height = std::max(height, fonts_[run.font].metrics.height());
        ascent = std::max(ascent, fonts_[run.font].metrics.ascent());
    }
    if (line_.empty())
        height = Current().metrics.height();
    if (y_ > 0 && y_ + height > PageHeight())
        NewPage();
    // One baseline for the whole line, below its tallest text.
    for (const Run &run : line_) {
        painter_.setFont(fonts_[run.font].font);
        painter_.drawText(QPointF(run.x, y_ + ascent), run.text);
    }
    line_.clear();
    x_ = 0;
    y_ += height;
}

void QtPrinterChannel::NewPage()
{
    if (!printer_.newPage())
        throw QuovellaError(QCoreApplication::translate("QtPlatform", "The printer could not start a new page"));
    ++pages_;
    x_ = 0;
    y_ = 0;
}

void QtPrinterChannel::LineEnd()
{
    RequireOpen();
    FinishLine();
}

void QtPrinterChannel::FormFeed()
{
    RequireOpen();
    if (!line_.empty())
        FinishLine();
    NewPage();
}

void QtPrinterChannel::Close()
{
    RequireOpen();
    if (!line_.empty())
        FinishLine();
    open_ = false;
    const bool ended = painter_.end();
    if (!ended || printer_.printerState() == QPrinter::Error)
        throw QuovellaError(QCoreApplication::translate("QtPlatform", "The print job could not be finished"));
}

int QtPrinterChannel::CopiesToWrite() const
{
    return printer_.supportsMultipleCopies() ? 1 : std::max(1, printer_.copyCount());
}
