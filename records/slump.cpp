#include "records/slump.h"

#include <algorithm>

namespace records {

void SlumpSeries::add(const GameRow &row)
{
    if (m_differences.size() == 1)
        m_firstGame = row.game;
    const std::int64_t difference = m_differences.back() + row.payout - row.bet;
    m_differences.push_back(difference);
    if (linesUpBonus(row))
        m_bonuses.push_back({ row.game,
            row.code == judge::Code::J01 ? machine::Bonus::big : machine::Bonus::reg, difference });
}

void SlumpSeries::reduce(int width, std::vector<SlumpPoint> &out) const
{
    out.clear();
    const std::size_t points = m_differences.size();
    if (width <= 0)
        return;
    const auto columns = static_cast<std::size_t>(width);
    if (points <= columns) {
        for (std::size_t i = 0; i < points; ++i)
            out.push_back(at(i));
        return;
    }
    out.reserve(2 * columns);
    const std::int64_t *d = m_differences.data();
    std::size_t begin = 0;
    for (std::size_t column = 1; column <= columns; ++column) {
        const std::size_t end = column * points / columns;
        std::size_t low = begin, high = begin;
        for (std::size_t i = begin + 1; i < end; ++i) {
            low = d[i] < d[low] ? i : low;
            high = d[i] > d[high] ? i : high;
        }
        out.push_back(at(std::min(low, high)));
        if (low != high)
            out.push_back(at(std::max(low, high)));
        begin = end;
    }
}

} // namespace records
