#include "checksum/checksum.h"

#include <array>
#include <cstdio>

namespace checksum {

namespace {

// Slicing by 8: table k gives the remainder of a byte followed by k zero
// bytes, so that eight bytes cost eight independent look-ups rather than a
// chain of them (a full collection file is 157 KB).
constexpr std::array<std::array<std::uint32_t, 256>, 8> crcTables()
{
    std::array<std::array<std::uint32_t, 256>, 8> tables {};
    for (std::uint32_t value = 0; value < 256; ++value) {
        std::uint32_t crc = value;
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        tables[0][value] = crc;
    }
    for (std::size_t k = 1; k < tables.size(); ++k)
        for (std::size_t value = 0; value < 256; ++value)
            tables[k][value]
                = (tables[k - 1][value] >> 8) ^ tables[0][tables[k - 1][value] & 0xFFu];
    return tables;
}

constexpr auto kCrcTables = crcTables();

std::uint32_t byteAt(std::string_view bytes, std::size_t i)
{
    return static_cast<unsigned char>(bytes[i]);
}

std::string hex(std::uint64_t value, int digits)
{
    std::array<char, 17> text {};
    std::snprintf(
        text.data(), text.size(), "%0*llx", digits, static_cast<unsigned long long>(value));
    return text.data();
}

} // namespace

std::uint32_t crc32(std::string_view bytes)
{
    const auto &t = kCrcTables;
    std::uint32_t crc = 0xFFFFFFFFu;
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        const std::uint32_t low = crc
            ^ (byteAt(bytes, i) | byteAt(bytes, i + 1) << 8 | byteAt(bytes, i + 2) << 16
                | byteAt(bytes, i + 3) << 24);
        crc = t[7][low & 0xFFu] ^ t[6][(low >> 8) & 0xFFu] ^ t[5][(low >> 16) & 0xFFu]
            ^ t[4][low >> 24] ^ t[3][byteAt(bytes, i + 4)] ^ t[2][byteAt(bytes, i + 5)]
            ^ t[1][byteAt(bytes, i + 6)] ^ t[0][byteAt(bytes, i + 7)];
    }
    for (; i < bytes.size(); ++i)
        crc = (crc >> 8) ^ t[0][(crc ^ byteAt(bytes, i)) & 0xFFu];
    return ~crc;
}

std::string crc32Hex(std::string_view bytes) { return hex(crc32(bytes), 8); }

void appendCrc32Seal(std::string &body)
{
    const std::string sum = crc32Hex(body);
    body.append(kSealTag).append(sum) += '\n';
}

bool isCrc32Seal(std::string_view line, std::string_view body)
{
    return line.starts_with(kSealTag) && line.substr(kSealTag.size()) == crc32Hex(body);
}

std::uint64_t fnv1a64(std::string_view bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3u;
    }
    return hash;
}

std::string fnv1a64Hex(std::string_view bytes) { return hex(fnv1a64(bytes), 16); }

} // namespace checksum
