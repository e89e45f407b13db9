// The machine's random numbers: PCG32 (a 64-bit linear congruential state
// with a permuted 32-bit output, O'Neill 2014). Small, fast and the same on
// every compiler and library, so a seed gives the same games everywhere and a
// saved generator goes on exactly where it stopped.
#pragma once

#include <cstdint>

namespace machine {

class Generator {
public:
    // `stream` picks one of 2^63 independent sequences: the machine and a
    // simulated player seeded alike never share numbers.
    explicit Generator(std::uint64_t seed = 0, std::uint64_t stream = 0);

    // The state as it is saved: restores exactly; `increment` must be odd.
    static Generator fromState(std::uint64_t state, std::uint64_t increment);
    std::uint64_t state() const { return m_state; }
    std::uint64_t increment() const { return m_increment; }

    std::uint32_t next();

    // One 16-bit draw (the high half of the output).
    std::uint16_t draw16() { return static_cast<std::uint16_t>(next() >> 16); }

    // Uniform in 0 .. bound−1 (bound ≥ 1), without the bias of a plain modulo.
    std::uint32_t below(std::uint32_t bound);

    bool operator==(const Generator &) const = default;

private:
    std::uint64_t m_state = 0;
    std::uint64_t m_increment = 1;
};

} // namespace machine
