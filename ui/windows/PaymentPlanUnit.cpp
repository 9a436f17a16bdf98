// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/PaymentPlanUnit.h"

#include "core/Said.h"

#include "ui/common/Keyboard.h"
#include "ui/common/Look.h"
#include "engine/ErrorChecking.h"
#include "engine/TableTexts.h"
#include "platform/Platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const std::vector<int> kColumns{62, 84, 92, 80, 84, 88, 98, 60};

// The result captions, shown translated and printed in English.
const char *const kPaymentsCaption = QT_TRANSLATE_NOOP("TPaymentPlan", "Payments &made");
const char *const kLastCaption = QT_TRANSLATE_NOOP("TPaymentPlan", "La&st payment");
const char *const kPaidOffCaption = QT_TRANSLATE_NOOP("TPaymentPlan", "Paid &off in");
const char *const kWithCaption = QT_TRANSLATE_NOOP("TPaymentPlan", "Total interest &with the plan");
const char *const kWithoutCaption = QT_TRANSLATE_NOOP("TPaymentPlan", "Total interest without the pla&n");
const char *const kSavedCaption = QT_TRANSLATE_NOOP("TPaymentPlan", "Interest saved &by the plan");
const char *const kPaidCaption = QT_TRANSLATE_NOOP("TPaymentPlan", "&Total paid");
const char *const kRepaymentCaption = QT_TRANSLATE_NOOP("TPaymentPlan", "Repayment at t&he end");
const char *const kAprCaption = QT_TRANSLATE_NOOP("TPaymentPlan", "Annual percenta&ge rate");

QString RateText(double rate)
{
    return QLocale().toString(rate, 'g', 15) + QStringLiteral(" %");
}

QString DateText(const QDate &date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}

// "Payment 61 (1/1/31)": the number, and the date once payments have one.
QString PaymentText(int k, int perYear, const QDate &first, bool shown)
{
    QString text = Said("TPaymentPlan", QT_TRANSLATE_NOOP("TPaymentPlan", "Payment %1"), shown).arg(k);
    if (first.isValid())
        text += QStringLiteral(" (%1)").arg(DateText(PaymentDate(first, perYear, k)));
    return text;
}

QString ValueText(const PlanEvent &event)
{
    return event.kind == PlanEventKind::RateChange ? RateText(event.value) : MoneyText(event.value);
}

QString UntilText(const PlanEvent &event, int perYear, const QDate &first, bool shown)
{
    switch (event.kind) {
    case PlanEventKind::Extra:
        return event.to == 0 ? Said("TPaymentPlan", QT_TRANSLATE_NOOP("TPaymentPlan", "To the end"), shown)
                             : PaymentText(event.to, perYear, first, shown);
    case PlanEventKind::LumpSum:
        return event.lowerRepayment ? Said("TPaymentPlan", QT_TRANSLATE_NOOP("TPaymentPlan", "Lower the repayment"), shown)
                                    : Said("TPaymentPlan", QT_TRANSLATE_NOOP("TPaymentPlan", "Pay off sooner"), shown);
    case PlanEventKind::RateChange: return Said("TPaymentPlan", QT_TRANSLATE_NOOP("TPaymentPlan", "New repayment"), shown);
    }
    return QString();
}

// An event's kind, amount or rate, first payment and what follows, as the list shows it.
QStringList EventCells(const PlanEvent &event, int perYear, const QDate &first, bool shown)
{
    return {PlanEventKindText(event.kind, shown), ValueText(event), PaymentText(event.from, perYear, first, shown),
            UntilText(event, perYear, first, shown)};
}

// "18 years and 8 months", or the date it ends on with that beside it.
QString PaidOffText(const PlanResult &result, int perYear, bool shown)
{
    const QString time = PayOffTime(result.paymentsMade, perYear, shown);
    return result.paidOff.isValid() ? QStringLiteral("%1 (%2)").arg(DateText(result.paidOff), time) : time;
}

} // namespace

// ---------------------------------------------------------------------------
// The window

TPaymentPlan::TPaymentPlan(MainLoan &main, QWidget *parent)
    : AnalysisWindow(QStringLiteral("PaymentPlan"), tr("Payment Plan"), 700, 640, Look::Teal(), parent),
      main_(main), model_(new PlanModel(this)), dialog_(new TPlanEventDialog(this))
{
    BuildLoan();
    BuildEvents();
    BuildResults();
    BuildFees();
    GridArea *table = BuildTable();
    BuildButtons();
    Arrange(table);
    ConnectControls();
    SetUpKeyboard();
    AllowEnlarging();
}

// The captions carry their Alt keys from the start: chosen in creation order, the
// window's many captions would run out of letters before the last ones.
void TPaymentPlan::BuildLoan()
{
    HeadingLabel = Look::Heading(QStringLiteral("HeadingLabel"), tr("Payment Plan"), 20, this);
    LoanLabel = Look::CaptionLabel(QStringLiteral("LoanLabel"), tr("&Loan"), this);
    LoanText = new ResultPanel(QStringLiteral("LoanText"), this);
    LoanText->setWordWrap(true);
    LoanText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    LoanText->setFocusPolicy(Qt::StrongFocus);
    PlanBody = new QWidget(this);
    PlanBody->setObjectName(QStringLiteral("PlanBody"));
    FirstPaymentOn = new QCheckBox(tr("&First payment on"), PlanBody);
    FirstPaymentOn->setObjectName(QStringLiteral("FirstPaymentOn"));
    QPalette white = FirstPaymentOn->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    FirstPaymentOn->setPalette(white);
    FirstPaymentDate = PlanDateEdit(QStringLiteral("FirstPaymentDate"), PlanBody);
    FirstPaymentDate->setEnabled(false);
}

void TPaymentPlan::BuildEvents()
{
    EventsLabel = Look::CaptionLabel(QStringLiteral("EventsLabel"), tr("E&vents"), PlanBody);
    PlanEvents = new QTableWidget(0, 4, PlanBody);
    PlanEvents->setObjectName(QStringLiteral("PlanEvents"));
    PlanEvents->setHorizontalHeaderLabels({tr("Kind"), tr("Amount or rate"),
                                           tr("From"), tr("To / afterwards")});
    PlanEvents->verticalHeader()->setVisible(false);
    PlanEvents->verticalHeader()->setDefaultSectionSize(Look::Scaled(20));
    PlanEvents->setSelectionBehavior(QAbstractItemView::SelectRows);
    PlanEvents->setSelectionMode(QAbstractItemView::SingleSelection);
    PlanEvents->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Keyboard::TabLeaves(PlanEvents);
    PlanEvents->horizontalHeader()->setStretchLastSection(true);
    PlanEvents->setColumnWidth(0, Look::Scaled(110));
    PlanEvents->setColumnWidth(1, Look::Scaled(110));
    PlanEvents->setColumnWidth(2, Look::Scaled(150));
    // Five events show at once; the schedule takes what the window is enlarged by.
    PlanEvents->setFixedHeight(PlanEvents->horizontalHeader()->sizeHint().height() + 5 * Look::Scaled(20) + 4);
    AddBtn = Look::Button(QStringLiteral("AddBtn"), tr("A&dd\u2026"), PlanBody);
    EditBtn = Look::Button(QStringLiteral("EditBtn"), tr("&Edit\u2026"), PlanBody);
    RemoveBtn = Look::Button(QStringLiteral("RemoveBtn"), tr("&Remove"), PlanBody);
}

void TPaymentPlan::BuildResults()
{
    auto caption = [this](const char *name, const char *text) {
        return Look::CaptionLabel(QLatin1String(name), tr(text), PlanBody);
    };
    auto panel = [this](const char *name) {
        auto *result = new ResultPanel(QLatin1String(name), PlanBody, Look::ResultColour(), Look::Maroon(), true);
        result->setMinimumWidth(Look::Scaled(150));
        result->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return result;
    };
    PaymentsLabel = caption("PaymentsLabel", kPaymentsCaption);
    PaymentsMade = panel("PaymentsMade");
    LastLabel = caption("LastLabel", kLastCaption);
    LastPayment = panel("LastPayment");
    PaidOffLabel = caption("PaidOffLabel", kPaidOffCaption);
    PaidOff = panel("PaidOff");
    WithLabel = caption("WithLabel", kWithCaption);
    InterestWith = panel("InterestWith");
    WithoutLabel = caption("WithoutLabel", kWithoutCaption);
    InterestWithout = panel("InterestWithout");
    SavedLabel = caption("SavedLabel", kSavedCaption);
    InterestSaved = panel("InterestSaved");
    PaidLabel = caption("PaidLabel", kPaidCaption);
    TotalPaid = panel("TotalPaid");
    RepaymentLabel = caption("RepaymentLabel", kRepaymentCaption);
    RepaymentAtEnd = panel("RepaymentAtEnd");
    AprLabel = caption("AprLabel", kAprCaption);
    AnnualRate = panel("AnnualRate");
    PlanProblem = Look::Label(QStringLiteral("PlanProblem"), QString(), PlanBody);
    PlanProblem->setWordWrap(true);
    Look::Paint(PlanProblem, QColor(255, 255, 225), Look::Maroon());
    PlanProblem->setAutoFillBackground(true);
    PlanProblem->setVisible(false);
}

void TPaymentPlan::BuildFees()
{
    FeesGroup = new QGroupBox(tr("Fees"), PlanBody);
    FeesGroup->setObjectName(QStringLiteral("FeesGroup"));
    Look::Paint(FeesGroup, Look::ButtonFace(), Qt::black);
    UpfrontLabel = new QLabel(tr("&Upfront fees"), FeesGroup);
    UpfrontLabel->setObjectName(QStringLiteral("UpfrontLabel"));
    UpfrontFees = PlanNumberEdit("UpfrontFees", FeesGroup);
    FeePerPaymentLabel = new QLabel(tr("Fee per payment"), FeesGroup);
    FeePerPaymentLabel->setObjectName(QStringLiteral("FeePerPaymentLabel"));
    FeePerPayment = PlanNumberEdit("FeePerPayment", FeesGroup);
    UpfrontLabel->setBuddy(UpfrontFees);
    FeePerPaymentLabel->setBuddy(FeePerPayment);
    UpfrontFees->setAccessibleName(tr("Upfront fees"));
    FeePerPayment->setAccessibleName(tr("Fee per payment"));
    auto *row = new QHBoxLayout(FeesGroup);
    row->setContentsMargins(6, 2, 6, 4);
    row->addWidget(UpfrontLabel);
    row->addWidget(UpfrontFees);
    row->addSpacing(8);
    row->addWidget(FeePerPaymentLabel);
    row->addWidget(FeePerPayment);
}

GridArea *TPaymentPlan::BuildTable()
{
    auto *group = new QGroupBox(tr("Schedule by"), PlanBody);
    group->setObjectName(QStringLiteral("ScheduleBy"));
    Look::Paint(group, Look::ButtonFace(), Qt::black);
    ByYear = new QRadioButton(tr("&Year"), group);
    ByYear->setObjectName(QStringLiteral("ByYear"));
    ByPayment = new QRadioButton(tr("P&ayment"), group);
    ByPayment->setObjectName(QStringLiteral("ByPayment"));
    ByYear->setChecked(true);
    auto *row = new QHBoxLayout(group);
    row->setContentsMargins(6, 2, 6, 4);
    row->addWidget(ByYear);
    row->addWidget(ByPayment);

    PlanGrid = GridView(QStringLiteral("PlanGrid"), model_, kColumns, 18, PlanBody);
    PlanGrid->horizontalHeader()->setVisible(true);
    PlanGrid->horizontalHeader()->setFixedHeight(Look::Scaled(22));
    PlanGrid->setAccessibleName(tr("Payment Plan Schedule"));
    return new GridArea(PlanGrid, kColumns, 18, PlanBody);
}

void TPaymentPlan::BuildButtons()
{
    CopyBtn = Look::Button(QStringLiteral("CopyBtn"), tr("&Copy"), PlanBody);
    CopyBtn->setToolTip(tr("Copy the rows selected, or the whole schedule, for a spreadsheet"));
    PrintBtn = Look::Button(QStringLiteral("PrintBtn"), tr(" &Print"), this, QStringLiteral("print"));
    CloseBtn = Look::Button(QStringLiteral("CloseBtn"), tr("O&K"), this, QStringLiteral("ok"));
    HelpBtn = Look::PictureButton(QStringLiteral("HelpBtn"), QStringLiteral("help"),
                                  tr("Help on the payment plan"), this);
}

void TPaymentPlan::Arrange(GridArea *table)
{
    auto *loan = new QHBoxLayout;
    loan->addWidget(LoanLabel);
    loan->addWidget(LoanText, 1);

    auto *first = new QHBoxLayout;
    first->addWidget(FirstPaymentOn);
    first->addWidget(FirstPaymentDate);
    first->addStretch();
    first->addWidget(FeesGroup);

    auto *eventButtons = new QVBoxLayout;
    eventButtons->addWidget(AddBtn);
    eventButtons->addWidget(EditBtn);
    eventButtons->addWidget(RemoveBtn);
    eventButtons->addStretch();
    auto *events = new QHBoxLayout;
    events->addWidget(PlanEvents, 1);
    events->addLayout(eventButtons);

    auto *results = new QGridLayout;
    results->setHorizontalSpacing(8);
    results->setVerticalSpacing(3);
    const std::pair<QLabel *, ResultPanel *> figures[] = {
        {PaymentsLabel, PaymentsMade}, {WithLabel, InterestWith},     {LastLabel, LastPayment},
        {WithoutLabel, InterestWithout}, {PaidOffLabel, PaidOff},       {SavedLabel, InterestSaved},
        {PaidLabel, TotalPaid},        {RepaymentLabel, RepaymentAtEnd}};
    for (int f = 0; f < 8; ++f) {
        const int line = f / 2;
        const int column = (f % 2) * 2;
        results->addWidget(figures[f].first, line, column);
        results->addWidget(figures[f].second, line, column + 1);
    }
    results->addWidget(AprLabel, 4, 2);
    results->addWidget(AnnualRate, 4, 3);
    results->setColumnStretch(1, 1);
    results->setColumnStretch(3, 1);

    auto *tableTop = new QHBoxLayout;
    tableTop->addWidget(ByYear->parentWidget());
    tableTop->addStretch();
    tableTop->addWidget(CopyBtn);
    AddExportButton(
        tableTop, PlanGrid,
        [this] {
            const LoanTexts texts = main_.CurrentLoanTexts();
            return ReportTitle(ByYear->isChecked() ? QStringLiteral("Payment Plan by Year")
                                                   : QStringLiteral("Payment Plan by Payment"),
                               texts.amount, texts.rate);
        },
        [this] { return ExportSource(); });
    AddReportButtons(tableTop);

    auto *body = new QVBoxLayout(PlanBody);
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(4);
    body->addLayout(first);
    body->addWidget(EventsLabel);
    body->addLayout(events);
    body->addWidget(PlanProblem);
    body->addLayout(results);
    body->addLayout(tableTop);
    body->addWidget(table, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(PrintBtn);
    buttons->addWidget(CloseBtn);
    buttons->addWidget(HelpBtn);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(4);
    auto *top = new QHBoxLayout;
    top->addWidget(HeadingLabel);
    top->addStretch();
    layout->addLayout(top);
    layout->addLayout(loan);
    layout->addWidget(PlanBody, 1);
    layout->addLayout(buttons);
}

void TPaymentPlan::ConnectControls()
{
    OnClick(AddBtn, [this] { AddBtnClick(); });
    OnClick(EditBtn, [this] { EditBtnClick(); });
    OnClick(RemoveBtn, [this] { RemoveBtnClick(); });
    OnClick(CopyBtn, [this] { CopyBtnClick(); });
    OnClick(PrintBtn, [this] { PrintWithDialog(); });
    OnClick(HelpBtn, [this] { HelpBtnClick(); });
    OnClick(CloseBtn, [this] { CloseBtnClick(); });
    OnClick(ByYear, [this] { Recalculate(); });
    OnClick(ByPayment, [this] { Recalculate(); });
    OnClick(FirstPaymentOn, [this] { FirstPaymentChange(); });
    for (QLineEdit *field : {UpfrontFees, FeePerPayment}) {
        connect(field, &QLineEdit::returnPressed, this, [this, field] { RunGuarded(this, [this, field] { FeesExit(field); }); });
        Keyboard::OnLeave(field, &feesLeaving_, [this, field] { RunGuarded(this, [this, field] { FeesExit(field); }); });
    }
    connect(FirstPaymentDate, &QDateEdit::dateChanged, this,
            [this] { RunGuarded(this, [this] { FirstPaymentChange(); }); });
    connect(PlanEvents, &QTableWidget::cellDoubleClicked, this,
            [this] { RunGuarded(this, [this] { EditBtnClick(); }); });
    connect(PlanEvents, &QTableWidget::itemSelectionChanged, this, [this] {
        const bool chosen = PlanEvents->currentRow() >= 0 && !PlanEvents->selectedItems().isEmpty();
        EditBtn->setEnabled(chosen);
        RemoveBtn->setEnabled(chosen);
    });
}

void TPaymentPlan::SetUpKeyboard()
{
    EventsLabel->setBuddy(PlanEvents);
    LoanLabel->setBuddy(LoanText);
    const std::pair<QLabel *, ResultPanel *> figures[] = {
        {PaymentsLabel, PaymentsMade},     {LastLabel, LastPayment}, {PaidOffLabel, PaidOff},
        {WithLabel, InterestWith},         {WithoutLabel, InterestWithout}, {SavedLabel, InterestSaved},
        {PaidLabel, TotalPaid},            {RepaymentLabel, RepaymentAtEnd}, {AprLabel, AnnualRate}};
    for (const auto &[label, panel] : figures) {
        // Their Alt keys take the focus to the figure, so it can be selected and copied.
        panel->setFocusPolicy(Qt::StrongFocus);
        label->setBuddy(panel);
        panel->setAccessibleName(label->text());
    }
    LoanText->setAccessibleName(tr("The loan planned for"));
    PlanEvents->setAccessibleName(tr("Events of the plan"));
    FirstPaymentDate->setAccessibleName(tr("First payment's date"));
    QWidget *exportBtn = findChild<QWidget *>(QStringLiteral("ExportBtn"));
    QWidget *previewBtn = findChild<QWidget *>(QStringLiteral("PreviewBtn"));
    Keyboard::TabOrder({LoanText, FirstPaymentOn, FirstPaymentDate, UpfrontFees, FeePerPayment, PlanEvents, AddBtn, EditBtn, RemoveBtn,
                        PaymentsMade, InterestWith, LastPayment, InterestWithout, PaidOff, InterestSaved, TotalPaid,
                        RepaymentAtEnd, AnnualRate, ByYear, ByPayment, CopyBtn, exportBtn, previewBtn, PlanGrid, PrintBtn,
                        CloseBtn, HelpBtn});
    Keyboard::HelpKeyPresses(this, HelpBtn);
    Keyboard::AssignMnemonics(this);
    Keyboard::NameFieldsForReaders(this);
}

void TPaymentPlan::OpenWithLoan()
{
    Recalculate();
    CentreOnScreen(this);
}

void TPaymentPlan::ClearResults()
{
    for (ResultPanel *panel :
         {PaymentsMade, LastPayment, PaidOff, InterestWith, InterestWithout, InterestSaved, TotalPaid, RepaymentAtEnd,
          AnnualRate})
        panel->clear();
    reportedPaidOff_.clear();
    byPayment_.clear();
    model_->SetRows({});
}

void TPaymentPlan::Recalculate()
{
    const PaymentPlan &plan = main_.Plan();
    const LoanTexts texts = main_.CurrentLoanTexts();
    if (const auto problem = CheckLoanTexts(texts, LoanChecks::Analysis())) {
        // Nothing to plan for: the Mortgage tab's message, and nothing else.
        loan_.reset();
        LoanText->setText(problem->message.text);
        PlanBody->setVisible(false);
        ClearResults();
        NoteTableBuilt();
        return;
    }
    const Loan loan = LoanOfTexts(texts);
    loan_ = loan;
    QString term = tr("%1 years").arg(loan.years);
    if (loan.part > 0)
        term += tr(" and %1 %2").arg(loan.part).arg(ShownFrequencyText(main_.PartYearCaption()));
    LoanText->setText(tr("%1 at %2 a year over %3; %4 repayments of %5 %6, interest compounded %7")
                          .arg(MoneyTextOfText(texts.amount), RateText(loan.rate), term,
                               ShownFrequencyText(texts.payment), MoneyText(loan.Repayment()),
                               texts.timing == Timing::InArrears ? tr("in arrears") : tr("in advance"),
                               ShownFrequencyText(texts.compounded)));
    PlanBody->setVisible(true);

    {
        const QSignalBlocker quiet(FirstPaymentOn);
        const QSignalBlocker quietDate(FirstPaymentDate);
        FirstPaymentOn->setChecked(plan.firstPayment.isValid());
        if (plan.firstPayment.isValid())
            FirstPaymentDate->setDate(plan.firstPayment);
        FirstPaymentDate->setEnabled(plan.firstPayment.isValid());
    }
    FillEvents(plan);
    FillFees();

    const int perYear = static_cast<int>(loan.paymentsPerYear);
    if (const auto problem = CheckPaymentPlan(plan, loan.Rounds())) {
        // A plan made for a longer loan is kept as it is until the user mends it.
        PlanProblem->setText(problem->text + tr(" Edit or remove it to see the plan's figures."));
        PlanProblem->setVisible(true);
        ClearResults();
        NoteTableBuilt();
        return;
    }
    PlanProblem->setVisible(false);
    const PlanResult result = WalkPaymentPlan(loan, plan);
    PaymentsMade->setText(QString::number(result.paymentsMade));
    LastPayment->setText(MoneyText(result.lastPayment));
    PaidOff->setText(PaidOffText(result, perYear, true));
    // A date with a long time beside it takes its room from the right-hand figures.
    PaidOff->setMinimumWidth(std::max(Look::Scaled(150), PaidOff->sizeHint().width()));
    reportedPaidOff_ = PaidOffText(result, perYear, false);
    InterestWith->setText(MoneyText(result.totalInterest));
    InterestWithout->setText(MoneyText(result.totalInterestWithout));
    InterestSaved->setText(MoneyText(result.saved));
    TotalPaid->setText(MoneyText(result.totalPaid));
    RepaymentAtEnd->setText(MoneyText(result.repaymentAtEnd));
    AnnualRate->setText(AprText(AnnualPercentageRate(loan, result, main_.Fees())));
    byPayment_ = result.rows;
    model_->SetByYear(ByYear->isChecked());
    model_->SetRows(ByYear->isChecked() ? PlanRowsByYear(byPayment_, perYear) : byPayment_);
    NoteTableBuilt();
}

void TPaymentPlan::FillFees()
{
    const LoanFees &fees = main_.Fees();
    // Written as the fields are read: the user's decimal mark, no thousands separators.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    auto text = [&locale](double fee) { return fee != 0 ? locale.toString(fee, 'g', 15) : QString(); };
    UpfrontFees->setText(text(fees.upfront));
    FeePerPayment->setText(text(fees.perPayment));
}

void TPaymentPlan::FeesExit(QLineEdit *field)
{
    // The message box takes the focus from the field, and putting it back takes it
    // from another: neither is the user leaving a field.
    if (feeMessageShown_ || !loan_)
        return;
    LoanFees fees = main_.Fees();
    const bool upfront = field == UpfrontFees;
    const QString text = field->text().trimmed();
    const std::optional<double> value = text.isEmpty() ? std::optional<double>(0) : ParseNumber(text);
    std::optional<Message> problem;
    if (!value)
        problem = Message{tr("%1: '%2' is not a number.")
                              .arg(upfront ? tr("Upfront fees") : tr("Fee per payment"),
                                   field->text())};
    else {
        (upfront ? fees.upfront : fees.perPayment) = *value;
        problem = CheckLoanFees(fees, loan_->amount);
    }
    if (problem) {
        const QScopedValueRollback<bool> shown(feeMessageShown_, true);
        Keyboard::ShowFault(this, Message{problem->text, MessageKind::Information}, field);
        return;
    }
    if (fees == main_.Fees())
        return;
    main_.SetFees(fees);
    Recalculate();
}

void TPaymentPlan::FillEvents(const PaymentPlan &plan)
{
    const int keep = PlanEvents->currentRow();
    const int perYear = loan_ ? static_cast<int>(loan_->paymentsPerYear) : 12;
    PlanEvents->setRowCount(static_cast<int>(plan.events.size()));
    for (int r = 0; r < static_cast<int>(plan.events.size()); ++r) {
        const PlanEvent &event = plan.events[r];
        const QStringList cells = EventCells(event, perYear, plan.firstPayment, true);
        for (int c = 0; c < 4; ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            if (c == 1)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            PlanEvents->setItem(r, c, item);
        }
    }
    if (keep >= 0 && keep < PlanEvents->rowCount())
        PlanEvents->selectRow(keep);
    else
        PlanEvents->clearSelection();
    const bool chosen = PlanEvents->currentRow() >= 0 && !PlanEvents->selectedItems().isEmpty();
    EditBtn->setEnabled(chosen);
    RemoveBtn->setEnabled(chosen);
}

std::optional<PlanEvent> TPaymentPlan::AskForEvent(const PlanEvent &event, int index)
{
    if (!loan_)
        return std::nullopt;
    dialog_->Prepare(event, index, loan_->Rounds(), static_cast<int>(loan_->paymentsPerYear),
                     main_.Plan().firstPayment);
    if (ThePlatform().ShowModal(dialog_) != QDialog::Accepted)
        return std::nullopt;
    return dialog_->Event();
}

void TPaymentPlan::AddBtnClick()
{
    PaymentPlan plan = main_.Plan();
    const std::optional<PlanEvent> event = AskForEvent(PlanEvent{}, static_cast<int>(plan.events.size()));
    if (!event)
        return;
    plan.events.push_back(*event);
    main_.SetPlan(plan);
    Recalculate();
    PlanEvents->selectRow(static_cast<int>(plan.events.size()) - 1);
}

void TPaymentPlan::EditBtnClick()
{
    PaymentPlan plan = main_.Plan();
    const int row = PlanEvents->currentRow();
    if (row < 0 || row >= static_cast<int>(plan.events.size()))
        return;
    const std::optional<PlanEvent> event = AskForEvent(plan.events[row], row);
    if (!event)
        return;
    plan.events[row] = *event;
    main_.SetPlan(plan);
    Recalculate();
}

void TPaymentPlan::RemoveBtnClick()
{
    PaymentPlan plan = main_.Plan();
    const int row = PlanEvents->currentRow();
    if (row < 0 || row >= static_cast<int>(plan.events.size()))
        return;
    plan.events.erase(plan.events.begin() + row);
    main_.SetPlan(plan);
    Recalculate();
    if (!plan.events.empty())
        PlanEvents->selectRow(std::min(row, static_cast<int>(plan.events.size()) - 1));
}

void TPaymentPlan::FirstPaymentChange()
{
    PaymentPlan plan = main_.Plan();
    FirstPaymentDate->setEnabled(FirstPaymentOn->isChecked());
    plan.firstPayment = FirstPaymentOn->isChecked() ? FirstPaymentDate->date() : QDate();
    main_.SetPlan(plan);
    Recalculate();
}

void TPaymentPlan::CopyBtnClick()
{
    if (PlanGrid->selectionModel() && PlanGrid->selectionModel()->hasSelection())
        PlanGrid->CopySelection();
    else
        PlanGrid->CopyAll();
}

void TPaymentPlan::HelpBtnClick()
{
    ThePlatform().ShowHelp(this, 9);
}

void TPaymentPlan::CloseBtnClick()
{
    accept();
}

QStringList TPaymentPlan::TableFieldTexts() const
{
    const LoanTexts texts = main_.CurrentLoanTexts();
    QStringList fields{texts.amount, texts.years, texts.part, texts.rate, texts.payment, texts.compounded,
                       QString::number(static_cast<int>(texts.timing)), ByYear->isChecked() ? QStringLiteral("year")
                                                                                           : QStringLiteral("payment"),
                       main_.Plan().firstPayment.toString(Qt::ISODate)};
    for (const PlanEvent &e : main_.Plan().events)
        fields << QStringLiteral("%1 %2 %3 %4 %5")
                      .arg(static_cast<int>(e.kind))
                      .arg(e.value, 0, 'g', 17)
                      .arg(e.from)
                      .arg(e.to)
                      .arg(e.lowerRepayment);
    return fields;
}

TableSource TPaymentPlan::ExportSource() const
{
    const PlanModel *model = model_;
    return TableSource{[model](const TextStyle &style) { return PlanHeadings(model->ByYear(), style); },
                       model->rowCount(), PlanColumns,
                       [model](int row, int column, const TextStyle &style) { return model->CellText(column, row, style); }};
}

PaymentPlanReport TPaymentPlan::ReportInputs() const
{
    PaymentPlanReport report;
    const LoanTexts texts = main_.CurrentLoanTexts();
    report.loan = MainFrequencies(main_);
    report.loan.amount = texts.amount;
    report.loan.rate = texts.rate;
    report.loan.years = texts.years;
    report.loan.partYearCaption = Keyboard::Plain(main_.PartYearCaption()).remove(QLatin1Char(':'));
    report.loan.partYear = texts.part;
    const PaymentPlan &plan = main_.Plan();
    if (plan.firstPayment.isValid())
        report.firstPayment = DateText(plan.firstPayment);
    const int perYear = loan_ ? static_cast<int>(loan_->paymentsPerYear) : 12;
    for (std::size_t r = 0; r < plan.events.size(); ++r)
        report.events << QStringLiteral("%1. ").arg(r + 1)
                + EventCells(plan.events[r], perYear, plan.firstPayment, false).join(QStringLiteral(", "));
    // The captions in English, as the rest of the report; the pay-off time too.
    const std::pair<const char *, QString> figures[] = {
        {kPaymentsCaption, PaymentsMade->text()},     {kLastCaption, LastPayment->text()},
        {kPaidOffCaption, reportedPaidOff_},          {kWithCaption, InterestWith->text()},
        {kWithoutCaption, InterestWithout->text()},   {kSavedCaption, InterestSaved->text()},
        {kPaidCaption, TotalPaid->text()},            {kRepaymentCaption, RepaymentAtEnd->text()}};
    auto english = [](const char *caption) { return Keyboard::Plain(QString::fromUtf8(caption)); };
    for (const auto &[caption, figure] : figures)
        report.results.append({english(caption), figure});
    if (main_.Fees().Any())
        report.results.append({english(kAprCaption), AnnualRate->text()});
    report.periodHeading = model_->ByYear() ? QStringLiteral("Year") : QStringLiteral("Payment");
    const PlanModel *model = model_;
    report.rowCount = model->rowCount();
    report.cell = [model](int column, int row) { return model->CellText(column, row); };
    return report;
}
