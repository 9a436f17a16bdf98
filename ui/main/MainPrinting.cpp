// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu's printing: the report of the tab in front, on the printer, in a
// preview or in a PDF.
#include "ui/main/MainUnit.h"

#include "ui/common/Look.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

void TMORTLOAN::AddReportActions(QMenu *file)
{
    Print1 = file->addAction(tr("&Print\u2026"));
    PrintPreview1 = file->addAction(tr("Print Pre&view\u2026"));
    ExportPdf1 = file->addAction(tr("Export to P&DF\u2026"));
    Print1->setObjectName(QStringLiteral("Print1"));
    PrintPreview1->setObjectName(QStringLiteral("PrintPreview1"));
    ExportPdf1->setObjectName(QStringLiteral("ExportPdf1"));
    Print1->setShortcut(QKeySequence::Print);
    // The tab's own Print button: the same checks, dialog and report.
    connect(Print1, &QAction::triggered, this, [this] {
        if (PageControl1->currentWidget() == TabSheet1)
            PrintMortBtn->click();
        else if (PageControl1->currentWidget() == TabSheet3)
            BitBtn12->click();
    });
    On(PrintPreview1, &QAction::triggered, [this] {
        if (const std::optional<PrintableReport> report = ReportInFront())
            PreviewReport(this, *report);
    });
    On(ExportPdf1, &QAction::triggered, [this] {
        if (const std::optional<PrintableReport> report = ReportInFront())
            ExportReportToPdf(this, *report);
    });
    connect(file, &QMenu::aboutToShow, this, [this] { UpdateReportActions(); });
}

void TMORTLOAN::UpdateReportActions()
{
    // The What If? tab has no report.
    const bool report = PageControl1->currentWidget() == TabSheet1 || PageControl1->currentWidget() == TabSheet3;
    for (QAction *action : {Print1, PrintPreview1, ExportPdf1})
        action->setEnabled(report);
}

std::optional<PrintableReport> TMORTLOAN::ReportInFront()
{
    if (PageControl1->currentWidget() == TabSheet1) {
        // As Print does: the figures are worked out afresh first; a loan that
        // does not check out has its message and no report.
        CalMortBtnClick(CalMortBtn);
        if (TotalInterest->text().isEmpty() || !reportMakers_.mortgageDetails)
            return std::nullopt;
        return reportMakers_.mortgageDetails();
    }
    if (PageControl1->currentWidget() == TabSheet3 && reportMakers_.mortgageSavings)
        return reportMakers_.mortgageSavings();
    return std::nullopt;
}
