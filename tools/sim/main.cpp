#include "tools/sim/sim.h"

#include <fcntl.h>
#include <unistd.h>

#include <iostream>

int main(int argc, char **argv)
{
    // A closed standard stream keeps its number, open for reading only, so a
    // write to it fails and no file opened later takes its place.
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd)
        if (fcntl(fd, F_GETFD) == -1)
            open("/dev/null", O_RDONLY);
    std::ios::sync_with_stdio(false);
    return sim::run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
        isatty(STDERR_FILENO) == 1);
}
