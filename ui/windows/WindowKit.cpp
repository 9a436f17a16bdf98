// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/WindowKit.h"

#include "ui/common/Look.h"
#include "ui/windows/MainLoan.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>

void CentreOnScreen(QWidget *window)
{
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
    setFixedSize(width, height);
    Look::Paint(this, background);
}

void AnalysisWindow::PrintWithDialog()
{
    if (ThePlatform().SelectPrinter(this) && printReport)
        printReport();
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

QTableView *GridView(const QString &name, QAbstractItemModel *model,
                     const std::vector<int> &columnWidths, int rowHeight, QWidget *parent)
{
    auto *view = new QTableView(parent);
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
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectItems);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->setFixedWidth(GridWidth(columnWidths));
    view->setModel(model);
    for (int c = 0; c < static_cast<int>(columnWidths.size()); ++c)
        view->setColumnWidth(c, columnWidths[c]);
    return view;
}
