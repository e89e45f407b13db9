// A machine played as reachme-sim's random player plays it: every stop
// pressed at a cell drawn from a seeded generator of its own.
#pragma once

#include "machine/machine.h"

#include <vector>

namespace records_test {

struct SeededRun {
    std::vector<machine::GameResult> games;
    std::vector<machine::State> states; // after each game
};

inline SeededRun playSeeded(int setting, std::uint64_t seed, int games,
    machine::ControlOption option = machine::ControlOption::standard)
{
    machine::Machine m(setting, seed);
    m.setControlOption(option);
    machine::Generator presses(seed, 77);
    SeededRun run;
    run.games.reserve(std::size_t(games));
    run.states.reserve(std::size_t(games));
    for (int i = 0; i < games; ++i) {
        std::array<int, 3> p {};
        for (int &cell : p)
            cell = 1 + int(presses.below(21));
        run.games.push_back(m.play(p));
        run.states.push_back(m.state());
    }
    return run;
}

} // namespace records_test
