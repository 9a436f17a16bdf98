// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/APGridUnit.h"

#include "ui/common/Keyboard.h"
#include "ui/common/Look.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const std::vector<int> kColumns{84, 135, 97, 98, 98};
}

TAdditionalP::TAdditionalP(MainLoan &main, QWidget *parent)
    : AnalysisWindow(QStringLiteral("AdditionalP"), tr("Additional Payments"), 537, 382,
                     Look::Teal(), parent),
      main_(main), model_(new AdditionalPaymentModel(this))
{
    // The steps keep the order the controls were always made in, which is the
    // order the Alt keys are handed out in.
    BuildFields();
    QFrame *explanation = BuildExplanation();
    BuildButtons();
    GridArea *table = BuildTable();
    Arrange(explanation, table);
    ConnectControls();
    SetUpKeyboard();
    AllowEnlarging();
}

void TAdditionalP::BuildFields()
{
    Label1 = Look::Heading(QStringLiteral("Label1"), tr("Additional Payments"), 20, this);
    BuildLoanFieldRow(this,
                      {{Label2, "Label2", QT_TRANSLATE_NOOP("WindowKit", "Amount")},
                       {Label3, "Label3", QT_TRANSLATE_NOOP("WindowKit", "Interest")},
                       {Label6, "Label6", "%"},
                       {Label4, "Label4", QT_TRANSLATE_NOOP("WindowKit", "Years")},
                       {Label5, "Label5", "Monthly"},
                       {Label12, "Label12", QT_TRANSLATE_NOOP("WindowKit", "Repayment")}},
                      {APAmount, "APAmount"}, {APInterest, "APInterest"}, {APPeriod, "APPeriod"},
                      {PartYear, "PartYear"});
    ShowFrequencyWord(frequencyWord_);
    APMonthlyR = new ResultPanel(QStringLiteral("APMonthlyR"), this, Look::ResultColour(), Look::Maroon(), true);
    APMonthlyR->setFixedWidth(Look::Scaled(100));
    APMonthlyR->setAccessibleName(Label5->text() + QLatin1Char(' ') + Label12->text());
}

QFrame *TAdditionalP::BuildExplanation()
{
    return Look::ExplanationPanel(
        MortgageLabel, QStringLiteral("MortgageLabel"),
        tr("The table below shows the additional payment required to pay off the Mortgage in "
                       "the number of years indicated. It also shows the saving on interest charges "
                       "achieved by paying off the Mortgage in a shorter period."),
        this);
}

void TAdditionalP::BuildButtons()
{
    SpeedButton2 = Look::Button(QStringLiteral("SpeedButton2"), tr("Calculate"), this,
                                QStringLiteral("calculate"));
    SpeedButton1 = Look::Button(QStringLiteral("SpeedButton1"), tr("OK"), this, QStringLiteral("ok"));
    BitBtn1 = Look::Button(QStringLiteral("BitBtn1"), tr(" Print"), this, QStringLiteral("print"));
    BitBtn2 = Look::PictureButton(QStringLiteral("BitBtn2"), QStringLiteral("help"),
                                  tr("Help on additional payments"), this);
    SpeedButton2->setDefault(true);
}

GridArea *TAdditionalP::BuildTable()
{
    APGrid = GridView(QStringLiteral("APGrid"), model_, kColumns, 18, this);
    const QStringList headings = AdditionalPaymentHeadings(frequencyWord_, TextStyle::Screen());
    Label10 = new HeadingPanel(QStringLiteral("Label10"), headings[0], kColumns[0], this);
    Label7 = new HeadingPanel(QStringLiteral("Label7"), tr("Additional Payment Required per month"),
                              kColumns[1], this);
    Label8 = new HeadingPanel(QStringLiteral("Label8"), tr("Total Fortnighly Payments"), kColumns[2], this);
    Label9 = new HeadingPanel(QStringLiteral("Label9"), headings[3], kColumns[3], this);
    Label11 = new HeadingPanel(QStringLiteral("Label11"), headings[4], kColumns[4], this);
    APGrid->headings = [this] {
        return QStringList{Label10->text(), Label7->text(), Label8->text(), Label9->text(), Label11->text()};
    };
    model_->SetHeadings(APGrid->headings);
    // Says what the mark of an unevenly paid row means, while the table has one.
    MarkNote = Look::CaptionLabel(QStringLiteral("MarkNote"), AdditionalPaymentMarkNote(), this);
    MarkNote->setWordWrap(true);
    MarkNote->setVisible(false);
    auto *gridArea = new GridArea(APGrid, kColumns, 18, this);
    gridArea->SetHeadingPanels({Label10, Label7, Label8, Label9, Label11,
                                new HeadingPanel(QStringLiteral("HeadingPanelScroll"), QString(), 0, this)},
                               32);
    return gridArea;
}

TableSource TAdditionalP::ExportSource() const
{
    return TableSource{[this](const TextStyle &style) { return AdditionalPaymentHeadings(frequencyWord_, style); },
                       model_->rowCount(), AdditionalPaymentMachineColumns,
                       [this](int row, int column, const TextStyle &style) {
                           return AdditionalPaymentCellText(model_->Rows()[row], column, style);
                       }};
}

void TAdditionalP::Arrange(QFrame *explanation, GridArea *table)
{
    auto *fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(2);
    fields->addWidget(Label2, 0, 0);
    fields->addWidget(Label3, 0, 1);
    fields->addWidget(Label4, 0, 3);
    fields->addWidget(APAmount, 1, 0);
    fields->addWidget(APInterest, 1, 1);
    fields->addWidget(Label6, 1, 2);
    fields->addWidget(APPeriod, 1, 3);
    fields->addWidget(PartYear, 1, 4);
    auto *caption = new QVBoxLayout;
    caption->setSpacing(0);
    caption->addWidget(Label5);
    caption->addWidget(Label12);
    fields->addLayout(caption, 0, 6, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    fields->addWidget(APMonthlyR, 1, 7);
    fields->setColumnStretch(5, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SpeedButton2);
    buttons->addWidget(BitBtn1);
    AddReportButtons(buttons);
    AddExportButton(
        buttons, APGrid,
        [this] { return ReportTitle(QStringLiteral("Additional Payments"), APAmount->text(), APInterest->text()); },
        [this] { return ExportSource(); });
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(BitBtn2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(3);
    layout->addWidget(Label1);
    layout->addLayout(fields);
    layout->addWidget(explanation);
    layout->addWidget(table, 1);
    layout->addWidget(MarkNote);
    layout->addLayout(buttons);
}

void TAdditionalP::ConnectControls()
{
    OnClick(SpeedButton2, [this] { SpeedButton2Click(); });
    OnClick(SpeedButton1, [this] { SpeedButton1Click(); });
    OnClick(BitBtn1, [this] { BitBtn1Click(); });
    OnClick(BitBtn2, [this] { BitBtn2Click(); });
    EnterPresses({APAmount, APInterest, APPeriod, PartYear}, SpeedButton2);
}

void TAdditionalP::SetUpKeyboard()
{
    Label2->setBuddy(APAmount);
    Label3->setBuddy(APInterest);
    Label4->setBuddy(APPeriod);
    Keyboard::TabOrder({APAmount, APInterest, APPeriod, PartYear, SpeedButton2, APMonthlyR, APGrid, BitBtn1,
                        SpeedButton1, BitBtn2});
    APGrid->setAccessibleName(tr("Additional Payments"));
    Keyboard::HelpKeyPresses(this, BitBtn2);
    Keyboard::AssignMnemonics(this);
    Keyboard::NameFieldsForReaders(this);
}

LoanTexts TAdditionalP::WindowLoan() const
{
    return LoanWithFields(main_, APAmount, APInterest, APPeriod, PartYear);
}

void TAdditionalP::ShowFrequencyWord(const QString &english)
{
    frequencyWord_ = english;
    Label5->setText(ShownFrequencyText(english));
}

void TAdditionalP::BuildGrid()
{
    const AdditionalPaymentGrid grid = BuildAdditionalPaymentGrid(LoanOfTexts(WindowLoan()));
    ShowFrequencyWord(grid.label);
    APMonthlyR->setText(MoneyText(grid.repayment));
    model_->SetRows(grid.rows);
    MarkNote->setVisible(AnyUneven(grid.rows));
    APGrid->scrollToTop();
    APMonthlyR->setAccessibleName(Label5->text() + QLatin1Char(' ') + Label12->text());
    NoteTableBuilt();
}

QStringList TAdditionalP::TableFieldTexts() const
{
    return {APAmount->text(), APInterest->text(), APPeriod->text(), PartYear->text()};
}

void TAdditionalP::OpenWithLoan(const LoanTexts &loan)
{
    APAmount->setText(loan.amount);
    APInterest->setText(loan.rate);
    APPeriod->setText(loan.years);
    PartYear->setText(loan.part);
    BuildGrid();
    if (const Frequency *frequency = FindFrequency(loan.payment)) {
        const QString word = frequency->chooserWord;
        ShowFrequencyWord(word);
        const QStringList headings = AdditionalPaymentHeadings(word, TextStyle::Screen());
        Label7->setText(headings[1]);
        Label8->setText(headings[2]);
        PartYear->setAccessibleName(ShownFrequencyText(frequency->partYearCaption));
        APMonthlyR->setAccessibleName(Label5->text() + QLatin1Char(' ') + Label12->text());
    }
    CentreOnScreen(this);
}

void TAdditionalP::SpeedButton2Click()
{
    if (const auto problem = CheckLoanTexts(WindowLoan(), LoanChecks::Analysis())) {
        Keyboard::ShowFault(this, *problem, Keyboard::LoanFields{nullptr, APAmount, APPeriod, APInterest, PartYear});
        return;
    }
    BuildGrid();
}

void TAdditionalP::SpeedButton1Click()
{
    accept();
}

void TAdditionalP::BitBtn1Click()
{
    PrintWithDialog();
}

void TAdditionalP::BitBtn2Click()
{
    ThePlatform().ShowHelp(this, 5);
}

AdditionalPaymentsReport TAdditionalP::ReportInputs() const
{
    AdditionalPaymentsReport report;
    report.loan = MainFrequencies(main_);
    report.loan.amount = APAmount->text();
    report.loan.rate = APInterest->text();
    report.loan.years = APPeriod->text();
    report.loan.partYearCaption = main_.PartYearCaption();
    report.loan.partYear = PartYear->text();
    report.frequencyWord = frequencyWord_;
    const AdditionalPaymentModel *model = model_;
    report.rowCount = model->rowCount();
    report.cell = [model](int column, int row) { return model->CellText(column, row); };
    if (AnyUneven(model->Rows()))
        report.markNote = AdditionalPaymentMarkNote();
    return report;
}
