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
    if (!windows_.schedule || !CheckMainLoan(LoanChecks::Analysis()))
        return;
    windows_.schedule->OpenWithLoan(CurrentLoanTexts(), PartYearCaption());
    ThePlatform().ShowModal(windows_.schedule);
}

void TMORTLOAN::BalanceGraphBtnClick()
{
    MAmount->setFocus();
    if (!windows_.schedule || !CheckMainLoan(LoanChecks::Analysis()))
        return;
    // The graph draws the schedule's loan, so the main window's loan goes in there first.
    windows_.schedule->OpenWithLoan(CurrentLoanTexts(), PartYearCaption());
    windows_.schedule->GraphBtnClick();
}

void TMORTLOAN::PaymentPlanBtnClick()
{
    // The window tells what is wrong with the loan itself, so the plan stays in reach.
    if (!windows_.plan)
        return;
    windows_.plan->OpenWithLoan();
    ThePlatform().ShowModal(windows_.plan);
}

void TMORTLOAN::CompareBtnClick()
{
    if (!windows_.compare)
        return;
    windows_.compare->OpenWithLoans();
    ThePlatform().ShowModal(windows_.compare);
}

void TMORTLOAN::MortgageGridBtnClick()
{
    MAmount->setFocus();
    TMORTAGEGRID *grid = windows_.grid;
    if (!grid)
        return;
    if (const std::optional<Message> problem = grid->OpenWithLoan(CurrentLoanTexts())) {
        Show(*problem);
        return;
    }
    ThePlatform().ShowModal(grid);
}

void TMORTLOAN::SpeedButton3Click()
{
    MAmount->setFocus();
    if (!windows_.options || !CheckMainLoan(LoanChecks::Analysis()))
        return;
    CentreOnScreen(windows_.options);
    ThePlatform().ShowModal(windows_.options);
}

void TMORTLOAN::BitBtn9Click()
{
    if (!windows_.chart || !CheckMainLoan(LoanChecks::Analysis()))
        return;
    const Loan loan = LoanOfTexts(CurrentLoanTexts());
    // The Mortgage tab's total interest, without its message when the rounded
    // repayment needs another number of payments.
    const MortgageFigures figures = CalculateMortgage(loan);
    windows_.chart->Fill(loan.amount, figures.totalInterest);
    CentreOnScreen(windows_.chart);
    ThePlatform().ShowModal(windows_.chart);
}
