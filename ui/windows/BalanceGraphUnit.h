// SPDX-License-Identifier: GPL-3.0-or-later
// The Balance Graph window: the schedule's loan year by year as a picture, with
// the balance under the additional payment beside it when one has been worked out.
#pragma once

#include "chart/BalanceGraph.h"
#include "engine/AdditionalPayments.h"
#include "engine/PaymentPlan.h"
#include "platform/Platform.h"
#include "ui/windows/WindowKit.h"

#include <memory>
#include <optional>

class QCheckBox;

// An additional payment as the specific additional payment window last worked it out.
struct AdditionalPaymentRun {
    Loan loan;
    double extra = 0;
    AdditionalPaymentStart start;
    SpecificAdditionalPayment result;
};

// The Mortgage tab's loan with its payment plan.
struct PlannedLoan {
    Loan loan;
    PaymentPlan plan;
};

// The same amount, rate, term, frequencies and timing.
bool SameLoan(const Loan &a, const Loan &b);

// The figures of the graph: the schedule's by-year rows, and beside them the balance
// with the payment plan when the plan is for the same loan and has events, or else
// with the additional payment when the run is for the same loan and clears it.
// Its names and notes are English, as printed and exported, unless shown, which takes
// the user's language for the screen.
BalanceGraphSeries BalanceSeriesOf(const Loan &loan, const AdditionalPaymentRun *run = nullptr,
                                   const PlannedLoan *planned = nullptr, bool shown = false);
// "Mortgage Balance: $100,000.00 at 6% for 25 years"
QString BalanceGraphTitle(const Loan &loan, const QLocale &locale = QLocale(), bool shown = false);

class TBalanceGraphForm : public AnalysisWindow {
    Q_OBJECT
public:
    explicit TBalanceGraphForm(QWidget *parent = nullptr);

    // Draws the loan, and the plan's or else the additional payment's balance when it fits.
    void Fill(const Loan &loan, const std::optional<AdditionalPaymentRun> &run,
              const std::optional<PlannedLoan> &planned = std::nullopt);
    // Fills and shows the window modally.
    void Open(const Loan &loan, const std::optional<AdditionalPaymentRun> &run,
              const std::optional<PlannedLoan> &planned = std::nullopt);

    void ExtraBoxClick();
    void PrintBtnClick();
    void ExportBtnClick();
    void OKBtnClick();

    // The graph as printed and exported: the shown one's figures in its English words.
    std::unique_ptr<BalanceGraph> EnglishGraph() const;

    BalanceGraph *Graph;
    QCheckBox *ExtraBox;
    QPushButton *ExportBtn, *PrintBtn, *OKBtn;
    // The export dialog remembers its folder and name between uses.
    FileDialogState exportDialog;

private:
    BalanceGraphSeries english_; // the shown series in its English words
    QString englishTitle_;
};

// The name written for a chosen one: ".png" added unless it ends in ".png" or ".pdf".
QString BalanceGraphFileName(const QString &chosen);
// Writes the graph as a picture (".png") or a landscape page (".pdf"), by the name's
// ending (BalanceGraphFileName). Returns the name written; throws a QuovellaError
// naming the file when it cannot be written.
QString ExportBalanceGraph(QWidget *parent, const BalanceGraph &graph, const QString &fileName);
