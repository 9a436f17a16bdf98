// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

// The real settings store lives under the user's configuration folder; the tests
// get a folder of their own so that they never touch the user's.
int main(int argc, char **argv)
{
    QTemporaryDir config;
    if (!config.isValid() || ::setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1) != 0)
        return 2;
    // Loading shows numbers in the user's notation; the tests pin it, as every layer's do.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
