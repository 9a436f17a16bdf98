// SPDX-License-Identifier: GPL-3.0-or-later
// A platform for tests: it records every request and answers as the test says,
// so the real windows run offscreen without any modal loop blocking.
#pragma once

#include "platform/Platform.h"

#include <QHash>
#include <QStringList>

#include <deque>
#include <vector>

struct RecordedMessage {
    QString text;
    MessageKind kind;
    MessageButtons buttons;
};

class MemorySettings : public Settings {
public:
    QString Value(const QString &key, const QString &fallback) const override;
    std::optional<QString> SetValue(const QString &key, const QString &value) override;
    QHash<QString, QString> values;
    // Set, SetValue fails as a store that cannot be written does.
    bool failWrites = false;
    // Given back by each SetValue that stores, as a store with something to tell does.
    std::optional<QString> note;
};

class ScriptedPlatform : public Platform {
public:
    MessageResult ShowMessage(QWidget *parent, const QString &text, MessageKind kind,
                              MessageButtons buttons) override;
    std::optional<QString> GetOpenFileName(QWidget *parent, FileDialogState &state) override;
    std::optional<QString> GetSaveFileName(QWidget *parent, FileDialogState &state) override;
    bool SelectPrinter(QWidget *parent) override;
    std::unique_ptr<PrinterChannel> OpenPrinterChannel() override;
    void PrintLandscapePage(QWidget *parent, const std::function<void(QPainter &, const QRectF &)> &paint,
                            const QString &documentName = QStringLiteral("Cost Breakdown Graph")) override;
    QStringList landscapeDocuments; // the document name of each landscape page
    void PreviewReport(QWidget *parent, const ReportWriter &write) override;
    std::optional<QString> GetPdfFileName(QWidget *parent, const QString &suggestedName) override;
    std::unique_ptr<PrinterChannel> OpenPdfChannel(const QString &path) override;
    int ShowModal(QDialog *window) override;
    void ShowHelp(QWidget *parent, int topic) override;
    Settings &UserSettings() override;

    // What the program asked for, in order.
    std::vector<RecordedMessage> messages;
    std::vector<FileDialogState> openDialogs; // state as each dialog was shown
    std::vector<FileDialogState> saveDialogs;
    int printDialogs = 0;
    QStringList modalWindows; // objectName of each window shown modally
    std::vector<int> helpTopics;
    int landscapePages = 0;
    int previews = 0;          // each preview writes its report on a channelFactory channel
    QStringList pdfSuggestions; // name suggested by each PDF file dialog
    QStringList pdfFiles;       // path of each PDF channel opened

    // The user's answers; an empty queue answers OK, Cancel, or "cancel the dialog".
    std::deque<MessageResult> messageAnswers;
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::deque<bool> printerAnswers;
    std::deque<std::optional<QString>> pdfAnswers;
    // What the user does inside a modal window, by the window's objectName; the
    // window is shown for the call and hidden afterwards, as if it had closed.
    QHash<QString, std::function<void(QDialog *)>> modalActions;
    // Makes the channel a report prints, previews or exports on; tests install a
    // recording one.
    std::function<std::unique_ptr<PrinterChannel>()> channelFactory;
    std::function<void(QPainter &, const QRectF &)> landscapeTarget;

    MemorySettings settings;
    // When set, UserSettings gives this store instead of settings.
    Settings *realSettings = nullptr;

    QStringList MessageTexts() const;
    QString LastMessage() const;
    void Clear();
};
