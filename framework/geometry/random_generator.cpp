// The process-wide random sequence: MT19937 words (std::mt19937 is the standard algorithm)
// behind our own seeding rules. The generator seeds itself from RANDSEED on the first draw
// and again on the first draw after RANDSEED changes; each seeding replaces RANDSEED by its
// bitwise NOT, so a program that never touches RANDSEED draws the seed-0 sequence every run.
#include <random>

#include "framework/framework.h"

std::int32_t RANDSEED = 0;

namespace {

std::mt19937 generator;
bool seeded = false;             // false: the state must be seeded before the next word
std::int32_t seedLastUsed = 0;   // RANDSEED as the last seeding left it

}  // namespace

std::uint32_t RANDOMWORD() {
  if (RANDSEED != seedLastUsed) seeded = false;
  if (!seeded) {
    generator.seed(static_cast<std::uint32_t>(RANDSEED));
    RANDSEED = ~RANDSEED;
    seedLastUsed = RANDSEED;
    seeded = true;
  }
  // std::mt19937 regenerates its 624 words when its index runs out and tempers each word.
  return static_cast<std::uint32_t>(generator());
}

double RANDOMREAL() {
  // A 32-bit word times 2^-32 is exact in float64.
  return static_cast<double>(RANDOMWORD()) * 0x1p-32;
}

std::int32_t RANDOMINT(std::int32_t L) {
  const std::uint32_t word = RANDOMWORD();
  const std::int64_t bound = L < 0 ? static_cast<std::int64_t>(L) + 1 : L;
  // The high 32 bits of the 64-bit product; the shift rounds towards minus infinity.
  return static_cast<std::int32_t>((static_cast<std::int64_t>(word) * bound) >> 32);
}

float RANDOMF(float RANGE) {
  // The divisor is 0.9, so results reach up to RANGE / 0.9.
  return static_cast<float>((RANDOMREAL() / 0.9) * static_cast<double>(RANGE));
}
