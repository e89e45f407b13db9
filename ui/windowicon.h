// The program's logo: the machine's name in white on a blue oval, with a small
// J at the lower right.
#pragma once

#include <QIcon>

namespace ui {

QIcon logoIcon();

} // namespace ui
