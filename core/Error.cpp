// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Error.h"

QuovellaError::QuovellaError(const QString &message)
    : std::runtime_error(message.toStdString()), message_(message)
{
}
