// SPDX-License-Identifier: GPL-3.0-or-later
// What the analysis windows share: their frame, their grids and their print hook.
#pragma once

#include "engine/LoanChecks.h"

#include <QDialog>
#include <QTableView>

#include <functional>
#include <vector>

class MainLoan;
class QAbstractButton;
class QLineEdit;
class QPushButton;

// A fixed-size dialog window with the given client area and background.
class AnalysisWindow : public QDialog {
    Q_OBJECT
public:
    AnalysisWindow(const QString &name, const QString &title, int width, int height,
                   const QColor &background, QWidget *parent);
    // Prints the window's report; set by the program once the printer is wired.
    std::function<void()> printReport;

protected:
    // Shows the print dialog and, when the user confirms, prints the report.
    void PrintWithDialog();
    // Runs the handler on a click, its errors shown by the general error handling.
    void OnClick(QAbstractButton *button, const std::function<void()> &handler);
    // Enter in any of the fields presses the button.
    static void EnterPresses(std::initializer_list<QLineEdit *> fields, QPushButton *button);
};

// The main window's loan with a window's own amount, rate and term.
LoanTexts LoanWithFields(const MainLoan &main, const QLineEdit *amount, const QLineEdit *rate,
                         const QLineEdit *years, const QLineEdit *part);

// A grid with fixed column widths and row height, a vertical scroll bar only, and
// no headings of its own unless asked.
QTableView *GridView(const QString &name, QAbstractItemModel *model,
                     const std::vector<int> &columnWidths, int rowHeight, QWidget *parent);

// Pixels the grid needs for its columns and its scroll bar.
int GridWidth(const std::vector<int> &columnWidths);
