// The game's pseudo-random generator: the classic linear congruential generator (multiplier
// 214013, increment 2531011, output bits 16 to 30), so one seed gives the same sequence on every
// compiler and platform. Its state is per thread, so mazes built at once on two threads don't
// disturb each other.
#pragma once

#include <cstdint>

constexpr int RANDOM_MAX = 32767;

void SeedRandom(std::uint32_t seed);

// The next value, 0 to RANDOM_MAX.
int DrawRandom();
