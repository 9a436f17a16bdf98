// SPDX-License-Identifier: GPL-3.0-or-later
// The printer channel and the desktop's printing through the real QPrinter back
// end, into PDF files read back with the poppler tools.
#include "tests/common/AnsweringDesktop.h"
#include "tests/common/PdfFiles.h"
#include "tests/common/QtPrinters.h"
#include "core/Error.h"
#include "platform/QtPlatform.h"
#include "platform/QtPrinterChannel.h"

#include <QFile>
#include <QPainter>

#include <gtest/gtest.h>

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
    const std::vector<PdfWord> words = PdfWords(pdf.path);
    const PdfWord *small = FindWord(words, "small");
    const PdfWord *big = FindWord(words, "BIG");
    const PdfWord *next = FindWord(words, "next");
    const PdfWord *last = FindWord(words, "last");
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

TEST(QtPrinterChannel, LinesComeOutAsWrittenWhateverTheirFont)
{
    const QStringList written{"Mortgage Details", "Amount $100,000.00", "Interest Rate 6%",
                              "Total Interest $93,287.04"};
    PdfPrinter pdf;
    {
        QtPrinterChannel channel(pdf.printer);
        channel.Open("fonts");
        channel.SetFont({"Arial", 14, true, false});
        channel.Write(written[0]);
        channel.LineEnd();
        channel.SetFont({"Courier New", 8, false, true});
        for (qsizetype k = 1; k < written.size(); ++k) {
            channel.Write(written[k]);
            channel.LineEnd();
        }
        channel.Close();
    }
    EXPECT_EQ(pdf.Pages(), 1);
    EXPECT_EQ(SimplifiedPdfLines(pdf.Text()), written);
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
        channel.Open("Mortgage Details");
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
        second.Open("Mortgage Details");
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
    {
        const std::unique_ptr<PrinterChannel> channel = platform.OpenPrinterChannel();
        channel->Open("Mortgage Savings");
        channel->Write("Mortgage Savings");
        channel->LineEnd();
        channel->Close();
    }
    EXPECT_EQ(pdf.Pages(), 1);
    EXPECT_EQ(PdfLines(pdf.Text()), QStringList{"Mortgage Savings"});
}

// Print to File in the print dialog: the old file stays whole until the new one is.
TEST(QtPlatformPrinting, PrintToFileReplacesTheOldFileOnlyWhenTheReportIsWhole)
{
    QtPlatform platform;
    PdfPrinter pdf;
    pdf.Prepare(platform.Printer());
    {
        QFile old(pdf.path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the old file");
    }
    {
        const std::unique_ptr<PrinterChannel> channel = platform.OpenPrinterChannel();
        channel->Open("Mortgage Savings");
        channel->Write("half a report");
        channel->LineEnd();
    } // given up before its end, as a failed or cancelled report is
    QFile old(pdf.path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the old file");

    platform.Printer().setCopyCount(2);
    {
        const std::unique_ptr<PrinterChannel> channel = platform.OpenPrinterChannel();
        EXPECT_EQ(channel->CopiesToWrite(), 2);
        channel->Open("Mortgage Savings");
        channel->Write("Mortgage Savings");
        channel->LineEnd();
        channel->Close();
    }
    EXPECT_EQ(PdfLines(pdf.Text()), QStringList{"Mortgage Savings"});
    EXPECT_EQ(platform.Printer().outputFileName(), pdf.path);
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
        // The chosen file cannot be made, and nothing is drawn.
        EXPECT_EQ(error.Message(), QDir::toNativeSeparators(pdf.dir.filePath("missing/folder/chart.pdf"))
                                       + " was not written: File not found");
    }
    EXPECT_EQ(platform.Printer().pageLayout().orientation(), QPageLayout::Portrait);
}
