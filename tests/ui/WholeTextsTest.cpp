// SPDX-License-Identifier: GPL-3.0-or-later
// Edit boxes limit what the user types, never what the program copies or loads into
// them: a text that arrives too long is shown whole and refused by the tab's checks.
#include "engine/LoanChecks.h"
#include "tests/ui/UiFixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest/QTest>

namespace {

const QByteArray kSaved = "100000\r\n25\r\n0\r\n6.5\r\n3\r\n3\r\nTRUE\r\nFALSE\r\n\r\n\r\n\r\n\r\n\r\nTRUE\r\n"
                          "\r\n\r\n\r\n\r\n\r\n1\r\n3\r\n1\r\n3\r\n";

const QString kAmountMessage = "You must enter a valid Mortgage amount between 0 and 999999999";

} // namespace

class WholeTexts : public UiTest {
protected:
    // Presses Calculate and returns what the Mortgage tab's own checks say of the loan.
    QString CalculateAndExpectRefusal(LoanField field)
    {
        platform.messages.clear();
        main().CalMortBtn->click();
        const auto problem = CheckLoanTexts(main().CurrentLoanTexts(), LoanChecks::Mortgage());
        EXPECT_TRUE(problem.has_value());
        if (!problem)
            return QString();
        EXPECT_EQ(problem->field, field);
        EXPECT_EQ(OnlyMessage().text, problem->message.text);
        EXPECT_TRUE(main().MonthlyRepayment->text().isEmpty());
        return problem->message.text;
    }
};

TEST_F(WholeTexts, TypingStopsAtTheLimitWhileSetTextsStayWhole)
{
    const std::pair<QLineEdit *, int> limited[] = {
        {main().MAmount, 9}, {main().Period, 2}, {main().MPartyear, 3}, {main().IRate, 8}};
    for (const auto &[edit, limit] : limited) {
        SCOPED_TRACE(edit->objectName().toStdString());
        EXPECT_EQ(Look::TypingLimitOf(edit), limit);
        EXPECT_EQ(edit->maxLength(), 32767); // the widget's own limit would cut set texts
        edit->clear();
        edit->setFocus();
        QTest::keyClicks(edit, "1234567890123");
        EXPECT_EQ(edit->text(), QString("1234567890123").left(limit));
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit->text().size(), limit - 1);

        const QString whole = "98765432109";
        edit->setText(whole);
        EXPECT_EQ(edit->text(), whole);
        // A text already past the limit may be shortened but not lengthened.
        edit->end(false);
        QTest::keyClicks(edit, "5");
        EXPECT_EQ(edit->text(), whole);
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit->text(), whole.left(whole.size() - 1));
    }
}

TEST_F(WholeTexts, EnterOnAnOverLongTextStillCalculatesAndRefuses)
{
    TypeLoan("1000000000", "25", "6.5");
    platform.messages.clear();
    main().MAmount->setFocus();
    QTest::keyClick(main().MAmount, Qt::Key_Return);
    EXPECT_EQ(OnlyMessage().text, kAmountMessage);
}

TEST_F(WholeTexts, TransferredTextsArriveWholeAndMeetTheMortgageChecks)
{
    main().PageControl1->setCurrentWidget(main().TabSheet2);
    main().PaymentRB->setChecked(true);
    main().WIPrincipal->setText("250000");
    main().WIPeriods->setText("180");
    main().WIInterest->setText("4.5");
    main().TransferBtn->click();
    EXPECT_EQ(main().Period->text(), "180");
    EXPECT_TRUE(CalculateAndExpectRefusal(LoanField::Term).contains("period"));

    main().PageControl1->setCurrentWidget(main().TabSheet2);
    main().WIPrincipal->setText("1552068640");
    main().WIPeriods->setText("30");
    main().WIInterest->setText("123456789.5");
    main().TransferBtn->click();
    EXPECT_EQ(main().MAmount->text(), "1552068640");
    EXPECT_EQ(main().IRate->text(), "123456789.5");
    EXPECT_EQ(CalculateAndExpectRefusal(LoanField::Amount),
              kAmountMessage);
}

TEST_F(WholeTexts, LoadedLinesArriveWholeAndMeetTheMortgageChecks)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("big.QVL");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("1000000000" + kSaved.mid(kSaved.indexOf("\r\n")));
    }
    main().SetSavedFlag(true);
    platform.openAnswers.push_back(path);
    main().LoadBtn->click();
    EXPECT_TRUE(platform.messages.empty()) << S(platform.MessageTexts().join(" | "));
    EXPECT_EQ(main().MAmount->text(), "1000000000");
    EXPECT_EQ(CalculateAndExpectRefusal(LoanField::Amount),
              kAmountMessage);

    // Saved again, the file keeps the line as it was loaded.
    platform.saveAnswers.push_back(dir.filePath("again"));
    main().SaveBtn->click();
    QFile again(dir.filePath("again.QVL"));
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_TRUE(again.readAll().startsWith("1000000000\r\n"));
}
