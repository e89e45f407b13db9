// A sitting of the drill "練習", without a window: the pattern asked, whether
// it is answered, the time limit (which runs only while the window is
// active), the delay after which the next pattern comes by itself, the
// settings applied, and what the progress's store has to say, each state said
// once. The window is its view, as the main window is reel::MainView's, and
// keeps the layout and the wording.
#pragma once

#include "drill/progress.h"
#include "drill/scheduler.h"
#include "drill/timelimit.h"
#include "safefile/status.h" // a plain enum, shared by the stores
#include "timing/intervaltimer.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace drill {

// What the player chose; the window keeps it between sittings.
struct SessionSettings {
    Mode mode = Mode::weakness;
    CategorySet categories; // none: all nine
    int timeLimitSeconds = 0; // 0 no limit
    int delaySeconds = 0; // 0 the next pattern waits for the player
    bool operator==(const SessionSettings &) const = default;
};

// Where the session's time comes from; tests drive it by hand.
struct SessionTiming {
    std::function<std::int64_t()> milliseconds; // monotonic, for the time limit
    std::unique_ptr<timing::IntervalTimer> limitTicks; // checks the time left
    std::unique_ptr<timing::IntervalTimer> advance; // the delay before the next pattern
    Clock clock; // wall-clock seconds, for the progress
    std::uint64_t seed = 0;
};

// The progress and where it is kept (drill/store's ProgressStore).
class ProgressKeeper {
public:
    virtual ~ProgressKeeper() = default;
    virtual Progress &progress() = 0;
    virtual void save() = 0;
    virtual safefile::Status status() const = 0;
};

// The time left as the window shows it; nothing while there is no limit or
// the pattern is answered.
struct TimeLeft {
    bool shown = false;
    int seconds = 0; // rounded up
    bool paused = false; // the window is in the background
    bool operator==(const TimeLeft &) const = default;
};

class SessionView {
public:
    virtual ~SessionView() = default;
    // A new pattern to answer: every answer open, nothing said yet.
    virtual void showQuestion(const judge::Pattern &pattern) = 0;
    // The answer's outcome; the right answers stay open.
    virtual void showOutcome(const Outcome &outcome) = 0;
    virtual void showTimeLeft(const TimeLeft &left) = 0;
    // Each store status once, when it changes.
    virtual void showStoreStatus(safefile::Status status) = 0;
    // The figures changed: an answer counted, or the progress wiped.
    virtual void progressChanged() = 0;
};

class Session {
public:
    // The view and the keeper must outlive the session. Its timers call
    // into it, so it lets them go first.
    Session(SessionView &view, ProgressKeeper &keeper, SessionTiming timing);
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    // Applies the settings, says the store's status and asks the first
    // pattern.
    void start(const SessionSettings &settings);

    // Takes effect with the next pattern, and at once for a pattern not yet
    // answered, which may be of a category no longer chosen.
    void applySettings(const SessionSettings &settings);
    const SessionSettings &settings() const { return m_settings; }

    // Category number 1..9; ignored once the pattern is answered.
    void answer(int category);
    // Ignored until the pattern is answered.
    void next();
    // The window came to the front or went behind another.
    void setActive(bool active);
    // The store may have something new to say (a save finished).
    void storeChanged();
    // Every pattern's progress wiped, and that saved.
    void wipeProgress();

    bool isAnswered() const { return m_answered; }
    const Scheduler &scheduler() const { return *m_scheduler; }
    TimeLeft timeLeft() const;

    // How often the time left is looked at while it runs.
    static constexpr int kLimitTickMilliseconds = 100;

private:
    void ask();
    void finish(std::optional<judge::Category> chosen);
    void checkTime();
    void tellStoreStatus();

    SessionView &m_view;
    ProgressKeeper &m_keeper;
    SessionTiming m_timing;
    std::unique_ptr<Scheduler> m_scheduler;
    SessionSettings m_settings;
    TimeLimit m_limit;
    bool m_answered = false;
    bool m_active = false;
    std::optional<safefile::Status> m_toldStatus;
};

} // namespace drill
