// SPDX-License-Identifier: GPL-3.0-or-later
// Words that reports, files and printing keep in English while the screen shows
// them in the user's language.
#pragma once

#include <QCoreApplication>
#include <QString>

// `english` as it stands, or, when shown on the screen, its translation in `context`.
// Callers mark `english` with QT_TRANSLATE_NOOP in the same context.
inline QString Said(const char *context, const char *english, bool shown)
{
    return shown ? QCoreApplication::translate(context, english) : QString::fromUtf8(english);
}
