// SPDX-License-Identifier: GPL-3.0-or-later
// The additional payments grid: the extra payment that clears the loan in each
// shorter number of years, and the interest it saves.
#pragma once

#include "ui/windows/GridModels.h"
#include "ui/windows/MainLoan.h"
#include "ui/windows/WindowKit.h"

class QFrame;
class QLabel;
class QLineEdit;
class ResultPanel;

class TAdditionalP : public AnalysisWindow {
    Q_OBJECT
public:
    TAdditionalP(MainLoan &main, QWidget *parent = nullptr);

    // Opening through the chooser: copy the main loan in, build, and word the
    // headings with the chooser's word for the payment frequency.
    void OpenWithLoan(const LoanTexts &loan);
    void BuildGrid();
    void SpeedButton2Click();
    void SpeedButton1Click();
    void BitBtn1Click();
    void BitBtn2Click();

    AdditionalPaymentModel *Model() const { return model_; }
    // The table as its report prints it; the part-year caption is the main window's.
    AdditionalPaymentsReport ReportInputs() const;

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label12, *MortgageLabel;
    QLabel *Label10, *Label7, *Label8, *Label9, *Label11, *MarkNote;
    QLineEdit *APAmount, *APInterest, *APPeriod, *PartYear;
    ResultPanel *APMonthlyR;
    QPushButton *SpeedButton2, *SpeedButton1, *BitBtn1, *BitBtn2;
    TableView *APGrid;

protected:
    QStringList TableFieldTexts() const override;
    void RecalculateTable() override { SpeedButton2Click(); }

private:
    // Building steps, in the order the constructor runs them.
    void BuildFields();
    QFrame *BuildExplanation();
    void BuildButtons();
    GridArea *BuildTable();
    void Arrange(QFrame *explanation, GridArea *table);
    void ConnectControls();
    void SetUpKeyboard();
    TableSource ExportSource() const;
    LoanTexts WindowLoan() const;
    void ShowFrequencyWord(const QString &english);

    MainLoan &main_;
    AdditionalPaymentModel *model_;
    // The frequency's English word, which reports and files print.
    QString frequencyWord_ = QStringLiteral("Monthly");
};
