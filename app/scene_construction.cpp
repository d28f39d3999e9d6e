// Builds the demo's scene once at start-up: the three textures and the eleven tree lists.
#include "app/demo.h"

namespace {

using demo::kBarkSlot;
using demo::kFloorSlot;
using demo::kFoliageSlot;

// The three static trees: each is built twice on the same layout, once as wood and once
// as its foliage crown, so the angle, fork count and heights are shared by both lists.
struct StaticTreeShape {
  float angle;      // lean of every branch from its parent
  std::int32_t forks;  // branches per fork
  float trunkRadius;
  float trunkHeight;
  float branchLength;
};

constexpr StaticTreeShape kStaticTrees[] = {
    {30.0f, 3, 0.15f, 3.25f, 1.5f},
    {40.0f, 4, 0.25f, 3.6f, 1.75f},
    {50.0f, 5, 0.45f, 4.2f, 2.0f},
};
constexpr float kCrownCardSize = 0.15f;
constexpr std::int32_t kConeSegments = 10;

constexpr int kFractalTrees = 5;
constexpr std::int32_t kFractalQuality = 10;
constexpr std::int32_t kFractalLevels = 4;

}  // namespace

void OPENGL_TEXTURE() {
  TEXTURELOADID("corteccia01.bmp", kBarkSlot);
  TEXTURELOADID("Floor05.bmp", kFloorSlot);
  TEXTURELOADTGAID("pino.tga", kFoliageSlot);
}

void TEXALBERO() { TEXTURESELECTID(kBarkSlot); }

void TEXFOGLIE() { TEXTURETGASELECTID(kFoliageSlot); }

void CHIOMA() {
  QUAD(-0.35f, 0.0f, 0.35f,   // P1
       0.35f, 0.0f, 0.35f,    // P2
       -0.35f, 0.0f, -0.7f,   // P3
       0.35f, 0.0f, -0.7f);   // P4
}

void OPENGL_CREATELIST() {
  OPENGL_TEXTURE();
  NUM1 = 0;
  NUM2 = 0;

  for (int i = 0; i < 3; ++i) {
    const StaticTreeShape& t = kStaticTrees[i];
    TREELEAF(CHIOMA1[i], t.angle, t.forks, kCrownCardSize, t.trunkHeight, t.branchLength);
    TREE(ALBERO1[i], t.angle, kConeSegments, t.forks, t.trunkRadius, t.trunkHeight, t.branchLength);
  }

  // The generator is never reseeded, so the five calls draw one continuing sequence: the
  // trees differ from one another and come out the same on every run.
  for (int i = 0; i < kFractalTrees; ++i)
    TREEFRACTAL3D(ALBERO[i], CHIOMA, TEXALBERO, TEXFOGLIE, kFractalQuality, kFractalLevels);
}
