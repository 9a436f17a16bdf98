// SPDX-License-Identifier: GPL-3.0-or-later
// File names as the system gives them. A Linux file name is bytes, most often
// UTF-8 but not always; a name that is not valid UTF-8 is carried in a QString
// with each stray byte as a code point of its own (U+DC80 to U+DCFF, which valid
// UTF-8 never yields), so that it reaches the file system again unchanged.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

QString DecodeFileName(const QByteArray &name);
QByteArray EncodeFileName(const QString &name);

// The program's arguments decoded as file names, the program first. Give it
// the argc and argv the application object was made with, after the object has
// taken its own options out.
QStringList CommandLineArguments(int argc, const char *const *argv);
