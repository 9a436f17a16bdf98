// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/Reports.h"

#include "printing/Printing.h"
#include "ui/main/MainUnit.h"
#include "ui/windows/APGridUnit.h"
#include "ui/windows/MSCHEDULEUnit.h"
#include "ui/windows/MortgageGridUnit.h"

namespace {

// Every report reads its window as it stands when the user confirms printing, then
// opens the printer.
template <typename Report>
std::function<void()> ReportHook(std::function<Report()> inputs, void (*print)(const Report &, PrinterChannel &))
{
    return [inputs, print] {
        const Report report = inputs();
        print(report, *ThePlatform().OpenPrinterChannel());
    };
}

} // namespace

void ConnectReports(TMORTLOAN &main)
{
    const SecondaryWindows &windows = main.Windows();
    TMORTAGEGRID *grid = windows.grid;
    TMSCHEDULE *schedule = windows.schedule;
    TAdditionalP *additional = windows.additional;
    TMORTLOAN *window = &main;
    grid->printReport = ReportHook<MortgageGridReport>([grid] { return grid->ReportInputs(); }, PrintMortgageGrid);
    schedule->printReport = ReportHook<ScheduleReport>([schedule] { return schedule->ReportInputs(); }, PrintSchedule);
    additional->printReport = ReportHook<AdditionalPaymentsReport>(
        [additional] { return additional->ReportInputs(); }, PrintAdditionalPayments);
    main.SetReportHooks({ReportHook<MortgageDetailsReport>([window] { return window->DetailsReportInputs(); },
                                                           PrintMortgageDetails),
                         ReportHook<MortgageSavingsReport>([window] { return window->SavingsReportInputs(); },
                                                           PrintMortgageSavings)});
}
