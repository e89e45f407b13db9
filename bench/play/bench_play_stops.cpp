// Stop accuracy: 1000 presses (whole games, so 1002) with known window-system stamps, each arriving
// 0–20 ms after it was made, through the play session as the window drives
// it. Every press must read the cell computed from its stamp, and every reel
// must stand within 190 ms of its press at 80 rpm.
//
//     bench_play_stops [presses] [rpm]
#include "machine/generator.h"
#include "play/session.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

class Recorder : public play::SessionView {
public:
    std::vector<machine::GameResult> games;
    void refresh() override { }
    void machineChanged() override { }
    void gameFinished(const machine::GameResult &game) override { games.push_back(game); }
    void gameShown(const machine::GameResult &) override { }
    void called(play::Call) override { }
};

constexpr play::Micros kMs = play::kMicrosPerMilli;

} // namespace

int main(int argc, char *argv[])
{
    const int presses = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int rpm = argc > 2 ? std::atoi(argv[2]) : play::kFullRpm;
    machine::ReelControl::instance(); // its tables, built once, before any timing
    Recorder view;
    play::Options options;
    options.rpm = rpm;
    play::Session session(view, machine::Machine(4, 2024), options, { 5, 12, 19 });
    machine::Generator random(7, 11);

    // The window system's clock runs 3 hours 25 minutes ahead of the reel
    // clock, in whole milliseconds.
    const std::uint64_t serverAhead = 12'345'678;
    play::Micros now = 1'000'000;
    int done = 0, wrongCells = 0;
    play::Micros longest = 0;
    double stopSeconds = 0;
    std::vector<int> expected;
    while (done < presses) {
        // The lever's event arrives a millisecond after its stamp; the
        // presses' events as soon or later.
        now = (now / kMs + 1) * kMs;
        const auto leverStamp = std::uint64_t(now / kMs) + serverAhead;
        now += kMs;
        const play::Micros offset = now - play::Micros(leverStamp) * kMs;
        if (!session.lever({ now, leverStamp }))
            return std::fputs("the lever was refused\n", stderr), 1;
        expected.clear();
        for (int reel = 0; reel < 3; ++reel, ++done) {
            // A press on the millisecond some time after the stop lit up.
            play::Micros lit = now;
            for (session.advance(lit);
                 !session.isLit(play::Control(int(play::Control::stopLeft) + reel));
                 session.advance(lit += kMs)) { }
            const play::Micros pressed = (lit / kMs + 1 + play::Micros(random.below(900))) * kMs;
            const auto stamp = std::uint64_t(pressed / kMs) + serverAhead;
            // The cell computed from the stamp, mapped by the lever's offset.
            const play::Micros mapped = play::Micros(stamp) * kMs + offset;
            const play::ReelPosition at = session.reel(reel, mapped);
            expected.push_back(at.units == 0 ? at.cell : play::cellsOn(at.cell, 1));
            const play::Micros arrives = mapped + play::Micros(random.below(19'000));
            const auto before = std::chrono::steady_clock::now();
            const bool stopped = session.stop(reel, { arrives, stamp });
            stopSeconds
                += std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count();
            if (!stopped)
                return std::fputs("a lit stop was refused\n", stderr), 1;
            play::Micros t = arrives;
            while (session.reel(reel, t) != session.reel(reel, t + 1'000'000))
                t += 100;
            longest = std::max(longest, t - mapped);
            now = t;
        }
        while (session.turning())
            session.advance(now += kMs);
        const machine::GameResult &game = view.games.back();
        for (std::size_t r = 0; r < expected.size(); ++r)
            wrongCells += game.press[r] == expected[r] ? 0 : 1;
        now += 500 * kMs;
    }
    std::printf("%d presses (%d games) at %d rpm: press cell as computed from the stamp %d, "
                "wrong %d\n",
        done, done / 3, rpm, done - wrongCells, wrongCells);
    std::printf("longest from a press to its reel standing: %.1f ms (goal at 80 rpm: 190 ms)\n",
        double(longest) / kMs);
    std::printf(
        "a stop press through the session: %.2f µs on average\n", stopSeconds / presses * 1e6);
    return wrongCells == 0 && (rpm != play::kFullRpm || longest <= 190 * kMs) ? 0 : 1;
}
