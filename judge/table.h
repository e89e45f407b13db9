// The judgement tables and the lookup built from them.
//
// A pattern is the three cells standing in the top row of the reel windows
// (left, centre, right), each 1..21. The tables are written per left cell:
// rows select on the centre cell, then groups of right cells give a result,
// and every right cell a row does not list gets the row's default.
#pragma once

#include "judge/codes.h"
#include "judge/pattern.h"

#include <array>
#include <stdexcept>
#include <vector>

namespace judge {

struct RightGroup {
    std::vector<int> right;
    Code code;
};

struct CentreRow {
    std::vector<int> centres;
    std::vector<RightGroup> groups;
    Code other;
};

struct LeftTable {
    int left;
    std::vector<CentreRow> rows;
};

// The machine's tables, in three files of seven left cells each.
std::vector<LeftTable> leftTables01to07();
std::vector<LeftTable> leftTables08to14();
std::vector<LeftTable> leftTables15to21();
std::vector<LeftTable> machineTables();

// A table that does not give exactly one result for every pattern.
class TableError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

inline bool isCell(int n) { return n >= 1 && n <= kCells; }

// Every pattern's result, worked out once from a set of tables.
class Judgement {
public:
    // Throws TableError when a left cell or a centre cell is missing or
    // repeated, a right cell is listed twice in one row, or a cell is not
    // 1..21.
    explicit Judgement(const std::vector<LeftTable> &tables);

    // Throws std::out_of_range unless all three cells are 1..21.
    Code at(int left, int centre, int right) const;

private:
    static std::size_t index(int left, int centre, int right)
    {
        return static_cast<std::size_t>(patternIndex(left, centre, right));
    }

    std::array<Code, kPatterns> m_codes {};
};

// The machine's judgement, built on first use.
const Judgement &machineJudgement();

// Shorthand for machineJudgement().at(left, centre, right).
Code judge(int left, int centre, int right);

} // namespace judge
