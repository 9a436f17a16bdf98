// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/UiFixture.h"

#include <QTest>

namespace {

bool IsResult(QLineEdit *edit)
{
    return edit->isReadOnly() && edit->palette().color(QPalette::Base) == QColor(67, 213, 255);
}

bool IsInput(QLineEdit *edit)
{
    return !edit->isReadOnly() && edit->palette().color(QPalette::Base) == QColor(255, 255, 255);
}

} // namespace

class WhatIf : public UiTest {
protected:
    void Fill(const char *amount, const char *years, const char *part, const char *rate, const char *repay)
    {
        main().WIPrincipal->setText(amount);
        main().WIPeriods->setText(years);
        main().WIPartYear->setText(part);
        main().WIInterest->setText(rate);
        main().WIRepay->setText(repay);
    }
};

TEST_F(WhatIf, ChosenVariableIsTheResultField)
{
    EXPECT_TRUE(main().AmountRB->isChecked());
    EXPECT_TRUE(IsResult(main().WIPrincipal));
    EXPECT_TRUE(IsInput(main().WIRepay));
    Fill("1", "2", "3", "4", "5");
    main().PeriodRB->setChecked(true);
    EXPECT_TRUE(IsResult(main().WIPeriods));
    EXPECT_TRUE(IsResult(main().WIPartYear));
    EXPECT_TRUE(main().WIPeriods->text().isEmpty());
    EXPECT_TRUE(main().WIPartYear->text().isEmpty());
    EXPECT_TRUE(IsInput(main().WIPrincipal));
    EXPECT_EQ(main().WIPrincipal->text(), "1");
    main().InterestRB->setChecked(true);
    EXPECT_TRUE(IsResult(main().WIInterest));
    EXPECT_TRUE(IsInput(main().WIPeriods));
    main().PaymentRB->setChecked(true);
    EXPECT_TRUE(IsResult(main().WIRepay));
    EXPECT_TRUE(main().WIRepay->text().isEmpty());
    EXPECT_EQ(main().WIInterest->text(), ""); // emptied when it was the result
}

TEST_F(WhatIf, SolvesEachVariable)
{
    main().PageControl1->setCurrentWidget(main().TabSheet2);
    main().PaymentRB->setChecked(true);
    Fill("100000", "25", "", "6", "");
    main().SpeedButton4->click();
    EXPECT_EQ(main().WIRepay->text(), "644.3015");
    main().WIAdvanceRB->setChecked(true);
    main().SpeedButton4->click();
    EXPECT_EQ(main().WIRepay->text(), "641.096");
    main().WIArrearsRB->setChecked(true);

    main().AmountRB->setChecked(true);
    Fill("", "25", "", "6", "644.3015");
    main().SpeedButton4->click();
    EXPECT_EQ(main().WIPrincipal->text(), "100000");

    main().PeriodRB->setChecked(true);
    Fill("100000", "", "", "6", "644.3015");
    main().SpeedButton4->click();
    EXPECT_EQ(main().WIPeriods->text(), "25");
    EXPECT_EQ(main().WIPartYear->text(), "0");

    main().InterestRB->setChecked(true);
    Fill("100000", "25", "", "", "644.31");
    main().SpeedButton4->click();
    EXPECT_EQ(main().WIInterest->text(), "6.0001");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(WhatIf, MessagesLeaveTheFieldsAlone)
{
    main().PaymentRB->setChecked(true);
    Fill("100000", "25", "", "0", "");
    main().SpeedButton4->click();
    EXPECT_EQ(OnlyMessage().text, "You must enter an interest rate greater than 0 and less that 100%");
    EXPECT_EQ(platform.messages.back().kind, MessageKind::Information);
    EXPECT_TRUE(main().WIRepay->text().isEmpty());

    platform.Clear();
    main().PeriodRB->setChecked(true);
    main().WIAdvanceRB->setChecked(true);
    Fill("100000", "", "", "6", "400");
    main().SpeedButton4->click();
    EXPECT_EQ(OnlyMessage().text,
              "This Mortgage can't be paid off in a reasonable period. Try increasing your payments.");
    EXPECT_TRUE(main().WIPeriods->text().isEmpty());

    platform.Clear();
    main().WIArrearsRB->setChecked(true);
    main().SpeedButton4->click();
    EXPECT_EQ(OnlyMessage().text,
              "This Mortgage can't be paid off in a reasonable period. Try increasing your payments.");

    platform.Clear();
    main().PaymentRB->setChecked(true);
    Fill("100000", "51", "", "6", "");
    main().SpeedButton4->click();
    EXPECT_EQ(OnlyMessage().text, "You must enter a period  between 0 and 50");
    EXPECT_EQ(platform.messages.back().kind, MessageKind::Confirmation);
}

TEST_F(WhatIf, AnnualPaymentsHideThePartYear)
{
    main().WIPartYear->setText("5");
    main().WIPayment->setCurrentText("Annualy");
    emit main().WIPayment->activated(0);
    EXPECT_TRUE(main().WIPartYear->isHidden());
    EXPECT_TRUE(main().WIMonthsLabel->isHidden());
    EXPECT_TRUE(main().WIPartYear->text().isEmpty());
    main().WIPayment->setCurrentText("FortNightly");
    emit main().WIPayment->activated(5);
    EXPECT_FALSE(main().WIPartYear->isHidden());
    EXPECT_EQ(Keyboard::Plain(main().WIMonthsLabel->text()), "Fortnight(s)");
}

TEST_F(WhatIf, TransferCopiesAndShowsTheMortgageTab)
{
    main().PageControl1->setCurrentWidget(main().TabSheet2);
    TypeLoan("1", "2", "3", "4");
    main().CalMortBtn->click();
    const QString shown = main().MonthlyRepayment->text();
    main().PaymentRB->setChecked(true);
    Fill("250000", "30", "", "4.5", "");
    main().WIPayment->setCurrentText("Weekly");
    emit main().WIPayment->activated(6);
    main().WIAdvanceRB->setChecked(true);
    main().WICompounded->setCurrentText("Daily");
    main().SetSavedFlag(true);
    main().TransferBtn->click();
    EXPECT_EQ(main().MAmount->text(), "250000");
    EXPECT_EQ(main().Period->text(), "30");
    EXPECT_EQ(main().MPartyear->text(), "");
    EXPECT_EQ(main().IRate->text(), "4.5");
    EXPECT_EQ(main().MPayment->currentText(), "Weekly");
    EXPECT_EQ(main().MCompounded->currentText(), "Daily");
    EXPECT_TRUE(main().MAdvance->isChecked());
    EXPECT_EQ(main().PartYearCaption(), "Week(s)");
    EXPECT_EQ(main().Panel1->title(), "   Weekly Mortgage Payment is");
    EXPECT_EQ(main().PageControl1->currentWidget(), main().TabSheet1);
    EXPECT_TRUE(main().BitBtn7->isEnabled());
    EXPECT_TRUE(main().TrasferValuesCheckBox->isVisible());
    EXPECT_FALSE(shown.isEmpty());
    EXPECT_TRUE(main().MonthlyRepayment->text().isEmpty()); // a new loan, not yet calculated
    EXPECT_FALSE(main().SavedFlag());
}

class Savings : public UiTest {
protected:
    // The tab in front of an active window, so the focus moves as the user moves it.
    void ShowTab()
    {
        main().PageControl1->setCurrentWidget(main().TabSheet3);
        main().activateWindow();
        QApplication::setActiveWindow(&main());
        QApplication::processEvents();
    }

    void FillTab(const char *amount, const char *period, const char *rate, const char *reduced,
                 const char *invest)
    {
        main().MSavingsAmount->setText(amount);
        main().mperiod->setText(period);
        main().minterest->setText(rate);
        main().reducedperiod->setText(reduced);
        main().investrate->setText(invest);
    }

    // Types into the field key by key, as the user would.
    static void Type(QLineEdit *field, const char *typed)
    {
        field->setFocus(Qt::MouseFocusReason);
        field->clear();
        QTest::keyClicks(field, typed);
    }

    std::vector<ResultPanel *> Results()
    {
        return {main().mrepayment, main().reducedpayment, main().textra, main().tyears, main().investtotal};
    }
};

TEST_F(Savings, RecalculatesOnEveryChange)
{
    main().PageControl1->setCurrentWidget(main().TabSheet3);
    main().MSavingsAmount->setText("100000");
    main().mperiod->setText("25");
    EXPECT_TRUE(main().mrepayment->text().isEmpty());
    main().minterest->setText("6");
    EXPECT_EQ(main().mrepayment->text(), "$645");
    main().reducedperiod->setText("15");
    EXPECT_EQ(main().reducedpayment->text(), "$844");
    EXPECT_EQ(main().textra->text(), "$199");
    EXPECT_EQ(main().tyears->text(), "15");
    EXPECT_TRUE(main().investtotal->text().isEmpty());
    main().investrate->setText("5");
    EXPECT_EQ(main().investtotal->text(), "$100,157");
    EXPECT_TRUE(platform.messages.empty());
    for (ResultPanel *panel : {main().mrepayment, main().reducedpayment, main().textra, main().tyears,
                               main().investtotal})
        EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(67, 213, 255));
}

TEST_F(Savings, LettersShowTheFieldsMessageAndEmptyTheResults)
{
    ShowTab();
    FillTab("100000", "25", "6", "15", "");
    Type(main().investrate, "5x");
    EXPECT_TRUE(platform.messages.empty()) << S(platform.LastMessage()); // told on leaving, not while typing
    for (ResultPanel *panel : Results())
        EXPECT_TRUE(panel->text().isEmpty());
    emit main().investrate->returnPressed();
    EXPECT_EQ(OnlyMessage().text, "This Investment rate(%) must be Numeric only");
    EXPECT_EQ(main().investrate->text(), "5x");
    platform.Clear();
    main().investrate->clear();
    emit main().investrate->returnPressed();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(main().mrepayment->text(), "$645");

    Type(main().mperiod, "0");
    emit main().mperiod->returnPressed();
    EXPECT_EQ(OnlyMessage().text, "You must enter a period greater than 0.");
    EXPECT_TRUE(main().mrepayment->text().isEmpty());
}

TEST_F(Savings, TypingOnTheWayToANumberPopsNothing)
{
    ShowTab();
    FillTab("100000", "25", "6", "15", "5");
    for (QLineEdit *field : {main().MSavingsAmount, main().mperiod, main().minterest, main().reducedperiod,
                             main().investrate}) {
        const QString kept = field->text();
        for (const char *typed : {"-5", ".5", "1e5"}) {
            Type(field, typed);
            EXPECT_EQ(field->text(), typed);
        }
        field->setText(kept);
    }
    // "1e" is not a number yet: nothing to show, nothing to say; "1e5" is 100000.
    Type(main().MSavingsAmount, "1e");
    for (ResultPanel *panel : Results())
        EXPECT_TRUE(panel->text().isEmpty());
    QTest::keyClick(main().MSavingsAmount, '5');
    EXPECT_EQ(main().mrepayment->text(), "$645");
    EXPECT_TRUE(platform.messages.empty()) << S(platform.MessageTexts().join(" | "));
}

namespace {

// A message box as the desktop shows one: it takes the focus from the window
// while open, and on closing gives it to another field.
class BoxTakesTheFocus : public ScriptedPlatform {
public:
    QWidget *window = nullptr;
    QWidget *focusAfter = nullptr;

    MessageResult ShowMessage(QWidget *parent, const QString &text, MessageKind kind, MessageButtons buttons) override
    {
        const MessageResult answer = ScriptedPlatform::ShowMessage(parent, text, kind, buttons);
        if (messages.size() > 3) // a loop would go on for ever
            return answer;
        QApplication::setActiveWindow(nullptr);
        QApplication::setActiveWindow(window);
        if (focusAfter)
            focusAfter->setFocus(Qt::OtherFocusReason);
        return answer;
    }
};

} // namespace

TEST_F(Savings, LeavingABadFieldTellsOnceAndTheFocusReturns)
{
    ShowTab();
    FillTab("100000", "25", "6", "15", "5");
    Type(main().MSavingsAmount, "abc");
    QTest::keyClick(main().MSavingsAmount, Qt::Key_Tab);
    EXPECT_EQ(OnlyMessage().text, "This Mortgage Amount must be Numeric only");
    EXPECT_EQ(QApplication::focusWidget(), main().MSavingsAmount);
    EXPECT_EQ(main().MSavingsAmount->text(), "abc");

    // Another bad field; the box's own comings and goings of the focus are not the
    // user leaving either field.
    Type(main().MSavingsAmount, "100000");
    Type(main().investrate, "x");
    main().MSavingsAmount->setText("abc");
    BoxTakesTheFocus boxes;
    boxes.window = &main();
    boxes.focusAfter = main().MSavingsAmount;
    SetPlatform(&boxes);
    main().MSavingsAmount->setFocus(Qt::MouseFocusReason);
    SetPlatform(&platform);
    ASSERT_EQ(boxes.messages.size(), 1u) << S(boxes.MessageTexts().join(" | "));
    EXPECT_EQ(boxes.messages[0].text, "This Investment rate(%) must be Numeric only");
    EXPECT_EQ(QApplication::focusWidget(), main().investrate);
}

TEST_F(Savings, AReducedPeriodNotShorterIsToldAndShowsNoNegativeFigure)
{
    ShowTab();
    FillTab("100000", "25", "6", "", "5");
    Type(main().reducedperiod, "30");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(main().mrepayment->text(), "$645");
    for (ResultPanel *panel : {main().reducedpayment, main().textra, main().tyears, main().investtotal})
        EXPECT_TRUE(panel->text().isEmpty()) << S(panel->objectName()) << " " << S(panel->text());
    QTest::keyClick(main().reducedperiod, Qt::Key_Tab);
    EXPECT_EQ(OnlyMessage().text, "The reduced period must be shorter than the period.");
    EXPECT_EQ(QApplication::focusWidget(), main().reducedperiod);

    // Shortening the period past the reduced one is the same fault, told on leaving the period.
    platform.Clear();
    main().reducedperiod->setText("15");
    EXPECT_EQ(main().textra->text(), "$199");
    Type(main().mperiod, "10");
    QTest::keyClick(main().mperiod, Qt::Key_Tab);
    EXPECT_EQ(OnlyMessage().text, "The reduced period must be shorter than the period.");
    EXPECT_EQ(QApplication::focusWidget(), main().mperiod);
    EXPECT_TRUE(main().textra->text().isEmpty());
}

TEST_F(Savings, AnAmountBeyondTheMortgageTabsRangeGetsItsMessage)
{
    TypeLoan("1000000000", "25", "6");
    main().CalMortBtn->click();
    const QString mortgageTab = OnlyMessage().text;
    EXPECT_EQ(mortgageTab, "You must enter a valid Mortgage amount between 0 and 999999999");
    platform.Clear();

    ShowTab();
    FillTab("", "25", "6", "15", "5");
    Type(main().MSavingsAmount, "1000000000");
    for (ResultPanel *panel : Results())
        EXPECT_TRUE(panel->text().isEmpty()) << S(panel->text());
    EXPECT_TRUE(platform.messages.empty());
    QTest::keyClick(main().MSavingsAmount, Qt::Key_Return);
    EXPECT_EQ(OnlyMessage().text, mortgageTab);
}

TEST_F(Savings, TransferBoxCopiesTheLoanWhenTheTabOpens)
{
    TypeLoan("100000", "25", "6");
    main().TrasferValuesCheckBox->setChecked(true);
    main().PageControl1->setCurrentWidget(main().TabSheet3);
    EXPECT_EQ(main().MSavingsAmount->text(), "100000");
    EXPECT_EQ(main().mperiod->text(), "25");
    EXPECT_EQ(main().minterest->text(), "6");
    EXPECT_EQ(main().mrepayment->text(), "$645");

    main().PageControl1->setCurrentWidget(main().TabSheet1);
    main().TrasferValuesCheckBox->setChecked(false);
    main().MAmount->setText("5");
    main().PageControl1->setCurrentWidget(main().TabSheet3);
    EXPECT_EQ(main().MSavingsAmount->text(), "100000");
}

TEST_F(Savings, PrintAsksForAPrinter)
{
    int printed = 0;
    main().SetReportHooks({{}, [&] { ++printed; }});
    main().BitBtn12->click();
    EXPECT_EQ(platform.printDialogs, 1);
    EXPECT_EQ(printed, 0);
    platform.printerAnswers.push_back(true);
    main().BitBtn12->click();
    EXPECT_EQ(printed, 1);
}

TEST_F(Savings, NoNonFiniteFigureReachesItsPanels)
{
    const QStringList texts{"", " ", "abc", "1e400", "-0", "0", "00", "1e300", "-1200", "99999999",
                            QString(3000, QChar('9'))};
    for (const QString &a : texts)
        for (const QString &p : texts) {
            main().MSavingsAmount->setText(a);
            main().mperiod->setText(p);
            main().minterest->setText("6");
            main().reducedperiod->setText(p);
            main().investrate->setText(a);
            for (ResultPanel *panel : {main().mrepayment, main().reducedpayment, main().textra,
                                       main().investtotal}) {
                EXPECT_FALSE(panel->text().contains("nan", Qt::CaseInsensitive)) << S(panel->text());
                EXPECT_FALSE(panel->text().contains("inf", Qt::CaseInsensitive)) << S(panel->text());
            }
        }
}

TEST_F(WhatIf, NoNonFiniteFigureReachesTheTab)
{
    const QStringList texts{"", " ", "abc", "1e400", "-0", "0", "0.000001", "100", "999999999",
                            "1e-300", QString(4000, QChar('9'))};
    QRadioButton *variables[] = {main().AmountRB, main().PeriodRB, main().InterestRB, main().PaymentRB};
    for (QRadioButton *variable : variables)
        for (QRadioButton *timing : {main().WIArrearsRB, main().WIAdvanceRB})
            for (const QString &a : texts)
                for (const QString &r : texts) {
                    variable->setChecked(true);
                    timing->setChecked(true);
                    for (QLineEdit *edit : {main().WIPrincipal, main().WIRepay, main().WIInterest})
                        if (!edit->isReadOnly())
                            edit->setText(edit == main().WIInterest ? r : a);
                    if (!main().WIPeriods->isReadOnly())
                        main().WIPeriods->setText("50");
                    main().SpeedButton4->click();
                    for (QLineEdit *edit : {main().WIPrincipal, main().WIPeriods, main().WIPartYear,
                                            main().WIInterest, main().WIRepay}) {
                        EXPECT_FALSE(edit->text().contains("nan", Qt::CaseInsensitive)) << S(edit->text());
                        EXPECT_FALSE(edit->text().contains("inf", Qt::CaseInsensitive)) << S(edit->text());
                    }
                }
}
