// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/WindowKit.h"

#include "platform/FileWriting.h"

#include "ui/common/Keyboard.h"
#include "ui/common/Look.h"
#include "ui/windows/MainLoan.h"
#include "platform/Platform.h"
#include "platform/ReportOutput.h"

#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>
#include <QStyle>

#include <algorithm>
#include <numeric>

void CentreOnScreen(QWidget *window)
{
    // An enlarged window is centred at its size; a maximised one stays put.
    if (window->isMaximized() || window->isFullScreen())
        return;
    QScreen *screen = window->parentWidget() ? window->parentWidget()->screen()
                                             : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size().isValid() ? window->frameGeometry().size() : window->size();
    window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

AnalysisWindow::AnalysisWindow(const QString &name, const QString &title, int width, int height,
                               const QColor &background, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(name);
    setWindowTitle(title);
    setFixedSize(Look::Scaled(QSize(width, height)));
    Look::Paint(this, background);
}

void AnalysisWindow::showEvent(QShowEvent *event)
{
    Keyboard::AssignMnemonics(this);
    Keyboard::NameFieldsForReaders(this);
    FitTexts();
    QDialog::showEvent(event);
}

void AnalysisWindow::FitTexts()
{
    // The design's size, grown with the text, is the least a window takes; where a
    // larger text needs more, the window grows rather than squeeze its layout.
    if (!layout() || !Look::WindowsGrowToLayout())
        return;
    layout()->activate();
    const QSize needed = layout()->totalMinimumSize();
    const QSize least = minimumSize();
    if (least.expandedTo(needed) == least)
        return;
    if (maximumSize() == least)
        setFixedSize(least.expandedTo(needed));
    else
        setMinimumSize(least.expandedTo(needed));
}

void AnalysisWindow::PrintWithDialog()
{
    if (TableMatchesFields() && ThePlatform().SelectPrinter(this) && printReport)
        printReport();
}

bool AnalysisWindow::TableMatchesFields()
{
    if (!builtFrom_ || TableFieldTexts() == *builtFrom_)
        return true;
    RecalculateTable();
    return TableFieldTexts() == *builtFrom_;
}

void AnalysisWindow::AddReportButtons(QBoxLayout *row)
{
    // One button, so the row keeps its room: a click previews, its menu also
    // exports to PDF.
    auto *preview = new QToolButton(this);
    preview->setObjectName(QStringLiteral("PreviewBtn"));
    preview->setText(QCoreApplication::translate("WindowKit", "Preview"));
    preview->setToolTip(QCoreApplication::translate("WindowKit", "Show the pages as they will print, or export them to PDF"));
    preview->setPopupMode(QToolButton::MenuButtonPopup);
    preview->setMinimumHeight(Look::Scaled(24));
    auto *menu = new QMenu(preview);
    QAction *show = menu->addAction(QCoreApplication::translate("WindowKit", "Print Pre&view\u2026"));
    QAction *pdf = menu->addAction(QCoreApplication::translate("WindowKit", "&Export to PDF\u2026"));
    show->setObjectName(QStringLiteral("PrintPreview"));
    pdf->setObjectName(QStringLiteral("ExportPdf"));
    preview->setMenu(menu);
    connect(preview, &QToolButton::clicked, show, &QAction::trigger);
    connect(show, &QAction::triggered, this, [this] {
        RunGuarded(this, [this] {
            if (report && TableMatchesFields())
                PreviewReport(this, report());
        });
    });
    connect(pdf, &QAction::triggered, this, [this] {
        RunGuarded(this, [this] {
            if (report && TableMatchesFields())
                ExportReportToPdf(this, report());
        });
    });
    row->addWidget(preview);
    // Ctrl+P prints the window's report, as its Print button does.
    auto *print = new QShortcut(QKeySequence::Print, this);
    connect(print, &QShortcut::activated, this, [this] { RunGuarded(this, [this] { PrintWithDialog(); }); });
}

void AnalysisWindow::AddExportButton(QBoxLayout *row, TableView *table, std::function<QString()> title,
                                     std::function<TableSource()> source)
{
    auto *button = new QPushButton(QCoreApplication::translate("WindowKit", "Export\u2026"), this);
    button->setObjectName(QStringLiteral("ExportBtn"));
    button->setToolTip(QCoreApplication::translate("WindowKit", "Save the whole table as a CSV file"));
    button->setMinimumHeight(Look::Scaled(24));
    button->setAutoDefault(false);
    row->addWidget(button);
    const auto exportTable = [this, title, source] {
        RunGuarded(this, [this, title, source] {
            if (TableMatchesFields())
                ExportTableCsv(this, title(), source());
        });
    };
    connect(button, &QPushButton::clicked, this, exportTable);
    table->exportTable = exportTable;
}

bool ExportTableCsv(QWidget *parent, const QString &title, const TableSource &table)
{
    // The folder chosen last is offered again while the program runs.
    static FileDialogState state;
    state.filter = QCoreApplication::translate("WindowKit", "CSV Files |*.csv");
    state.fileName = title + QStringLiteral(".csv");
    const std::optional<QString> path = ChooseFileToWrite(parent, state, [](const QString &chosen) {
        return QFileInfo(chosen).suffix().isEmpty() ? chosen + QStringLiteral(".csv") : chosen;
    });
    if (!path)
        return false;
    WriteNamedFile(parent, *path, TableCsv(table).toUtf8());
    return true;
}

void AnalysisWindow::OnClick(QAbstractButton *button, const std::function<void()> &handler)
{
    connect(button, &QAbstractButton::clicked, this, [this, handler] { RunGuarded(this, handler); });
}

void AnalysisWindow::EnterPresses(std::initializer_list<QLineEdit *> fields, QPushButton *button)
{
    for (QLineEdit *field : fields)
        connect(field, &QLineEdit::returnPressed, button, &QPushButton::click);
}

void AnalysisWindow::AllowEnlarging()
{
    const QSize own = size();
    setMinimumSize(own);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setWindowFlags((windowFlags() & ~Qt::MSWindowsFixedSizeDialogHint) | Qt::WindowMaximizeButtonHint);
    resize(own);
}

void BuildLoanFieldRow(QWidget *window, std::initializer_list<NamedCaption> captions, NamedField amount,
                       NamedField rate, NamedField years, NamedField part)
{
    for (const NamedCaption &caption : captions)
        caption.label = Look::CaptionLabel(QLatin1String(caption.name), QCoreApplication::translate("WindowKit", caption.text), window);
    for (const NamedField &field : {amount, rate, years, part})
        field.field = Look::Edit(QLatin1String(field.name), 0, window);
    amount.field->setFixedWidth(Look::Scaled(90));
    rate.field->setFixedWidth(Look::Scaled(56));
    years.field->setFixedWidth(Look::Scaled(36));
    part.field->setFixedWidth(Look::Scaled(40));
}

LoanTexts LoanWithFields(const MainLoan &main, const QLineEdit *amount, const QLineEdit *rate,
                         const QLineEdit *years, const QLineEdit *part)
{
    LoanTexts texts = main.CurrentLoanTexts();
    texts.amount = amount->text();
    texts.rate = rate->text();
    texts.years = years->text();
    texts.part = part->text();
    return texts;
}

int GridWidth(const std::vector<int> &columnWidths)
{
    int width = 2;
    for (int w : columnWidths)
        width += w;
    return width + QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

FittingDelegate::FittingDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

void FittingDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem fitted = option;
    const int room = option.rect.width() - 2 * Look::CellTextMargin(option.widget);
    fitted.font = Look::FittingFont(option.font, index.data(Qt::DisplayRole).toString(), room);
    QStyledItemDelegate::paint(painter, fitted, index);
}

TableView *GridView(const QString &name, QAbstractItemModel *model,
                    const std::vector<int> &designWidths, int designRowHeight, QWidget *parent)
{
    std::vector<int> columnWidths;
    for (int w : designWidths)
        columnWidths.push_back(Look::Scaled(w));
    const int rowHeight = Look::Scaled(designRowHeight);
    auto *view = new TableView(parent);
    view->setObjectName(name);
    view->horizontalHeader()->setVisible(false);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(rowHeight);
    view->verticalHeader()->setMinimumSectionSize(rowHeight);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setMinimumSectionSize(10);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectItems);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->setFixedWidth(GridWidth(columnWidths));
    view->setItemDelegate(new FittingDelegate(view));
    view->setModel(model);
    for (int c = 0; c < static_cast<int>(columnWidths.size()); ++c)
        view->setColumnWidth(c, columnWidths[c]);
    return view;
}

TableView::TableView(QWidget *parent)
    : QTableView(parent)
{
    Keyboard::TabLeaves(this);
}

QStringList TableView::Headings() const
{
    if (headings)
        return headings();
    QStringList texts;
    for (int c = 0; c < model()->columnCount(); ++c)
        texts << model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    return texts;
}

QString TableView::Text(const std::vector<int> &rows, const std::vector<int> &columns) const
{
    if (rows.empty() || columns.empty())
        return QString();
    const QStringList headingTexts = Headings();
    QString out;
    QStringList cells;
    for (int c : columns)
        cells << headingTexts.value(c);
    out += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    const QAbstractItemModel *m = model();
    for (int r : rows) {
        cells.clear();
        for (int c : columns)
            cells << m->index(r, c).data(Qt::DisplayRole).toString();
        out += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return out;
}

QString TableView::SelectedText() const
{
    if (!model() || !selectionModel())
        return QString();
    // The rows and columns the selection touches: a range copies as a block.
    std::vector<char> rowMarks(static_cast<std::size_t>(model()->rowCount()), 0);
    std::vector<char> columnMarks(static_cast<std::size_t>(model()->columnCount()), 0);
    for (const QItemSelectionRange &range : selectionModel()->selection()) {
        for (int r = std::max(range.top(), 0); r <= range.bottom() && r < static_cast<int>(rowMarks.size()); ++r)
            rowMarks[static_cast<std::size_t>(r)] = 1;
        for (int c = std::max(range.left(), 0); c <= range.right() && c < static_cast<int>(columnMarks.size()); ++c)
            columnMarks[static_cast<std::size_t>(c)] = 1;
    }
    std::vector<int> rows;
    std::vector<int> columns;
    for (std::size_t r = 0; r < rowMarks.size(); ++r)
        if (rowMarks[r])
            rows.push_back(static_cast<int>(r));
    for (std::size_t c = 0; c < columnMarks.size(); ++c)
        if (columnMarks[c])
            columns.push_back(static_cast<int>(c));
    return Text(rows, columns);
}

QString TableView::AllText() const
{
    if (!model())
        return QString();
    std::vector<int> rows(static_cast<std::size_t>(model()->rowCount()));
    std::iota(rows.begin(), rows.end(), 0);
    std::vector<int> columns(static_cast<std::size_t>(model()->columnCount()));
    std::iota(columns.begin(), columns.end(), 0);
    return Text(rows, columns);
}

void TableView::CopySelection() const
{
    const QString text = SelectedText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void TableView::CopyAll() const
{
    const QString text = AllText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

QMenu *TableView::ContextMenu()
{
    auto *menu = findChild<QMenu *>(QStringLiteral("TableMenu"), Qt::FindDirectChildrenOnly);
    if (!menu) {
        menu = new QMenu(this);
        menu->setObjectName(QStringLiteral("TableMenu"));
    }
    menu->clear();
    QAction *copy = menu->addAction(QCoreApplication::translate("WindowKit", "&Copy"), this, [this] { CopySelection(); });
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(selectionModel() && selectionModel()->hasSelection());
    menu->addAction(QCoreApplication::translate("WindowKit", "Copy &All"), this, [this] { CopyAll(); });
    if (exportTable) {
        menu->addSeparator();
        menu->addAction(QCoreApplication::translate("WindowKit", "&Export\u2026"), this, [this] { exportTable(); });
    }
    return menu;
}

void TableView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        CopySelection();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TableView::contextMenuEvent(QContextMenuEvent *event)
{
    ContextMenu()->exec(event->globalPos());
    event->accept();
}

namespace {

// Columns widened in proportion to their own widths, by `extra` pixels in all.
std::vector<int> Grown(const std::vector<int> &widths, int extra)
{
    const int total = std::accumulate(widths.begin(), widths.end(), 0);
    std::vector<int> grown = widths;
    if (extra <= 0 || total <= 0 || grown.empty())
        return grown;
    int given = 0;
    for (std::size_t c = 0; c < grown.size(); ++c) {
        const int more = static_cast<int>(static_cast<long long>(extra) * widths[c] / total);
        grown[c] += more;
        given += more;
    }
    grown.back() += extra - given;
    return grown;
}

} // namespace

GridArea::GridArea(QTableView *view, std::vector<int> columnWidths, int rowHeight, QWidget *parent)
    : QWidget(parent), view_(view), columnWidths_(std::move(columnWidths)), rowHeight_(Look::Scaled(rowHeight))
{
    for (int &w : columnWidths_)
        w = Look::Scaled(w);
    view_->setParent(this);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void GridArea::SetHeadingPanels(std::vector<QLabel *> panels, int minimumHeight)
{
    panels_ = std::move(panels);
    minimumHeadingHeight_ = minimumHeight;
    for (QLabel *panel : panels_)
        panel->setParent(this);
    Arrange();
}

int GridArea::FixedHeight() const
{
    int fixed = 2 * view_->frameWidth();
    const QHeaderView *header = view_->horizontalHeader();
    if (!header->isHidden())
        fixed += std::clamp(header->sizeHint().height(), header->minimumHeight(), header->maximumHeight());
    return fixed;
}

int GridArea::HeadingHeight(const std::vector<int> &widths) const
{
    int height = panels_.empty() ? 0 : minimumHeadingHeight_;
    for (std::size_t i = 0; i < panels_.size() && i < widths.size(); ++i)
        height = std::max(height, panels_[i]->heightForWidth(widths[i]));
    return height;
}

QSize GridArea::sizeHint() const
{
    return QSize(GridWidth(columnWidths_), HeadingHeight(columnWidths_) + FixedHeight() + 10 * rowHeight_);
}

QSize GridArea::minimumSizeHint() const
{
    return QSize(GridWidth(columnWidths_), HeadingHeight(columnWidths_) + FixedHeight() + 3 * rowHeight_);
}

bool GridArea::event(QEvent *event)
{
    // A heading panel's new text may need another line.
    if (event->type() == QEvent::LayoutRequest)
        Arrange();
    return QWidget::event(event);
}

void GridArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Arrange();
}

void GridArea::Arrange()
{
    // The window's own size keeps the columns' widths; what it is enlarged by
    // goes to the columns.
    const QWidget *top = window();
    const int extra = top == this ? 0 : std::max(0, top->width() - top->minimumWidth());
    const std::vector<int> widths = Grown(columnWidths_, extra);
    const int tableWidth = GridWidth(widths);
    const int columnsWidth = std::accumulate(widths.begin(), widths.end(), 0);
    const int left = centred_ ? std::max(0, (width() - tableWidth) / 2) : 0;

    const int headingHeight = HeadingHeight(widths);
    int x = left + 1;
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        const int w = i < widths.size() ? widths[i] : tableWidth - 2 - columnsWidth;
        panels_[i]->setFixedSize(std::max(w, 0), headingHeight);
        panels_[i]->move(x, 0);
        x += w;
    }

    const int fixed = FixedHeight();
    const int rows = std::max(1, (height() - headingHeight - fixed) / rowHeight_);
    view_->setFixedSize(tableWidth, fixed + rows * rowHeight_);
    view_->move(left, headingHeight);
    for (std::size_t c = 0; c < widths.size(); ++c)
        view_->setColumnWidth(static_cast<int>(c), widths[c]);
}

ReportLoan MainFrequencies(const MainLoan &main)
{
    const LoanTexts texts = main.CurrentLoanTexts();
    ReportLoan loan;
    loan.payment = texts.payment;
    loan.inArrears = texts.timing == Timing::InArrears;
    loan.compounded = texts.compounded;
    return loan;
}
