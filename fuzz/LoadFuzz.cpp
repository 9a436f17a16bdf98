// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes handed to the saved-file reader either parse or throw QuovellaError;
// whatever parses is written back as a file that parses to the same inputs and
// writes the same bytes again.
#include "core/Error.h"
#include "storage/SavingLoading.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    SavedInputs parsed;
    try {
        parsed = ParseMortgageFile(bytes);
    } catch (const QuovellaError &) {
        return 0;
    }
    const QByteArray written = FormatMortgageFile(parsed);
    // Thrown here, the exception ends the run as a crash.
    const SavedInputs again = ParseMortgageFile(written);
    // A written file always has its What If? block.
    SavedInputs expected = parsed;
    expected.hasWhatIf = true;
    if (!(again == expected) || FormatMortgageFile(again) != written)
        std::abort();
    return 0;
}
