// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog that adds or edits one event of the payment plan, and the pieces the
// plan's window shares with it.
#pragma once

#include "engine/PaymentPlan.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// An event's kind: in English for the printed report, or shown in the user's language.
QString PlanEventKindText(PlanEventKind kind, bool shown);
// A short field for a number, as the plan's windows have them.
QLineEdit *PlanNumberEdit(const char *name, QWidget *parent);
// A date field with a calendar, in the user's way of writing dates; today to start.
QDateEdit *PlanDateEdit(const QString &name, QWidget *parent);

// Where an event falls, as the user chose to give it.
enum class PlanPlaceBy { Payment, YearAndPeriod, Date };

// Adds or edits one event of the plan; OK checks it before the dialog closes.
class TPlanEventDialog : public QDialog {
    Q_OBJECT
public:
    explicit TPlanEventDialog(QWidget *parent);

    // Ready for the event at `index` (0-based; the next free index when adding) of
    // a loan of `payments` payments, `perYear` a year, the first on `firstPayment`
    // (not valid: payments have no dates and no date can be chosen).
    void Prepare(const PlanEvent &event, int index, int payments, int perYear, const QDate &firstPayment);
    // The event as the fields hold it, after OK.
    PlanEvent Event() const { return event_; }
    // OK: the event checked as a saved plan's events are; a fault is told, naming
    // the event, and the focus goes back to its field.
    void OkBtnClick();
    // Shows the fields of the kind and of the way the payments are chosen.
    void KindChange();

    QLabel *KindLabel, *ValueLabel, *ByLabel, *FromLabel, *ToLabel;
    QComboBox *EventKind, *EventBy;
    QLineEdit *EventValue, *EventFrom, *EventFromYear, *EventFromPeriod, *EventTo, *EventToYear, *EventToPeriod;
    QDateEdit *EventFromDate, *EventToDate;
    QCheckBox *EventToByDate, *EventLower;
    QLabel *FromPeriodLabel, *ToPeriodLabel, *ToNote;
    QPushButton *OkBtn, *CancelBtn;

private:
    PlanPlaceBy By() const;
    // A payment number from the fields of one place; nothing and the field at
    // fault when they hold no number. `empty` is what an empty place means.
    std::optional<int> Place(QLineEdit *number, QLineEdit *year, QLineEdit *period, QDateEdit *date,
                             int empty, QWidget *&fault) const;
    void Fail(const QString &text, QWidget *field);

    PlanEvent event_;
    int index_ = 0;
    int payments_ = 0;
    int perYear_ = 12;
    QDate firstPayment_;
};
