#include "reel/inputerror.h"

namespace reel {

namespace {

std::string_view boxCaption(TextBox box)
{
    switch (box) {
    case TextBox::Text1: return "リール１コマのスピード";
    case TextBox::Text3: return "Ａutoの停止までの時間";
    }
    return {};
}

} // namespace

std::string inputErrorMessage(TextBox box, ReadResult::Outcome outcome)
{
    const std::string_view problem = outcome == ReadResult::Outcome::OutOfRange
        ? "が範囲を超えています。"
        : "が数値ではありません。";
    std::string message(boxCaption(box));
    message += problem;
    message += "−32768～32767の数値をミリ秒で入れて下さい。";
    return message;
}

} // namespace reel
