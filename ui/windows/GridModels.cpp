#include "GridModels.h"

#include "Look.h"

#include <QBrush>
#include <QFont>

namespace {

QVariant FixedColumnBackground(int column)
{
    return column == 0 ? QVariant(QBrush(Look::ButtonFace())) : QVariant();
}

} // namespace

void ScheduleModel::SetRows(std::vector<ScheduleRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

QString ScheduleModel::CellText(int column, int row) const
{
    if (row < 0 || row >= static_cast<int>(rows_.size()))
        return QString();
    const ScheduleRow &r = rows_[row];
    switch (column) {
    case 0: return QString::number(r.period);
    case 1: return MoneyText(r.interest);
    case 2: return MoneyText(r.capital);
    case 3: return MoneyText(r.balance);
    case 4: return MoneyText(r.accumulatedInterest);
    case 5: return MoneyText(r.accumulatedCapital);
    default: return QString();
    }
}

int ScheduleModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ScheduleModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 6;
}

QVariant ScheduleModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::DisplayRole)
        return CellText(index.column(), index.row());
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::BackgroundRole)
        return FixedColumnBackground(index.column());
    return QVariant();
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

void AdditionalPaymentModel::SetRows(std::vector<AdditionalPaymentRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

QString AdditionalPaymentModel::CellText(int column, int row) const
{
    if (row < 0 || row >= static_cast<int>(rows_.size()))
        return QString();
    const AdditionalPaymentRow &r = rows_[row];
    switch (column) {
    case 0: return QString::number(r.years);
    case 1: return MoneyText(r.additional);
    case 2: return MoneyText(r.payment);
    case 3: return MoneyText(r.totalInterest);
    case 4: return MoneyText(r.interestSaved);
    default: return QString();
    }
}

int AdditionalPaymentModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int AdditionalPaymentModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 5;
}

QVariant AdditionalPaymentModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::DisplayRole)
        return CellText(index.column(), index.row());
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::BackgroundRole)
        return FixedColumnBackground(index.column());
    return QVariant();
}
