// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/CompareUnit.h"

#include "ui/common/Keyboard.h"
#include "ui/common/Look.h"
#include "platform/Platform.h"

#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QColor CheapestTint()
{
    return QColor(226, 244, 226);
}

} // namespace

// ---------------------------------------------------------------------------
// The table

void ComparisonModel::SetComparison(Comparison comparison)
{
    beginResetModel();
    comparison_ = std::move(comparison);
    endResetModel();
}

int ComparisonModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ComparisonRows;
}

int ComparisonModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ComparisonColumns(comparison_);
}

QVariant ComparisonModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    const int column = index.column();
    const bool cheapest = column > 0 && column - 1 == comparison_.cheapest;
    switch (role) {
    case Qt::DisplayRole: return ComparisonCellText(comparison_, row, column, TextStyle::Screen());
    case Qt::TextAlignmentRole:
        return column == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    // The grey differences and the tinted cheapest offer keep the light ground
    // they are read on, and black text on the tint, in any theme.
    case Qt::ForegroundRole:
        if (IsDifferenceRow(row))
            return QColor(90, 90, 90);
        if (cheapest)
            return QColor(Qt::black);
        return {};
    case Qt::BackgroundRole:
        if (cheapest)
            return CheapestTint();
        if (IsDifferenceRow(row))
            return QColor(Qt::white);
        return {};
    case Qt::FontRole: {
        QFont font;
        if (IsDifferenceRow(row))
            font.setPointSizeF(font.pointSizeF() * 0.9);
        font.setBold(cheapest && !IsDifferenceRow(row));
        return font;
    }
    default: return {};
    }
}

QVariant ComparisonModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    const bool cheapest = section > 0 && section - 1 == comparison_.cheapest;
    if (role == Qt::DisplayRole) {
        const QString name = ComparisonHeadings(comparison_, TextStyle::Shown()).value(section);
        return cheapest ? name + tr(" (cheapest)") : name;
    }
    if (role == Qt::FontRole && cheapest) {
        QFont font;
        font.setBold(true);
        return font;
    }
    return {};
}

// ---------------------------------------------------------------------------
// The name dialog

TCompareNameDialog::TCompareNameDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("CompareNameDialog"));
    setWindowTitle(tr("Rename the Loan"));
    auto *label = new QLabel(tr("&Name"), this);
    NameEdit = Look::Edit(QStringLiteral("NameEdit"), 60, this);
    NameEdit->setMinimumWidth(Look::Scaled(260));
    label->setBuddy(NameEdit);
    OkBtn = Look::Button(QStringLiteral("OkBtn"), tr("&OK"), this, QStringLiteral("ok"));
    CancelBtn = Look::Button(QStringLiteral("CancelBtn"), tr("&Cancel"), this);
    OkBtn->setDefault(true);
    auto *field = new QHBoxLayout;
    field->addWidget(label);
    field->addWidget(NameEdit, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBtn);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addLayout(buttons);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    Keyboard::TabOrder({NameEdit, OkBtn, CancelBtn});
    Keyboard::NameFieldsForReaders(this);
}

void TCompareNameDialog::Prepare(const QString &name)
{
    setResult(QDialog::Rejected);
    NameEdit->setText(name);
    NameEdit->selectAll();
    NameEdit->setFocus();
}

QString TCompareNameDialog::Name() const
{
    // A pasted name keeps its words but never a line break: the file holds it on one line.
    QString name = NameEdit->text();
    name.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return name.simplified();
}

// ---------------------------------------------------------------------------
// The window

TCompare::TCompare(MainLoan &main, QWidget *parent)
    : AnalysisWindow(QStringLiteral("Compare"), tr("Compare Offers"), 700, 560, Look::Teal(), parent),
      main_(main), model_(new ComparisonModel(this)), dialog_(new TCompareNameDialog(this))
{
    Build();
    AllowEnlarging();
}

void TCompare::Build()
{
    HeadingLabel = Look::Heading(QStringLiteral("HeadingLabel"), tr("Compare Offers"), 20, this);
    NoteLabel = Look::CaptionLabel(
        QStringLiteral("NoteLabel"),
        tr("Each column is a loan with its plan and fees. The rows under a figure give its difference "
                       "to the first column; the offer with the lowest annual percentage rate (APR) is the cheapest."),
        this);
    NoteLabel->setWordWrap(true);
    TableLabel = Look::CaptionLabel(QStringLiteral("TableLabel"), tr("&Offers"), this);

    CompareGrid = new TableView(this);
    CompareGrid->setObjectName(QStringLiteral("CompareGrid"));
    CompareGrid->setModel(model_);
    CompareGrid->setAccessibleName(tr("Offers compared"));
    CompareGrid->verticalHeader()->setVisible(false);
    CompareGrid->verticalHeader()->setDefaultSectionSize(Look::Scaled(20));
    CompareGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CompareGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    CompareGrid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // Copying takes the loans' names, never the window's "(cheapest)".
    CompareGrid->headings = [this] { return ComparisonHeadings(model_->Shown(), TextStyle::Shown()); };
    TableLabel->setBuddy(CompareGrid);

    AddBtn = Look::Button(QStringLiteral("AddBtn"), tr("&Add the current loan"), this);
    AddBtn->setToolTip(tr("Add the Mortgage tab's loan, with its plan and fees, as a new column"));
    RenameBtn = Look::Button(QStringLiteral("RenameBtn"), tr("Re&name\u2026"), this);
    RemoveBtn = Look::Button(QStringLiteral("RemoveBtn"), tr("&Remove"), this);
    LeftBtn = Look::Button(QStringLiteral("LeftBtn"), tr("Move &left"), this);
    RightBtn = Look::Button(QStringLiteral("RightBtn"), tr("Move ri&ght"), this);
    LoadBtn = Look::Button(QStringLiteral("LoadBtn"), tr("Load into the &Mortgage tab"), this);
    CopyBtn = Look::Button(QStringLiteral("CopyBtn"), tr("&Copy"), this);
    CopyBtn->setToolTip(tr("Copy the cells selected, or the whole table, for a spreadsheet"));
    PrintBtn = Look::Button(QStringLiteral("PrintBtn"), tr(" &Print"), this, QStringLiteral("print"));
    CloseBtn = Look::Button(QStringLiteral("CloseBtn"), tr("O&K"), this, QStringLiteral("ok"));
    HelpBtn = Look::PictureButton(QStringLiteral("HelpBtn"), QStringLiteral("help"),
                                  tr("Help on comparing offers"), this);

    auto *columnButtons = new QHBoxLayout;
    for (QPushButton *button : {AddBtn, RenameBtn, RemoveBtn, LeftBtn, RightBtn, LoadBtn})
        columnButtons->addWidget(button);
    columnButtons->addStretch();

    auto *tableTop = new QHBoxLayout;
    tableTop->addWidget(TableLabel);
    tableTop->addStretch();
    tableTop->addWidget(CopyBtn);
    AddExportButton(
        tableTop, CompareGrid, [] { return QStringLiteral("Compared Offers"); }, [this] { return ExportSource(); });
    AddReportButtons(tableTop);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(PrintBtn);
    buttons->addWidget(CloseBtn);
    buttons->addWidget(HelpBtn);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(4);
    layout->addWidget(HeadingLabel);
    layout->addWidget(NoteLabel);
    layout->addLayout(columnButtons);
    layout->addLayout(tableTop);
    layout->addWidget(CompareGrid, 1);
    layout->addLayout(buttons);

    OnClick(AddBtn, [this] { AddBtnClick(); });
    OnClick(RenameBtn, [this] { RenameBtnClick(); });
    OnClick(RemoveBtn, [this] { RemoveBtnClick(); });
    OnClick(LeftBtn, [this] { MoveBtnClick(-1); });
    OnClick(RightBtn, [this] { MoveBtnClick(1); });
    OnClick(LoadBtn, [this] { LoadBtnClick(); });
    OnClick(CopyBtn, [this] { CopyBtnClick(); });
    OnClick(PrintBtn, [this] { PrintWithDialog(); });
    OnClick(HelpBtn, [this] { HelpBtnClick(); });
    OnClick(CloseBtn, [this] { accept(); });
    connect(CompareGrid->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { UpdateButtons(); });

    QWidget *exportBtn = findChild<QWidget *>(QStringLiteral("ExportBtn"));
    QWidget *previewBtn = findChild<QWidget *>(QStringLiteral("PreviewBtn"));
    Keyboard::TabOrder({AddBtn, RenameBtn, RemoveBtn, LeftBtn, RightBtn, LoadBtn, CopyBtn, exportBtn, previewBtn,
                        CompareGrid, PrintBtn, CloseBtn, HelpBtn});
    Keyboard::HelpKeyPresses(this, HelpBtn);
    Keyboard::AssignMnemonics(this);
    Keyboard::NameFieldsForReaders(this);
    UpdateButtons();
}

std::vector<ComparedLoan> TCompare::Loans() const
{
    return compared ? compared() : std::vector<ComparedLoan>();
}

void TCompare::OpenWithLoans()
{
    Recalculate();
    CentreOnScreen(this);
}

void TCompare::Recalculate()
{
    const int chosen = ChosenLoan();
    model_->SetComparison(Compare(Loans()));
    // Every figure whole: the columns take their texts' widths, and the table scrolls
    // sideways when they are wider than the window.
    CompareGrid->resizeColumnsToContents();
    ChooseLoan(std::min(chosen, static_cast<int>(model_->Shown().loans.size()) - 1));
    NoteTableBuilt();
    UpdateButtons();
}

int TCompare::ChosenLoan() const
{
    const QModelIndex current = CompareGrid->currentIndex();
    const int loans = static_cast<int>(model_->Shown().loans.size());
    if (!current.isValid() || current.column() < 1 || current.column() > loans)
        return -1;
    return current.column() - 1;
}

void TCompare::ChooseLoan(int loan)
{
    if (loan < 0 || loan >= static_cast<int>(model_->Shown().loans.size())) {
        CompareGrid->setCurrentIndex(QModelIndex());
        CompareGrid->clearSelection();
    } else {
        const int row = std::max(CompareGrid->currentIndex().row(), 0);
        // Only the chosen cell, whatever keys are held: the choice is a column, not a range.
        CompareGrid->selectionModel()->setCurrentIndex(model_->index(row, loan + 1),
                                                       QItemSelectionModel::ClearAndSelect);
    }
    UpdateButtons();
}

void TCompare::UpdateButtons()
{
    const int chosen = ChosenLoan();
    const int loans = static_cast<int>(model_->Shown().loans.size());
    for (QPushButton *button : {RenameBtn, RemoveBtn, LoadBtn})
        button->setEnabled(chosen >= 0);
    LeftBtn->setEnabled(chosen > 0);
    RightBtn->setEnabled(chosen >= 0 && chosen + 1 < loans);
}

void TCompare::Store(const std::vector<ComparedLoan> &loans, int chosen)
{
    if (setCompared)
        setCompared(loans);
    Recalculate();
    ChooseLoan(chosen);
}

void TCompare::AddBtnClick()
{
    std::vector<ComparedLoan> loans = Loans();
    if (static_cast<int>(loans.size()) >= MostComparedLoans) {
        ThePlatform().ShowMessage(
            this,
            tr("Up to %1 loans can be compared. Remove one to add the current loan.").arg(MostComparedLoans),
            MessageKind::Information, MessageButtons::Ok);
        return;
    }
    const LoanTexts texts = main_.CurrentLoanTexts();
    // The loan is checked as the schedule checks it: a column always has figures.
    if (const auto problem = CheckLoanTexts(texts, LoanChecks::Analysis())) {
        ThePlatform().ShowMessage(this, problem->message.text, MessageKind::Information, MessageButtons::Ok);
        return;
    }
    ComparedLoan added;
    added.loan = LoanOfTexts(texts);
    added.plan = main_.Plan();
    added.fees = fees ? fees() : LoanFees();
    // The lowest number no column is named with, so a removed "Loan 2" comes back as itself.
    for (int n = 1;; ++n) {
        const QString name = tr("Loan %1").arg(n);
        if (std::none_of(loans.begin(), loans.end(), [&](const ComparedLoan &c) { return c.name == name; })) {
            added.name = name;
            break;
        }
    }
    loans.push_back(added);
    Store(loans, static_cast<int>(loans.size()) - 1);
}

void TCompare::RenameBtnClick()
{
    std::vector<ComparedLoan> loans = Loans();
    const int chosen = ChosenLoan();
    if (chosen < 0 || chosen >= static_cast<int>(loans.size()))
        return;
    dialog_->Prepare(loans[chosen].name);
    if (ThePlatform().ShowModal(dialog_) != QDialog::Accepted)
        return;
    const QString name = dialog_->Name();
    if (name.isEmpty())
        return;
    loans[chosen].name = name;
    Store(loans, chosen);
}

void TCompare::RemoveBtnClick()
{
    std::vector<ComparedLoan> loans = Loans();
    const int chosen = ChosenLoan();
    if (chosen < 0 || chosen >= static_cast<int>(loans.size()))
        return;
    loans.erase(loans.begin() + chosen);
    Store(loans, std::min(chosen, static_cast<int>(loans.size()) - 1));
}

void TCompare::MoveBtnClick(int by)
{
    std::vector<ComparedLoan> loans = Loans();
    const int chosen = ChosenLoan();
    const int to = chosen + by;
    if (chosen < 0 || to < 0 || to >= static_cast<int>(loans.size()))
        return;
    std::swap(loans[chosen], loans[to]);
    Store(loans, to);
}

void TCompare::LoadBtnClick()
{
    const std::vector<ComparedLoan> loans = Loans();
    const int chosen = ChosenLoan();
    if (chosen < 0 || chosen >= static_cast<int>(loans.size()) || !loadLoan)
        return;
    loadLoan(loans[chosen]);
}

void TCompare::CopyBtnClick()
{
    if (CompareGrid->selectionModel() && CompareGrid->selectionModel()->hasSelection()
        && CompareGrid->selectionModel()->selectedIndexes().size() > 1)
        CompareGrid->CopySelection();
    else
        CompareGrid->CopyAll();
}

void TCompare::HelpBtnClick()
{
    ThePlatform().ShowHelp(this, 10);
}

ComparisonReport TCompare::ReportInputs() const
{
    const Comparison shown = model_->Shown();
    ComparisonReport report;
    report.headings = ComparisonHeadings(shown, TextStyle::Shown());
    report.rowCount = ComparisonRows;
    report.cell = [shown](int column, int row) { return ComparisonCellText(shown, row, column, TextStyle::Shown()); };
    return report;
}

TableSource TCompare::ExportSource() const
{
    return ComparisonTable(model_->Shown());
}
