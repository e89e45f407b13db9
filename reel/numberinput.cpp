#include "reel/numberinput.h"

#include "judge/fullwidth.h"
#include "reel/int16.h"

#include <string>

namespace reel {

namespace {

using Outcome = ReadResult::Outcome;

constexpr ReadResult kNotANumber { Outcome::notANumber, 0 };
constexpr ReadResult kOutOfRange { Outcome::outOfRange, 0 };

bool isAsciiNumberChar(char c)
{
    return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E'
        || c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The text in ASCII form — blanks as ' ', 'E' as 'e' — or false when it holds
// anything a number cannot. Of the full-width forms a Japanese input method
// types, the digits, signs, point and blank count, and so does the minus sign
// U+2212; a full-width letter does not.
bool toAscii(std::string_view utf8, std::string &ascii)
{
    const std::string folded = judge::foldFullWidth(utf8, "0123456789+-. ");
    ascii.clear();
    ascii.reserve(folded.size());
    constexpr std::string_view kMinusSign = "\u2212";
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const char c = folded[i];
        if (std::string_view(folded).substr(i).starts_with(kMinusSign)) {
            ascii += '-';
            i += kMinusSign.size() - 1;
        } else if (isAsciiNumberChar(c)) {
            ascii += (c == '\t' || c == '\n' || c == '\r') ? ' ' : (c == 'E') ? 'e' : c;
        } else {
            return false;
        }
    }
    return true;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A number as sign, significant digits and a power of ten:
// value = ±digits × 10^scale, digits without leading or trailing zeros.
struct Decimal {
    bool negative = false;
    std::string digits;
    long long scale = 0;
};

// Exponents beyond this already push any text that fits in memory far
// outside 16 bits or to zero; clamping keeps the sums below from overflowing.
constexpr long long kExponentClamp = 1'000'000'000'000'000LL;

bool parseDecimal(std::string_view s, Decimal &number)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        number.negative = s[i++] == '-';

    std::size_t mantissaDigits = 0;
    long long fractionDigits = 0;
    while (i < s.size() && isDigit(s[i])) {
        number.digits += s[i++];
        ++mantissaDigits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            number.digits += s[i++];
            ++mantissaDigits;
            ++fractionDigits;
        }
    }
    if (mantissaDigits == 0)
        return false;

    long long exponent = 0;
    if (i < s.size() && s[i] == 'e') {
        ++i;
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            negativeExponent = s[i++] == '-';
        if (i == s.size() || !isDigit(s[i]))
            return false;
        while (i < s.size() && isDigit(s[i])) {
            if (exponent < kExponentClamp)
                exponent = exponent * 10 + (s[i] - '0');
            ++i;
        }
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != s.size())
        return false;

    const std::size_t first = number.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        number.digits.clear();
        return true;
    }
    const std::size_t last = number.digits.find_last_not_of('0');
    const auto trailingZeros = static_cast<long long>(number.digits.size() - 1 - last);
    number.digits = number.digits.substr(first, last - first + 1);
    number.scale = exponent - fractionDigits + trailingZeros;
    return true;
}

// Rounds half to even and checks the 16-bit range.
ReadResult roundToInt16(const Decimal &number)
{
    if (number.digits.empty())
        return { Outcome::value, 0 }; // "-0" too
    const auto count = static_cast<long long>(number.digits.size());
    const long long integerDigits = count + number.scale;
    if (integerDigits > 5) // at least 100000
        return kOutOfRange;

    long long whole = 0;
    for (long long k = 0; k < integerDigits; ++k)
        whole = whole * 10 + (k < count ? number.digits[static_cast<std::size_t>(k)] - '0' : 0);

    // The fraction's digits follow the integer digits; it is below one half
    // when it starts with a zero that the digit string does not hold.
    if (integerDigits >= 0 && integerDigits < count) {
        const char firstFraction = number.digits[static_cast<std::size_t>(integerDigits)];
        const bool moreFollow = integerDigits + 1 < count; // the last digit is never 0
        if (firstFraction > '5' || (firstFraction == '5' && (moreFollow || whole % 2 == 1)))
            ++whole;
    }

    const long long value = number.negative ? -whole : whole;
    if (value < int16::kMin || value > int16::kMax)
        return kOutOfRange;
    return { Outcome::value, static_cast<std::int16_t>(value) };
}

} // namespace

ReadResult readInt16(std::string_view utf8)
{
    std::string ascii;
    if (!toAscii(utf8, ascii))
        return kNotANumber;
    const std::size_t begin = ascii.find_first_not_of(' ');
    if (begin == std::string::npos)
        return kNotANumber;
    const std::size_t end = ascii.find_last_not_of(' ') + 1;

    Decimal number;
    if (!parseDecimal(std::string_view(ascii).substr(begin, end - begin), number))
        return kNotANumber;
    return roundToInt16(number);
}

bool isLoneZero(std::string_view utf8) { return judge::foldFullWidth(utf8, "0") == "0"; }

} // namespace reel
