#include "ui/termshelp.h"

#include "ui/formbuilder.h"
#include "ui/formlabel.h"
#include "ui/pushbutton.h"

namespace ui {

namespace {

constexpr TextFont kTextFont { 9.75, true };

struct Row {
    int top;
    const char *sampleName;
    int sampleHeight;
    QString sample;
    const char *explanationName;
    int explanationWidth;
    int explanationHeight;
    QString explanation;
};

} // namespace

TermsHelp::TermsHelp()
    : HelpWindow("Fkaisetu", QStringLiteral("解説用語の説明"), 6810, 7155)
{
    FormBuilder form(this);

    auto *heading = form.label("Label7", { 240, 120, 6015, 675 },
        QStringLiteral(
            "リーチ目は、３枚がけ、順押しが基準です。     "
            "挟み打ちの場合は、成立フラグが違ったり、ガセる可能性の出目があります。            "
            "さらに、１，２枚がけ 及び、中押し、逆押しは、除きます。"),
        kTextFont);
    heading->setColours(QColor(0, 0, 255), systemColour(SystemColour::ButtonFace));
    heading->setLineBreakAtBlanks(2);

    // Top to bottom: BIG, REG, both, cannot stop, miss, should not stop,
    // missed small win or bonus. Label2(6) is made before Label2(4), which it
    // overlaps by a pixel row, so that it lies in front.
    const Row rows[] = {
        { 900, "Label1_0", 375, QStringLiteral("リーチ目 ＢＩＧです。"), "Label2_0", 3495, 375,
            QStringLiteral("ＢＩＧのリーチ目です。") },
        { 1500, "Label1_1", 375, QStringLiteral("リーチ目  ＲＥＧです。"), "Label3", 3495, 375,
            QStringLiteral("ＲＥＧのリーチ目です。") },
        { 2100, "Label1_2", 375, QStringLiteral("リーチ目  Ｂ＆Ｒです。"), "Label2_1", 3495, 375,
            QStringLiteral("ＢＩＧ＆ＲＥＧ共通のリーチ目です。") },
        { 2700, "Label1_3", 375, QStringLiteral("止まりません。"), "Label2_2", 3495, 375,
            QStringLiteral("重複子役のため止まりません。") },
        { 3300, "Label1_6", 375, QStringLiteral("はずれ"), "Label2_5", 4335, 375,
            QStringLiteral(
                "はずれ（止まらない外れ目もあり）、または、     子役の取りこぼしも含みます。") },
        { 4740, "Label1_5", 495, QStringLiteral("子役の取りこぼし      ｏｒ ボーナス"), "Label2_4",
            4095, 795,
            QStringLiteral(
                "子役の取りこぼし ｏｒ ボーナス の時に止まる目です。"
                "（外れの時に出る目は、除きました。）大山取りこぼし目は、予告音が鳴らないと、"
                "　　ボーナス確定です。") },
        { 3900, "Label1_4", 495, QStringLiteral("リーチ目だけど、      止まらない？"), "Label2_6",
            4455, 855,
            QStringLiteral(
                "２リール確定や子役はずれのリーチ目等で、     第３リールが止まらない事を示します。"
                "             ボーナス成立後の子役の取りこぼすと止まる　　可能性があります。") },
    };
    for (const Row &row : rows) {
        auto *sample = form.label(
            row.sampleName, { 120, row.top, 2055, row.sampleHeight }, row.sample, kTextFont);
        sample->setColours(
            systemColour(SystemColour::ButtonText), systemColour(SystemColour::ToolTipBackground));
        sample->setFrameStyle(QFrame::Box | QFrame::Plain);
        sample->setLineWidth(1);
        sample->setLineBreakAtBlanks(3);
        auto *explanation = form.label(row.explanationName,
            { 2280, row.top, row.explanationWidth, row.explanationHeight }, row.explanation,
            kTextFont);
        explanation->setLineBreakAtBlanks(2);
    }

    // The disclaimers; Label6 lies in front of Label5.
    form.label("Label4", { 120, 5340, 855, 255 }, QStringLiteral("お断り"), kTextFont);
    form.label("Label5", { 120, 5700, 4695, 495 },
        QStringLiteral(
            "リール制御を解析したわけでは、無いので、止まらない目で止まるかもしれません。"
            "ご了承ください。"),
        kTextFont);
    auto *basis = form.label("Label6", { 120, 6180, 4695, 855 },
        QStringLiteral(
            "「リーチ目だけど止まらない」の基準は、参考にした リーチ目表に無いものに付けました。 "
            "またこの場合、ボーナス成立後の子役を取りこぼした時は、 止まる可能性があります。"),
        kTextFont);
    basis->setLineBreakAtBlanks(1);

    auto *ok = form.button(
        "Command1", { 5040, 6480, 1575, 495 }, QStringLiteral("ＯＫ"), { 14.25, true });
    setOkButton(ok);
}

} // namespace ui
