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
};
