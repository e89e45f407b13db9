// The operation help window `Fsousa` "操作法の説明": imitations of the main
// window's controls, each with a sentence on what the real one does. The
// imitations do nothing when pressed, and nothing reads their boxes.
#include "ui/classic/forms/form.h"

namespace ui {

namespace {

constexpr TextFont kCaption { 20.25, false };
constexpr TextFont kSmallBold { 9.75, true };
constexpr TextFont kMediumBold { 11.25, true };
constexpr TextFont kLargeBold { 12, true };
constexpr TextFont kBoxFont { 15.75, true };

enum class Step { up, down };

// A ▲ over a ▼ for each reel, left to right.
constexpr Control stepImitation(const char *name, int reel, Step step)
{
    const bool up = step == Step::up;
    return button(
        name, { 2520 + 1560 * reel, up ? 2160 : 2760, 1455, 495 }, up ? "▲" : "▼", { 18, false });
}

constexpr Control kControls[] = {
    // Start and stop.
    button("r1ue", { 120, 360, 1575, 525 }, "Ｓｔａｒｔ", kCaption),
    button("r1sita", { 2400, 360, 1455, 525 }, "Ｓｔｏｐ", kCaption),
    button("Command5", { 3960, 360, 1455, 525 }, "Ｓｔｏｐ", kCaption),
    button("Command6", { 5520, 360, 1455, 525 }, "Ｓｔｏｐ", kCaption),
    label("Label2", { 120, 960, 2175, 255 }, "リールがスタートします", kSmallBold),
    label("Label1", { 2880, 960, 3615, 255 }, "上にあるリールをストップします。", kSmallBold),
    note("Label10", { 120, 1320, 6495, 735 },
        "Ｅｎｔｅｒを押す事で、マウスのクリックの代用になります。         "
        "フォーカス（ボタンの内側に点線が表示された状態）を移すには、"
        "ＴＡＢキーを押して下さい。",
        kMediumBold, Colour { 107, 124, 241 }),

    // Stepping a reel.
    stepImitation("Command4_0", 0, Step::up),
    stepImitation("Command4_1", 0, Step::down),
    stepImitation("Command4_2", 1, Step::up),
    stepImitation("Command4_3", 1, Step::down),
    stepImitation("Command4_4", 2, Step::up),
    stepImitation("Command4_5", 2, Step::down),
    label("Label12", { 2520, 3360, 4575, 255 }, "リールを上下に一コマ移動しリーチ目を表示します。",
        kSmallBold),
    line("Line1", { 120, 3720 }, { 7200, 3720 }, SystemColour::windowText),

    // Speed settings.
    label("Label5", { 120, 4080, 2535, 255 }, "リール１コマのスピード", kLargeBold),
    textBox("Text1", { 2760, 3960, 855, 420 }, "100", kBoxFont),
    label("Label8", { 3720, 3960, 3615, 735 },
        "リール１コマが進むスピードです。 実機は、約３５ミリ秒です。         "
        "速すぎるとコマ落ちします。  ",
        kMediumBold)
        .breakingAtBlanks(1),
    label("Label7", { 120, 4920, 2655, 375 }, "Ａｕｔｏの停止までの時間", kLargeBold),
    textBox("Text2", { 2760, 4800, 855, 435 }, "1200", kBoxFont),
    label("Label9", { 3720, 4800, 3495, 615 },
        "Ａｕｔｏの左、中、右リールを止める時間設定です。（ミリ秒）", kMediumBold),

    // Auto-play and exit.
    button("comauto1", { 240, 5400, 1575, 495 }, "Ａｕｔｏ Ｓｔａｒｔ", kSmallBold),
    label("Label3", { 2040, 5400, 4695, 615 },
        "設定した時間で、スタート、ストップを行い、リーチ目を表示します。", kLargeBold),
    button("Command2", { 240, 6120, 1575, 495 }, "Ａｕｔｏ Ｓｔｏｐ", kSmallBold),
    label("Label4", { 2040, 6120, 3375, 495 }, "Ａｕｔｏ動作を停止します。", { 14.25, true }),
    button("Command3", { 240, 6840, 1575, 495 }, "終了", kLargeBold),
    label("Label6", { 2040, 6840, 3015, 495 }, "ソフトを終了します。", kLargeBold),
    button("Command1", { 5640, 6720, 1575, 615 }, "OK", { 14.25, true }),
};

constexpr const char *kTabOrder[] = { "Command1", "comauto1", "r1ue", "r1sita", "Command2",
    "Command3", "Command5", "Command6", "Text1", "Text2", "Command4_0", "Command4_1", "Command4_2",
    "Command4_3", "Command4_4", "Command4_5" };

} // namespace

constinit const Form kOperationHelpForm { "Fsousa", 7410, 7530, "操作法の説明", kControls,
    kTabOrder };

} // namespace ui
