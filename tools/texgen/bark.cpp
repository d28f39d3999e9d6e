// Pine bark: plates split by dark furrows that run along the trunk, wander, split and join,
// crossed by short cracks, with fibres along the trunk and grey weathered patches. Every feature
// repeats over the unit square, so the tile meets itself without a seam both ways.
#include <cmath>

#include "tools/texgen/noise.h"
#include "tools/texgen/raster.h"
#include "tools/texgen/texgen.h"

namespace texgen {
namespace {

constexpr int kSize = 256;
constexpr int kRidges = 4;  // ridges across the tile; the cones repeat the tile 12.6 times around

struct BarkSample {
  double height;     // 0 in the furrows, about 1 on the plates
  double plateTone;  // colour variation of the plates in [0, 1]
  double grey;       // weathering in [0, 1]
};

BarkSample sampleBark(double u, double v) {
  // Furrows run along the trunk between kRidges ridges; a slow sideways wander and a varying
  // width make them drift, pinch and nearly join like real bark.
  const double warpU = 0.075 * fbm(u, v, 3, 2, 3, 0.5, 11) + 0.015 * fbm(u, v, 8, 8, 2, 0.5, 12);
  const double across = (u + warpU) * kRidges;
  const double phase = across - std::floor(across);
  // 0 on a furrow's line, 0.5 mid-plate; ragged at small scale.
  const double edge = (phase < 0.5 ? phase : 1 - phase) + 0.03 * fbm(u, v, 16, 24, 2, 0.5, 10);
  const double furrowWidth = 0.06 + 0.10 * clamp01(0.5 + fbm(u, v, 4, 3, 2, 0.5, 14));
  double height = smoothstep(0.0, furrowWidth, edge);
  height = height * height * (0.85 + 0.15 * smoothstep(0.15, 0.5, edge));

  // Short cross cracks split the ridges into plates: zero lines of noise stretched across.
  const double cracks = fbm(u + warpU, v, 2, 7, 2, 0.4, 15);
  const double crackMask = smoothstep(-0.1, 0.25, fbm(u, v, 5, 7, 2, 0.5, 16));
  const double crack = (1 - smoothstep(0.0, 0.09, std::abs(cracks))) * crackMask;
  height *= 1 - 0.8 * crack;

  // Fibres along the trunk and a little roughness.
  const double fibres = fbm(u, v, 40, 5, 3, 0.55, 17);
  const double rough = fbm(u, v, 32, 32, 3, 0.5, 18);
  height += 0.22 * fibres * height + 0.06 * rough;

  BarkSample s;
  s.height = height;
  s.plateTone = clamp01(0.5 + 1.2 * fbm(u, v, 10, 5, 3, 0.5, 19));
  s.grey = smoothstep(0.1, 0.45, fbm(u, v, 3, 2, 3, 0.5, 20));
  return s;
}

}  // namespace

Image makeBark() {
  Grid height(kSize, kSize);
  std::vector<BarkSample> samples(static_cast<std::size_t>(kSize) * kSize);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const BarkSample s = sampleBark((x + 0.5) / kSize, (y + 0.5) / kSize);
      samples[static_cast<std::size_t>(y) * kSize + x] = s;
      height.at(x, y) = s.height;
    }
  }

  const Colour furrow{0.08, 0.06, 0.05};
  const Colour plateWarm{0.58, 0.37, 0.22};
  const Colour plateDark{0.38, 0.27, 0.19};
  const Colour weathered{0.52, 0.48, 0.43};
  std::vector<Colour> colours;
  colours.reserve(samples.size());
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const BarkSample& s = samples[static_cast<std::size_t>(y) * kSize + x];
      Colour plate = mixColour(plateDark, plateWarm, s.plateTone);
      plate = mixColour(plate, weathered, 0.7 * s.grey);
      Colour c = mixColour(furrow, plate, clamp01(s.height));
      const double shade = reliefShade(height, x, y, 5.0);
      c = scaleColour(c, clamp01(shade) * 0.9 + 0.1);
      colours.push_back(c);
    }
  }
  return packImage(kSize, kSize, colours, nullptr);
}

}  // namespace texgen
