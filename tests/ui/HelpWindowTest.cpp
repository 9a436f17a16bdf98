// SPDX-License-Identifier: GPL-3.0-or-later
// Help from inside a modal analysis window, with the real help window.
#include "tests/common/QtPrinters.h"
#include "ui/main/MainUnit.h"
#include "ui/main/Program.h"
#include "ui/windows/MSCHEDULEUnit.h"
#include "platform/HelpViewer.h"
#include "platform/QtPlatform.h"
#include "platform/ScriptedPlatform.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Scripted in all but help, which is the desktop's own window.
class RealHelpPlatform : public ScriptedPlatform {
public:
    void ShowHelp(QWidget *parent, int topic) override { desktop.ShowHelp(parent, topic); }
    QtPlatform desktop;
};

QPushButton *HelpButton(HelpViewer *help, const QString &text)
{
    for (QPushButton *button : help->findChildren<QPushButton *>())
        if (button->text().remove('&') == text)
            return button;
    return nullptr;
}

// A click as the window system delivers it: a window blocked by a modal one
// never sees it.
void ClickAsUser(QPushButton *button)
{
    QWidget *window = button->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      button->mapTo(window, button->rect().center()));
}

} // namespace

TEST(HelpWindow, OpensOverTheScheduleTakesInputAndClosesWhileTheScheduleStays)
{
    RealHelpPlatform platform;
    SetPlatform(&platform);
    {
        Program program;
        program.Start({});
        TMORTLOAN &main = program.Main();
        main.MAmount->setText("100000");
        main.Period->setText("25");
        main.IRate->setText("6");
        TMSCHEDULE *schedule = main.Windows().schedule;

        bool checked = false;
        platform.modalActions.insert("MSCHEDULE", [&](QDialog *window) {
            window->hide();
            QTimer::singleShot(0, window, [&, window] {
                ASSERT_EQ(QApplication::activeModalWidget(), window);
                schedule->BitBtn2->click();
                HelpViewer *help = platform.desktop.Help();
                ASSERT_NE(help, nullptr);
                EXPECT_TRUE(help->isVisible());
                EXPECT_EQ(help->CurrentPage(), "schedule.html");
                // Clear of the schedule, so its OK button stays in view.
                EXPECT_FALSE(help->frameGeometry().intersects(schedule->OKBtn->geometry().translated(
                    schedule->geometry().topLeft())));

                // The help window answers at once: Contents, then Close.
                ClickAsUser(HelpButton(help, "Contents"));
                EXPECT_EQ(help->CurrentPage(), "index.html");
                ClickAsUser(HelpButton(help, "Close"));
                EXPECT_FALSE(help->isVisible());
                EXPECT_TRUE(window->isVisible());

                // Again, closed with Esc this time.
                schedule->BitBtn2->click();
                EXPECT_TRUE(help->isVisible());
                QTest::keyClick(help->windowHandle(), Qt::Key_Escape);
                EXPECT_FALSE(help->isVisible());
                EXPECT_TRUE(window->isVisible());
                checked = true;
                window->accept();
            });
            window->exec();
        });
        main.SpeedButton2->click();
        EXPECT_TRUE(checked);
        EXPECT_EQ(platform.modalWindows, QStringList{"MSCHEDULE"});
        main.SetSavedFlag(true);
    }
    SetPlatform(nullptr);
}
