// Forest floor: brown earth with patches of moss, scattered pebbles and fallen pine needles.
// Noise, pebble cells and needle strokes all wrap at the tile's edges, so the floor repeats
// without seams.
#include <cmath>

#include "tools/texgen/noise.h"
#include "tools/texgen/raster.h"
#include "tools/texgen/texgen.h"

namespace texgen {
namespace {

constexpr int kSize = 512;
constexpr int kPebbleCells = 12;

// Height and colour of the pebble covering pixel (x, y), if any (coverage 0 when none).
struct Pebble {
  double coverage = 0;
  double height = 0;
  Colour colour{0, 0, 0};
};

Pebble pebbleAt(int x, int y) {
  const double cellSize = static_cast<double>(kSize) / kPebbleCells;
  const int cx = static_cast<int>(x / cellSize);
  const int cy = static_cast<int>(y / cellSize);
  Pebble best;
  for (int oy = -1; oy <= 1; ++oy) {
    for (int ox = -1; ox <= 1; ++ox) {
      const int gx = ((cx + ox) % kPebbleCells + kPebbleCells) % kPebbleCells;
      const int gy = ((cy + oy) % kPebbleCells + kPebbleCells) % kPebbleCells;
      if (hashUnit(gx, gy, 41) > 0.4) continue;  // most cells hold no pebble
      const double centreX = (cx + ox + 0.15 + 0.7 * hashUnit(gx, gy, 42)) * cellSize;
      const double centreY = (cy + oy + 0.15 + 0.7 * hashUnit(gx, gy, 43)) * cellSize;
      const double radius = 4.0 + 9.0 * hashUnit(gx, gy, 44) * hashUnit(gx, gy, 45);
      const double squash = 0.6 + 0.4 * hashUnit(gx, gy, 46);
      // A tilted ellipse: axis direction from a hashed unit vector.
      double ax = hashUnit(gx, gy, 47) - 0.5, ay = hashUnit(gx, gy, 48) - 0.5;
      const double axisLength = std::sqrt(ax * ax + ay * ay) + 1e-9;
      ax /= axisLength;
      ay /= axisLength;
      const double dx = x + 0.5 - centreX;
      const double dy = y + 0.5 - centreY;
      const double along = (dx * ax + dy * ay) / radius;
      const double across = (dy * ax - dx * ay) / (radius * squash);
      const double r2 = along * along + across * across;
      if (r2 >= 1.0) continue;
      const double dome = std::sqrt(1.0 - r2);
      if (dome * radius <= best.height) continue;
      best.height = dome * radius;
      best.coverage = clamp01((1.0 - std::sqrt(r2)) * radius * 1.2);
      const double tone = hashUnit(gx, gy, 49);
      best.colour = mixColour(Colour{0.42, 0.40, 0.37}, Colour{0.58, 0.53, 0.46}, tone);
    }
  }
  return best;
}

// Fallen needles, drawn into a wrapping layer.
Canvas fallenNeedles() {
  Canvas needles(kSize, kSize, true);
  Random random(7001);
  for (int i = 0; i < 1400; ++i) {
    const double x = random.range(0, kSize);
    const double y = random.range(0, kSize);
    double dx = 0, dy = 0, length = 0;
    do {
      dx = random.range(-1, 1);
      dy = random.range(-1, 1);
      length = std::sqrt(dx * dx + dy * dy);
    } while (length < 0.2 || length > 1.0);
    const double needleLength = random.range(14, 30);
    dx = dx / length * needleLength;
    dy = dy / length * needleLength;
    const double age = random.unit();
    const Colour fresh{0.52, 0.35, 0.17};
    const Colour old{0.30, 0.21, 0.13};
    const Colour c = mixColour(fresh, old, age);
    needles.stroke(x, y, x + dx, y + dy, 1.0, 0.7, c, scaleColour(c, 0.85), 0.9);
  }
  return needles;
}

}  // namespace

Image makeFloor() {
  Grid height(kSize, kSize);
  std::vector<Colour> ground(static_cast<std::size_t>(kSize) * kSize);
  const Canvas needles = fallenNeedles();

  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const double u = (x + 0.5) / kSize;
      const double v = (y + 0.5) / kSize;
      const double earthNoise = fbm(u, v, 4, 4, 6, 0.55, 31);
      const double grain = fbm(u, v, 64, 64, 2, 0.5, 32);
      const double mossField = fbm(u, v, 3, 3, 5, 0.55, 33) + 0.15 * fbm(u, v, 24, 24, 2, 0.5, 34);
      const double moss = smoothstep(0.02, 0.22, mossField);

      Colour earth = mixColour(Colour{0.25, 0.18, 0.11}, Colour{0.38, 0.28, 0.17}, clamp01(0.5 + 0.8 * earthNoise));
      earth = scaleColour(earth, 0.92 + 0.16 * grain);
      const double mossTone = clamp01(0.5 + fbm(u, v, 16, 16, 3, 0.5, 35));
      const Colour mossColour = mixColour(Colour{0.17, 0.25, 0.08}, Colour{0.33, 0.42, 0.14}, mossTone);
      Colour c = mixColour(earth, mossColour, moss);
      double h = 0.6 * earthNoise + 0.35 * grain + 0.8 * moss * (0.6 + 0.4 * mossTone);

      // Needles lie on the earth but sink into the moss.
      const double needleAlpha = needles.alpha(x, y) * (1 - 0.7 * moss);
      if (needleAlpha > 0) {
        const Colour& premultiplied = needles.colour(x, y);
        const double a = needles.alpha(x, y);
        const Colour straight{premultiplied.r / a, premultiplied.g / a, premultiplied.b / a};
        c = mixColour(c, straight, needleAlpha);
        h += 0.5 * needleAlpha;
      }

      const Pebble pebble = pebbleAt(x, y);
      if (pebble.coverage > 0) {
        c = mixColour(c, pebble.colour, pebble.coverage * (1 - 0.5 * moss));
        h += 0.35 * pebble.height;
      }
      ground[static_cast<std::size_t>(y) * kSize + x] = c;
      height.at(x, y) = h;
    }
  }

  std::vector<Colour> colours;
  colours.reserve(ground.size());
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const double shade = clamp01(reliefShade(height, x, y, 2.2));
      colours.push_back(scaleColour(ground[static_cast<std::size_t>(y) * kSize + x], 0.35 + 0.75 * shade));
    }
  }
  return packImage(kSize, kSize, colours, nullptr);
}

}  // namespace texgen
