// SPDX-License-Identifier: GPL-3.0-or-later
// The printed reports: plain text in a fixed-pitch font, written line by line to
// a printer channel, with the program's own page count.
#pragma once

#include "platform/PrinterChannel.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>

// One set for the program, reset by every report at its start; only one report
// prints at a time. The counts are in 8-point lines: headings in larger type use
// more height than they count for, which the margin taken off LinesPerPage absorbs.
struct PrintState {
    int PrintLineCount = 1;  // lines used on the current page; 1 at the start of a page
    int PrintPageNumber = 1;
    int PrintRow = 0;        // grid row a table report is printing
    int LinesPerPage = 0;
    bool HeadingPending = true; // no page break until the table heading is printed
    class PrinterChannel *PrinterChannel = nullptr;
};

PrintState &ThePrintState();

// Resets the state and opens the channel, in the order the page count relies on:
// the 8-point height is measured before the font name is set, on the page in the
// orientation it prints in.
void StartReport(PrintState &state, PrinterChannel &channel, const QString &documentName);
// Size, then no styles, then bold and underline as asked; the name stays.
void SetPrintFont(PrintState &state, int pointSize, bool bold, bool underline);
// Before each table row: on a full page, a form feed and an empty line, and true.
// Never while the page's heading is still to come.
bool NewPageIfFull(PrintState &state, int line);

// The text without surrounding blanks and control characters, padded with blanks
// at its end to `width`; a longer text is not cut.
QString PadTextLeft(const QString &text, int width);
// The text after as many blanks as it is shorter than n; a longer text is not cut.
QString RightAligned(const QString &text, int n);

// A grid cell as the window shows it.
using ReportCell = std::function<QString(int column, int row)>;

// The loan at the head of a table report: the printing window's own fields and
// the main window's frequencies and timing.
struct ReportLoan {
    QString amount;
    QString rate;
    QString years;
    QString partYearCaption; // "Month(s)", without the colon
    QString partYear;
    QString payment;         // main window's payment frequency
    bool inArrears = true;
    QString compounded;      // main window's compounding frequency
};

struct MortgageGridReport {
    ReportLoan loan;
    QString amountStep;
    QString interestStep;
    int rowCount = 0; // grid rows, heading row 0 included
    ReportCell cell;  // (column, grid row)
};

struct ScheduleReport {
    ReportLoan loan;
    QString periodHeading; // heading of the first column: "Year", "Month", ...
    int rowCount = 0;
    ReportCell cell;
};

struct AdditionalPaymentsReport {
    ReportLoan loan;      // part-year caption from the main window
    QString frequencyWord; // the window's word for the payment frequency
    int rowCount = 0;
    ReportCell cell;
    QString markNote; // what a marked row means; empty when no row is marked
};

struct PaymentPlanReport {
    ReportLoan loan;
    QString firstPayment;  // the first payment's date as shown; empty without one
    QStringList events;    // one line for each event, as the window lists it
    QList<QPair<QString, QString>> results; // caption and figure, as the window shows them
    QString periodHeading; // "Year" or "Payment"
    int rowCount = 0;
    ReportCell cell;       // the plan's schedule: number, date, then the money columns and the rate
};

// A table whose columns are items side by side (the compared offers): the row
// names, then a column per item, each as wide as its widest text. Columns that do
// not fit across the page go on in a further block below, after the names again.
struct ComparisonReport {
    QStringList headings; // the names column's, then one per item
    int rowCount = 0;
    ReportCell cell;      // (column, row) as the window shows it
};

struct MortgageDetailsReport {
    QString amount;
    QString years;
    QString partYearCaption;
    QString partYear;
    QString rate;
    QString compounded;
    QString payment;
    bool inArrears = true;
    QString repaymentSentence; // "   Monthly Mortgage Payment is"
    QString repayment;
    QString totalInterest;
};

struct MortgageSavingsReport {
    QString amount;
    QString rate;
    QString years;
    QString repayment;
    QString reducedPeriod;
    QString reducedRepayment;
    QString extra;
    QString reducedYears;
    QString investRate;
    QString investTotal;
};

// Each report prints on the channel from set-up to closing it; a printer error
// stops it with a QuovellaError and the job is not finished.
void PrintMortgageGrid(const MortgageGridReport &report, PrinterChannel &channel);
void PrintSchedule(const ScheduleReport &report, PrinterChannel &channel);
void PrintAdditionalPayments(const AdditionalPaymentsReport &report, PrinterChannel &channel);
void PrintPaymentPlan(const PaymentPlanReport &report, PrinterChannel &channel);
void PrintComparison(const ComparisonReport &report, PrinterChannel &channel);
void PrintMortgageDetails(const MortgageDetailsReport &report, PrinterChannel &channel);
void PrintMortgageSavings(const MortgageSavingsReport &report, PrinterChannel &channel);
