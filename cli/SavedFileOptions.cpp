// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SavedFileOptions.h"

#include "engine/MortgageFunctions.h"
#include "core/Error.h"
#include "storage/SavingLoading.h"

namespace {

void Take(Request &request, const QString &option, const QString &text)
{
    if (!request.Has(option) && !text.isEmpty())
        request.values.insert(option, text);
}

void TakeFrequency(Request &request, const QString &option, int index)
{
    if (!request.Has(option) && index >= 0 && index < FrequencyTexts().size())
        request.values.insert(option, FrequencyTexts()[index]);
}

void TakeTiming(Request &request, bool advance)
{
    if (!request.advance && !request.arrears)
        request.advance = advance;
}

} // namespace

std::optional<QString> MergeSavedFile(Request &request)
{
    if (!request.Has(QStringLiteral("file")))
        return std::nullopt;
    SavedInputs in;
    try {
        // The commands read a decimal point, whatever notation the file was saved in.
        in = LoadMortgageFile(request.Value(QStringLiteral("file")), QLocale::c());
    } catch (const QuovellaError &error) {
        return error.Message();
    }
    const QString &command = request.command;
    if (command == QLatin1String("savings")) {
        Take(request, QStringLiteral("amount"), in.savingsAmount);
        Take(request, QStringLiteral("period"), in.savingsPeriod);
        Take(request, QStringLiteral("rate"), in.savingsRate);
        Take(request, QStringLiteral("reduced"), in.reducedPeriod);
        Take(request, QStringLiteral("invest"), in.investRate);
        return std::nullopt;
    }
    if (command == QLatin1String("whatif")) {
        if (!in.hasWhatIf)
            return std::nullopt;
        static const QStringList variables{QStringLiteral("amount"), QStringLiteral("periods"),
                                           QStringLiteral("interest"), QStringLiteral("payment")};
        if (!request.Has(QStringLiteral("solve")) && in.wiVariable >= 1 && in.wiVariable <= 4)
            request.values.insert(QStringLiteral("solve"), variables[in.wiVariable - 1]);
        const QString solve = request.Value(QStringLiteral("solve"));
        // The field being solved holds the last answer, not an input.
        if (solve != QLatin1String("amount"))
            Take(request, QStringLiteral("amount"), in.wiPrincipal);
        if (solve != QLatin1String("periods")) {
            Take(request, QStringLiteral("years"), in.wiPeriods);
            if (in.wiPayment != FrequencyIndex(QStringLiteral("Annualy")))
                Take(request, QStringLiteral("part"), in.wiPartYear);
        }
        if (solve != QLatin1String("interest"))
            Take(request, QStringLiteral("rate"), in.wiInterest);
        if (solve != QLatin1String("payment"))
            Take(request, QStringLiteral("repayment"), in.wiRepay);
        TakeFrequency(request, QStringLiteral("payment"), in.wiPayment);
        TakeFrequency(request, QStringLiteral("compounding"), in.wiCompounded);
        TakeTiming(request, in.wiTiming == 2);
        return std::nullopt;
    }
    Take(request, QStringLiteral("amount"), in.amount);
    Take(request, QStringLiteral("years"), in.years);
    Take(request, QStringLiteral("rate"), in.rate);
    TakeFrequency(request, QStringLiteral("payment"), in.payment);
    TakeFrequency(request, QStringLiteral("compounding"), in.compounded);
    // Loading a yearly loan empties its part-year, as the window does.
    if (request.Value(QStringLiteral("payment")) != QLatin1String("Annualy"))
        Take(request, QStringLiteral("part"), in.part);
    if (!request.Has(QStringLiteral("payment")) || !request.Has(QStringLiteral("compounding")))
        return QStringLiteral("The saved file has no repayment or compounding frequency chosen; "
                              "give --payment and --compounding.");
    TakeTiming(request, in.advance);
    if (command == QLatin1String("plan"))
        request.savedPlan = in.plan;
    if (command == QLatin1String("plan") || command == QLatin1String("repayment"))
        request.savedFees = in.fees;
    return std::nullopt;
}
