// SPDX-License-Identifier: GPL-3.0-or-later
// Loans where rounding the repayment and each period's interest to cents changes
// the story: balloon last payments, terms cleared early, the last payment in
// advance, and pay-offs within days. Every window must tell the same story.
#include "engine/AdditionalPayments.h"
#include "engine/Schedule.h"
#include "tests/engine/TestLoans.h"

#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// Repays 1442.31 a week against 1442.31 of interest: the loan never shrinks and
// the last payment carries it all.
Loan BalloonLoan()
{
    return TestLoan(250000, 30, 50, 0, 52);
}

// Its rounded repayment clears it after 23 years and 2 months.
Loan ShortenedLoan()
{
    return TestLoan(100, 25, 25);
}

Loan DailyInAdvance()
{
    return TestLoan(29, 20, 19, 44, 365, Timing::InAdvance);
}

SpecificPaymentTexts StartingIn(const QString &year, const QString &period = QString())
{
    SpecificPaymentTexts texts;
    texts.extra = QStringLiteral("100");
    texts.fromStart = false;
    texts.year = year;
    texts.period = period;
    return texts;
}

LoanTexts MonthlyTexts(const QString &amount, const QString &rate, const QString &years)
{
    LoanTexts texts;
    texts.amount = amount;
    texts.rate = rate;
    texts.years = years;
    return texts;
}

} // namespace

TEST(Balloon, MortgageFiguresComeFromTheWalkedRun)
{
    const MortgageFigures figures = CalculateMortgage(BalloonLoan());
    EXPECT_DOUBLE_EQ(figures.repayment, 1442.31);
    EXPECT_TRUE(figures.balloon);
    EXPECT_FALSE(figures.paymentsDiffer);
    EXPECT_DOUBLE_EQ(figures.run.LastPayment, 251442.31);
    EXPECT_DOUBLE_EQ(figures.totalInterest, 3750006.00);
    // The schedule tells the same total.
    EXPECT_DOUBLE_EQ(BuildSchedule(BalloonLoan(), ScheduleBy::Year).back().accumulatedInterest,
                     figures.totalInterest);
    EXPECT_EQ(BalloonMessage(figures.repayment, figures.run.LastPaymentText),
              "The repayment of $1,442.31, rounded to 2 decimal places, does not pay off this "
              "Mortgage evenly: your last payment will be $251,442.31.");
}

TEST(Balloon, OrdinaryRoundingIsNoBalloon)
{
    const MortgageFigures figures = CalculateMortgage(TestLoan(100000, 6, 25));
    EXPECT_FALSE(figures.balloon);
    EXPECT_EQ(MoneyText(figures.totalInterest), "$93,287.04");

    AmortisationResult run;
    run.PaymentsMade = 10;
    run.LastPayment = 101.00; // a cent over, but not more than 1 %
    EXPECT_FALSE(IsBalloon(run, 100.00));
    run.LastPayment = 101.01;
    EXPECT_TRUE(IsBalloon(run, 100.00));
    run.LastPayment = 0.02; // more than 1 % but no whole cent over
    EXPECT_FALSE(IsBalloon(run, 0.02));
    run.LastPayment = 0.03;
    EXPECT_TRUE(IsBalloon(run, 0.02));
    run.LastPayment = 99.99;
    EXPECT_FALSE(IsBalloon(run, 100.00));
}

TEST(Balloon, AdditionalPaymentsRowsAreWalkedWithTheirOwnRepayment)
{
    const AdditionalPaymentGrid grid = BuildAdditionalPaymentGrid(BalloonLoan());
    ASSERT_EQ(grid.rows.size(), 50u);
    EXPECT_DOUBLE_EQ(grid.rows[0].totalInterest, 3750006.00);
    for (const AdditionalPaymentRow &row : grid.rows) {
        Loan term = BalloonLoan();
        term.years = row.years;
        const AmortisationResult run = RunAmortisation(term);
        // A shorter term never costs more interest than the longest.
        EXPECT_GE(row.interestSaved, 0) << row.years;
        if (IsBalloon(run, row.payment)) {
            EXPECT_DOUBLE_EQ(row.totalInterest, run.InterestTotal) << row.years;
        }
    }
}

TEST(Balloon, SpecificPaymentOfNothingSavesNothing)
{
    const SpecificAdditionalPayment result = CalculateSpecificAdditionalPayment(BalloonLoan(), 0, {});
    ASSERT_TRUE(result.paidOff);
    EXPECT_DOUBLE_EQ(result.without, 3750006.00);
    EXPECT_DOUBLE_EQ(result.with, 3750006.00);
    EXPECT_DOUBLE_EQ(result.saved, 0);
}

TEST(ShortenedLoan, KeepsTheEnteredTermsRepayment)
{
    const Loan loan = ShortenedLoan();
    const AmortisationResult run = RunAmortisation(loan);
    ASSERT_EQ(run.PaymentsMade, 23 * 12 + 2);
    const SpecificAdditionalPayment nothing = CalculateSpecificAdditionalPayment(loan, 0, {});
    EXPECT_DOUBLE_EQ(nothing.saved, 0);
    EXPECT_DOUBLE_EQ(nothing.with, run.InterestTotal);
    EXPECT_EQ(nothing.paymentsMade, run.PaymentsMade);
    EXPECT_EQ(nothing.sentence,
              "You have paid off your 23 Year and 2 month Mortgage in 23 Years and 2 Months");
    // An extra still pays it off sooner.
    EXPECT_GT(CalculateSpecificAdditionalPayment(loan, 1, {}).saved, 0);
}

TEST(ShortenedLoan, StartYearMustLieWithinTheShortenedTerm)
{
    const LoanTexts loan = MonthlyTexts("100", "25", "25");
    const CheckedSpecificPayment late = CheckSpecificPayment(loan, StartingIn("25"));
    ASSERT_TRUE(late.problem);
    EXPECT_EQ(late.problem->text, "You must enter a year between 1 and 24");
    EXPECT_EQ(late.problem->kind, MessageKind::Information);
    const CheckedSpecificPayment last = CheckSpecificPayment(loan, StartingIn("23", "2"));
    EXPECT_FALSE(last.problem);
    EXPECT_EQ(last.start.year, 23);
    EXPECT_EQ(last.start.period, 2);

    // Really 23 years and 2 months: year 24 is its last, two-month year.
    const CheckedSpecificPayment partYear = CheckSpecificPayment(loan, StartingIn("24", "2"));
    EXPECT_FALSE(partYear.problem);
    EXPECT_EQ(partYear.start.year, 24);
    EXPECT_EQ(partYear.start.period, 2);
    EXPECT_EQ(CheckSpecificPayment(loan, StartingIn("24", "3")).problem->text,
              "You must enter a Month between 1 and 2");

    // Cleared within its first year: that part year is the one to start in.
    const LoanTexts tiny = MonthlyTexts("0.11", "0.000001", "50");
    const Term tinyTerm = SpecificPaymentTerm(LoanOfTexts(tiny));
    ASSERT_EQ(tinyTerm.years, 0);
    EXPECT_FALSE(CheckSpecificPayment(tiny, StartingIn("1")).problem);
    EXPECT_EQ(CheckSpecificPayment(tiny, StartingIn("2")).problem->text, "You must enter a year between 1 and 1");
}

TEST(SpecificAdditionalPayment, InAdvanceTheLastPaymentAccruesNoInterest)
{
    const AmortisationResult run = RunAmortisation(DailyInAdvance());
    EXPECT_DOUBLE_EQ(run.InterestTotal, 139.56);
    const SpecificAdditionalPayment result =
        CalculateSpecificAdditionalPayment(DailyInAdvance(), 0, {});
    EXPECT_DOUBLE_EQ(result.with, 139.56);
    EXPECT_DOUBLE_EQ(result.without, 139.56);
    EXPECT_DOUBLE_EQ(result.saved, 0);
}

TEST(PayOffSentence, AlwaysEndsInADuration)
{
    EXPECT_EQ(PayOffSentence(20, 0, 3, 365), "You have paid off your 20 Year Mortgage in less than 1 Month");
    const SpecificAdditionalPayment result =
        CalculateSpecificAdditionalPayment(TestLoan(100000, 5, 20, 0, 365), 100000, {});
    EXPECT_EQ(result.paymentsMade, 1);
    EXPECT_TRUE(result.sentence.endsWith(" Mortgage in less than 1 Month")) << result.sentence.toStdString();
    // Whole years alone, and years with months, are unchanged.
    EXPECT_EQ(PayOffSentence(25, 0, 300, 12), "You have paid off your 25 Year Mortgage in 25 Years");
    EXPECT_EQ(PayOffSentence(25, 0, 12, 12), "You have paid off your 25 Year Mortgage in 1 Year");
    EXPECT_EQ(PayOffSentence(25, 0, 13, 12), "You have paid off your 25 Year Mortgage in 1 Year and 1 Month");
}

TEST(SpecificPaymentChecks, WindowWordingInOrder)
{
    const LoanTexts loan = MonthlyTexts("100000", "6", "25");
    auto problem = [&loan](const SpecificPaymentTexts &texts) {
        const CheckedSpecificPayment checked = CheckSpecificPayment(loan, texts);
        return checked.problem ? checked.problem->text : QString();
    };
    SpecificPaymentTexts letters = StartingIn("26");
    letters.extra = QStringLiteral("lots");
    EXPECT_EQ(problem(letters), "You must enter a valid Mortgage amount between 0 and 999999999");
    EXPECT_EQ(problem(StartingIn("0")), "You must enter a year.");
    EXPECT_EQ(problem(StartingIn("")), "You must enter a year.");
    EXPECT_EQ(problem(StartingIn("26")), "You must enter a year between 1 and 25");
    const CheckedSpecificPayment negative = CheckSpecificPayment(loan, StartingIn("-1"));
    ASSERT_TRUE(negative.problem);
    EXPECT_EQ(negative.problem->text, "You must enter a year between 1 and 25");
    EXPECT_EQ(negative.problem->kind, MessageKind::Confirmation);
    EXPECT_EQ(problem(StartingIn("6", "13")), "You must enter a Month between 1 and 12");
    EXPECT_EQ(problem(StartingIn("6", "x")), "You must enter a Month between 1 and 12");
    EXPECT_EQ(problem(StartingIn("6", "12")), "");

    // From the start the greyed start fields are not read, whatever an earlier loan left there.
    SpecificPaymentTexts fromStart;
    fromStart.extra = QStringLiteral("100");
    fromStart.year = QStringLiteral("99");
    fromStart.period = QStringLiteral("13");
    EXPECT_EQ(problem(fromStart), "");
    fromStart.period = QStringLiteral("x");
    EXPECT_EQ(problem(fromStart), "");

    // Weekly payments word the period in weeks; yearly payments have none to check.
    LoanTexts weekly = loan;
    weekly.payment = weekly.compounded = QStringLiteral("Weekly");
    EXPECT_EQ(CheckSpecificPayment(weekly, StartingIn("6", "53")).problem->text,
              "You must enter a Week between 1 and 52");
    LoanTexts yearly = loan;
    yearly.payment = yearly.compounded = QStringLiteral("Annualy");
    EXPECT_FALSE(CheckSpecificPayment(yearly, StartingIn("6", "53")).problem);

    // A part year is a year of its own, as long as its periods: 25 years and 6 months
    // starts in year 26 at month 1 to 6; a part-year-only term starts in year 1.
    LoanTexts withPart = loan;
    withPart.part = QStringLiteral("6");
    EXPECT_EQ(problem(StartingIn("26", "6")), "You must enter a year between 1 and 25");
    EXPECT_FALSE(CheckSpecificPayment(withPart, StartingIn("26", "6")).problem);
    EXPECT_EQ(CheckSpecificPayment(withPart, StartingIn("26", "7")).problem->text,
              "You must enter a Month between 1 and 6");
    EXPECT_EQ(CheckSpecificPayment(withPart, StartingIn("27")).problem->text,
              "You must enter a year between 1 and 26");
    LoanTexts partOnly = MonthlyTexts("1000", "5", "");
    partOnly.part = QStringLiteral("6");
    EXPECT_FALSE(CheckSpecificPayment(partOnly, StartingIn("1", "6")).problem);
    EXPECT_EQ(CheckSpecificPayment(partOnly, StartingIn("1", "7")).problem->text,
              "You must enter a Month between 1 and 6");
}
