// The windows' look: one Japanese Gothic face in sizes given in points, the
// colours they take from the palette, and the classic widget style.
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
    WindowBackground,
    MenuText,
    WindowText,
    ButtonFace,
    ButtonText,
    ToolTipText,
    ToolTipBackground,
};
QColor systemColour(SystemColour colour);

// True when the command line or QT_STYLE_OVERRIDE names a widget style.
// Must be asked before QApplication takes its options out of argv.
bool styleChosenByUser(int argc, char **argv);

// The classic "Windows" style, unless the user chose another, and the Gothic
// face for message boxes and everything else without a font of its own.
void applyClassicLook(bool userChoseStyle);

} // namespace ui
