// SPDX-License-Identifier: GPL-3.0-or-later
// The worked loan as each report's record.
#pragma once

#include "tests/common/AnsweringDesktop.h"
#include "tests/common/PdfFiles.h"
#include "tests/common/QtPrinters.h"
#include "printing/Printing.h"
#include "platform/QtPlatform.h"
#include "platform/RecordingPrinterChannel.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

// A table of cell texts, row by row.
inline ReportCell Cells(std::vector<QStringList> rows)
{
    return [rows = std::move(rows)](int column, int row) {
        if (row < 0 || row >= static_cast<int>(rows.size()) || column < 0
            || column >= rows[row].size())
            return QString();
        return rows[row][column];
    };
}

// 100000 at 6 % over 25 years, monthly payments and compounding, in arrears.
inline ReportLoan WorkedLoan(const QString &partYearCaption)
{
    ReportLoan loan;
    loan.amount = "100000";
    loan.rate = "6";
    loan.years = "25";
    loan.partYearCaption = partYearCaption;
    loan.payment = "Monthly";
    loan.inArrears = true;
    loan.compounded = "Monthly";
    return loan;
}

// Years 1, 2 and 25 of the schedule by year.
inline ScheduleReport WorkedSchedule()
{
    ScheduleReport report;
    report.loan = WorkedLoan("Month(s)");
    report.periodHeading = "Year";
    report.rowCount = 3;
    report.cell = Cells({{"1", "$5,951.57", "$1,780.15", "$98,219.85", "$5,951.57", "$1,780.15"},
                         {"2", "$5,841.78", "$1,889.94", "$96,329.91", "$11,793.35", "$3,670.09"},
                         {"25", "$245.19", "$7,480.68", "$0.00", "$93,287.15", "$100,000.00"}});
    return report;
}

// A grid of three amounts; row 0 is the heading row.
inline MortgageGridReport WorkedGrid()
{
    MortgageGridReport report;
    report.loan = WorkedLoan("Month");
    report.amountStep = "2000";
    report.interestStep = "0.25";
    report.rowCount = 4;
    report.cell = Cells({{"Amt/Int", "5.25%", "5.5%", "5.75%", "6%", "6.25%", "6.5%", "6.75%"},
                         {"$50,000", "$299.63", "$308.56", "$317.60", "$322.15", "$329.84", "$337.60", "$345.44"},
                         {"$100,000", "$599.25", "$617.09", "$635.26", "$644.31", "$659.67", "$675.21", "$690.91"},
                         {"$150,000", "$898.88", "$925.64", "$952.89", "$966.46", "$989.50", "$1,012.81", "$1,036.37"}});
    return report;
}

// Years 25, 24 and 1 of the additional payments grid.
inline AdditionalPaymentsReport WorkedAdditionalPayments()
{
    AdditionalPaymentsReport report;
    report.loan = WorkedLoan("Month(s)");
    report.frequencyWord = "Monthly";
    report.rowCount = 3;
    report.cell = Cells({{"25", "$0.00", "$644.31", "$93,287.04", "$0.00"},
                         {"24", "$11.67", "$655.98", "$88,921.00", "$4,366.04"},
                         {"1", "$7,962.34", "$8,606.65", "$3,279.71", "$90,007.33"}});
    return report;
}

inline MortgageDetailsReport WorkedDetails()
{
    MortgageDetailsReport report;
    report.amount = "100000";
    report.years = "25";
    report.partYearCaption = "Month(s)";
    report.rate = "6";
    report.compounded = "Monthly";
    report.payment = "Monthly";
    report.inArrears = true;
    report.repaymentSentence = "   Monthly Mortgage Payment is";
    report.repayment = "$644.31";
    report.totalInterest = "$93,287.04";
    return report;
}

// Reduced to 15 years, the freed repayment invested at 5 %.
inline MortgageSavingsReport WorkedSavings()
{
    MortgageSavingsReport report;
    report.amount = "100000";
    report.rate = "6";
    report.years = "25";
    report.repayment = "$645";
    report.reducedPeriod = "15";
    report.reducedRepayment = "$844";
    report.extra = "$199";
    report.reducedYears = "15";
    report.investRate = "5";
    report.investTotal = "$100,157";
    return report;
}
