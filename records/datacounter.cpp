#include "records/datacounter.h"

namespace records {

using machine::Bonus;

void DataCounter::add(const GameRow &row)
{
    ++m_games;
    m_slump.add(row);
    const bool carriedBefore = m_carried != Bonus::none;
    const bool knownBefore = m_started || row.game == 1;
    m_started = true;
    m_carried = carriedAfter(row);
    if (row.phase != machine::Phase::normal)
        return;
    ++m_normalGames;
    ++m_gamesSinceBonus;
    ++m_unsettledGames;
    if (row.bonus != Bonus::none && !carriedBefore) {
        // Drawn in this game, unless the history began with it carried.
        m_open = { row.bonus, std::nullopt, 0, {} };
        if (knownBefore)
            m_open = { row.bonus, row.game, m_unsettledGames, {} };
    }
    if (showsReachMe(row))
        m_open.reachMe.push_back({ row.game, stopPattern(row), row.code });
    if (linesUpBonus(row))
        lineUp(row);
}

void DataCounter::lineUp(const GameRow &row)
{
    const bool big = row.code == judge::Code::J01;
    ++(big ? m_bigs : m_regs);
    BonusRecord record { big ? Bonus::big : Bonus::reg, row.game, m_gamesSinceBonus, std::nullopt,
        std::move(m_open.reachMe) };
    if (m_open.drawnIn) {
        record.carriedGames = row.game - *m_open.drawnIn + 1;
        m_evidence.games += m_open.gamesToDraw;
        ++(big ? m_evidence.bigs : m_evidence.regs);
    }
    m_bonuses.push_back(std::move(record));
    m_open = {};
    m_unsettledGames = 0;
    m_gamesSinceBonus = 0;
}

} // namespace records
