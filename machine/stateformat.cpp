#include "machine/stateformat.h"

#include "checksum/checksum.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

namespace machine {

namespace {

std::string hex(std::uint64_t value, int digits)
{
    std::array<char, 17> text {};
    std::snprintf(
        text.data(), text.size(), "%0*llx", digits, static_cast<unsigned long long>(value));
    return text.data();
}

// Exactly `digits` lower-case hexadecimal digits.
std::optional<std::uint64_t> parseHex(std::string_view word, std::size_t digits)
{
    std::uint64_t value = 0;
    if (word.size() != digits || word.find_first_not_of("0123456789abcdef") != word.npos
        || std::from_chars(word.data(), word.data() + word.size(), value, 16).ec != std::errc {})
        return std::nullopt;
    return value;
}

// A decimal number as the writer writes it: digits only, no leading zero.
std::optional<std::int64_t> parseNumber(std::string_view word)
{
    std::int64_t value = 0;
    if (word.empty() || (word.size() > 1 && word[0] == '0')
        || word.find_first_not_of("0123456789") != word.npos
        || std::from_chars(word.data(), word.data() + word.size(), value).ec != std::errc {})
        return std::nullopt;
    return value;
}

// One line of the file: its key, the value as written, and how a read value
// goes back into the state (false when it is not one the writer writes).
struct Field {
    std::string_view key;
    std::function<std::string(const State &)> give;
    std::function<bool(State &, std::string_view)> take;
};

template <typename Get> Field number(std::string_view key, Get get)
{
    return { key, [get](const State &s) { return std::to_string(get(s)); },
        [get](State &s, std::string_view word) {
            auto &target = get(s);
            const auto n = parseNumber(word);
            using T = std::remove_reference_t<decltype(target)>;
            if (!n || *n > std::numeric_limits<T>::max())
                return false;
            target = static_cast<T>(*n);
            return true;
        } };
}

template <typename Get> Field yesNo(std::string_view key, Get get)
{
    return { key, [get](const State &s) { return get(s) ? "yes" : "no"; },
        [get](State &s, std::string_view word) {
            get(s) = word == "yes";
            return word == "yes" || word == "no";
        } };
}

template <typename Get> Field bonus(std::string_view key, Get get)
{
    return { key, [get](const State &s) { return std::string(bonusName(get(s))); },
        [get](State &s, std::string_view word) {
            const auto b = parseBonus(word);
            get(s) = b.value_or(Bonus::none);
            return b.has_value();
        } };
}

const std::vector<Field> &fields()
{
    static const std::vector<Field> all {
        number(
            "setting", [](auto &s) -> auto & { return s.setting; }),
        { "generator",
            [](const State &s) {
                return hex(s.generator.state(), 16) + ' ' + hex(s.generator.increment(), 16);
            },
            [](State &s, std::string_view word) {
                const auto state = parseHex(word.substr(0, 16), 16);
                const auto increment = word.size() == 33 && word[16] == ' '
                    ? parseHex(word.substr(17), 16)
                    : std::nullopt;
                if (!state || !increment || (*increment & 1u) == 0)
                    return false;
                s.generator = Generator::fromState(*state, *increment);
                return true;
            } },
        bonus(
            "carried", [](auto &s) -> auto & { return s.carried; }),
        bonus(
            "bonus", [](auto &s) -> auto & { return s.bonus.kind; }),
        yesNo(
            "in-jac", [](auto &s) -> auto & { return s.bonus.inJac; }),
        number(
            "big-games", [](auto &s) -> auto & { return s.bonus.smallGames; }),
        number(
            "jac-games", [](auto &s) -> auto & { return s.bonus.jacGames; }),
        number(
            "jac-plays", [](auto &s) -> auto & { return s.bonus.jacPlays; }),
        number(
            "jac-wins", [](auto &s) -> auto & { return s.bonus.jacWins; }),
        yesNo(
            "replay", [](auto &s) -> auto & { return s.replay; }),
        yesNo(
            "bet-placed", [](auto &s) -> auto & { return s.betPlaced; }),
        number(
            "credit", [](auto &s) -> auto & { return s.coins.credit; }),
        number(
            "coins-in", [](auto &s) -> auto & { return s.coins.in; }),
        number(
            "coins-out", [](auto &s) -> auto & { return s.coins.out; }),
        number(
            "replays", [](auto &s) -> auto & { return s.coins.replays; }),
        number(
            "games", [](auto &s) -> auto & { return s.counters.games; }),
        number(
            "games-since-bonus", [](auto &s) -> auto & { return s.counters.gamesSinceBonus; }),
        number(
            "big-count", [](auto &s) -> auto & { return s.counters.bigs; }),
        number(
            "reg-count", [](auto &s) -> auto & { return s.counters.regs; }),
    };
    return all;
}

ReadState damaged(ReadState result, const std::string &why)
{
    result.outcome = ReadState::Outcome::damaged;
    result.reason = "the saved machine is damaged: " + why;
    return result;
}

} // namespace

std::string writeState(const State &state)
{
    std::string out(kStateHeader);
    out += "version " + std::to_string(kStateFormatVersion) + '\n';
    for (const Field &field : fields())
        out += std::string(field.key) + ' ' + field.give(state) + '\n';
    sealState(out);
    return out;
}

void sealState(std::string &body) { checksum::appendCrc32Seal(body); }

ReadState readState(std::string_view text)
{
    ReadState result;
    if (!text.starts_with(kStateHeader)) {
        result.reason = "not a saved machine";
        return result;
    }
    std::string_view rest = text.substr(kStateHeader.size());
    int lineNumber = 1;
    const auto nextLine = [&]() -> std::optional<std::string_view> {
        const std::size_t end = rest.find('\n');
        if (end == rest.npos)
            return std::nullopt;
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end + 1);
        ++lineNumber;
        return line;
    };
    const auto where = [&] { return "line " + std::to_string(lineNumber); };

    // The version comes first, so that a later format may change all the rest.
    const auto version = nextLine();
    const auto n = version && version->starts_with("version ") ? parseNumber(version->substr(8))
                                                               : std::nullopt;
    if (!n || *n < 1 || *n > 1'000'000)
        return damaged(result, "no format version");
    result.version = static_cast<int>(*n);
    if (*n > kStateFormatVersion) {
        result.outcome = ReadState::Outcome::newerVersion;
        result.reason = "the saved machine is from a newer version of the program (format "
            + std::to_string(*n) + "; this one reads format " + std::to_string(kStateFormatVersion)
            + ")";
        return result;
    }

    for (const Field &field : fields()) {
        const auto line = nextLine();
        if (!line)
            return damaged(result, "cut short at " + where());
        if (!line->starts_with(field.key) || line->size() <= field.key.size()
            || (*line)[field.key.size()] != ' ')
            return damaged(result, where() + " should be " + std::string(field.key));
        if (!field.take(result.state, line->substr(field.key.size() + 1)))
            return damaged(result, where() + " has a bad " + std::string(field.key));
    }
    const std::size_t sealed = text.size() - rest.size();
    const auto end = nextLine();
    if (!end || !end->starts_with(checksum::kSealTag))
        return damaged(result, "cut short at " + where());
    if (!rest.empty() || !checksum::isCrc32Seal(*end, text.substr(0, sealed)))
        return damaged(result, "its checksum does not match");
    if (const std::string why = impossibility(result.state); !why.empty())
        return damaged(result, why);
    result.outcome = ReadState::Outcome::read;
    return result;
}

} // namespace machine
