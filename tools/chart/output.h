// Delivering what the chart tool made, and saying so when that fails.
#pragma once

#include <iosfwd>
#include <string>

namespace chart {

// Writes `bytes` to `path`: a regular file (or a new one) through a
// temporary file renamed into place, anything else (a device, a FIFO)
// directly. On failure returns false and says why in `error`.
bool writeFile(const std::string &path, const std::string &bytes, std::string &error);

// Flushes `out` and tells whether everything written to it arrived; on
// failure says why in `error`, from errno as the first failed write left it.
bool flushed(std::ostream &out, std::string &error);

} // namespace chart
