// SPDX-License-Identifier: GPL-3.0-or-later
// A print job as the reports use it: text written at a moving position in the
// current font, line ends, form feeds, and the page and text heights in the same
// device units.
#pragma once

#include <QString>

enum class PageOrientation { Portrait, Landscape };

struct PrintFont {
    QString name;
    int pointSize = 8;
    bool bold = false;
    bool underline = false;
    bool operator==(const PrintFont &) const = default;
};

class PrinterChannel {
public:
    virtual ~PrinterChannel() = default;

    // Before Open.
    virtual void SetOrientation(PageOrientation orientation) = 0;
    // Applies to the text written after it, also in the middle of a line.
    virtual void SetFont(const PrintFont &font) = 0;
    virtual PrintFont Font() const = 0;
    // Height of the printable area, and of a text in the current font.
    virtual double PageHeight() const = 0;
    virtual double TextHeight(const QString &text) const = 0;

    // Starts the job; throws QuovellaError when the printer cannot be used.
    virtual void Open(const QString &documentName) = 0;
    virtual void Write(const QString &text) = 0;
    // Down by the tallest text on the line (the current font's height on an empty one).
    virtual void LineEnd() = 0;
    virtual void FormFeed() = 0;
    // Ends the job and sends it to the printer.
    virtual void Close() = 0;
    // How often the report must be written into the job for the copies the user
    // asked for: 1 where the printer makes the copies itself.
    virtual int CopiesToWrite() const { return 1; }
};
