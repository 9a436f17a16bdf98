// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/common/FrequencyCases.h"
#include "tests/ui/UiFixture.h"

#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>

using MainWindow = UiTest;

TEST_F(MainWindow, StartsWithTitleTabsMenuAndToolbar)
{
    EXPECT_EQ(main().windowTitle(), kProgramTitle);
    EXPECT_EQ(main().centralWidget()->size(), QSize(525, 401));
    EXPECT_EQ(main().minimumSize(), main().maximumSize()); // fixed size
    EXPECT_FALSE(main().windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(main().windowFlags() & Qt::WindowMinimizeButtonHint);
    ASSERT_EQ(main().PageControl1->count(), 3);
    EXPECT_EQ(Keyboard::Plain(main().PageControl1->tabText(0)), "Mortgage");
    EXPECT_EQ(Keyboard::Plain(main().PageControl1->tabText(1)), "What If?");
    EXPECT_EQ(Keyboard::Plain(main().PageControl1->tabText(2)), "Mortgage Savings");
    EXPECT_TRUE(main().PageControl1->isTabVisible(2));
    EXPECT_EQ(main().PageControl1->currentWidget(), main().TabSheet1);
    EXPECT_TRUE(main().TrasferValuesCheckBox->isVisible());
    EXPECT_FALSE(main().TrasferValuesCheckBox->isChecked());
    EXPECT_EQ(main().MALabel->text(), "Quovella");
    EXPECT_EQ(main().HeadingLabel1->text(), "Quovella");
    EXPECT_EQ(main().HeadingLabel2->pos() - main().HeadingLabel1->pos(), QPoint(2, 3));
    EXPECT_EQ(main().HeadingLabel1->font().pixelSize(), 32);
    EXPECT_TRUE(main().HeadingLabel1->font().bold());
    EXPECT_TRUE(main().Header->HasPicture());

    EXPECT_EQ(main().BitBtn7->toolTip(), "View the Mortgage Grid");
    EXPECT_EQ(main().BitBtn5->toolTip(), "View the Mortgage Schedule");
    EXPECT_EQ(main().BitBtn11->toolTip(), "See the effect of additional payments on your Mortgage");
    EXPECT_EQ(main().BitBtn2->toolTip(), "View a  graph of your Mortgage");
    EXPECT_EQ(main().LoadBtn->toolTip(), "Load File");
    EXPECT_EQ(main().SaveBtn->toolTip(), "Save File under a new name (Ctrl+Shift+S)");
    EXPECT_EQ(Keyboard::Plain(main().ExitBtn->text()), "Quit");
    EXPECT_EQ(main().LoadFile1->text(), "&Open File");
    EXPECT_EQ(main().SaveFile1->text(), "&Save File");
    EXPECT_EQ(main().Exit1->text(), "&Exit");
    EXPECT_EQ(main().Contents1->text(), "&Contents");
    EXPECT_EQ(main().About1->text(), "&About");
    const auto menus = main().menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[1]->text(), "&Help");
}

TEST_F(MainWindow, MortgageTabControlsAsCreated)
{
    EXPECT_EQ(Look::TypingLimitOf(main().MAmount), 9);
    EXPECT_EQ(Look::TypingLimitOf(main().Period), 2);
    EXPECT_EQ(Look::TypingLimitOf(main().MPartyear), 3);
    EXPECT_EQ(Look::TypingLimitOf(main().IRate), 8);
    EXPECT_TRUE(main().MAmount->text().isEmpty());
    EXPECT_EQ(main().MPayment->currentText(), "Monthly");
    EXPECT_EQ(main().MCompounded->currentText(), "Monthly");
    EXPECT_EQ(main().MPayment->count(), 8);
    EXPECT_TRUE(main().MArrears->isChecked());
    EXPECT_EQ(main().Panel1->title(), "   Monthly Mortgage Payment is");
    EXPECT_EQ(main().Panel6->title(), "   Total Interest Charges are:");
    EXPECT_EQ(Keyboard::Plain(main().Label98->text()), "Month(s)");
    EXPECT_EQ(main().MonthlyRepayment->palette().color(QPalette::Window), QColor(67, 213, 255));
    EXPECT_EQ(main().TotalInterest->palette().color(QPalette::Window), QColor(67, 213, 255));
    EXPECT_EQ(Keyboard::Plain(main().CalMortBtn->text()), "Calculate");
    EXPECT_EQ(Keyboard::Plain(main().PrintMortBtn->text()), "Print");
    EXPECT_EQ(Keyboard::Plain(main().BitBtn8->text()), "Last Payment");
    EXPECT_EQ(Keyboard::Plain(main().MortgageGridBtn->text()), "Mortgage Grid");
    EXPECT_EQ(Keyboard::Plain(main().SpeedButton2->text()), "Schedule");
    EXPECT_EQ(Keyboard::Plain(main().SpeedButton3->text()), "Additional Payments");
}

TEST_F(MainWindow, CalculatesTheWorkedLoan)
{
    TypeLoan("100000", "25", "6");
    main().CalMortBtn->click();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(main().MonthlyRepayment->text(), "$644.31");
    EXPECT_EQ(main().TotalInterest->text(), "$93,287.04");

    main().MAdvance->setChecked(true);
    main().CalMortBtn->click();
    EXPECT_EQ(main().MonthlyRepayment->text(), "$641.10");
    EXPECT_EQ(main().TotalInterest->text(), "$92,327.17");
}

TEST_F(MainWindow, EnterInAnInputCalculates)
{
    TypeLoan("100000", "25", "6");
    emit main().IRate->returnPressed();
    EXPECT_EQ(main().MonthlyRepayment->text(), "$644.31");
}

TEST_F(MainWindow, ValidationMessagesStopAndEmptyTheResults)
{
    const QString amount = "You must enter a valid Mortgage amount between 0 and 999999999";
    const QString rate = "You must enter a valid interest rate between 0 and 100";
    const struct {
        const char *amount, *years, *part, *rate;
        QString message;
        MessageKind kind;
    } cases[] = {
        {"0", "25", "", "6", amount, MessageKind::Information},
        {"0.0009", "25", "", "6", amount, MessageKind::Information},
        {"abc", "25", "", "6", amount, MessageKind::Information},
        {"1e400", "25", "", "6", amount, MessageKind::Information},
        {"", "25", "", "6", amount, MessageKind::Information},
        {"100000", "25", "", "0", rate, MessageKind::Information},
        {"100000", "25", "", "100.5", rate, MessageKind::Information},
        {"100000", "25", "", "x", rate, MessageKind::Information},
        {"100000", "", "", "6", "You must enter a period ", MessageKind::Confirmation},
        {"100000", "0", "0", "6", "You must enter a period ", MessageKind::Confirmation},
        {"100000", "51", "", "6", "You must enter a period  between 0 and 50", MessageKind::Confirmation},
        {"100000", "x", "", "6", "You must enter a valid Year", MessageKind::Confirmation},
        {"100000", "1", "13", "6", "You must enter a Month between 0 and 12", MessageKind::Confirmation},
        {"100000", "1", "a", "6", "You must enter a valid Month", MessageKind::Confirmation},
    };
    for (const auto &c : cases) {
        main().MonthlyRepayment->setText("old");
        main().TotalInterest->setText("old");
        platform.Clear();
        TypeLoan(c.amount, c.years, c.rate, c.part);
        main().CalMortBtn->click();
        const RecordedMessage message = OnlyMessage();
        EXPECT_EQ(message.text, c.message) << c.amount << " " << c.years << " " << c.rate;
        EXPECT_EQ(message.kind, c.kind) << S(c.message);
        EXPECT_EQ(message.buttons, MessageButtons::Ok);
        EXPECT_TRUE(main().MonthlyRepayment->text().isEmpty());
        EXPECT_TRUE(main().TotalInterest->text().isEmpty());
        EXPECT_EQ(main().MAmount->text(), c.amount); // the fields keep what was typed
    }
}

TEST_F(MainWindow, RangeLimitsAreAccepted)
{
    // Only the note on the rounded repayment may appear; no input is refused.
    auto refused = [&] {
        for (const RecordedMessage &m : platform.messages)
            if (m.text.startsWith("You must"))
                return true;
        return false;
    };
    TypeLoan("0.001", "50", "100", "12");
    main().CalMortBtn->click();
    EXPECT_FALSE(refused()) << S(platform.LastMessage());
    EXPECT_FALSE(main().MonthlyRepayment->text().isEmpty());
    TypeLoan("999999999", "50", "0.000001", "12");
    main().CalMortBtn->click();
    EXPECT_FALSE(refused()) << S(platform.LastMessage());
    EXPECT_FALSE(main().TotalInterest->text().isEmpty());
}

TEST_F(MainWindow, RoundedRepaymentThatShortensTheLoanIsReported)
{
    ChoosePayment("Daily");
    main().MCompounded->setCurrentText("Daily");
    TypeLoan("1000", "50", "1");
    main().CalMortBtn->click();
    const RecordedMessage message = OnlyMessage();
    EXPECT_TRUE(message.text.startsWith(
        "It is impossible to pay off this Mortgage in the specified time if the Mortgage payment is "
        "rounded to 2 decimal places. If it is rounded it will be paid off in "));
    EXPECT_TRUE(message.text.endsWith(" payments."));
    EXPECT_EQ(main().MonthlyRepayment->text(), "$0.07");
    Loan loan = LoanOfTexts(main().CurrentLoanTexts());
    EXPECT_EQ(main().TotalInterest->text(), MoneyText(RunAmortisation(loan).InterestTotal));
}

TEST_F(MainWindow, BalloonLastPaymentIsReportedAndItsInterestWalked)
{
    ChoosePayment("Weekly");
    main().MCompounded->setCurrentText("Weekly");
    TypeLoan("250000", "50", "30");
    main().CalMortBtn->click();
    const RecordedMessage message = OnlyMessage();
    EXPECT_EQ(message.text, "The repayment of $1,442.31, rounded to 2 decimal places, does not pay off "
                            "this Mortgage evenly: your last payment will be $251,442.31.");
    EXPECT_EQ(message.kind, MessageKind::Information);
    EXPECT_EQ(main().MonthlyRepayment->text(), "$1,442.31");
    EXPECT_EQ(main().TotalInterest->text(), "$3,750,006.00");
}

TEST_F(MainWindow, PrintAsksForAPrinterOnlyAfterAGoodCalculation)
{
    int printed = 0;
    main().SetReportHooks({[&] { ++printed; }, {}});
    TypeLoan("abc", "25", "6");
    main().PrintMortBtn->click();
    EXPECT_EQ(platform.printDialogs, 0);
    TypeLoan("100000", "25", "6");
    main().PrintMortBtn->click();
    EXPECT_EQ(platform.printDialogs, 1);
    EXPECT_EQ(printed, 0); // cancelled
    EXPECT_EQ(main().MonthlyRepayment->text(), "$644.31");
    platform.printerAnswers.push_back(true);
    main().PrintMortBtn->click();
    EXPECT_EQ(printed, 1);
    main().CalMortBtn->click();
    EXPECT_EQ(platform.printDialogs, 2);
}

TEST_F(MainWindow, PaymentFrequencyRelabelsWithoutRecalculating)
{
    TypeLoan("100000", "25", "6", "3");
    main().CalMortBtn->click();
    const QString shown = main().MonthlyRepayment->text();
    ChoosePayment("Annualy");
    EXPECT_TRUE(main().MPartyear->isHidden());
    EXPECT_TRUE(main().Label98->isHidden());
    EXPECT_TRUE(main().MPartyear->text().isEmpty());
    EXPECT_FALSE(windows().schedule->Partyear->isVisibleTo(windows().schedule));
    EXPECT_FALSE(windows().schedule->Label11->isVisibleTo(windows().schedule));
    EXPECT_EQ(main().Panel1->title(), "   Annual Mortgage Payment is");
    EXPECT_FALSE(shown.isEmpty());
    EXPECT_TRUE(main().MonthlyRepayment->text().isEmpty()); // the monthly figure is not the annual one

    ChoosePayment("Weekly");
    EXPECT_FALSE(main().MPartyear->isHidden());
    EXPECT_EQ(main().PartYearCaption(), "Week(s)");
    EXPECT_EQ(main().Panel1->title(), "   Weekly Mortgage Payment is");
    EXPECT_TRUE(windows().schedule->Partyear->isVisibleTo(windows().schedule));
}

class MainWindowCaptions : public MainWindow, public testing::WithParamInterface<int> {};

TEST_P(MainWindowCaptions, FollowThePaymentFrequency)
{
    const char *captions[] = {"", "Half-Year(s)", "Quarter(s)", "Month(s)", "Half-Month(s)",
                              "Fortnight(s)", "Week(s)", "Day(s)"};
    const char *sentences[] = {"   Annual Mortgage Payment is", "   Bi-Annual Mortgage Payment is",
                               "   Quarterly Mortgage Payment is", "   Monthly Mortgage Payment is",
                               "   Bi-Monthly Mortgage Payment is", "   Fortnightly Mortgage Payment is",
                               "   Weekly Mortgage Payment is", "   Daily Mortgage Payment is"};
    const int k = GetParam();
    ChoosePayment(FrequencyTexts()[k]);
    // Yearly payments hide the part-year and its caption; the caption keeps its text.
    if (k != 0) {
        EXPECT_EQ(main().PartYearCaption(), captions[k]);
    }
    EXPECT_EQ(main().Panel1->title(), sentences[k]);
}

INSTANTIATE_TEST_SUITE_P(EveryFrequency, MainWindowCaptions, EveryFrequency(), FrequencyNamed());

TEST_F(MainWindow, EveryLoanInputChangeEmptiesTheResults)
{
    const std::pair<const char *, std::function<void()>> changes[] = {
        {"MAmount", [&] { main().MAmount->setText("200000"); }},
        {"Period", [&] { main().Period->setText("20"); }},
        {"MPartyear", [&] { main().MPartyear->setText("3"); }},
        {"IRate", [&] { main().IRate->setText("7"); }},
        {"MPayment", [&] { ChoosePayment("Weekly"); }},
        {"MCompounded", [&] {
             main().MCompounded->setCurrentText("Daily");
             emit main().MCompounded->activated(main().MCompounded->currentIndex());
         }},
        {"MAdvance", [&] { main().MAdvance->setChecked(true); }},
        {"MArrears", [&] { main().MArrears->setChecked(true); }},
    };
    for (const auto &[name, change] : changes) {
        TypeLoan("100000", "25", "6");
        main().CalMortBtn->click();
        ASSERT_FALSE(main().MonthlyRepayment->text().isEmpty()) << name;
        ASSERT_FALSE(main().TotalInterest->text().isEmpty()) << name;
        change();
        EXPECT_TRUE(main().MonthlyRepayment->text().isEmpty()) << name;
        EXPECT_TRUE(main().TotalInterest->text().isEmpty()) << name;
    }
    // The weekly sentence never stands above the monthly figure; Calculate fills it again.
    EXPECT_EQ(main().Panel1->title(), "   Weekly Mortgage Payment is");
    main().CalMortBtn->click();
    EXPECT_FALSE(main().MonthlyRepayment->text().isEmpty());
    EXPECT_TRUE(platform.messages.empty()) << S(platform.LastMessage());
}

TEST_F(MainWindow, TabRulesForToolbarAndTransferBox)
{
    main().PageControl1->setCurrentWidget(main().TabSheet2);
    for (QToolButton *b : {main().BitBtn7, main().BitBtn5, main().BitBtn11, main().BitBtn2})
        EXPECT_FALSE(b->isEnabled());
    EXPECT_FALSE(main().TrasferValuesCheckBox->isVisible());
    main().PageControl1->setCurrentWidget(main().TabSheet3);
    EXPECT_FALSE(main().BitBtn7->isEnabled());
    main().PageControl1->setCurrentWidget(main().TabSheet1);
    for (QToolButton *b : {main().BitBtn7, main().BitBtn5, main().BitBtn11, main().BitBtn2})
        EXPECT_TRUE(b->isEnabled());
    EXPECT_TRUE(main().TrasferValuesCheckBox->isVisible());
}

TEST_F(MainWindow, ClosingAfterStartUpAsksToSave)
{
    EXPECT_FALSE(main().SavedFlag()); // the set-up relabels the payment frequency
    platform.messageAnswers.push_back(MessageResult::Cancel);
    EXPECT_FALSE(main().close());
    EXPECT_TRUE(main().isVisible());
    const RecordedMessage question = OnlyMessage();
    EXPECT_EQ(question.text, "Do you want to save your file first?");
    EXPECT_EQ(question.kind, MessageKind::Information);
    EXPECT_EQ(question.buttons, MessageButtons::YesNoCancel);
    EXPECT_FALSE(platform.settings.values.contains("CurrentFile"));

    platform.messageAnswers.push_back(MessageResult::No);
    bool closed = false;
    QObject::connect(&main(), &TMORTLOAN::closed, [&] { closed = true; });
    EXPECT_TRUE(main().close());
    EXPECT_TRUE(closed);
    // A first run stores an empty current file.
    ASSERT_TRUE(platform.settings.values.contains("CurrentFile"));
    EXPECT_EQ(platform.settings.values.value("CurrentFile"), "");
}

TEST_F(MainWindow, AnyInputChangeClearsTheSavedFlag)
{
    auto changed = [&](const std::function<void()> &change) {
        main().SetSavedFlag(true);
        change();
        return !main().SavedFlag();
    };
    EXPECT_TRUE(changed([&] { main().MAmount->setText("1"); }));
    EXPECT_TRUE(changed([&] { main().Period->setText("2"); }));
    EXPECT_TRUE(changed([&] { main().IRate->setText("3"); }));
    EXPECT_TRUE(changed([&] { main().MPartyear->setText("4"); }));
    EXPECT_TRUE(changed([&] { main().MAdvance->setChecked(true); }));
    EXPECT_TRUE(changed([&] { emit main().MCompounded->activated(2); }));
    EXPECT_TRUE(changed([&] { main().mperiod->setText("5"); }));
}

// Each of the saved file's 23 lines, changed alone, makes closing ask first.
TEST_F(MainWindow, EverySavedInputMakesClosingAsk)
{
    TMORTLOAN &m = main();
    const std::vector<std::pair<const char *, std::function<void()>>> inputs = {
        {"amount", [&] { m.MAmount->setText("1"); }},
        {"years", [&] { m.Period->setText("2"); }},
        {"part year", [&] { m.MPartyear->setText("3"); }},
        {"rate", [&] { m.IRate->setText("4"); }},
        {"payment", [&] { m.MPayment->setCurrentIndex(1); emit m.MPayment->activated(1); }},
        {"compounding", [&] { m.MCompounded->setCurrentIndex(1); emit m.MCompounded->activated(1); }},
        {"in arrears", [&] { m.MAdvance->setChecked(true); m.MArrears->setChecked(true); }},
        {"in advance", [&] { m.MAdvance->setChecked(true); }},
        {"savings amount", [&] { m.MSavingsAmount->setText("5"); }},
        {"savings period", [&] { m.mperiod->setText("6"); }},
        {"savings rate", [&] { m.minterest->setText("7"); }},
        {"reduced period", [&] { m.reducedperiod->setText("8"); }},
        {"investment rate", [&] { m.investrate->setText("9"); }},
        {"transfer", [&] { m.TrasferValuesCheckBox->setChecked(!m.TrasferValuesCheckBox->isChecked()); }},
        {"what if amount", [&] { m.WIPrincipal->setText("10"); }},
        {"what if periods", [&] { m.WIPeriods->setText("11"); }},
        {"what if part year", [&] { m.WIPartYear->setText("12"); }},
        {"what if rate", [&] { m.WIInterest->setText("13"); }},
        {"what if repayment", [&] { m.WIRepay->setText("14"); }},
        {"what if variable", [&] { m.PaymentRB->setChecked(true); }},
        {"what if payment", [&] { m.WIPayment->setCurrentIndex(m.WIPayment->currentIndex() == 6 ? 5 : 6); }},
        {"what if timing", [&] { (m.WIArrearsRB->isChecked() ? m.WIAdvanceRB : m.WIArrearsRB)->setChecked(true); }},
        {"what if compounding", [&] { m.WICompounded->setCurrentIndex(m.WICompounded->currentIndex() == 6 ? 5 : 6); }},
    };
    ASSERT_EQ(inputs.size(), 23u);
    for (const auto &[name, change] : inputs) {
        m.SetSavedFlag(true);
        change();
        platform.Clear();
        platform.messageAnswers = {MessageResult::Cancel};
        EXPECT_FALSE(m.close()) << name << ": cancelled, the window stays";
        EXPECT_EQ(platform.MessageTexts(), QStringList{"Do you want to save your file first?"}) << name;
    }
}

TEST_F(MainWindow, LastPaymentMessage)
{
    TypeLoan("100000", "25", "6");
    main().BitBtn8->click();
    RecordedMessage message = OnlyMessage();
    EXPECT_EQ(message.text, "You will make 300 payments of $644.31 and your last payment will be $638.46");
    EXPECT_EQ(message.kind, MessageKind::Confirmation);
    EXPECT_TRUE(main().MonthlyRepayment->text().isEmpty()); // the panels are not touched

    platform.Clear();
    main().MAdvance->setChecked(true);
    main().BitBtn8->click();
    EXPECT_EQ(OnlyMessage().text, "You will make 300 payments of $641.10 and your last payment will be $638.23");

    platform.Clear();
    TypeLoan("6000", "", "6", "6");
    main().MArrears->setChecked(true);
    main().BitBtn8->click();
    EXPECT_TRUE(OnlyMessage().text.startsWith("You will make 6 payments of "));

    platform.Clear();
    TypeLoan("1200", "1", "0");
    main().BitBtn8->click();
    EXPECT_EQ(OnlyMessage().text, "You will make 12 payments of $100.00 and your last payment will be $100.00");

    platform.Clear();
    TypeLoan("-1", "1", "5");
    main().BitBtn8->click();
    EXPECT_EQ(OnlyMessage().text, "You must enter a valid Mortgage amount between 0 and 999999999");
    platform.Clear();
    TypeLoan("1", "1", "-5");
    main().BitBtn8->click();
    EXPECT_EQ(OnlyMessage().text, "You must enter a valid interest rate between 0 and 100");
}

TEST_F(MainWindow, LastPaymentCountsTheShortenedRun)
{
    ChoosePayment("Daily");
    main().MCompounded->setCurrentText("Daily");
    TypeLoan("1000", "50", "1");
    main().BitBtn8->click();
    const QString text = OnlyMessage().text;
    ASSERT_TRUE(text.startsWith("You will make "));
    const int count = text.section(' ', 3, 3).toInt();
    EXPECT_GT(count, 0);
    EXPECT_LT(count, 18250);
    EXPECT_TRUE(text.contains(" payments of $0.07 and your last payment will be "));
}

TEST_F(MainWindow, HelpAndAbout)
{
    main().HelpBtn->click();
    main().BitBtn1->click();
    main().BitBtn14->click();
    main().Contents1->trigger();
    EXPECT_EQ(platform.helpTopics, (std::vector<int>{0, 2, 8, 0}));
    // Its picture and OK button are made when it is first shown, and are there then.
    EXPECT_EQ(windows().about->findChild<QPushButton *>("OKButton"), nullptr);
    main().About1->trigger();
    EXPECT_TRUE(windows().about->isVisible());
    const auto *ok = windows().about->findChild<QPushButton *>("OKButton");
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isVisible());
    const QList<QLabel *> labels = windows().about->findChildren<QLabel *>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                            [](const QLabel *label) { return label->pixmap().size() == QSize(64, 64); }));
    EXPECT_FALSE(windows().about->isModal());
    EXPECT_EQ(windows().about->HeadingLabel->text(), "Quovella");
    EXPECT_EQ(windows().about->VersionLabel->text(), "Version " + QLatin1String(Quovella::kVersion));
    const auto *licence = windows().about->findChild<QLabel *>("LicenceLabel");
    ASSERT_NE(licence, nullptr);
    EXPECT_TRUE(licence->text().contains("GNU General Public License, version 3 or later"));
    // The window has a fixed size: its lines must fit in it, not be clipped.
    const QWidget *about = windows().about;
    EXPECT_LE(about->layout()->totalHeightForWidth(about->width()), about->height());
    EXPECT_TRUE(platform.modalWindows.isEmpty());
    windows().about->hide();
}

TEST_F(MainWindow, NothingNonFiniteReachesAField)
{
    const QString huge(5000, QChar('9'));
    const QStringList texts{"", " ", "abc", "1e400", "-0", "nan", "inf", "1e-400", "0x10", huge,
                            "999999999", "0.001", "100", "50", "365"};
    for (const QString &frequency : {QString("Monthly"), QString("Daily"), QString("Annualy")}) {
        ChoosePayment(frequency);
        main().MCompounded->setCurrentText(frequency);
        for (const QString &a : texts)
            for (const QString &r : {QString("6"), QString("100"), QString("abc"), QString("0.000001")})
                for (const QString &y : {QString("50"), QString("1"), QString("")}) {
                    main().MAmount->setText(a);
                    main().IRate->setText(r);
                    main().Period->setText(y);
                    main().MPartyear->setText(frequency == "Annualy" ? "" : "365");
                    main().CalMortBtn->click();
                    for (const QString &shown : {main().MonthlyRepayment->text(), main().TotalInterest->text()}) {
                        EXPECT_FALSE(shown.contains("nan", Qt::CaseInsensitive)) << S(shown);
                        EXPECT_FALSE(shown.contains("inf", Qt::CaseInsensitive)) << S(shown);
                    }
                }
    }
}
