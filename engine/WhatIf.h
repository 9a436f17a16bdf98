// SPDX-License-Identifier: GPL-3.0-or-later
// Solves one of amount, number of payments, interest rate or repayment from the
// other three, working on the field texts of the What If? tab.
#pragma once

#include "engine/ErrorChecking.h"
#include "engine/MortgageFunctions.h"

#include <optional>

enum class WhatIfVariable { Amount = 1, Periods = 2, Interest = 3, Payment = 4 };

struct WhatIfFields {
    QString principal;
    QString periods;
    QString partYear;
    QString interest;
    QString repay;
    QString payment = QStringLiteral("Monthly");
    QString compounded = QStringLiteral("Monthly");
    Timing timing = Timing::InArrears;
    WhatIfVariable solveFor = WhatIfVariable::Amount;
};

struct WhatIfOutcome {
    std::optional<Message> message; // shown instead of a result; no field changes then
    std::optional<WhatIfVariable> fault; // the known field the message refuses, if one
    WhatIfFields fields;            // the texts after solving: only the solved ones differ
};

WhatIfOutcome SolveWhatIf(const WhatIfFields &fields, const QLocale &locale = QLocale());

// Level repayment of amount A over n payments at i a period, unrounded.
double WhatIfRepayment(double amount, double periodRate, double payments, Timing timing);
