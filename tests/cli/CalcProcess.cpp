// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/cli/CalcProcess.h"

#include <QJsonDocument>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

CalcRun RunCalc(const QStringList &arguments, const QString &lang)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_NUMERIC", "LC_MONETARY", "LANGUAGE"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), lang);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(QUOVELLA_CALC), arguments);
    CalcRun run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        run.crashed = true;
        return run;
    }
    run.crashed = process.exitStatus() != QProcess::NormalExit;
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QJsonObject RunJson(QStringList arguments)
{
    arguments << QStringLiteral("--json");
    const CalcRun run = RunCalc(arguments);
    EXPECT_FALSE(run.crashed);
    EXPECT_EQ(run.status, 0) << arguments.join(QLatin1Char(' ')).toStdString() << "\n"
                             << run.err.toStdString();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    return document.object();
}

QStringList WorkedLoan()
{
    return {QStringLiteral("--amount"), QStringLiteral("100000"), QStringLiteral("--rate"),
            QStringLiteral("6"), QStringLiteral("--years"), QStringLiteral("25")};
}
