// SPDX-License-Identifier: GPL-3.0-or-later
// What a window does with its report: print it, preview it or save it as a PDF.
#pragma once

#include "platform/Platform.h"

#include <QString>

// A report as a window offers it: its writer and the title its PDF is named by.
struct PrintableReport {
    QString title; // "Schedule 100000 at 6%"
    ReportWriter write;
};

// "Schedule 100000 at 6%": the report's name and the loan it shows, without the
// characters a file name cannot hold.
QString ReportTitle(const QString &report, const QString &amount, const QString &rate);

// Writes the report into the channel as many times as the copies need, each copy
// on fresh pages, all in one job.
void WriteReportCopies(PrinterChannel &channel, const ReportWriter &write);

// On the printer chosen last (the print dialog comes before, in the caller).
void PrintReport(const PrintableReport &report);
void PreviewReport(QWidget *parent, const PrintableReport &report);
// Asks for the file (default "<title>.pdf") and writes the report into it, without
// the print dialog. False when the user cancels.
bool ExportReportToPdf(QWidget *parent, const PrintableReport &report);
