#include "machine/coins.h"

#include <algorithm>

namespace machine {

double Coins::payoutRate() const
{
    const std::int64_t counted = in + kReplayWorth * replays;
    return counted == 0 ? 0.0 : double(out + kReplayWorth * replays) / double(counted);
}

int takeBet(Coins &coins, int bet)
{
    const int fromCredit = std::min(coins.credit, bet);
    coins.credit -= fromCredit;
    coins.in += bet;
    return bet - fromCredit;
}

int pay(Coins &coins, int payout)
{
    const int toCredit = std::min(kMaxCredit - coins.credit, payout);
    coins.credit += toCredit;
    coins.out += payout;
    return payout - toCredit;
}

} // namespace machine
