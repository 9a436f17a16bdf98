// SPDX-License-Identifier: GPL-3.0-or-later
// Repayments over a range of amounts (rows) and interest rates (columns).
#pragma once

#include "engine/MortgageFunctions.h"

#include <array>
#include <cstdint>
#include <vector>

struct MortgageGrid {
    static constexpr int RateColumns = 7;
    static constexpr int EnteredRateColumn = 4; // grid column of the entered rate

    std::array<double, RateColumns> rates{}; // columns 1 to 7, percent
    std::vector<double> amounts;              // grid rows 1 and up
    std::vector<std::array<double, RateColumns>> repayments;
    int enteredRow = 0;      // grid row of the entered amount (row 0 is the heading row)
    int firstVisibleRow = 1; // first scrolled row shown

    int RowCount() const { return static_cast<int>(amounts.size()) + 1; }
};

// The amount steps and interest steps the grid window offers.
const std::array<int, 4> &MortgageGridAmountSteps();
const std::array<double, 7> &MortgageGridInterestSteps();

// `loan.amount` is taken to 1/10000 of a money unit, so every row keeps the
// entered amount's cents exactly.
MortgageGrid BuildMortgageGrid(const Loan &loan, int amountStep, double interestStep);

// "Amt/Int" and the rate headings as the grid shows them ("5.75%").
QString MortgageGridRateHeading(double rate, const QLocale &locale = QLocale());
