// SPDX-License-Identifier: GPL-3.0-or-later
// Working a window from the keyboard: Alt keys on captions and buttons, Enter on
// lists and option buttons, a mouse wheel that leaves unfocused lists alone, the
// Tab order, F1 for help, and names a screen reader reads.
#pragma once

#include <QSet>
#include <QString>

#include <functional>
#include <initializer_list>

class QAbstractButton;
class QComboBox;
class QObject;
class QWidget;

namespace Keyboard {

// A caption's words without its Alt-key marker: "&Amount" reads "Amount", "&&" reads "&".
QString Plain(const QString &caption);
// The Alt key a caption carries ('A' for "&Amount"), or a null character.
QChar MnemonicOf(const QString &caption);

// Gives every button and every caption of a field inside `scope` an Alt key that
// no other one there has, keeping those already given and the ones in `taken`.
// One letter of the caption is underlined; its words do not change. Run again
// after captions change.
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
// Tab visits the controls in this order.
void TabOrder(std::initializer_list<QWidget *> controls);
// Names every field after its caption for screen readers, where it has none yet.
void NameFieldsForReaders(QWidget *scope);
// Runs `handler` when the user takes the focus from `field` to another control
// (Tab, a click, an Alt key, another tab page), not when a message box, menu or
// another program takes it for a while. It stops when `owner` is deleted.
void OnLeave(QWidget *field, QObject *owner, std::function<void()> handler);

} // namespace Keyboard
