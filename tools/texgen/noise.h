// Tileable procedural noise for the texture generator. Every function is periodic over the
// unit square given integer periods, so a texture sampled over [0, 1) x [0, 1) repeats
// without seams. Only + - * / and sqrt are used, so results are the same bit for bit with any
// optimisation level.
#pragma once

#include <cstdint>

namespace texgen {

// A 32-bit integer hash of two lattice coordinates and a seed.
std::uint32_t hash(std::int32_t x, std::int32_t y, std::uint32_t seed);

// Uniform value in [0, 1) from the hash.
double hashUnit(std::int32_t x, std::int32_t y, std::uint32_t seed);

// Gradient noise in about [-1, 1] at (x, y) in lattice units, periodic with the integer
// periods (px, py).
double gradientNoise(double x, double y, std::int32_t px, std::int32_t py, std::uint32_t seed);

// Fractal sum of `octaves` gradient-noise layers over the unit square (u, v): the first layer
// has px by py cells, each further one twice as many with `gain` times the amplitude.
// Normalised to about [-1, 1].
double fbm(double u, double v, std::int32_t px, std::int32_t py, int octaves, double gain,
           std::uint32_t seed);

// Deterministic random stream for placing features.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint32_t next();
  double unit();                          // [0, 1)
  double range(double low, double high);  // [low, high)

 private:
  std::uint64_t state_;
};

double clamp01(double v);
double smoothstep(double edge0, double edge1, double x);
double mix(double a, double b, double t);
// Fractional part in [0, 1).
double fract(double x);

}  // namespace texgen
