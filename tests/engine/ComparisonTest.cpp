// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Comparison.h"
#include "engine/TableTexts.h"
#include "tests/common/FrequencyCases.h"
#include "tests/engine/TestLoans.h"

#include <gtest/gtest.h>

namespace {

ComparedLoan Offer(const QString &name, const Loan &loan, const LoanFees &fees = {}, const PaymentPlan &plan = {})
{
    return ComparedLoan{name, loan, plan, fees};
}

const ComparedLoan worked = Offer(QStringLiteral("Bank A"), TestLoan(100000, 6, 25));

QString Cell(const Comparison &comparison, ComparisonRow row, int column, const TextStyle &style)
{
    return ComparisonCellText(comparison, static_cast<int>(row), column, style);
}

TEST(Comparison, WorkedLoanAsTheMortgageTabShowsIt)
{
    const ComparisonFigures f = CompareFigures(worked);
    EXPECT_DOUBLE_EQ(f.repayment, 644.31);
    EXPECT_DOUBLE_EQ(f.monthly, 644.31);
    EXPECT_EQ(f.paymentsMade, 300);
    EXPECT_DOUBLE_EQ(f.totalInterest, 93287.04);
    EXPECT_DOUBLE_EQ(f.fees, 0);
    EXPECT_DOUBLE_EQ(f.totalPaid, 193287.04);
    ASSERT_TRUE(f.apr);
    EXPECT_NEAR(*f.apr, 6.17, 0.005);
    EXPECT_FALSE(f.paidOff.isValid());
}

TEST(Comparison, FeesAddToTheCostAndTheRate)
{
    const ComparisonFigures upfront = CompareFigures(Offer(QString(), TestLoan(100000, 6, 25), {2000, 0}));
    EXPECT_DOUBLE_EQ(upfront.totalInterest, 93287.04); // fees are not interest
    EXPECT_DOUBLE_EQ(upfront.fees, 2000);
    EXPECT_DOUBLE_EQ(upfront.totalPaid, 195287.04);
    ASSERT_TRUE(upfront.apr);
    EXPECT_NEAR(*upfront.apr, 6.39, 0.005);

    const ComparisonFigures both = CompareFigures(Offer(QString(), TestLoan(100000, 6, 25), {2000, 10}));
    EXPECT_DOUBLE_EQ(both.fees, 2000 + 10 * 300);
    EXPECT_DOUBLE_EQ(both.totalPaid, 198287.04);
    EXPECT_GT(*both.apr, *upfront.apr);

    // Fees that take the whole loan leave no rate to show, and the loan is no one's cheapest.
    const Comparison comparison = Compare({worked, Offer(QString(), TestLoan(100000, 6, 25), {100000, 0})});
    EXPECT_FALSE(comparison.figures[1].apr);
    EXPECT_EQ(comparison.cheapest, 0);
    EXPECT_EQ(Cell(comparison, ComparisonRow::Apr, 2, TextStyle::Shown()), QStringLiteral("\u2014"));
    EXPECT_EQ(Cell(comparison, ComparisonRow::Apr, 2, TextStyle::Machine()), QString());
    EXPECT_EQ(Cell(comparison, ComparisonRow::AprDifference, 2, TextStyle::Machine()), QString());
}

// Payments, last payment and total interest are the Mortgage tab's for every
// frequency and both timings, balloons and odd last payments included.
class ComparisonEachFrequency : public testing::TestWithParam<int> {};

TEST_P(ComparisonEachFrequency, FiguresAreTheMortgageTabs)
{
    const double p = Frequencies()[GetParam()].periods;
    for (const Timing timing : {Timing::InArrears, Timing::InAdvance}) {
        for (const Loan &loan : {TestLoan(100000, 6, 25, 0, p, timing), TestLoan(250000, 7.3, 17, 0, p, timing),
                                 TestLoan(1000, 18, 1, 0, p, timing), TestLoan(1e6, 45, 30, 0, p, timing)}) {
            SCOPED_TRACE(testing::Message() << loan.amount << " at " << loan.rate << " timing " << int(timing));
            const MortgageFigures tab = CalculateMortgage(loan);
            const ComparisonFigures f = CompareFigures(Offer(QString(), loan));
            EXPECT_DOUBLE_EQ(f.repayment, tab.repayment);
            EXPECT_EQ(f.paymentsMade, tab.run.PaymentsMade);
            EXPECT_DOUBLE_EQ(f.lastPayment, RoundToPlaces(tab.run.LastPayment, 2));
            EXPECT_DOUBLE_EQ(f.totalInterest, RoundToPlaces(tab.totalInterest, 2));
            EXPECT_DOUBLE_EQ(f.monthly, RoundToPlaces(tab.repayment * p / 12, 2));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Frequencies, ComparisonEachFrequency, EveryFrequency(), FrequencyNamed());

TEST(Comparison, PlanColumnTakesThePlansWalk)
{
    PaymentPlan plan;
    plan.firstPayment = QDate(2027, 1, 31);
    plan.events.push_back(PlanEvent{PlanEventKind::LumpSum, 10000, 61, 0, false});
    const Loan loan = TestLoan(100000, 6, 25);
    const PlanResult walked = WalkPaymentPlan(loan, plan);
    const ComparisonFigures f = CompareFigures(Offer(QStringLiteral("Lump"), loan, {500, 0}, plan));
    EXPECT_DOUBLE_EQ(f.totalInterest, walked.totalInterest);
    EXPECT_LT(f.totalInterest, 93287.04);
    EXPECT_EQ(f.paymentsMade, walked.paymentsMade);
    EXPECT_LT(f.paymentsMade, 300);
    EXPECT_DOUBLE_EQ(f.repayment, 644.31);
    EXPECT_DOUBLE_EQ(f.totalPaid, RoundToPlaces(100000 + walked.totalInterest + 500, 2));
    EXPECT_EQ(f.paidOff, walked.paidOff);
    EXPECT_EQ(f.apr, AnnualPercentageRate(loan, walked, {500, 0}));

    // A date without events changes nothing but the pay-off.
    PaymentPlan dated;
    dated.firstPayment = QDate(2027, 1, 31);
    const Comparison comparison = Compare({Offer(QStringLiteral("Dated"), loan, {}, dated)});
    EXPECT_DOUBLE_EQ(comparison.figures[0].totalInterest, 93287.04);
    EXPECT_EQ(Cell(comparison, ComparisonRow::PayOff, 1, TextStyle::Machine()), QStringLiteral("2051-12-31"));
    EXPECT_EQ(Cell(Compare({worked}), ComparisonRow::PayOff, 1, TextStyle::Shown()), QStringLiteral("25 years"));
}

TEST(Comparison, WeeklyOfferAgainstMonthlyWithDifferences)
{
    const ComparedLoan weekly = Offer(QStringLiteral("Bank B, weekly"), TestLoan(100000, 6, 25, 0, 52));
    const Comparison comparison = Compare({worked, weekly});
    const ComparisonFigures &w = comparison.figures[1];
    EXPECT_DOUBLE_EQ(w.monthly, RoundToPlaces(w.repayment * 52 / 12, 2));
    EXPECT_LT(w.totalInterest, 93287.04); // paying weekly at the same rate costs less

    const TextStyle shown = TextStyle::Shown();
    const TextStyle machine = TextStyle::Machine();
    const double monthlyDifference = w.monthly - 644.31;
    const double interestDifference = w.totalInterest - 93287.04;
    EXPECT_EQ(Cell(comparison, ComparisonRow::MonthlyDifference, 2, machine), MachineMoneyText(monthlyDifference));
    EXPECT_EQ(Cell(comparison, ComparisonRow::TotalInterestDifference, 2, shown),
              QStringLiteral("\u2212") + QLocale().toString(-interestDifference, 'f', 2));
    EXPECT_EQ(Cell(comparison, ComparisonRow::AmountDifference, 2, shown), QStringLiteral("0.00"));
    EXPECT_EQ(Cell(comparison, ComparisonRow::AmountDifference, 2, machine), QStringLiteral("0"));
    // The first column is what the others are measured against.
    for (int row = 0; row < ComparisonRows; ++row) {
        if (IsDifferenceRow(row)) {
            EXPECT_EQ(ComparisonCellText(comparison, row, 1, shown), QString()) << row;
        }
    }

    EXPECT_EQ(Cell(comparison, ComparisonRow::Payments, 2, shown), QStringLiteral("Weekly"));
    EXPECT_EQ(Cell(comparison, ComparisonRow::Payments, 2, machine), QStringLiteral("52"));
    EXPECT_EQ(Cell(comparison, ComparisonRow::Term, 1, shown), QStringLiteral("25 years"));
    EXPECT_EQ(Cell(comparison, ComparisonRow::Term, 2, machine), QStringLiteral("1300"));
    // Less interest, yet 6 % compounded weekly is the dearer rate: the APR, not the
    // interest, marks the cheapest.
    EXPECT_EQ(Cell(comparison, ComparisonRow::Apr, 1, shown), QStringLiteral("6.17 %"));
    EXPECT_EQ(Cell(comparison, ComparisonRow::Apr, 2, shown), QStringLiteral("6.18 %"));
    EXPECT_EQ(Cell(comparison, ComparisonRow::AprDifference, 2, shown), QStringLiteral("+0.01 %"));
    EXPECT_EQ(comparison.cheapest, 0);
    EXPECT_EQ(Cell(comparison, ComparisonRow::Cheapest, 1, shown), QStringLiteral("Lowest APR"));
    EXPECT_EQ(Cell(comparison, ComparisonRow::Cheapest, 2, machine), QStringLiteral("0"));
}

TEST(Comparison, DifferencesAreSignedAndInTheStyle)
{
    const Comparison comparison = Compare({Offer(QStringLiteral("A"), TestLoan(100000, 6, 25), {2000, 0}),
                                           Offer(QStringLiteral("B"), TestLoan(101234.56, 5.75, 25))});
    const TextStyle shown = TextStyle::Shown();
    EXPECT_EQ(Cell(comparison, ComparisonRow::AmountDifference, 2, shown), QStringLiteral("+1,234.56"));
    EXPECT_EQ(Cell(comparison, ComparisonRow::RateDifference, 2, shown), QStringLiteral("\u22120.25 %"));
    EXPECT_EQ(Cell(comparison, ComparisonRow::RateDifference, 2, TextStyle::Machine()), QStringLiteral("-0.25"));
    EXPECT_EQ(Cell(comparison, ComparisonRow::FeesDifference, 2, shown), QStringLiteral("\u22122,000.00"));
    const Comparison close = Compare({Offer(QStringLiteral("A"), TestLoan(100000, 6, 25)),
                                      Offer(QStringLiteral("B"), TestLoan(100000, 5.95, 25))});
    EXPECT_EQ(Cell(close, ComparisonRow::RateDifference, 2, shown), QStringLiteral("\u22120.05 %"));
    EXPECT_EQ(Cell(close, ComparisonRow::RateDifference, 2, TextStyle::Machine()), QStringLiteral("-0.05"));
    // The APR's difference is that of the rates as shown.
    const double a = RoundToPlaces(*comparison.figures[0].apr, 2);
    const double b = RoundToPlaces(*comparison.figures[1].apr, 2);
    EXPECT_EQ(Cell(comparison, ComparisonRow::AprDifference, 2, TextStyle::Machine()),
              MachineNumberText(RoundToPlaces(b - a, 2)));
    EXPECT_TRUE(Cell(comparison, ComparisonRow::AprDifference, 2, shown).startsWith(QStringLiteral("\u2212")));

    // A decimal comma reads the same figures.
    const TextStyle german = TextStyle::Shown(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(Cell(comparison, ComparisonRow::AmountDifference, 2, german), QStringLiteral("+1.234,56"));
    EXPECT_EQ(Cell(comparison, ComparisonRow::Apr, 1, german), QStringLiteral("6,39 %"));
}

TEST(Comparison, CheapestIsTheLowestRateAsShownFirstOfEquals)
{
    auto withApr = [](std::optional<double> apr) {
        ComparisonFigures f;
        f.apr = apr;
        return f;
    };
    EXPECT_EQ(CheapestColumn({withApr(6.2), withApr(6.1), withApr(6.3)}), 1);
    EXPECT_EQ(CheapestColumn({withApr(6.171), withApr(6.169)}), 0); // both read 6.17 %
    EXPECT_EQ(CheapestColumn({withApr(std::nullopt), withApr(7), withApr(6.5)}), 2);
    EXPECT_EQ(CheapestColumn({withApr(std::nullopt), withApr(std::nullopt)}), -1);
    EXPECT_EQ(CheapestColumn({withApr(6)}), -1); // nothing to compare with
    EXPECT_EQ(Compare({worked, worked}).cheapest, 0);
}

TEST(Comparison, TableTextsForCopyingAndCsv)
{
    std::vector<ComparedLoan> loans;
    for (int i = 0; i < MostComparedLoans + 2; ++i)
        loans.push_back(Offer(QStringLiteral("Bank %1, 25 years").arg(i + 1), TestLoan(100000, 6 + i * 0.5, 25)));
    const Comparison comparison = Compare(loans);
    ASSERT_EQ(comparison.loans.size(), std::size_t(MostComparedLoans));
    ASSERT_EQ(ComparisonColumns(comparison), MostComparedLoans + 1);

    const QStringList headings = ComparisonHeadings(comparison, TextStyle::Machine());
    EXPECT_EQ(headings.value(0), QStringLiteral("figure"));
    EXPECT_EQ(headings.value(6), QStringLiteral("Bank 6, 25 years"));
    EXPECT_EQ(ComparisonHeadings(comparison, TextStyle::Shown()).value(0), QString());

    const QString csv = TableCsv(ComparisonTable(comparison));
    const QStringList lines = csv.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), ComparisonRows + 1);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("figure,\"Bank 1, 25 years\",")));
    EXPECT_EQ(lines[1], QStringLiteral("amount,100000,100000,100000,100000,100000,100000"));
    EXPECT_EQ(lines[2], QStringLiteral("amount_difference,,0,0,0,0,0"));
    EXPECT_EQ(lines[3], QStringLiteral("rate,6,6.5,7,7.5,8,8.5"));
    EXPECT_EQ(lines[9], QStringLiteral("repayment,644.31,675.21,706.78,739,771.82,805.23"));
    EXPECT_EQ(lines.last(), QStringLiteral("cheapest,1,0,0,0,0,0"));
    // Every row has a key of its own, so other programs can find a figure by name.
    QStringList keys;
    for (int row = 0; row < ComparisonRows; ++row)
        keys << Cell(comparison, static_cast<ComparisonRow>(row), 0, TextStyle::Machine());
    keys.removeDuplicates();
    EXPECT_EQ(keys.size(), ComparisonRows);
    EXPECT_EQ(ComparisonCellText(comparison, ComparisonRows, 1, TextStyle::Shown()), QString());
    EXPECT_EQ(ComparisonCellText(comparison, 0, MostComparedLoans + 1, TextStyle::Shown()), QString());
}

} // namespace
