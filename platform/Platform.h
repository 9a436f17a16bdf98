// SPDX-License-Identifier: GPL-3.0-or-later
// The one seam between Quovella and the desktop: message boxes, file dialogs,
// the print dialog, modal windows, help and per-user settings. Handlers never
// call QMessageBox or QFileDialog themselves, so tests can answer for the user.
#pragma once

#include "core/Error.h"
#include "core/Message.h"
#include "core/Settings.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QWidget;
class PrinterChannel;

// A report written from its set-up to its last line on a channel; the same
// writer serves the printer, the preview and a PDF file.
using ReportWriter = std::function<void(PrinterChannel &)>;

// ReplaceCancel answers Yes for "Replace".
enum class MessageButtons { Ok, YesNoCancel, ReplaceCancel };
enum class MessageResult { Ok, Yes, No, Cancel };

// An open or save dialog as the program keeps it between uses.
struct FileDialogState {
    QString filter;    // "Quovella Saved Files |*.QVL": description, bar, pattern
    QString fileName;  // preset name
    QString directory; // starting folder
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual MessageResult ShowMessage(QWidget *parent, const QString &text, MessageKind kind,
                                      MessageButtons buttons = MessageButtons::Ok) = 0;
    // The chosen path, or nothing when the user cancels. The state keeps the
    // chosen name and folder for next time.
    virtual std::optional<QString> GetOpenFileName(QWidget *parent, FileDialogState &state) = 0;
    virtual std::optional<QString> GetSaveFileName(QWidget *parent, FileDialogState &state) = 0;
    // The printer selection dialog; true when the user confirms a printer.
    virtual bool SelectPrinter(QWidget *parent) = 0;
    // A text channel on the printer chosen last (or the default one).
    virtual std::unique_ptr<PrinterChannel> OpenPrinterChannel() = 0;
    // Paints one landscape page on the chosen printer, without the print dialog;
    // the printer's orientation is put back afterwards. A printer that is a file
    // asks for the file's name first (the document's name, ".pdf"), so no earlier
    // print is overwritten unasked.
    virtual void PrintLandscapePage(QWidget *parent,
                                    const std::function<void(class QPainter &, const class QRectF &)> &paint,
                                    const QString &documentName = QStringLiteral("Cost Breakdown Graph")) = 0;
    // The report's pages as they would print on the chosen printer; the user may
    // print them from there.
    virtual void PreviewReport(QWidget *parent, const ReportWriter &write) = 0;
    // Where to write a PDF: a save dialog that starts with the suggested name and
    // asks before replacing a file. Nothing when the user cancels.
    virtual std::optional<QString> GetPdfFileName(QWidget *parent, const QString &suggestedName) = 0;
    // A channel that writes a PDF at the path on the chosen printer's paper; the
    // file is replaced only when the job closes whole.
    virtual std::unique_ptr<PrinterChannel> OpenPdfChannel(const QString &path) = 0;
    // Shows the window modally and returns when it has closed.
    virtual int ShowModal(QDialog *window) = 0;
    // Help: the contents (topic 0) or a topic by its context number.
    virtual void ShowHelp(QWidget *parent, int topic) = 0;
    virtual Settings &UserSettings() = 0;
    // Progress of a long report: nothing shows for the first half second, then a
    // dialog with Cancel. Tick is false once the user cancelled.
    class Progress {
    public:
        virtual ~Progress() = default;
        virtual bool Tick(int page) = 0;
    };
    virtual std::unique_ptr<Progress> StartProgress(QWidget *parent, const QString &title);
};

// Thrown when the user cancels a report; nothing is said of it.
class ReportCancelled : public std::exception {
public:
    const char *what() const noexcept override { return "cancelled"; }
};

Platform &ThePlatform();
// Installs the platform the program uses; the caller keeps ownership.
void SetPlatform(Platform *platform);

// Runs a handler; a QuovellaError (or any other exception) it throws is shown in
// a message box with OK and the program goes on.
void RunGuarded(QWidget *parent, const std::function<void()> &handler);
