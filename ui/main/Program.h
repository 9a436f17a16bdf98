// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows, made once in a fixed order and kept for the run.
#pragma once

#include <QStringList>

#include <memory>

class TMORTLOAN;
struct SecondaryWindows;

class Program {
public:
    // Creates the main window, hidden; the others are made, hidden, right after its
    // first frame, or as soon as anything asks for them (TMORTLOAN::Windows()).
    Program();
    ~Program();

    // The start-up load, the main window's set-up, and showing it. A file that
    // could not be loaded is reported once the main window is on screen.
    void Start(const QStringList &arguments);

    TMORTLOAN &Main() { return *main_; }

private:
    std::unique_ptr<TMORTLOAN> main_;
};
