#include "tools/sim/options.h"

#include "machine/lottery.h"

#include <charconv>

namespace sim {

const char *const kUsage
    = "Usage: reachme-sim --setting 1..6 --games N [--seed S] [--player random|perfect]\n"
      "                   [--reach-me-first] [--log FILE|-]\n"
      "\n"
      "Plays the machine for N games and prints what came of them: the bonuses\n"
      "against the setting's odds, the small wins and how often they were lined\n"
      "up, the reach-me patterns shown while a bonus was carried, the payout\n"
      "rate (with the rate worked out exactly beside it) and the coins.\n"
      "\n"
      "  --setting 1..6     the machine's setting\n"
      "  --games N          games to play (1 or more)\n"
      "  --seed S           seeds the machine and the player (0 .. 2^64-1; 1)\n"
      "  --player random    presses every stop at a random cell (the default)\n"
      "  --player perfect   knows the flags and presses where the target can be made\n"
      "  --reach-me-first   the control's practice option リーチ目優先\n"
      "  --log FILE         one CSV row a game (- is standard output; the summary\n"
      "                     then goes to standard error)\n"
      "  --help             this text\n"
      "\n"
      "Exit status: 0 done, 1 a write failed, 2 bad arguments.\n";

namespace {

template <typename T> std::optional<T> number(const std::string &text)
{
    T value {};
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || text.front() == '-' || ec != std::errc {} || ptr != end)
        return std::nullopt;
    return value;
}

// Sets the option `name` from `text`; empty, or why it cannot.
std::string setValue(Options &o, const std::string &name, const std::string &text)
{
    const std::string given = ", not '" + text + "'";
    if (name == "--setting") {
        const auto n = number<int>(text);
        if (!n || *n < 1 || *n > machine::kSettings)
            return "--setting takes 1..6" + given;
        o.setting = *n;
    } else if (name == "--games") {
        const auto n = number<std::int64_t>(text);
        if (!n || *n < 1)
            return "--games takes a number of games, 1 or more" + given;
        o.games = *n;
    } else if (name == "--seed") {
        const auto n = number<std::uint64_t>(text);
        if (!n)
            return "--seed takes a number 0 .. 18446744073709551615" + given;
        o.seed = *n;
    } else if (name == "--player") {
        if (text != "random" && text != "perfect")
            return "--player takes random or perfect" + given;
        o.player = text == "random" ? PlayerKind::random : PlayerKind::perfect;
    } else {
        if (text.empty())
            return "--log needs a file name (- for standard output)";
        o.log = text;
    }
    return {};
}

bool takesValue(const std::string &arg)
{
    for (const char *name : { "--setting", "--games", "--seed", "--player", "--log" })
        if (arg == name)
            return true;
    return false;
}

} // namespace

std::optional<Options> parseOptions(const std::vector<std::string> &args, std::string &error)
{
    Options o;
    bool haveSetting = false, haveGames = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--help") {
            o.help = true;
        } else if (arg == "--reach-me-first") {
            o.control = machine::ControlOption::reachMeFirst;
        } else if (!takesValue(arg)) {
            error = "unknown argument '" + arg + "'";
            return std::nullopt;
        } else if (i + 1 >= args.size()) {
            error = "option " + arg + " needs a value";
            return std::nullopt;
        } else {
            error = setValue(o, arg, args[++i]);
            if (!error.empty())
                return std::nullopt;
            haveSetting |= arg == "--setting";
            haveGames |= arg == "--games";
        }
    }
    if (!o.help && (!haveSetting || !haveGames)) {
        error = haveSetting ? "--games N is needed" : "--setting 1..6 is needed";
        return std::nullopt;
    }
    return o;
}

} // namespace sim
