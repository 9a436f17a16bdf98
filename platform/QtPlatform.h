// SPDX-License-Identifier: GPL-3.0-or-later
// The platform on a real desktop.
#pragma once

#include "platform/Platform.h"

#include <QSettings>

#include <memory>

class QPrinter;
class HelpViewer;

class QtSettings : public Settings {
public:
    QtSettings(); // organisation "Ternvik", application "QVIni"
    QString Value(const QString &key, const QString &fallback) const override;
    void SetValue(const QString &key, const QString &value) override;

private:
    mutable QSettings settings_;
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
    void PrintLandscapePage(const std::function<void(QPainter &, const QRectF &)> &paint) override;
    int ShowModal(QDialog *window) override;
    void ShowHelp(QWidget *parent, int topic) override;
    Settings &UserSettings() override;

    QPrinter &Printer();

private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<HelpViewer> help_;
    QtSettings settings_;
};

// "Quovella Saved Files |*.QVL" as a file dialog filter, matching either case.
QString DialogFilter(const QString &filter);
