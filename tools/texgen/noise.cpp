#include "tools/texgen/noise.h"

#include <cmath>

namespace texgen {
namespace {

// Sixteen unit directions, evenly spread, written out so that no trigonometry is needed.
constexpr double kGradients[16][2] = {
    {1.0, 0.0},         {0.9238795325, 0.3826834324},   {0.7071067812, 0.7071067812},
    {0.3826834324, 0.9238795325},   {0.0, 1.0},         {-0.3826834324, 0.9238795325},
    {-0.7071067812, 0.7071067812},  {-0.9238795325, 0.3826834324},  {-1.0, 0.0},
    {-0.9238795325, -0.3826834324}, {-0.7071067812, -0.7071067812}, {-0.3826834324, -0.9238795325},
    {0.0, -1.0},        {0.3826834324, -0.9238795325},  {0.7071067812, -0.7071067812},
    {0.9238795325, -0.3826834324}};

std::int32_t wrap(std::int32_t i, std::int32_t period) {
  const std::int32_t m = i % period;
  return m < 0 ? m + period : m;
}

// Quintic fade: continuous second derivative at the lattice lines.
double fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

double corner(std::int32_t ix, std::int32_t iy, double dx, double dy, std::int32_t px,
              std::int32_t py, std::uint32_t seed) {
  const auto* g = kGradients[hash(wrap(ix, px), wrap(iy, py), seed) & 15u];
  return g[0] * dx + g[1] * dy;
}

}  // namespace

std::uint32_t hash(std::int32_t x, std::int32_t y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B9u;
  h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
  h = (h ^ (h >> 15)) * 0x2C1B3C6Du;
  h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
  h = (h ^ (h >> 13)) * 0x297A2D39u;
  return h ^ (h >> 16);
}

double hashUnit(std::int32_t x, std::int32_t y, std::uint32_t seed) {
  return (hash(x, y, seed) >> 8) * (1.0 / 16777216.0);
}

double gradientNoise(double x, double y, std::int32_t px, std::int32_t py, std::uint32_t seed) {
  const double fx = std::floor(x);
  const double fy = std::floor(y);
  const auto ix = static_cast<std::int32_t>(fx);
  const auto iy = static_cast<std::int32_t>(fy);
  const double dx = x - fx;
  const double dy = y - fy;
  const double n00 = corner(ix, iy, dx, dy, px, py, seed);
  const double n10 = corner(ix + 1, iy, dx - 1, dy, px, py, seed);
  const double n01 = corner(ix, iy + 1, dx, dy - 1, px, py, seed);
  const double n11 = corner(ix + 1, iy + 1, dx - 1, dy - 1, px, py, seed);
  const double u = fade(dx);
  const double v = fade(dy);
  // Scaled so that the extremes come close to +-1.
  return 1.4142135624 * mix(mix(n00, n10, u), mix(n01, n11, u), v);
}

double fbm(double u, double v, std::int32_t px, std::int32_t py, int octaves, double gain,
           std::uint32_t seed) {
  double sum = 0;
  double amplitude = 1;
  double total = 0;
  for (int octave = 0; octave < octaves; ++octave) {
    sum += amplitude * gradientNoise(u * px, v * py, px, py, seed + static_cast<std::uint32_t>(octave) * 101u);
    total += amplitude;
    amplitude *= gain;
    px *= 2;
    py *= 2;
  }
  return sum / total;
}

std::uint32_t Random::next() {
  // splitmix64
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
}

double Random::unit() { return (next() >> 8) * (1.0 / 16777216.0); }

double Random::range(double low, double high) { return low + (high - low) * unit(); }

double clamp01(double v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

double smoothstep(double edge0, double edge1, double x) {
  const double t = clamp01((x - edge0) / (edge1 - edge0));
  return t * t * (3 - 2 * t);
}

double mix(double a, double b, double t) { return a + (b - a) * t; }

double fract(double x) { return x - std::floor(x); }

}  // namespace texgen
