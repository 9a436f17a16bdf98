// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the storage tests: the format's example file and small file helpers.
#pragma once

#include "core/Error.h"
#include "storage/SavingLoading.h"
#include "tests/common/FailingDisk.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

using FailingDisk::ErrorOf;

#include <cerrno>
#include <functional>

#include <sys/wait.h>
#include <unistd.h>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const SavedInputs &in, std::ostream *os)
{
    *os << (in.hasWhatIf ? "" : "(no What If?) ") << FormatMortgageFile(in).toStdString();
}

// 100000 over 25 years at 6.5 %, monthly, in arrears, transfer ticked, the
// savings and What If? fields empty, "Amount" to be calculated.
inline SavedInputs ExampleInputs()
{
    SavedInputs in;
    in.amount = QStringLiteral("100000");
    in.years = QStringLiteral("25");
    in.part = QStringLiteral("0");
    in.rate = QStringLiteral("6.5");
    in.transfer = true;
    return in;
}

inline const QByteArray &ExampleBytes()
{
    static const QByteArray bytes("100000\r\n25\r\n0\r\n6.5\r\n3\r\n3\r\nTRUE\r\nFALSE\r\n"
                                  "\r\n\r\n\r\n\r\n\r\n"
                                  "TRUE\r\n"
                                  "\r\n\r\n\r\n\r\n\r\n"
                                  "1\r\n3\r\n1\r\n3\r\n");
    return bytes;
}

// Lines joined with the given line end after each.
inline QByteArray Lines(const QList<QByteArray> &lines, const QByteArray &end = "\r\n")
{
    QByteArray out;
    for (const QByteArray &line : lines)
        out += line + end;
    return out;
}

inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

inline void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

inline QString Saving(const QString &path, const SavedInputs &in)
{
    return ErrorOf([&] { SaveMortgageFile(path, in); });
}

inline QString Loading(const QString &path)
{
    return ErrorOf([&] { LoadMortgageFile(path); });
}

struct ChildOutcome {
    QString report; // what the child wrote back
    int status = 0; // as waitpid gives it
};

inline void WriteAll(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0)
            return;
        done += n;
    }
}

// Runs body in a forked child, which reports the string body returns (or the
// message it throws). The child ends with _exit, so nothing of the test program
// runs twice. When started is given, the child is not waited for: started gets
// its pid and must end it.
inline ChildOutcome RunInChild(const std::function<QString()> &body,
                        const std::function<void(pid_t)> &started = {})
{
    int fds[2];
    if (::pipe(fds) != 0)
        return {QStringLiteral("<no pipe>"), -1};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        QString report;
        try {
            report = body();
        } catch (const QuovellaError &error) {
            report = error.Message();
        } catch (...) {
            report = QStringLiteral("<other exception>");
        }
        WriteAll(fds[1], report.toUtf8());
        ::_exit(0);
    }
    ::close(fds[1]);
    ChildOutcome outcome;
    if (started)
        started(pid);
    QByteArray bytes;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        bytes.append(buffer, n);
    }
    ::close(fds[0]);
    ::waitpid(pid, &outcome.status, 0);
    outcome.report = QString::fromUtf8(bytes);
    return outcome;
}

// Runs body in a child that the system stops after a generous time, so a call
// that blocks or never ends fails the test instead of hanging it.
inline ChildOutcome RunWithWatchdog(const std::function<QString()> &body)
{
    return RunInChild([&] {
        ::alarm(20);
        return body();
    });
}
