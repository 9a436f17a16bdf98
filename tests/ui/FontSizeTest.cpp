// SPDX-License-Identifier: GPL-3.0-or-later
// A desktop with a larger text than the design's: the windows grow to their texts and
// cut no caption, tab or button; at the design's size they keep the design's sizes.
#include "tests/common/FrequencyCases.h"
#include "tests/ui/ShownWhole.h"
#include "tests/ui/UiFixture.h"
#include "ui/windows/BalanceGraphUnit.h"
#include "ui/windows/CompareUnit.h"
#include "ui/windows/PaymentPlanUnit.h"

#include <QLayout>
#include <QStyleFactory>

#include <vector>

namespace {

} // namespace

// The program at one and a half times the design's text size, as a desktop font of
// 13.5 points gives it.
class LargeText : public UiTest {
protected:
    void SetUp() override
    {
        Look::SetTextPoints(1.5 * Look::kDesignPoints);
        QApplication::setFont(Look::UiFont(9));
        UiTest::SetUp();
    }

    void TearDown() override
    {
        UiTest::TearDown();
        Look::SetTextPoints(Look::kDesignPoints);
        QApplication::setFont(Look::UiFont(9));
    }

    void ChooseFrequency(const QString &frequency)
    {
        ChoosePayment(frequency);
        main().WIPayment->setCurrentText(frequency);
        emit main().WIPayment->activated(main().WIPayment->currentIndex());
        Settle();
    }
};

class LargeTextByFrequency : public LargeText, public testing::WithParamInterface<int> {};

TEST_P(LargeTextByFrequency, TheMainWindowsTabsShowEveryCaptionWhole)
{
    main().show();
    const QString frequency = FrequencyTexts()[GetParam()];
    TypeLoan("100000", "25", "6");
    ChooseFrequency(frequency);
    main().CalMortBtn->click();
    for (QWidget *tab : {main().TabSheet1, main().TabSheet2, main().TabSheet3}) {
        main().PageControl1->setCurrentWidget(tab);
        Settle();
        ExpectNothingCut(&main(), S(frequency + QLatin1Char(' ') + tab->objectName()));
    }
}

TEST_P(LargeTextByFrequency, TheAnalysisWindowsShowEveryCaptionWhole)
{
    const QString frequency = FrequencyTexts()[GetParam()];
    TypeLoan("100000", "25", "6");
    ChooseFrequency(frequency);
    const std::string where = S(frequency);
    OpenSchedule([&](TMSCHEDULE *w) { ExpectNothingCut(w, where + " schedule"); });
    OpenGrid([&](TMORTAGEGRID *w) { ExpectNothingCut(w, where + " grid"); });
    OpenAdditional([&](TAdditionalP *w) { ExpectNothingCut(w, where + " additional payments"); });
    windows().options->Specific->setChecked(true);
    platform.modalActions.insert("APOPTIONS", [&](QDialog *w) {
        Settle();
        ExpectNothingCut(w, where + " options");
        windows().options->BitBtn2->click();
    });
    platform.modalActions.insert("ADDMONTHLYR", [&](QDialog *w) {
        Settle();
        ExpectNothingCut(w, where + " specific payment");
    });
    main().SpeedButton3->click();
    EXPECT_TRUE(platform.messages.empty()) << S(platform.MessageTexts().join(" | "));
}

INSTANTIATE_TEST_SUITE_P(EveryFrequency, LargeTextByFrequency, EveryFrequency(), FrequencyNamed());

TEST_F(LargeText, TheOtherWindowsShowEveryCaptionWhole)
{
    TypeLoan("100000", "25", "6");
    main().CalMortBtn->click();
    for (QWidget *window : std::initializer_list<QWidget *>{windows().chart, windows().balance, windows().plan,
                                                            windows().compare, windows().about}) {
        window->show();
        Settle();
        ExpectNothingCut(window, S(window->objectName()));
        window->hide();
    }
}

TEST_F(LargeText, TheWindowsGrowAndTheTextWithThem)
{
    main().show();
    Settle();
    EXPECT_EQ(QApplication::font().pointSizeF(), 13.5);
    EXPECT_EQ(QApplication::font().family(), "Arial");
    EXPECT_EQ(main().MALabel->font().pixelSize(), 24);
    // The header band's picture title keeps its size.
    EXPECT_EQ(main().HeadingLabel1->font().pixelSize(), 32);
    EXPECT_GT(main().centralWidget()->width(), 525);
    EXPECT_GT(main().centralWidget()->height(), 401);
    EXPECT_EQ(main().minimumSize(), main().maximumSize());
    // The title stays centred over the wider band, the toolbar across it.
    const QRect title = main().HeadingLabel1->geometry();
    EXPECT_LE(std::abs(title.center().x() - main().Header->width() / 2), 1);
    EXPECT_EQ(main().Header->findChild<QWidget *>("ToolBar1")->width(), main().Header->width());
    OpenSchedule([](TMSCHEDULE *w) {
        EXPECT_GE(w->width(), Look::Scaled(534));
        EXPECT_GE(w->minimumHeight(), Look::Scaled(377));
    });
}

using DesignText = UiTest;

TEST_F(DesignText, EveryWindowKeepsItsDesignSize)
{
    main().show();
    Settle();
    EXPECT_EQ(main().size(), QSize(525, 420));
    EXPECT_EQ(main().centralWidget()->size(), QSize(525, 401));
    EXPECT_EQ(QApplication::font().pointSize(), 9);
    TypeLoan("100000", "25", "6");
    OpenSchedule([](TMSCHEDULE *w) { EXPECT_EQ(w->size(), QSize(534, 377)); });
    OpenGrid([](TMORTAGEGRID *w) { EXPECT_EQ(w->size(), QSize(575, 400)); });
    OpenAdditional([](TAdditionalP *w) { EXPECT_EQ(w->size(), QSize(537, 382)); });
    windows().about->show();
    Settle();
    EXPECT_EQ(windows().about->size(), QSize(380, 256));
}

TEST(TextSize, NeverBelowTheDesignsAndScaledWithIt)
{
    Look::SetTextPoints(7);
    EXPECT_EQ(Look::TextPoints(), 9.0);
    EXPECT_FALSE(Look::TextEnlarged());
    EXPECT_EQ(Look::Scaled(525), 525);
    Look::SetTextPoints(11);
    EXPECT_TRUE(Look::TextEnlarged());
    EXPECT_EQ(Look::Scaled(90), 110);
    EXPECT_EQ(Look::UiFont(8).pointSizeF(), 8 * 11 / 9.0);
    Look::SetTextPoints(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(Look::TextPoints(), 9.0);
    EXPECT_EQ(Look::UiFont(9).pointSize(), 9);
}

TEST(TextSize, TheEnvironmentOverridesTheDesktopsFont)
{
    qputenv("QUOVELLA_FONT_SIZE", "13.5");
    EXPECT_EQ(Look::DesktopTextPoints(), 13.5);
    qputenv("QUOVELLA_FONT_SIZE", "large");
    EXPECT_EQ(Look::DesktopTextPoints(), QGuiApplication::font().pointSizeF());
    qunsetenv("QUOVELLA_FONT_SIZE");
}

// A desktop style whose controls need more room than the design's sizes give: the
// window grows to its layout rather than squeeze its lists and fields.
class OtherStyle : public UiTest {
protected:
    void SetUp() override
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
        UiTest::SetUp();
    }

    void TearDown() override
    {
        UiTest::TearDown();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    }
};

TEST_F(OtherStyle, TheMainWindowGrowsToItsLayoutAndCutsNothing)
{
    ASSERT_TRUE(Look::WindowsGrowToLayout());
    main().show();
    Settle();
    QWidget *client = main().centralWidget();
    EXPECT_GE(client->height(), client->layout()->totalMinimumSize().height());
    EXPECT_GE(client->width(), 525);
    EXPECT_GE(client->height(), 401);
    ExpectNothingCut(&main(), "Windows style");
}
