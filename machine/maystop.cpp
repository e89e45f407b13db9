#include "machine/maystop.h"

#include "judge/categories.h"

namespace machine {

namespace {

using judge::Code;

Small controlSmall(Small small) { return small == Small::jac ? Small::replay : small; }

} // namespace

bool mayStop(Code code, Flags flags)
{
    const Bonus b = flags.bonus;
    const Small s = controlSmall(flags.small);
    // A replay stops alone: with its flag nothing else may, without it never.
    if (code == Code::J15 || s == Small::replay)
        return code == Code::J15 && s == Small::replay;
    switch (code) {
    case Code::J14: return s == Small::cherry;
    case Code::J16: return s == Small::sanjaku;
    case Code::J17: return s == Small::ooyama;
    case Code::J01: return b == Bonus::big && s == Small::none;
    case Code::J02: return b == Bonus::reg && s == Small::none;
    case Code::J07: return b != Bonus::none && s == Small::sanjaku;
    case Code::J18: return true;
    case Code::J19: return b == Bonus::none;
    case Code::J20:
    case Code::J21:
    case Code::J22: return s == Small::ooyama || b != Bonus::none;
    default: break;
    }
    switch (judge::categoryOf(code)) {
    case judge::Category::reachBig: return b == Bonus::big;
    case judge::Category::reachReg: return b == Bonus::reg;
    case judge::Category::reachBoth: return b != Bonus::none;
    default: return false; // J23 … J38 never stop
    }
}

bool isTarget(Code code, Flags flags)
{
    bool target = false;
    switch (controlSmall(flags.small)) {
    case Small::cherry: target = code == Code::J14; break;
    case Small::replay: target = code == Code::J15; break;
    case Small::sanjaku: target = code == Code::J16 || code == Code::J07; break;
    case Small::ooyama: target = code == Code::J17; break;
    case Small::none:
    case Small::jac:
        target = (flags.bonus == Bonus::big && code == Code::J01)
            || (flags.bonus == Bonus::reg && code == Code::J02);
        break;
    }
    return target && mayStop(code, flags);
}

bool isReachMeResult(Code code)
{
    const judge::Category category = judge::categoryOf(code);
    return category == judge::Category::reachBig || category == judge::Category::reachReg
        || category == judge::Category::reachBoth;
}

bool isStoppingReachMe(Code code, Flags flags)
{
    return isReachMeResult(code) && mayStop(code, flags);
}

} // namespace machine
