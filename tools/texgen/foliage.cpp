// A pine sprig on a transparent ground: a brown stem up the middle of the picture (the base at
// the bottom, the tip at the top) with side twigs angled towards the tip, every twig dressed in
// paired needles. Alpha is the strokes' coverage, so an alpha test cuts away everything between
// the needles; the transparent texels carry the needles' green so filtering leaves no fringe.
#include <cmath>
#include <vector>

#include "tools/texgen/noise.h"
#include "tools/texgen/raster.h"
#include "tools/texgen/texgen.h"

namespace texgen {
namespace {

constexpr int kSize = 256;
constexpr double kMargin = 4.0;  // clear border: the texture repeats, edges must not bleed

struct Vec {
  double x, y;
};

Vec add(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec scale(Vec a, double k) { return {a.x * k, a.y * k}; }

// Turns a unit vector by the angle whose half-angle tangent is t (positive: clockwise on the
// picture, whose y axis points down), without trigonometry.
Vec turn(Vec d, double t) {
  const double c = (1 - t * t) / (1 + t * t);
  const double s = 2 * t / (1 + t * t);
  return {d.x * c - d.y * s, d.x * s + d.y * c};
}

Vec clampToPicture(Vec p) {
  const double low = kMargin, high = kSize - kMargin;
  return {p.x < low ? low : (p.x > high ? high : p.x), p.y < low ? low : (p.y > high ? high : p.y)};
}

struct Twig {
  Vec start;
  Vec direction;  // unit
  double length;
  double thickness;
};

const Colour kBark{0.36, 0.24, 0.14};
const Colour kNeedleBase{0.14, 0.31, 0.10};
const Colour kNeedleTip{0.38, 0.56, 0.20};

// Paired needles all along a twig, pointing forward, shorter towards its tip.
void dressTwig(Canvas& canvas, const Twig& twig, Random& random) {
  const double spacing = 2.3;
  const int steps = static_cast<int>(twig.length / spacing);
  for (int i = 1; i <= steps; ++i) {
    const double along = i * spacing + random.range(-0.8, 0.8);
    const double f = along / twig.length;
    if (f > 1.0) break;
    const Vec base = add(twig.start, scale(twig.direction, along));
    const double needleLength = (26.0 + random.range(-4, 4)) * (1.0 - 0.4 * f * f);
    for (int side = -1; side <= 1; side += 2) {
      // 30 to 55 degrees off the twig: half-angle tangents 0.27 to 0.52.
      const Vec d = turn(twig.direction, side * random.range(0.27, 0.52));
      const Vec tip = clampToPicture(add(base, scale(d, needleLength)));
      const double tone = random.unit();
      const Colour base0 = mixColour(kNeedleBase, scaleColour(kNeedleBase, 0.75), tone);
      const Colour tip0 = mixColour(kNeedleTip, scaleColour(kNeedleTip, 0.8), tone);
      canvas.stroke(base.x, base.y, tip.x, tip.y, 1.5, 0.9, base0, tip0);
    }
  }
}

void drawTwig(Canvas& canvas, const Twig& twig) {
  const Vec end = add(twig.start, scale(twig.direction, twig.length));
  canvas.stroke(twig.start.x, twig.start.y, end.x, end.y, twig.thickness, twig.thickness * 0.5,
                kBark, scaleColour(kBark, 1.15));
}

}  // namespace

Image makeFoliage() {
  Canvas canvas(kSize, kSize, false);
  Random random(9157);

  // The stem, from the bottom edge's middle to near the top, in a slight curve.
  std::vector<Twig> stem;
  const int stemPieces = 6;
  Vec point{kSize * 0.5, kSize - kMargin - 4};
  Vec direction{0, -1};
  const double pieceLength = (kSize - 2 * kMargin - 14) / stemPieces;
  for (int i = 0; i < stemPieces; ++i) {
    direction = turn(direction, random.range(-0.05, 0.05));
    stem.push_back({point, direction, pieceLength, 3.2 - 0.35 * i});
    point = add(point, scale(direction, pieceLength));
  }

  // Side twigs, alternating left and right, longer near the base.
  std::vector<Twig> twigs;
  const int twigCount = 8;
  for (int i = 0; i < twigCount; ++i) {
    const double f = (i + 0.6) / (twigCount + 0.4);
    const Twig& piece = stem[static_cast<std::size_t>(f * stemPieces)];
    const double within = f * stemPieces - std::floor(f * stemPieces);
    const Vec start = add(piece.start, scale(piece.direction, within * piece.length));
    const int side = i % 2 == 0 ? -1 : 1;
    // 45 to 60 degrees from the stem: half-angle tangents 0.41 to 0.58.
    const Vec d = turn(piece.direction, side * random.range(0.41, 0.58));
    double length = (125.0 - 75.0 * f) * random.range(0.9, 1.05);
    // Keep the twig and its needles inside the picture.
    const Vec end = add(start, scale(d, length));
    const Vec inside = clampToPicture(end);
    const double overshoot = std::sqrt((end.x - inside.x) * (end.x - inside.x) + (end.y - inside.y) * (end.y - inside.y));
    length -= overshoot + 16.0 * (overshoot > 0);
    twigs.push_back({start, d, length, 1.9 - 0.8 * f});
  }

  for (const Twig& twig : twigs) drawTwig(canvas, twig);
  for (const Twig& piece : stem) drawTwig(canvas, piece);
  for (const Twig& twig : twigs) dressTwig(canvas, twig, random);
  for (const Twig& piece : stem) dressTwig(canvas, piece, random);

  // Straight (not premultiplied) colours; the transparent texels get the needles' mean green.
  const Colour hidden = mixColour(kNeedleBase, kNeedleTip, 0.4);
  std::vector<Colour> colours;
  std::vector<double> alpha;
  colours.reserve(static_cast<std::size_t>(kSize) * kSize);
  alpha.reserve(static_cast<std::size_t>(kSize) * kSize);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const double a = canvas.alpha(x, y);
      const Colour& c = canvas.colour(x, y);
      colours.push_back(a > 1e-6 ? mixColour(hidden, Colour{c.r / a, c.g / a, c.b / a}, clamp01(a * 4)) : hidden);
      alpha.push_back(a);
    }
  }
  return packImage(kSize, kSize, colours, &alpha);
}

}  // namespace texgen
