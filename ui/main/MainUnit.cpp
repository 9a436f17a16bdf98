// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's frame: the tabs, start-up, the captions and closing. Each tab
// and the header band live in a file of their own.
#include "ui/main/MainUnit.h"

#include "chart/PieChart3D.h"
#include "ui/main/MainControls.h"
#include "ui/windows/AboutUnit.h"
#include "ui/windows/APGridUnit.h"
#include "ui/windows/APOptionsUnit.h"
#include "ui/windows/MortChartUnit.h"
#include "ui/windows/MortgageGridUnit.h"
#include "ui/windows/MSCHEDULEUnit.h"
#include "ui/windows/SpecificAPUnit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Quovella 1.31");

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

TMORTLOAN::TMORTLOAN(QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                              | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                              | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("MORTLOAN"));
    setWindowTitle(QStringLiteral("Quovella"));

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(MainControls::kClientWidth, MainControls::kClientHeight);
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

void TMORTLOAN::ConnectHandlers()
{
    ConnectMortgageTab();
    On(PageControl1, &QTabWidget::currentChanged, [this] { PageControl1Change(); });
    ConnectHeader();
    ConnectWhatIfTab();
    ConnectSavingsTab();
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
    // A save that fails or whose dialog is cancelled keeps the window open, so
    // nothing typed is lost.
    try {
        if (!OfferToSave())
            return false;
    } catch (const QuovellaError &error) {
        Show({error.Message(), MessageKind::Information});
        return false;
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

void TMORTLOAN::SetCaption(const QString &path)
{
    setWindowTitle(kTitle + QStringLiteral(" -  ") + path);
}
