// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/SpecificAPUnit.h"

#include "engine/AdditionalPayments.h"
#include "ui/common/Keyboard.h"
#include "ui/common/Look.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TADDMONTHLYR::TADDMONTHLYR(MainLoan &main, QWidget *parent)
    : AnalysisWindow(QStringLiteral("ADDMONTHLYR"), tr("Additional Payments"), 510, 302,
                     Look::Teal(), parent),
      main_(main)
{
    auto white = [this](const char *name, const char *text) {
        return Look::CaptionLabel(QLatin1String(name), QCoreApplication::translate("TADDMONTHLYR", text), this);
    };
    Label7 = Look::Heading(QStringLiteral("Label7"), tr("Additional Payments"), 20, this);
    Label1 = white("Label1", "Additional Monthly repayment");
    AdditionalMR = Look::Edit(QStringLiteral("AdditionalMR"), 0, this);
    AdditionalMR->setFixedWidth(Look::Scaled(90));
    Label2 = white("Label2", QT_TR_NOOP("When would you like to start paying this additional payment"));
    Now = new QRadioButton(tr("From the start of the Mortgage"), this);
    Now->setObjectName(QStringLiteral("Now"));
    RadioButton2 = new QRadioButton(tr("Starting in year"), this);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    for (QRadioButton *radio : {Now, RadioButton2}) {
        QPalette palette = radio->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        radio->setPalette(palette);
    }
    Now->setChecked(true);
    Year = Look::Edit(QStringLiteral("Year"), 2, this);
    Year->setFixedWidth(Look::Scaled(36));
    Label6 = white("Label6", "and month (1 - 12)");
    StartMonth = Look::Edit(QStringLiteral("StartMonth"), 3, this);
    StartMonth->setFixedWidth(Look::Scaled(40));

    BitBtn1 = Look::Button(QStringLiteral("BitBtn1"), tr("Calculate"), this, QStringLiteral("calculate"));
    BitBtn2 = Look::Button(QStringLiteral("BitBtn2"), tr("OK"), this, QStringLiteral("ok"));
    BitBtn3 = Look::PictureButton(QStringLiteral("BitBtn3"), QStringLiteral("help"),
                                  tr("Help on a specific additional payment"), this);
    // Skipped by the Tab key: the keyboard moves between the fields.
    BitBtn1->setFocusPolicy(Qt::ClickFocus);
    BitBtn2->setFocusPolicy(Qt::ClickFocus);
    BitBtn1->setDefault(true);

    Label5 = white("Label5", QT_TR_NOOP("Interest Saved"));
    Label3 = white("Label3", QT_TR_NOOP("Total Interest with additional payment"));
    Label4 = white("Label4", QT_TR_NOOP("Total interest without additional payment"));
    InterestSaved = new ResultPanel(QStringLiteral("InterestSaved"), this, Look::ResultColour(), Look::Maroon(), true);
    NewInterest = new ResultPanel(QStringLiteral("NewInterest"), this, Look::ResultColour(), Look::Maroon(), true);
    TotalInterest = new ResultPanel(QStringLiteral("TotalInterest"), this, Look::ResultColour(), Look::Maroon(), true);
    for (ResultPanel *panel : {InterestSaved, NewInterest, TotalInterest})
        panel->setFixedWidth(Look::Scaled(120));
    QFrame *sentence = BuildSentencePanel();
    // Made last: the Alt keys of the controls before it stay as they were.
    PlanBtn = Look::Button(QStringLiteral("PlanBtn"), tr("Add to Payment Plan"), this,
                           QStringLiteral("plan"));
    PlanBtn->setToolTip(tr("Add this extra payment to the loan's payment plan and open the plan"));
    PlanBtn->setEnabled(false);

    ArrangeControls(sentence);

    connect(Now, &QRadioButton::toggled, this, [this] { NowClick(); });
    OnClick(BitBtn1, [this] { BitBtn1Click(); });
    OnClick(BitBtn2, [this] { BitBtn2Click(); });
    OnClick(BitBtn3, [this] { BitBtn3Click(); });
    OnClick(PlanBtn, [this] { PlanBtnClick(); });
    EnterPresses({AdditionalMR, Year, StartMonth}, BitBtn1);
    Keyboard::EnterPresses({Now, RadioButton2}, BitBtn1);
    Label1->setBuddy(AdditionalMR);
    Label6->setBuddy(StartMonth);
    Year->setAccessibleName(tr("Starting in year"));
    InterestSaved->setAccessibleName(Label5->text());
    NewInterest->setAccessibleName(Label3->text());
    TotalInterest->setAccessibleName(Label4->text());
    Keyboard::TabOrder({AdditionalMR, Now, RadioButton2, Year, StartMonth, InterestSaved, NewInterest,
                        TotalInterest, PlanBtn, BitBtn3});
    Keyboard::HelpKeyPresses(this, BitBtn3);
    Keyboard::AssignMnemonics(this);
    Keyboard::NameFieldsForReaders(this);
    NowClick();
}

// The pay-off sentence, in maroon on the result colour.
QFrame *TADDMONTHLYR::BuildSentencePanel()
{
    NewPeriod = Look::Label(QStringLiteral("NewPeriod"), QString(), this);
    NewPeriod->setWordWrap(true);
    NewPeriod->setFont(Look::UiFont(12, true));
    NewPeriod->setMinimumHeight(Look::Scaled(44));
    NewPeriod->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette maroon = NewPeriod->palette();
    maroon.setColor(QPalette::WindowText, Look::Maroon());
    NewPeriod->setPalette(maroon);
    auto *sentence = new QFrame(this);
    sentence->setObjectName(QStringLiteral("NewPeriodPanel"));
    sentence->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Look::Paint(sentence, Look::ResultColour());
    auto *sentenceLayout = new QVBoxLayout(sentence);
    sentenceLayout->setContentsMargins(6, 2, 6, 2);
    NewPeriod->setParent(sentence);
    sentenceLayout->addWidget(NewPeriod);
    return sentence;
}

void TADDMONTHLYR::ArrangeControls(QFrame *sentence)
{
    auto *amount = new QHBoxLayout;
    amount->addWidget(Label1);
    amount->addWidget(AdditionalMR);
    amount->addStretch();
    amount->addWidget(BitBtn3);

    auto *start = new QHBoxLayout;
    start->addWidget(RadioButton2);
    start->addWidget(Year);
    start->addWidget(Label6);
    start->addWidget(StartMonth);
    start->addStretch();

    auto *results = new QGridLayout;
    results->setVerticalSpacing(4);
    results->addWidget(Label4, 0, 0);
    results->addWidget(TotalInterest, 0, 1);
    results->addWidget(Label3, 1, 0);
    results->addWidget(NewInterest, 1, 1);
    results->addWidget(Label5, 2, 0);
    results->addWidget(InterestSaved, 2, 1);
    results->setColumnStretch(2, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(PlanBtn);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(4);
    layout->addWidget(Label7);
    layout->addLayout(amount);
    layout->addWidget(Label2);
    layout->addWidget(Now);
    layout->addLayout(start);
    layout->addSpacing(4);
    layout->addLayout(results);
    layout->addWidget(sentence);
    layout->addStretch();
    layout->addLayout(buttons);
}

void TADDMONTHLYR::PrepareOpening()
{
    const QString payment = main_.CurrentLoanTexts().payment;
    const Frequency *frequency = FindFrequency(payment);
    if (frequency) {
        Label1->setText(tr("Additional %1").arg(ShownFrequencyText(frequency->scheduleRepaymentCaption)));
        Label6->setText(frequency->periods == 1
                            ? tr("and Year")
                            : tr("and %1 (1 - %2)")
                                  .arg(ShownFrequencyText(frequency->specificUnit))
                                  .arg(frequency->periods));
    }
    Keyboard::AssignMnemonics(this);
    Keyboard::NameFieldsForReaders(this);
    const bool yearly = payment == QLatin1String("Annualy");
    Label6->setVisible(!yearly);
    StartMonth->setVisible(!yearly);
    if (QWidget *mainWindow = main_.MainWindowWidget()) {
        const QRect frame = mainWindow->frameGeometry();
        move(frame.left() + 3, frame.top() + 120);
    }
}

void TADDMONTHLYR::NowClick()
{
    const bool chosenYear = RadioButton2->isChecked();
    Year->setEnabled(chosenYear);
    Label6->setEnabled(chosenYear);
    StartMonth->setEnabled(chosenYear);
}

void TADDMONTHLYR::BitBtn1Click()
{
    PlanBtn->setEnabled(false);
    const LoanTexts loanTexts = main_.CurrentLoanTexts();
    const CheckedSpecificPayment checked = CheckSpecificPayment(
        loanTexts, {AdditionalMR->text(), !RadioButton2->isChecked(), Year->text(), StartMonth->text()});
    if (checked.problem) {
        QWidget *fault = AdditionalMR;
        if (checked.fault == SpecificField::Year)
            fault = Year;
        else if (checked.fault == SpecificField::Period)
            fault = StartMonth;
        Keyboard::ShowFault(this, *checked.problem, fault);
        return;
    }
    const Loan loan = LoanOfTexts(loanTexts);
    const SpecificAdditionalPayment result = CalculateSpecificAdditionalPayment(loan, checked.extra, checked.start);
    lastRun = AdditionalPaymentRun{loan, checked.extra, checked.start, result};
    PlanBtn->setEnabled(true);
    TotalInterest->setText(MoneyText(result.without));
    if (!result.paidOff)
        return;
    NewInterest->setText(MoneyText(result.with));
    NewPeriod->setText(result.shownSentence);
    InterestSaved->setText(MoneyText(result.saved));
}

void TADDMONTHLYR::BitBtn2Click()
{
    PlanBtn->setEnabled(false);
    InterestSaved->clear();
    NewPeriod->clear();
    NewInterest->clear();
    TotalInterest->clear();
    accept();
}

void TADDMONTHLYR::PlanBtnClick()
{
    if (!lastRun || !addToPlan)
        return;
    // The extra from the payment it was worked out from, as the walk counts it.
    const int perYear = static_cast<int>(lastRun->loan.paymentsPerYear);
    const AdditionalPaymentStart &start = lastRun->start;
    const int from = start.fromStart ? 1 : (start.year - 1) * perYear + (perYear == 1 ? 1 : start.period);
    addToPlan(PlanEvent{PlanEventKind::Extra, lastRun->extra, from, 0, false});
}

void TADDMONTHLYR::BitBtn3Click()
{
    ThePlatform().ShowHelp(this, 6);
}
