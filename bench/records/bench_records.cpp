// The data counter's work after one game with 100 000 games in the history
// (the counts, the slump series and its reduction for an 800-pixel graph,
// the setting's odds), the history and collection files, and keeping them on
// disk: a game appended, the history opened, the collection saved.
#include "machine/stateformat.h"
#include "records/collectionformat.h"
#include "records/datacounter.h"
#include "records/history.h"
#include "records/store/collectionstore.h"
#include "records/store/historyfile.h"
#include "records/store/machinefiles.h"
#include "safefile/writing.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <optional>
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

// The store of a machine's state in a fresh data folder, as the play window
// opens it, with a history file of the first `games` games beside it.
struct MachineFolder {
    explicit MachineFolder(int games)
        : state(records::machinefiles::state(machine::kStateHeader),
            records::machinefiles::folder(dir.path()),
            [](std::string_view) { return safefile::Verdict::ours; })
    {
        records::GameHistory history;
        for (int i = 0; i < games; ++i)
            history.append(playedRows()[std::size_t(i)]);
        const std::string text = history.csv();
        safefile::writeWhole(QDir(state.folder()).filePath(records::machinefiles::kHistoryName),
            QByteArrayView(text.data(), qsizetype(text.size())));
    }
    QTemporaryDir dir;
    safefile::Store state;
};

// What the play window does after every game for the history: the row
// appended to the file (one write) and the counter fed.
void historyAfterGame(benchmark::State &state)
{
    MachineFolder folder(kHistory);
    records::HistoryFile file(folder.state, kHistory);
    std::size_t next = kHistory;
    for (auto _ : state)
        if (!file.add(playedRows()[next++]))
            state.SkipWithError("append failed");
}
BENCHMARK(historyAfterGame)->Iterations(kTimed)->Unit(benchmark::kMicrosecond);

// Opening a machine's history of 100 000 games: read, checked row by row,
// the counter rebuilt.
void openHistoryFile(benchmark::State &state)
{
    MachineFolder folder(kHistory);
    for (auto _ : state) {
        const records::HistoryFile file(folder.state, kHistory);
        if (file.status() != safefile::Status::loaded)
            state.SkipWithError("not loaded");
    }
}
BENCHMARK(openHistoryFile)->Unit(benchmark::kMillisecond);

// A full collection in a store of its own.
struct FullCollectionStore {
    FullCollectionStore()
    {
        const std::string text = records::writeCollection(fullCollection());
        safefile::writeWhole(QDir(dir.path()).filePath(records::CollectionStore::kFileName),
            QByteArrayView(text.data(), qsizetype(text.size())));
        store.emplace(dir.path());
    }
    QTemporaryDir dir;
    std::optional<records::CollectionStore> store;
};

// What the UI thread pays for a save of the full collection: the copy
// handed to the worker.
void queueCollectionSave(benchmark::State &state)
{
    FullCollectionStore full;
    for (auto _ : state)
        full.store->save();
    full.store->flush();
}
BENCHMARK(queueCollectionSave)->Unit(benchmark::kMicrosecond);

// A save of the full collection from the UI thread's call to the file on
// disk: the worker's text, the checked atomic write, the hand-over.
void collectionSaveOnDisk(benchmark::State &state)
{
    FullCollectionStore full;
    for (auto _ : state) {
        full.store->save();
        full.store->flush();
    }
    if (full.store->status() != safefile::Status::loaded)
        state.SkipWithError("save failed");
}
BENCHMARK(collectionSaveOnDisk)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
