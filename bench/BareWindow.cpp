// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of bench/startup: the least a Qt Widgets program with a tabbed
// window does before its first frame.
#include "app/FirstPaint.h"

#include <QApplication>
#include <QMainWindow>
#include <QTabWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *tabs = new QTabWidget(&window);
    tabs->addTab(new QWidget(tabs), QStringLiteral("Tab"));
    window.setCentralWidget(tabs);
    ExitAfterFirstPaint::Arm(&window);
    window.show();
    return app.exec();
}
