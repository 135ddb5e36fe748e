#include "core/random.h"

#include <random>

namespace {
constexpr unsigned kDefaultSeed = 1;

std::mt19937& Generator() {
    static std::mt19937 generator(kDefaultSeed);
    return generator;
}
}  // namespace

void SeedRandom(unsigned seed) { Generator().seed(seed); }

void ResetRandom() { SeedRandom(kDefaultSeed); }

void SeedRandomFromClock() {
    std::random_device device;
    SeedRandom(device());
}

int RandomInt() {
    // The top 15 bits of a 32-bit draw.
    return static_cast<int>(Generator()() >> 17);
}

int RandomBelow(int n) { return n > 0 ? RandomInt() % n : 0; }

int RandomUpTo(float limit) {
    if (!(limit >= 0)) return 0;
    const float capped = limit < static_cast<float>(kRandomMax) ? limit : static_cast<float>(kRandomMax);
    return RandomBelow(static_cast<int>(capped) + 1);
}

float RandomUniform(float low, float high) {
    return static_cast<float>(RandomInt()) / static_cast<float>(kRandomMax) * (high - low) + low;
}
