// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/MSCHEDULEUnit.h"

#include "ui/common/Keyboard.h"
#include "ui/common/Look.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const std::vector<int> kColumns{65, 77, 84, 87, 98, 93};
}

TMSCHEDULE::TMSCHEDULE(MainLoan &main, QWidget *parent)
    : AnalysisWindow(QStringLiteral("MSCHEDULE"), tr("Mortgage Schedule"), 534, 377,
                     Look::Teal(), parent),
      main_(main), model_(new ScheduleModel(this))
{
    // The steps keep the order the controls were always made in, which is the
    // order the Alt keys are handed out in.
    BuildFields();
    BuildDisplayBy();
    BuildButtons();
    GridArea *table = BuildTable();
    BuildRoundingNote();
    // Made last: the Alt keys of the controls before it stay as they were.
    BuildPlanButton();
    Arrange(table);
    ConnectControls();
    SetUpKeyboard();
    AllowEnlarging();
}

void TMSCHEDULE::BuildFields()
{
    HeadingLabel = Look::Heading(QStringLiteral("HeadingLabel"), tr("Mortgage Schedule"), 20, this);
    BuildLoanFieldRow(this,
                      {{Label2, "Label2", QT_TRANSLATE_NOOP("WindowKit", "Amount")},
                       {Label3, "Label3", QT_TRANSLATE_NOOP("WindowKit", "Interest")},
                       {Label5, "Label5", QT_TRANSLATE_NOOP("WindowKit", "Years")},
                       {Label11, "Label11", "Month(s)"},
                       {Label4, "Label4", QT_TRANSLATE_NOOP("WindowKit", "Monthly Repayment")}},
                      {MSAmount, "MSAmount"}, {MSInterest, "MSInterest"}, {MSPeriod, "MSPeriod"},
                      {Partyear, "Partyear"});
    Label4->setWordWrap(true);
    Label4->setFixedWidth(Look::Scaled(72));
    MSMonthlyRepayment = new ResultPanel(QStringLiteral("MSMonthlyRepayment"), this, Look::ResultColour(),
                                         Look::Maroon(), true);
    MSMonthlyRepayment->setFixedWidth(Look::Scaled(100));
}

void TMSCHEDULE::BuildDisplayBy()
{
    GroupBox1 = new QGroupBox(tr("Display By"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Look::Paint(GroupBox1, Look::ButtonFace(), Qt::black);
    Year = new QRadioButton(ShownFrequencyText(QStringLiteral("Year")), GroupBox1);
    Year->setObjectName(QStringLiteral("Year"));
    Month = new QRadioButton(ShownFrequencyText(monthHeading_), GroupBox1);
    Month->setObjectName(QStringLiteral("Month"));
    Year->setChecked(true);
    auto *displayLayout = new QHBoxLayout(GroupBox1);
    displayLayout->setContentsMargins(6, 2, 6, 4);
    displayLayout->addWidget(Year);
    displayLayout->addWidget(Month);
}

void TMSCHEDULE::BuildButtons()
{
    CalculateBtn = Look::Button(QStringLiteral("CalculateBtn"), tr("Calculate"), this,
                                QStringLiteral("calculate"));
    OKBtn = Look::Button(QStringLiteral("OKBtn"), tr("OK"), this, QStringLiteral("ok"));
    BitBtn1 = Look::Button(QStringLiteral("BitBtn1"), tr(" Print"), this, QStringLiteral("print"));
    GraphBtn = Look::Button(QStringLiteral("GraphBtn"), tr(" Graph"), this, QStringLiteral("balance"));
    GraphBtn->setToolTip(tr("The balance year by year as a graph"));
    BitBtn2 = Look::PictureButton(QStringLiteral("BitBtn2"), QStringLiteral("help"),
                                  tr("Help on the schedule"), this);
    CalculateBtn->setDefault(true);
}

GridArea *TMSCHEDULE::BuildTable()
{
    MSGrid = GridView(QStringLiteral("MSGrid"), model_, kColumns, 18, this);
    const QStringList headings = ScheduleHeadings(periodHeading_, TextStyle::Screen());
    Label10 = new HeadingPanel(QStringLiteral("Label10"), headings[0], kColumns[0], this);
    std::vector<QLabel *> panels{Label10};
    for (int c = 1; c < 6; ++c)
        panels.push_back(new HeadingPanel(QStringLiteral("HeadingPanel%1").arg(c),
                                          headings[c], kColumns[c], this));
    panels.push_back(new HeadingPanel(QStringLiteral("HeadingPanelScroll"), QString(), 0, this));
    MSGrid->headings = [panels] {
        QStringList texts;
        for (std::size_t c = 0; c < kColumns.size(); ++c)
            texts << panels[c]->text();
        return texts;
    };
    model_->SetHeadings(MSGrid->headings);
    auto *gridArea = new GridArea(MSGrid, kColumns, 18, this);
    gridArea->SetHeadingPanels(std::move(panels), 0);
    return gridArea;
}

void TMSCHEDULE::BuildRoundingNote()
{
    Label12 = Look::CaptionLabel(QStringLiteral("Label12"),
                          tr("Please note that small differences in interest between the "
                                         "schedule and the main screen are due to rounding to two "
                                         "decimal places on the schedule."),
                          this);
    Label12->setFont(Look::UiFont(7));
    Label12->setWordWrap(true);
}

void TMSCHEDULE::BuildPlanButton()
{
    // Two lines, so it fits beside the repayment without moving anything.
    PlanBtn = Look::Button(QStringLiteral("PlanBtn"), tr("Payment\nPlan\u2026"), this);
    PlanBtn->setAccessibleName(tr("Payment Plan\u2026"));
    PlanBtn->setFixedWidth(Look::Scaled(72));
    PlanBtn->setToolTip(tr("Extra payments, lump sums and rate changes on the Mortgage tab's loan"));
}

TableSource TMSCHEDULE::ExportSource() const
{
    return TableSource{[this](const TextStyle &style) { return ScheduleHeadings(periodHeading_, style); },
                       model_->rowCount(), ScheduleColumns,
                       [this](int row, int column, const TextStyle &style) {
                           return model_->CellText(column, row, style);
                       }};
}

void TMSCHEDULE::Arrange(GridArea *table)
{
    auto *fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(2);
    fields->addWidget(Label2, 0, 0);
    fields->addWidget(Label3, 0, 1);
    fields->addWidget(Label5, 0, 2);
    fields->addWidget(Label11, 0, 3);
    fields->addWidget(MSAmount, 1, 0);
    fields->addWidget(MSInterest, 1, 1);
    fields->addWidget(MSPeriod, 1, 2);
    fields->addWidget(Partyear, 1, 3);
    fields->addWidget(Label4, 0, 4, 2, 1);
    fields->addWidget(MSMonthlyRepayment, 1, 5);
    fields->setColumnStretch(6, 1);
    fields->addWidget(PlanBtn, 0, 7, 2, 1);

    auto *top = new QHBoxLayout;
    top->addWidget(HeadingLabel);
    top->addStretch();
    top->addWidget(GroupBox1);
    AddReportButtons(top); // the button row is full
    AddExportButton(
        top, MSGrid,
        [this] { return ReportTitle(QStringLiteral("Schedule by ") + periodHeading_, MSAmount->text(), MSInterest->text()); },
        [this] { return ExportSource(); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Label12, 1);
    buttons->addWidget(CalculateBtn);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(GraphBtn);
    buttons->addWidget(OKBtn);
    buttons->addWidget(BitBtn2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(3);
    layout->addLayout(top);
    layout->addLayout(fields);
    layout->addSpacing(2);
    layout->addWidget(table, 1);
    layout->addLayout(buttons);
}

void TMSCHEDULE::ConnectControls()
{
    OnClick(CalculateBtn, [this] { CalculateBtnClick(); });
    OnClick(Year, [this] { CalculateBtnClick(); });
    OnClick(Month, [this] { CalculateBtnClick(); });
    OnClick(OKBtn, [this] { OKBtnClick(); });
    OnClick(BitBtn1, [this] { BitBtn1Click(); });
    OnClick(BitBtn2, [this] { BitBtn2Click(); });
    OnClick(GraphBtn, [this] { GraphBtnClick(); });
    OnClick(PlanBtn, [this] {
        if (openPlan)
            openPlan();
    });
    EnterPresses({MSAmount, MSInterest, MSPeriod, Partyear}, CalculateBtn);
}

void TMSCHEDULE::SetUpKeyboard()
{
    Label2->setBuddy(MSAmount);
    Label3->setBuddy(MSInterest);
    Label5->setBuddy(MSPeriod);
    Label11->setBuddy(Partyear);
    Keyboard::EnterPresses({Year, Month}, CalculateBtn);
    Keyboard::TabOrder({MSAmount, MSInterest, MSPeriod, Partyear, Year, Month, CalculateBtn,
                        MSMonthlyRepayment, PlanBtn, MSGrid, GraphBtn, BitBtn1, OKBtn, BitBtn2});
    MSGrid->setAccessibleName(tr("Mortgage Schedule"));
    MSMonthlyRepayment->setAccessibleName(Label4->text());
    Keyboard::HelpKeyPresses(this, BitBtn2);
    Keyboard::AssignMnemonics(this);
    Keyboard::NameFieldsForReaders(this);
}

LoanTexts TMSCHEDULE::WindowLoan() const
{
    return LoanWithFields(main_, MSAmount, MSInterest, MSPeriod, Partyear);
}

void TMSCHEDULE::Fill(const Loan &loan)
{
    model_->SetRows(BuildSchedule(loan, Month->isChecked() ? ScheduleBy::Period : ScheduleBy::Year));
    MSMonthlyRepayment->setText(MoneyText(loan.Repayment()));
    MSGrid->scrollToTop();
    NoteTableBuilt();
}

QStringList TMSCHEDULE::TableFieldTexts() const
{
    return {MSAmount->text(), MSInterest->text(), MSPeriod->text(), Partyear->text(),
            Month->isChecked() ? Month->objectName() : Year->objectName()};
}

void TMSCHEDULE::ShowPartYear(bool visible)
{
    Label11->setVisible(visible);
    Partyear->setVisible(visible);
}

void TMSCHEDULE::OpenWithLoan(const LoanTexts &loan, const QString &partYearCaption)
{
    MSAmount->setText(loan.amount);
    MSInterest->setText(loan.rate);
    MSPeriod->setText(loan.years);
    Partyear->setText(loan.part);
    Fill(LoanOfTexts(WindowLoan()));
    const Frequency *frequency = FindFrequency(loan.payment);
    Month->setVisible(true);
    if (loan.payment == QLatin1String("Annualy"))
        Month->setVisible(false);
    else if (frequency)
        monthHeading_ = frequency->scheduleOption;
    Month->setText(ShownFrequencyText(monthHeading_));
    if (frequency)
        Label4->setText(ShownFrequencyText(frequency->scheduleRepaymentCaption));
    ShowPeriodHeading();
    partYearCaption_ = Keyboard::Plain(partYearCaption);
    Label11->setText(ShownFrequencyText(partYearCaption_));
    MSMonthlyRepayment->setAccessibleName(Label4->text());
    Keyboard::AssignMnemonics(this);
    Keyboard::NameFieldsForReaders(this);
    CentreOnScreen(this);
}

void TMSCHEDULE::CalculateBtnClick()
{
    Recalculate();
}

void TMSCHEDULE::ShowPeriodHeading()
{
    periodHeading_ = Month->isChecked() ? monthHeading_ : QStringLiteral("Year");
    Label10->setText(ScheduleHeadings(periodHeading_, TextStyle::Screen())[0]);
}

std::optional<Loan> TMSCHEDULE::Recalculate()
{
    MSAmount->setFocus();
    const LoanTexts texts = WindowLoan();
    if (const auto problem = CheckLoanTexts(texts, LoanChecks::Analysis())) {
        Keyboard::ShowFault(this, *problem, Keyboard::LoanFields{nullptr, MSAmount, MSPeriod, MSInterest, Partyear});
        return std::nullopt;
    }
    const Loan loan = LoanOfTexts(texts);
    Fill(loan);
    ShowPeriodHeading();
    return loan;
}

void TMSCHEDULE::OKBtnClick()
{
    accept();
}

void TMSCHEDULE::BitBtn1Click()
{
    PrintWithDialog();
}

void TMSCHEDULE::BitBtn2Click()
{
    ThePlatform().ShowHelp(this, 4);
}

ScheduleReport TMSCHEDULE::ReportInputs() const
{
    ScheduleReport report;
    report.loan = MainFrequencies(main_);
    report.loan.amount = MSAmount->text();
    report.loan.rate = MSInterest->text();
    report.loan.years = MSPeriod->text();
    report.loan.partYearCaption = partYearCaption_;
    report.loan.partYear = Partyear->text();
    report.periodHeading = periodHeading_;
    const ScheduleModel *model = model_;
    report.rowCount = model->rowCount();
    report.cell = [model](int column, int row) { return model->CellText(column, row); };
    return report;
}

void TMSCHEDULE::AttachGraph(TBalanceGraphForm *graph,
                             std::function<std::optional<AdditionalPaymentRun>()> lastAdditionalPayment,
                             std::function<std::optional<PlannedLoan>()> plannedLoan)
{
    graph_ = graph;
    lastAdditionalPayment_ = std::move(lastAdditionalPayment);
    plannedLoan_ = std::move(plannedLoan);
}

void TMSCHEDULE::GraphBtnClick()
{
    // The fields are checked and the grid refilled first, so the graph and the
    // schedule always show the same loan.
    const std::optional<Loan> loan = Recalculate();
    if (!loan || !graph_)
        return;
    graph_->Open(*loan, lastAdditionalPayment_ ? lastAdditionalPayment_() : std::nullopt,
                 plannedLoan_ ? plannedLoan_() : std::nullopt);
}
