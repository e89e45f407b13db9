#include "records/bonuscalls.h"

namespace records {

std::optional<double> CallFigures::averageGamesToCall() const
{
    if (timedCalls == 0)
        return std::nullopt;
    return static_cast<double>(gamesToCall) / static_cast<double>(timedCalls);
}

void BonusCalls::gameEnded(const GameRow &row)
{
    const bool newFlag = m_carried == machine::Bonus::none && row.bonus != machine::Bonus::none;
    if (row.phase != machine::Phase::normal || newFlag) {
        m_bonusCalled = false;
        m_firstReachMe.reset();
    }
    m_played = true;
    m_calledAfterGame = false;
    m_lastGame = row.game;
    m_carried = carriedAfter(row);
    m_noticeDue = row.phase == machine::Phase::normal && !linesUpBonus(row);
    m_reachMeUncalled = showsReachMe(row) && !m_bonusCalled;
    if (showsReachMe(row) && !m_firstReachMe)
        m_firstReachMe = row.game;
}

BonusCalls::Call BonusCalls::call()
{
    if (!m_played || !m_noticeDue)
        return Call::nothingToNotice;
    if (m_calledAfterGame || (m_carried != machine::Bonus::none && m_bonusCalled))
        return Call::alreadyMade;
    m_calledAfterGame = true;
    m_reachMeUncalled = false;
    if (m_carried == machine::Bonus::none) {
        ++m_figures.wrong;
        return Call::wrong;
    }
    m_bonusCalled = true;
    ++m_figures.right;
    if (m_firstReachMe) {
        ++m_figures.timedCalls;
        m_figures.gamesToCall += m_lastGame - *m_firstReachMe;
    }
    return Call::right;
}

void BonusCalls::nextLever()
{
    if (m_reachMeUncalled)
        ++m_figures.missed;
    m_reachMeUncalled = false;
}

} // namespace records
