// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's buttons that check the loan and open the analysis windows.
#include "ui/main/MainUnit.h"

#include "ui/windows/CompareUnit.h"
#include "ui/windows/APOptionsUnit.h"
#include "ui/windows/MSCHEDULEUnit.h"
#include "ui/windows/MortChartUnit.h"
#include "ui/windows/MortgageGridUnit.h"
#include "ui/windows/PaymentPlanUnit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

void TMORTLOAN::SpeedButton2Click()
{
    MAmount->setFocus();
    TMSCHEDULE *schedule = Windows().schedule;
    if (!schedule || !CheckMainLoan(LoanChecks::Analysis()))
        return;
    schedule->OpenWithLoan(CurrentLoanTexts(), PartYearCaption());
    ThePlatform().ShowModal(schedule);
}

void TMORTLOAN::BalanceGraphBtnClick()
{
    MAmount->setFocus();
    TMSCHEDULE *schedule = Windows().schedule;
    if (!schedule || !CheckMainLoan(LoanChecks::Analysis()))
        return;
    // The graph draws the schedule's loan, so the main window's loan goes in there first.
    schedule->OpenWithLoan(CurrentLoanTexts(), PartYearCaption());
    schedule->GraphBtnClick();
}

void TMORTLOAN::PaymentPlanBtnClick()
{
    // The window tells what is wrong with the loan itself, so the plan stays in reach.
    TPaymentPlan *plan = Windows().plan;
    if (!plan)
        return;
    plan->OpenWithLoan();
    ThePlatform().ShowModal(plan);
}

void TMORTLOAN::CompareBtnClick()
{
    TCompare *compare = Windows().compare;
    if (!compare)
        return;
    compare->OpenWithLoans();
    ThePlatform().ShowModal(compare);
}

void TMORTLOAN::MortgageGridBtnClick()
{
    MAmount->setFocus();
    TMORTAGEGRID *grid = Windows().grid;
    if (!grid)
        return;
    if (const std::optional<LoanProblem> problem = grid->OpenWithLoan(CurrentLoanTexts())) {
        Keyboard::ShowFault(this, *problem, MortgageFields());
        return;
    }
    ThePlatform().ShowModal(grid);
}

void TMORTLOAN::SpeedButton3Click()
{
    MAmount->setFocus();
    TAPOPTIONS *options = Windows().options;
    if (!options || !CheckMainLoan(LoanChecks::Analysis()))
        return;
    CentreOnScreen(options);
    ThePlatform().ShowModal(options);
}

void TMORTLOAN::BitBtn9Click()
{
    TMortChartForm *chart = Windows().chart;
    if (!chart || !CheckMainLoan(LoanChecks::Analysis()))
        return;
    const Loan loan = LoanOfTexts(CurrentLoanTexts());
    // The Mortgage tab's total interest, without its message when the rounded
    // repayment needs another number of payments.
    const MortgageFigures figures = CalculateMortgage(loan);
    chart->Fill(loan.amount, figures.totalInterest);
    CentreOnScreen(chart);
    ThePlatform().ShowModal(chart);
}
