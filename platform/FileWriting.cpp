// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileWriting.h"

#include "platform/Platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <cerrno>

namespace {

// A writer that takes a path says nothing when its file comes out short; a
// full disk is the usual reason, anything else reads as the disk's failure.
QString ShortWriteCause(const QString &path)
{
    struct statvfs disk {};
    const QByteArray folder = QFileInfo(path).absolutePath().toLocal8Bit();
    if (::statvfs(folder.constData(), &disk) == 0 && disk.f_bavail * disk.f_frsize < 1024 * 1024)
        return FileErrorText(ENOSPC);
    return FileErrorText(EIO);
}

} // namespace

bool MayReplace(QWidget *parent, const QString &path)
{
    // Only an ordinary file is asked about; the writer refuses anything else with its reason.
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return true;
    return ThePlatform().ShowMessage(parent,
                                     QFileInfo(path).fileName()
                                         + QCoreApplication::translate("FileWriting", " already exists.\nDo you want to replace it?"),
                                     MessageKind::Confirmation, MessageButtons::ReplaceCancel)
        == MessageResult::Yes;
}

std::optional<QString> ChooseFileToWrite(QWidget *parent, FileDialogState &state,
                                         const std::function<QString(const QString &)> &finalName,
                                         const QString &keep)
{
    for (;;) {
        const std::optional<QString> chosen = ThePlatform().GetSaveFileName(parent, state);
        if (!chosen || chosen->isEmpty())
            return std::nullopt;
        const QString path = finalName ? finalName(*chosen) : *chosen;
        // Cancel goes back to the dialog, to choose another name.
        if (path == keep || MayReplace(parent, path))
            return path;
    }
}

std::optional<QString> ChoosePdfFile(QWidget *parent, const QString &suggestedName, Platform &dialogs)
{
    // Bounded: a scripted dialog that always answers the same name must not loop for ever.
    for (int tries = 0; tries < 20; ++tries) {
        const std::optional<QString> path = dialogs.GetPdfFileName(parent, suggestedName);
        if (!path || path->isEmpty())
            return std::nullopt;
        if (MayReplace(parent, *path))
            return path;
    }
    return std::nullopt;
}

void WriteNamedFile(QWidget *parent, const QString &path, const QByteArray &bytes)
{
    WriteOutcome outcome;
    try {
        outcome = ReplaceFile(path, bytes);
    } catch (const QuovellaError &error) {
        throw NamedFileError(path, error);
    }
    ShowWriteWarning(parent, outcome);
}

void CommitRendered(QWidget *parent, StagedFile &file, const std::function<bool(const QByteArray &)> &whole)
{
    WriteOutcome outcome;
    try {
        // Read back the way a reader would: a file cut short is not put in place.
        if (!whole(file.ReadBack(qint64(1) << 31)))
            throw QuovellaError(ShortWriteCause(file.TemporaryPath()));
        outcome = file.Commit();
    } catch (const QuovellaError &error) {
        throw NamedFileError(file.ShownName(), error);
    }
    ShowWriteWarning(parent, outcome);
}

void RenderNamedFile(QWidget *parent, const QString &path, const std::function<void(const QString &)> &render,
                     const std::function<bool(const QByteArray &)> &whole)
{
    std::unique_ptr<StagedFile> file;
    try {
        file = std::make_unique<StagedFile>(path);
    } catch (const QuovellaError &error) {
        throw NamedFileError(path, error);
    }
    render(file->TemporaryPath());
    CommitRendered(parent, *file, whole);
}

void ShowWriteWarning(QWidget *parent, const WriteOutcome &outcome)
{
    if (!outcome.warning.isEmpty())
        ThePlatform().ShowMessage(parent, outcome.warning, MessageKind::Information);
}

bool IsWholePdf(const QByteArray &bytes)
{
    if (!bytes.startsWith("%PDF-"))
        return false;
    const QByteArray tail = bytes.right(64);
    return tail.contains("%%EOF") && bytes.contains("startxref");
}
