// Small drawing helpers for the generators: a wrapping float grid and anti-aliased strokes.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/texgen/texgen.h"

namespace texgen {

struct Colour {
  double r, g, b;
};

Colour mixColour(const Colour& a, const Colour& b, double t);
Colour scaleColour(const Colour& c, double k);

// A grid of values that wraps at its edges, as a tiling texture does.
class Grid {
 public:
  Grid(int width, int height, double fill = 0.0);
  int width() const { return width_; }
  int height() const { return height_; }
  double& at(int x, int y);
  double at(int x, int y) const;

 private:
  int width_, height_;
  std::vector<double> values_;
};

// Brightness from a height field lit from the upper left: 1 on flat ground.
double reliefShade(const Grid& height, int x, int y, double strength);

// An RGBA picture of doubles that strokes are composited into ("over").
class Canvas {
 public:
  Canvas(int width, int height, bool wrap);
  // A segment from (x0, y0) to (x1, y1) with round ends, radius r0 at the start tapering to
  // r1 at the end, its colour running from c0 to c1, drawn over what is there.
  void stroke(double x0, double y0, double x1, double y1, double r0, double r1, const Colour& c0,
              const Colour& c1, double opacity = 1.0);
  int width() const { return width_; }
  int height() const { return height_; }
  const Colour& colour(int x, int y) const { return colour_[index(x, y)]; }
  double alpha(int x, int y) const { return alpha_[index(x, y)]; }

 private:
  std::size_t index(int x, int y) const;
  int width_, height_;
  bool wrap_;
  std::vector<Colour> colour_;
  std::vector<double> alpha_;
};

std::uint8_t toByte(double v);

// Packs rows of colours (and alpha when given) into an Image.
Image packImage(int width, int height, const std::vector<Colour>& colours,
                const std::vector<double>* alpha);

}  // namespace texgen
