// SPDX-License-Identifier: GPL-3.0-or-later
// The reports through the real printer channel, into PDF files.
#include "tests/printing/PrintingTestSupport.h"

#include "platform/QtPrinterChannel.h"
#include "engine/Schedule.h"

namespace {

ScheduleReport MonthlySchedule(int years)
{
    Loan loan;
    loan.amount = 100000;
    loan.rate = 6;
    loan.years = years;
    static std::vector<ScheduleRow> rows;
    rows = BuildSchedule(loan, ScheduleBy::Period);
    ScheduleReport report = WorkedSchedule();
    report.loan.years = QString::number(years);
    report.periodHeading = "Month";
    report.rowCount = static_cast<int>(rows.size());
    report.cell = [](int column, int row) {
        const ScheduleRow &r = rows[row];
        const double values[] = {r.interest, r.capital, r.balance, r.accumulatedInterest, r.accumulatedCapital};
        return column == 0 ? QString::number(r.period) : MoneyText(values[column - 1]);
    };
    return report;
}

} // namespace

TEST(ReportsOnPdf, EachReportPrintsTheTextItWritesOnOnePage)
{
    const std::vector<std::pair<const char *, std::function<void(PrinterChannel &)>>> reports{
        {"details", [](PrinterChannel &c) { PrintMortgageDetails(WorkedDetails(), c); }},
        {"savings", [](PrinterChannel &c) { PrintMortgageSavings(WorkedSavings(), c); }},
        {"schedule", [](PrinterChannel &c) { PrintSchedule(WorkedSchedule(), c); }},
        {"grid", [](PrinterChannel &c) { PrintMortgageGrid(WorkedGrid(), c); }},
        {"additional", [](PrinterChannel &c) { PrintAdditionalPayments(WorkedAdditionalPayments(), c); }},
    };
    for (const auto &[name, print] : reports) {
        SCOPED_TRACE(name);
        // The lines as written, blanks collapsed as pdftotext reports them.
        RecordingPrinterChannel written;
        print(written);
        QStringList expected;
        for (const QString &line : written.Texts())
            if (!line.trimmed().isEmpty())
                expected << line.simplified();
        ASSERT_GT(expected.size(), 5);

        PdfPrinter pdf;
        {
            QtPrinterChannel channel(pdf.printer);
            print(channel);
        }
        EXPECT_EQ(pdf.Pages(), 1);
        EXPECT_EQ(SimplifiedPdfLines(pdf.Text()), expected);
    }
}

TEST(ReportsOnPdf, ColumnsLineUpAndRowsStartAtTheLeftEdge)
{
    PdfPrinter pdf;
    {
        QtPrinterChannel channel(pdf.printer);
        PrintMortgageGrid(WorkedGrid(), channel);
    }
    const std::vector<PdfWord> words = PdfWords(pdf.path);
    // Right-aligned cells end where their heading ends, bold or not.
    const char *headings[] = {"Amt/Int", "5.25%", "6%", "6.75%"};
    const char *rows[][4] = {{"$50,000", "$299.63", "$322.15", "$345.44"},
                             {"$150,000", "$898.88", "$966.46", "$1,036.37"}};
    for (int k = 0; k < 4; ++k) {
        const PdfWord *heading = FindWord(words, headings[k]);
        ASSERT_NE(heading, nullptr) << headings[k];
        for (const auto &row : rows) {
            const PdfWord *cell = FindWord(words, row[k]);
            ASSERT_NE(cell, nullptr) << row[k];
            EXPECT_NEAR(cell->xMax, heading->xMax, 0.5) << row[k];
        }
    }
    // "Page 1" at the top-left of the printable area (10 pt margins).
    const PdfWord *page = FindWord(words, "Page");
    ASSERT_NE(page, nullptr);
    EXPECT_NEAR(page->xMin, 10, 1);
    EXPECT_NEAR(page->yMin, 10, 3);
    // Everything within the printable width.
    for (const PdfWord &w : words)
        EXPECT_LE(w.xMax, 595.28 - 10 + 0.5) << w.text.toStdString();
}

TEST(ReportsOnPdf, LongScheduleSpansPagesWithAHeadingOnEach)
{
    PdfPrinter pdf;
    {
        QtPrinterChannel channel(pdf.printer);
        PrintSchedule(MonthlySchedule(25), channel);
    }
    const int pages = ThePrintState().PrintPageNumber;
    EXPECT_GT(pages, 3);
    // The program's page count is the printer's: no page broke by itself.
    EXPECT_EQ(pdf.Pages(), pages);
    int rows = 0;
    for (int page = 1; page <= pages; ++page) {
        SCOPED_TRACE(page);
        const QStringList lines = SimplifiedPdfLines(pdf.Text(page));
        ASSERT_GE(lines.size(), 6);
        EXPECT_EQ(lines[0], QString("Page %1").arg(page));
        const qsizetype heading = lines.indexOf("Mortgage Schedule");
        ASSERT_GE(heading, 1);
        EXPECT_EQ(lines[heading + 2], "Month Interest Capital Outstanding Accumulated Accumulated");
        EXPECT_EQ(lines[heading + 3], "Interest Reduction Balance Interest Capital");
        rows += static_cast<int>(lines.size() - heading - 4);
    }
    EXPECT_EQ(rows, 300);
}
