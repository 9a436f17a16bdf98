// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/Printing.h"

#include "engine/MortgageFunctions.h"

#include <algorithm>
#include <cmath>
#include <vector>

PrintState &ThePrintState()
{
    static PrintState state;
    return state;
}

void SetPrintFont(PrintState &state, int pointSize, bool bold, bool underline)
{
    PrintFont font = state.PrinterChannel->Font();
    font.pointSize = pointSize;
    font.bold = bold;
    font.underline = underline;
    state.PrinterChannel->SetFont(font);
}

void StartReport(PrintState &state, PrinterChannel &channel, const QString &documentName)
{
    state = PrintState{};
    state.PrinterChannel = &channel;
    state.PrintLineCount = 1;
    state.PrintPageNumber = 1;
    SetPrintFont(state, 8, false, false);
    const double h = channel.TextHeight(QStringLiteral("A"));
    // Halves to the even neighbour (the default rounding mode); a printer that
    // reports no text height gets no page breaks rather than undefined arithmetic.
    const double lines = h > 0 ? std::nearbyint(channel.PageHeight() / h) : 0;
    state.LinesPerPage = static_cast<int>(std::clamp(lines, -1e6, 1e6)) - 7;
    // The pages print in the orientation the user chose in the print dialog
    // (portrait unless changed): forcing one after measuring the other would
    // leave a third of every page empty or run lines off it.
    state.HeadingPending = true;
    PrintFont font = channel.Font();
    font.name = QStringLiteral("Courier New");
    channel.SetFont(font);
    channel.Open(documentName);
}

bool NewPageIfFull(PrintState &state, int line)
{
    if (line <= state.LinesPerPage || state.HeadingPending)
        return false;
    state.PrinterChannel->FormFeed();
    state.PrinterChannel->LineEnd();
    state.PrintPageNumber += 1;
    state.PrintLineCount = 1;
    state.HeadingPending = true;
    return true;
}

namespace {

bool IsBlankOrControl(QChar c)
{
    return c.unicode() <= 0x20 || c.category() == QChar::Other_Control;
}

} // namespace

QString PadTextLeft(const QString &text, int width)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && IsBlankOrControl(text[start]))
        ++start;
    while (end > start && IsBlankOrControl(text[end - 1]))
        --end;
    QString padded = text.mid(start, end - start);
    if (padded.size() < width)
        padded += QString(width - padded.size(), QLatin1Char(' '));
    return padded;
}

QString RightAligned(const QString &text, int n)
{
    if (text.size() >= n)
        return text;
    return QString(n - text.size(), QLatin1Char(' ')) + text;
}

namespace {

QString R(const QString &text, int n)
{
    return RightAligned(text, n);
}

QString TimingSuffix(bool inArrears)
{
    return inArrears ? QStringLiteral(" (In Arrears)") : QStringLiteral(" (In Advance)");
}

const QString Dashes20(20, QLatin1Char('-'));
const QString Dashes24(24, QLatin1Char('-'));

// The writing side of a report, on the shared print state.
class Report {
public:
    Report(PrinterChannel &channel, const QString &documentName)
        : state_(ThePrintState())
    {
        try {
            StartReport(state_, channel, documentName);
        } catch (...) {
            state_.PrinterChannel = nullptr;
            throw;
        }
    }
    // The state outlives the report; it must not point at a channel that is gone.
    ~Report() { state_.PrinterChannel = nullptr; }

    PrintState &State() { return state_; }

    void Font(int pointSize, bool bold = false, bool underline = false)
    {
        SetPrintFont(state_, pointSize, bold, underline);
    }
    void Write(const QString &text)
    {
        if (!text.isEmpty())
            state_.PrinterChannel->Write(text);
    }
    void Line(const QString &text = QString())
    {
        Write(text);
        state_.PrinterChannel->LineEnd();
    }
    // The text, then 10 points bold before the line end: the line is as tall as
    // its text, and what follows is in 10B.
    void LineEndingIn10B(const QString &text)
    {
        Write(text);
        Font(10, true);
        state_.PrinterChannel->LineEnd();
    }
    void Close() { state_.PrinterChannel->Close(); }

    // Rows first to last; before the first row and after each page break, the
    // page heading (which clears HeadingPending) and the column heading.
    void Rows(int first, int last, const std::function<void()> &heading,
              const std::function<void(int)> &row)
    {
        for (int r = first; r <= last; ++r) {
            state_.PrintRow = r;
            if (NewPageIfFull(state_, state_.PrintLineCount) || r == first)
                heading();
            row(r);
            state_.PrintLineCount += 1;
        }
    }

    // "Page n" on a page after the first, in 8B.
    void LaterPageNumber()
    {
        Font(8, true);
        if (state_.PrintPageNumber > 1)
            Line(QStringLiteral("Page ") + QString::number(state_.PrintPageNumber));
    }

    void HeadingDone()
    {
        Font(8);
        state_.PrintLineCount += 6;
        state_.HeadingPending = false;
    }

private:
    PrintState &state_;
};

// The head lines the grid and schedule reports share, from "Page 1" to the
// repayment line.
void LoanHead(Report &out, const ReportLoan &loan, const QString &dashes)
{
    out.Font(8, true);
    out.Line(QStringLiteral("Page ") + QString::number(out.State().PrintPageNumber));
    out.Font(12, true);
    out.Line();
    out.LineEndingIn10B(R(QStringLiteral("Mortgage Details"), 42));
    out.Line(R(dashes, 55));
    out.Line(R(QStringLiteral("Mortgage Amount:"), 25) + R(loan.amount, 23)
             + R(QStringLiteral("Interest Rate:"), 25) + R(loan.rate, 8));
    out.Line(R(QStringLiteral("Years:"), 25) + R(loan.years, 23)
             + R(loan.partYearCaption + QLatin1Char(':'), 25) + R(loan.partYear, 8));
    out.Line(R(QStringLiteral("Repayment:"), 25) + R(loan.payment + TimingSuffix(loan.inArrears), 23)
             + R(QStringLiteral("Interest Compounded:"), 25) + R(loan.compounded, 8));
}

} // namespace

void PrintMortgageGrid(const MortgageGridReport &report, PrinterChannel &channel)
{
    Report out(channel, QStringLiteral("Mortgage Grid"));
    LoanHead(out, report.loan, Dashes20);
    out.Line(R(QStringLiteral("Amount Step:"), 25) + R(report.amountStep, 23)
             + R(QStringLiteral("Interest Step:"), 25) + R(report.interestStep, 8));
    out.Font(8);
    out.Line();
    out.Line();
    out.State().PrintLineCount += 7;

    const auto heading = [&] {
        out.LaterPageNumber();
        out.Font(8, true);
        out.Line();
        out.LineEndingIn10B(R(QStringLiteral("Mortgage Grid"), 40));
        out.Line(R(Dashes24, 55));
        out.Line();
        out.HeadingDone();
        out.Font(8, true);
        QString columns;
        for (int c = 0; c <= 7; ++c)
            columns += R(report.cell(c, 0), 14);
        out.Line(columns);
        out.Line();
        out.Font(8);
    };
    const auto row = [&](int r) {
        out.Font(8, true);
        out.Write(R(report.cell(0, r), 14));
        out.Font(8);
        QString cells;
        for (int c = 1; c <= 7; ++c)
            cells += R(report.cell(c, r), 14);
        out.Line(cells);
    };
    // Row 0 is the grid's heading row; it prints as the column heading.
    out.Rows(1, report.rowCount - 1, heading, row);
    out.Close();
}

void PrintSchedule(const ScheduleReport &report, PrinterChannel &channel)
{
    Report out(channel, QStringLiteral("Mortgage Schedule"));
    LoanHead(out, report.loan, Dashes24);
    out.Line();
    out.Line();
    out.Font(8);
    out.State().PrintLineCount += 8;

    const auto heading = [&] {
        out.LaterPageNumber();
        out.Font(12, true);
        out.LineEndingIn10B(R(QStringLiteral("Mortgage Schedule"), 42));
        out.Line(R(Dashes24, 55));
        out.Line();
        out.HeadingDone();
        out.Font(8, true);
        out.Line(R(report.periodHeading, 10) + R(QStringLiteral("Interest"), 18)
                 + R(QStringLiteral("Capital"), 18) + R(QStringLiteral("Outstanding"), 18)
                 + R(QStringLiteral("Accumulated"), 18) + R(QStringLiteral("Accumulated"), 18));
        out.Line(QString(10, QLatin1Char(' ')) + R(QStringLiteral("Interest"), 18)
                 + R(QStringLiteral("Reduction"), 18) + R(QStringLiteral("Balance"), 18)
                 + R(QStringLiteral("Interest"), 18) + R(QStringLiteral("Capital"), 18));
        out.Font(8);
    };
    const auto row = [&](int r) {
        out.Font(8, true);
        out.Write(R(report.cell(0, r), 10));
        out.Font(8);
        QString cells;
        for (int c = 1; c <= 5; ++c)
            cells += R(report.cell(c, r), 18);
        out.Line(cells);
    };
    out.Rows(0, report.rowCount - 1, heading, row);
    out.Close();
}

void PrintPaymentPlan(const PaymentPlanReport &report, PrinterChannel &channel)
{
    Report out(channel, QStringLiteral("Payment Plan"));
    LoanHead(out, report.loan, Dashes24);
    out.Line();
    out.Font(12, true);
    out.LineEndingIn10B(R(QStringLiteral("Payment Plan"), 38));
    out.Line(R(Dashes24, 55));
    out.Font(8);
    int lines = 2;
    if (!report.firstPayment.isEmpty()) {
        out.Line(QStringLiteral("First payment on ") + report.firstPayment);
        ++lines;
    }
    for (const QString &event : report.events)
        out.Line(event);
    if (report.events.isEmpty())
        out.Line(QStringLiteral("No events: the loan alone."));
    out.Line();
    for (const auto &[caption, figure] : report.results)
        out.Line(R(caption + QLatin1Char(':'), 36) + R(figure, 24));
    out.Line();
    lines += static_cast<int>(std::max<qsizetype>(report.events.size(), 1) + report.results.size()) + 2;
    out.State().PrintLineCount += 7 + lines;

    const auto heading = [&] {
        out.LaterPageNumber();
        out.Font(12, true);
        out.LineEndingIn10B(R(QStringLiteral("Payment Plan Schedule"), 46));
        out.Line(R(Dashes24, 55));
        out.Line();
        out.HeadingDone();
        out.Font(8, true);
        out.Line(R(report.periodHeading, 8) + R(QStringLiteral("Date"), 12) + R(QStringLiteral("Amount Paid"), 14)
                 + R(QStringLiteral("Extra Paid"), 12) + R(QStringLiteral("Interest"), 12)
                 + R(QStringLiteral("Principal"), 13) + R(QStringLiteral("Balance"), 14) + R(QStringLiteral("Rate"), 10));
        out.Font(8);
    };
    const int widths[] = {8, 12, 14, 12, 12, 13, 14, 10};
    const auto row = [&](int r) {
        out.Font(8, true);
        out.Write(R(report.cell(0, r), widths[0]));
        out.Font(8);
        QString cells;
        for (int c = 1; c < 8; ++c)
            cells += R(report.cell(c, r), widths[c]);
        out.Line(cells);
    };
    out.Rows(0, report.rowCount - 1, heading, row);
    out.Close();
}

void PrintComparison(const ComparisonReport &report, PrinterChannel &channel)
{
    // 8-point characters across a portrait page, the margins left.
    constexpr int kLineWidth = 110;
    const int columns = static_cast<int>(report.headings.size());
    std::vector<int> widths(static_cast<std::size_t>(std::max(columns, 0)), 0);
    for (int c = 0; c < columns; ++c) {
        int widest = static_cast<int>(report.headings[c].size());
        for (int r = 0; r < report.rowCount; ++r)
            widest = std::max(widest, static_cast<int>(report.cell(c, r).size()));
        widths[c] = widest + (c > 0 ? 2 : 0);
    }
    std::vector<std::vector<int>> blocks;
    std::vector<int> block;
    int used = columns > 0 ? widths[0] : 0;
    for (int c = 1; c < columns; ++c) {
        if (!block.empty() && used + widths[c] > kLineWidth) {
            blocks.push_back(block);
            block.clear();
            used = widths[0];
        }
        block.push_back(c);
        used += widths[c];
    }
    if (!block.empty())
        blocks.push_back(block);

    Report out(channel, QStringLiteral("Compared Offers"));
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const std::vector<int> &shown = blocks[b];
        const auto heading = [&] {
            out.LaterPageNumber();
            out.Font(12, true);
            out.LineEndingIn10B(R(QStringLiteral("Compared Offers"), 40));
            out.Line(R(Dashes24, 52));
            out.Line();
            out.HeadingDone();
            out.Font(8, true);
            QString line = PadTextLeft(report.headings[0], widths[0]);
            for (int c : shown)
                line += R(report.headings[c], widths[c]);
            out.Line(line);
            out.Font(8);
        };
        const auto row = [&](int r) {
            QString line = PadTextLeft(report.cell(0, r), widths[0]);
            for (int c : shown)
                line += R(report.cell(c, r), widths[c]);
            out.Line(line);
        };
        if (b > 0) {
            out.Line();
            out.State().PrintLineCount += 1;
        }
        out.Rows(0, report.rowCount - 1, heading, row);
    }
    out.Close();
}

void PrintAdditionalPayments(const AdditionalPaymentsReport &report, PrinterChannel &channel)
{
    const ReportLoan &loan = report.loan;
    Report out(channel, QStringLiteral("Additional Payments"));
    out.Font(12, true);
    out.Line();
    out.LineEndingIn10B(QStringLiteral("Mortgage Details"));
    out.Line();
    out.Line(QStringLiteral("Mortgage Amount:     ") + loan.amount);
    out.Line(QStringLiteral("Interest Rate:       ") + loan.rate + QLatin1Char('%'));
    out.Line(QStringLiteral("Period               Years:   ") + loan.years + QStringLiteral("   ")
             + loan.partYearCaption + QStringLiteral(":  ") + loan.partYear);
    out.Line(QStringLiteral("Payment:             ") + loan.payment + TimingSuffix(loan.inArrears));
    out.Line();
    out.Line();
    out.Font(8);
    out.State().PrintLineCount += 9;

    // No page numbers in this report.
    const auto heading = [&] {
        out.Font(12, true);
        out.LineEndingIn10B(R(QStringLiteral("Additional Paymenmts Schedule"), 51));
        out.Line(R(Dashes24, 55));
        out.Line();
        out.HeadingDone();
        out.Font(8, true);
        const QString &w = report.frequencyWord;
        out.Line(R(QStringLiteral("Years to Pay"), 26) + R(QStringLiteral("Additional ") + w, 20)
                 + R(QStringLiteral("Total ") + w, 18) + R(QStringLiteral("Total Interest"), 20)
                 + R(QStringLiteral("Interest Saved"), 20));
        out.Line(R(QStringLiteral("off Mortgage"), 24) + R(QStringLiteral("Payment Required"), 20)
                 + R(QStringLiteral("Payment"), 18) + QString(40, QLatin1Char(' ')));
        out.Font(8);
    };
    const auto row = [&](int r) {
        out.Font(8, true);
        out.Write(R(report.cell(0, r), 19));
        out.Font(8);
        out.Line(R(report.cell(1, r), 20) + R(report.cell(2, r), 24) + R(report.cell(3, r), 20)
                 + R(report.cell(4, r), 18));
    };
    out.Rows(0, report.rowCount - 1, heading, row);
    if (!report.markNote.isEmpty()) {
        // Wrapped to the width of the table's columns, which an 8-point line fills.
        QStringList lines{QString(), QString()};
        for (const QString &word : report.markNote.split(QLatin1Char(' '))) {
            if (!lines.last().isEmpty() && lines.last().size() + 1 + word.size() > 98)
                lines.append(QString());
            lines.last() += (lines.last().isEmpty() ? QString() : QStringLiteral(" ")) + word;
        }
        for (const QString &line : lines)
            out.Line(line);
        out.State().PrintLineCount += static_cast<int>(lines.size());
    }
    out.Close();
}

void PrintMortgageDetails(const MortgageDetailsReport &report, PrinterChannel &channel)
{
    Report out(channel, QStringLiteral("Mortgage Details"));
    out.Font(12, true, true);
    out.Line();
    out.LineEndingIn10B(QStringLiteral("Mortgage Details"));
    out.Line();
    out.Line();
    out.Line();
    out.Line(QStringLiteral("Mortgage Amount:     ") + MoneyTextOfText(report.amount));
    out.Line(QStringLiteral("Period:              Years: ") + report.years + QStringLiteral("     ")
             + report.partYearCaption + QStringLiteral(": ") + report.partYear);
    out.Line(QStringLiteral("Interest Rate:       ")
             + R(report.rate + QLatin1Char('%') + QStringLiteral(" Compounded ") + report.compounded, 8));
    out.Line(QStringLiteral("Payment:             ") + report.payment + TimingSuffix(report.inArrears));
    out.Line();
    out.Line(R(PadTextLeft(report.repaymentSentence, 33), 33) + report.repayment);
    out.Line(QStringLiteral("Total Interest:                  ") + report.totalInterest);
    out.Close();
}

void PrintMortgageSavings(const MortgageSavingsReport &report, PrinterChannel &channel)
{
    Report out(channel, QStringLiteral("Mortgage Savings"));
    out.Font(12, true, true);
    out.Line();
    out.LineEndingIn10B(QStringLiteral("Mortgage Savings"));
    out.Line();
    out.Line();
    out.Line();
    out.Line(QStringLiteral("Mortgage Amount:     ") + MoneyTextOfText(report.amount));
    out.Line(QStringLiteral("Interest Rate:       ") + report.rate + QLatin1Char('%'));
    out.Line(QStringLiteral("Period (Years):      ") + report.years);
    out.Line(QStringLiteral("Monthly Repayment:   ") + report.repayment);
    out.Line();
    if (!report.reducedPeriod.isEmpty()) {
        out.Line(QStringLiteral("To reduce the Period to ") + report.reducedPeriod
                 + QStringLiteral(" years your monthly repayment will be ") + report.reducedRepayment);
        out.Line(QStringLiteral("By paying an extra ") + report.extra + QStringLiteral(" per month the ")
                 + QStringLiteral("Mortgage") + QStringLiteral(" will be paid off in ") + report.reducedYears
                 + QStringLiteral(" years"));
        out.Line();
    }
    if (!report.investRate.isEmpty()) {
        out.Line(QStringLiteral("If the original monthly repayment is then reinvested at ") + report.investRate
                 + QStringLiteral("% Interest for the"));
        out.Line(QStringLiteral(
            "remainder of the original term, then the value of this investment at the end of the"));
        out.Line(QStringLiteral("original Period is ") + report.investTotal);
    }
    out.Close();
}
