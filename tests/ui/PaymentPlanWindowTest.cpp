// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/common/TestFiles.h"
#include "tests/ui/UiFixture.h"

#include <QAction>
#include <QTemporaryDir>

namespace {

PaymentPlan ExtraFromTheStart(double extra)
{
    PaymentPlan plan;
    plan.events.push_back(PlanEvent{PlanEventKind::Extra, extra, 1, 0, false});
    return plan;
}

} // namespace

class PlanOfTheLoan : public UiTest {
protected:
    QString Path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(PlanOfTheLoan, SettingAPlanMarksTheFileChangedAndNewOrAPlanlessFileEmptiesIt)
{
    TypeLoan("100000", "25", "6");
    main().SetSavedFlag(true);
    main().SetPlan(main().Plan());
    EXPECT_TRUE(main().SavedFlag()) << "the same plan again is no change";
    main().SetPlan(ExtraFromTheStart(100));
    EXPECT_FALSE(main().SavedFlag());
    EXPECT_EQ(main().Plan(), ExtraFromTheStart(100));

    // A file without a plan is the loan alone: it stays 23 lines and loads no plan.
    main().SetPlan(PaymentPlan());
    platform.saveAnswers.push_back(Path("plain.QVL"));
    main().SaveBtn->click();
    EXPECT_EQ(FileBytes(Path("plain.QVL")).count("\r\n"), 23);
    main().SetPlan(ExtraFromTheStart(50));
    platform.messageAnswers.push_back(MessageResult::No);
    platform.openAnswers.push_back(Path("plain.QVL"));
    main().LoadBtn->click();
    EXPECT_EQ(main().Plan(), PaymentPlan());

    main().SetPlan(ExtraFromTheStart(50));
    platform.messageAnswers.push_back(MessageResult::No);
    main().NewFile->trigger();
    EXPECT_EQ(main().Plan(), PaymentPlan());
    EXPECT_TRUE(main().SavedFlag());
}

TEST_F(PlanOfTheLoan, AFileThatCannotBeLoadedLeavesThePlanAsItWas)
{
    main().SetPlan(ExtraFromTheStart(75));
    SetFileBytes(Path("bad.QVL"), "100000\r\nabc\r\n");
    platform.messageAnswers.push_back(MessageResult::No);
    platform.openAnswers.push_back(Path("bad.QVL"));
    main().LoadBtn->click();
    EXPECT_EQ(main().Plan(), ExtraFromTheStart(75));
    EXPECT_FALSE(main().SavedFlag());
}
