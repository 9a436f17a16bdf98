// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Schedule.h"

#include <cmath>

std::vector<ScheduleRow> BuildSchedule(const Loan &loan, ScheduleBy by)
{
    std::vector<ScheduleRow> rows;
    const double p = loan.paymentsPerYear;
    const double n = loan.Payments();
    const double nominal = loan.NominalRate();
    double pay = RoundedRepayment(loan.amount, nominal, n, p, loan.timing);
    const double i = nominal / (100 * p);
    const bool arrears = loan.timing == Timing::InArrears;
    const int rounds = loan.Rounds();
    rows.reserve(by == ScheduleBy::Period ? std::max(rounds, 0)
                                          : static_cast<int>(std::max(loan.years, 0)) + 1);

    double balance = loan.amount;
    double rowInterest = 0;
    double rowCapital = 0;
    double totalInterest = 0;
    double totalCapital = 0;
    int periodInYear = 0;
    for (int k = 1; k <= rounds; ++k) {
        periodInYear = periodInYear + 1;
        double interest;
        if (arrears)
            interest = RoundToPlaces(balance * i, 2);
        else if (balance > pay && k != n)
            interest = RoundToPlaces((balance - pay) * i, 2);
        else
            interest = 0;
        rowInterest = rowInterest + interest;
        if (balance + interest < pay || k == n)
            pay = balance + interest;
        rowCapital = rowCapital + (pay - interest);
        balance = balance + interest - pay;
        totalInterest = totalInterest + interest;
        totalCapital = totalCapital + (pay - interest);
        if (periodInYear == p || k == n || by == ScheduleBy::Period) {
            ScheduleRow row;
            row.period = static_cast<int>(rows.size()) + 1;
            row.interest = RoundToPlaces(rowInterest, 2);
            row.capital = RoundToPlaces(rowCapital, 2);
            row.balance = RoundToPlaces(balance, 2);
            row.accumulatedInterest = RoundToPlaces(totalInterest, 2);
            row.accumulatedCapital = RoundToPlaces(totalCapital, 2);
            rows.push_back(row);
            rowInterest = 0;
            rowCapital = 0;
            if (row.balance <= 0)
                break;
        }
        if (periodInYear >= p)
            periodInYear = 0;
    }
    return rows;
}

QString ScheduleCellText(const ScheduleRow &row, int column, const QLocale &locale)
{
    const auto money = [&locale](double value) { return MoneyText(value, MoneyFormat::Currency, locale); };
    switch (column) {
    case 0: return QString::number(row.period);
    case 1: return money(row.interest);
    case 2: return money(row.capital);
    case 3: return money(row.balance);
    case 4: return money(row.accumulatedInterest);
    default: return money(row.accumulatedCapital);
    }
}
