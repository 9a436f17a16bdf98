// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/UiFixture.h"

#include "engine/Schedule.h"
#include "ui/windows/BalanceGraphUnit.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {

class BalanceGraphWindow : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        TypeLoan("100000", "25", "6");
    }

    TBalanceGraphForm *graph() { return windows().balance; }

    // Opens the schedule from the main window and the graph from its button; `inside`
    // runs while the graph is on screen.
    void OpenFromSchedule(const std::function<void(TMSCHEDULE *)> &before = {},
                          const std::function<void()> &inside = {})
    {
        platform.modalActions.insert("MSCHEDULE", [&](QDialog *) {
            if (before)
                before(windows().schedule);
            windows().schedule->GraphBtn->click();
        });
        platform.modalActions.insert("BalanceGraphForm", [&](QDialog *) {
            if (inside)
                inside();
        });
        main().SpeedButton2->click();
    }

    // Works out an additional payment in the specific window and closes it with OK.
    SpecificAdditionalPayment RunSpecific(const QString &extra, const QString &startYear = QString())
    {
        windows().options->Specific->setChecked(true);
        platform.modalActions.insert("APOPTIONS", [&](QDialog *) { windows().options->BitBtn2->click(); });
        platform.modalActions.insert("ADDMONTHLYR", [&](QDialog *) {
            TADDMONTHLYR *specific = windows().specific;
            specific->AdditionalMR->setText(extra);
            if (!startYear.isEmpty()) {
                specific->RadioButton2->click();
                specific->Year->setText(startYear);
            }
            specific->BitBtn1->click();
            specific->BitBtn2->click();
        });
        main().SpeedButton3->click();
        EXPECT_TRUE(windows().specific->lastRun.has_value());
        return windows().specific->lastRun ? windows().specific->lastRun->result : SpecificAdditionalPayment{};
    }

    const BalanceGraphSeries &Series() { return graph()->Graph->Series(); }
};

} // namespace

TEST_F(BalanceGraphWindow, PointsAreTheSchedulesByYearRows)
{
    struct Case {
        const char *amount, *years, *part, *rate, *payment;
        const char *compounded;
        size_t rows;
        double lastYear;
    };
    const Case cases[] = {
        {"100000", "25", "", "6", "Monthly", "Monthly", 25, 25},
        {"100000", "25", "6", "6", "Monthly", "Monthly", 26, 25.5},     // a part year at the end
        {"5000", "", "7", "9", "Monthly", "Monthly", 1, 7.0 / 12},      // a part year only
        {"1000", "1", "", "5", "Annualy", "Monthly", 1, 1},             // one payment
        {"999999999", "50", "", "100", "Daily", "Monthly", 50, 50},     // 18 250 payments, the largest figures
        {"250000", "50", "365", "5", "Daily", "Monthly", 51, 51},       // 18 615 payments
        {"250000", "50", "", "30", "Weekly", "Weekly", 50, 50},        // a balloon: the whole fall in the last year
        {"100", "25", "", "25", "Monthly", "Monthly", 24, 24},          // the rounded repayment clears it early
        {"0", "10", "", "5", "Monthly", "Monthly", 1, 1},               // nothing owed: the schedule stops at once
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.amount) + " " + c.years + "/" + c.part + " " + c.payment);
        ChoosePayment(c.payment);
        main().MCompounded->setCurrentText(c.compounded);
        TypeLoan(c.amount, c.years, c.rate, c.part);
        platform.Clear();
        main().BalanceGraphBtn->click();
        ASSERT_EQ(platform.modalWindows, QStringList{"BalanceGraphForm"}) << S(platform.LastMessage());
        const std::vector<ScheduleRow> rows =
            BuildSchedule(LoanOfTexts(main().CurrentLoanTexts()), ScheduleBy::Year);
        const BalanceGraphSeries &s = Series();
        ASSERT_EQ(s.points.size(), c.rows);
        ASSERT_EQ(s.points.size(), rows.size());
        EXPECT_EQ(s.amount, QString(c.amount).toDouble());
        for (size_t r = 0; r < rows.size(); ++r) {
            EXPECT_EQ(s.points[r].label, rows[r].period);
            EXPECT_EQ(s.points[r].balance, rows[r].balance) << r;
            EXPECT_EQ(s.points[r].accumulatedInterest, rows[r].accumulatedInterest) << r;
            EXPECT_EQ(s.points[r].accumulatedCapital, rows[r].accumulatedCapital) << r;
        }
        EXPECT_DOUBLE_EQ(s.points.back().year, c.lastYear);
        if (QLatin1String(c.compounded) == QLatin1String("Weekly")) { // the balloon keeps its last fall
            EXPECT_GT(s.points[s.points.size() - 2].balance, 0.9 * s.amount);
        }
        // The tooltip speaks the schedule grid's own cell texts.
        QTableView *grid = windows().schedule->MSGrid;
        ASSERT_EQ(grid->model()->rowCount(), int(rows.size()));
        const int last = int(rows.size()) - 1;
        const QString tip = graph()->Graph->PointText(last);
        for (int column : {3, 4, 5})
            EXPECT_TRUE(tip.contains(grid->model()->index(last, column).data().toString())) << S(tip);
    }
}

TEST_F(BalanceGraphWindow, ExtraLineEndsWhereTheSpecificWindowPaysOff)
{
    const SpecificAdditionalPayment run = RunSpecific("100");
    ASSERT_EQ(run.paymentsMade, 224);
    EXPECT_TRUE(windows().specific->NewPeriod->text().isEmpty()); // OK emptied the window
    OpenFromSchedule();
    const BalanceGraphSeries &s = Series();
    ASSERT_EQ(s.extra.size(), 20u); // the start, 18 whole years and the last part year
    EXPECT_EQ(s.extra.front(), QPointF(0, 100000));
    EXPECT_DOUBLE_EQ(s.extra.back().x() * 12, 224);
    EXPECT_EQ(s.extra.back().y(), 0);
    EXPECT_EQ(s.extraNote, "Paid off in 18 years and 8 months");
    EXPECT_FALSE(graph()->ExtraBox->isHidden());
    EXPECT_TRUE(graph()->Graph->ExtraShown());
    graph()->ExtraBox->click();
    EXPECT_FALSE(graph()->Graph->ExtraShown());
    EXPECT_TRUE(graph()->Graph->Geometry(QRectF(0, 0, 526, 380)).extraLine.empty());
    graph()->ExtraBox->click();
    EXPECT_TRUE(graph()->Graph->ExtraShown());

    // From year 6 the loan is paid off after 246 payments.
    EXPECT_EQ(RunSpecific("100", "6").paymentsMade, 246);
    OpenFromSchedule();
    EXPECT_DOUBLE_EQ(Series().extra.back().x() * 12, 246);
    EXPECT_EQ(Series().extra[5].y(), Series().points[4].balance); // the same until the extra starts

    // Another loan in the schedule's fields has no extra line and no check box.
    OpenFromSchedule([](TMSCHEDULE *schedule) { schedule->MSAmount->setText("90000"); });
    EXPECT_TRUE(Series().extra.empty());
    EXPECT_TRUE(graph()->ExtraBox->isHidden());
    EXPECT_EQ(Series().amount, 90000);
}

TEST_F(BalanceGraphWindow, RefusesTheLoansTheScheduleRefuses)
{
    OpenFromSchedule([](TMSCHEDULE *schedule) { schedule->MSAmount->setText("lots"); });
    EXPECT_EQ(platform.modalWindows, QStringList{"MSCHEDULE"});
    EXPECT_EQ(OnlyMessage().text, "You must enter a valid Mortgage amount between 0 and 999999999");

    platform.Clear();
    TypeLoan("100000", "25", "200");
    main().BalanceGraphBtn->click();
    EXPECT_TRUE(platform.modalWindows.isEmpty());
    EXPECT_EQ(OnlyMessage().text, "You must enter a valid interest rate between 0 and 100");
}

TEST_F(BalanceGraphWindow, ToolbarButtonBehavesLikeTheOtherLoanButtons)
{
    QToolButton *button = main().BalanceGraphBtn;
    EXPECT_FALSE(button->isHidden());
    EXPECT_TRUE(button->isEnabled());
    EXPECT_FALSE(button->toolTip().isEmpty());
    EXPECT_FALSE(button->icon().isNull());
    main().PageControl1->setCurrentWidget(main().TabSheet2);
    EXPECT_EQ(button->isEnabled(), main().BitBtn2->isEnabled());
    EXPECT_FALSE(button->isEnabled());
    main().PageControl1->setCurrentWidget(main().TabSheet1);
    EXPECT_TRUE(button->isEnabled());

    button->click();
    EXPECT_EQ(platform.modalWindows, QStringList{"BalanceGraphForm"});
    // The schedule now holds the main window's loan, the loan the graph draws.
    EXPECT_EQ(windows().schedule->MSAmount->text(), "100000");
    EXPECT_EQ(graph()->Graph->Title(), "Mortgage Balance: $100,000.00 at 6% for 25 years");
    EXPECT_FALSE(windows().schedule->GraphBtn->icon().isNull());
}

TEST_F(BalanceGraphWindow, EnlargesAndPrintsAndExportsThePicture)
{
    main().BalanceGraphBtn->click();
    TBalanceGraphForm *form = graph();
    EXPECT_EQ(form->windowTitle(), "Balance Graph");
    EXPECT_EQ(form->minimumSize(), form->size());
    form->show();
    form->resize(900, 700);
    QApplication::processEvents();
    EXPECT_GT(form->Graph->width(), 800);
    EXPECT_GT(form->Graph->height(), 600);

    // Print shows the print dialog first; cancelled, nothing prints.
    form->PrintBtn->click();
    EXPECT_EQ(platform.printDialogs, 1);
    EXPECT_EQ(platform.landscapePages, 0);
    platform.printerAnswers = {true};
    form->PrintBtn->click();
    EXPECT_EQ(platform.landscapePages, 1);
    EXPECT_EQ(platform.landscapeDocuments, QStringList{"Balance 100000 at 6%"}) << "a PDF is offered under the loan's name";

    QTemporaryDir folder;
    const QString png = folder.filePath("graph.png");
    const QString pdf = folder.filePath("graph.PDF");
    platform.saveAnswers = {png, pdf, folder.filePath("graph"), std::nullopt,
                            folder.filePath("missing/graph.png")};
    EXPECT_EQ(form->exportDialog.fileName, "Balance 100000 at 6%.png") << "a name that says which loan";
    form->ExportBtn->click();
    QImage picture(png);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), form->Graph->size() * 2);
    form->ExportBtn->click();
    QFile document(pdf);
    ASSERT_TRUE(document.open(QIODevice::ReadOnly));
    EXPECT_TRUE(document.read(5).startsWith("%PDF"));
    EXPECT_TRUE(platform.messages.empty());
    platform.messageAnswers = {MessageResult::Yes};
    form->ExportBtn->click(); // no ending: a picture, over the one made before, once agreed
    EXPECT_EQ(OnlyMessage().text, "graph.png already exists.\nDo you want to replace it?");
    EXPECT_TRUE(QFile::exists(folder.filePath("graph.png")));
    platform.Clear();
    form->ExportBtn->click(); // cancelled
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2);
    form->ExportBtn->click(); // into a folder that does not exist
    EXPECT_EQ(OnlyMessage().text, folder.filePath("missing/graph.png") + " was not written: File not found");
    EXPECT_EQ(platform.saveDialogs.front().filter, "PNG picture or PDF document|*.png;*.pdf");
    form->OKBtn->click();
    EXPECT_FALSE(form->isVisible());
}

namespace {

TEST(BalanceGraphWithPlan, PlanLineReplacesTheAdditionalPaymentAndMarksItsEvents)
{
    const Loan loan = LoanOfTexts(LoanTexts{"100000", "25", "0", "6"});
    PlannedLoan planned{loan, {}};
    planned.plan.events = {PlanEvent{PlanEventKind::Extra, 100, 1, 0, false},
                           PlanEvent{PlanEventKind::LumpSum, 10000, 61, 0, false},
                           PlanEvent{PlanEventKind::RateChange, 7, 250, 0, false}}; // after the plan pays it off
    const PlanResult walked = WalkPaymentPlan(loan, planned.plan);
    AdditionalPaymentRun run;
    run.loan = loan;
    run.result.paidOff = true;
    run.result.paymentsMade = 224;
    run.result.balanceByYear = {1};

    const BalanceGraphSeries s = BalanceSeriesOf(loan, &run, &planned);
    EXPECT_EQ(s.extraName, "With Payment Plan");
    ASSERT_GE(s.extra.size(), 2u);
    EXPECT_EQ(s.extra.front(), QPointF(0, 100000));
    EXPECT_DOUBLE_EQ(s.extra.back().x() * 12, walked.paymentsMade);
    EXPECT_EQ(s.extra.back().y(), 0);
    EXPECT_EQ(s.extra[5].y(), walked.rows[59].balance) << "year 5 ends with payment 60";
    EXPECT_EQ(s.extraNote, "Paid off in " + PayOffTime(walked.paymentsMade, 12));
    ASSERT_EQ(s.marks.size(), 2u) << "an event after the last payment has no mark";
    EXPECT_EQ(s.marks[0].text, "+100");
    EXPECT_DOUBLE_EQ(s.marks[1].at.x(), 61.0 / 12);
    EXPECT_LT(s.marks[1].at.y(), s.extra[5].y()) << "on the line, a month into year 6";
    EXPECT_GT(s.marks[1].at.y(), s.extra[6].y());

    // A date gives the pay-off note a date; a plan for another loan, or one without
    // events, leaves the additional payment's line as it was.
    planned.plan.firstPayment = QDate(2027, 1, 31);
    EXPECT_TRUE(BalanceSeriesOf(loan, &run, &planned).extraNote.startsWith("Paid off on "));
    PlannedLoan other = planned;
    other.loan.amount = 90000;
    EXPECT_EQ(BalanceSeriesOf(loan, &run, &other).extraName, "With Additional Payment");
    EXPECT_TRUE(BalanceSeriesOf(loan, &run, &other).marks.empty());
    PlannedLoan sharing{loan, {}};
    sharing.plan.events = {PlanEvent{PlanEventKind::LumpSum, 10000, 61, 0, false},
                           PlanEvent{PlanEventKind::RateChange, 7, 61, 0, false}};
    const std::vector<BalanceGraphMark> shared = BalanceSeriesOf(loan, &run, &sharing).marks;
    ASSERT_EQ(shared.size(), 1u) << "events of one payment share a mark";
    EXPECT_EQ(shared[0].text, QLocale().toString(10000.0, 'f', QLocale::FloatingPointShortest) + ", 7%");
    PlannedLoan empty{loan, {}};
    EXPECT_EQ(BalanceSeriesOf(loan, &run, &empty).extraName, "With Additional Payment");

    BalanceGraph graph;
    graph.SetSeries(s);
    const BalanceGraphGeometry g = graph.Geometry(QRectF(0, 0, 526, 380));
    EXPECT_TRUE(g.legend.contains("With Payment Plan"));
    ASSERT_EQ(g.marks.size(), 2u);
    EXPECT_TRUE(g.balancePlot.adjusted(-1, -1, 1, 1).contains(g.marks[1]));
}

} // namespace
