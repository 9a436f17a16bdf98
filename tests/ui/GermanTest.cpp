// SPDX-License-Identifier: GPL-3.0-or-later
// Every window under German: the same walk is made in English first, and any of its
// English words still shown under German is a text left untranslated.
#include "tests/ui/ShownWhole.h"
#include "tests/ui/UiFixture.h"
#include "tests/common/TestFiles.h"

#include "engine/Comparison.h"
#include "engine/LoanChecks.h"
#include "ui/windows/BalanceGraphUnit.h"
#include "ui/windows/CompareUnit.h"
#include "ui/windows/PaymentPlanUnit.h"
#include "ui/common/Translation.h"

#include <QAbstractItemModel>
#include <algorithm>
#include <functional>
#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTableWidget>

namespace {

// Words German writes as English does (compared in lower case). Figures, signs and
// single letters (a shortcut's key) are no words; everything else must be German.
const QSet<QString> kSameInGerman = {
    QStringLiteral("quovella"), QStringLiteral("ternvik"), // the product and its maker
    QStringLiteral("ok"),                                    // Qt's German buttons say OK
    QStringLiteral("pdf"), QStringLiteral("csv"), QStringLiteral("png"), // file types
    QStringLiteral("gnu"), QStringLiteral("general"),        // the licence's own name
    QStringLiteral("public"), QStringLiteral("license"),
    // German words spelt as English ones
    QStringLiteral("version"), QStringLiteral("name"), QStringLiteral("plan"), QStringLiteral("rate"),
    QStringLiteral("in"), QStringLiteral("software"), QStringLiteral("computer"),
};

// Every text a user sees in `window`: its title, the captions, tooltips and items of its
// visible controls, its tables' headings and first rows, and its menus' actions.
void Collect(QWidget *window, const QString &where, QMultiHash<QString, QString> &texts)
{
    auto add = [&](const QString &text, const QString &what) {
        if (!text.trimmed().isEmpty())
            texts.insert(text, where + QStringLiteral(": ") + what);
    };
    std::function<void(QMenu *)> menu = [&](QMenu *m) {
        for (QAction *action : m->actions()) {
            add(action->text(), QStringLiteral("menu item"));
            add(action->toolTip() == QString(action->text()).remove(QLatin1Char('&')) ? QString() : action->toolTip(),
                QStringLiteral("menu tooltip"));
            if (action->menu())
                menu(action->menu());
        }
    };
    add(window->windowTitle(), QStringLiteral("title"));
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : widgets) {
        if (auto *bar = qobject_cast<QMenuBar *>(w)) {
            for (QAction *action : bar->actions()) {
                add(action->text(), QStringLiteral("menu"));
                if (action->menu())
                    menu(action->menu());
            }
        }
        for (QAction *action : w->actions()) {
            add(action->text(), QStringLiteral("action"));
            if (action->menu())
                menu(action->menu());
        }
        if (auto *button = qobject_cast<QToolButton *>(w); button && button->menu())
            menu(button->menu());
        if (auto *button = qobject_cast<QPushButton *>(w); button && button->menu())
            menu(button->menu());
        if (!w->isVisibleTo(window) && w != window)
            continue;
        add(w->toolTip(), QStringLiteral("tooltip of ") + w->objectName());
        if (auto *label = qobject_cast<QLabel *>(w))
            add(label->text(), w->objectName());
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            add(button->text(), w->objectName());
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            add(group->title(), w->objectName());
        else if (auto *edit = qobject_cast<QLineEdit *>(w))
            add(edit->placeholderText(), w->objectName());
        else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                add(combo->itemText(i), w->objectName());
        } else if (auto *tabs = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                add(tabs->tabText(i), QStringLiteral("tab"));
                add(tabs->tabToolTip(i), QStringLiteral("tab tooltip"));
            }
        } else if (auto *view = qobject_cast<QAbstractItemView *>(w); view && view->model()) {
            const QAbstractItemModel *model = view->model();
            const QString name = w->objectName().isEmpty() ? QStringLiteral("table") : w->objectName();
            for (int c = 0; c < model->columnCount(); ++c) {
                add(model->headerData(c, Qt::Horizontal).toString(), name + QStringLiteral(" heading"));
                // The cells of the first rows: words such as an event's kind or a term.
                for (int r = 0; r < std::min(model->rowCount(), 30); ++r)
                    add(model->index(r, c).data().toString(), name + QStringLiteral(" cell"));
            }
        }
    }
}

QStringList Words(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("\\p{L}+"));
    QStringList words;
    for (auto it = word.globalMatch(QString(text).remove(QLatin1Char('&'))); it.hasNext();)
        words << it.next().captured();
    return words;
}

} // namespace

class GermanWalk : public UiTest {
protected:
    void TearDown() override
    {
        UiTest::TearDown();
        Translation::Install(*QCoreApplication::instance(), QLocale(QLocale::English, QLocale::UnitedStates));
        QLocale::setDefault(before);
    }

    // A new program in `locale`, with its translations installed first as main() does.
    void RestartIn(const QLocale &locale)
    {
        UiTest::TearDown();
        Translation::Install(*QCoreApplication::instance(), locale);
        QLocale::setDefault(locale);
        UiTest::SetUp();
    }

    // Gathers a window's texts and, when asked, checks they are shown whole.
    void See(QWidget *window, const QString &where, QMultiHash<QString, QString> &texts)
    {
        Collect(window, where, texts);
        if (checkWhole) {
            Settle();
            ExpectNothingCut(window, S(where), true);
            ExpectHeadingsWhole(window, S(where));
        }
    }

    // Opens every window of the program with a sample loan and gathers its texts.
    QMultiHash<QString, QString> Walk()
    {
        QMultiHash<QString, QString> texts;
        for (int tab = 0; tab < main().PageControl1->count(); ++tab) {
            main().PageControl1->setCurrentIndex(tab);
            Settle();
            See(&main(), QStringLiteral("main tab %1").arg(tab), texts);
        }
        main().PageControl1->setCurrentIndex(0);

        // A refused input: the message box's text.
        TypeLoan(QStringLiteral("none"), QStringLiteral("25"), QStringLiteral("6"));
        main().CalMortBtn->click();
        for (const RecordedMessage &message : platform.messages)
            texts.insert(message.text, QStringLiteral("message"));
        platform.messages.clear();

        TypeLoan(QStringLiteral("100000"), QStringLiteral("25"), QStringLiteral("6"));
        main().CalMortBtn->click();
        See(&main(), QStringLiteral("main worked out"), texts);

        platform.modalActions.insert(QStringLiteral("BalanceGraphForm"),
                                     [&](QDialog *w) { See(w, QStringLiteral("balance graph"), texts); });
        OpenSchedule([&](TMSCHEDULE *w) {
            See(w, QStringLiteral("schedule"), texts);
            w->GraphBtn->click();
        });
        OpenGrid([&](TMORTAGEGRID *w) { See(w, QStringLiteral("grid"), texts); });

        windows().options->Grid->setChecked(true);
        platform.modalActions.insert(QStringLiteral("APOPTIONS"), [&](QDialog *w) {
            See(w, QStringLiteral("additional options"), texts);
            windows().options->BitBtn2->click();
        });
        platform.modalActions.insert(QStringLiteral("AdditionalP"),
                                     [&](QDialog *w) { See(w, QStringLiteral("additional grid"), texts); });
        main().SpeedButton3->click();
        windows().options->Specific->setChecked(true);
        platform.modalActions.insert(QStringLiteral("ADDMONTHLYR"), [&](QDialog *w) {
            windows().specific->AdditionalMR->setText(QStringLiteral("100"));
            windows().specific->BitBtn1->click();
            See(w, QStringLiteral("additional specific"), texts);
        });
        main().SpeedButton3->click();

        PaymentPlan plan;
        plan.events = {PlanEvent{PlanEventKind::Extra, 200, 13, 0, false}};
        main().SetPlan(plan);
        platform.modalActions.insert(QStringLiteral("PaymentPlan"), [&](QDialog *w) {
            auto *window = static_cast<TPaymentPlan *>(w);
            See(w, QStringLiteral("payment plan"), texts);
            window->PlanEvents->selectRow(0);
            window->EditBtn->click();
        });
        platform.modalActions.insert(QStringLiteral("PlanEventDialog"),
                                     [&](QDialog *w) { See(w, QStringLiteral("plan event"), texts); });
        main().PaymentPlanBtn->click();
        main().SetPlan(PaymentPlan());

        main().SetCompared({ComparedLoan{QStringLiteral("A1"), LoanOfTexts(LoanTexts{QStringLiteral("100000"),
                                         QStringLiteral("25"), QString(), QStringLiteral("6")}),
                                         PaymentPlan(), LoanFees()}});
        platform.modalActions.insert(QStringLiteral("Compare"),
                                     [&](QDialog *w) { See(w, QStringLiteral("compare"), texts); });
        main().CompareBtn->click();
        main().SetCompared({});

        platform.modalActions.insert(QStringLiteral("MortChartForm"), [&](QDialog *w) {
            See(w, QStringLiteral("pie chart"), texts);
            for (int i = 0; i < windows().chart->MortgageChart->SliceCount(); ++i)
                texts.insert(windows().chart->MortgageChart->SliceLabel(i), QStringLiteral("pie chart slice"));
        });
        main().BitBtn9->click();

        main().About1->trigger();
        Settle();
        See(windows().about, QStringLiteral("about"), texts);
        windows().about->hide();
        EXPECT_TRUE(platform.messages.empty()) << S(platform.MessageTexts().join(" | "));
        return texts;
    }

    bool checkWhole = false;
    const QLocale before;
};

TEST_F(GermanWalk, EveryWindowShowsNoEnglishWordUnderGerman)
{
    QSet<QString> english;
    const QMultiHash<QString, QString> englishTexts = Walk();
    for (const QString &text : englishTexts.uniqueKeys())
        for (const QString &word : Words(text))
            english.insert(word.toLower());
    // The walk saw every window: their captions in English are the words to look for.
    EXPECT_TRUE(english.contains("schedule") && english.contains("compare") && english.contains("principal"));

    RestartIn(QLocale(QStringLiteral("de_DE")));
    const QMultiHash<QString, QString> germanTexts = Walk();
    EXPECT_GT(germanTexts.size(), englishTexts.size() / 2);
    QStringList found;
    for (auto it = germanTexts.constBegin(); it != germanTexts.constEnd(); ++it) {
        QStringList left;
        for (const QString &word : Words(it.key()))
            if (word.size() > 1 && english.contains(word.toLower()) && !kSameInGerman.contains(word.toLower()))
                left << word;
        if (!left.isEmpty())
            found << it.value() + QStringLiteral(" \"") + it.key() + QStringLiteral("\" (") +
                         left.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    found.removeDuplicates();
    found.sort();
    EXPECT_TRUE(found.isEmpty()) << found.size() << " texts:\n" << S(found.join('\n'));
}

// A file that cannot be read says why in German, with its name and line as in English.
TEST_F(GermanWalk, FileMessagesSpeakGerman)
{
    RestartIn(QLocale(QStringLiteral("de_DE")));
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto open = [&](const QString &path) {
        platform.messages.clear();
        main().SetSavedFlag(true);
        platform.openAnswers.push_back(path);
        main().LoadBtn->click();
        return OnlyMessage().text;
    };
    EXPECT_EQ(open(folder.filePath("nowhere.QVL")), "Datei nicht gefunden (nowhere.QVL)");
    SetFileBytes(folder.filePath("bad.QVL"), "100000\r\n25\r\n\r\n6\r\nx\r\n");
    EXPECT_EQ(open(folder.filePath("bad.QVL")), "„x“ ist keine gültige ganze Zahl (bad.QVL, Zeile 5)");
}

// A refused term is one German sentence, not English pieces glued around German ones.
TEST_F(GermanWalk, RefusedTermsReadAsWholeGermanSentences)
{
    RestartIn(QLocale(QStringLiteral("de_DE")));
    const auto refused = [&](const QString &years) {
        platform.messages.clear();
        TypeLoan(QStringLiteral("100000"), years, QStringLiteral("6"));
        main().CalMortBtn->click();
        return OnlyMessage().text;
    };
    EXPECT_EQ(refused(QStringLiteral("51")), "Geben Sie eine Laufzeit zwischen 0 und 50 ein");
    EXPECT_EQ(refused(QStringLiteral("0")), "Geben Sie eine Laufzeit ein");
}

// German words are longer than English ones: every window still shows its captions,
// buttons, tabs and table headings whole.
TEST_F(GermanWalk, EveryWindowShowsItsGermanWhole)
{
    RestartIn(QLocale(QStringLiteral("de_DE")));
    main().show();
    checkWhole = true;
    Walk();
}
