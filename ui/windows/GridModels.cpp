// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/GridModels.h"

#include "ui/common/Look.h"

#include <QBrush>
#include <QFont>

template <typename Row, int Columns>
QVariant RowsModel<Row, Columns>::FixedColumnBrush()
{
    return QBrush(Look::ButtonFace());
}
template class RowsModel<ScheduleRow, 6>;
template class RowsModel<AdditionalPaymentRow, 5>;

QString ScheduleModel::Text(const ScheduleRow &r, int column) const
{
    return ScheduleCellText(r, column);
}

QString AdditionalPaymentModel::Text(const AdditionalPaymentRow &r, int column) const
{
    switch (column) {
    case 0: return QString::number(r.years);
    case 1: return MoneyText(r.additional);
    case 2: return MoneyText(r.payment);
    case 3: return MoneyText(r.totalInterest);
    default: return MoneyText(r.interestSaved);
    }
}

void MortgageGridModel::SetGrid(MortgageGrid grid)
{
    beginResetModel();
    grid_ = std::move(grid);
    endResetModel();
}

QString MortgageGridModel::CellText(int column, int gridRow) const
{
    if (column < 0 || column > MortgageGrid::RateColumns)
        return QString();
    if (gridRow == 0) {
        if (column == 0)
            return QStringLiteral("Amt/Int");
        return grid_.amounts.empty() ? QString() : MortgageGridRateHeading(grid_.rates[column - 1]);
    }
    const int r = gridRow - 1;
    if (r < 0 || r >= static_cast<int>(grid_.amounts.size()))
        return QString();
    if (column == 0)
        return MoneyText(grid_.amounts[r], MoneyFormat::NoDecimals);
    return MoneyText(grid_.repayments[r][column - 1], MoneyFormat::TwoDecimals);
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
        return CellText(section, 0);
    return QAbstractTableModel::headerData(section, orientation, role);
}
