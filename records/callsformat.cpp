#include "records/callsformat.h"

#include "checksum/checksum.h"
#include "records/numbers.h"
#include "records/sealedtext.h"

#include <array>
#include <optional>
#include <utility>

namespace records {

namespace {

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
    std::string out = sealedTextStart(kCallsHeader, kCallsFormatVersion);
    for (const auto &[key, figure] : kFigures) {
        out.append(key) += ' ';
        appendDecimal(out, figures.*figure);
        out += '\n';
    }
    checksum::appendCrc32Seal(out);
    return out;
}

ReadCalls readCalls(std::string_view text)
{
    ReadCalls result;
    if (!text.starts_with(kCallsHeader)) {
        result.reason = "not a file of the calls' figures";
        return result;
    }
    SealedText lines(text, kCallsHeader);
    const auto version = lines.version();
    if (!version)
        return damaged(result, "no format version");
    result.version = *version;
    if (*version > kCallsFormatVersion) {
        result.outcome = ReadCalls::Outcome::newerVersion;
        result.reason = newerVersionReason("the calls' figures are", *version, kCallsFormatVersion);
        return result;
    }

    const auto cutShort = [&] {
        return damaged(result, "cut short at line " + std::to_string(lines.lineNumber() + 1));
    };
    for (const auto &[key, figure] : kFigures) {
        const auto line = lines.next();
        if (!line)
            return cutShort();
        const auto value
            = line->size() > key.size() && line->starts_with(key) && (*line)[key.size()] == ' '
            ? parseDecimal(line->substr(key.size() + 1))
            : std::nullopt;
        if (!value)
            return damaged(result,
                "line " + std::to_string(lines.lineNumber()) + " should be " + std::string(key));
        result.figures.*figure = *value;
    }
    const auto end = lines.next();
    if (!end || !end->starts_with(checksum::kSealTag))
        return cutShort();
    if (!lines.sealedBy(*end))
        return damaged(result, "its checksum does not match");
    if (result.figures.timedCalls > result.figures.right)
        return damaged(result, "more timed calls than right calls");
    result.outcome = ReadCalls::Outcome::read;
    return result;
}

} // namespace records
