// The saved machine: UTF-8 text, one field a line in a fixed order, the
// format's version second and a checksum line last (docs/machine.md). The
// reader takes only what the writer writes, and a state the machine can be in.
#pragma once

#include "machine/state.h"

#include <string>
#include <string_view>

namespace machine {

inline constexpr int kStateFormatVersion = 1;
// Every saved machine begins so, whatever its version.
inline constexpr std::string_view kStateHeader = "reachme machine\n";

std::string writeState(const State &state);

// Appends the last line, which seals everything before it with a checksum;
// the writer's last step.
void sealState(std::string &body);

struct ReadState {
    enum class Outcome {
        read, // `state` holds the machine
        notOurs, // not a saved machine at all
        damaged, // ours, but cut short, changed or impossible
        newerVersion, // ours, from a later format; `version` says which
    };
    Outcome outcome = Outcome::notOurs;
    int version = 0;
    std::string reason; // one line for the player, unless read
    State state;
};

ReadState readState(std::string_view text);

} // namespace machine
