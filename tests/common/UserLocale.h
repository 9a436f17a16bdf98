// SPDX-License-Identifier: GPL-3.0-or-later
// The user's regional notation for one test: every test program pins the United
// States, and a test that needs another locale puts it back this way.
#pragma once

#include <QLocale>

class UserLocale {
public:
    explicit UserLocale(const QLocale &locale) { QLocale::setDefault(locale); }
    ~UserLocale() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    UserLocale(const UserLocale &) = delete;
    UserLocale &operator=(const UserLocale &) = delete;
};
