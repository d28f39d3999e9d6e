// The tree demo's own state and procedures: the scene built once at start-up and the frame
// drawn in every pass of the main loop.
#pragma once

#include <cstdint>

#include "framework/framework.h"

// ---------------------------------------------------------------- scene construction
namespace demo {
// Texture slots; the BMP and TGA tables are separate, so both have a slot 0.
constexpr std::int32_t kBarkSlot = 0;     // BMP table, "corteccia01.bmp"
constexpr std::int32_t kFloorSlot = 1;    // BMP table, "Floor05.bmp"
constexpr std::int32_t kFoliageSlot = 0;  // TGA table, "pino.tga"
}  // namespace demo

// Display lists of the trees, filled once by OPENGL_CREATELIST. ALBERO1 and CHIOMA1 hold the
// three static trees (trunk with branches, and the matching foliage crown) in entries 0..2;
// entries 3 and 4 stay 0. ALBERO holds the five fractal trees.
extern GLuint ALBERO1[5];
extern GLuint CHIOMA1[5];
extern GLuint ALBERO[5];

// Indexes of the static tree (0..2) and of the fractal tree (0..4) on show.
extern std::int32_t NUM1;
extern std::int32_t NUM2;

// Loads the textures and compiles the eleven tree lists; needs a current GL context.
void OPENGL_CREATELIST();
// Loads the bark and floor BMP textures into slots 0 and 1 and the foliage TGA into slot 0.
void OPENGL_TEXTURE();
// Bind the bark texture and the foliage texture (also called back by the fractal trees).
void TEXALBERO();
void TEXFOGLIE();
// One leaf: a 0.7 by 1.05 textured card in the plane y = 0, normal pointing down.
void CHIOMA();
// A quad P1..P4 (P1-P2 and P3-P4 opposite edges, P1 next to P3) with its face normal and the
// texture stretched once over it.
void QUAD(float X1, float Y1, float Z1, float X2, float Y2, float Z2, float X3, float Y3, float Z3,
          float X4, float Y4, float Z4);

// ---------------------------------------------------------------- frame and keys
// Key-hold counters: TIMER[1] for key 1, TIMER[2] for key 2 (entries 3..10 unused, 0 unused).
extern std::int32_t TIMER[11];

// Draws one whole frame into the back buffer and applies the keys.
void OPENGL_DRAW();
// The frame's 2D hook: 2D mode and straight back to 3D mode, nothing drawn.
void OPENGL_DRAW2D();
// The frame's 2D mouse hook: does nothing.
void OPENGL_MOUSE2D();
// Keys 1 and 2 step the static and the fractal tree after a three-frame hold, then every
// ten frames while held.
void OPENGL_KEYBOARD();
// As QUAD, with the texture repeated twice across the quad in each direction.
void QUAD2(float X1, float Y1, float Z1, float X2, float Y2, float Z2, float X3, float Y3, float Z3,
           float X4, float Y4, float Z4);
