#include "records/callsformat.h"

#include "checksum/checksum.h"
#include "records/numbers.h"

#include <array>
#include <optional>
#include <utility>

namespace records {

namespace {

constexpr std::string_view kVersion = "version ";
constexpr std::string_view kEnd = "end ";

using Figure = std::int64_t CallFigures::*;
constexpr std::array<std::pair<std::string_view, Figure>, 5> kFigures { {
    { "right", &CallFigures::right },
    { "wrong", &CallFigures::wrong },
    { "missed", &CallFigures::missed },
    { "timed-calls", &CallFigures::timedCalls },
    { "games-to-call", &CallFigures::gamesToCall },
} };

ReadCalls damaged(ReadCalls result, const std::string &why)
{
    result.outcome = ReadCalls::Outcome::damaged;
    result.reason = "the calls' figures are damaged: " + why;
    result.figures = {};
    return result;
}

} // namespace

std::string writeCalls(const CallFigures &figures)
{
    std::string out(kCallsHeader);
    out += kVersion;
    appendDecimal(out, kCallsFormatVersion);
    out += '\n';
    for (const auto &[key, figure] : kFigures) {
        out += key;
        out += ' ';
        appendDecimal(out, figures.*figure);
        out += '\n';
    }
    out += std::string(kEnd) + checksum::crc32Hex(out) + '\n';
    return out;
}

ReadCalls readCalls(std::string_view text)
{
    ReadCalls result;
    if (!text.starts_with(kCallsHeader)) {
        result.reason = "not a file of the calls' figures";
        return result;
    }
    std::string_view rest = text.substr(kCallsHeader.size());
    int lineNumber = 1;
    const auto nextLine = [&]() -> std::optional<std::string_view> {
        const std::size_t end = rest.find('\n');
        if (end == std::string_view::npos)
            return std::nullopt;
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end + 1);
        ++lineNumber;
        return line;
    };

    // The version comes first, so that a later format may change all the rest.
    const auto versionLine = nextLine();
    const auto version = versionLine && versionLine->starts_with(kVersion)
        ? parseDecimal<int>(versionLine->substr(kVersion.size()))
        : std::nullopt;
    if (!version || *version < 1)
        return damaged(result, "no format version");
    result.version = *version;
    if (*version > kCallsFormatVersion) {
        result.outcome = ReadCalls::Outcome::newerVersion;
        result.reason = "the calls' figures are from a newer version of the program (format "
            + std::to_string(*version) + "; this one reads format "
            + std::to_string(kCallsFormatVersion) + ")";
        return result;
    }

    for (const auto &[key, figure] : kFigures) {
        const auto line = nextLine();
        if (!line)
            return damaged(result, "cut short at line " + std::to_string(lineNumber + 1));
        const auto value
            = line->size() > key.size() && line->starts_with(key) && (*line)[key.size()] == ' '
            ? parseDecimal(line->substr(key.size() + 1))
            : std::nullopt;
        if (!value)
            return damaged(
                result, "line " + std::to_string(lineNumber) + " should be " + std::string(key));
        result.figures.*figure = *value;
    }
    const std::size_t sealed = text.size() - rest.size();
    const auto end = nextLine();
    if (!end || !end->starts_with(kEnd))
        return damaged(result, "cut short at line " + std::to_string(lineNumber + 1));
    if (!rest.empty() || end->substr(kEnd.size()) != checksum::crc32Hex(text.substr(0, sealed)))
        return damaged(result, "its checksum does not match");
    if (result.figures.timedCalls > result.figures.right)
        return damaged(result, "more timed calls than right calls");
    result.outcome = ReadCalls::Outcome::read;
    return result;
}

} // namespace records
