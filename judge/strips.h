// What the three reel strips carry, cell by cell, and what a pattern shows.
//
// The judgement works with cell numbers only; this is the strip order the
// judgement tables were written for, and the order the strip pictures follow.
#pragma once

#include "judge/pattern.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace judge {

enum class Symbol : std::uint8_t { ao7, vsign, regplate, replay, sanjaku, ooyama, cherry };

inline constexpr int kSymbolCount = 7;
inline constexpr int kReels = 3; // 0 left, 1 centre, 2 right

// "ao7", "vsign", …: the names scripts read.
std::string_view symbolName(Symbol symbol);

// The words players use: "青７", "Ｖサイン", "雷光丸", "リプレイ", "３尺玉",
// "大山", "チェリー" (UTF-8).
std::string_view symbolWord(Symbol symbol);

inline constexpr std::array<Symbol, kSymbolCount> kSymbols { Symbol::ao7, Symbol::vsign,
    Symbol::regplate, Symbol::replay, Symbol::sanjaku, Symbol::ooyama, Symbol::cherry };

// The symbol of cell 1..21 on reel 0..2; throws std::out_of_range otherwise.
Symbol symbolAt(int reel, int cell);

// The 3 × 3 grid a top-row pattern shows: grid[row][reel], rows top, middle,
// bottom.
using Grid = std::array<std::array<Symbol, kReels>, 3>;
Grid gridFor(int left, int centre, int right);

// The five lines a result can stand on.
enum class Line : std::uint8_t { top, middle, bottom, fallingDiagonal, risingDiagonal };
inline constexpr std::array<Line, 5> kLines { Line::top, Line::middle, Line::bottom,
    Line::fallingDiagonal, Line::risingDiagonal };

// The symbols on a line, left to right. The falling diagonal runs from the
// left reel's top row to the right reel's bottom row, the rising one from the
// left reel's bottom row to the right reel's top row.
std::array<Symbol, kReels> symbolsOn(const Grid &grid, Line line);

} // namespace judge
