// A drill session's time on a hand-driven clock and two fake timers: the
// test moves `now` and fires the timers, which the timing points to.
#pragma once

#include "faketimer.h"

#include "drill/session.h"

#include <memory>

struct FakeSessionTiming {
    QStringList log;
    std::int64_t now = 0;
    FakeTimer *limitTicks = nullptr;
    FakeTimer *advance = nullptr;

    // A fixed wall clock and seed, so that every run asks the same patterns.
    drill::SessionTiming make()
    {
        drill::SessionTiming timing;
        timing.milliseconds = [this] { return now; };
        auto limit = std::make_unique<FakeTimer>(log, QStringLiteral("limit"));
        auto next = std::make_unique<FakeTimer>(log, QStringLiteral("advance"));
        limitTicks = limit.get();
        advance = next.get();
        timing.limitTicks = std::move(limit);
        timing.advance = std::move(next);
        timing.clock = [] { return std::int64_t(1'800'000'000); };
        timing.seed = 7;
        return timing;
    }
};
