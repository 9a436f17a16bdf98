// SPDX-License-Identifier: GPL-3.0-or-later
// quovella-calc as a script meets it: a whole process, started, read to the end
// and waited for. Wall time, since the work is done in the child.
#include "bench/BenchMain.h"

#include <QProcess>
#include <QStringList>

#include <benchmark/benchmark.h>

namespace {

void RunCalc(benchmark::State &state, const QStringList &arguments)
{
    qint64 bytes = 0;
    for (auto _ : state) {
        QProcess calc;
        calc.start(QStringLiteral(QUOVELLA_CALC), arguments);
        if (!calc.waitForFinished(-1) || calc.exitStatus() != QProcess::NormalExit || calc.exitCode() != 0) {
            state.SkipWithError("quovella-calc failed");
            return;
        }
        bytes = calc.readAllStandardOutput().size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

// Little more than starting the process: the yardstick for the schedule below.
void BM_CalcRepaymentJson(benchmark::State &state)
{
    RunCalc(state, {QStringLiteral("repayment"), QStringLiteral("--amount"), QStringLiteral("100000"),
                    QStringLiteral("--rate"), QStringLiteral("6"), QStringLiteral("--years"),
                    QStringLiteral("25"), QStringLiteral("--json")});
}
BENCHMARK(BM_CalcRepaymentJson)->Unit(benchmark::kMillisecond)->UseRealTime();

// The longest daily loan at the highest rate, every payment a row: 18 615 rows of CSV.
void BM_CalcScheduleByPeriodCsvLongestDaily(benchmark::State &state)
{
    RunCalc(state, {QStringLiteral("schedule"), QStringLiteral("--by"), QStringLiteral("period"),
                    QStringLiteral("--csv"), QStringLiteral("--amount"), QStringLiteral("999999999"),
                    QStringLiteral("--rate"), QStringLiteral("100"), QStringLiteral("--years"),
                    QStringLiteral("50"), QStringLiteral("--part"), QStringLiteral("365"),
                    QStringLiteral("--payment"), QStringLiteral("Daily"), QStringLiteral("--compounding"),
                    QStringLiteral("Daily")});
}
BENCHMARK(BM_CalcScheduleByPeriodCsvLongestDaily)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarks(argc, argv);
}
