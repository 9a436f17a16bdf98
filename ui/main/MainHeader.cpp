// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's header band with the program's name and the toolbar, the menu,
// and the handlers of the buttons that belong to no tab.
#include "ui/main/MainUnit.h"

#include "ui/common/Look.h"
#include "ui/main/MainControls.h"
#include "ui/windows/AboutUnit.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace {

constexpr int kBandHeight = 100;

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
    // Its caption is read on the band's face, in any theme.
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, Look::ButtonFace());
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    return button;
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
    if (picture_.isNull())
        return;
    // A band widened for a larger text stretches the skyline across it.
    if (width() > picture_.width())
        painter.drawPixmap(QRect(0, 0, width(), picture_.height()), picture_);
    else
        painter.drawPixmap(0, 0, picture_);
}

void TMORTLOAN::BuildHeader(QWidget *band)
{
    BuildHeaderTitle(band);
    BuildToolBar(band);
    PlaceHeader(MainControls::kClientWidth);
}

void TMORTLOAN::BuildHeaderTitle(QWidget *band)
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
    HeadingLabel1->raise();
    for (int side = 0; side < 2; ++side) {
        auto *icon = new QLabel(band);
        icon->setObjectName(side == 0 ? QStringLiteral("HeaderIconLeft") : QStringLiteral("HeaderIconRight"));
        icon->setPixmap(Look::Icon(QStringLiteral("house")).pixmap(40, 40));
        icon->setAttribute(Qt::WA_TranslucentBackground);
        icon->resize(40, 40);
    }
}

void TMORTLOAN::PlaceHeader(int width)
{
    const int x = (width - HeadingLabel1->width()) / 2;
    const int y = 12;
    HeadingLabel2->move(x + 2, y + 3);
    HeadingLabel1->move(x, y);
    if (auto *icon = Header->findChild<QLabel *>(QStringLiteral("HeaderIconLeft")))
        icon->move(x - 56, y + 4);
    if (auto *icon = Header->findChild<QLabel *>(QStringLiteral("HeaderIconRight")))
        icon->move(x + HeadingLabel1->width() + 16, y + 4);
    if (auto *bar = Header->findChild<QWidget *>(QStringLiteral("ToolBar1")))
        bar->setGeometry(0, 70, width, kBandHeight - 70);
}

void TMORTLOAN::BuildToolBar(QWidget *band)
{
    auto *bar = new QWidget(band);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    Look::Paint(bar, Look::ButtonFace());
    bar->setGeometry(0, 70, MainControls::kClientWidth, kBandHeight - 70);
    LoadBtn = ToolButton(QStringLiteral("LoadBtn"), QStringLiteral("open"), tr("Load File"), bar);
    SaveBtn = ToolButton(QStringLiteral("SaveBtn"), QStringLiteral("save"),
                         tr("Save File under a new name (Ctrl+Shift+S)"), bar);
    BitBtn7 = ToolButton(QStringLiteral("BitBtn7"), QStringLiteral("grid"), tr("View the Mortgage Grid"), bar);
    BitBtn5 = ToolButton(QStringLiteral("BitBtn5"), QStringLiteral("schedule"),
                         tr("View the Mortgage Schedule"), bar);
    BitBtn11 = ToolButton(QStringLiteral("BitBtn11"), QStringLiteral("additional"),
                          tr("See the effect of additional payments on your Mortgage"), bar);
    BitBtn2 = ToolButton(QStringLiteral("BitBtn2"), QStringLiteral("graph"), tr("View a  graph of your Mortgage"), bar);
    BalanceGraphBtn = ToolButton(QStringLiteral("BalanceGraphBtn"), QStringLiteral("balance"),
                                 tr("View the balance of your Mortgage year by year"), bar);
    PaymentPlanBtn = ToolButton(QStringLiteral("PaymentPlanBtn"), QStringLiteral("plan"),
                                tr("Plan extra payments, lump sums and rate changes"), bar);
    CompareBtn = ToolButton(QStringLiteral("CompareBtn"), QStringLiteral("compare"),
                            tr("Compare offers side by side"), bar);
    AboutBtn = ToolButton(QStringLiteral("AboutBtn"), QStringLiteral("about"), tr("About"), bar);
    HelpBtn = ToolButton(QStringLiteral("HelpBtn"), QStringLiteral("help"), tr("Help"), bar);
    ExitBtn = ToolButton(QStringLiteral("ExitBtn"), QStringLiteral("exit"), tr("Quit"), bar);
    ExitBtn->setText(tr("Quit"));
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
    row->addWidget(BalanceGraphBtn);
    row->addWidget(PaymentPlanBtn);
    row->addWidget(CompareBtn);
    separator();
    row->addWidget(AboutBtn);
    row->addWidget(HelpBtn);
    row->addStretch();
    row->addWidget(ExitBtn);
}

void TMORTLOAN::BuildMenu()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    NewFile = file->addAction(tr("&New"));
    LoadFile1 = file->addAction(tr("&Open File"));
    RecentMenu = file->addMenu(tr("Open &Recent"));
    RecentMenu->setObjectName(QStringLiteral("RecentMenu"));
    SaveCurrent = file->addAction(tr("S&ave"));
    SaveFile1 = file->addAction(tr("&Save File"));
    SaveFile1->setToolTip(tr("Save File under a new name"));
    file->addSeparator();
    PaymentPlan1 = file->addAction(tr("Pa&yment Plan\u2026"));
    PaymentPlan1->setObjectName(QStringLiteral("PaymentPlan1"));
    Compare1 = file->addAction(tr("&Compare Offers\u2026"));
    Compare1->setObjectName(QStringLiteral("Compare1"));
    file->addSeparator();
    AddReportActions(file);
    file->addSeparator();
    Exit1 = file->addAction(tr("&Exit"));
    QMenu *help = menuBar()->addMenu(tr("&Help"));
    Contents1 = help->addAction(tr("&Contents"));
    help->addSeparator();
    About1 = help->addAction(tr("&About"));
    LoadFile1->setObjectName(QStringLiteral("LoadFile1"));
    SaveFile1->setObjectName(QStringLiteral("SaveFile1"));
    Exit1->setObjectName(QStringLiteral("Exit1"));
    Contents1->setObjectName(QStringLiteral("Contents1"));
    About1->setObjectName(QStringLiteral("About1"));
    NewFile->setObjectName(QStringLiteral("NewFile"));
    SaveCurrent->setObjectName(QStringLiteral("SaveCurrent"));
    // Spelled out: not every desktop's key theme binds Save As or Quit.
    NewFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    LoadFile1->setShortcut(QKeySequence::Open);
    SaveCurrent->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    SaveFile1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    Exit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // Filled as it opens, so missing files never show.
    connect(RecentMenu, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
    // Shown beside the item, but in the window F1 opens the page of the tab in
    // front (SetUpKeyboard).
    Contents1->setShortcut(QKeySequence::HelpContents);
    Contents1->setShortcutContext(Qt::WidgetShortcut);
}

void TMORTLOAN::ConnectHeader()
{
    auto forward = [](QAction *item, QAbstractButton *button) {
        QObject::connect(item, &QAction::triggered, button, &QAbstractButton::click);
    };
    // The toolbar twins of the tab's buttons.
    connect(BitBtn7, &QToolButton::clicked, MortgageGridBtn, &QPushButton::click);
    connect(BitBtn5, &QToolButton::clicked, SpeedButton2, &QPushButton::click);
    connect(BitBtn11, &QToolButton::clicked, SpeedButton3, &QPushButton::click);
    connect(BitBtn2, &QToolButton::clicked, BitBtn9, &QPushButton::click);
    On(BalanceGraphBtn, &QToolButton::clicked, [this] { BalanceGraphBtnClick(); });
    On(PaymentPlanBtn, &QToolButton::clicked, [this] { PaymentPlanBtnClick(); });
    On(CompareBtn, &QToolButton::clicked, [this] { CompareBtnClick(); });
    On(LoadBtn, &QToolButton::clicked, [this] { LoadBtnClick(); });
    On(SaveBtn, &QToolButton::clicked, [this] { SaveBtnClick(); });
    On(AboutBtn, &QToolButton::clicked, [this] { AboutBtnClick(); });
    On(HelpBtn, &QToolButton::clicked, [this] { HelpBtnClick(); });
    On(ExitBtn, &QToolButton::clicked, [this] { ExitBtnClick(); });
    On(SaveCurrent, &QAction::triggered, [this] { SaveCurrentClick(); });
    On(NewFile, &QAction::triggered, [this] { NewFileClick(); });
    forward(LoadFile1, LoadBtn);
    forward(SaveFile1, SaveBtn);
    forward(Exit1, ExitBtn);
    forward(Contents1, HelpBtn);
    forward(About1, AboutBtn);
    forward(PaymentPlan1, PaymentPlanBtn);
    forward(Compare1, CompareBtn);
}

void TMORTLOAN::ExitBtnClick()
{
    close();
}

void TMORTLOAN::HelpBtnClick()
{
    ThePlatform().ShowHelp(this, 0);
}

void TMORTLOAN::AboutBtnClick()
{
    if (QWidget *about = Windows().about) {
        CentreOnScreen(about);
        about->show();
        about->raise();
        about->activateWindow();
    }
}
