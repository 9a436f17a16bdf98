// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/common/FrequencyCases.h"
#include "tests/ui/UiFixture.h"

#include <QImage>
#include <QPainter>

namespace {

QString Cell(QTableView *view, int row, int column)
{
    return view->model()->index(row, column).data().toString();
}

} // namespace

class AnalysisWindows : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        TypeLoan("100000", "25", "6");
    }
};

TEST_F(AnalysisWindows, ScheduleOpensWithTheWorkedRows)
{
    TMSCHEDULE *schedule = windows().schedule;
    bool seen = false;
    platform.modalActions.insert("MSCHEDULE", [&](QDialog *) {
        seen = true;
        EXPECT_TRUE(schedule->isVisible());
    });
    main().SpeedButton2->click();
    EXPECT_TRUE(seen);
    EXPECT_EQ(platform.modalWindows, QStringList{"MSCHEDULE"});
    EXPECT_EQ(schedule->windowTitle(), "Mortgage Schedule");
    EXPECT_EQ(schedule->HeadingLabel->text(), "Mortgage Schedule");
    EXPECT_EQ(schedule->MSAmount->text(), "100000");
    EXPECT_EQ(schedule->MSInterest->text(), "6");
    EXPECT_EQ(schedule->MSPeriod->text(), "25");
    EXPECT_EQ(schedule->MSMonthlyRepayment->text(), "$644.31");
    EXPECT_EQ(schedule->Label4->text(), "Monthly Payment");
    EXPECT_EQ(Keyboard::Plain(schedule->Month->text()), "Month");
    EXPECT_EQ(schedule->Label10->text(), "Year");
    EXPECT_EQ(Keyboard::Plain(schedule->Label11->text()), "Month(s)");
    QTableView *grid = schedule->MSGrid;
    ASSERT_EQ(grid->model()->rowCount(), 25);
    const QStringList row1{"1", "$5,951.57", "$1,780.15", "$98,219.85", "$5,951.57", "$1,780.15"};
    const QStringList row25{"25", "$245.19", "$7,480.68", "$0.00", "$93,287.15", "$100,000.00"};
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(Cell(grid, 0, c), row1[c]);
        EXPECT_EQ(Cell(grid, 24, c), row25[c]);
    }
    const int widths[] = {65, 77, 84, 87, 98, 93};
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(grid->columnWidth(c), widths[c]);
    EXPECT_EQ(grid->rowHeight(0), 18);
    EXPECT_EQ(schedule->Label12->text(),
              "Please note that small differences in interest between the schedule and the main "
              "screen are due to rounding to two decimal places on the schedule.");
}

class ScheduleCaptions : public AnalysisWindows, public testing::WithParamInterface<int> {};

TEST_P(ScheduleCaptions, FollowThePaymentFrequency)
{
    const char *options[] = {"", "Half Year", "Quarter", "Month", "1/2 Month", "Fortnight", "Week", "Day"};
    const char *captions[] = {"Annual Payment", "Half Year Payment", "Quarterly Payment", "Monthly Payment",
                              "Half Month Payment", "FortNightly Payment", "Weekly Payment", "Daily Payment"};
    TMSCHEDULE *schedule = windows().schedule;
    const int k = GetParam();
    ChoosePayment(FrequencyTexts()[k]);
    main().SpeedButton2->click();
    EXPECT_EQ(schedule->Label4->text(), captions[k]);
    EXPECT_EQ(schedule->Month->isVisibleTo(schedule), k != 0);
    if (k != 0) {
        EXPECT_EQ(Keyboard::Plain(schedule->Month->text()), options[k]);
    }
    EXPECT_EQ(Keyboard::Plain(schedule->Label11->text()), main().PartYearCaption());
    EXPECT_TRUE(platform.messages.empty()) << S(platform.LastMessage());
}

INSTANTIATE_TEST_SUITE_P(EveryFrequency, ScheduleCaptions, EveryFrequency(), FrequencyNamed());

TEST_F(AnalysisWindows, ScheduleByPeriodAndRecalculationInsideTheWindow)
{
    ChoosePayment("FortNightly");
    TMSCHEDULE *schedule = windows().schedule;
    platform.modalActions.insert("MSCHEDULE", [&](QDialog *) {
        schedule->Month->click();
        EXPECT_EQ(schedule->Label10->text(), "Fortnight");
        EXPECT_EQ(schedule->MSGrid->model()->rowCount(), RunAmortisation(LoanOfTexts(main().CurrentLoanTexts())).PaymentsMade);
        schedule->MSAmount->setText("50000");
        schedule->CalculateBtn->click();
        schedule->Year->click();
        EXPECT_EQ(schedule->Label10->text(), "Year");
        schedule->MSAmount->setText("letters");
        const QString before = Cell(schedule->MSGrid, 0, 1);
        schedule->CalculateBtn->click();
        EXPECT_EQ(platform.LastMessage(), "You must enter a valid Mortgage amount between 0 and 999999999");
        EXPECT_EQ(Cell(schedule->MSGrid, 0, 1), before);
    });
    main().SpeedButton2->click();
    EXPECT_EQ(main().MAmount->text(), "100000"); // the main window is untouched
    platform.modalActions.clear();
    main().SpeedButton2->click();
    EXPECT_EQ(schedule->MSAmount->text(), "100000"); // the next opening overwrites
    EXPECT_TRUE(schedule->Year->isChecked());
}

TEST_F(AnalysisWindows, ScheduleOfTheLargestTerm)
{
    ChoosePayment("Daily");
    main().MCompounded->setCurrentText("Daily");
    TypeLoan("999999999", "50", "7", "365");
    windows().schedule->Month->setChecked(true);
    main().SpeedButton2->click();
    EXPECT_EQ(windows().schedule->MSGrid->model()->rowCount(), 18615);
    EXPECT_EQ(Cell(windows().schedule->MSGrid, 18614, 3), "$0.00");
}

TEST_F(AnalysisWindows, BadMainLoanOpensNoWindow)
{
    const struct {
        QAbstractButton *button;
        const char *amount, *rate;
        QString message;
    } cases[] = {
        {main().SpeedButton2, "x", "6", "You must enter a valid Mortgage amount between 0 and 999999999"},
        {main().SpeedButton2, "1", "0", "You must enter a valid interest rate between 0 and 100"},
        {main().MortgageGridBtn, "x", "6", "You must enter a Mortgage amount between 0 and 999999999"},
        {main().MortgageGridBtn, "1", "0", "You must enter an interest rate between 0 and 100."},
        {main().SpeedButton3, "-1", "6", "You must enter a valid Mortgage amount between 0 and 999999999"},
        {main().SpeedButton3, "1", "101", "You must enter a valid interest rate between 0 and 100"},
        {main().BitBtn9, "1e400", "6", "You must enter a valid Mortgage amount between 0 and 999999999"},
        {main().BitBtn9, "1", "", "You must enter a valid interest rate between 0 and 100"},
    };
    for (const auto &c : cases) {
        platform.Clear();
        TypeLoan(c.amount, "25", c.rate);
        c.button->click();
        EXPECT_EQ(OnlyMessage().text, c.message);
        EXPECT_EQ(platform.messages.back().kind, MessageKind::Information);
        EXPECT_TRUE(platform.modalWindows.isEmpty());
    }
    platform.Clear();
    TypeLoan("1000", "", "6");
    main().BitBtn7->click();
    EXPECT_EQ(OnlyMessage().text, "You must enter a period ");
    EXPECT_EQ(platform.messages.back().kind, MessageKind::Confirmation);
    EXPECT_TRUE(platform.modalWindows.isEmpty());
}

TEST_F(AnalysisWindows, MortgageGridOpensAroundTheEnteredLoan)
{
    TMORTAGEGRID *grid = windows().grid;
    EXPECT_EQ(grid->InterestStep->count(), 7);
    EXPECT_EQ(grid->InterestStep->currentText(), "0.25");
    EXPECT_EQ(grid->AmountStep->currentText(), "2000");
    const QStringList steps{"0.1", "0.125", "0.25", "0.5", "0.75", "1", "2"};
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(grid->InterestStep->itemText(k), steps[k]);

    int topRow = 0;
    platform.modalActions.insert("MORTAGEGRID", [&](QDialog *) { topRow = grid->TopRow(); });
    main().BitBtn7->click();
    EXPECT_EQ(grid->windowTitle(), "Mortgage Grid");
    EXPECT_EQ(grid->HeadingLabel->text(), "Mortgage Grid");
    EXPECT_EQ(grid->MAmt->text(), "100000");
    EXPECT_EQ(grid->InterestR->text(), "6");
    EXPECT_EQ(grid->Years->text(), "25");
    MortgageGridModel *model = grid->Model();
    EXPECT_EQ(model->GridRowCount(), 52);
    EXPECT_EQ(grid->EnteredAmountRow(), 26);
    EXPECT_EQ(topRow, 23);
    EXPECT_EQ(model->CellText(0, 0), "Amt/Int");
    EXPECT_EQ(model->CellText(4, 0), "6%");
    EXPECT_EQ(model->CellText(1, 0), "5.25%");
    EXPECT_EQ(model->CellText(0, 26), "$100,000");
    EXPECT_EQ(model->CellText(1, 1), "$299.63");
    EXPECT_EQ(model->CellText(4, 26), "$644.31");
    EXPECT_EQ(model->CellText(7, 51), "$1,036.37");
    EXPECT_EQ(grid->MGrid->columnWidth(0), 66);
    EXPECT_EQ(grid->MGrid->columnWidth(7), 68);
    EXPECT_EQ(grid->MGrid->rowHeight(0), 20);
}

TEST_F(AnalysisWindows, MortgageGridStepsAreKeptAndCalculateIsQuietOnBadFields)
{
    TMORTAGEGRID *grid = windows().grid;
    platform.modalActions.insert("MORTAGEGRID", [&](QDialog *) {
        grid->AmountStep->setCurrentText("10000");
        grid->SpeedButton1->click();
        EXPECT_EQ(grid->Model()->CellText(0, 1), "$50,000");
        EXPECT_EQ(grid->Model()->CellText(0, 2), "$60,000");
        const QString before = grid->Model()->CellText(1, 1);
        grid->MAmt->setText("letters");
        grid->SpeedButton1->click();
        grid->MAmt->setText("100000");
        grid->InterestR->setText("0");
        grid->SpeedButton1->click();
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_EQ(grid->Model()->CellText(1, 1), before);
        grid->InterestR->setText("6");
        grid->Years->setText("");
        grid->SpeedButton1->click();
        EXPECT_EQ(OnlyMessage().text, "You must enter a period ");
        EXPECT_EQ(grid->Model()->CellText(1, 1), before);
    });
    main().MortgageGridBtn->click();
    platform.modalActions.clear();
    main().MortgageGridBtn->click();
    EXPECT_EQ(grid->AmountStep->currentText(), "10000");
    EXPECT_EQ(grid->Model()->CellText(0, 2), "$60,000");
}

TEST_F(AnalysisWindows, MortgageGridColoursItsMarkedCells)
{
    const QRect rect(0, 0, 68, 20);
    auto colourOf = [&](int column, int row, int entered) {
        QImage image(68, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        MGridDrawCell(painter, rect, column, row, QString(), entered, QFont());
        painter.end();
        return QColor(image.pixel(60, 15));
    };
    EXPECT_EQ(colourOf(0, 5, 26), QColor(192, 192, 192));
    EXPECT_EQ(colourOf(3, 0, 26), QColor(192, 192, 192));
    EXPECT_EQ(colourOf(4, 5, 26), QColor(0, 255, 255));
    EXPECT_EQ(colourOf(2, 26, 26), QColor(0, 255, 255));
    EXPECT_EQ(colourOf(4, 26, 26), QColor(67, 213, 255));
    EXPECT_EQ(colourOf(2, 5, 26), QColor(Qt::white)); // ordinary cells keep their own drawing
}

TEST_F(AnalysisWindows, ChooserCancelOpensNothing)
{
    platform.modalActions.insert("APOPTIONS", [&](QDialog *) { windows().options->BitBtn1->click(); });
    main().SpeedButton3->click();
    EXPECT_EQ(platform.modalWindows, QStringList{"APOPTIONS"});
    EXPECT_EQ(main().MAmount->text(), "100000");
}

TEST_F(AnalysisWindows, ChooserDescriptionsSelectTheirOptionAndTheChoiceIsKept)
{
    TAPOPTIONS *options = windows().options;
    EXPECT_TRUE(options->Specific->isChecked());
    EXPECT_TRUE(options->Specific->text().isEmpty()); // captions are not shown
    EXPECT_EQ(Keyboard::Plain(options->Label2->text()),
              "Compare the additional payments required to reduce the Mortgage by different periods.");
    emit options->Label2->clicked();
    EXPECT_TRUE(options->Grid->isChecked());
    emit options->Label1->clicked();
    EXPECT_TRUE(options->Specific->isChecked());
    emit options->Label2->clicked();
    platform.modalActions.insert("APOPTIONS", [&](QDialog *) { options->BitBtn2->click(); });
    main().SpeedButton3->click();
    EXPECT_EQ(platform.modalWindows, (QStringList{"APOPTIONS", "AdditionalP"}));
    EXPECT_TRUE(options->Grid->isChecked());
}

TEST_F(AnalysisWindows, AdditionalPaymentsGridWorkedRowsAndHeadings)
{
    TAdditionalP *additional = windows().additional;
    windows().options->Grid->setChecked(true);
    platform.modalActions.insert("APOPTIONS", [&](QDialog *) { windows().options->BitBtn2->click(); });
    main().BitBtn11->click();
    EXPECT_EQ(additional->Label5->text(), "Monthly");
    EXPECT_EQ(additional->Label7->text(), "Additional Monthly Payment Required");
    EXPECT_EQ(additional->Label8->text(), "Total Monthly Payment");
    EXPECT_EQ(additional->Label10->text(), "Years to pay off Mortgage");
    EXPECT_EQ(additional->APMonthlyR->text(), "$644.31");
    QTableView *grid = additional->APGrid;
    ASSERT_EQ(grid->model()->rowCount(), 25);
    const QStringList first{"25", "$0.00", "$644.31", "$93,287.04", "$0.00"};
    const QStringList last{"1", "$7,962.34", "$8,606.65", "$3,279.71", "$90,007.33"};
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(Cell(grid, 0, c), first[c]);
        EXPECT_EQ(Cell(grid, 24, c), last[c]);
    }
    const int widths[] = {84, 135, 97, 98, 98};
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(grid->columnWidth(c), widths[c]);
}

TEST_F(AnalysisWindows, AdditionalPaymentsMarkRowsNotPaidOffEvenly)
{
    TypeLoan("100000", "50", "25");
    ChoosePayment("Weekly");
    main().MCompounded->setCurrentText("Weekly");
    OpenAdditional([&](TAdditionalP *additional) {
        QTableView *grid = additional->APGrid;
        // The rounded repayment clears the loan in 2248 payments: 44 rows, the
        // longest of them not paid off evenly in its term.
        ASSERT_EQ(grid->model()->rowCount(), 44);
        EXPECT_EQ(Cell(grid, 0, 0), "44 *");
        EXPECT_EQ(Cell(grid, 0, 3), "$980,717.72");
        EXPECT_EQ(Cell(grid, 43, 0), "1");
        EXPECT_TRUE(additional->MarkNote->isVisibleTo(additional));
        EXPECT_TRUE(additional->MarkNote->text().startsWith("* This repayment does not pay the loan off evenly"));
        EXPECT_EQ(additional->ReportInputs().markNote, additional->MarkNote->text());
        EXPECT_EQ(additional->ReportInputs().cell(0, 0), "44 *");

        // A loan every row pays off evenly has no mark and no note.
        additional->APInterest->setText("6");
        additional->APPeriod->setText("25");
        additional->SpeedButton2->click();
        EXPECT_EQ(Cell(grid, 0, 0), "25");
        EXPECT_FALSE(additional->MarkNote->isVisibleTo(additional));
        EXPECT_TRUE(additional->ReportInputs().markNote.isEmpty());
    });
    EXPECT_TRUE(platform.messages.empty()) << S(platform.LastMessage());
}

class AdditionalPaymentsWords : public AnalysisWindows, public testing::WithParamInterface<int> {};

TEST_P(AdditionalPaymentsWords, FollowThePaymentFrequency)
{
    const char *words[] = {"Yearly", "Half Year", "Quarterly", "Monthly", "1/2 Monthly", "Fortnightly", "Weekly", "Daily"};
    const char *builderWords[] = {"Annual", "Half Year", "Quarterly", "Monthly", "Half Monthly", "FortNightly", "Weekly", "Daily"};
    TAdditionalP *additional = windows().additional;
    windows().options->Grid->setChecked(true);
    const int k = GetParam();
    ChoosePayment(FrequencyTexts()[k]);
    platform.modalActions.insert("APOPTIONS", [&](QDialog *) { windows().options->BitBtn2->click(); });
    bool opened = false;
    platform.modalActions.insert("AdditionalP", [&](QDialog *) {
        opened = true;
        EXPECT_EQ(additional->Label5->text(), words[k]);
        EXPECT_EQ(additional->Label8->text(), QString("Total ") + words[k] + " Payment");
        EXPECT_EQ(additional->Label7->text(), QString("Additional ") + words[k] + " Payment Required");
        additional->SpeedButton2->click();
        EXPECT_EQ(additional->Label5->text(), builderWords[k]);
        EXPECT_EQ(additional->Label8->text(), QString("Total ") + words[k] + " Payment");
    });
    main().SpeedButton3->click();
    EXPECT_TRUE(opened);
    EXPECT_TRUE(platform.messages.empty()) << S(platform.LastMessage());
}

INSTANTIATE_TEST_SUITE_P(EveryFrequency, AdditionalPaymentsWords, EveryFrequency(), FrequencyNamed());

TEST_F(AnalysisWindows, AdditionalPaymentsCalculateChecksTheWindowsFields)
{
    TAdditionalP *additional = windows().additional;
    windows().options->Grid->setChecked(true);
    platform.modalActions.insert("APOPTIONS", [&](QDialog *) { windows().options->BitBtn2->click(); });
    platform.modalActions.insert("AdditionalP", [&](QDialog *) {
        additional->APAmount->setText("abc");
        additional->SpeedButton2->click();
        EXPECT_EQ(OnlyMessage().text, "You must enter a valid Mortgage amount between 0 and 999999999");
        EXPECT_EQ(additional->APGrid->model()->rowCount(), 25);
        additional->APAmount->setText("50000");
        additional->APPeriod->setText("10");
        additional->SpeedButton2->click();
        EXPECT_EQ(additional->APGrid->model()->rowCount(), 10);
    });
    main().SpeedButton3->click();
    EXPECT_EQ(main().MAmount->text(), "100000");
    EXPECT_EQ(main().Period->text(), "25");
}

class SpecificWindow : public AnalysisWindows {
protected:
    // Opens the specific window and runs `inside` while it is shown.
    void Open(const std::function<void(TADDMONTHLYR *)> &inside)
    {
        windows().options->Specific->setChecked(true);
        platform.modalActions.insert("APOPTIONS", [&](QDialog *) { windows().options->BitBtn2->click(); });
        platform.modalActions.insert("ADDMONTHLYR", [&, inside](QDialog *) { inside(windows().specific); });
        main().SpeedButton3->click();
    }
};

TEST_F(SpecificWindow, WorkedPaymentFromTheStart)
{
    Open([&](TADDMONTHLYR *w) {
        EXPECT_EQ(Keyboard::Plain(w->Label1->text()), "Additional Monthly Payment");
        EXPECT_EQ(Keyboard::Plain(w->Label6->text()), "and Month (1 - 12)");
        EXPECT_EQ(Keyboard::Plain(w->Now->text()), "From the start of the Mortgage");
        EXPECT_TRUE(w->Now->isChecked());
        EXPECT_FALSE(w->Year->isEnabled());
        EXPECT_FALSE(w->StartMonth->isEnabled());
        EXPECT_EQ(w->pos(), main().frameGeometry().topLeft() + QPoint(3, 120));
        w->AdditionalMR->setText("100");
        w->BitBtn1->click();
        EXPECT_EQ(w->TotalInterest->text(), "$93,287.04");
        EXPECT_EQ(w->NewInterest->text(), "$66,249.82");
        EXPECT_EQ(w->InterestSaved->text(), "$27,037.22");
        EXPECT_EQ(w->NewPeriod->text(), "You have paid off your 25 Year Mortgage in 18 Years and 8 Months");

        w->RadioButton2->setChecked(true);
        EXPECT_TRUE(w->Year->isEnabled());
        EXPECT_TRUE(w->StartMonth->isEnabled());
        w->Year->setText("6");
        w->StartMonth->setText("1");
        w->BitBtn1->click();
        EXPECT_EQ(w->NewInterest->text(), "$76,948.06");
        EXPECT_TRUE(w->NewPeriod->text().endsWith("20 Years and 6 Months"));
        w->StartMonth->setText("");
        w->BitBtn1->click();
        EXPECT_EQ(w->NewInterest->text(), "$76,948.06"); // an empty period is the first one
        w->BitBtn2->click();
    });
    EXPECT_TRUE(platform.messages.empty()) << S(platform.LastMessage());
    TADDMONTHLYR *w = windows().specific;
    for (QWidget *result : std::initializer_list<QWidget *>{w->TotalInterest, w->NewInterest, w->InterestSaved, w->NewPeriod})
        EXPECT_TRUE(static_cast<QLabel *>(result)->text().isEmpty());
    EXPECT_EQ(w->AdditionalMR->text(), "100");
    EXPECT_EQ(w->Year->text(), "6");
}

TEST_F(SpecificWindow, MessagesAndTheirKinds)
{
    Open([&](TADDMONTHLYR *w) {
        auto check = [&](const char *extra, bool inYear, const char *year, const char *period,
                         const QString &message, MessageKind kind) {
            platform.Clear();
            w->AdditionalMR->setText(extra);
            w->RadioButton2->setChecked(inYear);
            w->Now->setChecked(!inYear);
            w->Year->setText(year);
            w->StartMonth->setText(period);
            w->NewInterest->setText("kept");
            w->BitBtn1->click();
            EXPECT_EQ(OnlyMessage().text, message) << extra << " " << year << " " << period;
            EXPECT_EQ(platform.messages.back().kind, kind) << S(message);
            EXPECT_EQ(w->NewInterest->text(), "kept");
        };
        const MessageKind info = MessageKind::Information, confirm = MessageKind::Confirmation;
        check("abc", false, "", "", "You must enter a valid Mortgage amount between 0 and 999999999", info);
        check("100", true, "26", "", "You must enter a year between 1 and 25", info);
        check("100", true, "0", "", "You must enter a year.", confirm);
        check("100", true, "", "", "You must enter a year.", confirm);
        check("100", true, "-1", "", "You must enter a year between 1 and 25", confirm);
        check("100", true, "2", "13", "You must enter a Month between 1 and 12", confirm);
        check("100", true, "2", "abc", "You must enter a Month between 1 and 12", confirm);
        platform.Clear();
        // Greyed start fields left from an earlier loan do not stop a start at once.
        w->AdditionalMR->setText("100");
        w->Now->setChecked(true);
        w->Year->setText("");
        w->StartMonth->setText("13");
        w->BitBtn1->click();
        EXPECT_TRUE(platform.messages.empty()) << S(platform.LastMessage());
        EXPECT_FALSE(w->Year->isEnabled());
        EXPECT_FALSE(w->NewPeriod->text().isEmpty());
        platform.Clear();
        w->StartMonth->setText("12");
        w->RadioButton2->setChecked(true);
        w->Year->setText("2");
        w->BitBtn1->click();
        EXPECT_TRUE(platform.messages.empty());
    });
}

TEST_F(SpecificWindow, WeeklyAndYearlyCaptions)
{
    ChoosePayment("Weekly");
    Open([&](TADDMONTHLYR *w) {
        EXPECT_EQ(Keyboard::Plain(w->Label1->text()), "Additional Weekly Payment");
        EXPECT_EQ(Keyboard::Plain(w->Label6->text()), "and Week (1 - 52)");
        w->AdditionalMR->setText("10");
        w->RadioButton2->setChecked(true);
        w->Year->setText("1");
        w->StartMonth->setText("53");
        w->BitBtn1->click();
        EXPECT_EQ(OnlyMessage().text, "You must enter a Week between 1 and 52");
    });
    ChoosePayment("Annualy");
    platform.Clear();
    Open([&](TADDMONTHLYR *w) {
        EXPECT_EQ(Keyboard::Plain(w->Label1->text()), "Additional Annual Payment");
        EXPECT_FALSE(w->StartMonth->isVisibleTo(w));
        EXPECT_FALSE(w->Label6->isVisibleTo(w));
        w->StartMonth->setText("99"); // not checked for yearly payments
        w->BitBtn1->click();
        EXPECT_TRUE(platform.messages.empty()) << S(platform.LastMessage());
        EXPECT_FALSE(w->NewPeriod->text().isEmpty());
    });
}

TEST_F(SpecificWindow, APartYearIsAYearToStartIn)
{
    TypeLoan("6000", "", "6", "6");
    Open([&](TADDMONTHLYR *w) {
        w->AdditionalMR->setText("10");
        w->RadioButton2->setChecked(true);
        w->Year->setText("1");
        w->StartMonth->setText("7");
        w->NewInterest->setText("kept");
        w->BitBtn1->click();
        EXPECT_EQ(OnlyMessage().text, "You must enter a Month between 1 and 6");
        EXPECT_EQ(w->NewInterest->text(), "kept");
        platform.Clear();
        w->StartMonth->setText("3");
        w->BitBtn1->click();
        EXPECT_TRUE(platform.messages.empty()) << S(platform.LastMessage());
        EXPECT_NE(w->NewInterest->text(), "kept");
    });
}

TEST_F(AnalysisWindows, ChartHoldsTwoSlicesOfTheLoan)
{
    main().BitBtn9->click();
    main().BitBtn2->click(); // the toolbar twin
    PieChart3D *chart = windows().chart->MortgageChart;
    EXPECT_EQ(platform.modalWindows, (QStringList{"MortChartForm", "MortChartForm"}));
    ASSERT_EQ(chart->SliceCount(), 2);
    EXPECT_EQ(chart->SliceLabel(0), "Principal");
    EXPECT_EQ(chart->SliceValue(0), 100000);
    EXPECT_EQ(chart->SliceColor(0), QColor(0, 128, 0));
    EXPECT_EQ(chart->SliceLabel(1), "Interest");
    EXPECT_NEAR(chart->SliceValue(1), 93287.0413, 0.00005);
    EXPECT_EQ(chart->SliceColor(1), QColor(255, 0, 0));
    EXPECT_EQ(chart->Title(), "Cost Breakdown of Mortgage");
    EXPECT_EQ(windows().chart->windowTitle(), "Cost Breakdown Graph");
    EXPECT_FALSE(windows().chart->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(windows().chart->BitBtn2->isDefault());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(AnalysisWindows, ChartOfAShortenedLoanAndOfNothing)
{
    ChoosePayment("Daily");
    main().MCompounded->setCurrentText("Daily");
    TypeLoan("1000", "50", "1");
    main().BitBtn9->click();
    EXPECT_TRUE(platform.messages.empty()); // no message here
    EXPECT_EQ(windows().chart->MortgageChart->SliceValue(1),
              RunAmortisation(LoanOfTexts(main().CurrentLoanTexts())).InterestTotal);
    TypeLoan("0", "25", "6");
    main().BitBtn9->click();
    EXPECT_EQ(windows().chart->MortgageChart->SliceValue(0), 0);
    EXPECT_EQ(windows().chart->MortgageChart->SliceValue(1), 0);
}

TEST_F(AnalysisWindows, ChartOfABalloonLoanShowsTheWalkedInterest)
{
    ChoosePayment("Weekly");
    main().MCompounded->setCurrentText("Weekly");
    TypeLoan("250000", "50", "30");
    main().BitBtn9->click();
    EXPECT_TRUE(platform.messages.empty()); // the Mortgage tab's Calculate tells of the balloon
    EXPECT_DOUBLE_EQ(windows().chart->MortgageChart->SliceValue(1), 3750006.00);
}

TEST_F(AnalysisWindows, ChartPrintsOnALandscapePage)
{
    main().BitBtn9->click();
    windows().chart->BitBtn1->click();
    EXPECT_EQ(platform.landscapePages, 1);
    EXPECT_EQ(platform.printDialogs, 0); // at once, without a dialog
}

TEST_F(AnalysisWindows, HelpTopicsOfTheWindows)
{
    windows().grid->BitBtn2->click();
    windows().schedule->BitBtn2->click();
    windows().additional->BitBtn2->click();
    windows().specific->BitBtn3->click();
    EXPECT_EQ(platform.helpTopics, (std::vector<int>{3, 4, 5, 6}));
}

TEST_F(AnalysisWindows, PrintButtonsAskForAPrinterFirst)
{
    int printed = 0;
    for (AnalysisWindow *w : std::initializer_list<AnalysisWindow *>{windows().grid, windows().schedule, windows().additional})
        w->printReport = [&] { ++printed; };
    windows().grid->BitBtn1->click();
    windows().schedule->BitBtn1->click();
    windows().additional->BitBtn1->click();
    EXPECT_EQ(platform.printDialogs, 3);
    EXPECT_EQ(printed, 0);
    platform.printerAnswers = {true, true, true};
    windows().grid->BitBtn1->click();
    windows().schedule->BitBtn1->click();
    windows().additional->BitBtn1->click();
    EXPECT_EQ(printed, 3);
    EXPECT_EQ(Keyboard::Plain(windows().schedule->BitBtn1->text()), " Print");
}

TEST_F(AnalysisWindows, BadTextsInTheWindowsFieldsNeverShowNonFiniteFigures)
{
    const QStringList texts{"", " ", "abc", "1e400", "-0", "0", "nan", "inf", "999999999", "100",
                            "0.000001", "50", "365", QString(3000, QChar('9'))};
    auto clean = [](const QString &text) {
        return !text.contains("nan", Qt::CaseInsensitive) && !text.contains("inf", Qt::CaseInsensitive);
    };
    auto cells = [&](QTableView *view) {
        const int rows = std::min(view->model()->rowCount(), 30);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < view->model()->columnCount(); ++c)
                EXPECT_TRUE(clean(Cell(view, r, c))) << S(Cell(view, r, c));
    };
    TMSCHEDULE *schedule = windows().schedule;
    TMORTAGEGRID *grid = windows().grid;
    TAdditionalP *additional = windows().additional;
    TADDMONTHLYR *specific = windows().specific;
    for (const QString &a : texts)
        for (const QString &b : texts) {
            for (QLineEdit *e : {schedule->MSAmount, schedule->MSPeriod})
                e->setText(a);
            for (QLineEdit *e : {schedule->MSInterest, schedule->Partyear})
                e->setText(b);
            schedule->CalculateBtn->click();
            cells(schedule->MSGrid);
            EXPECT_TRUE(clean(schedule->MSMonthlyRepayment->text()));

            grid->MAmt->setText(a);
            grid->Years->setText("25");
            grid->InterestR->setText(b);
            grid->SpeedButton1->click();
            cells(grid->MGrid);

            additional->APAmount->setText(a);
            additional->APPeriod->setText("25");
            additional->APInterest->setText(b);
            additional->SpeedButton2->click();
            cells(additional->APGrid);

            specific->AdditionalMR->setText(a);
            specific->RadioButton2->setChecked(true);
            specific->Year->setText(b.left(2));
            specific->StartMonth->setText(b.left(3));
            specific->BitBtn1->click();
            for (QLabel *result : {static_cast<QLabel *>(specific->TotalInterest), static_cast<QLabel *>(specific->NewInterest),
                                   static_cast<QLabel *>(specific->InterestSaved), specific->NewPeriod})
                EXPECT_TRUE(clean(result->text())) << S(result->text());
        }
    EXPECT_EQ(main().MAmount->text(), "100000"); // none of it reached the main window
}

class SpecificWindowCaptions : public SpecificWindow, public testing::WithParamInterface<int> {};

TEST_P(SpecificWindowCaptions, PaymentAndStartPeriodFollowTheFrequency)
{
    const char *labels[] = {"Additional Annual Payment", "Additional Half Year Payment",
                            "Additional Quarterly Payment", "Additional Monthly Payment",
                            "Additional Half Month Payment", "Additional FortNightly Payment",
                            "Additional Weekly Payment", "Additional Daily Payment"};
    const char *captions[] = {"and Year", "and Half Year (1 - 2)", "and Quarter (1 - 4)", "and Month (1 - 12)",
                              "and Half Month (1 - 24)", "and Fortnight (1 - 26)", "and Week (1 - 52)",
                              "and Day (1 - 365)"};
    const int k = GetParam();
    ChoosePayment(FrequencyTexts()[k]);
    bool opened = false;
    Open([&](TADDMONTHLYR *w) {
        opened = true;
        EXPECT_EQ(Keyboard::Plain(w->Label1->text()), labels[k]);
        EXPECT_EQ(Keyboard::Plain(w->Label6->text()), captions[k]);
        EXPECT_EQ(w->StartMonth->isHidden(), k == 0);
    });
    EXPECT_TRUE(opened);
}

INSTANTIATE_TEST_SUITE_P(EveryFrequency, SpecificWindowCaptions, EveryFrequency(), FrequencyNamed());
