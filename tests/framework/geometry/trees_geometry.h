// Reading the tree generators' output back as geometry: the triangles GL's feedback mode
// returns are grouped into the pieces they came from (a cone side, a card, a leaf), and each
// piece is measured: ring centres and radii of a cone, corners and normal of a card.
#pragma once

#include <GL/gl.h>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "tests/support/gl_feedback.h"

namespace trees_test {

struct Vec3 {
  double x = 0, y = 0, z = 0;
};
Vec3 operator+(Vec3 a, Vec3 b);
Vec3 operator-(Vec3 a, Vec3 b);
Vec3 operator*(Vec3 a, double k);
double dot(Vec3 a, Vec3 b);
Vec3 cross(Vec3 a, Vec3 b);
double length(Vec3 a);
Vec3 normalized(Vec3 a);
// Degrees between two directions.
double angleBetween(Vec3 a, Vec3 b);

// A model-view style transform composed the way GL composes glTranslate/glRotate/glScale:
// each step applies to what is drawn after it, in the frame built so far.
class Frame {
 public:
  Frame translated(double x, double y, double z) const;
  Frame rotated(double degrees, double x, double y, double z) const;
  Frame scaled(double k) const;
  Vec3 apply(Vec3 p) const;

 private:
  Frame times(const std::array<double, 16>& step) const;
  std::array<double, 16> m_{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};  // column-major
};

using Triangle = std::array<FeedbackVertex, 3>;

// The triangles in drawing order, split where a triangle shares no vertex with the piece
// being collected: the pieces a list drew one after another.
std::vector<std::vector<Triangle>> splitIntoPieces(
    const std::vector<FeedbackPrimitive>& primitives);

// A cone side as drawn: its lower and upper rings (told apart by their texture t, which grows
// from bottom to top), each given by its centre and radius. A pointed tip has radius 0 on top.
struct Cone {
  Vec3 base, top;
  double baseRadius = 0, topRadius = 0;
};
Cone measureCone(const std::vector<Triangle>& piece);

// A textured quad, its corners told apart by their texture coordinates (0,0), (0,1), (1,1),
// (1,0).
struct Card {
  std::array<Vec3, 4> corner;
  std::array<bool, 4> found{};
  Vec3 centre() const;
};
Card measureCard(const std::vector<Triangle>& piece);

// Whether a piece is a textured quad whose vertices all carry texture coordinate `st`.
bool allVerticesAt(const std::vector<Triangle>& piece, float s, float t);

// Like captureFeedback, with each vertex's eye-space normal (nx, ny, nz) read back through
// normal-map texture generation, which also works for faces lit on both sides. The texture
// coordinates of the result are the generated ones.
std::vector<FeedbackPrimitive> captureNormals(const std::function<void()>& draw);

// A unit square in the y = 0 plane: a leaf model for trees whose leaves are not looked at.
void flatLeaf();

// Makes the next draw of the process-wide sequence seed it from `seed`, whatever was drawn
// before: RANDSEED first goes to a neighbouring value and is drawn from, so `seed` then
// differs from the seed that draw left behind.
void restartSequence(std::int32_t seed);

}  // namespace trees_test
