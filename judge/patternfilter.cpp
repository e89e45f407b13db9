#include "judge/patternfilter.h"

#include "judge/fullwidth.h"
#include "judge/table.h"

#include <map>
#include <set>
#include <string>

namespace judge {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::vector<std::string> words(const std::string &text)
{
    std::vector<std::string> result;
    std::string word;
    for (char c : text) {
        if (isBlank(c) || c == ',') {
            if (!word.empty())
                result.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty())
        result.push_back(word);
    return result;
}

// 1..21 written with at most two digits, else nothing.
std::optional<int> cellNumber(const std::string &word)
{
    if (word.empty() || word.size() > 2)
        return std::nullopt;
    int n = 0;
    for (char c : word) {
        if (!isDigit(c))
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return isCell(n) ? std::optional(n) : std::nullopt;
}

std::optional<Code> codeWord(const std::string &word)
{
    if (word.size() < 2 || word.size() > 3 || (word[0] != 'J' && word[0] != 'j'))
        return std::nullopt;
    int n = 0;
    for (std::size_t i = 1; i < word.size(); ++i) {
        if (!isDigit(word[i]))
            return std::nullopt;
        n = n * 10 + (word[i] - '0');
    }
    return n >= 1 && n <= kCodeCount ? std::optional(codeFromNumber(n)) : std::nullopt;
}

} // namespace

SearchQuery parseSearch(std::string_view utf8)
{
    const std::vector<std::string> parts = words(foldFullWidth(utf8));
    SearchQuery query;
    if (parts.empty())
        return query;
    if (parts.size() == 1) {
        if (const auto code = codeWord(parts[0])) {
            query.kind = SearchQuery::Kind::code;
            query.code = code;
            return query;
        }
    }
    query.kind = SearchQuery::Kind::notUnderstood;
    if (parts.size() > 3)
        return query;
    std::vector<int> cells;
    for (const std::string &part : parts) {
        const auto cell = cellNumber(part);
        if (!cell)
            return query;
        cells.push_back(*cell);
    }
    query.kind = SearchQuery::Kind::cells;
    query.cells = cells;
    return query;
}

bool PatternFilter::accepts(const Pattern &pattern, Code code) const
{
    if (categories.any() && !categories.test(std::size_t(number(categoryOf(code)))))
        return false;
    if (codes.any() && !codes.test(std::size_t(number(code))))
        return false;
    if (search.kind == SearchQuery::Kind::code && search.code != code)
        return false;
    if (search.kind == SearchQuery::Kind::cells) {
        const int cells[3] = { pattern.left, pattern.centre, pattern.right };
        for (std::size_t i = 0; i < search.cells.size(); ++i)
            if (cells[i] != search.cells[i])
                return false;
    }
    bool anyPlace = false;
    for (const auto &row : places)
        for (const auto &place : row)
            anyPlace = anyPlace || place.has_value();
    if (anyPlace) {
        const Grid grid = gridFor(pattern.left, pattern.centre, pattern.right);
        for (std::size_t row = 0; row < 3; ++row)
            for (std::size_t reel = 0; reel < std::size_t(kReels); ++reel)
                if (places[row][reel] && grid[row][reel] != *places[row][reel])
                    return false;
    }
    return true;
}

std::vector<ResultGroup> selectPatterns(const PatternFilter &filter)
{
    std::vector<ResultGroup> groups;
    for (int n = 1; n <= kCodeCount; ++n)
        groups.push_back({ codeFromNumber(n), {}, 0 });
    for (int left = 1; left <= kCells; ++left)
        for (int centre = 1; centre <= kCells; ++centre)
            for (int right = 1; right <= kCells; ++right) {
                const Code code = judge::judge(left, centre, right);
                ResultGroup &group = groups[std::size_t(number(code) - 1)];
                ++group.total;
                const Pattern pattern { left, centre, right };
                if (filter.accepts(pattern, code))
                    group.patterns.push_back(pattern);
            }
    return groups;
}

const ViewFigures &machineViewFigures()
{
    static const ViewFigures figures = [] {
        std::map<Grid, std::set<Code>> results;
        for (int left = 1; left <= kCells; ++left)
            for (int centre = 1; centre <= kCells; ++centre)
                for (int right = 1; right <= kCells; ++right)
                    results[gridFor(left, centre, right)].insert(judge::judge(left, centre, right));
        ViewFigures counted;
        counted.views = int(results.size());
        for (const auto &[grid, codes] : results)
            counted.mixed += codes.size() > 1 ? 1 : 0;
        return counted;
    }();
    return figures;
}

} // namespace judge
