// SPDX-License-Identifier: GPL-3.0-or-later
// A printer channel for tests: it prints nothing and keeps every call in order,
// so a test can compare a report line for line and font for font.
#pragma once

#include "platform/PrinterChannel.h"

#include <QStringList>

#include <vector>

class RecordingPrinterChannel : public PrinterChannel {
public:
    struct Event {
        enum Kind { Font, Write, LineEnd, FormFeed } kind;
        PrintFont font; // the font in force after the event
        QString text;   // Write only
    };

    // Heights in made-up device units; TextHeight grows with the point size from
    // `textHeight` at 8 points.
    explicit RecordingPrinterChannel(double pageHeight = 1000, double textHeight = 10);

    void SetOrientation(PageOrientation orientation) override;
    void SetFont(const PrintFont &font) override;
    PrintFont Font() const override { return font_; }
    double PageHeight() const override { return pageHeight_; }
    double TextHeight(const QString &text) const override;
    void Open(const QString &documentName) override;
    void Write(const QString &text) override;
    void LineEnd() override;
    void FormFeed() override;
    void Close() override;

    // Make Open or Close fail as a printer would.
    bool failOpen = false;
    bool failClose = false;

    const std::vector<Event> &Events() const { return events_; }
    // The job as lines: "[8B]Page 1", "[12B]  Mortgage Details[10B]" (a font switched
    // after the text and before the line end), "[10B]" (an empty line), "<FF>" (a form
    // feed). Each run of text shows the font it was written in; a line's text not yet
    // ended by a line end is the last entry.
    QStringList Lines() const;
    // The text only, one entry per line, form feeds as "<FF>".
    QStringList Texts() const;

    bool opened = false;
    bool closed = false;
    QString documentName;
    PageOrientation orientation = PageOrientation::Portrait;
    PageOrientation orientationAtOpen = PageOrientation::Portrait;
    int orientationChanges = 0;
    // Every font a text was written in that was not "Courier New".
    QStringList otherFontNames;

private:
    void RequireOpen(const char *what) const;

    double pageHeight_;
    double textHeight_;
    PrintFont font_{QStringLiteral("Courier New"), 8, false, false};
    std::vector<Event> events_;
};

// "8", "8B", "10B", "12BU": the short name of a font as the report layouts write it.
QString FontTag(const PrintFont &font);
