// SPDX-License-Identifier: GPL-3.0-or-later
// What the analysis windows read from the main window while they calculate:
// the payment frequency, compounding and timing always come from there.
#pragma once

#include "engine/AnnualRate.h"
#include "engine/LoanChecks.h"
#include "engine/PaymentPlan.h"

class QWidget;

class MainLoan {
public:
    virtual ~MainLoan() = default;
    // The loan as the Mortgage tab's fields hold it at this moment.
    virtual LoanTexts CurrentLoanTexts() const = 0;
    // The caption beside the part-year field in English ("Month(s)", "Week(s)", ...), as
    // reports print it; the screen shows ShownFrequencyText of it.
    virtual QString PartYearCaption() const = 0;
    virtual QWidget *MainWindowWidget() = 0;
    // The payment plan of the loan, kept and saved with it.
    virtual const PaymentPlan &Plan() const = 0;
    virtual void SetPlan(const PaymentPlan &plan) = 0;
    // The loan's fees, kept and saved with it like the plan.
    virtual const LoanFees &Fees() const = 0;
    virtual void SetFees(const LoanFees &fees) = 0;
};

// Places a window in the middle of the screen its parent (or the cursor) is on.
void CentreOnScreen(QWidget *window);
