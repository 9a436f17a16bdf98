// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/Look.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

// Offscreen, with numbers and money as a user in the United States sees them.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    QApplication::setFont(Look::UiFont(9));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
