// SPDX-License-Identifier: GPL-3.0-or-later
// The specific additional payment window: one extra amount with every repayment,
// from the start or from a chosen year and period.
#pragma once

#include "ui/windows/BalanceGraphUnit.h"
#include "ui/windows/MainLoan.h"
#include "ui/windows/WindowKit.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QFrame;
class ResultPanel;

class TADDMONTHLYR : public AnalysisWindow {
    Q_OBJECT
public:
    TADDMONTHLYR(MainLoan &main, QWidget *parent = nullptr);

    // Captions and position for the main window's payment frequency.
    void PrepareOpening();
    void NowClick();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

    QLabel *Label7, *Label1, *Label2, *Label6, *Label5, *Label3, *Label4, *NewPeriod;
    QLineEdit *AdditionalMR, *Year, *StartMonth;
    QRadioButton *Now, *RadioButton2;
    QPushButton *BitBtn1, *BitBtn2, *BitBtn3, *PlanBtn;
    // Adds the extra payment last worked out to the main window's payment plan as
    // an event and opens the plan; wired by the program.
    std::function<void(const PlanEvent &)> addToPlan;
    void PlanBtnClick();
    ResultPanel *InterestSaved, *NewInterest, *TotalInterest;
    // The last additional payment worked out, kept after "OK" for the balance graph.
    std::optional<AdditionalPaymentRun> lastRun;

private:
    QFrame *BuildSentencePanel();
    void ArrangeControls(QFrame *sentence);

    MainLoan &main_;
};
