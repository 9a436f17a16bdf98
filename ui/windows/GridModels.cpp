// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/GridModels.h"

#include "ui/common/Look.h"

#include <QBrush>
#include <QFont>

template <typename Row, int Columns, QString (*Cell)(const Row &, int, const TextStyle &)>
QVariant RowsModel<Row, Columns, Cell>::FixedColumnBrush()
{
    return QBrush(Look::ButtonFace());
}
template class RowsModel<ScheduleRow, ScheduleColumns, &ScheduleCellText>;
template class RowsModel<AdditionalPaymentRow, AdditionalPaymentColumns, &AdditionalPaymentCellText>;
template class RowsModel<PlanRow, PlanColumns, &PlanCellText>;

QVariant PlanModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return PlanHeadings(byYear_, TextStyle::Screen()).value(section);
}

void MortgageGridModel::SetGrid(MortgageGrid grid)
{
    beginResetModel();
    grid_ = std::move(grid);
    endResetModel();
}

QString MortgageGridModel::CellText(int column, int gridRow, const TextStyle &style) const
{
    if (column < 0 || column >= MortgageGridColumns)
        return QString();
    if (gridRow == 0) {
        // A grid not yet built has no rates to head its columns with.
        if (column > 0 && grid_.amounts.empty())
            return QString();
        return MortgageGridHeadings(grid_, style)[column];
    }
    return MortgageGridCellText(grid_, gridRow - 1, column, style);
}

int MortgageGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(grid_.amounts.size());
}

int MortgageGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : MortgageGrid::RateColumns + 1;
}

QVariant MortgageGridModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::DisplayRole)
        return CellText(index.column(), index.row() + 1);
    return QVariant();
}

QVariant MortgageGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return CellText(section, 0, TextStyle::Screen());
    return QAbstractTableModel::headerData(section, orientation, role);
}
