// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule's CSV and JSON, byte for byte as they were when every money cell
// was written as locale text and read back, for every pair of frequencies.
#include "cli/Commands.h"
#include "engine/LoanChecks.h"
#include "engine/Schedule.h"
#include "engine/TableTexts.h"
#include "tests/cli/Args.h"
#include "tests/common/FrequencyCases.h"
#include "tests/common/LocaleMachineTexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <tuple>

namespace {

struct CaseLoan {
    const char *amount;
    const char *rate;
    const char *years;
    const char *part; // left out for yearly payments, which have no part-year
};

// An ordinary loan with a part-year, and a high rate where cents round often.
constexpr CaseLoan kLoans[] = {{"250000", "7.25", "3", "1"}, {"999999999", "100", "2", "1"}};

QString ExpectedCsv(const std::vector<ScheduleRow> &rows)
{
    QString csv = TrimmingCsvLine(ScheduleHeadings(QString(), TextStyle::Machine())) + QLatin1Char('\n');
    for (const ScheduleRow &row : rows)
        csv += TrimmingCsvLine({QString::number(row.period), LocaleMachineMoneyText(row.interest),
                                LocaleMachineMoneyText(row.capital), LocaleMachineMoneyText(row.balance),
                                LocaleMachineMoneyText(row.accumulatedInterest),
                                LocaleMachineMoneyText(row.accumulatedCapital)})
            + QLatin1Char('\n');
    return csv;
}

QString ExpectedJson(const Loan &loan, const std::vector<ScheduleRow> &rows)
{
    QJsonArray table;
    for (const ScheduleRow &row : rows)
        table.append(QJsonArray{QString::number(row.period).toDouble(),
                                LocaleMachineMoneyText(row.interest).toDouble(),
                                LocaleMachineMoneyText(row.capital).toDouble(),
                                LocaleMachineMoneyText(row.balance).toDouble(),
                                LocaleMachineMoneyText(row.accumulatedInterest).toDouble(),
                                LocaleMachineMoneyText(row.accumulatedCapital).toDouble()});
    QJsonObject object;
    object.insert(QStringLiteral("repayment"), LocaleMachineMoneyText(loan.Repayment()).toDouble());
    object.insert(QStringLiteral("rows"), table);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
}

class ScheduleMachineOutput : public testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(ScheduleMachineOutput, MatchesTheLocaleTextPathByteForByte)
{
    const QString payment = Frequencies()[std::get<0>(GetParam())].selector;
    const QString compounding = Frequencies()[std::get<1>(GetParam())].selector;
    const bool yearly = payment == QLatin1String("Annualy");
    for (const CaseLoan &c : kLoans) {
        for (const Timing timing : {Timing::InArrears, Timing::InAdvance}) {
            LoanTexts texts;
            texts.amount = QString::fromLatin1(c.amount);
            texts.rate = QString::fromLatin1(c.rate);
            texts.years = QString::fromLatin1(c.years);
            texts.part = yearly ? QString() : QString::fromLatin1(c.part);
            texts.payment = payment;
            texts.compounded = compounding;
            texts.timing = timing;
            const Loan loan = LoanOfTexts(texts, QLocale::c());
            QStringList args = Args({"schedule", "--amount", c.amount, "--rate", c.rate, "--years", c.years},
                                    {QStringLiteral("--payment"), payment, QStringLiteral("--compounding"),
                                     compounding});
            if (!yearly)
                args << QStringLiteral("--part") << texts.part;
            if (timing == Timing::InAdvance)
                args << QStringLiteral("--advance");
            for (const ScheduleBy by : {ScheduleBy::Period, ScheduleBy::Year}) {
                SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString()
                             + (by == ScheduleBy::Period ? " --by period" : " --by year"));
                const QStringList byArgs = args + QStringList{QStringLiteral("--by"),
                    by == ScheduleBy::Period ? QStringLiteral("period") : QStringLiteral("year")};
                const std::vector<ScheduleRow> rows = BuildSchedule(loan, by);

                const CommandResult csv = RunCommandLine(byArgs + QStringList{QStringLiteral("--csv")});
                ASSERT_EQ(csv.status, ExitOk) << csv.err.toStdString();
                EXPECT_EQ(csv.out.toUtf8(), ExpectedCsv(rows).toUtf8());

                const CommandResult json = RunCommandLine(byArgs + QStringList{QStringLiteral("--json")});
                ASSERT_EQ(json.status, ExitOk) << json.err.toStdString();
                EXPECT_EQ(json.out.toUtf8(), ExpectedJson(loan, rows).toUtf8());
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFrequencyPair, ScheduleMachineOutput,
                         testing::Combine(EveryFrequency(), EveryFrequency()),
                         [](const testing::TestParamInfo<std::tuple<int, int>> &info) {
                             return FrequencyCaseName(std::get<0>(info.param)) + "_"
                                 + FrequencyCaseName(std::get<1>(info.param));
                         });

} // namespace
