// SPDX-License-Identifier: GPL-3.0-or-later
// Per-user values kept from one run to the next.
#pragma once

#include <QString>

#include <optional>

class Settings {
public:
    virtual ~Settings() = default;
    // The fallback also when the store cannot be read.
    virtual QString Value(const QString &key, const QString &fallback) const = 0;
    // Stored, it may still carry a note for the user: the old store could not be
    // read and was replaced, or the disk did not confirm the write. Throws
    // QuovellaError, naming the store and saying why, when it cannot be written.
    virtual std::optional<QString> SetValue(const QString &key, const QString &value) = 0;
};
