// SPDX-License-Identifier: GPL-3.0-or-later
// Machine texts made the slow way: money written as locale text, read back and
// written again, and CSV fields checked by trimming. Tests hold the quicker
// path in TableTexts to these texts byte for byte.
#pragma once

#include "engine/ErrorChecking.h"

#include <QLocale>
#include <QString>
#include <QStringList>

inline QString LocaleMachineMoneyText(double x)
{
    const QString cents = MoneyText(x, MoneyFormat::TwoDecimals, QLocale::c());
    return QString::number(ParseNumber(cents, QLocale::c()).value_or(0) + 0.0, 'g', 15);
}

inline QString TrimmingCsvLine(const QStringList &fields)
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += QLatin1Char(',');
        const QString &text = fields[i];
        const bool plain = !text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
            && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'))
            && text.trimmed() == text;
        if (plain) {
            line += text;
        } else {
            QString quoted = text;
            quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
            line += QLatin1Char('"') + quoted + QLatin1Char('"');
        }
    }
    return line;
}
