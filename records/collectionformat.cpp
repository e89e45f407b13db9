#include "records/collectionformat.h"

#include "checksum/checksum.h"
#include "records/numbers.h"
#include "records/sealedtext.h"

#include <array>
#include <optional>

namespace records {

namespace {

constexpr std::string_view kPattern = "pattern ";
constexpr std::size_t kPatternWords = 8; // cells L C R, count, first game and time, last

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
    std::string out = sealedTextStart(kCollectionHeader, kCollectionFormatVersion);
    out.reserve(64 + 56 * static_cast<std::size_t>(collection.collected()));
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
    checksum::appendCrc32Seal(out);
    return out;
}

void sealCollection(std::string &body) { checksum::appendCrc32Seal(body); }

ReadCollection readCollection(std::string_view text)
{
    ReadCollection result;
    if (!text.starts_with(kCollectionHeader)) {
        result.reason = "not a reach-me collection";
        return result;
    }
    SealedText lines(text, kCollectionHeader);
    const auto version = lines.version();
    if (!version)
        return damaged(result, "no format version");
    result.version = *version;
    if (*version > kCollectionFormatVersion) {
        result.outcome = ReadCollection::Outcome::newerVersion;
        result.reason
            = newerVersionReason("the reach-me collection is", *version, kCollectionFormatVersion);
        return result;
    }

    int lastIndex = -1;
    while (true) {
        const auto line = lines.next();
        if (!line)
            return damaged(result, "cut short at line " + std::to_string(lines.lineNumber() + 1));
        if (line->starts_with(checksum::kSealTag)) {
            if (!lines.sealedBy(*line))
                return damaged(result, "its checksum does not match");
            break;
        }
        if (!readPattern(*line, lastIndex, result.collection))
            return damaged(
                result, "line " + std::to_string(lines.lineNumber()) + " is not a pattern");
    }
    result.outcome = ReadCollection::Outcome::read;
    return result;
}

} // namespace records
