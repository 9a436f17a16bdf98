// SPDX-License-Identifier: GPL-3.0-or-later
// Table models over the builders' rows: they keep the numbers and make money text
// only for the cells a view or a report asks for.
#pragma once

#include "engine/TableTexts.h"

#include <QAbstractTableModel>
#include <QBrush>

#include <functional>

// Rows of a builder shown as text: money is formatted only for the cells asked for.
template <typename Row, int Columns, QString (*Cell)(const Row &, int, const TextStyle &)>
class RowsModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetRows(std::vector<Row> rows)
    {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    // The window shows the user's money text; copying and CSV ask for the machine style.
    QString CellText(int column, int row, const TextStyle &style = TextStyle::Shown()) const
    {
        if (row < 0 || row >= static_cast<int>(rows_.size()) || column < 0 || column >= Columns)
            return QString();
        return Cell(rows_[row], column, style);
    }

    const std::vector<Row> &Rows() const { return rows_; }

    // Where a window draws the headings in panels above its view, the view's own
    // header is hidden, but a screen reader still names the columns from it.
    void SetHeadings(std::function<QStringList()> headings) { headings_ = std::move(headings); }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (headings_ && orientation == Qt::Horizontal && (role == Qt::DisplayRole || role == Qt::AccessibleTextRole))
            return headings_().value(section);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : Columns; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::DisplayRole)
            return CellText(index.column(), index.row());
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (role == Qt::BackgroundRole && index.column() == 0)
            return FixedColumnBrush(); // the fixed first column
        if (role == Qt::ForegroundRole && index.column() == 0)
            return QBrush(Qt::black); // on that face in any theme
        return QVariant();
    }

private:
    static QVariant FixedColumnBrush();
    std::vector<Row> rows_;
    std::function<QStringList()> headings_;
};

class ScheduleModel : public RowsModel<ScheduleRow, ScheduleColumns, &ScheduleCellText> {
public:
    using RowsModel::RowsModel;
};

// Grid row 0 is the heading row (the view's header); model row r is grid row r + 1.
class MortgageGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void SetGrid(MortgageGrid grid);
    const MortgageGrid &Grid() const { return grid_; }
    // A cell by grid column and grid row (row 0 the headings), as the grid shows
    // it unless another style is asked for.
    QString CellText(int column, int gridRow, const TextStyle &style = TextStyle::Shown()) const;
    int GridRowCount() const { return static_cast<int>(grid_.amounts.size()) + 1; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    MortgageGrid grid_;
};

class AdditionalPaymentModel
    : public RowsModel<AdditionalPaymentRow, AdditionalPaymentColumns, &AdditionalPaymentCellText> {
public:
    using RowsModel::RowsModel;
};

// The payment plan's schedule, by payment or by year, with its headings.
class PlanModel : public RowsModel<PlanRow, PlanColumns, &PlanCellText> {
public:
    using RowsModel::RowsModel;
    void SetByYear(bool byYear) { byYear_ = byYear; }
    bool ByYear() const { return byYear_; }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    bool byYear_ = true;
};
