// The data counter of a machine, as a hall's shows it: games since the last
// bonus, games in all, BIG and REG with their observed 1/x, the bonus
// history, the slump graph's data and the setting worked out. Fed one game at
// a time; each game costs the same however long the history.
//
// It shows only what the player has seen: a bonus and what it explains (the
// games it was carried, the reach-me patterns it showed, its draw in the
// setting's evidence) enter the figures when it is lined up, never while it
// is still carried.
#pragma once

#include "records/gamerow.h"
#include "records/settingestimate.h"
#include "records/slump.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace records {

struct ReachMeShown {
    std::int64_t game = 0;
    judge::Pattern pattern;
    judge::Code code = judge::Code::J03;
    bool operator==(const ReachMeShown &) const = default;
};

struct BonusRecord {
    machine::Bonus kind = machine::Bonus::big;
    std::int64_t game = 0; // the game that lined it up
    std::int64_t gameCount = 0; // ゲーム数 then: normal games since the bonus before, this one too
    // The normal games it was on, the one that drew it and the one that lined
    // it up included (1 when lined up at once); unknown when the history
    // began with it carried.
    std::optional<std::int64_t> carriedGames;
    std::vector<ReachMeShown> reachMe; // categories 2–4, in the games it was carried
    bool operator==(const BonusRecord &) const = default;
};

class DataCounter {
public:
    void add(const GameRow &row);

    std::int64_t games() const { return m_games; } // every game, bonus games too
    std::int64_t normalGames() const { return m_normalGames; }
    std::int64_t gamesSinceBonus() const { return m_gamesSinceBonus; } // normal games
    std::int64_t bigs() const { return m_bigs; }
    std::int64_t regs() const { return m_regs; }
    // The x of the observed 1/x: normal games per bonus lined up, 0 before the first.
    double bigOneIn() const { return oneIn(m_bigs); }
    double regOneIn() const { return oneIn(m_regs); }

    const std::vector<BonusRecord> &bonuses() const { return m_bonuses; }
    const SlumpSeries &slump() const { return m_slump; }

    // The evidence of 設定推測 as far as the player has seen: the games up to
    // each bonus lined up, exactly (the games it was carried left out); the
    // games since, as games without a bonus, until a bonus says otherwise.
    SettingEvidence settingEvidence() const
    {
        return { m_evidence.games + m_unsettledGames, m_evidence.bigs, m_evidence.regs };
    }
    SettingOdds odds() const { return settingOdds(settingEvidence()); }

private:
    double oneIn(std::int64_t count) const
    {
        return count == 0 ? 0.0 : static_cast<double>(m_normalGames) / static_cast<double>(count);
    }
    void lineUp(const GameRow &row);

    // The bonus carried and not yet lined up, hidden from the figures.
    struct OpenBonus {
        machine::Bonus kind = machine::Bonus::none;
        std::optional<std::int64_t> drawnIn; // game number, unknown when begun before the history
        std::int64_t gamesToDraw = 0; // unsettled games up to its draw, that game too
        std::vector<ReachMeShown> reachMe;
    };

    std::int64_t m_games = 0, m_normalGames = 0, m_gamesSinceBonus = 0, m_bigs = 0, m_regs = 0;
    std::vector<BonusRecord> m_bonuses;
    SlumpSeries m_slump;
    SettingEvidence m_evidence; // up to the last bonus lined up
    std::int64_t m_unsettledGames = 0; // normal games since then
    bool m_started = false;
    machine::Bonus m_carried = machine::Bonus::none; // after the last game
    OpenBonus m_open;
};

} // namespace records
