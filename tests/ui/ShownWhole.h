// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a window shows its captions, buttons, tabs and table headings whole.
#pragma once

#include "tests/ui/UiFixture.h"
#include "ui/common/Keyboard.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

// The label shows its whole text: its width takes the text and its frame (its height
// the lines of a wrapped text).
inline ::testing::AssertionResult ShowsWhole(const QLabel *label)
{
    if (!label->isVisible())
        return ::testing::AssertionSuccess();
    if (label->wordWrap()) {
        if (label->height() >= label->heightForWidth(label->width()))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << label->objectName().toStdString() << " lacks height";
    }
    const int needed = label->fontMetrics().horizontalAdvance(Keyboard::Plain(label->text())) + 2 * label->frameWidth()
                       + 2 * label->margin() + std::max(0, label->indent());
    if (label->width() >= needed)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << label->objectName().toStdString() << " \"" << label->text().toStdString()
                                         << "\" is " << label->width() << " px wide, needs " << needed;
}

// Controls a user reads or clicks; the layouts are to keep them apart.
inline bool IsControl(const QWidget *widget)
{
    return qobject_cast<const QLabel *>(widget) || qobject_cast<const QAbstractButton *>(widget)
           || qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget)
           || qobject_cast<const QGroupBox *>(widget) || qobject_cast<const QTabBar *>(widget)
           || qobject_cast<const QTableView *>(widget);
}

// The header band's title and its shadow, and its pictures, lie over one another on purpose.
inline bool DrawnOverOthers(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget())
        if (w->objectName() == QLatin1String("HeaderBand"))
            return true;
    return false;
}

// The width a button needs to show its text and icon whole with a little room: less
// than Qt's size hint, which adds margins and a minimum the design's buttons are under.
inline int TextWidthOf(const QAbstractButton *button)
{
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    int text = 0;
    for (const QString &line : Keyboard::Plain(button->text()).split(QLatin1Char('\n')))
        text = std::max(text, button->fontMetrics().horizontalAdvance(line));
    return text + icon + 4;
}

// Every caption of the window is shown whole, and no two controls overlap. At the
// design's size buttons keep the design's sizes, so there only their texts must fit.
inline void ExpectNothingCut(QWidget *window, const std::string &where, bool atDesignSize = false)
{
    for (QLabel *label : window->findChildren<QLabel *>())
        EXPECT_TRUE(ShowsWhole(label)) << where;
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (!button->isVisible() || button->text().isEmpty())
            continue;
        if (atDesignSize && qobject_cast<QPushButton *>(button)) {
            EXPECT_GE(button->width(), TextWidthOf(button)) << where << ": " << S(button->objectName());
        } else if (!atDesignSize) {
            EXPECT_GE(button->width(), button->sizeHint().width()) << where << ": " << S(button->objectName());
            EXPECT_GE(button->height(), button->sizeHint().height()) << where << ": " << S(button->objectName());
        } else {
            EXPECT_GE(button->width(), button->sizeHint().width()) << where << ": " << S(button->objectName());
        }
    }
    for (QGroupBox *group : window->findChildren<QGroupBox *>()) {
        if (group->isVisible()) {
            EXPECT_GE(group->width(), group->minimumSizeHint().width()) << where << ": " << S(group->title());
        }
    }
    for (QTabBar *bar : window->findChildren<QTabBar *>()) {
        if (!bar->isVisible())
            continue;
        for (int i = 0; i < bar->count(); ++i) {
            if (bar->isTabVisible(i)) {
                EXPECT_LE(bar->tabRect(i).right(), bar->width() - 1) << where << ": tab " << S(bar->tabText(i));
            }
        }
    }

    std::vector<QWidget *> parents{window};
    for (QWidget *child : window->findChildren<QWidget *>())
        parents.push_back(child);
    for (QWidget *parent : parents) {
        std::vector<QWidget *> controls;
        for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (child->isVisible() && IsControl(child) && !DrawnOverOthers(child))
                controls.push_back(child);
        for (std::size_t a = 0; a < controls.size(); ++a)
            for (std::size_t b = a + 1; b < controls.size(); ++b)
                EXPECT_FALSE(controls[a]->geometry().intersects(controls[b]->geometry()))
                    << where << ": " << S(controls[a]->objectName()) << " " << controls[a]->geometry().x() << ","
                    << controls[a]->geometry().y() << " " << controls[a]->width() << "x" << controls[a]->height()
                    << " overlaps " << S(controls[b]->objectName()) << " " << controls[b]->geometry().x() << ","
                    << controls[b]->geometry().y() << " " << controls[b]->width() << "x" << controls[b]->height();
    }
}

// Every heading of the window's tables is as wide as its text.
inline void ExpectHeadingsWhole(QWidget *window, const std::string &where)
{
    for (QTableView *table : window->findChildren<QTableView *>()) {
        // Some tables draw their headings as panels of their own, which are labels.
        if (!table->isVisible() || !table->model() || table->horizontalHeader()->isHidden())
            continue;
        const QHeaderView *header = table->horizontalHeader();
        for (int c = 0; c < table->model()->columnCount(); ++c) {
            if (header->isSectionHidden(c))
                continue;
            const QString text = table->model()->headerData(c, Qt::Horizontal).toString();
            // The header's font is its own, and a section keeps a few pixels for its frame.
            const int needed = QFontMetrics(header->font()).horizontalAdvance(text) + 4;
            EXPECT_GE(header->sectionSize(c), needed) << where << ": " << S(table->objectName()) << " heading \""
                                                      << S(text) << "\"";
        }
    }
}
