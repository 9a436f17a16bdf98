// SPDX-License-Identifier: GPL-3.0-or-later
// Files the user names in a save dialog, written the one safe way (StagedFile):
// asked about before an existing one is replaced, checked whole before they
// replace it, and every failure or warning told with the file's name.
#pragma once

#include "storage/DiskFile.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

struct FileDialogState;

class QWidget;

// True when there is no ordinary file at path, or the user agrees to replace it
// ("<name> already exists." with Replace and Cancel).
bool MayReplace(QWidget *parent, const QString &path);

// The save dialog, then the question when the name is taken; Cancel there goes back
// to the dialog. finalName adds what the program adds to a chosen name (an ending);
// keep is a file replaced without asking (the current one). Nothing when cancelled.
std::optional<QString> ChooseFileToWrite(QWidget *parent, FileDialogState &state,
                                         const std::function<QString(const QString &)> &finalName = {},
                                         const QString &keep = QString());

// The PDF file dialog of `dialogs`, then the same question; Cancel goes back to it.
std::optional<QString> ChoosePdfFile(QWidget *parent, const QString &suggestedName, class Platform &dialogs);

// Writes the bytes; a failure throws QuovellaError naming the file, and a file
// written without its folder confirmed is said in a message.
void WriteNamedFile(QWidget *parent, const QString &path, const QByteArray &bytes);

// For writers that only take a path (a printer, a PDF writer): `render` writes
// into the temporary path it is given, `whole` says whether what it wrote is
// complete. Only then does the file replace the old one.
void RenderNamedFile(QWidget *parent, const QString &path, const std::function<void(const QString &)> &render,
                     const std::function<bool(const QByteArray &)> &whole);

// The second half of that, for a writer that fills the staged file over time.
void CommitRendered(QWidget *parent, StagedFile &file, const std::function<bool(const QByteArray &)> &whole);

void ShowWriteWarning(QWidget *parent, const WriteOutcome &outcome);

// A PDF file read back to its end: its header, and the end-of-file marker after
// the last cross-reference, which a writer cut short never reaches.
bool IsWholePdf(const QByteArray &bytes);
