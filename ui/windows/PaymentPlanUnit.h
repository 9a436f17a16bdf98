// SPDX-License-Identifier: GPL-3.0-or-later
// The Payment Plan window: extra payments, lump sums and rate changes on the
// Mortgage tab's loan, what they save, and the plan's schedule.
#pragma once

#include "ui/windows/GridModels.h"
#include "ui/windows/MainLoan.h"
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

// Where an event falls, as the user chose to give it.
enum class PlanPlaceBy { Payment, YearAndPeriod, Date };

// Adds or edits one event of the plan; OK checks it before the dialog closes.
class TPlanEventDialog : public QDialog {
    Q_OBJECT
public:
    explicit TPlanEventDialog(QWidget *parent);

    // Ready for the event at `index` (0-based; the next free index when adding) of
    // a loan of `payments` payments, `perYear` a year, the first on `firstPayment`
    // (not valid: payments have no dates and no date can be chosen).
    void Prepare(const PlanEvent &event, int index, int payments, int perYear, const QDate &firstPayment);
    // The event as the fields hold it, after OK.
    PlanEvent Event() const { return event_; }
    // OK: the event checked as a saved plan's events are; a fault is told, naming
    // the event, and the focus goes back to its field.
    void OkBtnClick();
    // Shows the fields of the kind and of the way the payments are chosen.
    void KindChange();

    QLabel *KindLabel, *ValueLabel, *ByLabel, *FromLabel, *ToLabel;
    QComboBox *EventKind, *EventBy;
    QLineEdit *EventValue, *EventFrom, *EventFromYear, *EventFromPeriod, *EventTo, *EventToYear, *EventToPeriod;
    QDateEdit *EventFromDate, *EventToDate;
    QCheckBox *EventToByDate, *EventLower;
    QLabel *FromPeriodLabel, *ToPeriodLabel, *ToNote;
    QPushButton *OkBtn, *CancelBtn;

private:
    PlanPlaceBy By() const;
    // A payment number from the fields of one place; nothing and the field at
    // fault when they hold no number. `empty` is what an empty place means.
    std::optional<int> Place(QLineEdit *number, QLineEdit *year, QLineEdit *period, QDateEdit *date,
                             int empty, QWidget *&fault) const;
    void Fail(const QString &text, QWidget *field);

    PlanEvent event_;
    int index_ = 0;
    int payments_ = 0;
    int perYear_ = 12;
    QDate firstPayment_;
};

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
