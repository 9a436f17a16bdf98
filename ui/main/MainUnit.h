// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the Mortgage, What If? and Mortgage Savings tabs, the menu and
// the toolbar. Its loan inputs are the one loan every other window starts from.
#pragma once

#include "ui/common/Keyboard.h"
#include "ui/windows/MainLoan.h"
#include "platform/Platform.h"
#include "printing/Printing.h"
#include "platform/ReportOutput.h"
#include "engine/AnnualRate.h"
#include "engine/Comparison.h"
#include "engine/PaymentPlan.h"
#include "engine/Savings.h"
#include "engine/WhatIf.h"

#include <QHash>
#include <QMainWindow>
#include <QSize>

#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QDragEnterEvent;
class QDropEvent;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class HeaderBand;
class ResultPanel;

class TAboutForm;
class TBalanceGraphForm;
class TMORTAGEGRID;
class TMSCHEDULE;
class TAPOPTIONS;
class TADDMONTHLYR;
class TAdditionalP;
class TMortChartForm;
class TPaymentPlan;
class TCompare;

// The other windows, made once after the main window and kept for the run.
struct SecondaryWindows {
    TMORTAGEGRID *grid = nullptr;
    TMSCHEDULE *schedule = nullptr;
    TAPOPTIONS *options = nullptr;
    TADDMONTHLYR *specific = nullptr;
    TAdditionalP *additional = nullptr;
    TMortChartForm *chart = nullptr;
    TAboutForm *about = nullptr;
    TBalanceGraphForm *balance = nullptr;
    TPaymentPlan *plan = nullptr;
    TCompare *compare = nullptr;
};

// Hooks for the printed reports; each is called after the print dialog was confirmed.
struct ReportHooks {
    std::function<void()> mortgageDetails;
    std::function<void()> mortgageSavings;
};

// The same reports for the preview and a PDF.
struct ReportMakers {
    std::function<PrintableReport()> mortgageDetails;
    std::function<PrintableReport()> mortgageSavings;
};

class TMORTLOAN : public QMainWindow, public MainLoan {
    Q_OBJECT
public:
    explicit TMORTLOAN(QWidget *parent = nullptr);
    ~TMORTLOAN() override;

    // How the other windows are made. They are made once, hidden, on the first call
    // of Windows(): right after the first frame (Program::Start) or sooner when
    // anything reaches for one.
    void SetWindowMaker(std::function<SecondaryWindows()> make) { makeWindows_ = std::move(make); }
    const SecondaryWindows &Windows();
    void SetReportHooks(const ReportHooks &hooks) { reports_ = hooks; }
    void SetReportMakers(const ReportMakers &makers) { reportMakers_ = makers; }

    // Start-up.
    void FormCreate();
    void SetupProgram();
    void UpdateAllLabelsToMortgageLoan();

    // MainLoan
    LoanTexts CurrentLoanTexts() const override;
    QString PartYearCaption() const override;
    QWidget *MainWindowWidget() override { return this; }

    // The Mortgage tab's payment plan: saved and loaded with the loan, emptied by
    // File, New. Setting a different one marks the file changed, as an edit does.
    const PaymentPlan &Plan() const override { return plan_; }
    void SetPlan(const PaymentPlan &plan) override;
    // Its fees, kept the same way; with any, the tab shows the annual percentage rate.
    const LoanFees &Fees() const override { return fees_; }
    void SetFees(const LoanFees &fees) override;
    // The offers of the Compare window, saved with the loan file; setting others
    // marks the file changed.
    const std::vector<ComparedLoan> &Compared() const { return compared_; }
    void SetCompared(const std::vector<ComparedLoan> &compared);
    // Puts a compared loan into the Mortgage tab, its plan and fees with it, after
    // the unsaved-changes question; false when the user cancelled.
    bool LoadComparedLoan(const ComparedLoan &compared);

    bool SavedFlag() const { return savedFlag_; }
    void SetSavedFlag(bool saved) { savedFlag_ = saved; }
    QString CurrentFileName() const { return currentFileName_; }
    FileDialogState &OpenDialog() { return open_; }
    FileDialogState &SaveDialog() { return save_; }
    // The Mortgage Savings figures as the tab shows them, for the savings report.
    SavingsFields SavingsInputs() const;
    // The first thing wrong with the Mortgage Savings fields, told once after a load.
    std::optional<Message> SavingsMessage() const;
    WhatIfFields WhatIfInputs() const;
    // The Mortgage and Mortgage Savings tabs as their reports print them.
    MortgageDetailsReport DetailsReportInputs() const;
    MortgageSavingsReport SavingsReportInputs() const;

    // Handlers, one per user event.
    void CalMortBtnClick(QObject *sender);
    void MPaymentChange();
    void MAmountChange();
    void MCompoundedChange();
    void PageControl1Change();
    bool FormCloseQuery();
    void ExitBtnClick();
    void HelpBtnClick();
    void BitBtn1Click();
    void BitBtn14Click();
    void AboutBtnClick();
    void BitBtn8Click();
    void AmountRBClick();
    void WIPaymentChange();
    void SpeedButton4Click();
    void TransferBtnClick();
    void MSavingsAmountChange();
    // The user left a Mortgage Savings field, or pressed Enter in it: what is wrong
    // with it is told once and the focus goes back to it.
    void MSavingsAmountExit(QLineEdit *field);
    void BitBtn12Click();
    void SpeedButton2Click();
    // The balance graph of the main window's loan, through the schedule window.
    void BalanceGraphBtnClick();
    // The Payment Plan window over the Mortgage tab's loan as it stands.
    void PaymentPlanBtnClick();
    // The Compare window over the compared loans.
    void CompareBtnClick();
    void MortgageGridBtnClick();
    void SpeedButton3Click();
    void BitBtn9Click();
    void LoadBtnClick();
    void SaveBtnClick();
    // File, Save: the current file without a dialog, or the dialog when there is none.
    void SaveCurrentClick();
    // File, New: asks about unsaved changes, then empties every input and forgets the file.
    void NewFileClick();
    // Opens a file after the unsaved-changes question: Open Recent and dropped files.
    void OpenFileAsked(const QString &path);
    // The loan files opened or saved last, newest first, that still exist.
    QStringList RecentFiles() const;

    // Loading and saving.
    void ClearAllInputs();
    void SaveMortgageFile(const QString &path);
    void LoadMortgageFile(const QString &path);
    // Asks "Do you want to save your file first?" when there are unsaved
    // changes and saves on Yes. False when the user cancels the question or the
    // save dialog; a failed save throws.
    bool OfferToSave();
    // The start-up load; returns what to tell the user once the window is up: a
    // command-line file that is not there, a file that could not be loaded.
    QString RestoreCurrentFile(const QStringList &arguments);
    void RememberCurrentFile();

    // Controls, by the names the rest of the program knows them by.
    HeaderBand *Header;
    QLabel *HeadingLabel1;
    QLabel *HeadingLabel2;
    QToolButton *LoadBtn, *SaveBtn, *BitBtn7, *BitBtn5, *BitBtn11, *BitBtn2, *BalanceGraphBtn, *PaymentPlanBtn, *CompareBtn, *AboutBtn, *HelpBtn, *ExitBtn;
    QTabWidget *PageControl1;
    QWidget *TabSheet1, *TabSheet2, *TabSheet3;
    QCheckBox *TrasferValuesCheckBox;
    QAction *LoadFile1, *SaveFile1, *Exit1, *Contents1, *About1;
    // Around the design's menu: Save (the current file, no dialog), New, Open Recent.
    QAction *SaveCurrent, *NewFile;
    QAction *PaymentPlan1, *Compare1;
    QMenu *RecentMenu;
    // The report of the tab in front (MainPrinting.cpp).
    QAction *Print1, *PrintPreview1, *ExportPdf1;

    // Mortgage tab.
    QLabel *MALabel, *MAmountLabel, *Label98;
    QLineEdit *MAmount, *Period, *MPartyear, *IRate;
    QComboBox *MPayment, *MCompounded;
    QRadioButton *MArrears, *MAdvance;
    QPushButton *CalMortBtn, *PrintMortBtn, *BitBtn1, *BitBtn8, *BitBtn9;
    QPushButton *MortgageGridBtn, *SpeedButton2, *SpeedButton3;
    QGroupBox *Panel1, *Panel6;
    ResultPanel *MonthlyRepayment, *TotalInterest;
    // Shown only while the loan has fees, where the tab has room to spare.
    QGroupBox *AprPanel;
    ResultPanel *AnnualRate;

    // What If? tab.
    QLabel *WhatIfHeading, *WhatIfHelpLabel, *WhatIfAmountLabel, *WIMonthsLabel;
    QLineEdit *WIPrincipal, *WIPeriods, *WIPartYear, *WIInterest, *WIRepay;
    QComboBox *WIPayment, *WICompounded;
    QRadioButton *WIArrearsRB, *WIAdvanceRB;
    QRadioButton *AmountRB, *PeriodRB, *InterestRB, *PaymentRB;
    QPushButton *SpeedButton4, *TransferBtn, *BitBtn14;

    // Mortgage Savings tab.
    QLineEdit *MSavingsAmount, *mperiod, *minterest, *reducedperiod, *investrate;
    ResultPanel *mrepayment, *reducedpayment, *textra, *tyears, *investtotal;
    QPushButton *BitBtn12;

signals:
    // The user closed the main window and the program should end.
    void closed();
    // The payment plan was set, loaded or emptied.
    void planChanged();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The header band, the menu and the toolbar (MainHeader.cpp).
    void BuildHeader(QWidget *band);
    void BuildHeaderTitle(QWidget *band);
    // The title centred over the band, and the toolbar across it, `width` wide.
    void PlaceHeader(int width);
    // The window at its design size, or larger where its texts need more room.
    void FitTexts();
    void BuildToolBar(QWidget *band);
    void BuildMenu();
    // File menu: print, preview or export the report of the tab in front.
    void AddReportActions(QMenu *file);
    void UpdateReportActions();
    std::optional<PrintableReport> ReportInFront();
    void ConnectHeader();
    // The Mortgage tab (MainMortgageTab.cpp).
    QWidget *BuildMortgageTab();
    QGridLayout *BuildMortgageInputs(QWidget *tab);
    void BuildMortgageResults(QWidget *tab);
    void BuildMortgageButtons(QWidget *tab);
    int WidestRepaymentPanel() const;
    void ConnectMortgageTab();
    void EmptyMortgageResults();
    // The annual percentage rate beside the other results: hidden without fees,
    // empty while they are.
    void ShowAnnualRate();
    // The What If? tab (MainWhatIfTab.cpp).
    QWidget *BuildWhatIfTab();
    QGridLayout *BuildWhatIfInputs(QWidget *tab);
    QGroupBox *BuildWhatIfCalculateGroup(QWidget *tab);
    void ConnectWhatIfTab();
    // The Mortgage Savings tab (MainSavingsTab.cpp).
    QWidget *BuildSavingsTab();
    void BuildSavingsFields(QWidget *tab);
    QFrame *BuildSavingsAmountPanel(QWidget *tab);
    QFrame *BuildReducedPeriodPanel(QWidget *tab);
    QFrame *BuildExtraPaymentPanel(QWidget *tab);
    QFrame *BuildInvestmentPanel(QWidget *tab);
    void ConnectSavingsTab();

    void ConnectHandlers();
    // Alt keys, Enter, the mouse wheel, Tab order and names for screen readers.
    void SetUpKeyboard();
    // Alt keys for the captions as they read now; run again when one changes.
    void AssignMnemonics();
    // Every handler runs guarded: a file or printer error is shown and the program goes on.
    template <typename Sender, typename Signal, typename Handler>
    void On(Sender *sender, Signal signal, Handler handler)
    {
        connect(sender, signal, this, [this, handler](auto &&...) { RunGuarded(this, handler); });
    }
    void Show(const Message &message);
    bool CheckMainLoan(const LoanCheck &check);
    // The Mortgage tab's fields a loan check names.
    Keyboard::LoanFields MortgageFields() const;
    void SetCaption(const QString &path);
    // Every saved input marks the loan changed: the saved file holds all 23 lines.
    void MarkChangedOnEdits();
    void NoteRecentFile(const QString &path);
    // The table windows and the balance graph, whose size the user may change and
    // which keep it from one run to the next.
    std::vector<QWidget *> EnlargeableWindows();
    QHash<QString, QSize> EnlargedWindowSizes();
    void RestoreWindowSizes(const QHash<QString, QSize> &sizes);
    void FillRecentMenu();
    // The file that File, Save writes: the one loaded or saved in this run.
    QString documentFile_;
    QStringList recentFiles_;

    // Reached through Windows(), which makes them first; only MPaymentChange looks
    // whether they are made yet.
    SecondaryWindows windows_;
    std::function<SecondaryWindows()> makeWindows_;
    bool windowsMade_ = false;
    // Kept from the settings until the windows they belong to are made.
    QHash<QString, QSize> windowSizes_;
    PaymentPlan plan_;
    // Fees and compared loans a loaded file holds, written back when it is saved,
    // so none is lost.
    LoanFees fees_;
    std::vector<ComparedLoan> compared_;
    ReportHooks reports_;
    ReportMakers reportMakers_;
    bool savedFlag_ = true;
    // The last part-year caption shown, in English; a yearly loan keeps the one before.
    QString partYearCaption_ = QStringLiteral("Month(s)");
    QString programDirectory_;
    QString currentFileName_;
    FileDialogState open_;
    FileDialogState save_;
    bool closing_ = false;
    bool savingsMessageShown_ = false;
    // Owns the savings fields' focus watchers, which go before the fields do.
    QObject savingsLeaving_;
};

// The band across the top: a picture, the program's name with a shadow, and the toolbar.
class HeaderBand : public QWidget {
    Q_OBJECT
public:
    explicit HeaderBand(QWidget *parent = nullptr);
    bool HasPicture() const { return !picture_.isNull(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap picture_;
};
