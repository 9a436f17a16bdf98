// SPDX-License-Identifier: GPL-3.0-or-later
// What a command found, in a form that can be written as a readable table,
// as CSV or as JSON.
#pragma once

#include "engine/TableTexts.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

enum class OutputFormat { Table, Csv, Json };

struct Cell {
    enum class Kind {
        Money,       // a money amount: rounded to cents for machines, money text for people
        Count,       // a whole number
        Number,      // a plain number (a rate, a step)
        Percent,     // a rate in percent, to two places: "6.39 %" for people, 6.39 for machines
        NumberText,  // a field text holding a number with a decimal point, kept as text
        Text,
        Null,        // JSON null, an empty CSV cell, nothing in the table
        Missing,     // left out everywhere
    };
    Kind kind = Kind::Missing;
    double number = 0;
    QString text;
    MoneyFormat money = MoneyFormat::Currency;

    static Cell Money(double x, MoneyFormat format = MoneyFormat::Currency);
    static Cell Count(long long n);
    static Cell Number(double x);
    static Cell Percent(double x);
    static Cell NumberText(const QString &text);
    static Cell Text(const QString &text);
    static Cell Null();
    static Cell Missing();

    bool IsFinite() const;
};

// How a single figure appears in the readable table.
// ReadableLine: a sentence for people that machines have as figures already.
enum class Shown { Pair, Line, Hidden, ReadableLine };

struct Field {
    QString key;   // JSON key and CSV column
    QString label; // readable table
    Cell value;
    Shown shown = Shown::Pair;
};

// One of the engine's tables; its texts come from the engine's rule for that
// table, in the window's style for people and the machine style for CSV and JSON.
struct Table : TableSource {
    QString key = QStringLiteral("rows");
    bool finite = true; // every figure in it is a number
    // JSON rows as objects keyed by the machine headings, an empty cell null and
    // a text that is not a number a string, instead of arrays of numbers.
    bool rowObjects = false;
    int markedRow = -1; // 0-based row flagged with '*' in the readable table
    QString markNote;
};

struct Report {
    std::vector<Field> fields;
    std::optional<Table> table;
    QJsonObject extraJson; // JSON-only members

    bool AllFinite() const;
    QString Render(OutputFormat format) const;
};
