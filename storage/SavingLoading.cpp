// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SavingLoading.h"

#include "core/Error.h"
#include "storage/DiskFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace {

const QByteArray lineEnd = QByteArrayLiteral("\r\n");

void AppendText(QByteArray &out, const QString &text)
{
    QByteArray bytes = text.toUtf8();
    bytes.removeIf([](char c) { return c == '\r' || c == '\n'; });
    out += bytes;
    out += lineEnd;
}

void AppendNumber(QByteArray &out, int value)
{
    out += QByteArray::number(value);
    out += lineEnd;
}

void AppendBoolean(QByteArray &out, bool value)
{
    out += value ? QByteArrayLiteral("TRUE") : QByteArrayLiteral("FALSE");
    out += lineEnd;
}

// An optional sign and decimal digits, nothing else, within int's range.
std::optional<int> WholeInteger(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    const qint64 limit = negative ? qint64(1) << 31 : (qint64(1) << 31) - 1;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > limit)
            return std::nullopt;
    }
    return int(negative ? -value : value);
}

// Old files hold the single-byte code page of the system they were written on;
// rather than refuse one, any file that is not valid UTF-8 is read as Latin-1.
QString DecodeText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (text.toUtf8() != bytes)
        text = QString::fromLatin1(bytes);
    // A CR before LF belongs to the line end; any other CR is dropped.
    text.remove(u'\r');
    // Byte order marks some editors put in front are not part of the first
    // line. All of them go, so that no first line read starts with one: written
    // back, it would be taken for a mark.
    qsizetype marks = 0;
    while (marks < text.size() && text[marks] == QChar(QChar::ByteOrderMark))
        ++marks;
    text.remove(0, marks);
    return text;
}

// A line as a message quotes it: cut to a length that fits a message box, and
// with control characters other than tab, which could garble a terminal, as '?'.
QString Quoted(const QString &line)
{
    constexpr qsizetype shown = 40;
    QString quoted = line;
    if (quoted.size() > shown) {
        qsizetype cut = shown;
        if (quoted[cut - 1].isHighSurrogate())
            --cut;
        quoted = quoted.left(cut) + QChar(0x2026);
    }
    for (QChar &c : quoted)
        if ((c.unicode() < 0x20 && c != u'\t') || c.unicode() == 0x7F)
            c = u'?';
    return quoted;
}

bool IsBlankOrLineEnd(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

// Reads the decoded text the way the format's reader does: text lines whole,
// the What If? numbers as blank-separated words.
class Reader {
public:
    explicit Reader(QStringView text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }

    // The next line without its line end; past the end of the file, empty.
    QString Line()
    {
        ++line_;
        if (AtEnd())
            return {};
        qsizetype end = text_.indexOf(u'\n', pos_);
        if (end < 0)
            end = text_.size();
        const QString line = text_.sliced(pos_, end - pos_).toString();
        pos_ = end + 1;
        return line;
    }

    int Index()
    {
        const QString line = Line();
        if (const std::optional<int> value = WholeInteger(line))
            return *value;
        throw SavedFileLineError(QCoreApplication::translate("Storage", "'%1' is not a valid integer value").arg(Quoted(line)),
                                 line_);
    }

    bool Boolean() { return Line() == QStringLiteral("TRUE"); }

    int LineNumber() const { return line_; } // of the last line read

    // Skips blanks and line ends; the number ends at the next one and the rest
    // of its line is skipped. At the end of the file the number is 0.
    int Number()
    {
        while (!AtEnd() && IsBlankOrLineEnd(text_[pos_])) {
            if (text_[pos_] == u'\n')
                ++line_;
            ++pos_;
        }
        if (AtEnd())
            return 0;
        qsizetype end = pos_;
        while (end < text_.size() && !IsBlankOrLineEnd(text_[end]))
            ++end;
        const std::optional<int> value = WholeInteger(text_.sliced(pos_, end - pos_));
        if (!value)
            throw SavedFileLineError(QCoreApplication::translate("Storage", "Invalid numeric input"), line_ + 1);
        const qsizetype next = text_.indexOf(u'\n', end);
        pos_ = next < 0 ? text_.size() : next + 1;
        ++line_;
        return *value;
    }

private:
    QStringView text_;
    qsizetype pos_ = 0;
    int line_ = 0; // lines read whole so far
};

// The payment plan's lines after line 23. Numbers are plain decimals in their
// shortest exact text, so a plan reads back to the same bits in any locale.
const QByteArray planVersion = QByteArrayLiteral("1");

QByteArray PlanNumber(double value)
{
    return QString::number(value, 'f', QLocale::FloatingPointShortest).toLatin1();
}

void AppendPlan(QByteArray &out, const PaymentPlan &plan, const LoanFees &fees)
{
    if (!plan.firstPayment.isValid() && !plan.HasEvents() && !fees.Any())
        return;
    out += QByteArrayLiteral("PLAN ") + planVersion + lineEnd;
    if (plan.firstPayment.isValid())
        out += QByteArrayLiteral("FIRST ") + plan.firstPayment.toString(Qt::ISODate).toLatin1() + lineEnd;
    if (fees.Any())
        out += QByteArrayLiteral("FEES ") + PlanNumber(fees.upfront) + ' ' + PlanNumber(fees.perPayment) + lineEnd;
    for (const PlanEvent &e : plan.events) {
        switch (e.kind) {
        case PlanEventKind::Extra:
            out += QByteArrayLiteral("EXTRA ") + PlanNumber(e.value) + ' ' + QByteArray::number(e.from) + ' '
                + QByteArray::number(e.to);
            break;
        case PlanEventKind::LumpSum:
            out += QByteArrayLiteral("LUMP ") + PlanNumber(e.value) + ' ' + QByteArray::number(e.from)
                + (e.lowerRepayment ? QByteArrayLiteral(" LOWER") : QByteArrayLiteral(" KEEP"));
            break;
        case PlanEventKind::RateChange:
            out += QByteArrayLiteral("RATE ") + PlanNumber(e.value) + ' ' + QByteArray::number(e.from);
            break;
        }
        out += lineEnd;
    }
    out += QByteArrayLiteral("END PLAN") + lineEnd;
}

QStringList Words(const QString &line)
{
    static const QRegularExpression blanks(QStringLiteral("[ \t]+"));
    return line.split(blanks, Qt::SkipEmptyParts);
}

// A finite number in C notation, the whole word.
std::optional<double> PlanValue(const QString &word)
{
    const QByteArray bytes = word.toLatin1();
    if (QString::fromLatin1(bytes) != word)
        return std::nullopt;
    double value = 0;
    const char *end = bytes.constData() + bytes.size();
    const auto [stop, error] = std::from_chars(bytes.constData(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> PaymentNumber(const QString &word, int least)
{
    const std::optional<int> value = WholeInteger(word);
    if (!value || *value < least)
        return std::nullopt;
    return value;
}

// Strictly an ISO date, yyyy-MM-dd.
QDate PlanDate(const QString &word)
{
    static const QRegularExpression iso(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    if (!iso.match(word).hasMatch())
        return {};
    return QDate::fromString(word, Qt::ISODate);
}

[[noreturn]] void BadPlanLine(const QString &line, int number)
{
    throw SavedFileLineError(QCoreApplication::translate("Storage", "'%1' is not a valid payment plan line").arg(Quoted(line)),
                             number);
}

// The first line that is not blank; empty at the end of the file.
QString NextFilledLine(Reader &reader)
{
    QString line;
    while (!reader.AtEnd() && line.trimmed().isEmpty())
        line = reader.Line();
    return line;
}

QString FirstWord(const QString &line)
{
    return Words(line).value(0);
}

// A block's "KEYWORD version" line: a later version than this program reads
// refuses the file with its own message, anything else but ours as a bad line.
void CheckBlockVersion(const QString &line, int number, const QByteArray &version, const QString &what,
                       const QString &versionName, void (*bad)(const QString &, int))
{
    const QStringList words = Words(line);
    const std::optional<int> read = words.size() == 2 ? WholeInteger(words[1]) : std::nullopt;
    if (read && *read > version.toInt())
        throw SavedFileLineError(QCoreApplication::translate("Storage", "This file's %1 was written by a newer Quovella "
                                                "(%2 version %3); this one reads version %4")
                                     .arg(what, versionName, words[1], QLatin1String(version)),
                                 number);
    if (words.size() != 2 || words[1] != QLatin1String(version))
        bad(line, number);
}

// The plan from its "PLAN 1" line, just read, to END PLAN, strictly: one bad line
// refuses the file. The Mortgage tab's plan and each compared loan's are read here.
void ReadPlan(Reader &reader, const QString &planHeader, PaymentPlan &plan, LoanFees &fees)
{
    const int planLine = reader.LineNumber();
    CheckBlockVersion(planHeader, planLine, planVersion, QCoreApplication::translate("Storage", "payment plan"), QStringLiteral("plan"),
                      BadPlanLine);
    QString line;
    QStringList words;
    bool ended = false;
    bool readFees = false;
    while (!ended) {
        if (reader.AtEnd())
            throw SavedFileLineError(QCoreApplication::translate("Storage", "The payment plan has no 'END PLAN' line"), planLine);
        line = reader.Line();
        const int number = reader.LineNumber();
        words = Words(line);
        const QString keyword = words.value(0);
        if (keyword == QLatin1String("END") && words.size() == 2 && words[1] == QLatin1String("PLAN")) {
            ended = true;
            continue;
        }
        if (keyword == QLatin1String("FIRST")) {
            const QDate date = words.size() == 2 ? PlanDate(words[1]) : QDate();
            if (!date.isValid() || plan.firstPayment.isValid())
                BadPlanLine(line, number);
            plan.firstPayment = date;
            continue;
        }
        if (keyword == QLatin1String("FEES")) {
            const std::optional<double> upfront = words.size() == 3 ? PlanValue(words[1]) : std::nullopt;
            const std::optional<double> perPayment = words.size() == 3 ? PlanValue(words[2]) : std::nullopt;
            if (!upfront || !perPayment || *upfront < 0 || *perPayment < 0 || readFees)
                BadPlanLine(line, number);
            fees = LoanFees{*upfront, *perPayment};
            readFees = true;
            continue;
        }
        PlanEvent event;
        std::optional<double> value = PlanValue(words.value(1));
        std::optional<int> from = PaymentNumber(words.value(2), 1);
        bool valid = value && from;
        if (keyword == QLatin1String("EXTRA") && words.size() == 4) {
            event.kind = PlanEventKind::Extra;
            const std::optional<int> to = PaymentNumber(words[3], 0);
            valid = valid && to;
            event.to = to.value_or(0);
        } else if (keyword == QLatin1String("LUMP") && words.size() == 4) {
            event.kind = PlanEventKind::LumpSum;
            valid = valid && (words[3] == QLatin1String("KEEP") || words[3] == QLatin1String("LOWER"));
            event.lowerRepayment = words[3] == QLatin1String("LOWER");
        } else if (keyword == QLatin1String("RATE") && words.size() == 3) {
            event.kind = PlanEventKind::RateChange;
        } else {
            valid = false;
        }
        if (!valid)
            BadPlanLine(line, number);
        if (static_cast<int>(plan.events.size()) >= planEventLimit)
            throw SavedFileLineError(QCoreApplication::translate("Storage", "A payment plan holds at most %1 events").arg(planEventLimit),
                                     number);
        event.value = *value;
        event.from = *from;
        plan.events.push_back(event);
    }
}

// The compared loans after the plan, in a block of their own that a reader of the
// plan alone never looks at. Each loan's plan and fees are a plan block as the
// Mortgage tab's is.
const QByteArray comparisonVersion = QByteArrayLiteral("1");

const char *const timingWords[] = {"ARREARS", "ADVANCE"};

void AppendComparison(QByteArray &out, const std::vector<ComparedLoan> &compared)
{
    if (compared.empty())
        return;
    out += QByteArrayLiteral("COMPARE ") + comparisonVersion + lineEnd;
    for (const ComparedLoan &c : compared) {
        out += QByteArrayLiteral("LOAN ");
        AppendText(out, c.name);
        const Loan &loan = c.loan;
        out += QByteArrayLiteral("TERMS ") + PlanNumber(loan.amount) + ' ' + PlanNumber(loan.rate) + ' '
            + QByteArray::number(static_cast<int>(loan.paymentsPerYear)) + ' '
            + QByteArray::number(static_cast<int>(loan.compoundingsPerYear)) + ' '
            + timingWords[loan.timing == Timing::InArrears ? 0 : 1] + ' ' + QByteArray::number(loan.years) + ' '
            + QByteArray::number(loan.part) + lineEnd;
        AppendPlan(out, c.plan, c.fees);
    }
    out += QByteArrayLiteral("END COMPARE") + lineEnd;
}

// Payments or compoundings a year: one of the eight frequencies'.
bool IsFrequency(double periods)
{
    const auto &all = Frequencies();
    return std::any_of(all.begin(), all.end(), [&](const Frequency &f) { return f.periods == periods; });
}

// Terms a walk can take: money and rate finite, a frequency of the eight, the
// term's years and part-year periods whole and not below 0.
bool SavableTerms(const Loan &loan)
{
    return std::isfinite(loan.amount) && std::isfinite(loan.rate) && IsFrequency(loan.paymentsPerYear)
        && IsFrequency(loan.compoundingsPerYear) && loan.years >= 0 && loan.part >= 0;
}

[[noreturn]] void BadComparisonLine(const QString &line, int number)
{
    throw SavedFileLineError(QCoreApplication::translate("Storage", "'%1' is not a valid comparison line").arg(Quoted(line)),
                             number);
}

std::optional<Loan> Terms(const QStringList &words)
{
    if (words.size() != 8)
        return std::nullopt;
    const std::optional<double> amount = PlanValue(words[1]);
    const std::optional<double> rate = PlanValue(words[2]);
    const std::optional<int> payments = WholeInteger(words[3]);
    const std::optional<int> compoundings = WholeInteger(words[4]);
    const std::optional<int> years = PaymentNumber(words[6], 0);
    const std::optional<int> part = PaymentNumber(words[7], 0);
    const bool arrears = words[5] == QLatin1String(timingWords[0]);
    if (!amount || !rate || !payments || !compoundings || !years || !part
        || !(arrears || words[5] == QLatin1String(timingWords[1])))
        return std::nullopt;
    Loan loan;
    loan.amount = *amount;
    loan.rate = *rate;
    loan.paymentsPerYear = *payments;
    loan.compoundingsPerYear = *compoundings;
    loan.timing = arrears ? Timing::InArrears : Timing::InAdvance;
    loan.years = *years;
    loan.part = *part;
    if (!SavableTerms(loan))
        return std::nullopt;
    return loan;
}

// From its "COMPARE 1" line, just read, to END COMPARE, as strictly as a plan:
// each loan a LOAN line (the rest of the line its name), one TERMS line, and
// perhaps its plan block.
void ReadComparison(Reader &reader, const QString &header, std::vector<ComparedLoan> &compared)
{
    const int headerLine = reader.LineNumber();
    CheckBlockVersion(header, headerLine, comparisonVersion, QCoreApplication::translate("Storage", "comparison"),
                      QStringLiteral("comparison"), BadComparisonLine);
    bool hasTerms = true; // of the loan last named
    bool hasPlan = false;
    for (;;) {
        if (reader.AtEnd())
            throw SavedFileLineError(QCoreApplication::translate("Storage", "The comparison has no 'END COMPARE' line"), headerLine);
        const QString line = reader.Line();
        const int number = reader.LineNumber();
        const QStringList words = Words(line);
        const QString keyword = words.value(0);
        if (line == QLatin1String("LOAN") || line.startsWith(QLatin1String("LOAN "))) {
            if (!hasTerms)
                BadComparisonLine(line, number);
            if (static_cast<int>(compared.size()) >= MostComparedLoans)
                throw SavedFileLineError(QCoreApplication::translate("Storage", "A comparison holds at most %1 loans").arg(MostComparedLoans),
                                         number);
            compared.push_back(ComparedLoan{line.mid(5), Loan{}, PaymentPlan{}, LoanFees{}});
            hasTerms = hasPlan = false;
        } else if (keyword == QLatin1String("TERMS") && !compared.empty() && !hasTerms) {
            const std::optional<Loan> loan = Terms(words);
            if (!loan)
                BadComparisonLine(line, number);
            compared.back().loan = *loan;
            hasTerms = true;
        } else if (keyword == QLatin1String("PLAN") && !compared.empty() && hasTerms && !hasPlan) {
            ReadPlan(reader, line, compared.back().plan, compared.back().fees);
            hasPlan = true;
        } else if (words == QStringList{QStringLiteral("END"), QStringLiteral("COMPARE")} && hasTerms) {
            return;
        } else {
            BadComparisonLine(line, number);
        }
    }
}

} // namespace

QByteArray FormatMortgageFile(const SavedInputs &in)
{
    QByteArray out;
    out.reserve(128);
    AppendText(out, in.amount);
    AppendText(out, in.years);
    AppendText(out, in.part);
    AppendText(out, in.rate);
    AppendNumber(out, in.payment);
    AppendNumber(out, in.compounded);
    AppendBoolean(out, in.arrears);
    AppendBoolean(out, in.advance);
    AppendText(out, in.savingsAmount);
    AppendText(out, in.savingsPeriod);
    AppendText(out, in.savingsRate);
    AppendText(out, in.reducedPeriod);
    AppendText(out, in.investRate);
    AppendBoolean(out, in.transfer);
    AppendText(out, in.wiPrincipal);
    AppendText(out, in.wiPeriods);
    AppendText(out, in.wiPartYear);
    AppendText(out, in.wiInterest);
    AppendText(out, in.wiRepay);
    AppendNumber(out, in.wiVariable);
    AppendNumber(out, in.wiPayment);
    AppendNumber(out, in.wiTiming);
    AppendNumber(out, in.wiCompounded);
    AppendPlan(out, in.plan, in.fees);
    AppendComparison(out, in.compared);
    return out;
}

SavedInputs ParseMortgageFile(const QByteArray &bytes)
{
    const QString text = DecodeText(bytes);
    Reader reader(text);
    SavedInputs in;
    in.amount = reader.Line();
    in.years = reader.Line();
    in.part = reader.Line();
    in.rate = reader.Line();
    in.payment = reader.Index();
    in.compounded = reader.Index();
    in.arrears = reader.Boolean();
    in.advance = reader.Boolean();
    in.savingsAmount = reader.Line();
    in.savingsPeriod = reader.Line();
    in.savingsRate = reader.Line();
    in.reducedPeriod = reader.Line();
    in.investRate = reader.Line();
    in.transfer = reader.Boolean();
    in.hasWhatIf = !reader.AtEnd();
    if (!in.hasWhatIf)
        return in;
    in.wiPrincipal = reader.Line();
    in.wiPeriods = reader.Line();
    in.wiPartYear = reader.Line();
    in.wiInterest = reader.Line();
    in.wiRepay = reader.Line();
    in.wiVariable = reader.Number();
    in.wiPayment = reader.Number();
    in.wiTiming = reader.Number();
    in.wiCompounded = reader.Number();
    // After line 23 a reader of the 23 lines sees nothing, and a reader of the plan
    // nothing after END PLAN; this one looks for a plan, then for a comparison, each
    // at the first line that is not blank. Any other text there is left alone, as it
    // always was, but a block that begins is read strictly.
    QString line = NextFilledLine(reader);
    if (FirstWord(line) == QLatin1String("PLAN")) {
        ReadPlan(reader, line, in.plan, in.fees);
        line = NextFilledLine(reader);
    }
    if (FirstWord(line) == QLatin1String("COMPARE"))
        ReadComparison(reader, line, in.compared);
    return in;
}

WriteOutcome SaveMortgageFile(const QString &path, const SavedInputs &inputs)
{
    auto checkPlan = [](const PaymentPlan &plan, const LoanFees &fees) {
        if (plan.events.size() > std::size_t(planEventLimit))
            throw QuovellaError(QStringLiteral("This payment plan has more than %1 events: the file could not be "
                                               "opened again.").arg(planEventLimit));
        // Written, these would be a FEES line the reader refuses.
        if (!(fees.upfront >= 0 && std::isfinite(fees.upfront)) ||
            !(fees.perPayment >= 0 && std::isfinite(fees.perPayment)))
            throw QuovellaError(QCoreApplication::translate("Storage", "Fees must be numbers of at least 0 to be saved."));
    };
    checkPlan(inputs.plan, inputs.fees);
    if (inputs.compared.size() > std::size_t(MostComparedLoans))
        throw QuovellaError(QCoreApplication::translate("Storage", "A comparison of more than %1 loans could not be opened again.")
                                .arg(MostComparedLoans));
    for (const ComparedLoan &compared : inputs.compared) {
        checkPlan(compared.plan, compared.fees);
        if (!SavableTerms(compared.loan))
            throw QuovellaError(QCoreApplication::translate("Storage", "The compared loan '%1' has terms the file could not hold.")
                                    .arg(compared.name));
    }
    const QByteArray bytes = FormatMortgageFile(inputs);
    // A file the program would refuse to open again is not saved at all.
    if (bytes.size() > savedFileLimit)
        throw QuovellaError(QCoreApplication::translate("Storage", "These inputs are too long to save: the file would be larger than "
                                           "1 MiB and could not be opened again."));
    return ReplaceFile(path, bytes);
}

QString NumberInLocale(const QString &saved, const QLocale &locale)
{
    if (saved.count(u'.') + saved.count(u',') != 1)
        return saved;
    const qsizetype at = std::max(saved.indexOf(u'.'), saved.indexOf(u','));
    QString plain = saved;
    plain[at] = u'.';
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    if (!ok || !std::isfinite(value))
        return saved;
    return QString(saved).replace(at, 1, locale.decimalPoint());
}

SavedInputs LoadMortgageFile(const QString &path, const QLocale &shownIn)
{
    // The user may have several files open in turn; the message says which one failed.
    const QString name = QFileInfo(path).fileName().isEmpty() ? path : QFileInfo(path).fileName();
    SavedInputs in;
    try {
        in = ParseMortgageFile(ReadOrdinaryFile(
            path, savedFileLimit, QCoreApplication::translate("Storage", "This file is too large to be a saved loan (larger than 1 MiB).")));
    } catch (const SavedFileLineError &error) {
        throw QuovellaError(QCoreApplication::translate("Storage", "%1 (%2, line %3)").arg(error.Message(), name, QString::number(error.Line())));
    } catch (const QuovellaError &error) {
        if (name.isEmpty())
            throw;
        throw QuovellaError(QStringLiteral("%1 (%2)").arg(error.Message(), name));
    }
    for (QString *text : {&in.amount, &in.years, &in.part, &in.rate, &in.savingsAmount, &in.savingsPeriod,
                          &in.savingsRate, &in.reducedPeriod, &in.investRate, &in.wiPrincipal, &in.wiPeriods,
                          &in.wiPartYear, &in.wiInterest, &in.wiRepay})
        *text = NumberInLocale(*text, shownIn);
    return in;
}

QString SaveTargetPath(const QString &chosenName)
{
    if (chosenName.right(4).toUpper() == QStringLiteral(".QVL"))
        return chosenName;
    return chosenName + QStringLiteral(".QVL");
}
