// SPDX-License-Identifier: GPL-3.0-or-later
// The Payment Plan window: extra payments, lump sums and rate changes on the
// Mortgage tab's loan, what they save, and the plan's schedule.
#pragma once

#include "ui/windows/GridModels.h"
#include "ui/windows/MainLoan.h"
#include "ui/windows/PlanEventDialog.h"
#include "ui/windows/WindowKit.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;
class ResultPanel;

class TPaymentPlan : public AnalysisWindow {
    Q_OBJECT
public:
    TPaymentPlan(MainLoan &main, QWidget *parent = nullptr);

    // Shows the Mortgage tab's loan and its plan as they are now.
    void OpenWithLoan();
    // Takes the loan and the plan in again and refills everything.
    void Recalculate();

    void AddBtnClick();
    void EditBtnClick();
    void RemoveBtnClick();
    void FirstPaymentChange();
    void CopyBtnClick();
    void HelpBtnClick();
    void CloseBtnClick();
    // The user left a fee field or pressed Enter in it: a fault is told once and the
    // focus goes back with the text kept; fees that can be used are stored.
    void FeesExit(QLineEdit *field);

    PlanModel *Model() const { return model_; }
    TPlanEventDialog *EventDialog() const { return dialog_; }
    // The plan's schedule as its report prints it.
    PaymentPlanReport ReportInputs() const;

    QLabel *HeadingLabel, *LoanLabel, *LoanText, *EventsLabel, *PlanProblem;
    QWidget *PlanBody;
    QCheckBox *FirstPaymentOn;
    QDateEdit *FirstPaymentDate;
    QTableWidget *PlanEvents;
    QPushButton *AddBtn, *EditBtn, *RemoveBtn;
    QLabel *PaymentsLabel, *LastLabel, *PaidOffLabel, *WithLabel, *WithoutLabel, *SavedLabel, *PaidLabel,
        *RepaymentLabel, *AprLabel;
    ResultPanel *PaymentsMade, *LastPayment, *PaidOff, *InterestWith, *InterestWithout, *InterestSaved,
        *TotalPaid, *RepaymentAtEnd, *AnnualRate;
    QGroupBox *FeesGroup;
    QLabel *UpfrontLabel, *FeePerPaymentLabel;
    QLineEdit *UpfrontFees, *FeePerPayment;
    QRadioButton *ByYear, *ByPayment;
    TableView *PlanGrid;
    QPushButton *CopyBtn, *PrintBtn, *HelpBtn, *CloseBtn;

protected:
    QStringList TableFieldTexts() const override;
    void RecalculateTable() override { Recalculate(); }

private:
    void BuildLoan();
    void BuildEvents();
    void BuildResults();
    void BuildFees();
    void FillFees();
    GridArea *BuildTable();
    void BuildButtons();
    void Arrange(GridArea *table);
    void ConnectControls();
    void SetUpKeyboard();
    void FillEvents(const PaymentPlan &plan);
    void ClearResults();
    TableSource ExportSource() const;
    // Opens the event dialog on `event`; the event as it was confirmed, or nothing.
    std::optional<PlanEvent> AskForEvent(const PlanEvent &event, int index);

    MainLoan &main_;
    PlanModel *model_;
    TPlanEventDialog *dialog_;
    std::optional<Loan> loan_;         // the loan planned for; nothing when it fails its checks
    std::vector<PlanRow> byPayment_;   // the plan's rows, one per payment
    QString reportedPaidOff_;          // the pay-off time in the report's English
    bool feeMessageShown_ = false;
    QObject feesLeaving_; // owns the fee fields' focus watchers
};
