// SPDX-License-Identifier: GPL-3.0-or-later
// Print jobs on the real QPrinter: a failed job leaves the next one working, the
// chart never overwrites a file unasked, pages fill in the orientation chosen,
// copies, the preview and PDF export.
#include "tests/common/FailingDisk.h"
#include "tests/printing/PrintingTestSupport.h"
#include "tests/common/TestFiles.h"

#include "platform/FileWriting.h"
#include "platform/QtPrinterChannel.h"
#include "platform/ReportOutput.h"
#include "platform/ScriptedPlatform.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <cerrno>
#include <cmath>

#include <sys/stat.h>
#include <unistd.h>

using namespace FailingDisk;

namespace {

QString PrintError(const std::function<void()> &print)
{
    try {
        print();
    } catch (const QuovellaError &error) {
        return error.Message();
    }
    return QStringLiteral("(printed)");
}

void DrawChart(QPainter &painter, const QRectF &page)
{
    painter.drawText(page.center(), QStringLiteral("chart"));
}

// A schedule of `rows` monthly rows with made-up money.
ScheduleReport LongSchedule(int rows)
{
    ScheduleReport report = WorkedSchedule();
    report.periodHeading = "Month";
    report.rowCount = rows;
    report.cell = [](int column, int row) {
        return column == 0 ? QString::number(row + 1) : QStringLiteral("$1,234.56");
    };
    return report;
}

// Lowest point of any text on a page, in points from its top.
double LowestText(const QString &path, int page)
{
    double lowest = 0;
    for (const PdfWord &word : PdfWords(path, page))
        lowest = std::max(lowest, word.yMax);
    return lowest;
}

} // namespace

TEST(PrintAfterFailure, ChartWithoutPrinterThenReportToPdfPrints)
{
    AnsweringDesktop platform; // a fresh start: no printer chosen, no file
    platform.Printer().setPageSize(QPageSize(QPageSize::A5));
    // The design's words, then how to go on: the page prints without a dialog.
    EXPECT_EQ(PrintError([&] { platform.PrintLandscapePage(nullptr, DrawChart); }),
              "There is no default printer currently selected. To choose a printer, print any report once "
              "(its Print button shows the print dialog) and try again.");
    EXPECT_TRUE(platform.pdfSuggestions.isEmpty()) << "no file to protect, no question";

    // What the print dialog does when the user picks "Print to File (PDF)".
    QTemporaryDir dir;
    const QString path = dir.filePath("schedule.pdf");
    platform.Printer().setOutputFileName(path);
    EXPECT_EQ(platform.Printer().outputFileName(), path) << "the printer took the setting";
    EXPECT_EQ(platform.Printer().pageLayout().pageSize().id(), QPageSize::A5) << "settings survive";
    EXPECT_EQ(platform.Printer().pageLayout().orientation(), QPageLayout::Portrait);

    PrintSchedule(WorkedSchedule(), *platform.OpenPrinterChannel());
    ASSERT_TRUE(QFile::exists(path));
    const QStringList lines = PdfLines(PdfText(path));
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first().trimmed(), "Page 1");
    EXPECT_TRUE(lines.join('\n').contains("Mortgage Schedule"));
}

TEST(PrintAfterFailure, UnwritableFileAndStoppedJobLeaveTheNextPrintWorking)
{
    QtPlatform platform;
    QTemporaryDir dir;
    PrintToPdfFile(platform.Printer(), dir.filePath("missing/folder/report.pdf"));
    // The file is written beside its final name first, so the message names it.
    const QString unwritable =
        PrintError([&] { PrintMortgageDetails(WorkedDetails(), *platform.OpenPrinterChannel()); });
    EXPECT_TRUE(unwritable.startsWith(QDir::toNativeSeparators(dir.filePath("missing/folder/report.pdf"))
                                      + " was not written"))
        << unwritable.toStdString();

    const QString stopped = dir.filePath("stopped.pdf");
    platform.Printer().setOutputFileName(stopped);
    ScheduleReport failing = LongSchedule(50);
    failing.cell = [](int, int row) -> QString {
        if (row == 20)
            throw QuovellaError("figures went missing");
        return QStringLiteral("1");
    };
    EXPECT_EQ(PrintError([&] { PrintSchedule(failing, *platform.OpenPrinterChannel()); }),
              "figures went missing");
    EXPECT_FALSE(QFile::exists(stopped)) << "half a report is no report";

    const QString good = dir.filePath("good.pdf");
    platform.Printer().setOutputFileName(good);
    EXPECT_EQ(platform.Printer().outputFileName(), good);
    PrintMortgageDetails(WorkedDetails(), *platform.OpenPrinterChannel());
    EXPECT_EQ(PdfPages(good), 1);
    EXPECT_TRUE(PdfText(good).contains("Mortgage Details"));
}

TEST(ChartOnAFilePrinter, AsksForTheFileAndNeverOverwritesTheLastPrint)
{
    AnsweringDesktop platform;
    QTemporaryDir dir;
    const QString report = dir.filePath("report.pdf");
    PrintToPdfFile(platform.Printer(), report);
    PrintMortgageDetails(WorkedDetails(), *platform.OpenPrinterChannel());
    const QByteArray reportBytes = FileBytes(report);
    ASSERT_FALSE(reportBytes.isEmpty());

    // Cancelled: nothing printed, nothing touched.
    platform.PrintLandscapePage(nullptr, DrawChart);
    EXPECT_EQ(platform.pdfSuggestions, QStringList{"Cost Breakdown Graph.pdf"});
    EXPECT_EQ(FileBytes(report), reportBytes);

    const QString chart = dir.filePath("chart.pdf");
    platform.pdfAnswers.push_back(chart);
    platform.PrintLandscapePage(nullptr, DrawChart);
    EXPECT_EQ(FileBytes(report), reportBytes);
    EXPECT_EQ(PdfPages(chart), 1);
    EXPECT_TRUE(PdfText(chart).contains("chart"));
    EXPECT_TRUE(RunTool(QStringLiteral(QV_PDFINFO), {chart}).contains("Cost Breakdown Graph"))
        << "the chart's own title, not the last report's";
    // The next report printed to a file is offered the report's file again, not the chart's.
    EXPECT_EQ(platform.Printer().outputFileName(), report);
    // Another page names its own file.
    platform.PrintLandscapePage(nullptr, DrawChart, "Balance 100000 at 6%");
    EXPECT_EQ(platform.pdfSuggestions.last(), "Balance 100000 at 6%.pdf");
}

TEST(ReportPages, FillThePageInTheOrientationChosen)
{
    QTemporaryDir dir;
    int pagesOf[2] = {0, 0};
    int linesOf[2] = {0, 0};
    for (const bool landscape : {false, true}) {
        SCOPED_TRACE(landscape ? "landscape" : "portrait");
        const QString path = dir.filePath(landscape ? "landscape.pdf" : "portrait.pdf");
        QPrinter printer(QPrinter::HighResolution);
        PrintToPdfFile(printer, path);
        printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        {
            QtPrinterChannel channel(printer);
            PrintSchedule(LongSchedule(400), channel);
        }
        const QSizeF size = PdfPageSize(path);
        EXPECT_EQ(size.width() > size.height(), landscape);
        pagesOf[landscape] = PdfPages(path);
        linesOf[landscape] = ThePrintState().LinesPerPage;
        EXPECT_EQ(pagesOf[landscape], ThePrintState().PrintPageNumber) << "no page broke by itself";
        // A full page reaches near its bottom margin: within about 12 lines of it.
        EXPECT_GT(LowestText(path, 2), size.height() - 10 - 12 * 9.1);
    }
    EXPECT_GT(linesOf[0], linesOf[1] * 13 / 10);
    EXPECT_GT(pagesOf[1], pagesOf[0]);
}

TEST(ReportCopies, APrinterThatCannotMakeCopiesGetsTheReportAgain)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("copies.pdf");
    QPrinter printer(QPrinter::HighResolution);
    PrintToPdfFile(printer, path);
    printer.setCopyCount(3);
    {
        QtPrinterChannel channel(printer);
        ASSERT_EQ(channel.CopiesToWrite(), 3);
        WriteReportCopies(channel, [](PrinterChannel &c) { PrintSchedule(LongSchedule(150), c); });
    }
    const int perCopy = ThePrintState().PrintPageNumber;
    ASSERT_GE(perCopy, 2);
    EXPECT_EQ(PdfPages(path), 3 * perCopy);
    for (int copy = 0; copy < 3; ++copy)
        EXPECT_EQ(PdfLines(PdfText(path, copy * perCopy + 1)).first().trimmed(), "Page 1") << copy;
}

TEST(PdfExport, WritesTheReportUnderTheNameChosenAndKeepsTheOldFileUntilDone)
{
    AnsweringDesktop platform;
    SetPlatform(&platform);
    QTemporaryDir dir;
    const QString path = dir.filePath("Schedule 100000 at 6%.pdf");
    SetFileBytes(path, "the file it replaces");
    const PrintableReport good{ReportTitle("Schedule", "100000", "6"),
                               [](PrinterChannel &c) { PrintSchedule(WorkedSchedule(), c); }};

    EXPECT_FALSE(ExportReportToPdf(nullptr, good)) << "cancelled";
    EXPECT_EQ(platform.pdfSuggestions, QStringList{"Schedule 100000 at 6%.pdf"});
    EXPECT_EQ(FileBytes(path), "the file it replaces");

    ScheduleReport failing = LongSchedule(300);
    failing.cell = [](int, int row) -> QString {
        if (row == 200)
            throw QuovellaError("figures went missing");
        return QStringLiteral("1");
    };
    platform.pdfAnswers.push_back(path);
    EXPECT_EQ(PrintError([&] {
                  ExportReportToPdf(nullptr, {"Schedule", [&](PrinterChannel &c) { PrintSchedule(failing, c); }});
              }),
              "figures went missing");
    EXPECT_EQ(FileBytes(path), "the file it replaces");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Schedule 100000 at 6%.pdf"})
        << "no half-written file left beside it";

    platform.Printer().setPageSize(QPageSize(QPageSize::A4));
    platform.pdfAnswers.push_back(path);
    EXPECT_TRUE(ExportReportToPdf(nullptr, good));
    EXPECT_EQ(PdfLines(PdfText(path)).first().trimmed(), "Page 1");
    EXPECT_NEAR(PdfPageSize(path).width(), 595.28, 1) << "the chosen printer's paper";

    platform.pdfAnswers.push_back(dir.filePath("missing/folder/x.pdf"));
    EXPECT_EQ(PrintError([&] { ExportReportToPdf(nullptr, good); }),
              QDir::toNativeSeparators(dir.filePath("missing/folder/x.pdf")) + " was not written: File not found");
    SetPlatform(nullptr);
}

TEST(PdfExport, ADiskThatFailsLeavesTheOldFileAndNothingBesideIt)
{
    AnsweringDesktop platform;
    SetPlatform(&platform);
    QTemporaryDir dir;
    const QString path = dir.filePath("x.pdf");
    const PrintableReport good{"x", [](PrinterChannel &c) { PrintSchedule(WorkedSchedule(), c); }};
    const DiskCalls system = SystemDiskCalls();
    for (const DiskCalls &calls : {DiskCalls{system.write, &SyncFails, system.close},
                                   DiskCalls{system.write, system.sync, &CloseFails}}) {
        SetFileBytes(path, "the file it replaces");
        FailingDisk::error = EIO;
        const ScopedDiskCalls failing(calls);
        platform.pdfAnswers.push_back(path);
        EXPECT_EQ(PrintError([&] { ExportReportToPdf(nullptr, good); }),
                  QDir::toNativeSeparators(path) + " was not written: I/O error 5");
        EXPECT_EQ(FileBytes(path), "the file it replaces");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"x.pdf"});
    }
    // A special file is refused before the printer opens it.
    const QString pipe = dir.filePath("pipe.pdf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    platform.pdfAnswers.push_back(pipe);
    EXPECT_TRUE(PrintError([&] { ExportReportToPdf(nullptr, good); }).endsWith("Cannot save over a named pipe: only an ordinary file can be replaced."));
    SetPlatform(nullptr);
}

TEST(PdfExport, AnExistingFileIsReplacedOnlyWhenTheUserAgrees)
{
    AnsweringDesktop platform;
    SetPlatform(&platform);
    QTemporaryDir dir;
    const QString path = dir.filePath("x.pdf");
    SetFileBytes(path, "the file it replaces");
    const PrintableReport good{"x", [](PrinterChannel &c) { PrintSchedule(WorkedSchedule(), c); }};
    // Cancel goes back to the file dialog, which is cancelled in turn.
    platform.pdfAnswers = {path, std::nullopt};
    platform.messageAnswers = {MessageResult::Cancel};
    EXPECT_FALSE(ExportReportToPdf(nullptr, good));
    EXPECT_EQ(platform.messages, QStringList{"x.pdf already exists.\nDo you want to replace it?"});
    EXPECT_EQ(platform.pdfSuggestions.size(), 2);
    EXPECT_EQ(FileBytes(path), "the file it replaces");
    // Replace writes it.
    platform.pdfAnswers = {path};
    platform.messageAnswers = {MessageResult::Yes};
    EXPECT_TRUE(ExportReportToPdf(nullptr, good));
    EXPECT_TRUE(FileBytes(path).startsWith("%PDF"));
    SetPlatform(nullptr);
}

TEST(PdfExport, ACancelledLongReportLeavesNoFileAndTheOldOneWhole)
{
    AnsweringDesktop platform;
    SetPlatform(&platform);
    QTemporaryDir dir;
    const QString path = dir.filePath("long.pdf");
    SetFileBytes(path, "the file it replaces");
    const PrintableReport longReport{"long", [](PrinterChannel &c) { PrintSchedule(LongSchedule(2000), c); }};
    platform.cancelAtTick = 5;
    platform.pdfAnswers.push_back(path);
    int shown = 0;
    RunGuarded(nullptr, [&] {
        ExportReportToPdf(nullptr, longReport);
        ++shown;
    });
    EXPECT_EQ(shown, 0) << "the export stopped at the cancel";
    EXPECT_EQ(platform.ticks, 5);
    EXPECT_EQ(FileBytes(path), "the file it replaces");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"long.pdf"});
    // Not cancelled, it goes to its end, ticking as it goes.
    platform.cancelAtTick = 0;
    platform.ticks = 0;
    platform.pdfAnswers.push_back(path);
    EXPECT_TRUE(ExportReportToPdf(nullptr, longReport));
    EXPECT_GT(platform.ticks, 50);
    EXPECT_GT(PdfPages(path), 20);
    SetPlatform(nullptr);
}

TEST(PdfExport, OnlyAPdfReadToItsEndCountsAsWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("whole.pdf");
    QPrinter printer(QPrinter::HighResolution);
    PrintToPdfFile(printer, path);
    {
        QtPrinterChannel channel(printer);
        WriteReportCopies(channel, [](PrinterChannel &c) { PrintSchedule(WorkedSchedule(), c); });
    }
    const QByteArray whole = FileBytes(path);
    EXPECT_TRUE(IsWholePdf(whole));
    // Cut off anywhere, as a full disk leaves it, it is not.
    for (qsizetype size : {qsizetype(0), qsizetype(8), whole.size() / 2, whole.size() - 30})
        EXPECT_FALSE(IsWholePdf(whole.left(size))) << size;
}

TEST(PdfExport, TitlesNameTheReportAndTheLoanAsAFileNameCan)
{
    EXPECT_EQ(ReportTitle("Schedule", "100000", "6"), "Schedule 100000 at 6%");
    EXPECT_EQ(ReportTitle("Mortgage Grid", " 250,000 ", "5.25"), "Mortgage Grid 250,000 at 5.25%");
    EXPECT_EQ(ReportTitle("Schedule", "1/2", "6\n"), "Schedule 12 at 6%");
    EXPECT_EQ(ReportTitle("Schedule", "..\\..\\x:y*", "?"), "Schedule ....xy at %");
    EXPECT_EQ(ReportTitle("Mortgage Savings", "", "6"), "Mortgage Savings");
}

TEST(PrintPreview, ShowsThePagesTheReportPrints)
{
    QtPlatform platform;
    SetPlatform(&platform);
    int writes = 0;
    int previewPages = -1;
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        if (auto *preview = dialog->findChild<QPrintPreviewWidget *>()) {
            preview->updatePreview();
            previewPages = preview->pageCount();
        }
        dialog->close();
    });
    platform.PreviewReport(nullptr, [&](PrinterChannel &channel) {
        ++writes;
        PrintSchedule(LongSchedule(150), channel);
    });
    EXPECT_GE(writes, 1);
    EXPECT_EQ(previewPages, ThePrintState().PrintPageNumber);
    EXPECT_GE(previewPages, 2);
    SetPlatform(nullptr);
}
