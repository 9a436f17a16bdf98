// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in the windows: the tree Qt's accessibility bridge
// hands on over AT-SPI, read here without a bus.
#include "tests/ui/UiFixture.h"

#include "engine/TableTexts.h"
#include "platform/QtPlatform.h"
#include "ui/windows/CompareUnit.h"
#include "ui/windows/PaymentPlanUnit.h"
#include "ui/windows/WindowKit.h"

#include <QAccessible>
#include <QMessageBox>
#include <QTableWidget>
#include <QTimer>


#include <vector>

namespace {

// Every interface under `top`, found only by walking children, as a screen reader
// does. A table's cells are left out: they are reached through its table interface.
void Walk(QAccessibleInterface *top, std::vector<QAccessibleInterface *> &found)
{
    found.push_back(top);
    if (top->role() == QAccessible::Table)
        return;
    for (int i = 0; i < top->childCount(); ++i)
        if (QAccessibleInterface *child = top->child(i))
            Walk(child, found);
}

std::vector<QAccessibleInterface *> TreeOf(QWidget *window)
{
    std::vector<QAccessibleInterface *> found;
    Walk(QAccessible::queryAccessibleInterface(window), found);
    return found;
}

// The interface the tree holds for `widget`; null when the walk does not reach it.
QAccessibleInterface *InTree(QWidget *window, QWidget *widget)
{
    for (QAccessibleInterface *node : TreeOf(window))
        if (node->object() == widget)
            return node;
    return nullptr;
}

QString WholeText(QAccessibleInterface *node)
{
    QAccessibleTextInterface *text = node->textInterface();
    return text ? text->text(0, text->characterCount()) : QStringLiteral("<no text interface>");
}

// A figure as AT-SPI hands it on: named by its caption, read-only, the figure as its
// value and as its text.
void ExpectFigure(QWidget *window, QWidget *field, const QString &name, const QString &figure)
{
    SCOPED_TRACE(S(field->objectName()));
    QAccessibleInterface *node = InTree(window, field);
    ASSERT_NE(node, nullptr) << "not reached from the window";
    EXPECT_EQ(node->role(), QAccessible::EditableText);
    EXPECT_TRUE(node->state().readOnly);
    EXPECT_EQ(S(node->text(QAccessible::Name)), S(name));
    EXPECT_EQ(S(node->text(QAccessible::Value)), S(figure));
    EXPECT_EQ(S(WholeText(node)), S(figure));
}

// Each column of `view` named by `headings`, in the table and in its cells.
void ExpectColumnHeadings(QAbstractItemView *view, const QStringList &headings)
{
    SCOPED_TRACE(S(view->objectName()));
    // Without a bridge listening, a view keeps the cells it made before its model
    // changed; the bridge would have had them dropped.
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(view)));
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(view);
    ASSERT_NE(table, nullptr);
    QAccessibleTableInterface *cells = table->tableInterface();
    ASSERT_NE(cells, nullptr);
    ASSERT_EQ(cells->columnCount(), headings.size());
    ASSERT_GT(cells->rowCount(), 0);
    for (int c = 0; c < headings.size(); ++c) {
        EXPECT_EQ(S(cells->columnDescription(c)), S(headings[c]));
        QAccessibleInterface *cell = cells->cellAt(0, c);
        ASSERT_NE(cell, nullptr);
        const QList<QAccessibleInterface *> header = cell->tableCellInterface()->columnHeaderCells();
        const QString name = header.isEmpty() ? QString() : header[0]->text(QAccessible::Name);
        // Qt makes these header cells for the caller and does not keep them.
        for (QAccessibleInterface *made : header)
            QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(made));
        ASSERT_EQ(header.size(), 1) << "column " << c;
        EXPECT_EQ(S(name), S(headings[c]));
    }
}

} // namespace

class Accessibility : public UiTest {};

TEST_F(Accessibility, TheMainWindowsFiguresAreReadUnderTheirCaptions)
{
    TypeLoan("100000", "25", "6");
    main().CalMortBtn->click();
    ExpectFigure(&main(), main().MonthlyRepayment, "Monthly Mortgage Payment is", "$644.31");
    ExpectFigure(&main(), main().TotalInterest, "Total Interest Charges are:", "$93,287.04");

    // The caption follows the frequency, and so does the name.
    ChoosePayment("FortNightly");
    main().CalMortBtn->click();
    QAccessibleInterface *repayment = InTree(&main(), main().MonthlyRepayment);
    ASSERT_NE(repayment, nullptr);
    EXPECT_EQ(S(repayment->text(QAccessible::Name)), S(main().Panel1->title().trimmed()));
    EXPECT_NE(S(repayment->text(QAccessible::Name)), "Monthly Mortgage Payment is");
    EXPECT_EQ(S(repayment->text(QAccessible::Value)), S(main().MonthlyRepayment->text()));

    // The field What If? solves is read-only and light blue; it is read the same way.
    main().PageControl1->setCurrentWidget(main().TabSheet2);
    main().PaymentRB->setChecked(true);
    main().WIPrincipal->setText("100000");
    main().WIPeriods->setText("25");
    main().WIInterest->setText("6");
    main().SpeedButton4->click();
    ASSERT_EQ(main().WIRepay->text(), "644.3015");
    QAccessibleInterface *solved = InTree(&main(), main().WIRepay);
    ASSERT_NE(solved, nullptr);
    EXPECT_TRUE(solved->state().readOnly);
    EXPECT_FALSE(solved->text(QAccessible::Name).isEmpty());
    EXPECT_EQ(S(solved->text(QAccessible::Value)), "644.3015");
    EXPECT_EQ(S(WholeText(solved)), "644.3015");
}

TEST_F(Accessibility, EveryResultPanelAndResultFieldOfEveryWindowHasANameAndReadsItsFigure)
{
    TypeLoan("100000", "25", "6");
    main().CalMortBtn->click();
    main().Windows(); // made after the first frame otherwise
    // Filled with a figure of its own, so that each shows it reads what it shows.
    int panels = 0;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        for (ResultPanel *panel : window->findChildren<ResultPanel *>()) {
            SCOPED_TRACE(S(window->objectName() + QLatin1Char('.') + panel->objectName()));
            panel->setText(QStringLiteral("$1,234.56"));
            QAccessibleInterface *node = QAccessible::queryAccessibleInterface(panel);
            ASSERT_NE(node, nullptr);
            EXPECT_FALSE(node->text(QAccessible::Name).trimmed().isEmpty());
            EXPECT_FALSE(node->text(QAccessible::Name).contains(QLatin1Char('&')));
            EXPECT_EQ(S(node->text(QAccessible::Value)), "$1,234.56");
            EXPECT_EQ(S(WholeText(node)), "$1,234.56");
            EXPECT_TRUE(node->state().readOnly);
            ++panels;
        }
        for (QLineEdit *field : window->findChildren<QLineEdit *>()) {
            if (!field->isReadOnly() || !field->isVisibleTo(window))
                continue;
            SCOPED_TRACE(S(window->objectName() + QLatin1Char('.') + field->objectName()));
            QAccessibleInterface *node = QAccessible::queryAccessibleInterface(field);
            EXPECT_FALSE(node->text(QAccessible::Name).trimmed().isEmpty());
            EXPECT_EQ(S(node->text(QAccessible::Value)), S(field->text()));
        }
    }
    EXPECT_GE(panels, 25);
}

TEST_F(Accessibility, TheFiguresOfTheOtherWindowsAreReadUnderTheirCaptions)
{
    TypeLoan("100000", "25", "6");
    OpenSchedule([&](TMSCHEDULE *schedule) {
        ExpectFigure(schedule, schedule->MSMonthlyRepayment, "Monthly Payment", "$644.31");
    });
    OpenAdditional([&](TAdditionalP *additional) {
        ExpectFigure(additional, additional->APMonthlyR,
                     additional->Label5->text() + QLatin1Char(' ') + additional->Label12->text(), "$644.31");
    });
    platform.modalActions.insert("PaymentPlan", [&](QDialog *) {
        Settle();
        TPaymentPlan *plan = windows().plan;
        ExpectFigure(plan, plan->PaymentsMade, "Payments made", "300");
        ExpectFigure(plan, plan->InterestWithout, "Total interest without the plan", "$93,287.04");
        ExpectFigure(plan, plan->PaidOff, "Paid off in", "25 years");
        ExpectFigure(plan, plan->RepaymentAtEnd, Keyboard::Plain(plan->RepaymentLabel->text()), "$644.31");
    });
    main().PaymentPlanBtn->click();
}

TEST_F(Accessibility, EveryTablesColumnsAreNamedByTheirHeadings)
{
    TypeLoan("100000", "25", "6");
    main().CalMortBtn->click();
    OpenSchedule([&](TMSCHEDULE *schedule) {
        const QStringList headings = schedule->MSGrid->headings();
        EXPECT_EQ(S(headings[0]), "Year");
        ExpectColumnHeadings(schedule->MSGrid, headings);
    });
    OpenAdditional([&](TAdditionalP *additional) {
        const QStringList headings = additional->APGrid->headings();
        EXPECT_EQ(S(headings[0]), "Years to pay off Mortgage");
        ExpectColumnHeadings(additional->APGrid, headings);
    });
    OpenGrid([&](TMORTAGEGRID *grid) {
        QStringList headings;
        for (int c = 0; c < grid->MGrid->model()->columnCount(); ++c)
            headings << grid->Model()->CellText(c, 0);
        EXPECT_EQ(S(headings[0]), "Amt/Int");
        ExpectColumnHeadings(grid->MGrid, headings);
    });
    platform.modalActions.insert("PaymentPlan", [&](QDialog *) {
        Settle();
        TPaymentPlan *plan = windows().plan;
        ExpectColumnHeadings(plan->PlanGrid, PlanHeadings(true, TextStyle::Shown()));
        plan->ByPayment->click();
        ExpectColumnHeadings(plan->PlanGrid, PlanHeadings(false, TextStyle::Shown()));
    });
    PaymentPlan extra;
    extra.events.push_back(PlanEvent{PlanEventKind::Extra, 100, 1, 0, false});
    main().SetPlan(extra);
    main().PaymentPlanBtn->click();
    QTableWidget *events = windows().plan->PlanEvents;
    ExpectColumnHeadings(events, {"Kind", "Amount or rate", "From", "To / afterwards"});

    windows().compare->AddBtn->click();
    platform.modalActions.insert("Compare", [&](QDialog *) {
        Settle();
        TCompare *compare = windows().compare;
        // Its own header shows the names, the cheapest marked.
        QStringList headings;
        for (int c = 0; c < compare->Model()->columnCount(); ++c)
            headings << compare->Model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        EXPECT_TRUE(headings[1].startsWith("Loan 1")) << S(headings[1]);
        ExpectColumnHeadings(compare->CompareGrid, headings);
    });
    main().CompareBtn->click();
}

TEST_F(Accessibility, ThePayOffSentenceIsRead)
{
    TypeLoan("100000", "25", "6");
    windows().options->Specific->setChecked(true);
    platform.modalActions.insert("APOPTIONS", [&](QDialog *) { windows().options->BitBtn2->click(); });
    platform.modalActions.insert("ADDMONTHLYR", [&](QDialog *) {
        TADDMONTHLYR *specific = windows().specific;
        specific->AdditionalMR->setText("100");
        specific->BitBtn1->click();
        const QString sentence = specific->NewPeriod->text();
        ASSERT_FALSE(sentence.isEmpty());
        QAccessibleInterface *node = InTree(specific, specific->NewPeriod);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(S(node->text(QAccessible::Name)), S(sentence));
        ExpectFigure(specific, specific->InterestSaved, "Interest Saved", "$27,037.22");
    });
    main().SpeedButton3->click();
}

TEST_F(Accessibility, AMessageBoxsTextIsRead)
{
    QtPlatform desktop;
    const QString text = QStringLiteral("The Loan Period must be greater than zero.");
    bool box = false, read = false;
    QTimer::singleShot(0, [&] {
        auto *shown = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!shown)
            return;
        box = true;
        for (QAccessibleInterface *node : TreeOf(shown))
            read = read || node->text(QAccessible::Name) == text;
        shown->done(QMessageBox::Ok);
    });
    desktop.ShowMessage(&main(), text, MessageKind::Information, MessageButtons::Ok);
    EXPECT_TRUE(box) << "shown as a message box, which the desktop's bridge announces as an alert";
    EXPECT_TRUE(read);
}
