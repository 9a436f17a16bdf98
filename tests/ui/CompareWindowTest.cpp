// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/common/TestFiles.h"
#include "tests/ui/UiFixture.h"

#include "platform/HelpViewer.h"
#include "storage/SavingLoading.h"

#include "ui/windows/CompareUnit.h"

#include <QAction>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTemporaryDir>

namespace {

PaymentPlan ExtraFromTheStart(double extra)
{
    PaymentPlan plan;
    plan.events.push_back(PlanEvent{PlanEventKind::Extra, extra, 1, 0, false});
    return plan;
}

class CompareWindow : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        TypeLoan("100000", "25", "6");
    }

    TCompare *compare() { return windows().compare; }

    // Adds the Mortgage tab's loan as it is after typing these.
    void AddLoan(const QString &amount, const QString &years, const QString &rate)
    {
        TypeLoan(amount, years, rate);
        compare()->AddBtn->click();
    }

    QStringList Names()
    {
        QStringList names;
        for (const ComparedLoan &c : main().Compared())
            names << c.name;
        return names;
    }

    QString Cell(ComparisonRow row, int column)
    {
        return compare()->Model()->index(static_cast<int>(row), column).data().toString();
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(CompareWindow, OpensFromTheToolbarAndTheFileMenuAndHasAHelpPage)
{
    int shown = 0;
    platform.modalActions.insert("Compare", [&](QDialog *) { ++shown; });
    main().CompareBtn->click();
    main().Compare1->trigger();
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(main().Compare1->text(), "&Compare Offers\u2026");
    compare()->HelpBtn->click();
    EXPECT_EQ(platform.helpTopics.back(), 10);
    EXPECT_EQ(HelpPageOfTopic(10), "compare.html");
}

TEST_F(CompareWindow, AddsTheMortgageTabsLoanWithItsPlanAndFeesUpToSix)
{
    main().SetPlan(ExtraFromTheStart(100));
    main().SetSavedFlag(true);
    compare()->AddBtn->click();
    ASSERT_EQ(main().Compared().size(), 1u);
    const ComparedLoan &first = main().Compared()[0];
    EXPECT_EQ(first.name, "Loan 1");
    EXPECT_EQ(first.loan, LoanOfTexts(LoanTexts{"100000", "25", "", "6"}));
    EXPECT_EQ(first.plan, ExtraFromTheStart(100));
    EXPECT_FALSE(main().SavedFlag()) << "a new column is a change to the file";
    EXPECT_EQ(compare()->Model()->columnCount(), 2);
    EXPECT_EQ(compare()->ChosenLoan(), 0) << "the new column is chosen";

    // A loan the schedule would refuse is told and not added.
    TypeLoan("", "25", "6");
    compare()->AddBtn->click();
    EXPECT_EQ(main().Compared().size(), 1u);
    ASSERT_EQ(platform.messages.size(), 1u);
    platform.messages.clear();

    // Fees come with the loan: a column loaded back carries them to the next one added.
    ComparedLoan withFees = first;
    withFees.fees = LoanFees{2000, 5};
    platform.messageAnswers.push_back(MessageResult::No);
    ASSERT_TRUE(main().LoadComparedLoan(withFees));
    compare()->AddBtn->click();
    ASSERT_EQ(main().Compared().size(), 2u);
    EXPECT_EQ(main().Compared()[1].fees, (LoanFees{2000, 5}));
    EXPECT_EQ(main().Compared()[1].name, "Loan 2");

    for (int more = 3; more <= MostComparedLoans; ++more)
        AddLoan("100000", QString::number(10 + more), "6");
    EXPECT_EQ(Names(), QStringList({"Loan 1", "Loan 2", "Loan 3", "Loan 4", "Loan 5", "Loan 6"}));
    platform.messages.clear();
    compare()->AddBtn->click();
    EXPECT_EQ(main().Compared().size(), 6u);
    EXPECT_TRUE(OnlyMessage().text.contains("Up to 6 loans")) << S(platform.LastMessage());
}

TEST_F(CompareWindow, ColumnsAreRenamedRemovedAndMovedAndTheChoiceFollows)
{
    AddLoan("100000", "25", "6");
    AddLoan("100000", "30", "6");
    AddLoan("100000", "20", "6");
    compare()->ChooseLoan(1);
    platform.modalActions.insert("CompareNameDialog", [&](QDialog *) {
        EXPECT_EQ(compare()->NameDialog()->NameEdit->text(), "Loan 2");
        compare()->NameDialog()->NameEdit->setText("  Bank B,\n30 years ");
        compare()->NameDialog()->OkBtn->click();
    });
    compare()->RenameBtn->click();
    EXPECT_EQ(Names(), QStringList({"Loan 1", "Bank B, 30 years", "Loan 3"})) << "no line break in a name";
    EXPECT_EQ(compare()->Model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString().left(16),
              "Bank B, 30 years");

    platform.modalActions.insert("CompareNameDialog", [&](QDialog *) {
        compare()->NameDialog()->NameEdit->setText("Never");
        compare()->NameDialog()->CancelBtn->click();
    });
    compare()->RenameBtn->click();
    EXPECT_EQ(Names().value(1), "Bank B, 30 years");

    compare()->LeftBtn->click();
    EXPECT_EQ(Names(), QStringList({"Bank B, 30 years", "Loan 1", "Loan 3"}));
    EXPECT_EQ(compare()->ChosenLoan(), 0);
    EXPECT_FALSE(compare()->LeftBtn->isEnabled());
    compare()->RightBtn->click();
    compare()->RightBtn->click();
    EXPECT_EQ(Names(), QStringList({"Loan 1", "Loan 3", "Bank B, 30 years"}));
    EXPECT_FALSE(compare()->RightBtn->isEnabled());

    compare()->RemoveBtn->click();
    EXPECT_EQ(Names(), QStringList({"Loan 1", "Loan 3"}));
    EXPECT_EQ(compare()->ChosenLoan(), 1);
    compare()->ChooseLoan(0);
    compare()->RemoveBtn->click();
    compare()->RemoveBtn->click();
    EXPECT_TRUE(main().Compared().empty());
    EXPECT_FALSE(compare()->RemoveBtn->isEnabled());
    EXPECT_FALSE(compare()->RenameBtn->isEnabled());
    // The lowest free number again.
    AddLoan("100000", "25", "6");
    EXPECT_EQ(Names(), QStringList({"Loan 1"}));
}

TEST_F(CompareWindow, AColumnIsLoadedBackIntoTheMortgageTabAfterTheUnsavedChangesQuestion)
{
    main().SetPlan(ExtraFromTheStart(50));
    AddLoan("100000", "25", "6");
    main().SetPlan(PaymentPlan());
    ChoosePayment("Fortnightly");
    main().MCompounded->setCurrentText("Daily");
    main().MAdvance->setChecked(true);
    AddLoan("250000", "30", "7.25");
    ASSERT_FALSE(main().SavedFlag());
    compare()->ChooseLoan(0);

    platform.messageAnswers.push_back(MessageResult::Cancel);
    compare()->LoadBtn->click();
    EXPECT_EQ(platform.LastMessage(), "Do you want to save your file first?");
    EXPECT_EQ(main().MAmount->text(), "250000") << "Cancel leaves the Mortgage tab as it was";
    EXPECT_EQ(main().Plan(), PaymentPlan());

    platform.messageAnswers.push_back(MessageResult::No);
    compare()->LoadBtn->click();
    EXPECT_EQ(main().MAmount->text(), "100000");
    EXPECT_EQ(main().Period->text(), "25");
    EXPECT_EQ(main().IRate->text(), "6");
    EXPECT_EQ(main().MPayment->currentText(), "Monthly");
    EXPECT_EQ(main().MCompounded->currentText(), "Monthly");
    EXPECT_TRUE(main().MArrears->isChecked());
    EXPECT_EQ(main().Plan(), ExtraFromTheStart(50));

    compare()->ChooseLoan(1);
    platform.messageAnswers.push_back(MessageResult::No);
    compare()->LoadBtn->click();
    EXPECT_EQ(LoanOfTexts(main().CurrentLoanTexts()), main().Compared()[1].loan);
    EXPECT_TRUE(main().MAdvance->isChecked());
    EXPECT_EQ(main().Plan(), PaymentPlan());
}

TEST_F(CompareWindow, ShowsEachDifferenceToTheFirstAndMarksTheCheapest)
{
    AddLoan("100000", "25", "6");
    AddLoan("100000", "25", "5.5");
    AddLoan("100000", "30", "6");
    ComparisonModel *model = compare()->Model();
    const Comparison &shown = model->Shown();
    EXPECT_EQ(shown.cheapest, 1);
    const QString heading = model->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString();
    EXPECT_EQ(heading, "Loan 2 (cheapest)");
    EXPECT_TRUE(qvariant_cast<QFont>(model->headerData(2, Qt::Horizontal, Qt::FontRole)).bold());
    EXPECT_EQ(model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Loan 1");
    EXPECT_TRUE(qvariant_cast<QFont>(model->index(static_cast<int>(ComparisonRow::Apr), 2).data(Qt::FontRole)).bold());
    EXPECT_TRUE(model->index(0, 2).data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(model->index(0, 1).data(Qt::BackgroundRole).isValid());

    EXPECT_EQ(Cell(ComparisonRow::Apr, 1), "6.17 %");
    EXPECT_TRUE(Cell(ComparisonRow::AprDifference, 1).isEmpty()) << "the first column has no difference";
    EXPECT_FALSE(Cell(ComparisonRow::AprDifference, 2).isEmpty());
    EXPECT_EQ(Cell(ComparisonRow::TotalInterestDifference, 2),
              ComparisonCellText(shown, static_cast<int>(ComparisonRow::TotalInterestDifference), 2,
                                 TextStyle::Shown()));
    const QModelIndex difference = model->index(static_cast<int>(ComparisonRow::TotalPaidDifference), 3);
    const QModelIndex figure = model->index(static_cast<int>(ComparisonRow::TotalPaid), 3);
    EXPECT_TRUE(difference.data(Qt::ForegroundRole).isValid()) << "difference rows are set apart";
    EXPECT_FALSE(figure.data(Qt::ForegroundRole).isValid());
    EXPECT_LT(qvariant_cast<QFont>(difference.data(Qt::FontRole)).pointSizeF(),
              qvariant_cast<QFont>(figure.data(Qt::FontRole)).pointSizeF());
}

TEST_F(CompareWindow, TheComparisonIsSavedWithTheFileAndReopensAsItWas)
{
    AddLoan("100000", "25", "6");
    main().SetPlan(ExtraFromTheStart(100));
    AddLoan("100000", "30", "5.75");
    const std::vector<ComparedLoan> saved = main().Compared();
    const QString path = dir.filePath("offers.QVL");
    platform.saveAnswers.push_back(path);
    main().SaveBtn->click();
    EXPECT_TRUE(main().SavedFlag());
    EXPECT_EQ(LoadMortgageFile(path).compared, saved);

    main().NewFile->trigger();
    EXPECT_TRUE(main().Compared().empty());
    platform.openAnswers.push_back(path);
    main().LoadBtn->click();
    EXPECT_EQ(main().Compared(), saved);
    EXPECT_TRUE(main().SavedFlag());
    platform.modalActions.insert("Compare", [&](QDialog *) {
        EXPECT_EQ(compare()->Model()->columnCount(), 3);
        EXPECT_EQ(compare()->Model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString().left(6), "Loan 2");
    });
    main().CompareBtn->click();
}

TEST_F(CompareWindow, CopiesTabSeparatedAndExportsTheCsvOfTheComparison)
{
    AddLoan("100000", "25", "6");
    AddLoan("100000", "30", "6");
    const Comparison comparison = Compare(main().Compared());
    compare()->CopyBtn->click();
    const QStringList copied = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(copied.size(), ComparisonRows + 1);
    EXPECT_EQ(copied[0], "\tLoan 1\tLoan 2") << "the names, never the window's mark";
    const int apr = static_cast<int>(ComparisonRow::Apr);
    EXPECT_EQ(copied[apr + 1], QStringList({ComparisonCellText(comparison, apr, 0, TextStyle::Shown()),
                                            ComparisonCellText(comparison, apr, 1, TextStyle::Shown()),
                                            ComparisonCellText(comparison, apr, 2, TextStyle::Shown())})
                                   .join('\t'));

    const QString path = dir.filePath("offers.csv");
    platform.saveAnswers.push_back(path);
    compare()->findChild<QPushButton *>("ExportBtn")->click();
    EXPECT_EQ(QString::fromUtf8(FileBytes(path)), TableCsv(ComparisonTable(comparison)));
    EXPECT_TRUE(FileBytes(path).startsWith("figure,Loan 1,Loan 2\n"));
}

TEST_F(CompareWindow, SixColumnsAtTheSmallestSizeShowWholeFiguresOrScroll)
{
    AddLoan("9999999", "25", "6");
    ChoosePayment("Weekly");
    AddLoan("9999999", "40", "19.75");
    main().SetPlan(ExtraFromTheStart(1000));
    for (int more = 3; more <= MostComparedLoans; ++more)
        AddLoan("8888888", QString::number(20 + more), "7.125");
    compare()->show();
    compare()->resize(compare()->minimumSize());
    Settle();
    EXPECT_EQ(compare()->size(), compare()->minimumSize());
    const QTableView *grid = compare()->CompareGrid;
    const ComparisonModel *model = compare()->Model();
    ASSERT_EQ(model->columnCount(), 7);
    int total = 0;
    for (int c = 0; c < model->columnCount(); ++c) {
        const int width = grid->columnWidth(c);
        total += width;
        const QString heading = model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        QFont headingFont = grid->horizontalHeader()->font();
        if (const QVariant font = model->headerData(c, Qt::Horizontal, Qt::FontRole); font.isValid())
            headingFont = qvariant_cast<QFont>(font).resolve(headingFont);
        EXPECT_LE(QFontMetrics(headingFont).horizontalAdvance(heading), width) << S(heading);
        for (int r = 0; r < model->rowCount(); ++r) {
            const QModelIndex index = model->index(r, c);
            QFont font = grid->font();
            if (const QVariant own = index.data(Qt::FontRole); own.isValid())
                font = qvariant_cast<QFont>(own).resolve(font);
            const QString text = index.data().toString();
            EXPECT_LE(QFontMetrics(font).horizontalAdvance(text) + 4, width) << S(text) << " in column " << c;
        }
    }
    if (total > grid->viewport()->width()) {
        EXPECT_TRUE(grid->horizontalScrollBar()->isVisible()) << "wider than the window: the table scrolls";
    }
    compare()->hide();
}
