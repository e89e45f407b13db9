#include "machine/generator.h"

#include <bit>
#include <stdexcept>

namespace machine {

namespace {

constexpr std::uint64_t kMultiplier = 6364136223846793005u;

} // namespace

Generator::Generator(std::uint64_t seed, std::uint64_t stream)
    : m_increment((stream << 1) | 1u)
{
    next();
    m_state += seed;
    next();
}

Generator Generator::fromState(std::uint64_t state, std::uint64_t increment)
{
    if ((increment & 1u) == 0)
        throw std::invalid_argument("machine::Generator: the increment must be odd");
    Generator g;
    g.m_state = state;
    g.m_increment = increment;
    return g;
}

std::uint32_t Generator::next()
{
    const std::uint64_t old = m_state;
    m_state = old * kMultiplier + m_increment;
    const auto shifted = static_cast<std::uint32_t>(((old >> 18) ^ old) >> 27);
    return std::rotr(shifted, static_cast<int>(old >> 59));
}

std::uint32_t Generator::below(std::uint32_t bound)
{
    // Reject the lowest 2^32 mod bound values, so every residue is as likely.
    const std::uint32_t threshold = (0u - bound) % bound;
    for (;;) {
        const std::uint32_t r = next();
        if (r >= threshold)
            return r % bound;
    }
}

} // namespace machine
