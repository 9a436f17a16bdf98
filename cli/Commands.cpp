// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "engine/AdditionalPayments.h"
#include "engine/AnnualRate.h"
#include "engine/LoanChecks.h"
#include "engine/MortgageGrid.h"
#include "engine/PaymentPlan.h"
#include "cli/SavedFileOptions.h"
#include "engine/Savings.h"
#include "engine/Schedule.h"
#include "engine/WhatIf.h"

#include <QJsonArray>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// Scripts must not depend on the user's locale: every number on the command
// line is read with a decimal point.
const QLocale &Cli()
{
    static const QLocale locale = QLocale::c();
    return locale;
}

const QString kAnnualy = QStringLiteral("Annualy");

CommandResult Reject(const QString &message)
{
    return CommandResult{QString(), message + QLatin1Char('\n'), ExitRejected};
}

CommandResult UsageError(const QString &message)
{
    return CommandResult{QString(), message + QLatin1Char('\n') + ShortUsage(), ExitUsage};
}

CommandResult Finish(const Report &report, OutputFormat format)
{
    if (!report.AllFinite())
        return Reject(QStringLiteral("These figures cannot be worked out for the values given; "
                                     "try a smaller amount, rate or term."));
    return CommandResult{report.Render(format), QString(), ExitOk};
}

LoanTexts TextsOf(const Request &r)
{
    LoanTexts texts;
    texts.amount = r.Value(QStringLiteral("amount"));
    texts.years = r.Value(QStringLiteral("years"));
    texts.part = r.Value(QStringLiteral("part"));
    texts.rate = r.Value(QStringLiteral("rate"));
    if (r.Has(QStringLiteral("payment")))
        texts.payment = r.Value(QStringLiteral("payment"));
    if (r.Has(QStringLiteral("compounding")))
        texts.compounded = r.Value(QStringLiteral("compounding"));
    texts.timing = r.advance ? Timing::InAdvance : Timing::InArrears;
    return texts;
}

// The windows hide and empty the part-year field for yearly payments, so no
// window ever calculates with one.
std::optional<QString> PartYearProblem(const QString &payment, const QString &part)
{
    if (payment == kAnnualy && !part.trimmed().isEmpty())
        return QStringLiteral("Annualy payments have no part-year; leave out --part.");
    return std::nullopt;
}

std::optional<QString> LoanRejection(const LoanTexts &texts, const LoanCheck &check)
{
    if (auto problem = PartYearProblem(texts.payment, texts.part))
        return problem;
    if (auto problem = CheckLoanTexts(texts, check, Cli()))
        return problem->message.text;
    return std::nullopt;
}

const Frequency &FrequencyOf(const QString &selector)
{
    // The parser lets only the eight selector texts through.
    const Frequency *f = FindFrequency(selector);
    return f ? *f : Frequencies()[3];
}

QString RepaymentCaption(const Frequency &f)
{
    QString caption = f.repaymentSentence.trimmed();
    if (caption.endsWith(QLatin1String(" is")))
        caption.chop(3);
    return caption;
}

// What the Mortgage tab's Calculate tells in a message box, if anything.
Cell MortgageMessage(const MortgageFigures &figures)
{
    if (figures.paymentsDiffer)
        return Cell::Text(ImpossiblePayOffMessage(figures.run.PaymentsMade));
    if (figures.balloon)
        return Cell::Text(BalloonMessage(figures.repayment, figures.run.LastPaymentText));
    return Cell::Null();
}

// A date on the command line: strictly YYYY-MM-DD.
std::optional<QDate> IsoDate(const QString &text)
{
    static const QRegularExpression iso(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    if (!iso.match(text).hasMatch())
        return std::nullopt;
    const QDate date = QDate::fromString(text, Qt::ISODate);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

// One --extra, --lump or --rate-change, its parts split at ':'; a payment may be
// given as a date once the first payment has one. Fills `event` or says why not.
std::optional<QString> ReadPlanEvent(const QString &option, const QString &text, const QDate &first,
                                     int paymentsPerYear, PlanEvent &event)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    const QString given = QStringLiteral("--%1 %2: ").arg(option, text);
    auto payment = [&](const QString &part, int &number) -> std::optional<QString> {
        if (const auto date = IsoDate(part)) {
            if (!first.isValid())
                return given + QStringLiteral("a payment given as a date needs --first-payment.");
            number = PaymentOnOrAfter(first, paymentsPerYear, *date);
            return std::nullopt;
        }
        const auto whole = ParseWholeNumber(part, Cli());
        if (!whole)
            return given + QStringLiteral("\"%1\" is not a payment number or a date (YYYY-MM-DD).").arg(part);
        number = *whole;
        return std::nullopt;
    };
    const auto value = ParseNumber(parts.value(0), Cli());
    if (!value)
        return given + QStringLiteral("\"%1\" is not a number.").arg(parts.value(0));
    event.value = *value;
    if (option == QLatin1String("extra")) {
        if (parts.size() > 3)
            return given + QStringLiteral("give it as E[:FROM[:TO]].");
        event.kind = PlanEventKind::Extra;
        if (parts.size() > 1)
            if (auto problem = payment(parts[1], event.from))
                return problem;
        if (parts.size() > 2 && !parts[2].isEmpty())
            if (auto problem = payment(parts[2], event.to))
                return problem;
        return std::nullopt;
    }
    if (option == QLatin1String("lump")) {
        if (parts.size() < 2 || parts.size() > 3 || (parts.size() == 3 && parts[2] != QLatin1String("lower")))
            return given + QStringLiteral("give it as L:AT or L:AT:lower.");
        event.kind = PlanEventKind::LumpSum;
        event.lowerRepayment = parts.size() == 3;
        return payment(parts[1], event.from);
    }
    if (parts.size() != 2)
        return given + QStringLiteral("give it as R:FROM.");
    event.kind = PlanEventKind::RateChange;
    return payment(parts[1], event.from);
}

// The saved file's fees, each replaced by its option when given; checked against
// the loan's amount. Says why not when they cannot be used.
std::optional<QString> ReadFees(const Request &request, double amount, LoanFees &fees)
{
    fees = request.savedFees;
    const std::pair<QString, double LoanFees::*> options[] = {
        {QStringLiteral("fee-upfront"), &LoanFees::upfront},
        {QStringLiteral("fee-per-payment"), &LoanFees::perPayment},
    };
    for (const auto &[option, fee] : options) {
        if (!request.Has(option))
            continue;
        const auto value = ParseNumber(request.Value(option), Cli());
        if (!value)
            return QStringLiteral("--%1 must be a number, not \"%2\".").arg(option, request.Value(option));
        fees.*fee = *value;
    }
    if (auto problem = CheckLoanFees(fees, amount))
        return problem->text;
    return std::nullopt;
}

bool FeesGiven(const Request &request)
{
    return request.Has(QStringLiteral("fee-upfront")) || request.Has(QStringLiteral("fee-per-payment"))
        || request.savedFees.Any();
}

Field AprField(const std::optional<double> &apr)
{
    return {QStringLiteral("apr"), QStringLiteral("Annual percentage rate"),
            apr ? Cell::Percent(*apr) : Cell::Null()};
}

} // namespace

CommandResult RunRepayment(const Request &request)
{
    const LoanTexts texts = TextsOf(request);
    if (auto problem = LoanRejection(texts, LoanChecks::Mortgage()))
        return Reject(*problem);
    const Loan loan = LoanOfTexts(texts, Cli());
    LoanFees fees;
    if (auto problem = ReadFees(request, loan.amount, fees))
        return Reject(*problem);
    const MortgageFigures figures = CalculateMortgage(loan);

    Report report;
    report.fields = {
        {QStringLiteral("repayment"), RepaymentCaption(FrequencyOf(texts.payment)),
         Cell::Money(figures.repayment)},
        {QStringLiteral("total_interest"), QStringLiteral("Total Interest Charges"),
         Cell::Money(figures.totalInterest)},
        {QStringLiteral("payments_made"), QStringLiteral("Payments made"),
         Cell::Count(figures.run.PaymentsMade)},
        {QStringLiteral("last_payment"), QStringLiteral("Last payment"),
         Cell::Money(figures.run.LastPayment)},
        {QStringLiteral("payments_expected"), QStringLiteral("Payments in the term"),
         Cell::Count(std::llround(figures.payments))},
    };
    // Without fees the output stays as it always was.
    if (FeesGiven(request))
        report.fields.push_back(AprField(AnnualPercentageRate(loan, PaymentPlan{}, fees)));
    report.fields.push_back({QStringLiteral("message"), QString(), MortgageMessage(figures), Shown::Line});
    return Finish(report, request.format);
}

CommandResult RunSchedule(const Request &request)
{
    const LoanTexts texts = TextsOf(request);
    if (auto problem = LoanRejection(texts, LoanChecks::Analysis()))
        return Reject(*problem);
    const Loan loan = LoanOfTexts(texts, Cli());
    const Frequency &frequency = FrequencyOf(texts.payment);
    const bool byPeriod = request.Value(QStringLiteral("by")) == QLatin1String("period");
    const std::vector<ScheduleRow> rows = BuildSchedule(loan, byPeriod ? ScheduleBy::Period : ScheduleBy::Year);

    Report report;
    report.fields = {{QStringLiteral("repayment"), frequency.scheduleRepaymentCaption,
                      Cell::Money(loan.Repayment())}};
    Table table;
    // Yearly payments have no period option in the window: a payment is a year.
    const QString periodHeading = byPeriod && !frequency.scheduleOption.isEmpty()
        ? frequency.scheduleOption
        : QStringLiteral("Year");
    table.headings = [periodHeading](const TextStyle &style) { return ScheduleHeadings(periodHeading, style); };
    table.rowCount = static_cast<int>(rows.size());
    table.columnCount = ScheduleColumns;
    table.finite = std::all_of(rows.begin(), rows.end(), [](const ScheduleRow &row) { return IsFinite(row); });
    table.cell = [rows](int row, int column, const TextStyle &style) {
        return ScheduleCellText(rows[row], column, style);
    };
    report.table = std::move(table);
    return Finish(report, request.format);
}

CommandResult RunGrid(const Request &request)
{
    const LoanTexts texts = TextsOf(request);
    if (auto problem = LoanRejection(texts, LoanChecks::GridOpening()))
        return Reject(*problem);
    const Loan loan = LoanOfTexts(texts, Cli());
    // The parser has checked both steps against the lists the window offers.
    const int amountStep = request.Has(QStringLiteral("amount-step"))
        ? ParseWholeNumber(request.Value(QStringLiteral("amount-step")), Cli()).value_or(2000)
        : 2000;
    const double interestStep = request.Has(QStringLiteral("interest-step"))
        ? ParseNumber(request.Value(QStringLiteral("interest-step")), Cli()).value_or(0.25)
        : 0.25;
    const MortgageGrid grid = BuildMortgageGrid(loan, amountStep, interestStep);

    Report report;
    QJsonArray rates;
    for (double rate : grid.rates)
        rates.append(MachineNumberText(rate).toDouble());
    report.extraJson.insert(QStringLiteral("rates"), rates);
    report.fields = {
        {QStringLiteral("entered_row"), QString(), Cell::Count(grid.enteredRow), Shown::Hidden},
        {QStringLiteral("first_visible_row"), QString(), Cell::Count(grid.firstVisibleRow), Shown::Hidden},
    };
    Table table;
    table.headings = [grid](const TextStyle &style) { return MortgageGridHeadings(grid, style); };
    table.rowCount = static_cast<int>(grid.amounts.size());
    table.columnCount = MortgageGridColumns;
    table.finite = IsFinite(grid);
    table.cell = [grid](int row, int column, const TextStyle &style) {
        return MortgageGridCellText(grid, row, column, style);
    };
    table.markedRow = grid.enteredRow - 1;
    table.markNote = QStringLiteral("* marks the entered amount; the entered rate is the %1 column.")
                         .arg(MortgageGridHeadings(grid, TextStyle::Shown())[MortgageGrid::EnteredRateColumn]);
    report.table = std::move(table);
    return Finish(report, request.format);
}

CommandResult RunAdditional(const Request &request)
{
    const LoanTexts texts = TextsOf(request);
    if (auto problem = LoanRejection(texts, LoanChecks::Analysis()))
        return Reject(*problem);
    const Loan loan = LoanOfTexts(texts, Cli());
    const Frequency &frequency = FrequencyOf(texts.payment);
    const AdditionalPaymentGrid grid = BuildAdditionalPaymentGrid(loan);

    Report report;
    report.fields = {
        {QStringLiteral("label"), QString(), Cell::Text(grid.label), Shown::Hidden},
        {QStringLiteral("repayment"), grid.label + QStringLiteral(" Repayment"),
         Cell::Money(grid.repayment)},
    };
    Table table;
    const QString word = frequency.chooserWord;
    table.headings = [word](const TextStyle &style) { return AdditionalPaymentHeadings(word, style); };
    table.rowCount = static_cast<int>(grid.rows.size());
    table.columnCount = AdditionalPaymentMachineColumns;
    table.finite = std::all_of(grid.rows.begin(), grid.rows.end(),
                               [](const AdditionalPaymentRow &row) { return IsFinite(row); });
    table.cell = [rows = grid.rows](int row, int column, const TextStyle &style) {
        return AdditionalPaymentCellText(rows[row], column, style);
    };
    if (AnyUneven(grid.rows))
        table.markNote = AdditionalPaymentMarkNote();
    report.table = std::move(table);
    return Finish(report, request.format);
}

CommandResult RunSpecific(const Request &request)
{
    const LoanTexts texts = TextsOf(request);
    if (auto problem = LoanRejection(texts, LoanChecks::Analysis()))
        return Reject(*problem);
    const Loan loan = LoanOfTexts(texts, Cli());

    if (request.Has(QStringLiteral("start-period")) && !request.Has(QStringLiteral("start-year")))
        return UsageError(QStringLiteral("--start-period needs --start-year."));
    const QString periodText = request.Value(QStringLiteral("start-period"));
    if (texts.payment == kAnnualy && !periodText.trimmed().isEmpty())
        return Reject(QStringLiteral("Annualy payments have one payment a year; leave out --start-period."));
    const SpecificPaymentTexts specific{request.Value(QStringLiteral("extra")),
                                        !request.Has(QStringLiteral("start-year")),
                                        request.Value(QStringLiteral("start-year")), periodText};
    const CheckedSpecificPayment checked = CheckSpecificPayment(texts, specific, Cli());
    if (checked.problem)
        return Reject(checked.problem->text);

    const SpecificAdditionalPayment result =
        CalculateSpecificAdditionalPayment(loan, checked.extra, checked.start);
    if (!result.paidOff)
        return Reject(QStringLiteral("The loan is not paid off within its term with this additional payment."));

    Report report;
    report.fields = {
        {QStringLiteral("without"), QStringLiteral("Total interest without additional payment"),
         Cell::Money(result.without)},
        {QStringLiteral("with"), QStringLiteral("Total interest with additional payment"),
         Cell::Money(result.with)},
        {QStringLiteral("saved"), QStringLiteral("Interest Saved"), Cell::Money(result.saved)},
        {QStringLiteral("payments_made"), QStringLiteral("Payments made"),
         Cell::Count(result.paymentsMade)},
        {QStringLiteral("sentence"), QString(), Cell::Text(result.sentence), Shown::Line},
    };
    return Finish(report, request.format);
}

CommandResult RunWhatIf(const Request &request)
{
    static const QHash<QString, WhatIfVariable> variables{
        {QStringLiteral("amount"), WhatIfVariable::Amount},
        {QStringLiteral("periods"), WhatIfVariable::Periods},
        {QStringLiteral("interest"), WhatIfVariable::Interest},
        {QStringLiteral("payment"), WhatIfVariable::Payment},
    };
    const QString solve = request.Value(QStringLiteral("solve"));
    const WhatIfVariable variable = variables.value(solve, WhatIfVariable::Amount);
    // The field being solved is a result field in the tab: nothing can be typed into it.
    static const QHash<QString, QStringList> solvedOptions{
        {QStringLiteral("amount"), {QStringLiteral("amount")}},
        {QStringLiteral("periods"), {QStringLiteral("years"), QStringLiteral("part")}},
        {QStringLiteral("interest"), {QStringLiteral("rate")}},
        {QStringLiteral("payment"), {QStringLiteral("repayment")}},
    };
    for (const QString &option : solvedOptions.value(solve))
        if (request.Has(option))
            return UsageError(QStringLiteral("Leave out --%1: it is what --solve %2 works out.")
                                  .arg(option, solve));

    const LoanTexts texts = TextsOf(request);
    WhatIfFields fields;
    fields.principal = texts.amount;
    fields.periods = texts.years;
    fields.partYear = texts.part;
    fields.interest = texts.rate;
    fields.repay = request.Value(QStringLiteral("repayment"));
    fields.payment = texts.payment;
    fields.compounded = texts.compounded;
    fields.timing = texts.timing;
    fields.solveFor = variable;
    if (auto problem = PartYearProblem(fields.payment, fields.partYear))
        return Reject(*problem);

    const WhatIfOutcome outcome = SolveWhatIf(fields, Cli());
    if (outcome.message)
        return Reject(outcome.message->text);

    const Frequency &frequency = FrequencyOf(fields.payment);
    auto label = [&](const QString &caption, WhatIfVariable v) {
        return v == variable ? caption + QStringLiteral(" (solved)") : caption;
    };
    const WhatIfFields &out = outcome.fields;
    Report report;
    report.fields = {
        {QStringLiteral("amount"), label(QStringLiteral("Mortgage Amount"), WhatIfVariable::Amount),
         Cell::NumberText(out.principal)},
        {QStringLiteral("years"), label(QStringLiteral("Year(s)"), WhatIfVariable::Periods),
         Cell::NumberText(out.periods)},
        {QStringLiteral("part"), label(frequency.partYearCaption, WhatIfVariable::Periods),
         Cell::NumberText(out.partYear), fields.payment == kAnnualy ? Shown::Hidden : Shown::Pair},
        {QStringLiteral("rate"), label(QStringLiteral("Interest Rate (%)"), WhatIfVariable::Interest),
         Cell::NumberText(out.interest)},
        {QStringLiteral("repayment"), label(QStringLiteral("Repayment"), WhatIfVariable::Payment),
         Cell::NumberText(out.repay)},
        {QStringLiteral("message"), QString(), Cell::Null(), Shown::Hidden},
    };
    return Finish(report, request.format);
}

CommandResult RunSavings(const Request &request)
{
    SavingsFields fields;
    fields.amount = request.Value(QStringLiteral("amount"));
    fields.period = request.Value(QStringLiteral("period"));
    fields.rate = request.Value(QStringLiteral("rate"));
    fields.reducedPeriod = request.Value(QStringLiteral("reduced"));
    fields.investRate = request.Value(QStringLiteral("invest"));
    // The tab simply stays empty without these; a command that prints nothing helps nobody.
    if (fields.amount.isEmpty() || fields.period.isEmpty() || fields.rate.isEmpty())
        return UsageError(QStringLiteral("savings needs --amount, --period and --rate."));

    const SavingsOutcome outcome = CalculateSavings(fields, Cli());
    if (const Message *message = outcome.FirstMessage())
        return Reject(message->text);

    auto money = [](const std::optional<double> &value) {
        return value ? Cell::Money(*value, MoneyFormat::NoDecimals) : Cell::Missing();
    };
    const auto reducedYears = ParseWholeNumber(outcome.years, Cli());
    Report report;
    report.fields = {
        {QStringLiteral("repayment"), QStringLiteral("Monthly Repayment"), money(outcome.repaymentValue)},
        {QStringLiteral("reduced_repayment"), QStringLiteral("Reduced Monthly Repayment"),
         money(outcome.reducedRepaymentValue)},
        {QStringLiteral("extra"), QStringLiteral("Extra per month"), money(outcome.extraValue)},
        {QStringLiteral("years"), QStringLiteral("Paid off in (years)"),
         reducedYears && !outcome.years.isEmpty() ? Cell::Count(*reducedYears) : Cell::Missing()},
        {QStringLiteral("investment"), QStringLiteral("Investment at the end of the term"),
         money(outcome.investmentValue)},
    };
    return Finish(report, request.format);
}

CommandResult RunPlan(const Request &request)
{
    const LoanTexts texts = TextsOf(request);
    if (auto problem = LoanRejection(texts, LoanChecks::Analysis()))
        return Reject(*problem);
    const Loan loan = LoanOfTexts(texts, Cli());
    const int p = static_cast<int>(loan.paymentsPerYear);
    LoanFees fees;
    if (auto problem = ReadFees(request, loan.amount, fees))
        return Reject(*problem);

    // The file's plan first; the command line's date replaces its date, and its
    // events follow the file's, in the order given.
    PaymentPlan plan = request.savedPlan;
    if (request.Has(QStringLiteral("first-payment"))) {
        const auto date = IsoDate(request.Value(QStringLiteral("first-payment")));
        if (!date)
            return Reject(QStringLiteral("--first-payment must be a date YYYY-MM-DD, not \"%1\".")
                              .arg(request.Value(QStringLiteral("first-payment"))));
        plan.firstPayment = *date;
    }
    for (const auto &[option, text] : request.given) {
        if (option != QLatin1String("extra") && option != QLatin1String("lump")
            && option != QLatin1String("rate-change"))
            continue;
        PlanEvent event;
        if (auto problem = ReadPlanEvent(option, text, plan.firstPayment, p, event))
            return Reject(*problem);
        plan.events.push_back(event);
    }
    if (auto problem = CheckPaymentPlan(plan, loan.Rounds()))
        return Reject(problem->text);

    const PlanResult result = WalkPaymentPlan(loan, plan);
    const Frequency &frequency = FrequencyOf(texts.payment);
    const bool byYear = request.Value(QStringLiteral("by")) != QLatin1String("period");
    const std::vector<PlanRow> rows = byYear ? PlanRowsByYear(result.rows, p) : result.rows;

    Report report;
    report.fields = {
        {QStringLiteral("repayment"), frequency.scheduleRepaymentCaption, Cell::Money(result.repayment)},
        {QStringLiteral("repayment_at_end"), QStringLiteral("Repayment at the end"),
         Cell::Money(result.repaymentAtEnd)},
        {QStringLiteral("payments_made"), QStringLiteral("Payments made"), Cell::Count(result.paymentsMade)},
        {QStringLiteral("last_payment"), QStringLiteral("Last payment"), Cell::Money(result.lastPayment)},
        {QStringLiteral("total_interest"), QStringLiteral("Total interest with the plan"),
         Cell::Money(result.totalInterest)},
        {QStringLiteral("total_interest_without"), QStringLiteral("Total interest without the plan"),
         Cell::Money(result.totalInterestWithout)},
        {QStringLiteral("saved"), QStringLiteral("Interest saved"), Cell::Money(result.saved)},
        {QStringLiteral("total_paid"), QStringLiteral("Total paid"), Cell::Money(result.totalPaid)},
        // Always: without fees it is the loan's yearly rate as the plan walks it.
        AprField(AnnualPercentageRate(loan, result, fees)),
        {QStringLiteral("paid_off"), QStringLiteral("Paid off on"),
         result.paidOff.isValid() ? Cell::Text(result.paidOff.toString(Qt::ISODate)) : Cell::Null()},
        {QStringLiteral("pay_off_time"), QString(),
         Cell::Text(QStringLiteral("Paid off in %1.").arg(PayOffTime(result.paymentsMade, p))),
         Shown::ReadableLine},
    };
    Table table;
    table.headings = [byYear](const TextStyle &style) { return PlanHeadings(byYear, style); };
    table.rowCount = static_cast<int>(rows.size());
    table.columnCount = PlanColumns;
    table.finite = std::all_of(rows.begin(), rows.end(), [](const PlanRow &row) { return IsFinite(row); });
    table.cell = [rows](int row, int column, const TextStyle &style) {
        return PlanCellText(rows[row], column, style);
    };
    table.rowObjects = true;
    report.table = std::move(table);
    return Finish(report, request.format);
}

CommandResult RunCommandLine(const QStringList &arguments)
{
    const ParsedArguments parsed = ParseArguments(arguments);
    if (!parsed.request)
        return UsageError(parsed.error);
    Request request = *parsed.request;
    if (request.help)
        return CommandResult{HelpText(), QString(), ExitOk};
    if (request.version)
        return CommandResult{VersionText(), QString(), ExitOk};
    if (const auto problem = MergeSavedFile(request))
        return Reject(*problem);
    if (request.command == QLatin1String("whatif") && !request.Has(QStringLiteral("solve")))
        return UsageError(QStringLiteral("whatif needs --solve amount, periods, interest or payment."));
    using Runner = CommandResult (*)(const Request &);
    static const QHash<QString, Runner> runners{
        {QStringLiteral("repayment"), &RunRepayment}, {QStringLiteral("schedule"), &RunSchedule},
        {QStringLiteral("grid"), &RunGrid},           {QStringLiteral("additional"), &RunAdditional},
        {QStringLiteral("specific"), &RunSpecific},   {QStringLiteral("whatif"), &RunWhatIf},
        {QStringLiteral("savings"), &RunSavings},     {QStringLiteral("plan"), &RunPlan},
    };
    const Runner run = runners.value(request.command);
    return run ? run(request) : UsageError(QStringLiteral("Unknown command."));
}
