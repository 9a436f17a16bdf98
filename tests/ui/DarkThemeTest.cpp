// SPDX-License-Identifier: GPL-3.0-or-later
// Every text stays readable whatever the desktop's colours: where the program
// chooses a background it also chooses the text colour that goes with it.
#include "tests/ui/UiFixture.h"

#include "ui/windows/BalanceGraphUnit.h"
#include "ui/windows/CompareUnit.h"
#include "ui/windows/PaymentPlanUnit.h"

#include <QAbstractItemModel>
#include <QHeaderView>

namespace {

using Look::Contrast;

TEST(ContrastTest, FollowsTheRelativeLuminanceOfBothColours)
{
    EXPECT_DOUBLE_EQ(Contrast(Qt::black, Qt::white), 21.0);
    EXPECT_DOUBLE_EQ(Contrast(Qt::white, Qt::black), 21.0);
    EXPECT_DOUBLE_EQ(Contrast(Look::Teal(), Look::Teal()), 1.0);
    EXPECT_NEAR(Contrast(Qt::white, Look::Teal()), 4.77, 0.01);
    EXPECT_EQ(Look::TextFor(Look::Teal()), QColor(Qt::white));
    EXPECT_EQ(Look::TextFor(Look::ResultColour()), QColor(Qt::black));
    EXPECT_EQ(Look::TextFor(Look::Navy()), QColor(Qt::white));
}

// Large text, 14 points bold or 18 points, reads at 3 : 1; other text needs 4.5 : 1.
double NeededContrast(const QWidget *widget)
{
    const QFont font = widget->font();
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    return points >= 18 || (font.bold() && points >= 14) ? 3.0 : 4.5;
}

// The green bold explanations on their grey face are kept as they were drawn
// (3.3 : 1); they are the same in every theme.
bool IsExplanation(const QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText) == Look::Green()
           && widget->parentWidget()->palette().color(QPalette::Window) == Look::ButtonFace();
}

QPalette DarkPalette()
{
    QPalette dark;
    const QColor text(238, 238, 236);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        dark.setColor(group, QPalette::Window, QColor(53, 53, 53));
        dark.setColor(group, QPalette::WindowText, text);
        dark.setColor(group, QPalette::Base, QColor(36, 36, 36));
        dark.setColor(group, QPalette::AlternateBase, QColor(48, 48, 48));
        dark.setColor(group, QPalette::Text, text);
        dark.setColor(group, QPalette::Button, QColor(60, 60, 60));
        dark.setColor(group, QPalette::ButtonText, text);
        dark.setColor(group, QPalette::ToolTipBase, QColor(30, 30, 30));
        dark.setColor(group, QPalette::ToolTipText, text);
        dark.setColor(group, QPalette::Highlight, QColor(21, 83, 158));
        dark.setColor(group, QPalette::HighlightedText, Qt::white);
        dark.setColor(group, QPalette::Light, QColor(80, 80, 80));
        dark.setColor(group, QPalette::Midlight, QColor(70, 70, 70));
        dark.setColor(group, QPalette::Mid, QColor(45, 45, 45));
        dark.setColor(group, QPalette::Dark, QColor(25, 25, 25));
        dark.setColor(group, QPalette::Shadow, Qt::black);
    }
    return dark;
}

// The colour a widget's text is drawn on: its own background where it paints
// one, else that of the nearest parent that does, else its window's.
QColor BackgroundUnder(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        const auto *tool = qobject_cast<const QToolButton *>(w);
        const bool ownBackground = w->autoFillBackground() || qobject_cast<const QLineEdit *>(w)
                                   || (qobject_cast<const QPushButton *>(w) && !static_cast<const QPushButton *>(w)->isFlat())
                                   || (tool && !tool->autoRaise());
        if (ownBackground || w->isWindow())
            return w->palette().color(w->backgroundRole());
    }
    return widget->palette().color(QPalette::Window);
}

QString TextOf(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text().isEmpty() ? edit->placeholderText() : edit->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *group = qobject_cast<const QGroupBox *>(widget))
        return group->title();
    return {};
}

// Every readable text of a shown window, and every cell of its tables, with the
// contrast it is drawn at.
void ExpectReadable(QWidget *window, const std::string &where)
{
    SCOPED_TRACE(where);
    ASSERT_TRUE(window->isVisible());
    int checked = 0;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        // Disabled controls are greyed on purpose; the header title is drawn over a picture.
        if (!w->isVisible() || !w->isEnabled() || w->testAttribute(Qt::WA_TranslucentBackground))
            continue;
        if (auto *table = qobject_cast<QTableView *>(w)) {
            const QAbstractItemModel *model = table->model();
            for (int row = 0; row < std::min(model->rowCount(), 40); ++row)
                for (int column = 0; column < model->columnCount(); ++column) {
                    const QModelIndex cell = model->index(row, column);
                    const QVariant fore = cell.data(Qt::ForegroundRole);
                    const QVariant back = cell.data(Qt::BackgroundRole);
                    const QColor text = fore.isValid() ? fore.value<QBrush>().color() : table->palette().color(QPalette::Text);
                    const QColor ground = back.isValid() ? back.value<QBrush>().color() : table->palette().color(QPalette::Base);
                    EXPECT_GE(Contrast(text, ground), 4.5)
                        << S(table->objectName()) << " cell " << row << "," << column << ": "
                        << S(text.name()) << " on " << S(ground.name());
                    ++checked;
                }
            continue;
        }
        const bool kind = qobject_cast<QLabel *>(w) || qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractButton *>(w)
                          || qobject_cast<QGroupBox *>(w);
        if (!kind || Keyboard::Plain(TextOf(w)).trimmed().isEmpty())
            continue;
        const QColor text = w->palette().color(w->foregroundRole());
        const QColor ground = BackgroundUnder(w);
        if (IsExplanation(w))
            continue;
        EXPECT_GE(Contrast(text, ground), NeededContrast(w))
            << S(w->metaObject()->className()) << " " << S(w->objectName()) << " \"" << S(TextOf(w)) << "\": "
            << S(text.name()) << " on " << S(ground.name());
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

class ThemeTest : public UiTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        saved = QApplication::palette();
        if (GetParam())
            QApplication::setPalette(DarkPalette());
        UiTest::SetUp();
    }
    void TearDown() override
    {
        UiTest::TearDown();
        QApplication::setPalette(saved);
    }

    void ExpectShownReadable(QWidget *window, const std::string &where)
    {
        window->show();
        Settle();
        ExpectReadable(window, where);
        window->hide();
    }

    QPalette saved;
};

TEST_P(ThemeTest, EveryTextReachesTheContrastOfReadableText)
{
    TypeLoan("100000", "25", "6");
    main().CalMortBtn->click();
    Settle();
    for (int tab = 0; tab < main().PageControl1->count(); ++tab) {
        main().PageControl1->setCurrentIndex(tab);
        Settle();
        ExpectReadable(&main(), "main window, tab " + S(main().PageControl1->tabText(tab)));
    }
    OpenSchedule([&](TMSCHEDULE *w) { ExpectReadable(w, "schedule"); });
    OpenGrid([&](TMORTAGEGRID *w) { ExpectReadable(w, "grid"); });
    OpenAdditional([&](TAdditionalP *w) { ExpectReadable(w, "additional payments"); });
    ExpectShownReadable(windows().options, "additional payment options");
    ExpectShownReadable(windows().specific, "specific payments");
    ExpectShownReadable(windows().plan, "payment plan");
    ExpectShownReadable(windows().compare, "compare");
    ExpectShownReadable(windows().balance, "balance graph");
    ExpectShownReadable(windows().chart, "cost graph");
    ExpectShownReadable(windows().about, "about");
}

INSTANTIATE_TEST_SUITE_P(Themes, ThemeTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool> &info) { return info.param ? "Dark" : "Light"; });

} // namespace
