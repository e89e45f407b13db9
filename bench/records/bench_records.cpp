// The data counter's work after one game with 100 000 games in the history
// (the counts, the slump series and its reduction for an 800-pixel graph,
// the setting's odds), and the history and collection files.
#include "records/collectionformat.h"
#include "records/datacounter.h"
#include "records/history.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kHistory = 100'000;
constexpr int kTimed = 20'000;
constexpr int kGraphWidth = 800;

// Games of a seeded machine with random presses, as reachme-sim plays it.
const std::vector<records::GameRow> &playedRows()
{
    static const std::vector<records::GameRow> rows = [] {
        machine::Machine m(6, 2024);
        machine::Generator presses(2024, 77);
        std::vector<records::GameRow> all;
        all.reserve(kHistory + kTimed);
        for (int i = 0; i < kHistory + kTimed; ++i) {
            std::array<int, 3> p {};
            for (int &cell : p)
                cell = 1 + int(presses.below(21));
            all.push_back(records::rowOf(m.play(p)));
        }
        return all;
    }();
    return rows;
}

// One game more on a counter that already holds 100 000: what the data
// panel does after every game while it is shown.
void counterAfterGame(benchmark::State &state)
{
    const auto &rows = playedRows();
    records::DataCounter counter;
    for (int i = 0; i < kHistory; ++i)
        counter.add(rows[std::size_t(i)]);
    std::vector<records::SlumpPoint> points;
    std::size_t next = kHistory;
    for (auto _ : state) {
        counter.add(rows[next++]);
        counter.slump().reduce(kGraphWidth, points);
        benchmark::DoNotOptimize(counter.odds());
        benchmark::DoNotOptimize(points.data());
    }
    state.counters["points"] = double(points.size());
}
BENCHMARK(counterAfterGame)->Iterations(kTimed)->Unit(benchmark::kMicrosecond);

// The counter built from a whole history: opening the data panel.
void counterFromHistory(benchmark::State &state)
{
    const auto &rows = playedRows();
    for (auto _ : state) {
        records::DataCounter counter;
        for (int i = 0; i < kHistory; ++i)
            counter.add(rows[std::size_t(i)]);
        benchmark::DoNotOptimize(counter.bigs());
    }
}
BENCHMARK(counterFromHistory)->Unit(benchmark::kMillisecond);

// A history file of 100 000 games read back whole.
void readHistoryFile(benchmark::State &state)
{
    const auto &rows = playedRows();
    records::GameHistory history;
    for (int i = 0; i < kHistory; ++i)
        history.append(rows[std::size_t(i)]);
    const std::string text = history.csv();
    for (auto _ : state)
        benchmark::DoNotOptimize(records::readHistory(text));
    state.SetBytesProcessed(state.iterations() * std::int64_t(text.size()));
}
BENCHMARK(readHistoryFile)->Unit(benchmark::kMillisecond);

// Every one of the 2919 patterns collected: the largest collection file.
records::ReachMeCollection fullCollection()
{
    records::ReachMeCollection collection;
    for (const int index : records::collectablePatterns())
        collection.restore(judge::patternAt(index),
            { 1000 + std::uint64_t(index), { 100 + index, 1'750'000'000 },
                { 90'000 + index, 1'760'000'000 + index } });
    return collection;
}

void writeCollectionFile(benchmark::State &state)
{
    const records::ReachMeCollection collection = fullCollection();
    for (auto _ : state)
        benchmark::DoNotOptimize(records::writeCollection(collection));
}
BENCHMARK(writeCollectionFile)->Unit(benchmark::kMicrosecond);

void readCollectionFile(benchmark::State &state)
{
    const std::string text = records::writeCollection(fullCollection());
    for (auto _ : state)
        benchmark::DoNotOptimize(records::readCollection(text));
    state.counters["bytes"] = double(text.size());
}
BENCHMARK(readCollectionFile)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
