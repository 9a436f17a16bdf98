// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/common/QtPrinters.h"
#include "platform/HelpViewer.h"
#include "platform/QtPlatform.h"
#include "platform/ScriptedPlatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <gtest/gtest.h>

TEST(HelpPages, EveryTopicOpensItsOwnPage)
{
    const std::pair<int, const char *> topics[] = {{0, "index.html"},    {2, "mortgage.html"},
                                                   {3, "grid.html"},     {4, "schedule.html"},
                                                   {5, "additional-grid.html"}, {6, "additional-specific.html"},
                                                   {8, "whatif.html"},   {9, "plan.html"}, {10, "compare.html"}};
    HelpViewer viewer;
    for (const auto &[topic, page] : topics) {
        EXPECT_EQ(HelpPageOfTopic(topic), page);
        ASSERT_TRUE(QFile::exists(QStringLiteral(":/help/") + page)) << page;
        viewer.ShowTopic(topic);
        EXPECT_EQ(viewer.CurrentPage(), page);
        const QString text = viewer.findChild<QTextBrowser *>("HelpBrowser")->toPlainText();
        EXPECT_GT(text.size(), 100) << page;
    }
    viewer.hide();
}

TEST(HelpPages, ContentsLinkToPagesThatExist)
{
    QFile index(":/help/index.html");
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(index.readAll());
    qsizetype at = 0;
    int links = 0;
    while ((at = html.indexOf("href=\"", at)) >= 0) {
        at += 6;
        const QString target = html.mid(at, html.indexOf('"', at) - at);
        EXPECT_TRUE(QFile::exists(":/help/" + target)) << target.toStdString();
        ++links;
    }
    EXPECT_GE(links, 10);
}

TEST(FileDialogs, FilterMatchesEitherCase)
{
    EXPECT_EQ(DialogFilter("Quovella Saved Files |*.QVL"), "Quovella Saved Files (*.QVL *.qvl)");
    EXPECT_EQ(DialogFilter("Quovella File |*.QVL"), "Quovella File (*.QVL *.qvl)");
    EXPECT_EQ(DialogFilter("All (*)"), "All (*)");
}

// The test program points the configuration folder at a temporary one (see main).
TEST(Settings, CurrentFileLivesUnderTernvikQVIni)
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    {
        QtSettings settings;
        EXPECT_EQ(settings.FileName(), config + "/Ternvik/QVIni.conf");
        settings.SetValue("CurrentFile", "/home/a/house.QVL");
    }
    EXPECT_TRUE(QFile::exists(config + "/Ternvik/QVIni.conf"));
    QtSettings again;
    EXPECT_EQ(again.Value("CurrentFile", QString()), "/home/a/house.QVL");
    QDir(config + "/Ternvik").removeRecursively();
}

TEST(GeneralErrorHandling, ShowsTheErrorOnceAndGoesOn)
{
    ScriptedPlatform platform;
    SetPlatform(&platform);
    bool after = false;
    RunGuarded(nullptr, [] { throw QuovellaError("Disk full"); });
    RunGuarded(nullptr, [] { throw std::runtime_error("I/O error 5"); });
    RunGuarded(nullptr, [&] { after = true; });
    EXPECT_TRUE(after);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text, "Disk full");
    EXPECT_EQ(platform.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(platform.messages[1].text, "I/O error 5");
    SetPlatform(nullptr);
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never the user's own settings; QSettings takes the folder once, at its first use.
    QTemporaryDir config;
    if (!config.isValid())
        return 2;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
