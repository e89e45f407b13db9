// The words the windows show for what the plain-C++ layers give them: their
// UTF-8 as QString, a pattern's cells, a result's text and a group's counts.
#pragma once

#include "judge/patternfilter.h"

#include <QString>

#include <string_view>

namespace ui {

QString fromUtf8(std::string_view text);

// "3 2 14": the top-row cells, left, centre, right.
QString cellsText(const judge::Pattern &pattern);

// "3 2 14: 左 大山 ３尺玉 リプレイ、中 …、右 …": the cells, then each reel's
// three rows top to bottom in the players' words, for assistive tools.
QString describePattern(const judge::Pattern &pattern);

// The result's text as the main window shows it, each line on its own
// ("\n" for the classic CR LF), or on one line with a full-width blank
// between the lines.
QString resultLines(judge::Code code);
QString resultLine(judge::Code code);

// "12 / 96 通り（全体の 1.04 %）": the patterns of the group shown and in
// all, and their share of every pattern. Two decimals keep the rarest result
// (one pattern in 9261, 0.01 %) from showing 0.
QString groupCounts(const judge::ResultGroup &group);

// Why a file could not be read or written, from the system's error number:
// the usual ones in the windows' words, others as the system says them.
QString systemReason(int error);

} // namespace ui
