// SPDX-License-Identifier: GPL-3.0-or-later
// Two processes saving one loan file at the same time, a thousand times each:
// no save may fail, no temporary file may stay and the file left must load.
// Too slow for every test run; .ci/run runs it.
#include "core/Error.h"
#include "storage/SavingLoading.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

namespace {

pid_t StartSaving(const QString &path, int count, const char *amount)
{
    const QByteArray file = QFile::encodeName(path);
    const QByteArray times = QByteArray::number(count);
    char *arguments[] = {const_cast<char *>(QV_SAVE_REPEATEDLY), const_cast<char *>(file.constData()),
                         const_cast<char *>(times.constData()), const_cast<char *>(amount), nullptr};
    pid_t pid = -1;
    if (::posix_spawn(&pid, QV_SAVE_REPEATEDLY, nullptr, nullptr, arguments, environ) != 0)
        return -1;
    return pid;
}

int ExitCode(pid_t pid)
{
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

TEST(ConcurrentSaves, TwoProcessesSavingOneFileNeverFail)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("house.QVL");
    const pid_t first = StartSaving(path, 1000, "111111");
    const pid_t second = StartSaving(path, 1000, "222222");
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);
    EXPECT_EQ(ExitCode(first), 0);
    EXPECT_EQ(ExitCode(second), 0);

    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"house.QVL"});
    SavedInputs loaded;
    try {
        loaded = LoadMortgageFile(path);
    } catch (const QuovellaError &error) {
        FAIL() << error.Message().toStdString();
    }
    EXPECT_TRUE(loaded.amount == "111111" || loaded.amount == "222222") << loaded.amount.toStdString();
    EXPECT_EQ(loaded.rate, "6.5");
}

} // namespace
