// The program's logo: the machine's name in white on a blue oval, with a small
// J at the lower right.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace ui {

QIcon logoIcon();

// The logo at `size` × `size` pixels.
QPixmap logoPixmap(int size);

} // namespace ui
