// What the window benchmarks measure with: wall-clock milliseconds, the
// user-interface thread's CPU time, and a window's picture saved for the
// --screenshot runs.
#pragma once

#include <QString>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <ctime>

namespace benchui {

using Clock = std::chrono::steady_clock;

inline double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// CPU time of the user-interface thread: what a step costs it, without the
// time the machine's other work takes the core away.
inline double threadCpuMs()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Saves a picture of `window` as it is drawn now; the exit status to end with.
inline int saveScreenshot(QWidget &window, const QString &file)
{
    const bool saved = window.grab().save(file);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(file));
    return saved ? 0 : 1;
}

} // namespace benchui
