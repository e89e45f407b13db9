#include "judge/strips.h"

#include <stdexcept>

namespace judge {

namespace {

using enum Symbol;

// Cells 1..21, top to bottom, of the left, centre and right reel.
// clang-format off
constexpr std::array<std::array<Symbol, kCells>, kReels> kStrips{{
    {ao7, cherry, ooyama, sanjaku, regplate, replay, ao7, sanjaku, ooyama, sanjaku, replay,
     ooyama, ao7, cherry, sanjaku, replay, vsign, vsign, vsign, sanjaku, replay},
    {ao7, replay, sanjaku, cherry, regplate, sanjaku, replay, ooyama, replay, sanjaku, vsign,
     cherry, replay, sanjaku, regplate, cherry, regplate, replay, sanjaku, cherry, ooyama},
    {ao7, sanjaku, ooyama, replay, cherry, sanjaku, ooyama, replay, regplate, sanjaku, cherry,
     replay, vsign, sanjaku, ooyama, replay, cherry, sanjaku, ooyama, replay, cherry},
}};
// clang-format on

} // namespace

std::string_view symbolName(Symbol symbol)
{
    switch (symbol) {
    case ao7: return "ao7";
    case vsign: return "vsign";
    case regplate: return "regplate";
    case replay: return "replay";
    case sanjaku: return "sanjaku";
    case ooyama: return "ooyama";
    case cherry: return "cherry";
    }
    throw std::out_of_range("judge::symbolName: no such symbol");
}

std::string_view symbolWord(Symbol symbol)
{
    switch (symbol) {
    case ao7: return "青７";
    case vsign: return "Ｖサイン";
    case regplate: return "雷光丸";
    case replay: return "リプレイ";
    case sanjaku: return "３尺玉";
    case ooyama: return "大山";
    case cherry: return "チェリー";
    }
    throw std::out_of_range("judge::symbolWord: no such symbol");
}

Symbol symbolAt(int reel, int cell)
{
    if (reel < 0 || reel >= kReels || cell < 1 || cell > kCells)
        throw std::out_of_range("judge::symbolAt: no such reel or cell");
    return kStrips[static_cast<std::size_t>(reel)][static_cast<std::size_t>(cell - 1)];
}

Grid gridFor(int left, int centre, int right)
{
    const std::array<int, kReels> top { left, centre, right };
    Grid grid {};
    for (int row = 0; row < 3; ++row)
        for (int reel = 0; reel < kReels; ++reel)
            grid[static_cast<std::size_t>(row)][static_cast<std::size_t>(reel)]
                = symbolAt(reel, cellBelow(top[static_cast<std::size_t>(reel)], row));
    return grid;
}

std::array<Symbol, kReels> symbolsOn(const Grid &grid, Line line)
{
    switch (line) {
    case Line::top: return grid[0];
    case Line::middle: return grid[1];
    case Line::bottom: return grid[2];
    case Line::fallingDiagonal: return { grid[0][0], grid[1][1], grid[2][2] };
    case Line::risingDiagonal: return { grid[2][0], grid[1][1], grid[0][2] };
    }
    throw std::out_of_range("judge::symbolsOn: no such line");
}

} // namespace judge
