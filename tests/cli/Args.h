// SPDX-License-Identifier: GPL-3.0-or-later
// A command line written as a list of literals, with more words after it.
#pragma once

#include <QStringList>

#include <initializer_list>

inline QStringList Args(std::initializer_list<const char *> words, const QStringList &tail = {})
{
    QStringList list;
    for (const char *w : words)
        list << QString::fromLatin1(w);
    return list + tail;
}
