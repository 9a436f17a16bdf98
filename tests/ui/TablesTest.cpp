// SPDX-License-Identifier: GPL-3.0-or-later
// The three table windows as a user of a spreadsheet expects them: they grow with
// the window, and a selected range copies with its headings.
#include "tests/ui/UiFixture.h"
#include "engine/Schedule.h"
#include "engine/MortgageGrid.h"
#include "engine/AdditionalPayments.h"

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTest>

namespace {

QStringList ActionTexts(QMenu *menu)
{
    QStringList texts;
    for (QAction *action : menu->actions())
        if (!action->isSeparator())
            texts << action->text().remove('&');
    return texts;
}

QAction *ActionNamed(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions())
        if (action->text().remove('&') == text)
            return action;
    return nullptr;
}

void Select(QTableView *view, int top, int left, int bottom, int right)
{
    view->selectionModel()->select(
        QItemSelection(view->model()->index(top, left), view->model()->index(bottom, right)),
        QItemSelectionModel::ClearAndSelect);
}

} // namespace

class TableWindows : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        TypeLoan("100000", "25", "6");
        QGuiApplication::clipboard()->clear();
    }

    static QString Clipboard() { return QGuiApplication::clipboard()->text(); }
};

// At its own size a window shows whole rows; enlarged, more whole rows and wider
// columns; it keeps the size for its next opening.
TEST_F(TableWindows, EnlargingAWindowGrowsItsTableAndIsRemembered)
{
    struct Case {
        QDialog *window;
        QTableView *view;
        QSize own;
        int rowHeight;
        std::function<void(const std::function<void()> &)> open;
    };
    const std::vector<Case> cases{
        {windows().schedule, windows().schedule->MSGrid, {534, 377}, 18,
         [&](const std::function<void()> &f) { OpenSchedule([&](TMSCHEDULE *) { f(); }); }},
        {windows().grid, windows().grid->MGrid, {575, 400}, 20,
         [&](const std::function<void()> &f) { OpenGrid([&](TMORTAGEGRID *) { f(); }); }},
        {windows().additional, windows().additional->APGrid, {537, 382}, 18,
         [&](const std::function<void()> &f) { OpenAdditional([&](TAdditionalP *) { f(); }); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(S(c.window->objectName()));
        int ownRows = 0;
        int firstColumn = 0;
        c.open([&] {
            EXPECT_EQ(c.window->size(), c.own);
            EXPECT_EQ(c.window->minimumSize(), c.own);
            const int viewport = c.view->viewport()->height();
            EXPECT_EQ(viewport % c.rowHeight, 0) << viewport;
            ownRows = viewport / c.rowHeight;
            EXPECT_GE(ownRows, 9);
            firstColumn = c.view->columnWidth(0);
            c.window->resize(c.own + QSize(300, 360));
            Settle();
            EXPECT_EQ(c.view->viewport()->height() % c.rowHeight, 0);
            EXPECT_GE(c.view->viewport()->height() / c.rowHeight, ownRows + 360 / c.rowHeight - 1);
            EXPECT_GT(c.view->columnWidth(0), firstColumn);
            // The table fills the wider window, its scroll bar at the right.
            EXPECT_GE(c.view->width(), c.window->width() - 20);
            c.window->resize(c.own - QSize(100, 100)); // never smaller than its own size
            Settle();
            EXPECT_EQ(c.window->size(), c.own);
            EXPECT_EQ(c.view->viewport()->height() / c.rowHeight, ownRows);
            EXPECT_EQ(c.view->columnWidth(0), firstColumn);
            c.window->resize(c.own + QSize(40, 90));
        });
        c.open([&] {
            EXPECT_EQ(c.window->size(), c.own + QSize(40, 90));
            EXPECT_EQ(c.view->viewport()->height() % c.rowHeight, 0);
            EXPECT_GT(c.view->viewport()->height() / c.rowHeight, ownRows);
        });
    }
    EXPECT_TRUE(platform.messages.empty()) << S(platform.LastMessage());
}

TEST_F(TableWindows, ScheduleCopiesTheSelectedRangeWithItsHeadings)
{
    OpenSchedule([&](TMSCHEDULE *schedule) {
        TableView *grid = schedule->MSGrid;
        Select(grid, 0, 1, 1, 2);
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(Clipboard(), "Interest\tCapital Reduction\n$5,951.57\t$1,780.15\n$5,841.78\t$1,889.94\n");

        // Shift+arrows stretch the selection from the current cell.
        grid->clearSelection();
        grid->setCurrentIndex(grid->model()->index(23, 0));
        QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(grid, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(Clipboard(), "Year\tInterest\n24\t$680.11\n25\t$245.19\n");

        QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = Clipboard().split('\n');
        ASSERT_EQ(lines.size(), 27); // headings, 25 years, and the empty end after the last line end
        EXPECT_EQ(lines[0], "Year\tInterest\tCapital Reduction\tOutstanding Balance\tAccumulated Interest\t"
                            "Accumulated Capital");
        EXPECT_EQ(lines[25], "25\t$245.19\t$7,480.68\t$0.00\t$93,287.15\t$100,000.00");

        // By period the first heading is the period's name.
        schedule->Month->click();
        Select(grid, 299, 0, 299, 0);
        grid->CopySelection();
        EXPECT_EQ(Clipboard(), "Month\n300\n");
    });
    windows().schedule->Year->click();
}

TEST_F(TableWindows, ContextMenuCopiesOrCopiesAll)
{
    OpenSchedule([&](TMSCHEDULE *schedule) {
        TableView *grid = schedule->MSGrid;
        grid->clearSelection();
        QMenu *menu = grid->ContextMenu();
        EXPECT_EQ(ActionTexts(menu), (QStringList{"Copy", "Copy All", "Export\u2026"}));
        EXPECT_FALSE(ActionNamed(menu, "Copy")->isEnabled()); // nothing selected
        ActionNamed(menu, "Copy All")->trigger();
        EXPECT_EQ(Clipboard(), grid->AllText());
        EXPECT_EQ(Clipboard().count('\n'), 26);

        Select(grid, 4, 3, 4, 3);
        menu = grid->ContextMenu();
        ASSERT_TRUE(ActionNamed(menu, "Copy")->isEnabled());
        ActionNamed(menu, "Copy")->trigger();
        EXPECT_EQ(Clipboard(), "Outstanding Balance\n$89,931.52\n");
    });
}

TEST_F(TableWindows, GridAndAdditionalPaymentsCopyWithTheirHeadings)
{
    OpenGrid([&](TMORTAGEGRID *grid) {
        const int entered = grid->EnteredAmountRow() - 1; // model rows leave out the heading row
        Select(grid->MGrid, entered, 0, entered + 1, 4);
        QTest::keyClick(grid->MGrid, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(Clipboard(), "Amt/Int\t5.25%\t5.5%\t5.75%\t6%\n"
                               "$100,000\t$599.25\t$614.09\t$629.11\t$644.31\n"
                               "$102,000\t$611.24\t$626.37\t$641.69\t$657.19\n");
    });
    OpenAdditional([&](TAdditionalP *additional) {
        Select(additional->APGrid, 1, 0, 1, 4);
        additional->APGrid->CopySelection();
        EXPECT_EQ(Clipboard(), "Years to pay off Mortgage\tAdditional Monthly Payment Required\t"
                               "Total Monthly Payment\tTotal Interest\tInterest Saved\n"
                               "24\t$11.67\t$655.98\t$88,921.00\t$4,366.04\n");
    });
}

// The entered row and rate are coloured; a selection over them must still show.
TEST_F(TableWindows, SelectionShowsOnTheGridsColouredCells)
{
    OpenGrid([&](TMORTAGEGRID *grid) {
        TableView *view = grid->MGrid;
        const int entered = grid->EnteredAmountRow() - 1;
        auto colourAt = [&](int row, int column) {
            const QRect cell = view->visualRect(view->model()->index(row, column));
            return view->viewport()->grab().toImage().pixelColor(cell.right() - 2, cell.bottom() - 2);
        };
        const QColor aqua(0, 255, 255), lightBlue(67, 213, 255), silver(192, 192, 192);
        ASSERT_EQ(colourAt(entered, 2), aqua);
        ASSERT_EQ(colourAt(entered, 4), lightBlue);
        ASSERT_EQ(colourAt(entered, 0), silver);
        Select(view, entered, 0, entered, 4);
        Settle();
        const QColor selected = colourAt(entered, 1);
        Select(view, entered + 1, 5, entered + 1, 5); // a plain cell
        Settle();
        const QColor plainSelected = colourAt(entered + 1, 5);
        EXPECT_NE(plainSelected, QColor(Qt::white));
        Select(view, entered, 0, entered, 4);
        Settle();
        for (int column : {0, 1, 4})
            EXPECT_EQ(colourAt(entered, column), plainSelected) << column;
        EXPECT_EQ(selected, plainSelected);
        EXPECT_EQ(colourAt(entered + 2, 4), aqua); // unselected marked cells keep their colour
    });
}

// The three table models behave as Qt's views expect, empty, filled and refilled.
TEST(TableModels, PassQtsModelChecks)
{
    Loan loan;
    loan.amount = 100000;
    loan.rate = 6;
    loan.years = 25;
    loan.part = 3;
    ScheduleModel schedule;
    QAbstractItemModelTester scheduleCheck(&schedule, QAbstractItemModelTester::FailureReportingMode::Fatal);
    schedule.SetRows(BuildSchedule(loan, ScheduleBy::Period));
    schedule.SetRows(BuildSchedule(loan, ScheduleBy::Year));
    EXPECT_EQ(schedule.rowCount(), 26);

    MortgageGridModel grid;
    QAbstractItemModelTester gridCheck(&grid, QAbstractItemModelTester::FailureReportingMode::Fatal);
    grid.SetGrid(BuildMortgageGrid(loan, 2000, 0.25));
    EXPECT_GT(grid.rowCount(), 0);

    AdditionalPaymentModel additional;
    QAbstractItemModelTester additionalCheck(&additional, QAbstractItemModelTester::FailureReportingMode::Fatal);
    additional.SetRows(BuildAdditionalPaymentGrid(loan).rows);
    additional.SetRows({});
    EXPECT_EQ(additional.rowCount(), 0);
}
