// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/Program.h"

#include "ui/windows/APGridUnit.h"
#include "ui/windows/APOptionsUnit.h"
#include "ui/windows/AboutUnit.h"
#include "ui/windows/BalanceGraphUnit.h"
#include "ui/windows/CompareUnit.h"
#include "ui/windows/MSCHEDULEUnit.h"
#include "ui/main/MainUnit.h"
#include "ui/windows/MortChartUnit.h"
#include "ui/windows/MortgageGridUnit.h"
#include "ui/windows/PaymentPlanUnit.h"
#include "ui/main/Reports.h"
#include "ui/windows/SpecificAPUnit.h"
#include "ui/windows/WindowKit.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace {

// The secondary windows, in their fixed order, wired to the main window and each other.
SecondaryWindows MakeSecondaryWindows(TMORTLOAN &main)
{
    SecondaryWindows windows;
    // The secondary windows belong to the main window and live as long as it does.
    windows.grid = new TMORTAGEGRID(main, &main);
    windows.schedule = new TMSCHEDULE(main, &main);
    windows.options = new TAPOPTIONS(main, &main);
    windows.specific = new TADDMONTHLYR(main, &main);
    windows.additional = new TAdditionalP(main, &main);
    windows.options->AttachWindows(windows.additional, windows.specific);
    windows.chart = new TMortChartForm(&main);
    windows.about = new TAboutForm(&main);
    windows.balance = new TBalanceGraphForm(&main);
    windows.plan = new TPaymentPlan(main, &main);
    windows.compare = new TCompare(main, &main);
    windows.compare->compared = [&main] { return main.Compared(); };
    windows.compare->setCompared = [&main](const std::vector<ComparedLoan> &loans) { main.SetCompared(loans); };
    windows.compare->fees = [&main] { return main.Fees(); };
    windows.compare->loadLoan = [&main](const ComparedLoan &loan) { return main.LoadComparedLoan(loan); };
    windows.schedule->openPlan = [&main] { main.PaymentPlanBtnClick(); };
    windows.specific->addToPlan = [&main](const PlanEvent &event) {
        PaymentPlan more = main.Plan();
        more.events.push_back(event);
        main.SetPlan(more);
        main.PaymentPlanBtnClick();
    };
    // The graph draws the plan only for the loan it belongs to: the Mortgage tab's.
    windows.schedule->AttachGraph(
        windows.balance, [specific = windows.specific] { return specific->lastRun; },
        [&main]() -> std::optional<PlannedLoan> {
            const LoanTexts texts = main.CurrentLoanTexts();
            if (CheckLoanTexts(texts, LoanChecks::Analysis()))
                return std::nullopt;
            return PlannedLoan{LoanOfTexts(texts), main.Plan()};
        });
    ConnectReports(windows);
    return windows;
}

// Makes the secondary windows once the main window's first frame is on screen, so
// their making does not hold it back.
class MakeWindowsAfterFirstFrame : public QObject {
public:
    explicit MakeWindowsAfterFirstFrame(TMORTLOAN *main) : QObject(main), main_(main)
    {
        main->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == main_ && event->type() == QEvent::Paint) {
            main_->removeEventFilter(this);
            // Queued twice: once past the frame's flush, and once more past anything
            // the frame queued itself (the start-up benchmark's clock among it).
            TMORTLOAN *main = main_;
            QMetaObject::invokeMethod(
                main,
                [main] { QMetaObject::invokeMethod(main, [main] { main->Windows(); }, Qt::QueuedConnection); },
                Qt::QueuedConnection);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TMORTLOAN *main_;
};

} // namespace

Program::Program()
    : main_(std::make_unique<TMORTLOAN>())
{
    TMORTLOAN &main = *main_;
    main.SetWindowMaker([&main] { return MakeSecondaryWindows(main); });
    ConnectReports(main);
}

Program::~Program() = default;

void Program::Start(const QStringList &arguments)
{
    const QString problem = main_->RestoreCurrentFile(arguments);
    main_->SetupProgram();
    CentreOnScreen(main_.get());
    // Typing at once goes into the loan's first field.
    main_->MAmount->setFocus();
    new MakeWindowsAfterFirstFrame(main_.get());
    main_->show();
    if (!problem.isEmpty()) {
        TMORTLOAN *main = main_.get();
        QTimer::singleShot(0, main, [main, problem] {
            ThePlatform().ShowMessage(main, problem, MessageKind::Information, MessageButtons::Ok);
        });
    }
}
