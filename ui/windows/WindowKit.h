// SPDX-License-Identifier: GPL-3.0-or-later
// What the analysis windows share: their frame, their grids and their print hook.
#pragma once

#include "engine/LoanChecks.h"
#include "engine/TableTexts.h"
#include "printing/Printing.h"
#include "platform/ReportOutput.h"

#include <QDialog>
#include <QStyledItemDelegate>
#include <QTableView>

#include <functional>
#include <optional>
#include <vector>

class MainLoan;
class QAbstractButton;
class QBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

// A fixed-size dialog window with the given client area (at the design's text size)
// and background.
class AnalysisWindow : public QDialog {
    Q_OBJECT
public:
    AnalysisWindow(const QString &name, const QString &title, int width, int height,
                   const QColor &background, QWidget *parent);
    // Prints the window's report; set by the program once the printer is wired.
    std::function<void()> printReport;
    // The same report for the preview and a PDF; set with printReport.
    std::function<PrintableReport()> report;

protected:
    // Captions set from outside since the last opening get their Alt keys back.
    void showEvent(QShowEvent *event) override;
    // Shows the print dialog and, when the user confirms, prints the report.
    void PrintWithDialog();
    // "Preview" and "PDF…" buttons into the row, after the Print button.
    void AddReportButtons(QBoxLayout *row);
    // "Export…" into the row and into the table's context menu: saves the whole
    // table as a CSV file named after the title ("Schedule by Month 100000 at 6%").
    void AddExportButton(QBoxLayout *row, class TableView *table, std::function<QString()> title,
                         std::function<TableSource()> source);
    // Runs the handler on a click, its errors shown by the general error handling.
    void OnClick(QAbstractButton *button, const std::function<void()> &handler);
    // Enter in any of the fields presses the button.
    static void EnterPresses(std::initializer_list<QLineEdit *> fields, QPushButton *button);
    // A table window opens at its own size and may be enlarged or maximised; it
    // never becomes smaller than that.
    void AllowEnlarging();
    // Grows the window to what its layout needs (a larger desktop text, a longer caption).
    void FitTexts();

    // The texts of the fields a table window's table is built from; none for other windows.
    virtual QStringList TableFieldTexts() const { return {}; }
    // The window's own calculate step, messages and all.
    virtual void RecalculateTable() {}
    // Each build calls it: the table shown now answers the fields as they stand.
    void NoteTableBuilt() { builtFrom_ = TableFieldTexts(); }
    // Print, preview and export recalculate first when the fields were changed, so
    // a report or file never describes another table than the one it holds. False
    // when that calculation stopped: then nothing is printed or exported.
    bool TableMatchesFields();

private:
    // Unset until the first build: an empty table disagrees with no fields.
    std::optional<QStringList> builtFrom_;
};

// A caption a window keeps in `label`, made with its objectName and text.
struct NamedCaption {
    QLabel *&label;
    const char *name;
    const char *text;
};

// A field a window keeps in `field`, made with its objectName.
struct NamedField {
    QLineEdit *&field;
    const char *name;
};

// The row of amount, interest, years and part-year fields a table window starts
// with: the captions first, in the order given, then the four fields at their
// widths. That is the order the Alt keys are handed out in.
void BuildLoanFieldRow(QWidget *window, std::initializer_list<NamedCaption> captions, NamedField amount,
                       NamedField rate, NamedField years, NamedField part);

// The main window's loan with a window's own amount, rate and term.
LoanTexts LoanWithFields(const MainLoan &main, const QLineEdit *amount, const QLineEdit *rate,
                         const QLineEdit *years, const QLineEdit *part);

// Asks for the CSV file (default "<title>.csv"), asks before replacing one, and
// writes it whole or not at all; a failure is shown to the user. False when
// nothing was written.
bool ExportTableCsv(QWidget *parent, const QString &title, const TableSource &table);

// A table the user can select in and copy from: a range by mouse or Shift+arrows,
// Ctrl+A for all, Ctrl+C copies it with its headings as tab-separated lines that a
// spreadsheet pastes as cells. Its context menu copies or exports.
class TableView : public QTableView {
    Q_OBJECT
public:
    explicit TableView(QWidget *parent);
    // The headings a copy starts with, one per column; the view's header when unset.
    std::function<QStringList()> headings;
    // "Export…" in the context menu; left out while unset.
    std::function<void()> exportTable;

    QString SelectedText() const;
    QString AllText() const;
    void CopySelection() const;
    void CopyAll() const;
    // The context menu as it is shown at a right click.
    QMenu *ContextMenu();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QString Text(const std::vector<int> &rows, const std::vector<int> &columns) const;
    QStringList Headings() const;
};

// Draws a cell's text in a smaller font when it is wider than the cell, so a large
// figure is never shown cut.
class FittingDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit FittingDelegate(QObject *parent);
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

// A grid with fixed column widths and row height (given at the design's text size),
// a vertical scroll bar only, and no headings of its own unless asked.
TableView *GridView(const QString &name, QAbstractItemModel *model,
                    const std::vector<int> &columnWidths, int rowHeight, QWidget *parent);

// Holds a grid and the raised panels that head its columns. It shows whole rows
// only, and grows with an enlarged window: more rows when taller, wider columns
// when wider. At the window's own size the columns keep their widths.
class GridArea : public QWidget {
    Q_OBJECT
public:
    // Widths and row height at the design's text size, as GridView takes them.
    GridArea(QTableView *view, std::vector<int> columnWidths, int rowHeight, QWidget *parent);
    // Panels over the columns in order, then the one over the scroll bar.
    void SetHeadingPanels(std::vector<QLabel *> panels, int minimumHeight);
    // The grid stands in the middle of the area instead of at its left.
    void SetCentred(bool centred) { centred_ = centred; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Arrange();
    int HeadingHeight(const std::vector<int> &widths) const;
    int FixedHeight() const;

    QTableView *view_;
    std::vector<int> columnWidths_;
    int rowHeight_;
    std::vector<QLabel *> panels_;
    int minimumHeadingHeight_ = 0;
    bool centred_ = false;
};

// Pixels the grid needs for its columns and its scroll bar.
int GridWidth(const std::vector<int> &columnWidths);

// The main window's frequencies and timing at the head of a table report.
ReportLoan MainFrequencies(const MainLoan &main);
