#include "machine/payout.h"

#include "judge/strips.h"
#include "machine/coins.h"

namespace machine {

namespace {

constexpr int kSanjakuPayout = 10;
constexpr int kOoyamaPayout = 6;
constexpr int kCherryPerLine = 2;

// The left reel's window holds at most one cherry, so the lines starting at
// a cherry are the lines through it.
int linesThroughCherry(int left, int centre, int right)
{
    const judge::Grid grid = judge::gridFor(left, centre, right);
    int lines = 0;
    for (const judge::Line line : judge::kLines)
        lines += judge::symbolsOn(grid, line)[0] == judge::Symbol::cherry ? 1 : 0;
    return lines;
}

} // namespace

int payoutFor(judge::Code code, int left, int centre, int right, Phase phase)
{
    switch (code) {
    case judge::Code::J07:
    case judge::Code::J16: return kSanjakuPayout;
    case judge::Code::J17: return kOoyamaPayout;
    case judge::Code::J14: return kCherryPerLine * linesThroughCherry(left, centre, right);
    case judge::Code::J15: return phase == Phase::jac ? kJacWinPayout : 0;
    default: return 0;
    }
}

} // namespace machine
