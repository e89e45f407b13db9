// Reading the records' own text files (the collection, the calls' figures):
// a header line, "version N" second so that a later format may change all
// the rest, lines ending in LF, and last the CRC-32 seal of every byte before
// it (checksum/checksum.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace records {

// What a file of the kind begins with: the header, then "version N". The
// writer ends with checksum::appendCrc32Seal.
std::string sealedTextStart(std::string_view header, int version);

class SealedText {
public:
    // `text` begins with `header`, its first line; reading starts after it.
    SealedText(std::string_view text, std::string_view header);

    // The next line without its LF; empty at the end, or at a last line
    // without one.
    std::optional<std::string_view> next();
    // Of the line last read; the header is line 1.
    int lineNumber() const { return m_lineNumber; }
    // Reads "version N", N from 1; empty for anything else.
    std::optional<int> version();
    // Whether `line`, just read, is the seal of every byte before it and
    // nothing follows it.
    bool sealedBy(std::string_view line) const;

private:
    std::string_view m_text, m_rest;
    std::size_t m_lineStart = 0; // of the line last read
    int m_lineNumber = 1;
};

// "<what> from a newer version of the program (format N; this one reads
// format M)".
std::string newerVersionReason(std::string_view what, int version, int readable);

} // namespace records
