// Saving and loading a full progress file: every one of the 9261 patterns seen
// and the log full. The worker thread pays for a save; the window pays for
// queueing it and for opening the store.
#include "drill/patterns.h"
#include "drill/progressformat.h"
#include "drill/store/progressstore.h"
#include "safefile/writing.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

drill::Progress fullProgress()
{
    drill::Progress progress;
    for (int round = 0; round < 3; ++round)
        for (int i = 0; i < drill::kPatternCount; ++i)
            progress.record(i, (i + round) % 10, (i + round) % 10 != 0 && (i + round) % 3 != 0,
                1'800'000'000 + round * drill::kPatternCount + i);
    return progress;
}

const drill::Progress &full()
{
    static const drill::Progress progress = fullProgress();
    return progress;
}

void writeFullProgress(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(drill::writeProgress(full()));
    state.counters["bytes"] = static_cast<double>(drill::writeProgress(full()).size());
}
BENCHMARK(writeFullProgress)->Unit(benchmark::kMillisecond);

// What the worker does for one save: the text, then the checked atomic write.
void saveFullProgress(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(drill::ProgressStore::kFileName);
    for (auto _ : state) {
        const std::string bytes = drill::writeProgress(full());
        if (!safefile::writeWhole(path, QByteArrayView(bytes.data(), qsizetype(bytes.size()))).ok)
            state.SkipWithError("save failed");
    }
}
BENCHMARK(saveFullProgress)->Unit(benchmark::kMillisecond);

// What the window does for one save: a copy handed to the worker.
void queueSave(benchmark::State &state)
{
    QTemporaryDir dir;
    drill::ProgressStore store(dir.path());
    store.progress() = full();
    for (auto _ : state)
        store.save();
    store.flush();
}
BENCHMARK(queueSave)->Unit(benchmark::kMicrosecond);

void readFullProgress(benchmark::State &state)
{
    const std::string bytes = drill::writeProgress(full());
    for (auto _ : state)
        benchmark::DoNotOptimize(drill::readProgress(bytes));
}
BENCHMARK(readFullProgress)->Unit(benchmark::kMillisecond);

// Opening the drill: the lock, the folder's stray files, reading the file.
void openStoreOnFullFile(benchmark::State &state)
{
    QTemporaryDir dir;
    {
        QFile file(dir.filePath(drill::ProgressStore::kFileName));
        const std::string bytes = drill::writeProgress(full());
        file.open(QIODevice::WriteOnly);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    for (auto _ : state) {
        drill::ProgressStore store(dir.path());
        if (store.status() != drill::StoreStatus::loaded)
            state.SkipWithError("not loaded");
    }
}
BENCHMARK(openStoreOnFullFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
