// SPDX-License-Identifier: GPL-3.0-or-later
// The Mortgage Savings tab: what paying the loan off sooner costs each month, and
// what investing the old repayment afterwards would earn.
#include "ui/main/MainUnit.h"

#include "ui/common/Keyboard.h"
#include "ui/common/Look.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace {

// A line of a Mortgage Savings sentence: words and fields side by side.
QFrame *SentencePanel(const QString &name, QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return panel;
}

// Words of the sentences around the fields; a field's caption leads to it by its Alt key.
QLabel *Words(const QString &text, QWidget *tab, QWidget *field = nullptr)
{
    QLabel *label = Look::Label(QString(), text, tab);
    label->setBuddy(field);
    return label;
}

} // namespace

QWidget *TMORTLOAN::BuildSavingsTab()
{
    auto *tab = new QWidget;
    tab->setObjectName(QStringLiteral("TabSheet3"));
    auto *heading = Look::Heading(QStringLiteral("SavingsHeading"),
                                  tr("Financial Benefits of a Reduced Mortgage Life"), 15, tab);
    BuildSavingsFields(tab);
    QFrame *panel1 = BuildSavingsAmountPanel(tab);
    QFrame *panel2 = BuildReducedPeriodPanel(tab);
    QFrame *panel3 = BuildExtraPaymentPanel(tab);
    QFrame *panel4 = BuildInvestmentPanel(tab);

    BitBtn12 = Look::Button(QStringLiteral("BitBtn12"), tr("Print"), tab, QStringLiteral("print"));
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

void TMORTLOAN::BuildSavingsFields(QWidget *tab)
{
    auto edit = [tab](const char *name) {
        QLineEdit *e = Look::Edit(QLatin1String(name), 0, tab);
        e->setFixedWidth(Look::Scaled(72));
        return e;
    };
    // A panel keeps its width for ordinary figures and widens for a long one.
    auto result = [tab](const char *name, int width) {
        auto *panel = new ResultPanel(QLatin1String(name), tab);
        panel->setMinimumWidth(Look::Scaled(width));
        panel->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
        return panel;
    };
    MSavingsAmount = edit("MSavingsAmount");
    mperiod = edit("mperiod");
    minterest = edit("minterest");
    reducedperiod = edit("reducedperiod");
    investrate = edit("investrate");
    mperiod->setFixedWidth(Look::Scaled(40));
    reducedperiod->setFixedWidth(Look::Scaled(40));
    minterest->setFixedWidth(Look::Scaled(56));
    investrate->setFixedWidth(Look::Scaled(56));
    mrepayment = result("mrepayment", 84);
    reducedpayment = result("reducedpayment", 84);
    textra = result("textra", 64);
    tyears = result("tyears", 34);
    investtotal = result("investtotal", 110);
}

QFrame *TMORTLOAN::BuildSavingsAmountPanel(QWidget *tab)
{
    QFrame *panel1 = SentencePanel(QStringLiteral("SavingsPanel1"), tab);
    auto *p1 = new QGridLayout(panel1);
    p1->setContentsMargins(8, 4, 8, 4);
    p1->setVerticalSpacing(3);
    p1->addWidget(Words(tr("Mortgage Amount"), tab, MSavingsAmount), 0, 0);
    p1->addWidget(MSavingsAmount, 0, 1);
    p1->addWidget(Words(tr("Period (Years)"), tab, mperiod), 0, 2, Qt::AlignRight);
    p1->addWidget(mperiod, 0, 3);
    p1->addWidget(Words(tr("Interest Rate %"), tab, minterest), 1, 0);
    p1->addWidget(minterest, 1, 1);
    p1->addWidget(Words(tr("Monthly Repayment"), tab), 1, 2, Qt::AlignRight);
    p1->addWidget(mrepayment, 1, 3);
    p1->setColumnStretch(4, 1);
    return panel1;
}

QFrame *TMORTLOAN::BuildReducedPeriodPanel(QWidget *tab)
{
    QFrame *panel2 = SentencePanel(QStringLiteral("SavingsPanel2"), tab);
    auto *p2 = new QHBoxLayout(panel2);
    p2->setContentsMargins(8, 4, 8, 4);
    p2->addWidget(Words(tr("Reduce Period to"), tab, reducedperiod));
    p2->addWidget(reducedperiod);
    p2->addWidget(Words(tr("Years"), tab));
    p2->addSpacing(16);
    p2->addWidget(Words(tr("Monthly Repayment"), tab));
    p2->addWidget(reducedpayment);
    p2->addStretch();
    return panel2;
}

QFrame *TMORTLOAN::BuildExtraPaymentPanel(QWidget *tab)
{
    QFrame *panel3 = SentencePanel(QStringLiteral("SavingsPanel3"), tab);
    auto *p3 = new QHBoxLayout(panel3);
    p3->setContentsMargins(8, 4, 8, 4);
    p3->setSpacing(4);
    p3->addWidget(Words(tr("By paying an extra"), tab));
    p3->addWidget(textra);
    p3->addWidget(Words(tr("per month, the Mortgage will be paid off in"), tab));
    p3->addWidget(tyears);
    p3->addWidget(Words(tr("years."), tab));
    p3->addStretch();
    return panel3;
}

QFrame *TMORTLOAN::BuildInvestmentPanel(QWidget *tab)
{
    QFrame *panel4 = SentencePanel(QStringLiteral("SavingsPanel4"), tab);
    auto *p4 = new QVBoxLayout(panel4);
    p4->setContentsMargins(8, 4, 8, 4);
    p4->setSpacing(2);
    auto *line1 = new QHBoxLayout;
    line1->addWidget(Words(tr("If the original monthly repayment is then invested at "), tab, investrate));
    line1->addWidget(investrate);
    line1->addWidget(Words(tr("% Interest for the"), tab));
    line1->addStretch();
    p4->addLayout(line1);
    p4->addWidget(Words(
        tr("remainder of the original term, then the value of this investment at the end of the"), tab));
    auto *line3 = new QHBoxLayout;
    line3->addWidget(Words(tr("original Period is"), tab));
    line3->addWidget(investtotal);
    line3->addStretch();
    p4->addLayout(line3);
    return panel4;
}

void TMORTLOAN::ConnectSavingsTab()
{
    for (QLineEdit *edit : {MSavingsAmount, mperiod, minterest, reducedperiod, investrate}) {
        On(edit, &QLineEdit::textChanged, [this] { MSavingsAmountChange(); });
        On(edit, &QLineEdit::returnPressed, [this, edit] { MSavingsAmountExit(edit); });
        Keyboard::OnLeave(edit, &savingsLeaving_, [this, edit] { RunGuarded(this, [this, edit] { MSavingsAmountExit(edit); }); });
    }
    On(BitBtn12, &QPushButton::clicked, [this] { BitBtn12Click(); });
}

SavingsFields TMORTLOAN::SavingsInputs() const
{
    return SavingsFields{MSavingsAmount->text(), mperiod->text(), minterest->text(),
                         reducedperiod->text(), investrate->text()};
}

void TMORTLOAN::MSavingsAmountChange()
{
    savedFlag_ = false;
    // A text on its way to a number ("-", ".", "1e") only leaves the results empty;
    // what is wrong is told when the user leaves the field.
    const SavingsOutcome outcome = CalculateSavings(SavingsInputs());
    mrepayment->setText(outcome.repayment);
    reducedpayment->setText(outcome.reducedRepayment);
    textra->setText(outcome.extra);
    tyears->setText(outcome.years);
    investtotal->setText(outcome.investment);
}

void TMORTLOAN::MSavingsAmountExit(QLineEdit *field)
{
    // The message box takes the focus from the field, and putting it back takes it
    // from another: neither is the user leaving a field.
    if (savingsMessageShown_)
        return;
    const std::pair<QLineEdit *, SavingsField> fields[] = {
        {MSavingsAmount, SavingsField::Amount},   {mperiod, SavingsField::Period},
        {minterest, SavingsField::Rate},          {reducedperiod, SavingsField::ReducedPeriod},
        {investrate, SavingsField::InvestRate},
    };
    const auto it = std::find_if(std::begin(fields), std::end(fields), [field](const auto &f) { return f.first == field; });
    if (it == std::end(fields))
        return;
    const SavingsOutcome outcome = CalculateSavings(SavingsInputs());
    const SavingsProblem *problem = outcome.ProblemOf(it->second);
    if (!problem)
        return;
    const QScopedValueRollback<bool> shown(savingsMessageShown_, true);
    Keyboard::ShowFault(this, problem->message, field);
}

std::optional<Message> TMORTLOAN::SavingsMessage() const
{
    const SavingsOutcome outcome = CalculateSavings(SavingsInputs());
    if (const Message *message = outcome.FirstMessage())
        return *message;
    return std::nullopt;
}

void TMORTLOAN::BitBtn12Click()
{
    if (ThePlatform().SelectPrinter(this) && reports_.mortgageSavings)
        reports_.mortgageSavings();
}

MortgageSavingsReport TMORTLOAN::SavingsReportInputs() const
{
    MortgageSavingsReport report;
    report.amount = MSavingsAmount->text();
    report.rate = minterest->text();
    report.years = mperiod->text();
    report.repayment = mrepayment->text();
    report.reducedPeriod = reducedperiod->text();
    report.reducedRepayment = reducedpayment->text();
    report.extra = textra->text();
    report.reducedYears = tyears->text();
    report.investRate = investrate->text();
    report.investTotal = investtotal->text();
    return report;
}
