// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Report.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>

#include <algorithm>
#include <cmath>

Cell Cell::Money(double x, MoneyFormat format)
{
    Cell c;
    c.kind = Kind::Money;
    c.number = x;
    c.money = format;
    return c;
}

Cell Cell::Count(long long n)
{
    Cell c;
    c.kind = Kind::Count;
    c.number = static_cast<double>(n);
    return c;
}

Cell Cell::Number(double x)
{
    Cell c;
    c.kind = Kind::Number;
    c.number = x;
    return c;
}

Cell Cell::Percent(double x)
{
    Cell c;
    c.kind = Kind::Percent;
    c.number = std::round(x * 100) / 100;
    return c;
}

Cell Cell::NumberText(const QString &text)
{
    Cell c;
    c.kind = Kind::NumberText;
    c.text = text;
    return c;
}

Cell Cell::Text(const QString &text)
{
    Cell c;
    c.kind = Kind::Text;
    c.text = text;
    return c;
}

Cell Cell::Null()
{
    Cell c;
    c.kind = Kind::Null;
    return c;
}

Cell Cell::Missing()
{
    return Cell{};
}

bool Cell::IsFinite() const
{
    switch (kind) {
    case Kind::Money:
    case Kind::Count:
    case Kind::Number:
    case Kind::Percent:
        return std::isfinite(number);
    default:
        return true;
    }
}

namespace {

QString Readable(const Cell &c)
{
    switch (c.kind) {
    case Cell::Kind::Money: return MoneyText(c.number, c.money);
    case Cell::Kind::Count: return QString::number(static_cast<long long>(c.number));
    case Cell::Kind::Number: return GeneralNumberText(c.number);
    case Cell::Kind::Percent: return QLocale().toString(c.number, 'f', 2) + QStringLiteral(" %");
    case Cell::Kind::NumberText: {
        // Field texts are written with a decimal point; people read them in their own notation.
        if (const auto value = ParseNumber(c.text, QLocale::c()))
            return GeneralNumberText(*value);
        return c.text;
    }
    case Cell::Kind::Text: return c.text;
    case Cell::Kind::Null:
    case Cell::Kind::Missing: return QString();
    }
    return QString();
}

QString Csv(const Cell &c)
{
    switch (c.kind) {
    case Cell::Kind::Money: return MachineMoneyText(c.number);
    case Cell::Kind::Count: return QString::number(static_cast<long long>(c.number));
    case Cell::Kind::Number:
    case Cell::Kind::Percent: return MachineNumberText(c.number);
    case Cell::Kind::NumberText:
    case Cell::Kind::Text: return c.text;
    case Cell::Kind::Null:
    case Cell::Kind::Missing: return QString();
    }
    return QString();
}

QJsonValue Json(const Cell &c)
{
    switch (c.kind) {
    case Cell::Kind::Money: return MachineMoneyText(c.number).toDouble();
    case Cell::Kind::Count: return static_cast<qint64>(c.number);
    case Cell::Kind::Number:
    case Cell::Kind::Percent: return MachineNumberText(c.number).toDouble();
    case Cell::Kind::NumberText:
    case Cell::Kind::Text: return c.text;
    case Cell::Kind::Null:
    case Cell::Kind::Missing: return QJsonValue(QJsonValue::Null);
    }
    return QJsonValue(QJsonValue::Null);
}

QString PadLeft(const QString &text, qsizetype width)
{
    return QString(std::max<qsizetype>(0, width - text.size()), QLatin1Char(' ')) + text;
}

QString PadRight(const QString &text, qsizetype width)
{
    return text + QString(std::max<qsizetype>(0, width - text.size()), QLatin1Char(' '));
}

QString RenderTable(const Report &report)
{
    QString out;
    qsizetype labelWidth = 0;
    qsizetype valueWidth = 0;
    for (const Field &f : report.fields) {
        if (f.shown != Shown::Pair || f.value.kind == Cell::Kind::Missing)
            continue;
        labelWidth = std::max(labelWidth, f.label.size());
        valueWidth = std::max(valueWidth, Readable(f.value).size());
    }
    bool wroteFields = false;
    bool wroteLine = false;
    for (const Field &f : report.fields) {
        const QString value = Readable(f.value);
        if (f.shown == Shown::Hidden || value.isEmpty())
            continue;
        if (f.shown == Shown::Pair) {
            out += PadRight(f.label, labelWidth) + QStringLiteral("  ") + PadLeft(value, valueWidth)
                + QLatin1Char('\n');
        } else {
            // A sentence stands apart from the figures above it.
            if (wroteFields && !wroteLine)
                out += QLatin1Char('\n');
            out += value + QLatin1Char('\n');
            wroteLine = true;
        }
        wroteFields = true;
    }
    if (!report.table)
        return out;

    const Table &table = *report.table;
    if (wroteFields)
        out += QLatin1Char('\n');
    const TextStyle shown = TextStyle::Shown();
    const QStringList headings = table.headings(shown);
    const qsizetype columns = headings.size();
    std::vector<std::vector<QString>> texts;
    texts.reserve(table.rowCount);
    std::vector<qsizetype> widths(columns, 0);
    for (qsizetype c = 0; c < columns; ++c)
        widths[c] = headings[c].size();
    for (int r = 0; r < table.rowCount; ++r) {
        std::vector<QString> line;
        line.reserve(columns);
        for (int c = 0; c < columns; ++c) {
            line.push_back(table.cell(r, c, shown));
            widths[c] = std::max(widths[c], line.back().size());
        }
        texts.push_back(std::move(line));
    }
    const bool marking = table.markedRow >= 0;
    auto writeLine = [&](const std::vector<QString> &cells, QChar mark) {
        QString line;
        if (marking)
            line += mark + QLatin1Char(' ');
        for (qsizetype c = 0; c < static_cast<qsizetype>(cells.size()); ++c) {
            if (c > 0)
                line += QStringLiteral("  ");
            line += PadLeft(cells[c], widths[c]);
        }
        out += line + QLatin1Char('\n');
    };
    writeLine(std::vector<QString>(headings.begin(), headings.end()), QLatin1Char(' '));
    for (std::size_t r = 0; r < texts.size(); ++r)
        writeLine(texts[r], static_cast<int>(r) == table.markedRow ? QLatin1Char('*') : QLatin1Char(' '));
    if (!table.markNote.isEmpty())
        out += QLatin1Char('\n') + table.markNote + QLatin1Char('\n');
    return out;
}

QString RenderCsv(const Report &report)
{
    if (report.table)
        return TableCsv(*report.table);
    QStringList header;
    QStringList values;
    for (const Field &f : report.fields) {
        if (f.shown == Shown::ReadableLine)
            continue;
        header << f.key;
        values << Csv(f.value);
    }
    return CsvText({header, {values}});
}

QString RenderJson(const Report &report)
{
    QJsonObject object = report.extraJson;
    for (const Field &f : report.fields)
        if (f.value.kind != Cell::Kind::Missing && f.shown != Shown::ReadableLine)
            object.insert(f.key, Json(f.value));
    if (report.table && report.table->rowObjects) {
        const TableTexts texts = MachineTexts(*report.table);
        QJsonArray rows;
        for (const QStringList &row : texts.rows) {
            QJsonObject cells;
            for (qsizetype c = 0; c < row.size() && c < texts.headings.size(); ++c) {
                bool number = false;
                const double value = row[c].toDouble(&number);
                cells.insert(texts.headings[c], row[c].isEmpty() ? QJsonValue(QJsonValue::Null)
                                                 : number        ? QJsonValue(value)
                                                                 : QJsonValue(row[c]));
            }
            rows.append(cells);
        }
        object.insert(report.table->key, rows);
    } else if (report.table) {
        // Every cell of a table is a number.
        QJsonArray rows;
        for (const QStringList &row : MachineTexts(*report.table).rows) {
            QJsonArray cells;
            for (const QString &text : row)
                cells.append(text.toDouble());
            rows.append(cells);
        }
        object.insert(report.table->key, rows);
    }
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
}

} // namespace

bool Report::AllFinite() const
{
    for (const Field &f : fields)
        if (!f.value.IsFinite())
            return false;
    if (table && !table->finite)
        return false;
    for (const QJsonValue &value : extraJson) {
        if (value.isArray()) {
            for (const QJsonValue &item : value.toArray())
                if (item.isDouble() && !std::isfinite(item.toDouble()))
                    return false;
        } else if (value.isDouble() && !std::isfinite(value.toDouble())) {
            return false;
        }
    }
    return true;
}

QString Report::Render(OutputFormat format) const
{
    switch (format) {
    case OutputFormat::Table: return RenderTable(*this);
    case OutputFormat::Csv: return RenderCsv(*this);
    case OutputFormat::Json: return RenderJson(*this);
    }
    return QString();
}
