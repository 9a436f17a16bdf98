// SPDX-License-Identifier: GPL-3.0-or-later
// The platform on a real desktop.
#pragma once

#include "platform/Platform.h"

#include <QPointer>
#include <QSettings>

#include <memory>

class QPrinter;
#include "platform/HelpViewer.h"

// The settings file of organisation "Ternvik", application "QVIni". Read
// through QSettings, which makes the best of any file; written whole by the
// program through ReplaceFile, never by QSettings. A file that cannot be read
// is replaced at the next write, with a note saying so.
class QProgressDialog;
// The dialog a long report shows, hidden until its ticker shows it.
QProgressDialog *NewReportProgress(QWidget *parent, const QString &title);

class QtSettings : public Settings {
public:
    QtSettings();
    QString Value(const QString &key, const QString &fallback) const override;
    std::optional<QString> SetValue(const QString &key, const QString &value) override;
    QString FileName() const;

private:
    std::unique_ptr<QSettings> settings_;
};

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    MessageResult ShowMessage(QWidget *parent, const QString &text, MessageKind kind,
                              MessageButtons buttons) override;
    std::optional<QString> GetOpenFileName(QWidget *parent, FileDialogState &state) override;
    std::optional<QString> GetSaveFileName(QWidget *parent, FileDialogState &state) override;
    bool SelectPrinter(QWidget *parent) override;
    std::unique_ptr<PrinterChannel> OpenPrinterChannel() override;
    void PrintLandscapePage(QWidget *parent, const std::function<void(QPainter &, const QRectF &)> &paint,
                            const QString &documentName = QStringLiteral("Cost Breakdown Graph")) override;
    void PreviewReport(QWidget *parent, const ReportWriter &write) override;
    std::optional<QString> GetPdfFileName(QWidget *parent, const QString &suggestedName) override;
    std::unique_ptr<PrinterChannel> OpenPdfChannel(const QString &path) override;
    int ShowModal(QDialog *window) override;
    void ShowHelp(QWidget *parent, int topic) override;
    Settings &UserSettings() override;
    std::unique_ptr<Progress> StartProgress(QWidget *parent, const QString &title) override;

    // The printer the next job prints on, with the settings chosen last, made when
    // first asked for. A printer left unusable by a job that failed is replaced by
    // a fresh one with the same settings first.
    QPrinter &Printer();
    // The help window, once help has been asked for.
    HelpViewer *Help() const { return help_; }

private:
    std::unique_ptr<QPrinter> printer_;
    QPointer<HelpViewer> help_;
    QString pdfFolder_; // where the last PDF was saved
    QtSettings settings_;
};

// "Quovella Saved Files |*.QVL" as a file dialog filter, matching either case.
QString DialogFilter(const QString &filter);
