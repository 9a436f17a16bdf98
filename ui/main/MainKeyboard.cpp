// SPDX-License-Identifier: GPL-3.0-or-later
// The main window from the keyboard: Alt keys on every caption and button, Enter
// on the lists and option buttons, Tab in reading order on each tab, F1 for the
// tab in front.
#include "ui/main/MainUnit.h"

#include "ui/common/Keyboard.h"
#include "ui/common/Look.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

void TMORTLOAN::SetUpKeyboard()
{
    Keyboard::EnterPresses({MPayment, MCompounded, MArrears, MAdvance}, CalMortBtn);
    Keyboard::EnterPresses({WIPayment, WICompounded, WIArrearsRB, WIAdvanceRB, AmountRB, PeriodRB, InterestRB,
                            PaymentRB},
                           SpeedButton4);
    for (QComboBox *list : {MPayment, MCompounded, WIPayment, WICompounded})
        Keyboard::WheelOnlyWhenFocused(list);

    Keyboard::TabOrder({MAmount, Period, MPartyear, IRate, MPayment, MArrears, MAdvance, MCompounded,
                        CalMortBtn, PrintMortBtn, MonthlyRepayment, BitBtn8, TotalInterest, BitBtn9,
                        MortgageGridBtn, SpeedButton2, SpeedButton3, BitBtn1, TrasferValuesCheckBox});
    Keyboard::TabOrder({WIPrincipal, WIPeriods, WIPartYear, WIInterest, WIRepay, WIPayment, WIArrearsRB,
                        WIAdvanceRB, WICompounded, AmountRB, PeriodRB, InterestRB, PaymentRB, SpeedButton4,
                        TransferBtn, BitBtn14});
    Keyboard::TabOrder({MSavingsAmount, mperiod, minterest, reducedperiod, investrate, mrepayment,
                        reducedpayment, textra, tyears, investtotal, BitBtn12});

    TotalInterest->setAccessibleName(Panel6->title().trimmed());
    const std::pair<QWidget *, const char *> results[] = {
        {mrepayment, "Monthly Repayment"},
        {reducedpayment, "Reduced Monthly Repayment"},
        {textra, "Extra per month"},
        {tyears, "Paid off in years"},
        {investtotal, "Value of the investment at the end of the original Period"},
    };
    for (const auto &[panel, name] : results)
        panel->setAccessibleName(QLatin1String(name));
    // The Mortgage Savings tab has no page of its own: F1 opens the contents there.
    Keyboard::HelpKeyPresses(this, [this]() -> QAbstractButton * {
        if (PageControl1->currentWidget() == TabSheet1)
            return BitBtn1;
        if (PageControl1->currentWidget() == TabSheet2)
            return BitBtn14;
        return HelpBtn;
    });
    AssignMnemonics();
}

void TMORTLOAN::AssignMnemonics()
{
    // The menu's keys, then the controls outside the tabs, then each tab on its own:
    // only one tab shows at a time.
    QSet<QChar> taken;
    for (QAction *menu : menuBar()->actions())
        if (const QChar key = Keyboard::MnemonicOf(menu->text()); !key.isNull())
            taken.insert(key);
    Keyboard::AssignMnemonics(this, taken);
    for (QChar key : Keyboard::MnemonicsIn(this))
        taken.insert(key);
    // The transfer check box shows with the Mortgage tab only: the other tabs may use its key.
    const QChar transfer = Keyboard::MnemonicOf(TrasferValuesCheckBox->text());
    for (QWidget *tab : {TabSheet1, TabSheet2, TabSheet3}) {
        QSet<QChar> forTab = taken;
        if (tab != TabSheet1)
            forTab.remove(transfer);
        Keyboard::AssignMnemonics(tab, forTab);
        Keyboard::NameFieldsForReaders(tab);
    }
    MonthlyRepayment->setAccessibleName(Panel1->title().trimmed());
}
