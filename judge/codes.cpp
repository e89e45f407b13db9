#include "judge/codes.h"

#include <array>
#include <stdexcept>

namespace judge {

namespace {

constexpr std::string_view kCheer = "か～ぎ～や～！";

// Indexed by code number − 1. The lines are spelt out whole so that each text
// can be compared with the chart by eye; a line break is CR LF.
// clang-format off
constexpr std::array<Message, kCodeCount> kMessages{{
    {"やったね！ＢＩＧです。\r\n目指せ！７１１枚。", kCheer},                      // J01
    {"残念！ＲＥＧです。", kCheer},                                                  // J02
    {"リーチ目\r\nＢＩＧです。", kCheer},                                            // J03
    {"リーチ目。\r\nＢＩＧです。", kCheer},                                          // J04
    {"リーチ目\r\n残念！ＲＥＧです。", kCheer},                                      // J05
    {"リーチ目\r\nＢ＆Ｒ共通です。", kCheer},                                        // J06
    {"リーチ目。\r\n３尺玉、１０枚。\r\nＢ＆Ｒ共通です。", kCheer},                  // J07
    {"リーチ目。中段\r\nリプ、リプ、大山\r\nＢＩＧです。", kCheer},                  // J08
    {"リーチ目。中段\r\nリプ、リプ、大山\r\n残念！ＲＥＧです。", kCheer},            // J09
    {"リーチ目。中段\r\nリプ、リプ、大山\r\nＢ＆Ｒ共通です。", kCheer},              // J10
    {"リーチ目。中段\r\n三尺、三尺、リプレイ\r\nＢＩＧです。", kCheer},              // J11
    {"リーチ目。中段\r\n三尺、三尺、リプレイ\r\n残念！ＲＥＧです。", kCheer},        // J12
    {"リーチ目。中段\r\n三尺、三尺、リプレイ\r\nＢ＆Ｒ共通です。", kCheer},          // J13
    {"チェリー", ""},                                                                // J14
    {"リプレイ", ""},                                                                // J15
    {"３尺玉、１０枚。", ""},                                                        // J16
    {"大山、６枚。", ""},                                                            // J17
    {"はずれ", ""},                                                                  // J18
    {"はずれ確定\r\nボーナスの可能性ナシ。", ""},                                    // J19
    {"大山の取りこぼし？", ""},                                                      // J20
    {"大山の取りこぼしです。", ""},                                                  // J21
    {"左、右で\r\n大山の取りこぼし確定。", ""},                                      // J22
    {"止まりません。", ""},                                                          // J23
    {"リーチ目だけど、\r\n止まらない？", ""},                                        // J24
    {"リーチ目だけど、\r\n止まらない？\r\n対角ボーナス絵柄", ""},                    // J25
    {"リーチ目だけど、\r\n止まらない？\r\n中リールの子役はずれ。", ""},              // J26
    {"リーチ目だけど、\r\n止まらない？\r\n右リール子役はずれ", ""},                  // J27
    {"リーチ目だけど、\r\n止まらない？\r\n右リールの子役はずれ。", ""},              // J28
    {"リーチ目だけど、\r\n止まらない？\r\n右リール大山はずれ", ""},                  // J29
    {"リーチ目だけど、\r\n止まらない？\r\n右リール下段青７", ""},                    // J30
    {"リーチ目だけど、\r\n止まらない？\r\n対角大山", ""},                            // J31
    {"リーチ目だけど、\r\n止まらない？\r\n対角三尺玉", ""},                          // J32
    {"リーチ目だけど、\r\n止まらない？\r\nＢＩＧ絵柄の一直線", ""},                  // J33
    {"リーチ目だけど、\r\n止まらない？\r\n左，中リールの２確目", ""},                // J34 (full-width comma)
    {"リーチ目だけど、\r\n止まらない？\r\n左、中リールの２確目", ""},                // J35 (ideographic comma)
    {"リーチ目だけど、\r\n止まらない？\r\n左、中の２確目", ""},                      // J36
    {"リーチ目だけど、\r\n止まらない？\r\n左、右の２確目", ""},                      // J37
    {"リーチ目だけど、\r\n止まらない？中段\r\n三尺、三尺、リプレイ", ""},            // J38
}};
// clang-format on

} // namespace

Message message(Code code)
{
    const int n = number(code);
    if (n < 1 || n > kCodeCount)
        throw std::out_of_range("judge::message: no such result code");
    return kMessages[static_cast<std::size_t>(n - 1)];
}

std::string name(Code code)
{
    const int n = number(code);
    std::string s = "J00";
    s[1] = static_cast<char>('0' + n / 10);
    s[2] = static_cast<char>('0' + n % 10);
    return s;
}

std::optional<Code> parseCode(std::string_view text)
{
    if (text.size() != 3 || text[0] != 'J' || text[1] < '0' || text[1] > '9' || text[2] < '0'
        || text[2] > '9')
        return std::nullopt;
    const int n = (text[1] - '0') * 10 + (text[2] - '0');
    if (n < 1 || n > kCodeCount)
        return std::nullopt;
    return static_cast<Code>(n);
}

Code codeFromNumber(int n)
{
    if (n < 1 || n > kCodeCount)
        throw std::out_of_range("judge::codeFromNumber: no such result code");
    return static_cast<Code>(n);
}

} // namespace judge
