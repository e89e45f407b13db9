#include "tools/sim/sim.h"

#include "machine/gamelog.h"
#include "tools/sim/options.h"
#include "tools/sim/players.h"
#include "tools/sim/tally.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <memory>
#include <ostream>

namespace sim {

namespace {

using Clock = std::chrono::steady_clock;

// The --log stream: rows gathered and written a large piece at a time,
// every write checked.
class Log {
public:
    Log(std::ostream &stream, std::string name)
        : m_stream(stream)
        , m_name(std::move(name))
    {
        m_rows.reserve(kPiece + 256);
        m_rows += machine::kGameLogHeader;
    }

    // False once a write failed; `error` then says why.
    bool add(const machine::GameResult &game, std::string &error)
    {
        machine::appendGameLogRow(m_rows, game);
        return m_rows.size() < kPiece || write(error);
    }

    bool finish(std::string &error)
    {
        if (!write(error))
            return false;
        errno = 0;
        m_stream.flush();
        return m_stream || failed(error);
    }

private:
    static constexpr std::size_t kPiece = std::size_t { 1 } << 20;

    bool write(std::string &error)
    {
        errno = 0;
        m_stream.write(m_rows.data(), static_cast<std::streamsize>(m_rows.size()));
        m_rows.clear();
        return m_stream || failed(error);
    }

    bool failed(std::string &error) const
    {
        error = "cannot write " + m_name + ": " + (errno ? std::strerror(errno) : "write failed");
        return false;
    }

    std::ostream &m_stream;
    std::string m_name;
    std::string m_rows;
};

class Progress {
public:
    Progress(std::ostream &err, bool on, std::int64_t games)
        : m_err(err)
        , m_on(on)
        , m_games(games)
    { }

    void update(std::int64_t played)
    {
        if (!m_on || (played & 0xFFFF) != 0)
            return;
        const Clock::time_point now = Clock::now();
        if (now - m_last < std::chrono::milliseconds(250))
            return;
        m_last = now;
        m_shown = true;
        m_err << "\rreachme-sim: " << played << " of " << m_games << " games" << std::flush;
    }

    void clear()
    {
        if (m_shown)
            m_err << "\r\033[K" << std::flush;
    }

private:
    std::ostream &m_err;
    bool m_on;
    std::int64_t m_games;
    Clock::time_point m_last = Clock::now();
    bool m_shown = false;
};

} // namespace

int run(
    const std::vector<std::string> &args, std::ostream &out, std::ostream &err, bool showProgress)
{
    std::string error;
    const std::optional<Options> options = parseOptions(args, error);
    if (!options) {
        err << "reachme-sim: " << error << " (see --help)\n";
        return 2;
    }
    const Options &o = *options;
    if (o.help) {
        out << kUsage;
        out.flush();
        return out ? 0 : 1;
    }

    std::unique_ptr<std::ofstream> file;
    std::unique_ptr<Log> log;
    if (o.log && *o.log != "-") {
        errno = 0;
        file = std::make_unique<std::ofstream>(*o.log, std::ios::binary | std::ios::trunc);
        if (!*file) {
            err << "reachme-sim: cannot write " << *o.log << ": "
                << (errno ? std::strerror(errno) : "cannot open") << '\n';
            return 1;
        }
        log = std::make_unique<Log>(*file, *o.log);
    } else if (o.log) {
        log = std::make_unique<Log>(out, "standard output");
    }
    std::ostream &summary = o.log && *o.log == "-" ? err : out;

    machine::Machine machine(o.setting, o.seed);
    machine.setControlOption(o.control);
    Player player(o.player, o.seed, o.control);
    Tally tally;
    Progress progress(err, showProgress, o.games);
    const Clock::time_point start = Clock::now();
    bool written = true;
    for (std::int64_t played = 0; played < o.games && written; ++played) {
        machine.lever();
        const Presses presses = player.presses(machine.flags());
        std::optional<machine::StopResult> stop;
        for (int reel = 0; reel < 3; ++reel)
            stop = machine.stop(reel, presses[static_cast<std::size_t>(reel)]);
        const machine::GameResult &game = *stop->game;
        tally.add(game);
        written = !log || log->add(game, error);
        progress.update(played + 1);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    progress.clear();
    if (!written || (log && !log->finish(error))) {
        err << "reachme-sim: " << error << '\n';
        return 1;
    }
    if (file) {
        errno = 0;
        file->close();
        if (!*file) {
            err << "reachme-sim: cannot write " << *o.log << ": "
                << (errno ? std::strerror(errno) : "write failed") << '\n';
            return 1;
        }
    }

    tally.print(summary, o, machine.state().coins, seconds);
    errno = 0;
    summary.flush();
    if (!summary) {
        err << "reachme-sim: cannot write the summary: "
            << (errno ? std::strerror(errno) : "write failed") << '\n';
        return 1;
    }
    return 0;
}

} // namespace sim
