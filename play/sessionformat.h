// The saved sitting at the machine: UTF-8 text, one field a line, the
// format's version second, then the machine's own saved state as it writes
// it, and a checksum line last over everything before it. One file, so the
// reels, the calls and the machine are always of the same moment.
//
//     reachme play session
//     version 1
//     reels 3 2 14          the top-row cells, left to right
//     setting-shown no      whether the window shows the setting
//     seed 42               the seed the machine was made from, to play it again
//     calls 2 1 3 1 4       ボーナス察知: right, wrong, missed, the right calls
//                           after a reach-me and their games from it
//     machine
//     reachme machine       the machine's state, its own format to its end line
//     …
//     end 98d49dee
//     end 0c1f8a22
#pragma once

#include "machine/state.h"
#include "records/bonuscalls.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace play {

inline constexpr int kSessionFormatVersion = 1;
inline constexpr std::string_view kSessionHeader = "reachme play session\n";

struct SavedSession {
    machine::State machine;
    std::array<int, 3> cells { 1, 1, 1 };
    bool settingShown = true;
    std::uint64_t seed = 0;
    records::CallFigures calls;
    bool operator==(const SavedSession &) const = default;
};

std::string writeSession(const SavedSession &session);

struct ReadSession {
    enum class Outcome {
        read, // `session` holds it
        notOurs, // not a saved sitting at all
        damaged, // ours, but cut short, changed or impossible
        newerVersion, // ours (or its machine), from a later format
    };
    Outcome outcome = Outcome::notOurs;
    std::string reason; // one line for the player, unless read
    SavedSession session;
};

// Takes only what writeSession writes, with a machine its reader takes.
ReadSession readSession(std::string_view text);

} // namespace play
