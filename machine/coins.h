// Coins: the credit, the bets and payouts, and the sums a data counter keeps.
#pragma once

#include <cstdint>

namespace machine {

inline constexpr int kMaxCredit = 50;
inline constexpr int kGameBet = 3; // a normal or BIG small-win game: all five lines
inline constexpr int kJacBet = 1;
inline constexpr int kJacWinPayout = 15;
// In the payout rate a replay counts as the three coins it saves: in and out.
inline constexpr int kReplayWorth = kGameBet;

struct Coins {
    int credit = 0; // 0 … kMaxCredit
    std::int64_t in = 0; // every coin bet
    std::int64_t out = 0; // every coin paid
    std::int64_t replays = 0; // replays won

    std::int64_t difference() const { return out - in; } // 差枚
    // (out + 3 × replays) / (in + 3 × replays); 0 before the first bet.
    double payoutRate() const;
    bool operator==(const Coins &) const = default;
};

// Takes a bet: from the credit as far as it holds, the rest from the
// player's hand. Returns the coins taken from the hand.
int takeBet(Coins &coins, int bet);

// Pays into the credit. Returns the coins past kMaxCredit, which the machine
// pays out to the tray.
int pay(Coins &coins, int payout);

} // namespace machine
