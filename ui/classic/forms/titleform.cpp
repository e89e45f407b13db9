// The title window `Form4`: the program's title, a disclaimer and OK.
#include "ui/classic/forms/form.h"

namespace ui {

namespace {

constexpr Control kControls[] = {
    label("Label1", { 240, 240, 5655, 495 }, "雷光丸職人への道 （順押し版）", { 20.25, true })
        .colours(Colour { 0, 0, 255 }, SystemColour::toolTipBackground)
        .centred(),
    label("Label5", { 600, 1080, 1095, 255 }, "注意！", { 11.25, true })
        .colours(Colour { 255, 0, 0 }, SystemColour::buttonFace),
    note("Label4", { 480, 1440, 4695, 855 },
        "   データの入力には、細心の注意を払ったつもりですが、  リーチ目等の間違い等による 、"
        "実践等における負債、      トラブル等は、、一切責任を負えません。                      "
        " "
        "自分の責任において、雷光丸職人を目指して下さい。",
        { 9.75, false }, Colour { 192, 0, 0 }),
    button("Command1", { 2160, 2520, 1575, 615 }, "ＯＫ", { 18, true }),
};

} // namespace

constinit const Form kTitleForm { "Form4", 6075, 3450, "", kControls, {} };

} // namespace ui
