// The main window `riru`. The reel windows with their strip pictures lie at
// the back; the controls below are made in front of them, in this order.
#include "ui/classic/forms/mainform.h"
#include "ui/classic/forms/form.h"
#include "ui/pictures/reelgeometry.h"

#include "reel/buttons.h"
#include "reel/inputerror.h"

namespace ui {

namespace {

constexpr TextFont kPlayFont { 14.25, true };
constexpr TextFont kCaptionFont { 9.75, true };
constexpr TextFont kBoxFont { 15.75, true };

constexpr const char *name(reel::Button button) { return reel::objectName(button); }

// A pay-line lamp left of the reels; it never changes.
constexpr Control lamp(const char *name, int top, const char *text)
{
    return label(name, { 120, top, 1095, 375 }, text, { 11.25, true })
        .colours(Colour { 192, 192, 0 }, SystemColour::menuText)
        .centred();
}

// A line of the settings table. Its words stand in their columns by runs of
// blanks 5 pixels wide at 12 pixels: 0.4 of the font's size.
constexpr Control oddsRow(const char *name, int top, int width, const char *text)
{
    return label(name, { 6840, top, width, 255 }, text, { 9, true }).withBlankWidth(0.4);
}

constexpr Control gridLine(const char *name, TwipsPoint from, TwipsPoint to)
{
    return line(name, from, to, SystemColour::windowText);
}

// A button framing the reel windows: blank and disabled.
constexpr Control frame(const char *name, Twips rect)
{
    return button(name, rect, "", kPlayFont).focus(Qt::ClickFocus).disabled();
}

// "stop", "▲" and "▼" stand under every reel; heard without the picture, the
// caption alone does not say which reel a button moves, so the description
// does. Tab reaches the stop buttons; they are off until a start.
constexpr Control stop(reel::Button button, int left, const char *description)
{
    return graphicalButton(
        name(button), { left, 4800, 975, 495 }, "stop", kPlayFont, Colour { 255, 128, 128 })
        .focus(Qt::StrongFocus)
        .disabled()
        .described(description);
}

constexpr Control step(reel::Button button, Twips rect, const char *arrow, const char *description)
{
    return ui::button(name(button), rect, arrow, { 18, false })
        .focus(Qt::ClickFocus)
        .described(description);
}

// The other play buttons, reached with the mouse only.
constexpr Control play(reel::Button button, Twips rect, const char *caption, TextFont font)
{
    return ui::button(name(button), rect, caption, font).focus(Qt::ClickFocus);
}

constexpr Control kControls[] = {
    // The two framing lines across the reel windows.
    line("Line2", { kFramingLineLeft, kFramingLineTops[0] },
        { kFramingLineRight, kFramingLineTops[0] }, SystemColour::toolTipText),
    line("Line1", { kFramingLineLeft, kFramingLineTops[1] },
        { kFramingLineRight, kFramingLineTops[1] }, SystemColour::toolTipText),

    lamp("Label2_0", 720, "３MEDAL"),
    lamp("Label2_1", 1560, "２MEDAL"),
    lamp("Label2_2", 2400, "１MEDAL"),
    lamp("Label2_3", 3240, "２MEDAL"),
    lamp("Label2_4", 4080, "３MEDAL"),

    // The judgement's two messages, and the captions of the speed boxes.
    label("lbtamaya", { 6840, 1920, 3135, 375 }, "た～ま～や～～！！", { 18, true })
        .colours(Colour { 255, 255, 0 }, SystemColour::buttonFace),
    label("Label5", { 6960, 2520, 1215, 255 }, "解説", { 12, true }),
    label("lbyakumei", { 6840, 2940, 3135, 915 }, "ＢＩＧじゃ～！！", kPlayFont)
        .colours(SystemColour::buttonText, SystemColour::toolTipBackground),
    label("Label1", { 6840, 4080, 2175, 255 }, reel::boxCaption(reel::TextBox::Text1), kCaptionFont)
        .centred(),
    label("Label4", { 6840, 4560, 2295, 255 }, reel::boxCaption(reel::TextBox::Text3), kCaptionFont)
        .centred(),

    // The odds of the six settings; the grid is drawn over the labels.
    oddsRow("Label3", 120, 3255, " 設定       BIG            REG "),
    oddsRow("Label7_0", 360, 3495, "   1     1/431.158     1/655.360"),
    oddsRow("Label7_1", 600, 3375, "   2     1/399.610     1/655.360"),
    oddsRow("Label7_2", 840, 3375, "   3     1/364.089     1/606.815"),
    oddsRow("Label7_3", 1080, 3375, "   4     1/321.255     1/606.815"),
    oddsRow("Label7_4", 1320, 3375, "   5     1/292.571     1/512.000"),
    oddsRow("Label7_5", 1560, 3375, "   6     1/240.941     1/481.882"),
    gridLine("Line7", { 6840, 0 }, { 6840, 1800 }),
    gridLine("Line9", { 7320, 0 }, { 7320, 1800 }),
    gridLine("Line10", { 8640, 0 }, { 8640, 1800 }),
    gridLine("Line8", { 9960, 0 }, { 9960, 1800 }),
    gridLine("Line18", { 6840, 0 }, { 9960, 0 }),
    gridLine("Line11", { 6840, 360 }, { 9960, 360 }),
    gridLine("Line12", { 6840, 600 }, { 9960, 600 }),
    gridLine("Line13", { 6840, 840 }, { 9960, 840 }),
    gridLine("Line14", { 6840, 1080 }, { 9960, 1080 }),
    gridLine("Line15", { 6840, 1320 }, { 9960, 1320 }),
    gridLine("Line16", { 6840, 1560 }, { 9960, 1560 }),
    gridLine("Line17", { 6840, 1800 }, { 9960, 1800 }),

    // The title bar is the one frame button enabled; pressing it does nothing.
    button("Command4", { 1320, 0, 5295, 615 }, "雷光丸職人への道  (順押し版）", { 15.75, true })
        .focus(Qt::ClickFocus),
    frame("Command5", { 1320, 600, 255, 4095 }),
    frame("Command6", { 3000, 600, 255, 4095 }),
    frame("Command7", { 4680, 600, 255, 4095 }),
    frame("Command8", { 6360, 600, 255, 4095 }),
    // The panel behind the stop, ▲ and ▼ buttons.
    frame("Command3", { 1320, 4680, 5295, 1695 }),

    graphicalButton(name(reel::Button::cmstart), { 120, 4800, 1095, 495 }, "start", kPlayFont,
        Colour { 255, 128, 255 })
        .focus(Qt::StrongFocus),
    stop(reel::Button::r1stop, 1800, "左リールを止めます"),
    stop(reel::Button::r2stop, 3480, "中リールを止めます"),
    stop(reel::Button::r3stop, 5160, "右リールを止めます"),
    step(reel::Button::r1ue, { 1800, 5400, 975, 375 }, "▲", "左リールを１コマ上へ動かします"),
    step(reel::Button::r2ue, { 3480, 5400, 975, 375 }, "▲", "中リールを１コマ上へ動かします"),
    step(reel::Button::r3ue, { 5160, 5400, 975, 375 }, "▲", "右リールを１コマ上へ動かします"),
    step(reel::Button::r1sita, { 1800, 5880, 975, 375 }, "▼", "左リールを１コマ下へ動かします"),
    step(reel::Button::r2sita, { 3480, 5880, 975, 375 }, "▼", "中リールを１コマ下へ動かします"),
    step(reel::Button::r3sita, { 5160, 5880, 975, 375 }, "▼", "右リールを１コマ下へ動かします"),
    play(reel::Button::autostart, { 6840, 4920, 1575, 375 }, "Auto_start", kPlayFont),
    play(reel::Button::autostop, { 6840, 5400, 1575, 375 }, "Auto_stop", kPlayFont).disabled(),
    play(reel::Button::Cmkaisetu, { 8520, 4920, 1455, 375 }, "解説の説明", { 11.25, true }),
    play(reel::Button::Cmsousa, { 8520, 5400, 1455, 375 }, "操作の説明", { 12, true }),
    play(reel::Button::cmend, { 8520, 5880, 1455, 495 }, "終了", kPlayFont),

    // The speed boxes, reached with the mouse only.
    textBox("Text1", { 9120, 3960, 855, 360 }, "100", kBoxFont).focus(Qt::ClickFocus),
    textBox("Text3", { 9120, 4440, 855, 375 }, "1075", kBoxFont).focus(Qt::ClickFocus),
};

constexpr const char *kTabOrder[] = { name(reel::Button::cmstart), name(reel::Button::r1stop),
    name(reel::Button::r2stop), name(reel::Button::r3stop) };

} // namespace

constinit const std::array<ReelWindow, 3> kReelWindows { {
    { "ReelWindow1", "Image1", { kOpeningLefts[0], kOpeningTop, kOpeningWidth, kOpeningHeight },
        kPictureLefts[0] },
    { "ReelWindow2", "Image2", { kOpeningLefts[1], kOpeningTop, kOpeningWidth, kOpeningHeight },
        kPictureLefts[1] },
    { "ReelWindow3", "Image3", { kOpeningLefts[2], kOpeningTop, kOpeningWidth, kOpeningHeight },
        kPictureLefts[2] },
} };

constinit const Form kMainForm { "riru", 10155, 6375, "", kControls, kTabOrder };

} // namespace ui
