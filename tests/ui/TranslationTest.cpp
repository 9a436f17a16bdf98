// SPDX-License-Identifier: GPL-3.0-or-later
// Under German the windows, their messages and Qt's own buttons speak German, while
// printed reports and CSV files keep their English words; English changes nothing.
#include "tests/ui/UiFixture.h"
#include "tests/common/TestFiles.h"

#include "printing/Printing.h"
#include "platform/RecordingPrinterChannel.h"
#include "ui/common/Translation.h"

#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTranslator>

namespace {

// The plain captions of a message box's standard buttons.
QStringList ButtonTexts(QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Quovella"), QStringLiteral("?"), buttons);
    QStringList texts;
    for (QAbstractButton *button : box.buttons())
        texts << button->text().remove(QLatin1Char('&'));
    texts.sort();
    return texts;
}

} // namespace

// The program's windows are made after the language is installed, as main() does.
class German : public UiTest {
protected:
    void SetUp() override
    {
        Translation::Install(*QCoreApplication::instance(), QLocale(QStringLiteral("de_DE")));
        ASSERT_TRUE(few.load(QStringLiteral(":/test-i18n/quovella_test_de.qm")));
        QCoreApplication::installTranslator(&few);
        UiTest::SetUp();
    }

    void TearDown() override
    {
        UiTest::TearDown();
        QCoreApplication::removeTranslator(&few);
        Translation::Install(*QCoreApplication::instance(), QLocale(QLocale::English, QLocale::UnitedStates));
    }

    QTranslator few;
};

TEST(Translation, QtsOwnButtonsFollowTheLanguageAndEnglishInstallsNothing)
{
    QCoreApplication &app = *QCoreApplication::instance();
    const QStringList english = ButtonTexts(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(english, QStringList({"Cancel", "No", "Yes"}));

    Translation::Install(app, QLocale(QStringLiteral("de_DE")));
    EXPECT_EQ(ButtonTexts(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel),
              QStringList({"Abbrechen", "Ja", "Nein"}));
    // A second call replaces the first: back in English, nothing is left installed.
    for (const QLocale &locale : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale::c()}) {
        Translation::Install(app, locale);
        EXPECT_EQ(ButtonTexts(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel), english)
            << locale.name().toStdString();
        EXPECT_EQ(QCoreApplication::translate("TMORTLOAN", "&File"), "&File");
    }
}

TEST_F(German, WindowsAndMessagesSpeakGermanWhileReportsAndCsvStayEnglish)
{
    ASSERT_FALSE(main().menuBar()->actions().isEmpty());
    EXPECT_EQ(main().menuBar()->actions().first()->text(), "&Datei");
    EXPECT_EQ(main().MAmountLabel->text().remove('&'), "Darlehensbetrag");
    EXPECT_EQ(main().PageControl1->tabText(0).remove('&'), "Hypothek");

    TypeLoan("none", "25", "6");
    main().CalMortBtn->click();
    EXPECT_EQ(OnlyMessage().text, "Geben Sie einen gültigen Darlehensbetrag zwischen 0 und 999999999 ein");
    platform.messages.clear();

    TypeLoan("100000", "25", "6");
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    OpenSchedule([&](TMSCHEDULE *schedule) {
        EXPECT_EQ(schedule->windowTitle(), "Tilgungsplan");
        EXPECT_EQ(schedule->Label5->text().remove('&'), "Jahre");

        RecordingPrinterChannel channel;
        PrintSchedule(schedule->ReportInputs(), channel);
        const QString printed = channel.Texts().join('\n');
        EXPECT_TRUE(printed.contains("Mortgage Schedule")) << printed.left(400).toStdString();
        EXPECT_TRUE(printed.contains("Years:")) << printed.left(400).toStdString();
        EXPECT_FALSE(printed.contains("Tilgungsplan") || printed.contains("Jahre") || printed.contains("Betrag"));

        const QString path = folder.filePath("schedule.csv");
        platform.saveAnswers.push_back(path);
        auto *button = schedule->findChild<QPushButton *>("ExportBtn");
        ASSERT_NE(button, nullptr);
        button->click();
        EXPECT_TRUE(FileBytes(path).startsWith("period,interest,capital,balance,accumulated_interest,accumulated_capital\n"))
            << FileBytes(path).left(100).toStdString();
    });

    main().BitBtn9->click();
    EXPECT_EQ(windows().chart->MortgageChart->SliceLabel(0), "Tilgung");
    windows().chart->BitBtn1->click(); // printed with its English words
    EXPECT_EQ(windows().chart->MortgageChart->SliceLabel(0), "Tilgung");
    EXPECT_EQ(platform.landscapePages, 1);
    EXPECT_TRUE(platform.messages.empty()) << platform.MessageTexts().join(" | ").toStdString();
}

// The frequency lists show German names but hold the English selectors, which the
// program compares and the reports print.
TEST_F(German, FrequenciesShowGermanWhileTheReportsPrintTheEnglishWords)
{
    QComboBox *payment = main().MPayment;
    const int k = payment->findData(QStringLiteral("Bi-Monthly"));
    ASSERT_EQ(k, 4);
    EXPECT_EQ(payment->itemText(k), "Halbmonatlich");
    EXPECT_EQ(main().WIPayment->itemText(k), "Halbmonatlich");
    ChoosePayment("Bi-Monthly");
    EXPECT_EQ(main().CurrentLoanTexts().payment, "Bi-Monthly");
    EXPECT_EQ(main().Panel1->title(), "   Die halbmonatliche Rate beträgt");
    EXPECT_EQ(main().Label98->text().remove('&'), "Halbmonat(e)");

    TypeLoan("100000", "25", "6", "3");
    main().CalMortBtn->click();
    EXPECT_FALSE(main().MonthlyRepayment->text().isEmpty());
    RecordingPrinterChannel details;
    PrintMortgageDetails(main().DetailsReportInputs(), details);
    const QString printed = details.Texts().join('\n');
    for (const char *english : {"Half-Month(s): 3", "Payment:             Bi-Monthly", "Bi-Monthly Mortgage Payment is"})
        EXPECT_TRUE(printed.contains(english)) << english << "\n" << printed.toStdString();
    EXPECT_FALSE(printed.contains("Halbmonat")) << printed.toStdString();

    OpenSchedule([&](TMSCHEDULE *schedule) {
        EXPECT_EQ(schedule->Label4->text(), "Halbmonatliche Rate");
        EXPECT_EQ(schedule->Label11->text().remove('&'), "Halbmonat(e)");
        RecordingPrinterChannel channel;
        PrintSchedule(schedule->ReportInputs(), channel);
        const QString report = channel.Texts().join('\n');
        EXPECT_TRUE(report.contains("Half-Month(s)")) << report.left(600).toStdString();
        EXPECT_TRUE(report.contains("Bi-Monthly")) << report.left(600).toStdString();
        EXPECT_FALSE(report.contains("Halbmonat")) << report.left(600).toStdString();
    });
    EXPECT_TRUE(platform.messages.empty()) << platform.MessageTexts().join(" | ").toStdString();
}

// The tables' headings and the schedule's period choice are German on the screen and
// to a screen reader, while the printed reports keep the English headings.
TEST_F(German, TableHeadingsShowGermanWhileTheReportsPrintEnglish)
{
    TypeLoan("100000", "25", "6", "");
    main().CalMortBtn->click();
    OpenSchedule([&](TMSCHEDULE *schedule) {
        EXPECT_EQ(schedule->Year->text().remove('&'), "Jahr");
        EXPECT_EQ(schedule->Month->text().remove('&'), "Monat");
        EXPECT_EQ(schedule->Label10->text(), "Jahr");
        EXPECT_EQ(schedule->MSGrid->model()->headerData(1, Qt::Horizontal, Qt::AccessibleTextRole), "Zinsen");
        schedule->Month->click();
        EXPECT_EQ(schedule->Label10->text(), "Monat");
        RecordingPrinterChannel channel;
        PrintSchedule(schedule->ReportInputs(), channel);
        const QString report = channel.Texts().join('\n');
        for (const char *english : {"Month", "Interest", "Outstanding", "Balance"})
            EXPECT_TRUE(report.contains(english)) << english << "\n" << report.left(800).toStdString();
        EXPECT_FALSE(report.contains("Monat")) << report.left(800).toStdString();
        EXPECT_FALSE(report.contains("Zinsen")) << report.left(800).toStdString();
    });
    OpenAdditional([&](TAdditionalP *additional) {
        EXPECT_EQ(additional->Label5->text().remove('&'), "Monatlich");
        EXPECT_EQ(additional->Label7->text(), "Erforderliche Zusatzzahlung (Monatlich)");
        EXPECT_EQ(additional->Label11->text(), "Ersparte Zinsen");
        RecordingPrinterChannel channel;
        PrintAdditionalPayments(additional->ReportInputs(), channel);
        const QString report = channel.Texts().join('\n');
        for (const char *english : {"Additional", "Monthly", "Required", "Saved"})
            EXPECT_TRUE(report.contains(english)) << english << "\n" << report.left(800).toStdString();
        EXPECT_FALSE(report.contains("Ersparte")) << report.left(800).toStdString();
    });
    EXPECT_TRUE(platform.messages.empty()) << platform.MessageTexts().join(" | ").toStdString();
}

// The additional payment's window and the balance graph speak German, while the
// calculator's sentence and the graph as printed and exported keep the English words.
TEST_F(German, PayOffSentenceAndBalanceGraphShowGermanWhilePrintedGraphStaysEnglish)
{
    TypeLoan("100000", "25", "6");
    windows().options->Specific->setChecked(true);
    platform.modalActions.insert("APOPTIONS", [&](QDialog *) { windows().options->BitBtn2->click(); });
    platform.modalActions.insert("ADDMONTHLYR", [&](QDialog *) {
        TADDMONTHLYR *specific = windows().specific;
        EXPECT_EQ(specific->Label1->text().remove('&'), "Zusätzlich: Monatliche Rate");
        specific->AdditionalMR->setText("100");
        specific->BitBtn1->click();
        EXPECT_EQ(specific->NewPeriod->text(), "Sie haben Ihre 25-jährige Hypothek in 18 Jahren und 8 Monaten abbezahlt");
        ASSERT_TRUE(specific->lastRun.has_value());
        EXPECT_EQ(specific->lastRun->result.sentence, "You have paid off your 25 Year Mortgage in 18 Years and 8 Months");
        specific->BitBtn2->click();
    });
    main().SpeedButton3->click();

    platform.modalActions.insert("MSCHEDULE", [&](QDialog *) { windows().schedule->GraphBtn->click(); });
    platform.modalActions.insert("BalanceGraphForm", [&](QDialog *) {
        TBalanceGraphForm *graph = windows().balance;
        const QRectF area(0, 0, 526, 380);
        EXPECT_EQ(graph->Graph->Geometry(area).legend.mid(0, 2), QStringList({"Restschuld", "Mit Sonderzahlung"}));
        const std::unique_ptr<BalanceGraph> english = graph->EnglishGraph();
        EXPECT_EQ(english->Geometry(area).legend,
                  QStringList({"Outstanding Balance", "With Additional Payment", "Accumulated Capital",
                               "Accumulated Interest"}));
        EXPECT_EQ(english->Title(), graph->Graph->Title());
        platform.printerAnswers.push_back(true);
        graph->PrintBtn->click();
    });
    main().SpeedButton2->click();
    EXPECT_EQ(platform.landscapePages, 1);
    EXPECT_TRUE(platform.messages.empty()) << platform.MessageTexts().join(" | ").toStdString();
}
