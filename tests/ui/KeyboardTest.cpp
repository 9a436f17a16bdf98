// SPDX-License-Identifier: GPL-3.0-or-later
// Working every window from the keyboard: Alt keys, Tab, Enter, F1 and the mouse wheel.
#include "tests/common/FrequencyCases.h"
#include "tests/ui/UiFixture.h"
#include "ui/windows/CompareUnit.h"
#include "ui/common/Translation.h"
#include "ui/windows/PaymentPlanUnit.h"

#include <QAccessible>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

namespace {

// The Alt keys of the buttons and field captions a user sees together: the
// window's own controls outside its tabs, and those of one tab page.
struct Seen {
    QStringList captions;
    QList<QChar> keys;
    QStringList controls; // which control each caption leads to
};

Seen CaptionsIn(QWidget *window, QWidget *page)
{
    Seen seen;
    const auto pages = window->findChildren<QTabWidget *>();
    auto onOtherPage = [&](QWidget *w) {
        for (QTabWidget *tabs : pages)
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->widget(i) != page && tabs->widget(i)->isAncestorOf(w))
                    return true;
        return false;
    };
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->window() != window || onOtherPage(w) || !w->isVisibleTo(window))
            continue;
        QStringList texts;
        const QString control = QString::number(reinterpret_cast<quintptr>(w)) + QLatin1Char('/');
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts << button->text();
        else if (auto *label = qobject_cast<QLabel *>(w); label && label->buddy())
            texts << label->text();
        else if (auto *group = qobject_cast<QGroupBox *>(w); group && group->findChild<QComboBox *>())
            texts << group->title();
        else if (auto *bar = qobject_cast<QTabBar *>(w))
            for (int i = 0; i < bar->count(); ++i)
                texts << bar->tabText(i);
        for (const QString &text : texts) {
            if (Keyboard::Plain(text).trimmed().isEmpty())
                continue;
            seen.controls << control + QString::number(seen.captions.size());
            seen.captions << text;
            seen.keys << Keyboard::MnemonicOf(text);
        }
    }
    if (auto *bar = window->findChild<QMenuBar *>()) {
        for (QAction *menu : bar->actions()) {
            seen.captions << menu->text();
            seen.keys << Keyboard::MnemonicOf(menu->text());
        }
    }
    return seen;
}

void ExpectOwnKeys(const Seen &seen, const std::string &where)
{
    SCOPED_TRACE(where);
    QSet<QChar> used;
    for (int i = 0; i < seen.keys.size(); ++i) {
        const QChar key = seen.keys[i];
        EXPECT_FALSE(key.isNull()) << "no Alt key: " << S(seen.captions[i]) << " among "
                                   << S(seen.captions.join(QLatin1String(", ")));
        if (key.isNull())
            continue;
        EXPECT_FALSE(used.contains(key)) << "Alt+" << S(QString(key)) << " twice, on " << S(seen.captions[i]);
        used.insert(key);
    }
}

void Activate(QWidget *window)
{
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QApplication::processEvents();
}


// The Tab stops of a window from its first control round to it again, and those
// a screen reader could not name.
struct Stops {
    QList<QWidget *> visited;
    QStringList unnamed;
};

Stops WalkTabs(QWidget *window, QWidget *first)
{
    Activate(window);
    first->setFocus(Qt::TabFocusReason);
    Stops stops;
    for (int k = 0; k < 80; ++k) {
        QWidget *at = QApplication::focusWidget();
        if (!at || stops.visited.contains(at))
            break;
        stops.visited << at;
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(at);
        if (!reader || reader->text(QAccessible::Name).trimmed().isEmpty())
            stops.unnamed << at->objectName() + QLatin1Char(':') + QLatin1String(at->metaObject()->className());
        QTest::keyClick(at, Qt::Key_Tab);
    }
    return stops;
}

} // namespace

class KeyboardUse : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        TypeLoan("100000", "25", "6");
    }

    // Every tab and every analysis window: each button and caption has a key of its own.
    void ExpectOwnKeysInEveryWindow()
    {
        for (QWidget *tab : {main().TabSheet1, main().TabSheet2, main().TabSheet3}) {
            main().PageControl1->setCurrentWidget(tab);
            ExpectOwnKeys(CaptionsIn(&main(), tab), S(tab->objectName()));
        }
        main().PageControl1->setCurrentWidget(main().TabSheet1);

        InEveryWindow([&](QDialog *window) { ExpectOwnKeys(CaptionsIn(window, nullptr), S(window->objectName())); },
                      false);
        EXPECT_EQ(platform.modalWindows.size(), 7);
        EXPECT_TRUE(platform.messages.empty()) << S(platform.LastMessage());
    }

    // Opens the analysis windows from the toolbar one after another and runs `inside`
    // in each while it is shown, the additional payment options' dialog included;
    // the payment plan and the comparison too when asked.
    void InEveryWindow(const std::function<void(QDialog *)> &inside, bool planAndCompare)
    {
        for (const char *name :
             {"MSCHEDULE", "MORTAGEGRID", "MortChartForm", "AdditionalP", "ADDMONTHLYR", "PaymentPlan", "Compare"})
            platform.modalActions.insert(name, inside);
        platform.modalActions.insert("APOPTIONS", [&](QDialog *window) {
            inside(window);
            windows().options->BitBtn2->click();
        });
        main().SpeedButton2->click();
        main().MortgageGridBtn->click();
        main().BitBtn9->click();
        windows().options->Grid->setChecked(true);
        main().SpeedButton3->click();
        windows().options->Specific->setChecked(true);
        main().SpeedButton3->click();
        if (planAndCompare) {
            main().PaymentPlanBtn->click();
            main().CompareBtn->click();
        }
    }
};

class AltKeysByFrequency : public KeyboardUse, public testing::WithParamInterface<int> {};

TEST_P(AltKeysByFrequency, EveryButtonAndFieldCaptionHasAnAltKeyOfItsOwnInItsWindow)
{
    ChoosePayment(FrequencyTexts()[GetParam()]);
    ExpectOwnKeysInEveryWindow();
}

INSTANTIATE_TEST_SUITE_P(EveryFrequency, AltKeysByFrequency, EveryFrequency(), FrequencyNamed());

// German captions are other words: their keys are chosen from them, just as uniquely.
class GermanAltKeys : public KeyboardUse {
protected:
    void SetUp() override
    {
        before = QLocale();
        const QLocale german(QLocale::German, QLocale::Germany);
        Translation::Install(*QCoreApplication::instance(), german);
        QLocale::setDefault(german);
        KeyboardUse::SetUp();
    }
    void TearDown() override
    {
        KeyboardUse::TearDown();
        Translation::Install(*QCoreApplication::instance(), QLocale(QLocale::English, QLocale::UnitedStates));
        QLocale::setDefault(before);
    }
    QLocale before;
};

TEST_F(GermanAltKeys, EveryButtonAndFieldCaptionHasAnAltKeyOfItsOwnInGerman)
{
    ChoosePayment(QStringLiteral("FortNightly"));
    ExpectOwnKeysInEveryWindow();
}

TEST_F(KeyboardUse, AltKeysLeadToTheirFieldsAndPressTheirButtons)
{
    TMSCHEDULE *schedule = windows().schedule;
    platform.modalActions.insert("MSCHEDULE", [&](QDialog *) {
        Activate(schedule);
        const QChar interest = Keyboard::MnemonicOf(schedule->Label3->text());
        ASSERT_FALSE(interest.isNull());
        QTest::keyClick(schedule, interest.toLatin1(), Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), schedule->MSInterest);
        schedule->MSAmount->setText("50000");
        const QChar calculate = Keyboard::MnemonicOf(schedule->CalculateBtn->text());
        QTest::keyClick(schedule, calculate.toLatin1(), Qt::AltModifier);
        QTest::qWait(250); // a button pressed by its key shows itself pressed first
        EXPECT_EQ(schedule->MSMonthlyRepayment->text(), "$322.16");
    });
    main().SpeedButton2->click();
    EXPECT_TRUE(platform.messages.empty()) << S(platform.LastMessage());
}

TEST_F(KeyboardUse, TabGoesThroughTheMortgageTabInReadingOrder)
{
    Activate(&main());
    main().MAmount->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int k = 0; k < 16; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    // Of the two timing options Tab stops at the chosen one; arrows move between them.
    EXPECT_EQ(visited, (QStringList{"MAmount", "Period", "MPartyear", "IRate", "MPayment", "MArrears",
                                    "MCompounded", "CalMortBtn", "PrintMortBtn", "MonthlyRepayment", "BitBtn8",
                                    "TotalInterest", "BitBtn9", "MortgageGridBtn", "SpeedButton2",
                                    "SpeedButton3", "BitBtn1"}));
}

TEST_F(KeyboardUse, EnterOnListsAndOptionButtonsCalculates)
{
    Activate(&main());
    for (QWidget *control : std::initializer_list<QWidget *>{main().MPayment, main().MCompounded, main().MAdvance}) {
        main().MonthlyRepayment->clear();
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Return);
        EXPECT_FALSE(main().MonthlyRepayment->text().isEmpty()) << S(control->objectName());
    }
    EXPECT_TRUE(platform.messages.empty()) << S(platform.LastMessage());

    platform.modalActions.insert("MORTAGEGRID", [&](QDialog *) {
        TMORTAGEGRID *grid = windows().grid;
        grid->AmountStep->setCurrentText("10000");
        QTest::keyClick(grid->AmountStep, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(grid->Model()->CellText(0, 2), "$60,000");
    });
    main().MortgageGridBtn->click();
}

TEST_F(KeyboardUse, WheelOverAListWithoutFocusLeavesTheFrequencyAndTheFileAlone)
{
    Activate(&main());
    main().MAmount->setFocus();
    main().SetSavedFlag(true);
    auto wheel = [](QWidget *target) {
        const QPointF at(target->width() / 2.0, target->height() / 2.0);
        QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    };
    for (QComboBox *list : {main().MPayment, main().MCompounded}) {
        wheel(list);
        EXPECT_EQ(list->currentText(), "Monthly") << S(list->objectName());
    }
    EXPECT_TRUE(main().SavedFlag());
    EXPECT_EQ(QApplication::focusWidget(), main().MAmount);

    // With the focus on it the wheel chooses, as the user means it to.
    main().MPayment->setFocus();
    wheel(main().MPayment);
    EXPECT_EQ(main().MPayment->currentText(), "Bi-Monthly");
}

TEST_F(KeyboardUse, FieldsAndResultsCarryTheirCaptionsForScreenReaders)
{
    EXPECT_EQ(main().MAmount->accessibleName(), "Mortgage Amount");
    EXPECT_EQ(main().IRate->accessibleName(), "Interest Rate");
    EXPECT_EQ(main().MPayment->accessibleName(), "Repayment");
    EXPECT_EQ(main().MCompounded->accessibleName(), "Interest Compounded");
    EXPECT_EQ(main().MonthlyRepayment->accessibleName(), "Monthly Mortgage Payment is");
    EXPECT_EQ(main().TotalInterest->accessibleName(), "Total Interest Charges are:");
    EXPECT_EQ(main().WIRepay->accessibleName(), "Repayment");
    EXPECT_EQ(main().investrate->accessibleName(),
              "If the original monthly repayment is then invested at");
    ChoosePayment("Weekly");
    EXPECT_EQ(main().MPartyear->accessibleName(), "Week(s)");
    EXPECT_EQ(main().MonthlyRepayment->accessibleName(), "Weekly Mortgage Payment is");
    platform.modalActions.insert("MSCHEDULE", [&](QDialog *) {
        EXPECT_EQ(windows().schedule->MSAmount->accessibleName(), "Amount");
        EXPECT_EQ(windows().schedule->Partyear->accessibleName(), "Week(s)");
        EXPECT_EQ(windows().schedule->MSMonthlyRepayment->accessibleName(), "Weekly Payment");
        EXPECT_EQ(windows().schedule->MSGrid->accessibleName(), "Mortgage Schedule");
    });
    main().SpeedButton2->click();
}

// The result panels take the focus and copy like any read-only field.
TEST_F(KeyboardUse, ResultPanelsAreSelectedAndCopiedFromTheKeyboard)
{
    main().CalMortBtn->click();
    Activate(&main());
    for (QWidget *panel : std::initializer_list<QWidget *>{main().MonthlyRepayment, main().TotalInterest}) {
        EXPECT_EQ(panel->focusPolicy(), Qt::StrongFocus);
        auto *label = static_cast<QLabel *>(panel);
        EXPECT_TRUE(label->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        label->setFocus();
        label->setSelection(0, static_cast<int>(label->text().size()));
        QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), label->text());
    }
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "$93,287.04");
}

TEST_F(UiTest, AtStartTypingGoesIntoTheMortgageAmount)
{
    Activate(&main());
    EXPECT_EQ(QApplication::focusWidget(), main().MAmount);
    QTest::keyClicks(QApplication::focusWidget(), "250000");
    EXPECT_EQ(main().MAmount->text(), "250000");
}

// Tab and Shift+Tab go on to the window's other controls; the arrows stay in the cells.
TEST_F(KeyboardUse, TabLeavesATableAndTheArrowsMoveInIt)
{
    OpenSchedule([&](TMSCHEDULE *schedule) {
        Activate(schedule);
        TableView *grid = schedule->MSGrid;
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(0, 0));
        QTest::keyClick(grid, Qt::Key_Right);
        EXPECT_EQ(grid->currentIndex().column(), 1);
        QTest::keyClick(grid, Qt::Key_Down);
        EXPECT_EQ(grid->currentIndex().row(), 1);
        EXPECT_EQ(QApplication::focusWidget(), grid);

        QTest::keyClick(grid, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), schedule->GraphBtn);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), schedule->PlanBtn);

        // With Ctrl too, as in a text box that takes Tab itself.
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(QApplication::focusWidget(), schedule->GraphBtn);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), schedule->PlanBtn);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), schedule->PlanBtn);
    });

    // Every other table of the program lets Tab go the same way.
    QList<QTableView *> tables;
    for (QWidget *window : std::initializer_list<QWidget *>{windows().grid, windows().additional, windows().plan,
                                                            windows().compare})
        tables << window->findChildren<QTableView *>();
    EXPECT_GE(tables.size(), 5);
    for (QTableView *table : tables)
        EXPECT_FALSE(table->tabKeyNavigation()) << S(table->objectName());
}

// Alt with a letter in an open menu chooses one item, never the first of two.
TEST_F(KeyboardUse, EveryMenuGivesEachItemAKeyOfItsOwn)
{
    std::vector<QMenu *> menus{nullptr};
    for (QAction *title : main().menuBar()->actions())
        menus.push_back(title->menu());
    for (QWidget *window : std::initializer_list<QWidget *>{windows().schedule, windows().grid,
                                                            windows().additional, windows().plan, windows().compare})
        for (QMenu *menu : window->findChildren<QMenu *>())
            menus.push_back(menu);
    emit main().RecentMenu->aboutToShow(); // filled as it opens
    menus.push_back(main().RecentMenu);

    for (QMenu *menu : menus) {
        const QList<QAction *> items = menu ? menu->actions() : main().menuBar()->actions();
        SCOPED_TRACE(menu ? S(menu->title()) : std::string("menu bar"));
        QHash<QChar, QString> owners;
        for (QAction *item : items) {
            if (item->isSeparator() || !item->isEnabled())
                continue;
            const QChar key = Keyboard::MnemonicOf(item->text());
            EXPECT_FALSE(key.isNull()) << "no Alt key: " << S(item->text());
            if (key.isNull())
                continue;
            EXPECT_FALSE(owners.contains(key)) << S(owners.value(key)) << " and " << S(item->text());
            owners.insert(key, item->text());
        }
    }
    // The items named so keep their letters.
    EXPECT_EQ(main().LoadFile1->text(), "&Open File");
    EXPECT_EQ(main().SaveFile1->text(), "&Save File");
    EXPECT_EQ(main().Exit1->text(), "&Exit");
}

TEST_F(KeyboardUse, F1OpensTheHelpPageOfTheWindowOrTabInFront)
{
    auto pressF1 = [](QWidget *window) {
        Activate(window);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_F1);
    };
    for (QWidget *tab : {main().TabSheet1, main().TabSheet2, main().TabSheet3}) {
        main().PageControl1->setCurrentWidget(tab);
        pressF1(&main());
    }
    // The Mortgage Savings tab has no page of its own: the contents.
    EXPECT_EQ(platform.helpTopics, (std::vector<int>{2, 8, 0}));

    platform.helpTopics.clear();
    main().PageControl1->setCurrentWidget(main().TabSheet1);
    for (const char *name : {"MSCHEDULE", "MORTAGEGRID", "AdditionalP", "ADDMONTHLYR", "PaymentPlan", "Compare"})
        platform.modalActions.insert(name, [&](QDialog *window) { pressF1(window); });
    platform.modalActions.insert("APOPTIONS", [&](QDialog *) { windows().options->BitBtn2->click(); });
    main().SpeedButton2->click();
    main().MortgageGridBtn->click();
    windows().options->Grid->setChecked(true);
    main().SpeedButton3->click();
    windows().options->Specific->setChecked(true);
    main().SpeedButton3->click();
    main().PaymentPlanBtn->click();
    main().CompareBtn->click();
    EXPECT_EQ(platform.helpTopics, (std::vector<int>{4, 3, 5, 6, 9, 10}));
    EXPECT_TRUE(platform.messages.empty()) << S(platform.LastMessage());
}

// The keys a user has learnt hold: a caption that changes with the frequency or
// with a file keeps its key while it still has the letter.
TEST_F(KeyboardUse, AltKeysStayWithTheirControlsAsTheFrequencyAndTheFileChange)
{
    struct Keys {
        QHash<QString, QChar> key;
        QHash<QString, QString> caption;
    };
    auto keysNow = [&] {
        Keys keys;
        for (QWidget *tab : {main().TabSheet1, main().TabSheet2, main().TabSheet3}) {
            main().PageControl1->setCurrentWidget(tab);
            const Seen seen = CaptionsIn(&main(), tab);
            for (int i = 0; i < seen.controls.size(); ++i) {
                keys.key.insert(seen.controls[i], seen.keys[i]);
                keys.caption.insert(seen.controls[i], Keyboard::Plain(seen.captions[i]));
            }
        }
        main().PageControl1->setCurrentWidget(main().TabSheet1);
        return keys;
    };
    auto choose = [&](const QString &frequency) {
        ChoosePayment(frequency);
        main().WIPayment->setCurrentText(frequency);
        emit main().WIPayment->activated(main().WIPayment->currentIndex());
    };
    const Keys start = keysNow();
    const QChar amountKey = Keyboard::MnemonicOf(main().MAmountLabel->text());
    QHash<QString, Keys> byFrequency;
    for (const QString &frequency : FrequencyTexts()) {
        choose(frequency);
        const Keys now = keysNow();
        byFrequency.insert(frequency, now);
        // A caption the frequency changed keeps its key while it holds the letter;
        // where a new caption finds all its letters taken, one other control
        // gives its key up, and no more.
        QStringList moved;
        for (auto it = start.key.begin(); it != start.key.end(); ++it) {
            const QString caption = now.caption.value(it.key());
            if (!caption.contains(*it, Qt::CaseInsensitive) || now.key.value(it.key()) == *it)
                continue;
            if (caption == start.caption.value(it.key()))
                moved << caption;
            else
                ADD_FAILURE() << S(caption) << " lost Alt+" << S(QString(*it)) << " under " << S(frequency);
        }
        EXPECT_LE(moved.size(), 1) << S(moved.join(", ")) << " under " << S(frequency);
        EXPECT_EQ(Keyboard::MnemonicOf(main().MAmountLabel->text()), amountKey) << S(frequency);
    }
    choose("Monthly");
    EXPECT_EQ(keysNow().key, start.key);

    // A file with another frequency gives the keys that frequency has by hand.
    QTemporaryDir dir;
    const QString path = dir.filePath("fortnightly.QVL");
    choose("FortNightly");
    platform.saveAnswers.push_back(path);
    main().SaveFile1->trigger();
    choose("Monthly");
    main().SetSavedFlag(true);
    platform.openAnswers.push_back(path);
    main().LoadBtn->click();
    ASSERT_EQ(main().MPayment->currentText(), "FortNightly");
    EXPECT_EQ(keysNow().key, byFrequency.value("FortNightly").key);
    EXPECT_TRUE(platform.messages.empty()) << S(platform.LastMessage());
}

// Every stop of Tab in every window is a control a screen reader names, and Tab
// reaches the transfer check box beside the tabs.
TEST_F(KeyboardUse, EveryTabStopHasANameAScreenReaderReads)
{
    for (QWidget *tab : {main().TabSheet1, main().TabSheet2, main().TabSheet3}) {
        main().PageControl1->setCurrentWidget(tab);
        QWidget *first = tab->nextInFocusChain();
        while (!(first->focusPolicy() & Qt::TabFocus) || !first->isVisible() || !tab->isAncestorOf(first))
            first = first->nextInFocusChain();
        const Stops stops = WalkTabs(&main(), first);
        EXPECT_TRUE(stops.unnamed.isEmpty()) << S(tab->objectName() + ": " + stops.unnamed.join(", "));
        EXPECT_GE(stops.visited.size(), 8) << S(tab->objectName());
        if (tab == main().TabSheet1) {
            EXPECT_TRUE(stops.visited.contains(main().TrasferValuesCheckBox));
        }
    }
    main().PageControl1->setCurrentWidget(main().TabSheet1);

    auto walk = [&](QDialog *window) {
        QWidget *first = window->nextInFocusChain();
        while (first != window && (!(first->focusPolicy() & Qt::TabFocus) || !first->isVisible()))
            first = first->nextInFocusChain();
        const Stops stops = WalkTabs(window, first);
        EXPECT_TRUE(stops.unnamed.isEmpty()) << S(window->objectName() + ": " + stops.unnamed.join(", "));
        EXPECT_GE(stops.visited.size(), 2) << S(window->objectName());
    };
    InEveryWindow(walk, true);
    EXPECT_EQ(platform.modalWindows.size(), 9);
    TPlanEventDialog *dialog = windows().plan->EventDialog();
    dialog->show();
    walk(dialog);
    dialog->hide();
    EXPECT_TRUE(platform.messages.empty()) << S(platform.LastMessage());
}

// After a check refuses a field the focus is in it, its text selected, so what
// the user types next replaces it; on the tab or in the window where it is.
TEST_F(KeyboardUse, AfterAnInputMessageTheFocusIsInTheFieldAtFaultWithItsTextSelected)
{
    auto expectAt = [&](QLineEdit *field, const std::string &where) {
        SCOPED_TRACE(where);
        EXPECT_EQ(platform.messages.size(), 1u) << S(platform.MessageTexts().join(" | "));
        platform.messages.clear();
        EXPECT_EQ(field->window()->focusWidget(), field) << S(field->objectName());
        EXPECT_EQ(field->selectedText(), field->text());
        EXPECT_FALSE(field->text().isEmpty());
    };
    Activate(&main());
    const std::pair<QLineEdit *, const char *> mortgage[] = {
        {main().MAmount, "lots"}, {main().Period, "x"}, {main().MPartyear, "13"}, {main().IRate, "7%"}};
    for (const auto &[field, text] : mortgage) {
        const QString kept = field->text();
        field->setText(QLatin1String(text));
        main().CalMortBtn->click();
        expectAt(field, "Mortgage " + S(field->objectName()));
        field->setText(kept);
    }
    main().MAmount->setText("lots");
    main().MortgageGridBtn->click();
    expectAt(main().MAmount, "Mortgage Grid button");
    main().MAmount->setText("100000");

    main().PageControl1->setCurrentWidget(main().TabSheet2);
    main().PaymentRB->setChecked(true);
    main().WIPrincipal->setText("100000");
    main().WIPeriods->setText("25");
    main().WIInterest->setText("six");
    main().SpeedButton4->click();
    expectAt(main().WIInterest, "What If?");

    main().PageControl1->setCurrentWidget(main().TabSheet3);
    main().MSavingsAmount->setText("abc");
    main().MSavingsAmountExit(main().MSavingsAmount);
    expectAt(main().MSavingsAmount, "Mortgage Savings");
    main().MSavingsAmount->clear();
    main().PageControl1->setCurrentWidget(main().TabSheet1);

    OpenSchedule([&](TMSCHEDULE *schedule) {
        Activate(schedule);
        schedule->MSInterest->setText("many");
        schedule->CalculateBtn->click();
        expectAt(schedule->MSInterest, "schedule");
        schedule->MSInterest->setText("6");
        schedule->Partyear->setText("x");
        schedule->CalculateBtn->click();
        expectAt(schedule->Partyear, "schedule's part year");
    });
    OpenGrid([&](TMORTAGEGRID *grid) {
        Activate(grid);
        grid->Years->setText("99");
        grid->SpeedButton1->click();
        expectAt(grid->Years, "grid");
    });
    OpenAdditional([&](TAdditionalP *additional) {
        Activate(additional);
        additional->APAmount->setText("-5");
        additional->SpeedButton2->click();
        expectAt(additional->APAmount, "additional payments");
    });
    windows().options->Specific->setChecked(true);
    platform.modalActions.insert("APOPTIONS", [&](QDialog *) { windows().options->BitBtn2->click(); });
    platform.modalActions.insert("ADDMONTHLYR", [&](QDialog *window) {
        auto *specific = windows().specific;
        Activate(window);
        specific->AdditionalMR->setText("100");
        specific->RadioButton2->setChecked(true);
        specific->Year->setText("77");
        specific->BitBtn1->click();
        expectAt(specific->Year, "specific additional payment");
    });
    main().SpeedButton3->click();
}
