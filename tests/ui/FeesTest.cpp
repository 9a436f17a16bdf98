// SPDX-License-Identifier: GPL-3.0-or-later
// A loan's fees: entered in the Payment Plan window, kept and saved with the loan,
// and the annual percentage rate they make, there and on the Mortgage tab.
#include "tests/ui/UiFixture.h"

#include "ui/windows/PaymentPlanUnit.h"

#include <QTemporaryDir>

// The worked loan: 100000 at 6 % monthly for 25 years.
class Fees : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        TypeLoan("100000", "25", "6");
    }

    TPaymentPlan *plan() { return windows().plan; }

    void OpenPlan(const std::function<void(TPaymentPlan *)> &inside)
    {
        platform.modalActions.insert("PaymentPlan", [&](QDialog *) { Settle(); inside(plan()); });
        main().PaymentPlanBtn->click();
    }

    // Types into a fee field and presses Enter; the messages it gave.
    QStringList Enter(QLineEdit *field, const QString &text)
    {
        const std::size_t before = platform.messages.size();
        field->setText(text);
        emit field->returnPressed();
        QStringList said;
        for (std::size_t m = before; m < platform.messages.size(); ++m)
            said << platform.messages[m].text;
        return said;
    }

    QTemporaryDir dir;
};

TEST_F(Fees, EnteredInThePlanWindowTheyAreKeptWithTheLoanAndChangeItsAnnualPercentageRate)
{
    main().SetSavedFlag(true);
    OpenPlan([&](TPaymentPlan *window) {
        EXPECT_EQ(window->AnnualRate->text(), "6.17 %") << "without fees, the loan's effective yearly rate";
        EXPECT_TRUE(window->UpfrontFees->text().isEmpty());
        EXPECT_TRUE(Enter(window->UpfrontFees, "2000").isEmpty());
        EXPECT_EQ(main().Fees(), (LoanFees{2000, 0}));
        EXPECT_FALSE(main().SavedFlag());
        EXPECT_EQ(window->AnnualRate->text(), "6.39 %");
        EXPECT_TRUE(Enter(window->FeePerPayment, "5").isEmpty());
        EXPECT_EQ(main().Fees(), (LoanFees{2000, 5}));
        const QString withBoth = window->AnnualRate->text();
        EXPECT_GT(withBoth, QString("6.39 %")) << S(withBoth);
        // Emptied, a field is no fee.
        EXPECT_TRUE(Enter(window->FeePerPayment, "").isEmpty());
        EXPECT_EQ(main().Fees(), (LoanFees{2000, 0}));
    });
    // Opened again, the window shows the fees kept.
    OpenPlan([&](TPaymentPlan *window) {
        EXPECT_EQ(window->UpfrontFees->text(), "2000");
        EXPECT_EQ(window->AnnualRate->text(), "6.39 %");
        EXPECT_EQ(window->UpfrontFees->objectName(), "UpfrontFees");
        EXPECT_EQ(window->FeePerPayment->accessibleName(), "Fee per payment");
        EXPECT_FALSE(Keyboard::MnemonicOf(window->UpfrontLabel->text()).isNull());
        EXPECT_FALSE(Keyboard::MnemonicOf(window->AprLabel->text()).isNull());
    });
}

TEST_F(Fees, AFeeThatCannotBeUsedIsToldOnceAndItsTextKept)
{
    OpenPlan([&](TPaymentPlan *window) {
        QStringList said = Enter(window->UpfrontFees, "abc");
        ASSERT_EQ(said.size(), 1) << S(said.join(" | "));
        EXPECT_EQ(said[0], "Upfront fees: 'abc' is not a number.");
        EXPECT_EQ(window->UpfrontFees->text(), "abc");

        said = Enter(window->UpfrontFees, "100000");
        ASSERT_EQ(said.size(), 1);
        EXPECT_EQ(said[0], "The upfront fees must be at least 0 and less than the mortgage amount.");
        said = Enter(window->UpfrontFees, "-1");
        ASSERT_EQ(said.size(), 1);
        EXPECT_TRUE(said[0].startsWith("The upfront fees")) << S(said[0]);
        said = Enter(window->FeePerPayment, "-5");
        ASSERT_EQ(said.size(), 1);
        EXPECT_EQ(said[0], "The fee per payment must be at least 0 and at most 999,999,999.");
        EXPECT_EQ(window->FeePerPayment->text(), "-5");
        EXPECT_EQ(main().Fees(), LoanFees()) << "nothing faulty is kept";
        EXPECT_EQ(window->AnnualRate->text(), "6.17 %");
    });
}

TEST_F(Fees, TheMortgageTabShowsTheRateOnlyWithFeesAndOnlyBesideItsResults)
{
    main().CalMortBtn->click();
    EXPECT_TRUE(main().AprPanel->isHidden()) << "no fees, the tab as it always was";

    main().SetFees(LoanFees{2000, 0});
    EXPECT_FALSE(main().AprPanel->isHidden());
    EXPECT_EQ(main().AnnualRate->text(), "6.39 %") << "the results stand, so the rate is worked out with them";
    main().IRate->setText("6.5");
    EXPECT_TRUE(main().AnnualRate->text().isEmpty()) << "a changed input empties it with the other results";
    main().IRate->setText("6");
    main().CalMortBtn->click();
    EXPECT_EQ(main().AnnualRate->text(), "6.39 %");
    EXPECT_EQ(main().TotalInterest->text(), "$93,287.04") << "the fees leave the total interest alone";

    main().SetFees(LoanFees());
    EXPECT_TRUE(main().AprPanel->isHidden());
}

TEST_F(Fees, AreSavedAndLoadedWithTheFileAndEmptiedByNew)
{
    main().SetFees(LoanFees{2000, 4.5});
    const QString path = dir.filePath("fees.QVL");
    platform.saveAnswers.push_back(path);
    main().SaveBtn->click();
    EXPECT_TRUE(main().SavedFlag());

    main().NewFile->trigger();
    EXPECT_EQ(main().Fees(), LoanFees());
    EXPECT_TRUE(main().AprPanel->isHidden());

    platform.openAnswers.push_back(path);
    main().LoadBtn->click();
    EXPECT_EQ(main().Fees(), (LoanFees{2000, 4.5}));
    EXPECT_TRUE(main().SavedFlag());
    EXPECT_FALSE(main().AprPanel->isHidden());
    EXPECT_TRUE(main().AnnualRate->text().isEmpty()) << "until Calculate fills the results";
    main().CalMortBtn->click();
    EXPECT_FALSE(main().AnnualRate->text().isEmpty());
}
