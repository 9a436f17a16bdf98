// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/common/QtPrinters.h"
#include "platform/HelpViewer.h"
#include "platform/QtPlatform.h"
#include "platform/ScriptedPlatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

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

namespace {

QString HelpSource(const QString &page)
{
    QFile file(QStringLiteral(":/help/") + page);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// What a page points at or can be pointed at: links, pictures, anchors, in order.
QStringList Targets(const QString &html)
{
    static const QRegularExpression attribute(QStringLiteral(R"re(\b(href|src|id|name)="([^"]*)")re"));
    QStringList targets;
    for (const auto &match : attribute.globalMatch(html))
        targets << match.captured(1) + u'=' + match.captured(2);
    return targets;
}

} // namespace

// A German reader finds every page, linked as the English one is, styled by the
// same sheet, and in German throughout.
TEST(HelpPages, EveryPageHasAGermanOneWithTheSameLinks)
{
    const QStringList english = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files);
    const QStringList german = QDir(QStringLiteral(":/help/de")).entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_GE(english.size(), 12);
    EXPECT_EQ(german, english);

    static const QRegularExpression englishWord(QStringLiteral(R"(\b(the|and|you|your|is|of|with)\b)"),
                                                QRegularExpression::CaseInsensitiveOption);
    for (const QString &page : english) {
        const QString source = HelpSource(page);
        const QString translated = HelpSource(QStringLiteral("de/") + page);
        if (translated.isEmpty())
            continue; // missing, told above
        QStringList expected = Targets(source);
        expected.replaceInStrings(QStringLiteral("href=style.css"), QStringLiteral("href=../style.css"));
        EXPECT_EQ(Targets(translated), expected) << page.toStdString();

        QTextDocument document;
        document.setHtml(translated);
        const QString text = document.toPlainText();
        const auto found = englishWord.match(text);
        EXPECT_FALSE(found.hasMatch()) << page.toStdString() << ": \"" << found.captured().toStdString() << '"';
        QTextDocument original;
        original.setHtml(source);
        EXPECT_NE(document.metaInformation(QTextDocument::DocumentTitle),
                  original.metaInformation(QTextDocument::DocumentTitle))
            << page.toStdString();
    }
}

TEST(HelpPages, TheFirstOfTheUsersLanguagesWithAPageWins)
{
    const QString page = QStringLiteral("mortgage.html");
    EXPECT_EQ(LocalHelpPage(page, {QStringLiteral("de-DE")}), "de/mortgage.html");
    EXPECT_EQ(LocalHelpPage(page, {QStringLiteral("de_AT"), QStringLiteral("de")}), "de/mortgage.html");
    EXPECT_EQ(LocalHelpPage(page, {QStringLiteral("fr-FR"), QStringLiteral("de-DE")}), "de/mortgage.html");
    // English first stays English, even with German as a second choice.
    EXPECT_EQ(LocalHelpPage(page, {QStringLiteral("en-US"), QStringLiteral("de-DE")}), page);
    EXPECT_EQ(LocalHelpPage(page, {QStringLiteral("C")}), page);
    EXPECT_EQ(LocalHelpPage(page, {QStringLiteral("fr-FR")}), page);
    EXPECT_EQ(LocalHelpPage(page, {}), page);
    // A page not translated yet falls back to English.
    EXPECT_EQ(LocalHelpPage(QStringLiteral("nothing-yet.html"), {QStringLiteral("de-DE")}), "nothing-yet.html");
}

TEST(HelpPages, GermanUsersReadTheGermanPagesAndFollowTheirLinks)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    HelpViewer viewer;
    auto *browser = viewer.findChild<QTextBrowser *>("HelpBrowser");
    viewer.ShowTopic(2);
    EXPECT_EQ(browser->source().toString(), "qrc:/help/de/mortgage.html");
    EXPECT_EQ(viewer.CurrentPage(), "mortgage.html");
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Darlehensbetrag")));
    // The shared style sheet reached: the heading is navy, as in English.
    EXPECT_EQ(browser->document()->firstBlock().charFormat().foreground().color().name(), "#000080");

    // The first link on the page, followed from the keyboard, stays German.
    browser->setFocus();
    QTest::keyClick(browser, Qt::Key_Tab);
    QTest::keyClick(browser, Qt::Key_Return);
    EXPECT_EQ(browser->source().toString(), "qrc:/help/de/grid.html");

    viewer.ShowTopic(0);
    EXPECT_EQ(browser->source().toString(), "qrc:/help/de/index.html");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    viewer.ShowTopic(0);
    EXPECT_EQ(browser->source().toString(), "qrc:/help/index.html");
    viewer.hide();
    QLocale::setDefault(before);
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
