// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/Reports.h"

#include "printing/Printing.h"
#include "platform/ReportOutput.h"
#include "ui/main/MainUnit.h"
#include "ui/windows/APGridUnit.h"
#include "ui/windows/CompareUnit.h"
#include "ui/windows/MSCHEDULEUnit.h"
#include "ui/windows/MortgageGridUnit.h"
#include "ui/windows/PaymentPlanUnit.h"

namespace {

template <typename Report>
QString LoanOf(const Report &report, bool rate)
{
    if constexpr (requires { report.loan; })
        return rate ? report.loan.rate : report.loan.amount;
    else
        return rate ? report.rate : report.amount;
}

// Every report reads its window as it stands when the user confirms printing,
// previewing or exporting; the same writer then serves each of them.
template <typename Report>
std::function<PrintableReport()> ReportMaker(std::function<Report()> inputs,
                                             void (*print)(const Report &, PrinterChannel &), const QString &name)
{
    return [inputs, print, name] {
        const Report report = inputs();
        return PrintableReport{ReportTitle(name, LoanOf(report, false), LoanOf(report, true)),
                               [report, print](PrinterChannel &channel) { print(report, channel); }};
    };
}

std::function<void()> Printing(const std::function<PrintableReport()> &maker)
{
    return [maker] { PrintReport(maker()); };
}

} // namespace

void ConnectReports(const SecondaryWindows &windows)
{
    TMORTAGEGRID *grid = windows.grid;
    TMSCHEDULE *schedule = windows.schedule;
    TAdditionalP *additional = windows.additional;
    TPaymentPlan *plan = windows.plan;
    grid->report = ReportMaker<MortgageGridReport>([grid] { return grid->ReportInputs(); }, PrintMortgageGrid,
                                                   QStringLiteral("Mortgage Grid"));
    schedule->report = ReportMaker<ScheduleReport>([schedule] { return schedule->ReportInputs(); }, PrintSchedule,
                                                   QStringLiteral("Schedule"));
    additional->report = ReportMaker<AdditionalPaymentsReport>([additional] { return additional->ReportInputs(); },
                                                               PrintAdditionalPayments,
                                                               QStringLiteral("Additional Payments"));
    plan->report = ReportMaker<PaymentPlanReport>([plan] { return plan->ReportInputs(); }, PrintPaymentPlan,
                                                  QStringLiteral("Payment Plan"));
    plan->printReport = Printing(plan->report);
    TCompare *compare = windows.compare;
    compare->report = [compare] {
        const ComparisonReport report = compare->ReportInputs();
        return PrintableReport{QStringLiteral("Compared Offers"),
                               [report](PrinterChannel &channel) { PrintComparison(report, channel); }};
    };
    compare->printReport = Printing(compare->report);
    grid->printReport = Printing(grid->report);
    schedule->printReport = Printing(schedule->report);
    additional->printReport = Printing(additional->report);
}

void ConnectReports(TMORTLOAN &main)
{
    TMORTLOAN *window = &main;
    const ReportMakers makers{
        ReportMaker<MortgageDetailsReport>([window] { return window->DetailsReportInputs(); }, PrintMortgageDetails,
                                           QStringLiteral("Mortgage Details")),
        ReportMaker<MortgageSavingsReport>([window] { return window->SavingsReportInputs(); }, PrintMortgageSavings,
                                           QStringLiteral("Mortgage Savings"))};
    main.SetReportHooks({Printing(makers.mortgageDetails), Printing(makers.mortgageSavings)});
    main.SetReportMakers(makers);
}
