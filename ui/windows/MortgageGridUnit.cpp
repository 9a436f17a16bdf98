// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/MortgageGridUnit.h"

#include "ui/common/Keyboard.h"
#include "ui/common/Look.h"
#include "platform/Platform.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

const std::vector<int> kColumns{66, 68, 68, 68, 68, 68, 68, 68};

// The heading row, drawn as the grid's fixed row 0.
class MGridHeader : public QHeaderView {
public:
    MGridHeader(const MortgageGridModel &model, QWidget *parent)
        : QHeaderView(Qt::Horizontal, parent), model_(model)
    {
    }

protected:
    void paintSection(QPainter *painter, const QRect &rect, int section) const override
    {
        QFont bold = font();
        MGridDrawCell(*painter, rect, section, 0, model_.CellText(section, 0), model_.Grid().enteredRow, bold);
    }

private:
    const MortgageGridModel &model_;
};

} // namespace

void MGridDrawCell(QPainter &painter, const QRect &rect, int column, int gridRow,
                   const QString &text, int enteredRow, const QFont &font)
{
    QFont cellFont = font;
    cellFont.setBold(false);
    QColor brush;
    if (column == 0 || gridRow == 0) {
        cellFont.setBold(true);
        brush = Look::Silver();
    } else if (gridRow == enteredRow || column == MortgageGrid::EnteredRateColumn) {
        brush = gridRow == enteredRow && column == MortgageGrid::EnteredRateColumn ? Look::ResultColour()
                                                                                  : Look::Aqua();
    } else {
        return;
    }
    painter.save();
    painter.fillRect(rect, brush);
    painter.setPen(Qt::black);
    const int margin = Look::CellTextMargin(nullptr);
    const QRect inner = rect.adjusted(margin, 0, -margin, 0);
    painter.setFont(Look::FittingFont(cellFont, text, inner.width()));
    painter.setClipRect(rect);
    // Figures in the marked row and column stand like those beside them.
    const Qt::Alignment alignment = column == 0 || gridRow == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                                                : Qt::AlignRight | Qt::AlignVCenter;
    painter.drawText(inner, alignment | Qt::TextSingleLine, text);
    painter.restore();
}

MGridDelegate::MGridDelegate(const MortgageGridModel &model, QObject *parent)
    : QStyledItemDelegate(parent), model_(model)
{
}

void MGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const
{
    const int column = index.column();
    const int gridRow = index.row() + 1;
    const int entered = model_.Grid().enteredRow;
    const bool marked = column == 0 || gridRow == entered || column == MortgageGrid::EnteredRateColumn;
    const bool selected = option.state & QStyle::State_Selected;
    if (marked && !selected) {
        MGridDrawCell(*painter, option.rect, column, gridRow, index.data().toString(), entered, option.font);
        return;
    }
    // A selected cell shows the selection colour whatever its mark, or the
    // aqua and light blue would hide the selection; its text stays in place.
    QStyleOptionViewItem plain = option;
    plain.displayAlignment = column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter;
    plain.font.setBold(column == 0);
    const int room = option.rect.width() - 2 * Look::CellTextMargin(option.widget);
    plain.font = Look::FittingFont(plain.font, index.data().toString(), room);
    QStyledItemDelegate::paint(painter, plain, index);
}

TMORTAGEGRID::TMORTAGEGRID(MainLoan &main, QWidget *parent)
    : AnalysisWindow(QStringLiteral("MORTAGEGRID"), tr("Mortgage Grid"), 575, 400,
                     Look::Teal(), parent),
      main_(main), model_(new MortgageGridModel(this))
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

    FormCreate();
}

void TMORTAGEGRID::BuildFields()
{
    HeadingLabel = Look::Heading(QStringLiteral("HeadingLabel"), tr("Mortgage Grid"), 20, this);
    BuildLoanFieldRow(this,
                      {{Label4, "Label4", QT_TRANSLATE_NOOP("WindowKit", "Amount")},
                       {Label5, "Label5", QT_TRANSLATE_NOOP("WindowKit", "Interest")},
                       {Label6, "Label6", QT_TRANSLATE_NOOP("WindowKit", "Years")},
                       {Label7, "Label7", QT_TRANSLATE_NOOP("WindowKit", "Month")},
                       {Label2, "Label2", QT_TRANSLATE_NOOP("WindowKit", "Amount Step")},
                       {Label3, "Label3", QT_TRANSLATE_NOOP("WindowKit", "Interest Step")}},
                      {MAmt, "MAmt"}, {InterestR, "InterestR"}, {Years, "Years"}, {Partyear, "Partyear"});
    AmountStep = new QComboBox(this);
    AmountStep->setObjectName(QStringLiteral("AmountStep"));
    for (int step : MortgageGridAmountSteps())
        AmountStep->addItem(QString::number(step));
    InterestStep = new QComboBox(this);
    InterestStep->setObjectName(QStringLiteral("InterestStep"));
}

QFrame *TMORTAGEGRID::BuildExplanation()
{
    return Look::ExplanationPanel(
        Label8, QStringLiteral("Label8"),
        tr("This screen allows you to easily see the effect of changes in interest rates or "
                       "your Mortgage amount on your monthly Mortgage repayment."),
        this);
}

void TMORTAGEGRID::BuildButtons()
{
    SpeedButton1 = Look::Button(QStringLiteral("SpeedButton1"), tr("Calculate"), this,
                                QStringLiteral("calculate"));
    SpeedButton2 = Look::Button(QStringLiteral("SpeedButton2"), tr("OK"), this, QStringLiteral("ok"));
    BitBtn1 = Look::Button(QStringLiteral("BitBtn1"), tr(" Print"), this, QStringLiteral("print"));
    BitBtn2 = Look::PictureButton(QStringLiteral("BitBtn2"), QStringLiteral("help"),
                                  tr("Help on the Mortgage Grid"), this);
    SpeedButton1->setDefault(true);
}

GridArea *TMORTAGEGRID::BuildTable()
{
    MGrid = GridView(QStringLiteral("MGrid"), model_, kColumns, 20, this);
    auto *header = new MGridHeader(*model_, MGrid);
    MGrid->setHorizontalHeader(header);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setFixedHeight(Look::Scaled(20));
    header->setVisible(true);
    for (int c = 0; c < static_cast<int>(kColumns.size()); ++c)
        MGrid->setColumnWidth(c, Look::Scaled(kColumns[c]));
    MGrid->setItemDelegate(new MGridDelegate(*model_, MGrid));
    auto *gridArea = new GridArea(MGrid, kColumns, 20, this);
    gridArea->SetCentred(true);
    return gridArea;
}

TableSource TMORTAGEGRID::ExportSource() const
{
    // Model row r is grid row r + 1; the headings are grid row 0.
    return TableSource{[this](const TextStyle &style) { return MortgageGridHeadings(model_->Grid(), style); },
                       model_->rowCount(), MortgageGridColumns,
                       [this](int row, int column, const TextStyle &style) {
                           return model_->CellText(column, row + 1, style);
                       }};
}

void TMORTAGEGRID::Arrange(QFrame *explanation, GridArea *table)
{
    auto *fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(2);
    fields->addWidget(Label4, 0, 0);
    fields->addWidget(Label5, 0, 1);
    fields->addWidget(Label6, 0, 2);
    fields->addWidget(Label7, 0, 3);
    fields->addWidget(Label2, 0, 4);
    fields->addWidget(Label3, 0, 5);
    fields->addWidget(MAmt, 1, 0);
    fields->addWidget(InterestR, 1, 1);
    fields->addWidget(Years, 1, 2);
    fields->addWidget(Partyear, 1, 3);
    fields->addWidget(AmountStep, 1, 4);
    fields->addWidget(InterestStep, 1, 5);
    fields->setColumnStretch(6, 1);

    auto *top = new QHBoxLayout;
    top->addWidget(HeadingLabel);
    top->addSpacing(10);
    top->addWidget(explanation, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(BitBtn1);
    AddReportButtons(buttons);
    AddExportButton(
        buttons, MGrid, [this] { return ReportTitle(QStringLiteral("Mortgage Grid"), MAmt->text(), InterestR->text()); },
        [this] { return ExportSource(); });
    buttons->addWidget(SpeedButton2);
    buttons->addWidget(BitBtn2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addLayout(fields);
    layout->addWidget(table, 1);
    layout->addLayout(buttons);
}

void TMORTAGEGRID::ConnectControls()
{
    OnClick(SpeedButton1, [this] { SpeedButton1Click(); });
    OnClick(SpeedButton2, [this] { SpeedButton2Click(); });
    OnClick(BitBtn1, [this] { BitBtn1Click(); });
    OnClick(BitBtn2, [this] { BitBtn2Click(); });
    EnterPresses({MAmt, InterestR, Years, Partyear}, SpeedButton1);
}

void TMORTAGEGRID::SetUpKeyboard()
{
    Label4->setBuddy(MAmt);
    Label5->setBuddy(InterestR);
    Label6->setBuddy(Years);
    Label7->setBuddy(Partyear);
    Label2->setBuddy(AmountStep);
    Label3->setBuddy(InterestStep);
    Keyboard::EnterPresses({AmountStep, InterestStep}, SpeedButton1);
    Keyboard::WheelOnlyWhenFocused(AmountStep);
    Keyboard::WheelOnlyWhenFocused(InterestStep);
    Keyboard::TabOrder({MAmt, InterestR, Years, Partyear, AmountStep, InterestStep, SpeedButton1, MGrid,
                        BitBtn1, SpeedButton2, BitBtn2});
    MGrid->setAccessibleName(tr("Mortgage Grid"));
    Keyboard::HelpKeyPresses(this, BitBtn2);
    Keyboard::AssignMnemonics(this);
    Keyboard::NameFieldsForReaders(this);
}

void TMORTAGEGRID::FormCreate()
{
    InterestStep->clear();
    for (double step : MortgageGridInterestSteps())
        InterestStep->addItem(GeneralNumberText(step));
    AmountStep->setCurrentIndex(1);
    InterestStep->setCurrentIndex(2);
}

std::optional<LoanProblem> TMORTAGEGRID::OpenWithLoan(const LoanTexts &texts)
{
    const auto problem = CheckLoanTexts(texts, LoanChecks::GridOpening());
    const LoanField failed = problem ? problem->field : LoanField::Rate;
    if (!problem || failed == LoanField::Term || failed == LoanField::PartYear || failed == LoanField::Rate)
        MAmt->setText(texts.amount);
    if (!problem || failed == LoanField::Rate) {
        Years->setText(texts.years);
        Partyear->setText(texts.part);
    }
    if (problem)
        return problem;
    InterestR->setText(texts.rate);
    BuildGrid();
    CentreOnScreen(this);
    return std::nullopt;
}

void TMORTAGEGRID::BuildGrid()
{
    const LoanTexts texts = LoanWithFields(main_, MAmt, InterestR, Years, Partyear);
    const int amountStep = ParseWholeNumber(AmountStep->currentText()).value_or(2000);
    const double interestStep = ParseNumber(InterestStep->currentText()).value_or(0.25);
    model_->SetGrid(BuildMortgageGrid(LoanOfTexts(texts), amountStep, interestStep));
    ScrollToFirstVisibleRow();
    NoteTableBuilt();
}

QStringList TMORTAGEGRID::TableFieldTexts() const
{
    return {MAmt->text(), InterestR->text(), Years->text(), Partyear->text(), AmountStep->currentText(),
            InterestStep->currentText()};
}

void TMORTAGEGRID::ScrollToFirstVisibleRow()
{
    const int first = model_->Grid().firstVisibleRow;
    if (model_->rowCount() == 0)
        return;
    MGrid->scrollTo(model_->index(std::max(first - 1, 0), 0), QAbstractItemView::PositionAtTop);
    MGrid->verticalScrollBar()->setValue(std::max(first - 1, 0));
}

int TMORTAGEGRID::TopRow() const
{
    return MGrid->rowAt(0) + 1;
}

void TMORTAGEGRID::showEvent(QShowEvent *event)
{
    AnalysisWindow::showEvent(event);
    // The view knows how many rows fit only once it is laid out.
    ScrollToFirstVisibleRow();
}

void TMORTAGEGRID::SpeedButton1Click()
{
    MAmt->setFocus();
    const LoanTexts texts = LoanWithFields(main_, MAmt, InterestR, Years, Partyear);
    // Only the term check speaks here; a bad amount or rate leaves the grid as it was.
    if (const auto problem = CheckLoanTexts(texts, LoanChecks::Analysis())) {
        if (problem->field == LoanField::Term || problem->field == LoanField::PartYear)
            Keyboard::ShowFault(this, *problem, Keyboard::LoanFields{nullptr, MAmt, Years, InterestR, Partyear},
                                MessageButtons::Ok);
        return;
    }
    BuildGrid();
}

void TMORTAGEGRID::SpeedButton2Click()
{
    accept();
}

void TMORTAGEGRID::BitBtn1Click()
{
    PrintWithDialog();
}

void TMORTAGEGRID::BitBtn2Click()
{
    ThePlatform().ShowHelp(this, 3);
}

MortgageGridReport TMORTAGEGRID::ReportInputs() const
{
    MortgageGridReport report;
    report.loan = MainFrequencies(main_);
    report.loan.amount = MAmt->text();
    report.loan.rate = InterestR->text();
    report.loan.years = Years->text();
    report.loan.partYearCaption = QStringLiteral("Month"); // Label7 in English
    report.loan.partYear = Partyear->text();
    report.amountStep = AmountStep->currentText();
    report.interestStep = InterestStep->currentText();
    const MortgageGridModel *model = model_;
    report.rowCount = model->GridRowCount();
    report.cell = [model](int column, int row) { return model->CellText(column, row); };
    return report;
}
