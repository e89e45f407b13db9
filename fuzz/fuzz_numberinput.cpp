// Any bytes typed into a speed box: a value, "not a number" or "out of range",
// never a crash. A value read must read back the same from its decimal form.
#include "reel/numberinput.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const reel::ReadResult result = reel::readInt16(text);
    if (result.ok()) {
        const reel::ReadResult again = reel::readInt16(std::to_string(result.value));
        if (!again.ok() || again.value != result.value)
            std::abort();
    } else if (result.value != 0) {
        std::abort();
    }
    return 0;
}
