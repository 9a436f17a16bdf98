// SPDX-License-Identifier: GPL-3.0-or-later
// Small controls the main window's tabs build alike.
#pragma once

#include "engine/MortgageFunctions.h"

#include <QComboBox>
#include <QRadioButton>

namespace MainControls {

// The main window's client area below the menu: header band and tabs.
constexpr int kClientWidth = 525;
constexpr int kClientHeight = 401;

// A fixed list of the payment and compounding frequencies.
inline QComboBox *FrequencyList(const QString &name, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(FrequencyTexts());
    list->setEditable(false);
    return list;
}

inline QRadioButton *Radio(const QString &name, const QString &text, QWidget *parent)
{
    auto *radio = new QRadioButton(text, parent);
    radio->setObjectName(name);
    return radio;
}

} // namespace MainControls
