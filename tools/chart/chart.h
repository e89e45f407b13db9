// The reach-me chart: the whole judgement printed for players and for checking.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace chart {

// Runs the chart tool with the arguments after the program name. Writes the
// chart to `out` or the --output file, errors as one line to `err`; returns
// the exit status (0 done, 1 pictures unreadable or a write failed, 2 bad
// arguments).
int run(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

} // namespace chart
