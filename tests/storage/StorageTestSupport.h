// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the storage tests: the format's example file and small file helpers.
#pragma once

#include "platform/Platform.h"
#include "storage/SavingLoading.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

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

// The message a call throws, or "<no error>".
template <typename F>
QString ErrorOf(F &&call)
{
    try {
        call();
    } catch (const QuovellaError &error) {
        return error.Message();
    }
    return QStringLiteral("<no error>");
}
