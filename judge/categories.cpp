#include "judge/categories.h"

#include <stdexcept>

namespace judge {

std::string_view categoryName(Category category)
{
    switch (category) {
    case Category::bonus: return "ボーナス揃い";
    case Category::reachBig: return "リーチ目 BIG";
    case Category::reachReg: return "リーチ目 REG";
    case Category::reachBoth: return "リーチ目 B&R";
    case Category::smallWin: return "小役";
    case Category::miss: return "はずれ";
    case Category::missedOrBonus: return "子役の取りこぼし or ボーナス";
    case Category::cannotStop: return "止まりません";
    case Category::reachShouldNotStop: return "リーチ目だけど止まらない？";
    }
    throw std::out_of_range("judge::categoryName: no such category");
}

Category categoryOf(Code code)
{
    switch (code) {
    case Code::J01:
    case Code::J02: return Category::bonus;
    case Code::J03:
    case Code::J04:
    case Code::J08:
    case Code::J11: return Category::reachBig;
    case Code::J05:
    case Code::J09:
    case Code::J12: return Category::reachReg;
    case Code::J06:
    case Code::J07:
    case Code::J10:
    case Code::J13: return Category::reachBoth;
    case Code::J14:
    case Code::J15:
    case Code::J16:
    case Code::J17: return Category::smallWin;
    case Code::J18:
    case Code::J19: return Category::miss;
    case Code::J20:
    case Code::J21:
    case Code::J22: return Category::missedOrBonus;
    case Code::J23: return Category::cannotStop;
    default: break;
    }
    if (number(code) >= 24 && number(code) <= kCodeCount)
        return Category::reachShouldNotStop;
    throw std::out_of_range("judge::categoryOf: no such result");
}

} // namespace judge
