// SPDX-License-Identifier: GPL-3.0-or-later
// The printer channel on a QPrinter: text drawn with QPainter at a moving
// position, in device pixels of the printer's resolution.
#pragma once

#include "platform/PrinterChannel.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <memory>
#include <vector>

class QPrinter;

class QtPrinterChannel : public PrinterChannel {
public:
    // The printer must outlive the channel. Page size, resolution, printer name or
    // output file are the caller's; the channel only sets the orientation.
    explicit QtPrinterChannel(QPrinter &printer);
    // A job left open (a report stopped by an error) is abandoned, not finished.
    ~QtPrinterChannel() override;

    void SetOrientation(PageOrientation orientation) override;
    void SetFont(const PrintFont &font) override;
    PrintFont Font() const override { return font_; }
    double PageHeight() const override;
    double TextHeight(const QString &text) const override;
    void Open(const QString &documentName) override;
    void Write(const QString &text) override;
    void LineEnd() override;
    void FormFeed() override;
    void Close() override;
    // A file or a printer without copies of its own takes the report again.
    int CopiesToWrite() const override;

    int PagesStarted() const { return pages_; }

private:
    struct Run {
        int font; // index into fonts_
        double x;
        QString text;
    };
    struct FontEntry {
        PrintFont key;
        QFont font;
        QFontMetricsF metrics;
    };

    int FontIndex(const PrintFont &font);
    const FontEntry &Current() const { return fonts_[current_]; }
    double PageWidth() const;
    // Draws the pending line and moves down by its height, on a new page when it
    // would pass the bottom.
    void FinishLine();
    void NewPage();
    void RequireOpen() const;

    QPrinter &printer_;
    QPainter painter_;
    PrintFont font_;
    std::vector<FontEntry> fonts_;
    int current_ = 0;
    std::vector<Run> line_;
    double x_ = 0;
    double y_ = 0;
    int pages_ = 0;
    bool open_ = false;
};
