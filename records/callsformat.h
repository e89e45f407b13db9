// The calls' figures of a machine (ボーナス察知), which the game history does
// not hold: UTF-8 text, one figure a line, the format's version second and a
// checksum line last (docs/records.md). The reader takes only what the writer
// writes.
#pragma once

#include "records/bonuscalls.h"

#include <string>
#include <string_view>

namespace records {

inline constexpr int kCallsFormatVersion = 1;
// Every file of the calls' figures begins so, whatever its version.
inline constexpr std::string_view kCallsHeader = "reachme bonus calls\n";

std::string writeCalls(const CallFigures &figures);

struct ReadCalls {
    enum class Outcome {
        read, // `figures` holds the file
        notOurs, // not a file of the calls' figures
        damaged, // ours, but cut short or changed
        newerVersion, // ours, from a later format; `version` says which
    };
    Outcome outcome = Outcome::notOurs;
    int version = 0;
    std::string reason; // one line for the player, unless read
    CallFigures figures;
};

ReadCalls readCalls(std::string_view text);

} // namespace records
