// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file as the program writes it and QSettings reads it, on a disk
// that fails where a real one cannot be made to fail on demand.
#include "core/Error.h"
#include "platform/QtPlatform.h"
#include "platform/SettingsText.h"
#include "storage/DiskFile.h"
#include "tests/common/FailingDisk.h"
#include "tests/common/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

using namespace FailingDisk;

namespace {

// Each case starts without a Ternvik folder in the test program's configuration folder.
class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Ternvik";
        file_ = folder_ + "/QVIni.conf";
        ASSERT_FALSE(qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty());
        Clean();
    }
    void TearDown() override { Clean(); }

    void Clean() const
    {
        QDir(folder_).removeRecursively();
        QFile::remove(folder_);
    }

    void Put(const QByteArray &bytes) const
    {
        ASSERT_TRUE(QDir().mkpath(folder_));
        SetFileBytes(file_, bytes);
    }

    QStringList Entries() const { return QDir(folder_).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); }

    static QString Remembered()
    {
        const QtSettings fresh;
        return fresh.Value("CurrentFile", "<none>");
    }

    QString folder_, file_;
};

TEST_F(SettingsFile, QSettingsReadsBackEveryValueAsWritten)
{
    const QString values[] = {"/home/ann/house.QVL",
                              "",
                              " spaces around ",
                              "C:\\Loans\\\"quoted\".QVL",
                              "@ByteArray(x)",
                              "@Variant(\\0\\0)",
                              "@",
                              "a,b;c=d#e",
                              "line\nbreak\rand\ttab",
                              QString::fromUtf8("\x01" "a" "\x1f" "F0 \x7f" "9"),
                              QString::fromUtf8("/home/\u00e5sa/h\u00e4us \u20ac \U0001F3E0.QVL")};
    QtSettings settings;
    for (const QString &value : values) {
        EXPECT_EQ(settings.SetValue("CurrentFile", value), std::nullopt);
        EXPECT_EQ(settings.Value("CurrentFile", "<none>"), value);
        EXPECT_EQ(Remembered(), value);
        QSettings reader(file_, QSettings::IniFormat);
        EXPECT_EQ(reader.status(), QSettings::NoError);
        EXPECT_EQ(reader.allKeys(), QStringList{"CurrentFile"});
    }
    EXPECT_EQ(Entries(), QStringList{"QVIni.conf"});
}

TEST_F(SettingsFile, OtherKeysAndSectionsAreKeptAsTheyWere)
{
    Put("; kept\n[General]\nWidth=640\nCurrentFile=/old.QVL\nCurrentFile=/older.QVL\n\n[Window]\nsize=3\nCurrentFile=not this\n");
    QtSettings settings;
    EXPECT_EQ(settings.Value("CurrentFile", ""), "/older.QVL");
    EXPECT_EQ(settings.SetValue("CurrentFile", "/new.QVL"), std::nullopt);
    EXPECT_EQ(FileBytes(file_), "; kept\n[General]\nWidth=640\nCurrentFile=\"/new.QVL\"\n\n[Window]\nsize=3\n"
                                "CurrentFile=not this\n");
    EXPECT_EQ(Remembered(), "/new.QVL");

    // Without a [General] section, one is put first.
    Put("[Window]\r\nsize=3\r\n");
    EXPECT_EQ(settings.SetValue("CurrentFile", "/new.QVL"), std::nullopt);
    EXPECT_EQ(FileBytes(file_), "[General]\nCurrentFile=\"/new.QVL\"\n\n[Window]\r\nsize=3\r\n");
    QSettings reader(file_, QSettings::IniFormat);
    EXPECT_EQ(reader.value("Window/size").toInt(), 3);
    EXPECT_EQ(reader.value("CurrentFile").toString(), "/new.QVL");
}

// QSettings would write its own form without the quotes, on its own schedule.
TEST_F(SettingsFile, QSettingsNeverWritesTheFile)
{
    {
        QtSettings settings;
        settings.SetValue("CurrentFile", "/home/ann/house.QVL");
        settings.Value("CurrentFile", "");
    }
    EXPECT_EQ(FileBytes(file_), "[General]\nCurrentFile=\"/home/ann/house.QVL\"\n");
}

TEST_F(SettingsFile, AFailedWriteSyncOrCloseKeepsTheOldFileAndSaysWhy)
{
    const QByteArray old = "[General]\nCurrentFile=/home/ann/old.QVL\n";
    const DiskCalls system = SystemDiskCalls();
    struct Case {
        DiskCalls calls;
        int error;
        QString reason;
    };
    for (const Case &c : {Case{{&WriteFails, system.sync, system.close}, ENOSPC, "Disk full"},
                          Case{{system.write, &SyncFails, system.close}, EIO, "I/O error 5"},
                          Case{{system.write, system.sync, &CloseFails}, EDQUOT, "Disk full"}}) {
        Put(old);
        QtSettings settings;
        FailingDisk::error = c.error;
        {
            const ScopedDiskCalls failing(c.calls);
            EXPECT_EQ(ErrorOf([&] { settings.SetValue("CurrentFile", "/home/ann/new.QVL"); }),
                      file_ + " was not written: " + c.reason);
        }
        EXPECT_EQ(FileBytes(file_), old);
        EXPECT_EQ(Entries(), QStringList{"QVIni.conf"});
        EXPECT_EQ(settings.Value("CurrentFile", ""), "/home/ann/old.QVL");
    }
}

TEST_F(SettingsFile, AFolderSyncThatFailsStoresTheValueWithAWarning)
{
    const DiskCalls system = SystemDiskCalls();
    QtSettings settings;
    std::optional<QString> note;
    {
        const ScopedDiskCalls failing({system.write, &FolderSyncFails, system.close});
        note = settings.SetValue("CurrentFile", "/home/ann/house.QVL");
    }
    EXPECT_EQ(note, file_ + " was written, but the disk did not confirm its folder (I/O error 5): the file "
                            "may not survive a power cut.");
    EXPECT_EQ(Remembered(), "/home/ann/house.QVL");
}

TEST_F(SettingsFile, AnUnreadableFileIsReplacedWithANoteNotAFailure)
{
    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
        noise += char((i * 7919 + 13) % 256);
    const QByteArray unreadable[] = {noise, "CurrentFile\n", "[General]\nCurrentFile=\"/x\"\n\x01\n",
                                     "CurrentFile=/h\xe4us.QVL\n"};
    for (const QByteArray &bytes : unreadable) {
        Put(bytes);
        {
            QtSettings settings;
            EXPECT_NO_THROW(settings.Value("CurrentFile", "<none>"));
            EXPECT_EQ(settings.SetValue("CurrentFile", "/home/ann/house.QVL"),
                      "The settings file " + file_ + " could not be read and has been replaced by a new one.");
            EXPECT_EQ(settings.Value("CurrentFile", ""), "/home/ann/house.QVL");
            // Once good, the file is simply updated.
            EXPECT_EQ(settings.SetValue("CurrentFile", "/home/ann/house2.QVL"), std::nullopt);
        }
        EXPECT_EQ(FileBytes(file_), "[General]\nCurrentFile=\"/home/ann/house2.QVL\"\n");
        EXPECT_EQ(Remembered(), "/home/ann/house2.QVL");
    }
}

TEST_F(SettingsFile, AFolderThatCannotBeMadeOrAFolderInTheFilesPlaceFailsOnce)
{
    SetFileBytes(folder_, "not a folder");
    QtSettings settings;
    EXPECT_EQ(settings.Value("CurrentFile", "<none>"), "<none>");
    EXPECT_EQ(ErrorOf([&] { settings.SetValue("CurrentFile", "/home/ann/house.QVL"); }),
              file_ + " was not written: Invalid filename");
    EXPECT_EQ(FileBytes(folder_), "not a folder");

    Clean();
    ASSERT_TRUE(QDir().mkpath(file_));
    EXPECT_EQ(ErrorOf([&] { settings.SetValue("CurrentFile", "/home/ann/house.QVL"); }),
              file_ + " was not written: Invalid filename");
    EXPECT_TRUE(QFileInfo(file_).isDir());
    EXPECT_EQ(Entries(), QStringList{"QVIni.conf"});
}

TEST(SettingsText, TextsQSettingsWouldRefuseAreNotSettings)
{
    EXPECT_TRUE(IsSettingsText(""));
    EXPECT_TRUE(IsSettingsText("[General]\r\n; note\n# note\n  key = a\\\n  b\n\n[Other]\nk=\n"));
    EXPECT_FALSE(IsSettingsText("key\n"));
    EXPECT_FALSE(IsSettingsText("=value\n"));
    EXPECT_FALSE(IsSettingsText("k=\xff\n"));
    EXPECT_FALSE(IsSettingsText(QByteArray("k=a\0b\n", 6)));
}

TEST(SettingsText, ALineContinuedByABackslashIsReplacedWhole)
{
    EXPECT_EQ(WithSetting("[General]\nCurrentFile=a\\\nb\nOther=1\n", "CurrentFile", "c"),
              "[General]\nCurrentFile=\"c\"\nOther=1\n");
    EXPECT_EQ(WithSetting("Other=1", "CurrentFile", "c"), "[General]\nCurrentFile=\"c\"\n\nOther=1\n");
}

} // namespace
