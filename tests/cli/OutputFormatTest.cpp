// SPDX-License-Identifier: GPL-3.0-or-later
// What the three output formats look like, and what bad input can never produce.
#include "tests/cli/Args.h"
#include "tests/cli/CalcProcess.h"
#include "version/Version.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

QStringList Lines(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    EXPECT_EQ(lines.last(), QString()) << "output ends with a line break";
    lines.removeLast();
    return lines;
}

QStringList Replaced(QStringList args, const QString &option, const QString &value)
{
    const qsizetype at = args.indexOf(option);
    if (at >= 0)
        args[at + 1] = value;
    else
        args << option << value;
    return args;
}

bool ShowsNotFinite(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("\\b(nan|inf|infinity)\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    return word.match(text).hasMatch();
}

// A figure that could not be written as a number comes out of a JSON writer as null.
bool HasNullFigure(const QJsonValue &value)
{
    if (value.isArray()) {
        for (const QJsonValue &item : value.toArray())
            if (item.isNull() || HasNullFigure(item))
                return true;
    } else if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            if ((it.value().isNull() && it.key() != QLatin1String("message")) || HasNullFigure(it.value()))
                return true;
    }
    return false;
}

} // namespace

TEST(OutputFormat, CsvIsAHeaderThenOneLinePerRow)
{
    const CalcRun schedule = RunCalc(Args({"schedule", "--csv"}, WorkedLoan()));
    ASSERT_EQ(schedule.status, 0);
    const QStringList rows = Lines(schedule.out);
    ASSERT_EQ(rows.size(), 26);
    EXPECT_EQ(rows[0], QStringLiteral("period,interest,capital,balance,accumulated_interest,accumulated_capital"));
    EXPECT_EQ(rows[1], QStringLiteral("1,5951.57,1780.15,98219.85,5951.57,1780.15"));
    EXPECT_EQ(rows[25], QStringLiteral("25,245.19,7480.68,0,93287.15,100000"));

    const QStringList grid = Lines(RunCalc(Args({"grid", "--csv"}, WorkedLoan())).out);
    ASSERT_EQ(grid.size(), 52);
    EXPECT_EQ(grid[0], QStringLiteral("amount,5.25,5.5,5.75,6,6.25,6.5,6.75"));
    for (const QString &line : grid)
        EXPECT_EQ(line.count(QLatin1Char(',')), 7) << line.toStdString();

    const QStringList repayment = Lines(RunCalc(Args({"repayment", "--csv"}, WorkedLoan())).out);
    ASSERT_EQ(repayment.size(), 2);
    EXPECT_EQ(repayment[0], QStringLiteral("repayment,total_interest,payments_made,last_payment,payments_expected,message"));
    EXPECT_EQ(repayment[1], QStringLiteral("644.31,93287.04,300,638.46,300,"));

    // Text with a comma is quoted.
    const QStringList specific = Lines(RunCalc(Args({"specific", "--csv", "--extra", "100"}, WorkedLoan())).out);
    ASSERT_EQ(specific.size(), 2);
    EXPECT_EQ(specific[1], QStringLiteral("93287.04,66249.82,27037.22,224,"
                                          "You have paid off your 25 Year Mortgage in 18 Years and 8 Months"));
    const QStringList savings = Lines(RunCalc(Args({"savings", "--csv", "--amount", "100000", "--period", "25",
                                                   "--rate", "6"})).out);
    ASSERT_EQ(savings.size(), 2);
    EXPECT_EQ(savings[1], QStringLiteral("645,,,,"));
}

TEST(OutputFormat, TableFollowsTheUserLocaleButMachineFormatsDoNot)
{
    const QStringList args = Args({"repayment"}, WorkedLoan());
    const CalcRun german = RunCalc(args, QStringLiteral("de_DE.UTF-8"));
    ASSERT_EQ(german.status, 0) << german.err.toStdString();
    EXPECT_TRUE(german.out.contains(QStringLiteral("644,31"))) << german.out.toStdString();
    EXPECT_TRUE(german.out.contains(QStringLiteral("93.287,04"))) << german.out.toStdString();
    EXPECT_FALSE(german.out.contains(QStringLiteral("644.31")));

    const CalcRun english = RunCalc(args, QStringLiteral("en_US.UTF-8"));
    EXPECT_TRUE(english.out.contains(QStringLiteral("$93,287.04"))) << english.out.toStdString();

    for (const char *format : {"--json", "--csv"}) {
        const CalcRun machine = RunCalc(args + Args({format}), QStringLiteral("de_DE.UTF-8"));
        EXPECT_TRUE(machine.out.contains(QStringLiteral("644.31"))) << format;
        EXPECT_TRUE(machine.out.contains(QStringLiteral("93287.04"))) << format;
        EXPECT_FALSE(machine.out.contains(QStringLiteral("644,31"))) << format;
    }

    // Options are read with a decimal point whatever the locale; a decimal comma is refused.
    const CalcRun point = RunCalc(Args({"whatif", "--solve", "payment", "--amount", "100000", "--years", "25",
                                        "--rate", "6.5", "--json"}), QStringLiteral("de_DE.UTF-8"));
    EXPECT_EQ(point.status, 0);
    EXPECT_TRUE(point.out.contains(QStringLiteral("\"repayment\":\"675.2072\""))) << point.out.toStdString();
    const CalcRun comma = RunCalc(Args({"repayment", "--amount", "100000", "--years", "25", "--rate", "6,5"}),
                                  QStringLiteral("de_DE.UTF-8"));
    EXPECT_EQ(comma.status, 2);
}

TEST(OutputFormat, GridTableMarksTheEnteredAmount)
{
    const CalcRun run = RunCalc(Args({"grid"}, WorkedLoan()), QStringLiteral("en_US.UTF-8"));
    ASSERT_EQ(run.status, 0);
    const QStringList marked = Lines(run.out).filter(QRegularExpression(QStringLiteral("^\\* +\\$")));
    ASSERT_EQ(marked.size(), 1);
    EXPECT_TRUE(marked[0].contains(QStringLiteral("$100,000"))) << marked[0].toStdString();
    EXPECT_TRUE(marked[0].contains(QStringLiteral("$644.31"))) << marked[0].toStdString();
}

TEST(OutputFormat, BadNumbersNeverShowNanOrInfinity)
{
    const char *const bad[] = {"letters", "", "  ", "1e400", "-1e400", "inf", "nan", "-0", "1e-320", "0x10"};
    const QStringList loan = Args({"--amount", "100000", "--rate", "6", "--years", "25"});
    struct Command {
        QStringList args;
        QStringList options;
    };
    const Command commands[] = {
        {Args({"repayment"}, loan), Args({"--amount", "--rate", "--years", "--part"})},
        {Args({"schedule"}, loan), Args({"--amount", "--rate", "--years"})},
        {Args({"grid"}, loan), Args({"--amount", "--rate"})},
        {Args({"additional"}, loan), Args({"--amount", "--rate"})},
        {Args({"specific", "--extra", "100", "--start-year", "2"}, loan),
         Args({"--extra", "--start-year", "--start-period"})},
        {Args({"whatif", "--solve", "interest", "--repayment", "644.31", "--amount", "100000", "--years", "25"}),
         Args({"--amount", "--years", "--repayment"})},
        {Args({"savings", "--amount", "100000", "--period", "25", "--rate", "6", "--reduced", "15", "--invest", "5"}),
         Args({"--amount", "--period", "--rate", "--reduced", "--invest"})},
    };
    for (const Command &command : commands) {
        for (const QString &option : command.options) {
            for (const char *value : bad) {
                const QStringList args = Replaced(command.args, option, QString::fromLatin1(value))
                    + Args({"--json"});
                const CalcRun run = RunCalc(args);
                const std::string shown = args.join(QLatin1Char(' ')).toStdString();
                EXPECT_FALSE(run.crashed) << shown;
                EXPECT_TRUE(run.status >= 0 && run.status <= 2) << shown << "\n" << run.err.toStdString();
                EXPECT_FALSE(ShowsNotFinite(run.out)) << shown << "\n" << run.out.toStdString();
                EXPECT_FALSE(ShowsNotFinite(run.err)) << shown << "\n" << run.err.toStdString();
                if (run.status == 0) {
                    EXPECT_EQ(run.err, QString()) << shown;
                    EXPECT_FALSE(HasNullFigure(QJsonDocument::fromJson(run.out.toUtf8()).object())) << shown;
                } else {
                    EXPECT_EQ(run.out, QString()) << shown;
                }
            }
        }
    }
}

TEST(OutputFormat, ExtremeLoansStayFinite)
{
    const QStringList largest = Args({"--amount", "999999999", "--rate", "100", "--years", "50", "--part", "365",
                                      "--payment", "Daily", "--compounding", "Daily"});
    const QStringList tiny = Args({"--amount", "999999999", "--rate", "0.000001", "--years", "50", "--part", "365",
                                   "--payment", "Daily", "--compounding", "Annualy"});
    for (const QStringList &loan : {largest, tiny}) {
        for (const char *command : {"repayment", "schedule", "grid", "additional"}) {
            QStringList args = Args({command}, loan);
            if (QLatin1String(command) == QLatin1String("grid"))
                args << QStringLiteral("--interest-step") << QStringLiteral("2");
            const std::string shown = args.join(QLatin1Char(' ')).toStdString();
            const CalcRun json = RunCalc(args + Args({"--json"}));
            EXPECT_EQ(json.status, 0) << shown << json.err.toStdString();
            EXPECT_FALSE(ShowsNotFinite(json.out)) << shown;
            EXPECT_FALSE(HasNullFigure(QJsonDocument::fromJson(json.out.toUtf8()).object())) << shown;
            const CalcRun csv = RunCalc(args + Args({"--csv"}));
            EXPECT_EQ(csv.status, 0) << shown;
            EXPECT_FALSE(ShowsNotFinite(csv.out)) << shown;
            EXPECT_FALSE(csv.out.contains(QRegularExpression(QStringLiteral("(^|,)-0(,|$)"),
                                                             QRegularExpression::MultilineOption)))
                << shown;
        }
    }
    EXPECT_EQ(RunCalc(Args({"specific", "--extra", "999999999", "--json"}, largest)).status, 0);
}

TEST(OutputFormat, HelpAndUsageErrors)
{
    const CalcRun help = RunCalc(Args({"--help"}));
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, QString());
    for (const char *word : {"repayment", "schedule", "grid", "additional", "specific", "whatif", "savings",
                             "--csv", "--json", "Exit status", "FortNightly", "--amount-step", "--start-period"})
        EXPECT_TRUE(help.out.contains(QString::fromLatin1(word))) << word;

    const CalcRun version = RunCalc(Args({"--version"}));
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "quovella-calc " + QString::fromLatin1(Quovella::kVersion) + "\n");
    EXPECT_EQ(version.err, QString());

    // A usage error explains itself on standard error only.
    for (const QStringList &args : {Args({}), Args({"mortgage"}), Args({"repayment", "--colour"})}) {
        const CalcRun run = RunCalc(args);
        EXPECT_EQ(run.status, 1) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.out, QString());
        EXPECT_TRUE(run.err.contains(QStringLiteral("Usage: quovella-calc")));
    }
}

// A reader that has gone must not end the program silently by SIGPIPE, nor let
// a script take a cut-off table for the figures.
TEST(OutputFormat, OutputThatCannotBeWrittenFailsWithItsOwnStatus)
{
    for (const QStringList &args : {Args({"--help"}), Args({"schedule", "--by", "period"}, WorkedLoan()),
                                    Args({"repayment", "--json"}, WorkedLoan())}) {
        const CalcRun run = RunCalcIntoClosedPipe(args);
        EXPECT_FALSE(run.crashed) << args.join(' ').toStdString();
        EXPECT_EQ(run.status, 3) << args.join(' ').toStdString();
        EXPECT_EQ(run.err, "quovella-calc: the output could not be written: Broken pipe\n");
    }
    // A rejected input writes nothing to standard output, so its own status stands.
    EXPECT_EQ(RunCalcIntoClosedPipe(Args({"repayment", "--amount", "x"})).status, 2);
}
