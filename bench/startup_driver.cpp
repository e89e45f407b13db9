// Start-up time and peak memory of two programs, run in turn: the time from
// just before the child is spawned to the first paint of its first window
// (the child prints its CLOCK_MONOTONIC time then), and its peak RSS.
//
//   xvfb-run -a build-perf/bin/startup_driver RUNS PROGRAM BASELINE
//
// with PROGRAM build-perf/bin/startup_reachme, BASELINE startup_minimal.
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char **environ;

namespace {

struct Run {
    double milliseconds;
    double peakMegabytes;
};

long long monotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// One run of `program`; false when it did not report a paint within 30 s.
bool runOnce(const char *program, Run &run)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char *argv[] = { const_cast<char *>(program), nullptr };

    const long long start = monotonicNanoseconds();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return false;
    }

    std::string line;
    pollfd fd { out[0], POLLIN, 0 };
    char buffer[64];
    while (line.find('\n') == std::string::npos && poll(&fd, 1, 30000) > 0) {
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        line.append(buffer, std::size_t(n));
    }
    close(out[0]);
    if (line.find('\n') == std::string::npos)
        kill(child, SIGKILL);

    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    if (line.find('\n') == std::string::npos || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    run.milliseconds = double(std::atoll(line.c_str()) - start) / 1e6;
    run.peakMegabytes = double(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Summary {
    double time, timeMin, timeMax, rss, rssMax;
};

Summary summarise(const std::vector<Run> &runs)
{
    std::vector<double> times, rss;
    for (const Run &run : runs) {
        times.push_back(run.milliseconds);
        rss.push_back(run.peakMegabytes);
    }
    return { median(times), *std::min_element(times.begin(), times.end()),
        *std::max_element(times.begin(), times.end()), median(rss),
        *std::max_element(rss.begin(), rss.end()) };
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM BASELINE\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const char *programs[2] = { argv[2], argv[3] };
    std::vector<Run> results[2];

    // Alternating, so that both see the same caches and background load.
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < 2; ++p) {
            Run run {};
            if (!runOnce(programs[p], run)) {
                std::fprintf(stderr, "%s did not report its first paint\n", programs[p]);
                return 1;
            }
            results[p].push_back(run);
        }
    }

    Summary summary[2] = { summarise(results[0]), summarise(results[1]) };
    std::printf("%d runs each, alternating\n", runs);
    std::printf("%-40s %10s %10s %10s %12s %12s\n", "program", "median ms", "min ms", "max ms",
        "median MiB", "max MiB");
    for (int p = 0; p < 2; ++p)
        std::printf("%-40s %10.1f %10.1f %10.1f %12.1f %12.1f\n", programs[p], summary[p].time,
            summary[p].timeMin, summary[p].timeMax, summary[p].rss, summary[p].rssMax);
    for (int p = 0; p < 2; ++p) {
        std::vector<double> times;
        for (const Run &run : results[p])
            times.push_back(run.milliseconds);
        std::sort(times.begin(), times.end());
        std::printf("%s, every run in ms:", programs[p]);
        for (double t : times)
            std::printf(" %.0f", t);
        std::printf("\n");
    }
    std::printf("ratio of medians: time %.2f, peak RSS %.2f (goal <= 1.3 both)\n",
        summary[0].time / summary[1].time, summary[0].rss / summary[1].rss);
    return 0;
}
