// The terms help window `Fkaisetu` "解説用語の説明": one sample of each kind
// of judgement message, framed, beside what that kind means.
#include "ui/classic/forms/form.h"

namespace ui {

namespace {

constexpr TextFont kTextFont { 9.75, true };

// A sample: framed, on the tooltip background, its lines broken at runs of
// three blanks.
constexpr Control sample(const char *name, int top, int height, const char *text)
{
    return label(name, { 120, top, 2055, height }, text, kTextFont)
        .colours(SystemColour::buttonText, SystemColour::toolTipBackground)
        .framed()
        .breakingAtBlanks(3);
}

constexpr Control explanation(const char *name, Twips rect, const char *text)
{
    return label(name, rect, text, kTextFont).breakingAtBlanks(2);
}

constexpr Control kControls[] = {
    note("Label7", { 240, 120, 6015, 675 },
        "リーチ目は、３枚がけ、順押しが基準です。     "
        "挟み打ちの場合は、成立フラグが違ったり、ガセる可能性の出目があります。            "
        "さらに、１，２枚がけ 及び、中押し、逆押しは、除きます。",
        kTextFont, Colour { 0, 0, 255 }),

    // Top to bottom: BIG, REG, both, cannot stop, miss, should not stop,
    // missed small win or bonus. Label2(6) is made before Label2(4), which it
    // overlaps by a pixel row, so that it lies in front.
    sample("Label1_0", 900, 375, "リーチ目 ＢＩＧです。"),
    explanation("Label2_0", { 2280, 900, 3495, 375 }, "ＢＩＧのリーチ目です。"),
    sample("Label1_1", 1500, 375, "リーチ目  ＲＥＧです。"),
    explanation("Label3", { 2280, 1500, 3495, 375 }, "ＲＥＧのリーチ目です。"),
    sample("Label1_2", 2100, 375, "リーチ目  Ｂ＆Ｒです。"),
    explanation("Label2_1", { 2280, 2100, 3495, 375 }, "ＢＩＧ＆ＲＥＧ共通のリーチ目です。"),
    sample("Label1_3", 2700, 375, "止まりません。"),
    explanation("Label2_2", { 2280, 2700, 3495, 375 }, "重複子役のため止まりません。"),
    sample("Label1_6", 3300, 375, "はずれ"),
    explanation("Label2_5", { 2280, 3300, 4335, 375 },
        "はずれ（止まらない外れ目もあり）、または、     子役の取りこぼしも含みます。"),
    sample("Label1_5", 4740, 495, "子役の取りこぼし      ｏｒ ボーナス"),
    explanation("Label2_4", { 2280, 4740, 4095, 795 },
        "子役の取りこぼし ｏｒ ボーナス の時に止まる目です。"
        "（外れの時に出る目は、除きました。）大山取りこぼし目は、予告音が鳴らないと、"
        "　　ボーナス確定です。"),
    sample("Label1_4", 3900, 495, "リーチ目だけど、      止まらない？"),
    explanation("Label2_6", { 2280, 3900, 4455, 855 },
        "２リール確定や子役はずれのリーチ目等で、     第３リールが止まらない事を示します。"
        "             ボーナス成立後の子役の取りこぼすと止まる　　可能性があります。"),

    // The disclaimers; Label6 lies in front of Label5.
    label("Label4", { 120, 5340, 855, 255 }, "お断り", kTextFont),
    label("Label5", { 120, 5700, 4695, 495 },
        "リール制御を解析したわけでは、無いので、止まらない目で止まるかもしれません。"
        "ご了承ください。",
        kTextFont),
    label("Label6", { 120, 6180, 4695, 855 },
        "「リーチ目だけど止まらない」の基準は、参考にした リーチ目表に無いものに付けました。 "
        "またこの場合、ボーナス成立後の子役を取りこぼした時は、 止まる可能性があります。",
        kTextFont)
        .breakingAtBlanks(1),

    button("Command1", { 5040, 6480, 1575, 495 }, "ＯＫ", { 14.25, true }),
};

} // namespace

constinit const Form kTermsHelpForm { "Fkaisetu", 6810, 7155, "解説用語の説明", kControls, {} };

} // namespace ui
