// SPDX-License-Identifier: GPL-3.0-or-later
// For the start-up benchmark (bench/startup): with QUOVELLA_EXIT_AFTER_FIRST_PAINT=1
// in the environment a program prints the wall clock once its window's first frame
// is painted, in nanoseconds since the epoch ("first-paint N"), and ends. Header
// only, so the bare reference window needs nothing of Quovella's.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>

class ExitAfterFirstPaint : public QObject {
public:
    // Does nothing unless the environment asks for it.
    static void Arm(QWidget *window)
    {
        if (qEnvironmentVariableIntValue("QUOVELLA_EXIT_AFTER_FIRST_PAINT") == 1)
            window->installEventFilter(new ExitAfterFirstPaint(window));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued: it runs once every widget of the frame is painted and flushed.
            QMetaObject::invokeMethod(this, &ExitAfterFirstPaint::Report, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    using QObject::QObject;

    static void Report()
    {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("first-paint %lld\n",
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    bool seen_ = false;
};
