// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of quovella-calc. Each takes the parsed command line and returns
// what goes to standard output and standard error, and the exit status.
#pragma once

#include "cli/Arguments.h"

#include <QString>
#include <QStringList>

enum ExitStatus { ExitOk = 0, ExitUsage = 1, ExitRejected = 2, ExitOutputFailed = 3 };

struct CommandResult {
    QString out;
    QString err;
    int status = ExitOk;
};

CommandResult RunRepayment(const Request &request);
CommandResult RunSchedule(const Request &request);
CommandResult RunGrid(const Request &request);
CommandResult RunAdditional(const Request &request);
CommandResult RunSpecific(const Request &request);
CommandResult RunWhatIf(const Request &request);
CommandResult RunSavings(const Request &request);
CommandResult RunPlan(const Request &request);

// Parses `arguments` (without the program name) and runs the command they name.
// Money text in the readable table follows QLocale's default locale.
CommandResult RunCommandLine(const QStringList &arguments);
