#include "records/sealedtext.h"

#include "checksum/checksum.h"
#include "records/numbers.h"

namespace records {

namespace {

constexpr std::string_view kVersion = "version ";

} // namespace

std::string sealedTextStart(std::string_view header, int version)
{
    std::string out(header);
    out += kVersion;
    appendDecimal(out, version);
    out += '\n';
    return out;
}

SealedText::SealedText(std::string_view text, std::string_view header)
    : m_text(text)
    , m_rest(text.substr(header.size()))
{ }

std::optional<std::string_view> SealedText::next()
{
    const std::size_t end = m_rest.find('\n');
    if (end == std::string_view::npos)
        return std::nullopt;
    m_lineStart = m_text.size() - m_rest.size();
    const std::string_view line = m_rest.substr(0, end);
    m_rest.remove_prefix(end + 1);
    ++m_lineNumber;
    return line;
}

std::optional<int> SealedText::version()
{
    const auto line = next();
    const auto version = line && line->starts_with(kVersion)
        ? parseDecimal<int>(line->substr(kVersion.size()))
        : std::nullopt;
    return version && *version >= 1 ? version : std::nullopt;
}

bool SealedText::sealedBy(std::string_view line) const
{
    return m_rest.empty() && checksum::isCrc32Seal(line, m_text.substr(0, m_lineStart));
}

std::string newerVersionReason(std::string_view what, int version, int readable)
{
    return std::string(what) + " from a newer version of the program (format "
        + std::to_string(version) + "; this one reads format " + std::to_string(readable) + ")";
}

} // namespace records
