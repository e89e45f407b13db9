// Reports when the first window of a program is first painted, for the
// start-up benchmark: prints the CLOCK_MONOTONIC time in nanoseconds on
// stdout and ends the process at once.
#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>

class FirstPaintReporter : public QObject {
public:
    // `isWatched` picks the window whose paint counts.
    explicit FirstPaintReporter(std::function<bool(QObject *)> isWatched)
        : m_isWatched(std::move(isWatched))
    { }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_isWatched(object)) {
            timespec now {};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            std::fflush(stdout);
            // Nothing after the paint is measured; skip the teardown.
            std::_Exit(0);
        }
        return false;
    }

private:
    std::function<bool(QObject *)> m_isWatched;
};
