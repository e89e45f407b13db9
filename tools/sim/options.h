// reachme-sim's command line.
#pragma once

#include "machine/control.h"
#include "tools/sim/players.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim {

struct Options {
    int setting = 0;
    std::int64_t games = 0;
    std::uint64_t seed = 1;
    PlayerKind player = PlayerKind::random;
    machine::ControlOption control = machine::ControlOption::standard;
    std::optional<std::string> log; // "-": standard output
    bool help = false;
};

extern const char *const kUsage;

// The options, or a one-line reason in `error`.
std::optional<Options> parseOptions(const std::vector<std::string> &args, std::string &error);

} // namespace sim
