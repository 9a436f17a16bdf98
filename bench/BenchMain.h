// SPDX-License-Identifier: GPL-3.0-or-later
// The end of every benchmark program's main, after its own set-up.
#pragma once

#include <benchmark/benchmark.h>

// Runs the benchmarks the command line names; 1 on an option it does not know.
inline int RunBenchmarks(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
