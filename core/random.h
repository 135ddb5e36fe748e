#pragma once

// The engine's one random generator. Draws are 0 to kRandomMax, the range the game's data
// and effects were tuned for. Nothing reseeds it from the clock behind a caller's back:
// start-up seeds it once, and tests seed it to replay a run exactly.
constexpr int kRandomMax = 32767;

void SeedRandom(unsigned seed);
// Back to the seed a fresh process starts with.
void ResetRandom();
// A seed from the system's entropy source, for a real run.
void SeedRandomFromClock();

// 0 to kRandomMax inclusive.
int RandomInt();
// RandomInt() % n; 0 for n of 0 or less, where a remainder has no meaning.
int RandomBelow(int n);
// RandomBelow(int(limit) + 1): a whole number from 0 to `limit`; 0 for a limit below 0 (and
// for NaN). Limits beyond the draw range count as kRandomMax.
int RandomUpTo(float limit);
// RandomInt() / kRandomMax spread over [low, high], in float.
float RandomUniform(float low, float high);
