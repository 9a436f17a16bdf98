// SPDX-License-Identifier: GPL-3.0-or-later
// The Print buttons, driven through the real windows on the scripted platform.
#include "tests/ui/UiFixture.h"
#include "tests/printing/PrintingTestSupport.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/windows/CompareUnit.h"

#include <algorithm>

namespace {

// The program owns the channel it prints on; this one hands every call on to a
// recording channel the test keeps.
class Forwarder : public PrinterChannel {
public:
    explicit Forwarder(RecordingPrinterChannel &to) : to_(to) {}
    void SetOrientation(PageOrientation o) override { to_.SetOrientation(o); }
    void SetFont(const PrintFont &font) override { to_.SetFont(font); }
    PrintFont Font() const override { return to_.Font(); }
    double PageHeight() const override { return to_.PageHeight(); }
    double TextHeight(const QString &text) const override { return to_.TextHeight(text); }
    void Open(const QString &name) override { to_.Open(name); }
    void Write(const QString &text) override { to_.Write(text); }
    void LineEnd() override { to_.LineEnd(); }
    void FormFeed() override { to_.FormFeed(); }
    void Close() override { to_.Close(); }

private:
    RecordingPrinterChannel &to_;
};

} // namespace

class PrintFromWindows : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        TypeLoan("100000", "25", "6");
        platform.channelFactory = [this] {
            jobs.push_back(std::make_unique<RecordingPrinterChannel>());
            jobs.back()->failOpen = failOpen;
            return std::make_unique<Forwarder>(*jobs.back());
        };
    }

    // Lines of the one job printed, finished.
    QStringList OnlyJob()
    {
        EXPECT_EQ(jobs.size(), 1u);
        if (jobs.empty())
            return {};
        EXPECT_TRUE(jobs.back()->closed);
        return jobs.back()->Lines();
    }

    // While the window is shown: press its Print button and confirm the dialog.
    void PrintInside(const QString &window, QAbstractButton *print)
    {
        platform.modalActions.insert(window, [this, print](QDialog *) {
            platform.printerAnswers.push_back(true);
            print->click();
        });
    }

    std::vector<std::unique_ptr<RecordingPrinterChannel>> jobs;
    bool failOpen = false;
};

TEST_F(PrintFromWindows, MortgageTabPrintsTheDetailsOnScreen)
{
    platform.printerAnswers.push_back(true);
    main().PrintMortBtn->click();
    EXPECT_EQ(platform.printDialogs, 1);
    EXPECT_EQ(main().MonthlyRepayment->text(), "$644.31");
    RecordingPrinterChannel expected;
    PrintMortgageDetails(WorkedDetails(), expected);
    EXPECT_EQ(OnlyJob(), expected.Lines());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PrintFromWindows, CancelledDialogPrintsNothing)
{
    platform.printerAnswers.push_back(false);
    main().PrintMortBtn->click();
    platform.printerAnswers.push_back(false);
    main().BitBtn12->click();
    platform.modalActions.insert("MSCHEDULE", [this](QDialog *) {
        platform.printerAnswers.push_back(false);
        windows().schedule->BitBtn1->click();
    });
    main().SpeedButton2->click();
    EXPECT_EQ(platform.printDialogs, 3);
    EXPECT_TRUE(jobs.empty());
}

TEST_F(PrintFromWindows, InvalidLoanShowsItsMessageAndPrintsNothing)
{
    main().IRate->setText("0");
    main().PrintMortBtn->click();
    EXPECT_EQ(platform.printDialogs, 0);
    EXPECT_EQ(platform.LastMessage(), "You must enter a valid interest rate between 0 and 100");
    EXPECT_TRUE(jobs.empty());
}

TEST_F(PrintFromWindows, SavingsTabPrintsWhatTheTabShows)
{
    main().MSavingsAmount->setText("100000");
    main().mperiod->setText("25");
    main().minterest->setText("6");
    main().reducedperiod->setText("15");
    main().investrate->setText("5");
    platform.printerAnswers.push_back(true);
    main().BitBtn12->click();
    RecordingPrinterChannel expected;
    PrintMortgageSavings(WorkedSavings(), expected);
    EXPECT_EQ(OnlyJob(), expected.Lines());
}

TEST_F(PrintFromWindows, ScheduleWindowPrintsItsFieldsCaptionsAndEveryRow)
{
    PrintInside("MSCHEDULE", windows().schedule->BitBtn1);
    main().SpeedButton2->click();
    const QStringList lines = OnlyJob();
    ASSERT_EQ(lines.size(), 14 + 25);
    RecordingPrinterChannel expected;
    PrintSchedule(WorkedSchedule(), expected);
    const QStringList worked = expected.Lines();
    EXPECT_EQ(lines.mid(0, 15), worked.mid(0, 15)); // head, headings and year 1
    EXPECT_EQ(lines[15], worked[15]);                // year 2
    EXPECT_EQ(lines.last(), worked.last());          // year 25
}

TEST_F(PrintFromWindows, ScheduleHeadShowsTheScheduleWindowsOwnPartYear)
{
    TypeLoan("100000", "25", "6", "3");
    TMSCHEDULE *schedule = windows().schedule;
    platform.modalActions.insert("MSCHEDULE", [this, schedule](QDialog *) {
        schedule->Partyear->setText("7");
        platform.printerAnswers.push_back(true);
        schedule->BitBtn1->click();
    });
    main().SpeedButton2->click();
    const QStringList lines = OnlyJob();
    const auto partYearLine = std::find_if(lines.begin(), lines.end(),
                                           [](const QString &line) { return line.contains("Month(s):"); });
    ASSERT_NE(partYearLine, lines.end());
    EXPECT_TRUE(partYearLine->endsWith(QString(7, ' ') + "7")) << partYearLine->toStdString();
    EXPECT_EQ(main().MPartyear->text(), "3");
}

TEST_F(PrintFromWindows, ScheduleByMonthNamesItsFirstColumnAfterTheOption)
{
    windows().schedule->Month->setChecked(true);
    PrintInside("MSCHEDULE", windows().schedule->BitBtn1);
    main().SpeedButton2->click();
    const QStringList lines = OnlyJob();
    EXPECT_EQ(lines[12].left(14), "[8B]     Month");
    EXPECT_EQ(lines.count("<FF>"), ThePrintState().PrintPageNumber - 1);
    EXPECT_GT(ThePrintState().PrintPageNumber, 1);
}

TEST_F(PrintFromWindows, GridWindowPrintsItsFieldsStepsAndGrid)
{
    PrintInside("MORTAGEGRID", windows().grid->BitBtn1);
    main().MortgageGridBtn->click();
    const QStringList lines = OnlyJob();
    EXPECT_EQ(lines[4], "[10B]         Mortgage Amount:                 100000           Interest Rate:       6");
    EXPECT_EQ(lines[5], "[10B]                   Years:                     25                   Month:        ");
    EXPECT_EQ(lines[7], "[10B]             Amount Step:                   2000           Interest Step:    0.25");
    EXPECT_EQ(lines[14], "[8B]       Amt/Int         5.25%          5.5%         5.75%            6%         6.25%"
                         "          6.5%         6.75%");
    // The grid's row of the entered amount, 100000 at 6 % in the middle column.
    EXPECT_EQ(lines.filter(QRegularExpression(R"(^\[8B\]      \$100,000\[8\].* \$644\.31 )")).size(), 1);
    EXPECT_EQ(lines.filter(QRegularExpression(R"(^\[8B\] *\$[\d,]+\[8\])")).size(), 51);
}

TEST_F(PrintFromWindows, AdditionalPaymentsWindowPrintsItsGrid)
{
    windows().options->Grid->setChecked(true);
    platform.modalActions.insert("APOPTIONS", [this](QDialog *) { windows().options->BitBtn2->click(); });
    PrintInside("AdditionalP", windows().additional->BitBtn1);
    main().SpeedButton3->click();
    const QStringList lines = OnlyJob();
    ASSERT_EQ(lines.size(), 14 + 25);
    RecordingPrinterChannel expected;
    PrintAdditionalPayments(WorkedAdditionalPayments(), expected);
    const QStringList worked = expected.Lines();
    EXPECT_EQ(lines.mid(0, 16), worked.mid(0, 16));
    EXPECT_EQ(lines.last(), worked.last());
}

TEST_F(PrintFromWindows, PrinterErrorIsShownAndNothingIsPrinted)
{
    failOpen = true;
    platform.printerAnswers.push_back(true);
    main().PrintMortBtn->click();
    EXPECT_EQ(platform.LastMessage(), "Printer selected is not valid");
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_FALSE(jobs.back()->opened);
    EXPECT_TRUE(jobs.back()->Lines().isEmpty());
}

TEST_F(PrintFromWindows, PreviewAndPdfShowTheSameLinesThePrintButtonPrints)
{
    QStringList printed;
    platform.modalActions.insert("MSCHEDULE", [&](QDialog *window) {
        platform.printerAnswers.push_back(true);
        windows().schedule->BitBtn1->click();
        printed = jobs.back()->Lines();
        window->findChild<QToolButton *>("PreviewBtn")->click();
        platform.pdfAnswers.push_back("/somewhere/schedule.pdf");
        window->findChild<QAction *>("ExportPdf")->trigger();
        platform.pdfAnswers.push_back(std::nullopt); // cancelled: nothing written
        window->findChild<QAction *>("ExportPdf")->trigger();
    });
    main().SpeedButton2->click();
    EXPECT_EQ(platform.printDialogs, 1) << "neither preview nor export asks for a printer";
    EXPECT_EQ(platform.previews, 1);
    EXPECT_EQ(platform.pdfSuggestions, (QStringList{"Schedule 100000 at 6%.pdf", "Schedule 100000 at 6%.pdf"}));
    EXPECT_EQ(platform.pdfFiles, QStringList{"/somewhere/schedule.pdf"});
    ASSERT_EQ(jobs.size(), 3u);
    ASSERT_FALSE(printed.isEmpty());
    EXPECT_EQ(jobs[1]->Lines(), printed);
    EXPECT_EQ(jobs[2]->Lines(), printed);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PrintFromWindows, FileMenuServesTheReportOfTheTabInFront)
{
    platform.pdfAnswers.push_back("/somewhere/details.pdf");
    main().ExportPdf1->trigger();
    EXPECT_EQ(platform.pdfSuggestions, QStringList{"Mortgage Details 100000 at 6%.pdf"});
    EXPECT_EQ(main().MonthlyRepayment->text(), "$644.31") << "worked out afresh, as Print does";
    RecordingPrinterChannel expected;
    PrintMortgageDetails(WorkedDetails(), expected);
    EXPECT_EQ(OnlyJob(), expected.Lines());

    // A loan that does not check out has its message and no report.
    main().IRate->setText("0");
    main().PrintPreview1->trigger();
    EXPECT_EQ(platform.previews, 0);
    EXPECT_EQ(platform.LastMessage(), "You must enter a valid interest rate between 0 and 100");

    // Ctrl+P is the tab's Print button.
    main().IRate->setText("6");
    EXPECT_EQ(main().Print1->shortcut(), QKeySequence(QKeySequence::Print));
    platform.printerAnswers.push_back(false);
    main().Print1->trigger();
    EXPECT_EQ(platform.printDialogs, 1);

    main().PageControl1->setCurrentWidget(main().TabSheet3);
    main().MSavingsAmount->setText("100000");
    main().minterest->setText("6");
    main().PrintPreview1->trigger();
    EXPECT_EQ(platform.previews, 1);
    EXPECT_TRUE(jobs.back()->Lines().join('\n').contains("Mortgage Savings"));

    main().PageControl1->setCurrentWidget(main().TabSheet2);
    for (QMenu *menu : main().menuBar()->findChildren<QMenu *>())
        emit menu->aboutToShow();
    EXPECT_FALSE(main().ExportPdf1->isEnabled()) << "the What If? tab has no report";
}

TEST_F(PrintFromWindows, CompareWindowPrintsEveryFigureOfEachOfferAndPreviewsTheSame)
{
    TCompare *compare = windows().compare;
    compare->AddBtn->click();
    TypeLoan("100000", "30", "5.75");
    compare->AddBtn->click();
    QStringList printed;
    platform.modalActions.insert("Compare", [&](QDialog *window) {
        platform.printerAnswers.push_back(true);
        compare->PrintBtn->click();
        printed = jobs.back()->Lines();
        window->findChild<QToolButton *>("PreviewBtn")->click();
    });
    main().CompareBtn->click();
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs.back()->Lines(), printed);
    EXPECT_EQ(jobs.back()->documentName, "Compared Offers");
    const Comparison comparison = Compare(main().Compared());
    const QString apr = ComparisonCellText(comparison, static_cast<int>(ComparisonRow::Apr), 0, TextStyle::Shown());
    const auto line = [&](const QString &start) {
        return std::find_if(printed.begin(), printed.end(), [&](const QString &l) { return l.startsWith(start); });
    };
    EXPECT_NE(std::find_if(printed.begin(), printed.end(),
                           [](const QString &l) { return l.startsWith("[8B]") && l.contains("Loan 1"); }),
              printed.end())
        << "the names head the columns";
    const auto aprLine = line("[8]" + apr);
    ASSERT_NE(aprLine, printed.end());
    EXPECT_TRUE(aprLine->endsWith(ComparisonCellText(comparison, static_cast<int>(ComparisonRow::Apr), 2,
                                                     TextStyle::Shown())))
        << aprLine->toStdString();
    EXPECT_EQ(std::count_if(printed.begin(), printed.end(), [](const QString &l) { return l.contains("Loan 2"); }), 1);
}

TEST(ComparisonReportLayout, ColumnsTooWideForThePageGoOnInABlockBelowAfterTheNamesAgain)
{
    ComparisonReport report;
    report.headings = {"", "Offer one", "Offer two", "Offer three", "Offer four", "Offer five", "Offer six"};
    report.rowCount = 2;
    report.cell = [](int column, int row) {
        if (column == 0)
            return row == 0 ? QStringLiteral("Paid off") : QStringLiteral("Total paid");
        return row == 0 ? QStringLiteral("24 years and 11 months") : QStringLiteral("$1,234,567.89");
    };
    RecordingPrinterChannel channel;
    PrintComparison(report, channel);
    const QStringList lines = channel.Lines();
    const auto count = [&](const QString &text) {
        return std::count_if(lines.begin(), lines.end(), [&](const QString &l) { return l.contains(text); });
    };
    EXPECT_EQ(count("Total paid"), 2) << "the names head each block";
    EXPECT_EQ(count("Offer one"), 1);
    EXPECT_EQ(count("Offer six"), 1);
    for (const QString &l : lines)
        EXPECT_LE(l.mid(l.indexOf(']') + 1).size(), 110 + 5) << l.toStdString();
    // Every figure whole.
    EXPECT_EQ(count("24 years and 11 months"), 2);
}
