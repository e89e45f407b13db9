// 新しい台: the setting chosen or hidden, and the seed given or drawn. A seed
// makes the machine, and a hidden setting drawn from it, the same every time,
// so a sitting can be played again.
#pragma once

#include <cstdint>
#include <optional>

namespace play {

struct MachineChoice {
    std::optional<int> setting; // 1..6; empty: hidden, drawn at random
    std::optional<std::uint64_t> seed; // empty: any
};

struct NewMachine {
    int setting = 1;
    std::uint64_t seed = 0;
    bool settingShown = true;
};

// `anySeed` stands in for a seed not given (the window draws it from the
// system's randomness).
NewMachine newMachine(const MachineChoice &choice, std::uint64_t anySeed);

} // namespace play
