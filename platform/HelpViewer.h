// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own help pages in a window of their own.
#pragma once

#include <QDialog>

class QTextBrowser;

// Context numbers of the help topics and the page each one opens.
QString HelpPageOfTopic(int topic);

// The page under :/help in the first of the user's languages that has it
// ("de/mortgage.html"), else the English one ("mortgage.html").
QString LocalHelpPage(const QString &page, const QStringList &languages);

class HelpViewer : public QDialog {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget *parent = nullptr);
    void ShowTopic(int topic);
    QString CurrentPage() const;

private:
    QTextBrowser *browser_;
};
