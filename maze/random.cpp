#include "maze/random.h"

namespace {
thread_local std::uint32_t randomState = 1;
}

void SeedRandom(std::uint32_t seed) { randomState = seed; }

int DrawRandom() {
  randomState = randomState * 214013u + 2531011u;
  return static_cast<int>((randomState >> 16) & 0x7fffu);
}
