// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of quovella-calc: a command, then options.
#pragma once

#include "cli/Report.h"
#include "engine/AnnualRate.h"
#include "engine/PaymentPlan.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

struct Request {
    QString command;
    QHash<QString, QString> values; // option name without dashes -> text as given (the first)
    // Every option with a value in the order given; plan events are taken from
    // here, as they may be repeated.
    QList<std::pair<QString, QString>> given;
    PaymentPlan savedPlan; // plan: the plan of the file named by --file
    LoanFees savedFees;    // repayment and plan: the fees of the file named by --file
    bool advance = false;
    bool arrears = false; // given to override a saved file's "in advance"
    bool help = false;
    bool version = false;
    OutputFormat format = OutputFormat::Table;

    bool Has(const QString &option) const { return values.contains(option); }
    QString Value(const QString &option) const { return values.value(option); }
};

struct ParsedArguments {
    std::optional<Request> request; // empty on a usage error
    QString error;
};

// `arguments` excludes the program name. Values are taken as they stand; the
// commands read numbers from them with a decimal point whatever the locale.
ParsedArguments ParseArguments(const QStringList &arguments);

const QStringList &CommandNames();
QString HelpText();
QString VersionText();
QString ShortUsage();
