// SPDX-License-Identifier: GPL-3.0-or-later
// The Mortgage Grid window: repayments over a range of amounts and interest rates.
#pragma once

#include "ui/windows/GridModels.h"
#include "ui/windows/MainLoan.h"
#include "ui/windows/WindowKit.h"

#include <QStyledItemDelegate>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;

// Draws the cells the grid colours: the amount column and the heading row bold on
// silver, the entered amount's row and the entered rate's column aqua, and the
// cell where they cross light blue.
void MGridDrawCell(QPainter &painter, const QRect &rect, int column, int gridRow,
                   const QString &text, int enteredRow, const QFont &font);

class MGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    MGridDelegate(const MortgageGridModel &model, QObject *parent);
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    const MortgageGridModel &model_;
};

class TMORTAGEGRID : public AnalysisWindow {
    Q_OBJECT
public:
    TMORTAGEGRID(MainLoan &main, QWidget *parent = nullptr);

    void FormCreate();
    // Builds the grid from the window's fields and the main window's frequencies.
    void BuildGrid();
    // Opening from the main window: each text of the main loan that passed its check
    // is copied in before the next check runs; the first failed check's message, or
    // nothing when the grid was built and may be shown.
    std::optional<LoanProblem> OpenWithLoan(const LoanTexts &texts);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void BitBtn1Click();
    void BitBtn2Click();

    MortgageGridModel *Model() const { return model_; }
    // The grid as its report prints it, read when the user confirms printing.
    MortgageGridReport ReportInputs() const;
    int EnteredAmountRow() const { return model_->Grid().enteredRow; }
    // The first amount row in view (grid rows count the heading row as 0).
    int TopRow() const;

    QLabel *HeadingLabel, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8;
    QLineEdit *MAmt, *InterestR, *Years, *Partyear;
    QComboBox *AmountStep, *InterestStep;
    QPushButton *SpeedButton1, *SpeedButton2, *BitBtn1, *BitBtn2;
    TableView *MGrid;

protected:
    void showEvent(QShowEvent *event) override;
    QStringList TableFieldTexts() const override;
    void RecalculateTable() override { SpeedButton1Click(); }

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
    void ScrollToFirstVisibleRow();

    MainLoan &main_;
    MortgageGridModel *model_;
};
