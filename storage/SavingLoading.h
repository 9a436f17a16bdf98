// SPDX-License-Identifier: GPL-3.0-or-later
// Saved loan files (.QVL): 23 lines of text, each ended by CR LF, holding the
// inputs of the main window. The window collects its controls into a
// SavedInputs, and sets them from one "as typing would"; nothing here touches a
// control, so a load that fails changes nothing on screen.
#pragma once

#include "core/Error.h"
#include "engine/AnnualRate.h"
#include "engine/Comparison.h"
#include "engine/PaymentPlan.h"
#include "storage/DiskFile.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

// A saved file is 23 short lines and a plan; anything larger is not one.
constexpr qint64 savedFileLimit = 1 << 20;
// Events a saved plan may hold, so that no file can make the walk huge.
constexpr int planEventLimit = 1000;

// Everything a saved file holds, as the controls hold it.
struct SavedInputs {
    QString amount, years, part, rate;      // lines 1-4: MAmount, Period, MPartyear, IRate
    int payment = 3, compounded = 3;        // lines 5-6: frequency index 0-7, -1 none
    bool arrears = true, advance = false;   // lines 7-8: MArrears, MAdvance checked
    QString savingsAmount, savingsPeriod, savingsRate, reducedPeriod, investRate; // lines 9-13
    bool transfer = false;                  // line 14: TrasferValuesCheckBox checked
    bool hasWhatIf = true;                  // false: the file ended after line 14
    QString wiPrincipal, wiPeriods, wiPartYear, wiInterest, wiRepay; // lines 15-19
    int wiVariable = 1;                     // line 20: 1 Amount, 2 Periods, 3 Interest, 4 Payment
    int wiPayment = 3;                      // line 21: frequency index
    int wiTiming = 1;                       // line 22: 1 in arrears, 2 in advance
    int wiCompounded = 3;                   // line 23: frequency index
    // The Mortgage tab's payment plan and the loan's fees, written after line 23
    // only when the plan has a first-payment date or events or there are fees, so
    // a file without them stays 23 lines.
    PaymentPlan plan;
    LoanFees fees;
    // The compare window's loans, each with its plan and fees, written after the
    // plan only when there are any (at most MostComparedLoans).
    std::vector<ComparedLoan> compared;

    bool operator==(const SavedInputs &) const = default;
};

// The 23 lines, CR LF after each, the text as UTF-8, then the plan's lines when
// it has a first-payment date or events, or there are fees:
//   PLAN 1
//   FIRST yyyy-MM-dd            (only with a date)
//   FEES upfront perPayment     (only with fees)
//   EXTRA value from to         (to 0: to the end)
//   LUMP value at KEEP|LOWER
//   RATE percent from
//   END PLAN
// then, when there are compared loans, each with the lines of its plan as above
// when it has a first-payment date, events or fees:
//   COMPARE 1
//   LOAN name                   (the rest of the line, as typed)
//   TERMS amount rate P C ARREARS|ADVANCE years part
//   END COMPARE
// numbers in C notation, shortest text that reads back exactly. hasWhatIf is not looked
// at: the window always has a What If? tab to write. A CR or LF inside a text
// is left out, since it would shift every line after it.
QByteArray FormatMortgageFile(const SavedInputs &inputs);

// A bad line: the format's message, and the line's number (from 1) for the
// caller that knows the file's name.
class SavedFileLineError : public QuovellaError {
public:
    SavedFileLineError(const QString &message, int line) : QuovellaError(message), line_(line) {}
    int Line() const { return line_; }

private:
    int line_;
};

// Reads a whole file's bytes:
// - the bytes are UTF-8, or Latin-1 when they are not valid UTF-8; byte order
//   marks in front of the first line are skipped;
// - a line ends at LF; a CR before the LF belongs to the line end and any other
//   CR is dropped from the text;
// - lines 1-4, 9-13 and 15-19 are texts, each the whole line;
// - lines 5 and 6 are whole integers (an optional sign and decimal digits, in
//   int's range, nothing else), or QuovellaError "'<line>' is not a valid
//   integer value" (a SavedFileLineError), the line cut to 40 characters and an ellipsis, control
//   characters but tab shown as '?'; a missing line reads empty and fails so;
// - lines 7, 8 and 14 are true only when they read "TRUE"; in a file that ends
//   before line 14, the missing texts are empty and the booleans false;
// - lines 15-23 are read only when anything follows line 14 (hasWhatIf);
// - lines 20-23 are read as words: blanks (space, tab) and line ends before
//   the number are skipped, the number ends at the next blank or line end and
//   the rest of its line is skipped; at the end of the file the number is 0; a
//   word that is not an integer throws "Invalid numeric input";
// - after line 23, a plan: when the first line that is not blank reads
//   "PLAN 1", the lines up to "END PLAN" are read strictly as FormatMortgageFile
//   writes them (words split at blanks; values finite; payment numbers at least
//   1, an extra's last 0 or more; at most one FIRST and one FEES, whose fees are
//   0 or more; at most planEventLimit events); any other line, a missing END PLAN or a later version is a
//   SavedFileLineError with its line's number, "'<line>' is not a valid payment
//   plan line". The values are not checked against the loan: that is the
//   caller's CheckPaymentPlan and CheckLoanFees. Anything else after line 23, and anything after
//   END PLAN, is ignored, as a reader of the 23 lines ignores the plan;
// - then, when the first line that is not blank reads "COMPARE 1", the compared
//   loans up to "END COMPARE", as strictly: a LOAN line, one TERMS line (frequencies
//   among the eight's periods, years and part whole and 0 or more) and perhaps a
//   plan, for each of at most MostComparedLoans loans; any other line is a
//   SavedFileLineError "'<line>' is not a valid comparison line", a bad line of a
//   loan's plan that of a plan. Anything after END COMPARE is ignored.
// Index or choice values outside their range are kept as read; the window then
// selects nothing or changes nothing.
SavedInputs ParseMortgageFile(const QByteArray &bytes);

// Writes through a temporary file that replaces the target only when complete
// and confirmed by the disk (ReplaceFile), so a failed or interrupted save
// leaves the previous file as it was. Inputs that would make a file over
// savedFileLimit, a plan of more than planEventLimit events, fees below 0 or
// not finite, more than MostComparedLoans compared loans or a compared loan's
// terms the reader refuses, are refused. Throws QuovellaError with the platform's message
// (see FileErrorText) or the reason.
WriteOutcome SaveMortgageFile(const QString &path, const SavedInputs &inputs);

// Numbers are saved as typed, in the notation of whoever saved them, but never
// with thousands separators, so a single '.' or ',' in one is its decimal
// separator. Gives the number with the locale's decimal separator instead; a
// text that is not such a number comes back as it is.
QString NumberInLocale(const QString &saved, const QLocale &locale);

// Reads the whole file, then parses it. Only an ordinary file of at most
// savedFileLimit bytes is read (ReadOrdinaryFile). The number texts (lines 1-4,
// 9-13, 15-19) come back in `shownIn`'s notation (NumberInLocale). Throws
// QuovellaError ("File not found", "File access denied", ... or a format
// message from ParseMortgageFile) with the file's name added, and for a bad
// line its number: "'abc' is not a valid integer value (house.QVL, line 5)".
SavedInputs LoadMortgageFile(const QString &path, const QLocale &shownIn = QLocale());

// The path a save dialog's chosen name is written to: ".QVL" is appended unless
// the name already ends in it, in any case. The caller stops on an empty name.
QString SaveTargetPath(const QString &chosenName);
