#include "records/collectionformat.h"

#include "records/numbers.h"

#include <array>
#include <cstdio>
#include <optional>
#include <zlib.h>

namespace records {

namespace {

constexpr std::string_view kMagic = "reachme reach-me collection\n";
constexpr std::string_view kVersion = "version ";
constexpr std::string_view kPattern = "pattern ";
constexpr std::string_view kEnd = "end ";
constexpr std::size_t kPatternWords = 8; // cells L C R, count, first game and time, last

// CRC-32, the zlib polynomial: notices a file cut short or changed by hand.
std::string checksum(std::string_view bytes)
{
    const auto crc = crc32_z(0L, reinterpret_cast<const Bytef *>(bytes.data()), bytes.size());
    std::array<char, 9> text {};
    std::snprintf(text.data(), text.size(), "%08lx", static_cast<unsigned long>(crc));
    return text.data();
}

template <typename T> void appendWord(std::string &out, T value)
{
    out += ' ';
    appendDecimal(out, value);
}

// The words of a pattern line after its tag; the writer never doubles a blank.
std::optional<std::array<std::string_view, kPatternWords>> patternWords(std::string_view line)
{
    std::array<std::string_view, kPatternWords> words;
    for (std::size_t i = 0; i < kPatternWords; ++i) {
        const std::size_t blank = line.find(' ');
        if ((blank == std::string_view::npos) != (i + 1 == kPatternWords))
            return std::nullopt;
        words[i] = line.substr(0, blank);
        line.remove_prefix(blank == std::string_view::npos ? line.size() : blank + 1);
    }
    return words;
}

bool readPattern(std::string_view line, int &lastIndex, ReachMeCollection &collection)
{
    if (!line.starts_with(kPattern))
        return false;
    const auto w = patternWords(line.substr(kPattern.size()));
    if (!w)
        return false;
    const auto left = parseDecimal<int>((*w)[0]), centre = parseDecimal<int>((*w)[1]),
               right = parseDecimal<int>((*w)[2]);
    const auto count = parseDecimal<std::uint64_t>((*w)[3]);
    const auto firstGame = parseDecimal((*w)[4]), firstTime = parseDecimal((*w)[5]);
    const auto lastGame = parseDecimal((*w)[6]), lastTime = parseDecimal((*w)[7]);
    if (!left || !centre || !right || !count || !firstGame || !firstTime || !lastGame || !lastTime)
        return false;
    const judge::Pattern pattern { *left, *centre, *right };
    if (!isCollectable(pattern) || judge::patternIndex(pattern) <= lastIndex)
        return false;
    lastIndex = judge::patternIndex(pattern);
    return collection.restore(
        pattern, { *count, { *firstGame, *firstTime }, { *lastGame, *lastTime } });
}

ReadCollection damaged(ReadCollection result, const std::string &why)
{
    result.outcome = ReadCollection::Outcome::damaged;
    result.reason = "the reach-me collection is damaged: " + why;
    result.collection = {};
    return result;
}

} // namespace

std::string writeCollection(const ReachMeCollection &collection)
{
    std::string out(kMagic);
    out.reserve(64 + 56 * static_cast<std::size_t>(collection.collected()));
    out += kVersion;
    appendDecimal(out, kCollectionFormatVersion);
    out += '\n';
    for (const int index : collectablePatterns()) {
        const judge::Pattern p = judge::patternAt(index);
        const CollectedPattern &c = collection.at(p);
        if (c.count == 0)
            continue;
        out += kPattern;
        appendDecimal(out, p.left);
        for (const std::int64_t n : { p.centre, p.right })
            appendWord(out, n);
        appendWord(out, c.count);
        for (const std::int64_t n : { c.first.game, c.first.time, c.last.game, c.last.time })
            appendWord(out, n);
        out += '\n';
    }
    sealCollection(out);
    return out;
}

void sealCollection(std::string &body) { body += std::string(kEnd) + checksum(body) + '\n'; }

ReadCollection readCollection(std::string_view text)
{
    ReadCollection result;
    if (!text.starts_with(kMagic)) {
        result.reason = "not a reach-me collection";
        return result;
    }
    std::string_view rest = text.substr(kMagic.size());
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
    if (*version > kCollectionFormatVersion) {
        result.outcome = ReadCollection::Outcome::newerVersion;
        result.reason = "the reach-me collection is from a newer version of the program (format "
            + std::to_string(*version) + "; this one reads format "
            + std::to_string(kCollectionFormatVersion) + ")";
        return result;
    }

    int lastIndex = -1;
    while (true) {
        const std::size_t lineStart = text.size() - rest.size();
        const auto line = nextLine();
        if (!line)
            return damaged(result, "cut short at line " + std::to_string(lineNumber + 1));
        if (line->starts_with(kEnd)) {
            if (!rest.empty() || line->substr(kEnd.size()) != checksum(text.substr(0, lineStart)))
                return damaged(result, "its checksum does not match");
            break;
        }
        if (!readPattern(*line, lastIndex, result.collection))
            return damaged(result, "line " + std::to_string(lineNumber) + " is not a pattern");
    }
    result.outcome = ReadCollection::Outcome::read;
    return result;
}

} // namespace records
