#include "reel/inputerror.h"

namespace reel {

std::string inputErrorMessage(TextBox box, ReadResult::Outcome outcome)
{
    const std::string_view problem = outcome == ReadResult::Outcome::outOfRange
        ? "が範囲を超えています。"
        : "が数値ではありません。";
    std::string message(boxCaption(box));
    message += problem;
    message += "−32768～32767の数値をミリ秒で入れて下さい。";
    return message;
}

} // namespace reel
