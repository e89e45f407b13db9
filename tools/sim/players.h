// The simulated players. Each presses from a generator of its own, never the
// machine's.
#pragma once

#include "machine/control.h"
#include "machine/generator.h"

#include <array>
#include <cstdint>
#include <vector>

namespace sim {

enum class PlayerKind : std::uint8_t {
    random, // every stop at a uniformly random cell
    perfect, // knows the flags and presses where the target can still be made
};

using Presses = std::array<int, 3>;

// The press triples a player picks from, each as likely, for a flag pair:
// all 9261 for the random player; for the perfect one those that give the
// target with the most coins (all 9261 when there is no target).
const std::vector<Presses> &pressChoices(
    PlayerKind kind, machine::ControlOption option, machine::Flags flags);

class Player {
public:
    Player(PlayerKind kind, std::uint64_t seed, machine::ControlOption option);

    // The presses for a game with these flags (the random player ignores them).
    Presses presses(machine::Flags flags);

private:
    PlayerKind m_kind;
    machine::ControlOption m_option;
    machine::Generator m_generator;
};

} // namespace sim
