// SPDX-License-Identifier: GPL-3.0-or-later
// How long the windows take to react: start-up, the handlers of the three tabs,
// and opening the largest schedule and grid (offscreen, the modal loop not counted).
#include "bench/BenchMain.h"
#include "ui/windows/APGridUnit.h"
#include "ui/common/Look.h"
#include "ui/windows/MSCHEDULEUnit.h"
#include "ui/main/MainUnit.h"
#include "ui/windows/MortgageGridUnit.h"
#include "ui/windows/PaymentPlanUnit.h"
#include "ui/main/Program.h"
#include "platform/ScriptedPlatform.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct Running {
    ScriptedPlatform platform;
    std::unique_ptr<Program> program;

    Running()
    {
        SetPlatform(&platform);
        program = std::make_unique<Program>();
        program->Start({});
        QApplication::processEvents();
    }
    ~Running()
    {
        program->Main().SetSavedFlag(true);
        program.reset();
        SetPlatform(nullptr);
    }
    TMORTLOAN &Main() { return program->Main(); }
};

void BM_StartUpAndShowMainWindow(benchmark::State &state)
{
    for (auto _ : state) {
        Running running;
        benchmark::DoNotOptimize(running.Main().isVisible());
    }
}
BENCHMARK(BM_StartUpAndShowMainWindow)->Unit(benchmark::kMillisecond);

void BM_MortgageCalculate(benchmark::State &state)
{
    Running running;
    TMORTLOAN &main = running.Main();
    main.MAmount->setText(QStringLiteral("100000"));
    main.Period->setText(QStringLiteral("25"));
    main.IRate->setText(QStringLiteral("6"));
    for (auto _ : state)
        main.CalMortBtn->click();
}
BENCHMARK(BM_MortgageCalculate)->Unit(benchmark::kMillisecond);

void BM_MortgageCalculateLongestTerm(benchmark::State &state)
{
    Running running;
    TMORTLOAN &main = running.Main();
    main.MPayment->setCurrentText(QStringLiteral("Daily"));
    main.MCompounded->setCurrentText(QStringLiteral("Daily"));
    main.MAmount->setText(QStringLiteral("999999999"));
    main.Period->setText(QStringLiteral("50"));
    main.MPartyear->setText(QStringLiteral("365"));
    main.IRate->setText(QStringLiteral("7"));
    for (auto _ : state) {
        main.CalMortBtn->click();
        main.BitBtn8->click();
        running.platform.messages.clear();
    }
}
BENCHMARK(BM_MortgageCalculateLongestTerm)->Unit(benchmark::kMillisecond);

void BM_PaymentFrequencyChange(benchmark::State &state)
{
    Running running;
    TMORTLOAN &main = running.Main();
    int k = 0;
    for (auto _ : state) {
        main.MPayment->setCurrentIndex(k++ % 8);
        main.MPaymentChange();
    }
}
BENCHMARK(BM_PaymentFrequencyChange)->Unit(benchmark::kMillisecond);

void BM_WhatIfSolveInterest(benchmark::State &state)
{
    Running running;
    TMORTLOAN &main = running.Main();
    main.InterestRB->setChecked(true);
    main.WIPrincipal->setText(QStringLiteral("100000"));
    main.WIPeriods->setText(QStringLiteral("50"));
    main.WIRepay->setText(QStringLiteral("644.3015"));
    main.WIPayment->setCurrentText(QStringLiteral("Daily"));
    for (auto _ : state)
        main.SpeedButton4->click();
}
BENCHMARK(BM_WhatIfSolveInterest)->Unit(benchmark::kMillisecond);

void BM_WhatIfTransfer(benchmark::State &state)
{
    Running running;
    TMORTLOAN &main = running.Main();
    main.WIPrincipal->setText(QStringLiteral("100000"));
    for (auto _ : state) {
        main.PageControl1->setCurrentWidget(main.TabSheet2);
        main.TransferBtn->click();
    }
}
BENCHMARK(BM_WhatIfTransfer)->Unit(benchmark::kMillisecond);

void BM_SavingsChange(benchmark::State &state)
{
    Running running;
    TMORTLOAN &main = running.Main();
    main.MSavingsAmount->setText(QStringLiteral("100000"));
    main.mperiod->setText(QStringLiteral("25"));
    main.minterest->setText(QStringLiteral("6"));
    main.reducedperiod->setText(QStringLiteral("15"));
    int k = 0;
    for (auto _ : state)
        main.investrate->setText(QString::number(1 + (k++ % 9)));
}
BENCHMARK(BM_SavingsChange)->Unit(benchmark::kMillisecond);

// The longest daily term: 999999999 at 7 % over 50 years and 365 days, 18 615 payments.
void TypeLargestDailyLoan(TMORTLOAN &main)
{
    main.MPayment->setCurrentText(QStringLiteral("Daily"));
    main.MCompounded->setCurrentText(QStringLiteral("Daily"));
    main.MPaymentChange();
    main.MAmount->setText(QStringLiteral("999999999"));
    main.Period->setText(QStringLiteral("50"));
    main.MPartyear->setText(QStringLiteral("365"));
    main.IRate->setText(QStringLiteral("7"));
}

void BM_OpenScheduleLargestByPeriod(benchmark::State &state)
{
    Running running;
    TMORTLOAN &main = running.Main();
    TypeLargestDailyLoan(main);
    main.Windows().schedule->Month->setChecked(true);
    // Painted once while shown, as a screen would be.
    running.platform.modalActions.insert(QStringLiteral("MSCHEDULE"),
                                         [](QDialog *w) { benchmark::DoNotOptimize(w->grab()); });
    for (auto _ : state) {
        main.SpeedButton2->click();
        benchmark::DoNotOptimize(main.Windows().schedule->Model()->rowCount());
    }
    if (main.Windows().schedule->Model()->rowCount() != 18615)
        state.SkipWithError("the schedule is not the largest one");
}
BENCHMARK(BM_OpenScheduleLargestByPeriod)->Unit(benchmark::kMillisecond);

void BM_OpenMortgageGrid1999Rows(benchmark::State &state)
{
    Running running;
    TMORTLOAN &main = running.Main();
    main.MAmount->setText(QStringLiteral("1000000"));
    main.Period->setText(QStringLiteral("25"));
    main.IRate->setText(QStringLiteral("6"));
    main.Windows().grid->AmountStep->setCurrentText(QStringLiteral("1000"));
    running.platform.modalActions.insert(QStringLiteral("MORTAGEGRID"),
                                         [](QDialog *w) { benchmark::DoNotOptimize(w->grab()); });
    for (auto _ : state) {
        main.MortgageGridBtn->click();
        benchmark::DoNotOptimize(main.Windows().grid->Model()->rowCount());
    }
    if (main.Windows().grid->Model()->rowCount() != 1999)
        state.SkipWithError("the grid is not the largest one");
}
BENCHMARK(BM_OpenMortgageGrid1999Rows)->Unit(benchmark::kMillisecond);

// The Payment Plan window over the daily 50-year loan with 50 events, after one
// changed: the plan walked again, the results, the events and the schedule by
// payment filled and the window painted. Goal: at most 16 ms.
void BM_PaymentPlanRecalculateAndRepaint(benchmark::State &state)
{
    Running running;
    TMORTLOAN &main = running.Main();
    TypeLargestDailyLoan(main);
    PaymentPlan plan;
    plan.firstPayment = QDate(2027, 1, 1);
    for (int e = 0; e < 50; ++e) {
        const int at = 1 + e * 360;
        const PlanEventKind kind = e % 3 == 0 ? PlanEventKind::Extra
                                   : e % 3 == 1 ? PlanEventKind::LumpSum
                                                : PlanEventKind::RateChange;
        const double value = kind == PlanEventKind::Extra     ? 1000 + e
                             : kind == PlanEventKind::LumpSum ? 100000 + e
                                                              : 6.5 + (e % 5) * 0.25;
        plan.events.push_back(PlanEvent{kind, value, at, kind == PlanEventKind::Extra ? at + 1000 : 0, e % 2 == 0});
    }
    main.SetPlan(plan);
    TPaymentPlan *window = main.Windows().plan;
    window->ByPayment->setChecked(true);
    window->OpenWithLoan();
    window->show();
    int k = 0;
    for (auto _ : state) {
        // Each round one event changes, as an edit would.
        plan.events[0].value = 1000 + (k++ % 2);
        main.SetPlan(plan);
        window->Recalculate();
        benchmark::DoNotOptimize(window->grab());
    }
    if (window->Model()->rowCount() < 1000)
        state.SkipWithError("the plan's schedule is not a long one");
    window->hide();
}
BENCHMARK(BM_PaymentPlanRecalculateAndRepaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(Look::UiFont(9));
    return RunBenchmarks(argc, argv);
}
