// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built quovella-calc and collects what it wrote.
#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

struct CalcRun {
    int status = -1;
    bool crashed = false;
    QString out;
    QString err;
};

// `lang` sets LANG for the run, with LC_ALL and the other locale variables cleared.
CalcRun RunCalc(const QStringList &arguments, const QString &lang = QStringLiteral("C.UTF-8"));

// Runs with standard output a pipe whose reading end is already closed, as
// under `| head` once head has gone; standard error is collected.
CalcRun RunCalcIntoClosedPipe(const QStringList &arguments);

// Runs with --json added and parses standard output; fails the test on a
// non-zero exit or unreadable JSON.
QJsonObject RunJson(QStringList arguments);

// The worked loan: 100000 at 6 % over 25 years, monthly, in arrears.
QStringList WorkedLoan();
