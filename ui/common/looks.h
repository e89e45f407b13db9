// The windows' look: one Japanese Gothic face in sizes given in points, and
// the colours they take from the palette.
#pragma once

#include <QColor>
#include <QFont>

namespace ui {

// A text's size in points and whether it is bold.
struct TextFont {
    double points;
    bool bold;
};

// Points to pixels at 96 dots per inch, rounded: the layout is in pixels, so
// the texts must not grow with the screen's resolution.
int pixelsForPoints(double points);

// "ＭＳ Ｐゴシック" where it exists, else the nearest proportional Gothic faces.
QFont gothicFont(TextFont font);

// The colours the forms take from the user's palette rather than fix: the
// background and text of text boxes and windows, menu text, the button face
// and text, and the tooltip's text and background.
enum class SystemColour {
    windowBackground,
    menuText,
    windowText,
    buttonFace,
    buttonText,
    toolTipText,
    toolTipBackground,
};
QColor systemColour(SystemColour colour);

} // namespace ui
