// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ScriptedPlatform.h"

#include "platform/PrinterChannel.h"

#include <QDialog>
#include <QImage>
#include <QPainter>

QString MemorySettings::Value(const QString &key, const QString &fallback) const
{
    return values.value(key, fallback);
}

std::optional<QString> MemorySettings::SetValue(const QString &key, const QString &value)
{
    if (failWrites)
        throw QuovellaError(QStringLiteral("The settings file cannot be written."));
    values.insert(key, value);
    return note;
}

MessageResult ScriptedPlatform::ShowMessage(QWidget *, const QString &text, MessageKind kind,
                                            MessageButtons buttons)
{
    messages.push_back({text, kind, buttons});
    if (!messageAnswers.empty()) {
        const MessageResult answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    return buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::Cancel;
}

std::optional<QString> ScriptedPlatform::GetOpenFileName(QWidget *, FileDialogState &state)
{
    openDialogs.push_back(state);
    if (openAnswers.empty())
        return std::nullopt;
    const std::optional<QString> answer = openAnswers.front();
    openAnswers.pop_front();
    if (answer)
        state.fileName = *answer;
    return answer;
}

std::optional<QString> ScriptedPlatform::GetSaveFileName(QWidget *, FileDialogState &state)
{
    saveDialogs.push_back(state);
    if (saveAnswers.empty())
        return std::nullopt;
    const std::optional<QString> answer = saveAnswers.front();
    saveAnswers.pop_front();
    if (answer)
        state.fileName = *answer;
    return answer;
}

bool ScriptedPlatform::SelectPrinter(QWidget *)
{
    ++printDialogs;
    if (printerAnswers.empty())
        return false;
    const bool answer = printerAnswers.front();
    printerAnswers.pop_front();
    return answer;
}

std::unique_ptr<PrinterChannel> ScriptedPlatform::OpenPrinterChannel()
{
    if (!channelFactory)
        throw QuovellaError(QStringLiteral("There is no default printer currently selected"));
    return channelFactory();
}

void ScriptedPlatform::PrintLandscapePage(QWidget *, const std::function<void(QPainter &, const QRectF &)> &paint,
                                          const QString &documentName)
{
    landscapeDocuments << documentName;
    ++landscapePages;
    QImage page(1100, 850, QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::white);
    QPainter painter(&page);
    paint(painter, QRectF(page.rect()));
    if (landscapeTarget)
        landscapeTarget(painter, QRectF(page.rect()));
}

void ScriptedPlatform::PreviewReport(QWidget *, const ReportWriter &write)
{
    ++previews;
    if (channelFactory)
        write(*channelFactory());
}

std::optional<QString> ScriptedPlatform::GetPdfFileName(QWidget *, const QString &suggestedName)
{
    pdfSuggestions << suggestedName;
    if (pdfAnswers.empty())
        return std::nullopt;
    const std::optional<QString> answer = pdfAnswers.front();
    pdfAnswers.pop_front();
    return answer;
}

std::unique_ptr<PrinterChannel> ScriptedPlatform::OpenPdfChannel(const QString &path)
{
    pdfFiles << path;
    if (!channelFactory)
        throw QuovellaError(QStringLiteral("Cannot create the file ") + path);
    return channelFactory();
}

int ScriptedPlatform::ShowModal(QDialog *window)
{
    modalWindows << window->objectName();
    window->show();
    if (const auto action = modalActions.value(window->objectName()))
        action(window);
    window->hide();
    return window->result();
}

void ScriptedPlatform::ShowHelp(QWidget *, int topic)
{
    helpTopics.push_back(topic);
}

Settings &ScriptedPlatform::UserSettings()
{
    return realSettings ? *realSettings : settings;
}

QStringList ScriptedPlatform::MessageTexts() const
{
    QStringList texts;
    for (const RecordedMessage &m : messages)
        texts << m.text;
    return texts;
}

QString ScriptedPlatform::LastMessage() const
{
    return messages.empty() ? QString() : messages.back().text;
}

void ScriptedPlatform::Clear()
{
    messages.clear();
    openDialogs.clear();
    saveDialogs.clear();
    printDialogs = 0;
    modalWindows.clear();
    helpTopics.clear();
    landscapePages = 0;
    previews = 0;
    pdfSuggestions.clear();
    pdfFiles.clear();
}
