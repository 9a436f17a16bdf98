// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every window of Quovella with a sample loan into PNG files, for the
// README and for looking at the windows without clicking through them.
#include "ui/windows/APGridUnit.h"
#include "ui/windows/APOptionsUnit.h"
#include "ui/windows/AboutUnit.h"
#include "ui/windows/CompareUnit.h"
#include "platform/HelpViewer.h"
#include "platform/QtPlatform.h"
#include "ui/common/Look.h"
#include "ui/common/Translation.h"
#include "ui/windows/MSCHEDULEUnit.h"
#include "ui/main/MainUnit.h"
#include "ui/windows/MortChartUnit.h"
#include "ui/windows/MortgageGridUnit.h"
#include "ui/windows/PaymentPlanUnit.h"
#include "ui/main/Program.h"
#include "platform/ScriptedPlatform.h"
#include "ui/windows/SpecificAPUnit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QProgressDialog>
#include <QMenuBar>
#include <QScreen>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QTest>

namespace {

QString folder;

void Save(QWidget *window, const QString &name)
{
    window->show();
    QApplication::processEvents();
    QTest::qWait(50);
    window->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// The sample loan, worked out on the Mortgage tab: 100000 at 6 % over 25 years.
void WorkOutSampleLoan(TMORTLOAN &main)
{
    main.MAmount->setText(QStringLiteral("100000"));
    main.Period->setText(QStringLiteral("25"));
    main.IRate->setText(QStringLiteral("6"));
    main.CalMortBtn->click();
}

// The sample loan's payment plan: a first-payment date, an extra from the second
// year, a lump sum and a rate change.
PaymentPlan SamplePlan()
{
    PaymentPlan plan;
    plan.firstPayment = QDate(2027, 1, 31);
    plan.events = {PlanEvent{PlanEventKind::Extra, 200, 13, 0, false},
                   PlanEvent{PlanEventKind::LumpSum, 10000, 61, 0, false},
                   PlanEvent{PlanEventKind::RateChange, 7, 61, 0, false}};
    return plan;
}

// The three tabs of the main window with the sample loan worked out.
void ShootMainTabs(TMORTLOAN &main)
{
    WorkOutSampleLoan(main);
    Save(&main, QStringLiteral("main-mortgage"));
    // The same loan with a lender's fees: the annual percentage rate beside the results.
    main.SetFees(LoanFees{2000, 0});
    main.CalMortBtn->click();
    Save(&main, QStringLiteral("main-mortgage-fees"));
    main.SetFees(LoanFees());

    main.PageControl1->setCurrentWidget(main.TabSheet2);
    main.PaymentRB->setChecked(true);
    main.WIPrincipal->setText(QStringLiteral("100000"));
    main.WIPeriods->setText(QStringLiteral("25"));
    main.WIInterest->setText(QStringLiteral("6"));
    main.SpeedButton4->click();
    Save(&main, QStringLiteral("main-whatif"));

    main.PageControl1->setCurrentWidget(main.TabSheet3);
    main.MSavingsAmount->setText(QStringLiteral("100000"));
    main.mperiod->setText(QStringLiteral("25"));
    main.minterest->setText(QStringLiteral("6"));
    main.reducedperiod->setText(QStringLiteral("15"));
    main.investrate->setText(QStringLiteral("5"));
    Save(&main, QStringLiteral("main-savings"));
    main.PageControl1->setCurrentWidget(main.TabSheet1);

    // The File menu open over the window.
    QMenu *file = main.menuBar()->actions().constFirst()->menu();
    file->popup(main.menuBar()->mapToGlobal(main.menuBar()->actionGeometry(main.menuBar()->actions().constFirst()).bottomLeft()));
    QApplication::processEvents();
    QTest::qWait(100);
    const QRect area = main.frameGeometry().united(file->geometry());
    main.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .save(folder + QStringLiteral("/file-menu.png"));
    file->hide();
}

// The schedule by year and by month, enlarged, and with its copy menu open.
void ShootSchedules(ScriptedPlatform &platform, TMORTLOAN &main, const SecondaryWindows &windows)
{
    platform.modalActions.insert(QStringLiteral("MSCHEDULE"), [](QDialog *w) { Save(w, QStringLiteral("schedule")); });
    main.SpeedButton2->click();
    windows.schedule->Month->setChecked(true);
    platform.modalActions.insert(QStringLiteral("MSCHEDULE"), [](QDialog *w) {
        auto *schedule = static_cast<TMSCHEDULE *>(w);
        schedule->Month->click();
        Save(w, QStringLiteral("schedule-by-month"));
        schedule->Year->click();
    });
    main.SpeedButton2->click();

    // An enlarged schedule, and the menu a right click on a selected range opens.
    platform.modalActions.insert(QStringLiteral("MSCHEDULE"), [](QDialog *w) {
        auto *schedule = static_cast<TMSCHEDULE *>(w);
        schedule->Month->click();
        const QSize own = w->size();
        w->resize(760, 640);
        Save(w, QStringLiteral("schedule-enlarged"));
        w->resize(own);
        QApplication::processEvents();
        TableView *grid = schedule->MSGrid;
        grid->setFocus();
        grid->selectionModel()->select(QItemSelection(grid->model()->index(2, 1), grid->model()->index(5, 3)),
                                       QItemSelectionModel::ClearAndSelect);
        const QRect cell = grid->visualRect(grid->model()->index(4, 2));
        QMenu *menu = grid->ContextMenu();
        menu->popup(grid->viewport()->mapToGlobal(cell.center()));
        QApplication::processEvents();
        QTest::qWait(100);
        const QRect area = w->frameGeometry().united(menu->geometry());
        w->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height())
            .save(folder + QStringLiteral("/schedule-menu.png"));
        menu->hide();
        schedule->Year->click();
    });
    main.SpeedButton2->click();
}

// The grid, the additional payments, the balance graph and the pie.
void ShootAnalysis(ScriptedPlatform &platform, TMORTLOAN &main)
{
    platform.modalActions.insert(QStringLiteral("MORTAGEGRID"), [](QDialog *w) { Save(w, QStringLiteral("mortgage-grid")); });
    main.MortgageGridBtn->click();

    platform.modalActions.insert(QStringLiteral("APOPTIONS"), [&](QDialog *w) {
        auto *options = static_cast<TAPOPTIONS *>(w);
        Save(w, QStringLiteral("additional-options"));
        options->Grid->setChecked(true);
        options->BitBtn2->click();
    });
    platform.modalActions.insert(QStringLiteral("AdditionalP"), [](QDialog *w) {
        Save(w, QStringLiteral("additional-grid"));
        // At 25 % over 50 years the longest rows are not paid off evenly: marked, with the note.
        auto *additional = static_cast<TAdditionalP *>(w);
        additional->APInterest->setText(QStringLiteral("25"));
        additional->APPeriod->setText(QStringLiteral("50"));
        additional->SpeedButton2->click();
        Save(w, QStringLiteral("additional-uneven"));
    });
    main.SpeedButton3->click();

    platform.modalActions.insert(QStringLiteral("APOPTIONS"), [&](QDialog *w) {
        auto *options = static_cast<TAPOPTIONS *>(w);
        options->Specific->setChecked(true);
        options->BitBtn2->click();
    });
    platform.modalActions.insert(QStringLiteral("ADDMONTHLYR"), [](QDialog *w) {
        auto *specific = static_cast<TADDMONTHLYR *>(w);
        specific->AdditionalMR->setText(QStringLiteral("100"));
        specific->BitBtn1->click();
        Save(w, QStringLiteral("additional-specific"));
    });
    main.SpeedButton3->click();

    // The balance graph of the same loan, with the extra 100 worked out just now.
    platform.modalActions.insert(QStringLiteral("MSCHEDULE"), [](QDialog *w) {
        static_cast<TMSCHEDULE *>(w)->GraphBtn->click();
    });
    platform.modalActions.insert(QStringLiteral("BalanceGraphForm"), [](QDialog *w) { Save(w, QStringLiteral("balance-graph")); });
    main.SpeedButton2->click();

    platform.modalActions.insert(QStringLiteral("MortChartForm"), [](QDialog *w) { Save(w, QStringLiteral("graph")); });
    main.BitBtn9->click();
}

// The sample loan's payment plan, by year and by payment, and its event dialog.
void ShootPaymentPlan(ScriptedPlatform &platform, TMORTLOAN &main)
{
    main.SetPlan(SamplePlan());
    main.SetFees(LoanFees{2000, 0});
    platform.modalActions.insert(QStringLiteral("PaymentPlan"), [](QDialog *w) {
        Save(w, QStringLiteral("payment-plan"));
        auto *window = static_cast<TPaymentPlan *>(w);
        window->ByPayment->click();
        window->PlanEvents->selectRow(1);
        Save(w, QStringLiteral("payment-plan-by-payment"));
        window->ByYear->click();
    });
    main.PaymentPlanBtn->click();
    platform.modalActions.insert(QStringLiteral("PaymentPlan"), [](QDialog *w) {
        auto *window = static_cast<TPaymentPlan *>(w);
        window->PlanEvents->selectRow(0);
        window->EditBtn->click();
    });
    platform.modalActions.insert(QStringLiteral("PlanEventDialog"), [](QDialog *w) {
        static_cast<TPlanEventDialog *>(w)->EventBy->setCurrentIndex(2);
        Save(w, QStringLiteral("payment-plan-event"));
    });
    main.PaymentPlanBtn->click();

    // The balance graph draws the same plan beside the loan without it.
    platform.modalActions.insert(QStringLiteral("MSCHEDULE"), [](QDialog *w) {
        static_cast<TMSCHEDULE *>(w)->GraphBtn->click();
    });
    platform.modalActions.insert(QStringLiteral("BalanceGraphForm"),
                                 [](QDialog *w) { Save(w, QStringLiteral("balance-graph-plan")); });
    main.SpeedButton2->click();
    main.SetPlan(PaymentPlan());
    main.SetFees(LoanFees());
}

// Three offers on the kitchen table: monthly over 25 years, fortnightly over 25
// years, and monthly over 30 years with a lump sum and fees.
void ShootCompare(ScriptedPlatform &platform, TMORTLOAN &main)
{
    const Loan monthly = LoanOfTexts(LoanTexts{QStringLiteral("100000"), QStringLiteral("25"), QString(),
                                               QStringLiteral("6")});
    Loan fortnightly = monthly;
    fortnightly.paymentsPerYear = 26;
    fortnightly.rate = 5.95;
    Loan longer = monthly;
    longer.years = 30;
    longer.rate = 5.75;
    PaymentPlan lumpSum;
    lumpSum.events = {PlanEvent{PlanEventKind::LumpSum, 10000, 60, 0, false}};
    main.SetCompared({ComparedLoan{QStringLiteral("Bank A, 25 years"), monthly, PaymentPlan(), LoanFees()},
                      ComparedLoan{QStringLiteral("Bank B, fortnightly"), fortnightly, PaymentPlan(), LoanFees()},
                      ComparedLoan{QStringLiteral("Bank C, 30 years"), longer, lumpSum, LoanFees{1500, 5}}});
    platform.modalActions.insert(QStringLiteral("Compare"), [](QDialog *w) {
        static_cast<TCompare *>(w)->ChooseLoan(0);
        Save(w, QStringLiteral("compare"));
    });
    main.CompareBtn->click();
    main.SetCompared({});
}

void ShootAboutAndHelp(const SecondaryWindows &windows)
{
    // The dialog a long report shows after half a second.
    const std::unique_ptr<QProgressDialog> progress(
        NewReportProgress(nullptr, QStringLiteral("Schedule by Day 999999999 at 100%")));
    progress->setLabelText(QStringLiteral("Writing Schedule by Day 999999999 at 100%: page 37…"));
    progress->show();
    QApplication::processEvents();
    QTest::qWait(100);
    Save(progress.get(), QStringLiteral("report-progress"));
    progress->hide();

    Save(windows.about, QStringLiteral("about"));
    windows.about->hide();

    HelpViewer help;
    help.ShowTopic(2);
    Save(&help, QStringLiteral("help"));
    help.hide();
}

} // namespace

// The main window and the schedule under a dark desktop theme, after the light
// ones so that those stay as they are.
void ShootDark(ScriptedPlatform &platform, TMORTLOAN &main)
{
    QPalette dark;
    const QColor text(238, 238, 236);
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, QColor(36, 36, 36));
    dark.setColor(QPalette::AlternateBase, QColor(48, 48, 48));
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, QColor(60, 60, 60));
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Light, QColor(80, 80, 80));
    dark.setColor(QPalette::Midlight, QColor(70, 70, 70));
    dark.setColor(QPalette::Mid, QColor(45, 45, 45));
    dark.setColor(QPalette::Dark, QColor(25, 25, 25));
    dark.setColor(QPalette::Highlight, QColor(21, 83, 158));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    QApplication::setPalette(dark);
    main.PageControl1->setCurrentIndex(0);
    Save(&main, QStringLiteral("dark-main"));
    platform.modalActions.insert(QStringLiteral("MSCHEDULE"), [](QDialog *w) { Save(w, QStringLiteral("dark-schedule")); });
    main.SpeedButton2->click();
}

// The main window's tabs and the schedule at one and a half times the design's text
// size, as a desktop with a larger font shows them: the windows grow, nothing is cut.
void ShootLargeText()
{
    Look::SetTextPoints(1.5 * Look::kDesignPoints);
    QApplication::setFont(Look::UiFont(9));
    {
        ScriptedPlatform platform;
        SetPlatform(&platform);
        Program program;
        program.Start({});
        TMORTLOAN &main = program.Main();
        WorkOutSampleLoan(main);
        Save(&main, QStringLiteral("large-font-main"));
        main.PageControl1->setCurrentWidget(main.TabSheet2);
        Save(&main, QStringLiteral("large-font-whatif"));
        main.PageControl1->setCurrentWidget(main.TabSheet3);
        Save(&main, QStringLiteral("large-font-savings"));
        main.PageControl1->setCurrentWidget(main.TabSheet1);
        platform.modalActions.insert(QStringLiteral("MSCHEDULE"),
                                     [](QDialog *w) { Save(w, QStringLiteral("large-font-schedule")); });
        main.SpeedButton2->click();
        main.SetSavedFlag(true);
        main.hide();
    }
}

// The main window, the schedule and the payment plan in German with German figures, as a desktop set to
// German shows them: the translations are installed before the windows are made.
void ShootGerman(ScriptedPlatform &platform, const QPalette &light)
{
    QApplication::setPalette(light);
    const QLocale german(QStringLiteral("de_DE"));
    Translation::Install(*QCoreApplication::instance(), german);
    QLocale::setDefault(german);
    Program program;
    program.Start({});
    TMORTLOAN &main = program.Main();
    WorkOutSampleLoan(main);
    Save(&main, QStringLiteral("german-main"));
    platform.modalActions.insert(QStringLiteral("MSCHEDULE"), [](QDialog *w) { Save(w, QStringLiteral("german-schedule")); });
    main.SpeedButton2->click();
    main.SetPlan(SamplePlan());
    platform.modalActions.insert(QStringLiteral("PaymentPlan"), [](QDialog *w) { Save(w, QStringLiteral("german-plan")); });
    main.PaymentPlanBtn->click();
    platform.modalActions.insert(QStringLiteral("MSCHEDULE"),
                                 [](QDialog *w) { static_cast<TMSCHEDULE *>(w)->GraphBtn->click(); });
    platform.modalActions.insert(QStringLiteral("BalanceGraphForm"),
                                 [](QDialog *w) { Save(w, QStringLiteral("german-balance-graph")); });
    main.SpeedButton2->click();
    main.SetSavedFlag(true);
    main.hide();
    // Back to English for the shots after these.
    const QLocale english(QStringLiteral("en_US"));
    Translation::Install(*QCoreApplication::instance(), english);
    QLocale::setDefault(english);
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(Look::UiFont(9));
    const QPalette light = QApplication::palette();
    folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QDir().mkpath(folder);

    ScriptedPlatform platform;
    SetPlatform(&platform);
    Program program;
    program.Start({});
    TMORTLOAN &main = program.Main();
    const SecondaryWindows &windows = main.Windows();

    ShootMainTabs(main);
    ShootSchedules(platform, main, windows);
    ShootAnalysis(platform, main);
    ShootPaymentPlan(platform, main);
    ShootCompare(platform, main);
    ShootAboutAndHelp(windows);
    ShootDark(platform, main);
    QApplication::setPalette(light);
    main.hide();
    ShootGerman(platform, light);
    ShootLargeText();
    return 0;
}
