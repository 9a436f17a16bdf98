// SPDX-License-Identifier: GPL-3.0-or-later
// Per-user values kept from one run to the next.
#pragma once

#include <QString>

class Settings {
public:
    virtual ~Settings() = default;
    // The fallback also when the store cannot be read.
    virtual QString Value(const QString &key, const QString &fallback) const = 0;
    // Throws QuovellaError, saying why, when the store cannot be written.
    virtual void SetValue(const QString &key, const QString &value) = 0;
};
