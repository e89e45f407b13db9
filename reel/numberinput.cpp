#include "reel/numberinput.h"

#include "reel/int16.h"

#include <string>

namespace reel {

namespace {

using Outcome = ReadResult::Outcome;

constexpr ReadResult kNotANumber { Outcome::notANumber, 0 };
constexpr ReadResult kOutOfRange { Outcome::outOfRange, 0 };

// The characters a number may be typed with, each mapped to its ASCII form;
// ' ' stands for any blank. The full-width forms are the ones a Japanese
// input method produces.
struct Spelling {
    std::string_view utf8;
    char ascii;
};

constexpr Spelling kWideForms[] = {
    { "\u3000", ' ' },
    { "\uFF10", '0' },
    { "\uFF11", '1' },
    { "\uFF12", '2' },
    { "\uFF13", '3' },
    { "\uFF14", '4' },
    { "\uFF15", '5' },
    { "\uFF16", '6' },
    { "\uFF17", '7' },
    { "\uFF18", '8' },
    { "\uFF19", '9' },
    { "\uFF0B", '+' },
    { "\uFF0D", '-' },
    { "\u2212", '-' },
    { "\uFF0E", '.' },
};

bool isAsciiNumberChar(char c)
{
    return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E'
        || c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The text in ASCII form, or false when it holds anything a number cannot.
bool toAscii(std::string_view utf8, std::string &ascii)
{
    ascii.clear();
    ascii.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const char c = utf8[i];
        if (isAsciiNumberChar(c)) {
            ascii += (c == '\t' || c == '\n' || c == '\r') ? ' ' : (c == 'E') ? 'e' : c;
            ++i;
            continue;
        }
        bool known = false;
        for (const Spelling &form : kWideForms) {
            if (utf8.substr(i).starts_with(form.utf8)) {
                ascii += form.ascii;
                i += form.utf8.size();
                known = true;
                break;
            }
        }
        if (!known)
            return false;
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

bool isLoneZero(std::string_view utf8) { return utf8 == "0" || utf8 == "\uFF10"; }

} // namespace reel
