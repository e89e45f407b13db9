// The machine's speed: a normal game, the stop decisions, and saving and
// reading the state.
#include "machine/machine.h"
#include "machine/stateformat.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using Presses = std::array<int, 3>;

// Presses made up front, so that the loop times the machine alone.
std::vector<Presses> somePresses()
{
    machine::Generator g(5, 9);
    std::vector<Presses> presses(4096);
    for (Presses &p : presses)
        for (int &cell : p)
            cell = 1 + int(g.below(21));
    return presses;
}

// A normal game: the lever (the bet and the draw), three stops and the
// payout. A lined-up bonus sends the machine back to its first state, so
// that every game timed is a normal one.
void normalGame(benchmark::State &state)
{
    const std::vector<Presses> presses = somePresses();
    const machine::State start = machine::newState(1, 1);
    machine::Machine m(start);
    std::size_t i = 0;
    for (auto _ : state) {
        const Presses &p = presses[i++ & 4095];
        m.lever();
        m.stop(0, p[0]);
        m.stop(1, p[1]);
        benchmark::DoNotOptimize(m.stop(2, p[2]));
        if (m.state().bonus.kind != machine::Bonus::none)
            m = machine::Machine(start);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(normalGame);

void stopDecision(benchmark::State &state)
{
    const machine::ReelControl &control = machine::ReelControl::instance();
    const std::vector<Presses> presses = somePresses();
    std::size_t i = 0;
    for (auto _ : state) {
        const Presses &p = presses[i++ & 4095];
        benchmark::DoNotOptimize(control.stopAll(
            machine::pairAt(int(i % machine::kFlagPairs)), p, machine::ControlOption::standard));
    }
    state.SetItemsProcessed(3 * state.iterations());
}
BENCHMARK(stopDecision);

void saveAndRead(benchmark::State &state)
{
    machine::Machine m(3, 7);
    for (int game = 0; game < 1000; ++game)
        m.play({ game % 21 + 1, 5, 9 });
    for (auto _ : state)
        benchmark::DoNotOptimize(machine::readState(machine::writeState(m.state())));
}
BENCHMARK(saveAndRead)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
