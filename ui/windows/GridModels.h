// Table models over the builders' rows: they keep the numbers and make money text
// only for the cells a view or a report asks for.
#pragma once

#include "AdditionalPayments.h"
#include "MortgageGrid.h"
#include "Schedule.h"

#include <QAbstractTableModel>

class ScheduleModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void SetRows(std::vector<ScheduleRow> rows);
    const std::vector<ScheduleRow> &Rows() const { return rows_; }
    QString CellText(int column, int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    std::vector<ScheduleRow> rows_;
};

// Grid row 0 is the heading row (the view's header); model row r is grid row r + 1.
class MortgageGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void SetGrid(MortgageGrid grid);
    const MortgageGrid &Grid() const { return grid_; }
    // A cell as the grid shows it, by grid column and grid row (row 0 the headings).
    QString CellText(int column, int gridRow) const;
    int GridRowCount() const { return static_cast<int>(grid_.amounts.size()) + 1; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    MortgageGrid grid_;
};

class AdditionalPaymentModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void SetRows(std::vector<AdditionalPaymentRow> rows);
    const std::vector<AdditionalPaymentRow> &Rows() const { return rows_; }
    QString CellText(int column, int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    std::vector<AdditionalPaymentRow> rows_;
};
