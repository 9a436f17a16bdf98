// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLocale>

#include <gtest/gtest.h>

// Every engine test reads and writes numbers as a user in the United States would,
// unless it pins another locale itself.
int main(int argc, char **argv)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
