// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/MainControls.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>

namespace MainControls {

FrequencyGroups BuildFrequencyGroups(QWidget *tab, const FrequencyGroupNames &names, GroupsStand stand)
{
    const bool stacked = stand == GroupsStand::Stacked;
    const QMargins margins = stacked ? QMargins(8, 4, 8, 6) : QMargins(8, 2, 8, 4);
    FrequencyGroups groups;
    groups.paymentGroup = new QGroupBox(QCoreApplication::translate("MainControls", names.paymentTitle), tab);
    groups.paymentGroup->setObjectName(QLatin1String(names.paymentGroup));
    groups.payment = FrequencyList(QLatin1String(names.payment), groups.paymentGroup);
    groups.arrears = Radio(QLatin1String(names.arrears), QCoreApplication::translate("MainControls", "In Arrears"), groups.paymentGroup);
    groups.advance = Radio(QLatin1String(names.advance), QCoreApplication::translate("MainControls", "In Advance"), groups.paymentGroup);
    groups.arrears->setChecked(true);
    auto *paymentLayout = new QGridLayout(groups.paymentGroup);
    paymentLayout->setContentsMargins(margins);
    paymentLayout->setVerticalSpacing(stacked ? 3 : 2);
    paymentLayout->addWidget(groups.payment, 0, 0, 1, 2);
    paymentLayout->addWidget(groups.arrears, 1, 0);
    paymentLayout->addWidget(groups.advance, 1, 1);

    groups.compoundingGroup = new QGroupBox(QCoreApplication::translate("MainControls", "Interest Compounded"), tab);
    groups.compoundingGroup->setObjectName(QLatin1String(names.compoundingGroup));
    groups.compounding = FrequencyList(QLatin1String(names.compounding), groups.compoundingGroup);
    auto *compoundingLayout = new QBoxLayout(stacked ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom,
                                             groups.compoundingGroup);
    compoundingLayout->setContentsMargins(margins);
    compoundingLayout->addWidget(groups.compounding);
    compoundingLayout->addStretch();
    return groups;
}

} // namespace MainControls
