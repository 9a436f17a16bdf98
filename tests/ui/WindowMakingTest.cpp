// SPDX-License-Identifier: GPL-3.0-or-later
// The secondary windows are made once, hidden, right after the main window's first
// frame, or sooner when something asks for them.
#include "tests/common/TestFiles.h"
#include "tests/ui/UiFixture.h"
#include "ui/windows/BalanceGraphUnit.h"
#include "ui/windows/CompareUnit.h"
#include "ui/windows/PaymentPlanUnit.h"

#include <QTemporaryDir>
#include <QTest>

#include <vector>

namespace {

// How many of each secondary window the main window holds, in the order they are made.
std::vector<qsizetype> Made(TMORTLOAN &main)
{
    constexpr auto direct = Qt::FindDirectChildrenOnly;
    return {main.findChildren<TMORTAGEGRID *>(direct).size(),   main.findChildren<TMSCHEDULE *>(direct).size(),
            main.findChildren<TAPOPTIONS *>(direct).size(),     main.findChildren<TADDMONTHLYR *>(direct).size(),
            main.findChildren<TAdditionalP *>(direct).size(),   main.findChildren<TMortChartForm *>(direct).size(),
            main.findChildren<TAboutForm *>(direct).size(),     main.findChildren<TBalanceGraphForm *>(direct).size(),
            main.findChildren<TPaymentPlan *>(direct).size(),   main.findChildren<TCompare *>(direct).size()};
}

const std::vector<qsizetype> kNone(10, 0);
const std::vector<qsizetype> kEachOnce(10, 1);

} // namespace

class WindowMaking : public UiTest {
protected:
    // Each test starts the program itself.
    void SetUp() override { SetPlatform(&platform); }
};

TEST_F(WindowMaking, AfterTheFirstFrameOnceHiddenAndWithWhatStartUpSet)
{
    // A remembered annual loan hides the part year, the schedule's too.
    QTemporaryDir dir;
    const QString file = dir.filePath("annual.QVL");
    SetFileBytes(file, "100000\r\n25\r\n\r\n6.5\r\n0\r\n3\r\nTRUE\r\nFALSE\r\n\r\n\r\n\r\n\r\n\r\nTRUE\r\n"
                       "\r\n\r\n\r\n\r\n\r\n1\r\n3\r\n1\r\n3\r\n");
    platform.settings.values.insert("CurrentFile", file);
    UiTest::SetUp();
    ASSERT_EQ(main().MPayment->currentText(), "Annualy");
    ASSERT_TRUE(QTest::qWaitFor([&] { return Made(main()) != kNone; }));

    EXPECT_EQ(Made(main()), kEachOnce);
    const SecondaryWindows &windows = main().Windows();
    for (QWidget *window : std::initializer_list<QWidget *>{windows.grid, windows.schedule, windows.options,
                                                            windows.specific, windows.additional, windows.chart,
                                                            windows.about, windows.balance, windows.plan,
                                                            windows.compare})
        EXPECT_TRUE(window->isHidden()) << S(window->objectName());
    EXPECT_TRUE(windows.schedule->Partyear->isHidden());
    EXPECT_TRUE(windows.schedule->Label11->isHidden());
    EXPECT_EQ(Made(main()), kEachOnce);
}

TEST_F(WindowMaking, AskingBeforeTheFirstFrameMakesThemThenAndNotAgain)
{
    program = std::make_unique<Program>();
    EXPECT_EQ(Made(main()), kNone) << "the main window comes first, alone";
    program->Start(arguments);
    EXPECT_EQ(Made(main()), kNone) << "nothing is made before the first frame";

    TMSCHEDULE *schedule = main().Windows().schedule;
    ASSERT_NE(schedule, nullptr);
    EXPECT_EQ(Made(main()), kEachOnce);
    EXPECT_FALSE(schedule->Partyear->isHidden());

    // The first frame comes and goes; what it would have made is there already.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    QTest::qWait(50);
    EXPECT_EQ(main().Windows().schedule, schedule);
    EXPECT_EQ(Made(main()), kEachOnce);
}
