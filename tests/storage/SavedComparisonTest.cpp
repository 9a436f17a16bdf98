// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/storage/StorageTestSupport.h"

#include <QTemporaryDir>

#include <limits>

namespace {

Loan Terms(double amount, double rate, double payments, double compoundings, Timing timing, int years, int part)
{
    Loan loan;
    loan.amount = amount;
    loan.rate = rate;
    loan.paymentsPerYear = payments;
    loan.compoundingsPerYear = compoundings;
    loan.timing = timing;
    loan.years = years;
    loan.part = part;
    return loan;
}

const Loan monthly = Terms(100000, 6, 12, 12, Timing::InArrears, 25, 0);

QByteArray After23(const QList<QByteArray> &lines)
{
    return ExampleBytes() + Lines(lines);
}

struct Refusal {
    QString message;
    int line = 0;
};

Refusal RefusalOf(const QByteArray &bytes)
{
    try {
        ParseMortgageFile(bytes);
    } catch (const SavedFileLineError &error) {
        return {error.Message(), error.Line()};
    }
    return {QStringLiteral("<read>"), 0};
}

} // namespace

TEST(SavedComparison, TheLoansFollowThePlanInABlockOfTheirOwn)
{
    SavedInputs in = ExampleInputs();
    in.compared = {{QStringLiteral("Bank A, 25 years"), monthly, {}, {}},
                   {QStringLiteral("Bank B"), Terms(250000.5, 5.875, 26, 365, Timing::InAdvance, 30, 3),
                    PaymentPlan{{}, {{PlanEventKind::LumpSum, 10000, 61, 0, false}}}, LoanFees{2000, 0}}};
    // Numbers as a plan writes them: the shortest C text that reads back exactly.
    const QList<QByteArray> comparison{"COMPARE 1",
                                       "LOAN Bank A, 25 years",
                                       "TERMS 100000 6 12 12 ARREARS 25 0",
                                       "LOAN Bank B",
                                       "TERMS 250000.5 5.875 26 365 ADVANCE 30 3",
                                       "PLAN 1",
                                       "FEES 2000 0",
                                       "LUMP 10000 61 KEEP",
                                       "END PLAN",
                                       "END COMPARE"};
    // Without a plan of the Mortgage tab's, right after line 23.
    EXPECT_EQ(FormatMortgageFile(in).toStdString(), After23(comparison).toStdString());
    EXPECT_EQ(ParseMortgageFile(After23(comparison)), in);

    // After the Mortgage tab's plan otherwise; a reader of the plan alone stops at its END PLAN.
    in.fees = LoanFees{500, 0};
    const QByteArray bytes = FormatMortgageFile(in);
    EXPECT_EQ(bytes, After23(QList<QByteArray>{"PLAN 1", "FEES 500 0", "END PLAN"} + comparison));
    EXPECT_EQ(ParseMortgageFile(bytes), in);
}

TEST(SavedComparison, EveryTermNameAndPlanReadsBack)
{
    SavedInputs in = ExampleInputs();
    in.plan.firstPayment = QDate(2027, 3, 15);
    const QStringList names{QStringLiteral("  Bank A, 25 years  "), QStringLiteral("Crédit Été \u00bb 30 ans, \"fixe\""),
                            QString(), QStringLiteral("\u9280\u884c\tB"), QStringLiteral("LOAN 5"),
                            QStringLiteral("END COMPARE")};
    int n = 0;
    for (const Frequency &payments : Frequencies()) {
        for (const Timing timing : {Timing::InArrears, Timing::InAdvance}) {
            ComparedLoan c;
            c.name = names[n % names.size()];
            c.loan = Terms(1.0 / 3 + n, 0.1 + 0.2 + n, payments.periods,
                           Frequencies()[(n + 3) % Frequencies().size()].periods, timing, n % 51, n % 4);
            if (n % 3 == 0) {
                c.plan.firstPayment = QDate(2026, 12, 31).addDays(n);
                c.plan.events = {{PlanEventKind::Extra, 50.25, 2, 10, false},
                                 {PlanEventKind::LumpSum, 1e-7, 3, 0, true},
                                 {PlanEventKind::RateChange, 4.5, 4, 0, false}};
            }
            if (n % 2 == 0)
                c.fees = LoanFees{1999.99 + n, n % 4 == 0 ? 0.0 : 2.5};
            in.compared.push_back(c);
            ++n;
        }
    }
    // Six at a time: the most a comparison holds.
    for (std::size_t first = 0; first < in.compared.size(); first += MostComparedLoans) {
        SavedInputs part = in;
        part.compared.assign(in.compared.begin() + first,
                             in.compared.begin() + std::min(first + MostComparedLoans, in.compared.size()));
        const QByteArray bytes = FormatMortgageFile(part);
        const SavedInputs back = ParseMortgageFile(bytes);
        EXPECT_EQ(back, part) << bytes.toStdString();
        EXPECT_EQ(FormatMortgageFile(back), bytes);
    }
    // Line breaks in a name are left out, as in the 23 lines.
    SavedInputs broken = ExampleInputs();
    broken.compared = {{QStringLiteral("Bank\r\nA\n"), monthly, {}, {}}};
    EXPECT_EQ(ParseMortgageFile(FormatMortgageFile(broken)).compared.at(0).name, QStringLiteral("BankA"));
}

TEST(SavedComparison, AFileWithoutComparedLoansIsUnchanged)
{
    SavedInputs in = ExampleInputs();
    EXPECT_EQ(FormatMortgageFile(in), ExampleBytes());
    in.fees = LoanFees{2000, 10};
    EXPECT_EQ(FormatMortgageFile(in), After23({"PLAN 1", "FEES 2000 10", "END PLAN"}));
    EXPECT_TRUE(ParseMortgageFile(ExampleBytes()).compared.empty());

    // Text after line 23 or after END PLAN that is no comparison is still ignored,
    // and so is anything after END COMPARE.
    for (const QList<QByteArray> &after : QList<QList<QByteArray>>{
             {"notes", "COMPARE 1", "LOAN x"},
             {"PLAN 1", "END PLAN", "notes", "COMPARE 1"},
             {"COMPARING two banks"},
             {"", "COMPARE 1", "END COMPARE", "", "more notes"}}) {
        SCOPED_TRACE(Lines(after).toStdString());
        EXPECT_TRUE(ParseMortgageFile(After23(after)).compared.empty());
    }
    const SavedInputs read = ParseMortgageFile(
        ExampleBytes() + Lines({"PLAN 1", "END PLAN", "", "COMPARE 1", "LOAN a", "TERMS 1 1 1 1 ARREARS 1 0",
                                "END COMPARE", "LOAN b"}, "\n"));
    ASSERT_EQ(read.compared.size(), 1u);
    EXPECT_EQ(read.compared[0].name, QStringLiteral("a"));
}

TEST(SavedComparison, ABadLineRefusesTheFileAtThatLine)
{
    struct Case {
        QList<QByteArray> after;
        int line;
        QString message;
    };
    const QString bad = QStringLiteral("' is not a valid comparison line");
    const QByteArray terms = "TERMS 100000 6 12 12 ARREARS 25 0";
    const Case cases[] = {
        {{"COMPARE 1", "TERMS 100000 6 12 12 ARREARS 25 0", "END COMPARE"}, 25, "'" + QString(terms) + bad},
        {{"COMPARE 1", "LOAN a", "END COMPARE"}, 26, "'END COMPARE" + bad},
        {{"COMPARE 1", "LOAN a", "LOAN b"}, 26, "'LOAN b" + bad},
        {{"COMPARE 1", "LOAN a", terms, terms, "END COMPARE"}, 27, "'" + QString(terms) + bad},
        {{"COMPARE 1", "LOAN a", "TERMS 100000 6 13 12 ARREARS 25 0"}, 26, "'TERMS 100000 6 13 12 ARREARS 25 0" + bad},
        {{"COMPARE 1", "LOAN a", "TERMS 100000 6 12 0 ARREARS 25 0"}, 26, "'TERMS 100000 6 12 0 ARREARS 25 0" + bad},
        {{"COMPARE 1", "LOAN a", "TERMS 100000 6 12 12 LATE 25 0"}, 26, "'TERMS 100000 6 12 12 LATE 25 0" + bad},
        {{"COMPARE 1", "LOAN a", "TERMS 100000 6 12 12 ARREARS -1 0"}, 26, "'TERMS 100000 6 12 12 ARREARS -1 0" + bad},
        {{"COMPARE 1", "LOAN a", "TERMS 100000 6 12 12 ARREARS 25"}, 26, "'TERMS 100000 6 12 12 ARREARS 25" + bad},
        {{"COMPARE 1", "LOAN a", "TERMS nan 6 12 12 ARREARS 25 0"}, 26, "'TERMS nan 6 12 12 ARREARS 25 0" + bad},
        {{"COMPARE 1", "LOAN a", "TERMS 100,5 6 12 12 ARREARS 25 0"}, 26, "'TERMS 100,5 6 12 12 ARREARS 25 0" + bad},
        {{"COMPARE 1", "LOAN a", "TERMS 1e999 6 12 12 ARREARS 25 0"}, 26, "'TERMS 1e999 6 12 12 ARREARS 25 0" + bad},
        {{"COMPARE 1", "LOAN a", terms, "", "END COMPARE"}, 27, "'" + bad},
        {{"COMPARE 1", "LOAN a", terms, "RATE 7 61", "END COMPARE"}, 27, "'RATE 7 61" + bad},
        {{"COMPARE 1", "LOAN a", "PLAN 1", "END PLAN", terms}, 26, "'PLAN 1" + bad},
        {{"COMPARE 1", "LOAN a", terms, "PLAN 1", "END PLAN", "PLAN 1", "END PLAN"}, 29, "'PLAN 1" + bad},
        {{"COMPARE 1", "LOAN a", terms, "PLAN 1", "LUMP x 61 KEEP", "END PLAN", "END COMPARE"},
         28,
         "'LUMP x 61 KEEP' is not a valid payment plan line"},
        {{"COMPARE 1", "LOAN a", terms, "PLAN 1", "FEES -1 0", "END PLAN", "END COMPARE"},
         28,
         "'FEES -1 0' is not a valid payment plan line"},
        {{"COMPARE 1", "LOAN a", terms, "PLAN 1", "END COMPARE"}, 28, "'END COMPARE' is not a valid payment plan line"},
        {{"COMPARE 1", "LOAN a", terms, "PLAN 1"}, 27, "The payment plan has no 'END PLAN' line"},
        {{"COMPARE 1", "LOAN a", terms}, 24, "The comparison has no 'END COMPARE' line"},
        {{"COMPARE", "END COMPARE"}, 24, "'COMPARE" + bad},
        {{"PLAN 1", "END PLAN", "COMPARE 1.0"}, 26, "'COMPARE 1.0" + bad},
        {{"COMPARE 2", "WHATEVER", "END COMPARE"},
         24,
         "This file's comparison was written by a newer Quovella (comparison version 2); this one reads version 1"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(Lines(c.after).toStdString());
        const Refusal refusal = RefusalOf(After23(c.after));
        EXPECT_EQ(refusal.message, c.message);
        EXPECT_EQ(refusal.line, c.line);
    }
}

TEST(SavedComparison, AtMostSixLoans)
{
    SavedInputs in = ExampleInputs();
    in.compared.assign(MostComparedLoans, ComparedLoan{QStringLiteral("Offer"), monthly, {}, {}});
    const QByteArray bytes = FormatMortgageFile(in);
    EXPECT_EQ(ParseMortgageFile(bytes), in);
    const QByteArray seventh = bytes.left(bytes.size() - qsizetype(sizeof("END COMPARE\r\n") - 1))
                             + Lines({"LOAN Offer", "TERMS 100000 6 12 12 ARREARS 25 0", "END COMPARE"});
    const Refusal refusal = RefusalOf(seventh);
    EXPECT_EQ(refusal.message, QStringLiteral("A comparison holds at most 6 loans"));
    EXPECT_EQ(refusal.line, 24 + 2 * MostComparedLoans + 1);
}

TEST(SavedComparison, LoansTheReaderWouldRefuseAreNotSaved)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("offers.QVL"));
    const ComparedLoan good{QStringLiteral("Bank A"), monthly, {}, {}};
    SavedInputs in = ExampleInputs();

    in.compared.assign(MostComparedLoans + 1, good);
    EXPECT_EQ(Saving(path, in), QStringLiteral("A comparison of more than 6 loans could not be opened again."));
    in.compared = {good, good};
    in.compared[1].fees.upfront = -1;
    EXPECT_EQ(Saving(path, in), QStringLiteral("Fees must be numbers of at least 0 to be saved."));
    in.compared[1] = good;
    in.compared[1].plan.events.assign(planEventLimit + 1, PlanEvent{PlanEventKind::LumpSum, 1, 1, 0, false});
    EXPECT_EQ(Saving(path, in),
              QStringLiteral("This payment plan has more than 1000 events: the file could not be opened again."));
    Loan oddFrequency = monthly, endless = monthly, negativePart = monthly;
    oddFrequency.paymentsPerYear = 13;
    endless.amount = std::numeric_limits<double>::infinity();
    negativePart.part = -1;
    for (const Loan &loan : {oddFrequency, endless, negativePart}) {
        in.compared[1] = ComparedLoan{QStringLiteral("Bank B"), loan, {}, {}};
        EXPECT_EQ(Saving(path, in), QStringLiteral("The compared loan 'Bank B' has terms the file could not hold."));
    }
    EXPECT_FALSE(QFile::exists(path));

    // Saved and loaded: the numbers of the 23 lines in the user's notation, the
    // compared loans exactly; a bad line is named with the file.
    in.compared[1] = ComparedLoan{QStringLiteral("Bank B, 30 years"), Terms(100000, 6.5, 52, 12, Timing::InAdvance, 30, 0),
                                  PaymentPlan{QDate(2027, 1, 31), {}}, LoanFees{0, 5}};
    ASSERT_EQ(Saving(path, in), QStringLiteral("<no error>"));
    EXPECT_EQ(LoadMortgageFile(path, QLocale::c()), in);
    WriteBytes(path, After23({"COMPARE 1", "LOAN a", "TERMS 1 2 3 4 ARREARS 5 6", "END COMPARE"}));
    EXPECT_EQ(Loading(path), QStringLiteral("'TERMS 1 2 3 4 ARREARS 5 6' is not a valid comparison line (offers.QVL, line 26)"));
}
