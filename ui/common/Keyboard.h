// SPDX-License-Identifier: GPL-3.0-or-later
// Working a window from the keyboard: Alt keys on captions and buttons, Enter on
// lists and option buttons, a mouse wheel that leaves unfocused lists alone, the
// Tab order, F1 for help, and names a screen reader reads.
#pragma once

#include "engine/LoanChecks.h"
#include "platform/Platform.h"

#include <QSet>
#include <QString>

#include <functional>
#include <initializer_list>

class QAbstractButton;
class QAbstractItemView;
class QComboBox;
class QObject;
class QWidget;

namespace Keyboard {

// A caption's words without its Alt-key marker: "&Amount" reads "Amount", "&&" reads "&".
QString Plain(const QString &caption);
// The Alt key a caption carries ('A' for "&Amount"), or a null character.
QChar MnemonicOf(const QString &caption);

// Gives every button, every caption of a field or of a group holding a list, and
// every tab inside `scope` an Alt key that no other one there has nor `taken`
// holds. One letter of the caption is underlined; its words do not change. A
// control keeps the key it had first while its caption holds that letter, and
// keys stay off the words that change with the frequency where they can. Run
// again after captions change.
void AssignMnemonics(QWidget *scope, const QSet<QChar> &taken = {});
// The Alt keys of the buttons and field captions inside `scope`, one per control.
QList<QChar> MnemonicsIn(const QWidget *scope);

// Enter on a drop-down list or an option button presses `button`, as it does in
// the edit boxes.
void EnterPresses(std::initializer_list<QWidget *> controls, QAbstractButton *button);
// The mouse wheel changes the list only while it has the focus; otherwise the
// wheel goes to the window around it.
void WheelOnlyWhenFocused(QComboBox *list);
// F1 in `window` presses the help button `inFront` answers: the one of the
// window, or of the tab shown. None: F1 does nothing there.
void HelpKeyPresses(QWidget *window, std::function<QAbstractButton *()> inFront);
void HelpKeyPresses(QWidget *window, QAbstractButton *button);
// Tab and Shift+Tab, with or without Ctrl, go on from the table to the window's
// next or previous control; the arrow keys move between its cells. Inside a tab
// page Ctrl+Tab still changes the page.
void TabLeaves(QAbstractItemView *table);
// Tab visits the controls in this order.
void TabOrder(std::initializer_list<QWidget *> controls);
// Names every field after its caption for screen readers, where it has none yet.
void NameFieldsForReaders(QWidget *scope);
// Takes the user to `field`: its tab page to the front, the focus in it and its
// text selected, so what is typed next replaces it.
void GoToField(QWidget *field);
// Shows the message of a check that refused a field, then goes to that field.
// No field: the focus stays where it was.
void ShowFault(QWidget *window, const Message &message, QWidget *field,
               MessageButtons buttons = MessageButtons::Ok);
// A window's fields of a loan, for a loan check to name the one at fault; the
// years field answers for the whole term.
struct LoanFields {
    QWidget *frequency = nullptr;
    QWidget *amount = nullptr;
    QWidget *years = nullptr;
    QWidget *rate = nullptr;
    QWidget *partYear = nullptr; // the years field when not given
    QWidget *At(LoanField field) const;
};
void ShowFault(QWidget *window, const LoanProblem &problem, const LoanFields &fields,
               MessageButtons buttons = MessageButtons::Ok);
// Runs `handler` when the user takes the focus from `field` to another control
// (Tab, a click, an Alt key, another tab page), not when a message box, menu or
// another program takes it for a while. It stops when `owner` is deleted.
void OnLeave(QWidget *field, QObject *owner, std::function<void()> handler);

} // namespace Keyboard
