// The nine kinds players sort the results into, in the order the chart and
// the drill list them.
#pragma once

#include "judge/codes.h"

#include <array>
#include <string_view>

namespace judge {

enum class Category : std::uint8_t {
    bonus = 1, // ボーナス揃い
    reachBig, // リーチ目 BIG
    reachReg, // リーチ目 REG
    reachBoth, // リーチ目 B&R
    smallWin, // 小役
    miss, // はずれ
    missedOrBonus, // 子役の取りこぼし or ボーナス
    cannotStop, // 止まりません
    reachShouldNotStop, // リーチ目だけど止まらない？
};

inline constexpr int kCategoryCount = 9;

inline constexpr std::array<Category, kCategoryCount> kCategories { Category::bonus,
    Category::reachBig, Category::reachReg, Category::reachBoth, Category::smallWin, Category::miss,
    Category::missedOrBonus, Category::cannotStop, Category::reachShouldNotStop };

constexpr int number(Category category) { return static_cast<int>(category); }

// Category number 1..9 to category; the caller keeps the number in range.
constexpr Category categoryFromNumber(int n) { return static_cast<Category>(n); }

// The category's name, UTF-8.
std::string_view categoryName(Category category);

Category categoryOf(Code code);

// True for the reach-me categories: BIG, REG, both, and those that should
// not stop.
constexpr bool isReachMe(Category category)
{
    return category == Category::reachBig || category == Category::reachReg
        || category == Category::reachBoth || category == Category::reachShouldNotStop;
}

} // namespace judge
