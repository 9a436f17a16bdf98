// SPDX-License-Identifier: GPL-3.0-or-later
// The real desktop platform, with the user's answers to the PDF file dialog.
#pragma once

#include "platform/QtPlatform.h"

#include <QStringList>

#include <deque>
#include <optional>

class AnsweringDesktop : public QtPlatform {
public:
    std::optional<QString> GetPdfFileName(QWidget *, const QString &suggestedName) override
    {
        pdfSuggestions << suggestedName;
        if (pdfAnswers.empty())
            return std::nullopt;
        const std::optional<QString> answer = pdfAnswers.front();
        pdfAnswers.pop_front();
        return answer;
    }
    QStringList pdfSuggestions;
    std::deque<std::optional<QString>> pdfAnswers;

    // Message boxes answered as told; a replacement is agreed to unless told otherwise.
    MessageResult ShowMessage(QWidget *, const QString &text, MessageKind, MessageButtons buttons) override
    {
        messages << text;
        if (!messageAnswers.empty()) {
            const MessageResult answer = messageAnswers.front();
            messageAnswers.pop_front();
            return answer;
        }
        return buttons == MessageButtons::ReplaceCancel ? MessageResult::Yes : MessageResult::Ok;
    }
    QStringList messages;
    std::deque<MessageResult> messageAnswers;

    // The user presses Cancel at this tick of a report's progress (1 = the first); never at 0.
    int cancelAtTick = 0;
    int ticks = 0;
    std::unique_ptr<Progress> StartProgress(QWidget *, const QString &) override
    {
        class Scripted : public Progress {
        public:
            explicit Scripted(AnsweringDesktop &desktop) : desktop_(desktop) {}
            bool Tick(int) override { return ++desktop_.ticks != desktop_.cancelAtTick; }

        private:
            AnsweringDesktop &desktop_;
        };
        return std::make_unique<Scripted>(*this);
    }
};
