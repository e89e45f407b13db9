#include "records/settingestimate.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace records {

SettingOdds settingOdds(const SettingEvidence &e)
{
    if (e.bigs < 0 || e.regs < 0 || e.bigs + e.regs > e.games)
        throw std::invalid_argument("records::settingOdds: more bonuses than games");
    const double range = machine::kDrawRange;
    const auto misses = static_cast<double>(e.games - e.bigs - e.regs);
    SettingOdds logLikelihood {};
    for (std::size_t s = 0; s < logLikelihood.size(); ++s) {
        const double big = machine::kBonusCounts[s].big, reg = machine::kBonusCounts[s].reg;
        logLikelihood[s] = static_cast<double>(e.bigs) * std::log(big / range)
            + static_cast<double>(e.regs) * std::log(reg / range)
            + misses * std::log1p(-(big + reg) / range);
    }
    // The equal prior cancels; scaling by the largest keeps exp() in range.
    const double top = *std::max_element(logLikelihood.begin(), logLikelihood.end());
    double sum = 0;
    SettingOdds odds {};
    for (std::size_t s = 0; s < odds.size(); ++s)
        sum += odds[s] = std::exp(logLikelihood[s] - top);
    for (double &p : odds)
        p /= sum;
    return odds;
}

} // namespace records
