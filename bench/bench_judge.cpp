// How long judging every one of the 9261 patterns takes.
#include "judge/table.h"

#include <benchmark/benchmark.h>

namespace {

void judgeAllPatterns(benchmark::State &state)
{
    const judge::Judgement &judgement = judge::machineJudgement();
    for (auto _ : state) {
        int sum = 0;
        for (int l = 1; l <= judge::kCells; ++l)
            for (int c = 1; c <= judge::kCells; ++c)
                for (int r = 1; r <= judge::kCells; ++r)
                    sum += judge::number(judgement.at(l, c, r));
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * judge::kPatterns);
}
BENCHMARK(judgeAllPatterns)->Unit(benchmark::kMicrosecond);

void buildJudgement(benchmark::State &state)
{
    const auto tables = judge::machineTables();
    for (auto _ : state) {
        judge::Judgement judgement(tables);
        benchmark::DoNotOptimize(judgement);
    }
}
BENCHMARK(buildJudgement)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
