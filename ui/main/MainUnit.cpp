// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/MainUnit.h"

#include "ui/windows/APGridUnit.h"
#include "ui/windows/APOptionsUnit.h"
#include "ui/windows/AboutUnit.h"
#include "ui/common/Look.h"
#include "ui/windows/MSCHEDULEUnit.h"
#include "ui/windows/MortChartUnit.h"
#include "engine/MortgageFunctions.h"
#include "ui/windows/MortgageGridUnit.h"
#include "chart/PieChart3D.h"
#include "ui/windows/SpecificAPUnit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidth = 525;
constexpr int kClientHeight = 401;
constexpr int kBandHeight = 100;
const QString kTitle = QStringLiteral("Quovella 1.31");

QComboBox *FrequencyList(const QString &name, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(FrequencyTexts());
    list->setEditable(false);
    return list;
}

QRadioButton *Radio(const QString &name, const QString &text, QWidget *parent)
{
    auto *radio = new QRadioButton(text, parent);
    radio->setObjectName(name);
    return radio;
}

QToolButton *ToolButton(const QString &name, const QString &icon, const QString &hint, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(Look::Icon(icon));
    button->setIconSize(QSize(20, 20));
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    button->setAccessibleName(hint);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// A line of a Mortgage Savings sentence: words and fields side by side.
QFrame *SentencePanel(const QString &name, QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return panel;
}

// Sets the text a named control of another window shows, whatever kind it is.
void SetText(QWidget *window, const char *name, const QString &text)
{
    if (!window)
        return;
    QWidget *control = window->findChild<QWidget *>(QLatin1String(name));
    if (!control)
        return;
    if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(text);
    else if (auto *group = qobject_cast<QGroupBox *>(control))
        group->setTitle(text);
    else
        control->setProperty("title", text);
}

} // namespace

HeaderBand::HeaderBand(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("HeaderBand"));
    setFixedHeight(kBandHeight);
    picture_.load(QStringLiteral(":/header.jpg"));
}

void HeaderBand::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Look::Navy());
    if (!picture_.isNull())
        painter.drawPixmap(0, 0, picture_);
}

TMORTLOAN::TMORTLOAN(QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                              | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                              | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("MORTLOAN"));
    setWindowTitle(QStringLiteral("Quovella"));

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kClientWidth, kClientHeight);
    Header = new HeaderBand(client);
    BuildHeader(Header);

    PageControl1 = new QTabWidget(client);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet1 = BuildMortgageTab();
    TabSheet2 = BuildWhatIfTab();
    TabSheet3 = BuildSavingsTab();
    PageControl1->addTab(TabSheet1, QStringLiteral("Mortgage"));
    PageControl1->addTab(TabSheet2, QStringLiteral("What If?"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Mortgage Savings"));
    // Kept out of the tab strip until the program is set up.
    PageControl1->setTabVisible(2, false);

    TrasferValuesCheckBox = new QCheckBox(QStringLiteral("Transfer Values to Mortgage Savings"), PageControl1);
    TrasferValuesCheckBox->setObjectName(QStringLiteral("TrasferValuesCheckBox"));
    PageControl1->setCornerWidget(TrasferValuesCheckBox, Qt::TopRightCorner);
    TrasferValuesCheckBox->setVisible(false);

    auto *layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Header);
    layout->addWidget(PageControl1, 1);
    setCentralWidget(client);

    BuildMenu();
    ConnectHandlers();
    setFixedSize(sizeHint());
    FormCreate();
}

TMORTLOAN::~TMORTLOAN() = default;

void TMORTLOAN::BuildHeader(QWidget *band)
{
    auto title = [band](const char *name, const QColor &colour) {
        QLabel *label = Look::Label(QLatin1String(name), QStringLiteral("Quovella"), band);
        label->setFont(Look::HeadingFont(32));
        label->setAttribute(Qt::WA_TranslucentBackground);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
        label->adjustSize();
        return label;
    };
    // The black copy sits 2 pixels right and 3 down of the white one, as its shadow.
    HeadingLabel2 = title("HeadingLabel2", Qt::black);
    HeadingLabel1 = title("HeadingLabel1", Qt::white);
    const int x = (kClientWidth - HeadingLabel1->width()) / 2;
    const int y = 12;
    HeadingLabel2->move(x + 2, y + 3);
    HeadingLabel1->move(x, y);
    HeadingLabel1->raise();
    for (int side = 0; side < 2; ++side) {
        auto *icon = new QLabel(band);
        icon->setObjectName(side == 0 ? QStringLiteral("HeaderIconLeft") : QStringLiteral("HeaderIconRight"));
        icon->setPixmap(Look::Icon(QStringLiteral("house")).pixmap(40, 40));
        icon->setAttribute(Qt::WA_TranslucentBackground);
        icon->resize(40, 40);
        icon->move(side == 0 ? x - 56 : x + HeadingLabel1->width() + 16, y + 4);
    }

    auto *bar = new QWidget(band);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    Look::Paint(bar, Look::ButtonFace());
    bar->setGeometry(0, 70, kClientWidth, kBandHeight - 70);
    LoadBtn = ToolButton(QStringLiteral("LoadBtn"), QStringLiteral("open"), QStringLiteral("Load File"), bar);
    SaveBtn = ToolButton(QStringLiteral("SaveBtn"), QStringLiteral("save"), QStringLiteral("Save File"), bar);
    BitBtn7 = ToolButton(QStringLiteral("BitBtn7"), QStringLiteral("grid"), QString(), bar);
    BitBtn5 = ToolButton(QStringLiteral("BitBtn5"), QStringLiteral("schedule"), QString(), bar);
    BitBtn11 = ToolButton(QStringLiteral("BitBtn11"), QStringLiteral("additional"), QString(), bar);
    BitBtn2 = ToolButton(QStringLiteral("BitBtn2"), QStringLiteral("graph"), QString(), bar);
    AboutBtn = ToolButton(QStringLiteral("AboutBtn"), QStringLiteral("about"), QStringLiteral("About"), bar);
    HelpBtn = ToolButton(QStringLiteral("HelpBtn"), QStringLiteral("help"), QStringLiteral("Help"), bar);
    ExitBtn = ToolButton(QStringLiteral("ExitBtn"), QStringLiteral("exit"), QStringLiteral("Quit"), bar);
    ExitBtn->setText(QStringLiteral("Quit"));
    ExitBtn->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 1, 4, 1);
    row->setSpacing(1);
    auto separator = [bar, row] {
        auto *line = new QFrame(bar);
        line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
        row->addSpacing(3);
        row->addWidget(line);
        row->addSpacing(3);
    };
    row->addWidget(LoadBtn);
    row->addWidget(SaveBtn);
    separator();
    row->addWidget(BitBtn7);
    row->addWidget(BitBtn5);
    row->addWidget(BitBtn11);
    row->addWidget(BitBtn2);
    separator();
    row->addWidget(AboutBtn);
    row->addWidget(HelpBtn);
    row->addStretch();
    row->addWidget(ExitBtn);
}

QWidget *TMORTLOAN::BuildMortgageTab()
{
    auto *tab = new QWidget;
    tab->setObjectName(QStringLiteral("TabSheet1"));

    MALabel = Look::Heading(QStringLiteral("MALabel"), QStringLiteral("Quovella"), 16, tab);
    BitBtn1 = Look::PictureButton(QStringLiteral("BitBtn1"), QStringLiteral("help"),
                                  QStringLiteral("Help on the Mortgage tab"), tab);

    MAmountLabel = Look::Label(QStringLiteral("MAmountLabel"), QStringLiteral("Mortgage Amount"), tab);
    MAmount = Look::Edit(QStringLiteral("MAmount"), 9, tab);
    Period = Look::Edit(QStringLiteral("Period"), 2, tab);
    MPartyear = Look::Edit(QStringLiteral("MPartyear"), 3, tab);
    Label98 = Look::Label(QStringLiteral("Label98"), QStringLiteral("Month(s)"), tab);
    IRate = Look::Edit(QStringLiteral("IRate"), 8, tab);
    Period->setFixedWidth(36);
    MPartyear->setFixedWidth(40);
    MAmount->setFixedWidth(110);
    IRate->setFixedWidth(80);
    MAmountLabel->setBuddy(MAmount);

    auto *inputs = new QGridLayout;
    inputs->setHorizontalSpacing(6);
    inputs->setVerticalSpacing(5);
    inputs->addWidget(MAmountLabel, 0, 0);
    inputs->addWidget(MAmount, 0, 1, 1, 4, Qt::AlignLeft);
    auto *periodLabel = Look::Label(QStringLiteral("PeriodLabel"), QStringLiteral("Period"), tab);
    periodLabel->setBuddy(Period);
    inputs->addWidget(periodLabel, 1, 0);
    auto *term = new QHBoxLayout;
    term->setSpacing(4);
    term->addWidget(Period);
    term->addWidget(Look::Label(QStringLiteral("YearsLabel"), QStringLiteral("Year(s)"), tab));
    term->addSpacing(6);
    term->addWidget(MPartyear);
    term->addWidget(Label98);
    term->addStretch();
    inputs->addLayout(term, 1, 1, 1, 4);
    auto *rateLabel = Look::Label(QStringLiteral("RateLabel"), QStringLiteral("Interest Rate"), tab);
    rateLabel->setBuddy(IRate);
    inputs->addWidget(rateLabel, 2, 0);
    auto *rate = new QHBoxLayout;
    rate->addWidget(IRate);
    rate->addWidget(Look::Label(QStringLiteral("PercentLabel"), QStringLiteral("%"), tab));
    rate->addStretch();
    inputs->addLayout(rate, 2, 1, 1, 4);

    auto *repayment = new QGroupBox(QStringLiteral("Repayment"), tab);
    repayment->setObjectName(QStringLiteral("RepaymentGroup"));
    MPayment = FrequencyList(QStringLiteral("MPayment"), repayment);
    MArrears = Radio(QStringLiteral("MArrears"), QStringLiteral("In Arrears"), repayment);
    MAdvance = Radio(QStringLiteral("MAdvance"), QStringLiteral("In Advance"), repayment);
    MArrears->setChecked(true);
    auto *repaymentLayout = new QGridLayout(repayment);
    repaymentLayout->setContentsMargins(8, 4, 8, 6);
    repaymentLayout->setVerticalSpacing(3);
    repaymentLayout->addWidget(MPayment, 0, 0, 1, 2);
    repaymentLayout->addWidget(MArrears, 1, 0);
    repaymentLayout->addWidget(MAdvance, 1, 1);

    auto *compounding = new QGroupBox(QStringLiteral("Interest Compounded"), tab);
    compounding->setObjectName(QStringLiteral("CompoundedGroup"));
    MCompounded = FrequencyList(QStringLiteral("MCompounded"), compounding);
    auto *compoundingLayout = new QHBoxLayout(compounding);
    compoundingLayout->setContentsMargins(8, 4, 8, 6);
    compoundingLayout->addWidget(MCompounded);
    compoundingLayout->addStretch();

    Panel1 = new QGroupBox(QStringLiteral("   Monthly Mortgage Payment is"), tab);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    MonthlyRepayment = new ResultPanel(QStringLiteral("MonthlyRepayment"), Panel1);
    BitBtn8 = Look::Button(QStringLiteral("BitBtn8"), QStringLiteral("Last Payment"), Panel1,
                           QStringLiteral("lastpayment"));
    auto *panel1Layout = new QHBoxLayout(Panel1);
    panel1Layout->setContentsMargins(8, 4, 8, 6);
    panel1Layout->addWidget(MonthlyRepayment, 1);
    panel1Layout->addWidget(BitBtn8);

    Panel6 = new QGroupBox(QStringLiteral("   Total Interest Charges are:"), tab);
    Panel6->setObjectName(QStringLiteral("Panel6"));
    TotalInterest = new ResultPanel(QStringLiteral("TotalInterest"), Panel6);
    BitBtn9 = Look::PictureButton(QStringLiteral("BitBtn9"), QStringLiteral("graph"),
                                  QStringLiteral("View a graph of your Mortgage"), Panel6);
    auto *panel6Layout = new QHBoxLayout(Panel6);
    panel6Layout->setContentsMargins(8, 4, 8, 6);
    panel6Layout->addWidget(TotalInterest, 1);
    panel6Layout->addWidget(BitBtn9);

    CalMortBtn = Look::Button(QStringLiteral("CalMortBtn"), QStringLiteral("Calculate"), tab,
                              QStringLiteral("calculate"));
    PrintMortBtn = Look::Button(QStringLiteral("PrintMortBtn"), QStringLiteral("Print"), tab,
                                QStringLiteral("print"));
    CalMortBtn->setDefault(true);
    MortgageGridBtn = Look::Button(QStringLiteral("MortgageGridBtn"), QStringLiteral("Mortgage Grid"),
                                   tab, QStringLiteral("grid"));
    SpeedButton2 = Look::Button(QStringLiteral("SpeedButton2"), QStringLiteral("Schedule"), tab,
                                QStringLiteral("schedule"));
    SpeedButton3 = Look::Button(QStringLiteral("SpeedButton3"), QStringLiteral("Additional Payments"),
                                tab, QStringLiteral("additional"));

    auto *left = new QVBoxLayout;
    left->setSpacing(4);
    left->addLayout(inputs);
    left->addWidget(repayment);
    left->addWidget(compounding);
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

    auto *columns = new QHBoxLayout;
    columns->setSpacing(12);
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

QWidget *TMORTLOAN::BuildWhatIfTab()
{
    auto *tab = new QWidget;
    tab->setObjectName(QStringLiteral("TabSheet2"));
    WhatIfHeading = Look::Heading(QStringLiteral("WhatIfHeading"), QStringLiteral("Mortgage What If?"), 16, tab);
    BitBtn14 = Look::PictureButton(QStringLiteral("BitBtn14"), QStringLiteral("help"),
                                   QStringLiteral("Help on the What If? tab"), tab);
    WhatIfHelpLabel = Look::Label(QStringLiteral("WhatIfHelpLabel"), QString(), tab);
    WhatIfHelpLabel->setWordWrap(true);

    WhatIfAmountLabel = Look::Label(QStringLiteral("WhatIfAmountLabel"), QStringLiteral("Mortgage Amount"), tab);
    WIPrincipal = Look::Edit(QStringLiteral("WIPrincipal"), 0, tab);
    WIPeriods = Look::Edit(QStringLiteral("WIPeriods"), 0, tab);
    WIPartYear = Look::Edit(QStringLiteral("WIPartYear"), 3, tab);
    WIMonthsLabel = Look::Label(QStringLiteral("WIMonthsLabel"), QStringLiteral("Months"), tab);
    WIInterest = Look::Edit(QStringLiteral("WIInterest"), 8, tab);
    WIRepay = Look::Edit(QStringLiteral("WIRepay"), 0, tab);
    WIPeriods->setFixedWidth(32);
    WIPartYear->setFixedWidth(36);
    WIPrincipal->setFixedWidth(110);
    WIInterest->setFixedWidth(80);
    WIRepay->setFixedWidth(110);
    WhatIfAmountLabel->setBuddy(WIPrincipal);

    auto *inputs = new QGridLayout;
    inputs->setVerticalSpacing(4);
    inputs->addWidget(WhatIfAmountLabel, 0, 0);
    inputs->addWidget(WIPrincipal, 0, 1, Qt::AlignLeft);
    inputs->addWidget(Look::Label(QStringLiteral("WIPeriodsLabel"), QStringLiteral("Periods"), tab), 1, 0);
    auto *term = new QHBoxLayout;
    term->setSpacing(4);
    term->addWidget(WIPeriods);
    term->addWidget(Look::Label(QStringLiteral("WIYearsLabel"), QStringLiteral("Year(s)"), tab));
    term->addSpacing(4);
    term->addWidget(WIPartYear);
    term->addWidget(WIMonthsLabel);
    term->addStretch();
    inputs->addLayout(term, 1, 1);
    inputs->addWidget(Look::Label(QStringLiteral("WIInterestLabel"), QStringLiteral("Interest Rate"), tab), 2, 0);
    inputs->addWidget(WIInterest, 2, 1, Qt::AlignLeft);
    inputs->addWidget(Look::Label(QStringLiteral("WIRepayLabel"), QStringLiteral("Repayment"), tab), 3, 0);
    inputs->addWidget(WIRepay, 3, 1, Qt::AlignLeft);

    auto *payment = new QGroupBox(QStringLiteral("Payment"), tab);
    payment->setObjectName(QStringLiteral("WIPaymentGroup"));
    WIPayment = FrequencyList(QStringLiteral("WIPayment"), payment);
    WIArrearsRB = Radio(QStringLiteral("WIArrearsRB"), QStringLiteral("In Arrears"), payment);
    WIAdvanceRB = Radio(QStringLiteral("WIAdvanceRB"), QStringLiteral("In Advance"), payment);
    WIArrearsRB->setChecked(true);
    auto *paymentLayout = new QGridLayout(payment);
    paymentLayout->setContentsMargins(8, 2, 8, 4);
    paymentLayout->setVerticalSpacing(2);
    paymentLayout->addWidget(WIPayment, 0, 0, 1, 2);
    paymentLayout->addWidget(WIArrearsRB, 1, 0);
    paymentLayout->addWidget(WIAdvanceRB, 1, 1);

    auto *compounding = new QGroupBox(QStringLiteral("Interest Compounded"), tab);
    compounding->setObjectName(QStringLiteral("WICompoundedGroup"));
    WICompounded = FrequencyList(QStringLiteral("WICompounded"), compounding);
    auto *compoundingLayout = new QVBoxLayout(compounding);
    compoundingLayout->setContentsMargins(8, 2, 8, 4);
    compoundingLayout->addWidget(WICompounded);
    compoundingLayout->addStretch();

    auto *calculate = new QGroupBox(QStringLiteral("Calculate"), tab);
    calculate->setObjectName(QStringLiteral("CalculateGroup"));
    AmountRB = Radio(QStringLiteral("AmountRB"), QStringLiteral("Amount"), calculate);
    PeriodRB = Radio(QStringLiteral("PeriodRB"), QStringLiteral("Periods"), calculate);
    InterestRB = Radio(QStringLiteral("InterestRB"), QStringLiteral("Interest"), calculate);
    PaymentRB = Radio(QStringLiteral("PaymentRB"), QStringLiteral("Payment"), calculate);
    auto *calculateLayout = new QVBoxLayout(calculate);
    calculateLayout->setContentsMargins(8, 4, 8, 6);
    calculateLayout->setSpacing(4);
    for (QRadioButton *radio : {AmountRB, PeriodRB, InterestRB, PaymentRB})
        calculateLayout->addWidget(radio);

    SpeedButton4 = Look::Button(QStringLiteral("SpeedButton4"), QStringLiteral("Calculate"), tab,
                                QStringLiteral("calculate"));
    TransferBtn = Look::Button(QStringLiteral("TransferBtn"), QStringLiteral("Transfer to Quovella"), tab,
                               QStringLiteral("transfer"));

    auto *frequencies = new QHBoxLayout;
    frequencies->setSpacing(6);
    frequencies->addWidget(payment, 3);
    frequencies->addWidget(compounding, 2);
    auto *left = new QVBoxLayout;
    left->setSpacing(4);
    left->addLayout(inputs);
    left->addLayout(frequencies);
    calculate->setFixedWidth(104);
    auto *right = new QVBoxLayout;
    right->addWidget(calculate);
    right->addStretch();

    auto *columns = new QHBoxLayout;
    columns->setSpacing(8);
    columns->addLayout(left, 1);
    columns->addLayout(right);

    auto *heading = new QHBoxLayout;
    heading->addWidget(WhatIfHeading);
    heading->addStretch();
    heading->addWidget(BitBtn14);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SpeedButton4);
    buttons->addWidget(TransferBtn);

    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(4);
    layout->addLayout(heading);
    layout->addWidget(WhatIfHelpLabel);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    AmountRB->setChecked(true);
    Look::MarkAsResult(WIPrincipal, true);
    return tab;
}

QWidget *TMORTLOAN::BuildSavingsTab()
{
    auto *tab = new QWidget;
    tab->setObjectName(QStringLiteral("TabSheet3"));
    auto *heading = Look::Heading(QStringLiteral("SavingsHeading"),
                                  QStringLiteral("Financial Benefits of a Reduced Mortgage Life"), 15, tab);

    auto edit = [tab](const char *name) {
        QLineEdit *e = Look::Edit(QLatin1String(name), 0, tab);
        e->setFixedWidth(72);
        return e;
    };
    auto result = [tab](const char *name, int width) {
        auto *panel = new ResultPanel(QLatin1String(name), tab);
        panel->setFixedWidth(width);
        return panel;
    };
    auto words = [tab](const QString &text) {
        return Look::Label(QString(), text, tab);
    };
    MSavingsAmount = edit("MSavingsAmount");
    mperiod = edit("mperiod");
    minterest = edit("minterest");
    reducedperiod = edit("reducedperiod");
    investrate = edit("investrate");
    mperiod->setFixedWidth(40);
    reducedperiod->setFixedWidth(40);
    minterest->setFixedWidth(56);
    investrate->setFixedWidth(56);
    mrepayment = result("mrepayment", 84);
    reducedpayment = result("reducedpayment", 84);
    textra = result("textra", 64);
    tyears = result("tyears", 34);
    investtotal = result("investtotal", 110);

    QFrame *panel1 = SentencePanel(QStringLiteral("SavingsPanel1"), tab);
    auto *p1 = new QGridLayout(panel1);
    p1->setContentsMargins(8, 4, 8, 4);
    p1->setVerticalSpacing(3);
    p1->addWidget(words(QStringLiteral("Mortgage Amount")), 0, 0);
    p1->addWidget(MSavingsAmount, 0, 1);
    p1->addWidget(words(QStringLiteral("Period (Years)")), 0, 2, Qt::AlignRight);
    p1->addWidget(mperiod, 0, 3);
    p1->addWidget(words(QStringLiteral("Interest Rate %")), 1, 0);
    p1->addWidget(minterest, 1, 1);
    p1->addWidget(words(QStringLiteral("Monthly Repayment")), 1, 2, Qt::AlignRight);
    p1->addWidget(mrepayment, 1, 3);
    p1->setColumnStretch(4, 1);

    QFrame *panel2 = SentencePanel(QStringLiteral("SavingsPanel2"), tab);
    auto *p2 = new QHBoxLayout(panel2);
    p2->setContentsMargins(8, 4, 8, 4);
    p2->addWidget(words(QStringLiteral("Reduce Period to")));
    p2->addWidget(reducedperiod);
    p2->addWidget(words(QStringLiteral("Years")));
    p2->addSpacing(16);
    p2->addWidget(words(QStringLiteral("Monthly Repayment")));
    p2->addWidget(reducedpayment);
    p2->addStretch();

    QFrame *panel3 = SentencePanel(QStringLiteral("SavingsPanel3"), tab);
    auto *p3 = new QHBoxLayout(panel3);
    p3->setContentsMargins(8, 4, 8, 4);
    p3->setSpacing(4);
    p3->addWidget(words(QStringLiteral("By paying an extra")));
    p3->addWidget(textra);
    p3->addWidget(words(QStringLiteral("per month, the Mortgage will be paid off in")));
    p3->addWidget(tyears);
    p3->addWidget(words(QStringLiteral("years.")));
    p3->addStretch();

    QFrame *panel4 = SentencePanel(QStringLiteral("SavingsPanel4"), tab);
    auto *p4 = new QVBoxLayout(panel4);
    p4->setContentsMargins(8, 4, 8, 4);
    p4->setSpacing(2);
    auto *line1 = new QHBoxLayout;
    line1->addWidget(words(QStringLiteral("If the original monthly repayment is then invested at ")));
    line1->addWidget(investrate);
    line1->addWidget(words(QStringLiteral("% Interest for the")));
    line1->addStretch();
    p4->addLayout(line1);
    p4->addWidget(words(QStringLiteral("remainder of the original term, then the value of this investment at the end of the")));
    auto *line3 = new QHBoxLayout;
    line3->addWidget(words(QStringLiteral("original Period is")));
    line3->addWidget(investtotal);
    line3->addStretch();
    p4->addLayout(line3);

    BitBtn12 = Look::Button(QStringLiteral("BitBtn12"), QStringLiteral("Print"), tab, QStringLiteral("print"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn12);

    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(4);
    layout->addWidget(heading);
    layout->addWidget(panel1);
    layout->addWidget(panel2);
    layout->addWidget(panel3);
    layout->addWidget(panel4);
    layout->addStretch();
    layout->addLayout(buttons);
    return tab;
}

void TMORTLOAN::BuildMenu()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    LoadFile1 = file->addAction(QStringLiteral("&Open File"));
    SaveFile1 = file->addAction(QStringLiteral("&Save File"));
    file->addSeparator();
    Exit1 = file->addAction(QStringLiteral("&Exit"));
    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    Contents1 = help->addAction(QStringLiteral("&Contents"));
    help->addSeparator();
    About1 = help->addAction(QStringLiteral("&About"));
    LoadFile1->setObjectName(QStringLiteral("LoadFile1"));
    SaveFile1->setObjectName(QStringLiteral("SaveFile1"));
    Exit1->setObjectName(QStringLiteral("Exit1"));
    Contents1->setObjectName(QStringLiteral("Contents1"));
    About1->setObjectName(QStringLiteral("About1"));
    LoadFile1->setShortcut(QKeySequence::Open);
    SaveFile1->setShortcut(QKeySequence::Save);
    Contents1->setShortcut(QKeySequence::HelpContents);
}

void TMORTLOAN::ConnectHandlers()
{
    // Every handler runs guarded: a file or printer error is shown and the program goes on.
    auto on = [this](auto *sender, auto signal, auto handler) {
        connect(sender, signal, this, [this, handler](auto &&...) { RunGuarded(this, handler); });
    };
    auto forward = [this](QAction *item, QAbstractButton *button) {
        connect(item, &QAction::triggered, button, &QAbstractButton::click);
    };

    on(CalMortBtn, &QPushButton::clicked, [this] { CalMortBtnClick(CalMortBtn); });
    on(PrintMortBtn, &QPushButton::clicked, [this] { CalMortBtnClick(PrintMortBtn); });
    on(BitBtn1, &QPushButton::clicked, [this] { BitBtn1Click(); });
    on(BitBtn8, &QPushButton::clicked, [this] { BitBtn8Click(); });
    on(BitBtn9, &QPushButton::clicked, [this] { BitBtn9Click(); });
    on(MortgageGridBtn, &QPushButton::clicked, [this] { MortgageGridBtnClick(); });
    on(SpeedButton2, &QPushButton::clicked, [this] { SpeedButton2Click(); });
    on(SpeedButton3, &QPushButton::clicked, [this] { SpeedButton3Click(); });
    for (QLineEdit *edit : {MAmount, Period, IRate, MPartyear}) {
        on(edit, &QLineEdit::textChanged, [this] { MAmountChange(); });
        connect(edit, &QLineEdit::returnPressed, CalMortBtn, &QPushButton::click);
    }
    on(MArrears, &QRadioButton::toggled, [this] { MAmountChange(); });
    on(MPayment, &QComboBox::activated, [this] { MPaymentChange(); });
    on(MCompounded, &QComboBox::activated, [this] { MCompoundedChange(); });
    on(PageControl1, &QTabWidget::currentChanged, [this] { PageControl1Change(); });

    // The toolbar twins of the tab's buttons.
    connect(BitBtn7, &QToolButton::clicked, MortgageGridBtn, &QPushButton::click);
    connect(BitBtn5, &QToolButton::clicked, SpeedButton2, &QPushButton::click);
    connect(BitBtn11, &QToolButton::clicked, SpeedButton3, &QPushButton::click);
    connect(BitBtn2, &QToolButton::clicked, BitBtn9, &QPushButton::click);
    on(LoadBtn, &QToolButton::clicked, [this] { LoadBtnClick(); });
    on(SaveBtn, &QToolButton::clicked, [this] { SaveBtnClick(); });
    on(AboutBtn, &QToolButton::clicked, [this] { AboutBtnClick(); });
    on(HelpBtn, &QToolButton::clicked, [this] { HelpBtnClick(); });
    on(ExitBtn, &QToolButton::clicked, [this] { ExitBtnClick(); });
    forward(LoadFile1, LoadBtn);
    forward(SaveFile1, SaveBtn);
    forward(Exit1, ExitBtn);
    forward(Contents1, HelpBtn);
    forward(About1, AboutBtn);

    for (QRadioButton *radio : {AmountRB, PeriodRB, InterestRB, PaymentRB})
        on(radio, &QRadioButton::toggled, [this, radio] {
            if (radio->isChecked())
                AmountRBClick();
        });
    on(WIPayment, &QComboBox::activated, [this] { WIPaymentChange(); });
    on(SpeedButton4, &QPushButton::clicked, [this] { SpeedButton4Click(); });
    on(TransferBtn, &QPushButton::clicked, [this] { TransferBtnClick(); });
    on(BitBtn14, &QPushButton::clicked, [this] { BitBtn14Click(); });
    for (QLineEdit *edit : {WIPrincipal, WIPeriods, WIPartYear, WIInterest, WIRepay})
        connect(edit, &QLineEdit::returnPressed, SpeedButton4, &QPushButton::click);

    for (QLineEdit *edit : {MSavingsAmount, mperiod, minterest, reducedperiod, investrate})
        on(edit, &QLineEdit::textChanged, [this, edit] { MSavingsAmountChange(edit); });
    on(BitBtn12, &QPushButton::clicked, [this] { BitBtn12Click(); });
}

void TMORTLOAN::AttachWindows(const SecondaryWindows &windows)
{
    windows_ = windows;
}

void TMORTLOAN::FormCreate()
{
    savedFlag_ = true;
    // Selecting in code runs no change handler: only a user's choice does.
    for (QComboBox *list : {MPayment, MCompounded, WIPayment, WICompounded})
        list->setCurrentIndex(3);
    programDirectory_ = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    // The dialogs start beside the program, as long as the user may write there;
    // an installed program's folder is not, so start in the user's documents then.
    QString start = programDirectory_;
    if (!QFileInfo(QCoreApplication::applicationDirPath()).isWritable())
        start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    open_.directory = start;
    save_.directory = start;
}

void TMORTLOAN::SetupProgram()
{
    PageControl1->setTabVisible(2, true);
    TrasferValuesCheckBox->setVisible(PageControl1->currentWidget() == TabSheet1);
    open_.filter = QStringLiteral("Quovella Saved Files |*.QVL");
    save_.filter = QStringLiteral("Quovella File |*.QVL");
    UpdateAllLabelsToMortgageLoan();
}

void TMORTLOAN::UpdateAllLabelsToMortgageLoan()
{
    setWindowTitle(kTitle);
    MALabel->setText(QStringLiteral("Quovella"));
    HeadingLabel1->setText(QStringLiteral("Quovella"));
    HeadingLabel2->setText(QStringLiteral("Quovella"));
    const QString hints[] = {QStringLiteral("View the Mortgage Grid"),
                             QStringLiteral("View the Mortgage Schedule"),
                             QStringLiteral("See the effect of additional payments on your Mortgage"),
                             QStringLiteral("View a  graph of your Mortgage")};
    QToolButton *twins[] = {BitBtn7, BitBtn5, BitBtn11, BitBtn2};
    for (int k = 0; k < 4; ++k) {
        twins[k]->setToolTip(hints[k]);
        twins[k]->setStatusTip(hints[k]);
        twins[k]->setAccessibleName(hints[k]);
    }
    PageControl1->setTabText(0, QStringLiteral("Mortgage"));
    MAmountLabel->setText(QStringLiteral("Mortgage Amount"));
    MortgageGridBtn->setText(QStringLiteral("Mortgage Grid"));
    WhatIfHeading->setText(QStringLiteral("Mortgage What If?"));
    WhatIfHelpLabel->setText(QStringLiteral(
        "Calculate any of the four Mortgage variables. Select the variable to be calculated on "
        "the right, and enter the values for the other three variables."));
    WhatIfAmountLabel->setText(QStringLiteral("Mortgage Amount"));
    TransferBtn->setText(QStringLiteral("Transfer to Quovella"));

    QWidget *about = windows_.about;
    QWidget *additional = windows_.additional;
    QWidget *options = windows_.options;
    QWidget *grid = windows_.grid;
    QWidget *schedule = windows_.schedule;
    QWidget *specific = windows_.specific;
    SetText(about, "HeadingLabel", QStringLiteral("Quovella"));
    SetText(about, "VersionLabel", QStringLiteral("Version 1.31"));
    SetText(additional, "MortgageLabel",
            QStringLiteral("The table below shows the additional payment required to pay off the "
                           "Mortgage in the number of years indicated. It also shows the saving on "
                           "interest charges achieved by paying off the Mortgage in a shorter period."));
    SetText(additional, "Label10", QStringLiteral("Years to pay off Mortgage"));
    SetText(options, "Label2",
            QStringLiteral("Compare the additional payments required to reduce the Mortgage by "
                           "different periods."));
    if (windows_.chart)
        windows_.chart->MortgageChart->SetTitle(QStringLiteral("Cost Breakdown of Mortgage"));
    if (grid)
        grid->setWindowTitle(QStringLiteral("Mortgage Grid"));
    SetText(grid, "HeadingLabel", QStringLiteral("Mortgage Grid"));
    SetText(grid, "Label8",
            QStringLiteral("This screen allows you to easily see the effect of changes in interest "
                           "rates or your Mortgage amount on your monthly Mortgage repayment."));
    SetText(schedule, "HeadingLabel", QStringLiteral("Mortgage Schedule"));
    if (schedule)
        schedule->setWindowTitle(QStringLiteral("Mortgage Schedule"));
    SetText(specific, "Now", QStringLiteral("From the start of the Mortgage"));
    MPaymentChange();
}

LoanTexts TMORTLOAN::CurrentLoanTexts() const
{
    LoanTexts texts;
    texts.amount = MAmount->text();
    texts.years = Period->text();
    texts.part = MPartyear->text();
    texts.rate = IRate->text();
    texts.payment = MPayment->currentText();
    texts.compounded = MCompounded->currentText();
    texts.timing = MArrears->isChecked() ? Timing::InArrears : Timing::InAdvance;
    return texts;
}

QString TMORTLOAN::PartYearCaption() const
{
    return Label98->text();
}

SavingsFields TMORTLOAN::SavingsInputs() const
{
    return SavingsFields{MSavingsAmount->text(), mperiod->text(), minterest->text(),
                         reducedperiod->text(), investrate->text()};
}

WhatIfFields TMORTLOAN::WhatIfInputs() const
{
    WhatIfFields fields;
    fields.principal = WIPrincipal->text();
    fields.periods = WIPeriods->text();
    fields.partYear = WIPartYear->text();
    fields.interest = WIInterest->text();
    fields.repay = WIRepay->text();
    fields.payment = WIPayment->currentText();
    fields.compounded = WICompounded->currentText();
    fields.timing = WIArrearsRB->isChecked() ? Timing::InArrears : Timing::InAdvance;
    fields.solveFor = AmountRB->isChecked()     ? WhatIfVariable::Amount
                      : PeriodRB->isChecked()   ? WhatIfVariable::Periods
                      : InterestRB->isChecked() ? WhatIfVariable::Interest
                                                : WhatIfVariable::Payment;
    return fields;
}

void TMORTLOAN::Show(const Message &message)
{
    ThePlatform().ShowMessage(this, message.text, message.kind, MessageButtons::Ok);
}

bool TMORTLOAN::CheckMainLoan(const LoanCheck &check)
{
    if (const auto problem = CheckLoanTexts(CurrentLoanTexts(), check)) {
        Show(problem->message);
        return false;
    }
    return true;
}

void TMORTLOAN::CalMortBtnClick(QObject *sender)
{
    TotalInterest->clear();
    MonthlyRepayment->clear();
    if (!CheckMainLoan(LoanChecks::Mortgage()))
        return;
    const MortgageFigures figures = CalculateMortgage(LoanOfTexts(CurrentLoanTexts()));
    MonthlyRepayment->setText(MoneyText(figures.repayment));
    if (figures.paymentsDiffer)
        Show({ImpossiblePayOffMessage(figures.run.PaymentsMade), MessageKind::Information});
    TotalInterest->setText(MoneyText(figures.totalInterest));
    if (sender == PrintMortBtn && ThePlatform().SelectPrinter(this) && reports_.mortgageDetails)
        reports_.mortgageDetails();
}

void TMORTLOAN::MPaymentChange()
{
    savedFlag_ = false;
    Label98->setVisible(true);
    MPartyear->setVisible(true);
    TMSCHEDULE *schedule = windows_.schedule;
    auto setScheduleVisible = [schedule](bool visible) {
        if (!schedule)
            return;
        schedule->Label11->setVisible(visible);
        schedule->Partyear->setVisible(visible);
    };
    setScheduleVisible(true);
    const Frequency *frequency = FindFrequency(MPayment->currentText());
    if (MPayment->currentText() == QLatin1String("Annualy")) {
        Label98->setVisible(false);
        MPartyear->setVisible(false);
        MPartyear->clear();
        setScheduleVisible(false);
    } else {
        Label98->setText(frequency ? frequency->partYearCaption : QString());
    }
    Panel1->setTitle(frequency ? frequency->repaymentSentence : QString());
}

void TMORTLOAN::MAmountChange()
{
    savedFlag_ = false;
}

void TMORTLOAN::MCompoundedChange()
{
    savedFlag_ = false;
}

void TMORTLOAN::PageControl1Change()
{
    QWidget *tab = PageControl1->currentWidget();
    if (tab == TabSheet3 && TrasferValuesCheckBox->isChecked()) {
        MSavingsAmount->setText(MAmount->text());
        mperiod->setText(Period->text());
        minterest->setText(IRate->text());
    }
    const bool mortgage = tab == TabSheet1;
    TrasferValuesCheckBox->setVisible(mortgage);
    for (QToolButton *button : {BitBtn7, BitBtn11, BitBtn5, BitBtn2})
        button->setEnabled(mortgage);
}

bool TMORTLOAN::FormCloseQuery()
{
    if (!savedFlag_) {
        const MessageResult answer =
            ThePlatform().ShowMessage(this, QStringLiteral("Do you want to save your file first?"),
                                      MessageKind::Information, MessageButtons::YesNoCancel);
        if (answer == MessageResult::Cancel)
            return false;
        if (answer == MessageResult::Yes) {
            // A save that fails keeps the window open, so nothing typed is lost.
            try {
                SaveBtnClick();
            } catch (const QuovellaError &error) {
                Show({error.Message(), MessageKind::Information});
                return false;
            }
        }
    }
    RememberCurrentFile();
    return true;
}

void TMORTLOAN::closeEvent(QCloseEvent *event)
{
    bool allowed = false;
    RunGuarded(this, [&] { allowed = FormCloseQuery(); });
    if (!allowed) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

void TMORTLOAN::ExitBtnClick()
{
    close();
}

void TMORTLOAN::HelpBtnClick()
{
    ThePlatform().ShowHelp(this, 0);
}

void TMORTLOAN::BitBtn1Click()
{
    ThePlatform().ShowHelp(this, 2);
}

void TMORTLOAN::BitBtn14Click()
{
    ThePlatform().ShowHelp(this, 8);
}

void TMORTLOAN::AboutBtnClick()
{
    if (QWidget *about = windows_.about) {
        CentreOnScreen(about);
        about->show();
        about->raise();
        about->activateWindow();
    }
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

void TMORTLOAN::AmountRBClick()
{
    const std::pair<QRadioButton *, std::vector<QLineEdit *>> choices[] = {
        {AmountRB, {WIPrincipal}},
        {PeriodRB, {WIPeriods, WIPartYear}},
        {InterestRB, {WIInterest}},
        {PaymentRB, {WIRepay}},
    };
    for (const auto &[radio, edits] : choices)
        for (QLineEdit *edit : edits) {
            Look::MarkAsResult(edit, radio->isChecked());
            if (radio->isChecked())
                edit->clear();
        }
}

void TMORTLOAN::WIPaymentChange()
{
    WIMonthsLabel->setVisible(true);
    WIPartYear->setVisible(true);
    if (WIPayment->currentText() == QLatin1String("Annualy")) {
        WIMonthsLabel->setVisible(false);
        WIPartYear->setVisible(false);
        WIPartYear->clear();
    } else if (const Frequency *frequency = FindFrequency(WIPayment->currentText())) {
        WIMonthsLabel->setText(frequency->partYearCaption);
    }
}

void TMORTLOAN::SpeedButton4Click()
{
    WIPrincipal->setFocus();
    const WhatIfFields fields = WhatIfInputs();
    const WhatIfOutcome outcome = SolveWhatIf(fields);
    if (outcome.message) {
        Show(*outcome.message);
        return;
    }
    switch (fields.solveFor) {
    case WhatIfVariable::Amount: WIPrincipal->setText(outcome.fields.principal); break;
    case WhatIfVariable::Periods:
        WIPeriods->setText(outcome.fields.periods);
        WIPartYear->setText(outcome.fields.partYear);
        break;
    case WhatIfVariable::Interest: WIInterest->setText(outcome.fields.interest); break;
    case WhatIfVariable::Payment: WIRepay->setText(outcome.fields.repay); break;
    }
}

void TMORTLOAN::TransferBtnClick()
{
    MAmount->setText(WIPrincipal->text());
    Period->setText(WIPeriods->text());
    MPartyear->setText(WIPartYear->text());
    IRate->setText(WIInterest->text());
    MPayment->setCurrentIndex(WIPayment->currentIndex());
    MArrears->setChecked(WIArrearsRB->isChecked());
    MAdvance->setChecked(WIAdvanceRB->isChecked());
    MCompounded->setCurrentIndex(WICompounded->currentIndex());
    MPaymentChange();
    // The user expects the Mortgage tab's own rules (toolbar enabled, transfer box shown).
    if (PageControl1->currentWidget() == TabSheet1)
        PageControl1Change();
    else
        PageControl1->setCurrentWidget(TabSheet1);
}

void TMORTLOAN::MSavingsAmountChange(QObject *sender)
{
    savedFlag_ = false;
    for (ResultPanel *panel : {mrepayment, reducedpayment, textra, tyears, investtotal})
        panel->clear();
    std::optional<SavingsField> changed;
    if (sender == MSavingsAmount)
        changed = SavingsField::Amount;
    else if (sender == mperiod)
        changed = SavingsField::Period;
    else if (sender == minterest)
        changed = SavingsField::Rate;
    else if (sender == reducedperiod)
        changed = SavingsField::ReducedPeriod;
    else if (sender == investrate)
        changed = SavingsField::InvestRate;
    const SavingsOutcome outcome = CalculateSavings(SavingsInputs(), changed);
    if (outcome.message) {
        Show(*outcome.message);
        return;
    }
    mrepayment->setText(outcome.repayment);
    reducedpayment->setText(outcome.reducedRepayment);
    textra->setText(outcome.extra);
    tyears->setText(outcome.years);
    investtotal->setText(outcome.investment);
}

void TMORTLOAN::BitBtn12Click()
{
    if (ThePlatform().SelectPrinter(this) && reports_.mortgageSavings)
        reports_.mortgageSavings();
}

void TMORTLOAN::SetCaption(const QString &path)
{
    setWindowTitle(kTitle + QStringLiteral(" -  ") + path);
}
