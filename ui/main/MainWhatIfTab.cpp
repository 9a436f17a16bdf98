// SPDX-License-Identifier: GPL-3.0-or-later
// The What If? tab: solves any one of amount, term, rate and repayment from the
// other three, and hands the loan over to the Mortgage tab.
#include "ui/main/MainUnit.h"

#include "ui/common/Look.h"
#include "ui/main/MainControls.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

using MainControls::Radio;

QWidget *TMORTLOAN::BuildWhatIfTab()
{
    auto *tab = new QWidget;
    tab->setObjectName(QStringLiteral("TabSheet2"));
    WhatIfHeading = Look::Heading(QStringLiteral("WhatIfHeading"), tr("Mortgage What If?"), 16, tab);
    BitBtn14 = Look::PictureButton(QStringLiteral("BitBtn14"), QStringLiteral("help"),
                                   tr("Help on the What If? tab"), tab);
    WhatIfHelpLabel = Look::Label(QStringLiteral("WhatIfHelpLabel"),
                                  tr("Calculate any of the four Mortgage variables. Select the "
                                                 "variable to be calculated on the right, and enter the "
                                                 "values for the other three variables."),
                                  tab);
    WhatIfHelpLabel->setWordWrap(true);

    QGridLayout *inputs = BuildWhatIfInputs(tab);
    const MainControls::FrequencyGroups frequencyGroups = MainControls::BuildFrequencyGroups(
        tab,
        {"WIPaymentGroup", QT_TRANSLATE_NOOP("MainControls", "Payment"), "WIPayment", "WIArrearsRB", "WIAdvanceRB", "WICompoundedGroup",
         "WICompounded"},
        MainControls::GroupsStand::SideBySide);
    WIPayment = frequencyGroups.payment;
    WIArrearsRB = frequencyGroups.arrears;
    WIAdvanceRB = frequencyGroups.advance;
    WICompounded = frequencyGroups.compounding;
    QGroupBox *calculate = BuildWhatIfCalculateGroup(tab);
    SpeedButton4 = Look::Button(QStringLiteral("SpeedButton4"), tr("Calculate"), tab,
                                QStringLiteral("calculate"));
    TransferBtn = Look::Button(QStringLiteral("TransferBtn"), tr("Transfer to Quovella"), tab,
                               QStringLiteral("transfer"));

    auto *frequencies = new QHBoxLayout;
    frequencies->setSpacing(6);
    frequencies->addWidget(frequencyGroups.paymentGroup, 3);
    frequencies->addWidget(frequencyGroups.compoundingGroup, 2);
    auto *left = new QVBoxLayout;
    left->setSpacing(4);
    left->addLayout(inputs);
    left->addLayout(frequencies);
    calculate->setFixedWidth(Look::Scaled(104));
    auto *right = new QVBoxLayout;
    right->addWidget(calculate);
    right->addStretch();

    auto *columns = new QHBoxLayout;
    columns->setSpacing(8);
    columns->addLayout(left, 1);
    columns->addLayout(right);

    auto *heading = new QHBoxLayout;
    heading->addWidget(WhatIfHeading);
    heading->addStretch();
    heading->addWidget(BitBtn14);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SpeedButton4);
    buttons->addWidget(TransferBtn);

    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(4);
    layout->addLayout(heading);
    layout->addWidget(WhatIfHelpLabel);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    AmountRB->setChecked(true);
    Look::MarkAsResult(WIPrincipal, true);
    return tab;
}

QGridLayout *TMORTLOAN::BuildWhatIfInputs(QWidget *tab)
{
    WhatIfAmountLabel = Look::Label(QStringLiteral("WhatIfAmountLabel"), tr("Mortgage Amount"), tab);
    WIPrincipal = Look::Edit(QStringLiteral("WIPrincipal"), 0, tab);
    WIPeriods = Look::Edit(QStringLiteral("WIPeriods"), 0, tab);
    WIPartYear = Look::Edit(QStringLiteral("WIPartYear"), 3, tab);
    WIMonthsLabel = Look::Label(QStringLiteral("WIMonthsLabel"), tr("Months"), tab);
    WIInterest = Look::Edit(QStringLiteral("WIInterest"), 8, tab);
    WIRepay = Look::Edit(QStringLiteral("WIRepay"), 0, tab);
    WIPeriods->setFixedWidth(Look::Scaled(32));
    WIPartYear->setFixedWidth(Look::Scaled(36));
    WIPrincipal->setFixedWidth(Look::Scaled(110));
    WIInterest->setFixedWidth(Look::Scaled(80));
    WIRepay->setFixedWidth(Look::Scaled(110));
    WhatIfAmountLabel->setBuddy(WIPrincipal);

    auto *inputs = new QGridLayout;
    inputs->setVerticalSpacing(4);
    inputs->addWidget(WhatIfAmountLabel, 0, 0);
    inputs->addWidget(WIPrincipal, 0, 1, Qt::AlignLeft);
    QLabel *periodsLabel = Look::Label(QStringLiteral("WIPeriodsLabel"), tr("Periods"), tab);
    periodsLabel->setBuddy(WIPeriods);
    WIMonthsLabel->setBuddy(WIPartYear);
    inputs->addWidget(periodsLabel, 1, 0);
    auto *term = new QHBoxLayout;
    term->setSpacing(4);
    term->addWidget(WIPeriods);
    term->addWidget(Look::Label(QStringLiteral("WIYearsLabel"), tr("Year(s)"), tab));
    term->addSpacing(4);
    term->addWidget(WIPartYear);
    term->addWidget(WIMonthsLabel);
    term->addStretch();
    inputs->addLayout(term, 1, 1);
    QLabel *interestLabel = Look::Label(QStringLiteral("WIInterestLabel"), tr("Interest Rate"), tab);
    interestLabel->setBuddy(WIInterest);
    inputs->addWidget(interestLabel, 2, 0);
    inputs->addWidget(WIInterest, 2, 1, Qt::AlignLeft);
    QLabel *repayLabel = Look::Label(QStringLiteral("WIRepayLabel"), tr("Repayment"), tab);
    repayLabel->setBuddy(WIRepay);
    inputs->addWidget(repayLabel, 3, 0);
    inputs->addWidget(WIRepay, 3, 1, Qt::AlignLeft);
    return inputs;
}

QGroupBox *TMORTLOAN::BuildWhatIfCalculateGroup(QWidget *tab)
{
    auto *calculate = new QGroupBox(tr("Calculate"), tab);
    calculate->setObjectName(QStringLiteral("CalculateGroup"));
    AmountRB = Radio(QStringLiteral("AmountRB"), tr("Amount"), calculate);
    PeriodRB = Radio(QStringLiteral("PeriodRB"), tr("Periods"), calculate);
    InterestRB = Radio(QStringLiteral("InterestRB"), tr("Interest"), calculate);
    PaymentRB = Radio(QStringLiteral("PaymentRB"), tr("Payment"), calculate);
    auto *calculateLayout = new QVBoxLayout(calculate);
    calculateLayout->setContentsMargins(8, 4, 8, 6);
    calculateLayout->setSpacing(4);
    for (QRadioButton *radio : {AmountRB, PeriodRB, InterestRB, PaymentRB})
        calculateLayout->addWidget(radio);
    return calculate;
}

void TMORTLOAN::ConnectWhatIfTab()
{
    for (QRadioButton *radio : {AmountRB, PeriodRB, InterestRB, PaymentRB})
        On(radio, &QRadioButton::toggled, [this, radio] {
            if (radio->isChecked())
                AmountRBClick();
        });
    On(WIPayment, &QComboBox::activated, [this] { WIPaymentChange(); });
    On(SpeedButton4, &QPushButton::clicked, [this] { SpeedButton4Click(); });
    On(TransferBtn, &QPushButton::clicked, [this] { TransferBtnClick(); });
    On(BitBtn14, &QPushButton::clicked, [this] { BitBtn14Click(); });
    for (QLineEdit *edit : {WIPrincipal, WIPeriods, WIPartYear, WIInterest, WIRepay})
        connect(edit, &QLineEdit::returnPressed, SpeedButton4, &QPushButton::click);
}

WhatIfFields TMORTLOAN::WhatIfInputs() const
{
    WhatIfFields fields;
    fields.principal = WIPrincipal->text();
    fields.periods = WIPeriods->text();
    fields.partYear = WIPartYear->text();
    fields.interest = WIInterest->text();
    fields.repay = WIRepay->text();
    fields.payment = MainControls::Selector(WIPayment);
    fields.compounded = MainControls::Selector(WICompounded);
    fields.timing = WIArrearsRB->isChecked() ? Timing::InArrears : Timing::InAdvance;
    fields.solveFor = AmountRB->isChecked()     ? WhatIfVariable::Amount
                      : PeriodRB->isChecked()   ? WhatIfVariable::Periods
                      : InterestRB->isChecked() ? WhatIfVariable::Interest
                                                : WhatIfVariable::Payment;
    return fields;
}

void TMORTLOAN::BitBtn14Click()
{
    ThePlatform().ShowHelp(this, 8);
}

void TMORTLOAN::AmountRBClick()
{
    const std::pair<QRadioButton *, std::vector<QLineEdit *>> choices[] = {
        {AmountRB, {WIPrincipal}},
        {PeriodRB, {WIPeriods, WIPartYear}},
        {InterestRB, {WIInterest}},
        {PaymentRB, {WIRepay}},
    };
    for (const auto &[radio, edits] : choices)
        for (QLineEdit *edit : edits) {
            Look::MarkAsResult(edit, radio->isChecked());
            if (radio->isChecked())
                edit->clear();
        }
}

void TMORTLOAN::WIPaymentChange()
{
    WIMonthsLabel->setVisible(true);
    WIPartYear->setVisible(true);
    if (MainControls::Selector(WIPayment) == QLatin1String("Annualy")) {
        WIMonthsLabel->setVisible(false);
        WIPartYear->setVisible(false);
        WIPartYear->clear();
    } else if (const Frequency *frequency = FindFrequency(MainControls::Selector(WIPayment))) {
        WIMonthsLabel->setText(ShownFrequencyText(frequency->partYearCaption));
    }
    AssignMnemonics();
}

void TMORTLOAN::SpeedButton4Click()
{
    WIPrincipal->setFocus();
    const WhatIfFields fields = WhatIfInputs();
    const WhatIfOutcome outcome = SolveWhatIf(fields);
    if (outcome.message) {
        QWidget *fault = nullptr;
        if (outcome.fault) {
            switch (*outcome.fault) {
            case WhatIfVariable::Amount: fault = WIPrincipal; break;
            case WhatIfVariable::Periods: fault = WIPeriods; break;
            case WhatIfVariable::Interest: fault = WIInterest; break;
            case WhatIfVariable::Payment: fault = WIRepay; break;
            }
        }
        Keyboard::ShowFault(this, *outcome.message, fault);
        return;
    }
    switch (fields.solveFor) {
    case WhatIfVariable::Amount: WIPrincipal->setText(outcome.fields.principal); break;
    case WhatIfVariable::Periods:
        WIPeriods->setText(outcome.fields.periods);
        WIPartYear->setText(outcome.fields.partYear);
        break;
    case WhatIfVariable::Interest: WIInterest->setText(outcome.fields.interest); break;
    case WhatIfVariable::Payment: WIRepay->setText(outcome.fields.repay); break;
    }
}

void TMORTLOAN::TransferBtnClick()
{
    MAmount->setText(WIPrincipal->text());
    Period->setText(WIPeriods->text());
    MPartyear->setText(WIPartYear->text());
    IRate->setText(WIInterest->text());
    MPayment->setCurrentIndex(WIPayment->currentIndex());
    MArrears->setChecked(WIArrearsRB->isChecked());
    MAdvance->setChecked(WIAdvanceRB->isChecked());
    MCompounded->setCurrentIndex(WICompounded->currentIndex());
    MPaymentChange();
    // The user expects the Mortgage tab's own rules (toolbar enabled, transfer box shown).
    if (PageControl1->currentWidget() == TabSheet1)
        PageControl1Change();
    else
        PageControl1->setCurrentWidget(TabSheet1);
}
