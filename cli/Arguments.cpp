// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Arguments.h"

#include "engine/MortgageFunctions.h"
#include "engine/MortgageGrid.h"

#include "version/Version.h"

#include <QLocale>

#include <algorithm>

namespace {

const QStringList kLoanCommands{QStringLiteral("repayment"), QStringLiteral("schedule"),
                                QStringLiteral("grid"),      QStringLiteral("additional"),
                                QStringLiteral("specific"),  QStringLiteral("whatif"),
                                QStringLiteral("plan")};

// The plan's events may be given as often as there are events.
const QStringList kPlanEvents{QStringLiteral("extra"), QStringLiteral("lump"), QStringLiteral("rate-change")};

struct OptionRule {
    QString name;
    bool takesValue;
    QStringList commands; // empty: every command
};

const std::vector<OptionRule> &Options()
{
    static const std::vector<OptionRule> options = [] {
        const QStringList loanAndSavings = kLoanCommands + QStringList{QStringLiteral("savings")};
        return std::vector<OptionRule>{
            {QStringLiteral("amount"), true, loanAndSavings},
            {QStringLiteral("rate"), true, loanAndSavings},
            {QStringLiteral("years"), true, kLoanCommands},
            {QStringLiteral("part"), true, kLoanCommands},
            {QStringLiteral("payment"), true, kLoanCommands},
            {QStringLiteral("compounding"), true, kLoanCommands},
            {QStringLiteral("advance"), false, kLoanCommands},
            {QStringLiteral("arrears"), false, kLoanCommands},
            {QStringLiteral("file"), true, {}},
            {QStringLiteral("by"), true, {QStringLiteral("schedule"), QStringLiteral("plan")}},
            {QStringLiteral("amount-step"), true, {QStringLiteral("grid")}},
            {QStringLiteral("interest-step"), true, {QStringLiteral("grid")}},
            {QStringLiteral("extra"), true, {QStringLiteral("specific"), QStringLiteral("plan")}},
            {QStringLiteral("lump"), true, {QStringLiteral("plan")}},
            {QStringLiteral("rate-change"), true, {QStringLiteral("plan")}},
            {QStringLiteral("first-payment"), true, {QStringLiteral("plan")}},
            {QStringLiteral("fee-upfront"), true, {QStringLiteral("repayment"), QStringLiteral("plan")}},
            {QStringLiteral("fee-per-payment"), true, {QStringLiteral("repayment"), QStringLiteral("plan")}},
            {QStringLiteral("start-year"), true, {QStringLiteral("specific")}},
            {QStringLiteral("start-period"), true, {QStringLiteral("specific")}},
            {QStringLiteral("solve"), true, {QStringLiteral("whatif")}},
            {QStringLiteral("repayment"), true, {QStringLiteral("whatif")}},
            {QStringLiteral("period"), true, {QStringLiteral("savings")}},
            {QStringLiteral("reduced"), true, {QStringLiteral("savings")}},
            {QStringLiteral("invest"), true, {QStringLiteral("savings")}},
            {QStringLiteral("csv"), false, {}},
            {QStringLiteral("json"), false, {}},
            {QStringLiteral("help"), false, {}},
            {QStringLiteral("version"), false, {}},
        };
    }();
    return options;
}

const OptionRule *FindOption(const QString &name)
{
    for (const OptionRule &o : Options())
        if (o.name == name)
            return &o;
    return nullptr;
}

ParsedArguments Usage(const QString &error)
{
    return ParsedArguments{std::nullopt, error};
}

// The enumerated options are part of the command's wording, not input to check:
// a value outside the list is a usage error.
QString CheckChoices(const Request &r)
{
    for (const QString &name : {QStringLiteral("payment"), QStringLiteral("compounding")}) {
        if (r.Has(name) && !FrequencyTexts().contains(r.Value(name)))
            return QStringLiteral("--%1 must be one of %2 (spelled exactly so), not \"%3\".")
                .arg(name, FrequencyTexts().join(QStringLiteral(", ")), r.Value(name));
    }
    if (r.Has(QStringLiteral("by")) && r.Value(QStringLiteral("by")) != QLatin1String("year")
        && r.Value(QStringLiteral("by")) != QLatin1String("period"))
        return QStringLiteral("--by must be year or period.");
    if (r.Has(QStringLiteral("amount-step"))) {
        const auto step = ParseWholeNumber(r.Value(QStringLiteral("amount-step")), QLocale::c());
        const auto &steps = MortgageGridAmountSteps();
        if (!step || std::find(steps.begin(), steps.end(), *step) == steps.end())
            return QStringLiteral("--amount-step must be 1000, 2000, 5000 or 10000.");
    }
    if (r.Has(QStringLiteral("interest-step"))) {
        const auto step = ParseNumber(r.Value(QStringLiteral("interest-step")), QLocale::c());
        const auto &steps = MortgageGridInterestSteps();
        if (!step || std::find(steps.begin(), steps.end(), *step) == steps.end())
            return QStringLiteral("--interest-step must be 0.1, 0.125, 0.25, 0.5, 0.75, 1 or 2.");
    }
    if (r.Has(QStringLiteral("solve"))) {
        static const QStringList solvable{QStringLiteral("amount"), QStringLiteral("periods"),
                                          QStringLiteral("interest"), QStringLiteral("payment")};
        if (!solvable.contains(r.Value(QStringLiteral("solve"))))
            return QStringLiteral("--solve must be amount, periods, interest or payment.");
    } else if (r.command == QLatin1String("whatif") && !r.Has(QStringLiteral("file"))) {
        // A saved file names the variable it solves for.
        return QStringLiteral("whatif needs --solve amount, periods, interest or payment.");
    }
    return QString();
}

} // namespace

const QStringList &CommandNames()
{
    static const QStringList names = kLoanCommands + QStringList{QStringLiteral("savings")};
    return names;
}

ParsedArguments ParseArguments(const QStringList &arguments)
{
    Request request;
    for (qsizetype k = 0; k < arguments.size(); ++k) {
        const QString &argument = arguments[k];
        if (argument == QLatin1String("-h")) {
            request.help = true;
            continue;
        }
        if (!argument.startsWith(QLatin1String("--"))) {
            if (!request.command.isEmpty())
                return Usage(QStringLiteral("Unexpected argument \"%1\".").arg(argument));
            if (!CommandNames().contains(argument))
                return Usage(QStringLiteral("Unknown command \"%1\"; the commands are %2.")
                                 .arg(argument, CommandNames().join(QStringLiteral(", "))));
            request.command = argument;
            continue;
        }
        QString name = argument.mid(2);
        std::optional<QString> value;
        if (const qsizetype equals = name.indexOf(QLatin1Char('=')); equals >= 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        }
        const OptionRule *option = FindOption(name);
        if (!option)
            return Usage(QStringLiteral("Unknown option --%1.").arg(name));
        if (!option->takesValue) {
            if (value)
                return Usage(QStringLiteral("--%1 takes no value.").arg(name));
            if (name == QLatin1String("help"))
                request.help = true;
            else if (name == QLatin1String("version"))
                request.version = true;
            else if (name == QLatin1String("advance"))
                request.advance = true;
            else if (name == QLatin1String("arrears"))
                request.arrears = true;
            else if (name == QLatin1String("csv") || name == QLatin1String("json")) {
                const OutputFormat format = name == QLatin1String("csv") ? OutputFormat::Csv
                                                                         : OutputFormat::Json;
                if (request.format != OutputFormat::Table && request.format != format)
                    return Usage(QStringLiteral("Choose one of --csv and --json."));
                request.format = format;
            }
            continue;
        }
        if (!value) {
            // A negative number is a value; another option is not.
            if (k + 1 >= arguments.size() || arguments[k + 1].startsWith(QLatin1String("--")))
                return Usage(QStringLiteral("--%1 needs a value.").arg(name));
            value = arguments[++k];
        }
        request.given.append({name, *value});
        if (!request.values.contains(name))
            request.values.insert(name, *value);
    }
    if (request.help || request.version)
        return ParsedArguments{request, QString()};
    if (request.command.isEmpty())
        return Usage(QStringLiteral("No command given; the commands are %1.")
                         .arg(CommandNames().join(QStringLiteral(", "))));
    for (auto it = request.values.cbegin(); it != request.values.cend(); ++it) {
        const bool repeatable = request.command == QLatin1String("plan") && kPlanEvents.contains(it.key());
        const auto count = std::count_if(request.given.cbegin(), request.given.cend(),
                                         [&](const auto &option) { return option.first == it.key(); });
        if (count > 1 && !repeatable)
            return Usage(QStringLiteral("--%1 is given twice.").arg(it.key()));
    }
    for (auto it = request.values.cbegin(); it != request.values.cend(); ++it) {
        const OptionRule *option = FindOption(it.key());
        if (!option->commands.isEmpty() && !option->commands.contains(request.command))
            return Usage(QStringLiteral("--%1 does not apply to %2.").arg(it.key(), request.command));
    }
    if (request.advance && !FindOption(QStringLiteral("advance"))->commands.contains(request.command))
        return Usage(QStringLiteral("--advance does not apply to %1.").arg(request.command));
    if (request.arrears && !FindOption(QStringLiteral("arrears"))->commands.contains(request.command))
        return Usage(QStringLiteral("--arrears does not apply to %1.").arg(request.command));
    if (request.arrears && request.advance)
        return Usage(QStringLiteral("Choose one of --advance and --arrears."));
    if (const QString problem = CheckChoices(request); !problem.isEmpty())
        return Usage(problem);
    return ParsedArguments{request, QString()};
}

QString ShortUsage()
{
    return QStringLiteral("Usage: quovella-calc COMMAND [OPTIONS] [--csv | --json]\n"
                          "Commands: %1. Try quovella-calc --help.\n")
        .arg(CommandNames().join(QStringLiteral(", ")));
}

QString HelpText()
{
    return QStringLiteral(R"(Usage: quovella-calc COMMAND [OPTIONS] [--csv | --json]

Works out the figures of a mortgage from the command line. Each command checks
its inputs as the window that shows the same figures does, with the same
messages.

Loan options (every command except savings):
  --amount A           amount borrowed
  --rate R             annual interest rate in percent (6.5 means 6.5 %)
  --years Y            whole years of the term, 0 to 50
  --part N             payment periods beyond the whole years, 0 to one year's
                       periods (not with Annualy payments)
  --payment FREQ       how often payments are made (default Monthly)
  --compounding FREQ   how often interest is compounded (default Monthly)
  --advance            payments fall at the start of each period (default: in
                       arrears, at the end)
  --arrears            payments fall at the end of each period (to override a
                       saved file that says in advance)
  FREQ is one of Annualy, Bi-Annualy, Quarterly, Monthly, Bi-Monthly,
  FortNightly, Weekly, Daily, spelled exactly so. Bi-Annualy is twice a year,
  Bi-Monthly twice a month.

Commands:
  repayment [--fee-upfront F] [--fee-per-payment G]
               the repayment (rounded up to whole cents), the total interest,
               the payments the rounded repayment really takes and the last
               payment. When that count differs from the term, a note says so.
               The amount must be above 0. With fees, also the annual
               percentage rate (below).
  schedule [--by year|period]
               the amortisation schedule, one row per year of payments
               (default) or per payment: period, interest, capital repaid,
               balance, accumulated interest, accumulated capital.
  grid [--amount-step 1000|2000|5000|10000] [--interest-step 0.1|0.125|0.25|
       0.5|0.75|1|2]
               repayments for amounts around the loan's (rows, default step
               2000) and seven rates around its rate (columns, default step
               0.25), the entered rate in the middle column.
  additional   the extra payment needed to pay the loan off in each shorter
               whole number of years, and the interest saved.
  specific --extra E [--start-year Y [--start-period M]]
               the effect of paying E more with every payment, from the first
               payment or from payment M (default 1) of year Y.
  whatif --solve amount|periods|interest|payment [--repayment X]
               solves one of amount, term (--years and --part), rate and
               repayment from the other three, given with the loan options.
               Leave out the option being solved.
  plan [--extra E[:FROM[:TO]]]... [--lump L:AT[:lower]]...
       [--rate-change R:FROM]... [--first-payment YYYY-MM-DD] [--by year|period]
       [--fee-upfront F] [--fee-per-payment G]
               the loan walked with a payment plan: E more with every payment
               from payment FROM (default 1) to TO (default the last); a lump
               sum L with payment AT, the repayment kept and the loan ending
               sooner, or with :lower worked out again for the rest of the
               term; the rate R % from payment FROM, the repayment worked out
               again. Each may be given as often as needed; payments count
               from 1. With --first-payment every payment has a date, and
               FROM, TO and AT may be dates too: the first payment on or after
               that date. Then the schedule by year of payments (default) or
               by payment: date, amount paid, extra paid, interest, principal,
               balance and rate. Always with the annual percentage rate of
               the plan's payments and the fees (below).
  savings --amount A --period Y --rate R [--reduced K] [--invest I]
               monthly repayment over Y years, and over a shorter K years, the
               extra per month that costs, and the value of investing the full
               repayment at I % for the years the shorter loan frees. Always
               monthly payments and compounding, whole years. The repayments
               are rounded up to whole units; the table shows whole units.

Fees (repayment and plan):
  --fee-upfront F      fees paid when the loan is taken out: the borrower
                       receives the amount less F (at least 0, less than the
                       amount)
  --fee-per-payment G  a fee paid with every payment (0 to 999,999,999)
  The annual percentage rate is the yearly rate, compounded yearly, at which
  the amount less the upfront fees is worth every payment with its fee, the
  payments as the loan (and the plan) walks them: the one figure that lets
  offers with different frequencies, plans and fees be compared. Without fees
  it is the loan's effective yearly rate (6.17 % for 100000 at 6 % monthly
  over 25 years; 6.39 % with 2000 upfront).

Saved files:
  --file PATH          takes the inputs from a saved Quovella file (.QVL): the
                       Mortgage tab's loan for repayment, schedule, grid,
                       additional, specific and plan (with its payment plan,
                       the events given beside it added after the file's
                       and --first-payment replacing its date, and with the
                       fees saved with it for repayment and plan, each
                       replaced by its option when given); the What If?
                       tab's fields and
                       the variable it solves for, for whatif; the Mortgage
                       Savings tab's fields for savings. Options given beside
                       it override the file's values. A file that cannot be
                       read is rejected (exit 2) with the program's message.

Output:
  (default)    a readable table; money and numbers in the notation of your
               regional settings (LANG, LC_ALL).
  --csv        comma-separated values: a header line, then one line per row.
               Commands with a table (schedule, grid, additional, plan) write
               only the table; the grid's header names the rates. Other
               commands write one line of figures under their key names.
  --json       one JSON object (keys below).
  Numbers read from the command line, and written as CSV or JSON, always use a
  decimal point and no thousands separators, whatever the regional settings.
  Money is a plain number rounded to cents and written with up to 15
  significant digits, trailing zeros dropped (644.31, 93287.04, 100000).

JSON keys:
  repayment    repayment, total_interest, payments_made, last_payment,
               payments_expected, message (null unless the rounded repayment
               pays the loan off in another number of payments), apr (only
               with fees: the annual percentage rate in percent, rounded to
               2 places, or null when no rate answers)
  schedule     repayment, rows: [period, interest, capital, balance,
               accumulated_interest, accumulated_capital]
  grid         rates, rows: [amount, repayment at each of the seven rates],
               entered_row, first_visible_row (grid rows counted with the
               heading row as 0, so entered_row n is rows[n-1])
  additional   label, repayment, rows: [years, additional, payment,
               total_interest, interest_saved, uneven (1 when the row's
               repayment does not pay its loan off evenly in its term)]
  specific     without, with, saved, payments_made, sentence
  whatif       amount, years, part, rate, repayment (the field texts after
               solving, as strings), message (null)
  plan         repayment, repayment_at_end, payments_made, last_payment,
               total_interest, total_interest_without, saved, total_paid,
               apr (always), paid_off (the last payment's date, or null
               without dates), rows: [{n, date (or null), payment, extra,
               interest, principal, balance, rate}]
  savings      repayment, reduced_repayment, extra, years, investment (a key
               is left out when its inputs are not given)

Exit status:
  0  the figures were written to standard output
  1  usage error: unknown command or option, a missing or misspelled choice;
     the reason and a short usage note go to standard error
  2  an input was rejected: the message goes to standard error and nothing is
     written to standard output
  3  the output could not be written (a closed pipe, a full disk): the reason
     goes to standard error

Other:
  -h, --help   this text
  --version    the program's name and version
)");
}

QString VersionText()
{
    return QStringLiteral("quovella-calc %1\n").arg(QLatin1String(Quovella::kVersion));
}
