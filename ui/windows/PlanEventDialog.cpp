// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/PlanEventDialog.h"

#include "core/Said.h"

#include "ui/common/Keyboard.h"
#include "ui/common/Look.h"
#include "engine/ErrorChecking.h"
#include "platform/Platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

QString PlanEventKindText(PlanEventKind kind, bool shown)
{
    const char *english = kind == PlanEventKind::Extra     ? QT_TRANSLATE_NOOP("TPaymentPlan", "Extra payment")
                          : kind == PlanEventKind::LumpSum ? QT_TRANSLATE_NOOP("TPaymentPlan", "Lump sum")
                                                           : QT_TRANSLATE_NOOP("TPaymentPlan", "Rate change");
    return Said("TPaymentPlan", english, shown);
}

QDateEdit *PlanDateEdit(const QString &name, QWidget *parent)
{
    auto *edit = new QDateEdit(parent);
    edit->setObjectName(name);
    edit->setCalendarPopup(true);
    // The user's own way of writing a date.
    edit->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    edit->setDate(QDate::currentDate());
    return edit;
}


QLineEdit *PlanNumberEdit(const char *name, QWidget *parent)
{
    QLineEdit *edit = Look::Edit(QLatin1String(name), 0, parent);
    edit->setFixedWidth(Look::Scaled(70));
    return edit;
}

TPlanEventDialog::TPlanEventDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("PlanEventDialog"));
    setWindowTitle(tr("Payment Plan Event"));
    KindLabel = new QLabel(tr("Kind"), this);
    EventKind = new QComboBox(this);
    EventKind->setObjectName(QStringLiteral("EventKind"));
    EventKind->addItems({PlanEventKindText(PlanEventKind::Extra, true), PlanEventKindText(PlanEventKind::LumpSum, true),
                         PlanEventKindText(PlanEventKind::RateChange, true)});
    ValueLabel = new QLabel(tr("Amount"), this);
    EventValue = PlanNumberEdit("EventValue", this);
    EventValue->setFixedWidth(Look::Scaled(100));
    ByLabel = new QLabel(tr("Payments by"), this);
    EventBy = new QComboBox(this);
    EventBy->setObjectName(QStringLiteral("EventBy"));
    EventBy->addItems({tr("Payment number"), tr("Year and period"), tr("Date")});
    FromLabel = new QLabel(tr("From payment"), this);
    EventFrom = PlanNumberEdit("EventFrom", this);
    EventFromYear = PlanNumberEdit("EventFromYear", this);
    FromPeriodLabel = new QLabel(tr("period"), this);
    EventFromPeriod = PlanNumberEdit("EventFromPeriod", this);
    EventFromDate = PlanDateEdit(QStringLiteral("EventFromDate"), this);
    ToLabel = new QLabel(tr("To payment"), this);
    EventTo = PlanNumberEdit("EventTo", this);
    EventToYear = PlanNumberEdit("EventToYear", this);
    ToPeriodLabel = new QLabel(tr("period"), this);
    EventToPeriod = PlanNumberEdit("EventToPeriod", this);
    EventToByDate = new QCheckBox(tr("Last on"), this);
    EventToByDate->setObjectName(QStringLiteral("EventToByDate"));
    EventToDate = PlanDateEdit(QStringLiteral("EventToDate"), this);
    ToNote = new QLabel(tr("empty: to the end"), this);
    ToNote->setObjectName(QStringLiteral("ToNote"));
    EventLower = new QCheckBox(tr("Lower the repayment after it (instead of paying off sooner)"), this);
    EventLower->setObjectName(QStringLiteral("EventLower"));
    OkBtn = Look::Button(QStringLiteral("OkBtn"), tr("OK"), this, QStringLiteral("ok"));
    CancelBtn = Look::Button(QStringLiteral("CancelBtn"), tr("Cancel"), this);
    OkBtn->setDefault(true);
    OkBtn->setAutoDefault(true);

    auto *fields = new QGridLayout;
    fields->addWidget(KindLabel, 0, 0);
    fields->addWidget(EventKind, 0, 1, 1, 4);
    fields->addWidget(ValueLabel, 1, 0);
    fields->addWidget(EventValue, 1, 1, 1, 4, Qt::AlignLeft);
    fields->addWidget(ByLabel, 2, 0);
    fields->addWidget(EventBy, 2, 1, 1, 4);
    auto place = [fields](int line, QLabel *label, QLineEdit *number, QLineEdit *year, QLabel *periodLabel,
                          QLineEdit *period, QWidget *date, QWidget *extra) {
        fields->addWidget(label, line, 0);
        auto *row = new QHBoxLayout;
        row->addWidget(number);
        row->addWidget(year);
        row->addWidget(periodLabel);
        row->addWidget(period);
        if (extra)
            row->addWidget(extra);
        row->addWidget(date);
        row->addStretch();
        fields->addLayout(row, line, 1, 1, 4);
    };
    place(3, FromLabel, EventFrom, EventFromYear, FromPeriodLabel, EventFromPeriod, EventFromDate, nullptr);
    place(4, ToLabel, EventTo, EventToYear, ToPeriodLabel, EventToPeriod, EventToDate, EventToByDate);
    fields->addWidget(ToNote, 5, 1, 1, 4);
    fields->addWidget(EventLower, 6, 0, 1, 5);
    fields->setColumnStretch(4, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBtn);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(EventKind, &QComboBox::currentIndexChanged, this, [this] { KindChange(); });
    connect(EventBy, &QComboBox::currentIndexChanged, this, [this] { KindChange(); });
    connect(EventToByDate, &QCheckBox::toggled, this, [this] { KindChange(); });
    connect(OkBtn, &QPushButton::clicked, this, [this] { RunGuarded(this, [this] { OkBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    KindLabel->setBuddy(EventKind);
    ValueLabel->setBuddy(EventValue);
    ByLabel->setBuddy(EventBy);
    FromLabel->setBuddy(EventFrom);
    ToLabel->setBuddy(EventTo);
    EventFromYear->setAccessibleName(tr("From year"));
    EventFromPeriod->setAccessibleName(tr("From period"));
    EventFromDate->setAccessibleName(tr("From date"));
    EventToYear->setAccessibleName(tr("To year"));
    EventToPeriod->setAccessibleName(tr("To period"));
    EventToDate->setAccessibleName(tr("Last payment's date"));
    Keyboard::TabOrder({EventKind, EventValue, EventBy, EventFrom, EventFromYear, EventFromPeriod, EventFromDate,
                        EventTo, EventToYear, EventToPeriod, EventToByDate, EventToDate, EventLower, OkBtn,
                        CancelBtn});
    Keyboard::AssignMnemonics(this);
    Keyboard::NameFieldsForReaders(this);
    KindChange();
}

PlanPlaceBy TPlanEventDialog::By() const
{
    return static_cast<PlanPlaceBy>(std::max(EventBy->currentIndex(), 0));
}

void TPlanEventDialog::Prepare(const PlanEvent &event, int index, int payments, int perYear,
                               const QDate &firstPayment)
{
    // Closed without OK, it answers Cancel, whatever it answered last time.
    setResult(QDialog::Rejected);
    event_ = event;
    index_ = index;
    payments_ = payments;
    perYear_ = std::max(perYear, 1);
    firstPayment_ = firstPayment;
    EventKind->setCurrentIndex(static_cast<int>(event.kind));
    EventValue->setText(event.value > 0 ? QLocale().toString(event.value, 'g', 15) : QString());
    // A date can be chosen only once payments have dates.
    auto *dates = qobject_cast<QStandardItemModel *>(EventBy->model());
    if (dates && dates->item(2))
        dates->item(2)->setEnabled(firstPayment.isValid());
    if (!firstPayment.isValid() && By() == PlanPlaceBy::Date)
        EventBy->setCurrentIndex(0);
    auto fill = [this](int k, QLineEdit *number, QLineEdit *year, QLineEdit *period, QDateEdit *date) {
        number->setText(k > 0 ? QString::number(k) : QString());
        year->setText(k > 0 ? QString::number((k - 1) / perYear_ + 1) : QString());
        period->setText(k > 0 ? QString::number((k - 1) % perYear_ + 1) : QString());
        if (firstPayment_.isValid())
            date->setDate(PaymentDate(firstPayment_, perYear_, std::max(k, 1)));
    };
    fill(event.from, EventFrom, EventFromYear, EventFromPeriod, EventFromDate);
    fill(event.to, EventTo, EventToYear, EventToPeriod, EventToDate);
    EventToByDate->setChecked(event.to > 0);
    EventLower->setChecked(event.lowerRepayment);
    FromPeriodLabel->setText(tr("period (1 - %1)").arg(perYear_));
    ToPeriodLabel->setText(FromPeriodLabel->text());
    KindChange();
    Keyboard::AssignMnemonics(this);
    EventValue->setFocus();
}

void TPlanEventDialog::KindChange()
{
    const auto kind = static_cast<PlanEventKind>(std::max(EventKind->currentIndex(), 0));
    ValueLabel->setText(kind == PlanEventKind::Extra     ? tr("Extra each payment")
                        : kind == PlanEventKind::LumpSum ? tr("Lump sum")
                                                         : tr("New rate (%)"));
    FromLabel->setText(kind == PlanEventKind::Extra ? tr("From payment") : tr("At payment"));
    const PlanPlaceBy by = By();
    const bool extra = kind == PlanEventKind::Extra;
    for (QLineEdit *number : {EventFrom, EventTo})
        number->setVisible(by == PlanPlaceBy::Payment);
    for (QWidget *w : std::initializer_list<QWidget *>{EventFromYear, EventFromPeriod, FromPeriodLabel,
                                                       EventToYear, EventToPeriod, ToPeriodLabel})
        w->setVisible(by == PlanPlaceBy::YearAndPeriod);
    const bool yearly = perYear_ == 1;
    for (QWidget *w : std::initializer_list<QWidget *>{EventFromPeriod, FromPeriodLabel, EventToPeriod, ToPeriodLabel})
        if (yearly)
            w->setVisible(false);
    EventFromDate->setVisible(by == PlanPlaceBy::Date);
    EventToByDate->setVisible(by == PlanPlaceBy::Date);
    EventToDate->setVisible(by == PlanPlaceBy::Date);
    EventToDate->setEnabled(EventToByDate->isChecked());
    for (QWidget *w : std::initializer_list<QWidget *>{ToLabel, EventTo, EventToYear, EventToPeriod, EventToByDate,
                                                       EventToDate, ToNote})
        if (!extra)
            w->setVisible(false);
    ToNote->setText(by == PlanPlaceBy::Date ? tr("not ticked: to the end")
                                            : tr("empty: to the end"));
    EventLower->setVisible(kind == PlanEventKind::LumpSum);
    Keyboard::AssignMnemonics(this);
}

std::optional<int> TPlanEventDialog::Place(QLineEdit *number, QLineEdit *year, QLineEdit *period, QDateEdit *date,
                                           int empty, QWidget *&fault) const
{
    auto whole = [](QLineEdit *edit) -> std::optional<int> {
        bool ok = false;
        const int value = QLocale().toInt(edit->text().trimmed(), &ok);
        if (!ok)
            return std::nullopt;
        return value;
    };
    switch (By()) {
    case PlanPlaceBy::Payment:
        if (number->text().trimmed().isEmpty() && empty >= 0)
            return empty;
        fault = number;
        return whole(number);
    case PlanPlaceBy::YearAndPeriod: {
        if (year->text().trimmed().isEmpty() && empty >= 0)
            return empty;
        fault = year;
        const std::optional<int> y = whole(year);
        if (!y)
            return std::nullopt;
        int p = 1;
        if (perYear_ > 1) {
            fault = period;
            const std::optional<int> chosen = whole(period);
            if (!chosen || *chosen < 1 || *chosen > perYear_)
                return std::nullopt;
            p = *chosen;
        }
        fault = year;
        return (*y - 1) * perYear_ + p;
    }
    case PlanPlaceBy::Date:
        fault = date;
        if (empty >= 0 && !EventToByDate->isChecked())
            return empty;
        return PaymentOnOrAfter(firstPayment_, perYear_, date->date());
    }
    return std::nullopt;
}

void TPlanEventDialog::Fail(const QString &text, QWidget *field)
{
    Keyboard::ShowFault(this, Message{text, MessageKind::Information}, field);
}

void TPlanEventDialog::OkBtnClick()
{
    PlanEvent event;
    event.kind = static_cast<PlanEventKind>(std::max(EventKind->currentIndex(), 0));
    const QString name = PlanEventName(index_, event);
    const std::optional<double> value = ParseNumber(EventValue->text());
    if (!value) {
        Fail(name + tr(": '%1' is not a number.").arg(EventValue->text()), EventValue);
        return;
    }
    event.value = *value;
    if (const auto problem = CheckPlanEvent(index_, event, std::max(payments_, 1))) {
        Fail(problem->text, EventValue);
        return;
    }
    QWidget *fault = nullptr;
    const std::optional<int> from = Place(EventFrom, EventFromYear, EventFromPeriod, EventFromDate, -1, fault);
    const QString range = tr(": the payment must be between 1 and %1.").arg(payments_);
    if (!from) {
        Fail(name + range, fault);
        return;
    }
    event.from = *from;
    if (const auto problem = CheckPlanEvent(index_, event, payments_)) {
        Fail(problem->text, fault);
        return;
    }
    if (event.kind == PlanEventKind::Extra) {
        const std::optional<int> to = Place(EventTo, EventToYear, EventToPeriod, EventToDate, 0, fault);
        if (!to) {
            Fail(name + tr(": the last payment must be between the first payment (%1) and %2.")
                            .arg(event.from)
                            .arg(payments_),
                 fault);
            return;
        }
        event.to = *to;
    }
    event.lowerRepayment = event.kind == PlanEventKind::LumpSum && EventLower->isChecked();
    if (const auto problem = CheckPlanEvent(index_, event, payments_)) {
        Fail(problem->text, fault);
        return;
    }
    event_ = event;
    accept();
}
