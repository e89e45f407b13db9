// What the drill says: the answer buttons' captions, the feedback after an
// answer, and what the progress store's state means for the player.
#pragma once

#include "drill/scheduler.h"
#include "drill/store/progressstore.h"

#include <QString>

namespace ui {

// "1 ボーナス揃い" … "9 リーチ目だけど止まらない？".
QString categoryCaption(judge::Category category);

// Begins with "正解" or "不正解", then the right categories and the pattern's
// result text as the main window shows it (with the cheer where there is one),
// and for a look that other patterns share, those patterns and their results.
QString feedbackText(const drill::Outcome &outcome);

// Empty when all is well; otherwise one or two short sentences about
// `status`, with the store's paths and the reason behind it.
QString storeMessage(drill::StoreStatus status, const drill::ProgressStore &store);

} // namespace ui
