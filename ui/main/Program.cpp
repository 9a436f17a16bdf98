#include "Program.h"

#include "APGridUnit.h"
#include "APOptionsUnit.h"
#include "AboutUnit.h"
#include "MSCHEDULEUnit.h"
#include "MainUnit.h"
#include "MortChartUnit.h"
#include "MortgageGridUnit.h"
#include "Reports.h"
#include "SpecificAPUnit.h"
#include "WindowKit.h"

#include <QTimer>

Program::Program()
    : main_(std::make_unique<TMORTLOAN>())
{
    TMORTLOAN &main = *main_;
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
    main.AttachWindows(windows);
    ConnectReports(main);
}

Program::~Program() = default;

void Program::Start(const QStringList &arguments)
{
    const QString problem = main_->RestoreCurrentFile(arguments);
    main_->SetupProgram();
    CentreOnScreen(main_.get());
    main_->show();
    if (!problem.isEmpty()) {
        TMORTLOAN *main = main_.get();
        QTimer::singleShot(0, main, [main, problem] {
            ThePlatform().ShowMessage(main, problem, MessageKind::Information, MessageButtons::Ok);
        });
    }
}
