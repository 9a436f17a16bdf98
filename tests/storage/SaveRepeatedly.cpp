// SPDX-License-Identifier: GPL-3.0-or-later
// One of several processes saving the same loan file at once: saves it COUNT
// times with the given amount and ends non-zero if any save failed.
#include "core/Error.h"
#include "storage/SavingLoading.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s FILE COUNT AMOUNT\n", argv[0]);
        return 2;
    }
    const QString path = QFile::decodeName(argv[1]);
    const int count = std::atoi(argv[2]);
    SavedInputs inputs;
    inputs.amount = QString::fromLocal8Bit(argv[3]);
    inputs.years = QStringLiteral("25");
    inputs.rate = QStringLiteral("6.5");
    int failures = 0;
    for (int i = 0; i < count; ++i) {
        try {
            SaveMortgageFile(path, inputs);
        } catch (const QuovellaError &error) {
            if (++failures <= 5)
                std::fprintf(stderr, "save %d: %s\n", i + 1, qPrintable(error.Message()));
        }
    }
    if (failures > 0)
        std::fprintf(stderr, "%d of %d saves failed\n", failures, count);
    return failures > 0 ? 1 : 0;
}
