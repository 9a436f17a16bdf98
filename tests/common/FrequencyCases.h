// SPDX-License-Identifier: GPL-3.0-or-later
// Tests run once per payment or compounding frequency, each case named after the
// frequency as the program spells it, so a failure says which one.
#pragma once

#include "engine/MortgageFunctions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

// The frequency's selector text without its hyphen ("BiAnnualy"): case names take
// letters and digits only.
inline std::string FrequencyCaseName(int index)
{
    std::string name = Frequencies()[index].selector.toStdString();
    std::erase(name, '-');
    return name;
}

// The parameter of a per-frequency test: the frequency's position, "Annualy" first.
inline auto EveryFrequency()
{
    return testing::Range(0, static_cast<int>(Frequencies().size()));
}

// Names each case of EveryFrequency() after its frequency.
struct FrequencyNamed {
    std::string operator()(const testing::TestParamInfo<int> &info) const { return FrequencyCaseName(info.param); }
};
