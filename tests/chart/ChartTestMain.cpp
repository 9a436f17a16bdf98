// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

// The chart is a widget, so the tests need an application; without a screen they
// draw offscreen. Values are written as a user in the United States would see them.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
