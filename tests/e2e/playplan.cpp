// The end-to-end test's eye for the play window: from the sitting the real
// program saved, it works out the next game's flags exactly as the machine
// will draw them, and when to press each stop (counted from the lever's key)
// so that the reels stop on a pattern wanted, with room to spare on either
// side of each press. It prints the keys and pauses for xdotool.
//
//   playplan keys SITTING GOAL    GOAL: any, target (the game's win or the
//                                 bonus lined up, when there is one), reachme
//   playplan seed SETTING         a seed whose first game draws a BIG
//   playplan show SITTING         games, BIG count, bonus, calls, reels' code
//
// `keys` exits 3 when the goal cannot be had this game.
#include "judge/table.h"
#include "machine/maystop.h"
#include "play/motion.h"
#include "play/sessionformat.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

namespace {

using play::Micros;
using Goal = std::function<bool(judge::Code)>;

// A press this far either side of the time planned still gives the same stop.
constexpr Micros kRoom = 30'000;
// Time for a reel to stand after its press, and a little more.
constexpr Micros kToStand = 260'000;

std::optional<play::SavedSession> readSitting(const char *path)
{
    std::ifstream file(path, std::ios::binary);
    const std::string text(
        (std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    play::ReadSession read = play::readSession(text);
    if (read.outcome != play::ReadSession::Outcome::read) {
        std::fprintf(stderr, "playplan: %s: %s\n", path, read.reason.c_str());
        return std::nullopt;
    }
    return read.session;
}

// Whether some presses of the reels after `reel` give a pattern the goal
// takes, the earlier reels standing at `stops`.
bool reachable(machine::Flags flags, int reel, std::array<int, 3> stops, const Goal &goal)
{
    if (reel == 3)
        return goal(judge::judge(stops[0], stops[1], stops[2]));
    const auto &control = machine::ReelControl::instance();
    for (int press = 1; press <= 21; ++press) {
        stops[std::size_t(reel)]
            = control.stopCell(flags, reel, stops, press, machine::ControlOption::standard);
        if (reachable(flags, reel + 1, stops, goal))
            return true;
    }
    return false;
}

int keys(const play::SavedSession &sitting, const std::string &goalName)
{
    machine::Machine machine(sitting.machine);
    machine.lever();
    const machine::Flags flags = machine.flags();
    Goal goal = [](judge::Code) { return true; };
    if (goalName == "target")
        goal = [flags](judge::Code c) { return machine::isTarget(c, flags); };
    else if (goalName == "reachme")
        goal = [flags](judge::Code c) { return machine::isStoppingReachMe(c, flags); };
    // A game with nothing to line up (a JAC play without its win) is
    // played as any.
    if (goalName == "target" && !reachable(flags, 0, {}, goal))
        goal = [](judge::Code) { return true; };
    if (!reachable(flags, 0, {}, goal)) {
        std::fprintf(stderr, "playplan: no %s this game\n", goalName.c_str());
        return 3;
    }
    const auto &control = machine::ReelControl::instance();
    std::array<int, 3> stops {};
    std::string out = "key --delay 0 Up";
    const char *stopKeys[3] = { "Left", "Down", "Right" };
    Micros earliest = 250'000, last = 0;
    for (int reel = 0; reel < 3; ++reel) {
        const play::ReelMotion motion(sitting.cells[std::size_t(reel)], 0, play::kFullRpm);
        const auto stopAt = [&](Micros t) {
            return control.stopCell(
                flags, reel, stops, motion.pressCell(t), machine::ControlOption::standard);
        };
        std::optional<Micros> chosen;
        for (Micros t = earliest; !chosen && t < earliest + 2'000'000; t += 1000) {
            const int stop = stopAt(t);
            std::array<int, 3> after = stops;
            after[std::size_t(reel)] = stop;
            if (!reachable(flags, reel + 1, after, goal))
                continue;
            // The earlier reels must stop where planned, for the later plan;
            // the last one anywhere the goal takes.
            bool steady = true;
            for (Micros d = -kRoom; d <= kRoom && steady; d += 1000) {
                after[std::size_t(reel)] = stopAt(t + d);
                steady = reel < 2 ? after[std::size_t(reel)] == stop
                                  : goal(judge::judge(after[0], after[1], after[2]));
            }
            if (steady)
                chosen = t;
        }
        if (!chosen) {
            std::fprintf(stderr, "playplan: no steady press for reel %d\n", reel);
            return 3;
        }
        stops[std::size_t(reel)] = stopAt(*chosen);
        char step[64];
        std::snprintf(step, sizeof step, " sleep %.3f key --delay 0 %s",
            double(*chosen - last) / 1e6, stopKeys[reel]);
        out += step;
        last = *chosen;
        earliest = *chosen + kRoom + kToStand;
    }
    std::printf("%s\n", out.c_str());
    std::fprintf(stderr, "playplan: %s %s, stops %d %d %d, %s\n",
        std::string(machine::bonusName(flags.bonus)).c_str(),
        std::string(machine::smallName(flags.small)).c_str(), stops[0], stops[1], stops[2],
        judge::name(judge::judge(stops[0], stops[1], stops[2])).c_str());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::string what = argc > 1 ? argv[1] : "";
    if (what == "seed" && argc == 3) {
        const int setting = std::atoi(argv[2]);
        for (std::uint64_t seed = 1;; ++seed) {
            machine::Machine m(setting, seed);
            m.lever();
            if (m.flags().bonus == machine::Bonus::big) {
                std::printf("%llu\n", static_cast<unsigned long long>(seed));
                return 0;
            }
        }
    }
    if ((what == "keys" && argc == 4) || (what == "show" && argc == 3)) {
        const std::optional<play::SavedSession> sitting = readSitting(argv[2]);
        if (!sitting)
            return 1;
        if (what == "keys")
            return keys(*sitting, argv[3]);
        const machine::State &s = sitting->machine;
        const auto &c = sitting->cells;
        std::printf("games %lld bigs %lld bonus %s carried %s right %lld wrong %lld code %s "
                    "bet-placed %s\n",
            static_cast<long long>(s.counters.games), static_cast<long long>(s.counters.bigs),
            std::string(machine::phaseName(s.bonus.phase())).c_str(),
            std::string(machine::bonusName(s.carried)).c_str(),
            static_cast<long long>(sitting->calls.right),
            static_cast<long long>(sitting->calls.wrong),
            judge::name(judge::judge(c[0], c[1], c[2])).c_str(), s.betPlaced ? "yes" : "no");
        return 0;
    }
    std::fputs(
        "usage: playplan keys SITTING any|target|reachme | seed SETTING | show SITTING\n", stderr);
    return 2;
}
