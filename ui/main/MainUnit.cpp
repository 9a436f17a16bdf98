// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's frame: the tabs, start-up, the captions and closing. Each tab
// and the header band live in a file of their own.
#include "ui/main/MainUnit.h"

#include "ui/common/Look.h"
#include "ui/main/MainControls.h"
#include "ui/windows/MSCHEDULEUnit.h"
#include "version/Version.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardPaths>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString Title()
{
    return QStringLiteral("Quovella ") + QLatin1String(Quovella::kVersion);
}

// Runs `fit` whenever the watched widget's layout asks to be done again: a caption
// that changed may need more room than the window has.
class OnLayoutRequest : public QObject {
public:
    OnLayoutRequest(QObject *watched, std::function<void()> fit) : QObject(watched), fit_(std::move(fit))
    {
        watched->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::LayoutRequest)
            fit_();
        return false;
    }

private:
    std::function<void()> fit_;
};

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
    Header = new HeaderBand(client);
    BuildHeader(Header);

    PageControl1 = new QTabWidget(client);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet1 = BuildMortgageTab();
    TabSheet2 = BuildWhatIfTab();
    TabSheet3 = BuildSavingsTab();
    PageControl1->addTab(TabSheet1, tr("Mortgage"));
    PageControl1->addTab(TabSheet2, tr("What If?"));
    PageControl1->addTab(TabSheet3, tr("Mortgage Savings"));
    // Kept out of the tab strip until the program is set up.
    PageControl1->setTabVisible(2, false);

    TrasferValuesCheckBox = new QCheckBox(tr("Transfer Values to Mortgage Savings"), PageControl1);
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
    SetUpKeyboard();
    FitTexts();
    new OnLayoutRequest(client, [this] { FitTexts(); });
    new OnLayoutRequest(this, [this] { FitTexts(); });
    setAcceptDrops(true);
    FormCreate();
}

TMORTLOAN::~TMORTLOAN() = default;

void TMORTLOAN::FitTexts()
{
    // The window keeps the design's fixed size unless a larger text or another
    // style needs more; then it grows, and never shrinks while open, so nothing
    // jumps when the frequency changes a caption.
    QWidget *client = centralWidget();
    if (!client || !client->layout())
        return;
    QSize needed(MainControls::kClientWidth, MainControls::kClientHeight);
    if (Look::WindowsGrowToLayout()) {
        needed = needed.expandedTo(client->minimumSize()).expandedTo(client->layout()->totalMinimumSize());
        // The tab strip scrolls rather than asking for room; its tabs and the corner
        // box are to be seen whole.
        const QWidget *corner = PageControl1->cornerWidget(Qt::TopRightCorner);
        const int strip = PageControl1->tabBar()->sizeHint().width() + (corner ? corner->sizeHint().width() : 0)
                          + 2 * PageControl1->style()->pixelMetric(QStyle::PM_TabBarBaseOverlap);
        needed.setWidth(std::max(needed.width(), strip));
    }
    if (needed != client->minimumSize() || needed != client->maximumSize()) {
        client->setFixedSize(needed);
        PlaceHeader(needed.width());
    }
    const QSize whole = sizeHint();
    if (minimumSize() != whole || maximumSize() != whole)
        setFixedSize(whole);
}

void TMORTLOAN::ConnectHandlers()
{
    ConnectMortgageTab();
    On(PageControl1, &QTabWidget::currentChanged, [this] { PageControl1Change(); });
    ConnectHeader();
    ConnectWhatIfTab();
    ConnectSavingsTab();
    MarkChangedOnEdits();
}

void TMORTLOAN::MarkChangedOnEdits()
{
    // The What If? fields and the transfer box are saved lines too; a load sets the
    // flag back once it is done.
    const auto changed = [this] { savedFlag_ = false; };
    for (QLineEdit *edit : {WIPrincipal, WIPeriods, WIPartYear, WIInterest, WIRepay})
        connect(edit, &QLineEdit::textChanged, this, changed);
    for (QComboBox *list : {WIPayment, WICompounded})
        connect(list, &QComboBox::currentIndexChanged, this, changed);
    for (QAbstractButton *button : std::initializer_list<QAbstractButton *>{
             AmountRB, PeriodRB, InterestRB, PaymentRB, WIArrearsRB, WIAdvanceRB, TrasferValuesCheckBox})
        connect(button, &QAbstractButton::toggled, this, changed);
}

void TMORTLOAN::SetPlan(const PaymentPlan &plan)
{
    if (plan == plan_)
        return;
    plan_ = plan;
    savedFlag_ = false;
    ShowAnnualRate();
    emit planChanged();
}

void TMORTLOAN::SetFees(const LoanFees &fees)
{
    if (fees == fees_)
        return;
    fees_ = fees;
    savedFlag_ = false;
    ShowAnnualRate();
}

void TMORTLOAN::SetCompared(const std::vector<ComparedLoan> &compared)
{
    if (compared == compared_)
        return;
    compared_ = compared;
    savedFlag_ = false;
}

namespace {

// The loan files among what is dragged: local files ending in .QVL in either case.
QStringList DroppedLoanFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls())
        if (url.isLocalFile() && url.toLocalFile().right(4).toUpper() == QStringLiteral(".QVL"))
            files << url.toLocalFile();
    return files;
}

} // namespace

void TMORTLOAN::dragEnterEvent(QDragEnterEvent *event)
{
    if (DroppedLoanFiles(event->mimeData()).size() == 1)
        event->acceptProposedAction();
}

void TMORTLOAN::dropEvent(QDropEvent *event)
{
    const QStringList files = DroppedLoanFiles(event->mimeData());
    if (files.size() != 1)
        return;
    event->acceptProposedAction();
    RunGuarded(this, [this, file = files.first()] { OpenFileAsked(file); });
}

const SecondaryWindows &TMORTLOAN::Windows()
{
    if (!windowsMade_ && makeWindows_) {
        windowsMade_ = true;
        windows_ = makeWindows_();
        // What start-up set before they were made.
        RestoreWindowSizes(windowSizes_);
        windows_.schedule->ShowPartYear(!MPartyear->isHidden());
    }
    return windows_;
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
    open_.filter = tr("Quovella Saved Files |*.QVL");
    save_.filter = tr("Quovella File |*.QVL");
    UpdateAllLabelsToMortgageLoan();
}

// Every caption is given where its control is built; the set-up only names the window.
void TMORTLOAN::UpdateAllLabelsToMortgageLoan()
{
    // A loan opened at start tells its window apart from another one's by its file.
    SetCaption(documentFile_);
    MPaymentChange();
}

void TMORTLOAN::Show(const Message &message)
{
    ThePlatform().ShowMessage(this, message.text, message.kind, MessageButtons::Ok);
}

Keyboard::LoanFields TMORTLOAN::MortgageFields() const
{
    return {MPayment, MAmount, Period, IRate, MPartyear};
}

bool TMORTLOAN::CheckMainLoan(const LoanCheck &check)
{
    if (const auto problem = CheckLoanTexts(CurrentLoanTexts(), check)) {
        Keyboard::ShowFault(this, *problem, MortgageFields());
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
    for (QToolButton *button : {BitBtn7, BitBtn11, BitBtn5, BitBtn2, BalanceGraphBtn, PaymentPlanBtn})
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
    setWindowTitle(path.isEmpty() ? Title() : Title() + QStringLiteral(" -  ") + path);
}
