// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving the main window's inputs, and the file remembered between runs.
#include "ui/main/MainUnit.h"

#include "storage/CurrentFile.h"
#include "ui/common/Look.h"
#include "storage/SavingLoading.h"
#include "platform/FileWriting.h"
#include "ui/windows/APGridUnit.h"
#include "ui/windows/BalanceGraphUnit.h"
#include "ui/windows/CompareUnit.h"
#include "ui/windows/MSCHEDULEUnit.h"
#include "ui/windows/MortgageGridUnit.h"
#include "ui/windows/PaymentPlanUnit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

void TMORTLOAN::ClearAllInputs()
{
    for (QLineEdit *edit : {MAmount, Period, MPartyear, IRate})
        edit->clear();
    MPayment->setCurrentIndex(3);
    MCompounded->setCurrentIndex(3);
    MArrears->setChecked(true);
    MAdvance->setChecked(false);
    EmptyMortgageResults();
    for (QLineEdit *edit : {MSavingsAmount, mperiod, minterest, reducedperiod, investrate})
        edit->clear();
    for (ResultPanel *panel : {mrepayment, reducedpayment, textra, tyears, investtotal})
        panel->clear();
    if (plan_ != PaymentPlan()) {
        plan_ = PaymentPlan();
        emit planChanged();
    }
    fees_ = LoanFees();
    compared_.clear();
    ShowAnnualRate();
}

void TMORTLOAN::SaveMortgageFile(const QString &path)
{
    SavedInputs inputs;
    inputs.amount = MAmount->text();
    inputs.years = Period->text();
    inputs.part = MPartyear->text();
    inputs.rate = IRate->text();
    inputs.payment = MPayment->currentIndex();
    inputs.compounded = MCompounded->currentIndex();
    inputs.arrears = MArrears->isChecked();
    inputs.advance = MAdvance->isChecked();
    inputs.savingsAmount = MSavingsAmount->text();
    inputs.savingsPeriod = mperiod->text();
    inputs.savingsRate = minterest->text();
    inputs.reducedPeriod = reducedperiod->text();
    inputs.investRate = investrate->text();
    inputs.transfer = TrasferValuesCheckBox->isChecked();
    inputs.wiPrincipal = WIPrincipal->text();
    inputs.wiPeriods = WIPeriods->text();
    inputs.wiPartYear = WIPartYear->text();
    inputs.wiInterest = WIInterest->text();
    inputs.wiRepay = WIRepay->text();
    inputs.wiVariable = AmountRB->isChecked()     ? 1
                        : PeriodRB->isChecked()   ? 2
                        : InterestRB->isChecked() ? 3
                                                  : 4;
    inputs.wiPayment = WIPayment->currentIndex();
    inputs.wiTiming = WIArrearsRB->isChecked() ? 1 : 2;
    inputs.wiCompounded = WICompounded->currentIndex();
    inputs.plan = plan_;
    inputs.fees = fees_;
    inputs.compared = compared_;
    // Written whole or not at all: a failure leaves the caption and the saved flag as they were.
    const WriteOutcome outcome = ::SaveMortgageFile(path, inputs);
    SetCaption(path);
    NoteRecentFile(path);
    savedFlag_ = true;
    // In place, but the folder unconfirmed: saved all the same, and the user is told.
    if (!outcome.warning.isEmpty())
        Show({outcome.warning, MessageKind::Information});
}

void TMORTLOAN::LoadMortgageFile(const QString &path)
{
    // The whole file is read and checked before any control changes, so a bad
    // file leaves the user's loan as it was.
    const SavedInputs in = ::LoadMortgageFile(path);
    auto select = [](QComboBox *list, int index) {
        list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
    };
    ClearAllInputs();
    SetCaption(path);
    MAmount->setText(in.amount);
    Period->setText(in.years);
    MPartyear->setText(in.part);
    IRate->setText(in.rate);
    select(MPayment, in.payment);
    select(MCompounded, in.compounded);
    if (in.arrears)
        MArrears->setChecked(true);
    if (in.advance)
        MAdvance->setChecked(true);
    MSavingsAmount->setText(in.savingsAmount);
    mperiod->setText(in.savingsPeriod);
    minterest->setText(in.savingsRate);
    reducedperiod->setText(in.reducedPeriod);
    investrate->setText(in.investRate);
    TrasferValuesCheckBox->setChecked(in.transfer);
    if (in.hasWhatIf) {
        WIPrincipal->setText(in.wiPrincipal);
        WIPeriods->setText(in.wiPeriods);
        WIPartYear->setText(in.wiPartYear);
        WIInterest->setText(in.wiInterest);
        WIRepay->setText(in.wiRepay);
        // Checking another variable marks its fields as results and empties them.
        QRadioButton *variables[] = {AmountRB, PeriodRB, InterestRB, PaymentRB};
        if (in.wiVariable >= 1 && in.wiVariable <= 4)
            variables[in.wiVariable - 1]->setChecked(true);
        select(WIPayment, in.wiPayment);
        if (in.wiTiming == 1)
            WIArrearsRB->setChecked(true);
        else if (in.wiTiming == 2)
            WIAdvanceRB->setChecked(true);
        select(WICompounded, in.wiCompounded);
    }
    if (in.plan != plan_) {
        plan_ = in.plan;
        emit planChanged();
    }
    fees_ = in.fees;
    compared_ = in.compared;
    MPaymentChange();
    NoteRecentFile(path);
    savedFlag_ = true;
}

bool TMORTLOAN::OfferToSave()
{
    if (savedFlag_)
        return true;
    const MessageResult answer =
        ThePlatform().ShowMessage(this, tr("Do you want to save your file first?"),
                                  MessageKind::Information, MessageButtons::YesNoCancel);
    if (answer == MessageResult::No)
        return true;
    if (answer != MessageResult::Yes)
        return false;
    SaveBtnClick();
    // A cancelled save dialog saved nothing: the figures stay where they are.
    return savedFlag_;
}

bool TMORTLOAN::LoadComparedLoan(const ComparedLoan &compared)
{
    if (!OfferToSave())
        return false;
    const Loan &loan = compared.loan;
    QLocale locale;
    // As the user types them: no thousands separators to trip the field checks.
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    auto frequency = [](QComboBox *list, double perYear) {
        for (const Frequency &f : Frequencies())
            if (f.periods == perYear)
                list->setCurrentIndex(FrequencyIndex(f.selector));
    };
    frequency(MPayment, loan.paymentsPerYear);
    frequency(MCompounded, loan.compoundingsPerYear);
    MAmount->setText(locale.toString(loan.amount, 'g', 15));
    Period->setText(QString::number(loan.years));
    MPartyear->setText(loan.part > 0 ? QString::number(loan.part) : QString());
    IRate->setText(locale.toString(loan.rate, 'g', 15));
    (loan.timing == Timing::InArrears ? MArrears : MAdvance)->setChecked(true);
    SetPlan(compared.plan);
    SetFees(compared.fees);
    MPaymentChange();
    PageControl1->setCurrentWidget(TabSheet1);
    savedFlag_ = false;
    return true;
}

void TMORTLOAN::LoadBtnClick()
{
    // Opening a file replaces every input, so unsaved ones are offered a save first.
    if (!OfferToSave())
        return;
    const std::optional<QString> chosen = ThePlatform().GetOpenFileName(this, open_);
    if (!chosen || chosen->isEmpty())
        return;
    LoadMortgageFile(*chosen);
    save_.fileName = open_.fileName;
    save_.directory = open_.directory;
    currentFileName_ = *chosen;
    savedFlag_ = true;
    // Loading fills every savings field in turn; what is wrong with them is told once, at the end.
    if (const auto problem = SavingsMessage())
        Show(*problem);
}

void TMORTLOAN::SaveBtnClick()
{
    // Another loan's file is replaced only when the user agrees; the current one is saved over.
    const std::optional<QString> target = ChooseFileToWrite(this, save_, &SaveTargetPath, documentFile_);
    if (!target)
        return;
    SaveMortgageFile(*target);
    currentFileName_ = *target;
    open_.directory = save_.directory;
    open_.fileName = save_.fileName;
    savedFlag_ = true;
}

void TMORTLOAN::SaveCurrentClick()
{
    if (documentFile_.isEmpty()) {
        SaveBtnClick();
        return;
    }
    SaveMortgageFile(documentFile_);
    currentFileName_ = documentFile_;
}

void TMORTLOAN::NewFileClick()
{
    if (!OfferToSave())
        return;
    ClearAllInputs();
    for (QLineEdit *edit : {WIPrincipal, WIPeriods, WIPartYear, WIInterest, WIRepay})
        edit->clear();
    TrasferValuesCheckBox->setChecked(false);
    MPaymentChange();
    documentFile_.clear();
    currentFileName_.clear();
    SetCaption(QString());
    savedFlag_ = true;
}

void TMORTLOAN::OpenFileAsked(const QString &path)
{
    if (!OfferToSave())
        return;
    LoadMortgageFile(path);
    const QString folder = QFileInfo(path).absolutePath();
    save_.fileName = open_.fileName = path;
    save_.directory = open_.directory = folder;
    currentFileName_ = path;
    if (const auto problem = SavingsMessage())
        Show(*problem);
}

std::vector<QWidget *> TMORTLOAN::EnlargeableWindows()
{
    const SecondaryWindows &made = Windows();
    std::vector<QWidget *> windows;
    for (QWidget *window : std::initializer_list<QWidget *>{made.schedule, made.grid, made.additional, made.balance,
                                                            made.plan, made.compare})
        if (window)
            windows.push_back(window);
    return windows;
}

QHash<QString, QSize> TMORTLOAN::EnlargedWindowSizes()
{
    QHash<QString, QSize> sizes;
    for (QWidget *window : EnlargeableWindows())
        if (window->size() != window->minimumSize())
            sizes.insert(window->objectName(), window->size());
    return sizes;
}

void TMORTLOAN::RestoreWindowSizes(const QHash<QString, QSize> &sizes)
{
    // A size kept on a larger screen is fitted to this one, never below the window's own.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() - QSize(16, 48) : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    for (QWidget *window : EnlargeableWindows())
        if (sizes.contains(window->objectName()))
            window->resize(sizes.value(window->objectName()).boundedTo(room).expandedTo(window->minimumSize()));
}

QStringList TMORTLOAN::RecentFiles() const
{
    return KeptRecentFiles(recentFiles_);
}

void TMORTLOAN::NoteRecentFile(const QString &path)
{
    documentFile_ = path;
    recentFiles_ = WithRecentFile(recentFiles_, path);
}

void TMORTLOAN::FillRecentMenu()
{
    RecentMenu->clear();
    recentFiles_ = KeptRecentFiles(recentFiles_);
    int number = 1;
    for (const QString &file : recentFiles_) {
        // "&1 house.QVL", the folder in the tip: short enough to read, whole where asked.
        QAction *item = RecentMenu->addAction(QStringLiteral("&%1 %2").arg(number++).arg(QFileInfo(file).fileName()));
        item->setToolTip(QDir::toNativeSeparators(file));
        item->setStatusTip(QDir::toNativeSeparators(file));
        On(item, &QAction::triggered, [this, file] { OpenFileAsked(file); });
    }
    if (recentFiles_.isEmpty())
        RecentMenu->addAction(tr("No recent files"))->setEnabled(false);
    RecentMenu->addSeparator();
    QAction *clear = RecentMenu->addAction(tr("&Clear"));
    clear->setObjectName(QStringLiteral("ClearRecent"));
    clear->setEnabled(!recentFiles_.isEmpty());
    On(clear, &QAction::triggered, [this] { recentFiles_.clear(); });
}

QString TMORTLOAN::RestoreCurrentFile(const QStringList &arguments)
{
    currentFileName_ = RememberedFile(ThePlatform().UserSettings());
    recentFiles_ = RecentFilesOf(ThePlatform().UserSettings());
    // Given to the windows as they are made, after the first frame.
    windowSizes_ = WindowSizesOf(ThePlatform().UserSettings());
    // A mistyped name would otherwise open the remembered file without a word.
    QStringList problems;
    if (const QString problem = CommandLineFileProblem(arguments); !problem.isEmpty())
        problems << problem;
    const std::optional<QString> file = StartupFile(arguments, currentFileName_);
    if (!file)
        return problems.join(QStringLiteral("\n\n"));
    const QString folder = QFileInfo(*file).absolutePath();
    save_.fileName = *file;
    save_.directory = folder;
    open_.fileName = *file;
    open_.directory = folder;
    try {
        LoadMortgageFile(*file);
    } catch (const QuovellaError &error) {
        // Shown once the main window is up; start-up goes on.
        problems << error.Message();
        return problems.join(QStringLiteral("\n\n"));
    }
    if (const auto problem = SavingsMessage())
        problems << problem->text;
    return problems.join(QStringLiteral("\n\n"));
}

void TMORTLOAN::RememberCurrentFile()
{
    // Closing goes on: only the file to open at the next start is lost, and the user is told.
    try {
        Settings &settings = ThePlatform().UserSettings();
        std::optional<QString> note = ::RememberCurrentFile(settings, currentFileName_);
        // All go into one file: what it has to say is said once.
        for (const std::optional<QString> &more :
             {StoreRecentFiles(settings, recentFiles_), StoreWindowSizes(settings, EnlargedWindowSizes())})
            if (!note)
                note = more;
        if (note)
            Show({*note, MessageKind::Information});
    } catch (const QuovellaError &error) {
        Show({tr("The file you worked with could not be remembered for the next start. ")
                  + error.Message(),
              MessageKind::Information});
    }
}
