// Delivering what the chart tool made, and saying so when that fails.
#pragma once

#include <iosfwd>
#include <string>

namespace chart {

// Writes `bytes` to `path`: a regular file (or a new one) whole or not at
// all, checked to its last byte, anything else (a device, a FIFO) directly
// and without waiting for a FIFO's reader. On failure returns false and says
// why in `error`; a file that was there stays as it was.
bool writeFile(const std::string &path, const std::string &bytes, std::string &error);

// Flushes `out` and tells whether everything written to it arrived; on
// failure says why in `error`, from errno as the first failed write left it.
bool flushed(std::ostream &out, std::string &error);

} // namespace chart
