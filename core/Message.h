// SPDX-License-Identifier: GPL-3.0-or-later
// A message for the user as the calculations word it; the desktop shows it.
#pragma once

#include <QString>

// How a message box looks: the information icon, or the question-mark icon the
// term check and a few result messages use.
enum class MessageKind { Information, Confirmation };

struct Message {
    QString text;
    MessageKind kind = MessageKind::Information;
    bool operator==(const Message &) const = default;
};
