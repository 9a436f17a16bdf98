// SPDX-License-Identifier: GPL-3.0-or-later
// The Compare window: offers side by side, each a column with its plan and fees,
// their figures, the differences to the first offer and the cheapest by its APR.
#pragma once

#include "engine/Comparison.h"
#include "ui/windows/MainLoan.h"
#include "ui/windows/WindowKit.h"

#include <QAbstractTableModel>

#include <functional>

class QLabel;
class QLineEdit;

// The comparison's cells as the window shows them: difference rows in a smaller,
// grey type, the cheapest column in bold on a tint.
class ComparisonModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ComparisonModel(QObject *parent) : QAbstractTableModel(parent) {}
    void SetComparison(Comparison comparison);
    const Comparison &Shown() const { return comparison_; }
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    Comparison comparison_;
};

// Asks for a column's name; OK takes it without line breaks.
class TCompareNameDialog : public QDialog {
    Q_OBJECT
public:
    explicit TCompareNameDialog(QWidget *parent);
    void Prepare(const QString &name);
    QString Name() const;
    QLineEdit *NameEdit;
    QPushButton *OkBtn, *CancelBtn;
};

class TCompare : public AnalysisWindow {
    Q_OBJECT
public:
    TCompare(MainLoan &main, QWidget *parent = nullptr);

    // The compared loans, kept with the loan file; set by the program.
    std::function<std::vector<ComparedLoan>()> compared;
    std::function<void(const std::vector<ComparedLoan> &)> setCompared;
    // The fees of the Mortgage tab's loan.
    std::function<LoanFees()> fees;
    // Puts a column's loan into the Mortgage tab after the unsaved-changes
    // question; false when the user cancelled.
    std::function<bool(const ComparedLoan &)> loadLoan;

    void OpenWithLoans();
    // Reads the compared loans again and refills the table.
    void Recalculate();

    void AddBtnClick();
    void RenameBtnClick();
    void RemoveBtnClick();
    void MoveBtnClick(int by);
    void LoadBtnClick();
    void CopyBtnClick();
    void HelpBtnClick();

    ComparisonModel *Model() const { return model_; }
    TCompareNameDialog *NameDialog() const { return dialog_; }
    // The column (0-based loan) chosen in the table, or -1.
    int ChosenLoan() const;
    void ChooseLoan(int loan);
    TableSource ExportSource() const;
    // The table as its report prints it.
    ComparisonReport ReportInputs() const;

    QLabel *HeadingLabel, *NoteLabel, *TableLabel;
    TableView *CompareGrid;
    QPushButton *AddBtn, *RenameBtn, *RemoveBtn, *LeftBtn, *RightBtn, *LoadBtn, *CopyBtn, *PrintBtn, *CloseBtn,
        *HelpBtn;

protected:
    void RecalculateTable() override { Recalculate(); }

private:
    void Build();
    void UpdateButtons();
    std::vector<ComparedLoan> Loans() const;
    void Store(const std::vector<ComparedLoan> &loans, int chosen);

    MainLoan &main_;
    ComparisonModel *model_;
    TCompareNameDialog *dialog_;
};
