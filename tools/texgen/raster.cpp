#include "tools/texgen/raster.h"

#include <algorithm>
#include <cmath>

#include "tools/texgen/noise.h"

namespace texgen {
namespace {

int wrapIndex(int i, int n) {
  const int m = i % n;
  return m < 0 ? m + n : m;
}

}  // namespace

Colour mixColour(const Colour& a, const Colour& b, double t) {
  return {mix(a.r, b.r, t), mix(a.g, b.g, t), mix(a.b, b.b, t)};
}

Colour scaleColour(const Colour& c, double k) { return {c.r * k, c.g * k, c.b * k}; }

Grid::Grid(int width, int height, double fill)
    : width_(width), height_(height), values_(static_cast<std::size_t>(width) * height, fill) {}

double& Grid::at(int x, int y) {
  return values_[static_cast<std::size_t>(wrapIndex(y, height_)) * width_ + wrapIndex(x, width_)];
}

double Grid::at(int x, int y) const {
  return values_[static_cast<std::size_t>(wrapIndex(y, height_)) * width_ + wrapIndex(x, width_)];
}

double reliefShade(const Grid& height, int x, int y, double strength) {
  // Ground rising away from the light (up and left in the picture) faces it.
  const double slope = (height.at(x + 1, y + 1) - height.at(x - 1, y - 1)) * 0.5;
  return 1.0 + strength * slope;
}

Canvas::Canvas(int width, int height, bool wrap)
    : width_(width),
      height_(height),
      wrap_(wrap),
      colour_(static_cast<std::size_t>(width) * height, Colour{0, 0, 0}),
      alpha_(static_cast<std::size_t>(width) * height, 0.0) {}

std::size_t Canvas::index(int x, int y) const {
  return static_cast<std::size_t>(y) * width_ + x;
}

void Canvas::stroke(double x0, double y0, double x1, double y1, double r0, double r1,
                    const Colour& c0, const Colour& c1, double opacity) {
  const double dx = x1 - x0;
  const double dy = y1 - y0;
  const double lengthSquared = dx * dx + dy * dy;
  const double reach = std::max(r0, r1) + 1.0;
  const int left = static_cast<int>(std::floor(std::min(x0, x1) - reach));
  const int right = static_cast<int>(std::ceil(std::max(x0, x1) + reach));
  const int top = static_cast<int>(std::floor(std::min(y0, y1) - reach));
  const int bottom = static_cast<int>(std::ceil(std::max(y0, y1) + reach));
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) {
      int px = x, py = y;
      if (wrap_) {
        px = wrapIndex(x, width_);
        py = wrapIndex(y, height_);
      } else if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        continue;
      }
      // Distance from the pixel centre to the segment, and where along it the nearest point is.
      const double cx = x + 0.5 - x0;
      const double cy = y + 0.5 - y0;
      double t = lengthSquared > 0 ? (cx * dx + cy * dy) / lengthSquared : 0.0;
      t = clamp01(t);
      const double ex = cx - t * dx;
      const double ey = cy - t * dy;
      const double distance = std::sqrt(ex * ex + ey * ey);
      const double radius = mix(r0, r1, t);
      const double coverage = clamp01(radius + 0.5 - distance) * opacity;
      if (coverage <= 0) continue;
      const std::size_t i = index(px, py);
      colour_[i] = mixColour(colour_[i], mixColour(c0, c1, t), coverage);
      alpha_[i] = coverage + alpha_[i] * (1 - coverage);
    }
  }
}

std::uint8_t toByte(double v) { return static_cast<std::uint8_t>(std::floor(clamp01(v) * 255.0 + 0.5)); }

Image packImage(int width, int height, const std::vector<Colour>& colours,
                const std::vector<double>* alpha) {
  Image image;
  image.width = width;
  image.height = height;
  image.channels = alpha ? 4 : 3;
  image.pixels.reserve(static_cast<std::size_t>(width) * height * image.channels);
  for (std::size_t i = 0; i < colours.size(); ++i) {
    image.pixels.push_back(toByte(colours[i].r));
    image.pixels.push_back(toByte(colours[i].g));
    image.pixels.push_back(toByte(colours[i].b));
    if (alpha) image.pixels.push_back(toByte((*alpha)[i]));
  }
  return image;
}

}  // namespace texgen
