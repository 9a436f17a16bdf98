// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/printing/PrintingTestSupport.h"

#include "engine/ErrorChecking.h"
#include "engine/MortgageGrid.h"
#include "engine/PaymentPlan.h"
#include "platform/Platform.h"
#include "engine/Schedule.h"
#include "engine/TableTexts.h"

namespace {

// Lines printed before the first form feed.
QStringList FirstPage(const QStringList &lines)
{
    const qsizetype feed = lines.indexOf("<FF>");
    return feed < 0 ? lines : lines.mid(0, feed);
}

// A row line: the first cell in 8B, the rest in 8.
int RowLines(const QStringList &lines)
{
    static const QRegularExpression row(R"(^\[8B\] *\S+\[8\])");
    int count = 0;
    for (const QString &line : lines)
        count += row.match(line).hasMatch() ? 1 : 0;
    return count;
}

Loan MonthlyLoan(double amount, double rate, int years)
{
    Loan loan;
    loan.amount = amount;
    loan.rate = rate;
    loan.years = years;
    return loan;
}

} // namespace

TEST(MortgageDetailsReport, WorkedLoanLineForLine)
{
    RecordingPrinterChannel channel;
    PrintMortgageDetails(WorkedDetails(), channel);
    EXPECT_EQ(channel.Lines(), (QStringList{
                                   "[12BU]",
                                   "[12BU]Mortgage Details[10B]",
                                   "[10B]",
                                   "[10B]",
                                   "[10B]",
                                   "[10B]Mortgage Amount:     $100,000.00",
                                   "[10B]Period:              Years: 25     Month(s): ",
                                   "[10B]Interest Rate:       6% Compounded Monthly",
                                   "[10B]Payment:             Monthly (In Arrears)",
                                   "[10B]",
                                   "[10B]Monthly Mortgage Payment is      $644.31",
                                   "[10B]Total Interest:                  $93,287.04",
                               }));
    EXPECT_TRUE(channel.closed);
    EXPECT_EQ(channel.orientationAtOpen, PageOrientation::Portrait);
    EXPECT_EQ(ThePrintState().PrinterChannel, nullptr);
}

TEST(MortgageDetailsReport, PrintsFieldsAsTheyStand)
{
    MortgageDetailsReport report = WorkedDetails();
    report.amount = "abc"; // not a number: the reformatted amount prints as nothing
    report.inArrears = false;
    report.repaymentSentence = "   Weekly Mortgage Payment is";
    report.partYear = "7";
    RecordingPrinterChannel channel;
    PrintMortgageDetails(report, channel);
    const QStringList texts = channel.Texts();
    ASSERT_EQ(texts.size(), 12);
    EXPECT_EQ(texts[5], "Mortgage Amount:     ");
    EXPECT_EQ(texts[6], "Period:              Years: 25     Month(s): 7");
    EXPECT_EQ(texts[8], "Payment:             Monthly (In Advance)");
    EXPECT_EQ(texts[10], "Weekly Mortgage Payment is       $644.31");
}

TEST(MortgageSavingsReport, WorkedLoanLineForLine)
{
    RecordingPrinterChannel channel;
    PrintMortgageSavings(WorkedSavings(), channel);
    EXPECT_EQ(channel.Lines(),
              (QStringList{
                  "[12BU]",
                  "[12BU]Mortgage Savings[10B]",
                  "[10B]",
                  "[10B]",
                  "[10B]",
                  "[10B]Mortgage Amount:     $100,000.00",
                  "[10B]Interest Rate:       6%",
                  "[10B]Period (Years):      25",
                  "[10B]Monthly Repayment:   $645",
                  "[10B]",
                  "[10B]To reduce the Period to 15 years your monthly repayment will be $844",
                  "[10B]By paying an extra $199 per month the Mortgage will be paid off in 15 years",
                  "[10B]",
                  "[10B]If the original monthly repayment is then reinvested at 5% Interest for the",
                  "[10B]remainder of the original term, then the value of this investment at the end of the",
                  "[10B]original Period is $100,157",
              }));
    EXPECT_TRUE(channel.closed);
}

TEST(MortgageSavingsReport, OptionalBlocksFollowTheirOwnFields)
{
    MortgageSavingsReport report = WorkedSavings();
    report.reducedPeriod.clear();
    report.investRate.clear();
    RecordingPrinterChannel plain;
    PrintMortgageSavings(report, plain);
    const QStringList lines = plain.Lines();
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[8], "[10B]Monthly Repayment:   $645");
    EXPECT_EQ(lines[9], "[10B]"); // ends after the blank line
    EXPECT_TRUE(plain.closed);

    report.investRate = "5";
    RecordingPrinterChannel invested;
    PrintMortgageSavings(report, invested);
    const QStringList texts = invested.Texts();
    ASSERT_EQ(texts.size(), 13);
    EXPECT_EQ(texts[10], "If the original monthly repayment is then reinvested at 5% Interest for the");
    EXPECT_EQ(texts[12], "original Period is $100,157");
}

TEST(ScheduleReport, WorkedLoanLineForLineOnOnePage)
{
    RecordingPrinterChannel channel;
    PrintSchedule(WorkedSchedule(), channel);
    EXPECT_EQ(
        channel.Lines(),
        (QStringList{
            "[8B]Page 1",
            "[12B]",
            "[12B]                          Mortgage Details[10B]",
            "[10B]                               ------------------------",
            "[10B]         Mortgage Amount:                 100000           Interest Rate:       6",
            "[10B]                   Years:                     25                Month(s):        ",
            "[10B]               Repayment:   Monthly (In Arrears)     Interest Compounded: Monthly",
            "[10B]",
            "[10B]",
            "[12B]                         Mortgage Schedule[10B]",
            "[10B]                               ------------------------",
            "[10B]",
            "[8B]      Year          Interest           Capital       Outstanding       Accumulated       Accumulated",
            "[8B]                    Interest         Reduction           Balance          Interest           Capital",
            "[8B]         1[8]         $5,951.57         $1,780.15        $98,219.85         $5,951.57         $1,780.15",
            "[8B]         2[8]         $5,841.78         $1,889.94        $96,329.91        $11,793.35         $3,670.09",
            "[8B]        25[8]           $245.19         $7,480.68             $0.00        $93,287.15       $100,000.00",
        }));
    EXPECT_TRUE(channel.closed);
    EXPECT_TRUE(channel.otherFontNames.isEmpty());
    // Head 8, heading 6, three rows.
    EXPECT_EQ(ThePrintState().PrintLineCount, 1 + 8 + 6 + 3);
    EXPECT_EQ(ThePrintState().PrintPageNumber, 1);
    EXPECT_EQ(ThePrintState().PrintRow, 2);
}

TEST(ScheduleReport, LongScheduleRepeatsPageNumberAndHeadingOnEveryPage)
{
    const std::vector<ScheduleRow> rows = BuildSchedule(MonthlyLoan(100000, 6, 25), ScheduleBy::Period);
    ASSERT_EQ(rows.size(), 300u);
    ScheduleReport report = WorkedSchedule();
    report.periodHeading = "Month";
    report.rowCount = static_cast<int>(rows.size());
    report.cell = [&rows](int column, int row) {
        const ScheduleRow &r = rows[row];
        const double values[] = {r.interest, r.capital, r.balance, r.accumulatedInterest, r.accumulatedCapital};
        return column == 0 ? QString::number(r.period) : MoneyText(values[column - 1]);
    };
    RecordingPrinterChannel channel(1000, 10); // 100 lines, 93 counted
    PrintSchedule(report, channel);

    const QStringList lines = channel.Lines();
    // Page 1 holds the rows counted 15 to 93, later pages those counted 7 to 93.
    EXPECT_EQ(RowLines(FirstPage(lines)), 79);
    EXPECT_EQ(RowLines(lines), 300);
    EXPECT_EQ(ThePrintState().PrintPageNumber, 4);
    EXPECT_EQ(lines.count("<FF>"), 3);
    EXPECT_EQ(lines.count("[8B]Page 1"), 1);
    EXPECT_EQ(lines.first(), "[8B]Page 1");
    int page = 1;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        if (lines[k] != "<FF>")
            continue;
        ++page;
        ASSERT_LT(k + 7, lines.size());
        EXPECT_EQ(lines[k + 1], "[8]");
        EXPECT_EQ(lines[k + 2], QString("[8B]Page %1").arg(page));
        EXPECT_EQ(lines[k + 3], "[12B]                         Mortgage Schedule[10B]");
        EXPECT_TRUE(lines[k + 6].startsWith("[8B]     Month          Interest"));
        EXPECT_TRUE(lines[k + 7].startsWith("[8B]                    Interest         Reduction"));
        EXPECT_TRUE(lines[k + 8].startsWith("[8B]"));
    }
    EXPECT_TRUE(lines.last().startsWith("[8B]       300[8]"));
    EXPECT_TRUE(lines.last().endsWith("             $0.00        $93,287.15       $100,000.00"));
}

TEST(MortgageGridReport, WorkedGridLineForLine)
{
    RecordingPrinterChannel channel;
    PrintMortgageGrid(WorkedGrid(), channel);
    EXPECT_EQ(
        channel.Lines(),
        (QStringList{
            "[8B]Page 1",
            "[12B]",
            "[12B]                          Mortgage Details[10B]",
            "[10B]                                   --------------------",
            "[10B]         Mortgage Amount:                 100000           Interest Rate:       6",
            "[10B]                   Years:                     25                   Month:        ",
            "[10B]               Repayment:   Monthly (In Arrears)     Interest Compounded: Monthly",
            "[10B]             Amount Step:                   2000           Interest Step:    0.25",
            "[8]",
            "[8]",
            "[8B]",
            "[8B]                           Mortgage Grid[10B]",
            "[10B]                               ------------------------",
            "[10B]",
            "[8B]       Amt/Int         5.25%          5.5%         5.75%            6%         6.25%          6.5%         6.75%",
            "[8B]",
            "[8B]       $50,000[8]       $299.63       $308.56       $317.60       $322.15       $329.84       $337.60       $345.44",
            "[8B]      $100,000[8]       $599.25       $617.09       $635.26       $644.31       $659.67       $675.21       $690.91",
            "[8B]      $150,000[8]       $898.88       $925.64       $952.89       $966.46       $989.50     $1,012.81     $1,036.37",
        }));
    EXPECT_TRUE(channel.closed);
    EXPECT_EQ(ThePrintState().PrintLineCount, 1 + 7 + 6 + 3);
}

TEST(MortgageGridReport, LargestGridBreaksPagesWithPageNumberAndBothHeadings)
{
    const MortgageGrid grid = BuildMortgageGrid(MonthlyLoan(1000000, 6, 25), 1000, 0.25);
    ASSERT_EQ(grid.RowCount(), 2000);
    MortgageGridReport report = WorkedGrid();
    report.loan.amount = "1000000";
    report.amountStep = "1000";
    report.rowCount = grid.RowCount();
    report.cell = [&grid](int column, int row) {
        if (row == 0)
            return column == 0 ? QString("Amt/Int") : MortgageGridRateHeading(grid.rates[column - 1]);
        return column == 0 ? MoneyText(grid.amounts[row - 1], MoneyFormat::NoDecimals)
                           : MoneyText(grid.repayments[row - 1][column - 1], MoneyFormat::TwoDecimals);
    };
    RecordingPrinterChannel channel(1000, 10);
    PrintMortgageGrid(report, channel);

    const QStringList lines = channel.Lines();
    EXPECT_EQ(RowLines(lines), 1999);
    EXPECT_EQ(RowLines(FirstPage(lines)), 80);
    EXPECT_TRUE(FirstPage(lines).last().startsWith("[8B]       $80,000[8]"));
    // 1919 rows left, 87 to a page.
    EXPECT_EQ(ThePrintState().PrintPageNumber, 24);
    EXPECT_EQ(lines.count("<FF>"), 23);
    const qsizetype feed = lines.indexOf("<FF>");
    ASSERT_GT(feed, 0);
    EXPECT_EQ(lines.mid(feed, 10),
              (QStringList{
                  "<FF>",
                  "[8]",
                  "[8B]Page 2",
                  "[8B]",
                  "[8B]                           Mortgage Grid[10B]",
                  "[10B]                               ------------------------",
                  "[10B]",
                  "[8B]       Amt/Int         5.25%          5.5%         5.75%            6%         6.25%          6.5%         6.75%",
                  "[8B]",
                  lines[feed + 9],
              }));
    EXPECT_TRUE(lines[feed + 9].startsWith("[8B]       $81,000[8]"));
    EXPECT_TRUE(lines.last().startsWith("[8B]    $1,999,000[8]"));
}

TEST(AdditionalPaymentsReport, WorkedLoanLineForLine)
{
    RecordingPrinterChannel channel;
    PrintAdditionalPayments(WorkedAdditionalPayments(), channel);
    EXPECT_EQ(
        channel.Lines(),
        (QStringList{
            "[12B]",
            "[12B]Mortgage Details[10B]",
            "[10B]",
            "[10B]Mortgage Amount:     100000",
            "[10B]Interest Rate:       6%",
            "[10B]Period               Years:   25   Month(s):  ",
            "[10B]Payment:             Monthly (In Arrears)",
            "[10B]",
            "[10B]",
            "[12B]                      Additional Paymenmts Schedule[10B]",
            "[10B]                               ------------------------",
            "[10B]",
            "[8B]              Years to Pay  Additional Monthly     Total Monthly      Total Interest      Interest Saved",
            "[8B]            off Mortgage    Payment Required           Payment                                        ",
            "[8B]                 25[8]               $0.00                 $644.31          $93,287.04             $0.00",
            "[8B]                 24[8]              $11.67                 $655.98          $88,921.00         $4,366.04",
            "[8B]                  1[8]           $7,962.34               $8,606.65           $3,279.71        $90,007.33",
        }));
    EXPECT_TRUE(channel.closed);
    EXPECT_EQ(ThePrintState().PrintLineCount, 1 + 9 + 6 + 3);
}

TEST(AdditionalPaymentsReport, AMarkedRowPrintsWithTheNoteUnderTheTable)
{
    AdditionalPaymentsReport report = WorkedAdditionalPayments();
    report.cell = Cells({{"44 *", "$0.00", "$481.26", "$980,717.72", "$0.00"},
                         {"43 *", "$0.00", "$481.26", "$969,397.69", "$0.00"},
                         {"1", "$9,800.00", "$10,281.26", "$13,625.60", "$967,092.12"}});
    report.markNote = AdditionalPaymentMarkNote();
    RecordingPrinterChannel channel;
    PrintAdditionalPayments(report, channel);
    const QStringList lines = channel.Lines();
    EXPECT_TRUE(lines.contains("[8B]               44 *[8]               $0.00                 $481.26         $980,717.72             $0.00"))
        << lines.join('\n').toStdString();
    // The note follows the rows, wrapped to the table's width, every word of it.
    const qsizetype last = lines.indexOf(lines.filter("$967,092.12").value(0));
    ASSERT_GT(last, 0);
    EXPECT_EQ(lines[last + 1], "[8]");
    QString note;
    for (qsizetype k = last + 2; k < lines.size(); ++k) {
        QString text = lines[k];
        text.remove("[8]");
        EXPECT_LE(text.size(), 98) << text.toStdString();
        note += (note.isEmpty() ? "" : " ") + text;
    }
    EXPECT_EQ(note, AdditionalPaymentMarkNote());
}

TEST(AdditionalPaymentsReport, ManyRowsRepeatTheHeadingWithoutPageNumbers)
{
    AdditionalPaymentsReport report = WorkedAdditionalPayments();
    report.rowCount = 200;
    report.cell = [](int column, int row) { return QString::number(column == 0 ? 200 - row : row * 10 + column); };
    RecordingPrinterChannel channel(1000, 10);
    PrintAdditionalPayments(report, channel);

    const QStringList lines = channel.Lines();
    EXPECT_EQ(RowLines(lines), 200);
    EXPECT_EQ(RowLines(FirstPage(lines)), 78); // head 9, heading 6
    EXPECT_EQ(ThePrintState().PrintPageNumber, 3);
    EXPECT_EQ(lines.count("<FF>"), 2);
    EXPECT_EQ(lines.count("[12B]                      Additional Paymenmts Schedule[10B]"), 3);
    EXPECT_TRUE(lines.filter("Page").isEmpty());
    const qsizetype feed = lines.lastIndexOf("<FF>");
    EXPECT_EQ(lines[feed + 1], "[8]");
    EXPECT_EQ(lines[feed + 2], "[12B]                      Additional Paymenmts Schedule[10B]");
}

TEST(TableReports, PrintEmptyFieldsAsBlanksAndTheTimingInAdvance)
{
    ScheduleReport report = WorkedSchedule();
    report.loan.amount.clear();
    report.loan.inArrears = false;
    report.loan.payment = "FortNightly";
    report.loan.compounded = "FortNightly";
    RecordingPrinterChannel channel;
    PrintSchedule(report, channel);
    const QStringList texts = channel.Texts();
    EXPECT_EQ(texts[4], "         Mortgage Amount:                                  Interest Rate:       6");
    // Longer than its field: printed whole.
    EXPECT_EQ(texts[6], "               Repayment:FortNightly (In Advance)     Interest Compounded:FortNightly");
}

TEST(TableReports, NoRowsPrintNoHeading)
{
    MortgageGridReport report = WorkedGrid();
    report.rowCount = 1; // the heading row only
    RecordingPrinterChannel channel;
    PrintMortgageGrid(report, channel);
    EXPECT_EQ(channel.Lines().size(), 10);
    EXPECT_TRUE(channel.closed);
}

TEST(ReportFailures, PrinterThatCannotStartStopsTheReportBeforeAnyLine)
{
    RecordingPrinterChannel channel;
    channel.failOpen = true;
    try {
        PrintSchedule(WorkedSchedule(), channel);
        ADD_FAILURE() << "no error";
    } catch (const QuovellaError &error) {
        EXPECT_EQ(error.Message(), "Printer selected is not valid");
    }
    EXPECT_TRUE(channel.Lines().isEmpty());
    EXPECT_EQ(ThePrintState().PrinterChannel, nullptr);
}

TEST(ReportFailures, JobThatCannotFinishIsAnErrorNotASuccess)
{
    RecordingPrinterChannel channel;
    channel.failClose = true;
    EXPECT_THROW(PrintMortgageSavings(WorkedSavings(), channel), QuovellaError);
    EXPECT_FALSE(channel.closed);
    EXPECT_EQ(ThePrintState().PrinterChannel, nullptr);
}

TEST(PaymentPlanReport, HeadsWithTheLoanTheEventsAndTheResultsThenRepeatsTheScheduleHeadingOnEveryPage)
{
    Loan loan = MonthlyLoan(100000, 6, 25);
    PaymentPlan plan;
    plan.events.push_back(PlanEvent{PlanEventKind::Extra, 100, 1, 0, false});
    const std::vector<PlanRow> rows = WalkPaymentPlan(loan, plan).rows;
    PaymentPlanReport report;
    report.loan = {"100000", "6", "25", "Month(s)", "", "Monthly", true, "Monthly"};
    report.firstPayment = "1/31/27";
    report.events = {"1. Extra payment, $100.00, Payment 1, To the end"};
    report.results = {{"Payments made", "224"}, {"Interest saved", "$27,037.22"}};
    report.periodHeading = "Payment";
    report.rowCount = static_cast<int>(rows.size());
    report.cell = [rows](int column, int row) { return PlanCellText(rows[row], column, TextStyle::Shown()); };
    RecordingPrinterChannel channel(1000, 10); // 100 lines, 93 counted
    PrintPaymentPlan(report, channel);

    const QStringList lines = channel.Lines();
    EXPECT_EQ(channel.documentName, "Payment Plan");
    EXPECT_EQ(lines.mid(7, 10),
              (QStringList{
                  "[10B]",
                  "[12B]                          Payment Plan[10B]",
                  "[10B]                               ------------------------",
                  "[8]First payment on 1/31/27",
                  "[8]1. Extra payment, $100.00, Payment 1, To the end",
                  "[8]",
                  "[8]                      Payments made:                     224",
                  "[8]                     Interest saved:              $27,037.22",
                  "[8]",
                  "[12B]                         Payment Plan Schedule[10B]",
              }));
    EXPECT_EQ(RowLines(lines), 224);
    // The loan's head and the plan's part count 15 lines, the heading 6: page 1
    // holds the rows counted 22 to 93, later pages those counted 7 to 93.
    EXPECT_EQ(RowLines(FirstPage(lines)), 72);
    EXPECT_EQ(lines.count("<FF>"), 2);
    EXPECT_TRUE(lines.contains("[8B] Payment        Date   Amount Paid  Extra Paid    Interest    Principal       Balance      Rate"))
        << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.last().startsWith("[8B]     224[8]")) << lines.last().toStdString();
    EXPECT_TRUE(lines.last().endsWith("$0.00       6 %")) << lines.last().toStdString();
    EXPECT_TRUE(channel.closed);
}
