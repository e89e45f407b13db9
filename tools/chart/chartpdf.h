// The chart as PDF pages, drawn without a window.
#pragma once

#include "judge/patternfilter.h"

#include <string>
#include <vector>

namespace chart {

// Renders the groups onto A4 pages with the strip pictures from
// `picturesDirectory` (empty: where the program finds them). On failure
// returns false and says why in `error`.
bool renderPdf(const std::vector<judge::ResultGroup> &groups, const std::string &picturesDirectory,
    std::string &pdf, std::string &error);

} // namespace chart
