#include "tools/chart/chart.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <iostream>

int main(int argc, char **argv)
{
    // A closed standard stream keeps its number, open for reading only: a
    // write to it fails as on a closed one, and no file Qt opens later takes
    // its place.
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd)
        if (fcntl(fd, F_GETFD) == -1)
            open("/dev/null", O_RDONLY);
    // A reader that goes away (`reachme-chart | head -1`) makes a write fail
    // with EPIPE, said on one line, instead of ending the tool unannounced.
    std::signal(SIGPIPE, SIG_IGN);
    std::ios::sync_with_stdio(false);
    return chart::run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
