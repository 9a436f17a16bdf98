// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/Keyboard.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <vector>

namespace Keyboard {

namespace {

// A control whose caption carries an Alt key: a button, or a field's caption.
struct Captioned {
    QWidget *widget;
    QString Text() const
    {
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            return button->text();
        return static_cast<QLabel *>(widget)->text();
    }
    void SetText(const QString &text) const
    {
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            button->setText(text);
        else
            static_cast<QLabel *>(widget)->setText(text);
    }
};

// A tab page is a scope of its own: only its controls are shown at one time.
bool InOtherTabPage(const QWidget *widget, const QWidget *scope)
{
    for (const QWidget *w = widget; w && w != scope; w = w->parentWidget()) {
        const QWidget *stack = w->parentWidget();
        if (stack && stack != scope && qobject_cast<const QStackedWidget *>(stack)
            && qobject_cast<const QTabWidget *>(stack->parentWidget()))
            return true;
    }
    return false;
}

std::vector<Captioned> CaptionedIn(const QWidget *scope)
{
    std::vector<Captioned> controls;
    for (QWidget *w : scope->findChildren<QWidget *>()) {
        // Windows of their own (dialogs the scope owns) and other tab pages have their own keys.
        if (w->window() != scope->window() || InOtherTabPage(w, scope))
            continue;
        if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            if (!Plain(button->text()).trimmed().isEmpty())
                controls.push_back({w});
        } else if (auto *label = qobject_cast<QLabel *>(w); label && label->buddy()) {
            controls.push_back({w});
        }
    }
    return controls;
}

QString WithMarkerAt(const QString &plain, qsizetype at)
{
    QString text = plain;
    text.replace(QLatin1String("&"), QLatin1String("&&"));
    // Each '&' before the chosen letter became two.
    const qsizetype shift = plain.left(at).count(QLatin1Char('&'));
    return text.insert(at + shift, QLatin1Char('&'));
}

class EnterFilter : public QObject {
public:
    EnterFilter(QAbstractButton *button, QObject *parent) : QObject(parent), button_(button) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        // An open list takes Enter as the choice of an item.
        if (auto *list = qobject_cast<QComboBox *>(watched); list && list->view()->isVisible())
            return false;
        if (!button_ || !button_->isEnabled())
            return false;
        button_->click();
        return true;
    }

private:
    QPointer<QAbstractButton> button_;
};

class LeaveFilter : public QObject {
public:
    LeaveFilter(std::function<void()> handler, QObject *owner) : QObject(owner), handler_(std::move(handler)) {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::FocusOut)
            return false;
        switch (static_cast<QFocusEvent *>(event)->reason()) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::MouseFocusReason:
        case Qt::ShortcutFocusReason:
        case Qt::OtherFocusReason:
            handler_();
            break;
        default:
            break;
        }
        return false;
    }

private:
    std::function<void()> handler_;
};

class WheelFilter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Wheel || static_cast<QWidget *>(watched)->hasFocus())
            return false;
        // Not for this list: the event goes on to the widgets around it.
        event->ignore();
        return true;
    }
};

} // namespace

QString Plain(const QString &caption)
{
    if (!caption.contains(QLatin1Char('&')))
        return caption;
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
                plain += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        plain += caption[i];
    }
    return plain;
}

QChar MnemonicOf(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toUpper();
        ++i;
    }
    return QChar();
}

namespace {

// The positions of a caption's letters a key may take, best first: word
// initials, then the other letters and digits; one position per key.
std::vector<qsizetype> Candidates(const QString &plain)
{
    std::vector<qsizetype> positions;
    QSet<QChar> seen;
    for (int pass = 0; pass < 2; ++pass) {
        for (qsizetype i = 0; i < plain.size(); ++i) {
            const QChar c = plain[i];
            const bool initial = i == 0 || !plain[i - 1].isLetterOrNumber();
            if (!c.isLetterOrNumber() || seen.contains(c.toUpper()) || (pass == 0) != initial)
                continue;
            seen.insert(c.toUpper());
            positions.push_back(i);
        }
    }
    return positions;
}

// Gives keys to the controls without one, each its best letter that no other
// control needs more; false when a control is left without one.
bool GiveKeys(std::vector<const Captioned *> unmarked, const QSet<QChar> &used)
{
    // Buttons choose first, so that OK, Calculate and Print get their initials;
    // field captions last, as they have the most letters to choose from.
    auto rank = [](const Captioned *control) {
        if (qobject_cast<QPushButton *>(control->widget) || qobject_cast<QToolButton *>(control->widget))
            return 0;
        return qobject_cast<QAbstractButton *>(control->widget) ? 1 : 2;
    };
    std::stable_sort(unmarked.begin(), unmarked.end(),
                     [&](const Captioned *a, const Captioned *b) { return rank(a) < rank(b); });
    const std::size_t n = unmarked.size();
    std::vector<QString> plain(n);
    std::vector<std::vector<qsizetype>> candidates(n);
    for (std::size_t i = 0; i < n; ++i) {
        plain[i] = Plain(unmarked[i]->Text());
        candidates[i] = Candidates(plain[i]);
    }
    // A matching of controls to keys: a later control may move an earlier one
    // to another of its letters when that frees the only letter it has.
    QHash<QChar, std::size_t> owner;
    std::vector<qsizetype> chosen(n, -1);
    std::function<bool(std::size_t, QSet<QChar> &)> place = [&](std::size_t i, QSet<QChar> &tried) {
        for (qsizetype at : candidates[i]) {
            const QChar key = plain[i][at].toUpper();
            if (used.contains(key) || tried.contains(key))
                continue;
            tried.insert(key);
            const auto holder = owner.constFind(key);
            if (holder == owner.constEnd() || place(*holder, tried)) {
                owner[key] = i;
                chosen[i] = at;
                return true;
            }
        }
        return false;
    };
    bool all = true;
    for (std::size_t i = 0; i < n; ++i) {
        QSet<QChar> tried;
        all = place(i, tried) && all;
    }
    for (std::size_t i = 0; i < n; ++i)
        unmarked[i]->SetText(chosen[i] < 0 ? plain[i] : WithMarkerAt(plain[i], chosen[i]));
    return all;
}

} // namespace

void AssignMnemonics(QWidget *scope, const QSet<QChar> &taken)
{
    const std::vector<Captioned> controls = CaptionedIn(scope);
    QSet<QChar> used = taken;
    std::vector<const Captioned *> unmarked;
    for (const Captioned &control : controls) {
        const QChar key = MnemonicOf(control.Text());
        if (!key.isNull() && !used.contains(key))
            used.insert(key);
        else
            unmarked.push_back(&control);
    }
    if (unmarked.empty() || GiveKeys(unmarked, used))
        return;
    // A new caption found all its letters taken: choose afresh for the whole scope.
    std::vector<const Captioned *> all;
    for (const Captioned &control : controls)
        all.push_back(&control);
    GiveKeys(all, taken);
}

QList<QChar> MnemonicsIn(const QWidget *scope)
{
    QList<QChar> keys;
    for (const Captioned &control : CaptionedIn(scope))
        keys << MnemonicOf(control.Text());
    return keys;
}

void EnterPresses(std::initializer_list<QWidget *> controls, QAbstractButton *button)
{
    for (QWidget *control : controls)
        control->installEventFilter(new EnterFilter(button, control));
}

void WheelOnlyWhenFocused(QComboBox *list)
{
    list->setFocusPolicy(Qt::StrongFocus);
    list->installEventFilter(new WheelFilter(list));
}

void OnLeave(QWidget *field, QObject *owner, std::function<void()> handler)
{
    field->installEventFilter(new LeaveFilter(std::move(handler), owner));
}

void HelpKeyPresses(QWidget *window, std::function<QAbstractButton *()> inFront)
{
    auto *key = new QShortcut(QKeySequence::HelpContents, window);
    QObject::connect(key, &QShortcut::activated, window, [inFront = std::move(inFront)] {
        if (QAbstractButton *button = inFront(); button && button->isEnabled())
            button->click();
    });
}

void HelpKeyPresses(QWidget *window, QAbstractButton *button)
{
    HelpKeyPresses(window, [button = QPointer<QAbstractButton>(button)] { return button.data(); });
}

void TabOrder(std::initializer_list<QWidget *> controls)
{
    QWidget *previous = nullptr;
    for (QWidget *control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void NameFieldsForReaders(QWidget *scope)
{
    for (QLabel *label : scope->findChildren<QLabel *>())
        if (QWidget *field = label->buddy(); field && label->window() == scope->window())
            field->setAccessibleName(Plain(label->text()).trimmed());
    for (QComboBox *list : scope->findChildren<QComboBox *>()) {
        if (!list->accessibleName().isEmpty())
            continue;
        if (auto *group = qobject_cast<QGroupBox *>(list->parentWidget()))
            list->setAccessibleName(Plain(group->title()).trimmed());
    }
}

} // namespace Keyboard
