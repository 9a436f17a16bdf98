// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/Keyboard.h"

#include "engine/MortgageFunctions.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <vector>

namespace Keyboard {

namespace {

// A control whose caption carries an Alt key: a button, a field's caption, the
// caption of a group holding a list, or one tab of a tab bar.
struct Captioned {
    QWidget *widget;
    int tab = -1;
    QString Text() const
    {
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            return button->text();
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            return group->title();
        if (tab >= 0)
            return static_cast<QTabBar *>(widget)->tabText(tab);
        return static_cast<QLabel *>(widget)->text();
    }
    void SetText(const QString &text) const
    {
        if (text == Text())
            return;
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            button->setText(text);
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            group->setTitle(text);
        else if (tab >= 0)
            static_cast<QTabBar *>(widget)->setTabText(tab, text);
        else
            static_cast<QLabel *>(widget)->setText(text);
    }
    // The key the control had first; it keeps it while its caption holds the letter.
    QByteArray KeyProperty() const
    {
        return tab < 0 ? QByteArrayLiteral("quovellaAltKey") : "quovellaAltKey" + QByteArray::number(tab);
    }
    QChar Remembered() const { return widget->property(KeyProperty().constData()).value<QChar>(); }
    void Remember(QChar key) const { widget->setProperty(KeyProperty().constData(), QVariant::fromValue(key)); }
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

// A group's caption takes the focus to the list inside it, as a label does for its field.
bool HoldsList(const QGroupBox *group)
{
    return !group->isCheckable() && !group->findChildren<QComboBox *>(Qt::FindDirectChildrenOnly).isEmpty();
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
        } else if (auto *group = qobject_cast<QGroupBox *>(w); group && HoldsList(group)) {
            controls.push_back({w});
        } else if (auto *bar = qobject_cast<QTabBar *>(w); bar && qobject_cast<QTabWidget *>(bar->parentWidget())) {
            for (int i = 0; i < bar->count(); ++i)
                controls.push_back({w, i});
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

// The focus moving to a field at fault is not the user leaving the field before.
bool goingToFault = false;

class LeaveFilter : public QObject {
public:
    LeaveFilter(std::function<void()> handler, QObject *owner) : QObject(owner), handler_(std::move(handler)) {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::FocusOut || goingToFault)
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

class ControlTabFilter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (!tab || !(key->modifiers() & Qt::ControlModifier))
            return false;
        auto *table = static_cast<QWidget *>(watched);
        for (QWidget *w = table->parentWidget(); w && !w->isWindow(); w = w->parentWidget())
            if (qobject_cast<QTabWidget *>(w))
                return false;
        const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
        QKeyEvent plain(QEvent::KeyPress, back ? Qt::Key_Backtab : Qt::Key_Tab,
                        back ? Qt::ShiftModifier : Qt::NoModifier);
        QCoreApplication::sendEvent(table, &plain);
        return true;
    }
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

// The words of the frequencies' captions ("Monthly", "Week", "Fortnight") that
// come and go as the user changes the frequency: a key on one of them would not
// stay. Words every frequency's captions share ("Payment") are not among them.
const QSet<QString> &PassingWords()
{
    static const QSet<QString> words = [] {
        auto wordsOf = [](const Frequency &f) {
            QSet<QString> set;
            for (const QString &text : {f.selector, f.unitName, f.partYearCaption, f.repaymentSentence,
                                        f.additionalGridLabel, f.scheduleOption, f.scheduleRepaymentCaption,
                                        f.chooserWord, f.specificUnit}) {
                QString word;
                for (const QChar c : text + QLatin1Char(' ')) {
                    if (c.isLetter()) {
                        word += c.toLower();
                    } else if (!word.isEmpty()) {
                        set.insert(word);
                        word.clear();
                    }
                }
            }
            return set;
        };
        QSet<QString> any;
        QSet<QString> every = wordsOf(Frequencies().front());
        for (const Frequency &f : Frequencies()) {
            const QSet<QString> own = wordsOf(f);
            any.unite(own);
            every.intersect(own);
        }
        return any.subtract(every);
    }();
    return words;
}

// The positions of a caption's letters a key may take, best first: the initials
// of its lasting words, their other letters and digits, then those of the words
// that pass with the frequency; one position per key.
std::vector<qsizetype> Candidates(const QString &plain)
{
    std::vector<bool> passing(static_cast<std::size_t>(plain.size()), false);
    for (qsizetype i = 0; i < plain.size();) {
        qsizetype j = i;
        while (j < plain.size() && plain[j].isLetter())
            ++j;
        if (j > i && PassingWords().contains(plain.mid(i, j - i).toLower()))
            std::fill(passing.begin() + i, passing.begin() + j, true);
        i = std::max(j, i + 1);
    }
    std::vector<qsizetype> positions;
    QSet<QChar> seen;
    for (int pass = 0; pass < 4; ++pass) {
        for (qsizetype i = 0; i < plain.size(); ++i) {
            const QChar c = plain[i];
            const bool initial = i == 0 || !plain[i - 1].isLetterOrNumber();
            if (!c.isLetterOrNumber() || seen.contains(c.toUpper()) || (pass % 2 == 0) != initial
                || (pass >= 2) != passing[static_cast<std::size_t>(i)])
                continue;
            seen.insert(c.toUpper());
            positions.push_back(i);
        }
    }
    return positions;
}

// Buttons choose first, so that OK, Calculate and Print get their initials; the
// captions of what the user types or chooses after them, then tabs, and the
// captions of results last: where a window has more captions than letters, a
// result is the one read without an Alt key.
int Rank(const Captioned &control)
{
    if (qobject_cast<QPushButton *>(control.widget) || qobject_cast<QToolButton *>(control.widget))
        return 0;
    if (qobject_cast<QAbstractButton *>(control.widget))
        return 1;
    if (control.tab >= 0)
        return 3;
    if (auto *label = qobject_cast<QLabel *>(control.widget)) {
        const QWidget *field = label->buddy();
        const auto *edit = qobject_cast<const QLineEdit *>(field);
        if (qobject_cast<const QLabel *>(field) || (edit && edit->isReadOnly()))
            return 4;
    }
    return 2;
}

} // namespace

namespace {

// How many captions on the tab pages of the tab widgets in `scope` use each
// letter: a control outside the pages shares no key with any of them, so it
// takes the letters they need least.
QHash<QChar, int> LettersOnPages(const QWidget *scope)
{
    QHash<QChar, int> uses;
    for (const QTabWidget *tabs : scope->findChildren<QTabWidget *>()) {
        if (tabs->window() != scope->window() || InOtherTabPage(tabs, scope))
            continue;
        for (int i = 0; i < tabs->count(); ++i)
            for (const Captioned &control : CaptionedIn(tabs->widget(i))) {
                QSet<QChar> letters;
                for (const QChar c : Plain(control.Text()))
                    if (c.isLetterOrNumber())
                        letters.insert(c.toUpper());
                for (const QChar c : letters)
                    ++uses[c];
            }
    }
    return uses;
}

bool OnAPage(const QWidget *widget, const QWidget *scope)
{
    for (const QWidget *w = widget; w && w != scope; w = w->parentWidget())
        if (auto *tabs = qobject_cast<const QTabWidget *>(w->parentWidget() ? w->parentWidget()->parentWidget() : nullptr);
            tabs && tabs->indexOf(const_cast<QWidget *>(w)) >= 0)
            return true;
    return false;
}

} // namespace

void AssignMnemonics(QWidget *scope, const QSet<QChar> &taken)
{
    std::vector<Captioned> controls = CaptionedIn(scope);
    std::stable_sort(controls.begin(), controls.end(),
                     [](const Captioned &a, const Captioned &b) { return Rank(a) < Rank(b); });
    const QHash<QChar, int> onPages = LettersOnPages(scope);
    const std::size_t n = controls.size();
    std::vector<QString> plain(n);
    std::vector<std::vector<qsizetype>> candidates(n);
    std::vector<bool> pinned(n, false);
    QHash<QChar, std::size_t> owner;
    std::vector<qsizetype> chosen(n, -1);
    for (std::size_t i = 0; i < n; ++i) {
        const Captioned &control = controls[i];
        const QString text = control.Text();
        plain[i] = Plain(text);
        candidates[i] = Candidates(plain[i]);
        if (!onPages.isEmpty() && !OnAPage(control.widget, scope))
            std::stable_sort(candidates[i].begin(), candidates[i].end(), [&](qsizetype a, qsizetype b) {
                return onPages.value(plain[i][a].toUpper()) < onPages.value(plain[i][b].toUpper());
            });
        // A key written into the caption by hand is the one it asks for.
        if (control.Remembered().isNull() && !MnemonicOf(text).isNull())
            control.Remember(MnemonicOf(text));
        // The control's first key leads, wherever its caption holds the letter,
        // and is kept outright when no control before it has it.
        const QChar first = control.Remembered();
        const auto at = std::find_if(candidates[i].begin(), candidates[i].end(),
                                     [&](qsizetype p) { return plain[i][p].toUpper() == first; });
        if (at == candidates[i].end())
            continue;
        std::rotate(candidates[i].begin(), at, at + 1);
        if (!taken.contains(first) && !owner.contains(first)) {
            owner[first] = i;
            chosen[i] = candidates[i].front();
            pinned[i] = true;
        }
    }
    // The others in a fixed order: each takes its best free letter, and moves a
    // control before it to another of that one's letters only when none is free.
    std::function<bool(std::size_t, QSet<QChar> &)> place = [&](std::size_t i, QSet<QChar> &tried) {
        for (qsizetype at : candidates[i]) {
            const QChar key = plain[i][at].toUpper();
            if (!taken.contains(key) && !owner.contains(key)) {
                owner[key] = i;
                chosen[i] = at;
                return true;
            }
        }
        for (qsizetype at : candidates[i]) {
            const QChar key = plain[i][at].toUpper();
            if (taken.contains(key) || tried.contains(key))
                continue;
            tried.insert(key);
            const auto holder = owner.constFind(key);
            if (holder == owner.constEnd() || (!pinned[*holder] && place(*holder, tried))) {
                owner[key] = i;
                chosen[i] = at;
                return true;
            }
        }
        return false;
    };
    auto placeAll = [&] {
        bool all = true;
        for (std::size_t i = 0; i < n; ++i) {
            QSet<QChar> tried;
            all = (chosen[i] >= 0 || place(i, tried)) && all;
        }
        return all;
    };
    if (!placeAll()) {
        // Keeping every first key leaves a control without one: only then do they
        // move, those along one chain of moves.
        std::fill(pinned.begin(), pinned.end(), false);
        if (!placeAll()) {
            // More captions than letters: the order of rank decides which goes without.
            owner.clear();
            std::fill(chosen.begin(), chosen.end(), -1);
            placeAll();
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        const Captioned &control = controls[i];
        if (chosen[i] < 0) {
            control.SetText(plain[i]);
            continue;
        }
        control.SetText(WithMarkerAt(plain[i], chosen[i]));
        if (control.Remembered().isNull())
            control.Remember(plain[i][chosen[i]].toUpper());
    }
}

QList<QChar> MnemonicsIn(const QWidget *scope)
{
    QList<QChar> keys;
    for (const Captioned &control : CaptionedIn(scope))
        keys << MnemonicOf(control.Text());
    return keys;
}

void GoToField(QWidget *field)
{
    if (!field)
        return;
    const QScopedValueRollback<bool> going(goingToFault, true);
    for (QWidget *page = field; page; page = page->parentWidget()) {
        QWidget *stack = page->parentWidget();
        auto *tabs = stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
        if (tabs && tabs->indexOf(page) >= 0)
            tabs->setCurrentWidget(page);
    }
    field->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
    else if (auto *list = qobject_cast<QComboBox *>(field); list && list->lineEdit())
        list->lineEdit()->selectAll();
}

void ShowFault(QWidget *window, const Message &message, QWidget *field, MessageButtons buttons)
{
    ThePlatform().ShowMessage(window, message.text, message.kind, buttons);
    GoToField(field);
}

QWidget *LoanFields::At(LoanField field) const
{
    switch (field) {
    case LoanField::Frequency: return frequency;
    case LoanField::Amount: return amount;
    case LoanField::Term: return years;
    case LoanField::PartYear: return partYear ? partYear : years;
    case LoanField::Rate: return rate;
    }
    return nullptr;
}

void ShowFault(QWidget *window, const LoanProblem &problem, const LoanFields &fields, MessageButtons buttons)
{
    ShowFault(window, problem.message, fields.At(problem.field), buttons);
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

void TabLeaves(QAbstractItemView *table)
{
    table->setTabKeyNavigation(false);
    table->installEventFilter(new ControlTabFilter(table));
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
