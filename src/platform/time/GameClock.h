#pragma once
// The game's millisecond counter: 32 bits that wrap after about 49.7 days, so every
// difference is taken as an unsigned 32-bit subtraction.
#include <cstdint>

std::uint32_t timeGetTime();

// The 1 ms timer resolution the match asks for. Linux timers are already that fine, so
// these only keep the calls where the game makes them.
inline void timeBeginPeriod(unsigned int) {}
inline void timeEndPeriod(unsigned int) {}
