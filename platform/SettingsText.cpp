// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsText.h"

#include <QList>
#include <QStringDecoder>

namespace {

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

QByteArray WithoutCarriageReturn(const QByteArray &line)
{
    return line.endsWith('\r') ? line.chopped(1) : line;
}

// Physical lines joined where one ends in a backslash, as QSettings joins them.
QList<QByteArray> LogicalLines(const QByteArray &text)
{
    QList<QByteArray> lines;
    QByteArray pending;
    bool continuing = false;
    for (const QByteArray &line : text.split('\n')) {
        pending += continuing ? "\n" + line : line;
        continuing = WithoutCarriageReturn(line).endsWith('\\');
        if (!continuing) {
            lines << pending;
            pending.clear();
        }
    }
    if (continuing)
        lines << pending;
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the end of the last line, not a line
    return lines;
}

bool IsSection(const QByteArray &trimmed)
{
    return trimmed.startsWith('[') && trimmed.endsWith(']');
}

bool IsComment(const QByteArray &trimmed)
{
    return trimmed.startsWith(';') || trimmed.startsWith('#');
}

} // namespace

QByteArray IniString(const QString &value)
{
    QByteArray out = "\"";
    // The reader takes "@..." for a typed value, "@@" for a plain '@'.
    if (value.startsWith(u'@'))
        out += '@';
    bool afterHexEscape = false;
    for (const char c : value.toUtf8()) {
        // A hex escape goes on through any hex digit that follows it.
        if (afterHexEscape && IsHexDigit(c)) {
            out += "\\x" + QByteArray::number(uchar(c), 16);
            continue;
        }
        afterHexEscape = false;
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (uchar(c) < 0x20 || c == 0x7f) {
                out += "\\x" + QByteArray::number(uchar(c), 16);
                afterHexEscape = true;
            } else {
                out += c;
            }
        }
    }
    return out + '"';
}

bool IsSettingsText(const QByteArray &text)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString decoded = decoder.decode(text);
    if (decoder.hasError())
        return false;
    for (const QChar c : decoded) {
        if (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r')
            return false;
        if (c.unicode() == 0x7f)
            return false;
    }
    for (const QByteArray &line : LogicalLines(text)) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty() || IsComment(trimmed) || IsSection(trimmed))
            continue;
        const qsizetype equals = trimmed.indexOf('=');
        if (equals <= 0 || trimmed.left(equals).trimmed().isEmpty())
            return false;
    }
    return true;
}

QByteArray WithSetting(const QByteArray &text, const QString &key, const QString &value)
{
    const QByteArray wanted = key.toUtf8();
    const QByteArray setting = wanted + '=' + IniString(value);
    QList<QByteArray> lines;
    bool general = true; // keys before any section are top-level ones too
    bool written = false;
    qsizetype generalHeader = -1;
    for (const QByteArray &line : LogicalLines(text)) {
        const QByteArray trimmed = line.trimmed();
        if (IsSection(trimmed)) {
            general = trimmed.toLower() == "[general]"; // as QSettings matches it
            if (general && generalHeader < 0)
                generalHeader = lines.size();
        } else if (general && !IsComment(trimmed) && trimmed.indexOf('=') > 0
                   && trimmed.left(trimmed.indexOf('=')).trimmed() == wanted) {
            // Later copies of the key would win over the new value when read.
            if (!written)
                lines << setting;
            written = true;
            continue;
        }
        lines << line;
    }
    if (!written) {
        if (generalHeader >= 0) {
            lines.insert(generalHeader + 1, setting);
        } else {
            if (!lines.isEmpty())
                lines.prepend(QByteArray());
            lines.prepend(setting);
            lines.prepend("[General]");
        }
    }
    return lines.join('\n') + '\n';
}
