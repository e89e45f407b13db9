#include "drill/progressformat.h"

#include "checksum/checksum.h"
#include "drill/patterns.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <vector>

namespace drill {

namespace {

// The first line without its line end.
constexpr std::string_view kMagic = kProgressHeader.substr(0, kProgressHeader.size() - 1);

template <typename T> void put(std::string &out, T value)
{
    std::array<char, 24> buffer {};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

void putCells(std::string &out, std::string_view tag, int index)
{
    const judge::Pattern p = patternAt(index);
    out += tag;
    for (const int cell : { p.left, p.centre, p.right }) {
        out += ' ';
        put(out, cell);
    }
}

// Splits a line into blank-separated words; the writer never doubles a blank.
std::vector<std::string_view> words(std::string_view line)
{
    std::vector<std::string_view> result;
    std::size_t start = 0;
    while (true) {
        const std::size_t blank = line.find(' ', start);
        result.push_back(line.substr(start, blank - start));
        if (blank == std::string_view::npos)
            return result;
        start = blank + 1;
    }
}

// A decimal number as the writer writes it: digits only, no leading zero.
template <typename T> std::optional<T> number(std::string_view word, T max)
{
    if (word.empty() || (word.size() > 1 && word[0] == '0')
        || word.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    T value {};
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    if (result.ec != std::errc {} || result.ptr != word.data() + word.size() || value > max)
        return std::nullopt;
    return value;
}

std::optional<int> cells(const std::vector<std::string_view> &w)
{
    const auto left = number(w[1], judge::kCells);
    const auto centre = number(w[2], judge::kCells);
    const auto right = number(w[3], judge::kCells);
    if (!left || !centre || !right || *left < 1 || *centre < 1 || *right < 1)
        return std::nullopt;
    return indexOf({ *left, *centre, *right });
}

constexpr std::int64_t kMaxTime = std::int64_t { 1 } << 62;

// Times as the reader takes them: a clock set before 1970 writes 1970.
std::int64_t writtenTime(std::int64_t seconds)
{
    return std::clamp<std::int64_t>(seconds, 0, kMaxTime);
}

bool readPattern(const std::vector<std::string_view> &w, int &lastIndex, Progress &progress)
{
    if (w.size() != 9)
        return false;
    const auto index = cells(w);
    const auto box = number(w[4], kTopBox);
    const auto right = number<std::uint32_t>(w[5], UINT32_MAX);
    const auto wrong = number<std::uint32_t>(w[6], UINT32_MAX);
    const auto asked = number(w[7], kMaxTime);
    const auto question = number(w[8], progress.questions);
    if (!index || *index <= lastIndex || !box || !right || !wrong || !asked || !question)
        return false;
    // Every answer leaves a box of 1 or more; the writer skips untouched patterns.
    if (*box == 0 || std::uint64_t { *right } + *wrong == 0 || *question == 0)
        return false;
    lastIndex = *index;
    progress.patterns[static_cast<std::size_t>(*index)]
        = { static_cast<std::uint8_t>(*box), *right, *wrong, *asked, *question };
    return true;
}

bool readAnswer(const std::vector<std::string_view> &w, Progress &progress,
    std::array<int, judge::kCategoryCount + 1> &perCategory)
{
    if (w.size() != 7)
        return false;
    const auto index = cells(w);
    const auto chosen = number(w[4], judge::kCategoryCount);
    const auto right = number(w[5], 1);
    const auto when = number(w[6], kMaxTime);
    if (!index || !chosen || !right || !when || (*chosen == 0 && *right == 1))
        return false;
    if (++perCategory[static_cast<std::size_t>(judge::number(categoryAt(*index)))]
        > kLogPerCategory)
        return false;
    progress.log.push_back({ static_cast<std::uint16_t>(*index), static_cast<std::uint8_t>(*chosen),
        *right == 1, *when });
    return true;
}

} // namespace

std::string writeProgress(const Progress &progress)
{
    std::string out;
    out.reserve(64 + 40 * kPatternCount + 32 * progress.log.size());
    out += kMagic;
    out += "\nversion ";
    put(out, kProgressFormatVersion);
    out += "\nquestions ";
    put(out, progress.questions);
    out += '\n';
    for (int i = 0; i < kPatternCount; ++i) {
        const PatternProgress &p = progress.patterns[static_cast<std::size_t>(i)];
        if (p == PatternProgress {})
            continue;
        putCells(out, "pattern", i);
        for (const std::uint64_t v :
            { std::uint64_t { p.box }, std::uint64_t { p.right }, std::uint64_t { p.wrong } }) {
            out += ' ';
            put(out, v);
        }
        out += ' ';
        put(out, writtenTime(p.lastAsked));
        out += ' ';
        put(out, p.lastQuestion);
        out += '\n';
    }
    for (const LoggedAnswer &a : progress.log) {
        putCells(out, "answer", a.pattern);
        out += ' ';
        put(out, int { a.chosen });
        out += a.right ? " 1 " : " 0 ";
        put(out, writtenTime(a.when));
        out += '\n';
    }
    seal(out);
    return out;
}

void seal(std::string &body) { body += "end " + checksum::fnv1a64Hex(body) + '\n'; }

ReadProgress readProgress(std::string_view bytes)
{
    ReadProgress result;
    using Outcome = ReadProgress::Outcome;
    if (!bytes.starts_with(kMagic) || bytes.size() == kMagic.size() || bytes[kMagic.size()] != '\n')
        return result; // notOurs
    result.outcome = Outcome::damaged;

    std::string_view rest = bytes.substr(kMagic.size() + 1);
    const auto nextLine = [&rest]() -> std::optional<std::string_view> {
        const std::size_t end = rest.find('\n');
        if (end == std::string_view::npos)
            return std::nullopt;
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end + 1);
        return line;
    };

    // The version comes first so that a later format may change all the rest.
    const auto versionLine = nextLine();
    if (!versionLine || !versionLine->starts_with("version "))
        return result;
    const auto version = number(versionLine->substr(8), 1'000'000);
    if (!version || *version < 1)
        return result;
    result.version = *version;
    if (*version > kProgressFormatVersion) {
        result.outcome = Outcome::newerVersion;
        return result;
    }

    const std::size_t endAt = bytes.rfind("end ");
    if (endAt == std::string_view::npos || (endAt > 0 && bytes[endAt - 1] != '\n')
        || bytes.substr(endAt) != "end " + checksum::fnv1a64Hex(bytes.substr(0, endAt)) + '\n')
        return result;
    const std::size_t restAt = bytes.size() - rest.size();
    if (endAt < restAt)
        return result;
    rest = rest.substr(0, endAt - restAt);

    Progress &progress = result.progress;
    const auto questionsLine = nextLine();
    if (!questionsLine || !questionsLine->starts_with("questions "))
        return result;
    const auto questions = number<std::uint64_t>(questionsLine->substr(10), UINT64_MAX);
    if (!questions)
        return result;
    progress.questions = *questions;

    int lastIndex = -1;
    std::array<int, judge::kCategoryCount + 1> perCategory {};
    while (const auto line = nextLine()) {
        const auto w = words(*line);
        const bool ok = w[0] == "pattern"
            ? progress.log.empty() && readPattern(w, lastIndex, progress)
            : w[0] == "answer" ? readAnswer(w, progress, perCategory)
                               : false;
        if (!ok)
            return result;
    }
    if (!rest.empty())
        return result;
    result.outcome = Outcome::read;
    return result;
}

} // namespace drill
