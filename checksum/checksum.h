// The checksums that seal our text files: the last line of each holds the
// checksum of every byte before it, so that a file cut short or changed by
// hand is noticed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace checksum {

// CRC-32 with the polynomial of zlib and PNG (reflected 0xEDB88320, starting
// from all ones, inverted at the end): the saved machine, the reach-me
// collection, the calls' figures.
std::uint32_t crc32(std::string_view bytes);

// The CRC-32 as 8 lower-case hexadecimal digits, as those files write it.
std::string crc32Hex(std::string_view bytes);

// The last line of a file sealed with CRC-32: "end ", the CRC-32 of every
// byte before the line, a line end (LF).
inline constexpr std::string_view kSealTag = "end ";
void appendCrc32Seal(std::string &body);
// Whether `line` (without its line end) is that line for `body`.
bool isCrc32Seal(std::string_view line, std::string_view body);

// FNV-1a, 64 bits: the drill's progress file, sealed so since its first format.
std::uint64_t fnv1a64(std::string_view bytes);

// The FNV-1a as 16 lower-case hexadecimal digits.
std::string fnv1a64Hex(std::string_view bytes);

} // namespace checksum
