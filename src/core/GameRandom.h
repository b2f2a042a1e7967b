#pragma once
// The game's one pseudo-random generator: state * 214013 + 2531011 modulo 2^32, output
// bits 16 to 30 (0 .. 32767). Seeded once at start-up with the time in seconds; the
// opponents' aim errors draw from it, so a seeded headless match replays exactly.
#include <cstdint>

constexpr int kGameRandomMax = 32767;

namespace gamerandom_detail {
inline std::uint32_t& state()
{
    static std::uint32_t value = 1;
    return value;
}
} // namespace gamerandom_detail

inline void seedGameRandom(std::uint32_t seed) { gamerandom_detail::state() = seed; }

inline int gameRandom()
{
    std::uint32_t& s = gamerandom_detail::state();
    s = s * 214013u + 2531011u;
    return static_cast<int>((s >> 16) & 0x7FFFu);
}
