// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HelpViewer.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

QString HelpPageOfTopic(int topic)
{
    switch (topic) {
    case 2: return QStringLiteral("mortgage.html");
    case 3: return QStringLiteral("grid.html");
    case 4: return QStringLiteral("schedule.html");
    case 5: return QStringLiteral("additional-grid.html");
    case 6: return QStringLiteral("additional-specific.html");
    case 8: return QStringLiteral("whatif.html");
    case 9: return QStringLiteral("plan.html");
    case 10: return QStringLiteral("compare.html");
    default: return QStringLiteral("index.html");
    }
}

QString LocalHelpPage(const QString &page, const QStringList &languages)
{
    for (const QString &tag : languages) {
        const QString language = tag.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        // English is the pages' own language: a later language in the list
        // must not win over it.
        if (language == u"en" || language == u"c")
            break;
        const QString local = language + u'/' + page;
        if (QFile::exists(QStringLiteral(":/help/") + local))
            return local;
    }
    return page;
}

HelpViewer::HelpViewer(QWidget *parent)
    : QDialog(parent), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Quovella Help"));
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setSearchPaths({QStringLiteral(":/help")});
    browser_->setOpenExternalLinks(false);

    auto *back = new QPushButton(tr("&Back"), this);
    auto *contents = new QPushButton(tr("&Contents"), this);
    auto *close = new QPushButton(tr("Close"), this);
    back->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(0); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(contents);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addLayout(buttons);
    resize(620, 520);
}

void HelpViewer::ShowTopic(int topic)
{
    // The language the program's texts were chosen for (the default locale).
    const QString page = LocalHelpPage(HelpPageOfTopic(topic), QLocale().uiLanguages());
    browser_->setSource(QUrl(QStringLiteral("qrc:/help/") + page));
    show();
    raise();
    activateWindow();
}

QString HelpViewer::CurrentPage() const
{
    return browser_->source().fileName();
}
