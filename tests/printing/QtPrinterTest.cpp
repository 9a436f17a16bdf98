// SPDX-License-Identifier: GPL-3.0-or-later
// The reports and the chart through the real QPrinter back end, into PDF files.
#include "tests/printing/PrintingTestSupport.h"

#include "platform/Platform.h"
#include "platform/QtPlatform.h"
#include "platform/QtPrinterChannel.h"
#include "engine/Schedule.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

class PdfPrinter {
public:
    PdfPrinter()
    {
        Prepare(printer);
    }
    void Prepare(QPrinter &target) const
    {
        target.setOutputFormat(QPrinter::PdfFormat);
        target.setOutputFileName(path);
        target.setPageSize(QPageSize(QPageSize::A4));
        target.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Point);
    }
    QString Text(int first = 0, int last = 0) const { return PdfText(path, first, last); }
    int Pages() const { return PdfPages(path); }

    QTemporaryDir dir;
    QString path = dir.filePath("report.pdf");
    QPrinter printer{QPrinter::HighResolution};
};

// Words of one page with their boxes, from pdftotext -bbox.
struct Word {
    QString text;
    double xMin, yMin, xMax, yMax;
};

std::vector<Word> Words(const QString &path)
{
    const QString html = RunTool(QStringLiteral(QV_PDFTOTEXT), {"-bbox", "-f", "1", "-l", "1", path, "-"});
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return words;
}

const Word *Find(const std::vector<Word> &words, const QString &text, int occurrence = 0)
{
    for (const Word &w : words)
        if (w.text == text && occurrence-- == 0)
            return &w;
    return nullptr;
}

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

TEST(QtPrinterChannel, EachReportPrintsTheTextItWritesOnOnePage)
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
        QStringList printed = PdfLines(pdf.Text());
        for (QString &line : printed)
            line = line.simplified();
        EXPECT_EQ(printed, expected);
    }
}

TEST(QtPrinterChannel, ColumnsLineUpAndRowsStartAtTheLeftEdge)
{
    PdfPrinter pdf;
    {
        QtPrinterChannel channel(pdf.printer);
        PrintMortgageGrid(WorkedGrid(), channel);
    }
    const std::vector<Word> words = Words(pdf.path);
    // Right-aligned cells end where their heading ends, bold or not.
    const char *headings[] = {"Amt/Int", "5.25%", "6%", "6.75%"};
    const char *rows[][4] = {{"$50,000", "$299.63", "$322.15", "$345.44"},
                             {"$150,000", "$898.88", "$966.46", "$1,036.37"}};
    for (int k = 0; k < 4; ++k) {
        const Word *heading = Find(words, headings[k]);
        ASSERT_NE(heading, nullptr) << headings[k];
        for (const auto &row : rows) {
            const Word *cell = Find(words, row[k]);
            ASSERT_NE(cell, nullptr) << row[k];
            EXPECT_NEAR(cell->xMax, heading->xMax, 0.5) << row[k];
        }
    }
    // "Page 1" at the top-left of the printable area (10 pt margins).
    const Word *page = Find(words, "Page");
    ASSERT_NE(page, nullptr);
    EXPECT_NEAR(page->xMin, 10, 1);
    EXPECT_NEAR(page->yMin, 10, 3);
    // Everything within the printable width.
    for (const Word &w : words)
        EXPECT_LE(w.xMax, 595.28 - 10 + 0.5) << w.text.toStdString();
}

TEST(QtPrinterChannel, LineEndMovesDownByTheTallestTextOnTheLine)
{
    PdfPrinter pdf;
    {
        QtPrinterChannel channel(pdf.printer);
        channel.SetFont({"Courier New", 8, false, false});
        channel.Open("lines");
        channel.Write("small");
        channel.SetFont({"Courier New", 24, true, false});
        channel.Write("BIG");
        channel.SetFont({"Courier New", 8, false, false});
        channel.LineEnd();
        channel.Write("next");
        channel.LineEnd();
        channel.LineEnd(); // empty, 8 points
        channel.Write("last");
        channel.LineEnd();
        channel.Close();
    }
    const std::vector<Word> words = Words(pdf.path);
    const Word *small = Find(words, "small");
    const Word *big = Find(words, "BIG");
    const Word *next = Find(words, "next");
    const Word *last = Find(words, "last");
    ASSERT_TRUE(small && big && next && last);
    // Boxes reach from ascent to descent: 0.833 and 0.3 of the size in this font.
    // Bottoms 16 points of size apart by the descent alone mean one baseline.
    EXPECT_NEAR(big->yMax - small->yMax, 16 * 0.3, 0.3) << "one baseline";
    EXPECT_NEAR(big->yMin, 10, 0.5) << "the line starts at the top margin";
    EXPECT_NEAR(big->xMin, small->xMax, 0.5);
    EXPECT_NEAR(next->xMin, 10, 0.5);
    // Lines are 1.133 of their tallest size high.
    EXPECT_NEAR(next->yMin - big->yMin, 24 * 1.133, 0.5);
    EXPECT_NEAR(last->yMin - next->yMin, 2 * 8 * 1.133, 0.5);
}

TEST(QtPrinterChannel, LongTextContinuesOnTheNextLineAndFullPagesBreakByThemselves)
{
    PdfPrinter pdf;
    const QString longText = QString("0123456789").repeated(20); // 200 characters
    int pages = 0;
    {
        QtPrinterChannel channel(pdf.printer);
        channel.Open("overflow");
        channel.Write(longText);
        channel.LineEnd();
        for (int k = 1; k <= 150; ++k) {
            channel.Write(QString("line %1").arg(k));
            channel.LineEnd();
        }
        channel.FormFeed();
        channel.Write("after the form feed");
        channel.LineEnd();
        pages = channel.PagesStarted();
        channel.Close();
    }
    // 8-point lines of about 9 points: 90 to a 822-point printable page.
    EXPECT_EQ(pages, 3);
    EXPECT_EQ(pdf.Pages(), 3);
    const QStringList first = PdfLines(pdf.Text(1));
    ASSERT_GE(first.size(), 2);
    // 575 points hold 120 characters of 4.8 points.
    EXPECT_EQ(first[0].trimmed(), longText.left(120));
    EXPECT_EQ(first[1].trimmed(), longText.mid(120));
    EXPECT_EQ(first.last().trimmed(), QString("line %1").arg(first.size() - 2));
    const QStringList second = PdfLines(pdf.Text(2));
    EXPECT_EQ(second.first().trimmed(), QString("line %1").arg(first.size() - 1));
    EXPECT_EQ(second.last().trimmed(), "line 150");
    EXPECT_EQ(PdfLines(pdf.Text(3)), QStringList{"after the form feed"});
}

TEST(QtPrinterChannel, LongScheduleSpansPagesWithAHeadingOnEach)
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
        QStringList lines = PdfLines(pdf.Text(page));
        for (QString &line : lines)
            line = line.simplified();
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

TEST(QtPrinterChannel, HeightsAreInPrinterPixels)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Point);
    QtPrinterChannel channel(printer);
    const double pixelsPerPoint = printer.resolution() / 72.0;
    EXPECT_NEAR(channel.PageHeight(), 822 * pixelsPerPoint, pixelsPerPoint);
    const double eight = channel.TextHeight("A");
    EXPECT_GT(eight, 8 * pixelsPerPoint);
    EXPECT_LT(eight, 10 * pixelsPerPoint);
    channel.SetFont({"Courier New", 12, true, true});
    EXPECT_NEAR(channel.TextHeight("A") / eight, 1.5, 0.05);
    channel.SetOrientation(PageOrientation::Landscape);
    EXPECT_NEAR(channel.PageHeight(), (595.28 - 20) * pixelsPerPoint, pixelsPerPoint);
}

TEST(QtPrinterChannel, PrinterThatCannotStartGivesTheMessages)
{
    QPrinter unnamed(QPrinter::HighResolution);
    unnamed.setOutputFormat(QPrinter::PdfFormat); // no printer and no file
    QtPrinterChannel channel(unnamed);
    try {
        PrintMortgageDetails(WorkedDetails(), channel);
        ADD_FAILURE() << "printed";
    } catch (const QuovellaError &error) {
        EXPECT_EQ(error.Message(), "There is no default printer currently selected");
    }

    QTemporaryDir dir;
    QPrinter badFile(QPrinter::HighResolution);
    badFile.setOutputFormat(QPrinter::PdfFormat);
    badFile.setOutputFileName(dir.filePath("missing/folder/report.pdf"));
    QtPrinterChannel second(badFile);
    try {
        PrintMortgageDetails(WorkedDetails(), second);
        ADD_FAILURE() << "printed";
    } catch (const QuovellaError &error) {
        EXPECT_EQ(error.Message(), "Printer selected is not valid");
    }
}

TEST(QtPrinterChannel, JobLeftOpenLeavesNoDocument)
{
    PdfPrinter pdf;
    {
        QtPrinterChannel channel(pdf.printer);
        channel.Open("half");
        channel.Write("half a report");
        channel.LineEnd();
    }
    EXPECT_FALSE(QFile::exists(pdf.path));
}

TEST(QtPlatformPrinting, ReportsPrintOnThePrinterChosenLast)
{
    QtPlatform platform;
    PdfPrinter pdf;
    pdf.Prepare(platform.Printer());
    PrintMortgageSavings(WorkedSavings(), *platform.OpenPrinterChannel());
    EXPECT_EQ(pdf.Pages(), 1);
    EXPECT_TRUE(pdf.Text().contains("Mortgage Savings"));
}

TEST(QtPlatformPrinting, ChartPrintsOneLandscapePageAndRestoresTheOrientation)
{
    AnsweringDesktop platform;
    PdfPrinter pdf;
    pdf.Prepare(platform.Printer());
    platform.pdfAnswers.push_back(pdf.path);
    platform.Printer().setPageOrientation(QPageLayout::Portrait);
    QRectF area;
    platform.PrintLandscapePage(nullptr, [&](QPainter &painter, const QRectF &page) {
        area = page;
        painter.drawText(page.center(), "chart");
    });
    EXPECT_GT(area.width(), area.height());
    EXPECT_EQ(area.topLeft(), QPointF(0, 0));
    EXPECT_EQ(pdf.Pages(), 1);
    const QSizeF size = PdfPageSize(pdf.path);
    EXPECT_NEAR(size.width(), 841.89, 1);
    EXPECT_NEAR(size.height(), 595.28, 1);
    EXPECT_TRUE(pdf.Text().contains("chart"));
    EXPECT_EQ(platform.Printer().pageLayout().orientation(), QPageLayout::Portrait);
}

TEST(QtPlatformPrinting, ChartPrintRestoresTheOrientationWhenItFails)
{
    AnsweringDesktop platform;
    PdfPrinter pdf;
    pdf.Prepare(platform.Printer());
    platform.pdfAnswers.push_back(pdf.path);
    platform.pdfAnswers.push_back(pdf.dir.filePath("missing/folder/chart.pdf"));
    platform.Printer().setPageOrientation(QPageLayout::Portrait);
    EXPECT_THROW(platform.PrintLandscapePage(nullptr, [](QPainter &, const QRectF &) {
        throw QuovellaError("painting failed");
    }),
                 QuovellaError);
    EXPECT_EQ(platform.Printer().pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_FALSE(QFile::exists(pdf.path)) << "half a page is no print";

    try {
        platform.PrintLandscapePage(nullptr, [](QPainter &, const QRectF &) {});
        ADD_FAILURE() << "printed";
    } catch (const QuovellaError &error) {
        EXPECT_EQ(error.Message(), "Printer selected is not valid");
    }
    EXPECT_EQ(platform.Printer().pageLayout().orientation(), QPageLayout::Portrait);
}
