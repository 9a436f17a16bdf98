// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file's text in the INI form QSettings reads. The program writes
// that text itself, through the one safe writer, and only reads through
// QSettings.
#pragma once

#include <QByteArray>
#include <QString>

// The value as a quoted INI string that QSettings reads back unchanged.
QByteArray IniString(const QString &value);

// Whether the text is a settings file at all: UTF-8 without control characters
// but tab, and every line blank, a comment, a [section] or key=value.
bool IsSettingsText(const QByteArray &text);

// The text with the top-level ([General]) key set to value; every other line is
// kept as it was. Keys are the program's own plain names.
QByteArray WithSetting(const QByteArray &text, const QString &key, const QString &value);
