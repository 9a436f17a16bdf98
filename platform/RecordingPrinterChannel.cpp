// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RecordingPrinterChannel.h"

#include "platform/Platform.h"

#include <stdexcept>

QString FontTag(const PrintFont &font)
{
    QString tag = QString::number(font.pointSize);
    if (font.bold)
        tag += QLatin1Char('B');
    if (font.underline)
        tag += QLatin1Char('U');
    if (font.name != QLatin1String("Courier New"))
        tag = font.name + QLatin1Char(' ') + tag;
    return tag;
}

RecordingPrinterChannel::RecordingPrinterChannel(double pageHeight, double textHeight)
    : pageHeight_(pageHeight), textHeight_(textHeight)
{
}

void RecordingPrinterChannel::RequireOpen(const char *what) const
{
    // A report that writes outside its job is a fault the test must see.
    if (!opened || closed)
        throw std::logic_error(std::string(what) + " outside an open print job");
}

void RecordingPrinterChannel::SetOrientation(PageOrientation value)
{
    if (opened)
        throw std::logic_error("orientation set after the job started");
    orientation = value;
    ++orientationChanges;
}

void RecordingPrinterChannel::SetFont(const PrintFont &font)
{
    font_ = font;
    events_.push_back({Event::Font, font_, {}});
}

double RecordingPrinterChannel::TextHeight(const QString &) const
{
    return textHeight_ * font_.pointSize / 8.0;
}

void RecordingPrinterChannel::Open(const QString &name)
{
    if (opened)
        throw std::logic_error("print job opened twice");
    if (failOpen)
        throw QuovellaError(QStringLiteral("Printer selected is not valid"));
    opened = true;
    documentName = name;
    orientationAtOpen = orientation;
}

void RecordingPrinterChannel::Write(const QString &text)
{
    RequireOpen("Write");
    if (font_.name != QLatin1String("Courier New") && !otherFontNames.contains(font_.name))
        otherFontNames << font_.name;
    events_.push_back({Event::Write, font_, text});
}

void RecordingPrinterChannel::LineEnd()
{
    RequireOpen("LineEnd");
    events_.push_back({Event::LineEnd, font_, {}});
}

void RecordingPrinterChannel::FormFeed()
{
    RequireOpen("FormFeed");
    events_.push_back({Event::FormFeed, font_, {}});
}

void RecordingPrinterChannel::Close()
{
    RequireOpen("Close");
    if (failClose)
        throw QuovellaError(QStringLiteral("Printer selected is not valid"));
    closed = true;
}

QStringList RecordingPrinterChannel::Lines() const
{
    QStringList lines;
    QString line;
    QString lastTag; // font of the last run of text on this line
    bool pending = false;
    for (const Event &e : events_) {
        switch (e.kind) {
        case Event::Font:
            break;
        case Event::Write: {
            const QString tag = FontTag(e.font);
            if (tag != lastTag)
                line += QLatin1Char('[') + tag + QLatin1Char(']');
            lastTag = tag;
            line += e.text;
            pending = true;
            break;
        }
        case Event::LineEnd: {
            const QString tag = FontTag(e.font);
            if (tag != lastTag)
                line += QLatin1Char('[') + tag + QLatin1Char(']');
            lines << line;
            line.clear();
            lastTag.clear();
            pending = false;
            break;
        }
        case Event::FormFeed:
            if (pending)
                lines << line;
            line.clear();
            lastTag.clear();
            pending = false;
            lines << QStringLiteral("<FF>");
            break;
        }
    }
    if (pending)
        lines << line;
    return lines;
}

QStringList RecordingPrinterChannel::Texts() const
{
    QStringList lines;
    QString line;
    bool pending = false;
    for (const Event &e : events_) {
        if (e.kind == Event::Write) {
            line += e.text;
            pending = true;
        } else if (e.kind == Event::LineEnd) {
            lines << line;
            line.clear();
            pending = false;
        } else if (e.kind == Event::FormFeed) {
            if (pending)
                lines << line;
            line.clear();
            pending = false;
            lines << QStringLiteral("<FF>");
        }
    }
    if (pending)
        lines << line;
    return lines;
}
