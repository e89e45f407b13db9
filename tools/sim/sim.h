// reachme-sim: plays the machine for many games with a simulated player.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace sim {

// Runs the tool with the arguments after the program name. The summary goes
// to `out` (to `err` when the log is standard output), errors as one line to
// `err`; with `showProgress` a long run counts its games on `err`. Returns
// the exit status: 0 done, 1 a write failed, 2 bad arguments.
int run(
    const std::vector<std::string> &args, std::ostream &out, std::ostream &err, bool showProgress);

} // namespace sim
