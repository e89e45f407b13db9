// The controller wired to a fake window and four fake timers, with helpers to
// read the shared call log.
#pragma once

#include "faketimer.h"
#include "fakeview.h"
#include "positions.h"

#include "reel/controller.h"

#include "judge/codes.h"
#include "judge/table.h"

#include <array>

inline QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The buttons enabled at rest, in the order of reel::kButtons.
inline const QStringList kAtRest { "cmstart", "r1ue", "r1sita", "r2ue", "r2sita", "r3ue", "r3sita",
    "cmend", "autostart", "Cmkaisetu", "Cmsousa" };

// The two captions a judgement of these cells writes, lbtamaya first.
inline QStringList judgementCaptions(int left, int centre, int right)
{
    const judge::Message message = judge::message(judge::judge(left, centre, right));
    return { "caption lbtamaya=" + qs(message.tamaya), "caption lbyakumei=" + qs(message.yakumei) };
}

struct FakeWindow {
    QStringList log;
    FakeView view { log };
    FakeTimer timer1 { log, "Timer1" };
    FakeTimer timer2 { log, "Timer2" };
    FakeTimer timer3 { log, "Timer3" };
    FakeTimer timer4 { log, "Timer4" };
    reel::MainController controller { view, timer1, timer2, timer3, timer4 };

    std::array<FakeTimer *, 3> spinTimers() { return { &timer1, &timer2, &timer3 }; }

    // Everything observable at once: the window, the timers and the fields.
    struct Snapshot {
        FakeView::State view;
        std::array<FakeTimer::State, 4> timers;
        reel::WindowFields fields;
        bool operator==(const Snapshot &) const = default;
    };

    Snapshot snapshot() const
    {
        return { view.state, { timer1.state, timer2.state, timer3.state, timer4.state },
            controller.fields() };
    }

    // One tick of every spin timer that runs, left to right.
    void spinAll()
    {
        for (FakeTimer *timer : spinTimers())
            timer->fire();
    }

    // The calls logged since `mark`, optionally only those starting with one
    // of `prefixes`.
    QStringList callsSince(qsizetype mark, const QStringList &prefixes = {}) const
    {
        QStringList calls = log.mid(mark);
        if (prefixes.isEmpty())
            return calls;
        QStringList kept;
        for (const QString &call : calls)
            for (const QString &prefix : prefixes)
                if (call.startsWith(prefix)) {
                    kept << call;
                    break;
                }
        return kept;
    }

    QStringList enabledButtons() const
    {
        QStringList names;
        for (const reel::ButtonEntry &entry : reel::kButtons)
            if (view.state.enabled.at(entry.button))
                names << entry.objectName;
        return names;
    }
};
