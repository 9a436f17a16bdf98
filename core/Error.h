// SPDX-License-Identifier: GPL-3.0-or-later
// A failure the handler does not deal with itself (file and printer errors): it
// stops the operation and is shown once, centrally, in a message box with OK.
#pragma once

#include <QString>

#include <stdexcept>

class QuovellaError : public std::runtime_error {
public:
    explicit QuovellaError(const QString &message);
    QString Message() const { return message_; }

private:
    QString message_;
};
