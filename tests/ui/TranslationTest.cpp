// SPDX-License-Identifier: GPL-3.0-or-later
// Under German the windows, their messages and Qt's own buttons speak German, while
// printed reports and CSV files keep their English words; English changes nothing.
#include "tests/ui/UiFixture.h"
#include "tests/common/TestFiles.h"

#include "printing/Printing.h"
#include "platform/RecordingPrinterChannel.h"
#include "ui/common/Translation.h"
#include "ui/windows/PaymentPlanUnit.h"
#include "engine/Comparison.h"
#include "engine/LoanChecks.h"
#include "engine/TableTexts.h"

#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTableWidget>
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
        EXPECT_EQ(graph->Graph->Title(), "Restschuld: $100,000.00 zu 6 % über 25 Jahre");
        EXPECT_EQ(english->Title(), "Mortgage Balance: $100,000.00 at 6% for 25 years");
        // German keeps its nouns' capitals mid-sentence; English writes the units in lower case.
        EXPECT_EQ(graph->Graph->Series().extraNote, "Getilgt in 18 Jahren und 8 Monaten");
        EXPECT_EQ(english->Series().extraNote, "Paid off in 18 years and 8 months");
        platform.printerAnswers.push_back(true);
        graph->PrintBtn->click();
    });
    main().SpeedButton2->click();
    EXPECT_EQ(platform.landscapePages, 1);
    EXPECT_TRUE(platform.messages.empty()) << platform.MessageTexts().join(" | ").toStdString();
}

// The plan's captions, events and pay-off time are German on screen; its printed
// report keeps the English words, read from the plan rather than from the window.
TEST_F(German, PaymentPlanShowsGermanWhileItsReportStaysEnglish)
{
    TypeLoan("100000", "25", "6");
    PaymentPlan plan;
    plan.events = {PlanEvent{PlanEventKind::Extra, 100, 13, 0, false},
                   PlanEvent{PlanEventKind::LumpSum, 5000, 24, 0, true}};
    main().SetPlan(plan);
    platform.modalActions.insert("PaymentPlan", [&](QDialog *) {
        TPaymentPlan *window = windows().plan;
        EXPECT_EQ(window->PaymentsLabel->text().remove('&'), "Geleistete Raten");
        EXPECT_EQ(window->PaidOffLabel->text().remove('&'), "Getilgt");
        EXPECT_TRUE(window->LoanText->text().contains("Monatlich")) << S(window->LoanText->text());
        ASSERT_EQ(window->PlanEvents->rowCount(), 2);
        EXPECT_EQ(window->PlanEvents->item(0, 0)->text(), "Sonderzahlung");
        EXPECT_EQ(window->PlanEvents->item(0, 2)->text(), "Rate 13");
        EXPECT_EQ(window->PlanEvents->item(0, 3)->text(), "Bis zum Ende");
        EXPECT_EQ(window->PlanEvents->item(1, 3)->text(), "Rate senken");
        EXPECT_TRUE(window->PaidOff->text().contains(QRegularExpression("^\\d+ Jahre( und \\d+ Monate?)?$")))
            << S(window->PaidOff->text());

        RecordingPrinterChannel channel;
        PrintPaymentPlan(window->ReportInputs(), channel);
        const QString printed = channel.Texts().join('\n');
        for (const char *english : {"Extra payment, $100.00, Payment 13, To the end",
                                    "Lump sum, $5,000.00, Payment 24, Lower the repayment", "Payments made",
                                    "Paid off in", "Total interest with the plan", "Repayment at the end"})
            EXPECT_TRUE(printed.contains(english)) << english << "\n" << S(printed.left(1200));
        EXPECT_TRUE(printed.contains(QRegularExpression("\\d+ years( and \\d+ months?)?"))) << S(printed.left(1200));
        for (const char *german : {"Sonderzahlung", "Rate ", "Jahre", "Getilgt", "Monatlich"})
            EXPECT_FALSE(printed.contains(german)) << german;
    });
    main().PaymentPlanBtn->click();
    EXPECT_EQ(platform.modalWindows.count("PaymentPlan"), 1);
}

// A term and a time to pay off read in the user's language on screen, in English in
// reports and copies.
TEST_F(German, TermsAreGermanOnScreenAndEnglishInReports)
{
    const Loan loan = LoanOfTexts(LoanTexts{"100000", "25", "7", "6", "Monthly", "Monthly", Timing::InArrears});
    PaymentPlan sooner;
    sooner.events = {PlanEvent{PlanEventKind::LumpSum, 20000, 12, 0, false}};
    const Comparison comparison = Compare({ComparedLoan{"A", loan, {}, {}}, ComparedLoan{"B", loan, sooner, {}}});
    auto cell = [&](ComparisonRow row, int column, const TextStyle &style) {
        return ComparisonCellText(comparison, static_cast<int>(row), column, style);
    };
    EXPECT_EQ(cell(ComparisonRow::Term, 1, TextStyle::Screen()), "25 Jahre und 7 Monate");
    EXPECT_EQ(cell(ComparisonRow::Term, 1, TextStyle::Shown()), "25 years and 7 months");
    EXPECT_TRUE(cell(ComparisonRow::PayOff, 2, TextStyle::Screen()).contains(" Jahre"));
    EXPECT_TRUE(cell(ComparisonRow::PayOff, 2, TextStyle::Shown()).contains(" years"));
    EXPECT_EQ(PayOffTime(27, 26, true), "1 Jahr und 1 Doppelwoche");
    EXPECT_EQ(PayOffTime(27, 26), "1 year and 1 fortnight");
}
