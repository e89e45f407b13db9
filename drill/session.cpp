#include "drill/session.h"

#include <cmath>

namespace drill {

Session::Session(SessionView &view, ProgressKeeper &keeper, SessionTiming timing)
    : m_view(view)
    , m_keeper(keeper)
    , m_timing(std::move(timing))
    , m_scheduler(std::make_unique<Scheduler>(m_keeper.progress(), m_timing.seed, m_timing.clock))
{
    m_timing.limitTicks->setInterval(kLimitTickMilliseconds);
    m_timing.limitTicks->onTick = [this] { checkTime(); };
    m_timing.advance->onTick = [this] { next(); };
}

Session::~Session()
{
    m_timing.limitTicks.reset();
    m_timing.advance.reset();
}

void Session::start(const SessionSettings &settings)
{
    m_settings = settings;
    m_scheduler->setMode(settings.mode);
    m_scheduler->setCategories(settings.categories);
    tellStoreStatus();
    ask();
}

void Session::applySettings(const SessionSettings &settings)
{
    m_settings = settings;
    m_scheduler->setMode(settings.mode);
    m_scheduler->setCategories(settings.categories);
    if (!m_answered)
        ask();
}

void Session::answer(int category)
{
    if (category < 1 || category > judge::kCategoryCount)
        return;
    finish(judge::categoryFromNumber(category));
}

void Session::next()
{
    if (m_answered)
        ask();
}

void Session::ask()
{
    m_timing.advance->setEnabled(false);
    const judge::Pattern pattern = m_scheduler->next();
    m_answered = false;
    m_view.showQuestion(pattern);
    if (m_settings.timeLimitSeconds > 0) {
        m_limit.start(std::int64_t(m_settings.timeLimitSeconds) * 1000);
        if (m_active)
            m_limit.resume(m_timing.milliseconds());
    } else {
        m_limit.stop();
    }
    m_timing.limitTicks->setEnabled(m_limit.isRunning());
    m_view.showTimeLeft(timeLeft());
}

void Session::finish(std::optional<judge::Category> chosen)
{
    if (m_answered)
        return;
    m_answered = true;
    m_limit.stop();
    m_timing.limitTicks->setEnabled(false);
    const Outcome outcome = m_scheduler->answer(chosen);
    m_keeper.save();
    m_view.showOutcome(outcome);
    m_view.showTimeLeft(timeLeft());
    if (m_settings.delaySeconds > 0) {
        m_timing.advance->setInterval(m_settings.delaySeconds * 1000);
        m_timing.advance->setEnabled(true);
    }
    tellStoreStatus();
    m_view.progressChanged();
}

void Session::checkTime()
{
    if (!m_limit.isSet() || m_answered)
        return;
    if (m_limit.remaining(m_timing.milliseconds()) == 0)
        finish(std::nullopt);
    else
        m_view.showTimeLeft(timeLeft());
}

TimeLeft Session::timeLeft() const
{
    if (!m_limit.isSet() || m_answered)
        return {};
    const std::int64_t left = m_limit.remaining(m_timing.milliseconds());
    return { true, int(std::ceil(double(left) / 1000.0)), !m_limit.isRunning() };
}

// The time limit runs only while the player can see the window and answer.
void Session::setActive(bool active)
{
    m_active = active;
    if (!m_limit.isSet() || m_answered)
        return;
    if (active)
        m_limit.resume(m_timing.milliseconds());
    else
        m_limit.pause(m_timing.milliseconds());
    m_timing.limitTicks->setEnabled(active);
    m_view.showTimeLeft(timeLeft());
}

void Session::storeChanged() { tellStoreStatus(); }

// Each state is said once: a failed save again only after saving worked.
void Session::tellStoreStatus()
{
    const safefile::Status status = m_keeper.status();
    if (m_toldStatus == status)
        return;
    m_toldStatus = status;
    m_view.showStoreStatus(status);
}

void Session::wipeProgress()
{
    m_keeper.progress() = Progress();
    m_keeper.save();
    m_view.progressChanged();
}

} // namespace drill
