#include "play/bonuscalls.h"

#include "judge/categories.h"

namespace play {

using machine::Bonus;
using machine::Phase;

bool showsReachMe(const machine::GameResult &game)
{
    const judge::Category category = judge::categoryOf(game.code);
    return game.phase == Phase::normal
        && (category == judge::Category::reachBig || category == judge::Category::reachReg
            || category == judge::Category::reachBoth);
}

void BonusCalls::gameEnded(const machine::GameResult &game)
{
    const bool linedUp = game.code == judge::Code::J01 || game.code == judge::Code::J02;
    const Bonus carried = game.phase == Phase::normal && !linedUp ? game.bonus : Bonus::none;
    // A bonus lined up always leaves none carried, so a new flag is a change.
    if (carried != m_carried)
        m_bonusCalled = false;
    m_carried = carried;
    m_noticeDue = game.phase == Phase::normal && !linedUp;
    m_called = false;
    m_reachMeUncalled = showsReachMe(game) && !m_bonusCalled;
}

Call BonusCalls::call()
{
    if (!m_noticeDue)
        return Call::nothingToNotice;
    if (m_called || (m_carried != Bonus::none && m_bonusCalled))
        return Call::alreadyMade;
    m_called = true;
    m_reachMeUncalled = false;
    if (m_carried == Bonus::none) {
        ++m_figures.wrong;
        return Call::wrong;
    }
    m_bonusCalled = true;
    ++m_figures.right;
    return Call::right;
}

void BonusCalls::nextLever()
{
    if (m_reachMeUncalled)
        ++m_figures.missed;
    m_reachMeUncalled = false;
}

} // namespace play
