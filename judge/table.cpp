#include "judge/table.h"

#include <string>

namespace judge {

namespace {

[[noreturn]] void fail(const std::string &what) { throw TableError("judgement table: " + what); }

std::string where(int left) { return "left cell " + std::to_string(left); }

std::string where(int left, int centre)
{
    return where(left) + ", centre cell " + std::to_string(centre);
}

} // namespace

std::vector<LeftTable> machineTables()
{
    std::vector<LeftTable> all = leftTables01to07();
    for (auto part : { leftTables08to14(), leftTables15to21() })
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Judgement::Judgement(const std::vector<LeftTable> &tables)
{
    std::array<bool, kCells + 1> leftSeen {};
    for (const LeftTable &table : tables) {
        if (!isCell(table.left))
            fail("left cell " + std::to_string(table.left) + " is not 1..21");
        if (leftSeen[static_cast<std::size_t>(table.left)])
            fail(where(table.left) + " has two tables");
        leftSeen[static_cast<std::size_t>(table.left)] = true;

        std::array<bool, kCells + 1> centreSeen {};
        for (const CentreRow &row : table.rows) {
            if (row.centres.empty())
                fail(where(table.left) + " has a row without centre cells");
            // Work the row out once, then copy it to each of its centre cells.
            std::array<Code, kCells + 1> rowCodes {};
            rowCodes.fill(row.other);
            std::array<bool, kCells + 1> rightSeen {};
            for (const RightGroup &group : row.groups) {
                for (int right : group.right) {
                    if (!isCell(right))
                        fail(where(table.left, row.centres.front()) + ": right cell "
                            + std::to_string(right) + " is not 1..21");
                    if (rightSeen[static_cast<std::size_t>(right)])
                        fail(where(table.left, row.centres.front()) + ": right cell "
                            + std::to_string(right) + " is listed twice");
                    rightSeen[static_cast<std::size_t>(right)] = true;
                    rowCodes[static_cast<std::size_t>(right)] = group.code;
                }
            }
            for (int centre : row.centres) {
                if (!isCell(centre))
                    fail(where(table.left) + ": centre cell " + std::to_string(centre)
                        + " is not 1..21");
                if (centreSeen[static_cast<std::size_t>(centre)])
                    fail(where(table.left, centre) + " stands in two rows");
                centreSeen[static_cast<std::size_t>(centre)] = true;
                for (int right = 1; right <= kCells; ++right)
                    m_codes[index(table.left, centre, right)]
                        = rowCodes[static_cast<std::size_t>(right)];
            }
        }
        for (int centre = 1; centre <= kCells; ++centre)
            if (!centreSeen[static_cast<std::size_t>(centre)])
                fail(where(table.left, centre) + " has no row");
    }
    for (int left = 1; left <= kCells; ++left)
        if (!leftSeen[static_cast<std::size_t>(left)])
            fail(where(left) + " has no table");
}

Code Judgement::at(int left, int centre, int right) const
{
    if (!isCell(left) || !isCell(centre) || !isCell(right))
        throw std::out_of_range("judge: a top-row cell is not 1..21");
    return m_codes[index(left, centre, right)];
}

const Judgement &machineJudgement()
{
    static const Judgement judgement(machineTables());
    return judgement;
}

Code judge(int left, int centre, int right) { return machineJudgement().at(left, centre, right); }

} // namespace judge
