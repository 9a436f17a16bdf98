// SPDX-License-Identifier: GPL-3.0-or-later
// Small controls the main window's tabs build alike.
#pragma once

#include "engine/MortgageFunctions.h"

#include <QComboBox>
#include <QRadioButton>

class QGroupBox;

namespace MainControls {

// The main window's client area below the menu: header band and tabs.
constexpr int kClientWidth = 525;
constexpr int kClientHeight = 401;

// A fixed list of the payment and compounding frequencies. Each item shows its name
// in the user's language and holds the English selector, which is what the program
// reads, compares and saves.
inline QComboBox *FrequencyList(const QString &name, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    for (const QString &selector : FrequencyTexts())
        list->addItem(ShownFrequencyText(selector), selector);
    list->setEditable(false);
    return list;
}

inline QRadioButton *Radio(const QString &name, const QString &text, QWidget *parent)
{
    auto *radio = new QRadioButton(text, parent);
    radio->setObjectName(name);
    return radio;
}

// The English selector of the list's current item ("Monthly").
inline QString Selector(const QComboBox *list)
{
    return list->currentData().toString();
}

// The payment frequency with its timing (in arrears, in advance), and the
// compounding frequency: one group each.
struct FrequencyGroups {
    QGroupBox *paymentGroup;
    QComboBox *payment;
    QRadioButton *arrears, *advance;
    QGroupBox *compoundingGroup;
    QComboBox *compounding;
};

// The objectNames of the groups' controls, and the payment group's title.
struct FrequencyGroupNames {
    const char *paymentGroup, *paymentTitle, *payment, *arrears, *advance;
    const char *compoundingGroup, *compounding;
};

// Stacked groups (the Mortgage tab) keep roomier margins and the compounding list
// at its own width; side by side (the What If? tab) they are tighter and the list
// fills its narrower group.
enum class GroupsStand { Stacked, SideBySide };

// Both groups, made in that order: the payment group and its controls, then the
// compounding group and its list. In arrears is checked.
FrequencyGroups BuildFrequencyGroups(QWidget *tab, const FrequencyGroupNames &names, GroupsStand stand);

} // namespace MainControls
