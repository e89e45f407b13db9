#include "play/sessionformat.h"

#include "checksum/checksum.h"
#include "machine/stateformat.h"

#include <charconv>
#include <optional>
#include <vector>

namespace play {

namespace {

constexpr std::string_view kMachineLine = "machine\n";
constexpr std::string_view kEnd = "end ";

// Decimal as the writer writes it: digits only, no leading zero.
template <typename Number = std::int64_t> std::optional<Number> number(std::string_view word)
{
    Number value = 0;
    const char *end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    if (word.empty() || (word.size() > 1 && word[0] == '0') || word[0] == '-'
        || error != std::errc {} || stop != end)
        return std::nullopt;
    return value;
}

// The words after `key` on a line, when it is that line.
std::optional<std::vector<std::string_view>> fieldWords(std::string_view line, std::string_view key)
{
    if (!line.starts_with(key) || line.size() <= key.size() || line[key.size()] != ' ')
        return std::nullopt;
    std::vector<std::string_view> words;
    std::string_view rest = line.substr(key.size() + 1);
    while (true) {
        const std::size_t blank = rest.find(' ');
        words.push_back(rest.substr(0, blank));
        if (blank == rest.npos)
            return words;
        rest.remove_prefix(blank + 1);
    }
}

class Lines {
public:
    explicit Lines(std::string_view text)
        : m_rest(text)
    { }
    std::optional<std::string_view> next()
    {
        const std::size_t end = m_rest.find('\n');
        if (end == m_rest.npos)
            return std::nullopt;
        const std::string_view line = m_rest.substr(0, end);
        m_rest.remove_prefix(end + 1);
        return line;
    }
    std::string_view rest() const { return m_rest; }

private:
    std::string_view m_rest;
};

ReadSession refused(ReadSession::Outcome outcome, std::string reason)
{
    ReadSession result;
    result.outcome = outcome;
    result.reason = std::move(reason);
    return result;
}

ReadSession damaged(const std::string &why)
{
    return refused(ReadSession::Outcome::damaged, "the saved sitting is damaged: " + why);
}

} // namespace

std::string writeSession(const SavedSession &s)
{
    std::string out(kSessionHeader);
    out += "version " + std::to_string(kSessionFormatVersion) + '\n';
    out += "reels " + std::to_string(s.cells[0]) + ' ' + std::to_string(s.cells[1]) + ' '
        + std::to_string(s.cells[2]) + '\n';
    out += std::string("setting-shown ") + (s.settingShown ? "yes" : "no") + '\n';
    out += "seed " + std::to_string(s.seed) + '\n';
    const records::CallFigures &c = s.calls;
    out += "calls " + std::to_string(c.right) + ' ' + std::to_string(c.wrong) + ' '
        + std::to_string(c.missed) + ' ' + std::to_string(c.timedCalls) + ' '
        + std::to_string(c.gamesToCall) + '\n';
    out += kMachineLine;
    out += machine::writeState(s.machine);
    // The machine's own seal line, now over the whole file.
    checksum::appendCrc32Seal(out);
    return out;
}

ReadSession readSession(std::string_view text)
{
    if (!text.starts_with(kSessionHeader))
        return refused(ReadSession::Outcome::notOurs, "not a saved sitting at the machine");
    Lines lines(text.substr(kSessionHeader.size()));
    const auto version = lines.next();
    const auto words = version ? fieldWords(*version, "version") : std::nullopt;
    const auto n = words && words->size() == 1 ? number(words->front()) : std::nullopt;
    if (!n || *n < 1)
        return damaged("no format version");
    if (*n > kSessionFormatVersion)
        return refused(ReadSession::Outcome::newerVersion,
            "the saved sitting is from a newer version of the program (format " + std::to_string(*n)
                + "; this one reads format " + std::to_string(kSessionFormatVersion) + ")");

    // The seal first: whatever else is wrong, a changed file is damaged.
    const std::size_t lastLine = text.rfind('\n', text.size() >= 2 ? text.size() - 2 : 0);
    if (!text.ends_with('\n') || lastLine == text.npos)
        return damaged("cut short");
    const std::string_view body = text.substr(0, lastLine + 1);
    if (!checksum::isCrc32Seal(text.substr(lastLine + 1, text.size() - lastLine - 2), body))
        return damaged("its checksum does not match");

    ReadSession result;
    SavedSession &s = result.session;
    const auto reels = lines.next();
    const auto cells = reels ? fieldWords(*reels, "reels") : std::nullopt;
    if (!cells || cells->size() != 3)
        return damaged("no reels line");
    for (std::size_t r = 0; r < 3; ++r) {
        const auto cell = number((*cells)[r]);
        if (!cell || *cell < 1 || *cell > 21)
            return damaged("a reel's cell is not 1..21");
        s.cells[r] = static_cast<int>(*cell);
    }
    const auto shown = lines.next();
    const auto shownWords = shown ? fieldWords(*shown, "setting-shown") : std::nullopt;
    if (!shownWords || shownWords->size() != 1
        || (shownWords->front() != "yes" && shownWords->front() != "no"))
        return damaged("no setting-shown line");
    s.settingShown = shownWords->front() == "yes";
    const auto seed = lines.next();
    const auto seedWords = seed ? fieldWords(*seed, "seed") : std::nullopt;
    const auto seedNumber = seedWords && seedWords->size() == 1
        ? number<std::uint64_t>(seedWords->front())
        : std::nullopt;
    if (!seedNumber)
        return damaged("no seed line");
    s.seed = *seedNumber;
    const auto calls = lines.next();
    const auto callWords = calls ? fieldWords(*calls, "calls") : std::nullopt;
    if (!callWords || callWords->size() != 5)
        return damaged("no calls line");
    records::CallFigures &c = s.calls;
    const std::array<std::int64_t *, 5> figures { &c.right, &c.wrong, &c.missed, &c.timedCalls,
        &c.gamesToCall };
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const auto figure = number((*callWords)[i]);
        if (!figure)
            return damaged("a bad call count");
        *figures[i] = *figure;
    }
    if (lines.next() != kMachineLine.substr(0, kMachineLine.size() - 1))
        return damaged("no machine line");

    // The machine's own text runs to its end line, the one before the last.
    const std::size_t machineStart = text.size() - lines.rest().size();
    if (machineStart > lastLine)
        return damaged("no machine");
    const std::string_view machineText = text.substr(machineStart, lastLine + 1 - machineStart);
    machine::ReadState machine = machine::readState(machineText);
    switch (machine.outcome) {
    case machine::ReadState::Outcome::read: break;
    case machine::ReadState::Outcome::newerVersion:
        return refused(ReadSession::Outcome::newerVersion, machine.reason);
    case machine::ReadState::Outcome::notOurs:
    case machine::ReadState::Outcome::damaged: return damaged(machine.reason);
    }
    s.machine = machine.state;
    result.outcome = ReadSession::Outcome::read;
    return result;
}

} // namespace play
