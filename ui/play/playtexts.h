// What the play window says: the answer to ボーナス察知, the machine's
// setting, and what the sitting's store found or could not do.
#pragma once

#include "play/session.h"
#include "play/store/sessionstore.h"

#include <QString>

#include <optional>

namespace ui {

// The cheer for a right call: the fireworks' cry.
inline constexpr char16_t kCheer[] = u"た～ま～や～～！！";

// What a call was: right, wrong, made already, or nothing to call.
QString callText(play::Call call);

// "設定 ３", or "設定 ？" while hidden.
QString settingText(int setting, bool shown);

// "シード 42": what plays the machine again.
QString seedText(std::uint64_t seed);

// Empty when all is well; otherwise what became of the saved sitting, with
// the file and the reason.
QString sittingMessage(const play::SessionStore &store);
// The same for the machine's game history beside it; empty too while the
// sitting is not saved at all, as sittingMessage says then.
QString historyMessage(const play::SessionStore &store);

// The seed the player typed for 新しい台: a whole number 0 … 2^64 − 1 in
// ASCII or full-width digits; empty for a blank field; nothing (and the
// reason) for anything else.
struct SeedInput {
    bool valid = true;
    std::optional<std::uint64_t> seed;
};
SeedInput readSeed(const QString &text);

} // namespace ui
