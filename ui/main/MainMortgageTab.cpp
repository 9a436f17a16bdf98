// SPDX-License-Identifier: GPL-3.0-or-later
// The Mortgage tab: the loan every other window starts from, its repayment and
// total interest.
#include "ui/main/MainUnit.h"

#include "engine/MortgageFunctions.h"
#include "engine/TableTexts.h"
#include "ui/common/Keyboard.h"
#include "ui/common/Look.h"
#include "ui/main/MainControls.h"
#include "ui/windows/MSCHEDULEUnit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Keeps the annual percentage rate under the total interest, in the room the
// column leaves above Calculate, outside the layout so nothing else moves for it.
class BelowFollower : public QObject {
public:
    BelowFollower(QWidget *above, QWidget *follower, QWidget *below)
        : QObject(follower), above_(above), follower_(follower), below_(below)
    {
        above->installEventFilter(this);
        below->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if ((watched == above_ || watched == below_)
            && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
            const int top = above_->geometry().bottom() + 1 + 6;
            const int room = below_->y() - 4 - top;
            follower_->setGeometry(above_->x(), top, above_->width(),
                                   std::min(follower_->sizeHint().height(), std::max(room, 0)));
        }
        return false;
    }

private:
    QWidget *above_;
    QWidget *follower_;
    QWidget *below_;
};

} // namespace

QWidget *TMORTLOAN::BuildMortgageTab()
{
    auto *tab = new QWidget;
    tab->setObjectName(QStringLiteral("TabSheet1"));

    MALabel = Look::Heading(QStringLiteral("MALabel"), QStringLiteral("Quovella"), 16, tab);
    BitBtn1 = Look::PictureButton(QStringLiteral("BitBtn1"), QStringLiteral("help"),
                                  tr("Help on the Mortgage tab"), tab);
    QGridLayout *inputs = BuildMortgageInputs(tab);
    const MainControls::FrequencyGroups frequencies = MainControls::BuildFrequencyGroups(
        tab,
        {"RepaymentGroup", QT_TRANSLATE_NOOP("MainControls", "Repayment"), "MPayment", "MArrears", "MAdvance", "CompoundedGroup", "MCompounded"},
        MainControls::GroupsStand::Stacked);
    MPayment = frequencies.payment;
    MArrears = frequencies.arrears;
    MAdvance = frequencies.advance;
    MCompounded = frequencies.compounding;
    BuildMortgageResults(tab);
    BuildMortgageButtons(tab);
    new BelowFollower(Panel6, AprPanel, CalMortBtn);

    auto *left = new QVBoxLayout;
    left->setSpacing(4);
    left->addLayout(inputs);
    left->addWidget(frequencies.paymentGroup);
    left->addWidget(frequencies.compoundingGroup);
    left->addStretch();

    auto *actions = new QHBoxLayout;
    actions->addWidget(CalMortBtn);
    actions->addWidget(PrintMortBtn);
    auto *right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(Panel1);
    right->addWidget(Panel6);
    right->addStretch();
    right->addLayout(actions);

    auto *heading = new QHBoxLayout;
    heading->addWidget(MALabel);
    heading->addStretch();
    heading->addWidget(BitBtn1);

    // The right column keeps one width for every frequency, that of its longest
    // sentence, so it neither jumps nor squeezes the inputs when the frequency changes.
    const int rightWidth = WidestRepaymentPanel();
    Panel1->setFixedWidth(rightWidth);
    Panel6->setFixedWidth(rightWidth);
    auto *columns = new QHBoxLayout;
    columns->setSpacing(8);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    auto *windows = new QHBoxLayout;
    windows->addWidget(MortgageGridBtn);
    windows->addWidget(SpeedButton2);
    windows->addWidget(SpeedButton3);

    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(4);
    layout->addLayout(heading);
    layout->addLayout(columns, 1);
    layout->addLayout(windows);
    return tab;
}

int TMORTLOAN::WidestRepaymentPanel() const
{
    const QString shown = Panel1->title();
    int widest = 0;
    for (const QString &name : FrequencyTexts())
        if (const Frequency *frequency = FindFrequency(name)) {
            Panel1->setTitle(ShownFrequencyText(frequency->repaymentSentence));
            widest = std::max(widest, Panel1->minimumSizeHint().width());
        }
    Panel1->setTitle(shown);
    return widest;
}

QGridLayout *TMORTLOAN::BuildMortgageInputs(QWidget *tab)
{
    MAmountLabel = Look::Label(QStringLiteral("MAmountLabel"), tr("Mortgage Amount"), tab);
    MAmount = Look::Edit(QStringLiteral("MAmount"), 9, tab);
    Period = Look::Edit(QStringLiteral("Period"), 2, tab);
    MPartyear = Look::Edit(QStringLiteral("MPartyear"), 3, tab);
    Label98 = Look::Label(QStringLiteral("Label98"), QStringLiteral("Month(s)"), tab);
    IRate = Look::Edit(QStringLiteral("IRate"), 8, tab);
    // Narrow enough that the longest part-year caption ("Half-Month(s)") fits
    // beside them without squeezing the captions on the left.
    Period->setFixedWidth(Look::Scaled(30));
    MPartyear->setFixedWidth(Look::Scaled(32));
    MAmount->setFixedWidth(Look::Scaled(110));
    IRate->setFixedWidth(Look::Scaled(80));
    MAmountLabel->setBuddy(MAmount);
    Label98->setBuddy(MPartyear);

    auto *inputs = new QGridLayout;
    inputs->setHorizontalSpacing(4);
    inputs->setVerticalSpacing(5);
    inputs->addWidget(MAmountLabel, 0, 0);
    inputs->addWidget(MAmount, 0, 1, 1, 4, Qt::AlignLeft);
    auto *periodLabel = Look::Label(QStringLiteral("PeriodLabel"), tr("Period"), tab);
    periodLabel->setBuddy(Period);
    inputs->addWidget(periodLabel, 1, 0);
    auto *term = new QHBoxLayout;
    term->setSpacing(2);
    term->addWidget(Period);
    term->addWidget(Look::Label(QStringLiteral("YearsLabel"), tr("Year(s)"), tab));
    term->addSpacing(4);
    term->addWidget(MPartyear);
    term->addWidget(Label98);
    term->addStretch();
    inputs->addLayout(term, 1, 1, 1, 4);
    auto *rateLabel = Look::Label(QStringLiteral("RateLabel"), tr("Interest Rate"), tab);
    rateLabel->setBuddy(IRate);
    inputs->addWidget(rateLabel, 2, 0);
    auto *rate = new QHBoxLayout;
    rate->addWidget(IRate);
    rate->addWidget(Look::Label(QStringLiteral("PercentLabel"), QStringLiteral("%"), tab));
    rate->addStretch();
    inputs->addLayout(rate, 2, 1, 1, 4);
    return inputs;
}

void TMORTLOAN::BuildMortgageResults(QWidget *tab)
{
    Panel1 = new QGroupBox(QStringLiteral("   Monthly Mortgage Payment is"), tab);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    MonthlyRepayment = new ResultPanel(QStringLiteral("MonthlyRepayment"), Panel1);
    BitBtn8 = Look::Button(QStringLiteral("BitBtn8"), tr("Last Payment"), Panel1,
                           QStringLiteral("lastpayment"));
    auto *panel1Layout = new QHBoxLayout(Panel1);
    panel1Layout->setContentsMargins(8, 4, 8, 6);
    panel1Layout->addWidget(MonthlyRepayment, 1);
    panel1Layout->addWidget(BitBtn8);

    Panel6 = new QGroupBox(tr("   Total Interest Charges are:"), tab);
    Panel6->setObjectName(QStringLiteral("Panel6"));
    TotalInterest = new ResultPanel(QStringLiteral("TotalInterest"), Panel6);
    BitBtn9 = Look::PictureButton(QStringLiteral("BitBtn9"), QStringLiteral("graph"),
                                  tr("View a graph of your Mortgage"), Panel6);
    auto *panel6Layout = new QHBoxLayout(Panel6);
    panel6Layout->setContentsMargins(8, 4, 8, 6);
    panel6Layout->addWidget(TotalInterest, 1);
    panel6Layout->addWidget(BitBtn9);

    AprPanel = new QGroupBox(tr("   Annual percentage rate"), tab);
    AprPanel->setObjectName(QStringLiteral("AprPanel"));
    AnnualRate = new ResultPanel(QStringLiteral("AnnualRate"), AprPanel);
    AnnualRate->setAccessibleName(tr("Annual percentage rate"));
    auto *aprLayout = new QHBoxLayout(AprPanel);
    aprLayout->setContentsMargins(8, 2, 8, 4);
    aprLayout->addWidget(AnnualRate, 1);
    AprPanel->setVisible(false);
}

void TMORTLOAN::BuildMortgageButtons(QWidget *tab)
{
    CalMortBtn = Look::Button(QStringLiteral("CalMortBtn"), tr("Calculate"), tab,
                              QStringLiteral("calculate"));
    PrintMortBtn = Look::Button(QStringLiteral("PrintMortBtn"), tr("Print"), tab,
                                QStringLiteral("print"));
    CalMortBtn->setDefault(true);
    MortgageGridBtn = Look::Button(QStringLiteral("MortgageGridBtn"), tr("Mortgage Grid"),
                                   tab, QStringLiteral("grid"));
    SpeedButton2 = Look::Button(QStringLiteral("SpeedButton2"), tr("Schedule"), tab,
                                QStringLiteral("schedule"));
    SpeedButton3 = Look::Button(QStringLiteral("SpeedButton3"), tr("Additional Payments"),
                                tab, QStringLiteral("additional"));
}

void TMORTLOAN::ConnectMortgageTab()
{
    On(CalMortBtn, &QPushButton::clicked, [this] { CalMortBtnClick(CalMortBtn); });
    On(PrintMortBtn, &QPushButton::clicked, [this] { CalMortBtnClick(PrintMortBtn); });
    On(BitBtn1, &QPushButton::clicked, [this] { BitBtn1Click(); });
    On(BitBtn8, &QPushButton::clicked, [this] { BitBtn8Click(); });
    On(BitBtn9, &QPushButton::clicked, [this] { BitBtn9Click(); });
    On(MortgageGridBtn, &QPushButton::clicked, [this] { MortgageGridBtnClick(); });
    On(SpeedButton2, &QPushButton::clicked, [this] { SpeedButton2Click(); });
    On(SpeedButton3, &QPushButton::clicked, [this] { SpeedButton3Click(); });
    for (QLineEdit *edit : {MAmount, Period, IRate, MPartyear}) {
        On(edit, &QLineEdit::textChanged, [this] { MAmountChange(); });
        connect(edit, &QLineEdit::returnPressed, CalMortBtn, &QPushButton::click);
    }
    On(MArrears, &QRadioButton::toggled, [this] { MAmountChange(); });
    On(MPayment, &QComboBox::activated, [this] { MPaymentChange(); });
    On(MCompounded, &QComboBox::activated, [this] { MCompoundedChange(); });
}

LoanTexts TMORTLOAN::CurrentLoanTexts() const
{
    LoanTexts texts;
    texts.amount = MAmount->text();
    texts.years = Period->text();
    texts.part = MPartyear->text();
    texts.rate = IRate->text();
    texts.payment = MainControls::Selector(MPayment);
    texts.compounded = MainControls::Selector(MCompounded);
    texts.timing = MArrears->isChecked() ? Timing::InArrears : Timing::InAdvance;
    return texts;
}

QString TMORTLOAN::PartYearCaption() const
{
    return partYearCaption_;
}

void TMORTLOAN::EmptyMortgageResults()
{
    TotalInterest->clear();
    MonthlyRepayment->clear();
    ShowAnnualRate();
}

void TMORTLOAN::ShowAnnualRate()
{
    AprPanel->setVisible(fees_.Any());
    AnnualRate->clear();
    if (!fees_.Any() || TotalInterest->text().isEmpty())
        return;
    const Loan loan = LoanOfTexts(CurrentLoanTexts());
    // The loan as it will be paid: with its plan, unless the plan no longer fits it.
    const PaymentPlan plan = CheckPaymentPlan(plan_, loan.Rounds()) ? PaymentPlan() : plan_;
    AnnualRate->setText(AprText(AnnualPercentageRate(loan, plan, fees_)));
}

void TMORTLOAN::CalMortBtnClick(QObject *sender)
{
    EmptyMortgageResults();
    if (!CheckMainLoan(LoanChecks::Mortgage()))
        return;
    const MortgageFigures figures = CalculateMortgage(LoanOfTexts(CurrentLoanTexts()));
    MonthlyRepayment->setText(MoneyText(figures.repayment));
    if (figures.paymentsDiffer)
        Show({ImpossiblePayOffMessage(figures.run.PaymentsMade), MessageKind::Information});
    if (figures.balloon)
        Show({BalloonMessage(figures.repayment, figures.run.LastPaymentText), MessageKind::Information});
    TotalInterest->setText(MoneyText(figures.totalInterest));
    ShowAnnualRate();
    if (sender == PrintMortBtn && ThePlatform().SelectPrinter(this) && reports_.mortgageDetails)
        reports_.mortgageDetails();
}

void TMORTLOAN::MPaymentChange()
{
    savedFlag_ = false;
    // Old figures would stand under the new frequency's sentence.
    EmptyMortgageResults();
    Label98->setVisible(true);
    MPartyear->setVisible(true);
    const Frequency *frequency = FindFrequency(MainControls::Selector(MPayment));
    if (MainControls::Selector(MPayment) == QLatin1String("Annualy")) {
        Label98->setVisible(false);
        MPartyear->setVisible(false);
        MPartyear->clear();
    } else {
        partYearCaption_ = frequency ? frequency->partYearCaption : QString();
        Label98->setText(ShownFrequencyText(partYearCaption_));
    }
    Panel1->setTitle(frequency ? ShownFrequencyText(frequency->repaymentSentence) : QString());
    // Not yet made at start-up: the schedule takes it from the field then.
    if (windowsMade_)
        windows_.schedule->ShowPartYear(!MPartyear->isHidden());
    AssignMnemonics();
}

// A changed input empties the figures, so none stands beside a loan it was not worked out for.
void TMORTLOAN::MAmountChange()
{
    savedFlag_ = false;
    EmptyMortgageResults();
}

void TMORTLOAN::MCompoundedChange()
{
    savedFlag_ = false;
    EmptyMortgageResults();
}

void TMORTLOAN::BitBtn1Click()
{
    ThePlatform().ShowHelp(this, 2);
}

void TMORTLOAN::BitBtn8Click()
{
    MAmount->setFocus();
    if (!CheckMainLoan(LoanChecks::LastPayment()))
        return;
    const Loan loan = LoanOfTexts(CurrentLoanTexts());
    const double pay = loan.Repayment();
    const AmortisationResult run = RunAmortisation(loan);
    Show({LastPaymentMessage(run.PaymentsMade, pay, run.LastPaymentText), MessageKind::Confirmation});
}

MortgageDetailsReport TMORTLOAN::DetailsReportInputs() const
{
    MortgageDetailsReport report;
    report.amount = MAmount->text();
    report.years = Period->text();
    report.partYearCaption = PartYearCaption();
    report.partYear = MPartyear->text();
    report.rate = IRate->text();
    report.compounded = MainControls::Selector(MCompounded);
    report.payment = MainControls::Selector(MPayment);
    report.inArrears = MArrears->isChecked();
    const Frequency *frequency = FindFrequency(report.payment);
    report.repaymentSentence = frequency ? frequency->repaymentSentence : QString();
    report.repayment = MonthlyRepayment->text();
    report.totalInterest = TotalInterest->text();
    return report;
}
