// SPDX-License-Identifier: GPL-3.0-or-later
// No caption or figure is shown cut off, whatever the frequency or the size of the loan.
#include "engine/MortgageFunctions.h"
#include "tests/common/FrequencyCases.h"
#include "tests/ui/ShownWhole.h"
#include "tests/ui/UiFixture.h"

#include <QFontMetrics>

using CutTexts = UiTest;

class CutTextsByFrequency : public UiTest, public testing::WithParamInterface<int> {};

TEST_P(CutTextsByFrequency, EveryCaptionOfTheMortgageTabIsWhole)
{
    main().show();
    ChoosePayment("Monthly");
    QApplication::processEvents();
    const QRect right = main().Panel1->geometry();
    const QString frequency = FrequencyTexts()[GetParam()];
    ChoosePayment(frequency);
    QApplication::processEvents();
    for (QLabel *label : main().TabSheet1->findChildren<QLabel *>())
        EXPECT_TRUE(ShowsWhole(label)) << S(frequency);
    for (QGroupBox *group : main().TabSheet1->findChildren<QGroupBox *>())
        EXPECT_GE(group->width(), group->minimumSizeHint().width()) << S(group->title());
    // The results column stays put when the part-year field comes and goes.
    EXPECT_EQ(main().Panel1->geometry(), right) << S(frequency);
}

TEST_P(CutTextsByFrequency, EveryCaptionOfTheWhatIfTabIsWhole)
{
    main().show();
    main().PageControl1->setCurrentWidget(main().TabSheet2);
    const QString frequency = FrequencyTexts()[GetParam()];
    main().WIPayment->setCurrentText(frequency);
    emit main().WIPayment->activated(main().WIPayment->currentIndex());
    QApplication::processEvents();
    for (QLabel *label : main().TabSheet2->findChildren<QLabel *>())
        EXPECT_TRUE(ShowsWhole(label)) << S(frequency);
}

INSTANTIATE_TEST_SUITE_P(EveryFrequency, CutTextsByFrequency, EveryFrequency(), FrequencyNamed());

TEST_F(CutTexts, DisabledEditsLookDisabled)
{
    TADDMONTHLYR *specific = windows().specific;
    specific->Now->setChecked(true);
    ASSERT_FALSE(specific->Year->isEnabled());
    ASSERT_FALSE(specific->StartMonth->isEnabled());
    for (QLineEdit *edit : {specific->Year, specific->StartMonth}) {
        const QColor shown = edit->palette().color(QPalette::Disabled, QPalette::Base);
        EXPECT_NE(shown, edit->palette().color(QPalette::Active, QPalette::Base)) << S(edit->objectName());
    }
    specific->RadioButton2->setChecked(true);
    EXPECT_TRUE(specific->Year->isEnabled());
    EXPECT_EQ(specific->Year->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::white));
}

TEST_F(CutTexts, TheLargestSavingsFiguresAreShownWhole)
{
    main().show();
    main().PageControl1->setCurrentWidget(main().TabSheet3);
    const QRect ordinary = main().textra->geometry();
    main().MSavingsAmount->setText("999999999");
    main().mperiod->setText("50");
    main().minterest->setText("100");
    main().reducedperiod->setText("1");
    main().investrate->setText("100");
    QApplication::processEvents();
    ASSERT_TRUE(platform.messages.empty()) << S(platform.MessageTexts().join(" | "));
    ASSERT_GE(main().textra->text().size(), 11) << S(main().textra->text());
    for (QLabel *label : main().TabSheet3->findChildren<QLabel *>())
        EXPECT_TRUE(ShowsWhole(label));
    EXPECT_EQ(main().textra->pos(), ordinary.topLeft()); // it grows to the right only
}

namespace {

// Every cell's text, in the font its cell is drawn with, fits the cell.
void ExpectCellsWhole(const QTableView *view)
{
    const QAbstractItemModel *model = view->model();
    const int margin = Look::CellTextMargin(view);
    for (int r = 0; r < model->rowCount(); ++r)
        for (int c = 0; c < model->columnCount(); ++c) {
            const QString text = model->index(r, c).data().toString();
            const int room = view->columnWidth(c) - 2 * margin;
            const QFont font = Look::FittingFont(view->font(), text, room);
            ASSERT_LE(QFontMetrics(font).horizontalAdvance(text), room)
                << S(view->objectName()) << " row " << r << " column " << c << ": " << S(text);
            ASSERT_GE(font.pointSizeF(), 5.0) << S(text); // the smallest the fitting goes
        }
}

} // namespace

TEST_F(CutTexts, TheLargestFiguresFitTheirTableCells)
{
    TypeLoan("999999999", "50", "100");
    ChoosePayment("Annualy");
    main().SpeedButton2->click();
    ASSERT_GT(windows().schedule->MSGrid->model()->rowCount(), 0);
    EXPECT_TRUE(windows().schedule->MSGrid->model()->index(0, 1).data().toString().size() >= 16);
    ExpectCellsWhole(windows().schedule->MSGrid);

    main().MortgageGridBtn->click();
    ExpectCellsWhole(windows().grid->MGrid);

    windows().options->Grid->setChecked(true);
    platform.modalActions.insert("APOPTIONS", [&](QDialog *) { windows().options->BitBtn2->click(); });
    main().SpeedButton3->click();
    ASSERT_GT(windows().additional->APGrid->model()->rowCount(), 0);
    ExpectCellsWhole(windows().additional->APGrid);
    EXPECT_TRUE(platform.messages.empty()) << S(platform.MessageTexts().join(" | "));
}

TEST_F(CutTexts, AFittingFontIsNeverLargerAndFitsWhenItCan)
{
    const QFont base = Look::UiFont(9);
    const QString figure = "$999,999,999,999.99";
    const int wide = QFontMetrics(base).horizontalAdvance(figure);
    EXPECT_EQ(Look::FittingFont(base, figure, wide + 5).pointSizeF(), base.pointSizeF());
    const QFont smaller = Look::FittingFont(base, figure, wide * 3 / 4);
    EXPECT_LT(smaller.pointSizeF(), base.pointSizeF());
    EXPECT_LE(QFontMetrics(smaller).horizontalAdvance(figure), wide * 3 / 4);
    EXPECT_GE(Look::FittingFont(base, figure, 1).pointSizeF(), 5.0);
}
