#include "ui/operationhelp.h"

#include "ui/formbuilder.h"
#include "ui/formlabel.h"
#include "ui/pushbutton.h"

#include <QLineEdit>

namespace ui {

namespace {
constexpr TextFont kCaption { 20.25, false };
constexpr TextFont kArrow { 18, false };
constexpr TextFont kSmallBold { 9.75, true };
constexpr TextFont kMediumBold { 11.25, true };
constexpr TextFont kLargeBold { 12, true };
constexpr TextFont kBoxFont { 15.75, true };
} // namespace

OperationHelp::OperationHelp()
    : HelpWindow("Fsousa", QStringLiteral("操作法の説明"), 7410, 7530)
{
    FormBuilder form(this);

    // Start and stop. The imitations do nothing when pressed.
    auto *start
        = form.button("r1ue", { 120, 360, 1575, 525 }, QStringLiteral("Ｓｔａｒｔ"), kCaption);
    auto *stop1
        = form.button("r1sita", { 2400, 360, 1455, 525 }, QStringLiteral("Ｓｔｏｐ"), kCaption);
    auto *stop2
        = form.button("Command5", { 3960, 360, 1455, 525 }, QStringLiteral("Ｓｔｏｐ"), kCaption);
    auto *stop3
        = form.button("Command6", { 5520, 360, 1455, 525 }, QStringLiteral("Ｓｔｏｐ"), kCaption);
    form.label(
        "Label2", { 120, 960, 2175, 255 }, QStringLiteral("リールがスタートします"), kSmallBold);
    form.label("Label1", { 2880, 960, 3615, 255 },
        QStringLiteral("上にあるリールをストップします。"), kSmallBold);
    auto *enter = form.label("Label10", { 120, 1320, 6495, 735 },
        QStringLiteral("Ｅｎｔｅｒを押す事で、マウスのクリックの代用になります。         "
                       "フォーカス（ボタンの内側に点線が表示された状態）を移すには、"
                       "ＴＡＢキーを押して下さい。"),
        kMediumBold);
    enter->setColours(QColor(107, 124, 241), systemColour(SystemColour::ButtonFace));
    enter->setLineBreakAtBlanks(2);

    // Stepping a reel.
    PushButton *steps[6];
    const char *stepNames[6]
        = { "Command4_0", "Command4_1", "Command4_2", "Command4_3", "Command4_4", "Command4_5" };
    for (int i = 0; i < 6; ++i) {
        const int left = 2520 + (i / 2) * 1560;
        const int top = i % 2 == 0 ? 2160 : 2760;
        steps[i] = form.button(stepNames[i], { left, top, 1455, 495 },
            i % 2 == 0 ? QStringLiteral("▲") : QStringLiteral("▼"), kArrow);
    }
    form.label("Label12", { 2520, 3360, 4575, 255 },
        QStringLiteral("リールを上下に一コマ移動しリーチ目を表示します。"), kSmallBold);
    form.line("Line1", { 120, 3720 }, { 7200, 3720 }, systemColour(SystemColour::WindowText));

    // Speed settings. Nothing reads the imitation boxes.
    form.label(
        "Label5", { 120, 4080, 2535, 255 }, QStringLiteral("リール１コマのスピード"), kLargeBold);
    auto *speed = form.textBox("Text1", { 2760, 3960, 855, 420 }, QStringLiteral("100"), kBoxFont);
    auto *speedNote = form.label("Label8", { 3720, 3960, 3615, 735 },
        QStringLiteral("リール１コマが進むスピードです。 実機は、約３５ミリ秒です。         "
                       "速すぎるとコマ落ちします。  "),
        kMediumBold);
    speedNote->setLineBreakAtBlanks(1);
    form.label(
        "Label7", { 120, 4920, 2655, 375 }, QStringLiteral("Ａｕｔｏの停止までの時間"), kLargeBold);
    auto *interval
        = form.textBox("Text2", { 2760, 4800, 855, 435 }, QStringLiteral("1200"), kBoxFont);
    form.label("Label9", { 3720, 4800, 3495, 615 },
        QStringLiteral("Ａｕｔｏの左、中、右リールを止める時間設定です。（ミリ秒）"), kMediumBold);

    // Auto-play and exit.
    auto *autoStart = form.button(
        "comauto1", { 240, 5400, 1575, 495 }, QStringLiteral("Ａｕｔｏ Ｓｔａｒｔ"), kSmallBold);
    form.label("Label3", { 2040, 5400, 4695, 615 },
        QStringLiteral("設定した時間で、スタート、ストップを行い、リーチ目を表示します。"),
        kLargeBold);
    auto *autoStop = form.button(
        "Command2", { 240, 6120, 1575, 495 }, QStringLiteral("Ａｕｔｏ Ｓｔｏｐ"), kSmallBold);
    form.label("Label4", { 2040, 6120, 3375, 495 }, QStringLiteral("Ａｕｔｏ動作を停止します。"),
        { 14.25, true });
    auto *end
        = form.button("Command3", { 240, 6840, 1575, 495 }, QStringLiteral("終了"), kLargeBold);
    form.label(
        "Label6", { 2040, 6840, 3015, 495 }, QStringLiteral("ソフトを終了します。"), kLargeBold);
    auto *ok
        = form.button("Command1", { 5640, 6720, 1575, 615 }, QStringLiteral("OK"), { 14.25, true });

    QWidget *tabOrder[] = { ok, autoStart, start, stop1, autoStop, end, stop2, stop3, speed,
        interval, steps[0], steps[1], steps[2], steps[3], steps[4], steps[5] };
    for (std::size_t i = 0; i + 1 < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);
    setOkButton(ok);
}

} // namespace ui
