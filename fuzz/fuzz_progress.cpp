// Any bytes as a progress file: read, damaged, not ours or newer, never a
// crash. A file read must write back byte for byte: the reader accepts only
// what the writer writes. The bytes are also read once sealed with the right
// checksum, so that the fuzzer reaches the lines behind it.
#include "drill/progressformat.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(std::string_view bytes)
{
    const drill::ReadProgress result = drill::readProgress(bytes);
    if (result.outcome == drill::ReadProgress::Outcome::read
        && drill::writeProgress(result.progress) != bytes)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string bytes(reinterpret_cast<const char *>(data), size);
    check(bytes);
    drill::seal(bytes);
    check(bytes);
    return 0;
}
