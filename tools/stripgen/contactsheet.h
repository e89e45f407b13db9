// A proof sheet of the three strips side by side at twice their size, each
// 65-row band labelled with its cell number and symbol.
#pragma once

#include <QImage>

#include <array>

namespace stripgen {

QImage contactSheet(const std::array<QImage, 3> &strips);

} // namespace stripgen
