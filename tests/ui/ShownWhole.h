// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a window shows a caption whole.
#pragma once

#include "ui/common/Keyboard.h"

#include <QFontMetrics>
#include <QLabel>

#include <gtest/gtest.h>

#include <algorithm>

// The label shows its whole text: its width takes the text and its frame (its height
// the lines of a wrapped text).
inline ::testing::AssertionResult ShowsWhole(const QLabel *label)
{
    if (!label->isVisible())
        return ::testing::AssertionSuccess();
    if (label->wordWrap()) {
        if (label->height() >= label->heightForWidth(label->width()))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << label->objectName().toStdString() << " lacks height";
    }
    const int needed = label->fontMetrics().horizontalAdvance(Keyboard::Plain(label->text())) + 2 * label->frameWidth()
                       + 2 * label->margin() + std::max(0, label->indent());
    if (label->width() >= needed)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << label->objectName().toStdString() << " \"" << label->text().toStdString()
                                         << "\" is " << label->width() << " px wide, needs " << needed;
}
