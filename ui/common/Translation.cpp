// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <vector>

namespace {

// Quovella's translations are built into the program (ui/CMakeLists.txt).
const char kOwnFolder[] = ":/i18n";

std::vector<QPointer<QTranslator>> &Installed()
{
    static std::vector<QPointer<QTranslator>> installed;
    return installed;
}

void Add(QCoreApplication &app, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator)) {
        Installed().emplace_back(translator);
        return;
    }
    delete translator;
}

} // namespace

namespace Translation {

void Install(QCoreApplication &app, const QLocale &locale)
{
    for (const QPointer<QTranslator> &translator : Installed()) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    Installed().clear();

    // The user's languages in their order: the first that is English or that Quovella
    // is translated into wins, so a German second choice never overrides English.
    for (const QString &name : locale.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return;
        const QString code = QLocale::languageToCode(language.language());
        const QString own = QStringLiteral("quovella_") + code;
        QTranslator probe;
        if (!probe.load(own, QLatin1String(kOwnFolder)))
            continue;
        // Qt's own first, so its dialogs and buttons match the program's language.
        Add(app, QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        Add(app, own, QLatin1String(kOwnFolder));
        return;
    }
}

} // namespace Translation
