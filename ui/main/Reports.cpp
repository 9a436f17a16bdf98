// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/Reports.h"

#include "ui/windows/APGridUnit.h"
#include "ui/common/Look.h"
#include "ui/windows/MSCHEDULEUnit.h"
#include "ui/main/MainUnit.h"
#include "ui/windows/MortgageGridUnit.h"
#include "printing/Printing.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

// Every report reads the controls as they stand when the user confirms printing.
ReportLoan MainFrequencies(const TMORTLOAN &main)
{
    ReportLoan loan;
    loan.payment = main.MPayment->currentText();
    loan.inArrears = main.MArrears->isChecked();
    loan.compounded = main.MCompounded->currentText();
    return loan;
}

void PrintGrid(const TMORTLOAN &main, const TMORTAGEGRID &window)
{
    MortgageGridReport report;
    report.loan = MainFrequencies(main);
    report.loan.amount = window.MAmt->text();
    report.loan.rate = window.InterestR->text();
    report.loan.years = window.Years->text();
    report.loan.partYearCaption = window.Label7->text();
    report.loan.partYear = window.Partyear->text();
    report.amountStep = window.AmountStep->currentText();
    report.interestStep = window.InterestStep->currentText();
    const MortgageGridModel *model = window.Model();
    report.rowCount = model->GridRowCount();
    report.cell = [model](int column, int row) { return model->CellText(column, row); };
    PrintMortgageGrid(report, *ThePlatform().OpenPrinterChannel());
}

void PrintScheduleOf(const TMORTLOAN &main, const TMSCHEDULE &window)
{
    ScheduleReport report;
    report.loan = MainFrequencies(main);
    report.loan.amount = window.MSAmount->text();
    report.loan.rate = window.MSInterest->text();
    report.loan.years = window.MSPeriod->text();
    report.loan.partYearCaption = window.Label11->text();
    report.loan.partYear = window.Partyear->text();
    report.periodHeading = window.Label10->text();
    const ScheduleModel *model = window.Model();
    report.rowCount = model->rowCount();
    report.cell = [model](int column, int row) { return model->CellText(column, row); };
    PrintSchedule(report, *ThePlatform().OpenPrinterChannel());
}

void PrintAdditional(const TMORTLOAN &main, const TAdditionalP &window)
{
    AdditionalPaymentsReport report;
    report.loan = MainFrequencies(main);
    report.loan.amount = window.APAmount->text();
    report.loan.rate = window.APInterest->text();
    report.loan.years = window.APPeriod->text();
    report.loan.partYearCaption = main.Label98->text();
    report.loan.partYear = window.PartYear->text();
    report.frequencyWord = window.Label5->text();
    const AdditionalPaymentModel *model = window.Model();
    report.rowCount = model->rowCount();
    report.cell = [model](int column, int row) { return model->CellText(column, row); };
    PrintAdditionalPayments(report, *ThePlatform().OpenPrinterChannel());
}

void PrintDetails(const TMORTLOAN &main)
{
    MortgageDetailsReport report;
    report.amount = main.MAmount->text();
    report.years = main.Period->text();
    report.partYearCaption = main.Label98->text();
    report.partYear = main.MPartyear->text();
    report.rate = main.IRate->text();
    report.compounded = main.MCompounded->currentText();
    report.payment = main.MPayment->currentText();
    report.inArrears = main.MArrears->isChecked();
    report.repaymentSentence = main.Panel1->title();
    report.repayment = main.MonthlyRepayment->text();
    report.totalInterest = main.TotalInterest->text();
    PrintMortgageDetails(report, *ThePlatform().OpenPrinterChannel());
}

void PrintSavings(const TMORTLOAN &main)
{
    MortgageSavingsReport report;
    report.amount = main.MSavingsAmount->text();
    report.rate = main.minterest->text();
    report.years = main.mperiod->text();
    report.repayment = main.mrepayment->text();
    report.reducedPeriod = main.reducedperiod->text();
    report.reducedRepayment = main.reducedpayment->text();
    report.extra = main.textra->text();
    report.reducedYears = main.tyears->text();
    report.investRate = main.investrate->text();
    report.investTotal = main.investtotal->text();
    PrintMortgageSavings(report, *ThePlatform().OpenPrinterChannel());
}

} // namespace

void ConnectReports(TMORTLOAN &main)
{
    const SecondaryWindows &windows = main.Windows();
    TMORTAGEGRID *grid = windows.grid;
    TMSCHEDULE *schedule = windows.schedule;
    TAdditionalP *additional = windows.additional;
    TMORTLOAN *window = &main;
    grid->printReport = [window, grid] { PrintGrid(*window, *grid); };
    schedule->printReport = [window, schedule] { PrintScheduleOf(*window, *schedule); };
    additional->printReport = [window, additional] { PrintAdditional(*window, *additional); };
    main.SetReportHooks({[window] { PrintDetails(*window); }, [window] { PrintSavings(*window); }});
}
