// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/common/TestFiles.h"
#include "tests/ui/UiFixture.h"

#include "storage/SavingLoading.h"

#include "ui/windows/PaymentPlanUnit.h"
#include "ui/windows/WindowKit.h"

#include <QAction>
#include <QClipboard>
#include <QDateEdit>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

PaymentPlan ExtraFromTheStart(double extra)
{
    PaymentPlan plan;
    plan.events.push_back(PlanEvent{PlanEventKind::Extra, extra, 1, 0, false});
    return plan;
}

} // namespace

class PlanOfTheLoan : public UiTest {
protected:
    QString Path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(PlanOfTheLoan, SettingAPlanMarksTheFileChangedAndNewOrAPlanlessFileEmptiesIt)
{
    TypeLoan("100000", "25", "6");
    main().SetSavedFlag(true);
    main().SetPlan(main().Plan());
    EXPECT_TRUE(main().SavedFlag()) << "the same plan again is no change";
    main().SetPlan(ExtraFromTheStart(100));
    EXPECT_FALSE(main().SavedFlag());
    EXPECT_EQ(main().Plan(), ExtraFromTheStart(100));

    // A file without a plan is the loan alone: it stays 23 lines and loads no plan.
    main().SetPlan(PaymentPlan());
    platform.saveAnswers.push_back(Path("plain.QVL"));
    main().SaveBtn->click();
    EXPECT_EQ(FileBytes(Path("plain.QVL")).count("\r\n"), 23);
    main().SetPlan(ExtraFromTheStart(50));
    platform.messageAnswers.push_back(MessageResult::No);
    platform.openAnswers.push_back(Path("plain.QVL"));
    main().LoadBtn->click();
    EXPECT_EQ(main().Plan(), PaymentPlan());

    main().SetPlan(ExtraFromTheStart(50));
    platform.messageAnswers.push_back(MessageResult::No);
    main().NewFile->trigger();
    EXPECT_EQ(main().Plan(), PaymentPlan());
    EXPECT_TRUE(main().SavedFlag());
}

TEST_F(PlanOfTheLoan, AFileThatCannotBeLoadedLeavesThePlanAsItWas)
{
    main().SetPlan(ExtraFromTheStart(75));
    SetFileBytes(Path("bad.QVL"), "100000\r\nabc\r\n");
    platform.messageAnswers.push_back(MessageResult::No);
    platform.openAnswers.push_back(Path("bad.QVL"));
    main().LoadBtn->click();
    EXPECT_EQ(main().Plan(), ExtraFromTheStart(75));
    EXPECT_FALSE(main().SavedFlag());
}

// The Payment Plan window over the worked loan: 100000 at 6 % monthly for 25 years.
class PlanWindow : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        TypeLoan("100000", "25", "6");
    }

    TPaymentPlan *plan() { return windows().plan; }

    // Opens the window from the toolbar and runs `inside` while it is shown.
    void OpenPlan(const std::function<void(TPaymentPlan *)> &inside)
    {
        platform.modalActions.insert("PaymentPlan", [&](QDialog *) { Settle(); inside(plan()); });
        main().PaymentPlanBtn->click();
    }

    // The event dialog, filled by `fill`, then OK pressed; the messages it gave.
    QStringList AnswerEventDialog(QPushButton *opener, const std::function<void(TPlanEventDialog *)> &fill)
    {
        const std::size_t before = platform.messages.size();
        platform.modalActions.insert("PlanEventDialog", [&](QDialog *) {
            fill(plan()->EventDialog());
            plan()->EventDialog()->OkBtn->click();
        });
        opener->click();
        QStringList said;
        for (std::size_t m = before; m < platform.messages.size(); ++m)
            said << platform.messages[m].text;
        return said;
    }

    static QString Cell(QTableWidget *table, int row, int column)
    {
        const QTableWidgetItem *item = table->item(row, column);
        return item ? item->text() : QString();
    }

    QTemporaryDir dir;
};

TEST_F(PlanWindow, OpensFromTheToolbarTheFileMenuAndTheScheduleOverTheMortgageTabsLoan)
{
    main().PaymentPlanBtn->click();
    main().PaymentPlan1->trigger();
    OpenSchedule([&](TMSCHEDULE *schedule) { schedule->PlanBtn->click(); });
    EXPECT_EQ(platform.modalWindows.count("PaymentPlan"), 3);
    EXPECT_TRUE(platform.messages.empty()) << S(platform.MessageTexts().join(" | "));
    EXPECT_TRUE(plan()->LoanText->text().startsWith("$100,000.00 at 6 % a year over 25 years"))
        << S(plan()->LoanText->text());
    EXPECT_TRUE(plan()->LoanText->text().contains("$644.31")) << S(plan()->LoanText->text());
    // An empty plan is the loan alone: the schedule's figures (its interest summed
    // from cents, as the schedule's own note says), nothing saved.
    EXPECT_EQ(plan()->PaymentsMade->text(), "300");
    EXPECT_EQ(plan()->InterestWith->text(), "$93,287.15");
    EXPECT_EQ(plan()->InterestWithout->text(), "$93,287.04");
    EXPECT_EQ(plan()->InterestSaved->text(), "$0.00");
    EXPECT_EQ(plan()->PaidOff->text(), "25 years");

    plan()->HelpBtn->click();
    EXPECT_EQ(platform.helpTopics.back(), 9);
}

TEST_F(PlanWindow, ALoanThatFailsItsChecksShowsItsMessageAndNothingElse)
{
    main().SetPlan(ExtraFromTheStart(100));
    TypeLoan("", "25", "6");
    OpenPlan([&](TPaymentPlan *window) {
        EXPECT_FALSE(window->PlanBody->isVisible());
        EXPECT_FALSE(window->LoanText->text().isEmpty());
        EXPECT_EQ(window->Model()->rowCount(), 0);
    });
    EXPECT_TRUE(platform.messages.empty()) << "told in the window, not in a box";
    EXPECT_EQ(main().Plan(), ExtraFromTheStart(100)) << "the plan waits for a loan";
}

TEST_F(PlanWindow, TheWorkedLoanWithAnExtraHundredSavesWhatTheSpecificWindowSays)
{
    main().SetPlan(ExtraFromTheStart(100));
    OpenPlan([](TPaymentPlan *window) {
        EXPECT_EQ(window->PaymentsMade->text(), "224");
        EXPECT_EQ(window->InterestWith->text(), "$66,249.82");
        EXPECT_EQ(window->InterestWithout->text(), "$93,287.04");
        EXPECT_EQ(window->InterestSaved->text(), "$27,037.22");
        EXPECT_EQ(window->PaidOff->text(), "18 years and 8 months");
        EXPECT_EQ(window->TotalPaid->text(), "$166,249.82");
        EXPECT_EQ(window->RepaymentAtEnd->text(), "$644.31");
        // By year: 18 whole years and the 8 months of the last.
        EXPECT_EQ(window->Model()->rowCount(), 19);
        EXPECT_EQ(window->Model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Year");
        EXPECT_EQ(window->Model()->CellText(0, 18), "19");
        EXPECT_EQ(window->Model()->CellText(6, 18), "$0.00");
        window->ByPayment->click();
        EXPECT_EQ(window->Model()->rowCount(), 224);
        EXPECT_EQ(window->Model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Payment");
        EXPECT_EQ(window->Model()->CellText(2, 0), "$744.31");
        EXPECT_EQ(window->Model()->CellText(3, 0), "$100.00");
        EXPECT_EQ(window->Model()->CellText(4, 0), "$500.00");
        EXPECT_TRUE(window->Model()->CellText(1, 0).isEmpty()) << "no dates without a first payment";
    });
}

TEST_F(PlanWindow, TheSpecificWindowAddsItsExtraFromItsStartPaymentAndOpensThePlan)
{
    windows().options->Specific->setChecked(true);
    platform.modalActions.insert("APOPTIONS", [&](QDialog *) { windows().options->BitBtn2->click(); });
    platform.modalActions.insert("ADDMONTHLYR", [&](QDialog *) {
        TADDMONTHLYR *specific = windows().specific;
        EXPECT_FALSE(specific->PlanBtn->isEnabled()) << "nothing worked out yet";
        specific->AdditionalMR->setText("100");
        specific->RadioButton2->setChecked(true);
        specific->Year->setText("3");
        specific->StartMonth->setText("2");
        specific->BitBtn1->click();
        ASSERT_TRUE(specific->PlanBtn->isEnabled());
        specific->PlanBtn->click();
    });
    main().SpeedButton3->click();
    ASSERT_EQ(main().Plan().events.size(), 1u);
    EXPECT_EQ(main().Plan().events[0], (PlanEvent{PlanEventKind::Extra, 100, 26, 0, false}));
    EXPECT_TRUE(platform.modalWindows.contains("PaymentPlan"));
    EXPECT_FALSE(main().SavedFlag());
    EXPECT_EQ(Cell(plan()->PlanEvents, 0, 2), "Payment 26");
}

TEST_F(PlanWindow, EventsAreAddedEditedAndRemovedAndTheFiguresFollow)
{
    OpenPlan([&](TPaymentPlan *window) {
        EXPECT_FALSE(window->EditBtn->isEnabled());
        EXPECT_TRUE(AnswerEventDialog(window->AddBtn, [](TPlanEventDialog *d) {
                        d->EventValue->setText("100");
                        d->EventFrom->setText("1");
                    }).isEmpty());
        EXPECT_EQ(window->InterestSaved->text(), "$27,037.22");
        // A lump sum at payment 61 given as year 6, period 1, lowering the repayment.
        EXPECT_TRUE(AnswerEventDialog(window->AddBtn, [](TPlanEventDialog *d) {
                        d->EventKind->setCurrentIndex(1);
                        d->EventValue->setText("10000");
                        d->EventBy->setCurrentIndex(1);
                        d->EventFromYear->setText("6");
                        d->EventFromPeriod->setText("1");
                        d->EventLower->setChecked(true);
                    }).isEmpty());
        ASSERT_EQ(window->PlanEvents->rowCount(), 2);
        EXPECT_EQ(Cell(window->PlanEvents, 1, 0), "Lump sum");
        EXPECT_EQ(Cell(window->PlanEvents, 1, 1), "$10,000.00");
        EXPECT_EQ(Cell(window->PlanEvents, 1, 2), "Payment 61");
        EXPECT_EQ(Cell(window->PlanEvents, 1, 3), "Lower the repayment");
        EXPECT_EQ(main().Plan().events[1], (PlanEvent{PlanEventKind::LumpSum, 10000, 61, 0, true}));
        const QString withBoth = window->InterestWith->text();
        EXPECT_NE(window->RepaymentAtEnd->text(), "$644.31") << "the repayment was lowered";

        // Editing the first: the dialog opens on it, and only it changes.
        window->PlanEvents->selectRow(0);
        EXPECT_TRUE(window->EditBtn->isEnabled());
        EXPECT_TRUE(AnswerEventDialog(window->EditBtn, [](TPlanEventDialog *d) {
                        EXPECT_EQ(d->EventValue->text(), "100");
                        EXPECT_EQ(d->EventBy->currentIndex(), 1) << "the way chosen last";
                        EXPECT_EQ(d->EventFromYear->text(), "1");
                        d->EventBy->setCurrentIndex(0);
                        EXPECT_EQ(d->EventFrom->text(), "1");
                        d->EventValue->setText("200");
                        d->EventTo->setText("120");
                    }).isEmpty());
        EXPECT_EQ(main().Plan().events[0], (PlanEvent{PlanEventKind::Extra, 200, 1, 120, false}));
        EXPECT_EQ(Cell(window->PlanEvents, 0, 3), "Payment 120");
        EXPECT_NE(window->InterestWith->text(), withBoth);

        // Cancelled: nothing changes.
        platform.modalActions.insert("PlanEventDialog", [](QDialog *d) {
            static_cast<TPlanEventDialog *>(d)->EventValue->setText("999");
            static_cast<TPlanEventDialog *>(d)->CancelBtn->click();
        });
        window->EditBtn->click();
        EXPECT_EQ(main().Plan().events[0].value, 200);

        window->PlanEvents->selectRow(0);
        window->RemoveBtn->click();
        ASSERT_EQ(main().Plan().events.size(), 1u);
        EXPECT_EQ(main().Plan().events[0].kind, PlanEventKind::LumpSum);
        window->PlanEvents->selectRow(0);
        window->RemoveBtn->click();
        EXPECT_TRUE(main().Plan().events.empty());
        EXPECT_EQ(window->InterestSaved->text(), "$0.00");
        EXPECT_EQ(window->PaymentsMade->text(), "300");
    });
}

TEST_F(PlanWindow, AFaultyEventIsToldByNameTheFocusGoesBackAndNothingIsLost)
{
    OpenPlan([&](TPaymentPlan *window) {
        TPlanEventDialog *dialog = window->EventDialog();
        platform.modalActions.insert("PlanEventDialog", [&](QDialog *) {
            dialog->EventValue->setText("abc");
            dialog->EventFrom->setText("1");
            dialog->OkBtn->click();
            EXPECT_EQ(platform.LastMessage(), "Event 1 (extra payment): 'abc' is not a number.");
            EXPECT_EQ(dialog->focusWidget(), dialog->EventValue);
            EXPECT_EQ(dialog->result(), QDialog::Rejected) << "still open";

            dialog->EventValue->setText("0");
            dialog->OkBtn->click();
            EXPECT_EQ(platform.LastMessage(),
                      "Event 1 (extra payment): the extra payment must be more than 0 and at most 999,999,999.");

            dialog->EventValue->setText("50");
            dialog->EventFrom->setText("301");
            dialog->OkBtn->click();
            EXPECT_EQ(platform.LastMessage(), "Event 1 (extra payment): the payment must be between 1 and 300.");
            EXPECT_EQ(dialog->focusWidget(), dialog->EventFrom);
            EXPECT_EQ(dialog->EventFrom->text(), "301") << "what was typed stays to be mended";

            dialog->EventFrom->setText("10");
            dialog->EventTo->setText("5");
            dialog->OkBtn->click();
            EXPECT_EQ(platform.LastMessage(),
                      "Event 1 (extra payment): the last payment must be between the first payment (10) and 300.");
            EXPECT_EQ(dialog->focusWidget(), dialog->EventTo);

            dialog->EventKind->setCurrentIndex(2);
            dialog->EventValue->setText("101");
            dialog->OkBtn->click();
            EXPECT_EQ(platform.LastMessage(),
                      "Event 1 (rate change): the new rate must be more than 0 % and at most 100 %.");

            dialog->EventValue->setText("7");
            dialog->EventBy->setCurrentIndex(1);
            dialog->EventFromYear->setText("6");
            dialog->EventFromPeriod->setText("13");
            dialog->OkBtn->click();
            EXPECT_EQ(platform.LastMessage(), "Event 1 (rate change): the payment must be between 1 and 300.");
            EXPECT_EQ(dialog->focusWidget(), dialog->EventFromPeriod);
        });
        window->AddBtn->click();
        EXPECT_EQ(platform.messages.size(), 6u);
        EXPECT_TRUE(main().Plan().events.empty());
        EXPECT_EQ(window->PlanEvents->rowCount(), 0);
    });
}

TEST_F(PlanWindow, APlanLongerThanTheLoanIsKeptAndToldUntilMended)
{
    PaymentPlan longer;
    longer.events.push_back(PlanEvent{PlanEventKind::LumpSum, 5000, 250, 0, false});
    main().SetPlan(longer);
    TypeLoan("100000", "20", "6");
    OpenPlan([&](TPaymentPlan *window) {
        EXPECT_TRUE(window->PlanProblem->isVisible());
        EXPECT_TRUE(window->PlanProblem->text().startsWith(
            "Event 1 (lump sum): the payment must be between 1 and 240."))
            << S(window->PlanProblem->text());
        EXPECT_TRUE(window->InterestWith->text().isEmpty());
        EXPECT_EQ(window->PlanEvents->rowCount(), 1);
    });
    EXPECT_EQ(main().Plan(), longer);
}

TEST_F(PlanWindow, AFirstPaymentDateDatesEveryPaymentAndEventsMayBeChosenByDate)
{
    OpenPlan([&](TPaymentPlan *window) {
        window->FirstPaymentDate->setDate(QDate(2027, 1, 31));
        window->FirstPaymentOn->click();
        EXPECT_EQ(main().Plan().firstPayment, QDate(2027, 1, 31));
        EXPECT_FALSE(main().SavedFlag());
        EXPECT_EQ(window->PaidOff->text(), "12/31/51 (25 years)");
        // An extra from the first payment on or after 1 March 2028: payment 15, 31 March.
        EXPECT_TRUE(AnswerEventDialog(window->AddBtn, [](TPlanEventDialog *d) {
                        d->EventValue->setText("100");
                        d->EventBy->setCurrentIndex(2);
                        d->EventFromDate->setDate(QDate(2028, 3, 1));
                    }).isEmpty());
        ASSERT_EQ(main().Plan().events.size(), 1u);
        EXPECT_EQ(main().Plan().events[0].from, 15);
        EXPECT_EQ(Cell(window->PlanEvents, 0, 2), "Payment 15 (3/31/28)");
        window->ByPayment->click();
        EXPECT_EQ(window->Model()->CellText(1, 0), "1/31/27");
        EXPECT_EQ(window->Model()->CellText(1, 1), "2/28/27");
        EXPECT_EQ(window->Model()->CellText(3, 14), "$100.00");

        window->FirstPaymentOn->click();
        EXPECT_FALSE(main().Plan().firstPayment.isValid());
        EXPECT_TRUE(window->Model()->CellText(1, 0).isEmpty());
    });
}

TEST_F(PlanWindow, TheScheduleCopiesExportsAndPrintsAsTheOtherTables)
{
    main().SetPlan(ExtraFromTheStart(100));
    const QString path = dir.filePath("plan.csv");
    OpenPlan([&](TPaymentPlan *window) {
        window->ByPayment->click();
        platform.saveAnswers.push_back(path);
        window->findChild<QPushButton *>("ExportBtn")->click();
        EXPECT_EQ(QFileInfo(platform.saveDialogs.back().fileName).fileName(),
                  "Payment Plan by Payment 100000 at 6%.csv");
        const QList<QByteArray> lines = FileBytes(path).split('\n');
        ASSERT_GE(lines.size(), 3);
        EXPECT_EQ(QString(lines[0].trimmed()), "n,date,payment,extra,interest,principal,balance,rate");
        EXPECT_EQ(QString(lines[1].trimmed()), "1,,744.31,100,500,244.31,99755.69,6");
        EXPECT_EQ(FileBytes(path).count('\n'), 225);

        window->CopyBtn->click();
        const QStringList copied = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        EXPECT_EQ(copied.size(), 225);
        EXPECT_TRUE(copied.value(0).startsWith("Payment\tDate\tAmount Paid")) << S(copied.value(0));

        const PaymentPlanReport report = window->ReportInputs();
        EXPECT_EQ(report.rowCount, 224);
        EXPECT_EQ(report.periodHeading, "Payment");
        EXPECT_EQ(report.events.value(0), "1. Extra payment, $100.00, Payment 1, To the end");
        EXPECT_EQ(report.cell(3, 0), "$100.00");
        platform.printerAnswers.push_back(false);
        window->PrintBtn->click();
        EXPECT_EQ(platform.printDialogs, 1);
    });
}

TEST_F(PlanWindow, TheWindowIsEnlargedWithItsScheduleAndEveryControlHasAnAltKeyAndAName)
{
    const QSize own = plan()->size();
    EXPECT_EQ(plan()->minimumSize(), own);
    plan()->show();
    plan()->resize(own + QSize(200, 200));
    Settle();
    EXPECT_GT(plan()->PlanGrid->height(), 200);
    EXPECT_GT(plan()->PlanGrid->width(), GridWidth({62, 84, 92, 80, 84, 88, 98, 60}));
    plan()->hide();

    for (QAbstractButton *button : std::initializer_list<QAbstractButton *>{
             plan()->AddBtn, plan()->EditBtn, plan()->RemoveBtn, plan()->CopyBtn, plan()->PrintBtn, plan()->CloseBtn,
             plan()->ByYear, plan()->ByPayment, plan()->FirstPaymentOn})
        EXPECT_FALSE(Keyboard::MnemonicOf(button->text()).isNull()) << S(button->objectName());
    for (QLabel *label : {plan()->LoanLabel, plan()->EventsLabel, plan()->PaymentsLabel, plan()->LastLabel,
                          plan()->PaidOffLabel, plan()->WithLabel, plan()->WithoutLabel, plan()->SavedLabel,
                          plan()->PaidLabel, plan()->UpfrontLabel, plan()->FeePerPaymentLabel})
        EXPECT_FALSE(Keyboard::MnemonicOf(label->text()).isNull()) << S(label->objectName());
    // Its 24 captions share 23 letters: a result's caption is the one without a key.
    int withoutKey = 0;
    for (QLabel *label : {plan()->RepaymentLabel, plan()->AprLabel})
        withoutKey += Keyboard::MnemonicOf(label->text()).isNull() ? 1 : 0;
    EXPECT_LE(withoutKey, 1);
    const QList<QChar> keys = Keyboard::MnemonicsIn(plan());
    EXPECT_EQ(QSet<QChar>(keys.begin(), keys.end()).size(), keys.size()) << "no Alt key twice";
    for (QWidget *control : std::initializer_list<QWidget *>{plan()->LoanText, plan()->PlanEvents, plan()->PlanGrid,
                                                             plan()->FirstPaymentDate, plan()->InterestSaved,
                                                             plan()->HelpBtn})
        EXPECT_FALSE(control->accessibleName().isEmpty()) << S(control->objectName());
    for (QWidget *made : {plan()->findChild<QWidget *>("ExportBtn"), plan()->findChild<QWidget *>("PreviewBtn")})
        EXPECT_FALSE(Keyboard::MnemonicOf(static_cast<QAbstractButton *>(made)->text()).isNull());
    // The event dialog is a window of its own, with its own keys, kept as its captions change.
    TPlanEventDialog *dialog = plan()->EventDialog();
    for (int kind = 0; kind < 3; ++kind) {
        dialog->EventKind->setCurrentIndex(kind);
        for (QLabel *label : {dialog->KindLabel, dialog->ValueLabel, dialog->ByLabel, dialog->FromLabel})
            EXPECT_FALSE(Keyboard::MnemonicOf(label->text()).isNull()) << S(label->text());
    }
    const QList<QChar> dialogKeys = Keyboard::MnemonicsIn(dialog);
    EXPECT_EQ(QSet<QChar>(dialogKeys.begin(), dialogKeys.end()).size(), dialogKeys.size());
    EXPECT_FALSE(Keyboard::MnemonicOf(windows().schedule->PlanBtn->text()).isNull());
    EXPECT_FALSE(Keyboard::MnemonicOf(main().PaymentPlan1->text()).isNull());
}

// The plan's lines in the saved file are written by storage; this holds the main
// window to putting the plan in and taking it out.
TEST_F(PlanWindow, APlanIsSavedAndLoadedBackWithTheLoan)
{
    PaymentPlan saved;
    saved.firstPayment = QDate(2027, 1, 31);
    saved.events = {PlanEvent{PlanEventKind::Extra, 200, 13, 120, false},
                    PlanEvent{PlanEventKind::LumpSum, 10000, 61, 0, true},
                    PlanEvent{PlanEventKind::RateChange, 7.25, 61, 0, false}};
    main().SetPlan(saved);
    platform.saveAnswers.push_back(dir.filePath("plan.QVL"));
    main().SaveBtn->click();
    EXPECT_TRUE(main().SavedFlag());
    main().NewFile->trigger();
    EXPECT_EQ(main().Plan(), PaymentPlan());
    platform.openAnswers.push_back(dir.filePath("plan.QVL"));
    main().LoadBtn->click();
    EXPECT_EQ(main().Plan(), saved);
    EXPECT_TRUE(main().SavedFlag());
    OpenPlan([](TPaymentPlan *window) { EXPECT_EQ(window->PlanEvents->rowCount(), 3); });
}

namespace {

// The window has no fee fields or comparison yet: what a file holds of them must
// survive its load and save.
TEST_F(PlanWindow, FeesAndComparedLoansInAFileOutliveALoadAndASave)
{
    SavedInputs written;
    written.amount = "100000";
    written.years = "25";
    written.part = "0";
    written.rate = "6";
    written.fees = LoanFees{2000, 10};
    ComparedLoan offer;
    offer.name = "Bank A, 25 years";
    offer.loan = LoanOfTexts(LoanTexts{"100000", "25", "0", "6"});
    offer.fees = LoanFees{1500, 0};
    written.compared = {offer};
    const QString path = dir.filePath("fees.QVL");
    ::SaveMortgageFile(path, written);
    platform.openAnswers.push_back(path);
    main().LoadBtn->click();
    platform.saveAnswers.push_back(path);
    main().SaveBtn->click();
    EXPECT_EQ(LoadMortgageFile(path).fees, written.fees);
    EXPECT_EQ(LoadMortgageFile(path).compared, written.compared);
    main().NewFile->trigger();
    platform.saveAnswers.push_back(dir.filePath("new.QVL"));
    main().SaveBtn->click();
    EXPECT_EQ(LoadMortgageFile(dir.filePath("new.QVL")).fees, LoanFees()) << "New forgets them";
    EXPECT_TRUE(LoadMortgageFile(dir.filePath("new.QVL")).compared.empty());
}

} // namespace
