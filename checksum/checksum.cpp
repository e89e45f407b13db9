#include "checksum/checksum.h"

#include <array>
#include <cstdio>

namespace checksum {

namespace {

// The remainder of each byte value, so that a byte costs one look-up rather
// than eight shifts: a full collection file is 157 KB.
constexpr std::array<std::uint32_t, 256> crcTable()
{
    std::array<std::uint32_t, 256> table {};
    for (std::uint32_t value = 0; value < table.size(); ++value) {
        std::uint32_t crc = value;
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        table[value] = crc;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kCrcTable = crcTable();

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
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes)
        crc = (crc >> 8) ^ kCrcTable[(crc ^ static_cast<unsigned char>(c)) & 0xFFu];
    return ~crc;
}

std::string crc32Hex(std::string_view bytes) { return hex(crc32(bytes), 8); }

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
