// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/CurrentFile.h"
#include "platform/QtPlatform.h"
#include "platform/ScriptedPlatform.h"
#include "tests/storage/StorageTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

TEST(CurrentFileMemory, RemembersWhatIsStoredAndStoresEmptyToo)
{
    MemorySettings settings;
    EXPECT_EQ(RememberedFile(settings), "");
    RememberCurrentFile(settings, "/home/ann/house.QVL");
    EXPECT_EQ(settings.values.value("CurrentFile"), "/home/ann/house.QVL");
    EXPECT_EQ(RememberedFile(settings), "/home/ann/house.QVL");
    RememberCurrentFile(settings, "");
    EXPECT_TRUE(settings.values.contains("CurrentFile"));
    EXPECT_EQ(RememberedFile(settings), "");
}

// The test program points the user's configuration folder at a temporary one
// (see main), so this never reads or writes the real settings.
TEST(CurrentFileMemory, LivesInTheTernvikQVIniSettings)
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    ASSERT_FALSE(config.isEmpty());
    {
        QtSettings settings;
        RememberCurrentFile(settings, "/home/ann/h\u00e4us.QVL");
    }
    const QString file = QDir(config).filePath("Ternvik/QVIni.conf");
    EXPECT_TRUE(ReadBytes(file).contains("CurrentFile=")) << file.toStdString();
    QtSettings again;
    EXPECT_EQ(RememberedFile(again), QString::fromUtf8("/home/ann/h\u00e4us.QVL"));
}

// A folder where the settings file belongs stands for any store that cannot be
// written: reading gives the fallback, writing says so.
TEST(CurrentFileMemory, AStoreThatCannotBeWrittenSaysSoAndReadingGoesOn)
{
    const QString file = QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath("Ternvik/QVIni.conf");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
    const QString aside = file + ".aside";
    const bool hadFile = QFile::exists(file) && QFile::rename(file, aside);
    ASSERT_TRUE(QDir().mkdir(file));
    {
        QtSettings settings;
        EXPECT_NO_THROW(RememberedFile(settings));
        EXPECT_EQ(ErrorOf([&] { RememberCurrentFile(settings, "/home/ann/house.QVL"); }),
                  file + " was not written: Invalid filename");
    }
    QDir().rmdir(file);
    if (hadFile)
        QFile::rename(aside, file);
}

class StartupFileChoice : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        argument_ = dir_.filePath("argument.QVL");
        remembered_ = dir_.filePath("remembered.QVL");
        WriteBytes(argument_, ExampleBytes());
        WriteBytes(remembered_, ExampleBytes());
    }

    QStringList CommandLine(const QString &argument) const { return {"quovella", argument}; }

    QTemporaryDir dir_;
    QString argument_, remembered_;
};

TEST_F(StartupFileChoice, CommandLineFileBeatsTheRememberedOne)
{
    EXPECT_EQ(StartupFile(CommandLine(argument_), remembered_), argument_);
    EXPECT_EQ(StartupFile(CommandLine(argument_), ""), argument_);
    // Only the first argument counts.
    EXPECT_EQ(StartupFile({"quovella", dir_.filePath("gone.QVL"), argument_}, remembered_), remembered_);
}

TEST_F(StartupFileChoice, NoUsableArgumentFallsBackToTheRememberedFile)
{
    EXPECT_EQ(StartupFile({"quovella"}, remembered_), remembered_);
    EXPECT_EQ(StartupFile(CommandLine(""), remembered_), remembered_);
    EXPECT_EQ(StartupFile(CommandLine(dir_.filePath("gone.QVL")), remembered_), remembered_);
    EXPECT_EQ(StartupFile(CommandLine(dir_.path()), remembered_), remembered_); // a folder is not a file
}

TEST_F(StartupFileChoice, NothingWhenNeitherNamesAnExistingFile)
{
    EXPECT_EQ(StartupFile({"quovella"}, ""), std::nullopt);
    EXPECT_EQ(StartupFile({}, ""), std::nullopt);
    EXPECT_EQ(StartupFile(CommandLine(dir_.filePath("gone.QVL")), dir_.filePath("lost.QVL")), std::nullopt);
    EXPECT_EQ(StartupFile(CommandLine(dir_.path()), dir_.path()), std::nullopt);
}
