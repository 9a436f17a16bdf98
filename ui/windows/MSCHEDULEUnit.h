// SPDX-License-Identifier: GPL-3.0-or-later
// The Mortgage Schedule window: interest, capital and balance by year or by period.
#pragma once

#include "ui/windows/BalanceGraphUnit.h"
#include "ui/windows/GridModels.h"
#include "ui/windows/MainLoan.h"
#include "ui/windows/WindowKit.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class ResultPanel;

class TMSCHEDULE : public AnalysisWindow {
    Q_OBJECT
public:
    TMSCHEDULE(MainLoan &main, QWidget *parent = nullptr);

    // Opening from the main window, after its loan passed the checks: copy the
    // loan in, fill the schedule and set the captions of the payment frequency.
    void OpenWithLoan(const LoanTexts &loan, const QString &partYearCaption);
    // The part-year field and its caption, hidden for yearly payments.
    void ShowPartYear(bool visible);

    void CalculateBtnClick();
    void OKBtnClick();
    void BitBtn1Click();
    void BitBtn2Click();
    // The balance graph of the loan in this window's fields, with the additional
    // payment last worked out; wired by the program.
    void AttachGraph(TBalanceGraphForm *graph,
                     std::function<std::optional<AdditionalPaymentRun>()> lastAdditionalPayment,
                     std::function<std::optional<PlannedLoan>()> plannedLoan = {});
    void GraphBtnClick();

    ScheduleModel *Model() const { return model_; }
    // The schedule as its report prints it, with this window's own part-year.
    ScheduleReport ReportInputs() const;

    QLabel *HeadingLabel, *Label2, *Label3, *Label5, *Label11, *Label4, *Label10, *Label12;
    QLineEdit *MSAmount, *MSInterest, *MSPeriod, *Partyear;
    ResultPanel *MSMonthlyRepayment;
    QGroupBox *GroupBox1;
    QRadioButton *Year, *Month;
    QPushButton *CalculateBtn, *OKBtn, *BitBtn1, *BitBtn2, *GraphBtn, *PlanBtn;
    // Opens the Payment Plan window of the main window's loan; wired by the program.
    std::function<void()> openPlan;
    TableView *MSGrid;

protected:
    QStringList TableFieldTexts() const override;
    void RecalculateTable() override { CalculateBtnClick(); }

private:
    // Building steps, in the order the constructor runs them.
    void BuildFields();
    void BuildDisplayBy();
    void BuildButtons();
    GridArea *BuildTable();
    void BuildRoundingNote();
    void BuildPlanButton();
    void Arrange(GridArea *table);
    void ConnectControls();
    void SetUpKeyboard();
    // The period column's heading for the Year/Month choice.
    void ShowPeriodHeading();
    TableSource ExportSource() const;
    LoanTexts WindowLoan() const;
    void Fill(const Loan &loan);
    // Checks the fields and refills; the loan shown, or nothing after a message.
    std::optional<Loan> Recalculate();

    MainLoan &main_;
    ScheduleModel *model_;
    TBalanceGraphForm *graph_ = nullptr;
    std::function<std::optional<AdditionalPaymentRun>()> lastAdditionalPayment_;
    std::function<std::optional<PlannedLoan>()> plannedLoan_;
    // The part-year caption in English, for the report; Label11 shows it translated.
    QString partYearCaption_ = QStringLiteral("Month(s)");
    // The English words of the period column and of the Month choice, for reports and files.
    QString periodHeading_ = QStringLiteral("Year");
    QString monthHeading_ = QStringLiteral("Month");
};
